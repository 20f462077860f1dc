#include "cmcKcfDocument.h"

#include "MemoryMap.h"
#include "clsEtcData.h"
#include "cmcEeprom.h"
#include "indDestination.h"

namespace {

constexpr int32_t NewestMapRevision = 1;

} // namespace

bool cmcKcfDocument::acceptMapRevision(void*, int32_t mapRevision) {
    return mapRevision <= NewestMapRevision;
}

bool cmcKcfDocument::acceptEtcData(void*, int32_t etcData, uint32_t, int32_t* decoded) {
    const clsEtcData::Decoded word = clsEtcData::decode(etcData);
    if (!word.valid || word.flagB != 1 || word.destination < 0 || word.destination >= Destinations)
        return false;
    *decoded = word.destination;
    return true;
}

void cmcKcfDocument::prepareReader(cmcKcfFile& file) {
    file.setModelCode(ModelCode);
    file.setModelVersion(ModelVersion);
    file.setMapRevCheck(acceptMapRevision, nullptr);
    file.setEtcDataCheck(acceptEtcData, nullptr);
}

int cmcKcfDocument::open(const QString& fileName, cmcEeprom& document, int& destination,
                         Messages messages) {
    cmcEeprom scratch;
    scratch.resize(mm::ImageSize);
    cmcKcfFile file;
    file.setImage(scratch);
    file.setMessageHandler(messages.handler, messages.context);
    prepareReader(file);
    int code = file.read(fileName, nullptr);
    if (code != cmcKcfFile::Ok)
        return code;
    code = scratch.formatAccepted(true) ? file.checkCoverage(mm::ReadRanges) : cmcKcfFile::Data;
    if (code != cmcKcfFile::Ok)
        return file.report(code);
    document = scratch;
    destination = file.decodedEtcData();
    return cmcKcfFile::Ok;
}

int cmcKcfDocument::save(const QString& fileName, cmcEeprom& document,
                         const indDestination& destination, const cmcEeprom& templateImage,
                         Messages messages) {
    destination.convert(document, templateImage);
    return write(fileName, document, destination.destination(), messages);
}

int cmcKcfDocument::write(const QString& fileName, cmcEeprom& document, int destination,
                          Messages messages) {
    cmcKcfFile file;
    file.setImage(document);
    file.setMessageHandler(messages.handler, messages.context);
    file.setModelCode(ModelCode);
    file.setModelVersion(ModelVersion);
    file.setMapRevision(MapRevision);
    file.setEtcData(clsEtcData::encode(destination, 0, 1));
    file.setComment(commentOf(document));
    return file.write(fileName, mm::ReadRanges);
}

QByteArray cmcKcfDocument::commentOf(const cmcEeprom& image) {
    QByteArray text(mm::CommentSize, ' ');
    for (int i = 0; i < mm::CommentSize; ++i) {
        const uint8_t c = image.getByte(mm::Comment + i);
        if (c >= 32 && c <= 126)
            text[i] = static_cast<char>(c);
    }
    while (text.endsWith(' '))
        text.chop(1);
    return text;
}
