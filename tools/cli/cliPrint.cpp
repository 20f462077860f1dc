#include "cliCommands.h"
#include "cliExit.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcKcfDocument.h"
#include "cmcPageCall.h"
#include "cmcPageData.h"
#include "cmcPageIndex.h"
#include "cmcPrintChoices.h"
#include "cmcPrompt.h"
#include "cuiPrinter.h"
#include "indDestination.h"

#include <QApplication>
#include <QTemporaryDir>
#include <optional>

namespace {

constexpr int OutputNotWritten = 32;

// The opened document as the pages see it; messages go to standard error.
class CliPageData : public cmcPageData {
public:
    explicit CliPageData(int destination) : plan(destination) { templ.loadTemplate(destination); }
    cmcEeprom& image() override { return document; }
    cmcEeprom& templateImage() override { return templ; }
    indDestination bandPlan() const override { return plan; }
    cmcEvMan& events() override { return bus; }
    cmcPrompt& prompt() override { return cmcPrompt::app(); }
    cmcGTex& table() override { return cmcGTex::app(); }

    cmcEeprom document;

private:
    indDestination plan;
    cmcEeprom templ;
    cmcEvMan bus;
};

struct PrintArguments {
    QString input;
    QString output;
    QStringList pages;
    bool memory = false;
    bool banks = false;
    int points = 0;
};

bool number(const QString& text, int lowest, int highest, int& out) {
    bool ok = false;
    out = text.toInt(&ok);
    return ok && out >= lowest && out <= highest;
}

std::optional<PrintArguments> parse(const QStringList& arguments) {
    PrintArguments parsed;
    parsed.points = cmcGTex::app().GetText("GI_Sys_Printer_FontPoints").trimmed().toInt();
    QStringList positional;
    bool pointsGiven = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool valued = argument == "--page" || argument == "--font-points";
        if (valued && i + 1 >= arguments.size())
            return std::nullopt;
        if (argument == "--page") {
            parsed.pages << arguments[++i];
        } else if (argument == "--font-points") {
            if (pointsGiven || !number(arguments[++i], 8, 12, parsed.points))
                return std::nullopt;
            pointsGiven = true;
        } else if (argument == "--memory") {
            parsed.memory = true;
        } else if (argument == "--banks") {
            parsed.banks = true;
        } else if (argument.startsWith("--")) {
            return std::nullopt;
        } else {
            positional << argument;
        }
    }
    if (positional.size() != 2)
        return std::nullopt;
    parsed.input = positional[0];
    parsed.output = positional[1];
    return parsed;
}

// A page of the tree by its command-line name, or by its page index; -1 when unknown.
int pageIndex(const QString& name) {
    const QString kind = name.section(':', 0, 0);
    const QString value = name.section(':', 1);
    int index = -1;
    if (kind == "memory" && number(value, 0, cmcPageIndex::LastMemoryPage, index))
        return index;
    if (kind == "link" &&
        number(value, 0, cmcPageIndex::LastLinkPage - cmcPageIndex::FirstLinkPage, index))
        return cmcPageIndex::FirstLinkPage + index;
    if (kind == "bank" && value.size() == 1) {
        const QByteArray banks = cmcGTex::app().GetText("GI_Sys_UsableBank");
        const qsizetype at = banks.indexOf(value.toUpper().toLatin1());
        return at < 0 ? -1 : cmcPageIndex::FirstBankPage + int(at);
    }
    const QList<std::pair<const char*, int>> named = {{"scanedge", cmcPageIndex::ScanEdgePage},
                                                      {"autowrite", cmcPageIndex::AutoWritePage},
                                                      {"links", cmcPageIndex::LinkNamePage},
                                                      {"common", cmcPageIndex::CommonPage}};
    for (const auto& [word, page] : named) {
        if (name == word)
            return page;
    }
    return number(name, 0, cmcPageIndex::LastPage, index) ? index : -1;
}

QByteArray callOf(const QString& name, const QList<QByteArray>& tree) {
    const int index = pageIndex(name);
    for (const QByteArray& call : tree) {
        const cmcPageCall page = cmcPageCall::split(call);
        if (name == "banknames" ? page.sheetKey == "GI_Sheet_BankName"
                                : index >= 0 && page.hasPageClass() && page.pageIndex == index)
            return call;
    }
    return {};
}

int printPages(const PrintArguments& arguments) {
    int destination = 0;
    cmcEeprom document;
    const int code =
        cmcKcfDocument::open(arguments.input, document, destination, cliExit::fileMessages());
    if (code != 0)
        return cliExit::fromFileError(code);
    CliPageData data(destination);
    data.document = document;
    const QList<QByteArray> tree = cuiPrinter::treePages(data.table());
    QList<QByteArray> calls;
    for (const QString& name : arguments.pages) {
        const QByteArray call = callOf(name, tree);
        if (call.isEmpty())
            return cliExit::usage();
        calls << call;
    }
    cmcPrintChoices choices{true, true};
    if (calls.isEmpty()) {
        calls = tree;
        choices = arguments.memory || arguments.banks
                      ? cmcPrintChoices{arguments.memory, arguments.banks}
                      : cmcPrintChoices::initial(data.image());
    }
    int points = arguments.points;
    cuiPrinter printer(nullptr, data, data.table(), points);
    if (!printer.printToPdf(calls, choices, arguments.output)) {
        cliExit::printMessage(nullptr, data.table().multiLineText("GI_Sys_Printer_Failed"));
        return OutputNotWritten;
    }
    return cliExit::Success;
}

// A graphical application asks for the user's runtime folder as it starts (Qt looks there for
// signs of a sandbox) and warns without one. A user who has none is lent an empty private one
// for the run, so that standard error carries only the command's own messages.
std::optional<QTemporaryDir> lentRuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return std::nullopt;
    std::optional<QTemporaryDir> folder(std::in_place);
    qputenv("XDG_RUNTIME_DIR", folder->path().toLocal8Bit());
    return folder;
}

} // namespace

// Lays pages out as printing does, into a PDF file, with no display.
int cliPrint(const QStringList& arguments) {
    const std::optional<PrintArguments> parsed = parse(arguments);
    if (!parsed)
        return cliExit::usage();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::optional<QTemporaryDir> runtime = lentRuntimeFolder();
    static int argc = 1;
    static char name[] = "mavik-cli";
    static char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    return printPages(*parsed);
}
