#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class CliPrint : public testing::Test {
protected:
    CliPrint() { EXPECT_EQ(run({"new", "--destination", "0", file("in.kcf")}), 0); }

    int run(const QStringList& arguments) {
        QProcess process;
        process.start(MAVIK_CLI, arguments);
        EXPECT_TRUE(process.waitForFinished(120000));
        errors = process.readAllStandardError();
        return process.exitCode();
    }
    QString file(const char* name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    QByteArray errors;
};

TEST_F(CliPrint, WritesThePdf) {
    EXPECT_EQ(run({"print", file("in.kcf"), "--page", "common", "--page", "bank:C", "--font-points",
                   "12", file("out.pdf")}),
              0)
        << errors.constData();
    QFile pdf(file("out.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

TEST_F(CliPrint, UnwritablePdfPathExits32) {
    EXPECT_EQ(run({"print", file("in.kcf"), "--page", "0", file("missing/out.pdf")}), 32);
    EXPECT_TRUE(errors.contains("The pages could not be printed.")) << errors.constData();
}

TEST_F(CliPrint, BadArgumentsExit64) {
    const QList<QStringList> cases = {
        {"print", file("in.kcf"), "--font-points", "13", file("out.pdf")},
        {"print", file("in.kcf"), "--page", "bank:S", file("out.pdf")},
        {"print", file("in.kcf"), "--page", "memory:13", file("out.pdf")},
        {"print", file("in.kcf")},
        {"print", file("in.kcf"), "--colour", file("out.pdf")}};
    for (const QStringList& arguments : cases)
        EXPECT_EQ(run(arguments), 64) << arguments.join(' ').toStdString();
    EXPECT_FALSE(QFile::exists(file("out.pdf")));
}

TEST_F(CliPrint, MissingInputIsAFileError) {
    EXPECT_GT(run({"print", file("none.kcf"), file("out.pdf")}), 20);
    EXPECT_FALSE(QFile::exists(file("out.pdf")));
}

} // namespace
