#include "storage/ChartFile.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

#include <QFile>
#include <QStringList>

#include "storage/AtomicWrite.h"
#include "storage/IniDocument.h"
#include "storage/ModuleSetting.h"
#include "storage/ProgramFolder.h"
#include "storage/TextFileReading.h"
#include "tournament/RefreshAll.h"
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

QStringList chartSections()
{
    QStringList sections{QStringLiteral("CV"), QStringLiteral("Lien"), QStringLiteral("Mess"),
                         QStringLiteral("Match")};
    for (GroupId g : allGroups)
        sections << groupSection(u"But", g) << groupSection(u"Equip", g) << groupSection(u"TS", g);
    for (KnockoutBlock block : saveOrder)
        sections << section(block);
    return sections;
}

// Renames the file to "<file>.damaged" (replacing an older one) and gives
// that path, or an empty text when it could not be moved.
QString setAside(const QString &name)
{
    const QString path = iniFilePath(name);
    const QString aside = path + QStringLiteral(".damaged");
    if (std::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) != 0)
        return QString();
    syncFolder(ProgramFolder::path());
    return aside;
}

// The file as a save may write into: none when it cannot be read or is too
// large, an empty one when what was there held no chart and went aside.
std::optional<IniDocument> chartToWriteInto(const QString &name)
{
    IniReading file = readIniFile(name);
    switch (file.status) {
    case FileReadStatus::Missing:
        return IniDocument();
    case FileReadStatus::Read:
        if (looksLikeChart(file.document))
            return std::move(file.document);
        if (setAside(name).isEmpty())
            return std::nullopt;
        return IniDocument();
    case FileReadStatus::Unreadable:
    case FileReadStatus::TooLarge:
        break;
    }
    return std::nullopt;
}

} // namespace

bool looksLikeChart(const IniDocument &file)
{
    static const QStringList sections = chartSections();
    return std::any_of(sections.cbegin(), sections.cend(),
                       [&file](const QString &section) { return file.hasSection(section); });
}

bool isChartFile(const QByteArray &bytes)
{
    return bytes.size() <= maxTextFileSize && looksLikeChart(IniDocument(bytes));
}

bool LoadChart(Tournament &t, const QString &name, int languageIndex, const ChartHooks &hooks)
{
    t.setChartName(name);

    // One reading of the file serves every key: nothing writes it while
    // the chart loads, and a file replaced meanwhile cannot mix two charts.
    IniReading reading = readIniFile(name);
    if (reading.status == FileReadStatus::TooLarge && hooks.fileProblem)
        hooks.fileProblem(ChartFileProblem::TooLarge, iniFilePath(name));
    if (reading.status == FileReadStatus::Read && !looksLikeChart(reading.document)) {
        const QString aside = setAside(name);
        if (hooks.fileProblem)
            hooks.fileProblem(ChartFileProblem::NotAChart, aside.isEmpty() ? iniFilePath(name) : aside);
        reading.document = IniDocument();
    }
    const IniDocument &file = reading.document;
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

bool LoadWholeChart(Tournament &t, const QString &name, int languageIndex, const ChartHooks &hooks)
{
    if (!LoadChart(t, name, languageIndex, hooks))
        return false;
    t.setReady(true);
    RefreshAll(t);
    return true;
}

bool SaveChart(const Tournament &t)
{
    const QString name = t.chartName();
    if (name.isEmpty())
        return false;
    std::optional<IniDocument> file = chartToWriteInto(name);
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
