#pragma once

#include "cmcPrintChoices.h"
#include "dst_Preview.h"

#include <QList>
#include <QRect>

class QPainter;
class QPrinter;
class cmcGTex;
class cmcPageData;
class cuiPreview;

// The state of one print job while its pages are laid out: where the content goes on the
// paper, at which resolution and font, and where the blocks go in each pass.
struct cuiPrintJob {
    enum Mode { Counting, Preview, Printing };

    cuiPrintJob(cmcPageData& pageData, cmcGTex& definitions) : data(pageData), table(definitions) {}

    cmcPageData& data;
    cmcGTex& table;
    Mode mode = Counting;
    cmcPrintChoices choices;
    int fontPoints = 9;
    int dpi = 600;
    // Printer pixels per screen pixel.
    double scale = 1.0;
    QSize paper;
    QRect content;
    // Printing: the printer and its canvas, and whether a paper page has been started.
    QPrinter* printer = nullptr;
    QPainter* painter = nullptr;
    bool started = false;
    cuiPreview* preview = nullptr;
    const bool* cancelled = nullptr;
    // Paper pages laid out so far, and in printing mode what each held.
    int pages = 0;
    QList<dst_Preview> printed;

    bool stopped() const { return cancelled && *cancelled; }
};
