// A text made to fit its box: smaller down to a floor, then cut, and whole
// in the tooltip when cut.
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <QToolTip>

#include "gui/kit/FittedLabel.h"
#include "gui/kit/FittingText.h"

class TestFittingText final : public QObject
{
    Q_OBJECT

private slots:
    void fitsTheBox_data()
    {
        QTest::addColumn<double>("room"); // the box's width, in shares of the text's own width
        QTest::addColumn<bool>("smaller");
        QTest::addColumn<bool>("cut");
        QTest::newRow("just fits") << 1.0 << false << false;
        QTest::newRow("a smaller size is enough") << 0.9 << true << false;
        QTest::newRow("below the floor") << 0.5 << true << true;
    }

    void fitsTheBox()
    {
        QFETCH(double, room);
        QFETCH(bool, smaller);
        QFETCH(bool, cut);
        const QString name = QStringLiteral("Serbie-et-Monténégro");
        QFont font;
        font.setPointSizeF(12);
        const int width = int(QFontMetrics(font).horizontalAdvance(name) * room);
        const fittingText::Fit fit = fittingText::fit(name, font, width);
        QCOMPARE(fit.font.pointSizeF() < font.pointSizeF(), smaller);
        QVERIFY(fit.font.pointSizeF() >= font.pointSizeF() * fittingText::floorShare - 0.01);
        QCOMPARE(fit.elided, cut);
        QCOMPARE(fit.text == name, !cut);
        QVERIFY(QFontMetrics(fit.font).horizontalAdvance(fit.text) <= width);
    }

    // The label keeps its whole text; the mouse finds it in the tooltip,
    // above the label's own.
    void aCutLabelShowsItsWholeTextInTheTooltip()
    {
        FittedLabel label(QStringLiteral("République tchèque"));
        label.setToolTip(QStringLiteral("Berlin 20h00"));
        label.resize(30, 20);
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), label.mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(&label, &help);
        QCOMPARE(QToolTip::text(), QStringLiteral("République tchèque\nBerlin 20h00"));
        QCOMPARE(label.text(), QStringLiteral("République tchèque"));
    }
};

QTEST_MAIN(TestFittingText)
#include "tst_fittingtext.moc"
