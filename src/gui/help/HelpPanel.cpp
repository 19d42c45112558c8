#include "gui/help/HelpPanel.h"

#include "gui/controls/CellBinding.h"
#include "gui/controls/ControlRegistry.h"
#include "gui/controls/Controls.h"
#include "gui/groups/ScoreEdit.h"
#include "gui/kit/ChartLook.h"
#include "gui/kit/ClickableLabel.h"
#include "gui/kit/EscapeKey.h"
#include "gui/pictures/Pictures.h"
#include "tournament/Knockout.h"
#include "tournament/MessageTable.h"
#include "tournament/Tournament.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimeZone>
#include <QToolButton>

namespace {

constexpr int columnWidth = 5400;
constexpr std::array<int, 3> columnLefts{300, 6000, 11850};
constexpr int headingsTop = 900;
constexpr int headingHeight = 330;

// The headings and paragraphs take their words, as every caption of the
// panel, from the catalogue's lines when the window adopts the panel.
QLabel *addHeading(QWidget *panel, int index, int column, int top)
{
    auto *heading = makeControl<QLabel>(panel, QStringLiteral("LabAideTitre"), index,
                                        QRect(columnLefts[std::size_t(column)], top, columnWidth, headingHeight));
    chartLook::makeBanner(heading);
    heading->setIndent(6);
    return heading;
}

QLabel *addParagraph(QWidget *panel, int index, int left, int top, int width, int height)
{
    auto *paragraph =
        makeControl<QLabel>(panel, QStringLiteral("LabAide"), index, QRect(left, top, width, height));
    paragraph->setWordWrap(true);
    paragraph->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return paragraph;
}

ClickableLabel *addLink(QWidget *panel, const QString &name, int index, const QRect &twips, const QString &text)
{
    auto *link = makeControl<ClickableLabel>(panel, name, index, twips, text);
    QFont underlined = link->font();
    underlined.setUnderline(true);
    link->setFont(underlined);
    chartLook::setTextColour(link, chartLook::banner);
    return link;
}

} // namespace

HelpPanel::HelpPanel(Tournament &t, CellBinding &binding, QWidget *parent)
    : QFrame(parent)
    , m_messages(t.messages())
{
    nameControl(this, QStringLiteral("Fraide"));
    closeOnEscape(this, [this] { hide(); });
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette card = palette();
    card.setColor(QPalette::Window, Qt::white);
    setPalette(card);

    m_title = makeControl<QLabel>(this, QStringLiteral("Label2"), -1, QRect(300, 150, 6000, 600),
                                  QStringLiteral("Vylora 2010"));
    chartLook::setFontSize(m_title, 16, true);
    chartLook::setTextColour(m_title, chartLook::ink);

    addGroupHelp();
    addKnockoutHelp(t, binding);
    addSavingHelp();
    addDisplayAndAbout();
    addTimeZoneChoice();
    showMessageTexts();
}

void HelpPanel::addGroupHelp()
{
    const int left = columnLefts[0];
    addHeading(this, 0, 0, headingsTop);
    addParagraph(this, 0, left, 1320, columnWidth, 1680);
    addParagraph(this, 1, left, 3060, columnWidth, 900);
    addParagraph(this, 2, left, 4020, columnWidth, 900);
    addParagraph(this, 3, left, 4980, columnWidth, 330);

    // They only show what the real button looks like in each state; their
    // captions are the real button's, from the message table.
    const std::array<QString, 2> names{QStringLiteral("Command9"), QStringLiteral("Command10")};
    for (int i = 0; i < 2; ++i) {
        auto *sample = makeControl<QToolButton>(this, names[std::size_t(i)], -1,
                                                QRect(left + 300 + i * 2100, 5400, 1800, 915));
        sample->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        sample->setIconSize(QSize(sample->width() - 12, sample->height() - 30));
        sample->setIcon(Pictures::knockoutButton(i, sample->iconSize()));
        sample->setFocusPolicy(Qt::NoFocus);
        sample->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_stageSamples[std::size_t(i)] = sample;
    }
}

void HelpPanel::changeEvent(QEvent *event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        showMessageTexts();
}

void HelpPanel::showMessageTexts()
{
    const MessageTable &messages = m_messages;
    m_stageSamples[0]->setText(messages.text(Message::groupsButton));
    m_stageSamples[1]->setText(messages.text(Message::knockoutButton));
    m_zoneList->setItemText(
        0, messages.text(Message::computerClock).arg(QString::fromUtf8(QTimeZone::systemTimeZoneId())));
}

void HelpPanel::addKnockoutHelp(Tournament &t, CellBinding &binding)
{
    const int left = columnLefts[1];
    addHeading(this, 1, 1, headingsTop);
    addParagraph(this, 4, left, 1320, columnWidth, 1200);

    // A worked example: a draw decided by the shoot-out. The team cells
    // are pictures of real ones; the score cells are real ones of the
    // model, beyond the bracket's.
    const RoundCells &round = t.round(Round::RoundOf16);
    auto *box = new QFrame(this);
    box->setGeometry(twipsRect(left + 600, 2580, 3060, 660));
    box->setFrameShape(QFrame::Box);
    chartLook::setTextColour(box, chartLook::line);
    std::array<QLabel *, 2> teamCells{};
    for (int row = 0; row < 2; ++row) {
        const int side = round.sides + row;
        const int y = 30 + row * 300;
        auto *team = makeControl<QLabel>(box, QStringLiteral("ButEx"), row, QRect(45, y, 2160, 285));
        team->setIndent(4);
        team->setAutoFillBackground(true);
        teamCells[std::size_t(row)] = team;
        for (CellFamily *cells : {round.goals, round.penalties}) {
            const bool isGoals = cells == round.goals;
            auto *score = makeControl<ScoreEdit>(box, cells->name(), side,
                                                 QRect(isGoals ? 2235 : 2655, y, isGoals ? 360 : 330, 285));
            binding.bind(*cells, side, score);
            connect(score, &QLineEdit::textEdited, this,
                    [&t, cells, side](const QString &text) { t.setText(*cells, side, text); });
        }
    }
    // The example follows the rule it shows: whatever is typed into it, the
    // side with more goals plus penalties is the one in green.
    const int first = round.sides;
    const auto showWinner = [goalCells = round.goals, penaltyCells = round.penalties, first, teamCells] {
        std::array<float, 2> totals{};
        for (int row = 0; row < 2; ++row)
            totals[std::size_t(row)] = sideTotal(goalCells->text(first + row), penaltyCells->text(first + row));
        for (int row = 0; row < 2; ++row) {
            const bool won = totals[std::size_t(row)] > totals[std::size_t(1 - row)];
            QPalette colours = teamCells[std::size_t(row)]->palette();
            colours.setColor(QPalette::Window, won ? QColor(0, 128, 0) : QColor(Qt::white));
            colours.setColor(QPalette::WindowText, won ? QColor(Qt::white) : QColor(Qt::black));
            teamCells[std::size_t(row)]->setPalette(colours);
        }
    };
    for (CellFamily *cells : {round.goals, round.penalties})
        for (int row = 0; row < 2; ++row)
            binding.onTextChange(*cells, first + row, showWinner);
    showWinner();
    addParagraph(this, 5, left, 3360, columnWidth, 600);
}

void HelpPanel::addSavingHelp()
{
    const int left = columnLefts[1];
    addHeading(this, 2, 1, 4140);
    addParagraph(this, 6, left, 4560, columnWidth, 900);
    addParagraph(this, 7, left, 5520, columnWidth, 900);
    addParagraph(this, 8, left, 6480, columnWidth, 1200);
    // A prediction kept by name survives every update; "Pronostics" scores it.
    m_keepButton = makeControl<QPushButton>(this, QStringLiteral("Command23"), -1, QRect(left, 7740, 3300, 480));
}

void HelpPanel::addDisplayAndAbout()
{
    const int left = columnLefts[2];
    addHeading(this, 3, 2, headingsTop);
    addParagraph(this, 9, left, 1320, columnWidth, 660);
    // Its caption says which way it switches; the window writes it.
    m_modeButton = makeControl<QPushButton>(this, QStringLiteral("Command14"), -1, QRect(left, 2040, 3300, 480));

    addHeading(this, 4, 2, 2820);
    for (int i = 0; i < 4; ++i) {
        auto *credit =
            makeControl<QLabel>(this, QStringLiteral("Label6"), i, QRect(left, 3240 + i * 300, columnWidth, 285));
        credit->setWordWrap(true);
    }
    auto *author = addLink(this, QStringLiteral("Label6"), 4, QRect(left, 4500, columnWidth, 285),
                           QStringLiteral("Vylora 2010 © les développeurs de Vylora"));
    markAsFixed(author);
    // The links write the site's address once they know it.
    auto *address = addLink(this, QStringLiteral("Label9"), -1, QRect(left, 4860, columnWidth, 285), QString());
    auto *contact = addLink(this, QStringLiteral("Label3"), -1, QRect(left, 5160, columnWidth, 285), QString());
    auto *invitation = addLink(this, QStringLiteral("Label4"), -1, QRect(left, 5460, columnWidth, 285), QString());

    auto *site = makeControl<ClickableLabel>(this, QStringLiteral("Image5"), -1, QRect(left, 5940, 1500, 1500));
    site->setPixmap(Pictures::website(site->size()));
    markAsPicture(site);
    auto *partner =
        makeControl<ClickableLabel>(this, QStringLiteral("Image3"), -1, QRect(left + 1800, 5940, 1500, 1500));
    partner->setPixmap(Pictures::partner(partner->size()));
    markAsPicture(partner);
    auto *forum = addLink(this, QStringLiteral("Label8"), -1, QRect(left + 3600, 6540, 1500, 285), QString());
    forum->setAlignment(Qt::AlignCenter);
    m_links = {{site, WebPage::Home},       {address, WebPage::SiteAddress}, {author, WebPage::Home},
               {contact, WebPage::Contact}, {partner, WebPage::Partner},     {invitation, WebPage::Forum},
               {forum, WebPage::Forum}};

    m_backButton = makeControl<QPushButton>(this, QStringLiteral("Command2"), -1, QRect(15600, 8250, 1650, 540));
}

void HelpPanel::addTimeZoneChoice()
{
    const int left = columnLefts[0];
    addHeading(this, 5, 0, 6600);
    addParagraph(this, 10, left, 7020, columnWidth, 600);
    m_zoneList = makeControl<QComboBox>(this, QStringLiteral("ComboFuseau"), -1, QRect(left, 7680, 3300, 360));
    // First the way back to the computer's clock, then every zone by name.
    m_zoneList->addItem(QString(), QString());
    for (const QByteArray &zone : QTimeZone::availableTimeZoneIds())
        m_zoneList->addItem(QString::fromUtf8(zone), QString::fromUtf8(zone));
    connect(m_zoneList, &QComboBox::activated, this,
            [this](int index) { emit zoneChosen(m_zoneList->itemData(index).toString()); });
}

void HelpPanel::showZone(const QString &zone)
{
    int index = m_zoneList->findData(zone);
    if (index < 0) {
        // A zone the database lists under no name of its own (Etc/UTC, the
        // computer's on many systems) is shown all the same, in its place.
        index = 1;
        while (index < m_zoneList->count() && m_zoneList->itemText(index) < zone)
            ++index;
        m_zoneList->insertItem(index, zone, zone);
    }
    m_zoneList->setCurrentIndex(index);
}
