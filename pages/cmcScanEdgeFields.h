#pragma once

#include "cmcMemFields.h"

// The program scan edge page (cmcPageIndex::ScanEdgePage): the name, both edges, step, mode and
// attenuator of the 25 edges. The first frequency typed into an empty edge creates it.
class cmcScanEdgeFields : public cmcMemFields {
public:
    cmcScanEdgeFields(cmcPageData& data, cmcCellHandler& fallback);

protected:
    int category() const override;
    int rowCount() const override;
    const datMemField* field(int link) const override;
    datCh record(int row) override;
    bool shown(const datCh& record) const override;
    bool creates(int link) const override;
    int entryLink() const override;
};
