// The roughness dialog: the recommended roughness γ of the surface classes;
// the user gives a value and an area per class, the engine weights them and
// "Vložit" puts the result into the slope's roughness field.
import {showMessage} from '../ui/dialog.js';
import {el, numericCell, openFrame, resultPanel, settled} from './frame.js';
import {slopeFields, slopeIndex, writeFields} from './project-write.js';
import {editTableButton, tableNote} from './table-editor.js';
import {referenceTables} from './user-tables.js';

const EmptyText = 'Tabulka doporučených hodnot drsnosti neobsahuje žádné třídy povrchu. Doplníte je tlačítkem '
    + '„Upravit tabulku“: druh povrchu, třídu a rozsah hodnot γ zapíšete ručně („Přidat řádek“), nebo je '
    + 'načtete ze souboru CSV uloženého z tabulkového procesoru („Import z CSV…“).';
const FirstClassRow = 2;

// The title "… g:second line": its first line ends with γ in place of the letter before the colon.
function titleLines(text) {
    const colon = text.indexOf(':');
    return colon < 0 ? [text, ''] : [`${text.slice(0, Math.max(0, colon - 1))}γ`, text.slice(colon + 1)];
}

// typed: what was typed and not inserted before the table was edited, by
// class ("description;class!a-b"): it follows its class into the new table.
export async function openRoughness(app, slope, reopen, typed = null) {
    const tables = await referenceTables(app.engine);
    const {cells, bounds, classKeys} = tables.roughness;
    const s = slopeIndex(slope);
    // The slope's entries follow their classes in the table shown.
    const placed = await app.engine.placeRoughness(app.project, classKeys);
    if (JSON.stringify(placed.project.lookup) !== JSON.stringify(app.project.lookup)) {
        app.setProject(placed);
    }
    const entries = placed.project.lookup.roughnessInputs[s];
    const [title1, title2] = titleLines(cells[0][0]);
    const body = el('tbody');
    const rows = [];
    let description = '';
    for (let row = FirstClassRow; row < cells.length; ++row) {
        const [surface, klass, range] = cells[row];
        if (!klass && !range) {
            continue;
        }
        const onEdit = () => (panel.insertButton.disabled = true);
        const [shownValue, shownArea] =
            typed ? typed.get(classKeys[row]) ?? ['', ''] : [entries[0][row], entries[1][row]];
        const value = numericCell(app.engine, {value: shownValue, onEdit, label: `Hodnota ${klass}`});
        const area = numericCell(app.engine, {value: shownArea, onEdit, label: `Plocha ${klass}`});
        const shownSurface = surface && surface !== description ? surface : '';
        description = surface || description;
        const group = description;
        // A finished value is held to the class range (a message says so).
        value.addEventListener('change', () => {
            value.finishing = (async () => {
                await value.pending;
                const [minimum, maximum] = bounds[row];
                const reply = await app.engine.lookupCellReply({kind: 'roughnessFinished', text: value.value, minimum,
                    maximum, surface: group, class: klass});
                value.value = reply.text;
                if (reply.message) {
                    await showMessage(reply.message, {title: 'Chyba'});
                }
            })();
        });
        rows.push({row, value, area});
        body.append(el('tr', {'data-row': row}, el('th', {class: 'surface', text: shownSurface}),
            el('td', {text: klass}), el('td', {text: range}), el('td', {}, value), el('td', {}, area)));
    }
    const compute = async (report) => {
        await settled(box);
        await Promise.all(rows.map(({value}) => value.finishing));
        const answer = await app.engine.lookup({kind: 'roughness',
            rows: rows.map(({row, value, area}) => ({row, value: value.value, area: area.value}))});
        panel.show(answer);
        if (report && answer.status !== 'ok') {
            await showMessage(answer.message, {title: 'Chyba'});
        }
    };
    const insert = async () => {
        await compute(false);
        if (panel.insertButton.disabled) {
            return;
        }
        const project = structuredClone(app.project);
        for (let row = FirstClassRow; row < 17; ++row) {
            project.lookup.roughnessInputs[s][0][row] = '';
            project.lookup.roughnessInputs[s][1][row] = '';
            project.lookup.roughnessClasses[s][row] = '';
        }
        for (const {row, value, area} of rows) {
            project.lookup.roughnessInputs[s][0][row] = value.value;
            project.lookup.roughnessInputs[s][1][row] = area.value;
            project.lookup.roughnessClasses[s][row] = value.value || area.value ? classKeys[row] : '';
        }
        const text = panel.value.textContent;
        box.close();
        await writeFields(app, project, [[slopeFields(slope).roughness, text]]);
    };
    const panel = resultPanel({compute: () => compute(true), insert, close: () => box.close()});
    const grid = el('table', {class: 'grid roughness'},
        el('thead', {},
            el('tr', {}, el('th', {colspan: 5, class: 'title'},
                el('strong', {text: title1}), el('br'), el('span', {text: title2}))),
            el('tr', {}, el('th', {text: cells[1][0]}), el('th', {text: cells[1][1]}),
                el('th', {text: cells[1][2] === 'g' ? 'γ' : cells[1][2]}), el('th', {text: 'Hodnota'}),
                el('th', {}, 'Plocha [km', el('sup', {text: '2'}), ']'))),
        body);
    const box = openFrame('roughness', `Drsnost – ${slope === 'right' ? 'pravý svah' : 'levý svah'}`, panel.panel,
        tableNote(tables.roughness, EmptyText), grid,
        el('div', {class: 'buttons'}, editTableButton(app, 'roughness', tables.roughness, () => {
            const kept = new Map(rows.map(({row, value, area}) => [classKeys[row], [value.value, area.value]]));
            box.close();
            reopen(kept);
        })));
    panel.computeButton.disabled = !rows.length;
    await compute(false);
    if (placed.notice) {
        await showMessage(placed.notice, {title: 'Upozornění'});
    }
    rows[0]?.value.focus();
    return box;
}
