#pragma once

#include "cliProgress.h"
#include "cliPrompt.h"
#include "cmcEvMan.h"
#include "indCloneMan.h"
#include "indCloneSession.h"
#include "indDestination.h"
#include "indDocument.h"
#include "indEnviron.h"

#include <QCoreApplication>
#include <QStringList>
#include <memory>
#include <optional>

// What the clone commands share: the user's settings (read, never written back), the device the
// port opens, the events, the document and a clone session on them, and the loop that runs the
// session to its end.
class cliClone {
public:
    struct Options {
        int port = 1;
        QByteArray device;
        bool highSpeed = false;
        bool yes = false;
        QStringList positional;
    };
    // --port N or --device PATH, one of them; the flags the command allows.
    static std::optional<Options> parse(const QStringList& arguments, bool allowHighSpeed,
                                        bool allowYes, int positionalCount);

    // The file's destination with the option flags of the user's settings, which a write
    // would start from before the receiver answers.
    static indDestination userBandPlan(int destination);

    cliClone(const Options& options, cliPrompt::Command command);
    ~cliClone();
    cliClone(const cliClone&) = delete;
    cliClone& operator=(const cliClone&) = delete;

    indEnviron& settings() { return *environ; }
    indDocument& document() { return *doc; }
    indCloneMan& manager() { return man; }
    // Starts a session command and runs the loop until it ends; returns the exit status.
    int run(bool (indCloneSession::*start)());
    // Runs the loop until the manager is idle.
    void waitIdle();

    static constexpr int SettingErrors = 18;
    static constexpr int Declined = 19;

private:
    static indEnviron::Places places();
    static QByteArray deviceOf(void* context, int port);

    std::unique_ptr<QCoreApplication> application;
    Options options;
    std::unique_ptr<indEnviron> environ;
    cmcEvMan events;
    cliPrompt prompt;
    std::unique_ptr<indDocument> doc;
    indCloneMan man;
    // In front of the prompt: a read or write shows its progress on a terminal.
    cliProgress progress{man, prompt};
    std::unique_ptr<indCloneSession> session;
};
