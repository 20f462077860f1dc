#pragma once

#include "MemoryMap.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcPageData.h"
#include "cmcScriptPrompt.h"
#include "datCh.h"
#include "indDestination.h"

// A document of one destination's built-in image with its memory channels emptied, and the
// program's services, as the main controller gives them to pages.
class PrintPageData : public cmcPageData {
public:
    explicit PrintPageData(int destination = 0) : plan(destination) {
        for (cmcEeprom* image : {&document, &templ}) {
            image->resize(mm::ImageSize);
            image->loadTemplate(destination);
        }
        datCh channel(&document);
        for (int number = 0; number < mm::MemoryChannels; ++number) {
            channel.load(datCh::KindMemory, number);
            channel.flags = 0;
            channel.bankGroup = datCh::NoBank;
            channel.store(datCh::KindMemory, number);
        }
        document.rebuildBankIndex();
    }

    // A used channel at `frequency`, in `bank` at `position` unless the bank is NoBank.
    void put(int number, uint32_t frequency, int bank = datCh::NoBank, int position = 0) {
        datCh channel(&document);
        channel.reset();
        channel.frequency = frequency;
        channel.trainFrequency = datCh::DefaultTrainFrequency;
        channel.bankGroup = bank;
        channel.bankPosition = position;
        channel.store(datCh::KindMemory, number);
        document.rebuildBankIndex();
    }

    cmcEeprom& image() override { return document; }
    cmcEeprom& templateImage() override { return templ; }
    indDestination bandPlan() const override { return plan; }
    cmcEvMan& events() override { return bus; }
    cmcPrompt& prompt() override { return questions; }
    cmcGTex& table() override { return cmcGTex::app(); }

    cmcScriptPrompt questions;

private:
    indDestination plan;
    cmcEeprom document;
    cmcEeprom templ;
    cmcEvMan bus;
};
