#include "cmcFCache.h"

#include "cmcCellObj.h"
#include "cmcGTex.h"
#include "cmcHash.h"

#include <algorithm>

cmcFCache::cmcFCache(cmcGTex& table) : definitions(table), index(cmcHash::DefaultBuckets) {}

cmcFCache& cmcFCache::app() {
    static cmcFCache cache(cmcGTex::app());
    return cache;
}

const cmcFCacheRecord& cmcFCache::record(const QByteArray& sheetKey, int link) {
    const QByteArray key = sheetKey + '#' + QByteArray::number(link);
    if (const cmcHash2::Entry* entry = index.find(key))
        return *entry->value;
    records.push_back(build(sheetKey, link));
    index.insert(key, &records.back());
    return records.back();
}

cmcFCacheRecord cmcFCache::build(const QByteArray& sheetKey, int link) {
    cmcFCacheRecord result;
    const QList<QByteArray> lines = definitions.listLines((sheetKey + "_Cells").constData());
    result.lastLine = static_cast<int>(lines.size());
    cmcCellObj::LoopVariables loopVariables{};
    for (int line = 0; line < result.lastLine; ++line) {
        const std::vector<cmcCellObj> cells =
            cmcCellObj::parseLine(lines[line], &loopVariables, nullptr);
        result.widestLine = std::max(result.widestLine, static_cast<int>(cells.size()));
        for (int position = 0; position < static_cast<int>(cells.size()); ++position) {
            const cmcCellObj& cell = cells[position];
            if (cell.link() == link)
                result.byNumber.push_back(
                    {line, position, cell.index(), cell.argument().value_or(cell.text())});
        }
    }
    result.byPosition = result.byNumber;
    std::stable_sort(result.byNumber.begin(), result.byNumber.end(),
                     [](const auto& a, const auto& b) { return a.number < b.number; });
    const int columnStride = result.lastLine;
    std::stable_sort(result.byPosition.begin(), result.byPosition.end(),
                     [columnStride](const auto& a, const auto& b) {
                         return a.line + a.position * columnStride <
                                b.line + b.position * columnStride;
                     });
    return result;
}

QByteArray cmcFCache::valueText(const QByteArray& sheetKey, int link, int choice) {
    const std::vector<cmcFCacheRecord::Choice>& choices = record(sheetKey, link).byNumber;
    const auto found = std::lower_bound(choices.begin(), choices.end(), choice,
                                        [](const auto& entry, int n) { return entry.number < n; });
    if (found == choices.end() || found->number != choice)
        return "error";
    return found->value;
}

std::optional<int> cmcFCache::nextChoice(const QByteArray& sheetKey, int link, int choice,
                                         int step) {
    const std::vector<cmcFCacheRecord::Choice>& choices = record(sheetKey, link).byPosition;
    if (choices.empty())
        return std::nullopt;
    const auto found = std::find_if(choices.begin(), choices.end(),
                                    [choice](const auto& entry) { return entry.number == choice; });
    if (found == choices.end())
        return choices.front().number;
    const auto count = static_cast<qsizetype>(choices.size());
    qsizetype position = (found - choices.begin()) + step;
    if (position >= count)
        position = 0;
    else if (position < 0)
        position = count - 1;
    return choices[position].number;
}
