#include "cliClone.h"
#include "cliCommands.h"
#include "cliExit.h"

// Writes a clone file into the receiver, as a document of the file's destination.
int cliWrite(const QStringList& arguments) {
    const auto options = cliClone::parse(arguments, true, true, 1);
    if (!options)
        return cliExit::usage();
    cmcEeprom image;
    image.resize(indDocument::ImageSize);
    int destination = indEnviron::NoDestination;
    const int code =
        cmcKcfDocument::open(options->positional[0], image, destination, cliExit::fileMessages());
    if (code != 0)
        return cliExit::fromFileError(code);
    cliClone clone(*options, cliPrompt::Command::Write);
    clone.settings().destination = destination;
    indDocument& doc = clone.document();
    doc.start();
    doc.document() = image;
    doc.convertAndRefresh(doc.document());
    doc.markSaved();
    return clone.run(&indCloneSession::write);
}
