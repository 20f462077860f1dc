#include "cmcCheckFindings.h"

#include "MemoryMap.h"
#include "cmcEeprom.h"
#include "cmcRecordRules.h"
#include "datCh.h"

namespace {

using F = cmcCheckFindings;

constexpr int bit(F::Rule rule) {
    return 1 << rule;
}

// The rules a frequency with its step and mode breaks, as a set of rule bits.
int frequencyRules(const cmcRecordRules& rules, uint32_t f, int step, int mode) {
    int set = rules.warning(f) ? bit(F::W) : 0;
    set |= cmcRecordRules::aboveUpperLimit(f) ? bit(F::E1) : 0;
    set |= rules.stepOrBandError(f, step) ? bit(F::E2) : 0;
    set |= rules.cellularWideError(f, mode) ? bit(F::E3) : 0;
    return set;
}

class Walk {
public:
    Walk(const cmcEeprom& image, const indDestination& destination,
         std::vector<F::Finding>& findings)
        : image(image), rules(destination), findings(findings),
          // The codec binds a mutable image; loading only reads it.
          record(const_cast<cmcEeprom*>(&image)) {}

    void line(int place, const cmcSettingChecks::Line& line) {
        switch (line.scope) {
        case cmcSettingChecks::MemoryGroup:
            memoryGroup(place, line.index);
            break;
        case cmcSettingChecks::Bank:
            bank(place, line.index);
            break;
        case cmcSettingChecks::ScanEdges:
            scanEdges(place);
            break;
        case cmcSettingChecks::AutoWrite:
            for (int n = 0; n < mm::AutoWriteChannels; ++n)
                add(place, n, channel(datCh::KindAutoWrite, n));
            break;
        case cmcSettingChecks::NoScope:
            break;
        }
    }

private:
    int channel(int kind, int n) {
        record.load(kind, n);
        return record.inUse() ? frequencyRules(rules, record.frequency, record.step, record.mode)
                              : 0;
    }

    void memoryGroup(int place, int group) {
        const int first = group * cmcRecordRules::GroupSize;
        for (int n = first; n < first + cmcRecordRules::GroupSize && n < mm::MemoryChannels; ++n) {
            int set = channel(datCh::KindMemory, n);
            if (record.inUse() &&
                cmcRecordRules::bankConflict(image, record.bankGroup, record.bankPosition))
                set |= bit(F::E4);
            add(place, n, set);
        }
    }

    void bank(int place, int bankNumber) {
        for (int p = 0; p < mm::BankPositions; ++p) {
            const uint16_t n = image.bankEntry(bankNumber, p);
            if (n < mm::MemoryChannels)
                add(place, p, channel(datCh::KindMemory, n));
        }
    }

    void scanEdges(int place) {
        for (int n = 0; n < mm::ScanEdges; ++n) {
            record.load(datCh::KindScanEdge, n);
            if (!record.inUse())
                continue;
            add(place, n,
                frequencyRules(rules, record.lowEdge, record.step, record.mode) |
                    frequencyRules(rules, record.frequency, record.step, record.mode));
        }
    }

    void add(int place, int number, int set) {
        for (F::Rule rule : {F::W, F::E1, F::E2, F::E3, F::E4})
            if (set & bit(rule))
                findings.push_back({place, number, rule});
    }

    const cmcEeprom& image;
    cmcRecordRules rules;
    std::vector<F::Finding>& findings;
    datCh record;
};

} // namespace

std::vector<cmcCheckFindings::Finding> cmcCheckFindings::of(const cmcSettingChecks& checks,
                                                            const cmcEeprom& image,
                                                            const indDestination& destination) {
    std::vector<Finding> findings;
    Walk walk(image, destination, findings);
    for (size_t place = 0; place < checks.lines().size(); ++place)
        walk.line(int(place), checks.lines()[place]);
    return findings;
}

const char* cmcCheckFindings::ruleName(Rule rule) {
    static const char* const Names[] = {"W", "E1", "E2", "E3", "E4"};
    return Names[rule];
}
