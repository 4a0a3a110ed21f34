// What the web tests share: the paths of the builds, a fixed-seed generator of
// valid projects, headless Chromium, and the comparison of engine answers.
import {existsSync, readFileSync, readdirSync} from 'node:fs';
import path from 'node:path';
import {fileURLToPath} from 'node:url';

export const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
export const webBuild = path.resolve(process.env.HYDRIM_WEB_BUILD ?? path.join(root, 'build-web'));
export const nativeBuild = path.resolve(process.env.HYDRIM_BUILD ?? path.join(root, 'build'));
export const engineDir = path.join(webBuild, 'engine');
export const distDir = path.join(webBuild, 'dist');

export function projectFiles() {
    const files = [];
    for (const folder of ['examples', 'bench/hard']) {
        for (const name of readdirSync(path.join(root, folder)).sort()) {
            if (name.endsWith('.snp')) {
                files.push({name: `${folder}/${name}`, bytes: new Uint8Array(readFileSync(path.join(root, folder, name)))});
            }
        }
    }
    return files;
}

export async function loadNodeEngine() {
    const {loadEngine} = await import(path.join(engineDir, 'hydrim-engine.mjs'));
    return loadEngine();
}

// ---------------------------------------------------------------- random projects

// mulberry32: a small generator, the same numbers on every machine.
function generator(seed) {
    let state = seed >>> 0;
    return () => {
        state = (state + 0x6d2b79f5) >>> 0;
        let t = state;
        t = Math.imul(t ^ (t >>> 15), t | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
}

// A value as a field holds it: at most 5 characters.
function field(value, decimals) {
    return value.toFixed(decimals).slice(0, 5).replace(/\.$/, '');
}

// Valid projects of every variant, one or two slopes, written as the engine
// writes project files: each field set as the input window sets it.
export function randomProjects(engine, count, seed = 20250611) {
    const random = generator(seed);
    const between = (low, high) => low + (high - low) * random();
    const projects = [];
    for (let n = 0; n < count; ++n) {
        const variant = n % 3;
        const twoSlopes = Math.floor(n / 3) % 2;
        let {project} = engine.newProject();
        const choose = (list, item) => ({project} = engine.chooseItem(project, list, item));
        const set = (k, text) => ({project} = engine.editField(project, k, text, {typed: false}));
        choose(1, twoSlopes);
        choose(2, variant);
        set(5, field(between(0.2, 4), 2));
        set(6, field(between(0.2, 12), 2));
        const rain5 = between(30, 70);
        if (variant === 0) {
            [8, 24, 25, 26, 9].forEach((k, i) => set(k, field(rain5 * (1 + 0.18 * i), 1)));
        } else if (variant === 1) {
            const item = Math.floor(random() * 6);
            choose(3, item);
            set(8, field(rain5, 1));
            set(9, field(item === 5 ? rain5 : rain5 * 1.7, 1));
        }
        const duration = String(10 + Math.floor(random() * 290));
        const intensity = field(between(0.1, 2.5), 3);
        for (const offset of twoSlopes ? [0, 7] : [0]) {
            set(10 + offset, field(between(0.05, 6), 2));
            set(11 + offset, field(between(0.5, 25), 2));
            set(12 + offset, field(between(10, 90), 0));
            set(14 + offset, field(between(45, 98), 0));
            choose(offset ? 5 : 4, Math.floor(random() * 3));
            if (variant >= 1) {
                set(15 + offset, duration);
            }
            if (variant === 2) {
                set(16 + offset, intensity);
            }
        }
        project.description = [`Náhodný projekt ${n + 1}`];
        projects.push({name: `random-${n + 1}.snp`, bytes: engine.saveProject(project)});
    }
    return projects;
}

// ---------------------------------------------------------------- answers compared

// Compares two JSON values: texts, booleans and nulls identical, numbers
// equal to a relative 1e-12. Returns the paths that differ and the largest
// relative difference of numbers seen.
export function compareJson(a, b, where = '', found = {differences: [], largest: 0}) {
    if (typeof a === 'number' && typeof b === 'number') {
        if (a !== b) {
            const relative = Math.abs(a - b) / Math.max(Math.abs(a), Math.abs(b));
            found.largest = Math.max(found.largest, relative);
            if (!(relative <= 1e-12) || Number.isInteger(a) !== Number.isInteger(b)) {
                found.differences.push(`${where}: ${a} != ${b}`);
            }
        }
    } else if (Array.isArray(a) && Array.isArray(b)) {
        if (a.length !== b.length) {
            found.differences.push(`${where}: length ${a.length} != ${b.length}`);
        } else {
            a.forEach((item, i) => compareJson(item, b[i], `${where}[${i}]`, found));
        }
    } else if (a && b && typeof a === 'object' && typeof b === 'object') {
        const keys = Object.keys(a);
        if (keys.join() !== Object.keys(b).join()) {
            found.differences.push(`${where}: members ${keys} != ${Object.keys(b)}`);
        } else {
            keys.forEach((key) => compareJson(a[key], b[key], `${where}.${key}`, found));
        }
    } else if (a !== b) {
        found.differences.push(`${where}: ${JSON.stringify(a)?.slice(0, 80)} != ${JSON.stringify(b)?.slice(0, 80)}`);
    }
    return found;
}

// Headless Chromium of the system, with a fresh profile.
export async function launchChromium() {
    const {chromium} = await import('playwright-core');
    const executablePath = process.env.HYDRIM_CHROMIUM ?? '/usr/bin/chromium';
    if (!existsSync(executablePath)) {
        throw new Error(`no Chromium at ${executablePath} (scripts/deps.sh installs it)`);
    }
    return chromium.launch({
        executablePath,
        headless: true,
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
            '--disable-component-update', '--disable-sync'],
    });
}
