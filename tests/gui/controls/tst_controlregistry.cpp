// Language files address the window's controls by name and element index;
// the registry finds them and writes through the model where a control
// shows a model cell.
#include "gui/chart/MainWindow.h"
#include "i18n/LanguageFile.h"
#include "storage/UserSettings.h"
#include "support/AnsweringPrompts.h"
#include "support/FindControl.h"
#include "tournament/RefreshAll.h"
#include "tournament/Tournament.h"

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

class TestControlRegistry final : public QObject
{
    Q_OBJECT

    Tournament m_t;
    AnsweringPrompts m_prompts;
    UserSettings m_settings;
    MainWindow m_window{m_t, m_prompts, m_settings};

    QTemporaryDir m_dir;

    // One line of a language file, applied as the language switch applies
    // a file.
    void apply(const QString &line)
    {
        const QString path = m_dir.filePath(QStringLiteral("lang.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(line.toLatin1()) == line.size());
        file.close();
        QCOMPARE(m_window.applyLanguageFile(path), LanguageFileStatus::Applied);
    }

    template <typename W = QWidget> W *control(const QString &name, int index = -1)
    {
        return findControl<W>(m_window, name, index);
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        m_t.setReady(true);
        RefreshAll(m_t);
    }

    void aLineWithoutIndexReachesEveryElement()
    {
        apply(QStringLiteral("RepIm\\Logo\\\\Channel\\"));
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(control(QStringLiteral("RepIm"), i)->toolTip(), QStringLiteral("Channel"));
            // A logo is a picture: it takes no caption.
            QCOMPARE(control<QLabel>(QStringLiteral("RepIm"), i)->text(), QString());
        }
    }

    void aLineWithIndexReachesOnlyThatElement()
    {
        apply(QStringLiteral("PTs\\\\\\Points\\3"));
        QCOMPARE(control(QStringLiteral("PTs"), 3)->toolTip(), QStringLiteral("Points"));
        QCOMPARE(m_t.family(QStringLiteral("PTs"))[3].toolTip, QStringLiteral("Points"));
        QVERIFY(control(QStringLiteral("PTs"), 2)->toolTip() != QStringLiteral("Points"));
    }

    void aLineWithIndexSkipsASingleControl()
    {
        apply(QStringLiteral("Command3\\Save\\\\\\0"));
        QCOMPARE(control<QAbstractButton>(QStringLiteral("Command3"))->text(), QStringLiteral("Sauve"));
    }

    void aLabelTakesCaptionAndTooltipButHasNoText()
    {
        apply(QStringLiteral("Label3\\World Cup\\ignored\\Tip\\"));
        QCOMPARE(control<QLabel>(QStringLiteral("Label3"))->text(), QStringLiteral("World Cup"));
        QCOMPARE(control(QStringLiteral("Label3"))->toolTip(), QStringLiteral("Tip"));
    }

    void aFrameCaptionIsItsTitle()
    {
        apply(QStringLiteral("Frame2\\Group B\\\\\\"));
        QCOMPARE(control<QGroupBox>(QStringLiteral("Frame2"))->title(), QStringLiteral("Group B"));
    }

    void aScoreTextGoesThroughTheModel()
    {
        apply(QStringLiteral("ButA\\\\-2\\\\0"));
        // The change handling ran: the "-" was cleaned and the group recomputed.
        QCOMPARE(m_t.group(GroupId::A).score->text(0), QStringLiteral("2"));
        QCOMPARE(control<QLineEdit>(QStringLiteral("ButA"), 0)->text(), QStringLiteral("2"));
        QCOMPARE(m_t.group(GroupId::A).goalsFor->text(1), QStringLiteral("2"));
    }

    void theAuthorsCreditIsNoFilesToChange()
    {
        m_window.helpPanel();
        apply(QStringLiteral("Label6\\mine\\\\\\"));
        QCOMPARE(control<QLabel>(QStringLiteral("Label6"), 3)->text(), QStringLiteral("mine"));
        QVERIFY(control<QLabel>(QStringLiteral("Label6"), 4)->text().startsWith(u"Vylora 2010 ©"));
    }

    void anUnknownNameChangesNothing()
    {
        const QString before = control<QAbstractButton>(QStringLiteral("Command1"))->text();
        apply(QStringLiteral("command1\\x\\\\\\"));
        QCOMPARE(control<QAbstractButton>(QStringLiteral("Command1"))->text(), before);
    }
};

QTEST_MAIN(TestControlRegistry)
#include "tst_controlregistry.moc"
