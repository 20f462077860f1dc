#include "cmcCellKey.h"

#include "cmcCellHandler.h"

int cmcCellKey::openEditor(datCellReq& request, const QByteArray& text, int start, int length) {
    request.editorText = text;
    request.selectionStart = start;
    request.selectionLength = length;
    return cmcCellHandler::OpenEditor;
}
