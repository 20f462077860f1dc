#pragma once

#include "cmcGTex.h"

#include <string>
#include <vector>

// A definition table of the test's own, for sheets the built-in table does not have.
class SheetTable {
public:
    explicit SheetTable(std::vector<std::string> lines) : text(std::move(lines)) {
        text.push_back("#GI_CellWidthRegList");
        text.push_back("T_Wide:wide");
        text.push_back("#");
        text.push_back("#GI_Sys_AppTitle");
        text.push_back("Mavik");
        text.push_back("#End_Of_Ovl");
        for (const std::string& line : text)
            pointers.push_back(line.c_str());
        pointers.push_back(nullptr);
        reader.setSource(pointers.data());
    }
    cmcGTex& table() { return reader; }

private:
    std::vector<std::string> text;
    std::vector<const char*> pointers;
    cmcGTex reader;
};
