// A chart that announces a newer program offers the download page while it
// loads; the answer decides whether this run goes on.
#include "app/VyloraApp.h"
#include "online/ServerSettings.h"
#include "storage/UserSettings.h"
#include "support/AnsweringPrompts.h"
#include "support/FindControl.h"
#include "support/FixedClock.h"
#include "support/TemporaryProgramFolder.h"

#include <QDesktopServices>
#include <QLineEdit>
#include <QSettings>
#include <QTest>

class TestVersionNotice final : public QObject
{
    Q_OBJECT

    QList<QUrl> m_opened;

public slots:
    void openUrl(const QUrl &url) { m_opened.append(url); }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
        QVERIFY(ServerSettings::overrideBaseUrl(QStringLiteral("http://author.example:8080")));
    }

    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }

    void theAnswerDecidesWhetherTheRunGoesOn_data()
    {
        QTest::addColumn<QString>("cv");
        QTest::addColumn<bool>("headless");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("ended");
        QTest::newRow("newer, yes") << "2.7" << false << true << true << true;
        QTest::newRow("newer, no") << "2.7" << false << false << true << false;
        QTest::newRow("the same version") << "2.6" << false << true << false << false;
        QTest::newRow("newer, drawn from the command line") << "2.7" << true << true << false << false;
    }

    void theAnswerDecidesWhetherTheRunGoesOn()
    {
        QFETCH(QString, cv);
        QFETCH(bool, headless);
        QFETCH(bool, yes);
        QFETCH(bool, asked);
        QFETCH(bool, ended);
        TemporaryProgramFolder folder;
        folder.write(QStringLiteral("VYL2010.ini"), "[CV]\r\n0=" + cv.toUtf8() + "\r\n[EquipA]\r\n1=France\r\n");
        AnsweringPrompts prompts;
        prompts.queueAnswer(yes);
        FixedClock clock(QDateTime(QDate(2010, 6, 20), QTime(12, 0)));
        UserSettings settings;
        QSettings(settings.fileName(), QSettings::IniFormat).clear();
        m_opened.clear();

        int ends = 0;
        VyloraApp app(prompts, clock, settings);
        app.setProgramEnd([&ends] { ++ends; });
        app.setHeadless(headless);
        // The editor's user-name field, which shutdown stores when it runs.
        auto *pseudo = findControl<QLineEdit>(app.window(), QStringLiteral("Text2"), 1);
        QVERIFY(pseudo);
        pseudo->setText(QStringLiteral("rédaction"));

        QCOMPARE(app.start(), !ended);
        QList<AnsweringPrompts::Asked> questions = prompts.asked();
        questions.removeIf([](const auto &a) { return a.kind != AnsweringPrompts::Kind::Question; });
        QCOMPARE(questions.size(), asked ? 1 : 0);
        if (asked) {
            QCOMPARE(questions.first().title, QStringLiteral("Vylora"));
            QCOMPARE(questions.first().text,
                     QStringLiteral("Une version plus récente existe, voulez vous la télécharger ?"));
        }
        QCOMPARE(ends, ended ? 1 : 0);
        QCOMPARE(m_opened,
                 ended ? QList<QUrl>{QUrl(QStringLiteral("http://author.example:8080/vyl.php"))} : QList<QUrl>());
        // The chart stops loading where the notice ended the run.
        QCOMPARE(shownText(app.window(), QStringLiteral("A"), 1),
                 ended ? QStringLiteral("A1") : QStringLiteral("France"));

        app.window().close();
        QCOMPARE(settings.pseudo(), ended ? QString() : QStringLiteral("rédaction"));
    }
};

QTEST_MAIN(TestVersionNotice)
#include "tst_versionnotice.moc"
