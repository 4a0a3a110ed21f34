// The page as one file (hydrim.html, also opened from a disk): the engine
// worker's code, with the engine inside, is part of the page and runs from a
// blob URL, which the browser's origin rules allow for a file.
import {startPage} from './main.js';
import workerSource from 'hydrim:worker-source';

startPage(() => new Worker(URL.createObjectURL(new Blob([workerSource], {type: 'text/javascript'}))));
