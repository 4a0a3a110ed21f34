// The hydrograph chart: the catchment and, with two slopes, both slopes
// against the time since the start of the rain; the design rain hanging from
// the top on the inverted intensity axis on the right (only for the
// design-rain hydrograph); the scales the engine opens it with. Dragging a
// rectangle zooms both axes; "Celý hydrogram" shows the whole hydrograph.
import uPlot from 'uplot';

import {chooserBar} from './choice.js';
import {showWarnings} from './warnings.js';

const RAIN = 'rgb(204, 255, 255)';
const LINES = {
    one: [{key: 'catchment', label: 'Povodí  ', stroke: 'red'}],
    two: [
        {key: 'left', label: 'Levý svah ', stroke: 'blue'},
        {key: 'right', label: 'Pravý svah', stroke: 'rgb(0, 160, 0)'},
        {key: 'catchment', label: 'Povodí', stroke: 'red'},
    ],
};
// Clock-friendly steps of the time axis [min], round steps of the value axes.
const MINUTE_STEPS = [1, 2, 5, 10, 15, 20, 30, 60, 120, 180, 240, 360, 720, 1440, 2880, 10080];
const VALUE_STEPS = [];
for (let power = -4; power <= 6; ++power) {
    VALUE_STEPS.push(...[1, 2, 2.5, 5].map((factor) => Number((factor * 10 ** power).toPrecision(3))));
}

// "hh:mm" of the time elapsed at a minute, hours running on past a day.
const clock = (minute) => `${String(Math.floor(minute / 60)).padStart(2, '0')}:${String(minute % 60).padStart(2, '0')}`;
// Decimals that print multiples of a step exactly (2,5 needs one more than 2).
function decimalsOf(step) {
    let decimals = 0;
    const scaled = () => step * 10 ** decimals;
    while (decimals < 6 && Math.abs(scaled() - Math.round(scaled())) > 1e-9 * 10 ** decimals) {
        ++decimals;
    }
    return decimals;
}
const tickLabels = (u, splits, axis, space, step) =>
    splits.map((value) => value.toFixed(decimalsOf(step)).replace('.', ','));

function chartOptions(hydrograph, size, onSelect) {
    const lines = hydrograph.twoSlopes ? LINES.two : LINES.one;
    const series = [{label: 'Čas'}];
    const axes = [
        {label: 'Čas [hod:min]', incrs: MINUTE_STEPS, space: 60, values: (u, splits) => splits.map(clock)},
        {label: 'Průtok [m³.s⁻¹]', scale: 'y', incrs: VALUE_STEPS, values: tickLabels,
            grid: {stroke: '#ccc', dash: [4, 4], width: 1}},
    ];
    const scales = {x: {time: false, auto: false}, y: {auto: false}};
    if (hydrograph.designRain) {
        series.push({label: 'Výpočtový déšť', scale: 'rain', stroke: RAIN, fill: RAIN, width: 1, fillTo: 0,
            paths: uPlot.paths.stepped({align: 1}), points: {show: false}});
        axes.push({label: 'Intenzita deště [mm.min⁻¹]', scale: 'rain', side: 1, incrs: VALUE_STEPS,
            values: tickLabels, grid: {show: false}});
        scales.rain = {auto: false, dir: -1, range: () => [0, hydrograph.intensityAxisMaximum]};
    }
    series.push(...lines.map(({label, stroke}) => ({label, stroke, width: 2, points: {show: false}})));
    return {
        ...size,
        series,
        axes,
        scales,
        legend: {live: false},
        cursor: {drag: {x: true, y: true, uni: 20, setScale: false}, points: {show: false}},
        hooks: {setSelect: [onSelect]},
    };
}

function chartData(hydrograph) {
    const minutes = Float64Array.from({length: hydrograph.length}, (_, k) => k);
    const data = [minutes];
    if (hydrograph.designRain) {
        data.push(Array.from(minutes, (k) => (k <= hydrograph.rainDuration ? hydrograph.rainIntensity : null)));
    }
    const lines = hydrograph.twoSlopes ? LINES.two : LINES.one;
    data.push(...lines.map(({key}) => hydrograph[key]));
    return data;
}

export function mountChart(app, section, choice) {
    section.innerHTML = `<div class="chart-tools"><button type="button" class="whole">Celý hydrogram</button></div>
<h2 class="chart-title"></h2><p class="chart-caption"><span class="caption"></span> <span class="period"></span></p>
<div class="chart"></div><div class="chart-warnings" hidden></div>`;
    section.prepend(chooserBar(choice));
    const box = section.querySelector('.chart');
    let plot = null;
    let shown = null;
    let request = 0;

    const record = () => {
        box.dataset.xMin = String(plot.scales.x.min);
        box.dataset.xMax = String(plot.scales.x.max);
        box.dataset.yMax = String(plot.scales.y.max);
    };
    const view = ({xMin = 0, xMax, yMin = 0, yMax}) => {
        plot.batch(() => {
            plot.setScale('x', {min: xMin, max: xMax});
            plot.setScale('y', {min: yMin, max: yMax});
        });
        record();
    };
    // A rectangle dragged on the plot becomes the view (a flat one zooms the time axis only, a narrow one
    // the discharge axis only).
    const zoom = (u) => {
        const {left, top, width, height} = u.select;
        u.setSelect({left: 0, top: 0, width: 0, height: 0}, false);
        if (width < 2 && height < 2) {
            return;
        }
        const x = width >= 2 ? [u.posToVal(left, 'x'), u.posToVal(left + width, 'x')] : [u.scales.x.min, u.scales.x.max];
        const y = height >= 2 ? [u.posToVal(top + height, 'y'), u.posToVal(top, 'y')] : [u.scales.y.min, u.scales.y.max];
        view({xMin: x[0], xMax: x[1], yMin: y[0], yMax: y[1]});
    };
    const size = () => ({width: Math.max(box.clientWidth, 400),
        height: Math.max(260, Math.min(560, window.innerHeight - box.getBoundingClientRect().top - 110))});

    const draw = async () => {
        const asked = ++request;
        const hydrograph = await app.engine.hydrograph({index: choice.index, daily: choice.daily});
        if (asked !== request) {
            return;
        }
        shown = hydrograph;
        plot?.destroy();
        plot = new uPlot(chartOptions(hydrograph, size(), zoom), chartData(hydrograph), box);
        box.plot = plot; // for the page's tests: positions on the plot
        view({xMax: hydrograph.firstViewMinutes, yMax: hydrograph.dischargeAxisMaximum});
        section.querySelector('.chart-title').textContent = hydrograph.title;
        section.querySelector('.chart-title').hidden = hydrograph.title === '';
        section.querySelector('.caption').textContent = hydrograph.caption;
        section.querySelector('.period').textContent = hydrograph.periodCaption;
        showWarnings(section.querySelector('.chart-warnings'), hydrograph.warnings);
        box.dataset.series = String(hydrograph.twoSlopes ? 3 : 1);
        box.dataset.rainBand = String(hydrograph.designRain);
        box.dataset.drawn = `${hydrograph.returnPeriod}-${hydrograph.designRain ? 'rain' : 'daily'}`;
    };

    section.querySelector('.whole').addEventListener('click', () => {
        if (plot) {
            view({xMax: Math.max(shown.length - 1, 1), yMax: shown.dischargeAxisMaximum});
        }
    });
    new ResizeObserver(() => {
        if (plot && box.clientWidth > 0) {
            plot.setSize(size());
        }
    }).observe(box);
    const failed = (error) => app.status(error.message, 'problem');
    choice.onChange(() => app.computed?.status === 'ok' && draw().catch(failed));
    app.on('cleared', () => {
        ++request;
        plot?.destroy();
        plot = null;
        delete box.dataset.drawn;
    });
}
