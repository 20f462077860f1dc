#include "cuiUndoStep.h"

cuiUndoStep::cuiUndoStep(const QString& name, datDocumentState stateBefore,
                         datDocumentState stateAfter, Restore restoreState)
    : QUndoCommand(name), before(std::move(stateBefore)), after(std::move(stateAfter)),
      restore(std::move(restoreState)) {}

void cuiUndoStep::redo() {
    if (recorded) {
        recorded = false;
        return;
    }
    restore(after);
}
