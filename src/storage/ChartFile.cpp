#include "storage/ChartFile.h"

#include <array>

#include "storage/IniDocument.h"
#include "storage/ModuleSetting.h"
#include "tournament/Tournament.h"

namespace {

enum class Part { Goals, Penalties };

struct KnockoutBlock
{
    Round round;
    Part part;
};

// The file's own order of the knock-out sections, which differs between
// load and save; what the recomputations see during a load depends on it.
constexpr std::array<KnockoutBlock, 10> loadOrder{{
    {Round::RoundOf16, Part::Penalties},
    {Round::RoundOf16, Part::Goals},
    {Round::QuarterFinals, Part::Goals},
    {Round::QuarterFinals, Part::Penalties},
    {Round::SemiFinals, Part::Goals},
    {Round::SemiFinals, Part::Penalties},
    {Round::Final, Part::Penalties},
    {Round::Final, Part::Goals},
    {Round::ThirdPlace, Part::Penalties},
    {Round::ThirdPlace, Part::Goals},
}};

constexpr std::array<KnockoutBlock, 10> saveOrder{{
    {Round::RoundOf16, Part::Goals},
    {Round::RoundOf16, Part::Penalties},
    {Round::QuarterFinals, Part::Goals},
    {Round::QuarterFinals, Part::Penalties},
    {Round::SemiFinals, Part::Goals},
    {Round::SemiFinals, Part::Penalties},
    {Round::Final, Part::Penalties},
    {Round::Final, Part::Goals},
    {Round::ThirdPlace, Part::Penalties},
    {Round::ThirdPlace, Part::Goals},
}};

QString section(KnockoutBlock block)
{
    // Spelled as the files have always spelled them, mixed case included.
    constexpr std::array<std::array<const char16_t *, 2>, 5> names{{
        {u"But8", u"Pen8"},
        {u"But4", u"Pen4"},
        {u"ButDEM", u"PenDEM"},
        {u"BUTPetFIN", u"PenPetFIN"},
        {u"BUTFIN", u"PenFIN"},
    }};
    return QString::fromUtf16(names[std::size_t(block.round)][std::size_t(block.part)]);
}

CellFamily &cells(const Tournament &t, KnockoutBlock block)
{
    const RoundCells &round = t.round(block.round);
    return block.part == Part::Goals ? *round.goals : *round.penalties;
}

QString groupSection(const char16_t *prefix, GroupId g)
{
    return QString::fromUtf16(prefix) + groupLetter(g);
}

QString defaultTeamName(GroupId g, int slot)
{
    return groupLetter(g) + QString::number(slot);
}

const QString notPlayed = QStringLiteral("-");

} // namespace

bool LoadChart(Tournament &t, const QString &name, int languageIndex, const ChartHooks &hooks)
{
    t.setChartName(name);

    // One reading of the file serves every key: nothing writes it while
    // the chart loads, and a file replaced meanwhile cannot mix two charts.
    const IniDocument file = loadIniDocument(name).value_or(IniDocument());
    auto read = [&file](const QString &section, int key, const QString &defaultValue) {
        return file.value(section, QString::number(key)).value_or(defaultValue);
    };

    if (hooks.versionCheck && !hooks.versionCheck(read(QStringLiteral("CV"), 0, notPlayed)))
        return false;

    for (int slot = 1; slot <= 4; ++slot)
        for (GroupId g : allGroups)
            t.setTag(*t.group(g).team, slot, read(groupSection(u"TS", g), slot, QString()));

    for (GroupId g : allGroups) {
        const GroupCells &group = t.group(g);
        for (int i = 0; i <= 11; ++i)
            t.setText(*group.score, i, read(groupSection(u"But", g), i, notPlayed));
        for (int slot = 1; slot <= 4; ++slot)
            t.setText(*group.team, slot, read(groupSection(u"Equip", g), slot, defaultTeamName(g, slot)));
    }

    for (KnockoutBlock block : loadOrder)
        for (int i = 0; i < t.round(block.round).sides; ++i)
            t.setText(cells(t, block), i, read(section(block), i, notPlayed));

    CellFamily &link = t.family(QStringLiteral("Lablien"));
    t.setText(link, 0, read(QStringLiteral("Lien"), 0, QString()));
    t.setTag(link, 0, read(QStringLiteral("Lien"), 1, QString()));

    if (hooks.buildSchedule)
        hooks.buildSchedule(name);

    t.setText(t.family(QStringLiteral("Label10")), 0, read(QStringLiteral("Mess"), languageIndex, QString()));
    return true;
}

bool SaveChart(const Tournament &t)
{
    const QString name = t.chartName();
    if (name.isEmpty())
        return false;
    std::optional<IniDocument> file = loadIniDocument(name);
    if (!file)
        return false;

    auto write = [&file](const QString &section, int key, const QString &value) {
        file->setValue(section, QString::number(key), value);
    };

    for (GroupId g : allGroups) {
        const GroupCells &group = t.group(g);
        for (int i = 0; i <= 11; ++i)
            write(groupSection(u"But", g), i, group.score->text(i));
        for (int slot = 1; slot <= 4; ++slot)
            write(groupSection(u"Equip", g), slot, group.team->text(slot));
    }

    for (KnockoutBlock block : saveOrder)
        for (int i = 0; i < t.round(block.round).sides; ++i)
            write(section(block), i, cells(t, block).text(i));

    for (int slot = 1; slot <= 4; ++slot)
        for (GroupId g : allGroups)
            write(groupSection(u"TS", g), slot, (*t.group(g).team)[slot].tag);

    return saveIniDocument(name, *file);
}
