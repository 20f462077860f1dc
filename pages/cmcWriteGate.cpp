#include "cmcWriteGate.h"

#include "cmcGTex.h"
#include "cmcPrompt.h"

cmcWriteGate::Verdict cmcWriteGate::judge(const cmcSettingChecks::Result& checks, cmcPrompt& prompt,
                                          cmcGTex& table, bool ask) {
    const QByteArray caption = table.GetText("GI_Sys_AppTitle");
    if (checks.errorLines > 0) {
        prompt.message({caption, table.multiLineText("GI_Mess_DataError"), cmcPrompt::Ok,
                        cmcPrompt::AnswerOk, cmcPrompt::Stop});
        return Refused;
    }
    if (!ask)
        return Confirmed;
    const char* key = checks.warningLines > 0 ? "GI_Mess_DataWarn" : "GI_Mess_Confirm_CloneWrite";
    const cmcPrompt::Answer answer =
        prompt.message({caption, table.multiLineText(key), cmcPrompt::OkCancel,
                        cmcPrompt::AnswerCancel, cmcPrompt::Exclamation});
    return answer == cmcPrompt::AnswerOk ? Confirmed : Cancelled;
}
