#pragma once

#include <QByteArray>
#include <QList>
#include <vector>

class cmcEeprom;
class cmcGTex;
class indDestination;

// The setting checks: one line per checked page, as the warning check list of the definitions
// gives them, each judged by the record rules over the records its page shows. They read the
// image only.
class cmcSettingChecks {
public:
    enum Scope { NoScope, MemoryGroup, Bank, ScanEdges, AutoWrite };

    struct Line {
        int link = 0;
        // The page call text of the page the line covers.
        QByteArray callText;
        Scope scope = NoScope;
        // The memory group or the bank.
        int index = 0;
    };

    struct Result {
        // cmcRecordRules::Warning and Error bits per line, in the list's order.
        std::vector<int> bits;
        // Call texts of the pages with an error, and of those with a warning; a page with
        // both is in both.
        QList<QByteArray> errorPages;
        QList<QByteArray> warningPages;
        int errorLines = 0;
        int warningLines = 0;
    };

    // Reads the check list of the definitions: its lines up to the one that begins with '#'.
    explicit cmcSettingChecks(cmcGTex& table);

    const std::vector<Line>& lines() const { return list; }
    Result run(const cmcEeprom& image, const indDestination& destination) const;

private:
    static Line lineOf(const QByteArray& definition);

    std::vector<Line> list;
};
