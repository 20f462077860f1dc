#include "cliCommands.h"
#include "cliExit.h"

#include <cstring>

namespace {

const cliCommand Commands[] = {
    {"new", cliNew},       {"convert", cliConvert}, {"dump", cliDump},   {"info", cliInfo},
    {"read", cliRead},     {"write", cliWrite},     {"check", cliCheck}, {"print", cliPrint},
    {"export", cliExport}, {"import", cliImport},
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return cliExit::usage();
    QStringList arguments;
    for (int i = 2; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    for (const cliCommand& command : Commands)
        if (std::strcmp(argv[1], command.name) == 0)
            return command.run(arguments);
    return cliExit::usage();
}
