#include "cmcCloneInfoCells.h"

#include "cmcCellNames.h"
#include "cmcGTex.h"
#include "cmcPlaceholders.h"
#include "datCellReq.h"
#include "indCloneSession.h"

namespace {

constexpr int CommentStart = 2;
constexpr int CommentLength = 16;
constexpr int FlagsByte = 18;
constexpr int DestinationMask = 0x0F;
constexpr int CellularBit = 4;
constexpr int ExpansionBit = 5;
constexpr int RevisionByte = 19;
constexpr int SerialStart = 21;
constexpr int SerialLength = 4;

QByteArray hexDigits(uint8_t value, int width) {
    return QByteArray::number(value, 16).toUpper().rightJustified(width, '0');
}

} // namespace

bool cmcCloneInfoCells::hasRecord() const {
    return record.size() >= indCloneSession::RecordSize;
}

QByteArray cmcCloneInfoCells::shownText(datCellReq& request) {
    return field(request.cell->link());
}

int cmcCloneInfoCells::act(datCellReq& request) {
    (void)request;
    return Nothing;
}

QByteArray cmcCloneInfoCells::field(int link) const {
    if (!hasRecord())
        return link == cmcCellNames::CL_CloneInfo_Comment
                   ? QByteArray()
                   : table.GetText("GI_AppInd_Clone_Unknown");
    switch (link) {
    case cmcCellNames::CL_CloneInfo_Comment:
        return comment();
    case cmcCellNames::CL_CloneInfo_Destination:
        return destination();
    case cmcCellNames::CL_CloneInfo_Rx_Expansion:
        return flag(ExpansionBit);
    case cmcCellNames::CL_CloneInfo_FccInh:
        return flag(CellularBit);
    case cmcCellNames::CL_CloneInfo_Rev:
        return revision();
    case cmcCellNames::CL_CloneInfo_Esn:
        return serialNumber();
    default:
        return {};
    }
}

// The receiver keeps whatever it was given; what cannot be shown becomes a blank.
QByteArray cmcCloneInfoCells::comment() const {
    QByteArray text = record.mid(CommentStart, CommentLength);
    for (char& c : text)
        if (uint8_t(c) < 0x20 || uint8_t(c) > 0x7E)
            c = ' ';
    while (text.endsWith(' '))
        text.chop(1);
    return text;
}

// The table names no destinations, so the number is shown, as the command line prints it.
QByteArray cmcCloneInfoCells::destination() const {
    return QByteArray::number(byte(FlagsByte) & DestinationMask);
}

QByteArray cmcCloneInfoCells::flag(int bit) const {
    return table.GetText("GI_AppInd_Clone_OffOn", (byte(FlagsByte) >> bit) & 1);
}

// Two BCD bytes: their hexadecimal digits are the decimal ones, 0x01 0x05 reading "1.05".
QByteArray cmcCloneInfoCells::revision() const {
    return cmcPlaceholders::fill(table.GetText("GI_AppInd_Clone_Revision"),
                                 {QByteArray::number(byte(RevisionByte), 16).toUpper(),
                                  hexDigits(byte(RevisionByte + 1), 2)});
}

QByteArray cmcCloneInfoCells::serialNumber() const {
    QByteArray text;
    for (int place = SerialStart; place < SerialStart + SerialLength; ++place)
        text += hexDigits(byte(place), 2);
    return text;
}
