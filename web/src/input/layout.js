// The controls of the input window, grouped as on the desktop: the
// identification of the catchment across the top, the calculation parameters
// and the description under it, the valley line and rainfall on the left, the
// slopes on the right, the compute button below. The DOM order is the order
// of the Tab key: down the valley line and rainfall, then down the left slope
// and the right slope.
//
// buildForm(curveNumberBounds) returns {form, edits[k], lists[n], rows, ...}:
// edits[k] is the field of EditK (k = 0 the description), lists[n] the list
// ComboBoxN, the lookup buttons carry data-lookup and data-slope.

const RainFirstLine = '1-denní maximální srážkový';

export const ListHints = {
    1: 'Vyber typ povodí\nJeden svah - povodí lze popsat jedním svahem\nDva svahy - povodí lze popsat dvěma svahy',
    2: 'Vyber variantu výpočtu\n' +
        'Varianta I - max N-letý průtok vyvolaný deštěm kritické doby trvání\n' +
        'Varianta II - max průtok při zadané době trvání deště a době opakování deště\n' +
        'Varianta III - maximální průtok při zadané době trvání deště a intenzitě deště',
    3: 'Doba opakování N [roky]',
    4: 'Typ CN křivky (skupina předchozích vláhových podmínek)',
    5: 'Typ CN křivky (skupina předchozích vláhových podmínek)',
};

const LookupHints = {
    stations: 'Tabulka maximálních 1-denních srážkových úhrnů',
    roughness: 'Tabulka doporučených hodnot drsnosti',
    moisture: 'Skupiny předchozích vláhových podmínek',
    curveNumber: 'Průvodce určením čísla CN křivky ',
};

// An element with attributes (class, text, dataset entries as data-*) and children.
export function h(tag, attributes = {}, ...children) {
    const element = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes)) {
        if (name === 'text') {
            element.textContent = value;
        } else if (name === 'html') {
            element.innerHTML = value;
        } else if (value !== false && value !== undefined) {
            element.setAttribute(name, value === true ? '' : value);
        }
    }
    element.append(...children.filter((child) => child !== null));
    return element;
}

function group(legend, className, ...children) {
    return h('fieldset', {class: className}, h('legend', {text: legend}), ...children);
}

function list(number, items, placeholder) {
    const select = h('select', {'data-list': number, id: `list-${number}`, title: ListHints[number]});
    if (placeholder !== null) {
        select.append(h('option', {value: '-1', text: placeholder, hidden: true}));
    }
    items.forEach((item, index) => select.append(h('option', {value: String(index), text: item})));
    return select;
}

function numberField(k) {
    return h('input', {type: 'text', id: `edit-${k}`, 'data-k': k, class: 'number', inputmode: 'decimal',
        autocomplete: 'off', spellcheck: 'false'});
}

// A lookup button: it takes no focus, as the desktop's speed buttons.
function lookupButton(kind, slope) {
    return h('button', {type: 'button', class: 'lookup', tabindex: '-1', 'data-lookup': kind, 'data-slope': slope,
        title: LookupHints[kind], 'aria-label': LookupHints[kind].trim(), text: '…'});
}

function buildIdentification(edits) {
    const captions = ['Identifikační číslo', 'Tok', 'Závěrový profil', 'Lokalita'];
    const grid = h('div', {class: 'pairs'});
    captions.forEach((caption, i) => {
        const k = i + 1;
        edits[k] = h('input', {type: 'text', id: `edit-${k}`, 'data-k': k, autocomplete: 'off'});
        grid.append(h('label', {for: `edit-${k}`, text: caption}), edits[k]);
    });
    return group('Informace o povodí', 'identification', grid);
}

function buildParameters(lists) {
    lists[1] = list(1, ['Jeden svah', 'Dva svahy'], 'Vyber typ povodí');
    lists[2] = list(2, ['Varianta I', 'Varianta II', 'Varianta III'], 'Vyber variantu');
    const variant = group('Varianta', 'variant', lists[2]);
    const type = group('Typ povodí', 'type', lists[1]);
    return {element: group('Parametry výpočtu', 'parameters', type, variant), variant};
}

function buildDescription(edits) {
    edits[0] = h('textarea', {id: 'edit-0', 'data-k': 0, rows: 4, spellcheck: 'false'});
    return group('Popis projektu', 'description', edits[0]);
}

// The valley line and the rainfall: one row per field; hidden rows take no room.
function buildCatchment(edits, lists, rows) {
    const grid = h('div', {class: 'rows'});
    const addRow = (key, label, ...cell) => {
        rows[key] = [label, h('div', {class: 'cell'}, ...cell)];
        grid.append(...rows[key]);
    };
    const rainLabel = (k, second) =>
        h('label', {for: `edit-${k}`}, RainFirstLine, h('br'), h('span', {class: 'second', text: second}));
    for (const k of [5, 6, 8, 24, 25, 26, 9]) {
        edits[k] = numberField(k);
    }
    lists[3] = list(3, ['2', '5', '10', '20', '50', '100'], null);
    addRow(5, h('label', {for: 'edit-5', text: 'Délka údolnice [km]'}), edits[5]);
    addRow(6, h('label', {for: 'edit-6', text: 'Sklon údolnice [%]'}), edits[6]);
    addRow('list3', h('label', {for: 'list-3', text: 'Doba opakování N [roky]'}), lists[3]);
    const stations = lookupButton('stations', 'left');
    addRow(8, rainLabel(8, 'úhrn pro N [mm]'), edits[8], stations);
    addRow(24, rainLabel(24, 'úhrn pro N = 10 [mm]'), edits[24]);
    addRow(25, rainLabel(25, 'úhrn pro N = 20 [mm]'), edits[25]);
    addRow(26, rainLabel(26, 'úhrn pro N = 50 [mm]'), edits[26]);
    addRow(9, rainLabel(9, 'úhrn pro N = 100 [mm]'), edits[9]);
    return {element: group('Povodí', 'catchment', grid), stations};
}

// The slopes: row labels on the left, a column per slope; the fields of one
// slope come one after another (the Tab order), the grid puts them in rows.
function buildSlopes(edits, lists, rows, curveNumberBounds) {
    const labels = [
        ['Plocha svahu [km', h('sup', {text: '2'}), ']'],
        ['Sklon svahu [%]'],
        ['Drsnost γ [s]'],
        ['Typ CN křivky [1,2,3]'],
        [`Číslo CN křivky [${curveNumberBounds}]`],
        ['Doba trvání deště [min]'],
        ['Intenzita deště [mm.min', h('sup', {text: '-1'}), ']'],
    ];
    const grid = h('div', {class: 'slope-grid'});
    const leftCaption = h('div', {class: 'column-caption left', style: 'grid-row: 1; grid-column: 2'});
    const rightCaption =
        h('div', {class: 'column-caption right', style: 'grid-row: 1; grid-column: 3', text: 'Pravý'});
    grid.append(leftCaption, rightCaption);
    labels.forEach((parts, i) => {
        const label = h('label', {style: `grid-row: ${i + 2}; grid-column: 1`}, ...parts);
        rows[`slope${i}`] = [label];
        grid.append(label);
    });
    for (const [slope, first, listNumber, column] of [['left', 10, 4, 2], ['right', 17, 5, 3]]) {
        lists[listNumber] = list(listNumber, ['1', '2', '3'], '');
        for (let i = 0; i < 7; ++i) {
            const k = first + i;
            const field = i === 3 ? lists[listNumber] : (edits[k] = numberField(k));
            const button = i === 2 ? lookupButton('roughness', slope)
                : i === 3 ? lookupButton('moisture', slope)
                : i === 4 ? lookupButton('curveNumber', slope) : h('span', {class: 'no-lookup'});
            const place = `grid-row: ${i + 2}; grid-column: ${column}`;
            const cell = h('div', {class: `cell ${slope}`, style: place}, field, button);
            rows[`slope${i}`].push(cell);
            grid.append(cell);
        }
    }
    // The row labels name the fields of the left (only) slope.
    [0, 1, 2, 4, 5, 6].forEach((i) => (rows[`slope${i}`][0].htmlFor = `edit-${10 + i}`));
    rows.slope3[0].htmlFor = 'list-4';
    return {element: group('Jeden svah', 'slopes', grid), leftCaption, rightCaption};
}

export function buildForm(curveNumberBounds) {
    const edits = [];
    const lists = [];
    const rows = {};
    const parameters = buildParameters(lists);
    const catchment = buildCatchment(edits, lists, rows);
    const slopes = buildSlopes(edits, lists, rows, curveNumberBounds);
    const compute = h('button', {type: 'button', class: 'compute', accesskey: 'p',
        title: 'Provede výpočet dle vstupních parametrů (F9)', text: 'Vypočítej'});
    const form = h('div', {class: 'input-window'},
        buildIdentification(edits),
        h('div', {class: 'upper'}, parameters.element, buildDescription(edits)),
        h('div', {class: 'lower'}, catchment.element, slopes.element),
        h('div', {class: 'actions'}, compute));
    return {form, edits, lists, rows, compute, variantGroup: parameters.variant, catchment: catchment.element,
        stations: catchment.stations, slopes: slopes.element, leftCaption: slopes.leftCaption,
        rightCaption: slopes.rightCaption};
}
