#include "cliPrompt.h"

#include "cmcGTex.h"

#include <cstdio>

namespace {

bool is(const QByteArray& text, const char* key) {
    return text == cmcGTex::app().multiLineText(key);
}

} // namespace

cmcPrompt::Answer cliPrompt::message(const Message& message) {
    std::fwrite(message.text.constData(), 1, size_t(message.text.size()), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
    if (message.buttons == Ok)
        return AnswerOk;
    return answer(message.text);
}

cmcPrompt::Answer cliPrompt::answer(const QByteArray& text) {
    // Running the write command is its confirmation; reading takes the receiver's destination.
    if (is(text, "GI_Mess_Confirm_CloneWrite") && command == Command::Write)
        return AnswerOk;
    if (is(text, "GI_AppMess_ChangeModel") && command == Command::Read)
        return AnswerOk;
    const bool mayAnswer = is(text, "GI_Mess_DataWarn") || is(text, "GI_AppMess_ChangeModel");
    if (mayAnswer && yes)
        return AnswerOk;
    refused = true;
    return AnswerCancel;
}
