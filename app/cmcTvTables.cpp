#include "cmcTvTables.h"

#include "cmcFatal.h"

extern const char* const tvTableLines[];

cmcTvTables::cmcTvTables(const char* const* lines) {
    for (; *lines; ++lines)
        parseLine(QByteArray(*lines));
}

const cmcTvTables::Table& cmcTvTables::table(int index) const {
    static const Table none;
    return index >= 0 && index < count() ? tables[size_t(index)] : none;
}

const cmcTvTables& cmcTvTables::builtIn() {
    static const cmcTvTables tables(tvTableLines);
    return tables;
}

void cmcTvTables::parseLine(const QByteArray& line) {
    if (line.isEmpty() || line.startsWith('#'))
        return;
    bool ok = false;
    if (line.startsWith('=')) {
        currentMode = line.mid(1, line.indexOf(' ') - 1).toUInt(&ok);
        if (ok)
            tables.emplace_back();
    } else {
        // <frequency> "<name>"
        const qsizetype space = line.indexOf(' ');
        const QByteArray quoted = line.mid(space + 1);
        const uint32_t frequency = line.left(space).toUInt(&ok);
        ok = ok && !tables.empty() && quoted.size() == NameSize + 2 && quoted.startsWith('"') &&
             quoted.endsWith('"');
        if (ok)
            tables.back().push_back({frequency, quoted.mid(1, NameSize), currentMode});
    }
    if (!ok)
        cmcFatal::stop(line);
}
