#include "indCloneMan.h"

#include "cmcCellNames.h"
#include "cmcCloneFrame.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcPrompt.h"

#include <cerrno>
#include <cstring>

namespace {

constexpr int PreludeWaitMs = 200;
constexpr int RequestWaitMs = 200;
constexpr int HighSpeedRequestPreamble = 12;
constexpr int WriteBlockSize = 32;
constexpr int AcknowledgeTimeoutMs = 10000;
constexpr quint32 StatusBackground = 0xFF00000F; // the button face

void send(cmcEventId id, int first = 0) {
    if (cmcEvMan* events = cmcEvMan::app())
        events->Send(id, first);
}

QByteArray checkLines(std::initializer_list<int> lines) {
    QByteArray out;
    for (int line : lines) {
        if (!out.isEmpty())
            out += '\n';
        out += cmcGTex::app().GetText("GI_Mess_CloneErr_Check", line);
    }
    return out;
}

// Lines of the entry that says why a port did not open.
enum PortLine { NoDevice, NoPermission, InUse, OtherReason };

QByteArray portLine(PortLine line) {
    return cmcGTex::app().GetText("GI_Mess_CloneErr_Port", line);
}

// The system's description of an error, in English whatever the locale: the definition
// table's Japanese edition is Shift-JIS, which a translated description would not be.
QByteArray reasonOf(int error) {
    const char* description = strerrordesc_np(error);
    return description ? QByteArray(description) : QByteArray::number(error);
}

} // namespace

void indCloneMan::setInformationHandler(Callback handler, void* context) {
    informationHandler = handler;
    informationContext = context;
}

void indCloneMan::setReadHandler(Callback handler, void* context) {
    readHandler = handler;
    readContext = context;
}

void indCloneMan::setProgressHook(ProgressHook hook, void* context) {
    progressHook = hook;
    progressContext = context;
}

bool indCloneMan::showProgress(bool started) {
    if (started && progressHook)
        progressHook(progressContext);
    return started;
}

void indCloneMan::setUp(bool fast) {
    drv.setPort(portNumber, fast ? "38400,N,8,1" : "9600,N,8,1");
    if (fast) {
        drv.setPreludeScript(cmcCloneFrame::speedSwitchScript(ModelCode));
        drv.setExtraPreamble(HighSpeedRequestPreamble);
        drv.setDataPreambles(0, 0);
    } else {
        // A fast session that failed halfway may have left part of its prelude behind.
        drv.setPreludeScript({});
    }
    drv.setPreludeWait(PreludeWaitMs);
    drv.setRequestWait(RequestWaitMs);
    drv.setEchoCheck(true);
    drv.setCountInEndFrame(true);
    drv.setBlockSize(WriteBlockSize);
    drv.setAcknowledgeTimeout(AcknowledgeTimeoutMs);
}

bool indCloneMan::begin(cmcCloneDrv::Mode operation, Callback callback, void* context) {
    mode = operation;
    completion = callback;
    completionContext = context;
    return true;
}

bool indCloneMan::startInformation(Callback callback, void* context) {
    if (busy())
        return false;
    send(cmcEventId::CloneStarted);
    setUp(false);
    begin(cmcCloneDrv::Mode::Information, callback, context);
    totalBytes = 0;
    return drv.startInformation(onDone, this);
}

bool indCloneMan::startRead(const mm::Range* coverage, Callback callback, void* context) {
    if (busy())
        return false;
    totalBytes = mm::rangeByteCount(coverage);
    setUp(highSpeed);
    begin(cmcCloneDrv::Mode::Read, callback, context);
    return showProgress(drv.startRead(coverage, onDone, this));
}

bool indCloneMan::startWrite(const cmcEeprom& image, const mm::Range* ranges, Callback callback,
                             void* context) {
    if (busy())
        return false;
    totalBytes = mm::rangeByteCount(ranges);
    setUp(highSpeed);
    begin(cmcCloneDrv::Mode::Write, callback, context);
    return showProgress(drv.startWrite(image, ranges, onDone, this));
}

double indCloneMan::progress() const {
    if (totalBytes <= 0 || mode == cmcCloneDrv::Mode::Information)
        return 0;
    return qMin(1.0, double(drv.dataByteCount()) / totalBytes);
}

int indCloneMan::filledSegments() const {
    return mode == cmcCloneDrv::Mode::Information ? 0
                                                  : filledSegments(drv.dataByteCount(), totalBytes);
}

int indCloneMan::filledSegments(int64_t done, int64_t total) {
    // 33 steps, so that the last segment fills only once everything is done.
    return total > 0 ? int((BarSegments + 1) * done / total) : 0;
}

bool indCloneMan::cancel() {
    return canCancel() && drv.cancel();
}

void indCloneMan::onDone(void* context, dst_CDrv_Result& result) {
    static_cast<indCloneMan*>(context)->done(result);
}

void indCloneMan::done(dst_CDrv_Result& result) {
    if (mode == cmcCloneDrv::Mode::Information) {
        if (informationHandler)
            informationHandler(informationContext, result);
        else
            result.code = cmcCloneDrv::IllegalInformation;
    } else if (mode == cmcCloneDrv::Mode::Read) {
        if (readHandler)
            readHandler(readContext, result);
        else
            result.code = cmcCloneDrv::NotEnoughData;
    }
    report(result);
    send(cmcEventId::ProgressClosed);
    send(cmcEventId::CloneEnded, result.code == cmcCloneDrv::Ok ? 1 : 0);
    if (completion) {
        const Callback callback = completion;
        completion = nullptr;
        callback(completionContext, result);
    }
}

// The user knows that they stopped the read; a line in the status bar is enough.
void indCloneMan::report(const dst_CDrv_Result& result) {
    if (result.code == cmcCloneDrv::Cancelled) {
        if (cmcEvMan* events = cmcEvMan::app())
            events->SendText(cmcEventId::StatusText, int32_t(cmcCellNames::clWindowText),
                             int32_t(StatusBackground),
                             cmcGTex::app().GetText("GI_AppInd_Clone_Cancelled").constData());
        return;
    }
    const QByteArray text = errorMessage(result.code, drv.portNumber(), result.portFailure);
    if (!text.isEmpty())
        cmcPrompt::app().message(
            cmcPrompt::titled(text, cmcPrompt::Ok, cmcPrompt::AnswerOk, cmcPrompt::Stop));
}

QByteArray indCloneMan::portFailureLine(const datPortFailure& failure) {
    const char* device = failure.device.constData();
    switch (failure.error) {
    case 0:
        return {};
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return cmcGTex::formatted(portLine(NoDevice), device);
    case EACCES:
    case EPERM:
        return cmcGTex::formatted(portLine(NoPermission), device);
    case EBUSY:
        return cmcGTex::formatted(portLine(InUse), device);
    default:
        return cmcGTex::formatted(portLine(OtherReason), device,
                                  reasonOf(failure.error).constData());
    }
}

QByteArray indCloneMan::errorMessage(int code, int port, const datPortFailure& failure) {
    if (code == cmcCloneDrv::Ok || code == cmcCloneDrv::Cancelled)
        return {};
    QByteArray head = cmcGTex::app().GetText("GI_Mess_CloneErr_Head", code);
    QByteArray lines;
    switch (code) {
    case 2:
        head.replace("%d", QByteArray::number(port));
        if (failure.error != 0)
            head += '\n' + portFailureLine(failure);
        lines = checkLines({0, 1, 2, 3});
        break;
    case 10:
        lines = checkLines({0, 2, 3});
        break;
    case 11:
    case 12:
        lines = checkLines({0, 1, 2, 3, 4, 5});
        break;
    case 13:
        lines = checkLines({6});
        break;
    case 14:
        lines = checkLines({0, 4, 5});
        break;
    case 16:
        break;
    default:
        lines = checkLines({0, 1, 2, 3});
        break;
    }
    return head + "\n\n" + lines;
}
