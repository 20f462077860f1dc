#pragma once

#include "cmcPrintChoices.h"
#include "cuiPreview.h"
#include "cuiPrintDialogs.h"

#include <QPrinter>
#include <QString>
#include <functional>
#include <optional>

// The print job's windows answered by the test: the printer dialog turns the job into a PDF
// file at 600 dpi, the print-all dialog records what it opened with, and the preview runs the
// test's own steps before it answers.
class ScriptedDialogs : public cuiPrintDialogs {
public:
    bool printerPresent() override { return present; }
    bool setUpPrinter(QPrinter& printer, QWidget*) override {
        ++printerDialogs;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setResolution(600);
        return printerOk;
    }
    bool chooseAll(cmcGTex&, cmcPrintChoices& choices, QWidget*) override {
        offered = choices;
        if (chosen)
            choices = *chosen;
        return true;
    }
    bool preview(cuiPreview& preview) override {
        ++previews;
        if (inPreview)
            inPreview(preview);
        return print;
    }

    bool present = true;
    bool printerOk = true;
    bool print = true;
    QString pdf;
    std::optional<cmcPrintChoices> chosen;
    std::optional<cmcPrintChoices> offered;
    std::function<void(cuiPreview&)> inPreview;
    int printerDialogs = 0;
    int previews = 0;
};
