#include "cmcScriptPrompt.h"

cmcPrompt::Answer cmcScriptPrompt::message(const Message& message) {
    log.append(message);
    if (script.empty() || !std::holds_alternative<Answer>(script.front())) {
        ++overrun;
        return AnswerCancel;
    }
    const Answer given = std::get<Answer>(script.front());
    script.pop_front();
    return given;
}

QString cmcScriptPrompt::chooseFile(const FileDialog& dialog) {
    log.append(dialog);
    if (script.empty() || !std::holds_alternative<QString>(script.front())) {
        ++overrun;
        return {};
    }
    const QString given = std::get<QString>(script.front());
    script.pop_front();
    return given;
}

QList<cmcPrompt::Message> cmcScriptPrompt::messages() const {
    QList<Message> result;
    for (const Asked& entry : log)
        if (const Message* message = std::get_if<Message>(&entry))
            result.append(*message);
    return result;
}
