// A result grid as the result window shows it: the engine's runs with their
// lowered indices and raised exponents, heading and peak rows shaded,
// section headings across the table, the rows of several lines stacked and
// texts painted across rows spanning them.
import {el, runNodes} from './dom.js';

export function gridTable(grid) {
    const columns = grid.visibleColumns.flatMap((shown, c) => (shown ? [c] : []));
    const body = el('tbody');
    for (let row = grid.firstShownRow; row < grid.cells.length; ++row) {
        const style = grid.rows[row];
        const tr = el('tr', {class: `${style.background}${style.bold ? ' bold' : ''}`});
        if (grid.sectionRows.includes(row) && row > grid.firstShownRow) {
            tr.classList.add('section');
        }
        if (style.headingAcross) {
            const heading = columns.find((c) => grid.cells[row][c].trim()) ?? columns[0];
            tr.append(el('td', {colspan: String(columns.length), class: 'across'}, runNodes(grid.runs[row][heading])));
            body.append(tr);
            continue;
        }
        for (const column of columns) {
            const span = grid.spans.find((s) => s.column === column && row >= s.firstRow && row < s.firstRow + s.rowCount);
            if (span) {
                if (span.firstRow === row) {
                    tr.append(el('td', {rowspan: String(span.rowCount), class: 'value'}, span.text.trim()));
                }
                continue;
            }
            const stacked = grid.stacked.find((s) => s.row === row && s.column === column);
            const kind = column === grid.symbolColumn ? 'symbol' : column === grid.descriptionColumn ? 'description'
                : column === grid.unitColumn ? 'unit' : 'value';
            const cell = el('td', {class: kind});
            if (stacked) {
                stacked.lines.forEach((line, k) => cell.append(...(k ? [el('br'), line.trim()] : [line.trim()])));
            } else {
                cell.append(...runNodes(grid.runs[row][column].map((run, k, all) =>
                    ({...run, text: k === 0 ? run.text.trimStart() : k === all.length - 1 ? run.text.trimEnd() : run.text}))));
            }
            tr.append(cell);
        }
        body.append(tr);
    }
    return el('table', {class: 'grid', 'data-sheet': grid.sheetName}, body);
}
