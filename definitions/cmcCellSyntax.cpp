#include "cmcCellSyntax.h"

#include "cmcFatal.h"

#include <cstdio>

namespace {

bool isLeadByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isControlOrSpace(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

[[noreturn]] void badLoopVariable() {
    cmcFatal::stop("Ch No. Error");
}

} // namespace

qsizetype cmcCellSyntax::charLength(QByteArrayView text, qsizetype at) {
    return isLeadByte(text[at]) && at + 1 < text.size() ? 2 : 1;
}

qsizetype cmcCellSyntax::cellEnd(QByteArrayView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] != '|') {
        if (text[i] == '\\' && i + 1 < text.size())
            i += 1 + charLength(text, i + 1);
        else
            i += charLength(text, i);
    }
    return i;
}

void cmcCellSyntax::splitParts(QByteArrayView cell, QByteArray& attributes, QByteArray& text) {
    attributes.clear();
    text.clear();
    bool inBraces = false;
    for (qsizetype i = 0; i < cell.size();) {
        const qsizetype length = charLength(cell, i);
        if (length == 1 && cell[i] == (inBraces ? '}' : '{'))
            inBraces = !inBraces;
        else
            (inBraces ? attributes : text).append(cell.sliced(i, length));
        i += length;
    }
}

qsizetype cmcCellSyntax::groupEnd(QByteArrayView text, qsizetype from) {
    qsizetype i = from;
    while (i < text.size() && text[i] != ')') {
        if (text[i] == '\\' && i + 1 < text.size())
            i += 1 + charLength(text, i + 1);
        else
            i += charLength(text, i);
    }
    return i;
}

QByteArray cmcCellSyntax::unescaped(QByteArrayView text) {
    QByteArray result;
    for (qsizetype i = 0; i < text.size();) {
        if (text[i] == '\\')
            ++i;
        if (i >= text.size())
            break;
        const qsizetype length = charLength(text, i);
        result.append(text.sliced(i, length));
        i += length;
    }
    return result;
}

QByteArrayView cmcCellSyntax::blanksTrimmed(QByteArrayView text) {
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

int cmcCellSyntax::decimal(QByteArrayView text) {
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    quint32 value = 0;
    for (; i < text.size() && isDigit(text[i]); ++i)
        value = value * 10 + static_cast<quint32>(text[i] - '0');
    return static_cast<int>(negative ? 0u - value : value);
}

int& cmcCellSyntax::loopVariable(QByteArrayView text, qsizetype& pos, LoopVariables* variables) {
    const QByteArrayView rest = text.sliced(pos);
    if (!variables || !rest.startsWith("@ch") || rest.size() < 4 || !isDigit(rest[3]) ||
        (rest.size() > 4 && isDigit(rest[4])))
        badLoopVariable();
    pos += 4;
    return (*variables)[rest[3] - '0'];
}

QByteArray cmcCellSyntax::expressionValue(QByteArrayView expression, LoopVariables* variables) {
    QByteArray compact;
    for (char c : expression) {
        if (!isBlank(c))
            compact.append(c);
    }
    qsizetype pos = 0;
    int value = loopVariable(compact, pos, variables);
    if (pos < compact.size() && compact[pos] == '+')
        value += decimal(QByteArrayView(compact).sliced(pos + 1));
    char digits[16];
    std::snprintf(digits, sizeof digits, "%d", value);
    return QByteArray(digits).left(6);
}

QByteArray cmcCellSyntax::decodedText(QByteArrayView text, LoopVariables* variables) {
    while (!text.isEmpty() && isControlOrSpace(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isControlOrSpace(text.back()))
        text.chop(1);
    QByteArray result;
    for (qsizetype i = 0; i < text.size();) {
        if (text[i] != '\\') {
            const qsizetype length = charLength(text, i);
            result.append(text.sliced(i, length));
            i += length;
            continue;
        }
        if (i + 1 == text.size())
            break; // a final backslash has nothing to escape
        const char escaped = text[++i];
        if (escaped == 'n' || escaped == 'N') {
            result.append('\n');
            ++i;
        } else if (escaped == '_') {
            result.append(' ');
            ++i;
        } else if (escaped == '(') {
            qsizetype end = text.indexOf(')', i + 1);
            if (end < 0)
                end = text.size();
            result.append(expressionValue(text.sliced(i + 1, end - i - 1), variables));
            i = end + 1;
        } else {
            const qsizetype length = charLength(text, i);
            result.append(text.sliced(i, length));
            i += length;
        }
    }
    return result;
}
