// The lookup buttons beside the fields: each asks for its dialog with
// app.emit('lookup', {kind, slope}) once the values typed so far are in the
// project. The curve-number button first asks how the slope's hydrologic soil
// group is to be found, as the desktop's wizard does, offering first the path
// the slope took last.
import {h} from './layout.js';

const Paths = [
    {kind: 'soilGroups', text: '- dle filtračního součinitele'},
    {kind: 'soilUnits', text: '- dle HPJ (druhé a třetí číslo kódu BPEJ)'},
    {kind: 'curveNumber', text: '- bez odvození: tabulka čísel CN křivek'},
];

// Resolves with the kind chosen, or null when closed.
function choosePath(byFiltration) {
    return new Promise((resolve) => {
        const box = h('dialog', {class: 'message cn-path'},
            h('h2', {text: 'Průvodce určením čísla CN křivky'}),
            h('p', {text: 'Odvození hydrologické skupiny půd (HSP)'}));
        const buttons = h('div', {class: 'paths'});
        for (const path of Paths) {
            const button = h('button', {type: 'button', 'data-kind': path.kind, text: path.text});
            button.addEventListener('click', () => box.close(path.kind));
            buttons.append(button);
        }
        const close = h('button', {type: 'button', text: 'Zavřít'});
        close.addEventListener('click', () => box.close(''));
        box.append(buttons, h('div', {class: 'buttons'}, close));
        box.addEventListener('close', () => {
            box.remove();
            resolve(box.returnValue || null);
        });
        document.body.append(box);
        box.showModal();
        buttons.children[byFiltration ? 0 : 1].focus();
    });
}

export function mountLookupButtons(app, editor, form) {
    form.addEventListener('click', async (event) => {
        const button = event.target.closest('button[data-lookup]');
        if (!button || button.disabled || !app.project) {
            return;
        }
        const slope = button.dataset.slope;
        let kind = button.dataset.lookup;
        await editor.finishTyped();
        if (kind === 'curveNumber') {
            const {leftSoilGroupByFiltration: left, rightSoilGroupByFiltration: right} = app.project.lookup;
            kind = await choosePath(slope === 'left' ? left : right);
        }
        if (kind) {
            app.emit('lookup', {kind, slope});
        }
    });
}
