#include "cmcPagePositions.h"

void cmcPagePositions::remember(const QByteArray& identity, const Position& position) {
    entries.remove_if([&](const Entry& entry) { return entry.identity == identity; });
    entries.push_front({identity, position});
}

std::optional<cmcPagePositions::Position> cmcPagePositions::find(const QByteArray& identity) const {
    for (const Entry& entry : entries) {
        if (entry.identity == identity)
            return entry.position;
    }
    return std::nullopt;
}
