#include "cliArgs.h"
#include "cliCommands.h"
#include "cliExit.h"
#include "cmcEeprom.h"
#include "cmcKcfDocument.h"
#include "indDestination.h"

// Opens a clone file as the program does, keeps the destination given instead of the file's
// own, and saves the converted document.
int cliConvert(const QStringList& arguments) {
    cliArgs args;
    int destination = 0;
    if (!args.parse(arguments, {"--destination"}) || args.positional().size() != 2 ||
        !args.has("--destination") ||
        !args.number("--destination", 0, cmcKcfDocument::Destinations - 1, 0, destination))
        return cliExit::usage();
    cmcEeprom document;
    int fileDestination = 0;
    const int code = cmcKcfDocument::open(args.positional()[0], document, fileDestination,
                                          cliExit::fileMessages());
    if (code != 0)
        return cliExit::fromFileError(code);
    cmcEeprom templateImage;
    templateImage.loadTemplate(destination);
    return cliExit::fromFileError(cmcKcfDocument::save(args.positional()[1], document,
                                                       indDestination(destination), templateImage,
                                                       cliExit::fileMessages()));
}
