#pragma once
// The pattern book: a PDF of several pages to stitch from. A cover with the
// pattern in its thread colours and its finished sizes, the chart split over
// pages at a readable pitch (pattern/BookLayout) with the whole pattern's
// numbering, and a legend with the skeins to buy (pattern/SkeinEstimate).
// Made in memory; the output files write it.
#include "pattern/BookSettings.h"
#include "render/ChartSource.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace tessaline {

// Empty when the progress callback stopped it or the PDF could not be begun.
// Progress: ChartStage::Header for the cover, Grid per chart page, Legend
// per legend page.
std::optional<QByteArray> renderPatternBook(const ChartSource& source, const BookSettings& settings,
                                            const ChartProgress& progress = {});

// "第 n 页 / 共 N 页".
QString bookPageText(int page, int pages);

} // namespace tessaline
