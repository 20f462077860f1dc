#pragma once

#include "cmcCellObj.h"

#include <QByteArray>
#include <cstdint>

// One action on a cell, or one question about what it shows, as the sheet hands it to the
// value provider behind the sheet; the provider writes its answers into the same record.
struct datCellReq {
    enum Mode { OwnCell = 1, ListChoice = 2 };
    // Keys that are not characters.
    static constexpr int KeyCommand = 0;
    static constexpr int KeyEnter = 13;
    static constexpr int KeyMouse = 256;
    static constexpr int KeyLeftEdge = 0x2500;
    static constexpr int KeyRightEdge = 0x2700;
    static constexpr int KeyF1 = 0x7000;
    static constexpr int KeyF12 = 0x7B00;

    // The request of the cell whose selection list made this choice.
    const datCellReq* owner = nullptr;
    // The cell acted on: its category, link, index and argument.
    const cmcCellObj* cell = nullptr;
    int column = -1;
    int row = -1;
    // The page call text and the sheet key of the sheet the cell belongs to.
    QByteArray callArgument;
    QByteArray sheetKey;

    int key = KeyCommand;
    int commandLink = 0;
    bool hasInput = false;
    QByteArray input;
    int mode = OwnCell;

    // Painting: what is asked about, and what the provider may change for the drawing.
    bool selected = false;
    bool printing = false;
    bool checking = false;
    quint32 textColour = 0;
    bool warningMark = false;
    bool errorMark = false;

    // Answers to an action.
    QByteArray editorText;
    // The most characters the field stores, which the editor then takes; 0 for no limit of its
    // own.
    int editorLength = 0;
    int selectionStart = 0;
    int selectionLength = 0;
    // Move the cursor to the selectable cell with this link and index first.
    bool moveRequested = false;
    int moveLink = 0;
    int moveIndex = 0;
    // Mark the cells with the acted cell's link whose index lies in first..last.
    bool rangeRequested = false;
    int rangeFirst = 0;
    int rangeLast = 0;
    bool repeatRequested = false;
    // Open this selection sheet as a drop-down list, its cursor on the given choice.
    QByteArray listSheet;
    int listChoice = 0;

    // A request carried on from another (a list's choice from its cell's request) keeps what
    // was asked and drops what was answered, so an old answer is not carried out twice.
    void clearAnswers() {
        const datCellReq fresh;
        editorText = fresh.editorText;
        editorLength = fresh.editorLength;
        selectionStart = fresh.selectionStart;
        selectionLength = fresh.selectionLength;
        moveRequested = fresh.moveRequested;
        rangeRequested = fresh.rangeRequested;
        repeatRequested = fresh.repeatRequested;
        listSheet = fresh.listSheet;
        listChoice = fresh.listChoice;
    }
};
