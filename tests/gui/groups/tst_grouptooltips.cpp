// The group page explains itself: the tooltip of a team row says why the
// team stands there, and the strip beside a team of an unfinished group
// shows what it needs, following every typed score.
#include <QHelpEvent>
#include <QLocale>
#include <QTest>

#include "gui/groups/NeedsMarker.h"
#include "i18n/ControlTarget.h"
#include "i18n/LanguageFile.h"
#include "support/ChartWindow.h"
#include "support/FillGroups.h"

namespace {

// The explanations come from the messages alone.
struct MessagesOnly final : ControlTarget
{
    void applyControlLine(const QString &, std::optional<int>, const QString &, const QString &,
                          const QString &) override
    {}
};

bool applyLanguage(ChartWindow &chart, const QString &fileName)
{
    MessagesOnly controls;
    return LoadLanguageFile(QStringLiteral(":/shipped/") + fileName, chart.t.messages(), controls)
           == LanguageFileStatus::Applied;
}

// What the window shows when the mouse rests on w.
QString toolTipOf(QWidget *w)
{
    QHelpEvent event(QEvent::ToolTip, QPoint(1, 1), w->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(w, &event);
    return w->toolTip();
}

NeedsMarker *markerOf(const ChartWindow &chart, int slot)
{
    QWidget *team = chart.control(QStringLiteral("A"), slot);
    return team ? team->findChild<NeedsMarker *>() : nullptr;
}

// Group A of 2010 before its last matchday: Uruguay and Mexico on four
// points, France and South Africa on one.
bool startBeforeTheLastMatchday(ChartWindow &chart)
{
    const QStringList names{QStringLiteral("Afrique du Sud"), QStringLiteral("Mexique"), QStringLiteral("Uruguay"),
                            QStringLiteral("France")};
    for (int slot = 1; slot <= 4; ++slot)
        chart.t.setText(*chart.t.group(GroupId::A).team, slot, names[slot - 1]);
    if (!chart.start() || !applyLanguage(chart, QStringLiteral("langFr.txt")))
        return false;
    fillGroup(chart.t, GroupId::A, groupScores("1:1 0:0 0:3 0:2 -:- -:-"));
    return true;
}

} // namespace

class TestGroupToolTips final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(resources); // the resources live in a static library
        QLocale::setDefault(QLocale::c());
    }

    void teamRowSaysWhyItStandsThere_data();
    void teamRowSaysWhyItStandsThere();
    void needsFollowTheTypedScores();
};

void TestGroupToolTips::teamRowSaysWhyItStandsThere_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("toolTip");

    QTest::newRow("first, on goal difference")
        << "A" << 3 << "Devant : Mexique\nDifférence de buts : +3 contre +2";
    QTest::newRow("second, on points") << "A" << 2 << "Devant : France\nPoints : 4 contre 1";
    QTest::newRow("last, behind the third") << "A" << 1 << "Derrière : France\nDifférence de buts : -3 contre -2";
    QTest::newRow("nothing played, in slot order")
        << "B" << 3 << "Devant : B4\nRien ne les sépare (ordre du groupe)";
}

void TestGroupToolTips::teamRowSaysWhyItStandsThere()
{
    QFETCH(QString, group);
    QFETCH(int, slot);
    QFETCH(QString, toolTip);

    ChartWindow chart;
    QVERIFY(startBeforeTheLastMatchday(chart));
    QCOMPARE(toolTipOf(chart.control(group, slot)), toolTip);
}

// The strips of an unfinished group tell what each team needs, in the
// language shown; the last score of the group takes them away.
void TestGroupToolTips::needsFollowTheTypedScores()
{
    ChartWindow chart;
    QVERIFY(startBeforeTheLastMatchday(chart));
    QVERIFY(markerOf(chart, 4) && markerOf(chart, 4)->isVisible());
    QCOMPARE(toolTipOf(markerOf(chart, 4)),
             QStringLiteral("Une victoire : dépend de l'autre match\nUn nul ne suffit pas\nUne défaite élimine"));

    // France 1-2 South Africa: Mexico's loss would leave it level with
    // South Africa on points.
    QVERIFY(chart.type(QStringLiteral("ButA"), 8, QStringLiteral("1")));
    QVERIFY(chart.type(QStringLiteral("ButA"), 9, QStringLiteral("2")));
    QCOMPARE(toolTipOf(markerOf(chart, 2)),
             QStringLiteral("Une victoire suffit\nUn nul suffit\nUne défaite : dépend des buts"));
    QCOMPARE(toolTipOf(markerOf(chart, 4)), QStringLiteral("Plus aucune chance de qualification"));

    QVERIFY(applyLanguage(chart, QStringLiteral("langEn.txt")));
    QCOMPARE(toolTipOf(markerOf(chart, 2)),
             QStringLiteral("A win is enough\nA draw is enough\nA loss: depends on goals"));
    QCOMPARE(toolTipOf(chart.control(QStringLiteral("A"), 4)),
             QStringLiteral("Behind South Africa\nPoints: 1 to 4"));

    QVERIFY(chart.type(QStringLiteral("ButA"), 10, QStringLiteral("0")));
    QVERIFY(chart.type(QStringLiteral("ButA"), 11, QStringLiteral("1")));
    for (int slot = 1; slot <= 4; ++slot)
        QVERIFY(!markerOf(chart, slot)->isVisible());
}

QTEST_MAIN(TestGroupToolTips)
#include "tst_grouptooltips.moc"
