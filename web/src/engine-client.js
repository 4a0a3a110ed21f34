// The page's side of the engine worker: every call of hydrim-engine.mjs as
// an async function, answered by the worker.
//
//   const engine = await startEngine(worker);
//   const text = await engine.compute(bytes, 'projekt.snp');

export class EngineCallError extends Error {
    constructor({message, kind}) {
        super(message);
        this.name = 'EngineError';
        this.kind = kind;
    }
}

// Resolves when the worker has loaded the engine; rejects with its message
// when it could not.
export function startEngine(worker) {
    let nextId = 1;
    const pending = new Map();
    return new Promise((resolve, reject) => {
        const call = (method, ...args) =>
            new Promise((resolveCall, rejectCall) => {
                const id = nextId++;
                pending.set(id, {resolve: resolveCall, reject: rejectCall});
                worker.postMessage({id, method, args});
            });
        const engine = new Proxy(
            {},
            {
                get: (target, name) => {
                    if (name in target || typeof name !== 'string' || name === 'then') {
                        return target[name];
                    }
                    return (...args) => call(name, ...args);
                },
            },
        );
        worker.onmessage = ({data}) => {
            if ('ready' in data) {
                engine.version = data.ready;
                resolve(engine);
                return;
            }
            if ('failed' in data) {
                reject(new Error(data.failed));
                return;
            }
            const waiting = pending.get(data.id);
            pending.delete(data.id);
            if (data.error) {
                waiting?.reject(new EngineCallError(data.error));
            } else {
                waiting?.resolve(data.result);
            }
        };
        worker.onerror = (event) => {
            const error = new Error(event.message || 'Výpočetní jádro se nepodařilo spustit.');
            reject(error);
            for (const waiting of pending.values()) {
                waiting.reject(error);
            }
            pending.clear();
        };
    });
}
