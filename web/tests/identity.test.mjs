// The same numbers as the desktop: the WebAssembly engine, in node and in
// headless Chromium, answers every example, every hard bench project and
// random valid projects as the native engine does: texts, integers, warnings,
// every result table, the time-series listings (whole for N = 5, the first
// rows and the ordinates of every hydrograph) identical, reals equal to a
// relative 1e-12 (the native build's pow/exp may take fused multiply-add
// variants on some processors, so last digits may differ). The documents
// are also compared with the command line's saved outputs (bench/reference).
import assert from 'node:assert/strict';
import {spawnSync} from 'node:child_process';
import {existsSync, readFileSync} from 'node:fs';
import path from 'node:path';
import test from 'node:test';

import {serve} from '../tools/serve.mjs';
import {answerForm, fromBase64, runCalls} from './run-calls.mjs';
import {compareJson, engineDir, launchChromium, loadNodeEngine, nativeBuild, projectFiles, randomProjects, root}
    from './support.mjs';

const RandomProjects = 24;
const JsonCalls = new Set(['compute', 'openProject', 'computeProject', 'timeSeries', 'hydrograph', 'hydrographOrdinates']);

const engine = await loadNodeEngine();
const files = [...projectFiles(), ...randomProjects(engine, RandomProjects)];

// The same calls for every engine: each project computed from its file and
// from its fields, and every time series of its results listed.
function callsFor(projects) {
    const calls = [];
    for (const file of projects) {
        const fileName = path.basename(file.name);
        const bytes = Buffer.from(file.bytes).toString('base64');
        calls.push({method: 'compute', args: {fileName}, bytes, file: file.name});
        calls.push({method: 'openProject', args: {fileName}, bytes});
        const {project} = engine.openProject(file.bytes, fileName);
        calls.push({method: 'computeProject', args: {project, decimalSeparator: '.'}});
        const document = JSON.parse(engine.compute(file.bytes, fileName));
        if (document.status !== 'ok') {
            continue;
        }
        const variantI = document.variant === 1;
        // Listings run to 30 000 minutes: the whole text is compared for the
        // first hydrograph of each kind, the first rows and the ordinates of
        // every hydrograph.
        for (const index of variantI ? [1, 2, 3, 4, 5] : [1]) {
            for (const daily of variantI ? [false, true] : [false]) {
                if (index === 1) {
                    calls.push({method: 'timeSeriesCopy', args: {index, daily, kind: 'all'}, digest: true});
                }
                calls.push({method: 'timeSeries', args: {index, daily, first: 0, count: 30}});
                calls.push({method: 'hydrograph', args: {index, daily}});
                calls.push({method: 'hydrographOrdinates', args: {index, daily}});
            }
        }
    }
    return calls;
}

const calls = callsFor(files);

function runNative() {
    const program = path.join(nativeBuild, 'tests', 'hydrim-native-engine');
    assert.ok(existsSync(program), `the native engine ${program} is built (cmake --build build)`);
    const input = calls.map((call) => JSON.stringify({method: call.method, arguments: call.args, bytes: call.bytes}))
        .join('\n') + '\n';
    const run = spawnSync(program, [path.join(root, 'DATA')], {input, maxBuffer: 1 << 30});
    assert.equal(run.status, 0, String(run.stderr));
    const lines = String(run.stdout).trim().split('\n');
    assert.equal(lines.length, calls.length);
    return lines.map((line, i) => {
        const {status, result} = JSON.parse(line);
        return answerForm(calls[i], status, fromBase64(result));
    });
}

const native = runNative();

// Every answer against the native one; returns the figures of the comparison.
function compareAnswers(answers, engineName) {
    const figures = {documents: 0, identicalDocuments: 0, largest: 0};
    answers.forEach((answer, i) => {
        const call = calls[i];
        const expected = native[i];
        const where = `${engineName}, call ${i} ${call.method} ${JSON.stringify(call.args).slice(0, 60)}`;
        assert.equal(answer.status, expected.status, `${where}: status (${answer.text ?? ''})`);
        if (expected.digest !== undefined) {
            assert.equal(answer.digest, expected.digest, `${where}: time-series text`);
        } else if (expected.status === 0 && JsonCalls.has(call.method)) {
            const found = compareJson(JSON.parse(answer.text), JSON.parse(expected.text));
            assert.deepEqual(found.differences.slice(0, 5), [], where);
            figures.largest = Math.max(figures.largest, found.largest);
            if (call.method === 'compute') {
                figures.documents += 1;
                figures.identicalDocuments += answer.text === expected.text ? 1 : 0;
            }
        } else {
            assert.equal(answer.text, expected.text, where);
        }
    });
    return figures;
}

function report(engineName, figures, milliseconds) {
    console.log(`${engineName}: ${calls.length} answers of ${files.length} projects in ${Math.round(milliseconds)} ms; ` +
        `${figures.identicalDocuments} of ${figures.documents} documents byte-identical to the native engine's, ` +
        `largest relative difference of a real ${figures.largest.toExponential(1)}`);
}

test('the native engine writes the command line\'s documents', () => {
    // bench/reference holds hydrim-cli compute --json of the examples and hard projects.
    let compared = 0;
    calls.forEach((call, i) => {
        if (call.method !== 'compute' || call.file.startsWith('random')) {
            return;
        }
        const reference = readFileSync(path.join(root, 'bench/reference', `${path.basename(call.file, '.snp')}.json`));
        assert.equal(native[i].text + '\n', String(reference), call.file);
        compared += 1;
    });
    assert.equal(compared, files.length - RandomProjects);
});

test('the WebAssembly engine in node answers as the native one', () => {
    const start = performance.now();
    const answers = runCalls(engine, calls);
    report(`node ${process.version}`, compareAnswers(answers, 'node'), performance.now() - start);
});

test('the WebAssembly engine in headless Chromium answers as the native one', async () => {
    const server = await serve(root);
    const browser = await launchChromium();
    try {
        const page = await browser.newPage();
        await page.goto(`http://127.0.0.1:${server.address().port}/`);
        const engineUrl = '/' + path.relative(root, path.join(engineDir, 'hydrim-engine.mjs')).split(path.sep).join('/');
        const start = performance.now();
        const answers = await page.evaluate(async ({engineUrl, calls}) => {
            const {loadEngine} = await import(engineUrl);
            const {runCalls} = await import('/web/tests/run-calls.mjs');
            return runCalls(await loadEngine(), calls);
        }, {engineUrl, calls});
        report(`Chromium ${browser.version()}`, compareAnswers(answers, 'chromium'), performance.now() - start);
    } finally {
        await browser.close();
        server.close();
    }
});
