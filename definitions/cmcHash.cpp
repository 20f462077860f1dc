#include "cmcHash.h"

#include "cmcFatal.h"

cmcHash::cmcHash(quint32 buckets) : heads(buckets ? buckets : DefaultBuckets) {}

quint32 cmcHash::bucketOf(QByteArrayView key, quint32 buckets) {
    const quint32 half = buckets / 2;
    quint32 h = 0;
    quint32 shift = half;
    for (qsizetype i = 0; i < key.size(); ++i) {
        const auto byte = static_cast<qint32>(static_cast<signed char>(key[i]));
        h = 2 * h + shift + static_cast<quint32>(byte);
        const char next = i + 1 < key.size() ? key[i + 1] : '\0';
        if (next & 1) {
            shift /= 2;
            if (shift == 0)
                shift = half;
        }
    }
    return h % buckets;
}

void cmcHash::insert(QByteArrayView key, qint32 value) {
    if (find(key))
        cmcFatal::stop("Overlapped Hash table.");
    std::unique_ptr<Entry>& head = heads[bucketOf(key, bucketCount())];
    head = std::make_unique<Entry>(Entry{key.toByteArray(), value, std::move(head)});
}

const cmcHash::Entry* cmcHash::find(QByteArrayView key) const {
    for (const Entry* entry = heads[bucketOf(key, bucketCount())].get(); entry;
         entry = entry->next.get()) {
        if (entry->key == key)
            return entry;
    }
    return nullptr;
}
