#include "cmcCellNames.h"
#include "cmcCellObj.h"
#include "cmcFCache.h"
#include "cmcGTex.h"
#include "cmcGTexLists.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

// The last key before the end of the English table: the deepest first lookup there is.
QByteArray lastKey() {
    QByteArray key;
    for (const char* const* line = gtexEnglishLines; *line; ++line) {
        if ((*line)[0] == '#' && (*line)[1] && std::strcmp(*line, "#End_Of_Ovl") != 0)
            key = *line + 1;
    }
    return key;
}

void BM_FirstLookupNearTheEnd(benchmark::State& state) {
    const QByteArray key = lastKey();
    for (auto _ : state) {
        cmcGTex reader;
        reader.setSource(gtexEnglishLines);
        benchmark::DoNotOptimize(reader.GetText(key.constData()));
    }
}
BENCHMARK(BM_FirstLookupNearTheEnd);

void BM_RepeatedLookup(benchmark::State& state) {
    const QByteArray key = lastKey();
    cmcGTex reader;
    reader.setSource(gtexEnglishLines);
    for (auto _ : state)
        benchmark::DoNotOptimize(reader.GetText(key.constData()));
}
BENCHMARK(BM_RepeatedLookup);

// Every cell line of the memory-channel sheet, parsed on the sheet's basic cell.
void BM_ParseMemoryChannelSheet(benchmark::State& state) {
    cmcGTex& table = cmcGTex::app();
    cmcCellObj basic;
    basic.parse(table.GetText("GI_Sheet_MemoryCH_BasicCell"), nullptr, nullptr);
    const QList<QByteArray> lines = table.listLines("GI_Sheet_MemoryCH_Cells");
    std::int64_t cells = 0;
    for (auto _ : state) {
        cmcCellObj::LoopVariables loopVariables{};
        for (const QByteArray& line : lines) {
            if (line.startsWith(':'))
                continue;
            const auto parsed = cmcCellObj::parseLine(line, &loopVariables, &basic);
            cells += static_cast<std::int64_t>(parsed.size());
        }
    }
    state.SetItemsProcessed(cells);
}
BENCHMARK(BM_ParseMemoryChannelSheet);

void BM_SelectionValueLookup(benchmark::State& state) {
    cmcFCache& cache = cmcFCache::app();
    const QByteArray sheet = "GI_Sheet_Sel_Mch_Dup";
    for (auto _ : state)
        benchmark::DoNotOptimize(cache.valueText(sheet, cmcCellNames::Flex0, 2));
}
BENCHMARK(BM_SelectionValueLookup);

} // namespace
