// The setting checks over every check line of a fully used image, and Insert on a full memory
// page with its overflow question answered OK and the bank index rebuilt on the image-changed
// event, as the program does.
#include "BenchPageData.h"
#include "MemoryMap.h"
#include "cmcCellNames.h"
#include "cmcGTex.h"
#include "cmcRowOps.h"
#include "cmcSettingChecks.h"
#include "datCh.h"
#include "datClipCh.h"
#include "datRowContext.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

// Destination 6 with every memory channel, auto-write slot and scan edge in use, and the
// first 13 banks full.
class FullDocument : public BenchPageData {
public:
    FullDocument() : BenchPageData(6) {
        datCh record(&document);
        for (int n = 0; n < mm::MemoryChannels; ++n) {
            record.reset();
            record.frequency = 118000000 + 25000 * uint32_t(n);
            record.bankGroup = n / mm::BankPositions;
            record.bankPosition = n % mm::BankPositions;
            record.store(datCh::KindMemory, n);
        }
        for (int n = 0; n < mm::AutoWriteChannels; ++n) {
            record.reset();
            record.frequency = 430000000 + 12500 * uint32_t(n);
            record.store(datCh::KindAutoWrite, n);
        }
        for (int n = 0; n < mm::ScanEdges; ++n) {
            record.reset();
            record.lowEdge = 144000000 + 1000000 * uint32_t(n);
            record.frequency = record.lowEdge + 500000;
            record.store(datCh::KindScanEdge, n);
        }
        document.rebuildBankIndex();
    }
};

void BM_SettingChecksFullImage(benchmark::State& state) {
    FullDocument data;
    const cmcSettingChecks checks(cmcGTex::app());
    for (auto _ : state) {
        const cmcSettingChecks::Result result = checks.run(data.document, data.bandPlan());
        benchmark::DoNotOptimize(result.errorLines);
    }
}
BENCHMARK(BM_SettingChecksFullImage)->Unit(benchmark::kMicrosecond);

void BM_InsertOnFullMemoryPage(benchmark::State& state) {
    FullDocument data;
    const cmcEeprom full = data.document;
    datClipCh clipboard;
    for (auto _ : state) {
        state.PauseTiming();
        data.document = full;
        state.ResumeTiming();
        datRowContext row = datRowContext::forPage(datCh::KindMemory, 500);
        cmcRowOps::command(data, cmcCellNames::CL_PMenu_Insert, row, clipboard);
        data.events().deliverQueue();
    }
}
BENCHMARK(BM_InsertOnFullMemoryPage)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
