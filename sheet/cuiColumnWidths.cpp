#include "cuiColumnWidths.h"

#include "cmcGTex.h"
#include "cuiTextLayout.h"
#include "indEnviron.h"

#include <QSettings>

namespace {

const char ListKey[] = "GI_CellWidthRegList";

QString& settingsFile() {
    static QString path;
    return path;
}

// The sheet key of a page call text: after the page class in brackets, up to the first comma.
QByteArray sheetKeyOf(const QByteArray& callArgument) {
    QByteArray head = callArgument.left(callArgument.indexOf(','));
    if (head.contains(']'))
        head = head.mid(head.indexOf(']') + 1);
    return head;
}

} // namespace

QByteArray cuiColumnWidths::storeName(cmcGTex& table, const QByteArray& callArgument) {
    const QByteArray key = sheetKeyOf(callArgument);
    for (const QByteArray& line : table.listLines(ListKey)) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon) == key)
            return line.mid(colon + 1).trimmed();
    }
    return {};
}

QString cuiColumnWidths::group(const QByteArray& name) {
    return QStringLiteral("Display/%1/colwidth").arg(QString::fromLatin1(name));
}

QMap<int, int> cuiColumnWidths::load(const QByteArray& name) {
    QMap<int, int> widths;
    QSettings store(file(), QSettings::IniFormat);
    store.beginGroup(group(name));
    for (const QString& key : store.childKeys()) {
        bool columnOk = false;
        bool widthOk = false;
        const int column = key.toInt(&columnOk);
        const int width = store.value(key).toInt(&widthOk);
        if (columnOk && widthOk && column >= 0 && width >= 0)
            widths.insert(column, width);
    }
    return widths;
}

void cuiColumnWidths::save(const QByteArray& name, const QMap<int, int>& widths) {
    QSettings store(file(), QSettings::IniFormat);
    store.beginGroup(group(name));
    for (auto it = widths.begin(); it != widths.end(); ++it)
        store.setValue(QString::number(it.key()), it.value());
    store.endGroup();
    store.sync();
}

void cuiColumnWidths::forgetAll(cmcGTex& table) {
    QSettings store(file(), QSettings::IniFormat);
    for (const QByteArray& line : table.listLines(ListKey)) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            store.remove(group(line.mid(colon + 1).trimmed()));
    }
    store.sync();
}

void cuiColumnWidths::setFile(const QString& path) {
    settingsFile() = path;
}

QString cuiColumnWidths::file() {
    if (settingsFile().isEmpty())
        settingsFile() = indEnviron::standardPlaces().userFile;
    return settingsFile();
}

int cuiColumnWidths::printedWidth(int width, int printerPoints, double fontPixelRatio,
                                  int percentage) {
    const int percentHeight = std::max(1, 16 * percentage / 100);
    return cuiTextLayout::nearest(
        width * printerPoints * fontPixelRatio * 16 / percentHeight * 0.1 + 0.5);
}
