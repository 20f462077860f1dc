#pragma once

#include "cmcPrintChoices.h"

class QPrinter;
class QWidget;
class cmcGTex;
class cuiPreview;

// The windows a print job asks through: whether a printer exists, the printer dialog, the
// print-all choices and the modal preview. Tests answer them without windows.
class cuiPrintDialogs {
public:
    virtual ~cuiPrintDialogs() = default;

    virtual bool printerPresent();
    virtual bool setUpPrinter(QPrinter& printer, QWidget* owner);
    virtual bool chooseAll(cmcGTex& table, cmcPrintChoices& choices, QWidget* owner);
    // True only when the preview was closed with "&Print".
    virtual bool preview(cuiPreview& preview);
};
