#include "cliArgs.h"
#include "cliCommands.h"
#include "cliCsv.h"
#include "cliExit.h"
#include "cmcCsvFile.h"

// Imports a CSV file into a page of a clone file as Import does and saves the result.
int cliImport(const QStringList& arguments) {
    cliArgs args;
    cliCsv csv;
    if (!args.parse(arguments, {"--page"}) || args.positional().size() != 3 ||
        !csv.choosePage(args.value("--page")))
        return cliExit::usage();
    if (const int status = csv.open(args.positional()[0]))
        return status;
    const cmcCsvFile::Result result =
        cmcCsvFile::importPage(csv, csv.pageIndex(), csv.firstRecord(), args.positional()[1]);
    if (result != cmcCsvFile::Done)
        return cliCsv::Refused;
    return csv.save(args.positional()[2]);
}
