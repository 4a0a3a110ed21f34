// The curve-number wizard of one slope: how the soil group is found (by the
// areas per group or per soil unit), then the land-use table in the column
// of that group, whose area-weighted CN "Vložit" puts into the slope's CN
// field. What the user entered is kept in the project's lookup state.
import {showMessage} from '../ui/dialog.js';
import {button, el, numericCell, openFrame, resultPanel, settled} from './frame.js';
import {slopeFields, slopeIndex, writeFields} from './project-write.js';
import {openSoilGroups, openSoilUnits} from './soils.js';
import {referenceTables} from './user-tables.js';

const Legend = 'Pz - posklizňové zbytky nejméně na 5 % povrchu po celý rok\n'
    + 'Př - přímé řádky vedené bez ohledu na sklon pozemku, tedy i po spádnici\n'
    + 'Vř - vrstevnicové řádky vedené přesně ve směru vrstevnic - konturově\n'
    + 'Pr - pásově pěstované plodiny a příčně průlehované pozemky\n'
    + 'Šp - špatné hydrol. podmínky omezující infiltraci vody do půdy a zvyšující odtok\n'
    + 'Db - dobré hydrol. podmínky zvyšující infiltraci a snižující odtok\n'
    + 'Stř - střední hydrologické podmínky\n'
    + 'Sloupce A - B, B - C a C - D nejsou v publikované tabulce (TR-55): jsou to průměry sousedních skupin, '
    + 'zaokrouhlené na celá čísla';
const FirstLandUseRow = 2;
// The group column the land-use table shows when it is opened at once: B.
const DefaultCategory = 3;

// back: to the soil table the category came from; chooseGroup: the group
// column is chosen in the table's header instead.
function openCurveNumbers(app, tables, state, category, {back = null, insert, chooseGroup = false}) {
    const {cells, groupValues} = tables.curveNumbers;
    const rows = [];
    const onEdit = () => (panel.insertButton.disabled = true);
    const body = el('tbody');
    for (let row = FirstLandUseRow; row < cells.length; ++row) {
        const [use = '', treatment = '', condition = ''] = cells[row];
        const cn = groupValues[row][category - 1];
        if (row === cells.length - 1 && !cn) {
            body.append(el('tr', {}, el('td', {colspan: 5, class: 'note', text: use})));
            continue;
        }
        const label = `Plocha ${use} ${treatment} ${condition}`.trim();
        const area = numericCell(app.engine, {value: state.landUseAreas[row], onEdit, label});
        const cnCell = el('td', {class: 'cn', text: cn});
        rows.push({row, cn, area, cnCell, name: `${treatment} ${condition}`.trim() || use.trim()});
        body.append(el('tr', {'data-row': row}, el('th', {class: 'use', text: use}), el('td', {text: treatment}),
            el('td', {text: condition}), cnCell, el('td', {}, area)));
    }
    const request = (slopeArea) => ({kind: 'curveNumber', slopeArea,
        rows: rows.map(({row, cn, area, name}) => ({row, value: cn, area: area.value, name}))});
    const compute = async (report) => {
        await settled(box);
        const answer = await app.engine.lookup(request(state.slopeArea));
        panel.show(answer);
        if (report && answer.status !== 'ok') {
            await showMessage(answer.message, {title: 'Chyba'});
        }
        return answer;
    };
    const panel = resultPanel({
        compute: () => compute(true),
        close: () => box.close(),
        insert: async () => {
            const answer = await compute(false);
            if (!answer.insertable) {
                return;
            }
            for (const {row, area} of rows) {
                state.landUseAreas[row] = area.value;
            }
            box.close();
            if (answer.areaWarning) {
                await showMessage(answer.areaWarning, {title: 'Upozornění'});
            }
            await insert(answer.text);
        },
        extra: back ? [button('<< Zpět', () => {
            box.close();
            back();
        }, {class: 'back'})] : [],
    });
    const header = cells[0];
    const groupChoice = el('select', {class: 'group-choice', 'aria-label': 'Hydrologická skupina půd'},
        ...groupValues[1].map((text, i) => el('option', {value: i + 1, text, selected: i + 1 === category})));
    groupChoice.addEventListener('change', () => {
        for (const entry of rows) {
            entry.cn = entry.cnCell.textContent = groupValues[entry.row][groupChoice.value - 1];
        }
        compute(false);
    });
    const box = openFrame('curve-numbers', 'Průměrná čísla odtokových křivek pro zemědělské pozemky', panel.panel,
        el('div', {class: 'scroller'}, el('table', {class: 'grid curve-numbers'},
            el('thead', {}, el('tr', {}, ...header.slice(0, 4).map((text) => el('th', {text})),
                el('th', {}, (header[4] ?? '').trim())),
            el('tr', {}, el('th'), el('th'), el('th'), el('th', {}, chooseGroup ? groupChoice : groupValues[1][category - 1]),
                el('th', {}, '[km', el('sup', {text: '2'}), ']'))),
            body)),
        el('p', {class: 'table-note', text: Legend}));
    compute(false);
    rows[0]?.area.focus();
    return box;
}

// start: 'soilGroups' or 'soilUnits' (the path by which the soil group is
// found), or 'curveNumber' (the land-use table at once, its group column chosen).
export async function openCurveNumberWizard(app, slope, start) {
    const tables = await referenceTables(app.engine);
    const s = slopeIndex(slope);
    const lookup = app.project.lookup;
    // The entries of this slope, worked on until "Vložit" keeps them.
    const state = {
        groupAreas: [...lookup.soilGroupAreas[s]],
        // A soil unit without a stored group shows the group of the table.
        unitGroups: lookup.soilUnitGroups[s].map((group, row) =>
            group || (row >= 3 ? tables.soilUnits.cells[row]?.[3] ?? '' : '')),
        unitAreas: [...lookup.soilUnitAreas[s]],
        landUseAreas: [...lookup.landUseAreas[s]],
        byFiltration: s === 1 ? lookup.leftSoilGroupByFiltration : lookup.rightSoilGroupByFiltration,
        slopeArea: app.project.edit[slopeFields(slope).area] ?? '',
    };
    const insert = async (text) => {
        const project = structuredClone(app.project);
        const kept = project.lookup;
        kept.soilGroupAreas[s] = state.groupAreas;
        kept.soilUnitGroups[s] = state.unitGroups;
        kept.soilUnitAreas[s] = state.unitAreas;
        kept.landUseAreas[s] = state.landUseAreas;
        kept.soilGroupByFiltration = state.byFiltration;
        kept[s === 1 ? 'leftSoilGroupByFiltration' : 'rightSoilGroupByFiltration'] = state.byFiltration;
        await writeFields(app, project, [[slopeFields(slope).curveNumber, text]]);
    };
    const soils = () => (state.byFiltration ? openSoilGroups : openSoilUnits)(app, tables, state, numbers);
    const numbers = (category) => openCurveNumbers(app, tables, state, category, {back: soils, insert});
    if (start === 'curveNumber') {
        return openCurveNumbers(app, tables, state, DefaultCategory, {insert, chooseGroup: true});
    }
    state.byFiltration = start === 'soilGroups';
    return soils();
}
