// The page served from a folder: the engine worker is a module beside it.
import {startPage} from './main.js';

startPage(() => new Worker(new URL('./engine-worker.js', import.meta.url), {type: 'module'}));
