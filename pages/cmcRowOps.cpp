#include "cmcRowOps.h"

#include "cmcBankRowOps.h"
#include "cmcCellNames.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcListRowOps.h"
#include "cmcPageData.h"
#include "cmcPrompt.h"
#include "datCh.h"
#include "datClipCh.h"
#include "datRowContext.h"

bool cmcRowOps::command(cmcPageData& data, int link, datRowContext& row) {
    return command(data, link, row, datClipCh::global());
}

bool cmcRowOps::command(cmcPageData& data, int link, datRowContext& row, datClipCh& clipboard) {
    if (!datRowContext::allowsRowOperations(row.kind))
        return false;
    if (row.kind == datCh::KindBank)
        return cmcBankRowOps(data, clipboard).run(link, row);
    return cmcListRowOps(data, clipboard).run(link, row);
}

bool cmcRowOps::confirm(const char* key) {
    cmcGTex& table = data.table();
    const cmcPrompt::Message question{table.GetText("GI_Sys_AppTitle"), table.multiLineText(key),
                                      cmcPrompt::OkCancel, cmcPrompt::AnswerCancel,
                                      cmcPrompt::Exclamation};
    return data.prompt().message(question) == cmcPrompt::AnswerOk;
}

void cmcRowOps::stop(const char* key) {
    cmcGTex& table = data.table();
    data.prompt().message({table.GetText("GI_Sys_AppTitle"), table.multiLineText(key),
                           cmcPrompt::Ok, cmcPrompt::AnswerOk, cmcPrompt::Stop});
}

// Status texts are drawn in the window text colour on the button face.
void cmcRowOps::status(const char* key) {
    data.events().SendText(cmcEventId::StatusText, int32_t(cmcCellNames::clWindowText),
                           int32_t(cmcCellNames::clBtnFace), data.table().GetText(key).constData());
}

void cmcRowOps::send(cmcEventId id) {
    data.events().Send(id);
}

void cmcRowOps::post(cmcEventId id, int first) {
    data.events().Post(id, first);
}
