#pragma once

#include "cmcPrompt.h"

#include <QList>
#include <deque>
#include <variant>

// Answers questions from a script given in advance and records everything it was asked, in
// order. A question beyond the script is recorded and answered Cancel (a file dialog: cancelled),
// so that an unexpected question can never go ahead by itself.
class cmcScriptPrompt : public cmcPrompt {
public:
    using Asked = std::variant<Message, FileDialog>;

    void answer(Answer answer) { script.emplace_back(answer); }
    // The empty string cancels the dialog.
    void choose(const QString& path) { script.emplace_back(path); }

    Answer message(const Message& message) override;
    QString chooseFile(const FileDialog& dialog) override;

    const QList<Asked>& asked() const { return log; }
    // The messages alone, for the common check of what was shown.
    QList<Message> messages() const;
    int unanswered() const { return overrun; }
    int scriptLeft() const { return static_cast<int>(script.size()); }

private:
    std::deque<std::variant<Answer, QString>> script;
    QList<Asked> log;
    int overrun = 0;
};
