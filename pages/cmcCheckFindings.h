#pragma once

#include "cmcSettingChecks.h"

#include <vector>

// What each check line found, record by record: which rule each used record breaks. The
// lines' error and warning states are these findings summed up per line.
class cmcCheckFindings {
public:
    enum Rule { W, E1, E2, E3, E4 };

    struct Finding {
        // Place in the check list.
        int line;
        // The memory channel, the bank position, the scan edge or the auto-write slot.
        int record;
        Rule rule;
        bool error() const { return rule != W; }
    };

    // In check list order, then by record, then by rule.
    static std::vector<Finding> of(const cmcSettingChecks& checks, const cmcEeprom& image,
                                   const indDestination& destination);
    static const char* ruleName(Rule rule);
};
