#include "gui/formats/ThirdsPanel.h"

#include "gui/controls/CellBinding.h"
#include "gui/controls/Controls.h"
#include "gui/groups/ToolTipSource.h"
#include "gui/kit/ChartLook.h"
#include "gui/kit/FittedLabel.h"
#include "tournament/FormatStage.h"
#include "tournament/NumericValue.h"
#include "tournament/Tournament.h"

#include <QLabel>
#include <QMouseEvent>
#include <QMetaObject>

namespace {

constexpr int left = 90;
constexpr int rankWidth = 240;
constexpr int groupWidth = 300;
constexpr int figureWidth = 345;
constexpr int headingTop = 390;
constexpr int rowsTop = 660;
constexpr int rowHeight = 255;
constexpr int lineGap = 60;
constexpr int noticeHeight = 720;

QString signedNumber(double value)
{
    const QString number = formatNumber(value);
    return value > 0 ? QStringLiteral("+") + number : number;
}

QString part(const QString &parts, int index)
{
    return parts.split(u'|').value(index);
}

} // namespace

ThirdsPanel::ThirdsPanel(Tournament &t, int width, QWidget *parent)
    : CardFrame(QString(), parent)
    , m_tournament(t)
{
    const int groups = int(t.groupIds().size());
    const int teamLeft = left + rankWidth + groupWidth;
    const int teamWidth = width - teamLeft - 3 * figureWidth - left;
    const auto columnLeft = [teamLeft, teamWidth](int column) {
        return column == 0   ? left + rankWidth
               : column == 1 ? teamLeft
                             : teamLeft + teamWidth + (column - 2) * figureWidth;
    };
    const auto columnWidth = [teamWidth](int column) {
        return column == 0 ? groupWidth : column == 1 ? teamWidth : figureWidth;
    };
    for (int column = 0; column < 5; ++column) {
        auto *heading = new QLabel(this);
        heading->setGeometry(twipsRect(columnLeft(column), headingTop, columnWidth(column), 240));
        heading->setAlignment(column == 1 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        chartLook::makeHeading(heading);
        m_headings.append(heading);
    }
    for (int i = 0; i < groups; ++i) {
        // The rows under the line stand a little lower, so that it shows.
        const int top = rowsTop + i * rowHeight + (i >= t.rules().thirdsThrough ? lineGap : 0);
        Row row;
        auto *rank = new QLabel(QString::number(i + 1), this);
        rank->setGeometry(twipsRect(left, top, rankWidth, rowHeight - 15));
        rank->setAlignment(Qt::AlignCenter);
        row.group = new QLabel(this);
        row.group->setGeometry(twipsRect(columnLeft(0), top, groupWidth, rowHeight - 15));
        row.group->setAlignment(Qt::AlignCenter);
        row.team = new FittedLabel(this);
        row.team->setGeometry(twipsRect(columnLeft(1), top, teamWidth, rowHeight - 15));
        row.team->setIndent(3);
        row.team->installEventFilter(this);
        for (int column = 2; column < 5; ++column) {
            auto *figure = new QLabel(this);
            figure->setGeometry(twipsRect(columnLeft(column), top, figureWidth, rowHeight - 15));
            figure->setAlignment(Qt::AlignCenter);
            row.figures.append(figure);
        }
        m_rows.append(row);
    }
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setGeometry(twipsRect(left, rowsTop + t.rules().thirdsThrough * rowHeight + 7, width - 2 * left, 30));
    chartLook::setTextColour(line, chartLook::banner);
    m_notice = new QLabel(this);
    m_notice->setGeometry(
        twipsRect(left, rowsTop + groups * rowHeight + lineGap + 30, width - 2 * left, noticeHeight));
    m_notice->setWordWrap(true);
    m_notice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    chartLook::setTextColour(m_notice, chartLook::warning);
    for (int i = 0; i < groups; ++i)
        new ToolTipSource(m_rows[i].team, [this, i] { return whyAt(i); });

    m_observer = t.addObserver([this](const CellFamily &, int, CellProperty) { refreshSoon(); });
    showMessageTexts();
}

ThirdsPanel::~ThirdsPanel()
{
    m_tournament.removeObserver(m_observer);
}

int ThirdsPanel::height(int groups)
{
    return rowsTop + groups * rowHeight + lineGap + noticeHeight + 60;
}

void ThirdsPanel::showMessageTexts()
{
    const MessageTable &messages = m_tournament.messages();
    setTitle(messages.text(Message::thirdsTitle));
    const QString headings = messages.text(Message::thirdsHeadings);
    for (int column = 0; column < m_headings.size(); ++column)
        m_headings[column]->setText(part(headings, column));
    refresh();
}

// A keystroke changes dozens of cells: the ranking is made once, after.
void ThirdsPanel::refreshSoon()
{
    if (m_pending)
        return;
    m_pending = true;
    QMetaObject::invokeMethod(this, &ThirdsPanel::refresh, Qt::QueuedConnection);
}

void ThirdsPanel::refresh()
{
    m_pending = false;
    const Tournament &t = m_tournament;
    // The groups as the keystroke left them ranked: none is ranked again.
    const std::vector<FormatGroup> &groups = m_tournament.rankedGroups().all(m_tournament);
    const ThirdsStanding thirds = thirdsStanding(t, groups);
    m_standing = thirds;
    m_shown.clear();
    const bool tie = thirds.known && !thirds.decided();
    for (int place = 0; place < m_rows.size(); ++place) {
        const std::size_t i = std::size_t(thirds.ranked.order[std::size_t(place)]);
        const GroupId g = thirds.groups[i];
        const int slot = thirds.slotInGroup[i];
        const TeamFigures &f = thirds.figures[i];
        m_shown.emplace_back(g, slot);
        Row &row = m_rows[place];
        row.group->setText(QString(groupLetter(g)));
        const bool known = groups[std::size_t(groupIndex(g))].placeKnown(3);
        row.team->setText(known ? t.messages().teamNames().shown(t.group(g).team->text(slot))
                                : QStringLiteral("-"));
        row.figures[0]->setText(QString::number(f.points));
        row.figures[1]->setText(signedNumber(f.difference()));
        row.figures[2]->setText(formatNumber(f.goalsFor));
        const bool through = thirds.decided() && place < thirds.through;
        const bool out = thirds.decided() && place >= thirds.through;
        const bool level = tie && (thirds.ranked.levelWithNext(std::size_t(place)) ||
                                   (place > 0 && thirds.ranked.levelWithNext(std::size_t(place - 1))));
        const Look look{through ? colours::qualified
                        : out   ? colours::eliminated
                                : colours::black,
                        through || level, level};
        // Setting a palette or a font costs far more than comparing it (it
        // is resolved and spread again), and most rows keep theirs.
        if (row.look == look)
            continue;
        row.look = look;
        chartLook::setTextColour(row.team, toColour(look.colour));
        row.team->setCursor(look.drawsLots ? Qt::PointingHandCursor : Qt::ArrowCursor);
        QFont font = row.team->font();
        font.setBold(look.bold);
        row.team->setFont(font);
    }
    m_notice->setText(tie ? t.messages().text(Message::thirdsTie) : QString());
}

bool ThirdsPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        for (std::size_t i = 0; i < m_shown.size(); ++i)
            if (m_rows[qsizetype(i)].team == watched)
                emit thirdClicked(m_shown[i].first, m_shown[i].second);
    return CardFrame::eventFilter(watched, event);
}

// What put the team at `place` ahead of the next one, or that nothing does.
QString ThirdsPanel::whyAt(int place) const
{
    const RankedTeams &ranked = m_standing.ranked;
    if (std::size_t(place) + 1 >= ranked.order.size() || !m_standing.known)
        return QString();
    const MessageTable &messages = m_tournament.messages();
    const std::size_t next = std::size_t(ranked.order[std::size_t(place + 1)]);
    const QString nextTeam = messages.teamNames().shown(
        m_tournament.group(m_standing.groups[next]).team->text(m_standing.slotInGroup[next]));
    const std::optional<Criterion> by = ranked.separatedBy[std::size_t(place)];
    if (!by)
        return messages.text(Message::levelWith).arg(nextTeam);
    return messages.text(Message::aheadOf).arg(nextTeam, part(messages.text(Message::criterionNames), int(*by)));
}
