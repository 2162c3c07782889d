#pragma once
// The pictures of the user guide, drawn from the program's own layout and
// colours so that they match what the user sees.
#include <QImage>
#include <QString>

// The language a guide is written in, which its pictures' captions follow.
enum class GuideLanguage { Chinese, TraditionalChinese, English };

// The illustration the guide names images/<name>.png, its captions in the
// guide's language; a null image for a name the guide should not use.
QImage drawHelpIllustration(const QString& name, GuideLanguage language = GuideLanguage::Chinese);
