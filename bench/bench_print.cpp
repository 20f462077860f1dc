// Printing on the offscreen platform: laying out one full memory channel page for a 600 dpi A4
// printer, and printing every page of a fully used image into a PDF file.
#include "BenchPageData.h"
#include "MemoryMap.h"
#include "cmcGTex.h"
#include "cmcPrintLayout.h"
#include "cuiLook.h"
#include "cuiPreview.h"
#include "cuiPrintJob.h"
#include "cuiPrintPage.h"
#include "cuiPrinter.h"
#include "datCh.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Destination 0 (every column shown) with all 1300 channels used and filed in the first 13
// banks.
class FullDocument : public BenchPageData {
public:
    FullDocument() : BenchPageData(0) {
        datCh channel(&document);
        for (int number = 0; number < mm::MemoryChannels; ++number) {
            channel.load(datCh::KindMemory, number);
            channel.setInUse(true);
            channel.frequency = 145000000 + 12500 * uint32_t(number);
            channel.bankGroup = number / mm::BankPositions;
            channel.bankPosition = number % mm::BankPositions;
            channel.store(datCh::KindMemory, number);
        }
        document.rebuildBankIndex();
    }
};

// Argument 0: the counting pass, which measures only; 1: the preview pass, which also draws
// every block into a recorded picture.
void LayOutMemoryPageA4At600(benchmark::State& state) {
    FullDocument document;
    cuiPreview preview(cmcGTex::app(), 9);
    cuiPrintJob job(document, cmcGTex::app());
    job.mode = state.range(0) ? cuiPrintJob::Preview : cuiPrintJob::Counting;
    job.preview = &preview;
    job.dpi = 600;
    job.scale = 600 / (96.0 * cuiLook::screenScale());
    job.paper = QSize(4960, 7016);
    job.content = cmcPrintLayout::contentRect(
        job.paper, job.dpi,
        cmcPrintLayout::margins(cmcGTex::app().GetText("GI_Sys_Printer_Margins")));
    int papers = 0;
    for (auto _ : state) {
        job.pages = 0;
        preview.clearPages();
        papers = cuiPrintPage(job, "[St_ColCut]GI_Sheet_MemoryCH,5,500").layOut();
    }
    state.counters["papers"] = papers;
}
BENCHMARK(LayOutMemoryPageA4At600)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void PrintAllToPdf(benchmark::State& state) {
    FullDocument document;
    int points = 9;
    cuiPrinter printer(nullptr, document, cmcGTex::app(), points);
    const QList<QByteArray> pages = cuiPrinter::treePages(cmcGTex::app());
    QTemporaryDir dir;
    for (auto _ : state) {
        if (!printer.printToPdf(pages, {true, true}, dir.filePath("all.pdf")))
            state.SkipWithError("PDF not written");
    }
    state.counters["papers"] = double(printer.printedPages().size());
}
BENCHMARK(PrintAllToPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
