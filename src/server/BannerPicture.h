#pragma once

#include <QByteArray>
#include <QImage>

// The banner users download is a GIF, and Qt reads GIF but cannot write
// it; a folder without its own banner gets this one.
QByteArray defaultBannerGif();

// At most 256 colours are kept. The picture data is written as literal
// codes without compression: banners are small and it stays obviously
// correct.
QByteArray encodeGif(const QImage &image);
