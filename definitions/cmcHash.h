#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>
#include <memory>
#include <vector>

// String-keyed hash of names to numbers (command-link names, colour names). Keys are unique:
// inserting one twice is a defect of the built-in name lists and ends the program.
class cmcHash {
public:
    struct Entry {
        QByteArray key;
        qint32 value;
        std::unique_ptr<Entry> next;
    };

    // A bucket count of 0 gives the default of 1031.
    explicit cmcHash(quint32 buckets = 0);

    void insert(QByteArrayView key, qint32 value);
    const Entry* find(QByteArrayView key) const;

    quint32 bucketCount() const { return static_cast<quint32>(heads.size()); }

    static constexpr quint32 DefaultBuckets = 1031;
    // The bucket of a key in a table of `buckets` buckets; shared by both hash tables so that
    // they spread names alike.
    static quint32 bucketOf(QByteArrayView key, quint32 buckets);

private:
    std::vector<std::unique_ptr<Entry>> heads;
};
