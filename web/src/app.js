// The page's one state: the engine, the project being edited, its file name
// and the last computation, with the events the views listen to.
//
//   app.on('project', ({project, window}) => ...)   a project opened, created or edited
//   app.on('computed', (answer) => ...)             computeProject's answer (status ok / no-runoff)
//   app.on('cleared', () => ...)                    the results no longer belong to the project
//   app.status(text, kind)                          the status bar ('' | 'ok' | 'problem')
//   app.showView(name)                              'input' | 'tables' | 'chart' | 'series' | 'report'
export function createApp() {
    const listeners = new Map();
    const app = {
        engine: null,
        project: null,
        window: null,
        fileName: '',
        modified: false,
        computed: null,
        on(event, listener) {
            if (!listeners.has(event)) {
                listeners.set(event, []);
            }
            listeners.get(event).push(listener);
        },
        emit(event, payload) {
            for (const listener of listeners.get(event) ?? []) {
                listener(payload);
            }
        },
        status: () => {},
        showView: () => {},

        // A project replaces the one shown: its results are gone.
        setProject({project, window}, {fileName = app.fileName, modified = true} = {}) {
            app.project = project;
            app.window = window;
            app.fileName = fileName;
            app.modified = modified;
            if (app.computed) {
                app.computed = null;
                app.emit('cleared');
            }
            app.emit('project', {project, window});
        },

        // Computes the project as it stands (F9 / "Vypočítej"); the views
        // listen to 'computed'. Returns the answer, or null when nothing ran.
        async compute() {
            if (!app.engine || !app.project || !app.window?.computeEnabled) {
                return null;
            }
            app.status('Počítám…');
            const answer = await app.engine.computeProject(app.project, {decimalSeparator: ',', fileName: app.fileName});
            app.window = answer.window ?? app.window;
            if (answer.status === 'invalid') {
                app.status(answer.message, 'problem');
                return answer;
            }
            app.computed = answer;
            app.emit('computed', answer);
            app.status(answer.status === 'ok' ? `Spočítáno: ${app.fileName || 'nový projekt'}` : answer.message,
                answer.status === 'ok' ? 'ok' : 'problem');
            app.showView('tables');
            return answer;
        },
    };
    return app;
}
