// A small reader of .xlsx workbooks for the tests: the zip's entries
// inflated with node's zlib, the sheets' cells by address, shared strings
// resolved.
import {inflateRawSync} from 'node:zlib';

export function unzip(bytes) {
    const buffer = Buffer.from(bytes);
    let end = buffer.length - 22;
    while (end >= 0 && buffer.readUInt32LE(end) !== 0x06054b50) {
        --end;
    }
    const count = buffer.readUInt16LE(end + 10);
    let at = buffer.readUInt32LE(end + 16);
    const files = {};
    for (let n = 0; n < count; ++n) {
        const method = buffer.readUInt16LE(at + 10);
        const size = buffer.readUInt32LE(at + 20);
        const nameLength = buffer.readUInt16LE(at + 28);
        const extra = buffer.readUInt16LE(at + 30);
        const comment = buffer.readUInt16LE(at + 32);
        const local = buffer.readUInt32LE(at + 42);
        const name = buffer.toString('utf8', at + 46, at + 46 + nameLength);
        const start = local + 30 + buffer.readUInt16LE(local + 26) + buffer.readUInt16LE(local + 28);
        const data = buffer.subarray(start, start + size);
        files[name] = (method === 8 ? inflateRawSync(data) : data).toString('utf8');
        at += 46 + nameLength + extra + comment;
    }
    return files;
}

const unescape = (text) => text.replace(/&lt;/g, '<').replace(/&gt;/g, '>').replace(/&quot;/g, '"')
    .replace(/&apos;/g, "'").replace(/&amp;/g, '&');

// {sheetName: {A1: value (number or text), …}} in the workbook's order, and
// the XML of each sheet.
export function readWorkbook(bytes) {
    const files = unzip(bytes);
    const strings = [...(files['xl/sharedStrings.xml'] ?? '').matchAll(/<si>(.*?)<\/si>/gs)]
        .map(([, si]) => unescape([...si.matchAll(/<t[^>]*>(.*?)<\/t>/gs)].map((m) => m[1]).join('')));
    const relations = Object.fromEntries([...files['xl/_rels/workbook.xml.rels'].matchAll(/<Relationship ([^>]*)\/>/g)]
        .map(([, attributes]) => [attributes.match(/Id="([^"]*)"/)[1], attributes.match(/Target="([^"]*)"/)[1]]));
    const sheets = {};
    const xml = {};
    for (const [, attributes] of files['xl/workbook.xml'].matchAll(/<sheet ([^>]*)\/>/g)) {
        const name = unescape(attributes.match(/name="([^"]*)"/)[1]);
        const target = relations[attributes.match(/r:id="([^"]*)"/)[1]].replace(/^\/?(xl\/)?/, 'xl/');
        const cells = {};
        for (const [, cell, inner] of files[target].matchAll(/<c ([^>]*?)(?:\/>|>(.*?)<\/c>)/gs)) {
            const address = cell.match(/r="([A-Z]+\d+)"/)[1];
            const value = inner?.match(/<v>(.*?)<\/v>/s)?.[1];
            if (value === undefined) {
                continue;
            }
            cells[address] = /t="s"/.test(cell) ? strings[Number(value)] : /t="(str|inlineStr)"/.test(cell)
                ? unescape(value) : Number(value);
        }
        sheets[name] = cells;
        xml[name] = files[target];
    }
    return {sheets, xml, files};
}
