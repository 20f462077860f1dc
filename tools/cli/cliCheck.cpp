#include "cliArgs.h"
#include "cliClone.h"
#include "cliCommands.h"
#include "cliExit.h"
#include "cmcBankCaption.h"
#include "cmcCheckFindings.h"
#include "cmcEeprom.h"
#include "cmcGTex.h"
#include "cmcKcfDocument.h"
#include "cmcPageCall.h"
#include "cmcPageIndex.h"

#include <QByteArray>
#include <cstdio>

namespace {

// The page of a check line as the command line names pages.
QByteArray pageName(const QByteArray& callText) {
    const int index = cmcPageCall::split(callText).pageIndex;
    if (index >= 0 && index <= cmcPageIndex::LastMemoryPage)
        return "memory:" + QByteArray::number(index);
    if (index >= cmcPageIndex::FirstBankPage && index <= cmcPageIndex::LastBankPage)
        return "bank:" + QByteArray(1, cmcBankCaption::letter(cmcGTex::app(),
                                                              index - cmcPageIndex::FirstBankPage));
    if (index == cmcPageIndex::ScanEdgePage)
        return "scanedge";
    if (index == cmcPageIndex::AutoWritePage)
        return "autowrite";
    return QByteArray::number(index);
}

} // namespace

// Runs the setting checks on a clone file as a write of it would, one line per finding.
int cliCheck(const QStringList& arguments) {
    cliArgs args;
    if (!args.parse(arguments, {}) || args.positional().size() != 1)
        return cliExit::usage();
    cmcEeprom document;
    int destination = 0;
    const int code =
        cmcKcfDocument::open(args.positional()[0], document, destination, cliExit::fileMessages());
    if (code != 0)
        return cliExit::fromFileError(code);
    const indDestination plan = cliClone::userBandPlan(destination);
    cmcEeprom templateImage;
    templateImage.loadTemplate(destination);
    plan.convert(document, templateImage);

    const cmcSettingChecks checks(cmcGTex::app());
    QByteArray out;
    bool errors = false;
    for (const cmcCheckFindings::Finding& finding : cmcCheckFindings::of(checks, document, plan)) {
        errors = errors || finding.error();
        out += QByteArray(finding.error() ? "error" : "warning") + '\t' +
               pageName(checks.lines()[size_t(finding.line)].callText) + '\t' +
               QByteArray::number(finding.record) + '\t' +
               cmcCheckFindings::ruleName(finding.rule) + '\n';
    }
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    if (out.isEmpty())
        return cliExit::Success;
    return errors ? cliClone::SettingErrors : cliClone::Declined;
}
