// The shipped language files, read from the program's resources, against
// the window they translate.
#include <algorithm>
#include <array>
#include <tuple>
#include <utility>

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTest>

#include "gui/chart/MainWindow.h"
#include "gui/controls/Controls.h"
#include "gui/kit/LanguageSwitch.h"
#include "i18n/LanguageFile.h"
#include "i18n/LanguageLine.h"
#include "storage/IniDocument.h"
#include "storage/UserSettings.h"
#include "support/AnsweringPrompts.h"
#include "support/TemporaryProgramFolder.h"
#include "tournament/MessageTable.h"
#include "tournament/RefreshAll.h"
#include "tournament/Tournament.h"

namespace {

const QStringList languageFiles{QStringLiteral("langFr.txt"), QStringLiteral("langEn.txt"),
                                QStringLiteral("langSp.txt"), QStringLiteral("langDe.txt"),
                                QStringLiteral("langIt.txt"), QStringLiteral("langPt.txt"),
                                QStringLiteral("langNl.txt")};

QString shipped(const QString &fileName)
{
    return QStringLiteral(":/shipped/") + fileName;
}

QByteArray shippedBytes(const QString &fileName)
{
    QFile file(shipped(fileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList shippedLines(const QString &fileName)
{
    QStringDecoder decode("windows-1252");
    const QString content = decode(shippedBytes(fileName));
    QStringList lines = content.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// What a line sets: a switch to another file overwrites exactly the keys
// that file has.
QString keyOf(const LanguageLine &line)
{
    if (const auto *message = std::get_if<MessageLine>(&line))
        return QStringLiteral("MSG %1").arg(message->entry);
    if (const auto *control = std::get_if<ControlLine>(&line))
        return control->index ? QStringLiteral("%1 %2").arg(control->name).arg(*control->index) : control->name;
    if (const auto *name = std::get_if<TeamNameLine>(&line))
        return QStringLiteral("EQU ") + name->stored;
    return QString();
}

// The teams of every shipped chart, as the charts store them. A blank
// chart holds the draw's places (A1 .. L4) until the draw, which every
// language shows as they are.
QSet<QString> shippedTeams()
{
    static const QRegularExpression drawPlace(QStringLiteral("^[A-L][1-4]$"));
    QSet<QString> teams;
    for (const QString &chart : QDir(shipped(QString())).entryList({QStringLiteral("*.ini")})) {
        const IniDocument document(shippedBytes(chart));
        for (char16_t group = u'A'; group <= u'L'; ++group)
            for (int place = 1; place <= 4; ++place)
                if (const std::optional<QString> team =
                        document.value(QStringLiteral("Equip") + QChar(group), QString::number(place));
                    team && !team->isEmpty() && !drawPlace.match(*team).hasMatch())
                    teams.insert(*team);
    }
    return teams;
}

QSet<QString> keysOf(const QString &fileName)
{
    QSet<QString> keys;
    // Team names are the translations' own: French shows the stored ones.
    for (const QString &line : shippedLines(fileName))
        if (const LanguageLine parsed = parseLanguageLine(line); !std::holds_alternative<TeamNameLine>(parsed))
            keys.insert(keyOf(parsed));
    return keys;
}

struct Shown
{
    QString caption;
    QString text;
    QString toolTip;
};

Shown shownBy(const QWidget *w)
{
    Shown shown{{}, {}, w->toolTip()};
    if (const auto *label = qobject_cast<const QLabel *>(w))
        shown.caption = label->text();
    else if (const auto *button = qobject_cast<const QAbstractButton *>(w))
        shown.caption = button->text();
    else if (const auto *box = qobject_cast<const QGroupBox *>(w))
        shown.caption = box->title();
    if (const auto *edit = qobject_cast<const QLineEdit *>(w))
        shown.text = edit->text();
    else if (const auto *combo = qobject_cast<const QComboBox *>(w))
        shown.text = combo->currentText();
    return shown;
}

// The window over a chart of its own.
struct Window
{
    Tournament t;
    AnsweringPrompts prompts;
    UserSettings settings;
    MainWindow window{t, prompts, settings};

    // As start-up before the knock-out stage: the group page shown, and
    // the French announced.
    Window()
    {
        window.showGroupPage();
        languageSwitch::announce();
    }

    // As the language switch does: the file, then the announcement every
    // part takes its texts from the message table on.
    bool apply(const QString &fileName)
    {
        const bool applied = window.applyLanguageFile(shipped(fileName)) == LanguageFileStatus::Applied;
        languageSwitch::announce();
        return applied;
    }

    // Where a control sits ("Frame3/LabEntete 2"): the column headings
    // repeat in every group.
    static QString placeOf(const QWidget *w)
    {
        QString place = w->objectName();
        if (controlIndex(w) >= 0)
            place += QStringLiteral(" %1").arg(controlIndex(w));
        for (const QWidget *parent = w->parentWidget(); parent && !parent->isWindow();
             parent = parent->parentWidget())
            if (!parent->objectName().isEmpty())
                place.prepend(parent->objectName() + u'/');
        return place;
    }

    // Every named control that does not show a model cell: the texts of
    // those belong to the rules and the user.
    QMap<QString, Shown> controlTexts() const
    {
        QMap<QString, Shown> texts;
        for (const QWidget *w : window.findChildren<QWidget *>()) {
            if (w->objectName().isEmpty() || w->objectName().startsWith(u"qt_") ||
                t.findFamily(w->objectName()))
                continue;
            const QString place = placeOf(w);
            if (texts.contains(place))
                qFatal("two controls at %s", qPrintable(place));
            texts.insert(place, shownBy(w));
        }
        return texts;
    }

    // Texts and draw marks: what the user typed and the rules computed.
    QStringList chartCells() const
    {
        QStringList cells;
        for (const CellFamily &family : t.families())
            for (int i = family.first(); i <= family.last(); ++i)
                cells << QStringLiteral("%1 %2 [%3] tag [%4]")
                             .arg(family.name())
                             .arg(i)
                             .arg(family.text(i), family[i].tag);
        return cells;
    }
};

QStringList differences(const QMap<QString, Shown> &expected, const QMap<QString, Shown> &actual)
{
    QStringList found;
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        const Shown now = actual.value(it.key());
        const std::array<std::tuple<const char *, QString, QString>, 3> properties{
            {{"caption", it->caption, now.caption},
             {"text", it->text, now.text},
             {"tooltip", it->toolTip, now.toolTip}}};
        for (const auto &[property, want, got] : properties)
            if (want != got)
                found << QStringLiteral("%1 %2: [%3] instead of [%4]")
                             .arg(it.key(), QString::fromLatin1(property), got, want);
    }
    return found;
}

// Texts that rightly read the same after a translation: by control (with
// or without its index) and design text, any text when none is given.
struct SameInEveryLanguage
{
    QString control;
    QString text;
};

const QList<SameInEveryLanguage> sameInEveryLanguage{
    // The program's name and version.
    {QStringLiteral("Label7"), {}},
    // The chooser names each language in that language.
    {QStringLiteral("lang"), {}},
    // Time zones go by their names in the zone database.
    {QStringLiteral("ComboFuseau"), {}},
    // The usual abbreviations of the points column, and of the matches
    // played ("jogos" as "joués").
    {QStringLiteral("LabEntete 4"), QStringLiteral("Pts")},
    {QStringLiteral("LabEntete 0"), QStringLiteral("J")},
    // Words of other languages that are the French ones.
    {QStringLiteral("LabTour 3"), QStringLiteral("Finale")},
    {QStringLiteral("LabTour 5"), QStringLiteral("Podium")},
    {QStringLiteral("LabEntete 4"), QStringLiteral("Points")},
    {QStringLiteral("Label8"), QStringLiteral("Forum")},
    // The help page's title and the author's address.
    {QStringLiteral("Label2"), QStringLiteral("Vylora 2010")},
    {QStringLiteral("Label9"), {}},
    // The author's credit is the program's own.
    {QStringLiteral("Label6 4"), {}},
    // The calendar's exclamation on a day without matches.
    {QStringLiteral("LabCAL 3"), QStringLiteral("!!!")},
    // The way back to the user's chart is its year.
    {QStringLiteral("Command4"), QStringLiteral("2010...")},
};

bool isSameInEveryLanguage(const QString &place, const QString &text)
{
    const QString element = place.section(u'/', -1);
    const QString name = element.section(u' ', 0, 0);
    return std::any_of(
        sameInEveryLanguage.cbegin(), sameInEveryLanguage.cend(), [&](const SameInEveryLanguage &same) {
            return (same.text.isEmpty() || same.text == text) && (same.control == element || same.control == name);
        });
}

void addEveryFile()
{
    QTest::addColumn<QString>("fileName");
    for (const QString &fileName : languageFiles)
        QTest::newRow(qPrintable(fileName)) << fileName;
}

void addTranslations()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("English") << QStringLiteral("langEn.txt");
    QTest::newRow("Spanish") << QStringLiteral("langSp.txt");
    QTest::newRow("German") << QStringLiteral("langDe.txt");
    QTest::newRow("Italian") << QStringLiteral("langIt.txt");
    QTest::newRow("Portuguese") << QStringLiteral("langPt.txt");
    QTest::newRow("Dutch") << QStringLiteral("langNl.txt");
}

} // namespace

class TestLanguageFiles final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(resources); // the resources live in a static library
        QLocale::setDefault(QLocale::c());
    }

    void linesAreWellFormed_data() { addEveryFile(); }
    void linesAreWellFormed()
    {
        QFETCH(QString, fileName);
        const QByteArray bytes = shippedBytes(fileName);
        QVERIFY2(!bytes.isEmpty(), "not among the shipped resources");
        QVERIFY2(bytes.endsWith("\r\n"), "the last line has no line end");
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
        QStringDecoder decode("windows-1252");
        decode(bytes);
        QVERIFY(!decode.hasError());

        QSet<QString> keys;
        for (const QString &line : shippedLines(fileName)) {
            const LanguageLine parsed = parseLanguageLine(line);
            QVERIFY2(!std::holds_alternative<std::monostate>(parsed), qPrintable(line));
            // One field more would mean a stray backslash inside a text.
            const qsizetype fields = std::holds_alternative<ControlLine>(parsed) ? 5 : 3;
            QVERIFY2(line.count(u'\\') == fields - 1, qPrintable(line));
            QVERIFY2(!keys.contains(keyOf(parsed)), qPrintable(QStringLiteral("set twice: ") + line));
            keys.insert(keyOf(parsed));
        }
    }

    void controlLinesNameControlsOfTheWindow_data() { addEveryFile(); }
    void controlLinesNameControlsOfTheWindow()
    {
        QFETCH(QString, fileName);
        Window w;
        w.window.buildEveryPanel();
        for (const QString &line : shippedLines(fileName)) {
            const LanguageLine parsed = parseLanguageLine(line);
            if (const auto *control = std::get_if<ControlLine>(&parsed)) {
                const QList<QWidget *> named = w.window.findChildren<QWidget *>(control->name);
                QVERIFY2(std::any_of(named.begin(), named.end(),
                                     [&](const QWidget *c) { return !control->index || controlIndex(c) == *control->index; }),
                         qPrintable(line));
            }
        }
    }

    // Every entry the code names, so a table edited without running its
    // script, or a file edited by hand, shows here.
    void everyMessageIsSet_data() { addEveryFile(); }
    void everyMessageIsSet()
    {
        QFETCH(QString, fileName);
        Window w;
        QVERIFY(w.apply(fileName));
        for (Message entry : everyMessage)
            QVERIFY2(!w.t.messages().at(entry).trimmed().isEmpty(), qPrintable(QString::number(int(entry))));
        QCOMPARE(w.t.messages().at(Message::saveFailed).count(QStringLiteral("%1")), 1);
    }

    void filesSetTheSameControlsAndMessages_data() { addTranslations(); }
    void filesSetTheSameControlsAndMessages()
    {
        QFETCH(QString, fileName);
        const QSet<QString> french = keysOf(QStringLiteral("langFr.txt"));
        const QSet<QString> other = keysOf(fileName);
        QStringList onlyFrench = QSet<QString>(french).subtract(other).values();
        QStringList onlyOther = QSet<QString>(other).subtract(french).values();
        onlyFrench.sort();
        onlyOther.sort();
        QVERIFY2(onlyFrench.isEmpty(), qPrintable(QStringLiteral("only French: ") + onlyFrench.join(u", ")));
        QVERIFY2(onlyOther.isEmpty(), qPrintable(QStringLiteral("not in French: ") + onlyOther.join(u", ")));
    }

    // French shows the names as stored; a translation names every team
    // of every chart the program ships.
    void everyShippedTeamIsNamed_data() { addTranslations(); }
    void everyShippedTeamIsNamed()
    {
        QFETCH(QString, fileName);
        QSet<QString> named;
        for (const QString &line : shippedLines(fileName))
            if (const LanguageLine parsed = parseLanguageLine(line);
                const auto *team = std::get_if<TeamNameLine>(&parsed))
                named.insert(team->stored);
        const QSet<QString> teams = shippedTeams();
        QVERIFY(teams.contains(QStringLiteral("Ouzbékistan")));
        QStringList unnamed = QSet<QString>(teams).subtract(named).values();
        unnamed.sort();
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", ")));
    }

    void translationLeavesNoFrenchDesignText_data() { addTranslations(); }
    void translationLeavesNoFrenchDesignText()
    {
        QFETCH(QString, fileName);
        Window w;
        const QMap<QString, Shown> design = w.controlTexts();
        QVERIFY(w.apply(fileName));
        const QMap<QString, Shown> translated = w.controlTexts();

        QStringList french;
        for (auto it = design.cbegin(); it != design.cend(); ++it) {
            const Shown now = translated.value(it.key());
            for (const auto &[was, is] : {std::pair{it->caption, now.caption}, std::pair{it->text, now.text},
                                          std::pair{it->toolTip, now.toolTip}})
                if (!was.isEmpty() && was == is && !isSameInEveryLanguage(it.key(), was))
                    french << it.key() + QStringLiteral(": ") + was;
        }
        QVERIFY2(french.isEmpty(), qPrintable(french.join(u"; ")));
    }

    void frenchRestoresTheDesign()
    {
        Window w;
        const QMap<QString, Shown> design = w.controlTexts();
        QVERIFY(w.apply(QStringLiteral("langFr.txt")));
        const QMap<QString, Shown> french = w.controlTexts();

        // Its own words are the design's; it only adds tooltips where the
        // design has none.
        // Every language fills the year list from its messages; it has no
        // design text.
        QMap<QString, Shown> withAddedTips = design;
        for (auto it = withAddedTips.begin(); it != withAddedTips.end(); ++it) {
            if (it->toolTip.isEmpty())
                it->toolTip = french.value(it.key()).toolTip;
            if (it.key().endsWith(u"/Combo2"))
                it->text = french.value(it.key()).text;
            // The calendar's rows are the day's, written from the messages.
            if (it.key().contains(u"/LabCAL"))
                it->caption = french.value(it.key()).caption;
        }
        QStringList changed = differences(withAddedTips, french);
        QVERIFY2(changed.isEmpty(), qPrintable(changed.join(u"; ")));

        for (const QString &fileName : languageFiles)
            QVERIFY(w.apply(fileName));
        QVERIFY(w.apply(QStringLiteral("langFr.txt")));
        changed = differences(french, w.controlTexts());
        QVERIFY2(changed.isEmpty(), qPrintable(changed.join(u"; ")));
    }

    // A line naming a score, penalty or team cell would wipe what the user
    // typed there at every switch; one naming a computed cell would show a
    // stale text until the next computation.
    void applyingLeavesTheChartAlone_data() { addEveryFile(); }
    void applyingLeavesTheChartAlone()
    {
        QFETCH(QString, fileName);
        Window w;
        w.t.setReady(true);
        RefreshAll(w.t);
        const QList<std::tuple<QString, int, QString>> typed{
            {QStringLiteral("ButA"), 0, QStringLiteral("2")},
            {QStringLiteral("ButA"), 1, QStringLiteral("1")},
            {QStringLiteral("A"), 1, QStringLiteral("Bafana")},
            {QStringLiteral("Buthui"), 0, QStringLiteral("1")},
            {QStringLiteral("Buthui"), 1, QStringLiteral("1")},
            {QStringLiteral("ButPen"), 0, QStringLiteral("4")},
            {QStringLiteral("ButPen"), 1, QStringLiteral("3")},
            {QStringLiteral("ButPenFIN"), 0, QStringLiteral("5")},
        };
        for (const auto &[family, index, text] : typed)
            w.t.setText(w.t.family(family), index, text);
        const QStringList before = w.chartCells();
        QVERIFY(w.apply(fileName));
        QCOMPARE(w.chartCells(), before);
    }

    void accentsArriveDecoded_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<Message>("entry");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<char>("byte");
        QTest::newRow("é in French") << QStringLiteral("langFr.txt") << Message::saveFailed
                                     << QStringLiteral(
                                            "Le pronostic n'a pas pu être enregistré dans le fichier %1.")
                                     << '\xe9';
        QTest::newRow("ñ in Spanish") << QStringLiteral("langSp.txt") << Message::chooseYear
                                      << QStringLiteral("Elegir el año...") << '\xf1';
        QTest::newRow("¡ in Spanish") << QStringLiteral("langSp.txt") << Message::drawLots
                                      << QStringLiteral("¡Sorteo!") << '\xa1';
        // A Windows-1252 character that Latin-1 lacks.
        QTest::newRow("dash in English") << QStringLiteral("langEn.txt") << Message::statsTitle
                                         << QStringLiteral("Statistics – World Cup") << '\x96';
    }
    // A file kept in the user's folder from an earlier version: the lines
    // it lacks come from the shipped file of its name, its own stand.
    void anOlderFileReadsTheLinesItLacksFromTheShippedOne()
    {
        const TemporaryProgramFolder folder;
        QByteArray older;
        for (const QByteArray &line : shippedBytes(QStringLiteral("langDe.txt")).split('\n')) {
            if (line.startsWith("MSG\\") && line.trimmed().endsWith("\\156"))
                continue;
            older += line.trimmed().endsWith("\\157") ? QByteArray("MSG\\Eigene Worte\\157\r") : line;
            older += '\n';
        }
        folder.write(QStringLiteral("langDe.txt"), older);
        MessageTable messages;
        QCOMPARE(LoadLanguageMessages(folder.filePath(QStringLiteral("langDe.txt")), messages),
                 LanguageFileStatus::Applied);
        QCOMPARE(messages.text(Message::myPrediction), QStringLiteral("Mein Tipp"));
        QCOMPARE(messages.text(Message::teamsUnlocked), QStringLiteral("Eigene Worte"));
    }

    void accentsArriveDecoded()
    {
        QFETCH(QString, fileName);
        QFETCH(Message, entry);
        QFETCH(QString, expected);
        QFETCH(char, byte);
        QVERIFY(shippedBytes(fileName).contains(byte));
        Window w;
        QVERIFY(w.apply(fileName));
        QCOMPARE(w.t.messages().at(entry), expected);
    }
};

QTEST_MAIN(TestLanguageFiles)
#include "tst_languagefiles.moc"
