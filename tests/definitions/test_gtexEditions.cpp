// The two editions side by side: the Japanese list in use keeps step with the English one, and
// its double-byte characters are never read as syntax.
#include "cmcCellObj.h"
#include "cmcGTex.h"
#include "cmcGTexLists.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {

QList<QByteArray> keysOf(const char* const* lines) {
    QList<QByteArray> keys;
    for (; *lines; ++lines) {
        const QByteArray line(*lines);
        if (line.size() > 1 && line[0] == '#')
            keys.append(line.mid(1));
    }
    return keys;
}

QByteArray shiftJis(const char* utf8) {
    QStringEncoder encoder("Shift_JIS");
    return encoder.encode(QString::fromUtf8(utf8));
}

TEST(GTexEditions, JapaneseKeysAreTheEnglishOnesWithoutTheMonitorSheet) {
    QList<QByteArray> english = keysOf(gtexEnglishLines);
    const QList<QByteArray> japanese = keysOf(gtexJapaneseLines);
    for (const char* suffix : {"_Style", "_BasicCell", "_Cells"})
        EXPECT_TRUE(english.removeOne(QByteArray("GI_Sheet_Sel_Common_Monitor") + suffix));
    EXPECT_EQ(japanese, english);
}

TEST(GTexEditions, TheReaderInUseIsJapanese) {
    cmcGTex& table = cmcGTex::app();
    EXPECT_EQ(table.edition(), cmcGTex::Japanese);
    EXPECT_EQ(table.display(table.GetText("GI_App_InitialSetup_Form_Caption")),
              QString::fromUtf8("初期設定"));
    EXPECT_EQ(table.stored(QString::fromUtf8("初期設定")),
              table.GetText("GI_App_InitialSetup_Form_Caption"));
}

// "ソ" and "ポ" end in the bytes of a backslash and a bar.
TEST(GTexEditions, SecondBytesThatLookLikeSyntaxStayText) {
    for (const char* text : {"ソ", "ポ", "表ソポ"}) {
        const QByteArray bytes = shiftJis(text);
        const QByteArray line = "{(%CL_Mch_Name[1])}" + bytes + "|{(%CL_Mch_Name[2])}X";
        cmcCellObj first;
        const QByteArrayView rest = first.parse(line, nullptr, nullptr);
        EXPECT_EQ(first.text(), bytes) << text;
        EXPECT_EQ(first.index(), 1);
        cmcCellObj second;
        second.parse(rest, nullptr, nullptr);
        EXPECT_EQ(second.index(), 2) << text;
        EXPECT_EQ(second.text(), "X");
    }
}

} // namespace
