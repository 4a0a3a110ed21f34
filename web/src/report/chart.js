// A hydrograph as an SVG image for the report: the discharges of the
// catchment (and of each slope) minute by minute to the end of the
// hydrograph, the design rain hanging from the top on its own axis, axes
// with the decimal comma, the legend below.
const ns = 'http://www.w3.org/2000/svg';
const width = 680;
const height = 400;
const plot = {left: 62, right: 620, top: 40, bottom: 330};
const colours = {catchment: '#e00000', left: '#0000ff', right: '#00a000', rain: '#9fe7f0'};

function svg(tag, attributes = {}, text) {
    const node = document.createElementNS(ns, tag);
    for (const [name, value] of Object.entries(attributes)) {
        node.setAttribute(name, String(value));
    }
    if (text !== undefined) {
        node.textContent = text;
    }
    return node;
}

// Axis steps of 1, 2 or 5 times a power of ten, about count of them.
function niceStep(maximum, count) {
    const rough = maximum / count;
    const power = 10 ** Math.floor(Math.log10(rough));
    return [1, 2, 5, 10].map((f) => f * power).find((step) => step >= rough) ?? 10 * power;
}

const decimalsOf = (step) => Math.max(0, -Math.floor(Math.log10(step) + 1e-9));
const axisNumber = (value, step) => value.toFixed(decimalsOf(step)).replace('.', ',');
const clock = (minutes) => `${String(Math.floor(minutes / 60)).padStart(2, '0')}:${String(minutes % 60).padStart(2, '0')}`;
const timeSteps = [10, 15, 30, 60, 120, 180, 240, 360, 720, 1440, 2880];

export function hydrographSvg(hydrograph, title) {
    const roles = hydrograph.twoSlopes ? ['left', 'right', 'catchment'] : ['catchment'];
    const length = Math.max(1, hydrograph.length);
    let peak = 0;
    for (const role of roles) {
        for (const value of hydrograph[role]) {
            peak = Math.max(peak, value);
        }
    }
    const flowStep = niceStep(peak || 1, 6);
    const flowTop = Math.max(flowStep, Math.ceil((peak || 1) / flowStep) * flowStep);
    const timeStep = timeSteps.find((step) => length / step <= 10) ?? 2880;
    const x = (minute) => plot.left + (plot.right - plot.left) * minute / length;
    const y = (flow) => plot.bottom - (plot.bottom - plot.top) * flow / flowTop;
    const image = svg('svg', {xmlns: ns, viewBox: `0 0 ${width} ${height}`, class: 'hydrograph', role: 'img',
        'font-family': 'DejaVu Sans, Liberation Sans, Arial, sans-serif', 'font-size': 12});
    image.append(svg('title', {}, title));
    image.append(svg('text', {x: width / 2, y: 20, 'text-anchor': 'middle', 'font-weight': 'bold', 'font-size': 13}, title));
    if (hydrograph.designRain && hydrograph.rainIntensity > 0) {
        const rainTop = Math.round(hydrograph.rainIntensity) + 1;
        const band = (plot.bottom - plot.top) * hydrograph.rainIntensity / rainTop;
        image.append(svg('rect', {x: x(0), y: plot.top, width: x(Math.min(hydrograph.rainDuration, length)) - x(0),
            height: band, fill: colours.rain, stroke: '#40a0b0', 'stroke-width': 0.8}));
        const rainStep = niceStep(rainTop, 5);
        for (let value = 0; value <= rainTop + 1e-9; value += rainStep) {
            const at = plot.top + (plot.bottom - plot.top) * value / rainTop;
            image.append(svg('text', {x: plot.right + 6, y: at + 4}, axisNumber(value, rainStep)));
        }
        image.append(svg('text', {x: plot.right + 46, y: (plot.top + plot.bottom) / 2, 'text-anchor': 'middle',
            transform: `rotate(90 ${plot.right + 46} ${(plot.top + plot.bottom) / 2})`}, 'Intenzita deště [mm/min]'));
    }
    for (let value = 0; value <= flowTop + 1e-9; value += flowStep) {
        image.append(svg('line', {x1: plot.left, x2: plot.right, y1: y(value), y2: y(value), stroke: '#bbb', 'stroke-width': 0.6}));
        image.append(svg('text', {x: plot.left - 6, y: y(value) + 4, 'text-anchor': 'end'}, axisNumber(value, flowStep)));
    }
    for (let minute = 0; minute <= length; minute += timeStep) {
        image.append(svg('line', {x1: x(minute), x2: x(minute), y1: plot.top, y2: plot.bottom, stroke: '#ddd', 'stroke-width': 0.6}));
        image.append(svg('text', {x: x(minute), y: plot.bottom + 16, 'text-anchor': 'middle'}, clock(minute)));
    }
    image.append(svg('rect', {x: plot.left, y: plot.top, width: plot.right - plot.left, height: plot.bottom - plot.top,
        fill: 'none', stroke: '#000', 'stroke-width': 0.8}));
    image.append(svg('text', {x: (plot.left + plot.right) / 2, y: plot.bottom + 34, 'text-anchor': 'middle'}, 'Čas [hod:min]'));
    image.append(svg('text', {x: 16, y: (plot.top + plot.bottom) / 2, 'text-anchor': 'middle',
        transform: `rotate(-90 16 ${(plot.top + plot.bottom) / 2})`}, 'Průtok [m³/s]'));
    // Every minute is a point; a path of a day's minutes stays small.
    for (const role of roles) {
        const values = hydrograph[role];
        let d = `M${x(0).toFixed(1)} ${y(0).toFixed(1)}`;
        for (let k = 0; k < values.length; ++k) {
            d += `L${x(k + 1).toFixed(1)} ${y(values[k]).toFixed(1)}`;
        }
        image.append(svg('path', {d, fill: 'none', stroke: colours[role], 'stroke-width': 1.4, 'data-series': role}));
    }
    const names = {catchment: 'Povodí', left: 'Levý svah', right: 'Pravý svah'};
    const legend = [...(hydrograph.designRain ? [['rain', 'Výpočtový déšť']] : []), ...roles.map((r) => [r, names[r]])];
    let at = width / 2 - legend.length * 65;
    for (const [role, name] of legend) {
        image.append(svg('rect', {x: at, y: height - 22, width: 18, height: role === 'rain' ? 10 : 3,
            fill: colours[role]}));
        image.append(svg('text', {x: at + 24, y: height - 14}, name));
        at += 130;
    }
    return image;
}
