#include "gui/pictures/Pictures.h"

#include <functional>

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPixmapCache>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Painter = std::function<QPixmap(const QSize &)>;

int opaquePixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0;
    return count;
}

} // namespace

Q_DECLARE_METATYPE(Painter)

class TestPictures final : public QObject
{
    Q_OBJECT

private slots:
    void drawnAtTheSizeAsked_data();
    void drawnAtTheSizeAsked();
    void eachStadiumIsItsOwn();
    void eachBroadcasterIsItsOwn();
    void closePictureLeavesItsTopClear();
    void keptPictureComesBack_data();
    void keptPictureComesBack();
};

void TestPictures::drawnAtTheSizeAsked_data()
{
    QTest::addColumn<Painter>("paint");
    QTest::addColumn<QSize>("size");

    for (int channel = 0; channel < 4; ++channel) {
        QTest::addRow("logo %d in a row", channel)
            << Painter([channel](const QSize &s) { return Pictures::broadcasterLogo(channel, s); })
            << QSize(25, 18);
        QTest::addRow("logo %d in the panel", channel)
            << Painter([channel](const QSize &s) { return Pictures::broadcasterLogo(channel, s); })
            << QSize(50, 50);
    }
    for (int picture = 0; picture < Pictures::stadiumCount; ++picture)
        QTest::addRow("stadium %d", picture)
            << Painter([picture](const QSize &s) { return Pictures::stadium(picture, s); }) << QSize(250, 103);
    QTest::newRow("partner, square") << Painter(Pictures::partner) << QSize(127, 120);
    QTest::newRow("partner, tall") << Painter(Pictures::partner) << QSize(127, 243);
    QTest::newRow("champion") << Painter(Pictures::champion) << QSize(127, 243);
    for (int ico = 0; ico < 2; ++ico)
        QTest::addRow("knock-out button %d", ico)
            << Painter([ico](const QSize &s) { return Pictures::knockoutButton(ico, s); }) << QSize(32, 32);
    QTest::newRow("calendar close") << Painter(Pictures::calendarClose) << QSize(94, 93);
}

void TestPictures::drawnAtTheSizeAsked()
{
    QFETCH(Painter, paint);
    QFETCH(QSize, size);
    const QPixmap pixmap = paint(size);
    QCOMPARE(pixmap.size(), size);
    QVERIFY(opaquePixels(pixmap.toImage()) > size.width() * size.height() / 10);
}

void TestPictures::eachStadiumIsItsOwn()
{
    QList<QImage> seen;
    for (int picture = 0; picture < Pictures::stadiumCount; ++picture) {
        const QImage image = Pictures::stadium(picture, QSize(250, 103)).toImage();
        QVERIFY2(!seen.contains(image), qPrintable(QString::number(picture)));
        seen << image;
    }
    QCOMPARE(opaquePixels(Pictures::stadium(Pictures::stadiumCount, QSize(250, 103)).toImage()), 0);
}

void TestPictures::eachBroadcasterIsItsOwn()
{
    QList<QImage> seen;
    for (int channel = 0; channel < 4; ++channel) {
        const QImage image = Pictures::broadcasterLogo(channel, QSize(50, 50)).toImage();
        QVERIFY2(!seen.contains(image), qPrintable(QString::number(channel)));
        seen << image;
    }
}

void TestPictures::closePictureLeavesItsTopClear()
{
    // The day list covers the upper part of the close picture on the panel.
    const QImage image = Pictures::calendarClose(QSize(94, 93)).toImage();
    QCOMPARE(opaquePixels(image.copy(0, 0, 94, 58)), 0);
    QVERIFY(opaquePixels(image.copy(0, 58, 94, 35)) > 94 * 35 / 3);
}

void TestPictures::keptPictureComesBack_data()
{
    QTest::addColumn<int>("cut");
    QTest::addColumn<QByteArray>("stamp");
    QTest::newRow("a whole file is read back") << 0 << QByteArray();
    QTest::newRow("a cut file is drawn again") << 1 << QByteArray();
    QTest::newRow("another build's file is drawn again") << 0 << QByteArray("another build");
}

// A kept file not wholly this build's is drawn again; no file but pictures goes.
void TestPictures::keptPictureComesBack()
{
    QFETCH(int, cut);
    QFETCH(QByteArray, stamp);
    const bool readBack = cut == 0 && stamp.isEmpty();
    QTemporaryDir folder;
    QFile own(folder.filePath(QStringLiteral("notes.txt")));
    QVERIFY(own.open(QIODevice::WriteOnly));
    Pictures::keepStartPictures(folder.path());
    QPixmapCache::clear();
    const QImage drawn = Pictures::printer(QSize(40, 40)).toImage();
    // White where the printer's corner is clear: only a picture read back shows it.
    QFile kept(folder.filePath(QStringLiteral("printer-40x40.argb")));
    QVERIFY(kept.open(QIODevice::ReadWrite) && kept.seek(kept.size() - 4) && kept.write("\xff\xff\xff\xff") == 4 &&
            kept.resize(kept.size() - cut));
    QFile stampFile(folder.filePath(QStringLiteral("stamp")));
    QVERIFY(stamp.isEmpty() ||
            (stampFile.open(QIODevice::WriteOnly) && stampFile.write(stamp) && stampFile.flush()));
    Pictures::keepStartPictures(folder.path());
    QPixmapCache::clear();
    const QImage again = Pictures::printer(QSize(40, 40)).toImage();
    Pictures::keepStartPictures(QString());
    QCOMPARE(again.pixel(39, 39) == qRgba(255, 255, 255, 255), readBack);
    QCOMPARE(again == drawn, !readBack);
    QVERIFY(own.exists());
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
