#include "cliExit.h"

#include "cmcGTex.h"

#include <cstdio>

void cliExit::printMessage(void*, const QByteArray& text) {
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

int cliExit::usage() {
    printMessage(nullptr, cmcGTex::app().multiLineText("GI_Cli_Usage"));
    return Usage;
}
