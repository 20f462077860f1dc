#pragma once

#include "cmcPageIndex.h"
#include "cuiSheet.h"

#include <memory>

class cmcCommonCells;
class cmcPageData;
class cuiFBitsR;
struct cmcPageCall;

// The common settings page: lines kept or skipped by the destination directives, and the
// settings' cells answered by the common settings family.
class iuiSh_Common : public cuiSheet {
    Q_OBJECT
public:
    iuiSh_Common(QWidget* owner, cuiDispatch* dispatch, cmcGTex& table, const cmcPageCall& call,
                 cmcPageData& data, cmcCellHandler& fallback);
    ~iuiSh_Common() override;
    int pageIndex() const override { return cmcPageIndex::CommonPage; }

protected:
    void styleKey(QByteArrayView group) override;
    void directiveKey(QByteArrayView group) override;
    void notification(cmcEvent& event) override;

private:
    cmcPageData& data;
    std::unique_ptr<cuiFBitsR> bankLinkDialog;
    std::unique_ptr<cmcCommonCells> cells;
};
