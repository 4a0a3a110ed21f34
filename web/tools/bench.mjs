// Benchmark of the browser version (not a test): the compute time of each
// hard bench project (bench/hard, two-slope Variant I) in node and in
// headless Chromium (the engine alone, and the page's "Vypočítej" through
// its worker until the results are shown), the first load of both
// deliveries until the page's engine is ready (the folder from a local
// server, hydrim.html from a disk), and the sizes of the deliveries, raw
// and gzipped.
//   node web/tools/bench.mjs [RUNS]      (after scripts/build-web.sh)
import {readFileSync, readdirSync, statSync} from 'node:fs';
import path from 'node:path';
import {pathToFileURL} from 'node:url';
import {gzipSync} from 'node:zlib';

import {distDir, engineDir, launchChromium, loadNodeEngine, root} from '../tests/support.mjs';
import {serve} from './serve.mjs';

const runs = Number(process.argv[2] ?? 15);
const hardDir = path.join(root, 'bench', 'hard');
const projects = readdirSync(hardDir).filter((n) => n.endsWith('.snp')).sort()
    .map((name) => ({name, bytes: [...readFileSync(path.join(hardDir, name))]}));

// The median times [ms] of computing each project: from its file (compute:
// the document), from its fields with the result tables (computeProject
// without series) and with the design-rain hydrographs and their ordinates.
function timeEngine(engine, projects, runs) {
    const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
    return projects.map(({name, bytes}) => {
        const {project} = engine.openProject(new Uint8Array(bytes), name);
        const times = [];
        for (let i = 0; i < runs; ++i) {
            const start = performance.now();
            engine.computeProject(project);
            times.push(performance.now() - start);
        }
        const tables = [];
        for (let i = 0; i < runs; ++i) {
            const start = performance.now();
            engine.computeProject(project, {series: false});
            tables.push(performance.now() - start);
        }
        const file = [];
        for (let i = 0; i < runs; ++i) {
            const start = performance.now();
            engine.compute(new Uint8Array(bytes), name);
            file.push(performance.now() - start);
        }
        return {name, computeProject: median(times), tables: median(tables), compute: median(file)};
    });
}

function print(where, rows) {
    console.log(`${where}:`);
    for (const row of rows) {
        console.log(`  ${row.name}: compute (document) ${row.compute.toFixed(1)} ms, computeProject without series ` +
            `${row.tables.toFixed(1)} ms, with the five hydrographs ${row.computeProject.toFixed(1)} ms`);
    }
    const slowest = rows.reduce((a, b) => (a.computeProject > b.computeProject ? a : b));
    console.log(`  hardest: ${slowest.name} ${slowest.computeProject.toFixed(1)} ms (target < 100 ms)`);
}

print(`node ${process.version}`, timeEngine(await loadNodeEngine(), projects, runs));

const server = await serve(root);
const site = await serve(path.join(distDir, 'site'));
const browser = await launchChromium();
try {
    const page = await browser.newPage();
    await page.goto(`http://127.0.0.1:${server.address().port}/`);
    const engineUrl = '/' + path.relative(root, path.join(engineDir, 'hydrim-engine.mjs')).split(path.sep).join('/');
    const rows = await page.evaluate(async ({engineUrl, projects, runs, source}) => {
        const {loadEngine} = await import(engineUrl);
        const timeEngine = new Function(`return ${source}`)();
        return timeEngine(await loadEngine(), projects, runs);
    }, {engineUrl, projects, runs, source: timeEngine.toString()});
    print(`Chromium ${browser.version()}`, rows);

    // First load: a fresh browser context each time, nothing cached.
    const firstLoad = async (url) => {
        const loads = [];
        for (let i = 0; i < Math.max(5, Math.min(runs, 9)); ++i) {
            const context = await browser.newContext();
            const fresh = await context.newPage();
            const start = performance.now();
            await fresh.goto(url);
            await fresh.waitForSelector('body[data-engine="ready"]');
            loads.push(performance.now() - start);
            await context.close();
        }
        loads.sort((a, b) => a - b);
        return `${loads[Math.floor(loads.length / 2)].toFixed(0)} ms (median of ${loads.length})`;
    };
    const siteUrl = `http://127.0.0.1:${site.address().port}/`;
    console.log(`first load until the engine is ready: site/ from a local server ${await firstLoad(siteUrl)}, ` +
        `hydrim.html from a disk ${await firstLoad(pathToFileURL(path.join(distDir, 'hydrim.html')).href)}`);

    // The page's compute command: the project set, "Vypočítej" through the
    // worker until the answer with the five hydrographs is back.
    const shown = await browser.newPage();
    await shown.goto(siteUrl);
    await shown.waitForSelector('body[data-engine="ready"]');
    const pageTimes = await shown.evaluate(async ({projects, runs}) => {
        const app = globalThis.hydrim;
        const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
        const rows = [];
        for (const {name, bytes} of projects) {
            app.setProject(await app.engine.openProject(new Uint8Array(bytes), name), {fileName: name, modified: false});
            const times = [];
            for (let i = 0; i < runs; ++i) {
                const start = performance.now();
                await app.compute();
                times.push(performance.now() - start);
            }
            rows.push(`${name} ${median(times).toFixed(1)} ms`);
        }
        return rows;
    }, {projects, runs});
    console.log(`page "Vypočítej" through the worker (median of ${runs}): ${pageTimes.join(', ')}`);
} finally {
    await browser.close();
    server.close();
    site.close();
}

function sizes(files) {
    let raw = 0;
    let gzipped = 0;
    for (const file of files) {
        const bytes = readFileSync(file);
        raw += bytes.length;
        gzipped += gzipSync(bytes, {level: 9}).length;
    }
    return `${(raw / 1024).toFixed(0)} kB (${(gzipped / 1024).toFixed(0)} kB gzipped)`;
}
const siteDir = path.join(distDir, 'site');
const siteFiles = readdirSync(siteDir).map((n) => path.join(siteDir, n)).filter((f) => statSync(f).isFile());
console.log(`site/: ${sizes(siteFiles)}; of it the engine .wasm ${sizes([path.join(siteDir, 'hydrim-engine-wasm.wasm')])}`);
console.log(`hydrim.html: ${sizes([path.join(distDir, 'hydrim.html')])}`);
