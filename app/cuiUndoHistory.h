#pragma once

#include "datDocumentState.h"

#include <QUndoStack>
#include <functional>
#include <optional>

// The undo history of the window: every action that changed the document is one step, taken
// as whole snapshots around the place where actions are carried out. Actions that start
// inside another one belong to it; an action that changed nothing leaves no step.
class cuiUndoHistory {
public:
    static constexpr int Steps = 100;
    using Capture = std::function<datDocumentState()>;
    using Restore = std::function<void(const datDocumentState&)>;

    cuiUndoHistory(Capture capture, Restore restore);

    void begin();
    void end(const QString& name);
    // A new document starts a history of its own.
    void clear();

    QUndoStack& stack() { return steps; }

private:
    Capture capture;
    Restore restore;
    QUndoStack steps;
    std::optional<datDocumentState> before;
    int depth = 0;
};
