#include "cliCsv.h"

#include "MemoryMap.h"
#include "cliExit.h"
#include "cmcCsvFile.h"
#include "cmcEvent.h"
#include "cmcGTex.h"
#include "cmcKcfDocument.h"
#include "cmcPageIndex.h"
#include "indDestination.h"

namespace {

int argc = 1;
char arg0[] = "mavik-cli";
char* argv[] = {arg0, nullptr};

struct NamedPage {
    const char* name;
    int pageIndex;
};

const NamedPage Named[] = {{"scanedge", cmcPageIndex::ScanEdgePage},
                           {"autowrite", cmcPageIndex::AutoWritePage},
                           {"links", cmcPageIndex::LinkNamePage},
                           {"common", cmcPageIndex::CommonPage}};

std::optional<int> numberAfter(const QString& name, const char* prefix, int highest) {
    if (!name.startsWith(prefix))
        return std::nullopt;
    bool ok = false;
    const int n = name.mid(int(qstrlen(prefix))).toInt(&ok);
    return ok && n >= 0 && n <= highest ? std::optional<int>(n) : std::nullopt;
}

} // namespace

cliCsv::cliCsv()
    : application(QCoreApplication::instance() ? nullptr
                                               : std::make_unique<QCoreApplication>(argc, argv)) {
    for (cmcEeprom* image : {&document, &templ})
        image->resize(mm::ImageSize);
    bus.AddListener(heard, this);
}

cliCsv::~cliCsv() {
    bus.RemoveListener(heard, this);
}

// As the main controller does: the bank index follows every change of the channels at once.
void cliCsv::heard(void* context, cmcEvent& event) {
    if (event.id() == cmcEventId::ChannelsChanged)
        static_cast<cliCsv*>(context)->document.rebuildBankIndex();
}

indDestination cliCsv::bandPlan() const {
    return indDestination(destination);
}

cmcGTex& cliCsv::table() {
    return cmcGTex::app();
}

std::optional<int> cliCsv::pageNamed(const QString& name) {
    for (const NamedPage& named : Named)
        if (name == named.name)
            return named.pageIndex;
    if (const auto group = numberAfter(name, "memory:", cmcPageIndex::LastMemoryPage))
        return group;
    if (const auto link =
            numberAfter(name, "link:", cmcPageIndex::LastLinkPage - cmcPageIndex::FirstLinkPage))
        return cmcPageIndex::FirstLinkPage + *link;
    const QByteArray letters = cmcGTex::app().GetText("GI_Sys_UsableBank");
    if (name.startsWith("bank:") && name.size() == 6 && letters.contains(name[5].toLatin1()))
        return cmcPageIndex::FirstBankPage + int(letters.indexOf(name[5].toLatin1()));
    bool ok = false;
    const int index = name.toInt(&ok);
    return ok && index >= 0 && index <= cmcPageIndex::LastPage ? std::optional<int>(index)
                                                               : std::nullopt;
}

bool cliCsv::choosePage(const QString& name) {
    const std::optional<int> index = pageNamed(name);
    if (!index || !cmcCsvFile::available(*index))
        return false;
    page = *index;
    first = page <= cmcPageIndex::LastMemoryPage ? page * mm::BankPositions : 0;
    return true;
}

int cliCsv::open(const QString& fileName) {
    const int code = cmcKcfDocument::open(fileName, document, destination, cliExit::fileMessages());
    if (code != 0)
        return cliExit::fromFileError(code);
    templ.loadTemplate(destination);
    document.rebuildBankIndex();
    return cliExit::Success;
}

int cliCsv::save(const QString& fileName) {
    return cliExit::fromFileError(
        cmcKcfDocument::save(fileName, document, bandPlan(), templ, cliExit::fileMessages()));
}

cmcPrompt::Answer cliCsv::Answers::message(const Message& message) {
    cliExit::printMessage(nullptr, message.text);
    return message.buttons == YesNo || message.buttons == YesNoCancel ? AnswerYes : AnswerOk;
}
