#include "cuiUndoHistory.h"

#include "cuiUndoStep.h"

cuiUndoHistory::cuiUndoHistory(Capture captureState, Restore restoreState)
    : capture(std::move(captureState)), restore(std::move(restoreState)) {
    steps.setUndoLimit(Steps);
}

void cuiUndoHistory::begin() {
    if (depth++ == 0)
        before = capture();
}

void cuiUndoHistory::end(const QString& name) {
    if (depth == 0 || --depth > 0 || !before)
        return;
    datDocumentState after = capture();
    if (!(after == *before))
        steps.push(new cuiUndoStep(name, std::move(*before), std::move(after), restore));
    before.reset();
}

// A clear in the middle of an action drops what it had taken, so the new document's first
// action is not recorded against the old one.
void cuiUndoHistory::clear() {
    steps.clear();
    before.reset();
}
