// The button bar and the panels it shows and hides, clicked as a user
// clicks them.
#include <QApplication>
#include <QCloseEvent>
#include <QTest>
#include <QTimer>

#include "gui/chart/MainWindow.h"
#include "gui/controls/Controls.h"
#include "gui/history/StatsWindow.h"
#include "gui/predictions/PredictionsWindow.h"
#include "gui/print/PrintWindow.h"
#include "support/ChartWindow.h"

namespace {

// A window that will not be closed.
template <typename W> W *opened()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<W *>(w))
            return window;
    return nullptr;
}

// Makes the window it watches refuse to close.
class Stubborn final : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Close)
            return QObject::eventFilter(watched, event);
        event->ignore();
        return true;
    }
};

struct Shown
{
    bool help;
    bool calendar;
    bool history;
    bool knockout;
};

} // namespace

Q_DECLARE_METATYPE(Shown)

class TestPanelRules final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // Each click names a control; "+FraHisto" stands for the history
    // button that another part of the window wires.
    void clicks_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<Shown>("shown");
        QTest::addColumn<int>("calendarTwips");
        const auto L = [](const char *names) {
            return QString::fromLatin1(names).split(u' ', Qt::SkipEmptyParts);
        };
        QTest::newRow("at start") << L("") << Shown{false, true, false, false} << 3690;
        QTest::newRow("help hides the calendar") << L("Command6") << Shown{true, false, false, false} << 3690;
        QTest::newRow("help closes the bracket")
            << L("Command1 Command6") << Shown{true, false, false, false} << 3690;
        QTest::newRow("help twice") << L("Command6 Command6") << Shown{false, false, false, false} << 3690;
        QTest::newRow("Retour") << L("Command6 Command2") << Shown{false, false, false, false} << 3690;
        QTest::newRow("calendar hides the help")
            << L("Command6 Command15") << Shown{false, true, false, false} << 3690;
        QTest::newRow("calendar twice")
            << L("Image11 Command15 Command15") << Shown{false, false, false, false} << 3690;
        QTest::newRow("calendar hides the history")
            << L("Image11 +FraHisto Command15") << Shown{false, true, false, false} << 3690;
        QTest::newRow("short over the bracket")
            << L("Image11 Command1 Command15") << Shown{false, true, false, true} << 1590;
        QTest::newRow("tall again without it")
            << L("Command1 Command1") << Shown{false, true, false, false} << 3690;
        QTest::newRow("the bracket closes the help")
            << L("Command6 Command1") << Shown{false, false, false, true} << 1590;
        QTest::newRow("a click on the calendar") << L("Frame18") << Shown{false, false, false, false} << 3690;
    }

    void clicks()
    {
        QFETCH(QStringList, clicks);
        QFETCH(Shown, shown);
        QFETCH(int, calendarTwips);
        ChartWindow w;
        QVERIFY(w.start());
        for (const QString &name : clicks) {
            if (name.startsWith(u'+'))
                w.control(name.mid(1))->show();
            else
                QVERIFY2(w.click(name), qPrintable(name));
        }
        QCOMPARE(w.control(QStringLiteral("Fraide"))->isVisible(), shown.help);
        QCOMPARE(w.control(QStringLiteral("Frame18"))->isVisible(), shown.calendar);
        QCOMPARE(w.control(QStringLiteral("FraHisto"))->isVisible(), shown.history);
        QCOMPARE(w.control(QStringLiteral("Frame9"))->isVisible(), shown.knockout);
        QCOMPARE(w.control(QStringLiteral("Frame18"))->height(), px(calendarTwips));
    }

    void escapeClosesWhatIsOpen_data()
    {
        QTest::addColumn<QStringList>("open");
        QTest::addColumn<int>("presses");
        QTest::newRow("help") << QStringList{QStringLiteral("Fraide")} << 1;
        QTest::newRow("calendar") << QStringList{QStringLiteral("Frame18")} << 1;
        QTest::newRow("editor") << QStringList{QStringLiteral("Frame20")} << 1;
        QTest::newRow("editor and calendar, one a press")
            << QStringList{QStringLiteral("Frame20"), QStringLiteral("Frame18")} << 2;
    }

    void escapeClosesWhatIsOpen()
    {
        QFETCH(QStringList, open);
        QFETCH(int, presses);
        ChartWindow w;
        QVERIFY(w.start());
        for (const char *panel : {"Fraide", "Frame18", "Frame20"})
            w.control(QString::fromLatin1(panel))->hide();
        for (const QString &panel : open)
            w.control(panel)->show();
        for (int i = 0; i < presses; ++i)
            QTest::keyClick(w.control(QStringLiteral("Command3")), Qt::Key_Escape);
        for (const QString &panel : open)
            QVERIFY2(w.control(panel)->isHidden(), qPrintable(panel));
    }

    // Escape in an open list is the list's: the panel stays, and the next
    // key goes to the list rather than to the first score cell.
    void escapeInAnOpenListClosesTheListAlone()
    {
        ChartWindow w;
        QVERIFY(w.start());
        const QString a1 = w.t.family(QStringLiteral("ButA")).text(0);
        // The release goes to the list that the press opened.
        QTest::mousePress(w.control(QStringLiteral("Combo3")), Qt::LeftButton);
        QVERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!QApplication::activePopupWidget());
        QVERIFY(w.control(QStringLiteral("Frame18"))->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_3);
        QCOMPARE(w.t.family(QStringLiteral("ButA")).text(0), a1);
    }

    // The calendar hides itself once after start-up; asked for again, it
    // stays until the user closes it.
    void aCalendarAskedForOutlivesTheAutoHide()
    {
        ChartWindow w;
        QVERIFY(w.start());
        QWidget *calendar = w.control(QStringLiteral("Frame18"));
        auto *timer = calendar->findChild<QTimer *>(QStringLiteral("Timer1"));
        QVERIFY(timer->isActive());
        QVERIFY(w.click(QStringLiteral("Image11")));
        QVERIFY(w.click(QStringLiteral("Command15")));
        QVERIFY(calendar->isVisible());
        QVERIFY(!timer->isActive());
    }

    // "Quitter" closes the print and statistics windows with the main one,
    // each whatever the others do; one already gone is no trouble.
    void quitterClosesTheCompanionWindows()
    {
        ChartWindow w;
        QVERIFY(w.start());
        auto *window = qobject_cast<MainWindow *>(w.control(QStringLiteral("Fraide"))->window());
        for (const char *opener : {"Command13", "Command21", "Command22"})
            QVERIFY(w.click(QString::fromLatin1(opener)));
        auto *print = opened<PrintWindow>();
        auto *predictions = opened<PredictionsWindow>();
        Stubborn stubborn;
        predictions->installEventFilter(&stubborn);
        delete opened<StatsWindow>();
        QVERIFY(print->isVisible() && predictions->isVisible());
        QVERIFY(w.click(QStringLiteral("Command5")));
        QVERIFY(predictions->isVisible());
        QVERIFY(!print->isVisible());
        QVERIFY(!window->isVisible());
    }
};

QTEST_MAIN(TestPanelRules)
#include "tst_panelrules.moc"
