// CSV export and import of full pages: memory page 12 and bank A with 100 channels each, on
// destination 0 (every column), through the files as the menu commands write and read them.
#include "BenchPageData.h"
#include "MemoryMap.h"
#include "cmcCsvFile.h"
#include "cmcGTex.h"
#include "datCh.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int MemoryPage12 = 12;
constexpr int BankA = 13;

// Memory page 12 and bank A with 100 channels each.
class Document : public BenchPageData {
public:
    Document() : BenchPageData(0) {
        for (int n = 0; n < mm::BankPositions; ++n) {
            put(1200 + n, datCh::NoBank, 0);
            put(n, 0, n);
        }
        document.rebuildBankIndex();
    }

private:
    void put(int number, int bank, int position) {
        datCh channel(&document);
        channel.reset();
        channel.frequency = 145000000 + 12500 * uint32_t(number % 100);
        channel.duplex = number % 3;
        channel.offset = 600000;
        channel.toneMode = number % 5;
        channel.toneIndex = number % 50;
        channel.dtcsIndex = number % 104;
        channel.trainFrequency = datCh::DefaultTrainFrequency;
        channel.name = {'C', 'H', ' ', char('0' + number / 10 % 10), char('0' + number % 10), ' '};
        channel.bankGroup = bank;
        channel.bankPosition = position;
        channel.store(datCh::KindMemory, number);
    }
};

void exportPage(benchmark::State& state, int pageIndex, int firstRecord) {
    Document document;
    QTemporaryDir dir;
    const QString path = dir.filePath("page.csv");
    for (auto _ : state)
        benchmark::DoNotOptimize(cmcCsvFile::exportPage(document, pageIndex, firstRecord, path));
}

void importPage(benchmark::State& state, int pageIndex, int firstRecord) {
    Document document;
    QTemporaryDir dir;
    const QString path = dir.filePath("page.csv");
    cmcCsvFile::exportPage(document, pageIndex, firstRecord, path);
    for (auto _ : state) {
        benchmark::DoNotOptimize(cmcCsvFile::importPage(document, pageIndex, firstRecord, path));
        // The posted redraws would pile up without a message loop.
        document.events().deliverQueue();
    }
}

void BM_ExportMemoryPage(benchmark::State& state) {
    exportPage(state, MemoryPage12, 1200);
}
void BM_ImportMemoryPage(benchmark::State& state) {
    importPage(state, MemoryPage12, 1200);
}
void BM_ExportBank(benchmark::State& state) {
    exportPage(state, BankA, 0);
}
void BM_ImportBank(benchmark::State& state) {
    importPage(state, BankA, 0);
}

BENCHMARK(BM_ExportMemoryPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportMemoryPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportBank)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportBank)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
