#pragma once

#include "cmcCellHandler.h"

#include <QByteArray>

class cmcPageData;

// "No." of a program scan link row: the number of the row's member edge, in olive. An edge
// chosen from the list, or typed on a row without a member, joins the link; the rows follow
// the set of members in ascending order.
class cmcLinkMemberCell : public cmcCellHandler {
public:
    cmcLinkMemberCell(cmcPageData& data, cmcCellHandler& fallback);

    QByteArray shownText(datCellReq& request) override;
    int act(datCellReq& request) override;

private:
    int listChoice(datCellReq& request);
    int startEditor(datCellReq& request, int record);
    int commit(const QByteArray& input, int record);
    int join(int record, int edge);

    cmcPageData& data;
    cmcCellHandler& fallback;
};
