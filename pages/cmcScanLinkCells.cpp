#include "cmcScanLinkCells.h"

#include "cmcCellNames.h"
#include "cmcCellObj.h"
#include "cmcGTex.h"
#include "cmcLinkEntry.h"
#include "cmcLinkMemberCell.h"
#include "cmcLinkMemberView.h"
#include "cmcMemInput.h"
#include "cmcTextEntry.h"

namespace {

using N = cmcCellNames;

// Row 0 adds an edge; the member rows count from 0.
QByteArray rowTitle(const datCh& entry, const cmcCellObj&, cmcGTex& table) {
    const int row = entry.number % datCh::ScanLinkRows;
    return row == 0 ? table.GetText("GI_AddChTitle") : QByteArray::number(row - 1);
}

QByteArray name(const datCh& entry, const cmcCellObj&, cmcGTex&) {
    if (!cmcLinkEntry::member(entry))
        return {};
    return cmcTextEntry::shownCharacters(
        QByteArrayView(entry.name.data(), qsizetype(entry.name.size())));
}

// The separators are the cell's own text, drawn between the parts of a member's range.
QByteArray separator(const datCh& entry, const cmcCellObj& cell, cmcGTex&) {
    return cmcLinkEntry::member(entry) ? cell.text().trimmed() : QByteArray();
}

QByteArray lowEdge(const datCh& entry, const cmcCellObj&, cmcGTex&) {
    return entry.flags & datCh::LowEdgeValid ? cmcMemInput::megahertz(entry.lowEdge) : QByteArray();
}

QByteArray highEdge(const datCh& entry, const cmcCellObj&, cmcGTex&) {
    return entry.flags & datCh::HighEdgeValid ? cmcMemInput::megahertz(entry.frequency)
                                              : QByteArray();
}

} // namespace

cmcScanLinkCells::cmcScanLinkCells(cmcPageData& data, cmcCellHandler& fallback)
    : cmcLinkTable(fallback) {
    const auto view = [&](int link, cmcLinkMemberView::Text text) {
        add(link, std::make_unique<cmcLinkMemberView>(data, fallback, text));
    };
    view(N::CL_Misc_ChNo_PLink, rowTitle);
    view(N::CL_PgSrch_Name, name);
    view(N::CL_PgLink_Sepa1, separator);
    view(N::CL_Pglink_Edge_A, lowEdge);
    view(N::CL_PgLink_Sepa2, separator);
    view(N::CL_Pglink_Edge_B, highEdge);
    add(N::CL_PgLink_No, std::make_unique<cmcLinkMemberCell>(data, fallback));
}
