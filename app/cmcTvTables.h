#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

// The built-in TV channel tables: for each TV system, the sound carrier and name of every
// channel of its plan, in the order of the table names of the definition table. Read from a line
// list: "=<mode>" opens a table whose entries all take that mode code; each entry line is the
// frequency in Hz and the 4-character name between double quotes; "#" lines are comments.
class cmcTvTables {
public:
    struct Entry {
        uint32_t frequency = 0;
        QByteArray name;
        uint32_t mode = 0;
    };
    using Table = std::vector<Entry>;

    // A malformed line is a defect of the built-in data and ends the program.
    explicit cmcTvTables(const char* const* lines);

    int count() const { return int(tables.size()); }
    // An index outside the directory gives an empty table.
    const Table& table(int index) const;

    static const cmcTvTables& builtIn();

    static constexpr int NameSize = 4;
    // The table whose channels take the automatic tuning step on some destinations.
    static constexpr int Japan = 10;

private:
    void parseLine(const QByteArray& line);

    std::vector<Table> tables;
    uint32_t currentMode = 0;
};
