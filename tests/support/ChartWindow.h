#pragma once

#include <memory>

#include <QLineEdit>
#include <QTest>

#include "gui/chart/MainWindow.h"
#include "storage/UserSettings.h"
#include "support/AnsweringPrompts.h"
#include "support/FindControl.h"
#include "tournament/RefreshAll.h"
#include "tournament/Tournament.h"

// The main window over a chart of its own, driven the way a user drives it:
// clicks and keystrokes into controls found by name and index. Prepare the
// model (names, messages) before start(), which runs what start-up runs
// once the chart is loaded: the ready flag, then the full refresh.
class ChartWindow final
{
public:
    Tournament t;
    AnsweringPrompts prompts;
    UserSettings settings;

    // False when the window could not be shown and activated.
    bool start()
    {
        m_window = std::make_unique<MainWindow>(t, prompts, settings);
        t.setReady(true);
        RefreshAll(t);
        m_window->show();
        m_window->activateWindow();
        return QTest::qWaitForWindowExposed(m_window.get()) && QTest::qWaitForWindowActive(m_window.get());
    }

    template <typename W = QWidget> W *control(const QString &name, int index = -1) const
    {
        return findControl<W>(*m_window, name, index);
    }

    // Clicks into the cell (which selects what a score may be overwritten
    // by) and types the keys. False when there is no such cell.
    bool type(const QString &name, int index, const QString &keys) const
    {
        auto *cell = control<QLineEdit>(name, index);
        if (!cell)
            return false;
        QTest::mouseClick(cell, Qt::LeftButton);
        typeText(cell, keys);
        return true;
    }

    // QTest::keyClicks only knows ASCII; other letters come as the key of
    // a keyboard that has them.
    static void typeText(QWidget *w, const QString &text)
    {
        for (QChar c : text) {
            if (c.unicode() < 128)
                QTest::keyClick(w, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, w, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
        }
    }

    bool click(const QString &name, int index = -1) const
    {
        QWidget *w = control(name, index);
        if (w)
            QTest::mouseClick(w, Qt::LeftButton);
        return w != nullptr;
    }

    // What the control shows; a marker text when it does not exist.
    QString shown(const QString &name, int index = -1) const { return shownText(*m_window, name, index); }

private:
    std::unique_ptr<MainWindow> m_window;
};
