#pragma once

#include "MemPageData.h"
#include "cmcCellNames.h"
#include "cmcCellObj.h"
#include "cmcMemFields.h"
#include "datCellReq.h"
#include "datCh.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>

namespace memfields {

using N = cmcCellNames;
using Sent = std::vector<std::pair<cmcEventId, int>>;
constexpr uint32_t MHz = 1000000;
constexpr quint32 Silver = 0x00C0C0C0;
constexpr int Empty = 500;
constexpr int Used = 510;

// The program-wide handler: answers what the memory family passes on.
class Fallback : public cmcCellHandler {
public:
    QByteArray shownText(datCellReq&) override { return "fallback"; }
    int act(datCellReq& request) override {
        acted.push_back(request.cell->link());
        return Repaint;
    }
    void refresh(cmcCellObj&) override { ++refreshes; }

    std::vector<int> acted;
    int refreshes = 0;
};

class MemFields : public testing::Test {
protected:
    void SetUp() override { use(1); }

    void use(int destination, bool expansionOn = false) {
        page.reset();
        data = std::make_unique<MemPageData>(destination, expansionOn);
        page = std::make_unique<cmcMemFields>(*data, fallback);
        ASSERT_FALSE(channel(Empty).inUse());
        put(Used, [](datCh&) {});
        data->sent.clear();
    }

    const cmcCellObj& cell(const QByteArray& link, int index, const QByteArray& category) {
        cells.emplace_back();
        const QByteArray text =
            "{(%" + category + "." + link + "[" + QByteArray::number(index) + "])}";
        cells.back().parse(text, nullptr, nullptr);
        return cells.back();
    }
    datCellReq request(int link, int number, const QByteArray& category = "CT_Conv") {
        datCellReq r;
        r.cell = &cell(N::linkName(link), number, category);
        r.textColour = N::clWindowText;
        return r;
    }
    datCellReq drawn(int link, int number) {
        datCellReq r = request(link, number);
        r.editorText = page->shownText(r);
        return r;
    }
    QByteArray shown(int link, int number) { return drawn(link, number).editorText; }
    bool grey(int link, int number) { return drawn(link, number).textColour == Silver; }

    int press(int link, int number, int key, datCellReq* answer = nullptr) {
        datCellReq r = request(link, number);
        r.key = key;
        const int result = page->act(r);
        if (answer)
            *answer = r;
        return result;
    }
    int edit(int link, int number, const QByteArray& text) {
        datCellReq r = request(link, number);
        r.hasInput = true;
        r.input = text;
        return page->act(r);
    }
    // A choice made in the drop-down list of the cell.
    int choose(int link, int number, int choice, const QByteArray& chosenLink = "Flex0") {
        const datCellReq owner = request(link, number);
        datCellReq r = owner;
        r.owner = &owner;
        r.mode = datCellReq::ListChoice;
        r.cell = &cell(chosenLink, choice, "");
        return page->act(r);
    }

    datCh channel(int number) {
        datCh c(&data->image());
        c.load(datCh::KindMemory, number);
        return c;
    }
    // A used FM channel at 146.01 MHz with blank name, then whatever the test sets.
    void put(int number, const std::function<void(datCh&)>& set) {
        datCh c(&data->image());
        c.reset();
        c.frequency = 146010000;
        c.trainFrequency = 2280;
        set(c);
        c.store(datCh::KindMemory, number);
        data->image().rebuildBankIndex();
    }

    Fallback fallback;
    std::unique_ptr<MemPageData> data;
    std::unique_ptr<cmcMemFields> page;
    std::deque<cmcCellObj> cells;
};

} // namespace memfields
