// The documents of the page read back as their readers see them: the
// workbook of "Export do Excelu…" (its sheets, the numbers of the engine's
// grids and hydrographs as numbers), the design report (the lines to sign,
// the tables' values as the grids give them, a chart, pages numbered in the
// printed PDF), and a page that still computes once the network is gone.
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import {mkdtempSync, readFileSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import path from 'node:path';
import test from 'node:test';

import {serve} from '../tools/serve.mjs';
import {distDir, launchChromium, loadNodeEngine, root} from './support.mjs';
import {readWorkbook} from './xlsx-reader.mjs';

const engine = await loadNodeEngine();
const examples = path.join(root, 'examples');

function computed(name) {
    const {project} = engine.openProject(new Uint8Array(readFileSync(path.join(examples, name))), name);
    return engine.computeProject(project, {});
}

const server = await serve(path.join(distDir, 'site'));
const browser = await launchChromium();
test.after(async () => {
    await browser.close();
    server.close();
});

async function openComputed(name, context = browser) {
    const page = await context.newPage();
    await page.goto(`http://127.0.0.1:${server.address().port}/`);
    await page.waitForSelector('body[data-engine="ready"]');
    await page.setInputFiles('#file', path.join(examples, name));
    await page.waitForFunction((file) => document.getElementById('project-name').textContent === file, name);
    await page.keyboard.press('F9');
    await page.waitForSelector('#export-xlsx:not([disabled])');
    return page;
}

test('the exported workbook holds the grids and the hydrographs as numbers under the desktop sheet names', async () => {
    const answer = computed('variant1-two-slopes.snp');
    const page = await openComputed('variant1-two-slopes.snp');
    const [download] = await Promise.all([page.waitForEvent('download'), page.click('#export-xlsx')]);
    assert.equal(download.suggestedFilename(), 'variant1-two-slopes.xlsx');
    const {sheets, xml} = readWorkbook(readFileSync(await download.path()));
    await page.close();
    assert.deepEqual(Object.keys(sheets), ['Vstup', 'Výstup N=5', 'Výstup N=10', 'Výstup N=20', 'Výstup N=50',
        'Výstup N=100', 'Výstup Povodí + Svahy', 'Výstup Povodí', 'Časové řady N=5', 'Časové řady N=10',
        'Časové řady N=20', 'Časové řady N=50', 'Časové řady N=100', 'Upozornění']);
    // The peak row of N = 5: symbol, Czech description, values as numbers, unit with its exponents.
    const grid = answer.grids[1];
    const row = grid.rows.findIndex((r) => r.background === 'peak');
    const sheetRow = row - grid.firstShownRow + 1;
    const number = (text) => Number(text.trim().replace(',', '.'));
    assert.equal(sheets['Výstup N=5'][`A${sheetRow}`], 'Qmax');
    assert.equal(sheets['Výstup N=5'][`B${sheetRow}`], 'kulminační průtok');
    assert.equal(sheets['Výstup N=5'][`C${sheetRow}`], number(grid.cells[row][2]));
    assert.equal(sheets['Výstup N=5'][`E${sheetRow}`], number(grid.cells[row][4]));
    assert.equal(sheets['Výstup N=5'][`F${sheetRow}`], '[m³.s⁻¹]');
    // The five return periods of the inputs, one row each.
    assert.deepEqual([10, 11, 12, 13, 14].map((r) => sheets.Vstup[`C${r}`]), [5, 10, 20, 50, 100]);
    // A minute of the N = 100 listing: clock time as a day fraction, the ordinates as the engine gives them.
    const hydrograph = answer.series[4];
    const listing = sheets['Časové řady N=100'];
    assert.equal(listing.A1, 'Čas [hod:min]');
    assert.equal(listing.A63, 60 / 1440);
    assert.equal(listing.B63, hydrograph.rainIntensity);
    assert.equal(listing.C63, hydrograph.catchment[59]);
    assert.equal(listing.E63, hydrograph.right[59]);
    assert.equal(listing[`C${hydrograph.length + 3}`], hydrograph.catchment.at(-1));
    assert.equal(listing[`B${hydrograph.rainDuration + 4}`], 0);
    assert.equal(sheets['Upozornění'].A2, answer.document.warnings[0].message);
    // Printed fitted to A4 with the page number.
    assert.match(xml['Výstup N=5'], /<pageSetup paperSize="9"[^>]*fitToWidth="1" fitToHeight="1"/);
    assert.match(xml['Časové řady N=5'], /<oddFooter>&amp;Cstrana &amp;P z &amp;N<\/oddFooter>/);
});

test('the report shows the lines to sign, the grids as the engine gives them and a chart, and prints numbered pages', async () => {
    const answer = computed('variant2-two-slopes.snp');
    const page = await openComputed('variant2-two-slopes.snp');
    await page.click('nav.views button[data-view="report"]');
    await page.waitForSelector('section[data-view="report"][data-report="ready"]');
    const signOff = await page.$$eval('.report .first-page .sign-line span:first-child', (s) => s.map((e) => e.textContent));
    assert.deepEqual(signOff, ['Zpracoval', 'Kontroloval', 'Datum']);
    const grid = answer.grids[0];
    const row = grid.rows.findIndex((r) => r.background === 'peak');
    const shown = await page.$$eval(`.report table.grid[data-sheet="${grid.sheetName}"] tr`,
        (rows, index) => [...rows[index].cells].map((cell) => cell.textContent), row - grid.firstShownRow);
    assert.deepEqual(shown.slice(2, 5), grid.cells[row].slice(2, 5).map((text) => text.trim()));
    assert.equal(await page.locator('.report svg.hydrograph path[data-series="catchment"]').count(), 1);
    // The method: numbered formulas with real fractions and indices, the symbol list, the sources.
    const numbers = await page.$$eval('.report-method .formula-number', (n) => n.map((e) => e.textContent));
    assert.deepEqual(numbers.slice(0, 3), ['(1)', '(2)', '(3)']);
    assert.ok(await page.locator('.report-method math mfrac').count() > 5);
    assert.ok(await page.locator('.report-method table.symbols td sub').count() > 10);
    assert.equal(await page.locator('.report-method ol[data-kind="reference"] li').count(), 6);

    await page.emulateMedia({media: 'print'});
    const pdf = await page.pdf({format: 'A4', preferCSSPageSize: true});
    await page.close();
    const folder = mkdtempSync(path.join(tmpdir(), 'hydrim-report-'));
    writeFileSync(path.join(folder, 'report.pdf'), pdf);
    const pages = Number(execFileSync('pdfinfo', [path.join(folder, 'report.pdf')]).toString().match(/Pages:\s+(\d+)/)[1]);
    const first = execFileSync('pdftotext', ['-layout', '-f', '1', '-l', '1', path.join(folder, 'report.pdf'), '-']).toString();
    assert.ok(pages > 1);
    assert.match(first, new RegExp(`strana 1 z ${pages}`));
    assert.match(first, /Zpracoval/);
});

test('a page loaded once computes with the network gone', async () => {
    const context = await browser.newContext();
    const page = await context.newPage();
    await page.goto(`http://127.0.0.1:${server.address().port}/`);
    await page.waitForSelector('body[data-engine="ready"]');
    await context.setOffline(true);
    await page.setInputFiles('#file', path.join(examples, 'variant3-one-slope.snp'));
    await page.waitForFunction(() => document.getElementById('project-name').textContent === 'variant3-one-slope.snp');
    await page.keyboard.press('F9');
    await page.waitForSelector('#export-xlsx:not([disabled])');
    assert.equal(await page.evaluate(() => globalThis.hydrim.computed.status), 'ok');
    await context.close();
});
