// mavik-sim: a virtual receiver on a pseudo-terminal, for trying the program and for tests.

#include "MemoryMap.h"
#include "cmcDefaultImages.h"
#include "cmcGTex.h"
#include "cmcKcfDocument.h"
#include "simLine.h"
#include "simOptions.h"
#include "simServer.h"

#include <csignal>
#include <cstdio>

namespace {

constexpr int UsageError = 64;
constexpr int FileErrorBase = 20;
constexpr int LineError = 71;
constexpr int LinkError = 73;

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) {
    stopRequested = 1;
}

void printMessage(void*, const QByteArray& text) {
    std::fprintf(stderr, "%s\n", text.constData());
}

// The memory and destination the receiver starts with; a file error code on failure.
int startingMemory(const simOptions& options, cmcEeprom& memory, int& destination) {
    memory.resize(mm::ImageSize);
    if (options.image.isEmpty()) {
        destination = options.destination.value_or(cmcDefaultImages::Fallback);
        memory.writeBlock(0, cmcDefaultImages::image(destination).bytes(), mm::ReceiverSize);
        return 0;
    }
    const int code = cmcKcfDocument::open(QString::fromLocal8Bit(options.image), memory,
                                          destination, {printMessage, nullptr});
    if (destination >= cmcDefaultImages::Count)
        destination = cmcDefaultImages::Fallback;
    return code;
}

} // namespace

int main(int argc, char** argv) {
    const auto options = simOptions::parse(argc, argv);
    if (!options) {
        printMessage(nullptr, cmcGTex::app().multiLineText("GI_Sim_Usage"));
        return UsageError;
    }
    cmcEeprom memory;
    int destination = 0;
    if (const int code = startingMemory(*options, memory, destination))
        return FileErrorBase + code;

    simLine line;
    if (!line.open())
        return LineError;
    if (!options->link.isEmpty() && !line.link(options->link))
        return LinkError;
    std::printf("%s\n", line.devicePath().constData());
    std::fflush(stdout);

    struct sigaction action {};
    action.sa_handler = requestStop;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);

    simReceiver receiver(memory,
                         {destination, options->expansion, options->cellular, options->fault});
    auto saveWritten = [&](const cmcEeprom& written) {
        if (options->saveWritten.isEmpty())
            return;
        cmcEeprom copy = written;
        cmcKcfDocument::write(QString::fromLocal8Bit(options->saveWritten), copy, destination,
                              {printMessage, nullptr});
    };
    simServer server(line, receiver, {options->pace, options->once, options->fault}, saveWritten);
    server.run(stopRequested);
    return 0;
}
