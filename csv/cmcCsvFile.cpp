#include "cmcCsvFile.h"

#include "cmcCsvExport.h"
#include "cmcCsvImport.h"
#include "cmcCsvPage.h"
#include "cmcGTex.h"
#include "cmcKcfFile.h"
#include "cmcLoadFile.h"
#include "cmcPageData.h"

#include <QSaveFile>

namespace {

constexpr char DialogKey[] = "GI_Sys_Dialog_FExport";

} // namespace

bool cmcCsvFile::available(int pageIndex) {
    return cmcCsvPage::of(pageIndex, 0).has_value();
}

QString cmcCsvFile::chooseFile(cmcPrompt& prompt, const QString& directory,
                               cmcPrompt::FileDialog::Kind kind) {
    cmcPrompt::FileDialog dialog;
    dialog.kind = kind;
    dialog.defaultSuffix = cmcGTex::app().GetText(DialogKey, 0);
    dialog.filter = cmcGTex::app().GetText(DialogKey, 1);
    dialog.directory = directory;
    dialog.mustExist = kind == cmcPrompt::FileDialog::Open;
    dialog.confirmOverwrite = kind == cmcPrompt::FileDialog::Save;
    return prompt.chooseFile(dialog);
}

cmcCsvFile::Result cmcCsvFile::exportPage(cmcPageData& data, int pageIndex, int firstRecord,
                                          const QString& path) {
    const std::optional<cmcCsvPage> page = cmcCsvPage::of(pageIndex, firstRecord);
    if (!page)
        return NoRecords;
    const QByteArray text = cmcCsvExport::text(data, *page);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        tell(data, cmcKcfFile::message(cmcKcfFile::FileOpen));
        return Unwritable;
    }
    if (file.write(text) != text.size() || !file.commit()) {
        tell(data, cmcKcfFile::message(cmcKcfFile::FileAccess));
        return Unwritable;
    }
    return Done;
}

cmcCsvFile::Result cmcCsvFile::importPage(cmcPageData& data, int pageIndex, int firstRecord,
                                          const QString& path) {
    const std::optional<cmcCsvPage> page = cmcCsvPage::of(pageIndex, firstRecord);
    if (!page)
        return NoRecords;
    const cmcPrompt::Answer answer = data.prompt().message(
        cmcPrompt::titled(data.table().multiLineText("GI_Mess_Confirm_ImportFile"),
                          cmcPrompt::OkCancel, cmcPrompt::AnswerCancel, cmcPrompt::Exclamation));
    if (answer != cmcPrompt::AnswerOk)
        return Cancelled;
    cmcLoadFile lines;
    cmcCsvImport import(data, *page);
    if (!lines.open(path) || !import.readTitles(lines.line(0))) {
        tell(data, data.table().multiLineText("GI_Mess_Import_TitleErr"));
        return Refused;
    }
    const cmcCsvImport::Counts counts = import.run(lines);
    if (counts.stored == 0 && !counts.overflow)
        tell(data, data.table().multiLineText("GI_Mess_Import_NoData"));
    if (counts.overflow)
        tell(data, data.table().multiLineText("GI_Mess_Import_NoChSpace"));
    if (counts.discarded > 0)
        tell(data, data.table().multiLineText("GI_Mess_Import_Discard"));
    if (counts.corrected > 0)
        tell(data, data.table().multiLineText("GI_Mess_Import_Correct"));
    return Done;
}

void cmcCsvFile::tell(cmcPageData& data, const QByteArray& text) {
    data.prompt().message(
        cmcPrompt::titled(text, cmcPrompt::Ok, cmcPrompt::AnswerOk, cmcPrompt::Exclamation));
}
