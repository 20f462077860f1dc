#pragma once

#include "cmcCellHandler.h"
#include "cmcCellObj.h"
#include "cmcFont.h"
#include "cuiCellMatrix.h"
#include "cuiCellPainter.h"
#include "datCellReq.h"

#include <QByteArray>
#include <QList>
#include <QWidget>
#include <memory>
#include <optional>

class QFrame;
class QLabel;
class cmcGTex;
struct cmcEvent;
class cuiActiveCell;
class cuiDispatch;
class cuiGrid;
class cuiGridInput;

// One page of the right-hand side: an optional title bar over a grid of cells, laid out
// entirely from three definition entries of the sheet key (style, basic cell, cell rows).
// Pages derive from it and supply what the linked cells mean through a value provider.
class cuiSheet : public QWidget {
    Q_OBJECT
public:
    enum MultiSelectMode { SelectNone, SelectCell, SelectLine };
    // Whether a cursor move starts a new range (or extends it) or leaves the range as it is.
    enum class RangeRule { Follow, Keep };
    struct Style {
        QByteArray title;
        quint32 titleColour = 0xFF000011;
        std::optional<cmcFont> titleFont;
        int fixedColumns = 0;
        int fixedRows = 0;
        int printFontRatio = 100;
        int multiSelect = SelectNone;
        bool columnCutMenu = false;
        bool noPrint = false;
        bool columnSizing = false;
        bool colourSelectLine = false;
    };
    struct Position {
        int column = -1;
        int row = -1;
        int top = -1;
        int left = -1;
    };
    cuiSheet(QWidget* owner, cuiDispatch* dispatch, int focusLink, int focusIndex, cmcGTex& table,
             const QByteArray& sheetKey);
    ~cuiSheet() override;

    // Rebuilds everything from the definitions, then places the cursor.
    virtual void Show();

    cmcCellObj& cellAt(int column, int row);
    // The first selectable cell with the link and index, in row-major order.
    bool findCell(int link, int index, int& column, int& row) const;
    virtual bool printable() const { return !sheetStyle.noPrint; }
    // Whether a print-all job takes the page, with the job's choices of memory channel pages and
    // bank pages; pages outside those kinds go by whether they print at all.
    virtual bool printHook(bool memoryChannels, bool bankChannels) const {
        (void)memoryChannels;
        (void)bankChannels;
        return printable();
    }
    // The page's number in the program's page index space, -1 for sheets outside it.
    virtual int pageIndex() const { return -1; }
    // The text printed as the page's title.
    virtual QByteArray sheetName() const { return sheetStyle.title; }

    const QByteArray& key() const { return sheetKey; }
    void setCallArgument(const QByteArray& text) { argument = text; }
    const QByteArray& callArgument() const { return argument; }
    void setIndexBase(int base) { baseIndex = base; }
    int indexBase() const { return baseIndex; }
    // Printing: printer pixels per screen pixel; 0 goes back to the screen.
    void setPrintTarget(double scale);
    void setPreviewTarget(bool on);
    bool isPrinting() const { return printScale > 0; }
    double scale() const { return printScale > 0 ? printScale : 1.0; }
    void setExplicitFontHeight(int height) { fontHeight = height; }
    void setListMode(bool on) { listMode = on; }
    bool isListMode() const { return listMode; }
    void setSavedCursor(const Position& position) { saved = position; }
    // Where the cursor and the scrolled view stand now.
    Position position() const;
    void setValueProvider(cmcCellHandler* handler) { provider = handler; }
    // A provider that lives as long as the page.
    void setValueProvider(std::unique_ptr<cmcCellHandler> handler) {
        ownProvider = std::move(handler);
        provider = ownProvider.get();
    }
    void setResetWidths(bool on) { resetWidths = on; }
    // The printer's font size in points and its pixels per inch over the screen's.
    void setPrintFont(int points, double fontPixelRatio);

    // The program-wide font size, in percent of the definitions' sizes.
    static void setFontPercentage(int percentage);
    static int fontPercentage();

    const Style& style() const { return sheetStyle; }
    cuiGrid& grid() const { return *gridView; }
    cuiCellMatrix& matrix() { return cells; }
    const cuiCellMatrix& matrix() const { return cells; }
    const cmcCellObj& basicCell() const { return *basic; }
    int firstSelectableColumn() const { return firstColumn; }
    int firstSelectableRow() const { return firstRow; }
    bool inRangeMode() const { return rangeMode; }
    cuiActiveCell& activeCell() const { return *active; }
    cuiGridInput& input() const { return *gridInput; }

    // Everything the user does to a cell ends here: keys, clicks, edits and menu commands.
    void cellAction(int column, int row, int key, int commandLink = 0,
                    const QByteArray* input = nullptr);
    // Moves by selectable steps; false when the cursor stayed.
    bool moveCursor(int dx, int dy);
    void putCursor(int column, int row, RangeRule rule = RangeRule::Follow);
    // Whether the cell lies in a block chosen with the mouse or Shift, beyond the cursor alone.
    bool inSelectedBlock(int column, int row) const;
    void repaintMatching(const cmcCellObj& reference, int criteria);
    // Repaints a cell and the trailer cells that follow it.
    void invalidate(int column, int row);
    // The text a cell shows now, its look and marks in `request`.
    QString shownText(datCellReq& request) const;
    datCellReq request(int column, int row) const;
    cmcCellHandler* handler() const;
    // Marks the selectable cells with `link` whose index lies in first..last as a range.
    void selectRange(int link, int first, int last, int actedIndex);
    void clearRange();

    // Called by the grid.
    void paintCell(QPainter& painter, int column, int row, const QRect& rect);
    void fitColumn(int column);
    void columnWidthsChanged();
    void gridFocusChanged();
    void paletteChanged();

signals:
    // In list mode: the user chose a cell, or left the list.
    void chosen(int column, int row);
    void cancelled();
    // The cursor moved to another cell.
    void cursorMoved(int column, int row);

protected:
    virtual void styleKey(QByteArrayView group);
    virtual void directiveKey(QByteArrayView group);
    virtual void buildCells();
    virtual void buildBasicCell();
    virtual void rowPass();
    virtual void fillPass();
    virtual void rowHook(int row) { (void)row; }
    virtual void cellHook(int column, int row) {
        (void)column;
        (void)row;
    }
    // Program-wide events; pages add the questions they answer.
    virtual void notification(cmcEvent& event);
    void setTitle(const QByteArray& title) { sheetStyle.title = title; }
    // What the title bar shows now, which may say more than the title.
    void setTitleText(const QByteArray& text);
    virtual void loadColumnWidths();
    virtual void saveColumnWidths();

public:
    cmcGTex& definitions() const { return table; }
    cuiDispatch* dispatch() const { return sink; }

protected:
    // Lines still to pass over in the row pass; directives of pages set it.
    int skipCount = 0;

private:
    struct Loop {
        int startLine = -1;
        int endLine = -1;
        int count = -1;
        int rows = 0;
    };

    struct Match {
        int category;
        int link;
        int index;
    };

    void readStyle();
    void buildTitle();
    void buildGrid();
    void fillRow(int row, int& previousLine, int& previousCells);
    void sizeCell(const cmcCellObj& cell, int column, int row);
    void addIndexBase();
    void placeCursor();
    void findFirstSelectable(int& column, int& row) const;
    void repeatLoop();
    QByteArray storeName() const;

    void currentChanged(int oldColumn, int oldRow);
    void updateRange(int oldColumn, int oldRow, int column, int row);
    cuiCellPainter::Background background(int column, int row) const;
    bool slotSelected(int column, int row) const;
    void repaintMatching(const Match& reference, int criteria);
    static void onEvent(void* context, cmcEvent& event);

    cmcGTex& table;
    cuiDispatch* sink;
    QByteArray sheetKey;
    QByteArray argument;
    cmcCellHandler* provider = nullptr;
    std::unique_ptr<cmcCellHandler> ownProvider;
    int focusLink;
    int focusIndex;
    int baseIndex = 0;
    bool building = false;
    double printScale = 0;
    bool preview = false;
    int fontHeight = 0;
    Position saved;
    Style sheetStyle;
    bool listMode = false;
    std::unique_ptr<cmcCellObj> basic;
    cuiCellMatrix cells;
    QList<QByteArray> cellLines;
    int currentLine = 0;
    Loop loop;
    cmcCellObj::LoopVariables loopVariables{};
    bool currentSelect = true;
    int columnTotal = 0;
    int firstColumn = 0;
    int firstRow = 0;
    QColor lineTint;
    QColor cellTint;
    bool resetWidths = false;
    int printerPoints = 10;
    double printerFontRatio = 1.0;
    bool rangeMode = false;
    int anchorColumn = -1;
    int anchorRow = -1;
    int rangeEndRow = -1;

    QFrame* titleBar = nullptr;
    QLabel* titleLabel = nullptr;
    cuiGrid* gridView = nullptr;
    std::unique_ptr<cuiActiveCell> active;
    std::unique_ptr<cuiGridInput> gridInput;
};
