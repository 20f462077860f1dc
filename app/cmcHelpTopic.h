#pragma once

#include <QByteArrayView>

class cmcGTex;

// Which help topic explains a cell: its link's topic name from the topic list (the auto-write
// page has a list of its own), and that name's context number.
class cmcHelpTopic {
public:
    static constexpr int NoTopic = 0;

    // The context number of the link on the page, or NoTopic.
    static int contextOf(cmcGTex& topics, QByteArrayView linkName, int pageIndex);

private:
    static QByteArray lookUp(cmcGTex& topics, const char* list, QByteArrayView name);
};
