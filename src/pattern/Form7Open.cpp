// "打开绣图...": an OXS file opened into the generation window as a finished
// chart. Its threads and cells take the place of a generation's, so saving,
// the PDF, the book, OXS, printing, the final preview and the colour
// replacement work on it as after "生成".
#include "app/Form1.h"
#include "imaging/ClsDIB.h"
#include "imaging/DibImage.h"
#include "imaging/EffectPreview.h"
#include "pattern/Form7.h"
#include "platform/EventYield.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/UserDialogs.h"
#include "render/FileNames.h"
#include "render/OxsFile.h"
#include "windows/FrmPreview.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

namespace tessaline {

namespace {

QString fileProblem(const OxsFileResult& opened) {
    switch (opened.fileError) {
    case PictureLoadError::None:
    case PictureLoadError::NotAPicture:
    case PictureLoadError::Damaged:
        break;
    case PictureLoadError::NotFound:
    case PictureLoadError::LinkLoop:
        return Form7::tr("找不到绣图文件。");
    case PictureLoadError::Unreadable:
        return Form7::tr("无法读取绣图文件。");
    case PictureLoadError::TooLarge:
        return Form7::tr("绣图文件太大，无法打开。");
    case PictureLoadError::IsFolder:
        return Form7::tr("这是文件夹，不是绣图文件。");
    case PictureLoadError::IsPipe:
    case PictureLoadError::IsSpecialFile:
        return Form7::tr("这是特殊文件，不是绣图文件。");
    }
    if (opened.changed) {
        return Form7::tr("读取时绣图文件被改动了，请再打开一次。");
    }
    const OxsProblem& problem = opened.read.problem;
    const QString x = QString::number(problem.x);
    const QString y = QString::number(problem.y);
    switch (problem.error) {
    case OxsError::None:
        break;
    case OxsError::NotXml:
        return Form7::tr("这不是 OXS 绣图文件（不是完好的 XML）。");
    case OxsError::NotAChart:
        return Form7::tr("这不是 OXS 绣图文件（没有绣图的宽和高）。");
    case OxsError::BadSize:
        return Form7::tr("绣图大小 %1 x %2 不在 1 x 1 到 1000 x 1000 之间。").arg(x, y);
    case OxsError::TooLarge:
        return Form7::tr("绣图有 %1 x %2 格，超过了 320 x 320。").arg(x, y);
    case OxsError::BadStitch:
        return Form7::tr("有一针没有完整的 x、y 和 palindex。");
    case OxsError::StitchOutside:
        return Form7::tr("第 %2 行第 %1 列的一针在绣图之外。").arg(x, y);
    case OxsError::UnknownPaletteIndex:
        return Form7::tr("第 %2 行第 %1 列的一针用了调色板里没有的 %3 号。")
            .arg(x, y, QString::number(problem.value));
    case OxsError::BadPalette:
        return Form7::tr("调色板里有一项的编号不是 0 到 9999 的整数。");
    case OxsError::TooManyThreads:
        return Form7::tr("绣图颜色超过 500 种。");
    }
    return {};
}

// What the file held that did not come along, in one line; empty when all did.
QString openWarning(const OxsPattern& pattern) {
    QStringList leftOut;
    const auto count = [&leftOut](int n, const QString& text) {
        if (n > 0) {
            leftOut << text.arg(n);
        }
    };
    const OxsLeftOut& out = pattern.leftOut;
    count(out.backstitches, Form7::tr("%1 条回针"));
    count(out.halfStitches, Form7::tr("%1 个半针"));
    count(out.partStitches, Form7::tr("%1 个四分之一或四分之三针"));
    count(out.knots, Form7::tr("%1 个法式结"));
    count(out.beads, Form7::tr("%1 颗珠子"));
    count(out.otherOrnaments, Form7::tr("%1 个其他装饰"));
    count(out.comments, Form7::tr("%1 个注释框"));
    QStringList sentences;
    if (!leftOut.isEmpty()) {
        sentences << Form7::tr("%1没有导入。").arg(leftOut.join(Form7::tr("、")));
    }
    if (out.blendedThreads > 0) {
        sentences << Form7::tr("%1 种混色线只取了第一种颜色。").arg(out.blendedThreads);
    }
    if (pattern.duplicateCells > 0) {
        sentences << Form7::tr("%1 格重复出现，取最后一针。").arg(pattern.duplicateCells);
    }
    if (!pattern.matched.empty()) {
        QStringList matched;
        for (const OxsMatchedThread& thread : pattern.matched) {
            const std::string& cindex =
                dmcPalette()[static_cast<std::size_t>(thread.dmcPosition)].cindex;
            matched << QString::fromStdString(thread.number) + QStringLiteral(" → DMC ") +
                           QString::fromStdString(cindex.substr(0, cindex.find(' ')));
        }
        sentences << Form7::tr("不是 DMC 的绣线换成了最接近的 DMC 绣线：%1。")
                         .arg(matched.join(Form7::tr("，")));
    }
    return sentences.join(QLatin1Char(' '));
}

// The colour replacement ("编辑") lists the threads of the main window's
// frame and shows the scratch picture: the frame takes the chart's size
// where its bars reach it, and the scratch picture the chart's colours.
void prepareReplacement(Form1& form1, const OxsPattern& read) {
    const int width = read.threads.width;
    const int height = read.threads.height;
    if (width < form1.wChange->minimum() || width > form1.wChange->maximum() ||
        height < form1.Hchange->minimum() || height > form1.Hchange->maximum()) {
        return;
    }
    form1.wChange->setValue(width);
    form1.Hchange->setValue(height);
    QImage cells(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Color color = read.patternMatrix(x, y);
            cells.setPixel(x, y, qRgb(getRed(color), getGreen(color), getBlue(color)));
        }
    }
    ClsDIB scratch;
    if (imageToDib(cells, scratch)) {
        scratch.SaveBMP(form1.context().workingFile(kScratchPictureName));
    }
}

} // namespace

bool Form7::openPattern(const std::filesystem::path& path) {
    if (busy()) {
        return false;
    }
    Xiubas& state = form1_.context().state;
    const OxsFileResult opened =
        readOxsFile(path, {state.patternSettings.colorMatch, ignorableCount()});
    if (!opened.ok()) {
        form1_.context().dialogs.message(
            this, tr("无法打开绣图文件“%1”：%2").arg(readableFileName(path), fileProblem(opened)),
            tr("打开绣图"), MessageIcon::Warning);
        return false;
    }
    const OxsPattern& read = *opened.read.pattern;
    const LoopScope loop(*this);
    // The final preview shows the chart about to be replaced.
    delete preview_.data();

    threads_ = read.threads;
    *chartIndex_ = read.colorIndexMatrix;
    *chartPattern_ = read.patternMatrix;
    gw = read.threads.width;
    gh = read.threads.height;
    maxColor = static_cast<int>(threads_.table.size());
    generated = 1;
    txtCount->setText(QString::number(threads_.threadCount));
    // The pattern brings its title and fabric; the colour replacement and a
    // new generation start from its cells, as after "生成".
    state.patternSettings.xiutuTitle = read.title;
    if (read.fabricCount) {
        form1_.bookSettings.fabricCount = *read.fabricCount;
        showBookSettings();
    }
    state.patternMatrix = read.patternMatrix;
    state.colorIndexMatrix = read.colorIndexMatrix;
    state.colorList = read.threads.colorList;
    // The shared pattern is now the file's: an open replacement window or an
    // earlier chart is out of date, and this chart is the current one.
    state.patternChanged();
    prepareReplacement(form1_, read);

    isRunning = true;
    chartDrawn_ = false;
    chartStarted_ = true;
    chartVersion_ = state.patternVersion;
    Command1->setEnabled(false);
    for (const SaveControl& save : saves_) {
        save.button->setEnabled(false);
    }
    setMainControlsEnabled(false);
    Label1->hide();
    Command5->setText(tr("中止"));
    command5Aborts_ = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    show();
    raise();
    EventYielder yielder;
    finishRun(drawChartCanvas(yielder));
    if (const QString warning = openWarning(read); !warning.isEmpty()) {
        form1_.context().dialogs.message(this, warning, tr("打开绣图"), MessageIcon::Information);
    }
    return true;
}

} // namespace tessaline
