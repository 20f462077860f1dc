#pragma once

#include <QByteArray>
#include <QString>

// Every question and message to the user goes through this interface, so that no core function
// opens a window: the desktop program shows dialogs, the command line answers from its flags and
// tests answer from a script. Texts are definition table bytes; file names are QStrings.
class cmcPrompt {
public:
    enum Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum Answer { AnswerOk, AnswerCancel, AnswerYes, AnswerNo };
    enum Icon { NoIcon, Information, Exclamation, Question, Stop };

    struct Message {
        QByteArray caption;
        QByteArray text;
        Buttons buttons = Ok;
        Answer defaultAnswer = AnswerOk;
        Icon icon = NoIcon;
    };

    struct FileDialog {
        enum Kind { Open, Save };
        Kind kind = Open;
        // Extension without the dot, added to a name typed without one.
        QByteArray defaultSuffix;
        // The definition table's form: "Label|*.x|Label|*.*".
        QByteArray filter;
        QString directory;
        // Proposed file name of a save dialog.
        QString fileName;
        // Open: the file must exist. Save: ask before replacing an existing file.
        bool mustExist = true;
        bool confirmOverwrite = true;
    };

    virtual ~cmcPrompt() = default;

    virtual Answer message(const Message& message) = 0;
    // The chosen full path, or the empty string when the dialog was cancelled.
    virtual QString chooseFile(const FileDialog& dialog) = 0;

    // The prompt of the running program, for the layers that report their own failures.
    // Until one is installed, messages go to standard error and are answered by their default
    // button, and file dialogs are cancelled.
    static cmcPrompt& app();
    static void install(cmcPrompt* prompt);

    // A message box with the application title as caption.
    static Message titled(const QByteArray& text, Buttons buttons, Answer defaultAnswer, Icon icon);
};
