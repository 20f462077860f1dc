#pragma once

#include <QString>
#include <QStringList>

// The recent-file list: full paths, most recent first, compared without regard to case.
class cmcRecent {
public:
    explicit cmcRecent(int capacity = 10) : capacity(capacity) {}

    void AddFirst(const QString& path);
    void AddLast(const QString& path);
    void Clear() { entries.clear(); }
    int Count();
    // The entry's text for a menu: the file name alone when it lies in `folder`, else the full
    // path; the empty text past the end.
    QString Caption(int index, const QString& folder);
    QString at(int index) const { return entries.value(index); }

private:
    void removeEqual(const QString& path);
    void trim();

    int capacity;
    QStringList entries;
};
