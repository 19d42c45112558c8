// Panels built when first opened take what the window took before them:
// the language chosen and the compact display.
#include <optional>

#include <QPushButton>
#include <QSettings>
#include <QTest>

#include "app/VyloraApp.h"
#include "gui/controls/ControlRegistry.h"
#include "storage/ProgramFolder.h"
#include "storage/UserSettings.h"
#include "support/AnsweringPrompts.h"
#include "support/FixedClock.h"
#include "support/TemporaryProgramFolder.h"

namespace {

struct Shown
{
    QString caption;
    int width;
    double points;
};

// Starts the program in that language and mode, opens a panel as a user
// does and reads a button of it; nothing when the button was there before.
std::optional<Shown> openAndRead(int language, bool compact, const QString &opener, Qt::MouseButton mouse,
                                 const QString &name)
{
    TemporaryProgramFolder folder;
    ProgramFolder::seedFrom(QStringLiteral(":/shipped"));
    AnsweringPrompts prompts;
    prompts.queueAnswer(true); // the editor: open though nothing was downloaded
    const FixedClock clock(QDateTime(QDate(2010, 6, 11), QTime(12, 0)));
    UserSettings settings;
    QSettings(settings.fileName(), QSettings::IniFormat).clear();
    settings.setLanguage(language);
    settings.setCompactMode(compact);
    settings.setPassword(QStringLiteral("7plum"));
    VyloraApp app(prompts, clock, settings);
    app.start();
    const ControlRegistry &controls = app.window().controls();
    if (controls.control(name) || !controls.control(opener))
        return std::nullopt;
    QTest::mouseClick(controls.control(opener), mouse);
    auto *button = qobject_cast<QPushButton *>(controls.control(name));
    if (!button)
        return std::nullopt;
    return Shown{button->text(), button->width(), button->font().pointSizeF()};
}

} // namespace

class TestLazyPanels final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(resources); // the resources live in a static library
        QLocale::setDefault(QLocale::c());
    }

    void languageAndCompactReachAPanelBuiltLater_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<Qt::MouseButton>("mouse");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("english");
        QTest::newRow("help") << "Command6" << Qt::LeftButton << "Command2"
                              << "Back";
        QTest::newRow("history") << "Command11" << Qt::LeftButton << "Command12"
                                 << "Open";
        QTest::newRow("editor from the banner") << "Image14" << Qt::RightButton << "Command19"
                                                << "Close";
    }

    void languageAndCompactReachAPanelBuiltLater()
    {
        QFETCH(QString, opener);
        QFETCH(Qt::MouseButton, mouse);
        QFETCH(QString, button);
        QFETCH(QString, english);
        const std::optional<Shown> normal = openAndRead(0, false, opener, mouse, button);
        const std::optional<Shown> later = openAndRead(1, true, opener, mouse, button);
        QVERIFY(normal && later);
        QCOMPARE(later->caption, english);
        QCOMPARE(later->points, normal->points - 1);
        QVERIFY(std::abs(later->width - qRound(normal->width * 0.85)) <= 1);
    }
};

QTEST_MAIN(TestLazyPanels)
#include "tst_lazypanels.moc"
