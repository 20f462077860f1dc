#include "simOptions.h"

#include "cmcDefaultImages.h"

namespace {

std::optional<bool> flag(QByteArrayView value) {
    if (value == "0" || value == "1")
        return value == "1";
    return std::nullopt;
}

std::optional<int> destination(QByteArrayView value) {
    bool ok = false;
    const int number = QByteArray(value.data(), value.size()).toInt(&ok);
    if (!ok || number < 0 || number >= cmcDefaultImages::Count)
        return std::nullopt;
    return number;
}

// Takes the value of an option into options; false when it does not fit.
bool take(simOptions& options, QByteArrayView name, QByteArrayView value) {
    if (name == "--destination") {
        options.destination = destination(value);
        return options.destination.has_value();
    }
    if (name == "--expansion" || name == "--cellular") {
        const auto on = flag(value);
        (name == "--expansion" ? options.expansion : options.cellular) = on.value_or(false);
        return on.has_value();
    }
    if (name == "--fault") {
        const auto fault = simFaultNamed(value);
        options.fault = fault.value_or(simFault::None);
        return fault.has_value();
    }
    QByteArray* path = name == "--image"          ? &options.image
                       : name == "--link"         ? &options.link
                       : name == "--save-written" ? &options.saveWritten
                                                  : nullptr;
    if (!path || value.isEmpty())
        return false;
    *path = QByteArray(value.data(), value.size());
    return true;
}

} // namespace

std::optional<simOptions> simOptions::parse(int argc, const char* const* argv) {
    simOptions options;
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView name(argv[i]);
        if (name == "--pace")
            options.pace = true;
        else if (name == "--once")
            options.once = true;
        else if (i + 1 >= argc || !take(options, name, argv[++i]))
            return std::nullopt;
    }
    if (options.destination && !options.image.isEmpty())
        return std::nullopt;
    return options;
}
