#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <array>

// Lexical rules shared by the parts of the cell attribute language. Text is 8-bit and may hold
// Shift-JIS double-byte characters, whose bytes are never syntax; a backslash makes the next
// character ordinary wherever escapes apply.
class cmcCellSyntax {
public:
    using LoopVariables = std::array<int, 10>;

    // Bytes taken by the character at `at`: 2 for a double-byte character, else 1.
    static qsizetype charLength(QByteArrayView text, qsizetype at);
    // Position of the first unescaped '|', or the text's size.
    static qsizetype cellEnd(QByteArrayView text);
    // Bytes inside {...} blocks go to the attribute part, the others to the text part.
    static void splitParts(QByteArrayView cell, QByteArray& attributes, QByteArray& text);
    // Position of the unescaped ')' closing a group opened just before `from`, or the size.
    static qsizetype groupEnd(QByteArrayView text, qsizetype from);
    // Each backslash removed, the character after it kept.
    static QByteArray unescaped(QByteArrayView text);
    // Without leading and trailing spaces and TABs.
    static QByteArrayView blanksTrimmed(QByteArrayView text);
    // A signed decimal number after optional spaces and TABs; 0 when there is none.
    static int decimal(QByteArrayView text);
    // The loop variable named by "@ch<digit>" at `pos`, which then stands after the reference.
    // A malformed reference, or one where no loop variables exist, ends the program.
    static int& loopVariable(QByteArrayView text, qsizetype& pos, LoopVariables* variables);
    // The display text of a text part: trimmed, escapes replaced, expressions evaluated.
    static QByteArray decodedText(QByteArrayView text, LoopVariables* variables);

private:
    static QByteArray expressionValue(QByteArrayView expression, LoopVariables* variables);
};
