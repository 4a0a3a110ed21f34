// "Upravit tabulku": the user's own station or roughness table, edited in
// the browser, imported from CSV after a preview, checked by the engine as
// the desktop's table editor checks it, and kept in this browser's
// localStorage; "Použít dodanou tabulku" returns to the shipped one.
import {ask, showMessage} from '../ui/dialog.js';
import {button, el, openFrame} from './frame.js';
import {dropUserRows, forgetTables, keepUserRows} from './user-tables.js';

const ListedProblems = 8;
const StorageNote = 'Vlastní tabulka je uložena jen v tomto prohlížeči (localStorage) a dialog ji používá místo '
    + 'dodané tabulky, dokud ji nevrátíte tlačítkem „Použít dodanou tabulku“ v „Upravit tabulku“.';

function problemList(problems, word = 'Řádek') {
    const lines = problems.slice(0, ListedProblems)
        .map((p) => (p.line === 0 ? p.reason : `${word} ${p.line}: ${p.reason}`));
    if (problems.length > ListedProblems) {
        lines.push(`… a dalších ${problems.length - ListedProblems}`);
    }
    return lines.join('\n');
}

// The note of a dialog about its table: how to fill an empty one, that the
// user's own table is in use, and the wrong rows.
export function tableNote(table, emptyText) {
    const parts = [];
    if (!table.rows.length) {
        parts.push(emptyText);
    }
    if (table.user) {
        parts.push(StorageNote);
    }
    if (table.problems.length) {
        parts.push('Tabulka má chybné řádky (opravíte je tlačítkem „Upravit tabulku“):\n'
            + problemList(table.problems, 'řádek'));
    }
    return parts.length ? el('p', {class: 'table-note', text: parts.join('\n')}) : null;
}

// The text a typed cell is kept as: no blanks at the ends, a decimal comma
// as a point, a range without blanks.
function storedText(input, text) {
    text = text.trim();
    if (input === 'decimal') {
        return text.replace(',', '.');
    }
    return input === 'range' ? text.replace(/ /g, '') : text;
}

function importPreview(fileName, imported, editor) {
    return new Promise((resolve) => {
        let summary = `Soubor ${fileName}: převzít lze ${imported.rows.length} řádků, `
            + `odmítnuto je ${imported.refused.length} řádků.`;
        if (imported.headerLine) {
            summary += ` Řádek ${imported.headerLine} je záhlaví a nepřebírá se.`;
        }
        const line = (cell, texts) => el('tr', {}, ...texts.map((text) => el(cell, {text})));
        const taken = el('table', {class: 'grid taken'}, line('th', editor.columns.map((c) => c.title)),
            ...imported.rows.map((row) => line('td', editor.columns.map((c) => row[c.field] ?? ''))));
        const refused = el('table', {class: 'grid refused'}, line('th', ['Řádek', 'Důvod']),
            ...imported.refused.map((p) => line('td', [p.line, p.reason])));
        let choice = null;
        const take = (chosen) => () => {
            choice = chosen;
            box.close();
        };
        const box = openFrame('csv-preview', 'Import z CSV – náhled', el('p', {class: 'summary', text: summary}),
            el('p', {class: 'layouts', text: editor.layouts}),
            el('h3', {text: 'Řádky k převzetí:'}), el('div', {class: 'scroller'}, taken),
            el('h3', {text: 'Odmítnuté řádky:'}), el('div', {class: 'scroller'}, refused),
            el('div', {class: 'buttons'},
                button('Přidat k tabulce', take('add'), {disabled: !imported.rows.length}),
                button('Nahradit tabulku', take('replace'), {disabled: !imported.rows.length}),
                button('Zrušit', () => box.close())));
        box.closed.then(() => resolve(choice));
    });
}

export function openTableEditor(app, kind, table, onChanged) {
    const {editor} = table;
    let rows = table.rows.map((row) => [...row]);
    let saved = JSON.stringify(rows);
    let current = -1;
    const body = el('tbody');
    const problemsView = el('p', {class: 'problems'});

    const check = async () => {
        const {problems} = await app.engine.checkTable(kind, rows);
        const wrong = new Set(problems.map((p) => p.line - 1));
        [...body.rows].forEach((tr, i) => tr.classList.toggle('wrong', wrong.has(i)));
        problemsView.textContent = problemList(problems);
        box.dataset.problems = problems.length;
        return problems;
    };
    const refill = () => {
        body.replaceChildren(...rows.map((row, r) => el('tr', {}, ...editor.columns.map((column) => {
            const input = el('input', {type: 'text', value: row[column.field] ?? '', 'aria-label': column.title,
                inputmode: column.input === 'text' ? 'text' : 'decimal'});
            input.addEventListener('focus', () => (current = r));
            input.addEventListener('change', () => {
                row[column.field] = storedText(column.input, input.value);
                input.value = row[column.field];
                check();
            });
            return el('td', {}, input);
        }))));
        return check();
    };
    const add = () => {
        if (rows.length >= editor.maxRows) {
            return;
        }
        const at = current < 0 ? rows.length : current + 1;
        rows.splice(at, 0, Array(editor.fieldCount).fill(''));
        refill();
        body.rows[at]?.querySelectorAll('input')[Math.min(1, editor.columns.length - 1)]?.focus();
    };
    const remove = () => {
        if (current >= 0 && current < rows.length) {
            rows.splice(current, 1);
            current = Math.min(current, rows.length - 1);
            refill();
        }
    };
    const fileInput = el('input', {type: 'file', accept: '.csv,.txt', hidden: true, class: 'csv-file'});
    // An import is taken before a save that follows it.
    let importing = Promise.resolve();
    fileInput.addEventListener('change', () => (importing = importFile()));
    const importFile = async () => {
        const [file] = fileInput.files;
        fileInput.value = '';
        if (!file) {
            return;
        }
        let imported;
        try {
            imported = await app.engine.importTable(kind, new Uint8Array(await file.arrayBuffer()), {existing: rows});
        } catch (error) {
            await showMessage(error.message, {title: 'Chyba'});
            return;
        }
        const choice = await importPreview(file.name, imported, editor);
        if (!choice) {
            return;
        }
        const taken = choice === 'replace' ? imported.rows : imported.added;
        if (taken.length > editor.maxRows) {
            await showMessage(`Po přidání by tabulka měla ${taken.length} řádků, pojme jich nejvýše `
                + `${editor.maxRows}. Import nebyl převzat.`, {title: 'Upozornění'});
            return;
        }
        rows = (await app.engine.checkTable(kind, taken)).rows;
        await refill();
    };
    const save = async () => {
        await importing;
        const answer = await app.engine.checkTable(kind, rows);
        if (answer.problems.length) {
            await showMessage(`Tabulku nelze uložit, dokud obsahuje chybné řádky:\n${problemList(answer.problems)}`,
                {title: 'Upozornění'});
            return false;
        }
        const refusal = keepUserRows(kind, answer.rows);
        if (refusal) {
            await showMessage(refusal, {title: 'Chyba'});
            return false;
        }
        rows = answer.rows;
        saved = JSON.stringify(rows);
        forgetTables();
        refill();
        box.dataset.saved = 'yes';
        app.status(`Vlastní tabulka ${editor.fileName} je uložena v prohlížeči.`, 'ok');
        return true;
    };
    const shipped = async () => {
        if (await ask('Vrátit se k dodané tabulce? Vlastní tabulka bude z prohlížeče odstraněna.', ['Ano', 'Ne'],
            {title: 'Upravit tabulku'}) !== 'Ano') {
            return;
        }
        dropUserRows(kind);
        forgetTables();
        saved = rows = null;
        box.close();
    };
    const close = async () => {
        if (rows && JSON.stringify(rows) !== saved) {
            const answer = await ask('Tabulka má neuložené změny. Uložit je?', ['Ano', 'Ne', 'Storno'],
                {title: 'Upravit tabulku'});
            if (answer === null || answer === 'Storno' || (answer === 'Ano' && !(await save()))) {
                return;
            }
        }
        box.close();
    };
    const box = openFrame('table-editor', `Upravit tabulku – ${editor.fileName}`,
        el('p', {class: 'table-note', text: StorageNote}),
        el('div', {class: 'scroller'}, el('table', {class: 'grid editor'},
            el('thead', {}, el('tr', {}, ...editor.columns.map((c) => el('th', {text: c.title})))), body)),
        problemsView,
        el('div', {class: 'buttons'}, button('Přidat řádek', add), button('Smazat řádek', remove),
            button('Import z CSV…', () => fileInput.click(), {class: 'import'}), fileInput,
            table.user ? button('Použít dodanou tabulku', shipped, {class: 'shipped'}) : null,
            el('span', {class: 'stretch'}), button('Uložit', save, {class: 'save'}), button('Zavřít', close)));
    box.addEventListener('cancel', (event) => {
        event.preventDefault();
        close();
    });
    refill();
    box.closed.then(onChanged);
    return box;
}

export function editTableButton(app, kind, table, onChanged) {
    return button('Upravit tabulku', () => openTableEditor(app, kind, table, onChanged), {class: 'edit-table'});
}
