#include "cliClone.h"

#include "cliArgs.h"
#include "cmcComm.h"

namespace {

int argc = 1;
char arg0[] = "mavik-cli";
char* argv[] = {arg0, nullptr};

} // namespace

std::optional<cliClone::Options> cliClone::parse(const QStringList& arguments, bool allowHighSpeed,
                                                 bool allowYes, int positionalCount) {
    Options options;
    QStringList rest;
    for (const QString& argument : arguments) {
        if (argument == "--high-speed" && allowHighSpeed && !options.highSpeed)
            options.highSpeed = true;
        else if (argument == "--yes" && allowYes && !options.yes)
            options.yes = true;
        else
            rest << argument;
    }
    cliArgs args;
    if (!args.parse(rest, {"--port", "--device"}) || args.has("--port") == args.has("--device") ||
        args.positional().size() != positionalCount ||
        !args.number("--port", 1, 256, 1, options.port))
        return std::nullopt;
    options.device = args.value("--device").toLocal8Bit();
    options.positional = args.positional();
    return options;
}

// No lock: the command runs beside the desktop program and never writes the settings back.
indEnviron::Places cliClone::places() {
    return indEnviron::standardPlaces(indEnviron::Unlocked);
}

indDestination cliClone::userBandPlan(int destination) {
    indEnviron settings(places(), QStringList(), QSize(800, 600));
    const indDestination plan(destination, settings.optionFlagA != 0, settings.optionFlagB != 0);
    settings.settingsMarker = 0;
    return plan;
}

cliClone::cliClone(const Options& given, cliPrompt::Command command)
    : application(QCoreApplication::instance() ? nullptr
                                               : std::make_unique<QCoreApplication>(argc, argv)),
      options(given), prompt(command, given.yes) {
    environ = std::make_unique<indEnviron>(places(), QStringList(), QSize(800, 600));
    cmcPrompt::install(&progress);
    doc = std::make_unique<indDocument>(*environ, events, progress);
    session = std::make_unique<indCloneSession>(*doc, *environ, events, man);
    cmcComm::setDeviceMap(deviceOf, this);
    man.setPort(options.port);
    man.setHighSpeed(options.highSpeed);
}

cliClone::~cliClone() {
    cmcComm::setDeviceMap(nullptr, nullptr);
    session.reset();
    doc.reset();
    cmcPrompt::install(nullptr);
    // What a clone changed (destination, option flags) stays out of the user's settings.
    environ->settingsMarker = 0;
}

QByteArray cliClone::deviceOf(void* context, int port) {
    const auto* self = static_cast<cliClone*>(context);
    if (!self->options.device.isEmpty())
        return self->options.device;
    return self->environ->portDevice(port).toLocal8Bit();
}

void cliClone::waitIdle() {
    while (man.busy())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

int cliClone::run(bool (indCloneSession::*start)()) {
    if (!((*session).*start)())
        return prompt.declined() ? Declined : cmcCloneDrv::PortFailed;
    while (session->outcome() == indCloneSession::Outcome::Running)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    progress.finish();
    switch (session->outcome()) {
    case indCloneSession::Outcome::Succeeded:
        return 0;
    case indCloneSession::Outcome::CloneFailed:
        return session->resultCode();
    case indCloneSession::Outcome::SettingErrors:
        return SettingErrors;
    case indCloneSession::Outcome::Declined:
        return Declined;
    default:
        return cmcCloneDrv::PortFailed;
    }
}
