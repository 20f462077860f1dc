#pragma once

#include "cmcEventId.h"
#include "iuiSh_ColCut.h"

class cmcPageData;
struct cmcPageCall;

// The list pages of memory channels, scan edges, scan links, link names and auto-write
// channels: their page index and first record from the call, the link name as the title of a
// link page, the canceller columns only where the receiver has a canceller, and the content
// test that printing asks.
class iuiSh_ColCut_A : public iuiSh_ColCut {
    Q_OBJECT
public:
    iuiSh_ColCut_A(QWidget* owner, cuiDispatch* dispatch, cmcGTex& table, const cmcPageCall& call,
                   cmcPageData& data);

    int pageIndex() const override { return index; }
    int firstRecord() const { return first; }
    bool printable() const override;
    // The bank whose positions the rows are, or -1 when the rows are records.
    virtual int rowBank() const { return -1; }
    // Whether a print-all job prints this page, with its memory and bank choices.
    bool printHook(bool memoryChannels, bool bankChannels) const override;

protected:
    void styleKey(QByteArrayView group) override;
    bool hiddenCell(const cmcCellObj& cell) const override;
    void notification(cmcEvent& event) override;
    // The page-index question of its own that the page answers besides the common one.
    virtual cmcEventId indexQuestion() const { return cmcEventId::ListPageIndex; }

    cmcPageData& data;

private:
    int index;
    int first;
};
