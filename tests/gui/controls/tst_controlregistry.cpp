// Language files address the window's controls by name and element index;
// the registry finds them and writes through the model where a control
// shows a model cell.
#include "gui/chart/MainWindow.h"
#include "gui/controls/ControlRegistry.h"
#include "storage/UserSettings.h"
#include "support/AnsweringPrompts.h"
#include "support/FindControl.h"
#include "tournament/RefreshAll.h"
#include "tournament/Tournament.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

class TestControlRegistry final : public QObject
{
    Q_OBJECT

    Tournament m_t;
    AnsweringPrompts m_prompts;
    UserSettings m_settings;
    MainWindow m_window{m_t, m_prompts, m_settings};

    ControlRegistry &registry() { return m_window.controls(); }

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
        registry().applyControlLine(QStringLiteral("lang"), std::nullopt, QString(), QString(),
                                    QStringLiteral("Flag"));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(control(QStringLiteral("lang"), i)->toolTip(), QStringLiteral("Flag"));
            // A flag is a picture: no caption to empty.
            QVERIFY(!control<QLabel>(QStringLiteral("lang"), i)->pixmap().isNull());
        }
    }

    void aLineWithIndexReachesOnlyThatElement()
    {
        registry().applyControlLine(QStringLiteral("ButPen"), 3, QString(), QString(),
                                    QStringLiteral("Shoot-out"));
        QCOMPARE(control(QStringLiteral("ButPen"), 3)->toolTip(), QStringLiteral("Shoot-out"));
        QCOMPARE(m_t.family(QStringLiteral("ButPen"))[3].toolTip, QStringLiteral("Shoot-out"));
        QVERIFY(control(QStringLiteral("ButPen"), 2)->toolTip() != QStringLiteral("Shoot-out"));
    }

    void aLineWithIndexSkipsASingleControl()
    {
        registry().applyControlLine(QStringLiteral("Command3"), 0, QStringLiteral("Save"), QString(), QString());
        QCOMPARE(control<QAbstractButton>(QStringLiteral("Command3"))->text(), QStringLiteral("Sauve"));
    }

    void aLabelTakesCaptionAndTooltipButHasNoText()
    {
        registry().applyControlLine(QStringLiteral("Label3"), std::nullopt, QStringLiteral("World Cup"),
                                    QStringLiteral("ignored"), QStringLiteral("Tip"));
        QCOMPARE(control<QLabel>(QStringLiteral("Label3"))->text(), QStringLiteral("World Cup"));
        QCOMPARE(control(QStringLiteral("Label3"))->toolTip(), QStringLiteral("Tip"));
    }

    void aFrameCaptionIsItsTitle()
    {
        registry().applyControlLine(QStringLiteral("Frame2"), std::nullopt, QStringLiteral("Group B"), QString(),
                                    QString());
        QCOMPARE(control<QGroupBox>(QStringLiteral("Frame2"))->title(), QStringLiteral("Group B"));
    }

    void aScoreTextGoesThroughTheModel()
    {
        registry().applyControlLine(QStringLiteral("ButA"), 0, QString(), QStringLiteral("-2"), QString());
        // The change handling ran: the "-" was cleaned and the group recomputed.
        QCOMPARE(m_t.group(GroupId::A).score->text(0), QStringLiteral("2"));
        QCOMPARE(control<QLineEdit>(QStringLiteral("ButA"), 0)->text(), QStringLiteral("2"));
        QCOMPARE(m_t.group(GroupId::A).goalsFor->text(1), QStringLiteral("2"));
    }

    void theAuthorsCreditIsNoFilesToChange()
    {
        m_window.helpPanel();
        registry().applyControlLine(QStringLiteral("Label6"), std::nullopt, QStringLiteral("mine"), QString(),
                                    QString());
        QCOMPARE(control<QLabel>(QStringLiteral("Label6"), 3)->text(), QStringLiteral("mine"));
        QVERIFY(control<QLabel>(QStringLiteral("Label6"), 4)->text().startsWith(u"Vylora 2010 ©"));
    }

    void anUnknownNameChangesNothing()
    {
        const QString before = control<QAbstractButton>(QStringLiteral("Command1"))->text();
        registry().applyControlLine(QStringLiteral("command1"), std::nullopt, QStringLiteral("x"), QString(),
                                    QString());
        QCOMPARE(control<QAbstractButton>(QStringLiteral("Command1"))->text(), before);
    }
};

QTEST_MAIN(TestControlRegistry)
#include "tst_controlregistry.moc"
