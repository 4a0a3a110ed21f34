// The lookup dialogs in headless Chromium, driven as a user drives them:
// the curve-number wizard weights two land-use rows into the slope's CN
// field, a station found by typing its first letters fills the rainfall
// fields, and a roughness table imported from CSV lists its refused lines
// and is still used after the page is loaded again.
import assert from 'node:assert/strict';
import {mkdirSync, readFileSync} from 'node:fs';
import path from 'node:path';
import test from 'node:test';

import {serve} from '../tools/serve.mjs';
import {distDir, launchChromium, loadNodeEngine, root} from './support.mjs';

const example = path.join(root, 'examples', 'variant1-two-slopes.snp');
const engine = await loadNodeEngine();
const opened = engine.openProject(readFileSync(example), 'variant1-two-slopes.snp');
const shots = process.env.HYDRIM_SHOTS ?? '/tmp/web-lookup';

const server = await serve(path.join(distDir, 'site'));
const browser = await launchChromium();
const url = `http://127.0.0.1:${server.address().port}/`;
test.after(async () => {
    await browser.close();
    server.close();
});

async function openPage(context) {
    const page = await context.newPage();
    await page.goto(url);
    await page.waitForSelector('body[data-engine="ready"]');
    await page.setInputFiles('#file', example);
    await page.waitForFunction(() => document.getElementById('project-name').textContent !== '');
    return page;
}

const lookup = (page, kind, slope = 'left') =>
    page.evaluate(([kind, slope]) => hydrim.emit('lookup', {kind, slope}), [kind, slope]);
const field = (page, k) => page.evaluate((k) => hydrim.project.edit[k], k);

test('the curve-number wizard weights two land-use rows into the CN field of the slope', async () => {
    const context = await browser.newContext({viewport: {width: 1366, height: 768}});
    const page = await openPage(context);
    const slopeArea = opened.project.edit[10];
    await lookup(page, 'soilGroups');
    await page.fill('dialog.soil-groups input[aria-label="Plocha B"]', slopeArea);
    await page.click('dialog.soil-groups .proceed');
    const areas = page.locator('dialog.curve-numbers tbody input');
    await areas.nth(1).pressSequentially('0,5');
    await areas.nth(2).pressSequentially('x0.25');
    await page.click('dialog.curve-numbers .compute');
    const rows = await page.$$eval('dialog.curve-numbers tbody tr[data-row]', (trs) => trs.slice(1, 3).map((tr) =>
        ({row: Number(tr.dataset.row), value: tr.querySelector('.cn').textContent,
            area: tr.querySelector('input').value})));
    assert.deepEqual(rows.map((r) => r.area), ['0.5', '0.25']);
    const expected = engine.lookup({kind: 'curveNumber', rows});
    await page.waitForFunction((text) => document.querySelector('dialog.curve-numbers .value').textContent === text,
        expected.text);
    await page.screenshot({path: path.join(shots, 'curve-numbers.png')});
    await page.click('dialog.curve-numbers .insert');
    // The areas do not add up to the slope's: the engine's warning, then the value in the field.
    await page.waitForSelector('dialog.message');
    await page.click('dialog.message button');
    const written = engine.editField(opened.project, 14, expected.text, {typed: false}).text;
    await page.waitForFunction((text) => hydrim.project.edit[14] === text, written);
    const kept = await page.evaluate(() => hydrim.project.lookup);
    assert.deepEqual([kept.landUseAreas[1][rows[0].row], kept.soilGroupAreas[1][3]], ['0.5', slopeArea]);
    assert.equal(kept.landUseAreas[0][rows[0].row], '');
    await context.close();
});

test('a station found by its first letters fills the rainfall fields and the description', async () => {
    const context = await browser.newContext();
    const stations = [['1', 'Brno', '40', '50', '60', '70', '', '80', '', '', '95', ''],
        ['2', 'Ústí nad Labem', '41', '52', '61.5', '71', '', '83', '', '', '99', ''],
        ['3', 'Zlín', '42', '53', '63', '73', '', '85', '', '', '101', '']];
    await context.addInitScript((rows) => localStorage.setItem('hydrim.userTable.stations', JSON.stringify({rows})),
        stations);
    const page = await openPage(context);
    await lookup(page, 'stations');
    await page.waitForSelector('dialog.stations table.stations:focus');
    await page.keyboard.type('ust');
    await page.waitForSelector('dialog.stations tr.current[data-row="2"]');
    await page.click('dialog.stations button.insert');
    await page.waitForFunction(() => hydrim.project.edit[9] === '99');
    const rain = await Promise.all([8, 24, 25, 26, 9].map((k) => field(page, k)));
    assert.deepEqual(rain, ['52', '61.5', '71', '83', '99']);
    assert.equal(await page.evaluate(() => hydrim.project.description.at(-1)), 'Ústí nad Labem');
    await context.close();
});

test('a roughness table imported from CSV lists its refused lines and stays after a reload', async () => {
    const context = await browser.newContext({viewport: {width: 1366, height: 768}});
    let page = await openPage(context);
    await lookup(page, 'roughness');
    await page.click('dialog.roughness .edit-table');
    await page.setInputFiles('dialog.table-editor .csv-file', {name: 'drsnost.csv', mimeType: 'text/csv',
        buffer: Buffer.from('Druh povrchu;Třída;Rozsah\nLes;1;5-40\nLouka;2;3-20\nPole;x;abc\n')});
    await page.waitForSelector('dialog.csv-preview');
    const refused = await page.locator('dialog.csv-preview table.refused tr').allTextContents();
    assert.equal(refused.length, 2);
    assert.match(refused[1], /^4rozsah „abc“/);
    await page.click('dialog.csv-preview button:text("Nahradit tabulku")');
    await page.click('dialog.table-editor .save');
    await page.waitForSelector('dialog.table-editor[data-saved="yes"]');
    await page.close();

    page = await openPage(context);
    await lookup(page, 'roughness');
    await page.waitForSelector('dialog.roughness tbody tr');
    const classes = await page.$$eval('dialog.roughness tbody tr', (trs) => trs.map((tr) =>
        [...tr.children].slice(0, 3).map((cell) => cell.textContent)));
    assert.deepEqual(classes, [['Les', '1', '5-40'], ['Louka', '2', '3-20']]);
    assert.match(await page.textContent('dialog.roughness .table-note'), /localStorage/);
    await page.screenshot({path: path.join(shots, 'roughness.png')});
    await context.close();
});

mkdirSync(shots, {recursive: true});
