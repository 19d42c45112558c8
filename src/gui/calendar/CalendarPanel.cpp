#include "gui/calendar/CalendarPanel.h"

#include <QComboBox>
#include <QDate>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QTimer>

#include "gui/controls/ControlRegistry.h"
#include "gui/controls/Controls.h"
#include "gui/kit/ChartLook.h"
#include "gui/kit/ClickableLabel.h"
#include "gui/kit/EscapeKey.h"
#include "gui/kit/FittedLabel.h"
#include "gui/kit/FittingDelegate.h"
#include "gui/pictures/Pictures.h"
#include "schedule/CalendarDay.h"
#include "schedule/ChannelIndex.h"
#include "tournament/NumericValue.h"
#include "tournament/Tournament.h"

namespace {

constexpr std::array<int, 4> rowTops{510, 780, 1035, 1305};
constexpr int autoHideInterval = 800;
// The panel goes on the tick after this many have passed.
constexpr int autoHideTicks = 7;

// Two digits and the arrow have to share a narrow box: a little room on
// the left, set by a sheet of its own. A combo box answers a change of
// style by building its list at once; one that has never been opened has
// no list yet, and builds it, in the style it has then, when first opened.
class Picker final : public QComboBox
{
public:
    explicit Picker(QWidget *parent)
        : QComboBox(parent)
    {
        m_takingSheet = true;
        setStyleSheet(QStringLiteral("QComboBox { padding-left: 2px; }"));
        m_takingSheet = false;
    }

protected:
    void changeEvent(QEvent *event) override
    {
        if (m_takingSheet && event->type() == QEvent::StyleChange)
            QWidget::changeEvent(event);
        else
            QComboBox::changeEvent(event);
    }

private:
    bool m_takingSheet = false;
};

} // namespace

CalendarPanel::CalendarPanel(const Tournament &t, QWidget *parent)
    : QFrame(parent)
    , m_tournament(t)
{
    nameControl(this, QStringLiteral("Frame18"));
    closeOnEscape(this, [this] { hide(); });
    setGeometry(twipsRect(13380, 990, 4065, 3690));
    setFrameShape(QFrame::StyledPanel);
    // A white card over the chart.
    setAutoFillBackground(true);
    QPalette card = palette();
    card.setColor(QPalette::Window, Qt::white);
    setPalette(card);

    // Pictures and labels first: the pickers and lists lie above them, and
    // the day list covers the upper part of the close picture.
    auto *box = makeControl<QFrame>(this, QStringLiteral("Shape4"), -1, QRect(15, 135, 4020, 3495));
    box->setFrameShape(QFrame::Box);
    chartLook::setTextColour(box, chartLook::line);
    box->setAttribute(Qt::WA_TransparentForMouseEvents);

    // On the pickers' line, so that caption and date read as one.
    auto *caption = makeControl<QLabel>(this, QStringLiteral("Label14"), -1, QRect(360, 195, 2040, 360));
    caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    chartLook::makeHeading(caption);
    // A click on a caption, a row or a logo is not a click on the panel.
    caption->setAttribute(Qt::WA_NoMousePropagation);

    for (int k = 0; k < 4; ++k) {
        const int top = rowTops[std::size_t(k)];
        m_rows[std::size_t(k)] =
            makeControl<FittedLabel>(this, QStringLiteral("LabCAL"), k, QRect(510, top, 3585, 270));
        m_logos[std::size_t(k)] = makeControl<QLabel>(this, QStringLiteral("RepIm"), k, QRect(105, top, 375, 270));
        m_logos[std::size_t(k)]->setScaledContents(true);
        markAsPicture(m_logos[std::size_t(k)]);
        m_rows[std::size_t(k)]->setAttribute(Qt::WA_NoMousePropagation);
        m_logos[std::size_t(k)]->setAttribute(Qt::WA_NoMousePropagation);
    }

    auto *close = makeControl<ClickableLabel>(this, QStringLiteral("Image11"), -1, QRect(1320, 2085, 1410, 1395));
    close->setPixmap(Pictures::calendarClose(close->size()));
    markAsPicture(close);
    close->setAttribute(Qt::WA_NoMousePropagation);
    connect(close, &ClickableLabel::clicked, this, &QWidget::hide);

    m_day = makePicker(QStringLiteral("Combo3"), 31, QRect(2460, 195, 585, 360));
    m_month = makePicker(QStringLiteral("Combo4"), 12, QRect(3135, 195, 600, 360));

    m_dayList = makeControl<QListWidget>(this, QStringLiteral("List2"), -1, QRect(180, 2160, 3045, 750));
    m_dayList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Its box is three lines high, as many as the busiest group days bring.
    m_dayList->setItemDelegate(new FittingDelegate(3, m_dayList));
    // The logos' own proportions, at the height of a line.
    m_dayList->setIconSize(QSize(20, 14));

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(autoHideInterval);
    m_timer->setProperty("tag", QString());
    connect(m_timer, &QTimer::timeout, this, &CalendarPanel::CalendarAutoHide);
    m_timer->start();
}

QComboBox *CalendarPanel::makePicker(const QString &name, int items, const QRect &twips)
{
    auto *picker = makeControl<Picker>(this, name, -1, twips);
    for (int i = 1; i <= items; ++i)
        picker->addItem(QStringLiteral("%1").arg(i, 2, 10, QChar(u'0')));
    // Nothing is picked until start-up picks today.
    picker->setCurrentIndex(-1);
    connect(picker, &QComboBox::currentTextChanged, this, &CalendarPanel::RefreshCalendar);
    picker->installEventFilter(this);
    return picker;
}

void CalendarPanel::setSchedule(const ScheduleIndex &index)
{
    m_index = index;
}

void CalendarPanel::setToday(const QDate &today)
{
    m_day->setCurrentIndex(today.day() - 1);
    m_month->setCurrentIndex(today.month() - 1);
}

void CalendarPanel::RefreshCalendar()
{
    const QString dateKey = m_day->currentText() + u'/' + m_month->currentText();
    const CalendarDay day = calendarDay(m_tournament, m_index, dateKey);

    // Each line ends in its broadcaster's code: shown as the logo, since a
    // digit glued to a team's name reads as part of it.
    m_dayList->clear();
    for (const QString &line : day.lines) {
        const int channel = line.isEmpty() ? -1 : line.back().digitValue();
        auto *item = new QListWidgetItem(line.chopped(line.isEmpty() ? 0 : 1), m_dayList);
        if (channel >= 0 && channel < ChannelCount)
            item->setIcon(Pictures::broadcasterLogo(channel, m_dayList->iconSize()));
    }
    for (std::size_t k = 0; k < day.rows.size(); ++k) {
        const CalendarDay::Row &row = day.rows[k];
        m_rows[k]->setText(row.text);
        m_rows[k]->setAlignment((row.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
        m_logos[k]->setPixmap(row.logo ? Pictures::broadcasterLogo(*row.logo, m_logos[k]->size()) : QPixmap());
    }
}

void CalendarPanel::CalendarAutoHide()
{
    const int ticks = int(numericValue(m_timer->property("tag").toString()));
    if (ticks > autoHideTicks) {
        hide();
        m_timer->stop();
    }
    m_timer->setProperty("tag", QString::number(ticks + 1));
}

void CalendarPanel::stopAutoHide()
{
    m_timer->stop();
}

void CalendarPanel::changeEvent(QEvent *event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        RefreshCalendar();
}

bool CalendarPanel::eventFilter(QObject *watched, QEvent *event)
{
    // Reaching for a picker keeps the calendar on screen for good. The
    // focus a window hands to its first control when it opens is not the
    // user reaching for anything.
    const bool reached = event->type() == QEvent::KeyPress ||
                         (event->type() == QEvent::FocusIn &&
                          static_cast<QFocusEvent *>(event)->reason() != Qt::ActiveWindowFocusReason);
    if ((watched == m_day || watched == m_month) && reached)
        m_timer->stop();
    return QFrame::eventFilter(watched, event);
}

void CalendarPanel::mouseReleaseEvent(QMouseEvent *event)
{
    QFrame::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        hide();
}
