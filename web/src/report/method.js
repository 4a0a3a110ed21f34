// The parts of the report that the engine's report() call gives: the
// identification, description and inputs of the project, the warnings as
// the report lists them, and the method with its numbered formulas (MathML:
// real indices, exponents, fractions and roots), the list of symbols and the
// literature.
import {el, runNodes} from './dom.js';

const mathNs = 'http://www.w3.org/1998/Math/MathML';

function math(tag, ...children) {
    const node = document.createElementNS(mathNs, tag);
    node.append(...children);
    return node;
}

const operators = /^[=+−\-·×/<>≤≥,;()]$/;

function textNode(text) {
    const trimmed = text.trim();
    if (!trimmed) {
        return math('mtext', '\u00a0');
    }
    if (operators.test(trimmed)) {
        return math('mo', trimmed);
    }
    if (/^\d+([.,]\d+)?$/.test(trimmed)) {
        return math('mn', trimmed);
    }
    return math('mtext', text);
}

// A symbol of the tables: its base with the lowered index.
function symbolNode(runs) {
    const base = runs.filter((r) => !r.sub).map((r) => r.text).join('').trim();
    const index = runs.filter((r) => r.sub).map((r) => r.text).join('');
    const baseNode = base.length === 1 ? math('mi', base) : math('mtext', base);
    return index ? math('msub', baseNode, math('mtext', index)) : baseNode;
}

export function formulaNode(node) {
    const children = (node.children ?? []).map(formulaNode);
    switch (node.kind) {
    case 'symbol':
        return symbolNode(node.runs);
    case 'row':
        return math('mrow', ...children);
    case 'power':
        return math('msup', children[0], math('mtext', node.text));
    case 'fraction':
        return math('mfrac', math('mrow', children[0]), math('mrow', children[1]));
    case 'root':
        return math('msqrt', children[0]);
    case 'fenced':
        return math('mrow', math('mo', '('), children[0], math('mo', ')'));
    case 'sum':
        return math('munderover', math('mo', 'Σ'), math('mrow', children[0]), math('mrow', children[1]));
    default:
        return textNode(node.text ?? '');
    }
}

function lines(rows) {
    return el('table', {class: 'input-lines'}, el('tbody', {}, rows.map((row) =>
        el('tr', {}, el('td', {}, row.label), el('td', {class: 'value'}, row.value), el('td', {}, row.unit)))));
}

export function inputsSection(details) {
    if (!details) {
        return null;
    }
    return el('div', {class: 'report-inputs'},
        el('h2', {}, 'Identifikační údaje'), lines(details.identification),
        details.description.length ? [el('h3', {}, 'Popis projektu'), details.description.map((line) => el('p', {}, line))] : null,
        el('h2', {}, 'Vstupní údaje'),
        details.inputs.map((block) => el('div', {class: 'input-block'}, el('h3', {}, block.heading), lines(block.lines),
            block.notes.map((note) => el('p', {class: 'note'}, note)))));
}

export function warningItem(warning) {
    return el('li', warning.severity ? {'data-severity': warning.severity} : {}, warning.text);
}

function methodItem(item) {
    switch (item.kind) {
    case 'heading':
        return el('h3', {}, item.text);
    case 'paragraph':
        return el('p', {}, runNodes(item.runs));
    case 'formula': {
        const formula = math('math', formulaNode(item.formula));
        formula.setAttribute('display', 'block');
        return el('div', {class: 'formula'}, el('span', {class: 'expression'}, formula),
            item.note?.length ? el('span', {class: 'formula-note'}, runNodes(item.note)) : null,
            el('span', {class: 'formula-number'}, `(${item.number})`));
    }
    case 'symbol':
        return el('tr', {}, el('td', {}, runNodes(item.symbol)), el('td', {}, runNodes(item.meaning)),
            el('td', {}, item.unit.length ? runNodes(item.unit) : '–'));
    case 'reference':
        return el('li', {value: String(item.number)}, runNodes(item.runs));
    default:
        return null;
    }
}

// The method: symbol rows gathered in one table, references in one list.
export function methodSection(details) {
    if (!details?.method?.length) {
        return null;
    }
    const section = el('section', {class: 'report-method'}, el('h2', {}, 'Metoda výpočtu'));
    let group = null;
    for (const item of details.method) {
        const node = methodItem(item);
        const container = item.kind === 'symbol' ? 'tbody' : item.kind === 'reference' ? 'ol' : null;
        if (container && group?.dataset.kind !== item.kind) {
            group = el(container, {'data-kind': item.kind});
            section.append(container === 'tbody' ? el('table', {class: 'symbols'}, group) : group);
        } else if (!container) {
            group = null;
        }
        (group ?? section).append(node);
    }
    return section;
}
