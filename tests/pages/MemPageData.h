#pragma once

#include "MemoryMap.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcPageData.h"
#include "cmcScriptPrompt.h"
#include "indDestination.h"

#include <utility>
#include <vector>

// The main controller as the memory page sees it: a document and a template of one
// destination, the events sent (identity and first value), and the bank index rebuilt on
// ChannelsChanged as the controller does.
class MemPageData : public cmcPageData {
public:
    explicit MemPageData(int destination, bool expansionOn = false)
        : plan(destination, false, expansionOn) {
        for (cmcEeprom* image : {&document, &templ}) {
            image->resize(mm::ImageSize);
            image->loadTemplate(destination);
        }
        document.rebuildBankIndex();
        bus.AddListener(heard, this);
    }
    ~MemPageData() override { bus.RemoveListener(heard, this); }

    cmcEeprom& image() override { return document; }
    cmcEeprom& templateImage() override { return templ; }
    indDestination bandPlan() const override { return plan; }
    cmcEvMan& events() override { return bus; }
    cmcPrompt& prompt() override { return questions; }
    cmcGTex& table() override { return cmcGTex::app(); }

    std::vector<std::pair<cmcEventId, int>> sent;
    // The status bar's lines, in the order they were sent.
    QList<QByteArray> statusLines;

private:
    static void heard(void* context, cmcEvent& event) {
        auto* self = static_cast<MemPageData*>(context);
        self->sent.emplace_back(event.id(), event.first);
        if (event.id() == cmcEventId::StatusText)
            self->statusLines.append(event.text());
        if (event.id() == cmcEventId::ChannelsChanged)
            self->document.rebuildBankIndex();
    }

    indDestination plan;
    cmcEeprom document;
    cmcEeprom templ;
    cmcEvMan bus;
    cmcScriptPrompt questions;
};
