// The sheet engine on the offscreen platform: building and first painting the memory channel
// sheet, repainting a full viewport of it, and moving the cursor with its repaint.
#include "cmcCellHandler.h"
#include "cmcGTex.h"
#include "cuiGrid.h"
#include "cuiSheet.h"
#include "datCellReq.h"

#include <QApplication>
#include <QImage>
#include <QLayout>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

class ConstantText : public cmcCellHandler {
public:
    QByteArray shownText(datCellReq&) override {
        ++asked;
        return text;
    }
    long asked = 0;
    QByteArray text = "145.500000";
    int act(datCellReq&) override { return Nothing; }
};

struct Window {
    Window() {
        sheet.setValueProvider(&provider);
        sheet.resize(1280, 800);
    }
    ConstantText provider;
    cuiSheet sheet{nullptr, nullptr, 0, 0, cmcGTex::app(), "GI_Sheet_MemoryCH"};
};

void paintViewport(cuiSheet& sheet, QImage& canvas) {
    QWidget* viewport = sheet.grid().viewport();
    viewport->render(&canvas, QPoint(), QRegion(viewport->rect()));
}

void BuildAndFirstPaint(benchmark::State& state) {
    QImage canvas(1280, 800, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        Window window;
        window.sheet.Show();
        window.sheet.show();
        window.sheet.layout()->activate();
        paintViewport(window.sheet, canvas);
        benchmark::DoNotOptimize(canvas.bits());
    }
}
BENCHMARK(BuildAndFirstPaint)->Unit(benchmark::kMillisecond);

// The argument is the length of every shown value: a frequency, or a short choice like "OFF".
void FullRepaint(benchmark::State& state) {
    Window window;
    window.provider.text = state.range(0) == 3 ? "OFF" : "145.500000";
    window.sheet.Show();
    window.sheet.show();
    QImage canvas(window.sheet.grid().viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        paintViewport(window.sheet, canvas);
        benchmark::DoNotOptimize(canvas.bits());
    }
    state.counters["width"] = canvas.width();
    state.counters["height"] = canvas.height();
}
BENCHMARK(FullRepaint)->Arg(10)->Arg(3)->Unit(benchmark::kMillisecond);

// Down and up again between two rows in view: the two rows are all that is repainted.
void CursorMove(benchmark::State& state) {
    Window window;
    window.sheet.Show();
    window.sheet.show();
    QApplication::processEvents();
    window.sheet.moveCursor(0, 10);
    QApplication::processEvents();
    const long before = window.provider.asked;
    int direction = 1;
    for (auto _ : state) {
        window.sheet.moveCursor(0, direction);
        direction = -direction;
        QApplication::processEvents();
    }
    state.counters["cells"] = benchmark::Counter(double(window.provider.asked - before),
                                                 benchmark::Counter::kAvgIterations);
}
BENCHMARK(CursorMove)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
