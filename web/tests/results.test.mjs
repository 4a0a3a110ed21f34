// The result views of a computed Variant I project with two slopes, driven
// as a user drives them, each read back against the engine's own answer:
// the eight tables with their lowered indexes, the notes of the result and
// the desktop's copy text, the chart with its three hydrographs over the
// design rain band, zoomed and shown whole again, and the time series
// scrolled to its last minute and copied whole.
import assert from 'node:assert/strict';
import {readFileSync} from 'node:fs';
import path from 'node:path';
import test from 'node:test';

import {serve} from '../tools/serve.mjs';
import {distDir, launchChromium, loadNodeEngine, root} from './support.mjs';

const example = path.join(root, 'examples', 'variant1-two-slopes.snp');
const engine = await loadNodeEngine();
const {project} = engine.openProject(readFileSync(example), path.basename(example));
const computed = engine.computeProject(project, {decimalSeparator: ','});

const copies = async (page, count) => {
    await page.waitForSelector(`body[data-copies="${count}"]`);
    return page.evaluate(() => globalThis.hydrim.lastCopied);
};
const cell = (row, col) => `section[data-view="tables"] td[data-row="${row}"][data-col="${col}"]`;

test('tables, chart and time series of a two-slope Variant I project', async () => {
    const server = await serve(path.join(distDir, 'site'));
    const browser = await launchChromium();
    const origin = `http://127.0.0.1:${server.address().port}`;
    const context = await browser.newContext({viewport: {width: 1366, height: 768}});
    await context.grantPermissions(['clipboard-read', 'clipboard-write'], {origin});
    const page = await context.newPage();
    try {
        await page.goto(`${origin}/`);
        await page.waitForSelector('body[data-engine="ready"]');
        await page.setInputFiles('#file', example);
        await page.waitForFunction((name) => document.getElementById('project-name').textContent === name,
            path.basename(example));
        await page.keyboard.press('F9');

        // Tables: a tab per grid; a symbol with its lowered index; Ctrl+C of a selection.
        await page.waitForSelector('section[data-view="tables"]:not([hidden]) table.result-grid');
        const tabs = await page.$$eval('.grid-tabs button', (buttons) => buttons.map((b) => b.textContent));
        assert.deepEqual(tabs, computed.grids.map((grid) => grid.title));
        assert.equal(tabs.length, 8);
        // The note on the capped design rain is shown as a note, not as a warning.
        const notes = computed.document.warnings.filter((warning) => warning.severity === 'note');
        assert.ok(notes.length > 0);
        assert.deepEqual(await page.$$eval('.result-warnings .note li', (items) => items.map((li) => li.textContent)),
            notes.map((note) => note.message));
        assert.equal(await page.$eval(`${cell(2, 0)}`, (td) => td.innerHTML), '<span> S</span><sub>s</sub>');
        await page.click('.grid-tabs button:nth-child(2)');
        await page.click(cell(25, 2));
        await page.click(cell(25, 5), {modifiers: ['Shift']});
        await page.keyboard.press('Control+C');
        const peakRow = {grid: 2, kind: 'selection', left: 2, top: 25, right: 5, bottom: 25};
        assert.equal(await copies(page, 1), engine.gridCopy(peakRow));

        // Chart: three hydrographs and the rain band hanging from the top; zoom, then the whole hydrograph.
        const hydrograph = engine.hydrograph({index: 1});
        await page.click('nav.views button[data-view="chart"]');
        const chart = await page.waitForSelector('.chart[data-drawn="5-rain"]');
        assert.equal(await chart.getAttribute('data-series'), '3');
        const legend = await page.$$eval('.chart .u-legend th', (ths) => ths.map((th) => th.textContent));
        assert.deepEqual(legend, ['Výpočtový déšť', 'Levý svah ', 'Pravý svah', 'Povodí']);
        const rainPixel = await page.evaluate(({duration, intensity}) => {
            const plot = document.querySelector('.chart').plot;
            const x = plot.valToPos(duration / 2, 'x', true);
            const y = plot.valToPos(intensity / 2, 'rain', true);
            return [...plot.ctx.getImageData(Math.round(x), Math.round(y), 1, 1).data.slice(0, 3)];
        }, {duration: hydrograph.rainDuration, intensity: hydrograph.rainIntensity});
        assert.deepEqual(rainPixel, [204, 255, 255]);
        const whole = {xMin: '0', xMax: String(hydrograph.length - 1), yMax: String(hydrograph.dischargeAxisMaximum)};
        const scales = () => chart.evaluate(({dataset}) => ({xMin: dataset.xMin, xMax: dataset.xMax, yMax: dataset.yMax}));
        assert.deepEqual(await scales(), {...whole, xMax: String(hydrograph.firstViewMinutes)});
        const plot = await (await page.$('.chart .u-over')).boundingBox();
        await page.mouse.move(plot.x + plot.width * 0.1, plot.y + plot.height * 0.3);
        await page.mouse.down();
        await page.mouse.move(plot.x + plot.width * 0.4, plot.y + plot.height * 0.8, {steps: 5});
        await page.mouse.up();
        const zoomed = await scales();
        assert.ok(Number(zoomed.xMax) < Number(whole.xMax) / 2, JSON.stringify(zoomed));
        assert.ok(Number(zoomed.yMax) < Number(whole.yMax), JSON.stringify(zoomed));
        await page.click('.chart-tools .whole');
        assert.deepEqual(await scales(), whole);
        // The 1-day hydrograph has no rain band.
        await page.selectOption('section[data-view="chart"] .hydrograph-kind', '1');
        await page.waitForSelector('.chart[data-drawn="5-daily"][data-rain-band="false"]');
        await page.selectOption('section[data-view="chart"] .hydrograph-kind', '0');

        // Time series: scrolled to the end it shows the last minute; "Kopíruj vše".
        await page.click('nav.views button[data-view="series"]');
        const scroller = await page.waitForSelector('.series-scroller[data-last]');
        const {rowCount} = engine.timeSeries({index: 1, first: 0, count: 0});
        await scroller.evaluate((box) => (box.scrollTop = box.scrollHeight));
        await page.waitForSelector(`.series-scroller[data-last="${rowCount - 1}"]`);
        const last = await page.$$eval(`.series-scroller span[data-row="${rowCount - 1}"]`,
            (spans) => spans.map((span) => span.textContent));
        assert.deepEqual(last, engine.timeSeries({index: 1, first: rowCount - 1, count: 1}).rows[0]);
        await page.click('.series-tools [data-copy="all"]');
        const all = engine.timeSeriesCopy({index: 1, kind: 'all'});
        assert.equal(await copies(page, 2), all);
        assert.equal(await page.evaluate(() => navigator.clipboard.readText()), all);
    } finally {
        await browser.close();
        server.close();
    }
});
