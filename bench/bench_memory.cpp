#include "MemoryMap.h"
#include "cmcEeprom.h"
#include "datCh.h"
#include "indDestination.h"

#include <benchmark/benchmark.h>

namespace {

// Every memory channel, scan edge and auto-write channel in use.
cmcEeprom fullImage() {
    cmcEeprom image;
    image.loadTemplate(0);
    datCh record(&image);
    for (int n = 0; n < mm::MemoryChannels; ++n) {
        record.reset();
        // Spread over every band, a third of them on the 8.33 kHz raster.
        record.frequency = 1000000u * (n + 1) + (n % 3 == 0 ? 8333 : 0);
        record.offset = 600000;
        record.mode = datCh::ModeAuto;
        record.step = datCh::StepAuto;
        record.bankGroup = n % 23;
        record.bankPosition = n % 100;
        record.store(datCh::KindMemory, n);
        if (n < mm::AutoWriteChannels)
            record.store(datCh::KindAutoWrite, n);
        if (n < mm::ScanEdges) {
            record.lowEdge = record.frequency - 500000;
            record.store(datCh::KindScanEdge, n);
        }
    }
    return image;
}

void LoadAndStoreAllMemoryChannels(benchmark::State& state) {
    cmcEeprom image = fullImage();
    datCh record(&image);
    for (auto _ : state) {
        for (int n = 0; n < mm::MemoryChannels; ++n) {
            record.load(datCh::KindMemory, n);
            record.store();
        }
        benchmark::DoNotOptimize(image.bytes());
    }
    state.SetItemsProcessed(state.iterations() * mm::MemoryChannels);
}
BENCHMARK(LoadAndStoreAllMemoryChannels);

void ConvertFullImageToAnotherDestination(benchmark::State& state) {
    const cmcEeprom full = fullImage();
    cmcEeprom usa;
    usa.loadTemplate(6);
    const indDestination plan(6, false, true);
    cmcEeprom image;
    for (auto _ : state) {
        state.PauseTiming();
        image = full;
        state.ResumeTiming();
        plan.convert(image, usa);
        benchmark::DoNotOptimize(image.bytes());
    }
}
BENCHMARK(ConvertFullImageToAnotherDestination);

void RefitFullImage(benchmark::State& state) {
    const cmcEeprom full = fullImage();
    cmcEeprom usa;
    usa.loadTemplate(6);
    const indDestination plan(6, false, false);
    cmcEeprom image;
    for (auto _ : state) {
        state.PauseTiming();
        image = full;
        state.ResumeTiming();
        plan.refit(image, usa);
        benchmark::DoNotOptimize(image.bytes());
    }
}
BENCHMARK(RefitFullImage);

} // namespace
