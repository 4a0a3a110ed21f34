// Modal message boxes of the page, as the desktop shows them: one box at a
// time, a title, the message, an optional detail and the buttons to answer.
//
//   await showMessage('Plocha svahu …', {title: 'Chyba', detail: '…'});
//   const answer = await ask('Uložit změny?', ['Ano', 'Ne', 'Storno']);  // the button's text, or null (Esc)
let open = null;

export function ask(text, buttons, {title = 'Hydrim', detail = '', kind = 'info'} = {}) {
    const box = document.createElement('dialog');
    box.className = `message ${kind}`;
    const heading = document.createElement('h2');
    heading.textContent = title;
    const body = document.createElement('p');
    body.textContent = text;
    box.append(heading, body);
    if (detail) {
        const more = document.createElement('p');
        more.className = 'detail';
        more.textContent = detail;
        box.append(more);
    }
    const row = document.createElement('div');
    row.className = 'buttons';
    box.append(row);
    const previous = open ?? Promise.resolve();
    const answer = previous.then(
        () =>
            new Promise((resolve) => {
                for (const label of buttons) {
                    const button = document.createElement('button');
                    button.type = 'button';
                    button.textContent = label;
                    button.addEventListener('click', () => box.close(label));
                    row.append(button);
                }
                box.addEventListener('close', () => {
                    box.remove();
                    resolve(buttons.includes(box.returnValue) ? box.returnValue : null);
                });
                document.body.append(box);
                box.showModal();
                row.firstChild?.focus();
            }),
    );
    open = answer.then(() => undefined);
    return answer;
}

export function showMessage(text, options = {}) {
    return ask(text, ['OK'], options).then(() => undefined);
}
