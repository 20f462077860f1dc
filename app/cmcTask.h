#pragma once

#include <QTimer>

// A toolkit timer with one guarded callback. A tick that arrives while the callback is still
// running (a message box inside it runs the message loop) is ignored, and a task whose deletion
// is requested from inside its own callback goes away only when the callback returns.
class cmcTask {
public:
    using Callback = void (*)(void* context, cmcTask* task);

    // Tasks end through requestDeletion(), which must be able to delete them.
    static cmcTask* create();

    void setCallback(Callback callback, void* context);
    // Negative stops the timer, 0 fires as often as possible, positive is the period in ms.
    void setInterval(int milliseconds);
    int interval() const { return lastInterval; }
    bool isBusy() const { return busy; }
    // Deletes the task now, or when its running callback returns. The pointer is dead after.
    void requestDeletion();

private:
    cmcTask();
    ~cmcTask() = default;
    void tick();

    QTimer timer;
    Callback callback = nullptr;
    void* context = nullptr;
    bool busy = false;
    bool deletionRequested = false;
    int lastInterval = -1;
};
