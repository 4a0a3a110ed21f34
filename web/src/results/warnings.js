// The warnings of a result as the engine writes them ({code, message, slope,
// returnPeriod, severity?}): with a severity, the warnings proper
// ("Upozornění") come first and the notes on the method ("Poznámka") after.
const NOTE = 'note';

function group(title, warnings, severity) {
    const box = document.createElement('div');
    box.className = `warnings ${severity}`;
    const heading = document.createElement('h2');
    heading.textContent = title;
    const list = document.createElement('ul');
    for (const warning of warnings) {
        const item = document.createElement('li');
        item.dataset.severity = severity;
        item.dataset.code = warning.code ?? '';
        item.textContent = warning.message;
        list.append(item);
    }
    box.append(heading, list);
    return box;
}

// Fills container with the boxes of warnings (nothing when there are none).
export function showWarnings(container, warnings = []) {
    const notes = warnings.filter((w) => w.severity === NOTE);
    const proper = warnings.filter((w) => w.severity !== NOTE);
    const boxes = [];
    if (proper.length) {
        boxes.push(group('Upozornění', proper, 'warning'));
    }
    if (notes.length) {
        boxes.push(group(notes.length > 1 ? 'Poznámky' : 'Poznámka', notes, 'note'));
    }
    container.replaceChildren(...boxes);
    container.hidden = boxes.length === 0;
}
