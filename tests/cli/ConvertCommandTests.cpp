// `tessaline convert` run as a user runs it: the real executable, no
// display, files in a fresh folder.
#include "CliTestSupport.h"
#include "PrivatePrintServer.h"
#include "imaging/ClsDIB.h"
#include "pattern/DmcNames.h"

#include <QBuffer>
#include <QJsonArray>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <set>
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

TEST_F(ConvertCommand, TransparentPartsAndTheBackgroundAreLeftUnstitched) {
    QFile gif(dir.filePath("clear.gif"));
    ASSERT_TRUE(gif.open(QIODevice::WriteOnly));
    gif.write(redOnTransparentGif(16, 16, [](int x, int) { return x >= 8; }));
    gif.close();
    CommandRun run = runTessaline(
        convert({"clear.gif", "--width", "16", "--method", "0", "--json", "-"}), dir.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QJsonObject p = parseJson(run.out);
    std::vector<int> cells;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            cells.push_back(x < 8 ? 0 : kRedPos);
        }
    }
    EXPECT_EQ(intsOf(p.value("cells")), cells);
    EXPECT_EQ(legendRows(p), std::vector<std::string>{"■ 606 128 F30000"});
    EXPECT_EQ(p.value("threadCount").toInt(), 1);

    // An opaque white background goes only when asked, near the fabric.
    savePng(makePicture(16, 16, quadrantColour), dir, "quad.png");
    run = runTessaline(convert({"quad.png", "--width", "16", "--method", "0",
                                "--unstitched-background", "5", "--json", "-"}),
                       dir.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    p = parseJson(run.out);
    EXPECT_EQ(intsOf(p.value("cells"))[0], 0);
    EXPECT_EQ(legendRows(p),
              (std::vector<std::string>{"■ 310 64 000000", "● 606 64 F30000", "▲ 926 64 808980"}));
    run = runTessaline(convert({"quad.png", "--width", "16", "--method", "0", "--fabric-colour",
                                "black", "--unstitched-background", "5", "--oxs", "-"}),
                       dir.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("name=\"cloth\" color=\"000000\"")) << run.out.toStdString();
    EXPECT_EQ(run.out.count("<stitch "), 192);
}

TEST_F(ConvertCommand, AJpegStandsUpAsItsExifOrientationSaysInBothModes) {
    // Stored lying on its side: red above blue; upright, blue left of red.
    const QImage stored =
        makePicture(64, 32, [](int, int y) { return y < 16 ? kRedRgb : QRgb(0x0000FF); });
    const QImage upright =
        makePicture(32, 64, [](int x, int) { return x < 16 ? QRgb(0x0000FF) : kRedRgb; });
    auto jpeg = [](const QImage& image) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPG", 95);
        return bytes;
    };
    QFile turned(dir.filePath("turned.jpg"));
    ASSERT_TRUE(turned.open(QIODevice::WriteOnly));
    turned.write(withExifOrientation(jpeg(stored), 6));
    turned.close();
    QFile plain(dir.filePath("upright.jpg"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write(jpeg(upright));
    plain.close();
    for (const QStringList& mode :
         {QStringList{"--width", "32"},
          QStringList{"--mode", "region", "--width", "32", "--height", "64"}}) {
        SCOPED_TRACE(mode.join(' ').toStdString());
        QJsonObject patterns[2];
        for (int i = 0; i < 2; ++i) {
            const CommandRun run =
                runTessaline(convert(QStringList{i == 0 ? "turned.jpg" : "upright.jpg", "--method",
                                                 "0", "--threads", "4", "--json", "-"} +
                                     mode),
                             dir.path());
            ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
            patterns[i] = parseJson(run.out);
        }
        EXPECT_EQ(patterns[0].value("width").toInt(), 32);
        EXPECT_EQ(patterns[0].value("height").toInt(), 64);
        EXPECT_EQ(intsOf(patterns[0].value("cells")), intsOf(patterns[1].value("cells")));
        EXPECT_EQ(legendRows(patterns[0]), legendRows(patterns[1]));
    }
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
        PrivatePrintServer server({QStringLiteral("TessPDF")});
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

        // The pattern book goes the same way, with the pages --book writes.
        const CommandRun book = runTessaline(
            convert(base + QStringList{"--book", "b.pdf", "--book-print", "--pitch", "5"}),
            dir.path());
        ASSERT_EQ(book.exitCode, 0) << book.err.toStdString();
        QStringList bookJobs = server.waitForJobs(QStringLiteral("TessPDF"));
        bookJobs.removeAll(jobs[0]);
        ASSERT_EQ(bookJobs.size(), 1);
        EXPECT_GT(pdfPages(bookJobs[0]), 1);
        EXPECT_EQ(pdfPages(bookJobs[0]), pdfPages(dir.filePath("b.pdf")));

        // No such queue: one line naming it, and the files were in place
        // before the job was refused.
        const CommandRun refused = runTessaline(
            convert(base + QStringList{"--json", "q.json", "--printer", "Nowhere"}), dir.path());
        EXPECT_EQ(refused.exitCode, 5);
        EXPECT_TRUE(refused.err.contains("Nowhere")) << refused.err.toStdString();
        EXPECT_EQ(refused.err.trimmed().count('\n'), 0) << refused.err.toStdString();
        EXPECT_TRUE(dir.exists("q.json"));
        dir.remove("q.json");

        // A run whose output fails prints nothing, so running it again
        // prints once.
        QProcess full;
        full.setProcessEnvironment(headlessEnvironment());
        full.setWorkingDirectory(dir.path());
        full.setStandardOutputFile(QStringLiteral("/dev/full"));
        const int jobsBefore = server.jobCount(QStringLiteral("TessPDF"));
        full.start(QStringLiteral(TESSALINE_EXECUTABLE),
                   convert(base + QStringList{"--json", "-", "--print"}));
        ASSERT_TRUE(full.waitForFinished(120000));
        EXPECT_EQ(full.exitCode(), 5);
        EXPECT_EQ(server.jobCount(QStringLiteral("TessPDF")), jobsBefore);
    }
    PrivatePrintServer empty;
    ASSERT_TRUE(empty.running()) << empty.problem().toStdString();
    const CommandRun none = runTessaline(convert(base + QStringList{"--print"}), dir.path());
    EXPECT_EQ(none.exitCode, 5);
    EXPECT_TRUE(none.err.contains("no default printer")) << none.err.toStdString();

    // No scheduler to ask: the message names it rather than the printer.
    QProcessEnvironment noScheduler = headlessEnvironment();
    noScheduler.insert(QStringLiteral("CUPS_SERVER"), dir.filePath("no-cupsd.sock"));
    const CommandRun stopped =
        runTessaline(convert(base + QStringList{"--print"}), dir.path(), noScheduler);
    EXPECT_EQ(stopped.exitCode, 5);
    EXPECT_TRUE(stopped.err.contains("print scheduler (CUPS) is not running"))
        << stopped.err.toStdString();
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

    // The version and licence, from the program and from convert alike, with
    // no display and whatever else is on the line.
    const CommandRun version = runTessaline({"--version"}, dir.path());
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith("tessaline " TESSALINE_VERSION "\n")) << version.out.data();
    EXPECT_TRUE(version.out.contains("GPL version 3 or later"));
    EXPECT_EQ(runTessaline({"convert", "--version"}, dir.path()).out, version.out);
    EXPECT_EQ(runTessaline({"convert", "missing.jpg", "--version"}, dir.path()).out, version.out);
    EXPECT_EQ(runTessaline({"palette-export", "--version"}, dir.path()).out, version.out);
}

// The options a text names: "--width", "-o", not "palette-export".
std::set<std::string> optionsNamed(const QString& text) {
    static const QRegularExpression option(
        QStringLiteral("(?<![\\w-])--?[a-z][a-z0-9]*(?:-[a-z0-9]+)*"));
    std::set<std::string> names;
    for (const QRegularExpressionMatch& match : option.globalMatch(text)) {
        names.insert(match.captured().toStdString());
    }
    return names;
}

TEST_F(ConvertCommand, TheManualPageNamesEveryOptionOfTheHelpAndTheVersion) {
    QFile page(QStringLiteral(TESSALINE_MANUAL_PAGE));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    // The page as read: no comment lines, no font changes, plain hyphens.
    QString manual;
    for (const QString& line : QString::fromUtf8(page.readAll()).split(QLatin1Char('\n'))) {
        if (!line.startsWith(QStringLiteral(".\\\""))) {
            manual += line + QLatin1Char('\n');
        }
    }
    manual.remove(QRegularExpression(QStringLiteral("\\\\f[BIRP]")));
    manual.replace(QStringLiteral("\\-"), QStringLiteral("-"));

    const CommandRun help = runTessaline({"--help"}, dir.path());
    const std::set<std::string> helpOptions = optionsNamed(QString::fromUtf8(help.out));
    EXPECT_GT(helpOptions.size(), 25U);
    EXPECT_TRUE(helpOptions.count("-o") && helpOptions.count("--oxs"));
    EXPECT_EQ(optionsNamed(manual), helpOptions);

    const CommandRun version = runTessaline({"--version"}, dir.path());
    const QString versionLine = QString::fromUtf8(version.out.left(version.out.indexOf('\n')));
    EXPECT_TRUE(manual.contains(QStringLiteral(".TH TESSALINE 1 \"")) &&
                manual.contains(QLatin1Char('"') + versionLine + QLatin1Char('"')))
        << versionLine.toStdString();
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void writeText(const QDir& dir, const QString& name, const QByteArray& text) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

TEST_F(ConvertCommand, AnOxsPatternIsWrittenAgainAndOtherProgramsExtrasAreNamedInOneLine) {
    savePng(makePicture(40, 28, [](int x, int y) { return qRgb(x * 6, y * 9, (x + y) * 3); }), dir,
            "grad.png");
    CommandRun run =
        runTessaline(convert({"grad.png", "--width", "40", "--threads", "30", "--fabric", "18",
                              "--oxs", "first.oxs", "--json", "first.json"}),
                     dir.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    run = runTessaline(convert({"first.oxs", "--oxs", "second.oxs", "--json", "second.json",
                                "--book", "second.pdf"}),
                       dir.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    EXPECT_EQ(fileBytes(dir.filePath("second.oxs")), fileBytes(dir.filePath("first.oxs")));
    EXPECT_EQ(legendRows(readJsonFile(dir.filePath("second.json"))),
              legendRows(readJsonFile(dir.filePath("first.json"))));
    EXPECT_TRUE(fileBytes(dir.filePath("second.pdf")).startsWith("%PDF"));

    writeText(dir, "other.oxs", R"(<?xml version="1.0" encoding="UTF-8"?>
<chart><properties oxsversion="1.0" software="Other" chartwidth="4" chartheight="3"
 charttitle="Other" stitchesperinch="14" lastsaved="2020-01-01"/>
<palette><palette_item index="0" number="cloth" color="FFFFFF"/>
<palette_item index="1" number="Anchor    403" name="Black" color="000000" symbol="X" glow="yes"/>
<palette_item index="2" number="" name="custom" color="FF0000" symbol="O"/>
<palette_item index="3" number="DMC 3865" name="Winter White" color="FAF7F2"/></palette>
<fullstitches><stitch x="0" y="0" palindex="1"/><stitch x="1" y="0" palindex="2"/>
<stitch x="2" y="0" palindex="3"/><stitch x="3" y="2" palindex="1" layer="2"/></fullstitches>
<partstitches><partstitch x="0" y="1" palindex1="1" palindex2="0" direction="3"/>
<partstitch x="1" y="1" palindex1="2" palindex2="0" direction="4"/>
<partstitch x="2" y="1" palindex1="2" palindex2="0" direction="4"/></partstitches>
<backstitches><backstitch x1="0" y1="0" x2="4" y2="0" palindex="1" objecttype="backstitch"/>
<backstitch x1="0" y1="3" x2="4" y2="3" palindex="2" objecttype="backstitch"/></backstitches>
<ornaments_inc_knots_and_beads/><commentboxes/></chart>
)");
    run = runTessaline(convert({"other.oxs", "--book", "other.pdf", "--json", "other.json"}),
                       dir.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err,
              QStringLiteral("tessaline: 2 backstitches and 3 half stitches were not imported; "
                             "threads that are not DMC threads became their nearest DMC thread: "
                             "Anchor 403 -> DMC 310, custom -> DMC 606, DMC 3865 -> DMC 5200\n"));
    EXPECT_TRUE(fileBytes(dir.filePath("other.pdf")).startsWith("%PDF"));
    const QJsonObject other = readJsonFile(dir.filePath("other.json"));
    EXPECT_EQ(other.value("width").toInt(), 4);
    EXPECT_EQ(other.value("height").toInt(), 3);

    // Replacing the white thread leaves the cloth alone: one cell changes,
    // and every cell left unstitched stays so.
    run = runTessaline(convert({"other.oxs", "--replace", "B5200=310", "--json", "replaced.json"}),
                       dir.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject replaced = readJsonFile(dir.filePath("replaced.json"));
    EXPECT_EQ(replaced.value("replacements").toArray().at(0).toObject().value("cells").toInt(), 1);
    auto unstitched = [](const QJsonObject& json) {
        int count = 0;
        for (const QJsonValue cell : json.value("cells").toArray()) {
            count += cell.toInt() == 0 ? 1 : 0;
        }
        return count;
    };
    EXPECT_EQ(unstitched(replaced), unstitched(other));
    EXPECT_EQ(unstitched(other), 12 - 4);
}

TEST_F(ConvertCommand, BadPatternFilesExitThreeAndPictureOptionsAreRefused) {
    const QByteArray good = R"(<chart><properties chartwidth="2" chartheight="2"/>
<palette><palette_item index="0"/><palette_item index="1" number="DMC 310" color="000000"/></palette>
<fullstitches><stitch x="0" y="0" palindex="1"/></fullstitches></chart>)";
    struct Case {
        QByteArray text;
        const char* problem;
    };
    const Case cases[] = {
        {"GIF89a", "not an OXS pattern file (it is not well-formed XML)"},
        {"<html><body/></html>",
         "not an OXS pattern file (it has no <chart> with a chart width and height)"},
        {QByteArray(good).replace("chartwidth=\"2\"", "chartwidth=\"1200\""),
         "the chart size 1200 x 2 is not a size from 1 x 1 to 1000 x 1000"},
        {QByteArray(good).replace("x=\"0\" y=\"0\"", "x=\"2\" y=\"0\""),
         "the stitch at column 2, row 0 lies outside the chart"},
        {QByteArray(good).replace("palindex=\"1\"", "palindex=\"7\""),
         "the stitch at column 0, row 0 uses palette index 7, which the palette does not have"},
    };
    for (const Case& c : cases) {
        writeText(dir, "bad.oxs", c.text);
        const CommandRun run =
            runTessaline(convert({"bad.oxs", "--json", "p.json", "--book", "p.pdf"}), dir.path());
        EXPECT_EQ(run.exitCode, 3) << c.problem;
        EXPECT_EQ(run.err, QStringLiteral("tessaline: cannot open the pattern file \"bad.oxs\": ") +
                               c.problem + "\n");
        EXPECT_EQ(folderContents(dir), QStringList{"bad.oxs"});
    }
    writeText(dir, "good.oxs", good);
    const CommandRun refused =
        runTessaline(convert({"good.oxs", "--method", "0", "--json", "p.json"}), dir.path());
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.err, QStringLiteral("tessaline: --method applies to pictures only, not to "
                                          "the pattern file \"good.oxs\"\n"));
    // A flag too: the clean-up has nothing to clean in a finished chart.
    const CommandRun flag =
        runTessaline(convert({"good.oxs", "--cleanup", "--json", "p.json"}), dir.path());
    EXPECT_EQ(flag.exitCode, 2);
    EXPECT_EQ(flag.err, QStringLiteral("tessaline: --cleanup applies to pictures only, not to "
                                       "the pattern file \"good.oxs\"\n"));
}

} // namespace
} // namespace tessaline::test
