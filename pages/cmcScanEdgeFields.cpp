#include "cmcScanEdgeFields.h"

#include "MemoryMap.h"
#include "cmcCellNames.h"
#include "cmcPageData.h"
#include "cmcScanEdgeFieldTable.h"
#include "datCh.h"

namespace {

using N = cmcCellNames;

} // namespace

cmcScanEdgeFields::cmcScanEdgeFields(cmcPageData& data, cmcCellHandler& fallback)
    : cmcMemFields(data, fallback) {}

int cmcScanEdgeFields::category() const {
    return N::CT_Prog;
}

int cmcScanEdgeFields::rowCount() const {
    return mm::ScanEdges;
}

const datMemField* cmcScanEdgeFields::field(int link) const {
    return cmcScanEdgeFieldTable::find(link);
}

datCh cmcScanEdgeFields::record(int row) {
    datCh edge(&data.image());
    edge.load(datCh::KindScanEdge, row);
    return edge;
}

bool cmcScanEdgeFields::shown(const datCh& edge) const {
    return edge.inUse();
}

bool cmcScanEdgeFields::creates(int link) const {
    return link == N::CL_PgSrch_Freq_Low || link == N::CL_PgSrch_Freq_High;
}

int cmcScanEdgeFields::entryLink() const {
    return N::CL_PgSrch_Freq_Low;
}
