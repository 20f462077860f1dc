#pragma once

#include <QStringList>

// One sub-command of mavik-cli: its name on the command line and the function that runs it
// with the arguments after the name, returning the exit status.
struct cliCommand {
    const char* name;
    int (*run)(const QStringList& arguments);
};

int cliNew(const QStringList& arguments);
int cliConvert(const QStringList& arguments);
int cliDump(const QStringList& arguments);
int cliInfo(const QStringList& arguments);
int cliRead(const QStringList& arguments);
int cliWrite(const QStringList& arguments);
int cliCheck(const QStringList& arguments);
int cliPrint(const QStringList& arguments);
int cliExport(const QStringList& arguments);
int cliImport(const QStringList& arguments);
