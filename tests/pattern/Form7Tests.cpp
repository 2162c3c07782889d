#include "PrivatePrintServer.h"
#include "WorkspaceFixture.h"
#include "imaging/ClsDIB.h"
#include "imaging/DibImage.h"
#include "imaging/Form3.h"
#include "pattern/Form7.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "render/ChartPainter.h"
#include "render/ColorConvert.h"
#include "windows/FrmPreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace tessaline {
namespace {

// A picture of a few flat colour bands, so the pattern has few threads.
QImage bandPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    const QRgb bands[] = {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(200, 30, 40), qRgb(30, 90, 200)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, bands[(x / 10 + y / 10) % 4]);
        }
    }
    return image;
}

struct GenerationFixture : WorkspaceFixture {
    explicit GenerationFixture(const QImage& picture = bandPicture(60, 40))
        : WorkspaceFixture(picture) {
        // The frame covers the whole picture, sampled as it is.
        form->wChange->setValue(std::min(picture.width(), 230));
        form->Hchange->setValue(std::min(picture.height(), 250));
        form->ColorBit = 0;
        form->Label10_Click();
    }
    Form7& open() {
        form->generateCommand();
        return *form->form7();
    }
};

TEST(GenerateCommand, NeedsAPreviewAndOpensTheWindowOncePerPreview) {
    GenerationFixture w;
    ASSERT_EQ(w.form->previewDone, 1);
    w.form->generateCommand();
    ASSERT_TRUE(w.form->hasForm7());
    EXPECT_TRUE(w.form->form7()->isVisible());
    EXPECT_EQ(w.form->previewDone, 0);
    EXPECT_TRUE(w.dialogs.messages.empty());
    w.form->generateCommand();
    ASSERT_EQ(w.dialogs.messages.size(), 1U);
    EXPECT_EQ(w.dialogs.messages[0].text, QStringLiteral("   生成绣图前请先点击效果预览键    "));
    EXPECT_EQ(w.dialogs.messages[0].title, QStringLiteral("Quillmere 你身边的好软件"));
}

TEST(Form7Load, FillsTheListsAndSetsTheStrengthBar) {
    GenerationFixture w;
    Form7& f = w.open();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Tessaline ---Quillmere软件quillmere inc."));
    ASSERT_EQ(f.Combo1->count(), 3);
    EXPECT_EQ(f.Combo1->itemText(0), QStringLiteral("生成绣图色块"));
    EXPECT_EQ(f.Combo1->currentText(), QStringLiteral("无色块绣图"));
    ASSERT_EQ(f.Combo2->count(), 10);
    EXPECT_EQ(f.Combo2->findText(QStringLiteral("30")), -1);
    EXPECT_EQ(f.Combo2->currentText(), QStringLiteral("5"));
    EXPECT_EQ(f.HScroll1->value(), 220); // 300 - 1600 / 20
    EXPECT_EQ(f.Command5->text(), QStringLiteral("中止"));
    EXPECT_EQ(f.gw, 60);
    EXPECT_EQ(f.gh, 40);
}

TEST(Form7Controls, CheckBoxStrengthBarAndDigitsOnlyCount) {
    GenerationFixture w;
    Form7& f = w.open();
    f.Check1->click();
    EXPECT_EQ(f.Combo2->currentText(), QStringLiteral("0"));
    f.HScroll1->setValue(1);
    EXPECT_EQ(w.state->reduceStrength, 5980);
    f.HScroll1->setValue(300);
    EXPECT_EQ(w.state->reduceStrength, 0);
    f.Combo2->setCurrentText(QStringLiteral("abc"));
    EXPECT_EQ(f.Combo2->currentText(), QStringLiteral("0"));
    ASSERT_FALSE(w.dialogs.messages.empty());
    EXPECT_EQ(w.dialogs.messages.back().text, QStringLiteral("输入有错误,只能是数字"));
    EXPECT_EQ(w.dialogs.messages.back().title, QStringLiteral("Quillmere软件"));
}

TEST(Form7Controls, TheStrengthBarShowsAStrengthSetInTheSettings) {
    GenerationFixture w;
    Form7& f = w.open();
    f.Command1_Click();
    w.form->showSettings();
    w.form->form3()->strengthBox->setText(QStringLiteral("100"));
    ASSERT_TRUE(w.form->form3()->Command1_Click());
    EXPECT_EQ(w.state->reduceStrength, 2000);
    EXPECT_EQ(f.HScroll1->value(), 200);
    // Only showing it: the chart stays good for the final preview.
    EXPECT_EQ(f.generated, 1);
    // Beyond the bar's end the bar stops there and the strength stays.
    w.form->showSettings();
    w.form->form3()->strengthBox->setText(QStringLiteral("500"));
    ASSERT_TRUE(w.form->form3()->Command1_Click());
    EXPECT_EQ(f.HScroll1->value(), 1);
    EXPECT_EQ(w.state->reduceStrength, 10000);
}

TEST(Form7Controls, TypedTextDoesNotJoinTheLists) {
    GenerationFixture w;
    Form7& f = w.open();
    for (QComboBox* list : {f.Combo1, f.Combo2}) {
        const int entries = list->count();
        list->lineEdit()->setText(QStringLiteral("7"));
        QMetaObject::invokeMethod(list->lineEdit(), "returnPressed");
        EXPECT_EQ(list->count(), entries);
        EXPECT_EQ(list->currentText(), QStringLiteral("7"));
    }
}

// The chart kind follows the chosen item whatever its caption reads; typed
// text reads as the command line's captions. "中止" aborts by the window's
// state, not by its caption.
TEST(Form7Controls, ChoicesFollowTheItemsNotTheirCaptions) {
    GenerationFixture w;
    Form7& f = w.open();
    for (int i = 0; i < f.Combo1->count(); ++i) {
        f.Combo1->setItemText(i, QStringLiteral("kind %1").arg(i));
    }
    for (const ChartKind kind :
         {ChartKind::BlocksAndSymbols, ChartKind::SymbolsOnly, ChartKind::BlocksOnly}) {
        f.Combo1->setCurrentIndex(f.Combo1->findData(static_cast<int>(kind)));
        EXPECT_EQ(f.chartKind(), kind);
    }
    f.Combo1->setEditText(QStringLiteral("kind 1"));
    EXPECT_EQ(f.chartKind(), static_cast<ChartKind>(f.Combo1->itemData(1).toInt()));
    f.Combo1->setEditText(QStringLiteral("无色块绣图"));
    EXPECT_EQ(f.chartKind(), ChartKind::SymbolsOnly);
    f.Combo1->setEditText(QStringLiteral("anything"));
    EXPECT_EQ(f.chartKind(), ChartKind::BlocksAndSymbols);

    f.isRunning = true;
    f.Command1->setEnabled(false);
    f.Command5->setText(QStringLiteral("Stop"));
    f.Command5_Click();
    EXPECT_FALSE(f.isRunning);
    EXPECT_TRUE(f.Command1->isEnabled());
}

TEST(Generate, DrawsTheChartAndEnablesSavePrintAndPreview) {
    GenerationFixture w;
    Form7& f = w.open();
    f.Command1_Click();
    EXPECT_EQ(f.generated, 1);
    EXPECT_EQ(f.Command5->text(), QStringLiteral("打印"));
    EXPECT_TRUE(f.Command1->isEnabled());
    EXPECT_TRUE(f.Command4->isEnabled());
    EXPECT_TRUE(w.form->Command4->isEnabled());
    EXPECT_TRUE(w.form->wChange->isEnabled());
    // Four bands: white, black, red and blue threads.
    EXPECT_EQ(f.maxColor, 4);
    EXPECT_EQ(f.txtCount->text(), QStringLiteral("4"));
    EXPECT_EQ(f.canvas().width(), 10 * 60 + 83);
    EXPECT_GT(f.canvas().height(), 10 * 40);
    // Both bars sit at their start with the chart, also when they were
    // moved before the next generation.
    EXPECT_EQ(f.Vchange->maximum(), f.canvas().height());
    f.Hchange->setValue(300);
    f.Vchange->setValue(200);
    f.Command1_Click();
    EXPECT_EQ(f.Hchange->value(), 0);
    EXPECT_EQ(f.Vchange->value(), 0);
    EXPECT_EQ(f.Picture3->pos(), QPoint(0, 0));
    // Symbols without blocks: the inside of a black cell stays mostly white.
    const int left = 40;
    EXPECT_EQ(f.canvas().pixel(left + 10 * 10 + 5, 200) != qRgb(0, 0, 0), true);
}

TEST(Generate, StrengthChangeMakesTheFinalPreviewRefuseUntilTheNextGenerate) {
    GenerationFixture w;
    Form7& f = w.open();
    f.Command6_Click();
    ASSERT_EQ(w.dialogs.messages.size(), 1U);
    EXPECT_EQ(w.dialogs.messages[0].text,
              QStringLiteral("请先点一次 生成 按钮，再进行最终效果预览"));
    f.Command1_Click();
    f.Command6_Click();
    EXPECT_EQ(w.dialogs.messages.size(), 1U);
    ASSERT_NE(f.finalPreview(), nullptr);
    f.finalPreview()->close();
    f.HScroll1->setValue(f.HScroll1->value() - 1);
    f.Command6_Click();
    EXPECT_EQ(w.dialogs.messages.size(), 2U);
}

TEST(Generate, AbortLeavesAPartialChartAndTheAbortCaption) {
    GenerationFixture w(bandPicture(230, 250));
    Form7& f = w.open();
    f.Combo1->setCurrentText(QStringLiteral("生成绣图色块"));
    // Abort as soon as the window processes events during the run.
    QTimer::singleShot(0, &f, [&f] { f.Command5_Click(); });
    f.Command1_Click();
    EXPECT_FALSE(f.isRunning);
    EXPECT_EQ(f.Command5->text(), QStringLiteral("中止"));
    EXPECT_TRUE(f.Command1->isEnabled());
    EXPECT_TRUE(w.form->Command4->isEnabled());
    // Every save refuses a partial chart, writes nothing and says why.
    const QString stopped =
        QStringLiteral("绣图没有生成完（已中止），请再点一次 生成 按钮，生成完后再保存");
    EXPECT_FALSE(f.Command4_Click());
    EXPECT_EQ(w.dialogs.messages.back().text, stopped);
    EXPECT_FALSE(f.saveFormat("pdf"));
    EXPECT_EQ(w.dialogs.messages.back().text, stopped);
    EXPECT_TRUE(QDir(w.folder.path())
                    .entryList({QStringLiteral("myxiu*")}, QDir::Files | QDir::Hidden)
                    .isEmpty());
}

TEST(Save, OnlyAFinishedChartOfTheCurrentPatternIsSaved) {
    GenerationFixture w;
    Form7& f = w.open();
    // Before any "生成": nothing written, and the message says why.
    EXPECT_FALSE(f.Command4_Click());
    ASSERT_EQ(w.dialogs.messages.size(), 1U);
    EXPECT_EQ(w.dialogs.messages[0].text, QStringLiteral("请先点一次 生成 按钮，再保存绣图"));
    EXPECT_FALSE(QFile::exists(w.folder.filePath(QStringLiteral("myxiu001.bmp"))));
    EXPECT_FALSE(f.chartIsCurrent());

    f.Command1_Click();
    EXPECT_TRUE(f.chartIsCurrent());
    EXPECT_TRUE(f.saveButton("oxs")->isEnabled());

    // A new preview: the open window, brought up again, offers nothing to
    // save until the next "生成".
    w.form->Label10_Click();
    EXPECT_FALSE(f.chartIsCurrent());
    EXPECT_FALSE(f.saveFormat("pdf"));
    EXPECT_EQ(w.dialogs.messages.back().text,
              QStringLiteral("效果预览已经改变，这张绣图已过时。请再点一次 生成 按钮"));
    w.form->generateCommand();
    ASSERT_EQ(w.form->form7(), &f);
    EXPECT_FALSE(f.saveButton("oxs")->isEnabled());
    EXPECT_FALSE(f.saveButton("book")->isEnabled());
    EXPECT_FALSE(f.Command4_Click());
    EXPECT_EQ(w.dialogs.messages.back().text, QStringLiteral("请先点一次 生成 按钮，再保存绣图"));
    EXPECT_TRUE(QDir(w.folder.path())
                    .entryList({QStringLiteral("myxiu*")}, QDir::Files | QDir::Hidden)
                    .isEmpty());
    f.Command1_Click();
    EXPECT_TRUE(f.Command4_Click());
}

TEST(Unload, ClosesAnIdleGenerationWindowAtOnce) {
    GenerationFixture w;
    w.open();
    w.form->unloadOtherWindows();
    EXPECT_FALSE(w.form->hasForm7());
}

TEST(Unload, MidRunStopsTheGenerationAndFreesTheWindowAfterItsLoop) {
    GenerationFixture w(bandPicture(230, 250));
    Form7& f = w.open();
    const QPointer<Form7> window(&f);
    // The main window unloads while the run is yielding to the event loop.
    QTimer::singleShot(0, w.form.get(), [&w] { w.form->unloadOtherWindows(); });
    f.Command1_Click();
    // The run returned into a window that still exists, now stopped and hidden.
    ASSERT_FALSE(window.isNull());
    EXPECT_FALSE(window->isRunning);
    EXPECT_FALSE(window->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(w.form->Command4->isEnabled());
}

TEST(Save, NumbersFilesPerWindowAndWritesTheWholeCanvas) {
    GenerationFixture w;
    Form7& f = w.open();
    f.Command1_Click();
    ASSERT_TRUE(f.Command4_Click());
    ASSERT_TRUE(f.Command4_Click());
    const QString first = w.folder.filePath(QStringLiteral("myxiu001.bmp"));
    EXPECT_TRUE(QFile::exists(first));
    EXPECT_TRUE(QFile::exists(w.folder.filePath(QStringLiteral("myxiu002.bmp"))));
    ASSERT_FALSE(w.dialogs.messages.empty());
    EXPECT_TRUE(w.dialogs.messages.back().text.startsWith(QStringLiteral("  绣图文件保存成功在")));
    EXPECT_TRUE(w.dialogs.messages.back().text.endsWith(QStringLiteral("myxiu002.bmp")));
    EXPECT_EQ(w.dialogs.messages.back().title, QStringLiteral("Quillmere,make life fun!"));

    ClsDIB saved;
    ASSERT_TRUE(saved.LoadBitMap(first.toStdString()));
    EXPECT_EQ(dibToImage(saved), f.canvas().convertToFormat(QImage::Format_RGB32));

    // A new window counts again from 001 but passes over the files already
    // there (and anything else of that name): an earlier chart is kept.
    ASSERT_TRUE(QDir(w.folder.path()).mkdir(QStringLiteral("myxiu003.bmp")));
    f.close();
    w.form->Label10_Click();
    w.form->generateCommand();
    Form7& again = *w.form->form7();
    EXPECT_EQ(again.savedCount("chart"), 0);
    again.Command1_Click();
    ASSERT_TRUE(again.Command4_Click());
    EXPECT_TRUE(w.dialogs.messages.back().text.endsWith(QStringLiteral("myxiu004.bmp")));
    EXPECT_EQ(again.savedCount("chart"), 4);
    ClsDIB kept;
    ASSERT_TRUE(kept.LoadBitMap(first.toStdString()));
    EXPECT_EQ(dibToImage(kept), dibToImage(saved));
}

TEST(Save, AFailedSaveSaysSoAndDoesNotUseTheNumber) {
    GenerationFixture w;
    Form7& f = w.open();
    f.Command1_Click();
    const std::filesystem::path folder = w.context.workingFolder;
    w.context.workingFolder = folder / "missing";
    EXPECT_FALSE(f.Command4_Click());
    EXPECT_EQ(f.savedCount("chart"), 0);
    EXPECT_FALSE(w.dialogs.messages.back().text.contains(QStringLiteral("成功")));
    // The file and, on a line of its own, why it failed.
    const QStringList lines = w.dialogs.messages.back().text.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(
        lines[0].endsWith(QDir::toNativeSeparators(QStringLiteral("/missing/myxiu001.bmp"))));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("原因：")));
    EXPECT_GT(lines[1].size(), 4);
    w.context.workingFolder = folder;
}

TEST(SaveOxs, OnlyAFinishedChartIsSavedUnderTheNextFreeNumber) {
    GenerationFixture w(bandPicture(230, 250));
    Form7& f = w.open();
    EXPECT_FALSE(f.saveButton("oxs")->isEnabled());
    EXPECT_FALSE(f.saveFormat("oxs"));
    EXPECT_EQ(w.dialogs.messages.back().text,
              QStringLiteral("请先点一次 生成 按钮，再保存OXS文件"));
    // An aborted chart is not one to save.
    QTimer::singleShot(0, &f, [&f] { f.Command5_Click(); });
    f.Command1_Click();
    EXPECT_FALSE(f.saveButton("oxs")->isEnabled());
    EXPECT_FALSE(f.saveFormat("oxs"));

    f.Command1_Click();
    EXPECT_TRUE(f.saveButton("oxs")->isEnabled());
    const std::filesystem::path folder = w.context.workingFolder;
    w.context.workingFolder = folder / "missing";
    EXPECT_FALSE(f.saveFormat("oxs"));
    EXPECT_EQ(f.savedCount("oxs"), 0);
    EXPECT_EQ(w.dialogs.messages.back().title, QStringLiteral("Quillmere,make life fun!"));
    EXPECT_TRUE(w.dialogs.messages.back().text.startsWith(QStringLiteral("  OXS文件保存失败")));
    EXPECT_TRUE(w.dialogs.messages.back().text.contains(QStringLiteral("\n原因：")));
    w.context.workingFolder = folder;

    // An earlier file of that name is kept.
    QFile earlier(w.folder.filePath(QStringLiteral("myxiu001.oxs")));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("kept");
    earlier.close();
    ASSERT_TRUE(f.saveFormat("oxs"));
    EXPECT_EQ(f.savedCount("oxs"), 2);
    EXPECT_TRUE(
        w.dialogs.messages.back().text.startsWith(QStringLiteral("  绣图OXS文件保存成功在")));
    EXPECT_TRUE(w.dialogs.messages.back().text.endsWith(QStringLiteral("myxiu002.oxs")));
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), QByteArray("kept"));
    QFile oxs(w.folder.filePath(QStringLiteral("myxiu002.oxs")));
    ASSERT_TRUE(oxs.open(QIODevice::ReadOnly));
    const QByteArray bytes = oxs.readAll();
    EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<chart>"));
    EXPECT_EQ(bytes.count("<stitch "), f.gw * f.gh);
}

TEST(Book, OnlyAfterAGenerationNumberedBesideThePrintoutWithTheSettingsOfTheRun) {
    GenerationFixture w;
    Form7& f = w.open();
    EXPECT_FALSE(f.saveButton("book")->isEnabled());
    EXPECT_FALSE(f.saveFormat("book"));
    EXPECT_EQ(w.dialogs.messages.back().text, QStringLiteral("请先点一次 生成 按钮，再保存图册"));
    // The settings chosen are kept for the run.
    f.SpinPitch->setValue(6);
    f.ComboPaper->setCurrentIndex(1);
    f.ComboFabric->setCurrentIndex(f.ComboFabric->findData(18));
    EXPECT_DOUBLE_EQ(w.form->bookSettings.pitchMm, 6);
    EXPECT_EQ(w.form->bookSettings.paper, PaperSize::Letter);
    EXPECT_EQ(w.form->bookSettings.fabricCount, 18);

    f.Command1_Click();
    EXPECT_TRUE(f.saveButton("book")->isEnabled());
    ASSERT_TRUE(f.saveFormat("pdf"));
    ASSERT_TRUE(f.saveFormat("book"));
    EXPECT_EQ(f.savedCount("book"), 1);
    EXPECT_TRUE(w.dialogs.messages.back().text.startsWith(QStringLiteral("  绣图图册保存成功在")));
    EXPECT_TRUE(w.dialogs.messages.back().text.endsWith(QStringLiteral("myxiu001-book.pdf")));
    QFile book(w.folder.filePath(QStringLiteral("myxiu001-book.pdf")));
    ASSERT_TRUE(book.open(QIODevice::ReadOnly));
    const QByteArray bytes = book.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    // Letter paper: 612 x 792 points.
    EXPECT_TRUE(bytes.contains("/MediaBox [0 0 612.000000 792.000000]"));
    EXPECT_TRUE(QFile::exists(w.folder.filePath(QStringLiteral("myxiu001.pdf"))));

    // A failed save says so and keeps the number.
    const std::filesystem::path folder = w.context.workingFolder;
    w.context.workingFolder = folder / "missing";
    EXPECT_FALSE(f.saveFormat("book"));
    EXPECT_EQ(f.savedCount("book"), 1);
    EXPECT_TRUE(w.dialogs.messages.back().text.startsWith(QStringLiteral("  图册文件保存失败")));
    EXPECT_TRUE(w.dialogs.messages.back().text.contains(QStringLiteral("\n原因：")));
    w.context.workingFolder = folder;

    // The next window shows them again and passes over the book saved.
    f.close();
    w.form->Label10_Click();
    w.form->generateCommand();
    Form7& again = *w.form->form7();
    EXPECT_DOUBLE_EQ(again.SpinPitch->value(), 6);
    EXPECT_EQ(again.ComboPaper->currentIndex(), 1);
    EXPECT_EQ(again.ComboFabric->currentData().toInt(), 18);
    again.Command1_Click();
    ASSERT_TRUE(again.saveFormat("book"));
    EXPECT_TRUE(w.dialogs.messages.back().text.endsWith(QStringLiteral("myxiu002-book.pdf")));
}

#define REQUIRE_PRINT_SERVER(server)                                                               \
    if ((server).unavailable()) {                                                                  \
        GTEST_SKIP() << (server).problem().toStdString();                                          \
    }                                                                                              \
    ASSERT_TRUE((server).running()) << (server).problem().toStdString()

const QString kPrintFailed = QStringLiteral("    打印异常，请确认您的打印机已经就绪。     ");

TEST(Print, WithoutAPrinterShowsTheFailureMessage) {
    test::PrivatePrintServer server; // no printers at all
    REQUIRE_PRINT_SERVER(server);
    GenerationFixture w;
    Form7& f = w.open();
    f.Command1_Click();
    ASSERT_EQ(f.Command5->text(), QStringLiteral("打印"));
    f.Command5_Click();
    ASSERT_FALSE(w.dialogs.messages.empty());
    EXPECT_EQ(w.dialogs.messages.back().text,
              kPrintFailed + QStringLiteral("\n原因：没有默认打印机"));
    EXPECT_EQ(w.dialogs.messages.back().title, QStringLiteral("Quillmere "));
    // The book goes through the same checks, and "打印绣图" prints the open
    // finished chart rather than asking for a new preview.
    f.ComboPrint->setCurrentIndex(f.ComboPrint->findData(true));
    const std::size_t before = w.dialogs.messages.size();
    w.form->fop4->trigger();
    ASSERT_EQ(w.dialogs.messages.size(), before + 1);
    EXPECT_EQ(w.dialogs.messages.back().text,
              kPrintFailed + QStringLiteral("\n原因：没有默认打印机"));
}

TEST(Print, TheJobIsTheOnePageChartAndAStoppedSymbolPassSendsNone) {
    test::PrivatePrintServer server({QStringLiteral("TessPDF")});
    REQUIRE_PRINT_SERVER(server);
    GenerationFixture w;
    Form7& f = w.open();
    f.Command1_Click();
    // A closing window clears the flag: the symbol pass stops, nothing is sent.
    f.isRunning = false;
    f.Command5_Click();
    EXPECT_TRUE(w.dialogs.messages.empty());
    EXPECT_EQ(server.jobCount(QStringLiteral("TessPDF")), 0);
    EXPECT_FALSE(f.busy());

    // A strength change leaves the drawn chart to print, as to save as PDF.
    f.isRunning = true;
    f.HScroll1->setValue(f.HScroll1->value() - 1);
    EXPECT_TRUE(f.saveFormat("pdf"));
    const int messages = static_cast<int>(w.dialogs.messages.size());
    f.Command5_Click();
    EXPECT_EQ(static_cast<int>(w.dialogs.messages.size()), messages);
    EXPECT_EQ(f.Command5->text(), QStringLiteral("打印.."));
    // The queue's PDF is the document handed over, one page; that holds the
    // legend and the footer as text (the queue's PostScript round trip
    // loses part of the text, not of the page).
    const QStringList jobs = server.waitForJobs(QStringLiteral("TessPDF"));
    ASSERT_EQ(jobs.size(), 1);
    EXPECT_EQ(test::pdfPages(jobs[0]), 1);
    const QStringList documents = server.submittedDocuments();
    ASSERT_EQ(documents.size(), 1);
    EXPECT_TRUE(test::pdfPagesLookAlike(documents[0], jobs[0]));
    const QString text = test::pdfText(documents[0]);
    for (const ThreadEntry& entry : f.threads().table) {
        EXPECT_TRUE(text.contains(printedThreadNumber(entry.threadNo))) << entry.threadNo;
    }
    EXPECT_TRUE(text.contains(QStringLiteral("Tessaline V2008"))) << text.toStdString();
}

TEST(Pdf, WritesTheNumberedPrintout) {
    GenerationFixture w;
    Form7& f = w.open();
    f.Command1_Click();
    ASSERT_TRUE(f.saveFormat("pdf"));
    QFile pdf(w.folder.filePath(QStringLiteral("myxiu001.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

TEST(Pdf, WhileItIsWrittenAnotherGenerateOrPdfIsRefused) {
    GenerationFixture w(bandPicture(230, 250));
    Form7& f = w.open();
    f.Command1_Click();
    ASSERT_EQ(f.generated, 1);
    const int threadsBefore = f.maxColor;
    bool triedInside = false;
    QTimer::singleShot(0, &f, [&] {
        triedInside = f.busy();
        f.Command1_Click();
        EXPECT_FALSE(f.saveFormat("pdf"));
    });
    ASSERT_TRUE(f.saveFormat("pdf"));
    EXPECT_TRUE(triedInside);
    EXPECT_FALSE(f.busy());
    EXPECT_EQ(f.savedCount("pdf"), 1);
    EXPECT_EQ(f.generated, 1);
    EXPECT_EQ(f.maxColor, threadsBefore);
    EXPECT_TRUE(QFile::exists(w.folder.filePath(QStringLiteral("myxiu001.pdf"))));
    EXPECT_FALSE(QFile::exists(w.folder.filePath(QStringLiteral("myxiu002.pdf"))));
}

TEST(Pdf, ClosingTheWindowMidWayAndGeneratingAgainFreesTheOldWindowAfterwards) {
    GenerationFixture w(bandPicture(230, 250));
    Form7& f = w.open();
    f.Command1_Click();
    const QPointer<Form7> old(&f);
    QTimer::singleShot(0, &f, [&] {
        f.close();
        w.form->previewDone = 1;
        w.form->generateCommand();
    });
    EXPECT_TRUE(f.saveFormat("pdf"));
    ASSERT_FALSE(old.isNull()); // still here while its handler returns
    ASSERT_TRUE(w.form->hasForm7());
    EXPECT_NE(w.form->form7(), old.data());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(old.isNull());
}

TEST(FinalPreview, DrawsAgainAfterEveryOpening) {
    GenerationFixture w;
    Form7& f = w.open();
    f.Command1_Click();
    f.Command6_Click();
    FrmPreview* preview = f.finalPreview();
    ASSERT_NE(preview, nullptr);
    preview->Timer1_Timer();
    preview->Timer1_Timer();
    ASSERT_FALSE(preview->Timer1.isActive());
    f.Command6_Click();
    ASSERT_EQ(f.finalPreview(), preview);
    const QRgb background = preview->drawing().pixel(12, 62);
    preview->Timer1_Timer();
    preview->Timer1_Timer();
    EXPECT_FALSE(preview->Timer1.isActive());
    EXPECT_NE(preview->drawing().pixel(12, 62), background);
}

TEST(FinalPreview, DrawsOnTheSecondTickInThreadColours) {
    GenerationFixture w;
    Form7& f = w.open();
    f.Command1_Click();
    f.Command6_Click();
    FrmPreview* preview = f.finalPreview();
    ASSERT_NE(preview, nullptr);
    const QRgb background = preview->drawing().pixel(12, 62);
    preview->Timer1_Timer();
    EXPECT_EQ(preview->drawing().pixel(12, 62), background);
    preview->Timer1_Timer();
    EXPECT_FALSE(preview->Timer1.isActive());
    // Cell (0, 0) is white in the picture: thread 5200's colour.
    const Color cell = f.threads().indexColor(w.state->colorIndexMatrix(0, 0));
    EXPECT_EQ(preview->drawing().pixel(12, 62), toQRgb(cell));
    EXPECT_EQ(preview->drawing().pixel(3 * 10 + 11, 61),
              toQRgb(f.threads().indexColor(w.state->colorIndexMatrix(10, 0))));
}

TEST(FinalPreview, ShowsTheChartAsGeneratedAfterTheSharedMatricesChange) {
    GenerationFixture w;
    Form7& f = w.open();
    f.Command1_Click();
    const Color generated = f.threads().indexColor(w.state->colorIndexMatrix(0, 0));
    // A later effect preview or edit rewrites the shared matrices.
    w.state->patternMatrix.fill(0);
    w.state->colorIndexMatrix.fill(2);
    ASSERT_NE(f.threads().indexColor(2), generated);
    f.Command6_Click();
    FrmPreview* preview = f.finalPreview();
    ASSERT_NE(preview, nullptr);
    preview->Timer1_Timer();
    preview->Timer1_Timer();
    EXPECT_EQ(preview->drawing().pixel(12, 62), toQRgb(generated));
}

} // namespace
} // namespace tessaline
