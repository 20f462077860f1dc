#pragma once

#include "datCellReq.h"

#include <QByteArray>

// What a key of a cell request is to the list page families: a typed character, Enter (or a
// click on the current cell), or something for the program (a popup command, a function key).
class cmcCellKey {
public:
    static constexpr int Backspace = 8;
    static constexpr int Blank = ' ';
    // Codes up to this one are typed characters.
    static constexpr int LastCharacter = 127;

    static bool printable(int key) { return key >= Blank && key < LastCharacter; }
    static bool isEnter(int key) {
        return key == datCellReq::KeyEnter || key == datCellReq::KeyMouse;
    }
    // A character or a click on the current cell, or a committed edit; popup commands and
    // function keys are the program's.
    static bool forCell(const datCellReq& request) {
        return request.hasInput || (request.key > 0 && request.key <= datCellReq::KeyMouse);
    }
    static QByteArray typed(int key) {
        return printable(key) ? QByteArray(1, static_cast<char>(key)) : QByteArray();
    }
    // Asks the sheet to open the cell editor with a text and a selection in it.
    static int openEditor(datCellReq& request, const QByteArray& text, int start, int length);
};
