#include "cmcHash2.h"

#include "cmcFatal.h"
#include "cmcHash.h"

cmcHash2::cmcHash2(quint32 buckets) : heads(buckets ? buckets : cmcHash::DefaultBuckets) {}

void cmcHash2::insert(QByteArrayView key, cmcFCacheRecord* value) {
    if (find(key))
        cmcFatal::stop("Overlapped Hash2 table.");
    std::unique_ptr<Entry>& head = heads[cmcHash::bucketOf(key, bucketCount())];
    head = std::make_unique<Entry>(Entry{key.toByteArray(), value, std::move(head)});
}

const cmcHash2::Entry* cmcHash2::find(QByteArrayView key) const {
    for (const Entry* entry = heads[cmcHash::bucketOf(key, bucketCount())].get(); entry;
         entry = entry->next.get()) {
        if (entry->key == key)
            return entry;
    }
    return nullptr;
}
