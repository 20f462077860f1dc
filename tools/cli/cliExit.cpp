#include "cliExit.h"

#include <cstdio>

void cliExit::printMessage(void*, const QByteArray& text) {
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}
