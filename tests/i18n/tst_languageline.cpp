#include <QLocale>
#include <QTest>

#include "i18n/LanguageLine.h"

namespace {

// One readable line per parse result, so that a table row states everything
// the parser is expected to take from the line.
struct Describe
{
    QString operator()(std::monostate) const { return QStringLiteral("skipped"); }
    QString operator()(const MessageLine &m) const
    {
        return QStringLiteral("message %1 [%2]").arg(m.entry).arg(m.text);
    }
    QString operator()(const TeamNameLine &n) const
    {
        return QStringLiteral("name [%1] [%2]").arg(n.stored, n.shown);
    }
    QString operator()(const ControlLine &c) const
    {
        return QStringLiteral("control [%1] [%2] [%3] [%4] %5")
            .arg(c.name, c.caption, c.text, c.toolTip,
                 c.index ? QString::number(*c.index) : QStringLiteral("all"));
    }
};

QString parsed(const QString &line)
{
    return std::visit(Describe{}, parseLanguageLine(line));
}

} // namespace

class LanguageLineTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void messageLine_data();
    void messageLine();
    void controlLine_data();
    void controlLine();
};

void LanguageLineTest::messageLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char *name, const char *line, const char *expected) {
        QTest::newRow(name) << QString::fromUtf8(line) << QString::fromUtf8(expected);
    };
    row("plain", "MSG\\Phase Finale\\1", "message 1 [Phase Finale]");
    row("first entry", "MSG\\zéro\\0", "message 0 [zéro]");
    row("last entry", "MSG\\cent\\100", "message 100 [cent]");
    row("empty text", "MSG\\\\3", "message 3 []");
    row("text keeps its spaces", "MSG\\  Groupe \\3", "message 3 [  Groupe ]");
    row("extra fields ignored", "MSG\\a\\2\\9", "message 2 [a]");
    row("MSG prefix of a longer word", "MSGX\\a\\5", "message 5 [a]");
    row("blanks in the number", "MSG\\a\\ 1 2 ", "message 12 [a]");
    row("trailing garbage after the number", "MSG\\a\\4abc", "message 4 [a]");
    row("hexadecimal number", "MSG\\a\\&H1F", "message 31 [a]");
    row("exponent", "MSG\\a\\1e1", "message 10 [a]");
    row("rounds up", "MSG\\a\\6.6", "message 7 [a]");
    row("rounds down", "MSG\\a\\6.4", "message 6 [a]");
    row("half goes to even, down", "MSG\\a\\6.5", "message 6 [a]");
    row("half goes to even, up", "MSG\\a\\7.5", "message 8 [a]");
    row("small negative rounds to 0", "MSG\\a\\-0.4", "message 0 [a]");
    row("not a number is entry 0", "MSG\\a\\abc", "message 0 [a]");
    row("empty number is entry 0", "MSG\\a\\", "message 0 [a]");
    row("half above the last entry rounds to it", "MSG\\a\\100.5", "message 100 [a]");
    row("beyond the table", "MSG\\a\\200", "skipped");
    row("rounds beyond the table", "MSG\\a\\199.6", "skipped");
    row("negative", "MSG\\a\\-1", "skipped");
    row("huge number", "MSG\\a\\1e300", "skipped");
    row("no number field", "MSG\\Phase Finale", "skipped");
    row("MSG alone", "MSG", "skipped");
    row("lower-case msg is a control line", "msg\\a\\b\\c\\", "control [msg] [a] [b] [c] all");
}

void LanguageLineTest::messageLine()
{
    QFETCH(QString, line);
    QFETCH(QString, expected);
    QCOMPARE(parsed(line), expected);
}

void LanguageLineTest::controlLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char *name, const char *line, const char *expected) {
        QTest::newRow(name) << QString::fromUtf8(line) << QString::fromUtf8(expected);
    };
    row("every element", "Command1\\Phase finale\\\\Voir le tableau\\",
        "control [Command1] [Phase finale] [] [Voir le tableau] all");
    row("one element", "lme\\a\\b\\c\\3", "control [lme] [a] [b] [c] 3");
    row("element 0", "lme\\a\\b\\c\\0", "control [lme] [a] [b] [c] 0");
    row("all fields empty", "Label4\\\\\\\\", "control [Label4] [] [] [] all");
    row("empty name kept", "\\a\\b\\c\\", "control [] [a] [b] [c] all");
    row("spaces kept", " Label4 \\ a \\ b \\ c \\", "control [ Label4 ] [ a ] [ b ] [ c ] all");
    row("extra fields ignored", "Label4\\a\\b\\c\\1\\x", "control [Label4] [a] [b] [c] 1");
    row("index with blanks", "lme\\a\\b\\c\\ 2 ", "control [lme] [a] [b] [c] 2");
    row("whole index written with a point", "lme\\a\\b\\c\\2.0", "control [lme] [a] [b] [c] 2");
    row("index not a number is element 0", "lme\\a\\b\\c\\abc", "control [lme] [a] [b] [c] 0");
    row("blank index is element 0", "lme\\a\\b\\c\\ ", "control [lme] [a] [b] [c] 0");
    row("fractional index names no element", "lme\\a\\b\\c\\1.5", "skipped");
    row("negative index names no element", "lme\\a\\b\\c\\-1", "skipped");
    row("index beyond any array", "lme\\a\\b\\c\\1e10", "skipped");
    row("four fields", "Label4\\a\\b\\c", "skipped");
    row("name only", "Label4", "skipped");
    row("lone backslash", "\\", "skipped");
    row("empty line", "", "skipped");
}

void LanguageLineTest::controlLine()
{
    QFETCH(QString, line);
    QFETCH(QString, expected);
    QCOMPARE(parsed(line), expected);
}

QTEST_GUILESS_MAIN(LanguageLineTest)
#include "tst_languageline.moc"
