#include "cliClone.h"
#include "cliCommands.h"
#include "cliExit.h"
#include "indDestination.h"

// Reads the receiver into a new document of the receiver's destination and saves it.
int cliRead(const QStringList& arguments) {
    const auto options = cliClone::parse(arguments, true, false, 1);
    if (!options)
        return cliExit::usage();
    cliClone clone(*options, cliPrompt::Command::Read);
    clone.document().start();
    const int status = clone.run(&indCloneSession::read);
    if (status != cliExit::Success)
        return status;
    const indEnviron& settings = clone.settings();
    return cliExit::fromFileError(cmcKcfDocument::save(
        options->positional[0], clone.document().document(),
        indDestination(settings.destination, settings.optionFlagA != 0, settings.optionFlagB != 0),
        clone.document().templateImage(), cliExit::fileMessages()));
}
