#pragma once

#include "cmcFCache.h"
#include "cmcLinkTable.h"

class cmcFBitsDialog;
class cmcPageData;

// The links of the common settings page: the receiver's general settings, read from and
// written to the common settings block of the document image, and the comment.
class cmcCommonCells : public cmcLinkTable {
public:
    // `bankLinkDialog` runs the bank link dialog for Enter on a bank link cell; without one
    // Enter does nothing there.
    cmcCommonCells(cmcPageData& data, cmcCellHandler& fallback, cmcFBitsDialog* bankLinkDialog);

private:
    void addListSettings(cmcPageData& data);
    void addBankLinks(cmcPageData& data, cmcFBitsDialog* dialog);

    cmcFCache lists;
};
