#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>
#include <memory>
#include <vector>

struct cmcFCacheRecord;

// String-keyed hash of selection-value cache keys to their records. The records belong to the
// cache; the table only refers to them. Inserting a key twice ends the program.
class cmcHash2 {
public:
    struct Entry {
        QByteArray key;
        cmcFCacheRecord* value;
        std::unique_ptr<Entry> next;
    };

    // A bucket count of 0 gives the default of 1031.
    explicit cmcHash2(quint32 buckets = 0);

    void insert(QByteArrayView key, cmcFCacheRecord* value);
    const Entry* find(QByteArrayView key) const;

    quint32 bucketCount() const { return static_cast<quint32>(heads.size()); }

private:
    std::vector<std::unique_ptr<Entry>> heads;
};
