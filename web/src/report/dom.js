// Small helpers to build the report's elements.
export function el(tag, attributes = {}, ...children) {
    const element = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes)) {
        if (name === 'class') {
            element.className = value;
        } else {
            element.setAttribute(name, value);
        }
    }
    element.append(...children.flat(Infinity).filter((child) => child !== null && child !== undefined));
    return element;
}

// Text runs of the engine (lowered "sub", raised "sup") as inline elements.
export function runNodes(runs) {
    return runs.map((run) => (run.sub ? el('sub', {}, run.text) : run.sup ? el('sup', {}, run.text) : run.text));
}
