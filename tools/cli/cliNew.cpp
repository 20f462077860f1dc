#include "cliArgs.h"
#include "cliCommands.h"
#include "cliExit.h"
#include "cmcEeprom.h"
#include "cmcKcfDocument.h"
#include "indDestination.h"

// Saves the built-in default image of a destination as a new document would be saved.
int cliNew(const QStringList& arguments) {
    cliArgs args;
    int destination = 0;
    if (!args.parse(arguments, {"--destination"}) || args.positional().size() != 1 ||
        !args.has("--destination") ||
        !args.number("--destination", 0, cmcKcfDocument::Destinations - 1, 0, destination))
        return cliExit::usage();
    cmcEeprom templateImage;
    templateImage.loadTemplate(destination);
    cmcEeprom document = templateImage;
    return cliExit::fromFileError(cmcKcfDocument::save(args.positional()[0], document,
                                                       indDestination(destination), templateImage,
                                                       cliExit::fileMessages()));
}
