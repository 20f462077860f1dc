#pragma once

#include "datMemField.h"

// The fields of a program scan edge row, from link to behaviour.
class cmcScanEdgeFieldTable {
public:
    // None for a link that is not a scan edge field.
    static const datMemField* find(int link);
};
