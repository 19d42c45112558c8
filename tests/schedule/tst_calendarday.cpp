#include "schedule/CalendarDay.h"

#include <QTest>

#include "tournament/Tournament.h"

namespace {

const QString day = QStringLiteral("11/06");

MatchNote noteOn(const QString &date, const QString &kickOff, const QString &broadcaster = QStringLiteral("TF1"))
{
    return QStringLiteral("Soccer City (Johannesburg) ") + broadcaster + u' ' + date + QStringLiteral("/10 ") +
           kickOff;
}

QStringList rowTexts(const CalendarDay &d)
{
    QStringList texts;
    for (const CalendarDay::Row &row : d.rows)
        texts << row.text;
    return texts;
}

} // namespace

class TestCalendarDay final : public QObject
{
    Q_OBJECT

private slots:
    void rowsByMatchCount_data();
    void rowsByMatchCount();
    void dayWithoutMatch();
    void sameKickOffOrderedByWholeLine();
    void linesOrderedByKickOff();
    void rowLogo_data();
    void rowLogo();
    void dateKey_data();
    void dateKey();
    void teamsAreTheLabelsOfTheRound_data();
    void teamsAreTheLabelsOfTheRound();
};

void TestCalendarDay::rowsByMatchCount_data()
{
    QTest::addColumn<int>("matches");
    QTest::addColumn<QStringList>("rows");

    const QString m0 = QStringLiteral("10h00 T0 Vs T1");
    const QString m1 = QStringLiteral("11h00 T2 Vs T3");
    const QString m2 = QStringLiteral("12h00 T4 Vs T5");
    const QString m3 = QStringLiteral("13h00 T6 Vs T7");
    const QString none;
    QTest::newRow("one match sits in the third row") << 1 << QStringList{none, none, m0, none};
    QTest::newRow("two matches from the second row") << 2 << QStringList{none, m0, m1, none};
    QTest::newRow("three matches fill rows 1 to 3") << 3 << QStringList{none, m0, m1, m2};
    QTest::newRow("four matches fill every row") << 4 << QStringList{m0, m1, m2, m3};
    QTest::newRow("five matches fill no row") << 5 << QStringList{none, none, none, none};
    QTest::newRow("six matches fill no row") << 6 << QStringList{none, none, none, none};
}

void TestCalendarDay::rowsByMatchCount()
{
    QFETCH(int, matches);
    QFETCH(QStringList, rows);

    Tournament t;
    CellFamily &labels = *t.group(GroupId::A).label;
    for (int i = 0; i < 12; ++i)
        t.setText(labels, i, QStringLiteral("T%1").arg(i));
    ScheduleIndex index;
    for (int m = 0; m < 6; ++m)
        index.append({RoundCode::A, 2 * m,
                      noteOn(m < matches ? day : QStringLiteral("12/06"), QStringLiteral("%1h00").arg(10 + m))});

    const CalendarDay d = calendarDay(t, index, day);
    QCOMPARE(d.lines.size(), matches);
    QCOMPARE(rowTexts(d), rows);
    for (const CalendarDay::Row &row : d.rows) {
        QVERIFY(!row.centred);
        QCOMPARE(row.logo.has_value(), !row.text.isEmpty());
    }
}

void TestCalendarDay::dayWithoutMatch()
{
    Tournament t;
    t.messages().set(7, QStringLiteral("Pas de match"));
    t.messages().set(8, QStringLiteral("ce jour"));
    const ScheduleIndex index{{RoundCode::A, 0, noteOn(QStringLiteral("12/06"), QStringLiteral("16h00"))}};

    CalendarDay d = calendarDay(t, index, day);
    QVERIFY(d.lines.isEmpty());
    QCOMPARE(rowTexts(d), (QStringList{QString(), QStringLiteral("Pas de match"), QStringLiteral("ce jour"),
                                       QStringLiteral("!!!")}));
    for (const CalendarDay::Row &row : d.rows) {
        QVERIFY(row.centred);
        QVERIFY(!row.logo);
    }

    // The texts are those of the language in force when the day is shown.
    t.messages().set(7, QStringLiteral("No match"));
    d = calendarDay(t, index, day);
    QCOMPARE(d.rows[1].text, QStringLiteral("No match"));
}

void TestCalendarDay::sameKickOffOrderedByWholeLine()
{
    Tournament t;
    t.setText(*t.group(GroupId::A).label, 0, QStringLiteral("Uruguay"));
    t.setText(*t.group(GroupId::A).label, 1, QStringLiteral("France"));
    t.setText(*t.group(GroupId::B).label, 0, QStringLiteral("Argentine"));
    t.setText(*t.group(GroupId::B).label, 1, QStringLiteral("Nigeria"));
    const ScheduleIndex index{{RoundCode::A, 0, noteOn(day, QStringLiteral("16h00"))},
                              {RoundCode::B, 0, noteOn(day, QStringLiteral("16h00"), QStringLiteral("F2"))}};

    const CalendarDay d = calendarDay(t, index, day);
    QCOMPARE(d.lines, (QStringList{QStringLiteral("16h00 Argentine Vs Nigeria2"),
                                   QStringLiteral("16h00 Uruguay Vs France1")}));
    QCOMPARE(d.rows[1].text, QStringLiteral("16h00 Argentine Vs Nigeria"));
    QCOMPARE(d.rows[1].logo, std::optional<int>(2));
    QCOMPARE(d.rows[2].text, QStringLiteral("16h00 Uruguay Vs France"));
    QCOMPARE(d.rows[2].logo, std::optional<int>(1));
}

void TestCalendarDay::linesOrderedByKickOff()
{
    Tournament t;
    const ScheduleIndex index{{RoundCode::H, 10, noteOn(day, QStringLiteral("20h30"))},
                              {RoundCode::C, 4, noteOn(day, QStringLiteral("13h30"))},
                              {RoundCode::E, 2, noteOn(day, QStringLiteral("16h00"))}};
    t.setText(*t.group(GroupId::H).label, 10, QStringLiteral("Chili"));
    t.setText(*t.group(GroupId::C).label, 4, QStringLiteral("Angleterre"));
    t.setText(*t.group(GroupId::E).label, 2, QStringLiteral("Japon"));

    const CalendarDay d = calendarDay(t, index, day);
    QCOMPARE(rowTexts(d), (QStringList{QString(), QStringLiteral("13h30 Angleterre Vs "),
                                       QStringLiteral("16h00 Japon Vs "), QStringLiteral("20h30 Chili Vs ")}));
}

void TestCalendarDay::rowLogo_data()
{
    QTest::addColumn<QString>("broadcaster");
    QTest::addColumn<int>("logo");

    QTest::newRow("TF1 with C+ shows C+") << QStringLiteral("TF1 C+") << 0;
    QTest::newRow("no broadcaster shows C+") << QStringLiteral("-") << 0;
    QTest::newRow("TF1") << QStringLiteral("TF1") << 1;
    QTest::newRow("F2") << QStringLiteral("F2") << 2;
    QTest::newRow("F3") << QStringLiteral("F3") << 3;
}

void TestCalendarDay::rowLogo()
{
    QFETCH(QString, broadcaster);
    QFETCH(int, logo);
    Tournament t;
    const ScheduleIndex index{{RoundCode::A, 0, noteOn(day, QStringLiteral("16h00"), broadcaster)}};
    const CalendarDay d = calendarDay(t, index, day);
    QCOMPARE(d.rows[2].logo.value_or(-1), logo);
}

void TestCalendarDay::dateKey_data()
{
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("listed");

    QTest::newRow("block of exactly 14 characters") << QStringLiteral("11/06/10 16h00") << day << true;
    QTest::newRow("other day") << QStringLiteral("Durban 12/06/10 16h00") << day << false;
    QTest::newRow("same day, other month") << QStringLiteral("Durban 11/07/10 16h00") << day << false;
    QTest::newRow("four-digit year lengthens the block")
        << QStringLiteral("Durban 11/06/2010 16h00") << day << false;
    QTest::newRow("note shorter than the block") << QStringLiteral("11/06 16h00") << day << false;
    QTest::newRow("empty note") << QString() << day << false;
    QTest::newRow("date elsewhere in the note") << QStringLiteral("11/06 puis 12/06/10 16h00") << day << false;
    QTest::newRow("key cut short") << QStringLiteral("Durban 11/06/10 16h00") << QStringLiteral("11/0") << false;
    QTest::newRow("impossible date") << QStringLiteral("Durban 11/06/10 16h00") << QStringLiteral("31/02")
                                     << false;
}

void TestCalendarDay::dateKey()
{
    QFETCH(QString, note);
    QFETCH(QString, key);
    QFETCH(bool, listed);
    Tournament t;
    const ScheduleIndex index{{RoundCode::A, 0, note}};
    QCOMPARE(calendarDay(t, index, key).lines.size(), listed ? 1 : 0);
}

void TestCalendarDay::teamsAreTheLabelsOfTheRound_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("firstLabel");
    QTest::addColumn<QString>("family");

    QTest::newRow("key 0 is group A, lm 0 and 1") << int(RoundCode::A) << 0 << QStringLiteral("lm");
    QTest::newRow("group E") << int(RoundCode::E) << 8 << QStringLiteral("lme");
    QTest::newRow("group G") << int(RoundCode::G) << 10 << QStringLiteral("lmG");
    QTest::newRow("round of 16") << int(RoundCode::V) << 14 << QStringLiteral("Huit");
    QTest::newRow("quarter-final") << int(RoundCode::W) << 6 << QStringLiteral("Qua");
    QTest::newRow("semi-final") << int(RoundCode::X) << 2 << QStringLiteral("DEM");
    QTest::newRow("third place") << int(RoundCode::Y) << 0 << QStringLiteral("pf");
    QTest::newRow("final") << int(RoundCode::Z) << 0 << QStringLiteral("FIN");
}

void TestCalendarDay::teamsAreTheLabelsOfTheRound()
{
    QFETCH(int, code);
    QFETCH(int, firstLabel);
    QFETCH(QString, family);

    Tournament t;
    CellFamily &labels = t.family(family);
    t.setText(labels, firstLabel, QStringLiteral("Espagne"));
    t.setText(labels, firstLabel + 1, QStringLiteral("Pays-Bas"));
    const ScheduleIndex index{{RoundCode(code), firstLabel, noteOn(day, QStringLiteral("20h30"))}};

    QCOMPARE(calendarDay(t, index, day).rows[2].text, QStringLiteral("20h30 Espagne Vs Pays-Bas"));
    // Rows show the labels as they stand when the day is picked.
    t.setText(labels, firstLabel, QStringLiteral("Allemagne"));
    QCOMPARE(calendarDay(t, index, day).rows[2].text, QStringLiteral("20h30 Allemagne Vs Pays-Bas"));
}

QTEST_GUILESS_MAIN(TestCalendarDay)
#include "tst_calendarday.moc"
