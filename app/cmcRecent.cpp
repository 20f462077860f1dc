#include "cmcRecent.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Compares folders with one trailing separator each, so "/a/b" and "/a/b/" are the same.
QString withSeparator(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

void cmcRecent::removeEqual(const QString& path) {
    entries.removeIf([&](const QString& entry) {
        return QString::compare(entry, path, Qt::CaseInsensitive) == 0;
    });
}

void cmcRecent::trim() {
    while (entries.size() > capacity)
        entries.removeLast();
}

void cmcRecent::AddFirst(const QString& path) {
    removeEqual(path);
    entries.prepend(path);
    trim();
}

void cmcRecent::AddLast(const QString& path) {
    removeEqual(path);
    entries.append(path);
    trim();
}

int cmcRecent::Count() {
    trim();
    return static_cast<int>(entries.size());
}

QString cmcRecent::Caption(int index, const QString& folder) {
    if (index < 0 || index >= Count())
        return {};
    const QString& path = entries.at(index);
    const QFileInfo file(path);
    const QString entryFolder = withSeparator(QDir::fromNativeSeparators(file.path()));
    if (QString::compare(entryFolder, withSeparator(QDir::fromNativeSeparators(folder)),
                         Qt::CaseInsensitive) == 0)
        return file.fileName();
    return path;
}
