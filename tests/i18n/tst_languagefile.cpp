#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include "i18n/ControlTarget.h"
#include "i18n/LanguageFile.h"
#include "tournament/MessageTable.h"

namespace {

// Keeps every control line the loader hands over, in order, as text.
class RecordingTarget final : public ControlTarget
{
public:
    void applyControlLine(const QString &name, std::optional<int> index, const QString &caption,
                          const QString &text, const QString &toolTip) override
    {
        m_calls << QStringLiteral("%1 %2 [%3] [%4] [%5]")
                       .arg(name, index ? QString::number(*index) : QStringLiteral("all"), caption, text, toolTip);
    }

    const QStringList &calls() const { return m_calls; }

private:
    QStringList m_calls;
};

QByteArray windows1252(const QStringList &lines, const char *lineEnd = "\r\n")
{
    QStringEncoder encode("windows-1252");
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += QByteArray(encode(line)) + lineEnd;
    return bytes;
}

QStringList utf8Lines(std::initializer_list<const char *> lines)
{
    QStringList result;
    for (const char *line : lines)
        result << QString::fromUtf8(line);
    return result;
}

} // namespace

class LanguageFileTest final : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void appliesLinesInFileOrder();
    void laterFileKeepsEntriesItDoesNotSet();
    void decodesWindows1252();
    void lineEnds_data();
    void lineEnds();
    void malformedLineIsSkipped_data();
    void malformedLineIsSkipped();
    void emptyFileChangesNothing();
    void unopenableFileChangesNothing_data();
    void unopenableFileChangesNothing();
    void yearListStartsWithEntry6();

private:
    QString write(const QString &name, const QByteArray &bytes);

    QTemporaryDir m_dir;
    MessageTable m_messages;
    RecordingTarget m_target;
};

QString LanguageFileTest::write(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test file");
    return path;
}

void LanguageFileTest::init()
{
    m_messages = MessageTable();
    m_target = RecordingTarget();
    QVERIFY(m_dir.isValid());
}

void LanguageFileTest::appliesLinesInFileOrder()
{
    const QString path = write(QStringLiteral("langEn.txt"),
                               windows1252(utf8Lines({
                                   "MSG\\Final stage\\1",
                                   "Command9\\Groups\\\\Back to the groups\\",
                                   "lme\\\\-\\Goals\\3",
                                   "MSG\\Group stage\\2",
                                   "Command9\\Group stage\\\\\\",
                                   "MSG\\Final phase\\1",
                               })));

    QCOMPARE(LoadLanguageFile(path, m_messages, m_target), LanguageFileStatus::Applied);

    QCOMPARE(m_target.calls(), QStringList({
                                   QStringLiteral("Command9 all [Groups] [] [Back to the groups]"),
                                   QStringLiteral("lme 3 [] [-] [Goals]"),
                                   QStringLiteral("Command9 all [Group stage] [] []"),
                               }));
    QCOMPARE(m_messages.at(Message(1)), QStringLiteral("Final phase"));
    QCOMPARE(m_messages.at(Message(2)), QStringLiteral("Group stage"));
    QCOMPARE(m_messages.at(Message(0)), QString());
    QCOMPARE(m_messages.at(Message(3)), QString());
}

void LanguageFileTest::laterFileKeepsEntriesItDoesNotSet()
{
    const QString french = write(QStringLiteral("langFr.txt"),
                                 windows1252(utf8Lines({
                                     "MSG\\Phase finale\\1",
                                     "MSG\\Aucun match ce jour\\7",
                                     "MSG\\Choisissez un autre jour\\8",
                                 })));
    const QString spanish = write(QStringLiteral("langSp.txt"),
                                  windows1252(utf8Lines({
                                      "MSG\\Fase final\\1",
                                      "MSG\\Elija otro día\\8",
                                  })));

    QCOMPARE(LoadLanguageFile(french, m_messages, m_target), LanguageFileStatus::Applied);
    QCOMPARE(LoadLanguageFile(spanish, m_messages, m_target), LanguageFileStatus::Applied);

    QCOMPARE(m_messages.at(Message(1)), QStringLiteral("Fase final"));
    QCOMPARE(m_messages.at(Message(7)), QStringLiteral("Aucun match ce jour"));
    QCOMPARE(m_messages.at(Message(8)), QString::fromUtf8("Elija otro día"));
}

void LanguageFileTest::decodesWindows1252()
{
    // Raw bytes: é, ç and ñ are the same in Latin-1, the euro sign and the
    // oe ligature are not.
    const QString path = write(QStringLiteral("langFr.txt"),
                               QByteArray("MSG\\R\xE9sultats \x80 \x9C\\10\r\n"
                                          "lang\\\\\\Langue Fran\xE7" "aise\\0\r\n"
                                          "Label4\\Espa\xF1" "a\\\\\\\r\n"));

    QCOMPARE(LoadLanguageFile(path, m_messages, m_target), LanguageFileStatus::Applied);

    QCOMPARE(m_messages.at(Message(10)), QString::fromUtf8("Résultats € œ"));
    QCOMPARE(m_target.calls(), QStringList({
                                   QString::fromUtf8("lang 0 [] [] [Langue Française]"),
                                   QString::fromUtf8("Label4 all [España] [] []"),
                               }));
}

void LanguageFileTest::lineEnds_data()
{
    QTest::addColumn<QByteArray>("content");

    // The control lines end with an empty index field and the message line
    // with its number: a carriage return left in either would change them.
    const QByteArray lines[] = {"Label4\\a\\b\\c\\", "MSG\\x\\5"};
    QTest::newRow("CRLF") << lines[0] + "\r\n" + lines[1] + "\r\n";
    QTest::newRow("LF") << lines[0] + "\n" + lines[1] + "\n";
    QTest::newRow("mixed") << lines[0] + "\n" + lines[1] + "\r\n";
    QTest::newRow("no line end after the last line") << lines[0] + "\r\n" + lines[1];
    QTest::newRow("blank lines between") << "\r\n" + lines[0] + "\r\n\r\n\n" + lines[1] + "\r\n\r\n";
}

void LanguageFileTest::lineEnds()
{
    QFETCH(QByteArray, content);
    const QString path = write(QStringLiteral("langEn.txt"), content);

    QCOMPARE(LoadLanguageFile(path, m_messages, m_target), LanguageFileStatus::Applied);

    QCOMPARE(m_target.calls(), QStringList({QStringLiteral("Label4 all [a] [b] [c]")}));
    QCOMPARE(m_messages.at(Message(5)), QStringLiteral("x"));
}

void LanguageFileTest::malformedLineIsSkipped_data()
{
    QTest::addColumn<QString>("line");

    QTest::newRow("empty line") << QString();
    QTest::newRow("blank line") << QStringLiteral("   ");
    QTest::newRow("message without number") << QStringLiteral("MSG\\Phase finale");
    QTest::newRow("MSG alone") << QStringLiteral("MSG");
    QTest::newRow("message number beyond the table") << QStringLiteral("MSG\\trop\\200");
    QTest::newRow("negative message number") << QStringLiteral("MSG\\trop\\-3");
    QTest::newRow("control line with four fields") << QStringLiteral("Label4\\a\\b\\c");
    QTest::newRow("control name only") << QStringLiteral("Command1");
    QTest::newRow("fractional element index") << QStringLiteral("lme\\a\\b\\c\\0.5");
    QTest::newRow("negative element index") << QStringLiteral("lme\\a\\b\\c\\-2");
}

void LanguageFileTest::malformedLineIsSkipped()
{
    QFETCH(QString, line);
    const QString path = write(QStringLiteral("langEn.txt"), windows1252({
                                                                 QStringLiteral("MSG\\before\\1"),
                                                                 line,
                                                                 QStringLiteral("Label4\\after\\\\\\"),
                                                             }));

    QCOMPARE(LoadLanguageFile(path, m_messages, m_target), LanguageFileStatus::Applied);

    QCOMPARE(m_target.calls(), QStringList({QStringLiteral("Label4 all [after] [] []")}));
    QCOMPARE(m_messages.at(Message(1)), QStringLiteral("before"));
    for (int entry = 0; entry < MessageTable::size; ++entry)
        if (entry != 1)
            QVERIFY2(m_messages.at(Message(entry)).isEmpty(), qPrintable(QString::number(entry)));
}

void LanguageFileTest::emptyFileChangesNothing()
{
    m_messages.set(1, QStringLiteral("Phase finale"));
    const QString path = write(QStringLiteral("langEn.txt"), QByteArray());

    QCOMPARE(LoadLanguageFile(path, m_messages, m_target), LanguageFileStatus::Applied);

    QVERIFY(m_target.calls().isEmpty());
    QCOMPARE(m_messages.at(Message(1)), QStringLiteral("Phase finale"));
}

void LanguageFileTest::unopenableFileChangesNothing_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("made"); // how the test makes the file
    QTest::addColumn<LanguageFileStatus>("status");

    const LanguageFileStatus missing = LanguageFileStatus::Missing;
    QTest::newRow("missing") << m_dir.filePath(QStringLiteral("absent.txt")) << QString() << missing;
    QTest::newRow("missing folder") << m_dir.filePath(QStringLiteral("nowhere/langSp.txt")) << QString()
                                    << missing;
    QTest::newRow("a folder") << m_dir.path() << QString() << missing;
    QTest::newRow("empty name") << QString() << QString() << missing;
    QTest::newRow("unreadable") << m_dir.filePath(QStringLiteral("locked.txt")) << QStringLiteral("unreadable")
                                << missing;
    QTest::newRow("larger than any language file")
        << m_dir.filePath(QStringLiteral("huge.txt")) << QStringLiteral("huge") << LanguageFileStatus::TooLarge;
}

void LanguageFileTest::unopenableFileChangesNothing()
{
    QFETCH(QString, path);
    QFETCH(QString, made);
    QFETCH(LanguageFileStatus, status);
    const QByteArray lines = windows1252({QStringLiteral("MSG\\after\\1"), QStringLiteral("Label4\\x\\\\\\")});
    if (made == u"unreadable") {
        write(QStringLiteral("locked.txt"), lines);
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        if (QFile(path).open(QIODevice::ReadOnly))
            QSKIP("this user reads files without read permission");
    } else if (made == u"huge") {
        write(QStringLiteral("huge.txt"), lines + QByteArray(1 << 20, '\n'));
    }
    m_messages.set(1, QStringLiteral("Phase finale"));

    QCOMPARE(LoadLanguageFile(path, m_messages, m_target), status);

    QVERIFY(m_target.calls().isEmpty());
    QCOMPARE(m_messages.at(Message(1)), QStringLiteral("Phase finale"));
}

void LanguageFileTest::yearListStartsWithEntry6()
{
    m_messages.set(5, QStringLiteral("wrong"));
    m_messages.set(6, QStringLiteral("Année"));
    m_messages.set(7, QStringLiteral("wrong"));

    QCOMPARE(yearListEntries(m_messages).first(), QStringLiteral("Année"));
}

QTEST_GUILESS_MAIN(LanguageFileTest)
#include "tst_languagefile.moc"
