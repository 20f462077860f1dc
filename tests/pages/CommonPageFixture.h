#pragma once

#include "cmcCellHandler.h"
#include "cmcCellObj.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcPageData.h"
#include "cmcScriptPrompt.h"
#include "datCellReq.h"
#include "indDestination.h"

#include <QByteArray>
#include <vector>

// The document of a destination's built-in image and the program's services, as the main
// controller would give them to page logic.
class CommonPageFixture : public cmcPageData {
public:
    explicit CommonPageFixture(int destination = 6) : destination(destination) {
        document.loadTemplate(destination);
        templ.loadTemplate(destination);
        eventManager.AddListener(record, this);
    }
    ~CommonPageFixture() override { eventManager.RemoveListener(record, this); }

    cmcEeprom& image() override { return document; }
    cmcEeprom& templateImage() override { return templ; }
    indDestination bandPlan() const override { return indDestination(destination); }
    cmcEvMan& events() override { return eventManager; }
    cmcPrompt& prompt() override { return answers; }
    cmcGTex& table() override { return cmcGTex::app(); }

    struct Seen {
        cmcEventId id;
        int first;
        int second;
        QByteArray text;
    };
    const std::vector<Seen>& seen() const { return sent; }

private:
    static void record(void* context, cmcEvent& event) {
        static_cast<CommonPageFixture*>(context)->sent.push_back(
            {event.id(), event.first, event.second, event.text()});
    }

    int destination;
    cmcEeprom document;
    cmcEeprom templ;
    cmcEvMan eventManager;
    cmcScriptPrompt answers;
    std::vector<Seen> sent;
};

// Answers for every link it is asked about and counts what reached it.
class CountingFallback : public cmcCellHandler {
public:
    QByteArray shownText(datCellReq&) override {
        ++shown;
        return "fallback";
    }
    int act(datCellReq&) override {
        ++acted;
        return Repaint;
    }
    void refresh(cmcCellObj&) override { ++refreshed; }

    int shown = 0;
    int acted = 0;
    int refreshed = 0;
};

// A cell bound to a link (and index), and the requests a sheet makes for it.
class CellProbe {
public:
    CellProbe(cmcCellHandler& handler, const QByteArray& link) : handler(handler) {
        cell.applyAttributes("S(%" + link + ")");
    }

    QByteArray shown() {
        datCellReq request = plain();
        return handler.shownText(request);
    }
    datCellReq shownRequest() {
        datCellReq request = plain();
        handler.shownText(request);
        return request;
    }
    int key(int code) {
        last = plain();
        last.key = code;
        return handler.act(last);
    }
    int edit(const QByteArray& text) {
        last = plain();
        last.hasInput = true;
        last.input = text;
        return handler.act(last);
    }
    // The choice of a selection list opened by this cell. As the list does, it is made on a
    // copy of the request that opened the list.
    int choose(int code) {
        cmcCellObj choice;
        choice.applyAttributes("S(%Flex0[" + QByteArray::number(code) + "])");
        datCellReq owner = plain();
        owner.key = datCellReq::KeyEnter;
        owner.listSheet = "GI_Sheet_Sel_Misc_OnOff";
        owner.listChoice = 1;
        last = owner;
        last.owner = &owner;
        last.mode = datCellReq::ListChoice;
        last.cell = &choice;
        const int result = handler.act(last);
        last.owner = nullptr;
        last.cell = &cell;
        return result;
    }

    datCellReq last;

private:
    datCellReq plain() const {
        datCellReq request;
        request.cell = &cell;
        return request;
    }

    cmcCellHandler& handler;
    cmcCellObj cell;
};
