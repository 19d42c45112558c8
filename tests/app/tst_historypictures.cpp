// The pictures of the past tournaments and of the statistics window.
#include "app/HistoryPictures.h"

#include <QImage>
#include <QTest>

namespace {

int opaquePixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 0;
    return count;
}

} // namespace

class TestHistoryPictures final : public QObject
{
    Q_OBJECT

private slots:
    void eachTournamentIsItsOwn()
    {
        const QSize size(144, 108);
        QList<QImage> seen;
        for (int entry = 1; entry <= 4; ++entry) {
            const QImage image = Pictures::tournament(entry, size).toImage();
            QCOMPARE(image.size(), size);
            QVERIFY(opaquePixels(image) > size.width() * size.height() / 2);
            QVERIFY2(!seen.contains(image), qPrintable(QString::number(entry)));
            seen << image;
        }
        // The prompt of the year lists has no picture.
        QVERIFY(Pictures::tournament(0, size).isNull());
        QVERIFY(Pictures::tournament(5, size).isNull());
    }

    void windowPicturesAreDrawnAtTheSizeAsked()
    {
        for (const QPixmap &pixmap : {Pictures::emptyPodium(QSize(200, 180)), Pictures::closeButton(QSize(63, 49)),
                                      Pictures::printButton(QSize(63, 49))})
            QVERIFY(opaquePixels(pixmap.toImage()) > pixmap.width() * pixmap.height() / 10);
    }
};

QTEST_MAIN(TestHistoryPictures)
#include "tst_historypictures.moc"
