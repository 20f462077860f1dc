#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

class cmcEeprom;
struct datCellReq;

// What the text and number cells share: how an edit starts, how a typed number is read and
// how text is put into the receiver's character set.
class cmcTextEntry {
public:
    static constexpr int KeyBackspace = 8;
    static constexpr int KeyBlank = ' ';

    // Enter or a click opens the editor on the current text, all of it selected; a printable
    // character opens it holding that character. The editor takes at most `length` characters
    // (0: no limit of the field's own). Answers what the sheet must do.
    static int startEditor(datCellReq& request, const QByteArray& current, int length);
    static bool printable(int code) { return code >= 32 && code <= 126; }

    // A decimal number with an optional sign, blanks around it allowed; none for anything else.
    // Numbers beyond the range any field takes are cut to ±Saturation, keeping which end
    // they lie at.
    static std::optional<qint64> decimal(QByteArrayView text);
    static constexpr qint64 Saturation = qint64(1) << 40;

    // The characters as the receiver can show them: anything outside 32 to 126 is a blank.
    static QByteArray shownCharacters(QByteArrayView bytes);
    // A field of `size` characters: the first `size` typed ones, unshowable ones as blanks,
    // blank-padded.
    static QByteArray fixedText(QByteArrayView typed, int size);
    // A name as channel names are stored: capitals, digits, blank and ( ) * + - . / : =, small
    // letters as capitals, anything else a blank.
    static QByteArray channelName(QByteArrayView typed, int size);
    static QByteArray withoutTrailingBlanks(QByteArray text);

    // A text field of the image as it is shown, and a text written into one.
    static QByteArray imageText(const cmcEeprom& image, int address, int size);
    static void storeText(cmcEeprom& image, int address, const QByteArray& text);
};
