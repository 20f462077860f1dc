#pragma once

#include "cmcPageData.h"

class indMain;

// The main controller's document and services as the pages see them.
class indPageData : public cmcPageData {
public:
    explicit indPageData(indMain& main) : main(main) {}

    cmcEeprom& image() override;
    cmcEeprom& templateImage() override;
    indDestination bandPlan() const override;
    cmcEvMan& events() override;
    cmcPrompt& prompt() override;
    cmcGTex& table() override;

private:
    indMain& main;
};
