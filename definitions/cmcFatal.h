#pragma once

#include <QByteArray>

// Ends the program over a defect of the built-in data or an internal index error. The text is
// shown through the installed handler (a message box in the desktop program, standard error
// elsewhere) and the process ends with exit status 3; nothing is recovered.
class cmcFatal {
public:
    using Handler = void (*)(const QByteArray& text);

    [[noreturn]] static void stop(const QByteArray& text);
    // The handler shows the text; it must return so that the program can end afterwards.
    static void setHandler(Handler handler);

    static constexpr int ExitStatus = 3;
};
