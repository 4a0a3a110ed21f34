// Asks for the name of a project file where the browser has no save dialog
// of its own: the name the download gets, ".snp" added when it has none.
import {h} from './layout.js';

// Resolves with the name, or null when the user cancels.
export function askFileName(suggested) {
    return new Promise((resolve) => {
        const field = h('input', {type: 'text', id: 'file-name', value: suggested, autocomplete: 'off',
            spellcheck: 'false'});
        const save = h('button', {type: 'submit', value: 'save', text: 'Uložit'});
        const cancel = h('button', {type: 'button', text: 'Storno'});
        const form = h('form', {method: 'dialog'},
            h('h2', {text: 'Uložit projekt'}),
            h('p', {}, h('label', {for: 'file-name', text: 'Název souboru: '}), field),
            h('div', {class: 'buttons'}, save, cancel));
        const box = h('dialog', {class: 'message file-name'}, form);
        cancel.addEventListener('click', () => box.close(''));
        box.addEventListener('close', () => {
            box.remove();
            const name = box.returnValue === 'save' ? field.value.trim() : '';
            resolve(name ? (/\.[^.\\/]+$/.test(name) ? name : `${name}.snp`) : null);
        });
        document.body.append(box);
        box.showModal();
        field.select();
    });
}
