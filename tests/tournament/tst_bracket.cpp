#include <QLocale>
#include <QTest>

#include "support/FillGroups.h"
#include "support/Words.h"
#include "tournament/Knockout.h"
#include "tournament/NumericValue.h"
#include "tournament/RefreshAll.h"
#include "tournament/Tournament.h"

namespace {

constexpr Rgb green = rgb(0, 128, 0);
constexpr Rgb white = rgb(255, 255, 255);
constexpr Rgb black = rgb(0, 0, 0);

const QString goalsWord = QStringLiteral("buts");

// A ready chart whose groups all ended in slot order, so that the round of
// 16 reads A1 B2 C1 D2 B1 A2 D1 C2 E1 F2 G1 H2 F1 E2 H1 G2.
void startSeededChart(Tournament &t, const QString &chartName = QStringLiteral("VYL2010"))
{
    t.setChartName(chartName);
    t.messages().set(10, goalsWord);
    nameTeamsByGroupAndSlot(t);
    t.setReady(true);
    RefreshAll(t);
    completeAllGroupsInSlotOrder(t);
}

// Types "left:right" goals, then penalties, into the two sides of match k
// of a round, as the user would.
void play(Tournament &t, Round r, int k, const char *goals, const char *penalties = "-:-")
{
    const RoundCells &round = t.round(r);
    const QStringList g = QString::fromUtf8(goals).split(u':');
    const QStringList p = QString::fromUtf8(penalties).split(u':');
    for (int side = 0; side < 2; ++side) {
        t.setText(*round.goals, 2 * k + side, g.at(side));
        t.setText(*round.penalties, 2 * k + side, p.at(side));
    }
}

// The left side wins every match up to the semi-finals 1-0, which sends
// A1 and B1 to the final and E1 and F1 to the match for third place.
void playLeftWinsToTheSemiFinals(Tournament &t)
{
    for (int k = 0; k < 8; ++k)
        play(t, Round::RoundOf16, k, "1:0");
    for (int k = 0; k < 4; ++k)
        play(t, Round::QuarterFinals, k, "1:0");
    for (int k = 0; k < 2; ++k)
        play(t, Round::SemiFinals, k, "1:0");
}

void playWholeBracket(Tournament &t)
{
    playLeftWinsToTheSemiFinals(t);
    play(t, Round::Final, 0, "1:0");
    play(t, Round::ThirdPlace, 0, "1:0");
}

QStringList podium(const Tournament &t)
{
    QStringList places;
    for (int place = 1; place <= 4; ++place)
        places << t.podium().text(place);
    return places;
}

// The side of match k in winner colours (0 or 1), -1 when both are neutral;
// -2 for a cell in neither colouring and -3 for two winners, which no
// expectation uses.
int greenSide(const CellFamily &team, int k)
{
    int side = -1;
    for (int s : {0, 1}) {
        const Cell &cell = team[2 * k + s];
        const bool winner = cell.background == green && cell.textColour == white;
        const bool neutral = cell.background == white && cell.textColour == black;
        if (!winner && !neutral)
            return -2;
        if (winner)
            side = side == -1 ? s : -3;
    }
    return side;
}

QString caption(const Tournament &t, const char *family)
{
    return t.findFamily(QString::fromUtf8(family))->text(0);
}

} // namespace

class TestBracket final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void roundOf16Match_data();
    void roundOf16Match();
    void knockoutCellCleaning_data();
    void knockoutCellCleaning();
    void destinations_data();
    void destinations();
    void semiFinal_data();
    void semiFinal();
    void podium_data();
    void podium();
    void correctionsClearWhatTheyFed_data();
    void correctionsClearWhatTheyFed();
    void scoreAgainstUnknownTeamDecidesNothing_data();
    void scoreAgainstUnknownTeamDecidesNothing();
    void goalTotal_data();
    void goalTotal();
    void goalTotalColoursGroupScores();
    void editRerunsItsStep_data();
    void editRerunsItsStep();
    void shootOutOutOfPlace_data();
    void shootOutOutOfPlace();
};

void TestBracket::roundOf16Match_data()
{
    QTest::addColumn<QByteArray>("goals");
    QTest::addColumn<QByteArray>("penalties");
    QTest::addColumn<QString>("quarterFinal");
    QTest::addColumn<int>("winnerSide");
    QTest::addColumn<QStringList>("toolTips");

    QTest::newRow("1-1, penalties 4-3: left on")
        << QByteArray("1:1") << QByteArray("4:3") << QStringLiteral("A1") << 0 << words("5 4");
    QTest::newRow("2-1, penalties 0-3 typed: right on")
        << QByteArray("2:1") << QByteArray("0:3") << QStringLiteral("B2") << 1 << words("2 4");
    QTest::newRow("1-1 without penalties: undecided")
        << QByteArray("1:1") << QByteArray("-:-") << QStringLiteral("-") << -1 << words("1 1");
    QTest::newRow("2 against unplayed: undecided")
        << QByteArray("2:-") << QByteArray("-:-") << QStringLiteral("-") << -1 << words("2 0");
    QTest::newRow("penalties without goals: undecided")
        << QByteArray("-:-") << QByteArray("3:0") << QStringLiteral("-") << -1 << words("0 0");
    QTest::newRow("emptied goal cell is a played 0")
        << QByteArray(":1") << QByteArray("-:-") << QStringLiteral("B2") << 1 << words("0 1");
    QTest::newRow("penalty on one side only")
        << QByteArray("1:1") << QByteArray("1:-") << QStringLiteral("A1") << 0 << words("2 1");
    QTest::newRow("decimal goals") << QByteArray("2.5:2") << QByteArray("-:-") << QStringLiteral("A1") << 0
                                   << words("2.5 2");
    QTest::newRow("letters count 0") << QByteArray("x:1") << QByteArray("-:-") << QStringLiteral("B2") << 1
                                     << words("0 1");
}

void TestBracket::roundOf16Match()
{
    QFETCH(QByteArray, goals);
    QFETCH(QByteArray, penalties);
    QFETCH(QString, quarterFinal);
    QFETCH(int, winnerSide);
    QFETCH(QStringList, toolTips);

    Tournament t;
    startSeededChart(t);
    play(t, Round::RoundOf16, 0, goals.constData(), penalties.constData());

    const RoundCells &r16 = t.round(Round::RoundOf16);
    QCOMPARE(t.round(Round::QuarterFinals).team->text(0), quarterFinal);
    QCOMPARE(greenSide(*r16.team, 0), winnerSide);
    QCOMPARE((*r16.goals)[0].toolTip, toolTips.at(0));
    QCOMPARE((*r16.goals)[1].toolTip, toolTips.at(1));
    QCOMPARE((*r16.goals)[2].toolTip, QStringLiteral("0"));
}

void TestBracket::knockoutCellCleaning_data()
{
    QTest::addColumn<bool>("ready");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("quarterFinal");

    QTest::newRow("digit after the dash")
        << true << QStringLiteral("-3") << QStringLiteral("3") << QStringLiteral("A1");
    QTest::newRow("digit before the dash")
        << true << QStringLiteral("3-") << QStringLiteral("3") << QStringLiteral("A1");
    QTest::newRow("two dashes: a played 0") << true << QStringLiteral("--") << QString() << QStringLiteral("-");
    QTest::newRow("dash alone: not played")
        << true << QStringLiteral("-") << QStringLiteral("-") << QStringLiteral("-");
    QTest::newRow("while loading: cleaned, no bracket step")
        << false << QStringLiteral("-3") << QStringLiteral("3") << QStringLiteral("-");
}

void TestBracket::knockoutCellCleaning()
{
    QFETCH(bool, ready);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, quarterFinal);

    Tournament t;
    startSeededChart(t);
    const RoundCells &r16 = t.round(Round::RoundOf16);
    t.setText(*r16.goals, 1, QStringLiteral("0"));
    t.setText(*r16.goals, 0, QStringLiteral("5"));
    t.setText(*r16.goals, 0, QStringLiteral("-"));
    t.setReady(ready);

    t.setText(*r16.goals, 0, typed);
    QCOMPARE(r16.goals->text(0), shown);
    QCOMPARE(t.round(Round::QuarterFinals).team->text(0), quarterFinal);
}

void TestBracket::destinations_data()
{
    QTest::addColumn<QString>("chartName");
    QTest::addColumn<Round>("round");
    QTest::addColumn<int>("match");
    QTest::addColumn<int>("destination");

    const std::array<int, 8> standard16{0, 1, 4, 5, 2, 3, 6, 7};
    const std::array<int, 8> of1998{3, 0, 1, 2, 4, 7, 6, 5};
    for (const char *chart : {"VYL2010", "VYL2002", "VYL1998"}) {
        const bool is1998 = qstrcmp(chart, "VYL1998") == 0;
        for (int k = 0; k < 8; ++k)
            QTest::addRow("%s round of 16, match %d", chart, k)
                << QString::fromUtf8(chart) << Round::RoundOf16 << k << (is1998 ? of1998 : standard16)[std::size_t(k)];
    }

    const std::array<std::pair<const char *, std::array<int, 4>>, 4> quarterFinals{{
        {"VYL2010", {0, 1, 2, 3}},
        {"VYL2006", {0, 1, 2, 3}},
        {"VYL1998", {0, 3, 2, 1}},
        {"VYL2002", {0, 2, 1, 3}},
    }};
    for (const auto &[chart, table] : quarterFinals)
        for (int k = 0; k < 4; ++k)
            QTest::addRow("%s quarter-final %d", chart, k)
                << QString::fromUtf8(chart) << Round::QuarterFinals << k << table[std::size_t(k)];
}

void TestBracket::destinations()
{
    QFETCH(QString, chartName);
    QFETCH(Round, round);
    QFETCH(int, match);
    QFETCH(int, destination);

    Tournament t;
    startSeededChart(t, chartName);
    const RoundCells &from = t.round(round);
    const CellFamily &next = *t.round(Round(int(round) + 1)).team;
    // Quarter-final teams written as a past chart's load leaves them.
    if (round == Round::QuarterFinals)
        for (int side = 0; side < 8; ++side)
            t.setText(*from.team, side, QStringLiteral("Q%1").arg(side));

    play(t, round, match, "0:1");
    for (int i = next.first(); i <= next.last(); ++i)
        QCOMPARE(next.text(i), i == destination ? from.team->text(2 * match + 1) : QStringLiteral("-"));
}

void TestBracket::semiFinal_data()
{
    QTest::addColumn<QByteArray>("goals");
    QTest::addColumn<QByteArray>("penalties");
    QTest::addColumn<QString>("final");
    QTest::addColumn<QString>("thirdPlace");
    QTest::addColumn<int>("winnerSide");

    QTest::newRow("0-2: right team to the final, left to third place")
        << QByteArray("0:2") << QByteArray("-:-") << QStringLiteral("S1") << QStringLiteral("S0") << 1;
    QTest::newRow("2-0") << QByteArray("2:0") << QByteArray("-:-") << QStringLiteral("S0") << QStringLiteral("S1") << 0;
    QTest::newRow("0-0, penalties 3-5") << QByteArray("0:0") << QByteArray("3:5") << QStringLiteral("S1")
                                        << QStringLiteral("S0") << 1;
    QTest::newRow("1-1: undecided, both places unknown")
        << QByteArray("1:1") << QByteArray("-:-") << QStringLiteral("-") << QStringLiteral("-") << -1;
    QTest::newRow("1 against unplayed: undecided")
        << QByteArray("1:-") << QByteArray("-:-") << QStringLiteral("-") << QStringLiteral("-") << -1;
}

void TestBracket::semiFinal()
{
    QFETCH(QByteArray, goals);
    QFETCH(QByteArray, penalties);
    QFETCH(QString, final);
    QFETCH(QString, thirdPlace);
    QFETCH(int, winnerSide);

    Tournament t;
    startSeededChart(t);
    const RoundCells &semis = t.round(Round::SemiFinals);
    for (int side = 0; side < 4; ++side)
        t.setText(*semis.team, side, QStringLiteral("S%1").arg(side));

    play(t, Round::SemiFinals, 0, goals.constData(), penalties.constData());
    QCOMPARE(t.round(Round::Final).team->text(0), final);
    QCOMPARE(t.round(Round::ThirdPlace).team->text(0), thirdPlace);
    QCOMPARE(greenSide(*semis.team, 0), winnerSide);
    QCOMPARE(t.round(Round::Final).team->text(1), QStringLiteral("-"));
    QCOMPARE(t.round(Round::ThirdPlace).team->text(1), QStringLiteral("-"));
}

void TestBracket::podium_data()
{
    QTest::addColumn<QByteArray>("finalGoals");
    QTest::addColumn<QByteArray>("finalPenalties");
    QTest::addColumn<QByteArray>("thirdPlaceGoals");
    QTest::addColumn<QStringList>("podium");
    QTest::addColumn<int>("championSide");

    QTest::newRow("both matches won by the left")
        << QByteArray("1:0") << QByteArray("-:-") << QByteArray("2:0") << words("A1 B1 E1 F1") << 0;
    QTest::newRow("final on penalties and third place to the right")
        << QByteArray("1:1") << QByteArray("3:4") << QByteArray("0:1") << words("B1 A1 F1 E1") << 1;
    QTest::newRow("final 2 against unplayed: no champion yet")
        << QByteArray("2:-") << QByteArray("-:-") << QByteArray("1:0") << words("_ _ E1 F1") << -1;
    QTest::newRow("final drawn without penalties")
        << QByteArray("1:1") << QByteArray("-:-") << QByteArray("1:0") << words("_ _ E1 F1") << -1;
    QTest::newRow("third place 1 against unplayed")
        << QByteArray("0:2") << QByteArray("-:-") << QByteArray("1:-") << words("B1 A1 _ _") << 1;
    QTest::newRow("nothing played") << QByteArray("-:-") << QByteArray("-:-") << QByteArray("-:-") << words("_ _ _ _")
                                    << -1;
}

void TestBracket::podium()
{
    QFETCH(QByteArray, finalGoals);
    QFETCH(QByteArray, finalPenalties);
    QFETCH(QByteArray, thirdPlaceGoals);
    QFETCH(QStringList, podium);
    QFETCH(int, championSide);

    Tournament t;
    startSeededChart(t);
    playLeftWinsToTheSemiFinals(t);
    play(t, Round::Final, 0, finalGoals.constData(), finalPenalties.constData());
    play(t, Round::ThirdPlace, 0, thirdPlaceGoals.constData());

    QCOMPARE(::podium(t), podium);
    QCOMPARE(greenSide(*t.round(Round::Final).team, 0), championSide);
}

void TestBracket::correctionsClearWhatTheyFed_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Round>("undecidedRound");
    QTest::addColumn<int>("undecidedMatch");
    QTest::addColumn<QStringList>("path"); // Qua 0, DEM 0, FIN 0, pf 0
    QTest::addColumn<QStringList>("podium");

    // A match whose side is no longer known decides nothing, so undoing an
    // early result empties its whole path down to the podium.
    QTest::newRow("round-of-16 match 0 drawn") << QStringLiteral("Buthui") << 1 << QStringLiteral("1")
                                               << Round::RoundOf16 << 0 << words("- - - -") << words("_ _ _ _");
    QTest::newRow("round-of-16 match 0 typed back to -")
        << QStringLiteral("Buthui") << 0 << QStringLiteral("-") << Round::RoundOf16 << 0 << words("- - - -")
        << words("_ _ _ _");
    QTest::newRow("quarter-final 0 drawn") << QStringLiteral("ButQua") << 1 << QStringLiteral("1")
                                           << Round::QuarterFinals << 0 << words("A1 - - -") << words("_ _ _ _");
    QTest::newRow("semi-final 0 typed back to -") << QStringLiteral("ButDem") << 0 << QStringLiteral("-")
                                                  << Round::SemiFinals << 0 << words("A1 A1 - -") << words("_ _ _ _");
    QTest::newRow("final drawn") << QStringLiteral("ButFIN") << 1 << QStringLiteral("1") << Round::Final << 0
                                 << words("A1 A1 A1 E1") << words("_ _ E1 F1");
    QTest::newRow("third place typed back to -")
        << QStringLiteral("Butpetfin") << 0 << QStringLiteral("-") << Round::ThirdPlace << 0 << words("A1 A1 A1 E1")
        << words("A1 B1 _ _");
}

void TestBracket::correctionsClearWhatTheyFed()
{
    QFETCH(QString, family);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(Round, undecidedRound);
    QFETCH(int, undecidedMatch);
    QFETCH(QStringList, path);
    QFETCH(QStringList, podium);

    Tournament t;
    startSeededChart(t);
    playWholeBracket(t);
    QCOMPARE(::podium(t), words("A1 B1 E1 F1"));

    t.setText(t.family(family), index, text);
    QCOMPARE(t.round(Round::QuarterFinals).team->text(0), path.at(0));
    QCOMPARE(t.round(Round::SemiFinals).team->text(0), path.at(1));
    QCOMPARE(t.round(Round::Final).team->text(0), path.at(2));
    QCOMPARE(t.round(Round::ThirdPlace).team->text(0), path.at(3));
    QCOMPARE(::podium(t), podium);
    QCOMPARE(greenSide(*t.round(undecidedRound).team, undecidedMatch), -1);
    for (Round r : {Round::QuarterFinals, Round::SemiFinals, Round::Final, Round::ThirdPlace})
        if (t.round(r).team->text(0) == u"-")
            QCOMPARE(greenSide(*t.round(r).team, 0), -1);
}

void TestBracket::scoreAgainstUnknownTeamDecidesNothing_data()
{
    QTest::addColumn<GroupId>("incompleteGroup");
    QTest::addColumn<int>("unknownSide");
    QTest::addColumn<QByteArray>("goals");

    // Round-of-16 match 0 is the winner of group A against the runner-up of
    // group B.
    QTest::newRow("unknown left side ahead") << GroupId::A << 0 << QByteArray("1:0");
    QTest::newRow("unknown left side behind") << GroupId::A << 0 << QByteArray("0:1");
    QTest::newRow("unknown right side ahead") << GroupId::B << 1 << QByteArray("0:1");
    QTest::newRow("unknown right side behind") << GroupId::B << 1 << QByteArray("1:0");
}

void TestBracket::scoreAgainstUnknownTeamDecidesNothing()
{
    QFETCH(GroupId, incompleteGroup);
    QFETCH(int, unknownSide);
    QFETCH(QByteArray, goals);

    Tournament t;
    startSeededChart(t);
    t.setText(*t.group(incompleteGroup).score, 11, QStringLiteral("-"));
    const RoundCells &r16 = t.round(Round::RoundOf16);
    QCOMPARE(r16.team->text(unknownSide), QStringLiteral("-"));
    QCOMPARE(r16.team->text(1 - unknownSide), unknownSide ? QStringLiteral("A1") : QStringLiteral("B2"));

    play(t, Round::RoundOf16, 0, goals.constData());
    QCOMPARE(t.round(Round::QuarterFinals).team->text(0), QStringLiteral("-"));
    QCOMPARE(greenSide(*r16.team, 0), -1);
}

void TestBracket::goalTotal_data()
{
    QTest::addColumn<QStringList>("edits"); // "family index text", in order
    QTest::addColumn<QString>("total");

    QTest::newRow("two group scores and a round-of-16 goal")
        << words("ButA 0 2 ButB 3 1 Buthui 0 3") << QStringLiteral("6");
    QTest::newRow("penalties never count")
        << words("ButA 0 2 Buthui 0 3 ButPen 0 4 ButPenFIN 1 2") << QStringLiteral("5");
    QTest::newRow("help page cells never count") << words("ButA 0 2 Buthui 16 5 Buthui 17 1") << QStringLiteral("2");
    QTest::newRow("quarter- and semi-final goals") << words("ButQua 7 1 ButDem 3 2") << QStringLiteral("3");
    QTest::newRow("final goal") << words("ButFIN 1 3") << QStringLiteral("3");
    QTest::newRow("third-place goal counts at its own edit") << words("ButA 0 2 Butpetfin 1 4") << QStringLiteral("6");
    QTest::newRow("third-place goal typed back to -") << words("Butpetfin 0 2 Butpetfin 0 -") << QStringLiteral("0");
    QTest::newRow("round-of-16 goal typed back to -") << words("ButA 0 2 Buthui 0 3 Buthui 0 -") << QStringLiteral("2");
    QTest::newRow("decimal goals") << words("ButH 11 2.5 Buthui 15 1") << QStringLiteral("3.5");
}

void TestBracket::goalTotal()
{
    QFETCH(QStringList, edits);
    QFETCH(QString, total);

    Tournament t;
    t.messages().set(10, goalsWord);
    t.setReady(true);
    RefreshAll(t);
    QCOMPARE(caption(t, "Label15"), QStringLiteral("0 buts"));

    for (qsizetype i = 0; i + 2 < edits.size(); i += 3)
        t.setText(t.family(edits.at(i)), edits.at(i + 1).toInt(), edits.at(i + 2));
    QCOMPARE(caption(t, "Label15"), total + u' ' + goalsWord);
    QCOMPARE(caption(t, "Label21"), total + u' ' + goalsWord);
}

void TestBracket::goalTotalColoursGroupScores()
{
    Tournament t;
    t.setReady(true);
    RefreshAll(t);
    const CellFamily &b = *t.group(GroupId::B).score;
    QCOMPARE(b[4].background, colours::buttonFace);

    t.setText(*t.group(GroupId::B).score, 4, QStringLiteral("0"));
    t.setText(*t.group(GroupId::G).score, 11, QString());
    QCOMPARE(b[4].background, white);
    QCOMPARE((*t.group(GroupId::G).score)[11].background, white);
    QCOMPARE(b[5].background, colours::buttonFace);

    t.setText(*t.group(GroupId::B).score, 4, QStringLiteral("-"));
    QCOMPARE(b[4].background, colours::buttonFace);
}

void TestBracket::editRerunsItsStep_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("shown"); // Qua 0, DEM 0, FIN 0, pod 1, pod 3

    // The edits keep every result; what moves is the renamed team of the
    // first round that was decided again.
    const QStringList fromRoundOf16 = words("r16 r16 r16 r16 E1");
    const QStringList fromQuarterFinals = words("qf qf qf qf E1");
    const QStringList fromSemiFinals = words("qf sf sf sf E1");
    const QStringList fromFinal = words("qf sf final final third");

    QTest::newRow("Buthui: from the round of 16")
        << QStringLiteral("Buthui") << 0 << QStringLiteral("3") << fromRoundOf16;
    QTest::newRow("ButPen: from the round of 16")
        << QStringLiteral("ButPen") << 1 << QStringLiteral("0") << fromRoundOf16;
    QTest::newRow("help page Buthui 17: from the round of 16")
        << QStringLiteral("Buthui") << 17 << QStringLiteral("2") << fromRoundOf16;
    QTest::newRow("ButQua: from the quarter-finals")
        << QStringLiteral("ButQua") << 0 << QStringLiteral("3") << fromQuarterFinals;
    QTest::newRow("ButPen4: from the quarter-finals")
        << QStringLiteral("ButPen4") << 0 << QStringLiteral("2") << fromQuarterFinals;
    QTest::newRow("ButDem: from the semi-finals")
        << QStringLiteral("ButDem") << 0 << QStringLiteral("3") << fromSemiFinals;
    QTest::newRow("ButPen2: from the semi-finals")
        << QStringLiteral("ButPen2") << 1 << QStringLiteral("0") << fromSemiFinals;
    QTest::newRow("ButFIN: from the quarter-finals")
        << QStringLiteral("ButFIN") << 0 << QStringLiteral("3") << fromQuarterFinals;
    QTest::newRow("ButPenFIN: from the quarter-finals")
        << QStringLiteral("ButPenFIN") << 0 << QStringLiteral("1") << fromQuarterFinals;
    QTest::newRow("Butpetfin: the final and third place")
        << QStringLiteral("Butpetfin") << 0 << QStringLiteral("3") << fromFinal;
    QTest::newRow("ButPenpetfin: the final and third place")
        << QStringLiteral("ButPenpetfin") << 1 << QStringLiteral("0") << fromFinal;
}

void TestBracket::editRerunsItsStep()
{
    QFETCH(QString, family);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QStringList, shown);

    Tournament t;
    startSeededChart(t);
    playWholeBracket(t);
    // Team cells are never edited by hand; renaming the left side of each
    // round shows which rounds the edit decided again.
    t.setText(*t.round(Round::RoundOf16).team, 0, QStringLiteral("r16"));
    t.setText(*t.round(Round::QuarterFinals).team, 0, QStringLiteral("qf"));
    t.setText(*t.round(Round::SemiFinals).team, 0, QStringLiteral("sf"));
    t.setText(*t.round(Round::Final).team, 0, QStringLiteral("final"));
    t.setText(*t.round(Round::ThirdPlace).team, 0, QStringLiteral("third"));
    t.setText(t.family(QStringLiteral("Label15")), 0, QStringLiteral("stale"));
    t.setText(t.family(QStringLiteral("Label21")), 0, QStringLiteral("stale"));

    t.setText(t.family(family), index, text);
    QCOMPARE(t.round(Round::QuarterFinals).team->text(0), shown.at(0));
    QCOMPARE(t.round(Round::SemiFinals).team->text(0), shown.at(1));
    QCOMPARE(t.round(Round::Final).team->text(0), shown.at(2));
    QCOMPARE(t.podium().text(1), shown.at(3));
    QCOMPARE(t.podium().text(3), shown.at(4));

    // Every knock-out edit leaves the goal total current.
    const QString total = formatNumber(::goalTotal(t)) + u' ' + goalsWord;
    QCOMPARE(caption(t, "Label15"), total);
    QCOMPARE(caption(t, "Label21"), total);
}

void TestBracket::shootOutOutOfPlace_data()
{
    QTest::addColumn<QByteArray>("goals");
    QTest::addColumn<QByteArray>("penalties");
    QTest::addColumn<bool>("outOfPlace");
    QTest::newRow("not played") << QByteArray("-:-") << QByteArray("-:-") << false;
    QTest::newRow("one side typed") << QByteArray("1:-") << QByteArray("-:-") << false;
    QTest::newRow("won on goals") << QByteArray("2:1") << QByteArray("-:-") << false;
    QTest::newRow("level, no shoot-out yet") << QByteArray("1:1") << QByteArray("-:-") << true;
    QTest::newRow("level, shoot-out level too") << QByteArray("1:1") << QByteArray("3:3") << true;
    QTest::newRow("level, decided on penalties") << QByteArray("1:1") << QByteArray("4:3") << false;
    QTest::newRow("penalties after differing goals") << QByteArray("2:1") << QByteArray("0:3") << true;
    QTest::newRow("one penalty after differing goals") << QByteArray("2:1") << QByteArray("-:1") << true;
    QTest::newRow("emptied cells are a played nil draw") << QByteArray(":") << QByteArray("-:-") << true;
}

void TestBracket::shootOutOutOfPlace()
{
    QFETCH(QByteArray, goals);
    QFETCH(QByteArray, penalties);
    QFETCH(bool, outOfPlace);
    Tournament t;
    startSeededChart(t);
    play(t, Round::QuarterFinals, 1, goals.constData(), penalties.constData());
    QCOMPARE(::shootOutOutOfPlace(t, Round::QuarterFinals, 1), outOfPlace);
}

QTEST_APPLESS_MAIN(TestBracket)
#include "tst_bracket.moc"
