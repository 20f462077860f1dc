#include "cmcTvPreset.h"

#include "MemoryMap.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcPrompt.h"
#include "datCh.h"

#include <algorithm>

namespace {

// Destinations whose receivers pick the tuning step of the Japanese channels themselves.
bool autoStepDestination(int destination) {
    return destination == 0 || destination == 14 || destination == 15;
}

} // namespace

cmcTvPreset::cmcTvPreset(cmcEeprom& document, cmcEeprom& templateImage, int destination)
    : document(document), templateImage(templateImage), destination(destination) {}

bool cmcTvPreset::execute(cmcPrompt& prompt, int table, Target target, int number) {
    if (cmcTvTables::builtIn().table(table).empty())
        return false;
    const cmcPrompt::Message question = cmcPrompt::titled(
        confirmText(table), cmcPrompt::OkCancel, cmcPrompt::AnswerCancel, cmcPrompt::Exclamation);
    if (prompt.message(question) != cmcPrompt::AnswerOk)
        return false;
    const Result result = target == Bank ? presetBank(table, number) : presetGroup(table, number);
    cmcEvMan* events = cmcEvMan::app();
    if (events)
        events->Send(cmcEventId::ChannelsChanged);
    if (result == NoChannelSpace)
        prompt.message(cmcPrompt::titled(overflowText(), cmcPrompt::Ok, cmcPrompt::AnswerOk,
                                         cmcPrompt::Exclamation));
    if (events)
        events->Post(cmcEventId::RedrawAll);
    return true;
}

cmcTvPreset::Result cmcTvPreset::presetGroup(int table, int group) {
    stored = 0;
    int number = mm::BankPositions * group;
    for (const cmcTvTables::Entry& entry : cmcTvTables::builtIn().table(table)) {
        if (number < 0 || number >= mm::MemoryChannels)
            break;
        datCh channel = channelFor(entry, table);
        channel.store(datCh::KindMemory, number++);
        ++stored;
    }
    return Done;
}

cmcTvPreset::Result cmcTvPreset::presetBank(int table, int bank) {
    stored = 0;
    if (bank < 0 || bank >= mm::Banks)
        return Done;
    int position = 0;
    for (const cmcTvTables::Entry& entry : cmcTvTables::builtIn().table(table)) {
        const int number = datCh::firstEmptyChannel(document, 0);
        if (number < 0)
            return NoChannelSpace;
        leaveBank(bank, position);
        datCh channel = channelFor(entry, table);
        channel.bankGroup = bank;
        channel.bankPosition = position++;
        channel.store(datCh::KindMemory, number);
        ++stored;
    }
    return Done;
}

QByteArray cmcTvPreset::confirmText(int table) {
    cmcGTex& texts = cmcGTex::app();
    QByteArray text = texts.GetText(ConfirmKey, 0);
    text.replace(text.indexOf("%s"), 2, texts.GetText(TableNamesKey, table));
    return text + '\n' + texts.GetText(ConfirmKey, 1);
}

QByteArray cmcTvPreset::overflowText() {
    return cmcGTex::app().multiLineText(NoChSpaceKey);
}

datCh cmcTvPreset::channelFor(const cmcTvTables::Entry& entry, int table) const {
    datCh channel(&templateImage);
    channel.load(datCh::KindBandDefault, BandDefaultRecord);
    channel.bind(&document);
    channel.setInUse(true);
    channel.frequency = entry.frequency;
    channel.mode = int(entry.mode);
    channel.step = table == cmcTvTables::Japan && autoStepDestination(destination) ? datCh::StepAuto
                                                                                   : PresetStep;
    channel.name.fill(' ');
    std::copy(entry.name.begin(), entry.name.end(), channel.name.begin());
    // A broadcast sound carrier needs none of the band's switched settings.
    channel.offset = 0;
    channel.duplex = 0;
    channel.skip = 0;
    channel.attenuator = 0;
    channel.afFilter = 0;
    channel.toneMode = 0;
    channel.dtcsPolarity = 0;
    channel.canceller = 0;
    channel.vsc = 0;
    channel.bankGroup = datCh::NoBank;
    channel.bankPosition = 0;
    return channel;
}

void cmcTvPreset::leaveBank(int bank, int position) {
    datCh channel(&document);
    for (int n = 0; n < mm::MemoryChannels; ++n) {
        channel.load(datCh::KindMemory, n);
        if (channel.inUse() && channel.bankGroup == bank && channel.bankPosition == position) {
            channel.bankGroup = datCh::NoBank;
            channel.bankPosition = 0;
            channel.store();
        }
    }
}
