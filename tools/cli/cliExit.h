#pragma once

#include "cmcKcfDocument.h"

#include <QByteArray>

// Exit statuses of mavik-cli, and the messages it prints to standard error instead of showing
// them in a message box.
class cliExit {
public:
    static constexpr int Success = 0;
    static constexpr int Usage = 64;

    // 20 + the clone file error code; 0 stays 0.
    static int fromFileError(int code) { return code == 0 ? Success : 20 + code; }

    // Prints the usage text and gives the usage exit status.
    static int usage();
    static void printMessage(void* context, const QByteArray& text);
    static cmcKcfDocument::Messages fileMessages() { return {printMessage, nullptr}; }
};
