#pragma once

#include <span>

// A stored code and a text a CSV file gives it. A code may have several texts; the first is
// the one written.
struct datCsvCode {
    int code;
    const char* text;
};

// One column of a CSV layout: its title and the field link whose rule reads and writes it.
// A list field either names its texts here or, without them, is written as the value text of
// its selection list followed by `suffix`.
struct datCsvColumn {
    const char* title;
    // 0 for the row index.
    int link = 0;
    std::span<const datCsvCode> codes = {};
    const char* suffix = "";
    bool required = false;
    // Only where the page shows the canceller columns.
    bool canceller = false;
};
