// The page: the engine started in its worker, the project state, the views
// and the commands. Each view mounts itself on its <section data-view>; the
// views talk only through the app's state and events (src/app.js).
import {createApp} from './app.js';
import {startEngine} from './engine-client.js';
import {mountExport} from './export/export.js';
import {mountInput} from './input/index.js';
import {mountLookup} from './lookup/index.js';
import {mountReport} from './report/report.js';
import {mountResults} from './results/results.js';
import {mountViews} from './ui/views.js';

const $ = (id) => document.getElementById(id);

function mountStatus(app) {
    const status = $('status');
    app.status = (text, kind = '') => {
        status.textContent = text;
        status.className = kind;
    };
}

function mountCompute(app) {
    const button = $('compute');
    const run = async () => {
        button.disabled = true;
        try {
            await app.compute();
        } catch (error) {
            app.status(error.message, 'problem');
        } finally {
            button.disabled = !app.window?.computeEnabled;
        }
    };
    app.on('project', ({window}) => (button.disabled = !window.computeEnabled));
    button.addEventListener('click', run);
    document.addEventListener('keydown', (event) => {
        if (event.key === 'F9') {
            event.preventDefault();
            run();
        }
    });
}

export function startPage(createWorker) {
    const app = createApp();
    globalThis.hydrim = app; // for the page's tests and the browser's console
    mountStatus(app);
    mountViews(app);
    mountInput(app, document.querySelector('section[data-view="input"]'));
    mountCompute(app);
    mountResults(app);
    mountExport(app, document.querySelector('header .toolbar'));
    mountReport(app, document.querySelector('section[data-view="report"]'), document.querySelector('header .toolbar'));
    mountLookup(app);

    app.status('Načítám výpočetní jádro…');
    startEngine(createWorker()).then(
        (engine) => {
            app.engine = engine;
            $('version').textContent = engine.version;
            document.body.dataset.engine = 'ready';
            app.status('Otevřete projekt (.snp) tlačítkem nebo přetažením souboru do okna.');
            app.emit('engine', engine);
        },
        (error) => app.status(`Výpočetní jádro se nepodařilo spustit: ${error.message}`, 'problem'),
    );
}
