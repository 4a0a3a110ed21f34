// A rectangle of selected cells, chosen as in a grid of the desktop: a
// press selects one cell, dragging or a press with Shift extends the
// rectangle from the first cell; the arrow keys move the current cell and,
// with Shift, extend the rectangle. Cells are found by the data-row and
// data-col of the element under the pointer (or its ancestor); `bounds()`
// gives the rows {first, last} and the columns (in order) that can be chosen.
export function cellOf(target) {
    const cell = target?.closest?.('[data-row][data-col]');
    return cell ? {row: Number(cell.dataset.row), col: Number(cell.dataset.col)} : null;
}

const STEPS = {ArrowUp: [-1, 0], ArrowDown: [1, 0], ArrowLeft: [0, -1], ArrowRight: [0, 1]};

export function trackSelection(container, onChange, bounds) {
    let anchor = null;
    let current = null;
    let dragging = false;
    const state = {rect: null};
    const select = (from, to) => {
        current = to;
        state.rect = {left: Math.min(from.col, to.col), right: Math.max(from.col, to.col),
            top: Math.min(from.row, to.row), bottom: Math.max(from.row, to.row)};
        onChange(state.rect, current);
    };
    container.addEventListener('mousedown', (event) => {
        const cell = cellOf(event.target);
        if (event.button !== 0 || !cell) {
            return;
        }
        event.preventDefault();
        container.focus({preventScroll: true});
        if (!(event.shiftKey && anchor)) {
            anchor = cell;
        }
        dragging = true;
        select(anchor, cell);
    });
    container.addEventListener('mousemove', (event) => {
        const cell = dragging && cellOf(event.target);
        if (cell) {
            select(anchor, cell);
        }
    });
    window.addEventListener('mouseup', () => (dragging = false));
    container.addEventListener('keydown', (event) => {
        const step = STEPS[event.key];
        if (!step || !current || event.ctrlKey || event.altKey || event.metaKey) {
            return;
        }
        event.preventDefault();
        const {first, last, columns} = bounds();
        const at = columns.indexOf(current.col) + step[1];
        const cell = {row: Math.min(Math.max(current.row + step[0], first), last),
            col: columns[Math.min(Math.max(at, 0), columns.length - 1)]};
        if (!event.shiftKey) {
            anchor = cell;
        }
        select(anchor, cell);
    });
    state.clear = () => {
        anchor = current = null;
        state.rect = null;
        onChange(null, null);
    };
    return state;
}

export const inRect = (rect, row, col) =>
    rect !== null && row >= rect.top && row <= rect.bottom && col >= rect.left && col <= rect.right;
