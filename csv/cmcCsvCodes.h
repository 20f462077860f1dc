#pragma once

#include "cmcFCache.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

class cmcGTex;
struct datCsvColumn;
struct datMemField;

// The texts of a list field's codes in a CSV file, both ways, and which codes the page's list
// offers: a code the user could not choose on the page is not taken from a file either.
class cmcCsvCodes {
public:
    // Written for a code that has no text.
    static constexpr char NotFound[] = "NOT_FOUND";

    explicit cmcCsvCodes(cmcGTex& table);

    QByteArray text(const datCsvColumn& column, const datMemField& field, int code);
    // Texts are compared without regard to case and surrounding blanks; a code of the
    // selection list's numbers (DTCS codes) also matches without its leading zeros, as
    // spreadsheets save it.
    std::optional<int> code(const datCsvColumn& column, const datMemField& field,
                            QByteArrayView text);
    bool offered(const datMemField& field, bool automaticLists, int code);
    // The list entry nearest to a number in hundredths (tone frequencies), the lower one
    // of two equally near; its value in hundredths goes to `value`.
    std::optional<int> nearest(const datMemField& field, int64_t hundredths, int64_t& value);

private:
    std::optional<int> listCode(const datCsvColumn& column, const datMemField& field,
                                const QByteArray& text);

    cmcFCache lists;
};
