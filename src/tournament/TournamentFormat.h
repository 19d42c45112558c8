#pragma once

#include <array>
#include <optional>
#include <span>
#include <vector>

#include <QHash>
#include <QString>

// The three shapes a tournament takes. The 32-team World Cup keeps its own
// rules, the 2010 chart's; the others are read from their rules below.
enum class FormatId { Wc32, Wc48, Euro24 };

std::optional<FormatId> formatFromName(const QString &name);
QString formatName(FormatId id);

// What orders teams level on points, in the order a regulation applies
// them. HeadToHead is the mini-table of the matches among the teams still
// level (points, goal difference, goals), applied again to any subset it
// leaves level. ShootOut is the Euro 2016 rule for two teams level that met
// in the group's last round: only the chart's mark can say who won it.
enum class Criterion { Points, HeadToHead, GoalDifference, GoalsFor, Wins, ShootOut, Conduct, Mark };

QString criterionName(Criterion c);

// One side of a knock-out match as the official bracket names it.
struct BracketSlot
{
    enum class Kind { Winner, RunnerUp, Third, MatchWinner, MatchLoser };
    Kind kind = Kind::Winner;
    int group = 0;    // Winner, RunnerUp: group index
    quint16 pool = 0; // Third: the groups whose third may fill it, one bit each
    int match = 0;    // MatchWinner, MatchLoser: official number

    QString code() const; // "1A", "2B", "3CEFHI", "W74", "L101"
    static std::optional<BracketSlot> parse(const QString &code);
};

struct BracketMatch
{
    int number;
    std::array<BracketSlot, 2> sides; // the first-named side first
};

// The official table that places the qualifying thirds: for each set of
// groups whose thirds go through, the group whose third meets each winner.
struct ThirdsTable
{
    std::vector<int> winners;                        // the columns: group index of each winner
    QHash<quint16, std::vector<int>> thirdOfWinners; // by set of groups, one bit each

    // The group whose third meets winners[column], or none for a set the
    // table lacks.
    std::optional<int> thirdFacing(quint16 qualifying, int column) const;
};

enum class Round;

struct FormatRules
{
    FormatId id = FormatId::Wc32;
    int groups = 8;
    int thirdsThrough = 0;
    std::vector<Criterion> groupCriteria;
    std::vector<Criterion> thirdsCriteria;
    std::vector<Round> rounds;         // first round first
    std::vector<BracketMatch> bracket; // by official number; empty for Wc32, whose bracket is its own
    ThirdsTable thirds;

    bool isWc32() const { return id == FormatId::Wc32; }
    int teams() const { return 4 * groups; }
    // The bracket's matches of round r, in official order: a part of the
    // bracket, which lists the rounds one after the other.
    std::span<const BracketMatch> matchesOf(Round r) const;
    const BracketMatch *match(int number) const;
};

// The rules of a format in the edition of `year` (0: the latest).
const FormatRules &formatRules(FormatId id, int year = 0);

// Reads a format's bracket and thirds table from its text form; a line it
// cannot read is a fault of the shipped data, named in *error.
bool readBracketText(const QString &text, FormatRules &rules, QString *error);
