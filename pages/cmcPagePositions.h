#pragma once

#include <QByteArray>
#include <list>
#include <optional>

// Where the user was on each page opened during this run, newest first: the cursor and the
// scrolled view, by page identity.
class cmcPagePositions {
public:
    struct Position {
        int column = -1;
        int row = -1;
        int top = -1;
        int left = -1;
    };

    void remember(const QByteArray& identity, const Position& position);
    std::optional<Position> find(const QByteArray& identity) const;
    int count() const { return int(entries.size()); }

private:
    struct Entry {
        QByteArray identity;
        Position position;
    };
    std::list<Entry> entries;
};
