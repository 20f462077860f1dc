#pragma once

#include "MemoryMap.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcEvent.h"
#include "cmcGTex.h"
#include "cmcPageData.h"
#include "cmcPrompt.h"
#include "indDestination.h"

// The main controller as the benchmarked pages see it: a document and the template of one
// destination, every question answered OK, and the bank index rebuilt on ChannelsChanged at
// once. A benchmark fills `document` with the records it needs.
class BenchPageData : public cmcPageData {
public:
    explicit BenchPageData(int destination) : plan(destination) {
        for (cmcEeprom* target : {&document, &templ}) {
            target->resize(mm::ImageSize);
            target->loadTemplate(destination);
        }
        bus.AddListener(heard, this);
    }
    ~BenchPageData() override { bus.RemoveListener(heard, this); }

    cmcEeprom& image() override { return document; }
    cmcEeprom& templateImage() override { return templ; }
    indDestination bandPlan() const override { return plan; }
    cmcEvMan& events() override { return bus; }
    cmcPrompt& prompt() override { return agreeing; }
    cmcGTex& table() override { return cmcGTex::app(); }

    cmcEeprom document;

private:
    struct Agreeing : cmcPrompt {
        Answer message(const Message&) override { return AnswerOk; }
        QString chooseFile(const FileDialog&) override { return {}; }
    };

    static void heard(void* context, cmcEvent& event) {
        if (event.id() == cmcEventId::ChannelsChanged)
            static_cast<BenchPageData*>(context)->document.rebuildBankIndex();
    }

    cmcEeprom templ;
    indDestination plan;
    cmcEvMan bus;
    Agreeing agreeing;
};
