#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// The arguments of one sub-command: options of the form "--name value" and the positional
// arguments in order.
class cliArgs {
public:
    // False on an option that is not listed, a listed option without its value, or one given
    // twice.
    bool parse(const QStringList& arguments, const QStringList& valueOptions);

    bool has(const QString& option) const { return values.contains(option); }
    // The option's value as a number in lowest .. highest; `fallback` when it is absent.
    // False when it is present but not such a number.
    bool number(const QString& option, int lowest, int highest, int fallback, int& out) const;
    QString value(const QString& option) const { return values.value(option); }
    const QStringList& positional() const { return positionals; }

private:
    QMap<QString, QString> values;
    QStringList positionals;
};
