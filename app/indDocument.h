#pragma once

#include "cmcEeprom.h"
#include "cmcPrompt.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

class cmcEvMan;
struct cmcEvent;
class indDestination;
class indEnviron;

// The document side of the main controller: the images, the file name and the modified state,
// and the top-level commands on them (New, Open, Save, Save As, the destination change). It
// opens no window: questions go to the prompt, and what the window must do is asked of the
// hooks, which the main window overrides.
class indDocument {
public:
    static constexpr uint32_t ImageSize = 0x9130;
    static constexpr uint32_t ModelCode = 0x3250;
    static constexpr uint32_t ModelVersion = 1;
    static constexpr int RecentMenuItems = 4;

    enum Wording { Named, Plain };

    indDocument(indEnviron& settings, cmcEvMan& events, cmcPrompt& prompt);
    indDocument(const indDocument&) = delete;
    indDocument& operator=(const indDocument&) = delete;
    virtual ~indDocument();

    // Loads the template of the stored destination and makes it an untitled, saved document.
    void start();

    cmcEeprom& document() { return documentImage; }
    const cmcEeprom& templateImage() const { return templateCopy; }
    const cmcEeprom& savedCopy() const { return saved; }
    cmcEeprom& spareImage() { return spare; }
    const QString& fileName() const { return name; }
    bool isModified() const { return modified; }
    uint32_t modelCode() const { return model; }
    uint32_t modelVersion() const { return version; }

    // The file name, or "Untitled" in the current directory.
    QString displayName() const;
    // The file part of the display name, " - " and the application title.
    QByteArray titleText() const;

    bool New();
    bool OpenWithDialog();
    bool Open(const QString& fileName);
    // Save As while untitled, else Save under the file name.
    bool SaveCommand();
    bool SaveAs();
    bool Save(const QString& fileName);
    bool OpenRecent(int index);
    // The File menu's item for a recent file ("&1 name.kcf"), empty when it is to be hidden.
    QString recentMenuCaption(int position);
    // Closing asks the save question; false keeps the program running.
    bool mayClose();
    // Yes, No or Cancel; callers stop on Cancel.
    cmcPrompt::Answer confirmSave(Wording wording);

    // After a cell edit: the document counts as modified once it differs from the saved copy.
    void noteEdit();
    void setModified(bool value);
    void markSaved();

    void initialise();
    void convertAndRefresh(cmcEeprom& image);
    void convertToDestination(cmcEeprom& image);
    void refitChannels(cmcEeprom& image);
    void loadTemplate();
    // The band plan of the current destination and option flags.
    indDestination bandPlan() const;
    void noteDestination();
    void applyPendingDestination();
    // Makes the destination current; with `convert` the document follows it.
    void changeDestination(int destination, bool convert);

    // A memory read from the receiver becomes the document: converted, untitled and modified.
    void adoptClonedImage(const cmcEeprom& image);
    // Refreshes the pages and tells every part that the whole document changed.
    void documentReplaced();

    // Puts back a state the undo history kept: the image and the destination it was for.
    void restoreDocument(const cmcEeprom& image, int destination);

    // What the last clone information query read from the receiver; ApplyCloneInformation
    // applies it.
    void setReceiverInformation(int destination, int flagA, int flagB);

protected:
    virtual void refreshPages() {}
    virtual void rebuildTree() {}
    virtual void showTitle(const QByteArray& title) { (void)title; }
    virtual bool mainWindowVisible() const { return true; }
    virtual void setBusyCursor(bool busy) { (void)busy; }
    virtual void clearClipboard() {}
    // Another document took the place of this one: its history starts afresh.
    virtual void historyReset() {}
    // Around a change made outside any command, such as taking the receiver's destination.
    virtual void changeStarting() {}
    virtual void changeEnded() {}
    // The initial setup finished: show, enable and focus the main window.
    virtual void showMainWindow() {}
    // A clone session keeps the visible main window disabled while it runs.
    virtual void setMainWindowEnabled(bool enabled) { (void)enabled; }

public:
    // A clone operation runs from its first information query to the end of its read or write;
    // the window stays disabled all that time, and closing is refused.
    void setCloneRunning(bool running);
    bool cloneRunning() const { return cloning; }

protected:
    // Record codecs read the template through a mutable image.
    cmcEeprom& templateForRecords() { return templateCopy; }

    indEnviron& settings;
    cmcEvMan& events;
    cmcPrompt& prompt;

private:
    static void onEvent(void* context, cmcEvent& event);
    static void showFileMessage(void* context, const QByteArray& text);
    void applyCloneInformation(int flags, int value);
    bool acceptReceiverDestination(int flags);
    void postTreeCaptions();
    void postLinkCaption(int link);
    void setFileName(const QString& fileName);
    QString fileDialog(bool save);
    cmcPrompt::Answer askKeepDestination();

    cmcEeprom documentImage;
    cmcEeprom templateCopy;
    cmcEeprom saved;
    cmcEeprom spare;
    QString name;
    bool modified = false;
    bool cloning = false;
    uint32_t model = 0;
    uint32_t version = 0;
    int pendingDestination = 16;
    int pendingFlagA = 0;
    int pendingFlagB = 0;
    int receiverDestination = 16;
    int receiverFlagA = 0;
    int receiverFlagB = 0;
};
