// The main numbers of a computation: a first view of the results until the
// result tables take its place.
const czech = (value, decimals) => value.toFixed(decimals).replace('.', ',');

function summaryRows(document) {
    const r = document.results;
    if (document.variant === 1) {
        return [5, 10, 20, 50, 100].map((n, i) => [String(n), String(r.RainDurationC[i]),
            czech(r.RainIntensityC[i], 4), czech(r.RainDepthL[i], 2), czech(r.PeakDischargeC[i], 3), czech(r.VolumeC[i], 1)]);
    }
    return [['–', String(r.RainDuration), czech(r.RainIntensity, 4), czech(r.DesignDepthL, 2),
        czech(r.DesignPeakC, 3), czech(r.DesignVolumeC, 1)]];
}

export function mountSummary(app, section) {
    section.innerHTML = `<p>Plocha povodí: <strong id="area"></strong> km²</p>
<table id="summary"><thead><tr><th>N [roky]</th><th>déšť [min]</th><th>i [mm/min]</th><th>H [mm]</th>
<th>Q<sub>max</sub> [m³/s]</th><th>V [m³]</th></tr></thead><tbody></tbody></table>
<div id="warnings-box" class="warnings" hidden><h2>Upozornění</h2><ul id="warnings"></ul></div>`;
    app.on('computed', ({document, status}) => {
        if (status !== 'ok') {
            return;
        }
        section.querySelector('#area').textContent = czech(document.results.TotalArea, 3);
        const body = section.querySelector('#summary').tBodies[0];
        body.replaceChildren();
        for (const row of summaryRows(document)) {
            const tr = body.insertRow();
            row.forEach((text) => (tr.insertCell().textContent = text));
        }
        const list = section.querySelector('#warnings');
        list.replaceChildren(...document.warnings.map((w) => Object.assign(globalThis.document.createElement('li'),
            {textContent: w.message})));
        section.querySelector('#warnings-box').hidden = document.warnings.length === 0;
    });
}
