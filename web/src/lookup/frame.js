// The frame every lookup dialog shares: a modal <dialog> with a title, a
// body, a row of buttons; helpers to make elements, and the numeric cells
// of the dialogs' grids with the desktop's key filter and corrections.
export function el(tag, attributes = {}, ...children) {
    const node = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes)) {
        if (name === 'text') {
            node.textContent = value;
        } else if (name.startsWith('on')) {
            node.addEventListener(name.slice(2), value);
        } else if (value !== false && value !== undefined && value !== null) {
            node.setAttribute(name, value === true ? '' : value);
        }
    }
    node.append(...children.filter((child) => child !== null && child !== undefined));
    return node;
}

export function button(text, onclick, attributes = {}) {
    return el('button', {type: 'button', text, onclick, ...attributes});
}

// Opens a modal lookup dialog; resolves when it is closed. Esc closes it.
export function openFrame(name, title, ...content) {
    const box = el('dialog', {class: `lookup ${name}`, 'data-lookup': name},
        el('h2', {text: title}), ...content);
    const closed = new Promise((resolve) => box.addEventListener('close', () => {
        box.remove();
        resolve();
    }));
    document.body.append(box);
    box.showModal();
    box.closed = closed;
    return box;
}

// The result row of a weighting dialog: "Vy&počti", "Hodnota:" with the
// value in red, "&Vložit" (enabled by the engine's answer) and "&Zavřít".
export function resultPanel({compute, insert, close, extra = []}) {
    const value = el('output', {class: 'value'});
    const computeButton = button('Vypočti', compute, {accesskey: 'p', class: 'compute'});
    const insertButton = button('Vložit', insert, {accesskey: 'v', class: 'insert', disabled: true});
    const closeButton = button('Zavřít', close, {accesskey: 'z', class: 'close'});
    const panel = el('div', {class: 'result-panel'}, ...extra, computeButton,
        el('span', {class: 'caption', text: 'Hodnota:'}), value, el('span', {class: 'stretch'}),
        insertButton, closeButton);
    return {
        panel, value, insertButton, computeButton,
        show(answer) {
            value.textContent = answer.status === 'ok' ? answer.text : '';
            insertButton.disabled = !answer.insertable;
        },
    };
}

// A numeric cell: digits and "." pass, "," becomes ".", other characters are
// refused; after each change the engine's correction of the text (a text that
// is no number loses its last character). onEdit runs when typing starts.
export function numericCell(engine, {value = '', onEdit = () => {}, label = ''} = {}) {
    const input = el('input', {type: 'text', inputmode: 'decimal', maxlength: 12, value, 'aria-label': label});
    input.addEventListener('keydown', (event) => {
        if (event.key.length !== 1 || event.ctrlKey || event.metaKey || event.altKey) {
            return;
        }
        if (event.key === ',') {
            event.preventDefault();
            input.setRangeText('.', input.selectionStart, input.selectionEnd, 'end');
            input.dispatchEvent(new Event('input'));
        } else if (!/[0-9.]/.test(event.key)) {
            event.preventDefault();
        }
    });
    input.addEventListener('input', () => {
        onEdit();
        const typed = input.value;
        input.pending = engine.lookupCell({kind: 'area', text: typed}).then((corrected) => {
            if (input.value === typed && corrected !== typed) {
                input.value = corrected;
            }
        });
    });
    return input;
}

// Waits until the corrections of the cells typed in have come back.
export async function settled(box) {
    await Promise.all([...box.querySelectorAll('input')].map((input) => input.pending));
}
