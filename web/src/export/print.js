// The printed pages of every sheet: A4, fitted to one page wide (a result
// table on one page), landscape where the table is wider than tall, the
// heading rows repeated on every page, the project in the header and
// "strana X z Y" in the footer. Added to the sheets' XML as the workbook is
// written (sheet option `print: {onePage, landscape, headingRows, title}`).
const escapeXml = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;')
    .replace(/"/g, '&quot;');
const paperA4 = 9;

// A header text with its codes: "&" doubled, at most 120 characters.
function pageHeader(title) {
    const characters = [...title];
    const shown = characters.length > 120 ? characters.slice(0, 120).join('') + '…' : title;
    return `&L${shown.replace(/&/g, '&&')}&R&A`;
}

function pageXml({onePage, landscape, title}) {
    return '<pageMargins left="0.7" right="0.7" top="0.75" bottom="0.75" header="0.3" footer="0.3"/>' +
        `<pageSetup paperSize="${paperA4}" orientation="${landscape ? 'landscape' : 'portrait'}" ` +
        `fitToWidth="1" fitToHeight="${onePage ? 1 : 0}"/>` +
        `<headerFooter><oddHeader>${escapeXml(pageHeader(title))}</oddHeader>` +
        `<oddFooter>${escapeXml('&Cstrana &P z &N')}</oddFooter></headerFooter>`;
}

export const sheetPrinting = {
    files: {
        transform: {
            'xl/worksheets/sheet{id}.xml': {
                transform(xml, options) {
                    if (!options.print) {
                        return xml;
                    }
                    return xml.replace(/(<worksheet[^>]*>)/, '$1<sheetPr><pageSetUpPr fitToPage="1"/></sheetPr>')
                        .replace('</worksheet>', `${pageXml(options.print)}</worksheet>`);
                },
            },
            'xl/workbook.xml': {
                // The heading rows printed on every page.
                transform(xml, sheetsOptions) {
                    const names = sheetsOptions.flatMap((options, index) => {
                        const rows = options.print?.headingRows;
                        const sheet = `'${options.sheet.replace(/'/g, "''")}'`;
                        return rows ? [`<definedName name="_xlnm.Print_Titles" localSheetId="${index}">` +
                            `${escapeXml(sheet)}!$1:$${rows}</definedName>`] : [];
                    });
                    return names.length ? xml.replace(/<definedNames\/>|<definedNames>/,
                        (found) => `<definedNames>${names.join('')}${found === '<definedNames/>' ? '</definedNames>' : ''}`) : xml;
                },
            },
        },
    },
};
