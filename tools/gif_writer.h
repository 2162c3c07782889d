#pragma once
// Writing pictures of few colours as GIF (one frame, LZW-coded), which Qt
// reads but does not write; and the exact palette such a picture needs.
#include <QByteArray>
#include <QImage>

// The picture as an 8-bit indexed image with exactly its own colours; a
// null image when it has more than 256.
QImage toExactPalette(const QImage& picture);

// The GIF file of an indexed picture of at most 256 colours.
QByteArray encodeGif(const QImage& indexed);
