// One result grid drawn as an HTML table from the engine's description of
// it: each cell's runs (lowered runs as subscripts, raised ones as
// superscripts, Greek letters as they come), the row styles (bold, the
// heading and peak backgrounds), labels spanning several rows, stacked
// cells, headings read across a row, and only the visible columns from the
// first shown row on. Every cell carries its grid row and column.
function runsInto(element, runs) {
    for (const run of runs) {
        const part = document.createElement(run.sub ? 'sub' : run.sup ? 'sup' : 'span');
        part.textContent = run.text;
        element.append(part);
    }
}

function columnRole(grid, column) {
    if (column === grid.unitColumn) {
        return 'unit';
    }
    if (column === grid.symbolColumn) {
        return 'symbol';
    }
    if (column === grid.descriptionColumn) {
        return 'description';
    }
    return grid.valueColumns.includes(column) ? 'value' : 'label';
}

export function renderGrid(grid) {
    const table = document.createElement('table');
    table.className = 'result-grid';
    table.dataset.grid = String(grid.number);
    const columns = grid.visibleColumns.flatMap((visible, column) => (visible ? [column] : []));
    const spans = new Map(grid.spans.map((span) => [`${span.firstRow},${span.column}`, span]));
    const covered = new Set(grid.spans.flatMap((span) =>
        Array.from({length: span.rowCount - 1}, (_, k) => `${span.firstRow + k + 1},${span.column}`)));
    const stacked = new Map(grid.stacked.map((cell) => [`${cell.row},${cell.column}`, cell.lines]));
    const body = table.createTBody();
    for (let row = grid.firstShownRow; row < grid.cells.length; ++row) {
        const style = grid.rows[row];
        const tr = body.insertRow();
        tr.className = `row-${style.background}${style.bold ? ' bold' : ''}`;
        for (let k = 0; k < columns.length; ++k) {
            const column = columns[k];
            const key = `${row},${column}`;
            if (covered.has(key)) {
                continue;
            }
            const td = tr.insertCell();
            td.dataset.row = String(row);
            td.dataset.col = String(column);
            td.className = columnRole(grid, column);
            const runs = grid.runs[row][column];
            if (spans.has(key)) {
                td.rowSpan = spans.get(key).rowCount;
                td.textContent = spans.get(key).text;
            } else if (stacked.has(key)) {
                stacked.get(key).forEach((line, i) => td.append(...(i ? [document.createElement('br')] : []), line));
            } else {
                runsInto(td, runs);
            }
            if (style.headingAcross && k === 0) {
                // The heading reads across the row up to the next cell with a text of its own.
                let next = k + 1;
                while (next < columns.length && grid.runs[row][columns[next]].length === 0) {
                    ++next;
                }
                td.colSpan = next - k;
                td.dataset.colEnd = String(columns[next - 1]);
                td.classList.add('heading-across');
                k = next - 1;
            }
        }
    }
    return table;
}
