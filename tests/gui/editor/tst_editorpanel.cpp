// The publisher's editor, driven with real presses, keys and clicks: how it
// opens, what its buttons write, send and store.
#include "gui/chart/MainWindow.h"
#include "gui/controls/ControlRegistry.h"
#include "gui/editor/EditorDoor.h"
#include "gui/editor/EditorPanel.h"
#include "storage/ModuleSetting.h"
#include "storage/UserSettings.h"
#include "support/ChartWindow.h"
#include "support/OnlyChild.h"
#include "support/TemporaryProgramFolder.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QSettings>
#include <QUrlQuery>

#include <memory>

namespace {

const QByteArray published =
    "[ButA]\r\n0=2\r\n1=1\r\n[CV]\r\n0=2.6\r\n[Lien]\r\n0=Le site\r\n1=http://exemple.org/\r\n"
    "[Mess]\r\n0=Bonjour\r\n1=Hello\r\n";

QString colourOf(const QWidget *field, QPalette::ColorRole role = QPalette::Base)
{
    return field->palette().color(role).name();
}

} // namespace

// Catches what the program asks the desktop to open.
class OpenedUrls final : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

class TestEditorPanel final : public QObject
{
    Q_OBJECT

    std::unique_ptr<TemporaryProgramFolder> m_folder;
    std::unique_ptr<ChartWindow> m_chart;
    UserSettings m_settings;
    OpenedUrls m_opened;
    int m_bannerReloads = 0;
    int m_bannerShows = 0;
    bool m_updated = true;

    EditorPanel *editor() const { return m_chart->control<EditorPanel>(QStringLiteral("Frame20")); }
    QLineEdit *field(const QString &name, int index) const { return m_chart->control<QLineEdit>(name, index); }

    // The help panel's title and the banners come with their own panels;
    // where those do not exist yet, plain labels of the same names stand in.
    QLabel *entryPoint(const QString &name, QWidget *parent)
    {
        if (auto *existing = qobject_cast<QLabel *>(m_chart->control(name)))
            return existing;
        auto *label = new QLabel(QStringLiteral("Vylora 2010"), parent);
        label->setObjectName(name);
        label->setGeometry(200, 200, 120, 30);
        label->show();
        return label;
    }

    void press(const QString &name, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *w = m_chart->control(name);
        QVERIFY(w);
        QTest::mousePress(w, button, modifiers);
        QTest::mouseRelease(w, button, modifiers);
    }

    void openEditor()
    {
        m_settings.setPassword(QStringLiteral("7plum"));
        press(QStringLiteral("Label2"), Qt::RightButton);
        QVERIFY(editor()->isVisible());
    }

    void type(const QString &name, int index, const QString &text)
    {
        QLineEdit *edit = field(name, index);
        QVERIFY(edit);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        ChartWindow::typeText(edit, text);
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_opened, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_opened, "open");
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    }

    void init()
    {
        QSettings(m_settings.fileName(), QSettings::IniFormat).clear();
        m_chart.reset();
        m_folder.reset();
        m_folder = std::make_unique<TemporaryProgramFolder>();
        m_folder->write(QStringLiteral("VYL2010.ini"), published);
        m_chart = std::make_unique<ChartWindow>();
        m_chart->t.setChartName(QStringLiteral("VYL2010"));
        QVERIFY(m_chart->start());
        QWidget *window = editor()->parentWidget();
        QLabel *title = entryPoint(QStringLiteral("Label2"), window);
        QLabel *chartBanner = entryPoint(QStringLiteral("Image14"), window);
        QLabel *knockoutBanner = entryPoint(QStringLiteral("Image15"), m_chart->control(QStringLiteral("Frame9")));
        m_bannerReloads = 0;
        m_updated = true;
        EditorDoor &door = onlyChild<EditorDoor>(*window); // as ChartWindow made it
        door.setServices({[this] { ++m_bannerReloads; }, [this] { return m_updated; },
                          [] { return QUrl(QStringLiteral("http://127.0.0.1:8080")); },
                          [this] { ++m_bannerShows; }});
        door.watchTitle(title);
        door.watchBanners(chartBanner, knockoutBanner);
        door.watchBanners(chartBanner, knockoutBanner); // a second call must not double the handling
        m_opened.urls.clear();
    }

    // The press rule itself has its table beside the rule; these rows are
    // the wiring of each control and of the password prompt.
    void pressesOnTheTitleAndBanners_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed"); // answer to the password prompt
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<int>("reloads");
        const Qt::KeyboardModifiers none = Qt::NoModifier;
        const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
        QTest::newRow("right on the title, password stored") << "Label2" << Qt::RightButton << none << "7plum"
                                                             << "" << false << true << 1;
        QTest::newRow("shift-right, the right password typed") << "Label2" << Qt::RightButton << shift << ""
                                                               << "7plum" << true << true << 1;
        QTest::newRow("left on the banner reloads twice") << "Image14" << Qt::LeftButton << none << ""
                                                          << "" << false << false << 2;
        QTest::newRow("right on the knock-out banner, password stored")
            << "Image15" << Qt::RightButton << none << "7plum"
            << "" << false << true << 2;
    }

    void pressesOnTheTitleAndBanners()
    {
        QFETCH(QString, control);
        QFETCH(Qt::MouseButton, button);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(bool, asked);
        QFETCH(bool, opens);
        QFETCH(int, reloads);
        m_settings.setPassword(stored);
        m_chart->prompts.queueInput(typed);
        press(control, button, modifiers);
        const auto &prompts = m_chart->prompts.asked();
        QCOMPARE(prompts.size(), asked ? 1 : 0);
        if (asked) {
            QCOMPARE(prompts.first().text, QStringLiteral("Mot de passe ?"));
            QCOMPARE(prompts.first().initial, stored);
        }
        QCOMPARE(editor()->isVisible(), opens);
        QCOMPARE(m_bannerReloads, reloads);
        if (opens)
            QCOMPARE(field(QStringLiteral("Text2"), 0)->text(), QStringLiteral("7plum"));
    }

    void withoutAnUpdateItAsksFirstAndNoIsTheDefault()
    {
        m_updated = false;
        m_settings.setPassword(QStringLiteral("7plum"));
        press(QStringLiteral("Label2"), Qt::RightButton);
        QCOMPARE(m_chart->prompts.asked().size(), 1);
        QCOMPARE(m_chart->prompts.asked().first().title, QStringLiteral("Hello"));
        QVERIFY(!m_chart->prompts.asked().first().defaultYes);
        QVERIFY(!editor()->isVisible());
        QCOMPARE(m_bannerReloads, 0);

        m_chart->prompts.queueAnswer(true);
        m_settings.setPseudo(QStringLiteral("Publieur"));
        press(QStringLiteral("Label2"), Qt::RightButton);
        QVERIFY(editor()->isVisible());
        const QStringList shown{
            field(QStringLiteral("Text2"), 1)->text(), field(QStringLiteral("Text2"), 2)->text(),
            field(QStringLiteral("Text2"), 3)->text(), field(QStringLiteral("Text4"), 0)->text(),
            field(QStringLiteral("Text4"), 1)->text(), field(QStringLiteral("Text3"), 0)->text(),
            field(QStringLiteral("Text3"), 1)->text(), field(QStringLiteral("Text3"), 2)->text()};
        const char *expected[] = {"Publieur", "2.6",   "2.6", "Le site", "http://exemple.org/",
                                  "Bonjour",  "Hello", "-"};
        for (int i = 0; i < shown.size(); ++i)
            QCOMPARE(shown.at(i), QString::fromUtf8(expected[i]));
    }

    void theKnockoutBannerBringsTheEditorToTheFront()
    {
        openEditor();
        m_chart->click(QStringLiteral("Command1")); // the knock-out page now lies above
        QWidget *window = editor()->parentWidget();
        const auto depth = [window](const QWidget *w) { return window->children().indexOf(w); };
        QWidget *knockout = m_chart->control(QStringLiteral("Frame9"));
        QVERIFY(depth(knockout) > depth(editor()));
        press(QStringLiteral("Image15"), Qt::LeftButton);
        QVERIFY(depth(editor()) > depth(knockout));
    }

    void savingWritesThePublishingSections_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("warned");
        QTest::newRow("a newer version") << "2.7" << true;
        QTest::newRow("this program's version") << "2.6" << false;
    }

    void savingWritesThePublishingSections()
    {
        QFETCH(QString, version);
        QFETCH(bool, warned);
        openEditor();
        // Whatever chart is on screen, the published one is written.
        m_chart->t.setChartName(QStringLiteral("VYL1998"));
        const QString normal = colourOf(field(QStringLiteral("Text2"), 3), QPalette::Text);
        type(QStringLiteral("Text2"), 3, version);
        type(QStringLiteral("Text3"), 2, QStringLiteral("Hola"));
        type(QStringLiteral("Text4"), 0, QStringLiteral("Nouveau lien"));
        QVERIFY(m_chart->click(QStringLiteral("Command18")));

        QCOMPARE(ReadIniValue(QStringLiteral("VYL2010"), QStringLiteral("CV"), QStringLiteral("0")), version);
        QCOMPARE(ReadIniValue(QStringLiteral("VYL2010"), QStringLiteral("Mess"), QStringLiteral("2")),
                 QStringLiteral("Hola"));
        QCOMPARE(ReadIniValue(QStringLiteral("VYL2010"), QStringLiteral("Lien"), QStringLiteral("0")),
                 QStringLiteral("Nouveau lien"));
        QCOMPARE(ReadIniValue(QStringLiteral("VYL2010"), QStringLiteral("ButA"), QStringLiteral("0")),
                 QStringLiteral("2"));
        QVERIFY(!QFile::exists(m_folder->filePath(QStringLiteral("VYL1998.ini"))));
        // Red text: dark text on red would be hard to read.
        QCOMPARE(colourOf(field(QStringLiteral("Text2"), 3), QPalette::Text),
                 warned ? QStringLiteral("#ff0000") : normal);
        QVERIFY(colourOf(field(QStringLiteral("Text2"), 3)) != QStringLiteral("#ff0000"));
        QVERIFY(m_chart->prompts.asked().isEmpty());
    }

    void exportPutsThePathAndTheAddressAsTyped()
    {
        openEditor();
        type(QStringLiteral("Text2"), 0, QStringLiteral("mot de passe"));
        type(QStringLiteral("Text2"), 1, QString());
        QVERIFY(m_chart->click(QStringLiteral("Command16")));
        QCOMPARE(m_chart->prompts.asked().size(), 1);
        QCOMPARE(m_chart->prompts.asked().first().text, QStringLiteral("Pseudo ???"));
        QCOMPARE(colourOf(field(QStringLiteral("Text2"), 1)), QStringLiteral("#ff0000"));
        QVERIFY(m_opened.urls.isEmpty());

        type(QStringLiteral("Text2"), 1, QStringLiteral("Paul & Marie #1"));
        QVERIFY(colourOf(field(QStringLiteral("Text2"), 1)) != QStringLiteral("#ff0000"));
        QVERIFY(m_chart->click(QStringLiteral("Command16")));
        QCOMPARE(m_opened.urls.size(), 1);
        const QUrl sent(QString::fromLatin1(m_opened.urls.first().toEncoded()));
        QCOMPARE(sent.path(), QStringLiteral("/expvyl2010.php"));
        const QUrlQuery query(sent);
        QCOMPARE(query.queryItemValue(QStringLiteral("mdp"), QUrl::FullyDecoded), QStringLiteral("mot de passe"));
        QCOMPARE(query.queryItemValue(QStringLiteral("pseudo"), QUrl::FullyDecoded),
                 QStringLiteral("Paul & Marie #1"));
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QDir::toNativeSeparators(
                     QFileInfo(m_folder->filePath(QStringLiteral("VYL2010.ini"))).absoluteFilePath()));
        QVERIFY(colourOf(field(QStringLiteral("Text2"), 1)) != QStringLiteral("#ff0000"));
    }

    void editingByHandCreatesAMissingChartFirst()
    {
        openEditor();
        m_chart->t.setChartName(QStringLiteral("VYL2006"));
        type(QStringLiteral("Text2"), 3, QStringLiteral("2.6"));
        QVERIFY(m_chart->click(QStringLiteral("Command17")));
        const QString file = m_folder->filePath(QStringLiteral("VYL2006.ini"));
        QCOMPARE(m_opened.urls, QList<QUrl>{QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath())});
        QCOMPARE(ReadIniValue(QStringLiteral("VYL2006"), QStringLiteral("Mess"), QStringLiteral("0")),
                 QStringLiteral("Bonjour"));
        QCOMPARE(ReadIniValue(QStringLiteral("VYL2006"), QStringLiteral("CV"), QStringLiteral("0")),
                 QStringLiteral("2.6"));
    }

    void abandonStoresOnlyFilledFields_data()
    {
        QTest::addColumn<QString>("pseudo");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("storedPseudo");
        QTest::addColumn<QString>("storedPassword");
        QTest::newRow("both filled") << "Nouveau"
                                     << "7plum"
                                     << "Nouveau"
                                     << "7plum";
        QTest::newRow("user name emptied") << ""
                                           << "7plum"
                                           << "Ancien"
                                           << "7plum";
        QTest::newRow("password emptied") << "Nouveau"
                                          << ""
                                          << "Nouveau"
                                          << "7plum";
    }

    void abandonStoresOnlyFilledFields()
    {
        QFETCH(QString, pseudo);
        QFETCH(QString, password);
        QFETCH(QString, storedPseudo);
        QFETCH(QString, storedPassword);
        m_settings.setPseudo(QStringLiteral("Ancien"));
        openEditor();
        type(QStringLiteral("Text2"), 1, pseudo);
        type(QStringLiteral("Text2"), 0, password);
        m_bannerShows = 0;
        QVERIFY(m_chart->click(QStringLiteral("Command19")));
        QVERIFY(!editor()->isVisible());
        QCOMPARE(m_settings.pseudo(), storedPseudo);
        QCOMPARE(m_settings.password(), storedPassword);
        QCOMPARE(m_bannerShows, 1);
    }

    void theReloadButtonAndTheEditorsBannerReload()
    {
        openEditor();
        m_bannerReloads = 0;
        QVERIFY(m_chart->click(QStringLiteral("Command20")));
        QVERIFY(m_chart->click(QStringLiteral("Image13")));
        QCOMPARE(m_bannerReloads, 2);
    }
};

QTEST_MAIN(TestEditorPanel)
#include "tst_editorpanel.moc"
