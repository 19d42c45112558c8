#include "gui/chart/MainWindow.h"

#include "gui/calendar/CalendarPanel.h"
#include "gui/chart/ButtonBar.h"
#include "gui/controls/Controls.h"
#include "gui/formats/FormatGroupPage.h"
#include "gui/formats/FormatPages.h"
#include "gui/formats/ThirdsPanel.h"
#include "gui/help/HelpPanel.h"
#include "gui/history/HistoryPanel.h"
#include "gui/kit/CompactMode.h"
#include "gui/knockout/KnockoutPanel.h"
#include "tournament/Knockout.h"

#include <QComboBox>

// Which page and panel the window shows: the group page or the bracket,
// and over them the help, the calendar and the past tournaments.

namespace {

// The calendar's height over the bracket, where it keeps to its four rows
// to cover as little as it can, and over the group page.
constexpr int shortCalendar = 1590;
constexpr int tallCalendar = 3690;

} // namespace

void MainWindow::showGroupPage()
{
    if (!m_knockout->isHidden())
        toggleKnockoutPanel();
    showGroups();
}

// The 2010 group page is built when first shown: a chart of another format
// shows its own, and the 2010 one waits until a 2010-shaped chart comes.
void MainWindow::showGroups()
{
    if (!m_formats)
        groupPage();
}

void MainWindow::toggleKnockoutPanel()
{
    // The bracket asked for is the bracket shown, not a page behind the help.
    hideHelpPanel();
    if (m_knockout->isHidden()) {
        showFormatBracket();
        m_knockout->show();
        m_knockout->raise();
        placeHistoryPanel();
        // The calendar and the way out stay within reach on both pages.
        m_calendar->raise();
        if (m_history)
            m_history->raise();
        m_bar->raiseAlwaysVisible();
        setCalendarHeight(shortCalendar);
        showKnockoutButton();
        RerunBracket(m_tournament);
    } else {
        showGroups();
        m_knockout->hide();
        placeHistoryPanel();
        showKnockoutButton();
        setCalendarHeight(tallCalendar);
    }
}

void MainWindow::setCalendarHeight(int twips)
{
    QRect design = compactMode::designGeometry(*m_calendar);
    design.setHeight(px(twips));
    compactMode::place(*m_calendar, design);
}

void MainWindow::toggleHelpPanel()
{
    if (m_help && !m_help->isHidden()) {
        m_help->hide();
        return;
    }
    if (!m_knockout->isHidden())
        toggleKnockoutPanel();
    m_calendar->hide();
    helpPanel()->show();
    m_help->raise();
    m_bar->raiseAlwaysVisible();
}

void MainWindow::hideHelpPanel()
{
    if (m_help)
        m_help->hide();
}

void MainWindow::toggleCalendar()
{
    setCalendarHeight(m_knockout->isHidden() ? tallCalendar : shortCalendar);
    hideHistoryPanel();
    if (m_calendar->isHidden()) {
        // Asked for: it stays until the user closes it.
        m_calendar->stopAutoHide();
        m_calendar->show();
        m_calendar->raise();
    } else {
        m_calendar->hide();
    }
    hideHelpPanel();
}

// Over the group page it stands where the calendar does; over the bracket
// that place belongs to the match information, so it takes the partner
// picture's at the foot of the column. The pages of another format fill
// the window's width: it stands under the groups' thirds' ranking, at the
// edge, and over the top of the bracket's middle, which its tree leaves
// free. There it has no year list beside it: the panel holds its own.
void MainWindow::placeHistoryPanel()
{
    if (!m_history)
        return;
    // In the middle of the column of the calendar and the match information
    // on the 2010 pages.
    QRect place = twipsRect(15345 - HistoryPanel::frameWidth / 2, m_knockout->isHidden() ? 1050 : 7110,
                            HistoryPanel::frameWidth, HistoryPanel::frameHeight);
    if (m_formats && m_knockout->isHidden()) {
        const QRect thirds = compactMode::designGeometry(*m_formats->groups().thirds());
        place.moveTopRight(QPoint(px(17580), px(1020) + thirds.bottom() + px(60)));
    } else if (m_formats) {
        place.moveTopLeft(QPoint(px(15 + (17610 - HistoryPanel::frameWidth) / 2), px(1500)));
    }
    compactMode::place(*m_history, place);
    m_knockout->yearChoice()->setVisible(!m_history->isHidden() && !m_formats);
}

void MainWindow::toggleHistoryPanel()
{
    m_calendar->hide();
    QWidget *history = historyPanel();
    history->setVisible(history->isHidden());
    history->raise();
    placeHistoryPanel();
    hideHelpPanel();
}

void MainWindow::showHistoryPanel()
{
    if (historyPanel()->isHidden())
        toggleHistoryPanel();
}

void MainWindow::hideHistoryPanel()
{
    if (!m_history)
        return;
    m_history->hide();
    placeHistoryPanel();
}

void MainWindow::showTournamentPicture(const QString &chartName)
{
    historyPanel();
    m_historyContent->showPicture(chartName);
}

void MainWindow::showChosenYear(int entry)
{
    for (QComboBox *years : {m_historyContent ? m_historyContent->yearList() : nullptr, m_knockout->yearList()})
        if (years)
            years->setCurrentIndex(entry);
}
