// Which hydrograph the chart and the time series show: for Variant I the
// return period (index 1..5 = N 5..100, the tabs "N = 5" … "N = 100") and
// the hydrograph of the design rain or of the whole 1-day rainfall; Variants
// II and III have one. Both views follow one choice, as on the desktop.
export const RETURN_PERIODS = [5, 10, 20, 50, 100];
const KINDS = [
    {daily: false, text: 'Hydrogram TPV vyvolaný výpočtovým déštěm'},
    {daily: true, text: 'Hydrogram TPV vyvolaný H1dN'},
];

export function createChoice(app) {
    const listeners = [];
    const choice = {
        variantI: false,
        index: 1,
        daily: false,
        onChange: (listener) => listeners.push(listener),
        set(changes) {
            Object.assign(choice, changes);
            listeners.forEach((listener) => listener(choice));
        },
    };
    app.on('computed', (answer) => {
        if (answer.status === 'ok') {
            choice.set({variantI: answer.document.variant === 1, index: 1, daily: false});
        }
    });
    return choice;
}

// The chooser bar of a view: the return-period tabs and the hydrograph list.
export function chooserBar(choice) {
    const bar = document.createElement('div');
    bar.className = 'chooser';
    const tabs = document.createElement('div');
    tabs.className = 'periods';
    tabs.setAttribute('role', 'tablist');
    RETURN_PERIODS.forEach((years, i) => {
        const tab = document.createElement('button');
        tab.type = 'button';
        tab.setAttribute('role', 'tab');
        tab.dataset.index = String(i + 1);
        tab.textContent = `N = ${years}`;
        tab.addEventListener('click', () => choice.set({index: i + 1}));
        tabs.append(tab);
    });
    const kind = document.createElement('select');
    kind.className = 'hydrograph-kind';
    kind.setAttribute('aria-label', 'Hydrogram');
    KINDS.forEach(({text}, i) => kind.add(new Option(text, String(i))));
    kind.addEventListener('change', () => choice.set({daily: KINDS[kind.selectedIndex].daily}));
    bar.append(tabs, kind);
    const update = () => {
        bar.hidden = !choice.variantI;
        for (const tab of tabs.children) {
            tab.setAttribute('aria-selected', String(Number(tab.dataset.index) === choice.index));
        }
        kind.selectedIndex = choice.daily ? 1 : 0;
    };
    choice.onChange(update);
    update();
    return bar;
}
