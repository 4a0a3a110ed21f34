// "Export do Excelu…": the result tables and the time series of the last
// computation as one workbook, downloaded under the project's name.
import writeXlsxFile from 'write-excel-file/universal';

import {sheetPrinting} from './print.js';
import {workbookName, workbookSheets} from './sheets.js';

export const workbookOptions = {fontFamily: 'Arial', fontSize: 10, features: [sheetPrinting]};

export async function workbookBlob(answer, title) {
    return writeXlsxFile(workbookSheets(answer, title), workbookOptions).toBlob();
}

export function download(blob, name) {
    const link = Object.assign(document.createElement('a'), {href: URL.createObjectURL(blob), download: name});
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 0);
}

export function mountExport(app, toolbar) {
    const button = Object.assign(document.createElement('button'),
        {type: 'button', id: 'export-xlsx', textContent: 'Export do Excelu…', disabled: true,
            title: 'Výsledné tabulky a časové řady jako sešit .xlsx'});
    toolbar.append(button);
    app.on('computed', (answer) => (button.disabled = answer.status !== 'ok'));
    app.on('cleared', () => (button.disabled = true));
    button.addEventListener('click', async () => {
        const answer = app.computed;
        if (!answer || answer.status !== 'ok') {
            return;
        }
        button.disabled = true;
        try {
            const name = workbookName(app.fileName);
            download(await workbookBlob(answer, app.fileName || 'nový projekt'), name);
            app.status(`Sešit ${name} je uložen do stažených souborů.`, 'ok');
        } catch (error) {
            app.status(`Sešit se nepodařilo vytvořit: ${error.message}`, 'problem');
        } finally {
            button.disabled = app.computed?.status !== 'ok';
        }
    });
}
