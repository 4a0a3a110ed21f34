// Text for the clipboard. The last text copied stays on the app
// (app.lastCopied, body[data-copies] counts the copies) so the page's tests
// can read back what a command put there.
export async function copyText(app, text) {
    app.lastCopied = text;
    document.body.dataset.copies = String(Number(document.body.dataset.copies ?? 0) + 1);
    try {
        await navigator.clipboard.writeText(text);
        return true;
    } catch {
        // A page opened from a disk may not reach the asynchronous clipboard.
        const area = document.createElement('textarea');
        area.value = text;
        area.style.position = 'fixed';
        area.style.opacity = '0';
        document.body.append(area);
        area.select();
        const copied = document.execCommand('copy');
        area.remove();
        return copied;
    }
}

// The copy keys of a view, as in the desktop's "Edituj" menu: Ctrl+C
// "Kopíruj" (the selection), Ctrl+Shift+C "Kopíruj+" (with the headings);
// null for any other key.
export function copyKindOf(event) {
    if (!(event.ctrlKey || event.metaKey) || event.altKey || event.key.toLowerCase() !== 'c') {
        return null;
    }
    return event.shiftKey ? 'selectionWithHeader' : 'selection';
}

// Copy keys for a view: in its grid, or anywhere on the page while the view is
// shown, unless a field has the focus or text of the page is selected (the
// browser copies that).
export function onCopyKeys(section, frame, copy) {
    document.addEventListener('keydown', (event) => {
        const kind = copyKindOf(event);
        if (!kind || section.hidden) {
            return;
        }
        const elsewhere = !frame.contains(event.target);
        if (elsewhere && (event.target.closest?.('input, textarea, select, [contenteditable]') || String(getSelection()))) {
            return;
        }
        event.preventDefault();
        copy(kind);
    });
}
