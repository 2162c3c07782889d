// `tessaline palette-export INPUT OUTPUT` run as a user runs it.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ExportRun {
    int exitCode = -1;
    QString err;
};

ExportRun exportPalette(const QStringList& args, const QString& folder) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(TESSALINE_EXECUTABLE), QStringList{"palette-export"} + args);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

// A leading 4-byte value, then `records` records of a little-endian colour
// and a 10-byte thread number.
QByteArray palette(int records) {
    QByteArray bytes("\x07\x00\x00\x00", 4);
    for (int i = 0; i < records; ++i) {
        bytes.append("\xFF\xC9\xB8\x00", 4); // 0x00B8C9FF: "3713" FFC9B8
        bytes.append("3713      ", 10);
    }
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(PaletteExportCommand, WritesTwoCrLfLinesPerRecord) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    writeFile(dir.filePath("dmc.pal"), palette(2));
    const ExportRun run = exportPalette({"dmc.pal", "dmcbas.txt"}, dir.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile out(dir.filePath("dmcbas.txt"));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_EQ(out.readAll(), QByteArray("dmc(1).color = 12110335\r\n"
                                        "dmc(1).cindex = \"3713      \"\r\n"
                                        "dmc(2).color = 12110335\r\n"
                                        "dmc(2).cindex = \"3713      \"\r\n"));
}

TEST(PaletteExportCommand, RefusesBadInputsWithOneLineAndNoOutput) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    writeFile(dir.filePath("big.pal"), palette(501));
    writeFile(dir.filePath("full.pal"), palette(500));
    struct Case {
        QStringList args;
        int exitCode;
        const char* message;
    };
    const std::vector<Case> cases{
        {{"absent.pal", "out.txt"}, 3, "absent.pal"},
        {{"big.pal", "out.txt"}, 3, "more than 500 records"},
        {{"full.pal", "no-such-folder/out.txt"}, 5, "no-such-folder/out.txt"},
        {{"full.pal"}, 2, "INPUT OUTPUT"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const ExportRun run = exportPalette(c.args, dir.path());
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_TRUE(run.err.startsWith("tessaline: ") && run.err.count('\n') == 1)
            << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(dir.filePath("out.txt")));
    }
    // 500 records, the palette's size, are accepted.
    EXPECT_EQ(exportPalette({"full.pal", "out.txt"}, dir.path()).exitCode, 0);
}

} // namespace
