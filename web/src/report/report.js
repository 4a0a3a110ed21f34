// The design report ("Protokol výpočtu") as a print view: the project's
// identification and inputs, the warnings, lines to sign at the foot of the
// first page, the result tables as the engine's grids give them, the
// design-rain hydrographs to their end and the method with its numbered
// formulas, symbols and sources (the engine's report() call). "Tisk zprávy…"
// prints it (window.print(): A4, "strana X z Y" at the foot of each page).
import {gridTable} from './grid.js';
import {hydrographSvg} from './chart.js';
import {el} from './dom.js';
import {methodSection, inputsSection, warningItem} from './method.js';

const signOff = ['Zpracoval', 'Kontroloval', 'Datum'];

// "11. 12. 2026 16:45" as the desktop writes the date of a computation.
function computedAt(date) {
    const pad = (n) => String(n).padStart(2, '0');
    return `${date.getDate()}. ${date.getMonth() + 1}. ${date.getFullYear()} ${date.getHours()}:${pad(date.getMinutes())}`;
}

function cssString(text) {
    return `"${text.replace(/[\\"]/g, (c) => `\\${c}`).replace(/\n/g, ' ')}"`;
}

// The page's margin boxes: the project, the date and the program at the top.
function pageStyle(projectName, date, version) {
    return `@page { @top-left { content: ${cssString(projectName)}; }
  @top-center { content: ${cssString(`Datum výpočtu: ${date}`)}; }
  @top-right { content: ${cssString(`Hydrim ${version}`)}; } }`;
}

// The warnings under "Upozornění" (or that there are none), then the notes
// under "Poznámka" / "Poznámky".
function warningsBox(warnings) {
    const notes = warnings.filter((w) => w.severity === 'note');
    const proper = warnings.filter((w) => w.severity !== 'note');
    return el('div', {class: 'report-warnings'}, el('h3', {}, 'Upozornění'),
        proper.length ? el('ul', {}, proper.map(warningItem)) : el('p', {}, 'Výpočet nevydal žádné upozornění.'),
        notes.length ? [el('h3', {}, notes.length > 1 ? 'Poznámky' : 'Poznámka'), el('ul', {}, notes.map(warningItem))] : null);
}

function signOffBlock() {
    return el('div', {class: 'sign-off'}, signOff.map((label) => el('div', {class: 'sign-line'},
        el('span', {}, label), el('span', {class: 'line'}))));
}

export function buildReport({answer, details, projectName, date, version}) {
    const first = el('div', {class: 'first-page'},
        el('h1', {}, 'Protokol výpočtu'), el('p', {class: 'subtitle'}, 'Návrhové průtoky malého povodí'),
        inputsSection(details),
        warningsBox(details?.warnings ?? answer.document.warnings.map((w) => ({text: w.message, severity: w.severity}))),
        signOffBlock());
    const tables = el('section', {class: 'report-tables'}, el('h2', {}, 'Výsledky výpočtu'),
        answer.grids.map((grid) => el('figure', {class: 'report-table'}, el('figcaption', {}, grid.title), gridTable(grid))));
    const charts = el('section', {class: 'report-charts'}, el('h2', {}, 'Hydrogramy'),
        (answer.series ?? []).map((h) => el('figure', {class: 'report-chart'},
            hydrographSvg(h, [h.title, h.caption, h.periodCaption].filter(Boolean).join(' – ')))));
    const article = el('article', {class: 'report', 'data-pages': ''},
        el('style', {}, pageStyle(projectName, date, version)), first, tables, charts, methodSection(details));
    return article;
}

// Keeps the lines to sign at the foot of the first page: the blocks of the
// first page that do not fit above them move after it.
function fitFirstPage(article) {
    const first = article.querySelector('.first-page');
    const signOffBox = first.querySelector('.sign-off');
    const limit = first.clientHeight;
    const moved = [];
    for (const block of [...first.children].reverse()) {
        if (block === signOffBox || block.tagName === 'H1' || block.classList.contains('subtitle')) {
            continue;
        }
        const used = [...first.children].filter((b) => b !== signOffBox)
            .reduce((bottom, b) => Math.max(bottom, b.offsetTop - first.offsetTop + b.offsetHeight), 0);
        if (used + signOffBox.offsetHeight <= limit) {
            break;
        }
        moved.unshift(block);
        block.remove();
    }
    first.after(...moved);
}

export function mountReport(app, section, toolbar) {
    const print = Object.assign(document.createElement('button'),
        {type: 'button', id: 'print-report', textContent: 'Tisk zprávy…', disabled: true});
    toolbar.append(print);
    let shownFor = null;
    const show = async () => {
        const answer = app.computed;
        if (!answer || answer.status !== 'ok' || shownFor === answer) {
            return;
        }
        shownFor = answer;
        section.dataset.report = 'building';
        let details = null;
        try {
            details = app.engine.report ? await app.engine.report() : null;
        } catch {
            details = null;
        }
        const article = buildReport({answer, details, projectName: app.fileName || 'nový projekt',
            date: computedAt(new Date()), version: app.engine?.version ?? ''});
        section.replaceChildren(article);
        const wasHidden = section.hidden;
        section.hidden = false;
        fitFirstPage(article);
        section.hidden = wasHidden;
        section.dataset.report = 'ready';
    };
    app.on('computed', (answer) => {
        print.disabled = answer.status !== 'ok';
        shownFor = null;
        section.dataset.report = '';
        section.replaceChildren();
    });
    app.on('cleared', () => {
        print.disabled = true;
        shownFor = null;
        section.replaceChildren();
        section.dataset.report = '';
    });
    const observer = new MutationObserver(() => {
        if (!section.hidden) {
            show();
        }
    });
    observer.observe(section, {attributes: true, attributeFilter: ['hidden']});
    print.addEventListener('click', async () => {
        app.showView('report');
        await show();
        window.print();
    });
}
