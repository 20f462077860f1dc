#pragma once

#include "cmcCellHandler.h"
#include "cmcCellObj.h"
#include "datCellReq.h"

#include <QByteArray>
#include <QHash>
#include <array>
#include <vector>

// The program-wide handler while it lives: sets the item flags (and text) given per link and
// records every request it is asked to carry out.
class RecordingHandler : public cmcCellHandler {
public:
    struct State {
        std::array<bool, 4> flags{};
        QByteArray text;
    };

    RecordingHandler() { install(this); }
    ~RecordingHandler() override { install(nullptr); }

    QByteArray shownText(datCellReq&) override { return {}; }
    int act(datCellReq& request) override {
        requests.push_back(request);
        return Nothing;
    }
    void refresh(cmcCellObj& cell) override {
        ++refreshes;
        const auto found = states.constFind(cell.link());
        if (found == states.constEnd())
            return;
        for (int flag = 0; flag < 4; ++flag)
            cell.setFlag(flag, found->flags[flag]);
        if (!found->text.isEmpty())
            cell.setText(found->text);
    }

    QHash<int, State> states;
    std::vector<datCellReq> requests;
    int refreshes = 0;
};
