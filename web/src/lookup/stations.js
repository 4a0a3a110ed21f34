// The rainfall table dialog: the 1-day maximum rainfall of the stations;
// the station chosen (by its first letters, the arrows or the mouse) fills
// the rainfall fields of the variant and its name goes into the description.
import {showMessage} from '../ui/dialog.js';
import {button, el, openFrame} from './frame.js';
import {writeFields} from './project-write.js';
import {editTableButton, tableNote} from './table-editor.js';
import {referenceTables} from './user-tables.js';

const EmptyText = 'Tabulka srážkových úhrnů neobsahuje žádné stanice. Doplníte je tlačítkem „Upravit tabulku“: '
    + 'stanice a jejich úhrny zapíšete ručně („Přidat řádek“), nebo je načtete ze souboru CSV uloženého '
    + 'z tabulkového procesoru („Import z CSV…“).';
// The typed letters count as one search while the next follows within this time.
const TypeAheadPause = 1000;

// The value columns (1..10) shown and the fields they fill: Variant I the
// N = 5, 10, 20, 50, 100 years; II and III the chosen N and N = 100.
function columnsAndFields(project, valueColumns) {
    if (project.variant < 1) {
        return {columns: [1, 2, 3, 4, 5].map((item) => valueColumns[item]), fields: [8, 24, 25, 26, 9]};
    }
    return {columns: [valueColumns[project.returnPeriodItem], valueColumns[5]], fields: [8, 9]};
}

export async function openStations(app, reopen) {
    const {project} = app;
    if (project.returnPeriodItem < 0) {
        return;
    }
    const tables = await referenceTables(app.engine);
    const {cells, values} = tables.stations;
    const {columns, fields} = columnsAndFields(project, tables.rainfallValueColumns);
    const names = cells.map((row) => row[1] ?? '');
    const head = el('tr', {}, el('th', {text: cells[0][0]}), el('th', {text: cells[0][1]}),
        ...columns.map((k) => el('th', {text: values[0][k - 1]})));
    const body = el('tbody');
    for (let row = 1; row < cells.length; ++row) {
        if (!names[row]) {
            continue;
        }
        body.append(el('tr', {'data-row': row}, el('td', {text: cells[row][0]}), el('td', {text: names[row]}),
            ...columns.map((k) => el('td', {text: values[row][k - 1]}))));
    }
    const grid = el('table', {class: 'grid stations', tabindex: 0}, el('thead', {}, head), body);
    const scroller = el('div', {class: 'scroller'}, grid);
    let current = null;
    const choose = (tr) => {
        current?.classList.remove('current');
        current = tr;
        if (tr) {
            tr.classList.add('current');
            tr.scrollIntoView({block: 'nearest'});
        }
        box.dataset.row = tr?.dataset.row ?? '';
        insert.disabled = !tr;
    };
    const rowElement = (row) => body.querySelector(`tr[data-row="${row}"]`);
    // The station row nearest a row of the table (rows without a station are not shown).
    const nearest = (row) => {
        const shown = [...body.rows].map((tr) => Number(tr.dataset.row));
        return rowElement(shown.filter((r) => r <= row).pop() ?? shown[0]);
    };

    const insert = button('Vložit', async () => {
        if (!current) {
            return;
        }
        const row = Number(current.dataset.row);
        const texts = columns.map((k) => values[row][k - 1]);
        const fresh = structuredClone(app.project);
        fresh.lookup.rainfallStationRow = row;
        // Emptied first, N = 100 written before the others: the checks
        // against N = 100 compare this station's own values.
        const order = [...fields.map((k) => [k, '']), [fields.at(-1), texts.at(-1)],
            ...fields.slice(0, -1).map((k, i) => [k, texts[i]])];
        await writeFields(app, fresh, order, {description: names[row]});
    }, {class: 'insert'});
    const box = openFrame('stations', 'Hodnoty maximálních 1-denních srážkových úhrnů',
        el('div', {class: 'band', text: 'Doba opakování N [roky]  '}),
        tableNote(tables.stations, EmptyText), scroller,
        el('div', {class: 'buttons'}, editTableButton(app, 'stations', tables.stations, () => {
            box.close();
            reopen();
        }), el('span', {class: 'stretch'}), insert, button('Zavřít', () => box.close())));

    let typed = '';
    let lastKey = 0;
    grid.addEventListener('keydown', async (event) => {
        if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
            event.preventDefault();
            const next = event.key === 'ArrowDown' ? current?.nextElementSibling : current?.previousElementSibling;
            choose(next ?? current ?? body.rows[0]);
        } else if (event.key === 'Enter') {
            insert.click();
        } else if (event.key.length === 1 && /\p{L}|\s/u.test(event.key) && !event.ctrlKey) {
            event.preventDefault();
            typed = event.timeStamp - lastKey < TypeAheadPause ? typed + event.key : event.key;
            lastKey = event.timeStamp;
            const asked = typed;
            const row = await app.engine.findStation(names, asked);
            if (asked === typed && row >= 1) {
                choose(nearest(row));
            }
        }
    });
    body.addEventListener('click', (event) => choose(event.target.closest('tr')));
    choose(body.rows.length ? nearest(project.lookup.rainfallStationRow) : null);
    grid.focus();
    if (tables.stations.error) {
        await showMessage(tables.stations.error, {title: 'Chyba'});
    }
    return box;
}
