#include "cmcTask.h"

cmcTask* cmcTask::create() {
    return new cmcTask;
}

cmcTask::cmcTask() {
    QObject::connect(&timer, &QTimer::timeout, [this] { tick(); });
}

void cmcTask::setCallback(Callback newCallback, void* newContext) {
    callback = newCallback;
    context = newContext;
}

void cmcTask::setInterval(int milliseconds) {
    lastInterval = milliseconds;
    if (milliseconds < 0) {
        timer.stop();
        return;
    }
    timer.start(milliseconds == 0 ? 1 : milliseconds);
}

void cmcTask::requestDeletion() {
    if (busy) {
        deletionRequested = true;
        timer.stop();
        return;
    }
    delete this;
}

void cmcTask::tick() {
    if (deletionRequested) {
        delete this;
        return;
    }
    if (busy || !callback)
        return;
    busy = true;
    callback(context, this);
    busy = false;
    if (deletionRequested)
        delete this;
}
