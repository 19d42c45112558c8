// Panels built when first opened take the language and compact mode set before.
#include <QAbstractButton>
#include <QSettings>
#include <QTest>

#include "app/VyloraApp.h"
#include "storage/ProgramFolder.h"
#include "storage/UserSettings.h"
#include "support/AnsweringPrompts.h"
#include "support/FixedClock.h"
#include "support/TemporaryProgramFolder.h"

class TestLazyPanels final : public QObject
{
    Q_OBJECT

private slots:
    void languageAndCompactReachAPanelBuiltLater_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<Qt::MouseButton>("mouse");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("english");
        QTest::newRow("editor from the banner") << "Image14" << Qt::RightButton << "Command19"
                                                << "Close";
        QTest::newRow("help's picture of the stage button") << "Command6" << Qt::LeftButton << "Command10"
                                                            << "Knockout stage";
    }
    void languageAndCompactReachAPanelBuiltLater()
    {
        QFETCH(QString, opener);
        QFETCH(Qt::MouseButton, mouse);
        QFETCH(QString, name);
        QFETCH(QString, english);
        Q_INIT_RESOURCE(resources);                    // the resources live in a static library
        QList<std::tuple<QString, double, int>> shown; // French and normal, then English and compact
        for (bool later : {false, true}) {
            TemporaryProgramFolder folder;
            ProgramFolder::seedFrom(QStringLiteral(":/shipped"));
            AnsweringPrompts prompts;
            prompts.queueAnswer(true); // the editor: open though nothing was downloaded
            const FixedClock clock(QDateTime(QDate(2010, 6, 11), QTime(12, 0)));
            UserSettings settings;
            QSettings(settings.fileName(), QSettings::IniFormat).clear();
            settings.setLanguage(later ? 1 : 0);
            settings.setCompactMode(later);
            settings.setPassword(QStringLiteral("7plum"));
            VyloraApp app(prompts, clock, settings);
            app.start();
            const MainWindow &window = app.window();
            QVERIFY(window.findChildren<QWidget *>(name).isEmpty());
            QTest::mouseClick(window.findChild<QWidget *>(opener), mouse);
            auto *button = window.findChild<QAbstractButton *>(name);
            QVERIFY(button);
            shown.append({button->text(), button->font().pointSizeF(), button->width()});
        }
        QCOMPARE(std::get<0>(shown[1]), english);
        QCOMPARE(std::get<1>(shown[1]), std::get<1>(shown[0]) - 1);
        QVERIFY(std::abs(std::get<2>(shown[1]) - qRound(std::get<2>(shown[0]) * 0.85)) <= 1);
    }
};

QTEST_MAIN(TestLazyPanels)
#include "tst_lazypanels.moc"
