// The setting checks over every check line of a fully used image, and Insert on a full memory
// page with its overflow question answered OK and the bank index rebuilt on the image-changed
// event, as the program does.
#include "MemoryMap.h"
#include "cmcCellNames.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcPageData.h"
#include "cmcPrompt.h"
#include "cmcRowOps.h"
#include "cmcSettingChecks.h"
#include "datCh.h"
#include "datClipCh.h"
#include "datRowContext.h"
#include "indDestination.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

class AlwaysOk : public cmcPrompt {
public:
    Answer message(const Message&) override { return AnswerOk; }
    QString chooseFile(const FileDialog&) override { return {}; }
};

// Destination 6 with every memory channel, auto-write slot and scan edge in use, and the
// first 13 banks full.
class FullDocument : public cmcPageData {
public:
    FullDocument() {
        templ.loadTemplate(6);
        document = templ;
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
        bus.AddListener(heard, this);
    }
    ~FullDocument() override { bus.RemoveListener(heard, this); }

    cmcEeprom& image() override { return document; }
    cmcEeprom& templateImage() override { return templ; }
    indDestination bandPlan() const override { return indDestination(6); }
    cmcEvMan& events() override { return bus; }
    cmcPrompt& prompt() override { return ok; }
    cmcGTex& table() override { return cmcGTex::app(); }

    cmcEeprom document;

private:
    static void heard(void* context, cmcEvent& event) {
        if (event.number == cmcRowOps::ImageChanged)
            static_cast<FullDocument*>(context)->document.rebuildBankIndex();
    }

    cmcEeprom templ;
    cmcEvMan bus;
    AlwaysOk ok;
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
