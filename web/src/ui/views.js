// The page's views, one shown at a time, chosen by the tabs under the toolbar
// (buttons whose data-view names a <section data-view> of the page).
export function mountViews(app) {
    const tabs = [...document.querySelectorAll('nav.views button[data-view]')];
    const sections = [...document.querySelectorAll('main > section[data-view]')];
    app.showView = (name) => {
        for (const tab of tabs) {
            tab.setAttribute('aria-selected', String(tab.dataset.view === name));
        }
        for (const section of sections) {
            section.hidden = section.dataset.view !== name;
        }
        document.body.dataset.view = name;
    };
    for (const tab of tabs) {
        tab.addEventListener('click', () => app.showView(tab.dataset.view));
    }
    // The result views have nothing to show before a computation.
    const results = tabs.filter((tab) => tab.dataset.needs === 'results');
    const enable = (on) => results.forEach((tab) => (tab.disabled = !on));
    enable(false);
    app.on('computed', (answer) => enable(answer.status === 'ok'));
    app.on('cleared', () => enable(false));
    app.showView('input');
}
