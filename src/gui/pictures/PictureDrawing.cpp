#include "gui/pictures/PictureDrawing.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>

#include "storage/AtomicWrite.h"
#include "storage/TextFileReading.h"

namespace Pictures {

QPixmap drawn(const QSize &size, const QSizeF &design, const std::function<void(QPainter &)> &paint)
{
    QPixmap pixmap(size.expandedTo(QSize(1, 1)));
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    p.scale(pixmap.width() / design.width(), pixmap.height() / design.height());
    paint(p);
    return pixmap;
}

namespace {

// Empty while no picture is kept on disk.
QString &keptFolder()
{
    static QString folder;
    return folder;
}

// What a kept picture was drawn by: this build of the program on this Qt.
// A file drawn by another build may show an older drawing.
QByteArray buildStamp()
{
    const QFileInfo program(QCoreApplication::applicationFilePath());
    return QByteArray::number(program.size()) + ' ' +
           QByteArray::number(program.lastModified().toMSecsSinceEpoch()) + ' ' + qVersion();
}

// False when the folder cannot hold this build's pictures. The pictures of
// another build go, and only the folder's own pictures.
bool makeReady(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return false;
    const QString stampFile = folder + QStringLiteral("/stamp");
    const QByteArray stamp = buildStamp();
    const FileReading kept = readTextFile(stampFile);
    if (kept.status == FileReadStatus::Read && kept.bytes == stamp)
        return true;
    QDir dir(folder);
    for (const QString &picture : dir.entryList({QStringLiteral("*.argb")}, QDir::Files | QDir::System))
        dir.remove(picture);
    return writeCacheFile(stampFile, stamp);
}

// Kept as the window holds them, behind a line naming their size: read
// back with one copy, where decoding a PNG cost as much as drawing.
QByteArray keptHead(const QSize &size)
{
    return QByteArrayLiteral("vylora picture argb32p ") + QByteArray::number(size.width()) + 'x' +
           QByteArray::number(size.height()) + '\n';
}

// The file a picture is kept in; empty while none is kept.
QString keptFile(const QString &sized)
{
    const QString &folder = keptFolder();
    return folder.isEmpty() ? QString()
                            : folder + u'/' + QString(sized).replace(u' ', u'-') + QStringLiteral(".argb");
}

// Only a regular file is read: a pipe in its place would wait for a writer.
QPixmap readKept(const QString &file, const QSize &size)
{
    const QByteArray head = keptHead(size);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    const FileReading kept = readRegularFile(file, head.size() + image.sizeInBytes());
    if (kept.status != FileReadStatus::Read || kept.bytes.size() != head.size() + image.sizeInBytes() ||
        !kept.bytes.startsWith(head))
        return QPixmap();
    std::memcpy(image.bits(), kept.bytes.constData() + head.size(), std::size_t(image.sizeInBytes()));
    return QPixmap::fromImage(std::move(image));
}

// Written whole or not at all, and beside the name rather than through
// it: a half picture would be read back as a broken one, and a link in
// the cache would have a picture written over the file it names.
void keep(const QPixmap &pixmap, const QString &file)
{
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QByteArray bytes = keptHead(image.size());
    bytes.append(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
    writeCacheFile(file, bytes);
}

} // namespace

void keepStartPictures(const QString &folder)
{
    keptFolder() = !folder.isEmpty() && makeReady(folder) ? folder : QString();
}

QPixmap drawnOnce(const QString &key, const QSize &size, const QSizeF &design,
                  const std::function<void(QPainter &)> &paint)
{
    const QString sized = QStringLiteral("%1 %2x%3").arg(key).arg(size.width()).arg(size.height());
    QPixmap pixmap;
    if (QPixmapCache::find(sized, &pixmap))
        return pixmap;
    // Reading a kept picture costs a fraction of drawing it, whose text
    // loads a font of its own: the window's start draws none again.
    const QString file = keptFile(sized);
    if (!file.isEmpty())
        pixmap = readKept(file, size.expandedTo(QSize(1, 1)));
    if (pixmap.isNull()) {
        pixmap = drawn(size, design, paint);
        if (!file.isEmpty())
            keep(pixmap, file);
    }
    QPixmapCache::insert(sized, pixmap);
    return pixmap;
}

// Measured once at the box's height and scaled down from there: loading a
// font engine for every size tried made the pictures the slowest part of
// opening the window.
QFont fittedFont(const QString &text, const QSizeF &box, QFont::Weight weight)
{
    QFont font;
    font.setWeight(weight);
    const int tallest = std::max(3, int(box.height()));
    font.setPixelSize(tallest);
    const QFontMetricsF metrics(font);
    const qreal advance = std::max<qreal>(1, metrics.horizontalAdvance(text));
    const qreal scale = std::min({1.0, box.width() / advance, box.height() * 1.25 / metrics.height()});
    font.setPixelSize(std::max(3, int(tallest * scale)));
    return font;
}

void drawFittedText(QPainter &p, const QRectF &box, const QString &text, const QColor &colour,
                    QFont::Weight weight)
{
    p.save();
    p.setFont(fittedFont(text, box.size(), weight));
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
    p.restore();
}

QLinearGradient vertical(const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

void drawStar(QPainter &p, const QPointF &centre, qreal outer, const QColor &colour)
{
    QPolygonF star;
    for (int k = 0; k < 10; ++k) {
        const qreal r = k % 2 ? outer * 0.45 : outer;
        const qreal a = -std::numbers::pi / 2 + k * std::numbers::pi / 5;
        star << centre + QPointF(r * std::cos(a), r * std::sin(a));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(star);
}

} // namespace Pictures
