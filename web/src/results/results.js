// The result views of a computation: the tables, the hydrograph chart and
// the time series, the last two following one choice of hydrograph.
import {mountChart} from './chart.js';
import {createChoice} from './choice.js';
import {mountSeries} from './series.js';
import {mountTables} from './tables.js';

export function mountResults(app) {
    const section = (name) => document.querySelector(`section[data-view="${name}"]`);
    const choice = createChoice(app);
    mountTables(app, section('tables'));
    mountChart(app, section('chart'), choice);
    mountSeries(app, section('series'), choice);
}
