#include "gui/chart/ButtonBar.h"

#include "gui/controls/ControlRegistry.h"
#include "gui/controls/Controls.h"
#include "gui/kit/ChartLook.h"
#include "gui/kit/ClickableLabel.h"
#include "gui/pictures/Pictures.h"
#include "i18n/LanguageIndex.h"
#include "tournament/MessageTable.h"
#include "tournament/ProgramVersion.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr int statusShownMs = 4000;

} // namespace

ButtonBar::ButtonBar(QWidget &window)
    : QObject(&window)
{
    QWidget *w = &window;
    m_save = makeControl<QPushButton>(w, QStringLiteral("Command3"), -1, QRect(45, 0, 915, 915));
    m_update = makeControl<QPushButton>(w, QStringLiteral("Command8"), -1, QRect(1005, 0, 1035, 915));

    m_knockout = makeControl<QToolButton>(w, QStringLiteral("Command1"), -1, QRect(2085, 0, 1395, 915));
    m_knockout->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_knockout->setIconSize(QSize(px(1395) - 12, px(915) - 30));
    // "Phase de Groupes" is the longest caption of the bar; a point less
    // keeps it whole under the picture.
    chartLook::setFontSize(m_knockout, m_knockout->font().pointSize() - 1, false);

    m_help = makeControl<QPushButton>(w, QStringLiteral("Command6"), -1, QRect(3525, 0, 915, 915));
    m_print = makeControl<QPushButton>(w, QStringLiteral("Command13"), -1, QRect(12450, 0, 915, 915));
    m_print->setIconSize(QSize(px(915) - 16, px(915) - 16));
    m_print->setIcon(Pictures::printer(m_print->iconSize()));
    m_stats = makeControl<QPushButton>(w, QStringLiteral("Command21"), -1, QRect(13410, 0, 855, 915));
    m_predictions = makeControl<QPushButton>(w, QStringLiteral("Command22"), -1, QRect(14310, 0, 1110, 915));
    m_history = makeControl<QPushButton>(w, QStringLiteral("Command11"), -1, QRect(15465, 0, 930, 915));
    m_calendar = makeControl<QPushButton>(w, QStringLiteral("Command15"), -1, QRect(16440, 0, 1155, 915));

    // A desktop program's keys, as actions of the window: a button's own
    // shortcut would go with the caption each language file sets.
    for (const auto &[button, key] :
         {std::pair{m_save, QKeySequence::Save}, std::pair{m_print, QKeySequence::Print},
          std::pair{m_help, QKeySequence::HelpContents}}) {
        auto *action = new QAction(w);
        action->setShortcut(key);
        connect(action, &QAction::triggered, button, &QAbstractButton::click);
        w->addAction(action);
    }

    m_quit = makeControl<QPushButton>(w, QStringLiteral("Command5"), -1, QRect(16320, 10800, 1245, 480));

    m_status = makeControl<QLabel>(w, QStringLiteral("LabEtat"), -1, QRect(13230, 10800, 3000, 480));
    m_status->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    chartLook::setTextColour(m_status, chartLook::banner);
    chartLook::setFontSize(m_status, m_status->font().pointSizeF(), true);
    m_statusTimer = new QTimer(this);
    m_statusTimer->setSingleShot(true);
    m_statusTimer->setInterval(statusShownMs);
    connect(m_statusTimer, &QTimer::timeout, m_status, &QLabel::clear);

    m_title = makeControl<QLabel>(w, QStringLiteral("LabTitre"), -1, QRect(4620, 45, 6300, 540));
    m_title->setAlignment(Qt::AlignCenter);
    chartLook::setFontSize(m_title, 15, true);
    chartLook::setTextColour(m_title, chartLook::ink);
    auto *version = makeControl<QLabel>(w, QStringLiteral("Label7"), -1, QRect(4620, 585, 6300, 300),
                                        QStringLiteral("Vylora 2010 Version: ") + ProgramVersion::text());
    version->setAlignment(Qt::AlignCenter);
    chartLook::setTextColour(version, chartLook::muted);

    auto *home = makeControl<ClickableLabel>(w, QStringLiteral("Image2"), -1, QRect(10500, 570, 330, 330));
    markAsPicture(home);
    home->setPixmap(Pictures::website(home->size()));
    m_home = home;

    m_unlock = makeControl<ClickableLabel>(w, QStringLiteral("Label12"), -1, QRect(4485, 0, 300, 300));

    // Seven flags would not fit where three did; each language is named in
    // itself, so that whoever reads it finds theirs whatever is shown.
    m_language = makeControl<QComboBox>(w, QStringLiteral("lang"), -1, QRect(10920, 285, 1485, 330));
    for (const Language &language : languages())
        m_language->addItem(language.ownName.toString());
    markAsFixed(m_language);
}

void ButtonBar::showKnockoutButton(const MessageTable &messages, bool open)
{
    m_knockout->setIcon(Pictures::knockoutButton(open ? 0 : 1, m_knockout->iconSize()));
    m_knockout->setText(messages.text(open ? Message::groupsButton : Message::knockoutButton));
}

// Whatever words a language file gives the title, its year is the one shown.
void ButtonBar::showTitle(const QString &year, const QString &other)
{
    static const QRegularExpression years(QStringLiteral("\\b(19|20)\\d\\d\\b"));
    // A text this bar did not show came from a language file.
    if (m_title->text() != m_shownTitle)
        m_worldCupTitle = m_title->text();
    m_shownTitle = !other.isEmpty() ? other
                   : year.isEmpty() ? m_worldCupTitle
                                    : QString(m_worldCupTitle).replace(years, year);
    m_title->setText(m_shownTitle);
}

void ButtonBar::showStatus(const QString &text)
{
    m_status->setText(text);
    m_statusTimer->start();
}

void ButtonBar::raiseAlwaysVisible()
{
    m_quit->raise();
    m_status->raise();
}
