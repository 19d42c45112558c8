#include "tournament/Tournament.h"

#include "tournament/ChangeHandlers.h"
#include "tournament/GroupFixtures.h"

#include <algorithm>

namespace {

struct GroupNames
{
    const char16_t *team, *score, *label, *played, *goalsFor, *goalsAgainst, *difference, *points, *tieNotice;
};

// The irregular spellings are the real control names; files address them.
constexpr std::array<GroupNames, maxGroups> groupNames{{
    {u"A", u"ButA", u"lm", u"MJ", u"BP", u"BC", u"Delta", u"PTs", u"LabTir"},
    {u"B", u"ButB", u"lmB", u"MJb", u"BPB", u"BCB", u"DeltaB", u"PTsB", u"LabTIRB"},
    {u"C", u"ButC", u"lmC", u"MJC", u"BPC", u"BCC", u"DeltaC", u"PTsC", u"LabTirC"},
    {u"D", u"ButD", u"lmD", u"MJD", u"BPD", u"BCD", u"DeltaD", u"PTsD", u"LabTIRD"},
    {u"E", u"ButE", u"lme", u"MJE", u"BPE", u"BCE", u"DeltaE", u"PTsE", u"LabTirE"},
    {u"F", u"ButF", u"lmF", u"MJF", u"BPF", u"BCF", u"DeltaF", u"PTsF", u"LabTirF"},
    {u"G", u"ButG", u"lmG", u"MJG", u"BPG", u"BCG", u"DELTAG", u"ptSG", u"LabTirG"},
    {u"H", u"ButH", u"lmH", u"MJH", u"BPH", u"BCH", u"DeltaH", u"PTsH", u"LabTirH"},
    // Groups the 2010 chart lacks, spelled as its most regular ones.
    {u"I", u"ButI", u"lmI", u"MJI", u"BPI", u"BCI", u"DeltaI", u"PTsI", u"LabTirI"},
    {u"J", u"ButJ", u"lmJ", u"MJJ", u"BPJ", u"BCJ", u"DeltaJ", u"PTsJ", u"LabTirJ"},
    {u"K", u"ButK", u"lmK", u"MJK", u"BPK", u"BCK", u"DeltaK", u"PTsK", u"LabTirK"},
    {u"L", u"ButL", u"lmL", u"MJL", u"BPL", u"BCL", u"DeltaL", u"PTsL", u"LabTirL"},
}};

QString str(const char16_t *s)
{
    return QString::fromUtf16(s);
}

} // namespace

// Every Tournament holds the families of every format, in one order, so
// that a chart can change format in place (the window's cells stay bound)
// and a picture of one chart's cells fits any other.
Tournament::Tournament(const FormatRules &rules)
{
    m_allGroups.resize(std::size_t(maxGroups));
    for (int gi = 0; gi < maxGroups; ++gi) {
        const GroupId g = GroupId(gi);
        const GroupNames &n = groupNames[std::size_t(gi)];
        GroupCells &cells = m_allGroups[std::size_t(gi)];
        cells.team = &add(str(n.team), 1, 4);
        cells.score = &add(str(n.score), 0, 11);
        cells.label = &add(str(n.label), 0, 11);
        cells.played = &add(str(n.played), 1, 4);
        cells.goalsFor = &add(str(n.goalsFor), 1, 4);
        cells.goalsAgainst = &add(str(n.goalsAgainst), 1, 4);
        cells.difference = &add(str(n.difference), 1, 4);
        cells.points = &add(str(n.points), 1, 4);
        cells.tieNotice = &add(str(n.tieNotice), 0, 0);
        cells.conduct = &add(QStringLiteral("Cond") + groupLetter(g), 1, 4);
        for (int slot = 1; slot <= 4; ++slot) {
            Cell &team = cells.team->cell(slot);
            team.text = QString(groupLetter(g)) + QString::number(slot);
            team.background = slotBackground(slot);
            for (CellFamily *stat :
                 {cells.team, cells.goalsFor, cells.goalsAgainst, cells.difference, cells.points})
                stat->cell(slot).row = placeRow(slot);
            cells.played->cell(slot).row = placeRow(slot) + 15;
        }
        for (int i = 0; i <= 11; ++i)
            cells.score->cell(i).text = QStringLiteral("-");
        cells.tieNotice->cell(0).text = QStringLiteral("Tirage");
        cells.tieNotice->cell(0).textColour = colours::qualified;
    }

    // Huit 16..31 is the summary on the group page. Buthui/ButPen 16 and 17
    // are the worked example of the help page: they behave like the others
    // on edit, but the bracket reads only 0..15.
    m_allRounds[0] = {&add(QStringLiteral("Huit"), 0, 31), &add(QStringLiteral("Buthui"), 0, 17),
                      &add(QStringLiteral("ButPen"), 0, 17), 16};
    m_allRounds[1] = {&add(QStringLiteral("Qua"), 0, 7), &add(QStringLiteral("ButQua"), 0, 7),
                      &add(QStringLiteral("ButPen4"), 0, 7), 8};
    m_allRounds[2] = {&add(QStringLiteral("DEM"), 0, 3), &add(QStringLiteral("ButDem"), 0, 3),
                      &add(QStringLiteral("ButPen2"), 0, 3), 4};
    m_allRounds[3] = {&add(QStringLiteral("pf"), 0, 1), &add(QStringLiteral("Butpetfin"), 0, 1),
                      &add(QStringLiteral("ButPenpetfin"), 0, 1), 2};
    m_allRounds[4] = {&add(QStringLiteral("FIN"), 0, 1), &add(QStringLiteral("ButFIN"), 0, 1),
                      &add(QStringLiteral("ButPenFIN"), 0, 1), 2};
    m_allRounds[5] = {&add(QStringLiteral("Seize"), 0, 31), &add(QStringLiteral("ButSeize"), 0, 31),
                      &add(QStringLiteral("ButPenSeize"), 0, 31), 32};
    for (const RoundCells &r : m_allRounds) {
        for (int i = r.goals->first(); i <= r.goals->last(); ++i) {
            r.goals->cell(i).text = QStringLiteral("-");
            r.penalties->cell(i).text = QStringLiteral("-");
            r.penalties->cell(i).background = colours::penalty;
        }
    }
    m_podium = &add(QStringLiteral("pod"), 1, 4);
    add(QStringLiteral("Label15"), 0, 0);
    add(QStringLiteral("Label21"), 0, 0);
    m_chartName = &add(QStringLiteral("Text1"), 0, 0);
    // The chart's news: link caption (tag = the address it opens) and the
    // message in the current language, shown framed when not empty.
    add(QStringLiteral("Lablien"), 0, 0);
    add(QStringLiteral("Label10"), 0, 0);

    setFormat(rules);
    // The help page's example, a draw decided by the shoot-out, is there
    // before the page is built: building it changes no cell.
    const RoundCells &example = m_allRounds[0];
    for (int row = 0; row < 2; ++row) {
        setText(*example.goals, example.sides + row, QStringLiteral("1"));
        setText(*example.penalties, example.sides + row, row == 0 ? QStringLiteral("4") : QStringLiteral("3"));
    }
}

void Tournament::setFormat(const FormatRules &rules)
{
    m_rules = &rules;
    m_groupIds.clear();
    m_groups.clear();
    for (int gi = 0; gi < rules.groups; ++gi) {
        m_groupIds.push_back(GroupId(gi));
        GroupCells cells = m_allGroups[std::size_t(gi)];
        if (rules.isWc32())
            cells.conduct = nullptr;
        m_groups.push_back(cells);
    }
    for (std::size_t r = 0; r < m_rounds.size(); ++r) {
        const bool played = std::find(rules.rounds.begin(), rules.rounds.end(), Round(r)) != rules.rounds.end();
        m_rounds[r] = played ? m_allRounds[r] : RoundCells{};
    }
    installChangeHandlers(*this);
}

CellFamily &Tournament::add(const QString &name, int first, int last)
{
    CellFamily &f = m_families.emplace_back(name, first, last);
    m_byName.insert(name, &f);
    return f;
}

CellFamily &Tournament::family(const QString &name)
{
    CellFamily *f = m_byName.value(name);
    Q_ASSERT_X(f, "Tournament::family", qPrintable(name));
    return *f;
}

const CellFamily *Tournament::findFamily(const QString &name) const
{
    return m_byName.value(name);
}

void Tournament::notify(const CellFamily &f, int index, CellProperty property)
{
    for (const auto &[key, observer] : m_observers)
        observer(f, index, property);
}

void Tournament::setText(CellFamily &f, int index, const QString &text)
{
    Cell &c = f.cell(index);
    if (c.text == text)
        return;
    c.text = text;
    notify(f, index, CellProperty::Text);
    if (f.m_onChange)
        f.m_onChange(index);
}

template <typename T>
void Tournament::assign(CellFamily &f, int index, T Cell::*member, const T &value, CellProperty property)
{
    Cell &c = f.cell(index);
    if (c.*member == value)
        return;
    c.*member = value;
    notify(f, index, property);
}

Tournament::CellsPicture Tournament::cells() const
{
    CellsPicture picture;
    picture.reserve(m_families.size());
    for (const CellFamily &f : m_families)
        picture.push_back(f.m_cells);
    return picture;
}

void Tournament::restoreCells(const CellsPicture &picture)
{
    for (std::size_t i = 0; i < m_families.size() && i < picture.size(); ++i) {
        CellFamily &f = m_families[i];
        for (int index = f.first(); index <= f.last(); ++index) {
            const Cell &was = picture[i][std::size_t(index - f.first())];
            assign(f, index, &Cell::text, was.text, CellProperty::Text);
            assign(f, index, &Cell::tag, was.tag, CellProperty::Tag);
            assign(f, index, &Cell::toolTip, was.toolTip, CellProperty::ToolTip);
            assign(f, index, &Cell::textColour, was.textColour, CellProperty::TextColour);
            assign(f, index, &Cell::background, was.background, CellProperty::Background);
            assign(f, index, &Cell::bold, was.bold, CellProperty::Bold);
            assign(f, index, &Cell::row, was.row, CellProperty::Row);
        }
    }
}

void Tournament::setTag(CellFamily &f, int index, const QString &tag)
{
    assign(f, index, &Cell::tag, tag, CellProperty::Tag);
}

void Tournament::setToolTip(CellFamily &f, int index, const QString &toolTip)
{
    assign(f, index, &Cell::toolTip, toolTip, CellProperty::ToolTip);
}

void Tournament::setTextColour(CellFamily &f, int index, Rgb colour)
{
    assign(f, index, &Cell::textColour, colour, CellProperty::TextColour);
}

void Tournament::setBackground(CellFamily &f, int index, Rgb colour)
{
    assign(f, index, &Cell::background, colour, CellProperty::Background);
}

void Tournament::setBold(CellFamily &f, int index, bool bold)
{
    assign(f, index, &Cell::bold, bold, CellProperty::Bold);
}

void Tournament::setRow(CellFamily &f, int index, int row)
{
    assign(f, index, &Cell::row, row, CellProperty::Row);
}

void Tournament::setChangeHandler(CellFamily &f, CellFamily::ChangeHandler handler)
{
    f.m_onChange = std::move(handler);
}

int Tournament::addObserver(Observer observer)
{
    m_observers.emplace_back(m_nextObserverKey, std::move(observer));
    return m_nextObserverKey++;
}

void Tournament::removeObserver(int key)
{
    std::erase_if(m_observers, [key](const auto &entry) { return entry.first == key; });
}

QString Tournament::chartName() const
{
    return m_chartName->text(0);
}

void Tournament::setChartName(const QString &name)
{
    setText(*m_chartName, 0, name);
}
