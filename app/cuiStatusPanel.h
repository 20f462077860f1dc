#pragma once

#include <QString>
#include <QWidget>

// The status bar's first panel, drawn by the program: the status text in the colours it was
// given, or white and centred on dark red while it is highlighted.
class cuiStatusPanel : public QWidget {
    Q_OBJECT
public:
    explicit cuiStatusPanel(QWidget* parent = nullptr);

    // Colours are definition colour values (fixed or system colours).
    void setStatus(const QString& text, quint32 textColour, quint32 backColour);
    const QString& text() const { return shown; }
    bool highlighted() const { return back == Highlight; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    static constexpr quint32 Highlight = 0xFF00000D;
    static constexpr quint32 DarkRed = 0x00000080;
    static constexpr int MinimumWidth = 100;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString shown;
    quint32 fore = 0xFF000008;
    quint32 back = 0xFF00000F;
};
