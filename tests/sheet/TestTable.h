#pragma once

#include "cmcGTex.h"

#include <string>
#include <vector>

// A definition table of the test's own lines, read by a reader of its own.
class TestTable {
public:
    explicit TestTable(std::vector<std::string> text) : text(std::move(text)) {
        for (const std::string& line : this->text)
            pointers.push_back(line.c_str());
        pointers.push_back(nullptr);
        table.setSource(pointers.data());
    }
    cmcGTex& reader() { return table; }

private:
    std::vector<std::string> text;
    std::vector<const char*> pointers;
    cmcGTex table;
};
