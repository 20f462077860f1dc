#pragma once

#include "cmcKcfFile.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

class cmcEeprom;
class indDestination;

// How the document controller and the command line use clone files: the header values and
// checks they give the file layer, and the checks they add of their own after a read.
class cmcKcfDocument {
public:
    static constexpr uint32_t ModelCode = 0x3250;
    static constexpr uint32_t ModelVersion = 1;
    static constexpr int32_t MapRevision = 1;
    static constexpr int Destinations = 17;

    struct Messages {
        cmcKcfFile::MessageHandler handler;
        void* context;
    };

    // Reads a whole clone file the way Open does: the file layer's checks, then the format
    // revision byte and signature (error 8), then coverage of the receiver area. On success
    // `document` becomes the file's image (the rest of the image zero) and `destination` the
    // file's destination; on failure both are unchanged and the error code is returned after
    // its message went to `messages`.
    static int open(const QString& fileName, cmcEeprom& document, int& destination,
                    Messages messages = {nullptr, nullptr});

    // Save: converts `document` to the destination with the destination's template image, so
    // that its destination-dependent settings and format marks always match, then writes it.
    static int save(const QString& fileName, cmcEeprom& document, const indDestination& destination,
                    const cmcEeprom& templateImage, Messages messages = {nullptr, nullptr});

    // Writes `document` as Save does, after the caller converted it to `destination`: model,
    // map revision 1, EtcData of the destination with flag b set, the image's own comment, the
    // receiver area. The file is replaced only when the whole write succeeded.
    static int write(const QString& fileName, cmcEeprom& document, int destination,
                     Messages messages = {nullptr, nullptr});

    // The image's 16-character comment field, every byte outside 32 .. 126 a blank, trailing
    // blanks removed.
    static QByteArray commentOf(const cmcEeprom& image);

    // The checks given to the file layer on reading.
    static void prepareReader(cmcKcfFile& file);
    static bool acceptMapRevision(void* context, int32_t mapRevision);
    static bool acceptEtcData(void* context, int32_t etcData, uint32_t extra, int32_t* decoded);
};
