#include "cmcCloneEstimate.h"

#include "cmcGTex.h"
#include "cmcPlaceholders.h"

std::optional<int64_t> cmcCloneEstimate::secondsLeft(int64_t done, int64_t total,
                                                     int64_t elapsedMs) {
    if (total <= 0 || done <= 0 || done * MinimumShare < total || elapsedMs < MinimumElapsedMs)
        return std::nullopt;
    if (done >= total)
        return 0;
    const int64_t leftMs = elapsedMs * (total - done) / done;
    return (leftMs + 999) / 1000;
}

QByteArray cmcCloneEstimate::clock(int64_t seconds, cmcGTex& table) {
    return cmcPlaceholders::fill(table.GetText("GI_AppInd_Clone_Time"),
                                 {QByteArray::number(seconds / 60),
                                  QByteArray::number(seconds % 60).rightJustified(2, '0')});
}

QByteArray cmcCloneEstimate::text(int64_t done, int64_t total, int64_t elapsedMs, cmcGTex& table) {
    const QByteArray elapsed = clock(elapsedMs / 1000, table);
    const std::optional<int64_t> left = secondsLeft(done, total, elapsedMs);
    if (!left)
        return cmcPlaceholders::fill(table.GetText("GI_AppInd_Clone_Elapsed"), {elapsed});
    return cmcPlaceholders::fill(table.GetText("GI_AppInd_Clone_Remaining"),
                                 {elapsed, clock(*left, table)});
}

int cmcCloneEstimate::percent(int64_t done, int64_t total) {
    if (total <= 0 || done <= 0)
        return 0;
    return int(qMin<int64_t>(100, 100 * done / total));
}

QByteArray cmcCloneEstimate::percentText(int64_t done, int64_t total, int64_t elapsedMs,
                                         cmcGTex& table) {
    const QByteArray share = QByteArray::number(percent(done, total));
    const std::optional<int64_t> left = secondsLeft(done, total, elapsedMs);
    // Nothing left to wait for is not worth a time.
    if (!left || *left == 0)
        return cmcPlaceholders::fill(table.GetText("GI_Cli_Progress", 0), {share});
    return cmcPlaceholders::fill(table.GetText("GI_Cli_Progress", 1), {share, clock(*left, table)});
}
