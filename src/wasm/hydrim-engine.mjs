// The Hydrim engine in WebAssembly, as an ES module for the browser, a Web
// Worker and node (18 and later):
//
//   import { loadEngine } from './hydrim-engine.mjs';
//   const engine = await loadEngine();
//   const text = engine.compute(snpBytes, 'projekt.snp'); // = hydrim-cli compute --json
//
// Every call is answered by the engine (src/wasm/EngineApi.h); the JSON
// shapes are described in web/ENGINE-API.md. A call whose input the engine
// refuses throws an EngineError with the Czech message (kind "refused"); a
// call the engine does not know, or arguments of the wrong shape, throw one
// of kind "badCall".

const RESULT_OK = 0;
const RESULT_REFUSED = 1;

export class EngineError extends Error {
    constructor(message, kind) {
        super(message);
        this.name = 'EngineError';
        this.kind = kind;
    }
}

const isNode = typeof process === 'object' && typeof process.versions === 'object' && !!process.versions.node;

// The wasm beside this module, read from disk in node (node's fetch does not
// read file: URLs); undefined elsewhere, where the glue fetches it itself.
async function nodeWasmBinary(url) {
    const fs = await import('node:fs');
    return fs.readFileSync(url);
}

// Loads the engine. options.factory: the emscripten module factory to use
// (default: the one beside this module); options.wasmBinary: the .wasm bytes
// when the factory cannot fetch them itself.
export async function loadEngine(options = {}) {
    const factory = options.factory ?? (await import('./hydrim-engine-wasm.mjs')).default;
    const moduleOptions = {print: () => {}, printErr: (text) => console.warn(text)};
    if (options.wasmBinary) {
        moduleOptions.wasmBinary = options.wasmBinary;
    } else if (isNode && !options.factory) {
        moduleOptions.wasmBinary = await nodeWasmBinary(new URL('./hydrim-engine-wasm.wasm', import.meta.url));
    }
    const module = await factory(moduleOptions);
    return new HydrimEngine(module);
}

export class HydrimEngine {
    #module;
    #encoder = new TextEncoder();
    #decoder = new TextDecoder();

    constructor(module) {
        this.#module = module;
        const status = this.#withText('/DATA', (data) => module._hydrim_open(data));
        if (status !== RESULT_OK) {
            throw new EngineError(this.#resultText(), 'refused');
        }
        this.version = this.#json('version').version;
    }

    // ---------------------------------------------------------------- low level

    // Runs a call; returns the bytes of its result, or throws EngineError.
    call(method, args = {}, bytes = undefined) {
        const m = this.#module;
        const data = bytes ? (bytes instanceof Uint8Array ? bytes : new Uint8Array(bytes)) : new Uint8Array(0);
        const pointer = data.length > 0 ? m._malloc(data.length) : 0;
        try {
            if (pointer) {
                m.HEAPU8.set(data, pointer);
            }
            const status = this.#withText(method, (name) =>
                this.#withText(JSON.stringify(args ?? {}), (text) => m._hydrim_call(name, text, pointer, data.length)));
            if (status !== RESULT_OK) {
                throw new EngineError(this.#resultText(), status === RESULT_REFUSED ? 'refused' : 'badCall');
            }
            return this.#resultBytes();
        } finally {
            if (pointer) {
                m._free(pointer);
            }
        }
    }

    #withText(text, use) {
        const m = this.#module;
        const bytes = this.#encoder.encode(text);
        const pointer = m._malloc(bytes.length + 1);
        try {
            m.HEAPU8.set(bytes, pointer);
            m.HEAPU8[pointer + bytes.length] = 0;
            return use(pointer);
        } finally {
            m._free(pointer);
        }
    }

    #resultBytes() {
        const m = this.#module;
        const pointer = m._hydrim_result();
        return m.HEAPU8.slice(pointer, pointer + m._hydrim_result_size());
    }

    #resultText() {
        return this.#decoder.decode(this.#resultBytes());
    }

    #text(method, args, bytes) {
        return this.#decoder.decode(this.call(method, args, bytes));
    }

    #json(method, args, bytes) {
        return JSON.parse(this.#text(method, args, bytes));
    }

    // ---------------------------------------------------------------- project files

    // The text of "hydrim-cli compute FILE --json" for a project file's bytes.
    compute(snpBytes, fileName = 'projekt.snp') {
        return this.#text('compute', {fileName}, snpBytes);
    }

    // A project file read as the desktop opens it: {project, window,
    // corrections, missingItems, notice, modified}.
    openProject(snpBytes, fileName = 'projekt.snp') {
        return this.#json('openProject', {fileName}, snpBytes);
    }

    // The project file's bytes (Windows-1250, CR LF), as the desktop writes it.
    saveProject(project) {
        return this.call('saveProject', {project});
    }

    // {project, window} of a new project.
    newProject() {
        return this.#json('newProject');
    }

    // ---------------------------------------------------------------- the input window

    window(project) {
        return this.#json('window', {project});
    }

    // field: 1..26 (EditK) or 0 (the description); typed: the keyboard's
    // length limits apply. {project, window, text, caret}.
    editField(project, field, text, {caret = [...text].length, typed = true} = {}) {
        return this.#json('editField', {project, field, text, caret, typed});
    }

    // list: 1 catchment type, 2 variant, 3 return period, 4 and 5 curve types.
    chooseItem(project, list, item) {
        return this.#json('chooseItem', {project, list, item});
    }

    // field: EditK, or 0 for the return-period list. {project, window, steps, warning}.
    leaveField(project, field) {
        return this.#json('leaveField', {project, field});
    }

    // ---------------------------------------------------------------- results

    // {document, status, message?, grids, series, layoutError, window}:
    // series are the design-rain hydrographs, each with its ordinates unless
    // ordinates is false; series: false leaves them out (hydrograph() gives
    // any of them later).
    computeProject(project, {decimalSeparator = ',', fileName, series = true, ordinates = true} = {}) {
        const args = {project, decimalSeparator, series};
        if (fileName !== undefined) {
            args.fileName = fileName;
        }
        const answer = this.#json('computeProject', args);
        if (ordinates && answer.series) {
            for (const series of answer.series) {
                Object.assign(series, this.#ordinates(series.index, false, series.length, series.twoSlopes));
            }
        }
        return answer;
    }

    // One hydrograph of the last computation with its ordinates [m3/s per
    // minute]: catchment, and with two slopes left and right (Float64Array).
    hydrograph({index = 1, daily = false} = {}) {
        const hydrograph = this.#json('hydrograph', {index, daily});
        return Object.assign(hydrograph, this.#ordinates(index, daily, hydrograph.length, hydrograph.twoSlopes));
    }

    #ordinates(index, daily, length, twoSlopes) {
        const bytes = this.call('hydrographOrdinates', {index, daily});
        const values = new Float64Array(bytes.buffer, bytes.byteOffset, bytes.byteLength / 8);
        const ordinates = {catchment: values.subarray(0, length)};
        if (twoSlopes) {
            ordinates.left = values.subarray(length, 2 * length);
            ordinates.right = values.subarray(2 * length, 3 * length);
        }
        return ordinates;
    }

    timeSeries({index = 1, daily = false, first = 0, count = 1 << 30} = {}) {
        return this.#json('timeSeries', {index, daily, first, count});
    }

    // kind: "all", "selection" or "selectionWithHeader" (left, top, right, bottom: cells, inclusive).
    timeSeriesCopy({index = 1, daily = false, kind = 'all', left = 0, top = 0, right = -1, bottom = -1} = {}) {
        return this.#text('timeSeriesCopy', {index, daily, kind, left, top, right, bottom});
    }

    // The design report's content of the last computation: identification,
    // inputs, warnings and the method's items (web/ENGINE-API.md).
    report() {
        return this.#json('report');
    }

    // "Kopíruj" / "Kopíruj+" / "Kopíruj vše" of result grid number `grid` (1..): kind "selection",
    // "selectionWithHeader" or "all"; left, top, right, bottom: the grid's columns and rows, inclusive.
    gridCopy({grid = 1, kind = 'all', left = 0, top = 0, right = -1, bottom = -1} = {}) {
        return this.#text('gridCopy', {grid, kind, left, top, right, bottom});
    }

    // ---------------------------------------------------------------- reference data

    // userTables: {stations, roughness}, a user's own rows read in place of the shipped table.
    referenceTables(userTables = {}) {
        return this.#json('referenceTables', userTables);
    }

    // kind: "stations" or "roughness"; existing: the rows to add to.
    importTable(kind, csvBytes, {existing} = {}) {
        const args = {kind};
        if (existing !== undefined) {
            args.existing = existing;
        }
        return this.#json('importTable', args, csvBytes);
    }

    checkTable(kind, rows) {
        return this.#json('checkTable', {kind, rows});
    }

    fieldLimits(variant = 0) {
        return this.#json('fieldLimits', {variant});
    }

    lookup(request) {
        return this.#json('lookup', request);
    }

    lookupCell(request) {
        return this.#json('lookupCell', request).text;
    }

    // {text, message}: a cell's text and, for a finished roughness value that was corrected, the message.
    lookupCellReply(request) {
        return this.#json('lookupCell', request);
    }

    findStation(names, typed) {
        return this.#json('findStation', {names, typed}).row;
    }

    soilUnitArea(group, unit) {
        return this.#json('soilUnitArea', {group, unit});
    }

    placeRoughness(project, classKeys) {
        return this.#json('placeRoughness', {project, classKeys});
    }
}
