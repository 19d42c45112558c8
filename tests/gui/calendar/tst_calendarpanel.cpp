#include "gui/calendar/CalendarPanel.h"

#include <memory>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include "gui/pictures/Pictures.h"
#include "support/FindControl.h"
#include "tournament/Tournament.h"

namespace {

MatchNote note(const QString &date, const QString &kickOff, const QString &broadcaster = QStringLiteral("TF1"))
{
    return QStringLiteral("Soccer City (Johannesburg) ") + broadcaster + u' ' + date + QStringLiteral("/10 ") +
           kickOff;
}

// Clicks where the user would, so that whatever lies on top takes the click.
void clickWindowAt(QWidget *w, const QPoint &local)
{
    QWidget *top = w->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, w->mapTo(top, local));
}

} // namespace

class TestCalendarPanel final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void pickersStartWithNothingPicked();
    void todayShowsTodaysMatches();
    void keyInDayPickerMovesToNextDay();
    void dayWithoutMatchIsCentred();
    void teamNamesAreReadWhenAPickerChanges();
    void rowLogoIsTheCalendarsChoice();
    void newScheduleWaitsForThePickers();
    void autoHideOnNinthTick();
    void autoHideByTheRunningTimer();
    void focusGivenByTheOpeningWindowKeepsTheTimer();
    void reachingForAPickerKeepsThePanel_data();
    void reachingForAPickerKeepsThePanel();
    void clicksThatHide_data();
    void clicksThatHide();

private:
    QLabel *row(int k) const { return findControl<QLabel>(*m_window, QStringLiteral("LabCAL"), k); }
    QLabel *logo(int k) const { return findControl<QLabel>(*m_window, QStringLiteral("RepIm"), k); }
    QComboBox *picker(const QString &name) const { return findControl<QComboBox>(*m_window, name); }
    QTimer *timer() const { return m_panel->findChild<QTimer *>(QStringLiteral("Timer1")); }

    std::unique_ptr<Tournament> m_t;
    std::unique_ptr<QWidget> m_window;
    CalendarPanel *m_panel = nullptr;
};

void TestCalendarPanel::init()
{
    m_t = std::make_unique<Tournament>();
    m_window = std::make_unique<QWidget>();
    m_window->resize(1176, 760);
    m_panel = new CalendarPanel(*m_t, m_window.get());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestCalendarPanel::cleanup()
{
    m_window.reset();
    m_t.reset();
}

void TestCalendarPanel::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("geometry"); // pixels, relative to the panel

    QTest::newRow("caption") << QStringLiteral("Label14") << -1 << QRect(24, 13, 136, 24);
    QTest::newRow("day picker") << QStringLiteral("Combo3") << -1 << QRect(164, 13, 39, 24);
    QTest::newRow("month picker") << QStringLiteral("Combo4") << -1 << QRect(209, 13, 40, 24);
    QTest::newRow("row 0") << QStringLiteral("LabCAL") << 0 << QRect(34, 34, 239, 18);
    QTest::newRow("row 3") << QStringLiteral("LabCAL") << 3 << QRect(34, 87, 239, 18);
    QTest::newRow("logo 1") << QStringLiteral("RepIm") << 1 << QRect(7, 52, 25, 18);
    QTest::newRow("day list") << QStringLiteral("List2") << -1 << QRect(12, 144, 203, 50);
    QTest::newRow("frame line") << QStringLiteral("Shape4") << -1 << QRect(1, 9, 268, 233);
    QTest::newRow("close picture") << QStringLiteral("Image11") << -1 << QRect(88, 139, 94, 93);
}

void TestCalendarPanel::controls()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QWidget *control = findControl(*m_window, name, index);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(control->parentWidget(), m_panel);
    QTEST(control->geometry(), "geometry");
    QCOMPARE(m_panel->objectName(), QStringLiteral("Frame18"));
    QCOMPARE(m_panel->geometry(), QRect(892, 66, 271, 246));
}

void TestCalendarPanel::pickersStartWithNothingPicked()
{
    QComboBox *day = picker(QStringLiteral("Combo3"));
    QComboBox *month = picker(QStringLiteral("Combo4"));
    QCOMPARE(day->count(), 31);
    QCOMPARE(day->itemText(0), QStringLiteral("01"));
    QCOMPARE(day->itemText(30), QStringLiteral("31"));
    QCOMPARE(month->count(), 12);
    QCOMPARE(month->itemText(8), QStringLiteral("09"));
    QCOMPARE(day->currentText(), QString());
    QCOMPARE(month->currentText(), QString());
}

void TestCalendarPanel::todayShowsTodaysMatches()
{
    m_t->setText(*m_t->group(GroupId::A).label, 0, QStringLiteral("Afrique du Sud"));
    m_t->setText(*m_t->group(GroupId::A).label, 1, QStringLiteral("Mexique"));
    m_panel->setSchedule({{RoundCode::A, 0, note(QStringLiteral("11/06"), QStringLiteral("16h00"))},
                          {RoundCode::A, 2, note(QStringLiteral("12/06"), QStringLiteral("20h30"))}});

    m_panel->setToday(QDate(2010, 6, 11));
    QCOMPARE(picker(QStringLiteral("Combo3"))->currentText(), QStringLiteral("11"));
    QCOMPARE(picker(QStringLiteral("Combo4"))->currentText(), QStringLiteral("06"));
    QCOMPARE(row(2)->text(), QStringLiteral("16h00 Afrique du Sud Vs Mexique"));
    for (int k : {0, 1, 3}) {
        QCOMPARE(row(k)->text(), QString());
        QVERIFY(logo(k)->pixmap().isNull());
        QVERIFY(row(k)->alignment() & Qt::AlignLeft);
    }
    QVERIFY(!logo(2)->pixmap().isNull());
    auto *dayList = findControl<QListWidget>(*m_window, QStringLiteral("List2"));
    QCOMPARE(dayList->count(), 1);
    // The broadcaster shows as its logo, never as a digit after the name.
    QCOMPARE(dayList->item(0)->text(), QStringLiteral("16h00 Afrique du Sud Vs Mexique"));
    QCOMPARE(dayList->item(0)->icon().pixmap(dayList->iconSize()).toImage(),
             Pictures::broadcasterLogo(1, dayList->iconSize()).toImage());
}

void TestCalendarPanel::keyInDayPickerMovesToNextDay()
{
    m_panel->setSchedule({{RoundCode::A, 0, note(QStringLiteral("11/06"), QStringLiteral("16h00"))},
                          {RoundCode::B, 0, note(QStringLiteral("12/06"), QStringLiteral("13h30"))},
                          {RoundCode::C, 0, note(QStringLiteral("12/06"), QStringLiteral("20h30"))}});
    m_t->setText(*m_t->group(GroupId::B).label, 0, QStringLiteral("Argentine"));
    m_panel->setToday(QDate(2010, 6, 11));
    QComboBox *day = picker(QStringLiteral("Combo3"));
    day->setFocus();
    QTest::keyClick(day, Qt::Key_Down);
    QCOMPARE(day->currentText(), QStringLiteral("12"));
    QCOMPARE(row(1)->text(), QStringLiteral("13h30 Argentine Vs "));
    QCOMPARE(row(2)->text(), QStringLiteral("20h30  Vs "));
    QCOMPARE(row(3)->text(), QString());
}

void TestCalendarPanel::dayWithoutMatchIsCentred()
{
    m_t->messages().set(7, QStringLiteral("Pas de match"));
    m_t->messages().set(8, QStringLiteral("ce jour-là"));
    m_panel->setSchedule({{RoundCode::A, 0, note(QStringLiteral("11/06"), QStringLiteral("16h00"))}});
    m_panel->setToday(QDate(2010, 6, 11));
    QVERIFY(row(2)->alignment() & Qt::AlignLeft);

    QTest::keyClick(picker(QStringLiteral("Combo4")), Qt::Key_Down);
    const QStringList expected{QString(), QStringLiteral("Pas de match"), QStringLiteral("ce jour-là"),
                               QStringLiteral("!!!")};
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(row(k)->text(), expected[k]);
        QVERIFY(row(k)->alignment() & Qt::AlignHCenter);
        QVERIFY(logo(k)->pixmap().isNull());
    }

    // Back on a day with a match, the rows are left-aligned again.
    QTest::keyClick(picker(QStringLiteral("Combo4")), Qt::Key_Up);
    QVERIFY(row(1)->alignment() & Qt::AlignLeft);
    QVERIFY(row(2)->alignment() & Qt::AlignLeft);
}

void TestCalendarPanel::teamNamesAreReadWhenAPickerChanges()
{
    CellFamily &huit = m_t->family(QStringLiteral("Huit"));
    m_t->setText(huit, 4, QStringLiteral("1er C"));
    m_t->setText(huit, 5, QStringLiteral("2e D"));
    m_panel->setSchedule({{RoundCode::V, 4, note(QStringLiteral("27/06"), QStringLiteral("16h00"))}});
    m_panel->setToday(QDate(2010, 6, 27));
    QCOMPARE(row(2)->text(), QStringLiteral("16h00 1er C Vs 2e D"));

    m_t->setText(huit, 4, QStringLiteral("Allemagne"));
    QCOMPARE(row(2)->text(), QStringLiteral("16h00 1er C Vs 2e D"));
    QComboBox *day = picker(QStringLiteral("Combo3"));
    QTest::keyClick(day, Qt::Key_Down);
    QTest::keyClick(day, Qt::Key_Up);
    QCOMPARE(row(2)->text(), QStringLiteral("16h00 Allemagne Vs 2e D"));
}

void TestCalendarPanel::rowLogoIsTheCalendarsChoice()
{
    m_panel->setSchedule(
        {{RoundCode::A, 0, note(QStringLiteral("11/06"), QStringLiteral("16h00"))},
         {RoundCode::B, 0, note(QStringLiteral("11/06"), QStringLiteral("20h30"), QStringLiteral("TF1 C+"))}});
    m_panel->setToday(QDate(2010, 6, 11));
    const QSize size = logo(1)->size();
    QCOMPARE(logo(1)->pixmap().toImage(), Pictures::broadcasterLogo(1, size).toImage());
    QCOMPARE(logo(2)->pixmap().toImage(), Pictures::broadcasterLogo(0, size).toImage());
}

void TestCalendarPanel::newScheduleWaitsForThePickers()
{
    m_panel->setSchedule({{RoundCode::A, 0, note(QStringLiteral("11/06"), QStringLiteral("16h00"))}});
    m_panel->setToday(QDate(2010, 6, 11));
    m_panel->setSchedule({{RoundCode::A, 0, note(QStringLiteral("11/06"), QStringLiteral("16h00"))},
                          {RoundCode::H, 0, note(QStringLiteral("11/06"), QStringLiteral("20h30"))}});
    QCOMPARE(row(1)->text(), QString());
    QTest::keyClick(picker(QStringLiteral("Combo3")), Qt::Key_Down);
    QTest::keyClick(picker(QStringLiteral("Combo3")), Qt::Key_Up);
    QCOMPARE(row(1)->text(), QStringLiteral("16h00  Vs "));
    QCOMPARE(row(2)->text(), QStringLiteral("20h30  Vs "));
}

void TestCalendarPanel::autoHideOnNinthTick()
{
    QVERIFY(timer()->isActive());
    QCOMPARE(timer()->interval(), 800);
    for (int tick = 1; tick <= 8; ++tick) {
        m_panel->CalendarAutoHide();
        QVERIFY2(m_panel->isVisible(), qPrintable(QString::number(tick)));
    }
    m_panel->CalendarAutoHide();
    QVERIFY(m_panel->isHidden());
    QVERIFY(!timer()->isActive());
    QCOMPARE(timer()->property("tag").toString(), QStringLiteral("9"));
}

void TestCalendarPanel::autoHideByTheRunningTimer()
{
    timer()->setInterval(5);
    QTRY_VERIFY_WITH_TIMEOUT(m_panel->isHidden(), 2000);
    QVERIFY(!timer()->isActive());
}

void TestCalendarPanel::focusGivenByTheOpeningWindowKeepsTheTimer()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QCOMPARE(QApplication::focusWidget(), picker(QStringLiteral("Combo3")));
    QVERIFY(timer()->isActive());
}

void TestCalendarPanel::reachingForAPickerKeepsThePanel_data()
{
    QTest::addColumn<QString>("picker");
    QTest::addColumn<bool>("click");

    QTest::newRow("click into the day picker") << QStringLiteral("Combo3") << true;
    QTest::newRow("click into the month picker") << QStringLiteral("Combo4") << true;
    QTest::newRow("key in the day picker") << QStringLiteral("Combo3") << false;
    QTest::newRow("key in the month picker") << QStringLiteral("Combo4") << false;
}

void TestCalendarPanel::reachingForAPickerKeepsThePanel()
{
    QFETCH(QString, picker);
    QFETCH(bool, click);
    QComboBox *combo = this->picker(picker);
    // Some ticks have passed already.
    m_panel->CalendarAutoHide();
    m_panel->CalendarAutoHide();
    if (click) {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::mouseClick(combo, Qt::LeftButton);
        combo->hidePopup();
    } else {
        QTest::keyClick(combo, Qt::Key_Down);
    }
    QVERIFY(!timer()->isActive());
    timer()->setInterval(5);
    QTest::qWait(100);
    QVERIFY(m_panel->isVisible());
}

void TestCalendarPanel::clicksThatHide_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QPoint>("at"); // inside that control
    QTest::addColumn<bool>("hides");

    QTest::newRow("close picture below the day list") << QStringLiteral("Image11") << -1 << QPoint(47, 80) << true;
    QTest::newRow("close picture under the day list")
        << QStringLiteral("Image11") << -1 << QPoint(47, 30) << false;
    QTest::newRow("the panel itself") << QStringLiteral("Frame18") << -1 << QPoint(250, 200) << true;
    QTest::newRow("inside the frame line") << QStringLiteral("Shape4") << -1 << QPoint(260, 120) << true;
    QTest::newRow("a calendar row") << QStringLiteral("LabCAL") << 1 << QPoint(100, 9) << false;
    QTest::newRow("a logo") << QStringLiteral("RepIm") << 2 << QPoint(10, 9) << false;
    QTest::newRow("the caption") << QStringLiteral("Label14") << -1 << QPoint(20, 14) << false;
}

void TestCalendarPanel::clicksThatHide()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QPoint, at);
    QFETCH(bool, hides);
    QWidget *target = name == QStringLiteral("Frame18") ? m_panel : findControl(*m_window, name, index);
    QVERIFY(target);
    timer()->stop();
    clickWindowAt(target, at);
    QCOMPARE(m_panel->isHidden(), hides);
}

QTEST_MAIN(TestCalendarPanel)
#include "tst_calendarpanel.moc"
