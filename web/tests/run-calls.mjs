// Runs a list of engine calls in any engine that has call(method, args,
// bytes) (the WebAssembly module in node or a browser), and returns what
// they answered in a form every engine's answers can be compared in: the
// text of a JSON or text answer, a digest of a long time-series text.
// No node modules here: a browser page imports this file too.

// A digest of bytes: their count and two 32-bit multiplicative hashes.
export function digest(bytes) {
    let a = 0x811c9dc5;
    let b = 0x2c9277b5;
    for (let i = 0; i < bytes.length; ++i) {
        a = Math.imul(a ^ bytes[i], 0x01000193);
        b = Math.imul(b ^ bytes[i], 0x5bd1e995) ^ (b >>> 15);
    }
    return `${bytes.length}:${(a >>> 0).toString(16)}:${(b >>> 0).toString(16)}`;
}

export function fromBase64(text) {
    const binary = atob(text);
    const bytes = new Uint8Array(binary.length);
    for (let i = 0; i < binary.length; ++i) {
        bytes[i] = binary.charCodeAt(i);
    }
    return bytes;
}

// Hydrograph ordinates (doubles): their count, sum and every 97th value.
function ordinatesForm(bytes) {
    const copy = bytes.slice();
    const values = new Float64Array(copy.buffer, 0, copy.length / 8);
    let sum = 0;
    const sample = [];
    values.forEach((value, i) => {
        sum += value;
        if (i % 97 === 0) {
            sample.push(value);
        }
    });
    return JSON.stringify({count: values.length, sum, sample});
}

// The form of one answer: {status, text} or {status, digest}; ordinates come
// as the JSON text of their summary.
export function answerForm(call, status, bytes) {
    if (status === 0 && call.digest) {
        return {status, digest: digest(bytes)};
    }
    if (status === 0 && call.method === 'hydrographOrdinates') {
        return {status, text: ordinatesForm(bytes)};
    }
    return {status, text: new TextDecoder().decode(bytes)};
}

// calls: [{method, args, bytes (base64, optional), digest (bool)}].
export function runCalls(engine, calls) {
    return calls.map((call) => {
        const bytes = call.bytes ? fromBase64(call.bytes) : undefined;
        try {
            return answerForm(call, 0, engine.call(call.method, call.args, bytes));
        } catch (error) {
            return {status: error.kind === 'refused' ? 1 : 2, text: error.message};
        }
    });
}
