#include "cuiPrinter.h"

#include "cmcCellNames.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcPageData.h"
#include "cmcPrintLayout.h"
#include "cmcPrompt.h"
#include "cuiBody.h"
#include "cuiLook.h"
#include "cuiPreview.h"
#include "cuiPrintDialogs.h"
#include "cuiPrintJob.h"
#include "cuiPrintPage.h"
#include "cuiPrintProgress.h"

#include <QPainter>
#include <QPrinter>
#include <QWidget>

namespace {

constexpr int TickInterval = 10;

void collectCalls(const std::vector<cuiBody::Item>& items, QList<QByteArray>& calls) {
    for (const cuiBody::Item& item : items) {
        if (item.cell->link() == cmcCellNames::CallSheet && item.cell->argument())
            calls.append(*item.cell->argument());
        collectCalls(item.children, calls);
    }
}

} // namespace

cuiPrinter::cuiPrinter(QWidget* ownerWindow, cmcPageData& pageData, cmcGTex& definitions,
                       int& points, cuiPrintDialogs* windows)
    : owner(ownerWindow), data(pageData), table(definitions), fontPoints(points),
      ownDialogs(windows ? nullptr : std::make_unique<cuiPrintDialogs>()),
      dialogs(windows ? windows : ownDialogs.get()) {
    tick.setInterval(TickInterval);
    connect(&tick, &QTimer::timeout, this, &cuiPrinter::printNextPage);
}

cuiPrinter::~cuiPrinter() = default;

QList<QByteArray> cuiPrinter::treePages(cmcGTex& definitions) {
    cuiBody tree;
    tree.readNested(definitions, "GI_Tree_Main");
    QList<QByteArray> calls;
    collectCalls(tree.items(), calls);
    return calls;
}

void cuiPrinter::printCurrent(const QByteArray& callText) {
    if (callText.isEmpty() || busy())
        return;
    data.events().Send(cmcEventId::FinishEdit);
    run({callText}, cmcPrintChoices{true, true}, false);
}

void cuiPrinter::printAll() {
    if (busy())
        return;
    data.events().Send(cmcEventId::FinishEdit);
    cmcPrintChoices choices = cmcPrintChoices::initial(data.image());
    if (!dialogs->chooseAll(table, choices, owner))
        return;
    run(treePages(table), choices, true);
}

void cuiPrinter::message(const char* key) {
    data.prompt().message(cmcPrompt::titled(table.multiLineText(key), cmcPrompt::Ok,
                                            cmcPrompt::AnswerOk, cmcPrompt::Stop));
}

void cuiPrinter::run(const QList<QByteArray>& calls, const cmcPrintChoices& choices,
                     bool tickByTick) {
    if (!dialogs->printerPresent()) {
        message("GI_Sys_Printer_NoPrinter");
        return;
    }
    printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!dialogs->setUpPrinter(*printer, owner)) {
        printer.reset();
        return;
    }
    printer->setFullPage(true);
    pageList = calls;
    cancelled = false;
    job = makeJob(*printer, choices);
    showProgress();
    previewWindow = std::make_unique<cuiPreview>(table, fontPoints);
    previewWindow->setPaper(job->paper, job->dpi);
    connect(previewWindow.get(), &cuiPreview::fontChosen, this, [this](int points) {
        fontPoints = points;
        job->fontPoints = points;
        layOutPreview();
    });
    layOutPreview();
    // A job without a paper page would only feed a blank sheet.
    const bool print = previewWindow->pageCount() > 0 && dialogs->preview(*previewWindow);
    previewWindow.reset();
    if (!print)
        return finish();
    if (!tickByTick) {
        if (!beginDocument()) {
            message("GI_Sys_Printer_Failed");
            return finish();
        }
        for (const QByteArray& call : pageList)
            cuiPrintPage(*job, call).layOut();
        endDocument();
        return finish();
    }
    nextPage = 0;
    tick.start();
}

std::unique_ptr<cuiPrintJob> cuiPrinter::makeJob(QPrinter& device, const cmcPrintChoices& choices) {
    auto made = std::make_unique<cuiPrintJob>(data, table);
    made->choices = choices;
    made->fontPoints = fontPoints;
    made->dpi = device.logicalDpiY();
    made->scale = made->dpi / (96.0 * cuiLook::screenScale());
    made->paper = device.pageLayout().fullRectPixels(made->dpi).size();
    made->content = cmcPrintLayout::contentRect(
        made->paper, made->dpi, cmcPrintLayout::margins(table.GetText("GI_Sys_Printer_Margins")));
    made->cancelled = &cancelled;
    made->printer = &device;
    return made;
}

int cuiPrinter::pass(int mode) {
    job->mode = cuiPrintJob::Mode(mode);
    job->pages = 0;
    for (const QByteArray& call : pageList)
        cuiPrintPage(*job, call).layOut();
    return job->pages;
}

void cuiPrinter::layOutPreview() {
    previewWindow->clearPages();
    previewWindow->reserve(pass(cuiPrintJob::Counting));
    job->preview = previewWindow.get();
    pass(cuiPrintJob::Preview);
    job->preview = nullptr;
    previewWindow->pagesLaidOut();
}

bool cuiPrinter::beginDocument() {
    job->mode = cuiPrintJob::Printing;
    job->pages = 0;
    job->started = false;
    job->printed.clear();
    painter = std::make_unique<QPainter>();
    if (!painter->begin(job->printer))
        return false;
    job->painter = painter.get();
    return true;
}

bool cuiPrinter::endDocument() {
    printed = job->printed;
    job->painter = nullptr;
    return painter->end();
}

// The first tick begins the document, each tick prints one page of the list, and the tick
// after the last page ends the document.
void cuiPrinter::printNextPage() {
    if (nextPage == 0 && !painter && !beginDocument()) {
        message("GI_Sys_Printer_Failed");
        return finish();
    }
    if (nextPage < pageList.size()) {
        cuiPrintPage(*job, pageList[nextPage++]).layOut();
        return;
    }
    endDocument();
    finish();
}

void cuiPrinter::showProgress() {
    if (owner)
        owner->setEnabled(false);
    progress = std::make_unique<cuiPrintProgress>(table, owner);
    connect(progress.get(), &cuiPrintProgress::cancelRequested, this, &cuiPrinter::cancel);
    progress->show();
}

void cuiPrinter::finish() {
    tick.stop();
    painter.reset();
    job.reset();
    printer.reset();
    progress.reset();
    pageList.clear();
    if (owner)
        owner->setEnabled(true);
    emit finished();
}

bool cuiPrinter::printToPdf(const QList<QByteArray>& calls, const cmcPrintChoices& choices,
                            const QString& path, int dpi, const QPageSize& paper) {
    if (busy())
        return false;
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    pdf.setResolution(dpi);
    pdf.setPageSize(paper);
    pdf.setFullPage(true);
    pageList = calls;
    cancelled = false;
    job = makeJob(pdf, choices);
    bool written = beginDocument();
    if (written) {
        for (const QByteArray& call : pageList)
            cuiPrintPage(*job, call).layOut();
        written = endDocument();
    }
    painter.reset();
    job.reset();
    pageList.clear();
    return written;
}
