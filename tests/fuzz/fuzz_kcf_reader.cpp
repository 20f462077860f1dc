#include "MemoryMap.h"
#include "cmcEeprom.h"
#include "cmcKcfDocument.h"
#include "cmcKcfFile.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

namespace {

// Small enough that mutated seeds can still reach a complete, accepted file.
const mm::Range Covered[] = {{0x0000, 0x001F}, {1, 0}};

cmcEeprom& fuzzImage() {
    static cmcEeprom image = [] {
        cmcEeprom made;
        made.resize(mm::ImageSize);
        made.fill(0x5A);
        return made;
    }();
    return image;
}

} // namespace

// Any input must give a known code, and a refused one must leave the image as it was.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    cmcEeprom& image = fuzzImage();
    const cmcEeprom before = image;
    cmcKcfFile reader;
    reader.setImage(image);
    cmcKcfDocument::prepareReader(reader);
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const int code = reader.read(buffer, Covered);
    if (code < cmcKcfFile::Ok || code > cmcKcfFile::EtcData)
        std::abort();
    if (code != cmcKcfFile::Ok && !(image == before))
        std::abort();
    return 0;
}
