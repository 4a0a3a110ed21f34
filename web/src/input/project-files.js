// The project file commands: new, open (the button, Ctrl+O or a file dropped
// on the page), save (Ctrl+S) and save as. Where the browser lets the page
// write to a file (showSaveFilePicker), a project opened through its picker
// is saved back into that file and "Uložit jako…" asks for a file; elsewhere
// a save downloads the file, named as the project ("Uložit jako…" and an
// unnamed project ask for the name). A project with unsaved
// changes is not replaced or left without asking.
import {ask, showMessage} from '../ui/dialog.js';
import {askFileName} from './file-name.js';

const SaveChangesQuestion = 'Uložit provedené změny do projektu?';
const UnnamedProject = 'Nepojmenovaný projekt';
const FileTypes = [{description: 'Projektové soubory (*.snp)', accept: {'application/octet-stream': ['.snp']}}];

// Writes into a file the user chose; the browser swaps the file in on close,
// so an interrupted write leaves the old file whole.
async function writeFile(handle, bytes) {
    const writable = await handle.createWritable();
    try {
        await writable.write(bytes);
        await writable.close();
    } catch (error) {
        await writable.abort().catch(() => {});
        throw error;
    }
}

function download(bytes, name) {
    const url = URL.createObjectURL(new Blob([bytes], {type: 'application/octet-stream'}));
    const link = document.createElement('a');
    link.href = url;
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60_000);
}

const cancelled = (error) => error?.name === 'AbortError';

export function mountProjectFiles(app, editor, controls) {
    const {newButton, openButton, fileInput, saveButton, saveAsButton, nameLabel} = controls;
    const canPick = typeof globalThis.showSaveFilePicker === 'function';
    let handle = null; // the file the project was opened from or last saved into, where writable

    const showName = () => {
        nameLabel.textContent = app.fileName || UnnamedProject;
        nameLabel.toggleAttribute('data-modified', app.modified);
        document.title = `${app.fileName || UnnamedProject} – Hydrim`;
    };
    app.on('project', showName);

    const saved = (name, newHandle) => {
        handle = newHandle;
        app.fileName = name;
        app.modified = false;
        showName();
        app.status(`Uloženo: ${name}`, 'ok');
        return true;
    };

    // Returns whether the project is now in a file; a save the user cancels
    // or that fails leaves the project modified.
    const save = async (asNew) => {
        await editor.finishTyped();
        try {
            const bytes = await app.engine.saveProject(app.project);
            if (!canPick) {
                const name = asNew || !app.fileName ? await askFileName(app.fileName || 'projekt.snp') : app.fileName;
                if (!name) {
                    return false;
                }
                download(bytes, name);
                return saved(name, null);
            }
            let target = asNew ? null : handle;
            if (!target) {
                const suggestedName = app.fileName || 'projekt.snp';
                target = await globalThis.showSaveFilePicker({suggestedName, types: FileTypes});
            }
            await writeFile(target, bytes);
            return saved(target.name, target);
        } catch (error) {
            if (!cancelled(error)) {
                await showMessage(`Projekt se nepodařilo uložit: ${error.message}`, {title: 'Chyba', kind: 'error'});
            }
            return false;
        }
    };

    // Whether the project shown may be replaced: not modified, saved, or the user says so.
    const mayReplace = async () => {
        if (!app.modified) {
            return true;
        }
        const answer = await ask(SaveChangesQuestion, ['Ano', 'Ne', 'Storno'], {title: '', kind: 'question'});
        return answer === 'Ne' || (answer === 'Ano' && (await save(false)));
    };

    const replace = (answer, fileName, newHandle) => {
        editor.forget();
        handle = newHandle;
        app.setProject(answer, {fileName, modified: answer.modified ?? false});
    };

    const newProject = async () => {
        await editor.finishTyped();
        if (await mayReplace()) {
            replace(await app.engine.newProject(), '', null);
            app.status('Nový projekt.');
        }
    };

    // The file is read and checked first: a file that is no project changes nothing.
    const openFile = async (file, fileHandle = null) => {
        let opened;
        try {
            opened = await app.engine.openProject(new Uint8Array(await file.arrayBuffer()), file.name);
        } catch (error) {
            app.status(error.message, 'problem');
            await showMessage(error.message, {title: 'Chyba', kind: 'error'});
            return;
        }
        await editor.finishTyped();
        if (!(await mayReplace())) {
            return;
        }
        replace(opened, file.name, fileHandle);
        app.status(`Otevřeno: ${file.name}`);
        if (opened.notice) {
            await showMessage(opened.notice, {title: 'Upozornění'});
        }
    };

    const open = async () => {
        if (typeof globalThis.showOpenFilePicker !== 'function') {
            fileInput.click();
            return;
        }
        let picked = null;
        let file;
        try {
            [picked] = await globalThis.showOpenFilePicker({types: FileTypes});
            file = await picked.getFile();
        } catch (error) {
            if (picked) {
                app.status(error.message, 'problem');
            } else if (!cancelled(error)) {
                fileInput.click(); // a page the browser does not let pick files opens them as a plain page does
            }
            return;
        }
        await openFile(file, picked);
    };

    const ready = (command) => () => app.engine && app.project && command();
    newButton.addEventListener('click', ready(newProject));
    openButton.addEventListener('click', (event) => {
        event.preventDefault();
        if (app.engine) {
            open();
        }
    });
    saveButton.addEventListener('click', ready(() => save(false)));
    saveAsButton.addEventListener('click', ready(() => save(true)));
    fileInput.addEventListener('change', () => {
        const [file] = fileInput.files;
        fileInput.value = '';
        if (file && app.engine) {
            openFile(file);
        }
    });
    document.addEventListener('dragover', (event) => event.preventDefault());
    document.addEventListener('drop', (event) => {
        event.preventDefault();
        const [file] = event.dataTransfer.files;
        if (file && app.engine) {
            openFile(file);
        }
    });
    document.addEventListener('keydown', (event) => {
        const command = {o: open, s: () => save(event.shiftKey)}[event.key.toLowerCase()];
        if ((event.ctrlKey || event.metaKey) && !event.altKey && command && app.project) {
            event.preventDefault();
            command();
        }
    });
    // Leaving the page with unsaved changes: the browser asks.
    window.addEventListener('beforeunload', (event) => {
        if (app.modified) {
            event.preventDefault();
            event.returnValue = '';
        }
    });

    // The page starts with a new project.
    app.on('engine', async (engine) => {
        if (!app.project) {
            replace(await engine.newProject(), '', null);
        }
    });
    return {newProject, open, save};
}
