#include "cliArgs.h"

bool cliArgs::parse(const QStringList& arguments, const QStringList& valueOptions) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith("--")) {
            positionals << argument;
            continue;
        }
        if (!valueOptions.contains(argument) || values.contains(argument) ||
            i + 1 >= arguments.size())
            return false;
        values.insert(argument, arguments[++i]);
    }
    return true;
}

bool cliArgs::number(const QString& option, int lowest, int highest, int fallback, int& out) const {
    if (!has(option)) {
        out = fallback;
        return true;
    }
    bool ok = false;
    const int parsed = value(option).toInt(&ok);
    if (!ok || parsed < lowest || parsed > highest)
        return false;
    out = parsed;
    return true;
}
