#pragma once

#include "cmcPrompt.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QTimer>

class indCloneMan;

// The one-line progress of a read or write on standard error, rewritten in place, while
// standard error is a terminal; nothing at all otherwise, so that logs and pipes stay clean.
// It stands in front of the command's prompt, so that a message never lands on the end of a
// progress line.
class cliProgress : public cmcPrompt {
public:
    cliProgress(indCloneMan& manager, cmcPrompt& prompt);
    ~cliProgress() override;
    cliProgress(const cliProgress&) = delete;
    cliProgress& operator=(const cliProgress&) = delete;

    Answer message(const Message& message) override;
    QString chooseFile(const FileDialog& dialog) override { return next.chooseFile(dialog); }

    // Shows the final state and ends the line, once the session is over.
    void finish();

    static constexpr int IntervalMs = 200;

private:
    static void onStarted(void* context);
    void started();
    void refresh();
    void show(const QByteArray& text);
    void endLine();

    indCloneMan& manager;
    cmcPrompt& next;
    const bool terminal;
    QTimer timer;
    QElapsedTimer clock;
    QByteArray shown;
    bool lineOpen = false;
};
