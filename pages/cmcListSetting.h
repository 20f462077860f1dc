#pragma once

#include "cmcCellHandler.h"

#include <QByteArray>
#include <cstdint>

class cmcFCache;
class cmcPageData;

// A setting chosen from a selection sheet and stored as the code of the choice, in a whole
// byte or in a bit field of one whose other bits stay as they are. Enter opens the list;
// blank and backspace step to the next and previous choice without it.
class cmcListSetting : public cmcCellHandler {
public:
    struct Field {
        int address;
        uint8_t mask;
        const char* listKey;
    };

    // `dependentLink`, when not LinkNone, names cells whose look follows this setting; they
    // are redrawn after it changes.
    cmcListSetting(cmcPageData& data, cmcFCache& lists, const Field& field, int dependentLink);

    QByteArray shownText(datCellReq& request) override;
    int act(datCellReq& request) override;

private:
    int code() const;
    int store(int code);
    int step(int direction);

    cmcPageData& data;
    cmcFCache& lists;
    Field field;
    int shift;
    int dependentLink;
};
