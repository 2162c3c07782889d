#pragma once
// The words on a chart, its printout and the printing status, in the
// interface language: the engine hands over numbers and names, these put
// them into the chart's sentences. Without a translation they are the
// program's Chinese texts, character for character.
#include <QString>
#include <string>

namespace tessaline {

enum class ChartStage;

// The chart's title line: the title, or "我的绣图" when it is empty.
QString chartTitleText(const std::string& title);
// "绣线:DMC  颜色数：25   宽x高：120x90".
QString chartInfoText(const QString& category, int colors, int width, int height);
// The legend's three headings "符号", "线号", "数量", by line 0..2.
QString legendHeadingText(int line);
// The note under the legend on the sum of all thread amounts (width x height).
QString legendTotalNoteText(int width, int height);
// "图中的符号代表了绣线颜色，这样就可以方便的绣图".
QString symbolNoteText();
// The line under a key that lists threads under the ignorable count.
QString rareThreadNoteText();
// "Tessaline V2008 十字绣图".
QString chartFooterText();
// Status line of the generation window while a stage is printed.
QString printStageText(ChartStage stage);

} // namespace tessaline
