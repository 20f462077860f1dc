#pragma once

#include "datDocumentState.h"

#include <QUndoCommand>
#include <functional>

// One change of the document: the state before and after it, both whole.
class cuiUndoStep : public QUndoCommand {
public:
    using Restore = std::function<void(const datDocumentState&)>;

    cuiUndoStep(const QString& name, datDocumentState before, datDocumentState after,
                Restore restore);

    void undo() override { restore(before); }
    void redo() override;

private:
    datDocumentState before;
    datDocumentState after;
    Restore restore;
    // The change itself has been made when the step is recorded.
    bool recorded = true;
};
