// The input view in headless Chromium: a project typed key by key from a new
// one and computed with F9, the lookup buttons, the corrections on leaving a
// field in one message, and project files opened, saved back byte for byte
// and read back.
import assert from 'node:assert/strict';
import {readFileSync} from 'node:fs';
import path from 'node:path';
import test from 'node:test';

import {serve} from '../tools/serve.mjs';
import {distDir, launchChromium, root} from './support.mjs';

const exampleName = 'variant1-two-slopes.snp';
const exampleBytes = readFileSync(path.join(root, 'examples', exampleName));

let server;
let browser;
let url;
test.before(async () => {
    server = await serve(path.join(distDir, 'site'));
    browser = await launchChromium();
    url = `http://127.0.0.1:${server.address().port}/`;
});
test.after(async () => {
    await browser?.close();
    server?.close();
});

async function openPage(initScript) {
    const page = await browser.newPage({viewport: {width: 1366, height: 768}});
    if (initScript) {
        await page.addInitScript(initScript.script, initScript.arg);
    }
    await page.goto(url);
    await page.waitForSelector('section[data-view="input"][data-project]');
    return page;
}

// Answers the one message box shown and returns its texts.
async function answerMessage(page, button = 'OK') {
    const box = page.locator('dialog.message[open]');
    await box.waitFor();
    const texts = {count: await box.count(), text: await box.locator('p').first().textContent(),
        detail: (await box.locator('p.detail').count()) ? await box.locator('p.detail').textContent() : ''};
    await box.locator('button', {hasText: button}).click();
    await box.waitFor({state: 'detached'});
    return texts;
}

const fieldText = (page, k) => page.inputValue(`#edit-${k}`);

test('a new project typed key by key in the order of the Tab key computes with F9', async () => {
    const page = await openPage();
    try {
        assert.equal(await page.isVisible('fieldset.catchment'), false);
        await page.selectOption('#list-1', '1');
        await page.selectOption('#list-2', '0');
        await page.waitForSelector('fieldset.catchment:not([hidden]) #edit-24');
        assert.equal(await page.textContent('fieldset.slopes > legend'), 'Dva svahy');

        // Tab goes down the valley line and rainfall, then down each slope;
        // a comma becomes the decimal point, other characters are refused.
        await page.click('#edit-5');
        // Edit5, 6, 8, 24, 25, 26, 9; left slope 10, 11, 12, curve type, 14; right slope 17, 18, 19, curve type, 21.
        const keys = ['1,25', '3x.4', '50', '60', '70', '80', '95',
            '1.2', '8', '30', '2', '70', '0.9', '12', '25', '3', '80'];
        for (const text of keys) {
            await page.keyboard.type(text);
            await page.keyboard.press('Tab');
        }
        await page.waitForSelector('.input-window:not([data-busy])');
        assert.equal(await page.isEnabled('#compute'), true);
        const texts = await Promise.all([5, 6, 10, 21].map((k) => fieldText(page, k)));
        assert.deepEqual(texts, ['1.25', '3.4', '1.2', '80']);
        assert.deepEqual(await page.$$eval('#list-4, #list-5', (lists) => lists.map((list) => list.value)), ['1', '2']);
        assert.match(await page.textContent('#status'), /^Vstupní údaje jsou úplné/);
        assert.equal(await page.locator('dialog.message').count(), 0, 'valid values pass without a message');

        // The lookup buttons ask for their dialogs (the curve number's by the
        // path chosen); a value a dialog writes appears in its field.
        await page.evaluate(() => hydrim.on('lookup', (request) => (globalThis.lookups ??= []).push(request)));
        await page.click('button[data-lookup="roughness"][data-slope="right"]');
        await page.locator('dialog.lookup.roughness[open]').waitFor();
        await page.keyboard.press('Escape');
        await page.click('button[data-lookup="curveNumber"][data-slope="left"]');
        await page.click('dialog.cn-path button[data-kind="soilUnits"]');
        await page.locator('dialog.lookup.soil-units[open]').waitFor();
        await page.keyboard.press('Escape');
        await page.waitForFunction(() => globalThis.lookups?.length === 2);
        assert.deepEqual(await page.evaluate(() => globalThis.lookups),
            [{kind: 'roughness', slope: 'right'}, {kind: 'soilUnits', slope: 'left'}]);
        await page.evaluate(async () =>
            hydrim.setProject(await hydrim.engine.editField(hydrim.project, 12, '45', {typed: false})));
        assert.equal(await fieldText(page, 12), '45');

        // 600 for N = 5: the bound, and N = 100 follows it, said in one message.
        await page.click('#edit-8');
        await page.keyboard.press('Control+A');
        await page.keyboard.type('600');
        await page.keyboard.press('Tab');
        const corrected = await answerMessage(page);
        assert.equal(corrected.text, 'Hodnota mimo mez !! Bude automaticky opravena.');
        assert.match(corrected.detail,
            /Zadaná hodnota: 600[^]*Nová hodnota: 500[^]*Hodnota pro N=100 bude automaticky opravena!/);
        assert.equal(await page.locator('dialog.message').count(), 0);
        assert.deepEqual([await fieldText(page, 8), await fieldText(page, 9)], ['500', '500']);

        // F9 in a field judges its value first: CN 120 becomes 100, then the project is computed.
        await page.click('#edit-21');
        await page.keyboard.press('Control+A');
        await page.keyboard.type('120');
        await page.keyboard.press('F9');
        assert.match((await answerMessage(page)).detail, /Nová hodnota: 100/);
        await page.waitForSelector('section[data-view="tables"]:not([hidden])');
        const computed = await page.evaluate(() => ({status: hydrim.computed.status, cn: hydrim.project.edit[21]}));
        assert.deepEqual(computed, {status: 'ok', cn: '100'});
    } finally {
        await page.close();
    }
});

// A browser that writes back into the file it opened: the pickers give a file
// of the test's and keep what is written into it.
function fakePickers(bytes) {
    const file = {name: 'projekt.snp', bytes: new Uint8Array(bytes), writes: 0};
    globalThis.pickedFile = file;
    const handle = {
        name: file.name,
        getFile: async () => new File([file.bytes], file.name),
        createWritable: async () => {
            const parts = [];
            return {
                write: async (part) => parts.push(new Uint8Array(part)),
                close: async () => {
                    file.bytes = new Uint8Array(await new Blob(parts).arrayBuffer());
                    file.writes += 1;
                },
                abort: async () => {},
            };
        },
    };
    globalThis.showOpenFilePicker = async () => [handle];
    globalThis.showSaveFilePicker = async () => {
        throw new Error('a project opened from a file is saved back into it');
    };
}

// A browser without them: saving downloads.
function noPickers() {
    delete globalThis.showOpenFilePicker;
    delete globalThis.showSaveFilePicker;
}

test('a project file opened and saved comes back byte for byte; an edit is asked about, saved, read back', async () => {
    const writing = await openPage({script: fakePickers, arg: [...exampleBytes]});
    try {
        await writing.click('#open');
        await writing.waitForFunction(() => document.getElementById('project-name').textContent === 'projekt.snp');
        await writing.click('#save');
        await writing.waitForFunction(() => globalThis.pickedFile.writes === 1);
        const written = await writing.evaluate(() => [...globalThis.pickedFile.bytes]);
        assert.deepEqual(Buffer.from(written), exampleBytes);

        await writing.click('#edit-5');
        await writing.keyboard.type('5');
        await writing.waitForSelector('#project-name[data-modified]');
        // Leaving the page asks; staying keeps the edit.
        const asked = new Promise((resolve) =>
            writing.once('dialog', async (dialog) => {
                resolve(dialog.type());
                await dialog.dismiss();
            }));
        const leaving = writing.reload().catch(() => 'stayed');
        assert.equal(await asked, 'beforeunload');
        assert.equal(await writing.evaluate(() => hydrim.modified), true);
        void leaving;
    } finally {
        await writing.close();
    }

    const page = await openPage({script: noPickers});
    try {
        await page.setInputFiles('#file', path.join(root, 'examples', exampleName));
        await page.waitForFunction((name) => document.getElementById('project-name').textContent === name, exampleName);
        await page.click('#edit-6');
        await page.keyboard.press('Control+A');
        await page.keyboard.type('2.5');
        await page.keyboard.press('Tab');
        await page.waitForSelector('#project-name[data-modified]');

        // The changes are not lost to a new project the user cancels.
        await page.click('#new');
        assert.equal((await answerMessage(page, 'Storno')).text, 'Uložit provedené změny do projektu?');
        assert.equal(await fieldText(page, 6), '2.5');

        const [download] = await Promise.all([page.waitForEvent('download'), page.click('#save')]);
        assert.equal(download.suggestedFilename(), exampleName);
        const saved = readFileSync(await download.path());
        await page.waitForSelector('#project-name:not([data-modified])');
        await page.click('#new');
        await page.waitForFunction(() => document.getElementById('edit-6').value === '');
        await page.setInputFiles('#file', {name: exampleName, mimeType: 'application/octet-stream', buffer: saved});
        await page.waitForFunction(() => document.getElementById('edit-6').value !== '');
        assert.equal(await fieldText(page, 6), '2.5');
        assert.equal(await fieldText(page, 5), '2.4');
    } finally {
        await page.close();
    }
});
