// The page: open a project file (button or drag and drop), compute it in
// the engine worker (button or F9), and show the main numbers of the result
// with the warnings. Every number and text comes from the engine.
import {startEngine} from './engine-client.js';

const $ = (id) => document.getElementById(id);

// A number with the decimal comma, as the Czech interface writes it.
function czech(value, decimals) {
    return value.toFixed(decimals).replace('.', ',');
}

function summaryRows(document) {
    const r = document.results;
    if (document.variant === 1) {
        return [5, 10, 20, 50, 100].map((n, i) => [
            String(n), String(r.RainDurationC[i]), czech(r.RainIntensityC[i], 4), czech(r.RainDepthL[i], 2),
            czech(r.PeakDischargeC[i], 3), czech(r.VolumeC[i], 1)]);
    }
    return [['–', String(r.RainDuration), czech(r.RainIntensity, 4), czech(r.DesignDepthL, 2),
        czech(r.DesignPeakC, 3), czech(r.DesignVolumeC, 1)]];
}

export function startPage(createWorker) {
    const status = $('status');
    const compute = $('compute');
    let project = null;
    let fileName = '';
    let engine = null;

    const show = (text, kind = '') => {
        status.textContent = text;
        status.className = kind;
    };

    const showResults = (answer) => {
        const table = $('summary');
        table.tBodies[0].replaceChildren();
        $('warnings').replaceChildren();
        $('results').hidden = false;
        const document = answer.document;
        $('area').textContent = czech(document.results.TotalArea, 3);
        for (const row of summaryRows(document)) {
            const tr = table.tBodies[0].insertRow();
            for (const text of row) {
                tr.insertCell().textContent = text;
            }
        }
        for (const warning of document.warnings) {
            const li = globalThis.document.createElement('li');
            li.textContent = warning.message;
            $('warnings').append(li);
        }
        $('warnings-box').hidden = document.warnings.length === 0;
    };

    const run = async () => {
        if (!engine || !project) {
            return;
        }
        compute.disabled = true;
        show('Počítám…');
        try {
            const answer = await engine.computeProject(project, {decimalSeparator: ',', fileName});
            if (answer.status === 'ok') {
                showResults(answer);
                show(`Spočítáno: ${fileName}`, 'ok');
            } else {
                $('results').hidden = true;
                show(answer.message, 'problem');
            }
        } catch (error) {
            show(error.message, 'problem');
        } finally {
            compute.disabled = false;
        }
    };

    const open = async (file) => {
        if (!engine) {
            return;
        }
        try {
            const opened = await engine.openProject(new Uint8Array(await file.arrayBuffer()), file.name);
            project = opened.project;
            fileName = file.name;
            $('results').hidden = true;
            $('project-name').textContent = file.name;
            compute.disabled = !opened.window.computeEnabled;
            show(opened.notice || `Otevřeno: ${file.name}`, opened.notice ? 'problem' : '');
        } catch (error) {
            show(error.message, 'problem');
        }
    };

    $('file').addEventListener('change', (event) => {
        const [file] = event.target.files;
        if (file) {
            open(file);
        }
        event.target.value = '';
    });
    document.addEventListener('dragover', (event) => event.preventDefault());
    document.addEventListener('drop', (event) => {
        event.preventDefault();
        const [file] = event.dataTransfer.files;
        if (file) {
            open(file);
        }
    });
    compute.addEventListener('click', run);
    document.addEventListener('keydown', (event) => {
        if (event.key === 'F9') {
            event.preventDefault();
            run();
        }
    });

    show('Načítám výpočetní jádro…');
    startEngine(createWorker()).then(
        (started) => {
            engine = started;
            $('version').textContent = started.version;
            document.body.dataset.engine = 'ready';
            show('Otevřete projekt (.snp) tlačítkem nebo přetažením souboru do okna.');
        },
        (error) => show(`Výpočetní jádro se nepodařilo spustit: ${error.message}`, 'problem'),
    );
}
