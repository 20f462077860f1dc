#include "cliArgs.h"
#include "cliCommands.h"
#include "cliCsv.h"
#include "cliExit.h"
#include "cmcCsvFile.h"

// Writes a page of a clone file as CSV, byte for byte as Export does.
int cliExport(const QStringList& arguments) {
    cliArgs args;
    cliCsv csv;
    if (!args.parse(arguments, {"--page"}) || args.positional().size() != 2 ||
        !csv.choosePage(args.value("--page")))
        return cliExit::usage();
    if (const int status = csv.open(args.positional()[0]))
        return status;
    const cmcCsvFile::Result result =
        cmcCsvFile::exportPage(csv, csv.pageIndex(), csv.firstRecord(), args.positional()[1]);
    return result == cmcCsvFile::Done ? cliExit::Success : cliCsv::Unwritable;
}
