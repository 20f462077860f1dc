// The undo history on a full image: what one step costs to record and to undo, and the memory
// that the kept steps hold.
#include "MemoryMap.h"
#include "cuiUndoHistory.h"
#include "datCh.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

datDocumentState fullImage() {
    datDocumentState state;
    state.image.resize(mm::ImageSize);
    state.image.loadTemplate(6);
    datCh channel(&state.image);
    for (int number = 0; number < mm::MemoryChannels; ++number) {
        channel.load(datCh::KindMemory, number);
        channel.setInUse(true);
        channel.frequency = 145000000 + 12500 * uint32_t(number);
        channel.store(datCh::KindMemory, number);
    }
    state.destination = 6;
    return state;
}

// Typing into channels, one step each, as far as the history keeps them.
void RecordAStep(benchmark::State& state) {
    datDocumentState document = fullImage();
    cuiUndoHistory history([&] { return document; },
                           [&](const datDocumentState& kept) { document = kept; });
    datCh channel(&document.image);
    int number = 0;
    for (auto _ : state) {
        history.begin();
        channel.load(datCh::KindMemory, number);
        channel.frequency += 5000;
        channel.store(datCh::KindMemory, number);
        history.end("Edit");
        number = (number + 1) % mm::MemoryChannels;
    }
    const double steps = history.stack().count();
    state.counters["kept_steps"] = steps;
    state.counters["kept_MB"] = steps * 2 * mm::ImageSize / 1e6;
}
BENCHMARK(RecordAStep)->Iterations(1000)->Unit(benchmark::kMicrosecond);

void UndoAndRedo(benchmark::State& state) {
    datDocumentState document = fullImage();
    cuiUndoHistory history([&] { return document; },
                           [&](const datDocumentState& kept) { document = kept; });
    datCh channel(&document.image);
    history.begin();
    channel.load(datCh::KindMemory, 0);
    channel.frequency = 433000000;
    channel.store(datCh::KindMemory, 0);
    history.end("Edit");
    for (auto _ : state) {
        history.stack().undo();
        history.stack().redo();
    }
}
BENCHMARK(UndoAndRedo)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
