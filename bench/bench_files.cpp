#include "MemoryMap.h"
#include "cmcEeprom.h"
#include "cmcKcfDocument.h"
#include "cmcKcfFile.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

cmcEeprom filledImage() {
    cmcEeprom image;
    image.resize(mm::ImageSize);
    for (int a = 0; a < mm::ReceiverSize; ++a)
        image.setByte(a, static_cast<uint8_t>(a * 31 + 7));
    image.setByte(mm::FormatRevision, 1);
    image.writeBlock(mm::Signature, reinterpret_cast<const uint8_t*>(mm::SignatureText),
                     mm::SignatureSize);
    return image;
}

void WriteCloneFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("bench.kcf");
    cmcEeprom image = filledImage();
    for (auto _ : state)
        if (cmcKcfDocument::write(path, image, 6) != 0)
            state.SkipWithError("write failed");
    state.SetBytesProcessed(state.iterations() * mm::ReceiverSize);
}
BENCHMARK(WriteCloneFile)->Unit(benchmark::kMicrosecond);

void ReadCloneFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("bench.kcf");
    cmcEeprom image = filledImage();
    cmcKcfDocument::write(path, image, 6);
    cmcEeprom document;
    int destination = 0;
    for (auto _ : state)
        if (cmcKcfDocument::open(path, document, destination) != 0)
            state.SkipWithError("open failed");
    state.SetBytesProcessed(state.iterations() * mm::ReceiverSize);
}
BENCHMARK(ReadCloneFile)->Unit(benchmark::kMicrosecond);

} // namespace
