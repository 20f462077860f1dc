#include "cmcFatal.h"

#include <cstdio>
#include <cstdlib>

namespace {

void printToStandardError(const QByteArray& text) {
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

cmcFatal::Handler currentHandler = printToStandardError;

} // namespace

void cmcFatal::stop(const QByteArray& text) {
    currentHandler(text);
    std::_Exit(ExitStatus);
}

void cmcFatal::setHandler(Handler handler) {
    currentHandler = handler ? handler : printToStandardError;
}
