#pragma once
// The gallery's sample pictures: cartoon figures, portraits, cars,
// star-sign emblems, animals, landscapes and abstract art, all drawn here
// with flat colours and clear outlines, as cross-stitch motifs should be.
#include <QImage>
#include <QList>
#include <QString>

struct SamplePicture {
    QString folder;  // the gallery category, e.g. "动漫"
    QString file;    // name with its extension, which picks the format
    QString subject; // one line for the licence file
    QImage image;    // RGB32
};

// Every sample, drawn. Pictures for GIF and BMP are drawn without
// smoothing so that they keep to a palette of their own colours.
QList<SamplePicture> drawSamplePictures();
