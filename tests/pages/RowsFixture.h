#pragma once

#include "MemPageData.h"
#include "cmcCellNames.h"
#include "cmcRowOps.h"
#include "datClipCh.h"
#include "datRowContext.h"

#include <QByteArrayList>
#include <gtest/gtest.h>

namespace rows {

using N = cmcCellNames;
constexpr uint32_t MHz = 1000000;

// A frequency that tells the channels apart.
constexpr uint32_t tagged(int n) {
    return 140 * MHz + uint32_t(n) * 25000;
}

// A destination 6 document with its two preset channels removed, the page events it sends,
// the status texts it shows and a clipboard of its own.
class Rows : public testing::Test {
protected:
    void SetUp() override {
        data = std::make_unique<MemPageData>(6);
        for (int n : {0, 1})
            empty(n);
        data->events().AddListener(heard, this);
        data->sent.clear();
    }
    void TearDown() override { data->events().RemoveListener(heard, this); }

    cmcEeprom& image() { return data->image(); }
    cmcScriptPrompt& prompt() { return static_cast<cmcScriptPrompt&>(data->prompt()); }

    void put(int n, uint32_t frequency, int bank = datCh::NoBank, int position = 255) {
        datCh channel(&image());
        channel.reset();
        channel.frequency = frequency;
        channel.bankGroup = bank;
        channel.bankPosition = position;
        channel.store(datCh::KindMemory, n);
        image().rebuildBankIndex();
    }
    void empty(int n) {
        datCh channel(&image());
        channel.load(datCh::KindMemory, n);
        channel.setInUse(false);
        channel.store();
        image().rebuildBankIndex();
    }
    // 0 for an empty channel.
    uint32_t frequencyOf(int n) {
        datCh channel(&image());
        channel.load(datCh::KindMemory, n);
        return channel.inUse() ? channel.frequency : 0;
    }
    datCh memory(int n) {
        datCh channel(&image());
        channel.load(datCh::KindMemory, n);
        return channel;
    }

    bool run(int link, datRowContext& row) { return cmcRowOps::command(*data, link, row, clip); }
    static datRowContext at(int kind, int cursor, int first = -1, int last = -1, int bank = -1) {
        datRowContext row = datRowContext::forPage(kind, cursor, bank);
        if (first >= 0)
            row.select(first, last);
        return row;
    }
    // The definition keys of the questions asked, in order.
    QByteArrayList asked() {
        QByteArrayList keys;
        for (const cmcPrompt::Message& m : prompt().messages())
            keys << keyOf(m.text);
        return keys;
    }
    bool sent(cmcEventId id) const {
        for (const auto& [n, first] : data->sent)
            if (n == id)
                return true;
        return false;
    }
    void deliver() { data->events().deliverQueue(); }

    std::unique_ptr<MemPageData> data;
    datClipCh clip;
    QByteArrayList statusTexts;

private:
    static QByteArray keyOf(const QByteArray& text) {
        for (const char* key : {"GI_AppMess_Conv_Overflow_Paste", "GI_AppMess_Conv_Overwrite",
                                "GI_AppMess_Conv_Overflow", "GI_AppMess_Conv_Delete",
                                "GI_AppMess_Conv_Clear", "GI_AppMess_BankChErr_NoChSpace"})
            if (text == cmcGTex::app().multiLineText(key))
                return key;
        return text;
    }
    static void heard(void* context, cmcEvent& event) {
        if (event.id() == cmcEventId::StatusText)
            static_cast<Rows*>(context)->statusTexts << event.text();
    }
};

} // namespace rows
