// The antecedent moisture dialog: the three groups by the 5-day rainfall
// before the event; choosing one sets the slope's CN curve type at once.
import {button, el, openFrame} from './frame.js';
import {slopeFields} from './project-write.js';
import {referenceTables} from './user-tables.js';

export async function openMoisture(app, slope) {
    const {moisture} = await referenceTables(app.engine);
    const list = slopeFields(slope).curveType;
    const chosen = list === 4 ? app.project.cnTypeItemL : app.project.cnTypeItemR;
    const choose = async (item) => {
        app.setProject(await app.engine.chooseItem(app.project, list, item));
        box.dataset.item = item;
    };
    const rows = moisture.items.map((item, i) => el('tr', {},
        el('td', {}, el('label', {}, el('input', {type: 'radio', name: 'pvp', value: i, checked: i === chosen,
            onchange: () => choose(i)}), ` ${item}`)),
        el('td', {class: 'rain', text: moisture.rainLines[i]})));
    const box = openFrame('moisture', 'Skupiny PVP',
        el('p', {class: 'title', text: moisture.title}),
        el('table', {class: 'grid moisture'},
            el('thead', {},
                el('tr', {}, el('th', {text: moisture.groupHeading}), el('th', {text: moisture.rainHeading})),
                el('tr', {}, el('th'), el('th', {class: 'rain', text: moisture.seasonsTitle}))),
            el('tbody', {}, ...rows)),
        el('div', {class: 'buttons centred'}, button('Zavřít', () => box.close(), {autofocus: true})));
    return box;
}
