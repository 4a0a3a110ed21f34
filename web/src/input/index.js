// The input view: the project's input window as a form, its lookup buttons,
// the project file commands of the toolbar and the status line of the input.
//
//   mountInput(app, document.querySelector('section[data-view="input"]'))
import {createFieldEditor} from './fields.js';
import {buildForm} from './layout.js';
import {mountLookupButtons} from './lookup-buttons.js';
import {mountProjectFiles} from './project-files.js';
import {inputStatus, showProject} from './show.js';

const $ = (id) => document.getElementById(id);

function mountForm(app, section, curveNumberBounds) {
    const refs = buildForm(curveNumberBounds);
    section.replaceChildren(refs.form);
    const editor = createFieldEditor(app, refs);
    mountLookupButtons(app, editor, refs.form);
    const show = (answer) => {
        showProject(refs, answer);
        section.dataset.project = 'shown';
        app.status(inputStatus(answer.window));
    };
    app.on('project', show);
    if (app.project) {
        show({project: app.project, window: app.window});
    }
    // "Vypočítej" goes the way of the toolbar's button and F9.
    refs.compute.addEventListener('click', () => $('compute').click());
    return editor;
}

export function mountInput(app, section) {
    // Every computation, from F9 in a field too, first checks the value typed last.
    const compute = app.compute;
    let editor = null;
    app.compute = async () => {
        await editor?.finishTyped();
        return compute();
    };
    const files = mountProjectFiles(app, {finishTyped: () => editor?.finishTyped(), forget: () => editor?.forget()}, {
        newButton: $('new'),
        openButton: $('open'),
        fileInput: $('file'),
        saveButton: $('save'),
        saveAsButton: $('save-as'),
        nameLabel: $('project-name'),
    });
    // The form needs the engine's limits for its labels.
    app.on('engine', async (engine) => {
        const limits = await engine.fieldLimits(0);
        const curveNumber = limits.fields.find((field) => field.field === 14);
        editor = mountForm(app, section, curveNumber.bounds);
    });
    return files;
}
