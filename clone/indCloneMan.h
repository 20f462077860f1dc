#pragma once

#include "cmcCloneDrv.h"

#include <QByteArray>

// Runs one clone session at a time on its driver: sets the driver up for the chosen speed, lets
// the controller's handlers judge the result first, reports a failure once with its message,
// and tells the rest of the program when a session starts and ends.
class indCloneMan {
public:
    using Callback = cmcCloneDrv::Completion;

    indCloneMan() = default;
    indCloneMan(const indCloneMan&) = delete;
    indCloneMan& operator=(const indCloneMan&) = delete;

    // Handlers see every information and read result before anything else and may change its
    // code; without one, such a session fails.
    void setInformationHandler(Callback handler, void* context);
    void setReadHandler(Callback handler, void* context);
    // Called once a read or write has started, so that the user interface shows its progress
    // window; the window goes when ProgressClosed reports the session's end.
    using ProgressHook = void (*)(void* context);
    void setProgressHook(ProgressHook hook, void* context);
    void setModel(uint32_t model, uint32_t identifier) { drv.setModel(model, identifier); }
    void setImageSize(int32_t n) { drv.setImageSize(n); }
    // The stored port and speed choice, applied to every session that starts afterwards.
    void setPort(int32_t port) { portNumber = port; }
    void setHighSpeed(bool on) { highSpeed = on; }

    bool startInformation(Callback completion, void* context);
    bool startRead(const mm::Range* coverage, Callback completion, void* context);
    bool startWrite(const cmcEeprom& image, const mm::Range* ranges, Callback completion,
                    void* context);
    bool busy() const { return drv.busy(); }
    // Only a read may be stopped halfway: it has changed nothing yet, while a half-written
    // receiver is worse off than one never written. Cancelling ends the read at once with
    // the code cmcCloneDrv::Cancelled, reported by a status line instead of a message box.
    bool canCancel() const { return busy() && mode == cmcCloneDrv::Mode::Read; }
    bool cancel();
    // The operation of the running or last session; None before the first.
    cmcCloneDrv::Mode operation() const { return mode; }

    // Share of the read or write done, 0 .. 1; segments of the 32-segment bar to fill.
    double progress() const;
    int filledSegments() const;
    static int filledSegments(int64_t done, int64_t total);
    // Bytes of the running read or write moved so far, and in all.
    int32_t bytesDone() const { return drv.dataByteCount(); }
    int32_t bytesTotal() const { return totalBytes; }

    // The message a result code is reported with; empty for success. A port that did not open
    // is named with the reason the system gave.
    static QByteArray errorMessage(int code, int port, const datPortFailure& failure = {});
    // The line naming the device and why it did not open; empty without a reason.
    static QByteArray portFailureLine(const datPortFailure& failure);

    cmcCloneDrv& driver() { return drv; }

    static constexpr uint32_t ModelCode = 0x3250;
    static constexpr uint32_t ModelVersion = 1;
    static constexpr int BarSegments = 32;

private:
    void setUp(bool fast);
    bool begin(cmcCloneDrv::Mode operation, Callback completion, void* context);
    static void onDone(void* context, dst_CDrv_Result& result);
    void done(dst_CDrv_Result& result);
    void report(const dst_CDrv_Result& result);
    bool showProgress(bool started);

    Callback informationHandler = nullptr;
    void* informationContext = nullptr;
    Callback readHandler = nullptr;
    void* readContext = nullptr;
    ProgressHook progressHook = nullptr;
    void* progressContext = nullptr;
    Callback completion = nullptr;
    void* completionContext = nullptr;
    cmcCloneDrv drv;
    int32_t totalBytes = 0;
    cmcCloneDrv::Mode mode = cmcCloneDrv::Mode::None;
    int32_t portNumber = 1;
    bool highSpeed = false;
};
