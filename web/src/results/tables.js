// The result tables: one tab per grid of the computation (eight for
// Variant I, one for Variants II and III), the warnings of the result below,
// or the message of a computation that found no runoff. Cells are selected
// with the mouse (Shift extends); Ctrl+C copies the selection (Ctrl+Shift+C
// with the column titles, symbols and descriptions), or the whole tab when
// nothing is selected, as the desktop copies it; "Kopíruj tabulku" copies
// the value columns.
import {copyText, onCopyKeys} from './clipboard.js';
import {renderGrid} from './grid-table.js';
import {trackSelection} from './selection.js';
import {showWarnings} from './warnings.js';

export function mountTables(app, section) {
    section.innerHTML = `<p class="no-runoff" hidden></p>
<div class="tables" hidden>
  <div class="grid-tabs" role="tablist"></div>
  <div class="grid-tools"><button type="button" class="copy-table">Kopíruj tabulku</button></div>
  <div class="grid-frame" tabindex="0"></div>
  <div class="result-warnings" hidden></div>
</div>`;
    const tabs = section.querySelector('.grid-tabs');
    const frame = section.querySelector('.grid-frame');
    const tables = section.querySelector('.tables');
    const noRunoff = section.querySelector('.no-runoff');
    let grids = [];
    let shown = null;

    const paint = (rect, current) => {
        const at = current && frame.querySelector(`td[data-row="${current.row}"][data-col="${current.col}"]`);
        at?.scrollIntoView({block: 'nearest'});
        for (const cell of frame.querySelectorAll('td')) {
            const row = Number(cell.dataset.row);
            const col = Number(cell.dataset.col);
            const end = Number(cell.dataset.colEnd ?? col);
            cell.classList.toggle('selected', rect !== null && row >= rect.top && row <= rect.bottom &&
                end >= rect.left && col <= rect.right);
        }
    };
    const selection = trackSelection(frame, paint, () => ({first: shown.firstShownRow, last: shown.cells.length - 1,
        columns: shown.visibleColumns.flatMap((visible, column) => (visible ? [column] : []))}));

    const showGrid = (index) => {
        shown = grids[index];
        for (const [i, tab] of [...tabs.children].entries()) {
            tab.setAttribute('aria-selected', String(i === index));
        }
        frame.replaceChildren(renderGrid(shown));
        frame.dataset.grid = String(shown.number);
        selection.clear();
    };

    const copySelection = async (kind) => {
        if (!shown) {
            return;
        }
        const rect = selection.rect;
        const text = await app.engine.gridCopy(rect ? {grid: shown.number, kind, ...rect}
            : {grid: shown.number, kind: 'all'});
        await copyText(app, text);
        app.status(rect ? 'Výběr zkopírován do schránky.' : 'Tabulka zkopírována do schránky.', 'ok');
    };
    onCopyKeys(section, frame, copySelection);
    frame.addEventListener('keydown', (event) => {
        if (event.key === 'Escape') {
            selection.clear();
        }
    });
    section.querySelector('.copy-table').addEventListener('click', async () => {
        if (shown) {
            await copyText(app, shown.copyText);
            app.status('Tabulka zkopírována do schránky.', 'ok');
        }
    });

    app.on('computed', (answer) => {
        noRunoff.hidden = answer.status === 'ok';
        tables.hidden = answer.status !== 'ok';
        if (answer.status !== 'ok') {
            noRunoff.textContent = answer.message;
            return;
        }
        grids = answer.grids;
        tabs.replaceChildren(...grids.map((grid, i) => {
            const tab = document.createElement('button');
            tab.type = 'button';
            tab.setAttribute('role', 'tab');
            tab.textContent = grid.title;
            tab.addEventListener('click', () => showGrid(i));
            return tab;
        }));
        showGrid(0);
        showWarnings(section.querySelector('.result-warnings'), answer.document.warnings);
    });
    app.on('cleared', () => {
        grids = [];
        shown = null;
        tables.hidden = true;
        noRunoff.hidden = true;
        frame.replaceChildren();
    });
}
