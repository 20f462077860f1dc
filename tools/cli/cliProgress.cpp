#include "cliProgress.h"

#include "cmcCloneEstimate.h"
#include "cmcGTex.h"
#include "indCloneMan.h"

#include <cstdio>
#include <unistd.h>

cliProgress::cliProgress(indCloneMan& man, cmcPrompt& prompt)
    : manager(man), next(prompt), terminal(isatty(STDERR_FILENO) == 1) {
    timer.setInterval(IntervalMs);
    QObject::connect(&timer, &QTimer::timeout, [this] { refresh(); });
    if (terminal)
        manager.setProgressHook(onStarted, this);
}

cliProgress::~cliProgress() {
    if (terminal)
        manager.setProgressHook(nullptr, nullptr);
    endLine();
}

cmcPrompt::Answer cliProgress::message(const Message& message) {
    endLine();
    return next.message(message);
}

void cliProgress::onStarted(void* context) {
    static_cast<cliProgress*>(context)->started();
}

void cliProgress::started() {
    clock.start();
    shown.clear();
    lineOpen = true;
    refresh();
    timer.start();
}

void cliProgress::refresh() {
    if (!lineOpen)
        return;
    show(cmcCloneEstimate::percentText(manager.bytesDone(), manager.bytesTotal(), clock.elapsed(),
                                       cmcGTex::app()));
}

// Back to the start of the line; spaces cover what a longer line left behind.
void cliProgress::show(const QByteArray& text) {
    if (text == shown)
        return;
    const QByteArray line = '\r' + text.leftJustified(qMax(text.size(), shown.size()), ' ');
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
    shown = text;
}

void cliProgress::finish() {
    refresh();
    endLine();
}

void cliProgress::endLine() {
    timer.stop();
    if (!lineOpen)
        return;
    lineOpen = false;
    std::fputc('\n', stderr);
    std::fflush(stderr);
}
