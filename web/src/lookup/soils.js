// The soil tables of the curve-number wizard: the hydrologic soil groups A
// to D (areas per group, or the choice of a soil unit's group) and the main
// soil units with their groups (areas per unit). Each finds the slope's
// soil group category through the engine and hands it on.
import {showMessage} from '../ui/dialog.js';
import {button, el, numericCell, openFrame, settled} from './frame.js';

// A text of the soil group table: ":" breaks the line, "-1" is an exponent.
function richText(text) {
    const parts = [];
    text.split(':').forEach((line, i) => {
        if (i) {
            parts.push(el('br'));
        }
        line.split('-1').forEach((piece, j) => {
            if (j) {
                parts.push(el('sup', {text: '-1'}));
            }
            parts.push(piece);
        });
    });
    return parts;
}

// ">> Pokračuj" and "Zavřít" at the top right of a soil table.
const topButtons = (proceed, close) => el('div', {class: 'buttons'}, el('span', {class: 'stretch'}),
    button('>> Pokračuj', proceed, {class: 'proceed'}), button('Zavřít', close));

const areaHeader = () => ['Plocha [km', el('sup', {text: '2'}), ']'];

async function reportFailure(answer) {
    if (answer.status !== 'ok') {
        await showMessage(answer.message, {title: 'Chyba'});
        return true;
    }
    if (answer.areaWarning) {
        await showMessage(answer.areaWarning, {title: 'Upozornění'});
    }
    return false;
}

// Areas per group (state.groupAreas, rows 2..5); onFound(category) on ">> Pokračuj".
export function openSoilGroups(app, tables, state, onFound) {
    const cells = tables.soilGroups.cells;
    const inputs = [2, 3, 4, 5].map((row) =>
        numericCell(app.engine, {value: state.groupAreas[row], label: `Plocha ${cells[row][0]}`}));
    const proceed = async () => {
        await settled(box);
        inputs.forEach((input, i) => (state.groupAreas[i + 2] = input.value));
        const answer = await app.engine.lookup({kind: 'soilGroupAreas', areas: inputs.map((input) => input.value),
            slopeArea: state.slopeArea});
        if (await reportFailure(answer)) {
            return;
        }
        box.close();
        onFound(answer.category);
    };
    const box = openFrame('soil-groups', 'Hydrologické skupiny půd', topButtons(proceed, () => box.close()),
        el('table', {class: 'grid soil-groups'},
            el('thead', {}, el('tr', {}, el('th', {colspan: 3, class: 'title', text: cells[0][0]})),
                el('tr', {}, el('th', {}, ...richText(cells[1][0])), el('th', {}, ...richText(cells[1][1])),
                    el('th', {}, ...areaHeader()))),
            el('tbody', {}, ...[2, 3, 4, 5].map((row, i) => el('tr', {},
                el('th', {class: 'group', text: cells[row][0]}),
                el('td', {class: 'text'}, ...richText(cells[row][1])), el('td', {}, inputs[i]))))));
    inputs[0].focus();
    return box;
}

// The choice of a soil unit's group among the letters its alternative offers.
function openDecision(letters, current, onChoose) {
    const box = openFrame('soil-decision', 'Hydrologická skupina půdní jednotky',
        el('div', {class: 'radios'}, ...['A', 'B', 'C', 'D'].map((letter) => el('label', {},
            el('input', {type: 'radio', name: 'hsp', value: letter, disabled: !letters.includes(letter),
                checked: current === letter, onchange: () => onChoose(letter)}), ` ${letter}`))),
        el('div', {class: 'buttons centred'}, button('Zavřít', () => box.close())));
    return box;
}

const UnitNote = 'Pozn.:\n- v závorce symboly map KPP, jinak symboly nové klasifikace\n'
    + '- pokud jsou u hydrologických skupin uvedeny dva symboly, znamenají rozpětí variability\n'
    + ' (např. C - D; při menší četnosti výskytu je alternativa v závorce: B (C)),\n'
    + ' dané heterogenitou jednotky v zrnitosti či ulehlosti, eventuálně ve vodním režimu';

// Areas per soil unit (state.unitAreas and the decided groups state.unitGroups, rows 3..66).
export async function openSoilUnits(app, tables, state, onFound) {
    const cells = tables.soilUnits.cells;
    const unitRows = [];
    for (let row = 3; row < cells.length; ++row) {
        unitRows.push(row);
    }
    const offers = await Promise.all(unitRows.map((row) => app.engine.soilUnitArea(cells[row][3] ?? '', '')));
    const unitName = (row) => cells[row][0].trim() || cells[row][1].trim();
    const groupCells = new Map();
    const areaInputs = new Map();
    const decide = async (row) => {
        const {letters} = offers[row - 3];
        const current = state.unitGroups[row];
        await openDecision(letters, current.includes('(') ? '' : current, (letter) => {
            state.unitGroups[row] = letter;
            groupCells.get(row).textContent = letter;
        }).closed;
        areaInputs.get(row).focus();
    };
    const body = el('tbody', {}, ...unitRows.map((row, i) => {
        const group = el('td', {class: offers[i].decide ? 'group decide' : 'group', text: state.unitGroups[row],
            title: offers[i].decide ? 'Vyberte skupinu' : null});
        groupCells.set(row, group);
        if (offers[i].decide) {
            group.addEventListener('click', () => decide(row));
        }
        const area = numericCell(app.engine, {value: state.unitAreas[row], label: `Plocha ${unitName(row)}`});
        area.addEventListener('input', async () => {
            await area.pending;
            if (!area.value) {
                return;
            }
            const refusal = await app.engine.soilUnitArea(state.unitGroups[row], unitName(row));
            if (refusal.message) {
                area.value = '';
                await showMessage(refusal.message, {title: 'Upozornění'});
                if (refusal.decide) {
                    await decide(row);
                }
            }
        });
        areaInputs.set(row, area);
        return el('tr', {'data-row': row}, el('td', {text: cells[row][0]}), el('td', {text: cells[row][1]}),
            el('td', {text: cells[row][2]}), group, el('td', {}, area));
    }));
    const proceed = async () => {
        await settled(box);
        for (const [row, input] of areaInputs) {
            state.unitAreas[row] = input.value;
        }
        const answer = await app.engine.lookup({kind: 'soilUnits', slopeArea: state.slopeArea,
            rows: unitRows.map((row) =>
                ({row, value: state.unitGroups[row], area: state.unitAreas[row], name: unitName(row)}))});
        if (await reportFailure(answer)) {
            return;
        }
        box.close();
        onFound(answer.category);
    };
    const header = [0, 1, 2].map((row) => el('tr', {}, ...cells[row].map((text) => el('th', {text})),
        el('th', {}, ...(row === 0 ? ['Plocha'] : row === 1 ? ['[km', el('sup', {text: '2'}), ']'] : []))));
    const box = openFrame('soil-units', 'Kategorie BPEJ a hydrologické skupiny půd HSP',
        topButtons(proceed, () => box.close()),
        el('div', {class: 'scroller'}, el('table', {class: 'grid soil-units'}, el('thead', {}, ...header), body)),
        el('p', {class: 'table-note', text: UnitNote}));
    return box;
}
