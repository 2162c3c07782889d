#pragma once
// The pictures of the user guide, drawn from the program's own layout and
// colours so that they match what the user sees.
#include <QImage>
#include <QString>

// The illustration the guide names images/<name>.png, its captions in
// English for the English guide; a null image for a name the guide should
// not use.
QImage drawHelpIllustration(const QString& name, bool english = false);
