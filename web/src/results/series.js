// The time series: the minute listing of the hydrograph the chart shows
// (titles and units as its header), asked from the engine only for the rows
// on screen, so a listing of thousands of minutes scrolls as lightly as a
// short one. Cells are selected with the mouse (Shift extends); "Kopíruj"
// (Ctrl+C) copies the selection, "Kopíruj+" (Ctrl+Shift+C) the selection
// with the header rows and the time column, "Kopíruj vše" the whole listing.
import {chooserBar} from './choice.js';
import {copyText, onCopyKeys} from './clipboard.js';
import {inRect, trackSelection} from './selection.js';
import {showWarnings} from './warnings.js';

const ROW_HEIGHT = 22; // px, as .series-row in results.css
const HEADER_ROWS = 2;

function runsInto(element, runs) {
    for (const run of runs) {
        const part = document.createElement(run.sup ? 'sup' : run.sub ? 'sub' : 'span');
        part.textContent = run.text;
        element.append(part);
    }
}

export function mountSeries(app, section, choice) {
    section.innerHTML = `<div class="series-tools">
  <button type="button" data-copy="selection" disabled>Kopíruj</button>
  <button type="button" data-copy="selectionWithHeader" disabled>Kopíruj+</button>
  <button type="button" data-copy="all">Kopíruj vše</button>
</div>
<p class="series-caption"><span class="caption"></span> <span class="period"></span></p>
<div class="series-frame" tabindex="0"><div class="series-head"></div>
  <div class="series-scroller"><div class="series-space"></div></div></div>
<div class="series-warnings" hidden></div>`;
    section.prepend(chooserBar(choice));
    const frame = section.querySelector('.series-frame');
    const head = section.querySelector('.series-head');
    const scroller = section.querySelector('.series-scroller');
    const space = section.querySelector('.series-space');
    let listing = null; // {rowCount, columns}
    let request = 0;

    const source = () => ({index: choice.index, daily: choice.daily});
    const paint = (rect, current) => {
        if (current) {
            // The current cell stays on screen (the rows below the header scroll).
            const top = (current.row - HEADER_ROWS) * ROW_HEIGHT;
            if (top < scroller.scrollTop) {
                scroller.scrollTop = top;
            } else if (top + ROW_HEIGHT > scroller.scrollTop + scroller.clientHeight) {
                scroller.scrollTop = top + ROW_HEIGHT - scroller.clientHeight;
            }
        }
        for (const cell of frame.querySelectorAll('[data-row]')) {
            cell.classList.toggle('selected', inRect(rect, Number(cell.dataset.row), Number(cell.dataset.col)));
        }
        for (const button of section.querySelectorAll('[data-copy^="selection"]')) {
            button.disabled = rect === null;
        }
    };
    const selection = trackSelection(frame, paint, () => ({first: HEADER_ROWS, last: listing.rowCount - 1,
        columns: listing.columns.map((name, column) => column)}));

    const rowElement = (row, texts) => {
        const line = document.createElement('div');
        line.className = 'series-row';
        texts.forEach((text, col) => {
            const cell = document.createElement('span');
            cell.dataset.row = String(row);
            cell.dataset.col = String(col);
            cell.textContent = text;
            line.append(cell);
        });
        return line;
    };

    // The rows on screen, asked for after each scroll.
    const fill = async () => {
        if (!listing) {
            return;
        }
        const asked = ++request;
        const first = HEADER_ROWS + Math.floor(scroller.scrollTop / ROW_HEIGHT);
        const count = Math.ceil(scroller.clientHeight / ROW_HEIGHT) + 1;
        const answer = await app.engine.timeSeries({...source(), first, count});
        if (asked !== request) {
            return;
        }
        const block = document.createElement('div');
        block.className = 'series-rows';
        block.style.top = `${(answer.first - HEADER_ROWS) * ROW_HEIGHT}px`;
        answer.rows.forEach((texts, k) => block.append(rowElement(answer.first + k, texts)));
        space.replaceChildren(block);
        paint(selection.rect, null);
        scroller.dataset.first = String(answer.first);
        scroller.dataset.last = String(answer.first + answer.rows.length - 1);
    };

    const load = async () => {
        const asked = ++request;
        const answer = await app.engine.timeSeries({...source(), first: 0, count: HEADER_ROWS});
        if (asked !== request) {
            return;
        }
        listing = answer;
        frame.style.setProperty('--series-columns', String(answer.columns.length));
        head.replaceChildren(rowElement(0, answer.rows[0]), rowElement(1, []));
        answer.units.forEach((runs, col) => {
            const cell = document.createElement('span');
            cell.dataset.row = '1';
            cell.dataset.col = String(col);
            runsInto(cell, runs);
            head.lastChild.append(cell);
        });
        space.style.height = `${(answer.rowCount - HEADER_ROWS) * ROW_HEIGHT}px`;
        scroller.scrollTop = 0;
        selection.clear();
        section.querySelector('.caption').textContent = answer.caption;
        section.querySelector('.period').textContent = answer.periodCaption;
        showWarnings(section.querySelector('.series-warnings'), answer.warnings);
        section.dataset.rows = String(answer.rowCount);
        await fill();
    };

    const copy = async (kind) => {
        const rect = selection.rect;
        if (!listing || (kind !== 'all' && !rect)) {
            return;
        }
        await copyText(app, await app.engine.timeSeriesCopy({...source(), kind, ...(rect ?? {})}));
        app.status(kind === 'all' ? 'Časová řada zkopírována do schránky.' : 'Výběr zkopírován do schránky.',
            'ok');
    };
    for (const button of section.querySelectorAll('[data-copy]')) {
        button.addEventListener('click', () => copy(button.dataset.copy));
    }
    onCopyKeys(section, frame, copy);
    frame.addEventListener('keydown', (event) => {
        if (event.key === 'Escape') {
            selection.clear();
        }
    });
    scroller.addEventListener('scroll', () => fill());
    new ResizeObserver(() => fill()).observe(scroller);
    const failed = (error) => app.status(error.message, 'problem');
    choice.onChange(() => app.computed?.status === 'ok' && load().catch(failed));
    app.on('cleared', () => {
        ++request;
        listing = null;
        head.replaceChildren();
        space.replaceChildren();
        delete section.dataset.rows;
    });
}
