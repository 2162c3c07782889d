#include "render/ChartTexts.h"

#include "render/ChartSource.h"

#include <QCoreApplication>

namespace tessaline {

QString chartTitleText(const std::string& title) {
    return title.empty() ? QCoreApplication::translate("ChartTexts", "我的绣图")
                         : QString::fromStdString(title);
}

QString chartInfoText(const QString& category, int colors, int width, int height) {
    // One pass over the markers: a category text holding "%2" stays as it is.
    return QCoreApplication::translate("ChartTexts", "绣线:%1  颜色数：%2   宽x高：%3x%4")
        .arg(category, QString::number(colors), QString::number(width), QString::number(height));
}

QString legendHeadingText(int line) {
    switch (line) {
    case 0:
        return QCoreApplication::translate("ChartTexts", "符号");
    case 1:
        return QCoreApplication::translate("ChartTexts", "线号");
    default:
        return QCoreApplication::translate("ChartTexts", "数量");
    }
}

QString legendTotalNoteText(int width, int height) {
    const long long cells = static_cast<long long>(width) * height;
    return QCoreApplication::translate(
               "ChartTexts",
               "注:全部线量总和为%1，线量不是某种长度单位，只是用来说明各颜色线所占比例.")
        .arg(cells);
}

QString symbolNoteText() {
    return QCoreApplication::translate("ChartTexts",
                                       "图中的符号代表了绣线颜色，这样就可以方便的绣图");
}

QString rareThreadNoteText() {
    return QCoreApplication::translate(
        "ChartTexts", "* 针数少于可忽略数的绣线：排在其他绣线之后，绣图上照样要绣。");
}

QString chartFooterText() {
    return QCoreApplication::translate("ChartTexts", "Tessaline V2008 十字绣图");
}

QString printStageText(ChartStage stage) {
    switch (stage) {
    case ChartStage::Header:
        return QCoreApplication::translate("ChartTexts", "正在生成打印文档，请等待....");
    case ChartStage::Grid:
    case ChartStage::Blocks:
        return QCoreApplication::translate("ChartTexts", "正在绘制网格，请等待....");
    case ChartStage::Legend:
        return QCoreApplication::translate("ChartTexts", "正在绘制绣线表格，请等待....");
    case ChartStage::Symbols:
        break;
    }
    return QCoreApplication::translate("ChartTexts", "正在绘制绣线符号，请等待....");
}

} // namespace tessaline
