#include "cmcPrompt.h"

#include "cmcGTex.h"

#include <cstdio>

namespace {

class StandardErrorPrompt : public cmcPrompt {
public:
    Answer message(const Message& message) override {
        std::fprintf(stderr, "%s\n", message.text.constData());
        return message.defaultAnswer;
    }
    QString chooseFile(const FileDialog&) override { return {}; }
};

cmcPrompt* installed = nullptr;

} // namespace

cmcPrompt& cmcPrompt::app() {
    static StandardErrorPrompt fallback;
    return installed ? *installed : fallback;
}

void cmcPrompt::install(cmcPrompt* prompt) {
    installed = prompt;
}

cmcPrompt::Message cmcPrompt::titled(const QByteArray& text, Buttons buttons, Answer defaultAnswer,
                                     Icon icon) {
    return {cmcGTex::app().GetText("GI_Sys_AppTitle"), text, buttons, defaultAnswer, icon};
}
