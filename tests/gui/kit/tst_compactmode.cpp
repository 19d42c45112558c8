// The compact display, switched with the mode button as a user does, and
// the mode kept between runs whatever the language.
#include <memory>

#include <QApplication>
#include <QLabel>
#include <QSettings>
#include <QTest>

#include "app/VyloraApp.h"
#include "gui/chart/MainWindow.h"
#include "gui/controls/Controls.h"
#include "gui/help/HelpPanel.h"
#include "gui/kit/CompactMode.h"
#include "storage/ProgramFolder.h"
#include "storage/UserSettings.h"
#include "support/AnsweringPrompts.h"
#include "support/ChartWindow.h"
#include "support/FixedClock.h"
#include "support/TemporaryProgramFolder.h"

namespace {

struct Look
{
    QRect geometry;
    double points;
};

// Every control below the window, hidden panels included.
QHash<const QWidget *, Look> looksOf(const QWidget &window)
{
    QHash<const QWidget *, Look> looks;
    for (const QWidget *w : window.findChildren<QWidget *>())
        if (w->window() == &window && !w->objectName().startsWith(u"qt_"))
            looks.insert(w, {w->geometry(), w->font().pointSizeF()});
    return looks;
}

bool within(const QRect &a, const QRect &b, int slack)
{
    return std::abs(a.left() - b.left()) <= slack && std::abs(a.top() - b.top()) <= slack &&
           std::abs(a.right() - b.right()) <= slack && std::abs(a.bottom() - b.bottom()) <= slack;
}

void clickModeButton(const ChartWindow &w)
{
    QVERIFY(w.click(QStringLiteral("Command6")));
    QVERIFY(w.click(QStringLiteral("Command14")));
}

} // namespace

class TestCompactMode final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(resources); // the resources live in a static library
        QLocale::setDefault(QLocale::c());
    }

    void shrinksEverythingAndComesBack()
    {
        ChartWindow w;
        QVERIFY(w.start());
        QWidget *window = w.control(QStringLiteral("Fraide"))->window();
        // A banner picture is never stretched to its box.
        auto *banner = new QLabel(window);
        compactMode::keepProportions(*banner);
        banner->setGeometry(600, 40, 200, 50);
        const QSize size = window->size();
        const QHash<const QWidget *, Look> before = looksOf(*window);
        QWidget *hiddenCell = w.control(QStringLiteral("ButQua"), 0);
        const QRect hiddenCellBefore = hiddenCell->geometry();

        clickModeButton(w);
        QVERIFY(w.control(QStringLiteral("Fraide"))->isHidden());
        QCOMPARE(window->size(), QSize(qRound(size.width() * 0.85), qRound(size.height() * 0.85)));
        // On the knock-out page, which is not shown.
        const QRect expected(hiddenCellBefore.topLeft() * 0.85, hiddenCellBefore.size() * 0.85);
        QVERIFY(within(hiddenCell->geometry(), expected, 1));
        QVERIFY(within(banner->geometry(), QRect(QPoint(600, 40) * 0.85, QSize(200, 50) * 0.85), 1));
        const QHash<const QWidget *, Look> compact = looksOf(*window);
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            if (it.key() != banner)
                QCOMPARE(compact.value(it.key()).points, it->points - 1);

        clickModeButton(w);
        QCOMPARE(window->size(), size);
        const QHash<const QWidget *, Look> after = looksOf(*window);
        QCOMPARE(after.size(), before.size());
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            QVERIFY2(within(after.value(it.key()).geometry, it->geometry, 1), qPrintable(it.key()->objectName()));
            QCOMPARE(after.value(it.key()).points, it->points);
        }
    }

    // The window resized as a window manager does: the chart and a panel
    // built meanwhile follow, and the first size gives the first layout.
    void resizingScalesTheChartAndComesBack()
    {
        ChartWindow w;
        QVERIFY(w.start());
        MainWindow *window = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *main = qobject_cast<MainWindow *>(top))
                window = main;
        QVERIFY(window);
        QWidget *cell = window->findChild<QWidget *>(QStringLiteral("ButA"));
        const QRect cellBefore = cell->geometry();
        const double pointsBefore = cell->font().pointSizeF();
        const QSize size = window->size();

        window->resize(size * 1.5);
        QTRY_VERIFY(within(cell->geometry(), QRect(cellBefore.topLeft() * 1.5, cellBefore.size() * 1.5), 1));
        QCOMPARE(cell->font().pointSizeF(), pointsBefore * 1.5);
        const QRect help = window->helpPanel()->geometry();
        QVERIFY(within(help, QRect(twipsRect(15, 930, 17565, 8985).topLeft() * 1.5, help.size()), 1));

        window->resize(size);
        QTRY_COMPARE(cell->geometry(), cellBefore);
        QCOMPARE(cell->font().pointSizeF(), pointsBefore);
    }

    // A table recomputed while compact puts its rows at the compact rows.
    void rowsMovedWhileCompactStayCompact()
    {
        ChartWindow w;
        QVERIFY(w.start());
        clickModeButton(w);
        QVERIFY(w.type(QStringLiteral("ButA"), 0, QStringLiteral("0")));
        QVERIFY(w.type(QStringLiteral("ButA"), 1, QStringLiteral("2")));
        QList<int> compactRows;
        for (int row : {690, 945, 1380, 1635})
            compactRows << qRound(px(row) * 0.85);
        QCOMPARE(w.control(QStringLiteral("A"), 2)->y(), compactRows.first());
        for (int slot = 1; slot <= 4; ++slot)
            QVERIFY(compactRows.contains(w.control(QStringLiteral("A"), slot)->y()));
    }

    // The mode button's caption is the language's; what is stored is the
    // mode itself.
    void theModeIsKeptInEveryLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("storedCompact");
        for (int language : {0, 1, 2})
            for (bool compact : {false, true})
                QTest::addRow("language %d, %s", language, compact ? "compact" : "normal") << language << compact;
    }

    void theModeIsKeptInEveryLanguage()
    {
        QFETCH(int, language);
        QFETCH(bool, storedCompact);
        TemporaryProgramFolder folder;
        ProgramFolder::seedFrom(QStringLiteral(":/shipped"));
        AnsweringPrompts prompts;
        FixedClock clock(QDateTime(QDate(2010, 6, 11), QTime(12, 0)));
        UserSettings settings;
        QSettings(settings.fileName(), QSettings::IniFormat).clear();
        settings.setLanguage(language);
        settings.setCompactMode(storedCompact);

        auto app = std::make_unique<VyloraApp>(prompts, clock, settings);
        app->start();
        QCOMPARE(app->window().isCompact(), storedCompact);
        app->window().close();
        QCOMPARE(settings.compactMode(), storedCompact);

        app = std::make_unique<VyloraApp>(prompts, clock, settings);
        app->start();
        app->window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&app->window()));
        QTest::mouseClick(findControl(app->window(), QStringLiteral("Command6")), Qt::LeftButton);
        QTest::mouseClick(findControl(app->window(), QStringLiteral("Command14")), Qt::LeftButton);
        app->window().close();
        QCOMPARE(settings.compactMode(), !storedCompact);
        QVERIFY(prompts.asked().isEmpty());
    }
};

QTEST_MAIN(TestCompactMode)
#include "tst_compactmode.moc"
