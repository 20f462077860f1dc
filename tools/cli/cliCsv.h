#pragma once

#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcPageData.h"
#include "cmcPrompt.h"

#include <QCoreApplication>
#include <QString>
#include <memory>
#include <optional>

// What export and import share: a clone file opened as Open does, the page named on the
// command line, and the program's services as the page logic needs them. Every message goes
// to standard error and every question is answered yes: running the command is the
// confirmation.
class cliCsv : public cmcPageData {
public:
    static constexpr int Refused = 31;
    static constexpr int Unwritable = 32;

    cliCsv();
    ~cliCsv() override;
    cliCsv(const cliCsv&) = delete;
    cliCsv& operator=(const cliCsv&) = delete;

    // The page index of a PAGE argument (memory:N, bank:L, scanedge, ..., or 0 to 48) and the
    // first record of its rows; false for a name that is no page or a page without records.
    bool choosePage(const QString& name);
    // The clone file's exit status: 0, or 20 + its file error code.
    int open(const QString& fileName);
    int save(const QString& fileName);

    int pageIndex() const { return page; }
    int firstRecord() const { return first; }

    cmcEeprom& image() override { return document; }
    cmcEeprom& templateImage() override { return templ; }
    indDestination bandPlan() const override;
    cmcEvMan& events() override { return bus; }
    cmcPrompt& prompt() override { return answers; }
    cmcGTex& table() override;

private:
    class Answers : public cmcPrompt {
    public:
        Answer message(const Message& message) override;
        QString chooseFile(const FileDialog&) override { return {}; }
    };

    static void heard(void* context, cmcEvent& event);
    static std::optional<int> pageNamed(const QString& name);

    std::unique_ptr<QCoreApplication> application;
    cmcEvMan bus;
    Answers answers;
    cmcEeprom document;
    cmcEeprom templ;
    int destination = 0;
    int page = -1;
    int first = 0;
};
