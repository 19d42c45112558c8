#include "storage/ChartFile.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <mutex>
#include <optional>

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>

#include "storage/AtomicWrite.h"
#include "storage/ChartForm.h"
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

// The blocks of the format's rounds: the 32-team World Cup's in the file's
// own order, the others round by round, goals before penalties.
std::vector<KnockoutBlock> knockoutBlocks(const FormatRules &rules, const std::array<KnockoutBlock, 10> &wc32Order)
{
    if (rules.isWc32())
        return {wc32Order.begin(), wc32Order.end()};
    std::vector<KnockoutBlock> blocks;
    for (Round r : rules.rounds)
        for (Part p : {Part::Goals, Part::Penalties})
            blocks.push_back({r, p});
    return blocks;
}

QString section(KnockoutBlock block)
{
    return knockoutSections(block.round)[std::size_t(block.part)];
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

// A match's note is under the key of its first side: 12 per group before
// the knock-out, then a hundred per round.
QString matchKey(GroupId g, int side)
{
    return QString::number(12 * groupIndex(g) + side);
}

QString matchKey(Round r, int side)
{
    return QString::number(100 * (int(r) + 1) + side);
}

// A note ends with its date and kick-off, "dd/mm/yy hh:mm".
bool datedIn2010(const std::optional<QString> &note)
{
    static const QRegularExpression dated(QStringLiteral("\\d\\d/\\d\\d/10 \\d\\d:\\d\\d$"));
    return note && dated.match(*note).hasMatch();
}

QStringList chartSections()
{
    QStringList sections{QStringLiteral("CV"), QStringLiteral("Lien"), QStringLiteral("Mess"),
                         QStringLiteral("Match"), QStringLiteral("Tournoi")};
    for (GroupId g : allGroups)
        sections << groupSection(u"But", g) << groupSection(u"Equip", g) << groupSection(u"TS", g);
    for (KnockoutBlock block : saveOrder)
        sections << section(block);
    return sections;
}

// Renames the file to "<file>.damaged", or "<file>.damaged.2" and on when
// that is taken (one set aside before may be all that is left of someone's
// work), and gives that path, or an empty text when it could not be moved.
QString setAside(const QString &path)
{
    for (int n = 1; n < 1000; ++n) {
        const QString aside = path + QStringLiteral(".damaged") + (n > 1 ? u'.' + QString::number(n) : QString());
        const QFileInfo taken(aside);
        if (taken.exists() || taken.isSymLink())
            continue;
        if (std::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) != 0)
            return QString();
        syncFolder(QFileInfo(path).absolutePath());
        return aside;
    }
    return QString();
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
        if (setAside(iniFilePath(name)).isEmpty())
            return std::nullopt;
        return IniDocument();
    case FileReadStatus::Unreadable:
    case FileReadStatus::TooLarge:
        break;
    }
    return std::nullopt;
}

} // namespace

std::array<QString, 2> knockoutSections(Round r)
{
    // Spelled as the files have always spelled them, mixed case included.
    constexpr std::array<std::array<const char16_t *, 2>, 6> names{{
        {u"But8", u"Pen8"},
        {u"But4", u"Pen4"},
        {u"ButDEM", u"PenDEM"},
        {u"BUTPetFIN", u"PenPetFIN"},
        {u"BUTFIN", u"PenFIN"},
        {u"But16", u"Pen16"},
    }};
    const auto &pair = names[std::size_t(r)];
    return {QString::fromUtf16(pair[0]), QString::fromUtf16(pair[1])};
}

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

bool isWhole2010Chart(const QByteArray &bytes)
{
    return wholeChart2010(bytes).has_value();
}

std::optional<IniDocument> wholeChart2010(const QByteArray &bytes)
{
    if (bytes.size() > maxTextFileSize || bytes.contains('\0'))
        return std::nullopt;
    IniDocument file(bytes);
    auto has = [&file](const QString &section, int first, int last) {
        for (int key = first; key <= last; ++key)
            if (!file.value(section, QString::number(key)))
                return false;
        return true;
    };
    const QString notes = QStringLiteral("Match");
    for (GroupId g : allGroups) {
        if (!has(groupSection(u"But", g), 0, 11) || !has(groupSection(u"Equip", g), 1, 4) ||
            !has(groupSection(u"TS", g), 1, 4))
            return std::nullopt;
        for (int side = 0; side < 12; side += 2)
            if (!datedIn2010(file.value(notes, matchKey(g, side))))
                return std::nullopt;
    }
    for (KnockoutBlock block : saveOrder)
        if (!has(section(block), 0, roundSides(block.round) - 1))
            return std::nullopt;
    for (Round r : allRounds)
        for (int side = 0; side < roundSides(r); side += 2)
            if (!datedIn2010(file.value(notes, matchKey(r, side))))
                return std::nullopt;
    return file;
}

std::optional<IniDocument> wholeChartNamed(const QString &chartName, const QByteArray &bytes)
{
    if (chartName == u"VYL2010")
        return wholeChart2010(bytes);
    if (bytes.size() > maxTextFileSize || bytes.contains('\0'))
        return std::nullopt;
    IniDocument file(bytes);
    const ChartForm form = chartFormOf(file);
    if (!form.rules || !form.problem.isEmpty() || !chartFormProblem(file, *form.rules).isEmpty())
        return std::nullopt;
    const QString named =
        (form.rules->id == FormatId::Euro24 ? QStringLiteral("EURO") : QStringLiteral("VYL")) + QString::number(form.year);
    if (named != chartName)
        return std::nullopt;
    return file;
}

PlayedScores playedScores(const IniDocument &chart)
{
    const ChartForm form = chartFormOf(chart);
    PlayedScores played;
    bool firstSidePlayed = false;
    // Each section holds its matches side by side: keys 2k and 2k + 1.
    for (const ChartKey &key : form.rules ? chartKeys(*form.rules) : chartKeys()) {
        if (!key.section.startsWith(u"But", Qt::CaseInsensitive))
            continue;
        const bool sidePlayed = chartText(chart, key) != u"-";
        played.cells += sidePlayed;
        if (key.key.toInt() % 2 == 0)
            firstSidePlayed = sidePlayed;
        else
            played.matches += firstSidePlayed && sidePlayed;
    }
    return played;
}

namespace {

bool loadChartAt(Tournament &t, const QString &name, const QString &path, int languageIndex,
                 const ChartHooks &hooks)
{
    // One reading of the file serves every key: nothing writes it while
    // the chart loads, and a file replaced meanwhile cannot mix two charts.
    IniReading reading = readIniFileAt(path);
    if (reading.status == FileReadStatus::TooLarge && hooks.fileProblem)
        hooks.fileProblem(ChartFileProblem::TooLarge, path);
    if (reading.status == FileReadStatus::Read && !looksLikeChart(reading.document)) {
        const QString aside = setAside(path);
        if (hooks.fileProblem)
            hooks.fileProblem(ChartFileProblem::NotAChart, aside.isEmpty() ? path : aside);
        reading.document = IniDocument();
    }
    return LoadChartDocument(t, name, reading.document, languageIndex, hooks);
}

} // namespace

bool LoadChartDocument(Tournament &t, const QString &name, const IniDocument &file, int languageIndex,
                       const ChartHooks &hooks)
{
    // The file's format, when it is not the one the chart has: its cells
    // are where the file's keys go.
    const ChartForm form = chartFormOf(file);
    if (form.rules && form.rules != &t.rules())
        t.setFormat(*form.rules);
    t.setChartName(name);
    auto read = [&file](const QString &section, int key, const QString &defaultValue) {
        return file.value(section, QString::number(key)).value_or(defaultValue);
    };

    if (hooks.versionCheck && !hooks.versionCheck(read(QStringLiteral("CV"), 0, notPlayed)))
        return false;

    t.setYear(form.year);
    for (int slot = 1; slot <= 4; ++slot)
        for (GroupId g : t.groupIds())
            t.setTag(*t.group(g).team, slot, read(groupSection(u"TS", g), slot, QString()));

    for (GroupId g : t.groupIds()) {
        const GroupCells &group = t.group(g);
        if (group.conduct)
            for (int slot = 1; slot <= 4; ++slot)
                t.setText(*group.conduct, slot, read(groupSection(u"Cond", g), slot, QString()));
        for (int i = 0; i <= 11; ++i)
            t.setText(*group.score, i, read(groupSection(u"But", g), i, notPlayed));
        for (int slot = 1; slot <= 4; ++slot)
            t.setText(*group.team, slot, read(groupSection(u"Equip", g), slot, defaultTeamName(g, slot)));
    }

    for (KnockoutBlock block : knockoutBlocks(t.rules(), loadOrder))
        for (int i = 0; i < t.round(block.round).sides; ++i)
            t.setText(cells(t, block), i, read(section(block), i, notPlayed));

    CellFamily &link = t.family(QStringLiteral("Lablien"));
    t.setText(link, 0, read(QStringLiteral("Lien"), 0, QString()));
    t.setTag(link, 0, read(QStringLiteral("Lien"), 1, QString()));

    if (hooks.buildSchedule)
        hooks.buildSchedule(file);

    t.setText(t.family(QStringLiteral("Label10")), 0, read(QStringLiteral("Mess"), languageIndex, QString()));
    return true;
}

bool LoadChart(Tournament &t, const QString &name, int languageIndex, const ChartHooks &hooks)
{
    return loadChartAt(t, name, iniFilePath(name), languageIndex, hooks);
}

bool LoadChartFromFile(Tournament &t, const QString &path, int languageIndex, const ChartHooks &hooks)
{
    return loadChartAt(t, QFileInfo(path).completeBaseName(), path, languageIndex, hooks);
}

namespace {

bool readyAndRefreshed(Tournament &t, bool loaded)
{
    if (!loaded)
        return false;
    t.setReady(true);
    RefreshAll(t);
    return true;
}

} // namespace

bool LoadWholeChart(Tournament &t, const QString &name, int languageIndex, const ChartHooks &hooks)
{
    return readyAndRefreshed(t, LoadChart(t, name, languageIndex, hooks));
}

bool LoadWholeChartFromFile(Tournament &t, const QString &path, int languageIndex, const ChartHooks &hooks)
{
    return readyAndRefreshed(t, LoadChartFromFile(t, path, languageIndex, hooks));
}

bool LoadWholeChartDocument(Tournament &t, const QString &name, const IniDocument &file, int languageIndex,
                            const ChartHooks &hooks)
{
    return readyAndRefreshed(t, LoadChartDocument(t, name, file, languageIndex, hooks));
}

bool SaveChart(const Tournament &t)
{
    const QString name = t.chartName();
    if (name.isEmpty())
        return false;
    std::optional<IniDocument> file = chartToWriteInto(name);
    if (!file)
        return false;
    writeChartCells(t, *file);
    return saveIniDocument(name, *file);
}

QByteArray shownChart(const Tournament &t)
{
    IniDocument file = readIniFile(t.chartName()).document;
    writeChartCells(t, file);
    return file.toBytes();
}

void writeChartCells(const Tournament &t, IniDocument &file)
{
    auto write = [&file](const QString &section, int key, const QString &value) {
        file.setValue(section, QString::number(key), value);
    };

    if (!t.rules().isWc32()) {
        const QString form = QStringLiteral("Tournoi");
        file.setValue(form, QStringLiteral("format"), formatName(t.rules().id));
        if (t.year() != 0)
            file.setValue(form, QStringLiteral("annee"), QString::number(t.year()));
    }

    for (GroupId g : t.groupIds()) {
        const GroupCells &group = t.group(g);
        for (int i = 0; i <= 11; ++i)
            write(groupSection(u"But", g), i, group.score->text(i));
        for (int slot = 1; slot <= 4; ++slot)
            write(groupSection(u"Equip", g), slot, group.team->text(slot));
    }

    for (KnockoutBlock block : knockoutBlocks(t.rules(), saveOrder))
        for (int i = 0; i < t.round(block.round).sides; ++i)
            write(section(block), i, cells(t, block).text(i));

    for (int slot = 1; slot <= 4; ++slot)
        for (GroupId g : t.groupIds())
            write(groupSection(u"TS", g), slot, (*t.group(g).team)[slot].tag);

    // Conduct points are written where a chart has any, not as empty
    // sections in every chart of the format.
    for (GroupId g : t.groupIds()) {
        const CellFamily *conduct = t.group(g).conduct;
        if (!conduct)
            continue;
        bool any = file.hasSection(groupSection(u"Cond", g));
        for (int slot = 1; slot <= 4; ++slot)
            any = any || !conduct->text(slot).isEmpty();
        for (int slot = 1; slot <= 4 && any; ++slot)
            write(groupSection(u"Cond", g), slot, conduct->text(slot));
    }
}

const std::vector<ChartKey> &chartKeys()
{
    return chartKeys(formatRules(FormatId::Wc32));
}

const std::vector<ChartKey> &chartKeys(const FormatRules &rules)
{
    static const auto keysOf = [](const FormatRules &rules) {
        std::vector<ChartKey> all;
        for (int gi = 0; gi < rules.groups; ++gi) {
            const GroupId g = GroupId(gi);
            for (int i = 0; i <= 11; ++i)
                all.push_back({groupSection(u"But", g), QString::number(i), notPlayed, true, false});
            for (int slot = 1; slot <= 4; ++slot) {
                all.push_back(
                    {groupSection(u"Equip", g), QString::number(slot), defaultTeamName(g, slot), false, false});
                all.push_back({groupSection(u"TS", g), QString::number(slot), QString(), false, false});
                if (!rules.isWc32())
                    all.push_back({groupSection(u"Cond", g), QString::number(slot), QString(), false, true});
            }
        }
        for (KnockoutBlock block : knockoutBlocks(rules, saveOrder))
            for (int i = 0; i < roundSides(block.round); ++i)
                all.push_back({section(block), QString::number(i), notPlayed, true, false});
        return all;
    };
    // One list per format and edition, made once: the rules live as long as the program.
    static QHash<const FormatRules *, std::vector<ChartKey>> made;
    static std::mutex making;
    const std::lock_guard lock(making);
    auto found = made.find(&rules);
    if (found == made.end())
        found = made.insert(&rules, keysOf(rules));
    return *found;
}

QString chartText(const IniDocument &file, const ChartKey &key)
{
    return file.value(key.section, key.key).value_or(key.defaultText);
}
