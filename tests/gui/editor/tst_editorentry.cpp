// Which presses on the help panel's title or a banner open the editor.
#include "gui/editor/EditorEntry.h"

#include <QTest>

Q_DECLARE_METATYPE(EditorEntry)

class TestEditorEntry final : public QObject
{
    Q_OBJECT

private slots:
    void pressDecides_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<EditorEntry>("entry");
        const Qt::KeyboardModifiers none = Qt::NoModifier;
        const QString right = QStringLiteral("7plum");
        QTest::newRow("left, with the password stored")
            << Qt::LeftButton << none << right << EditorEntry::ReloadBanner;
        QTest::newRow("shift and left") << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << QString()
                                        << EditorEntry::ReloadBanner;
        QTest::newRow("right, password stored") << Qt::RightButton << none << right << EditorEntry::Open;
        QTest::newRow("middle with control, password stored")
            << Qt::MiddleButton << Qt::KeyboardModifiers(Qt::ControlModifier) << right << EditorEntry::Open;
        QTest::newRow("shift and right, nothing stored")
            << Qt::RightButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << QString()
            << EditorEntry::AskPassword;
        QTest::newRow("shift and right, another password stored")
            << Qt::RightButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << QStringLiteral("7PLUM")
            << EditorEntry::AskPassword;
        QTest::newRow("shift on the keypad and right")
            << Qt::RightButton << (Qt::ShiftModifier | Qt::KeypadModifier) << QString()
            << EditorEntry::AskPassword;
        QTest::newRow("right alone, nothing stored")
            << Qt::RightButton << none << QString() << EditorEntry::Nothing;
        QTest::newRow("right, password with a space stored")
            << Qt::RightButton << none << QStringLiteral("7plum ") << EditorEntry::Nothing;
        QTest::newRow("shift, control and right")
            << Qt::RightButton << (Qt::ShiftModifier | Qt::ControlModifier) << QString() << EditorEntry::Nothing;
        QTest::newRow("shift and middle")
            << Qt::MiddleButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << QString() << EditorEntry::Nothing;
    }

    void pressDecides()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, stored);
        QFETCH(EditorEntry, entry);
        QCOMPARE(editorEntryFor(button, modifiers, stored), entry);
    }
};

QTEST_MAIN(TestEditorEntry)
#include "tst_editorentry.moc"
