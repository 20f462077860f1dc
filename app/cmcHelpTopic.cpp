#include "cmcHelpTopic.h"

#include "cmcGTex.h"
#include "cmcPageIndex.h"

// Each line is a name, a tab and a value.
QByteArray cmcHelpTopic::lookUp(cmcGTex& topics, const char* list, QByteArrayView name) {
    for (const QByteArray& line : topics.listLines(list)) {
        const qsizetype tab = line.indexOf('\t');
        if (tab > 0 && QByteArrayView(line).first(tab) == name)
            return line.mid(tab + 1).trimmed();
    }
    return {};
}

int cmcHelpTopic::contextOf(cmcGTex& topics, QByteArrayView linkName, int pageIndex) {
    if (linkName.isEmpty())
        return NoTopic;
    const char* list = pageIndex == cmcPageIndex::AutoWritePage ? "GI_AppItem_Topic_ID_AMW"
                                                                : "GI_AppItem_Topic_ID";
    const QByteArray topic = lookUp(topics, list, linkName);
    if (topic.isEmpty())
        return NoTopic;
    bool ok = false;
    const int context = lookUp(topics, "GI_AppItem_Context_ID", topic).toInt(&ok);
    return ok && context > 0 ? context : NoTopic;
}
