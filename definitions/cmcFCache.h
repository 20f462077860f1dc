#pragma once

#include "cmcFCacheRecord.h"
#include "cmcHash2.h"

#include <QByteArray>
#include <deque>
#include <optional>

class cmcGTex;

// Values of the selection sheets: turns a choice number into the value text the sheet gives it
// and steps through the choices in their on-screen order. Each (sheet, link) pair is read from
// the definitions once, on first use.
class cmcFCache {
public:
    explicit cmcFCache(cmcGTex& table);
    cmcFCache(const cmcFCache&) = delete;
    cmcFCache& operator=(const cmcFCache&) = delete;

    // The value text of a choice: the cell's argument when it has one, else its text; "error"
    // for a choice number the sheet does not hold.
    QByteArray valueText(const QByteArray& sheetKey, int link, int choice);
    // The choice `step` places (+1 or -1) away in on-screen order, wrapping at both ends; the
    // first choice when `choice` is not held; none when the sheet has no choice for the link.
    std::optional<int> nextChoice(const QByteArray& sheetKey, int link, int choice, int step);
    // The record of a sheet and link, read on first use.
    const cmcFCacheRecord& record(const QByteArray& sheetKey, int link);

    // The cache over the process-wide definition table.
    static cmcFCache& app();

private:
    cmcFCacheRecord build(const QByteArray& sheetKey, int link);

    cmcGTex& definitions;
    cmcHash2 index;
    std::deque<cmcFCacheRecord> records;
};
