// Typing into the input form and leaving its fields, as the desktop's input
// window does it, with every rule in the engine:
// - each change of a field goes through editField, one after another in the
//   order typed, and the field shows the text and caret the engine returns;
// - a number field's keys are applied by the page itself (the browser's own
//   edit is held back), so a key typed while the engine answers the previous
//   one is judged after it, against the text the engine left;
// - leaving a field typed in since its last check, or Enter in it, calls
//   leaveField and shows one message for all its corrections; a field passed
//   through by Tab checks nothing.
import {showMessage} from '../ui/dialog.js';

// The return-period list takes part in the checks on leaving as field 0.
const ReturnPeriodList = 'list3';

// The text and caret after the user's key, or null when the key changes nothing.
function keyEdit(field, {inputType, data}) {
    const text = field.value;
    const start = field.selectionStart ?? text.length;
    const end = field.selectionEnd ?? start;
    const cut = (from, to) => ({text: text.slice(0, from) + text.slice(to), caret: from});
    if (inputType === 'insertText') {
        return {text: text.slice(0, start) + data + text.slice(end), caret: start + data.length};
    }
    if (start !== end) {
        return cut(start, end);
    }
    if (inputType === 'deleteContentBackward') {
        return start > 0 ? cut(start - 1, start) : null;
    }
    return start < text.length ? cut(start, start + 1) : null;
}

const KeysApplied = new Set(['insertText', 'deleteContentBackward', 'deleteContentForward']);

// One message for the corrections made on leaving a field: the first step's
// message as the text, the details one below another (a detail under another
// message starts with its own message), the falling-rainfall warning last;
// the warning alone when nothing was corrected.
export function correctionMessage({steps, warning}) {
    let text = '';
    const details = [];
    for (const step of steps) {
        if (!step.message) {
            continue;
        }
        if (!text) {
            text = step.message;
        }
        details.push(step.message === text ? step.detail : `${step.message}\n${step.detail}`);
    }
    if (!text) {
        return warning ? {text: warning, title: 'Upozornění', kind: 'warning', detail: ''} : null;
    }
    if (warning) {
        details.push(warning);
    }
    return {text, title: 'Chyba', kind: 'error', detail: details.join('\n\n')};
}

export function createFieldEditor(app, refs) {
    let queue = Promise.resolve();
    const typed = new Set();

    // Runs the engine's jobs one after another; a failed one is reported and
    // the next ones still run. The form is data-busy while jobs wait.
    let jobs = 0;
    const enqueue = (job) => {
        refs.form.toggleAttribute('data-busy', ++jobs > 0);
        queue = queue.then(job).catch((error) => app.status(error.message, 'problem')).finally(() => {
            refs.form.toggleAttribute('data-busy', --jobs > 0);
        });
        return queue;
    };
    // A control with a change on its way to the engine keeps what the user
    // did while the answers to other changes are shown.
    const waiting = new Map();
    const enqueueFor = (control, job) => {
        waiting.set(control, (waiting.get(control) ?? 0) + 1);
        return enqueue(() => job().finally(() => {
            const left = waiting.get(control) - 1;
            left ? waiting.set(control, left) : waiting.delete(control);
        }));
    };
    refs.busy = (control) => waiting.has(control);

    // A number field's text is the page's own; a text field keeps what the
    // user typed meanwhile. Only number fields are checked on leaving.
    const sendEdit = async (k, field, {text, caret}, number) => {
        const answer = await app.engine.editField(app.project, k, text, {caret, typed: true});
        if (number || field.value === text) {
            if (field.value !== answer.text) {
                field.value = answer.text;
            }
            if (document.activeElement === field) {
                field.setSelectionRange(answer.caret, answer.caret);
            }
        }
        if (number) {
            typed.add(k);
        }
        app.setProject(answer, {modified: true});
    };

    const leave = async (key) => {
        if (!typed.delete(key)) {
            return;
        }
        const answer = await app.engine.leaveField(app.project, key === ReturnPeriodList ? 0 : key);
        if (answer.steps.length > 0) {
            app.setProject(answer, {modified: true});
        }
        const message = correctionMessage(answer);
        if (message) {
            await showMessage(message.text, message);
        }
    };

    // Leaving: switching to another window or tab keeps the focus where it is.
    const onLeave = (element, key) =>
        element.addEventListener('blur', () => {
            if (document.activeElement !== element) {
                enqueue(() => leave(key));
            }
        });

    refs.edits.forEach((field, k) => {
        const number = field.classList.contains('number');
        if (number) {
            field.addEventListener('beforeinput', (event) => {
                if (!KeysApplied.has(event.inputType) || (event.inputType === 'insertText' && !event.data)) {
                    return;
                }
                event.preventDefault();
                const key = {inputType: event.inputType, data: event.data};
                enqueueFor(field, async () => {
                    const edit = keyEdit(field, key);
                    return edit && sendEdit(k, field, edit, true);
                });
            });
            field.addEventListener('keydown', (event) => {
                if (event.key === 'Enter') {
                    event.preventDefault();
                    enqueue(() => leave(k));
                }
            });
            onLeave(field, k);
        }
        // Pasting, dropping, undo and the text fields: the browser's edit, then the engine's filter.
        field.addEventListener('input', () =>
            enqueueFor(field, () =>
                sendEdit(k, field, {text: field.value, caret: field.selectionStart ?? field.value.length}, number)));
    });

    refs.lists.forEach((select, list) => {
        select.addEventListener('change', () => {
            const item = Number(select.value);
            enqueueFor(select, async () => {
                const answer = await app.engine.chooseItem(app.project, list, item);
                app.setProject(answer, {modified: true});
                if (list === 3) {
                    typed.add(ReturnPeriodList);
                }
            });
        });
    });
    onLeave(refs.lists[3], ReturnPeriodList);

    return {
        enqueue,
        // The values typed and not yet checked are checked now (before a
        // computation or a save reads the project).
        finishTyped: () => enqueue(async () => {
            for (const key of [...typed]) {
                await leave(key);
            }
        }),
        // A project from elsewhere (opened, new): nothing of it was typed.
        forget: () => typed.clear(),
    };
}
