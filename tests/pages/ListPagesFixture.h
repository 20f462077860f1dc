#pragma once

#include "MemoryMap.h"
#include "cmcCellHandler.h"
#include "cmcCellNames.h"
#include "cmcCellObj.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcListPageCells.h"
#include "cmcPageData.h"
#include "cmcScriptPrompt.h"
#include "datCellReq.h"
#include "datCh.h"
#include "indDestination.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace listpages {

using N = cmcCellNames;
constexpr uint32_t MHz = 1000000;

// The main controller as the list pages see it: a document and a template of one destination,
// every event that reaches a listener, and the bank index rebuilt on ChannelsChanged at once.
class ListPageData : public cmcPageData {
public:
    explicit ListPageData(int destination) : plan(destination) {
        for (cmcEeprom* image : {&document, &templ})
            image->loadTemplate(destination);
        document.rebuildBankIndex();
        bus.AddListener(heard, this);
    }
    ~ListPageData() override { bus.RemoveListener(heard, this); }

    cmcEeprom& image() override { return document; }
    cmcEeprom& templateImage() override { return templ; }
    indDestination bandPlan() const override { return plan; }
    cmcEvMan& events() override { return bus; }
    cmcPrompt& prompt() override { return questions; }
    cmcGTex& table() override { return cmcGTex::app(); }

    struct Seen {
        cmcEventId id;
        int first;
        QByteArray text;
        bool operator==(const Seen&) const = default;
    };
    std::vector<Seen> sent;
    cmcScriptPrompt questions;

private:
    static void heard(void* context, cmcEvent& event) {
        auto* self = static_cast<ListPageData*>(context);
        self->sent.push_back({event.id(), event.first, event.text()});
        if (event.id() == cmcEventId::ChannelsChanged)
            self->document.rebuildBankIndex();
    }

    indDestination plan;
    cmcEeprom document;
    cmcEeprom templ;
    cmcEvMan bus;
};

// The program-wide handler: records the links of what the family passes on.
class Fallback : public cmcCellHandler {
public:
    QByteArray shownText(datCellReq& request) override {
        shown.push_back(request.cell->link());
        return "fallback";
    }
    int act(datCellReq& request) override {
        acted.push_back(request.cell->link());
        return Repaint;
    }

    std::vector<int> shown;
    std::vector<int> acted;
};

// One list page's family over a document, and the requests its sheet makes.
class ListPage : public testing::Test {
protected:
    void open(int pageIndex, int destination = 1) {
        page.reset();
        data = std::make_unique<ListPageData>(destination);
        page = cmcListPageCells::create(pageIndex, *data, fallback);
        ASSERT_NE(page, nullptr);
    }

    // A cell as the page's definitions write it: category, link, record index, literal text.
    const cmcCellObj& cell(const QByteArray& category, int link, int index,
                           const QByteArray& text = "") {
        cells.emplace_back();
        cells.back().parse("{S(%" + category + "." + N::linkName(link) + "[" +
                               QByteArray::number(index) + "])}" + text,
                           nullptr, nullptr);
        return cells.back();
    }
    datCellReq request(const QByteArray& category, int link, int index) {
        datCellReq r;
        r.cell = &cell(category, link, index);
        r.textColour = N::clWindowText;
        return r;
    }
    datCellReq drawn(const QByteArray& category, int link, int index) {
        datCellReq r = request(category, link, index);
        r.editorText = page->shownText(r);
        return r;
    }
    int press(const QByteArray& category, int link, int index, int key,
              datCellReq* answer = nullptr) {
        datCellReq r = request(category, link, index);
        r.key = key;
        const int result = page->act(r);
        if (answer)
            *answer = r;
        return result;
    }
    int edit(const QByteArray& category, int link, int index, const QByteArray& text) {
        datCellReq r = request(category, link, index);
        r.hasInput = true;
        r.input = text;
        return page->act(r);
    }
    // A choice made in the drop-down list of the cell, on a copy of the request that opened it.
    int choose(const QByteArray& category, int link, int index, int choice) {
        datCellReq owner = request(category, link, index);
        owner.key = datCellReq::KeyEnter;
        page->act(owner);
        datCellReq r = owner;
        r.owner = &owner;
        r.mode = datCellReq::ListChoice;
        r.cell = &cell("", N::Flex0, choice);
        return page->act(r);
    }

    datCh load(int kind, int number) {
        datCh record(&data->image());
        record.load(kind, number);
        return record;
    }
    // A used FM memory channel at 146.01 MHz, then whatever the test sets; the bank index
    // follows.
    void putChannel(
        int number, const std::function<void(datCh&)>& set = [](datCh&) {}) {
        storeChannel(number, set);
        data->image().rebuildBankIndex();
    }
    // Channels 0 .. count - 1 used, outside any bank.
    void useChannels(int count) {
        for (int n = 0; n < count; ++n)
            storeChannel(n, [](datCh&) {});
        data->image().rebuildBankIndex();
    }

    Fallback fallback;
    std::unique_ptr<ListPageData> data;
    std::unique_ptr<cmcCellHandler> page;
    std::deque<cmcCellObj> cells;

private:
    void storeChannel(int number, const std::function<void(datCh&)>& set) {
        datCh c(&data->image());
        c.reset();
        c.frequency = 146010000;
        c.trainFrequency = datCh::DefaultTrainFrequency;
        set(c);
        c.store(datCh::KindMemory, number);
    }
};

} // namespace listpages
