#include "cuiBody.h"

#include "cmcCellHandler.h"
#include "cmcGTex.h"
#include "datCellReq.h"

namespace {

constexpr int ItemFlags = 4;

// A line without '+' holds no item text; its whole length counts as its depth.
qsizetype depthOf(const QByteArray& line) {
    const qsizetype plus = line.indexOf('+');
    return plus < 0 ? line.size() : plus;
}

QByteArrayView itemText(const QByteArray& line) {
    const qsizetype plus = line.indexOf('+');
    return plus < 0 ? QByteArrayView() : QByteArrayView(line).sliced(plus + 1);
}

} // namespace

void cuiBody::readNested(cmcGTex& table, const QByteArray& name) {
    const QList<QByteArray> lines = readBasicCell(table, name);
    if (!lines.isEmpty())
        readList(lines, 0, top);
}

void cuiBody::readFlat(cmcGTex& table, const QByteArray& name) {
    for (const QByteArray& line : readBasicCell(table, name))
        top.push_back({addCell(line), {}});
}

void cuiBody::clear() {
    top.clear();
    cells.clear();
    basic = cmcCellObj();
}

QList<QByteArray> cuiBody::readBasicCell(cmcGTex& table, const QByteArray& name) {
    clear();
    basic.parse(table.GetText((name + "_BasicCell").constData()), nullptr, nullptr);
    return table.listLines((name + "_Body").constData());
}

// The first line fixes the list's depth; a deeper line opens a sub-list under the last item
// and a shallower one ends the list. Returns how many lines the list used.
qsizetype cuiBody::readList(const QList<QByteArray>& lines, qsizetype first,
                            std::vector<Item>& into) {
    const qsizetype depth = depthOf(lines[first]);
    qsizetype at = first;
    while (at < lines.size()) {
        const qsizetype lineDepth = depthOf(lines[at]);
        if (lineDepth < depth)
            break;
        if (lineDepth > depth)
            at += readList(lines, at, into.back().children);
        else
            into.push_back({addCell(itemText(lines[at++])), {}});
    }
    return at - first;
}

cmcCellObj* cuiBody::addCell(QByteArrayView text) {
    cmcCellObj& cell = cells.emplace_back();
    cell.parse(text, nullptr, &basic);
    return &cell;
}

void cuiBody::refresh(cmcCellObj& cell) {
    for (int flag = 0; flag < ItemFlags; ++flag)
        cell.setFlag(flag, false);
    if (cmcCellHandler* handler = cmcCellHandler::app())
        handler->refresh(cell);
}

void cuiBody::command(const cmcCellObj& cell, Handler handler) {
    datCellReq request;
    request.key = datCellReq::KeyEnter;
    request.cell = &cell;
    if (handler)
        handler(request);
    else if (cmcCellHandler* programHandler = cmcCellHandler::app())
        programHandler->act(request);
}
