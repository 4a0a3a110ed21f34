// The sheets of the result workbook, built from the engine's answer: one
// sheet per result grid (named as the grid says: "Vstup", "Výstup N=5", …,
// "Výstup"), one listing per design-rain hydrograph ("Časové řady N=5", …,
// "Časové řady") and the warnings on a last sheet "Upozornění". Value texts
// of the grids become numbers with the decimals the table shows; the
// ordinates of the hydrographs are written as the engine gives them.

const headingFill = '#CCFFFF';
const peakFill = '#FFFFCC';
const superscripts = {'0': '⁰', '1': '¹', '2': '²', '3': '³', '4': '⁴', '5': '⁵', '6': '⁶', '7': '⁷', '8': '⁸',
    '9': '⁹', '-': '⁻', '+': '⁺'};
const minutesPerDay = 1440;
const rowHeight = 12.75; // [pt]

// The A4 page less its margins [pt]; a column w characters wide is 7 w + 5 pixels.
const portrait = {width: 595.3 - 100.8, height: 841.9 - 108};
const landscape = {width: portrait.height + 108 - 100.8, height: portrait.width + 100.8 - 108};

// Landscape where a one-page table is printed larger so.
function printsInLandscape(columns, rowCount) {
    const width = columns.reduce((sum, c) => sum + c.width * 5.25 + 3.75, 0);
    const height = rowCount * rowHeight;
    const scale = (page) => Math.min(1, page.width / width, page.height / height);
    return scale(landscape) > scale(portrait);
}

// A run raised as an exponent reads as the superscript characters (km², m³·s⁻¹).
function runText(run) {
    if (run.sup && [...run.text].every((c) => superscripts[c])) {
        return [...run.text].map((c) => superscripts[c]).join('');
    }
    return run.text;
}

export function cellText(runs) {
    return runs.map(runText).join('').trim();
}

// "  2,50" → {value: 2.5, format: "0.00"}; null for a text that is no number.
export function displayedNumber(text, separator = ',') {
    const trimmed = text.trim();
    const pattern = separator === ',' ? /^[-+]?\d+(,\d+)?([eE][-+]?\d+)?$/ : /^[-+]?\d+(\.\d+)?([eE][-+]?\d+)?$/;
    if (!pattern.test(trimmed)) {
        return null;
    }
    const plain = trimmed.replace(separator, '.');
    const [mantissa, exponent] = plain.split(/[eE]/);
    const decimals = mantissa.includes('.') ? mantissa.length - mantissa.indexOf('.') - 1 : 0;
    const format = (decimals ? `0.${'0'.repeat(decimals)}` : '0') + (exponent !== undefined ? 'E+0' : '');
    return {value: Number(plain), format};
}

function isSectionRow(grid, row) {
    return grid.kind === 'variant23' ? grid.rows[row].headingAcross : grid.rows[row].bold;
}

// Value cells: the value columns and every column from the third on, the unit column aside.
function isNumericColumn(grid, column) {
    return column !== grid.unitColumn && (column >= 2 || grid.valueColumns.includes(column));
}

class Widths {
    constructor() {
        this.widest = [];
    }
    note(column, text) {
        this.widest[column] = Math.max(this.widest[column] ?? 0, [...text].length);
    }
    columns() {
        return this.widest.map((characters) => ({width: Math.max(4, Math.ceil((characters ?? 0) * 1.1 + 2))}));
    }
}

function styleOf(grid, row, section) {
    const style = {};
    const {bold, background} = grid.rows[row];
    if (bold || section) {
        style.fontWeight = 'bold';
    }
    if (section || background === 'heading') {
        style.backgroundColor = headingFill;
    } else if (background === 'peak') {
        style.backgroundColor = peakFill;
    }
    return style;
}

function valueCell(text, style, numeric) {
    const number = numeric ? displayedNumber(text) : null;
    if (number) {
        return {type: Number, value: number.value, format: number.format, align: 'right', ...style};
    }
    return {type: String, value: text.trim(), ...style};
}

// One result grid as sheet data: the shown rows from the grid's first shown
// row, a row of several lines (the five return periods of the inputs) as
// one sheet row per line, texts painted across rows as merged cells.
export function gridSheet(grid) {
    const columns = grid.visibleColumns.flatMap((shown, c) => (shown ? [c] : []));
    const rows = [];
    const widths = new Widths();
    const spanAt = (row, column) => grid.spans.find((s) => s.column === column && row >= s.firstRow &&
        row < s.firstRow + s.rowCount);
    for (let row = grid.firstShownRow; row < grid.cells.length; ++row) {
        const lines = Math.max(1, grid.rows[row].lines);
        const section = isSectionRow(grid, row);
        const sheetRows = Array.from({length: lines}, () => columns.map(() => null));
        let mergedTo = -1;
        columns.forEach((column, k) => {
            if (k <= mergedTo) {
                return;
            }
            const style = {...styleOf(grid, row, section), borderStyle: 'thin', borderColor: '#000000'};
            const span = spanAt(row, column);
            if (span) {
                if (span.firstRow === row) {
                    sheetRows[0][k] = {...valueCell(span.text, style, true),
                        rowSpan: Math.min(span.rowCount, grid.cells.length - row), alignVertical: 'center'};
                    widths.note(k, span.text.trim());
                }
                return;
            }
            const stacked = grid.stacked.find((s) => s.row === row && s.column === column);
            if (stacked) {
                stacked.lines.forEach((line, n) => {
                    if (n < lines) {
                        sheetRows[n][k] = valueCell(line, style, true);
                        widths.note(k, line.trim());
                    }
                });
                return;
            }
            const runs = grid.runs[row][column];
            const text = grid.cells[row][column];
            // A section heading spans the empty cells after it.
            if (section && k === 0 && columns.length > 1) {
                const heading = columns.findIndex((c) => grid.cells[row][c].trim());
                let end = heading + 1;
                while (end < columns.length && !grid.cells[row][columns[end]].trim()) {
                    ++end;
                }
                if (heading >= 0 && end > 1) {
                    sheetRows[0][0] = {type: String, value: cellText(grid.runs[row][columns[heading]]), ...style,
                        columnSpan: end};
                    mergedTo = end - 1;
                    return;
                }
            }
            const cell = isNumericColumn(grid, column) && displayedNumber(text)
                ? valueCell(text, style, true) : {type: String, value: cellText(runs), ...style};
            sheetRows[0][k] = cell;
            widths.note(k, cell.type === Number ? text.trim() : cell.value);
            if (lines > 1) {
                sheetRows[0][k].rowSpan = lines;
            }
        });
        rows.push(...sheetRows);
    }
    const columnWidths = widths.columns();
    const wide = printsInLandscape(columnWidths, rows.length);
    return {data: rows, sheet: grid.sheetName, columns: columnWidths, stickyRowsCount: 1,
        print: {onePage: true, landscape: wide, headingRows: 1}};
}

const seriesNames = {rain: 'Výpočtový déšť', catchment: 'Povodí', left: 'Levý svah', right: 'Pravý svah'};
const seriesHeadings = {time: 'Čas [hod:min]', rain: 'Intenzita deště [mm.min⁻¹]', catchment: 'Průtok [m³.s⁻¹]'};

// One design-rain hydrograph as its listing: headings, series names, a line
// at 00:00 with zeros, then per minute the clock time (a spreadsheet time),
// the rain intensity while it rains and 0 after, and the discharges.
export function seriesSheet(hydrograph, sheetName) {
    const roles = ['time', ...(hydrograph.designRain ? ['rain'] : []), 'catchment',
        ...(hydrograph.twoSlopes ? ['left', 'right'] : [])];
    const bold = {fontWeight: 'bold', align: 'center', wrap: true};
    const heading = roles.map((role) => ({value: seriesHeadings[role] ?? seriesHeadings.catchment, ...bold}));
    const names = roles.map((role) => ({value: seriesNames[role] ?? '', ...bold, bottomBorderStyle: 'thin'}));
    const time = (minute) => ({type: Number, value: minute / minutesPerDay, format: '[hh]:mm'});
    const flow = (value) => ({type: Number, value, format: '0.000'});
    const rain = (value) => ({type: Number, value, format: '0.00'});
    const data = [heading, names, roles.map((role) => (role === 'time' ? time(0) : role === 'rain' ? rain(0) : flow(0)))];
    for (let k = 0; k < hydrograph.length; ++k) {
        data.push(roles.map((role) => {
            if (role === 'time') {
                return time(k + 1);
            }
            if (role === 'rain') {
                return rain(k < hydrograph.rainDuration ? hydrograph.rainIntensity : 0);
            }
            return flow(hydrograph[role][k]);
        }));
    }
    const columns = roles.map((role) => ({width: Math.ceil((seriesHeadings[role] ?? seriesHeadings.catchment).length * 1.1 + 2)}));
    return {data, sheet: sheetName, columns, stickyRowsCount: 2, print: {onePage: false, headingRows: 2}};
}

const subjects = {L: 'levý svah', R: 'pravý svah', C: 'povodí'};
const kinds = {warning: 'Upozornění', note: 'Poznámka'};

// The warnings first, then the notes, each with its kind when the engine gives one.
export function warningsSheet(warnings) {
    const bold = {fontWeight: 'bold'};
    const withKind = warnings.some((w) => w.severity);
    const ordered = [...warnings.filter((w) => w.severity !== 'note'), ...warnings.filter((w) => w.severity === 'note')];
    const data = [[{value: 'Upozornění', ...bold}, {value: 'Týká se', ...bold}, {value: 'N [roky]', ...bold},
        ...(withKind ? [{value: 'Druh', ...bold}] : [])]];
    for (const warning of ordered) {
        // A wrapped text gets the height of its lines, which a spreadsheet does not always work out.
        const lines = Math.max(1, Math.ceil([...warning.message].length / Math.floor(110 * 1.1)));
        data.push([{value: warning.message, wrap: true, alignVertical: 'top', height: lines * rowHeight},
            {value: subjects[warning.slope] ?? ''},
            warning.returnPeriod ? {type: Number, value: warning.returnPeriod} : null,
            ...(withKind ? [{value: kinds[warning.severity] ?? ''}] : [])]);
    }
    return {data, sheet: 'Upozornění', columns: [{width: 110}, {width: 10}, {width: 10}, {width: 10}],
        print: {onePage: false, landscape: true, headingRows: 1}};
}

// All sheets of a computation (computeProject's answer with its series);
// title names the project in the page headers.
export function workbookSheets(answer, title = '') {
    const sheets = answer.grids.map(gridSheet);
    const variantI = answer.document.variant === 1;
    for (const hydrograph of answer.series ?? []) {
        sheets.push(seriesSheet(hydrograph, variantI ? `Časové řady N=${hydrograph.returnPeriod}` : 'Časové řady'));
    }
    if (answer.document.warnings.length) {
        sheets.push(warningsSheet(answer.document.warnings));
    }
    for (const sheet of sheets) {
        sheet.print.title = title;
    }
    return sheets;
}

// The download's name: the project file's name with .xlsx.
export function workbookName(fileName, extension = '.xlsx') {
    const stem = (fileName || 'projekt').replace(/\.snp$/i, '');
    return stem + extension;
}
