// The user's own station and roughness tables, kept in this browser's
// localStorage; the dialogs use them in place of the shipped tables while
// they are present. The engine reads them as it reads the table files.
const key = (kind) => `hydrim.userTable.${kind}`;

export function userRows(kind) {
    try {
        const stored = JSON.parse(localStorage.getItem(key(kind)) ?? 'null');
        return Array.isArray(stored?.rows) ? stored.rows : null;
    } catch {
        return null;
    }
}

export function keepUserRows(kind, rows) {
    localStorage.setItem(key(kind), JSON.stringify({rows, saved: new Date().toISOString()}));
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
