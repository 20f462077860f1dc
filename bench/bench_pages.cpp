// The real pages on the offscreen platform: opening memory page 12 (build and first paint with
// the memory-field handler), typing a frequency into a channel until its row is repainted, and
// opening the common settings page.
#include "BenchPageData.h"
#include "cmcCellNames.h"
#include "cmcGTex.h"
#include "cmcPageCall.h"
#include "cuiGrid.h"
#include "cuiSheet.h"
#include "datCh.h"
#include "iuiPageFactory.h"

#include <QApplication>
#include <QImage>
#include <QLayout>
#include <benchmark/benchmark.h>

namespace {

// A document of destination 6 whose page 12 is full of channels.
class Document : public BenchPageData {
public:
    Document() : BenchPageData(6) {
        datCh channel(&document);
        for (int number = 1200; number < 1300; ++number) {
            channel.load(datCh::KindMemory, number);
            channel.setInUse(true);
            channel.frequency = 145000000 + 12500 * uint32_t(number - 1200);
            channel.store(datCh::KindMemory, number);
        }
        document.rebuildBankIndex();
    }
};

std::unique_ptr<cuiSheet> open(Document& document, const QByteArray& call, QImage& canvas) {
    auto page = iuiPageFactory::create(cmcPageCall::split(call), nullptr, nullptr, cmcGTex::app(),
                                       &document);
    page->resize(1280, 800);
    page->Show();
    page->show();
    page->layout()->activate();
    QWidget* viewport = page->grid().viewport();
    viewport->render(&canvas, QPoint(), QRegion(viewport->rect()));
    return page;
}

void OpenPage(benchmark::State& state, const QByteArray& call) {
    Document document;
    QImage canvas(1280, 800, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        auto page = open(document, call, canvas);
        benchmark::DoNotOptimize(canvas.bits());
    }
}

void OpenMemoryPage12(benchmark::State& state) {
    OpenPage(state, "[St_ColCut]GI_Sheet_MemoryCH,12,1200");
}
BENCHMARK(OpenMemoryPage12)->Unit(benchmark::kMillisecond);

void OpenMemoryPage0(benchmark::State& state) {
    OpenPage(state, "[St_ColCut]GI_Sheet_MemoryCH,0,0");
}
BENCHMARK(OpenMemoryPage0)->Unit(benchmark::kMillisecond);

void OpenCommonSettings(benchmark::State& state) {
    OpenPage(state, "[St_Common]GI_Sheet_Common");
}
BENCHMARK(OpenCommonSettings)->Unit(benchmark::kMillisecond);

// A committed edit of channel 1210's frequency, alternating between two values, and the
// repaint of its row.
void TypeFrequency(benchmark::State& state) {
    Document document;
    QImage canvas(1280, 800, QImage::Format_ARGB32_Premultiplied);
    auto page = open(document, "[St_ColCut]GI_Sheet_MemoryCH,12,1200", canvas);
    int column = -1;
    int row = -1;
    page->findCell(cmcCellNames::CL_Mch_Freq, 1210, column, row);
    const QByteArray values[] = {"433.5", "145.5"};
    QRect line;
    for (int c = 0; c < page->matrix().columnCount(); ++c)
        line |= page->grid().cellRect(c, row);
    int turn = 0;
    QApplication::processEvents();
    for (auto _ : state) {
        page->cellAction(column, row, 0, 0, &values[turn]);
        turn ^= 1;
        page->grid().viewport()->repaint(line);
    }
    state.counters["row_width"] = line.width();
    datCh channel(&document.image());
    channel.load(datCh::KindMemory, 1210);
    if (channel.frequency != 433500000 && channel.frequency != 145500000)
        state.SkipWithError("the edit did not reach the channel");
}
BENCHMARK(TypeFrequency)->Unit(benchmark::kMillisecond);

} // namespace

// MAVIK_EDITION=ja measures the Japanese list.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qgetenv("MAVIK_EDITION") == "ja")
        cmcGTex::chooseEdition(cmcGTex::Japanese);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
