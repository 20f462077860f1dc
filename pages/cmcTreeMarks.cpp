#include "cmcTreeMarks.h"

void cmcTreeMarks::mark(std::vector<Node>& topLevel, const QList<QByteArray>& errorPages,
                        const QList<QByteArray>& warningPages) {
    unmark(topLevel);
    for (Node& node : topLevel)
        apply(node, warningPages, WarningMark);
    for (Node& node : topLevel)
        apply(node, errorPages, ErrorMark);
}

void cmcTreeMarks::unmark(std::vector<Node>& nodes) {
    for (Node& node : nodes) {
        node.overlay = NoMark;
        unmark(node.children);
    }
}

// An expanded parent shows no mark of its own: its marked children show it.
bool cmcTreeMarks::apply(Node& node, const QList<QByteArray>& pages, Overlay overlay) {
    bool childMarked = false;
    for (Node& child : node.children)
        childMarked = apply(child, pages, overlay) || childMarked;
    const bool marked = pages.contains(node.callText) || (childMarked && !node.expanded);
    if (marked)
        node.overlay = overlay;
    return marked;
}
