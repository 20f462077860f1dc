#include "cmcCsvCodes.h"

#include "cmcCellNames.h"
#include "cmcMemInput.h"
#include "cmcTextEntry.h"
#include "datCsvColumn.h"
#include "datMemField.h"

#include <algorithm>

namespace {

using N = cmcCellNames;

bool sameText(const QByteArray& a, const QByteArray& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

cmcCsvCodes::cmcCsvCodes(cmcGTex& table) : lists(table) {}

QByteArray cmcCsvCodes::text(const datCsvColumn& column, const datMemField& field, int code) {
    for (const datCsvCode& entry : column.codes)
        if (entry.code == code)
            return entry.text;
    if (!column.codes.empty())
        return NotFound;
    const auto& choices = lists.record(field.list, N::Flex0).byNumber;
    const auto found = std::find_if(choices.begin(), choices.end(),
                                    [code](const auto& c) { return c.number == code; });
    return found == choices.end() ? QByteArray(NotFound) : found->value + column.suffix;
}

std::optional<int> cmcCsvCodes::code(const datCsvColumn& column, const datMemField& field,
                                     QByteArrayView text) {
    const QByteArray trimmed = text.toByteArray().trimmed();
    if (column.codes.empty())
        return listCode(column, field, trimmed);
    for (const datCsvCode& entry : column.codes)
        if (sameText(trimmed, entry.text))
            return entry.code;
    return std::nullopt;
}

std::optional<int> cmcCsvCodes::listCode(const datCsvColumn& column, const datMemField& field,
                                         const QByteArray& text) {
    const std::optional<qint64> number = cmcTextEntry::decimal(text);
    for (const auto& choice : lists.record(field.list, N::Flex0).byNumber) {
        if (sameText(text, choice.value + column.suffix))
            return choice.number;
        if (number && *number >= 0 && number == cmcTextEntry::decimal(choice.value))
            return choice.number;
    }
    return std::nullopt;
}

bool cmcCsvCodes::offered(const datMemField& field, bool automaticLists, int code) {
    const auto& choices = lists.record(field.offered(automaticLists), N::Flex0).byNumber;
    return std::any_of(choices.begin(), choices.end(),
                       [code](const auto& c) { return c.number == code; });
}

std::optional<int> cmcCsvCodes::nearest(const datMemField& field, int64_t hundredths,
                                        int64_t& value) {
    std::optional<int> best;
    for (const auto& choice : lists.record(field.list, N::Flex0).byNumber) {
        const std::optional<int64_t> listed = cmcMemInput::number(choice.value, 2);
        if (listed && (!best || std::abs(*listed - hundredths) < std::abs(value - hundredths))) {
            best = choice.number;
            value = *listed;
        }
    }
    return best;
}
