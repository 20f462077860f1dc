#pragma once

#include "cmcPrompt.h"

// The command line's answers to the program's questions: every text goes to standard error,
// and a question is answered from the command's flags, never from the terminal. A question that
// only --yes may answer is declined without it, and the command then ends with its own status.
class cliPrompt : public cmcPrompt {
public:
    enum class Command { Info, Read, Write };

    cliPrompt(Command command, bool yes) : command(command), yes(yes) {}

    Answer message(const Message& message) override;
    QString chooseFile(const FileDialog&) override { return {}; }

    bool declined() const { return refused; }

private:
    Answer answer(const QByteArray& text);

    Command command;
    bool yes;
    bool refused = false;
};
