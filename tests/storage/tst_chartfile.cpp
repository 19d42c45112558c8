#include <functional>
#include <optional>

#include <QDir>
#include <QFile>
#include <QtTest>

#include "storage/ChartFile.h"
#include "storage/ModuleSetting.h"
#include "storage/ScopedProgramFolder.h"
#include "support/TemporaryProgramFolder.h"
#include "tournament/Tournament.h"

namespace {

const QString chart = QStringLiteral("VYL2010");
const QString chartFileName = QStringLiteral("VYL2010.ini");

struct Event
{
    QString family;
    int index;
    CellProperty property;
};

// Every change the model announces, in order.
std::vector<Event> &record(Tournament &t, std::vector<Event> &events)
{
    t.addObserver([&events](const CellFamily &f, int index, CellProperty p) { events.push_back({f.name(), index, p}); });
    return events;
}

std::vector<CellFamily *> knockoutCells(const Tournament &t)
{
    std::vector<CellFamily *> cells;
    for (Round r : allRounds)
        cells.insert(cells.end(), {t.round(r).goals, t.round(r).penalties});
    return cells;
}

int sidesOf(const Tournament &t, const CellFamily *cells)
{
    for (Round r : allRounds)
        if (t.round(r).goals == cells || t.round(r).penalties == cells)
            return t.round(r).sides;
    return 0;
}

// A chart whose every stored cell differs from its neighbour and from the
// empty chart, with "-", empty texts, accents and marks among them.
void fillEveryStoredCell(Tournament &t)
{
    int n = 0;
    for (GroupId g : allGroups) {
        const GroupCells &cells = t.group(g);
        for (int i = 0; i <= 11; ++i, ++n)
            t.setText(*cells.score, i, n % 7 == 3 ? QString() : QString::number(n % 5));
        for (int slot = 1; slot <= 4; ++slot) {
            t.setText(*cells.team, slot, QString::fromUtf8("Équipe ") + groupLetter(g) + QString::number(slot * 10));
            t.setTag(*cells.team, slot, (slot + groupIndex(g)) % 3 == 0 ? QStringLiteral("1") : QString());
        }
    }
    for (CellFamily *cells : knockoutCells(t))
        for (int i = 0; i < sidesOf(t, cells); ++i, ++n)
            t.setText(*cells, i, n % 4 == 0 ? QString() : QString::number(n % 6));
}

struct Snapshot
{
    QStringList texts;
    QStringList marks;
    bool operator==(const Snapshot &) const = default;
};

Snapshot storedCells(const Tournament &t)
{
    Snapshot s;
    for (GroupId g : allGroups) {
        for (int i = 0; i <= 11; ++i)
            s.texts << t.group(g).score->text(i);
        for (int slot = 1; slot <= 4; ++slot) {
            s.texts << t.group(g).team->text(slot);
            s.marks << (*t.group(g).team)[slot].tag;
        }
    }
    for (CellFamily *cells : knockoutCells(t))
        for (int i = 0; i < sidesOf(t, cells); ++i)
            s.texts << cells->text(i);
    return s;
}

bool modeIsIgnored(const QString &folder)
{
    QFile probe(folder + QStringLiteral("/probe"));
    const bool written = probe.open(QIODevice::WriteOnly);
    probe.remove();
    return written;
}

} // namespace

class TestChartFile final : public QObject
{
    Q_OBJECT

private slots:
    void saveThenLoadGivesBackEveryCell();
    void saveKeepsPublishedSections();
    void saveWritesWhatOneKeyWritesWould();
    void missingKeyTakesDefault();
    void missingFileLoadsEmptyChart();
    void unusableFileLoadsEmptyChart_data();
    void unusableFileLoadsEmptyChart();
    void loadSetsCellsInFileOrder();
    void readyLoadRecomputesGroupByGroup();
    void versionCheckCanStopLoad();
    void newsFollowsLanguage_data();
    void newsFollowsLanguage();
    void failedSaveKeepsFile_data();
    void failedSaveKeepsFile();
};

void TestChartFile::saveThenLoadGivesBackEveryCell()
{
    TemporaryProgramFolder folder;
    Tournament saved;
    saved.setChartName(chart);
    fillEveryStoredCell(saved);
    QVERIFY(SaveChart(saved));

    Tournament loaded;
    QVERIFY(LoadChart(loaded, chart, 0));
    QCOMPARE(storedCells(loaded).texts, storedCells(saved).texts);
    QCOMPARE(storedCells(loaded).marks, storedCells(saved).marks);
    QCOMPARE(loaded.chartName(), chart);

    // The empty chart, "-" everywhere, survives too.
    Tournament empty;
    empty.setChartName(chart);
    QVERIFY(SaveChart(empty));
    QVERIFY(LoadChart(loaded, chart, 0));
    QVERIFY(storedCells(loaded) == storedCells(empty));
}

void TestChartFile::saveKeepsPublishedSections()
{
    TemporaryProgramFolder folder;
    const QByteArray published = "[CV]\r\n0=2.7\r\n[Lien]\r\n0=Nouveau !\r\n1=http://example.invalid/\r\n"
                                 "[Mess]\r\n0=Bonjour\r\n1=Hello\r\n2=Hola\r\n"
                                 "[Match]\r\n0=Soccer City (Johannesburg) TF1 11/06/10 16:00\r\n"
                                 "500=Soccer City (Johannesburg) TF1 11/07/10 20:30\r\n";
    folder.write(chartFileName, published + "[ButA]\r\n0=-\r\n");
    Tournament t;
    QVERIFY(LoadChart(t, chart, 0));
    fillEveryStoredCell(t);
    QVERIFY(SaveChart(t));

    QVERIFY(folder.read(chartFileName).startsWith(published));
    QCOMPARE(ReadIniValue(chart, QStringLiteral("CV"), QStringLiteral("0")), QStringLiteral("2.7"));
    QCOMPARE(ReadIniValue(chart, QStringLiteral("Lien"), QStringLiteral("1")), QStringLiteral("http://example.invalid/"));
    QCOMPARE(ReadIniValue(chart, QStringLiteral("Mess"), QStringLiteral("2")), QStringLiteral("Hola"));
    QCOMPARE(ReadIniValue(chart, QStringLiteral("Match"), QStringLiteral("500")),
             QStringLiteral("Soccer City (Johannesburg) TF1 11/07/10 20:30"));
    QCOMPARE(ReadIniValue(chart, QStringLiteral("ButA"), QStringLiteral("0")), t.group(GroupId::A).score->text(0));
}

// Saving rewrites the file once; it must give the very bytes that writing
// its keys one by one, in the file's save order, would give.
void TestChartFile::saveWritesWhatOneKeyWritesWould()
{
    const QByteArray existing = "; kept\r\n[Match]\r\n0=note\r\n\r\n[butb]\r\n3 = 7\r\n[PenFIN]\n1=2\n";
    Tournament t;
    t.setChartName(chart);
    fillEveryStoredCell(t);

    TemporaryProgramFolder batch;
    batch.write(chartFileName, existing);
    QVERIFY(SaveChart(t));
    const QByteArray saved = batch.read(chartFileName);

    TemporaryProgramFolder oneByOne;
    oneByOne.write(chartFileName, existing);
    auto put = [](const QString &section, int key, const QString &value) {
        QVERIFY(WriteIniValue(chart, section, QString::number(key), value));
    };
    for (GroupId g : allGroups) {
        for (int i = 0; i <= 11; ++i)
            put(QStringLiteral("But") + groupLetter(g), i, t.group(g).score->text(i));
        for (int slot = 1; slot <= 4; ++slot)
            put(QStringLiteral("Equip") + groupLetter(g), slot, t.group(g).team->text(slot));
    }
    const std::vector<std::pair<const char *, const char *>> knockout{
        {"But8", "Buthui"},  {"Pen8", "ButPen"},     {"But4", "ButQua"},          {"Pen4", "ButPen4"},
        {"ButDEM", "ButDem"}, {"PenDEM", "ButPen2"}, {"PenFIN", "ButPenFIN"},     {"BUTFIN", "ButFIN"},
        {"PenPetFIN", "ButPenpetfin"},               {"BUTPetFIN", "Butpetfin"}};
    for (const auto &[section, family] : knockout) {
        const CellFamily &cells = *t.findFamily(QString::fromUtf8(family));
        for (int i = 0; i < sidesOf(t, &cells); ++i)
            put(QString::fromUtf8(section), i, cells.text(i));
    }
    for (int slot = 1; slot <= 4; ++slot)
        for (GroupId g : allGroups)
            put(QStringLiteral("TS") + groupLetter(g), slot, (*t.group(g).team)[slot].tag);

    QCOMPARE(saved, oneByOne.read(chartFileName));
}

void TestChartFile::missingKeyTakesDefault()
{
    TemporaryProgramFolder folder;
    folder.write(chartFileName, "[EquipC]\r\n1=Angleterre\r\n3=Alg\xE9rie\r\n4=Slov\xE9nie\r\n[ButC]\r\n0=2\r\n");
    Tournament t;
    LoadChart(t, chart, 0);
    const CellFamily &teams = *t.group(GroupId::C).team;
    QCOMPARE(teams.text(1), QStringLiteral("Angleterre"));
    QCOMPARE(teams.text(2), QStringLiteral("C2"));
    QCOMPARE(teams.text(3), QString::fromUtf8("Algérie"));
    QCOMPARE(t.group(GroupId::C).score->text(0), QStringLiteral("2"));
    QCOMPARE(t.group(GroupId::C).score->text(1), QStringLiteral("-"));
}

void TestChartFile::missingFileLoadsEmptyChart()
{
    TemporaryProgramFolder folder;
    Tournament t;
    t.setChartName(chart);
    fillEveryStoredCell(t);
    t.setText(t.family(QStringLiteral("Lablien")), 0, QStringLiteral("old link"));
    t.setText(t.family(QStringLiteral("Label10")), 0, QStringLiteral("old news"));

    bool scheduleBuilt = false;
    QVERIFY(LoadChart(t, QStringLiteral("VYL1998"), 0, {{}, [&](const IniDocument &) { scheduleBuilt = true; }}));

    QVERIFY(storedCells(t) == storedCells(Tournament()));
    QCOMPARE(t.chartName(), QStringLiteral("VYL1998"));
    QCOMPARE(t.family(QStringLiteral("Lablien")).text(0), QString());
    QCOMPARE(t.family(QStringLiteral("Label10")).text(0), QString());
    QVERIFY(scheduleBuilt);

    QVERIFY(SaveChart(t));
    QVERIFY(QFileInfo::exists(folder.filePath(QStringLiteral("VYL1998.ini"))));
}

void TestChartFile::unusableFileLoadsEmptyChart_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("problem"); // -1: none
    QTest::addColumn<bool>("savable");
    const int none = -1;
    const int notAChart = int(ChartFileProblem::NotAChart);
    QTest::newRow("random bytes") << QByteArray("\x8f\x01Zq=\xff[\n\x00]x\r\n7=A1") << notAChart << true;
    QTest::newRow("empty file") << QByteArray() << notAChart << true;
    QTest::newRow("keys outside any section") << QByteArray("0=3\r\n1=France\r\n") << notAChart << true;
    QTest::newRow("sections of another file") << QByteArray("[data]\r\nlangue=1\r\n") << notAChart << true;
    QTest::newRow("match notes alone are a chart") << QByteArray("[Match]\r\n0=note\r\n") << none << true;
    QTest::newRow("spelled in other letter case") << QByteArray("[equipa]\r\n1=France\r\n") << none << true;
    QTest::newRow("larger than any chart") << QByteArray("[EquipA]\r\n1=France\r\n") + QByteArray(1 << 20, ';')
                                           << int(ChartFileProblem::TooLarge) << false;
}

// Whatever the file holds, the window gets a chart and the user's file is
// never written into unless it is one.
void TestChartFile::unusableFileLoadsEmptyChart()
{
    QFETCH(QByteArray, content);
    QFETCH(int, problem);
    QFETCH(bool, savable);
    TemporaryProgramFolder folder;
    folder.write(chartFileName, content);
    const QString damaged = folder.filePath(chartFileName + QStringLiteral(".damaged"));

    std::vector<std::pair<int, QString>> told;
    ChartHooks hooks;
    hooks.fileProblem = [&told](ChartFileProblem p, const QString &path) { told.emplace_back(int(p), path); };
    Tournament t;
    QVERIFY(LoadChart(t, chart, 0, hooks));

    if (problem < 0) {
        QVERIFY(told.empty());
        QCOMPARE(folder.read(chartFileName), content);
        return;
    }
    QCOMPARE(told.size(), std::size_t(1));
    QCOMPARE(told[0].first, problem);
    QVERIFY(storedCells(t) == storedCells(Tournament()));
    if (problem == int(ChartFileProblem::NotAChart)) {
        QCOMPARE(told[0].second, damaged);
        QCOMPARE(folder.read(chartFileName + QStringLiteral(".damaged")), content);
    }

    fillEveryStoredCell(t);
    QCOMPARE(SaveChart(t), savable);
    const QByteArray saved = folder.read(chartFileName);
    if (savable)
        QVERIFY2(saved.startsWith("[ButA]\r\n"), saved.left(40).constData());
    else
        QCOMPARE(saved, content);
}

// Every stored cell is set once, in the file's load order, each a change
// of its own; with the ready flag clear nothing else is touched.
void TestChartFile::loadSetsCellsInFileOrder()
{
    TemporaryProgramFolder folder;
    {
        Tournament source;
        source.setChartName(chart);
        for (GroupId g : allGroups)
            for (int slot = 1; slot <= 4; ++slot) {
                source.setTag(*source.group(g).team, slot, QStringLiteral("1"));
                source.setText(*source.group(g).team, slot, QStringLiteral("T"));
            }
        for (GroupId g : allGroups)
            for (int i = 0; i <= 11; ++i)
                source.setText(*source.group(g).score, i, QStringLiteral("1"));
        for (CellFamily *cells : knockoutCells(source))
            for (int i = 0; i < sidesOf(source, cells); ++i)
                source.setText(*cells, i, QStringLiteral("1"));
        QVERIFY(SaveChart(source));
    }
    WriteIniValue(chart, QStringLiteral("Lien"), QStringLiteral("0"), QStringLiteral("caption"));
    WriteIniValue(chart, QStringLiteral("Lien"), QStringLiteral("1"), QStringLiteral("address"));
    WriteIniValue(chart, QStringLiteral("Mess"), QStringLiteral("0"), QStringLiteral("news"));

    Tournament t;
    std::vector<Event> events;
    record(t, events);
    QVERIFY(LoadChart(t, chart, 0, {{}, [&](const IniDocument &) { events.push_back({QStringLiteral("schedule:") + chart, 0, CellProperty::Text}); }}));

    std::vector<Event> expected{{QStringLiteral("Text1"), 0, CellProperty::Text}};
    for (int slot = 1; slot <= 4; ++slot)
        for (GroupId g : allGroups)
            expected.push_back({t.group(g).team->name(), slot, CellProperty::Tag});
    for (GroupId g : allGroups) {
        for (int i = 0; i <= 11; ++i)
            expected.push_back({t.group(g).score->name(), i, CellProperty::Text});
        for (int slot = 1; slot <= 4; ++slot)
            expected.push_back({t.group(g).team->name(), slot, CellProperty::Text});
    }
    for (const char *family : {"ButPen", "Buthui", "ButQua", "ButPen4", "ButDem", "ButPen2", "ButPenFIN", "ButFIN",
                               "ButPenpetfin", "Butpetfin"}) {
        const CellFamily &cells = t.family(QString::fromUtf8(family));
        for (int i = 0; i < sidesOf(t, &cells); ++i)
            expected.push_back({cells.name(), i, CellProperty::Text});
    }
    expected.push_back({QStringLiteral("Lablien"), 0, CellProperty::Text});
    expected.push_back({QStringLiteral("Lablien"), 0, CellProperty::Tag});
    expected.push_back({QStringLiteral("schedule:VYL2010"), 0, CellProperty::Text});
    expected.push_back({QStringLiteral("Label10"), 0, CellProperty::Text});

    QCOMPARE(events.size(), expected.size());
    for (std::size_t i = 0; i < events.size(); ++i) {
        QCOMPARE(events[i].family, expected[i].family);
        QCOMPARE(events[i].index, expected[i].index);
        QCOMPARE(events[i].property, expected[i].property);
    }
    QCOMPARE(t.family(QStringLiteral("Lablien"))[0].tag, QStringLiteral("address"));
}

// With the ready flag set each group's table follows as soon as its own
// cells are in, before the next group's scores arrive.
void TestChartFile::readyLoadRecomputesGroupByGroup()
{
    TemporaryProgramFolder folder;
    folder.write(chartFileName, "[ButA]\r\n0=2\r\n1=0\r\n[ButB]\r\n0=1\r\n1=1\r\n");
    Tournament t;
    t.setReady(true);
    std::vector<Event> events;
    record(t, events);
    LoadChart(t, chart, 0);

    auto firstAt = [&](const QString &family, int index, CellProperty property) {
        for (std::size_t i = 0; i < events.size(); ++i)
            if (events[i].family == family && events[i].index == index && events[i].property == property)
                return std::optional<std::size_t>(i);
        return std::optional<std::size_t>();
    };
    const auto groupAPoints = firstAt(QStringLiteral("PTs"), 1, CellProperty::Text);
    const auto groupBFirstScore = firstAt(QStringLiteral("ButB"), 0, CellProperty::Text);
    const auto groupBPoints = firstAt(QStringLiteral("PTsB"), 1, CellProperty::Text);
    const auto groupCFirstScore = firstAt(QStringLiteral("ButC"), 0, CellProperty::Text);
    QVERIFY(groupAPoints && groupBFirstScore && groupBPoints);
    QVERIFY(*groupAPoints < *groupBFirstScore);
    QVERIFY(!groupCFirstScore); // "-" is already there: no change
    QCOMPARE(t.group(GroupId::A).points->text(1), QStringLiteral("3"));
    QCOMPARE(t.group(GroupId::B).points->text(1), QStringLiteral("1"));

    Tournament notReady;
    std::vector<Event> quiet;
    record(notReady, quiet);
    LoadChart(notReady, chart, 0);
    for (const Event &e : quiet)
        QVERIFY2(!e.family.startsWith(u"PTs") && !e.family.startsWith(u"MJ"), qPrintable(e.family));
    QCOMPARE(notReady.group(GroupId::A).points->text(1), QString());
}

void TestChartFile::versionCheckCanStopLoad()
{
    TemporaryProgramFolder folder;
    folder.write(chartFileName, "[CV]\r\n0=2.7\r\n[ButA]\r\n0=4\r\n[EquipA]\r\n1=Mexique\r\n");
    Tournament t;
    QString seen;
    bool scheduleBuilt = false;
    ChartHooks stop{[&](const QString &latest) {
                        seen = latest;
                        return false;
                    },
                    [&](const IniDocument &) { scheduleBuilt = true; }};
    QVERIFY(!LoadChart(t, chart, 0, stop));
    QCOMPARE(seen, QStringLiteral("2.7"));
    QCOMPARE(t.chartName(), chart);
    QCOMPARE(t.group(GroupId::A).score->text(0), QStringLiteral("-"));
    QCOMPARE(t.group(GroupId::A).team->text(1), QStringLiteral("A1"));
    QVERIFY(!scheduleBuilt);

    folder.write(chartFileName, "[ButA]\r\n0=4\r\n");
    stop.versionCheck = [&](const QString &latest) {
        seen = latest;
        return true;
    };
    QVERIFY(LoadChart(t, chart, 0, stop));
    QCOMPARE(seen, QStringLiteral("-"));
    QCOMPARE(t.group(GroupId::A).score->text(0), QStringLiteral("4"));
}

void TestChartFile::newsFollowsLanguage_data()
{
    QTest::addColumn<QByteArray>("mess");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("expected");
    QTest::newRow("French") << QByteArray("0=Bonjour\r\n1=Hello\r\n") << 0 << QStringLiteral("Bonjour");
    QTest::newRow("English") << QByteArray("0=Bonjour\r\n1=Hello\r\n") << 1 << QStringLiteral("Hello");
    QTest::newRow("French only, English chosen") << QByteArray("0=Bonjour\r\n") << 1 << QString();
    QTest::newRow("French only, Spanish chosen") << QByteArray("0=Bonjour\r\n") << 2 << QString();
    QTest::newRow("language number beyond the three") << QByteArray("0=Bonjour\r\n7=Seven\r\n") << 7
                                                       << QStringLiteral("Seven");
}

void TestChartFile::newsFollowsLanguage()
{
    QFETCH(QByteArray, mess);
    QFETCH(int, language);
    QFETCH(QString, expected);
    TemporaryProgramFolder folder;
    folder.write(chartFileName, "[Mess]\r\n" + mess);
    Tournament t;
    t.setText(t.family(QStringLiteral("Label10")), 0, QStringLiteral("previous"));
    LoadChart(t, chart, language);
    QCOMPARE(t.family(QStringLiteral("Label10")).text(0), expected);
}

void TestChartFile::failedSaveKeepsFile_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("folder is a file") << QStringLiteral("folder is a file");
    QTest::newRow("read-only folder") << QStringLiteral("read-only folder");
    QTest::newRow("file name taken by a folder") << QStringLiteral("file name taken by a folder");
    QTest::newRow("no chart name") << QStringLiteral("no chart name");
}

void TestChartFile::failedSaveKeepsFile()
{
    QFETCH(QString, failure);
    TemporaryProgramFolder folder;
    Tournament t;
    t.setChartName(chart);
    QVERIFY(SaveChart(t));
    const QByteArray before = folder.read(chartFileName);
    fillEveryStoredCell(t);

    std::optional<ScopedProgramFolder> redirect;
    if (failure == u"folder is a file") {
        redirect.emplace(folder.filePath(chartFileName));
    } else if (failure == u"read-only folder") {
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        if (modeIsIgnored(folder.path())) {
            QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("this user writes into read-only folders");
        }
    } else if (failure == u"file name taken by a folder") {
        t.setChartName(QStringLiteral("VYL2006"));
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("VYL2006.ini")));
    } else {
        t.setChartName(QString());
    }

    const bool saved = SaveChart(t);
    redirect.reset();
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!saved);
    QCOMPARE(folder.read(chartFileName), before);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{chartFileName});
}

QTEST_GUILESS_MAIN(TestChartFile)
#include "tst_chartfile.moc"
