#include "tournament/TournamentFormat.h"

#include <algorithm>
#include <bit>

#include <QFile>
#include <QStringList>

#include "tournament/Tournament.h"

// A static library's resources are registered only when asked, from outside
// any namespace.
static void registerShippedBrackets()
{
    Q_INIT_RESOURCE(formats);
}

namespace {

quint16 groupBit(int group)
{
    return quint16(1u << group);
}

std::optional<int> groupOf(QChar letter)
{
    const int g = letter.unicode() - u'A';
    if (g < 0 || g >= maxGroups)
        return std::nullopt;
    return g;
}

std::optional<quint16> groupSet(QStringView letters)
{
    quint16 set = 0;
    for (QChar c : letters) {
        const std::optional<int> g = groupOf(c);
        if (!g || (set & groupBit(*g)))
            return std::nullopt;
        set |= groupBit(*g);
    }
    return set;
}

int matchesIn(Round r)
{
    return roundSides(r) / 2;
}

bool readRow(const QStringList &fields, FormatRules &rules)
{
    const std::optional<quint16> set = groupSet(fields[0]);
    if (!set || fields.size() != qsizetype(rules.thirds.winners.size()) + 1 ||
        std::popcount(*set) != int(rules.thirds.winners.size()) || rules.thirds.thirdOfWinners.contains(*set))
        return false;
    std::vector<int> thirds;
    for (qsizetype i = 1; i < fields.size(); ++i) {
        const std::optional<BracketSlot> slot = BracketSlot::parse(fields[i]);
        if (!slot || slot->kind != BracketSlot::Kind::Third || std::popcount(slot->pool) != 1)
            return false;
        thirds.push_back(std::countr_zero(slot->pool));
    }
    rules.thirds.thirdOfWinners.insert(*set, thirds);
    return true;
}

// The shipped brackets and tables, built into the model library.
QString shippedText(const QString &name)
{
    static const bool registered = (registerShippedBrackets(), true);
    Q_UNUSED(registered);
    QFile file(QStringLiteral(":/formats/") + name + QStringLiteral(".txt"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no shipped bracket %s", qPrintable(name));
    return QString::fromLatin1(file.readAll());
}

FormatRules withBracket(FormatRules rules, const QString &name)
{
    QString error;
    if (!readBracketText(shippedText(name), rules, &error))
        qFatal("bracket %s: %s", qPrintable(name), qPrintable(error));
    return rules;
}

using C = Criterion;

const FormatRules &wc32()
{
    static const FormatRules rules{
        FormatId::Wc32,
        8,
        0,
        {C::Points, C::GoalDifference, C::GoalsFor, C::Mark},
        {},
        {Round::RoundOf16, Round::QuarterFinals, Round::SemiFinals, Round::ThirdPlace, Round::Final},
        {},
        {}};
    return rules;
}

const FormatRules &wc48()
{
    static const FormatRules rules =
        withBracket({FormatId::Wc48,
                     12,
                     8,
                     {C::Points, C::HeadToHead, C::GoalDifference, C::GoalsFor, C::Conduct, C::Mark},
                     {C::Points, C::GoalDifference, C::GoalsFor, C::Conduct, C::Mark},
                     {Round::RoundOf32, Round::RoundOf16, Round::QuarterFinals, Round::SemiFinals,
                      Round::ThirdPlace, Round::Final},
                     {},
                     {}},
                    QStringLiteral("wc48"));
    return rules;
}

const FormatRules &euro2016()
{
    static const FormatRules rules =
        withBracket({FormatId::Euro24,
                     6,
                     4,
                     {C::Points, C::HeadToHead, C::GoalDifference, C::GoalsFor, C::ShootOut, C::Conduct, C::Mark},
                     {C::Points, C::GoalDifference, C::GoalsFor, C::Conduct, C::Mark},
                     {Round::RoundOf16, Round::QuarterFinals, Round::SemiFinals, Round::Final},
                     {},
                     {}},
                    QStringLiteral("euro2016"));
    return rules;
}

// From 2020 on, wins count among the overall figures and among the thirds;
// 2024 numbers its quarter-finals and semi-finals differently.
FormatRules euroFrom2020(const QString &bracket)
{
    return withBracket(
        {FormatId::Euro24,
         6,
         4,
         {C::Points, C::HeadToHead, C::GoalDifference, C::GoalsFor, C::ShootOut, C::Wins, C::Conduct, C::Mark},
         {C::Points, C::GoalDifference, C::GoalsFor, C::Wins, C::Conduct, C::Mark},
         {Round::RoundOf16, Round::QuarterFinals, Round::SemiFinals, Round::Final},
         {},
         {}},
        bracket);
}

const FormatRules &euro2020()
{
    static const FormatRules rules = euroFrom2020(QStringLiteral("euro2020"));
    return rules;
}

const FormatRules &euro2024()
{
    static const FormatRules rules = euroFrom2020(QStringLiteral("euro2024"));
    return rules;
}

} // namespace

std::optional<FormatId> formatFromName(const QString &name)
{
    for (FormatId id : {FormatId::Wc32, FormatId::Wc48, FormatId::Euro24})
        if (name == formatName(id))
            return id;
    return std::nullopt;
}

QString formatName(FormatId id)
{
    switch (id) {
    case FormatId::Wc48:
        return QStringLiteral("wc48");
    case FormatId::Euro24:
        return QStringLiteral("euro24");
    case FormatId::Wc32:
        break;
    }
    return QStringLiteral("wc32");
}

QString criterionName(Criterion c)
{
    switch (c) {
    case Criterion::Points:
        return QStringLiteral("points");
    case Criterion::HeadToHead:
        return QStringLiteral("headToHead");
    case Criterion::GoalDifference:
        return QStringLiteral("goalDifference");
    case Criterion::GoalsFor:
        return QStringLiteral("goalsFor");
    case Criterion::Wins:
        return QStringLiteral("wins");
    case Criterion::ShootOut:
        return QStringLiteral("shootOut");
    case Criterion::Conduct:
        return QStringLiteral("conduct");
    case Criterion::Mark:
        break;
    }
    return QStringLiteral("mark");
}

QString BracketSlot::code() const
{
    switch (kind) {
    case Kind::Winner:
    case Kind::RunnerUp:
        return QString::number(kind == Kind::Winner ? 1 : 2) + QChar(u'A' + group);
    case Kind::Third: {
        QString letters = QStringLiteral("3");
        for (int g = 0; g < maxGroups; ++g)
            if (pool & groupBit(g))
                letters += QChar(u'A' + g);
        return letters;
    }
    case Kind::MatchWinner:
    case Kind::MatchLoser:
        break;
    }
    return (kind == Kind::MatchWinner ? u'W' : u'L') + QString::number(match);
}

std::optional<BracketSlot> BracketSlot::parse(const QString &code)
{
    if (code.size() < 2)
        return std::nullopt;
    const QStringView rest = QStringView(code).mid(1);
    BracketSlot slot;
    switch (code[0].unicode()) {
    case u'1':
    case u'2': {
        const std::optional<int> g = rest.size() == 1 ? groupOf(rest[0]) : std::nullopt;
        if (!g)
            return std::nullopt;
        slot.kind = code[0] == u'1' ? Kind::Winner : Kind::RunnerUp;
        slot.group = *g;
        return slot;
    }
    case u'3': {
        const std::optional<quint16> set = groupSet(rest);
        if (!set)
            return std::nullopt;
        slot.kind = Kind::Third;
        slot.pool = *set;
        return slot;
    }
    case u'W':
    case u'L': {
        bool ok = false;
        slot.match = rest.toInt(&ok);
        if (!ok || slot.match <= 0)
            return std::nullopt;
        slot.kind = code[0] == u'W' ? Kind::MatchWinner : Kind::MatchLoser;
        return slot;
    }
    default:
        return std::nullopt;
    }
}

std::optional<int> ThirdsTable::thirdFacing(quint16 qualifying, int column) const
{
    const auto row = thirdOfWinners.constFind(qualifying);
    if (row == thirdOfWinners.cend() || column < 0 || column >= int(row->size()))
        return std::nullopt;
    return (*row)[std::size_t(column)];
}

std::span<const BracketMatch> FormatRules::matchesOf(Round r) const
{
    std::size_t first = 0;
    for (Round earlier : rounds) {
        if (earlier == r)
            break;
        first += std::size_t(matchesIn(earlier));
    }
    const std::span<const BracketMatch> all(bracket);
    if (first >= all.size())
        return {};
    return all.subspan(first, std::min(std::size_t(matchesIn(r)), all.size() - first));
}

const BracketMatch *FormatRules::match(int number) const
{
    for (const BracketMatch &m : bracket)
        if (m.number == number)
            return &m;
    return nullptr;
}

bool readBracketText(const QString &text, FormatRules &rules, QString *error)
{
    int lineNumber = 0;
    for (const QString &raw : text.split(u'\n')) {
        ++lineNumber;
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        bool ok = true;
        if (fields[0] == u"match") {
            const std::optional<BracketSlot> a = fields.size() == 4 ? BracketSlot::parse(fields[2]) : std::nullopt;
            const std::optional<BracketSlot> b = fields.size() == 4 ? BracketSlot::parse(fields[3]) : std::nullopt;
            const int number = fields.size() == 4 ? fields[1].toInt(&ok) : 0;
            ok = ok && a && b && (rules.bracket.empty() || number == rules.bracket.back().number + 1);
            if (ok)
                rules.bracket.push_back({number, {*a, *b}});
        } else if (fields[0] == u"thirds") {
            for (qsizetype i = 1; i < fields.size() && ok; ++i) {
                const std::optional<BracketSlot> winner = BracketSlot::parse(fields[i]);
                ok = winner && winner->kind == BracketSlot::Kind::Winner;
                if (ok)
                    rules.thirds.winners.push_back(winner->group);
            }
        } else {
            ok = readRow(fields, rules);
        }
        if (!ok) {
            if (error)
                *error = QStringLiteral("line %1: %2").arg(lineNumber).arg(line);
            return false;
        }
    }
    return true;
}

const FormatRules &formatRules(FormatId id, int year)
{
    switch (id) {
    case FormatId::Wc48:
        return wc48();
    case FormatId::Euro24:
        if (year != 0 && year < 2020)
            return euro2016();
        return year != 0 && year < 2024 ? euro2020() : euro2024();
    case FormatId::Wc32:
        break;
    }
    return wc32();
}
