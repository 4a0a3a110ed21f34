// Values a dialog inserts into the project: written into the fields as the
// program writes them (not typed), then each field left as the input window
// leaves it, its corrections announced in one message.
import {showMessage} from '../ui/dialog.js';

// Slope 'left' (or the only slope) / 'right': the index of the lookup arrays
// and the fields of the slope.
export const slopeIndex = (slope) => (slope === 'right' ? 0 : 1);
export const slopeFields = (slope) => (slope === 'right'
    ? {area: 17, roughness: 19, curveNumber: 21, curveType: 5}
    : {area: 10, roughness: 12, curveNumber: 14, curveType: 4});

// One message for the corrections of the fields left, as the input window
// shows them: the first step's message, the details one below another.
function leaveMessage(steps, warnings) {
    const told = steps.filter((step) => step.message);
    if (!told.length) {
        return warnings.length ? {text: warnings.join('\n\n'), detail: ''} : null;
    }
    const first = told[0].message;
    const detail = told.map((step) => (step.message === first ? step.detail : `${step.message}\n${step.detail}`))
        .filter(Boolean).join('\n');
    return {text: first, detail};
}

// values: [[k, text], ...] in the order they are written; description: a line
// to append to the project description. Returns the new {project, window}.
export async function writeFields(app, project, values, {description} = {}) {
    const engine = app.engine;
    let answer = {project, window: app.window};
    for (const [k, text] of values) {
        answer = await engine.editField(answer.project, k, text, {typed: false});
    }
    if (description !== undefined) {
        const lines = [...answer.project.description, description];
        answer = await engine.editField(answer.project, 0, lines.join('\n'), {typed: false});
    }
    const steps = [];
    const warnings = [];
    for (const k of new Set(values.map(([k]) => k))) {
        const left = await engine.leaveField(answer.project, k);
        answer = left;
        steps.push(...left.steps);
        if (left.warning && !warnings.includes(left.warning)) {
            warnings.push(left.warning);
        }
    }
    app.setProject({project: answer.project, window: answer.window});
    const message = leaveMessage(steps, warnings);
    if (message) {
        await showMessage(message.text, {title: 'Upozornění', detail: message.detail});
    }
    return answer;
}
