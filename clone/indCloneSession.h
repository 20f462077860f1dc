#pragma once

#include "cmcEventId.h"
#include "cmcSettingChecks.h"
#include "indCloneMan.h"

#include <QByteArray>

class cmcEvMan;
class indDocument;
class indEnviron;

// The clone commands on the document: reading the receiver into it, writing it to the
// receiver, and showing the receiver's clone information. Each first asks the receiver who it
// is, lets the document take the receiver's destination, and only then moves memory. Sessions
// chain through completions; the outcome says how the last command ended.
class indCloneSession {
public:
    enum class Outcome {
        Idle,
        Running,
        Succeeded,
        // The session failed with a clone result code; its message has been shown.
        CloneFailed,
        // The receiver's destination was not taken, or a confirmation was cancelled.
        Declined,
        SettingErrors,
        // The user stopped the read; the document is as it was before the command.
        Cancelled,
    };

    static constexpr int RecordSize = 35;

    indCloneSession(indDocument& document, indEnviron& settings, cmcEvMan& events,
                    indCloneMan& manager);
    indCloneSession(const indCloneSession&) = delete;
    indCloneSession& operator=(const indCloneSession&) = delete;
    virtual ~indCloneSession();

    // Each returns false when it did not start.
    bool read();
    bool write();
    bool information();

    Outcome outcome() const { return state; }
    int resultCode() const { return code; }
    // The first 35 bytes of the information block of the last accepted query.
    const QByteArray& cloneInformation() const { return record; }
    int receiverDestination() const;

    // The model, version and block checks of an information reply; the record receives the
    // block's first 35 bytes when they pass. Returns the result code.
    static int checkInformation(const dst_CDrv_Result& result, QByteArray& record);

protected:
    virtual bool mainWindowVisible() const { return true; }
    virtual void finishEdit() {}
    virtual void showCloneInformation() {}
    // The setting checks on the document, which gate the write.
    virtual cmcSettingChecks::Result runSettingChecks();

private:
    enum class Command { None, Read, Write, Information };

    static void onInformation(void* context, dst_CDrv_Result& result);
    static void onRead(void* context, dst_CDrv_Result& result);
    static void onCompletion(void* context, dst_CDrv_Result& result);
    void completed(dst_CDrv_Result& result);
    bool begin(Command operation);
    bool startQuery();
    bool receiverMatches() const;
    bool firstQueryGoesOn(int flags);
    void send(cmcEventId id, int first = 0, int second = 0);
    void end(Outcome outcome);

    void readInformationDone(const dst_CDrv_Result& result);
    void readDone(dst_CDrv_Result& result);
    void restoreAfterFailedRead();
    void writeInformationDone(const dst_CDrv_Result& result);
    bool confirmWrite();
    void startWrite();
    void writeDone(const dst_CDrv_Result& result);
    void informationDone(const dst_CDrv_Result& result);

    indDocument& doc;
    indEnviron& settings;
    cmcEvMan& events;
    indCloneMan& man;
    Command command = Command::None;
    bool firstQuery = true;
    bool confirmed = false;
    QByteArray record;
    // The document as it stood before a read, so that a failed read leaves it as it was even
    // when the receiver's destination was taken on the way.
    cmcEeprom documentBefore;
    cmcEeprom savedBefore;
    bool modifiedBefore = false;
    Outcome state = Outcome::Idle;
    int code = 0;
};
