#include "cliArgs.h"
#include "cliCommands.h"
#include "cliExit.h"
#include "cmcEeprom.h"
#include "cmcKcfDocument.h"
#include "datCh.h"

#include <QByteArray>
#include <cstdio>

namespace {

struct DumpKind {
    const char* name;
    int kind;
};

const DumpKind Kinds[] = {
    {"memory", datCh::KindMemory},
    {"autowrite", datCh::KindAutoWrite},
    {"scanedge", datCh::KindScanEdge},
    {"band", datCh::KindBandDefault},
};

const char ChannelColumns[] = "number\tused\tfrequency\toffset\tduplex\tstep\tmode\tatt\taf\ttone\t"
                              "tone_index\tdtcs_index\tpolarity\tcanceller\ttrain\tvsc\tname\t"
                              "skip\tbank\tposition";
const char EdgeColumns[] = "number\tused\tlow\thigh\tstep\tmode\tatt\tname";

// A byte outside printable ASCII is written as \xNN, so that every line stays plain text.
QByteArray quotedName(const datCh& record) {
    QByteArray quoted(1, '"');
    for (const char c : record.name) {
        const auto byte = static_cast<uint8_t>(c);
        if (byte >= 32 && byte <= 126)
            quoted += c;
        else
            quoted += "\\x" + QByteArray::number(byte, 16).toUpper().rightJustified(2, '0');
    }
    return quoted + '"';
}

QByteArray row(std::initializer_list<QByteArray> fields) {
    QByteArray line;
    for (const QByteArray& field : fields) {
        if (!line.isEmpty())
            line += '\t';
        line += field;
    }
    return line + '\n';
}

QByteArray n(long long value) {
    return QByteArray::number(value);
}

QByteArray channelRow(const datCh& r) {
    return row({n(r.number),       n(r.inUse()),   n(r.frequency),      n(r.offset),
                n(r.duplex),       n(r.step),      n(r.mode),           n(r.attenuator),
                n(r.afFilter),     n(r.toneMode),  n(r.toneIndex),      n(r.dtcsIndex),
                n(r.dtcsPolarity), n(r.canceller), n(r.trainFrequency), n(r.vsc),
                quotedName(r),     n(r.skip),      n(r.bankGroup),      n(r.bankPosition)});
}

QByteArray edgeRow(const datCh& r) {
    return row({n(r.number), n(r.inUse()), n(r.lowEdge), n(r.frequency), n(r.step), n(r.mode),
                n(r.attenuator), quotedName(r)});
}

int kindNamed(const QString& name) {
    for (const DumpKind& entry : Kinds)
        if (name == entry.name)
            return entry.kind;
    return datCh::KindNone;
}

} // namespace

int cliDump(const QStringList& arguments) {
    cliArgs args;
    if (!args.parse(arguments, {"--kind", "--first", "--last"}) || args.positional().size() != 1)
        return cliExit::usage();
    const int kind = kindNamed(args.value("--kind"));
    int lowest = 0;
    int highest = 0;
    int first = 0;
    int last = 0;
    if (!datCh::kindRange(kind, lowest, highest) ||
        !args.number("--first", lowest, highest, lowest, first) ||
        !args.number("--last", first, highest, highest, last))
        return cliExit::usage();

    cmcEeprom document;
    int destination = 0;
    const int code =
        cmcKcfDocument::open(args.positional()[0], document, destination, cliExit::fileMessages());
    if (code != 0)
        return cliExit::fromFileError(code);

    const bool edges = kind == datCh::KindScanEdge;
    QByteArray out = QByteArray(edges ? EdgeColumns : ChannelColumns) + '\n';
    datCh record(&document);
    for (int number = first; number <= last; ++number) {
        record.load(kind, number);
        out += edges ? edgeRow(record) : channelRow(record);
    }
    std::fwrite(out.constData(), 1, static_cast<size_t>(out.size()), stdout);
    return cliExit::Success;
}
