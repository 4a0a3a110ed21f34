// Bundles the page into its two deliveries (node build.mjs ENGINE_DIR DIST_DIR):
//   DIST_DIR/site/       index.html, hydrim.css, hydrim.js, engine-worker.js and
//                        the engine (hydrim-engine.mjs, its glue and .wasm), for
//                        any static web server;
//   DIST_DIR/hydrim.html one file with everything inside, the engine worker run
//                        from a blob URL, which works opened from a disk.
// ENGINE_DIR holds what scripts/build-web.sh compiled.
import * as esbuild from 'esbuild';
import {copyFileSync, mkdirSync, readFileSync, readdirSync, rmSync, writeFileSync} from 'node:fs';
import path from 'node:path';
import {fileURLToPath} from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const [engineDir, distDir] = process.argv.slice(2).map((p) => path.resolve(p));
if (!engineDir || !distDir) {
    console.error('usage: node build.mjs ENGINE_DIR DIST_DIR');
    process.exit(2);
}
const site = path.join(distDir, 'site');
rmSync(distDir, {recursive: true, force: true});
mkdirSync(site, {recursive: true});

const common = {bundle: true, minify: true, target: ['es2020'], logLevel: 'warning', legalComments: 'none'};

// The folder: the page's script, the worker (importing the engine beside it)
// and the engine's files as they are.
await esbuild.build({...common, entryPoints: [path.join(here, 'src/entry-site.js')], format: 'esm',
    outfile: path.join(site, 'hydrim.js')});
await esbuild.build({...common, entryPoints: [path.join(here, 'src/engine-worker.js')], format: 'esm',
    outfile: path.join(site, 'engine-worker.js'), external: ['./hydrim-engine.mjs']});
for (const file of ['hydrim-engine.mjs', 'hydrim-engine-wasm.mjs', 'hydrim-engine-wasm.wasm']) {
    copyFileSync(path.join(engineDir, file), path.join(site, file));
}
copyFileSync(path.join(here, 'index.html'), path.join(site, 'index.html'));
// The style sheets of css/, base.css first and the others by name, as one.
const cssFiles = readdirSync(path.join(here, 'css')).filter((name) => name.endsWith('.css'))
    .sort((a, b) => (a === 'base.css' ? -1 : b === 'base.css' ? 1 : a.localeCompare(b)));
const css = cssFiles.map((name) => readFileSync(path.join(here, 'css', name), 'utf8')).join('\n');
writeFileSync(path.join(site, 'hydrim.css'), css);

// The single file: the worker bundled with the engine whose .wasm is inside
// its glue, as a text the page starts from a blob URL.
const singleEngine = {
    name: 'single-file-engine',
    setup(build) {
        build.onResolve({filter: /^\.\/hydrim-engine\.mjs$/}, () => ({path: path.join(engineDir, 'hydrim-engine.mjs')}));
        build.onResolve({filter: /^\.\/hydrim-engine-wasm\.mjs$/},
            () => ({path: path.join(engineDir, 'hydrim-engine-single.mjs')}));
    },
};
// In a worker started from a blob URL the module's own address is the blob's.
const worker = await esbuild.build({...common, entryPoints: [path.join(here, 'src/engine-worker.js')], format: 'iife',
    write: false, plugins: [singleEngine], external: ['node:fs'], define: {'import.meta.url': 'self.location.href'}});
const workerSource = {
    name: 'worker-source',
    setup(build) {
        build.onResolve({filter: /^hydrim:worker-source$/}, () => ({path: 'worker-source', namespace: 'hydrim'}));
        build.onLoad({filter: /.*/, namespace: 'hydrim'},
            () => ({contents: worker.outputFiles[0].text, loader: 'text'}));
    },
};
const page = await esbuild.build({...common, entryPoints: [path.join(here, 'src/entry-single.js')], format: 'iife',
    write: false, plugins: [workerSource]});
// A "</script" inside the script would end it early in the HTML.
const script = page.outputFiles[0].text.replace(/<\/script/gi, '<\\/script');
const html = readFileSync(path.join(here, 'index.html'), 'utf8')
    .replace('<link rel="stylesheet" href="hydrim.css">', () => `<style>\n${css}</style>`)
    .replace('<script type="module" src="hydrim.js"></script>', () => `<script>\n${script}</script>`);
writeFileSync(path.join(distDir, 'hydrim.html'), html);
console.log(`web: ${path.relative(process.cwd(), site)}/ and ${path.relative(process.cwd(), distDir)}/hydrim.html`);
