#include "MemPageData.h"
#include "MemoryMap.h"
#include "cmcCsvImport.h"
#include "cmcCsvPage.h"
#include "cmcLoadFile.h"
#include "datCh.h"

#include <QCoreApplication>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct Target {
    int pageIndex;
    int firstRecord;
    int destination;
};

// A memory page, a bank page, the scan edge and auto-write pages, on destinations with and
// without the canceller columns.
const Target Targets[] = {{2, 200, 0}, {2, 200, 1}, {13, 0, 0}, {14, 0, 6}, {35, 0, 1}, {46, 0, 0}};

bool sameBytes(const cmcEeprom& a, const cmcEeprom& b, int from, int to) {
    return std::memcmp(a.bytes() + from, b.bytes() + from, size_t(to - from)) == 0;
}

// What no import may do: touch memory channels outside a memory page, or keep a record that
// the receiver cannot take.
void check(const Target& target, const cmcEeprom& before, cmcEeprom& after) {
    if (target.pageIndex == 2) {
        const int low = mm::memoryChannel(200), high = mm::memoryChannel(300);
        if (!sameBytes(before, after, 0, low) || !sameBytes(before, after, high, mm::AutoWriteBase))
            std::abort();
    }
    const cmcCsvPage page = *cmcCsvPage::of(target.pageIndex, target.firstRecord);
    for (int row = 0; row < page.rowCount(); ++row) {
        const datCh record = page.record(after, row);
        if (record.inUse() && !indDestination::validFrequency(record.frequency))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    return 0;
}

// The line reader and every field rule on any bytes, as a file imported into a page.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const Target& target = Targets[data[0] % std::size(Targets)];
    static std::unique_ptr<MemPageData> documents[std::size(Targets)];
    auto& document = documents[data[0] % std::size(Targets)];
    if (!document)
        document = std::make_unique<MemPageData>(target.destination);
    const cmcEeprom before = document->image();
    cmcLoadFile lines;
    if (!lines.setText(
            QByteArrayView(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1))))
        return 0;
    cmcCsvImport import(*document, *cmcCsvPage::of(target.pageIndex, target.firstRecord));
    if (!import.readTitles(lines.line(0)))
        return 0;
    const cmcCsvImport::Counts counts = import.run(lines);
    if (counts.stored < 0 || counts.stored >= lines.lineCount())
        std::abort();
    check(target, before, document->image());
    document->sent.clear();
    document->events().deliverQueue();
    document->sent.clear();
    return 0;
}
