// A team name takes what the chart file can hold and refuses the rest as
// it is typed or pasted, saying why.
#include "gui/groups/TeamNameEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QToolTip>

class TestTeamNameEdit final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void refusesWhatTheFileCannotHold_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("refused"); // the character the tooltip names
        QTest::newRow("accents of the code page")
            << QStringLiteral("Côte d'Ivoire") << QStringLiteral("Côte d'Ivoire") << QString();
        QTest::newRow("euro and curly quotes") << QStringLiteral("€‘’Œ") << QStringLiteral("€‘’Œ") << QString();
        QTest::newRow("Polish letters") << QStringLiteral("Łódź") << QStringLiteral("ód") << QStringLiteral("ź");
        QTest::newRow("Cyrillic") << QStringLiteral("Россия") << QString() << QStringLiteral("я");
        QTest::newRow("symbol") << QStringLiteral("Brasil ⚽") << QStringLiteral("Brasil ") << QStringLiteral("⚽");
    }

    void refusesWhatTheFileCannotHold()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(QString, refused);
        TeamNameEdit edit;
        edit.setReadOnly(false);
        edit.setRefusalText(QStringLiteral("cannot store %1"));
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        QTest::mouseClick(&edit, Qt::LeftButton);
        QToolTip::hideText();

        // One key per character, as a keyboard with those letters sends them.
        for (QChar c : typed)
            QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(c), Qt::NoModifier);

        QCOMPARE(edit.text(), kept);
        QCOMPARE(QToolTip::text(), refused.isEmpty() ? QString() : QStringLiteral("cannot store ") + refused);
    }

    void refusesPastedText()
    {
        TeamNameEdit edit;
        edit.setReadOnly(false);
        edit.setText(QStringLiteral("Pologne"));
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        QApplication::clipboard()->setText(QStringLiteral(" Łódź"));
        QTest::mouseClick(&edit, Qt::LeftButton);
        QTest::keyClick(&edit, Qt::Key_End);
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit.text(), QStringLiteral("Pologne"));
    }
};

QTEST_MAIN(TestTeamNameEdit)
#include "tst_teamnameedit.moc"
