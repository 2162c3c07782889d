// `tessaline convert` run as a user runs it: the real executable, no
// display, files in a fresh folder.
#include "CliTestSupport.h"
#include "PrivatePrintServer.h"
#include "imaging/ClsDIB.h"
#include "pattern/DmcNames.h"

#include <QBuffer>
#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>
#include <sys/stat.h>

namespace tessaline::test {
namespace {

struct CommandRun {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

QProcessEnvironment headlessEnvironment() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return env;
}

CommandRun runTessaline(const QStringList& args, const QString& folder,
                        const QProcessEnvironment& env = headlessEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(TESSALINE_EXECUTABLE), args);
    EXPECT_TRUE(process.waitForFinished(120000));
    CommandRun run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

class ConvertCommand : public ::testing::Test {
  protected:
    QTemporaryDir tmp;
    QDir dir{tmp.path()};
    QStringList convert(QStringList args) {
        args.prepend(QStringLiteral("convert"));
        return args;
    }
};

TEST_F(ConvertCommand, TwoByTwoInRegionModeFillsTheSmallestFrameAndLeavesTheRestWhite) {
    const QRgb pixels[2][2] = {{kWhiteRgb, kBlackRgb}, {kRedRgb, kGreyRgb}};
    savePng(makePicture(2, 2, [&](int x, int y) { return pixels[y][x]; }), dir, "two.png");
    const CommandRun run =
        runTessaline(convert({"two.png", "--mode", "region", "--width", "16", "--height", "16",
                              "--method", "0", "--ignore", "0", "--json", "p.json"}),
                     dir.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject p = readJsonFile(dir.filePath("p.json"));
    EXPECT_EQ(p.value("width").toInt(), 16);
    EXPECT_EQ(p.value("height").toInt(), 16);
    EXPECT_EQ(p.value("category").toString(), "DMC");
    EXPECT_EQ(p.value("threadCount").toInt(), 4);
    // The picture at its own size sits at the frame's corner; every other
    // cell lies past its edge and stays white.
    std::vector<std::string> colors(256, "FFFFFF");
    std::vector<int> cells(256, kWhitePos);
    colors[1] = "000000";
    cells[1] = kBlackPos;
    colors[16] = "FF0000";
    cells[16] = kRedPos;
    colors[17] = "808080";
    cells[17] = kGreyPos;
    EXPECT_EQ(stringsOf(p.value("colors")), colors);
    EXPECT_EQ(intsOf(p.value("cells")), cells);
    // Legend in order of first appearance; the most stitched thread has the
    // first symbol of the stitcher's set, equal counts keep their order.
    EXPECT_EQ(legendRows(p), (std::vector<std::string>{"■ B5200 253 FFFFFF", "● 310 1 000000",
                                                       "▲ 606 1 F30000", "◆ 926 1 808980"}));
}

TEST_F(ConvertCommand, TwoByTwoInWholeModeTakesTheHandOverSizesRaisedToTheMinimum) {
    savePng(makePicture(2, 2, [](int, int) { return kBlackRgb; }), dir, "black.png");
    // Loading a 2 x 2 picture sets a width of 230 and a height of 2, which the
    // bar raises to 16; "全图" then squeezes the picture into 230 x 230.
    CommandRun run = runTessaline(convert({"black.png", "--json", "p.json"}), dir.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QJsonObject p = readJsonFile(dir.filePath("p.json"));
    EXPECT_EQ(p.value("width").toInt(), 230);
    EXPECT_EQ(p.value("height").toInt(), 230);
    EXPECT_EQ(intsOf(p.value("cells")), std::vector<int>(230 * 230, kBlackPos));
    EXPECT_EQ(legendRows(p), std::vector<std::string>{"■ 310 52900 000000"});

    run = runTessaline(convert({"black.png", "--width", "16", "--json", "q.json"}), dir.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    p = readJsonFile(dir.filePath("q.json"));
    EXPECT_EQ(p.value("width").toInt(), 16);
    EXPECT_EQ(p.value("height").toInt(), 16);
    EXPECT_EQ(legendRows(p), std::vector<std::string>{"■ 310 256 000000"});
}

TEST_F(ConvertCommand, SixteenBySixteenQuadrantsMapToTheirThreads) {
    savePng(makePicture(16, 16, quadrantColour), dir, "quad.png");
    const CommandRun run = runTessaline(
        convert({"quad.png", "--width", "16", "--method", "0", "--json", "-"}), dir.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject p = parseJson(run.out);
    EXPECT_EQ(p.value("width").toInt(), 16);
    EXPECT_EQ(p.value("height").toInt(), 16);
    std::vector<int> cells;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            cells.push_back(y < 8 ? (x < 8 ? kWhitePos : kBlackPos) : (x < 8 ? kRedPos : kGreyPos));
        }
    }
    EXPECT_EQ(intsOf(p.value("cells")), cells);
    EXPECT_EQ(legendRows(p), (std::vector<std::string>{"■ B5200 64 FFFFFF", "● 310 64 000000",
                                                       "▲ 606 64 F30000", "◆ 926 64 808980"}));
}

TEST_F(ConvertCommand, StrengthMergesUpToAndIncludingItsDistance) {
    savePng(makePicture(16, 16, quadrantColour), dir, "quad.png");
    // "926" 808980 lies 127^2 + 118^2 + 127^2 = 46182 from white; every
    // other pair of the four threads is further apart.
    CommandRun run = runTessaline(convert({"quad.png", "--width", "16", "--method", "0",
                                           "--strength", "46182", "--json", "merged.json"}),
                                  dir.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QJsonObject p = readJsonFile(dir.filePath("merged.json"));
    EXPECT_EQ(p.value("threadCount").toInt(), 3);
    EXPECT_EQ(intsOf(p.value("cells"))[255], kWhitePos);
    EXPECT_EQ(legendRows(p), (std::vector<std::string>{"■ B5200 128 FFFFFF", "● 310 64 000000",
                                                       "▲ 606 64 F30000"}));

    run = runTessaline(convert({"quad.png", "--width", "16", "--method", "0", "--strength", "46181",
                                "--json", "apart.json"}),
                       dir.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(readJsonFile(dir.filePath("apart.json")).value("threadCount").toInt(), 4);
}

TEST_F(ConvertCommand, AThreadLimitTakesAnyPictureWithoutReduction) {
    // 4096 distinct colours: too many for the road without a limit.
    savePng(makePicture(64, 64, [](int x, int y) { return qRgb(x * 4, y * 4, (x + y) * 2); }), dir,
            "many.png");
    const QStringList base{"many.png", "--width", "64", "--method", "0", "--ignore", "0"};
    CommandRun run = runTessaline(convert(base + QStringList{"--json", "-"}), dir.path());
    EXPECT_EQ(run.exitCode, 4);
    for (const char* match : {"rgb", "lab"}) {
        run = runTessaline(
            convert(base + QStringList{"--threads", "12", "--match", match, "--json", "-"}),
            dir.path());
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QJsonObject p = parseJson(run.out);
        EXPECT_EQ(p.value("threadCount").toInt(), 12) << match;
        EXPECT_EQ(p.value("legend").toArray().size(), 12) << match;
    }
}

TEST_F(ConvertCommand, CcCategoryKeepsThePatternsOwnColours) {
    savePng(makePicture(16, 16, quadrantColour), dir, "quad.png");
    const CommandRun run = runTessaline(
        convert({"quad.png", "--width", "16", "--method", "0", "--category", "CC", "--json", "-"}),
        dir.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject p = parseJson(run.out);
    EXPECT_EQ(p.value("category").toString(), "CC");
    const std::vector<int> cells = intsOf(p.value("cells"));
    EXPECT_EQ(cells[0], 1);
    EXPECT_EQ(cells[8], 2);
    EXPECT_EQ(cells[8 * 16], 3);
    EXPECT_EQ(cells[255], 4);
    EXPECT_EQ(legendRows(p),
              (std::vector<std::string>{"■ FFFFFF 64 FFFFFF", "● 000000 64 000000",
                                        "▲ FF0000 64 FF0000", "◆ 808080 64 808080"}));
}

TEST_F(ConvertCommand, RegionModeStartsAtTheOffset) {
    // White, with black at (20, 10) and red at (35, 25): the 16 x 16 region
    // at offset (20, 10) has them at its first and its last cell.
    savePng(makePicture(64, 48,
                        [](int x, int y) {
                            if (x == 20 && y == 10) {
                                return kBlackRgb;
                            }
                            return x == 35 && y == 25 ? kRedRgb : kWhiteRgb;
                        }),
            dir, "dots.png");
    const CommandRun run = runTessaline(
        convert({"dots.png", "--mode", "region", "--width", "16", "--height", "16", "--offset",
                 "20,10", "--method", "0", "--ignore", "0", "--json", "p.json"}),
        dir.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject p = readJsonFile(dir.filePath("p.json"));
    std::vector<int> cells(256, kWhitePos);
    cells[0] = kBlackPos;
    cells[255] = kRedPos;
    EXPECT_EQ(intsOf(p.value("cells")), cells);
    EXPECT_EQ(legendRows(p),
              (std::vector<std::string>{"● 310 1 000000", "■ B5200 254 FFFFFF", "▲ 606 1 F30000"}));
}

TEST_F(ConvertCommand, EveryOutputOpensAndTheEffectMatchesTheColours) {
    savePng(makePicture(16, 16, quadrantColour), dir, "quad.png");
    QProcessEnvironment env = headlessEnvironment();
    // A platform that needs a display must not be picked up.
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    const CommandRun run =
        runTessaline(convert({"quad.png", "--width", "16", "--kind", "blocks+symbols", "--title",
                              "Quadrants", "-o", "chart.bmp", "--pdf", "chart.pdf", "--effect",
                              "effect.bmp", "--json", "p.json"}),
                     dir.path(), env);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();

    ClsDIB chart;
    ASSERT_TRUE(chart.LoadBitMap(dir.filePath("chart.bmp").toStdString()));
    EXPECT_EQ(chart.Width(), 10 * 16 + 83); // the canvas is 10 x gw + 83 wide
    QFile pdf(dir.filePath("chart.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");

    // The effect is the reduced region; the colours are that region sampled
    // again, so the two agree cell by cell.
    ClsDIB effect;
    ASSERT_TRUE(effect.LoadBitMap(dir.filePath("effect.bmp").toStdString()));
    ASSERT_EQ(effect.Width(), 16);
    ASSERT_EQ(effect.Height(), 16);
    const std::vector<std::string> colors =
        stringsOf(readJsonFile(dir.filePath("p.json")).value("colors"));
    ASSERT_EQ(colors.size(), 256U);
    std::span<std::uint8_t> bytes;
    const int stride = effect.MapArray(bytes);
    for (int y = 0; y < 16; ++y) {
        const std::uint8_t* row = bytes.data() + (15 - y) * stride;
        for (int x = 0; x < 16; ++x) {
            char hex[7];
            std::snprintf(hex, sizeof hex, "%02X%02X%02X", row[3 * x + 2], row[3 * x + 1],
                          row[3 * x]);
            EXPECT_EQ(colors[static_cast<std::size_t>(y * 16 + x)], hex) << x << "," << y;
        }
    }
    // White and black are levels of the 216-colour cube and survive it.
    EXPECT_EQ(colors[0], "FFFFFF");
    EXPECT_EQ(colors[15], "000000");

    const CommandRun png =
        runTessaline(convert({"quad.png", "--width", "16", "-o", "chart.png"}), dir.path());
    ASSERT_EQ(png.exitCode, 0) << png.err.toStdString();
    EXPECT_EQ(QImage(dir.filePath("chart.png")).width(), 10 * 16 + 83);
}

struct BadRun {
    const char* name;
    QStringList args;
    int exitCode;
    const char* message;
};

TEST_F(ConvertCommand, EachBadInputNamesItsProblemAndLeavesNoFile) {
    savePng(makePicture(16, 16, quadrantColour), dir, "quad.png");
    // 32 x 32 pixels, every one its own colour: 1024 colours without reduction.
    savePng(
        makePicture(32, 32,
                    [](int x, int y) { return static_cast<QRgb>((x * 8) << 16 | (y * 8) << 8); }),
        dir, "many.png");
    QFile text(dir.filePath("notes.png"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("this is not a picture\n");
    text.close();
    ASSERT_TRUE(dir.mkdir("folder.jpg"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe.jpg")).constData(), 0600), 0);
    // Half a JPEG with its end marker put back: the decoder sees the damage.
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    makePicture(64, 64, [](int x, int y) {
        return qRgb(x * 4, y * 4, (x * y) & 0xFF);
    }).save(&buffer, "JPG");
    QFile half(dir.filePath("half.jpg"));
    ASSERT_TRUE(half.open(QIODevice::WriteOnly));
    half.write(jpeg.left(jpeg.size() / 2) + QByteArray("\xFF\xD9", 2));
    half.close();
    // Half a PNG: libpng prints its own error line unless kept quiet.
    savePng(makePicture(64, 64,
                        [](int x, int y) { return qRgb(x * 37 % 256, y * 91 % 256, x * y % 256); }),
            dir, "whole.png");
    QFile wholePng(dir.filePath("whole.png"));
    ASSERT_TRUE(wholePng.open(QIODevice::ReadOnly));
    const QByteArray png = wholePng.readAll();
    wholePng.close();
    ASSERT_TRUE(wholePng.remove());
    QFile halfPng(dir.filePath("half.png"));
    ASSERT_TRUE(halfPng.open(QIODevice::WriteOnly));
    halfPng.write(png.left(png.size() / 2));
    halfPng.close();
    const QStringList before = folderContents(dir);
    const QStringList outputs{"-o", "out.bmp", "--json", "out.json", "--pdf", "out.pdf"};

    const std::vector<BadRun> cases{
        {"width", QStringList{"quad.png", "--width", "300"} + outputs, 2, "--width"},
        {"method", QStringList{"quad.png", "--method", "5"} + outputs, 2, "--method"},
        {"grid", QStringList{"quad.png", "--grid", "7"} + outputs, 2, "--grid"},
        {"kind", QStringList{"quad.png", "--kind", "dots"} + outputs, 2, "--kind"},
        {"unknown", QStringList{"quad.png", "--colour", "red"} + outputs, 2, "--colour"},
        {"height in whole mode", QStringList{"quad.png", "--height", "20"} + outputs, 2,
         "--height"},
        {"zoom past the picture",
         QStringList{"quad.png", "--mode", "region", "--zoom", "400"} + outputs, 2, "--zoom"},
        {"no output", QStringList{"quad.png"}, 2, "nothing to write"},
        {"missing picture", QStringList{"gone.jpg"} + outputs, 3, "no such file"},
        {"not a picture", QStringList{"notes.png"} + outputs, 3, "notes.png"},
        {"folder", QStringList{"folder.jpg"} + outputs, 3, "is a folder"},
        {"pipe", QStringList{"pipe.jpg"} + outputs, 3, "is a pipe"},
        {"cut-off JPEG", QStringList{"half.jpg"} + outputs, 3, "damaged"},
        {"cut-off PNG", QStringList{"half.png"} + outputs, 3, "damaged"},
        {"too many colours", QStringList{"many.png", "--width", "32", "--method", "0"} + outputs, 4,
         "500"},
        {"unwritable output",
         QStringList{"quad.png", "--json", "ok.json", "-o", "no-such-folder/x.bmp"}, 5,
         "no-such-folder"},
    };
    for (const BadRun& c : cases) {
        SCOPED_TRACE(c.name);
        const CommandRun run = runTessaline(convert(c.args), dir.path());
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_TRUE(run.err.startsWith("tessaline: ")) << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_EQ(folderContents(dir), before);
    }
}

TEST_F(ConvertCommand, PictureNamesThatAreNotUtf8OpenAndAreShownReadably) {
    savePng(makePicture(16, 16, quadrantColour), dir, "quad.png");
    // The shell hands over the name's bytes ("测试.png" in GBK) untouched.
    const QString gbk = QStringLiteral("\"$(printf '\\262\\342\\312\\324')\"");
    QProcess process;
    process.setProcessEnvironment(headlessEnvironment());
    process.setWorkingDirectory(dir.path());
    process.start("/bin/sh",
                  {"-c",
                   "cp quad.png " + gbk + ".png && \"$0\" convert " + gbk +
                       ".png --json p.json && \"$0\" convert " + gbk + ".gif --json q.json",
                   QStringLiteral(TESSALINE_EXECUTABLE)});
    ASSERT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitCode(), 3);
    EXPECT_TRUE(QFile::exists(dir.filePath("p.json")));
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardError()),
              QStringLiteral("tessaline: cannot open the picture \"测试.gif\": no such file\n"));
}

TEST_F(ConvertCommand, AFailedRunKeepsAnExistingOutput) {
    savePng(
        makePicture(32, 32,
                    [](int x, int y) { return static_cast<QRgb>((x * 8) << 16 | (y * 8) << 8); }),
        dir, "many.png");
    QFile old(dir.filePath("p.json"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    const CommandRun run = runTessaline(
        convert({"many.png", "--width", "32", "--method", "0", "--json", "p.json"}), dir.path());
    EXPECT_EQ(run.exitCode, 4);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old");
    EXPECT_EQ(folderContents(dir), (QStringList{"many.png", "p.json"}));
}

TEST_F(ConvertCommand, PrintsOnTheQueueOrExitsFiveWithOneLine) {
    savePng(makePicture(16, 16, quadrantColour), dir, "quad.png");
    const QStringList base{"quad.png", "--width", "16", "--ignore", "0"};
    {
        PrivatePrintServer server({QStringLiteral("TessPDF"), QStringLiteral("TessReject")});
        if (server.unavailable()) {
            GTEST_SKIP() << server.problem().toStdString();
        }
        ASSERT_TRUE(server.running()) << server.problem().toStdString();
        const CommandRun printed =
            runTessaline(convert(base + QStringList{"--json", "p.json", "--print"}), dir.path());
        ASSERT_EQ(printed.exitCode, 0) << printed.err.toStdString();
        const QStringList jobs = server.waitForJobs(QStringLiteral("TessPDF"));
        ASSERT_EQ(jobs.size(), 1);
        EXPECT_EQ(pdfPages(jobs[0]), 1);
        const QStringList documents = server.submittedDocuments();
        ASSERT_EQ(documents.size(), 1);
        EXPECT_TRUE(pdfPagesLookAlike(documents[0], jobs[0]));
        const QString text = pdfText(documents[0]);
        for (const QJsonValue entry :
             readJsonFile(dir.filePath("p.json")).value("legend").toArray()) {
            // The printout keeps the palette's numbers ("5200" for B5200).
            const std::string shop = entry.toObject().value("thread").toString().toStdString();
            const std::string stored = paletteNumberOfShop(shop).value_or(shop);
            EXPECT_TRUE(text.contains(QString::fromStdString(stored))) << shop;
        }
        EXPECT_TRUE(text.contains(QStringLiteral("Tessaline V2008")));

        for (const char* queue : {"TessReject", "Nowhere"}) {
            const CommandRun refused = runTessaline(
                convert(base + QStringList{"--json", "q.json", "--printer", queue}), dir.path());
            EXPECT_EQ(refused.exitCode, 5) << queue;
            EXPECT_TRUE(refused.err.contains(queue)) << refused.err.toStdString();
            EXPECT_EQ(refused.err.trimmed().count('\n'), 0) << refused.err.toStdString();
            EXPECT_FALSE(dir.exists("q.json")) << queue;
        }
        EXPECT_EQ(server.jobCount(QStringLiteral("TessReject")), 0);
    }
    PrivatePrintServer empty;
    ASSERT_TRUE(empty.running()) << empty.problem().toStdString();
    const CommandRun none = runTessaline(convert(base + QStringList{"--print"}), dir.path());
    EXPECT_EQ(none.exitCode, 5);
    EXPECT_TRUE(none.err.contains("no default printer")) << none.err.toStdString();
}

TEST_F(ConvertCommand, TheLocaleOrLangChoosesTheChartsLanguage) {
    savePng(makePicture(16, 16, quadrantColour), dir, "quad.png");
    // The chart as a picture: its texts are drawn in the chosen language.
    const auto chart = [&](const char* language, QStringList lang, const QString& name) {
        QProcessEnvironment env = headlessEnvironment();
        env.insert(QStringLiteral("LANG"), QString::fromLatin1(language));
        env.remove(QStringLiteral("LC_ALL"));
        env.remove(QStringLiteral("LC_MESSAGES"));
        const CommandRun run = runTessaline(
            convert(QStringList{"quad.png", "--width", "16", "-o", name} + lang), dir.path(), env);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray neutral = chart("C.UTF-8", {}, "neutral.bmp");
    const QByteArray chinese = chart("zh_CN.UTF-8", {}, "chinese.bmp");
    const QByteArray english = chart("en_US.UTF-8", {}, "english.bmp");
    ASSERT_FALSE(neutral.isEmpty());
    EXPECT_EQ(chinese, neutral);
    EXPECT_NE(english, neutral);
    EXPECT_EQ(chart("en_GB.UTF-8", {"--lang", "zh"}, "forced-chinese.bmp"), neutral);
    EXPECT_EQ(chart("C.UTF-8", {"--lang=en"}, "forced-english.bmp"), english);
}

TEST_F(ConvertCommand, HelpDocumentsTheCommands) {
    const CommandRun run = runTessaline({"--help"}, dir.path());
    EXPECT_EQ(run.exitCode, 0);
    for (const char* word : {"convert PICTURE", "palette-export INPUT OUTPUT",
                             "--mode",          "--width",
                             "--height",        "--zoom",
                             "--offset",        "--method",
                             "--strength",      "--ignore",
                             "--kind",          "--grid",
                             "--title",         "--category",
                             "--pdf",           "--effect",
                             "--json",          "--print",
                             "--printer",       "16 stitches"}) {
        EXPECT_TRUE(run.out.contains(word)) << word;
    }
    EXPECT_EQ(runTessaline({"convert", "--help"}, dir.path()).out, run.out);
}

} // namespace
} // namespace tessaline::test
