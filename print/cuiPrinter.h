#pragma once

#include "cmcPrintChoices.h"
#include "dst_Preview.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPageSize>
#include <QPointer>
#include <QTimer>
#include <memory>

class QPainter;
class QPrinter;
class QWidget;
class cmcGTex;
class cmcPageData;
class cuiPreview;
class cuiPrintDialogs;
class cuiPrintProgress;
struct cuiPrintJob;

// Prints the open page or all pages of the tree: asks for the printer, lays the pages out
// for it, shows them in the preview and, on "&Print", lays them out again onto the paper; all
// pages one page of the list per tick, so that Cancel stays usable. One per main window.
class cuiPrinter : public QObject {
    Q_OBJECT
public:
    // `fontPoints` is the print font size (8 to 12); the preview's setting changes it.
    // Without `dialogs` the printer's own windows are used.
    cuiPrinter(QWidget* owner, cmcPageData& data, cmcGTex& table, int& fontPoints,
               cuiPrintDialogs* dialogs = nullptr);
    ~cuiPrinter() override;

    // The page of `callText` alone; nothing without a page.
    void printCurrent(const QByteArray& callText);
    // The pages of the tree that the print-all dialog's choices take.
    void printAll();
    // Lays `calls` out into a PDF file of `paper` at `dpi` without any window, as the
    // printing pass does; false when the file cannot be written.
    bool printToPdf(const QList<QByteArray>& calls, const cmcPrintChoices& choices,
                    const QString& path, int dpi = 600,
                    const QPageSize& paper = QPageSize(QPageSize::A4));

    // The page call text of every tree node, in tree order.
    static QList<QByteArray> treePages(cmcGTex& table);

    bool busy() const { return job != nullptr; }
    // The job stops at the next block of the page being laid out.
    void cancel() { cancelled = true; }
    // What the last printing pass put on paper, one entry per paper page.
    const QList<dst_Preview>& printedPages() const { return printed; }
    // The preview of the job running, if it is shown.
    cuiPreview* preview() const { return previewWindow.get(); }

signals:
    // A job ended: printed, cancelled or refused.
    void finished();

private:
    void run(const QList<QByteArray>& calls, const cmcPrintChoices& choices, bool tickByTick);
    std::unique_ptr<cuiPrintJob> makeJob(QPrinter& device, const cmcPrintChoices& choices);
    int pass(int mode);
    void layOutPreview();
    bool beginDocument();
    bool endDocument();
    void printNextPage();
    void showProgress();
    void finish();
    void message(const char* key);

    QPointer<QWidget> owner;
    cmcPageData& data;
    cmcGTex& table;
    int& fontPoints;
    std::unique_ptr<cuiPrintDialogs> ownDialogs;
    cuiPrintDialogs* dialogs;

    QList<QByteArray> pageList;
    qsizetype nextPage = 0;
    bool cancelled = false;
    std::unique_ptr<cuiPrintJob> job;
    std::unique_ptr<QPrinter> printer;
    std::unique_ptr<QPainter> painter;
    std::unique_ptr<cuiPrintProgress> progress;
    std::unique_ptr<cuiPreview> previewWindow;
    QTimer tick;
    QList<dst_Preview> printed;
};
