// The user's own station and roughness tables, kept in this browser's
// localStorage; the dialogs use them in place of the shipped tables while
// they are present. The engine reads them as it reads the table files.
const key = (kind) => `hydrim.userTable.${kind}`;

// The stored rows, or null when there are none (or what is stored is no
// table: rows of texts).
export function userRows(kind) {
    try {
        const rows = JSON.parse(localStorage.getItem(key(kind)) ?? 'null')?.rows;
        const texts = (row) => Array.isArray(row) && row.every((field) => typeof field === 'string');
        const table = Array.isArray(rows) && rows.every(texts);
        return table ? rows : null;
    } catch {
        return null;
    }
}

// Keeps the rows; the browser's refusal (storage full or switched off) is
// returned as a message, '' when they are kept.
export function keepUserRows(kind, rows) {
    try {
        localStorage.setItem(key(kind), JSON.stringify({rows, saved: new Date().toISOString()}));
        return '';
    } catch (error) {
        return `Tabulku se nepodařilo uložit v prohlížeči: ${error.message}`;
    }
}

export function dropUserRows(kind) {
    localStorage.removeItem(key(kind));
}

// The reference tables as the dialogs show them, the user's own in place of
// the shipped ones; asked once and again after a user table changed.
let cached = null;

export function referenceTables(engine) {
    if (!cached) {
        const tables = {};
        for (const kind of ['stations', 'roughness']) {
            const rows = userRows(kind);
            if (rows) {
                tables[kind] = rows;
            }
        }
        cached = engine.referenceTables(tables);
        cached.catch(() => (cached = null));
    }
    return cached;
}

export function forgetTables() {
    cached = null;
}
