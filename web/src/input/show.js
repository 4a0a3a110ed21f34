// Shows a project and its window state in the input form: the texts and
// chosen items, the groups and rows the type and variant need, the tooltips,
// the fields that keep the project from being computed, and the status line.
import {ListHints} from './layout.js';

const NumberFields = [5, 6, 8, 9, 10, 11, 12, 14, 15, 16, 17, 18, 19, 21, 22, 23, 24, 25, 26];

// A text written into a field keeps the caret where it was when the field
// has the focus and its text changes from elsewhere (a lookup dialog).
function setText(field, text) {
    if (field.value === text) {
        return;
    }
    const focused = document.activeElement === field;
    const caret = field.selectionStart;
    field.value = text;
    if (focused) {
        const at = Math.min(caret ?? text.length, text.length);
        field.setSelectionRange(at, at);
    }
}

// Item -1 is "nothing chosen": the list's placeholder, or no item at all.
function setItem(select, item) {
    if (select.querySelector(`option[value="${item}"]`)) {
        select.value = String(item);
    } else {
        select.selectedIndex = -1;
    }
}

function markProblem(control, hint, problem) {
    control.title = problem ? (hint ? `${problem}\n\n${hint}` : problem) : hint;
    control.toggleAttribute('data-problem', Boolean(problem));
}

// A control whose change is still on its way to the engine keeps what it shows.
function showValues(refs, project) {
    const show = (control, set, value) => !refs.busy?.(control) && set(control, value);
    show(refs.edits[0], setText, project.description.join('\n'));
    for (const k of [1, 2, 3, 4, ...NumberFields]) {
        show(refs.edits[k], setText, project.edit[k] ?? '');
    }
    const items =
        [project.catchmentType, project.variant, project.returnPeriodItem, project.cnTypeItemL, project.cnTypeItemR];
    items.forEach((item, i) => show(refs.lists[i + 1], setItem, item));
}

function showGroups(refs, project, shown) {
    const edits = new Set(shown.edits);
    refs.variantGroup.hidden = !shown.variant;
    refs.catchment.hidden = !shown.catchment;
    refs.slopes.hidden = !shown.catchment;
    const twoSlopes = project.catchmentType === 1;
    refs.slopes.querySelector('legend').textContent = twoSlopes ? 'Dva svahy' : 'Jeden svah';
    refs.leftCaption.textContent = twoSlopes ? 'Levý' : '';
    refs.rightCaption.hidden = !shown.rightSlope;
    const showRow = (key, visible) => refs.rows[key].forEach((element) => (element.hidden = !visible));
    for (const k of [5, 6, 8, 9, 24, 25, 26]) {
        showRow(k, edits.has(k));
    }
    showRow('list3', shown.returnPeriod);
    for (let i = 0; i < 7; ++i) {
        const [, left, right] = refs.rows[`slope${i}`];
        showRow(`slope${i}`, i === 3 || edits.has(10 + i));
        right.hidden = !shown.rightSlope || !(i === 3 || edits.has(17 + i));
        // The rain of both slopes is one (duration, intensity): its field spans both columns.
        left.style.gridColumn = shown.rightSlope && right.hidden ? '2 / span 2' : '2';
    }
    refs.rows[8][0].querySelector('.second').textContent =
        project.variant === 0 ? 'úhrn pro N = 5 [mm]' : 'úhrn pro N [mm]';
    refs.stations.hidden = !shown.rainfallButton;
    refs.stations.disabled = project.returnPeriodItem < 0;
    refs.compute.hidden = !shown.computeButton;
}

function showProblems(refs, window) {
    const byEdit = new Map();
    const byList = new Map();
    for (const problem of window.problems) {
        const [map, key] = problem.edit ? [byEdit, problem.edit] : [byList, problem.comboBox];
        map.set(key, map.has(key) ? `${map.get(key)}\n${problem.text}` : problem.text);
    }
    for (const k of NumberFields) {
        markProblem(refs.edits[k], window.tooltips[k] ?? '', byEdit.get(k));
    }
    for (let n = 1; n <= 5; ++n) {
        markProblem(refs.lists[n], ListHints[n], byList.get(n));
    }
}

// The status line: what keeps the project from being computed, or that it is complete.
export function inputStatus(window) {
    if (window.computeEnabled) {
        return 'Vstupní údaje jsou úplné: výpočet spustí tlačítko „Vypočítej“ nebo F9.';
    }
    const [first, ...others] = window.problems;
    if (!first) {
        return 'Vstupní údaje nejsou úplné.';
    }
    return `Výpočet zatím nelze spustit – ${first.text}${others.length ? ` (a další: ${others.length})` : ''}`;
}

export function showProject(refs, {project, window}) {
    showValues(refs, project);
    showGroups(refs, project, window.shown);
    showProblems(refs, window);
    refs.compute.disabled = !window.computeEnabled;
    refs.form.dataset.computeEnabled = String(window.computeEnabled);
}
