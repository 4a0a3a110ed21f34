// The engine in a Web Worker: the page never waits for a computation. Each
// message {id, method, args} runs engine[method](...args) and is answered
// with {id, result} or {id, error: {message, kind}}; the first message the
// worker sends is {ready: version} or {failed: message}.
import {loadEngine} from './hydrim-engine.mjs';

const ready = loadEngine();
ready.then(
    (engine) => self.postMessage({ready: engine.version}),
    (error) => self.postMessage({failed: String(error?.message ?? error)}),
);

self.onmessage = async ({data}) => {
    const {id, method, args} = data;
    try {
        const engine = await ready;
        if (typeof engine[method] !== 'function') {
            throw Object.assign(new Error(`no such call: ${method}`), {kind: 'badCall'});
        }
        const result = engine[method](...(args ?? []));
        const transfer = result instanceof Uint8Array ? [result.buffer] : [];
        self.postMessage({id, result}, transfer);
    } catch (error) {
        self.postMessage({id, error: {message: String(error?.message ?? error), kind: error?.kind ?? 'failed'}});
    }
};
