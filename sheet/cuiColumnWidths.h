#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

class cmcGTex;

// Column widths that the user set on the large list sheets, kept in the settings store per
// sheet (one integer per column, by column number), so that they survive a restart.
class cuiColumnWidths {
public:
    // The store's name of a sheet ("memory" for the memory channel sheet); empty when the
    // sheet keeps no widths. `callArgument` is the page call text or the sheet key.
    static QByteArray storeName(cmcGTex& table, const QByteArray& callArgument);

    static QMap<int, int> load(const QByteArray& name);
    static void save(const QByteArray& name, const QMap<int, int>& widths);
    // Forgets the widths of every sheet that keeps them.
    static void forgetAll(cmcGTex& table);

    // The settings file; the user's own unless set otherwise.
    static void setFile(const QString& path);
    static QString file();

    // A saved screen width as wide as the same column at the printer's font.
    static int printedWidth(int width, int printerPoints, double fontPixelRatio, int percentage);

private:
    static QString group(const QByteArray& name);
};
