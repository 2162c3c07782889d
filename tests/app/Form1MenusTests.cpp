// The main window as the hub: pointers, hover highlight and hints, the
// entries that lead to the generate command, the browser's two openings,
// the about window, help and quitting.
#include "Form1Harness.h"
#include "app/InterfaceLanguage.h"
#include "platform/DisplayContext.h"
#include "platform/DocumentWindow.h"
#include "platform/PictureBox.h"
#include "platform/TextButton.h"
#include "windows/Form2.h"
#include "windows/Form4.h"
#include "windows/Form6.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QUrl>
#include <gtest/gtest.h>

namespace tessaline::testing {

// Stands in for the desktop: records what the program asks it to open.
class OpenedUrls : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> urls;
  public slots:
    void open(const QUrl& url) { urls.append(url); }
};

namespace {

constexpr Color kDarkGrey = 0x404040;

const QString kHintMore = QStringLiteral("增加颜色，得到更逼真效果。需要更多绣线");
const QString kHintFewer =
    QStringLiteral("只要10种颜色就可以绣出照片般效果，大大节约绣线。这就是Quillmere的神奇科技!");

// The palette's button text as 0x00BBGGRR.
Color systemButtonText() {
    const QColor c = QApplication::palette().color(QPalette::ButtonText);
    return (c.blue() << 16) | (c.green() << 8) | c.red();
}

class MenusTest : public ::testing::Test {
  protected:
    // A desktop whose button text is not the text buttons' dark grey, so
    // the highlight can be told apart.
    void SetUp() override {
        saved = QApplication::palette();
        QPalette desktop = saved;
        desktop.setColor(QPalette::ButtonText, QColor(10, 20, 200));
        QApplication::setPalette(desktop);
        harness = std::make_unique<Form1Harness>();
    }
    void TearDown() override {
        harness.reset();
        QApplication::setPalette(saved);
    }
    Form1& form() { return *harness->form; }

    std::vector<TextButton*> textButtons() {
        Form1& f = form();
        return {f.Label2, f.Label3,  f.Label5,  f.Label6, f.Label7,
                f.Label9, f.Label11, f.Label12, f.Label13};
    }

    std::unique_ptr<Form1Harness> harness;
    QPalette saved;
};

TEST_F(MenusTest, WorkingPictureAndSevenTextButtonsShareTheCustomPointer) {
    Form1& f = form();
    const Qt::CursorShape custom = f.Picture4->cursor().shape();
    EXPECT_NE(custom, Qt::ArrowCursor);
    for (QWidget* widget : std::initializer_list<QWidget*>{f.Label2, f.Label3, f.Label5, f.Label6,
                                                           f.Label7, f.Label9, f.Label12}) {
        EXPECT_EQ(widget->cursor().shape(), custom) << widget->objectName().toStdString();
    }
    EXPECT_EQ(f.Label11->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(f.Label13->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(MenusTest, TextButtonsStartDarkGreyAndLightUpUnderThePointer) {
    ASSERT_EQ(systemButtonText(), 0xC8140A);
    for (TextButton* label : textButtons()) {
        EXPECT_EQ(label->foreColor(), kDarkGrey) << label->text().toStdString();
        hoverOver(label);
        EXPECT_EQ(label->foreColor(), systemButtonText()) << label->text().toStdString();
        EXPECT_EQ(label->palette().color(QPalette::WindowText),
                  QApplication::palette().color(QPalette::ButtonText));
    }
}

TEST_F(MenusTest, ZoomAndTextButtonsPutTheirHintsInTheStatusLine) {
    Form1& f = form();
    hoverOver(f.Label5);
    EXPECT_EQ(f.Label4->text(), kHintMore);
    hoverOver(f.Label6);
    EXPECT_EQ(f.Label4->text(), kHintFewer);
    hoverOver(f.Label7);
    EXPECT_EQ(f.Label4->text(), QStringLiteral("加入文字"));
    // The others light up but leave the status line alone.
    hoverOver(f.Label11);
    hoverOver(f.Label2);
    EXPECT_EQ(f.Label4->text(), QStringLiteral("加入文字"));
}

TEST_F(MenusTest, StatusLineKeepsItsWelcomeUntilAHintedButtonIsHovered) {
    Form1& f = form();
    hoverOver(f.Label9);
    hoverOver(f.surface);
    EXPECT_EQ(f.Label4->text(), QStringLiteral("欢迎使用Tessaline，动手把你的照片做成十字绣！"));
}

TEST_F(MenusTest, BareWindowRestoresDarkGreyButKeepsTheLastHint) {
    Form1& f = form();
    hoverOver(f.Label5);
    hoverOver(f.Label12);
    ASSERT_EQ(f.Label5->foreColor(), systemButtonText());
    hoverOver(f.surface);
    for (TextButton* label : textButtons()) {
        EXPECT_EQ(label->foreColor(), kDarkGrey) << label->text().toStdString();
    }
    EXPECT_EQ(f.Label4->text(), kHintMore);
}

TEST_F(MenusTest, MovesOverAControlAreNotTakenForTheBareWindow) {
    Form1& f = form();
    f.show();
    hoverOver(f.Label6);
    // The same move as the surface sees it, at the label's place.
    sendMouse(f.surface, QEvent::MouseMove, QPointF(f.Label6->geometry().center()), Qt::NoButton);
    EXPECT_EQ(f.Label6->foreColor(), systemButtonText());
    sendMouse(f.surface, QEvent::MouseMove, QPointF(2, 2), Qt::NoButton);
    EXPECT_EQ(f.Label6->foreColor(), kDarkGrey);
}

TEST_F(MenusTest, GenerateAndPrintEntriesAllAskForTheGenerateCommand) {
    Form1& f = form();
    int requests = 0;
    QObject::connect(&f, &Form1::generateRequested, [&requests] { ++requests; });
    clickOn(f.Label2);
    clickOn(f.Label3);
    f.fop3->trigger();
    EXPECT_EQ(requests, 3);
    // "打印绣图" no longer shows a made-up printer failure, whatever the odds.
    for (int i = 0; i < 50; ++i) {
        f.fop4->trigger();
    }
    EXPECT_EQ(requests, 53);
    for (const RecordedMessage& message : harness->dialogs.messages) {
        EXPECT_FALSE(message.text.contains(QStringLiteral("打印机"))) << message.text.toStdString();
    }
    // Neighbouring entries do not.
    clickOn(f.Label9);
    clickOn(f.Label5);
    EXPECT_EQ(requests, 53);
}

TEST_F(MenusTest, ImportButtonPlacesTheBrowserBesideTheWindowAndClearsThePreviewFlag) {
    Form1& f = form();
    f.move(200, 150);
    f.previewDone = 1;
    f.Command5->click();
    ASSERT_TRUE(f.hasForm2());
    Form2* browser = f.form2();
    EXPECT_TRUE(browser->isVisible());
    // 1800 and 1400 twips at 15 twips to the pixel.
    EXPECT_EQ(browser->pos(), QPoint(200 + 120, 150 + 93));
    EXPECT_EQ(f.previewDone, 0);
}

TEST_F(MenusTest, ImportMenuEntryKeepsThePreviewFlagAndTheBrowsersPlace) {
    Form1& f = form();
    f.previewDone = 1;
    f.fop1->trigger();
    ASSERT_TRUE(f.hasForm2());
    Form2* browser = f.form2();
    EXPECT_TRUE(browser->isVisible());
    EXPECT_EQ(f.previewDone, 1);

    browser->move(33, 44);
    f.fop1->trigger();
    EXPECT_EQ(f.form2(), browser);
    EXPECT_EQ(browser->pos(), QPoint(33, 44));
}

TEST_F(MenusTest, AboutEntryShowsTheAboutWindowOnce) {
    Form1& f = form();
    EXPECT_FALSE(f.hasForm4());
    f.freg4->trigger();
    ASSERT_TRUE(f.hasForm4());
    Form4* about = f.form4();
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), QStringLiteral("Quillmere inc."));
    f.freg4->trigger();
    EXPECT_EQ(f.form4(), about);
    // Closing it unloads it; the next opening builds it again.
    about->Label1_Click();
    Form1Harness::flushDeletes();
    EXPECT_FALSE(f.hasForm4());
}

TEST_F(MenusTest, QuitWithNoOtherWindowEverOpenedClosesCleanly) {
    Form1& f = form();
    f.show();
    ASSERT_TRUE(f.displayDC().isOpen());
    int unloads = 0;
    QObject::connect(&f, &Form1::unloading, [&unloads] { ++unloads; });
    f.fop6->trigger();
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(f.displayDC().isOpen());
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(f.hasForm2());
    EXPECT_FALSE(f.hasForm4());
    EXPECT_TRUE(harness->dialogs.messages.empty());
    // Destroying the window afterwards does not unload a second time.
    harness->form.reset();
    EXPECT_EQ(unloads, 1);
}

TEST_F(MenusTest, QuitUnloadsTheAboutWindowTheBrowserAndTheGalleryInOrder) {
    Form1& f = form();
    f.show();
    f.fop1->trigger();
    f.freg4->trigger();
    f.fset4->trigger();
    QStringList order;
    QObject::connect(f.form2(), &QObject::destroyed, [&order] { order << "Form2"; });
    QObject::connect(f.form4(), &QObject::destroyed, [&order] { order << "Form4"; });
    QObject::connect(f.form6(), &QObject::destroyed, [&order] { order << "Form6"; });
    QObject::connect(&f, &Form1::unloading, [&order] { order << "Form1"; });
    f.fop6->trigger();
    EXPECT_EQ(order, QStringList({"Form4", "Form2", "Form6", "Form1"}));
    EXPECT_FALSE(f.hasForm6());
    EXPECT_FALSE(f.hasForm2());
    EXPECT_FALSE(f.hasForm4());
    EXPECT_FALSE(f.isVisible());
}

TEST_F(MenusTest, ClosingTheMainWindowUnloadsTheOthersToo) {
    Form1& f = form();
    f.show();
    f.fop1->trigger();
    f.freg4->trigger();
    f.close();
    EXPECT_FALSE(f.hasForm2());
    EXPECT_FALSE(f.hasForm4());
}

// A PNG of one colour, base64 in lines, as an MHTML part carries it.
QByteArray base64Png(QColor color) {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(color);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png.toBase64(QByteArray::Base64Encoding) + "\r\n";
}

// The help document as the desktop sees it: a page in quoted-printable
// with one picture by location and one by Content-ID.
QByteArray helpDocument() {
    return "MIME-Version: 1.0\r\nSnapshot-Content-Location: https://h.invalid/guide/index.html\r\n"
           "Content-Type: multipart/related;\r\n\ttype=\"text/html\"; boundary=\"=b=\"\r\n\r\n"
           "--=b=\r\nContent-Type: text/html; charset=\"utf-8\"\r\n"
           "Content-Transfer-Encoding: quoted-printable\r\n"
           "Content-Location: https://h.invalid/guide/index.html\r\n\r\n"
           "<html><body><h1>=E5=AF=BC=E5=85=A5=E5=9B=BE=E7=89=87</h1><p>Step one, a long =\r\n"
           "line.</p><img src=3D\"pics/red.png\"><img src=3D\"cid:blue@x\"></body></html>\r\n"
           "--=b=\r\nContent-Type: image/png\r\nContent-Transfer-Encoding: base64\r\n"
           "Content-Location: https://h.invalid/guide/pics/red.png\r\n\r\n" +
           base64Png(Qt::red) +
           "--=b=\r\nContent-Type: image/png\r\nContent-Transfer-Encoding: base64\r\n"
           "Content-ID: <blue@x>\r\n\r\n" +
           base64Png(Qt::blue) + "--=b=--\r\n";
}

// Counts the pixels of one colour in a widget as it is drawn.
int pixelsOf(QWidget* widget, QColor color) {
    const QImage shot = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            count += shot.pixel(x, y) == color.rgb() ? 1 : 0;
        }
    }
    return count;
}

// Stands in for the desktop: its tools on a search path of our own, and
// Qt's opening of files recorded instead of done.
class HelpTest : public MenusTest {
  protected:
    void SetUp() override {
        MenusTest::SetUp();
        savedPath = qgetenv("PATH");
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "open");
        document = harness->workingPath(QStringLiteral("Tessaline使用说明.mht"));
    }
    void TearDown() override {
        qputenv("PATH", savedPath);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        MenusTest::TearDown();
    }

    void writeDocument() {
        QFile file(document);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(helpDocument());
    }

    // A desktop with xdg-open and an xdg-mime that knows a program for
    // MHTML files when withProgram is set; none of its tools otherwise.
    void desktopTools(bool withTools, bool withProgram) {
        const QString bin = harness->workingPath(QStringLiteral("bin"));
        ASSERT_TRUE(QDir().mkpath(bin));
        qputenv("PATH", bin.toLocal8Bit());
        if (!withTools) {
            return;
        }
        writeScript(bin + "/xdg-open", "#!/bin/sh\nexit 0\n");
        writeScript(bin + "/xdg-mime",
                    QByteArray("#!/bin/sh\ncase \"$1 $2\" in\n"
                               "'query filetype') echo 'application/x-mimearchive' ;;\n"
                               "'query default') ") +
                        (withProgram
                             ? "[ \"$3\" = application/x-mimearchive ] && echo viewer.desktop"
                             : "true") +
                        " ;;\nesac\nexit 0\n");
    }

    static void writeScript(const QString& path, const QByteArray& text) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    OpenedUrls desktop;
    QByteArray savedPath;
    QString document;
};

TEST_F(HelpTest, DesktopWithAProgramForTheDocumentOpensIt) {
    writeDocument();
    desktopTools(true, true);
    form().Command13->click();
    ASSERT_EQ(desktop.urls.size(), 1);
    EXPECT_EQ(desktop.urls.first(), QUrl::fromLocalFile(document));
    EXPECT_EQ(form().helpWindow(), nullptr);
    EXPECT_TRUE(harness->dialogs.messages.empty());
}

TEST_F(HelpTest, WithoutADesktopProgramTheHelpWindowShowsTheTextAndItsPictures) {
    writeDocument();
    for (bool withTools : {false, true}) {
        desktopTools(withTools, false);
        form().Command13->click();
        EXPECT_TRUE(desktop.urls.empty());
        DocumentWindow* help = form().helpWindow();
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        EXPECT_EQ(help->windowTitle(), QStringLiteral("Tessaline使用说明"));
        const QString text = help->browser->toPlainText();
        EXPECT_TRUE(text.contains(QStringLiteral("导入图片"))) << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("Step one, a long line."))) << text.toStdString();
        // Both pictures are drawn, whole, from inside the document.
        EXPECT_EQ(pixelsOf(help->browser, Qt::red), 40 * 30);
        EXPECT_EQ(pixelsOf(help->browser, Qt::blue), 40 * 30);
        help->closeButton->click();
        Form1Harness::flushDeletes();
        EXPECT_EQ(form().helpWindow(), nullptr);
    }
    EXPECT_TRUE(harness->dialogs.messages.empty());
}

// The English interface opens the English guide, and the Chinese one while
// there is no English guide; the Chinese interface always the Chinese one.
TEST_F(HelpTest, TheGuideOfTheInterfaceLanguageIsOpened) {
    writeDocument();
    desktopTools(true, true);
    const QString english = harness->workingPath(QStringLiteral("Tessaline User Guide.mht"));
    const bool switched =
        setInterfaceLanguage(InterfaceLanguage::English, {QStringLiteral(TESSALINE_RUNTIME_DIR)});
    form().Command13->click();
    QFile::copy(document, english);
    form().Command13->click();
    setInterfaceLanguage(InterfaceLanguage::Chinese);
    ASSERT_TRUE(switched) << "no English translation was built";
    form().Command13->click();
    EXPECT_EQ(desktop.urls,
              (QList<QUrl>{QUrl::fromLocalFile(document), QUrl::fromLocalFile(english),
                           QUrl::fromLocalFile(document)}));
}

TEST_F(HelpTest, MissingDocumentOpensNothingAndSaysNothing) {
    desktopTools(false, false);
    form().Command13->click();
    EXPECT_TRUE(desktop.urls.empty());
    EXPECT_EQ(form().helpWindow(), nullptr);
    EXPECT_TRUE(harness->dialogs.messages.empty());
}

} // namespace
} // namespace tessaline::testing

#include "Form1MenusTests.moc"
