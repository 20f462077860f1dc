#pragma once

#include "dst_Preview.h"

#include <QDialog>
#include <QList>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class cmcGTex;
class cuiPreviewCanvas;

// The print preview: the paper pages of a job one at a time, with paging, zoom and the print
// font setting. Only "&Print" closes it with a yes.
class cuiPreview : public QDialog {
    Q_OBJECT
public:
    cuiPreview(cmcGTex& table, int fontPoints, QWidget* owner = nullptr);

    // `paper` in printer dots at `dpi`.
    void setPaper(QSize paper, int dpi);
    void reserve(int pages) { pageList.reserve(pages); }
    void addPage(const dst_Preview& page) { pageList.append(page); }
    void clearPages() { pageList.clear(); }
    // After the pages were laid out (again): shows the current page, limited to the new count.
    void pagesLaidOut();

    int pageCount() const { return int(pageList.size()); }
    const dst_Preview& page(int index) const { return pageList[index]; }
    int currentPage() const { return current; }
    // Limited to the first and last page.
    void showPage(int index);
    bool zoomed() const;
    void setZoomed(bool on);

signals:
    // The user chose another print font size in the setting dialog.
    void fontChosen(int points);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString text(const char* key, int line) const;
    QPushButton* addButton(QLayout* row, int line, const char* name);
    void buildControls();
    void refresh();
    void jumpToTyped();
    bool pageKey(int key);
    void scrollBy(int horizontal, int vertical);
    void openSetting();

    cmcGTex& table;
    int points;
    QList<dst_Preview> pageList;
    int current = 0;
    QPushButton* topButton = nullptr;
    QPushButton* previousButton = nullptr;
    QPushButton* nextButton = nullptr;
    QPushButton* lastButton = nullptr;
    QPushButton* zoomButton = nullptr;
    QLineEdit* pageBox = nullptr;
    QLabel* totalLabel = nullptr;
    QLabel* status = nullptr;
    QScrollArea* area = nullptr;
    cuiPreviewCanvas* canvas = nullptr;
};
