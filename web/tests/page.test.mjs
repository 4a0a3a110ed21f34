// Both deliveries of the page in headless Chromium: the folder served over
// HTTP and the single hydrim.html opened from a disk. Each starts the engine
// in a Web Worker, opens a project file, computes it and shows its result
// tables, refuses a file that is no project with the engine's message, and
// asks for nothing from any other address.
import assert from 'node:assert/strict';
import {readFileSync} from 'node:fs';
import path from 'node:path';
import test from 'node:test';
import {pathToFileURL} from 'node:url';

import {serve} from '../tools/serve.mjs';
import {distDir, launchChromium, loadNodeEngine, root} from './support.mjs';

const example = path.join(root, 'examples', 'variant1-two-slopes.snp');
const engine = await loadNodeEngine();
const document = JSON.parse(engine.compute(readFileSync(example)));
const catchment = engine.computeProject(engine.openProject(readFileSync(example), 'a.snp').project).grids[7];

async function checkPage(browser, url) {
    const page = await browser.newPage();
    const requests = [];
    page.on('request', (request) => requests.push(request.url()));
    try {
        await page.goto(url);
        await page.waitForSelector('body[data-engine="ready"]');
        await page.setInputFiles('#file', example);
        await page.waitForFunction(() => document.getElementById('project-name').textContent === 'variant1-two-slopes.snp');
        await page.keyboard.press('F9');
        await page.waitForSelector('section[data-view="tables"]:not([hidden]) table.result-grid');
        // The catchment summary: the peak discharges of N = 5 .. 100 as the engine writes them.
        await page.click('.grid-tabs button:nth-child(8)');
        const peaks = await page.$$eval('table.result-grid[data-grid="8"] td[data-row="2"]', (tds) => tds.map((td) => td.textContent));
        assert.deepEqual(peaks, catchment.cells[2].filter((text, column) => catchment.visibleColumns[column]));
        assert.equal(peaks[1].trim(), document.results.PeakDischargeC[0].toPrecision(3).replace('.', ','));

        await page.setInputFiles('#file', {name: 'zprava.snp', mimeType: 'text/plain', buffer: Buffer.from('Dobrý den\r\n')});
        await page.waitForSelector('#status.problem');
        assert.equal(await page.textContent('#status'), 'Nesprávný typ souboru!! ("zprava.snp")');

        const origin = new URL(url).origin;
        const foreign = requests.filter((r) => !r.startsWith(origin === 'null' ? 'file:' : origin) && !/^(blob|data):/.test(r));
        assert.deepEqual(foreign, []);
    } finally {
        await page.close();
    }
}

test('the page served from its folder and the single file compute a project in the worker', async () => {
    const server = await serve(path.join(distDir, 'site'));
    const browser = await launchChromium();
    try {
        await checkPage(browser, `http://127.0.0.1:${server.address().port}/`);
        await checkPage(browser, pathToFileURL(path.join(distDir, 'hydrim.html')).href);
    } finally {
        await browser.close();
        server.close();
    }
});
