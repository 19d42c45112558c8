#include "gui/calendar/MatchInfoPanel.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

#include "gui/controls/ControlRegistry.h"
#include "gui/controls/Controls.h"
#include "gui/kit/ChartLook.h"
#include "gui/kit/ClickableLabel.h"
#include "gui/pictures/Pictures.h"
#include "schedule/ChannelIndex.h"
#include "schedule/MatchInfo.h"

namespace {

void colourText(QLabel *label, const QColor &colour, qreal pointSize = 0, bool bold = false)
{
    chartLook::setTextColour(label, colour);
    chartLook::setFontSize(label, pointSize > 0 ? pointSize : label->font().pointSizeF(), bold);
}

QFrame *makeBox(QWidget *parent, const QString &name, const QRect &twips)
{
    auto *box = makeControl<QFrame>(parent, name, -1, twips);
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    chartLook::setTextColour(box, chartLook::line);
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    box->hide();
    return box;
}

QLabel *makeLogo(QWidget *parent, int index, const QRect &twips)
{
    // Drawn when first shown.
    auto *logo = makeControl<QLabel>(parent, QStringLiteral("ImChaine"), index, twips);
    logo->setScaledContents(true);
    markAsPicture(logo);
    logo->hide();
    return logo;
}

QLabel *makeStadium(QWidget *parent, int index, const QRect &twips)
{
    auto *stadium = makeControl<QLabel>(parent, QStringLiteral("Terrain"), index, twips);
    stadium->setScaledContents(true);
    markAsPicture(stadium);
    return stadium;
}

} // namespace

MatchInfoPanel::MatchInfoPanel(QWidget *window, QWidget *knockoutPage)
    : QObject(window)
    , m_window(window)
{
    buildSmall(knockoutPage);
}

QList<QWidget *> MatchInfoPanel::buildGroupPageCopy()
{
    if (m_partnerPicture)
        return {};
    QWidget *window = m_window;
    m_shapes[0] = makeBox(window, QStringLiteral("Shape1"), QRect(13230, 4905, 3960, 2910));

    const QString labTer = QStringLiteral("LabTer");
    // The venue over the whole width; below it date, kick-off and the
    // logos share one line, on one baseline, none over another.
    m_texts[0] = makeControl<QLabel>(window, labTer, 0, QRect(13320, 4980, 3780, 525));
    m_texts[0]->setAlignment(Qt::AlignCenter);
    m_texts[0]->setWordWrap(true);
    colourText(m_texts[0], chartLook::venue, 9.75);
    m_texts[1] = makeControl<QLabel>(window, labTer, 1, QRect(13320, 5535, 1380, 435));
    m_texts[1]->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    colourText(m_texts[1], chartLook::kickOff, 9.75, true);
    m_texts[2] = makeControl<QLabel>(window, labTer, 2, QRect(14700, 5535, 960, 435));
    m_texts[2]->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    colourText(m_texts[2], chartLook::kickOff, 13.5, true);

    for (int k = 0; k < 4; ++k)
        m_logos[std::size_t(k)] = makeLogo(window, k, QRect(15675 + 375 * k, 5580, 345, 345));

    m_stadiums[0] = makeStadium(window, 10, QRect(13335, 6060, 3750, 1545));

    // Their words come from the control catalogue when the window adopts them.
    const QString notice = QStringLiteral("Label11");
    for (int k = 0; k < 2; ++k) {
        auto *label = makeControl<ClickableLabel>(window, notice, k, QRect(13320, 5130 + 360 * k, 3780, 330));
        label->setAlignment(Qt::AlignCenter);
        colourText(label, QColor(10, 70, 110), 0, k == 0);
        connect(label, &ClickableLabel::clicked, this, &MatchInfoPanel::partnerClicked);
        m_notices[std::size_t(k)] = label;
        m_links.append({label, WebPage::Partner});
    }
    // Kept inside the information box: below it stands the round of 16.
    m_partnerPicture = makePartnerPicture(window, QStringLiteral("Image6"), QRect(13710, 6015, 1905, 1800));
    // Built after the window may have been shown: shown with it, unless
    // the state of the other copy hides them.
    for (std::size_t k = 0; k < 3; ++k)
        m_texts[k]->show();
    m_stadiums[0]->show();
    showOnGroupPage();

    QList<QWidget *> built{m_shapes[0], m_texts[0], m_texts[1], m_texts[2]};
    built.append(QList<QWidget *>(m_logos.cbegin(), m_logos.cbegin() + ChannelCount));
    built << m_stadiums[0] << m_notices[0] << m_notices[1] << m_partnerPicture;
    return built;
}

// The page's copy and its partner picture stand in the column beside the
// bracket, below the short calendar.
void MatchInfoPanel::buildSmall(QWidget *knockoutPage)
{
    // The box holds the picture too, as on the group page, and the frame
    // leaves it a pixel on the right that no scale rounds away.
    auto *frame = makeControl<QFrame>(knockoutPage, QStringLiteral("Frame16"), -1, QRect(13380, 2700, 3945, 2790));
    m_shapes[1] = makeBox(frame, QStringLiteral("Shape2"), QRect(0, 0, 3930, 2775));

    const QString labTer = QStringLiteral("LabTer");
    m_texts[3] = makeControl<QLabel>(frame, labTer, 3, QRect(90, 90, 3750, 525));
    m_texts[3]->setAlignment(Qt::AlignCenter);
    m_texts[3]->setWordWrap(true);
    colourText(m_texts[3], chartLook::venue);
    m_texts[4] = makeControl<QLabel>(frame, labTer, 4, QRect(90, 660, 1380, 435));
    m_texts[4]->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    colourText(m_texts[4], chartLook::kickOff, 0, true);
    m_texts[5] = makeControl<QLabel>(frame, labTer, 5, QRect(1470, 660, 960, 435));
    m_texts[5]->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    colourText(m_texts[5], chartLook::kickOff, 12, true);

    for (int k = 0; k < 4; ++k)
        m_logos[std::size_t(4 + k)] = makeLogo(frame, 4 + k, QRect(2565 + 285 * k, 765, 270, 270));

    // As large as the group page's, so that both show one picture.
    m_stadiums[1] = makeStadium(frame, 11, QRect(90, 1140, 3750, 1545));

    m_knockoutPartner =
        makeControl<QFrame>(knockoutPage, QStringLiteral("Frame17"), -1, QRect(14220, 6090, 2055, 3855));
    // Square, in the middle of the column's foot: the badge and the
    // champion's cup are drawn square and would be stretched in its height.
    m_knockoutPartnerPicture =
        makePartnerPicture(m_knockoutPartner, QStringLiteral("Image7"), QRect(75, 975, 1905, 1905));
}

QLabel *MatchInfoPanel::makePartnerPicture(QWidget *parent, const QString &name, const QRect &twips)
{
    auto *picture = makeControl<ClickableLabel>(parent, name, -1, twips);
    picture->setPixmap(Pictures::partner(picture->size()));
    markAsPicture(picture);
    connect(picture, &ClickableLabel::clicked, this, &MatchInfoPanel::partnerClicked);
    m_links.append({picture, WebPage::Partner});
    return picture;
}

void MatchInfoPanel::setHoverKey(const QString &key)
{
    if (key == m_hoverKey)
        return;
    m_hoverKey = key;
    ShowMatchInfo();
}

void MatchInfoPanel::ShowMatchInfo()
{
    const MatchInfo info = parseMatchInfo(m_hoverKey);
    m_texts[3]->setText(info.venue);
    m_texts[4]->setText(info.date);
    m_texts[5]->setText(info.time);

    hideLogos();
    for (int channel : info.logos)
        showLogo(m_logos[std::size_t(channel + ChannelCount)], channel);

    setIdle(!info.hasText());
    m_noticesShown = false;
    m_stadiums[1]->setPixmap(info.stadium ? stadiumPicture(*info.stadium) : QPixmap());
    showOnGroupPage();
    emit shown(info);
}

void MatchInfoPanel::ResetMatchInfo()
{
    setIdle(true);
    m_noticesShown = true;
    m_stadiums[1]->setPixmap(QPixmap());
    for (std::size_t k = 3; k < m_texts.size(); ++k)
        m_texts[k]->clear();
    hideLogos();
    showOnGroupPage();
    emit shown({});
}

// The knock-out page's copy holds the state; the group page's, once built,
// shows the same.
void MatchInfoPanel::showOnGroupPage()
{
    if (!m_partnerPicture)
        return;
    for (std::size_t k = 0; k < 3; ++k)
        m_texts[k]->setText(m_texts[k + 3]->text());
    for (int channel = 0; channel < ChannelCount; ++channel) {
        QLabel *logo = m_logos[std::size_t(channel)];
        if (m_logos[std::size_t(channel + ChannelCount)]->isHidden())
            logo->hide();
        else
            showLogo(logo, channel);
    }
    m_shapes[0]->setVisible(!m_shapes[1]->isHidden());
    m_partnerPicture->setVisible(!m_knockoutPartner->isHidden());
    for (QLabel *notice : m_notices)
        notice->setVisible(m_noticesShown);
    m_stadiums[0]->setPixmap(m_stadiums[1]->pixmap());
}

void MatchInfoPanel::setIdle(bool idle)
{
    m_shapes[1]->setVisible(!idle);
    m_knockoutPartner->setVisible(idle);
}

void MatchInfoPanel::showLogo(QLabel *logo, int channel)
{
    if (logo->pixmap().isNull())
        logo->setPixmap(Pictures::broadcasterLogo(channel, logo->size()));
    logo->show();
}

void MatchInfoPanel::hideLogos()
{
    for (int k = ChannelCount; k < 2 * ChannelCount; ++k)
        m_logos[std::size_t(k)]->hide();
}

const QPixmap &MatchInfoPanel::stadiumPicture(int picture)
{
    QPixmap &cached = m_stadiumPictures[std::size_t(picture)];
    if (cached.isNull())
        cached = Pictures::stadium(picture, m_stadiums[1]->size());
    return cached;
}

void MatchInfoPanel::watchLabel(QWidget *label, const QWidget *toolTipSource)
{
    watch(label, Hover::Label, toolTipSource);
}

void MatchInfoPanel::watchBlank(QWidget *frame)
{
    watch(frame, Hover::Blank);
}

void MatchInfoPanel::watchKnockoutPage(QWidget *page)
{
    watch(page, Hover::KnockoutPage);
}

void MatchInfoPanel::watchBackground(QWidget *background)
{
    watch(background, Hover::Background);
}

void MatchInfoPanel::watchMatch(QWidget *side, std::function<QString()> note)
{
    watch(side, Hover::Label);
    m_watched[side].note = std::move(note);
}

void MatchInfoPanel::watch(QWidget *w, Hover hover, const QWidget *toolTipSource)
{
    m_watched.insert(w, {hover, toolTipSource, {}});
    w->setMouseTracking(true);
    w->installEventFilter(this);
    connect(w, &QObject::destroyed, this, [this](QObject *gone) { m_watched.remove(gone); });
}

bool MatchInfoPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseMove)
        return false;
    const auto found = m_watched.constFind(watched);
    if (found == m_watched.cend())
        return false;
    auto *w = static_cast<QWidget *>(watched);
    // A move passed up from a control inside belongs to that control.
    if (w->childAt(static_cast<QMouseEvent *>(event)->position().toPoint()))
        return false;
    switch (found->hover) {
    case Hover::Label:
        setHoverKey(found->note ? found->note()
                                : (found->toolTipSource ? found->toolTipSource.data() : w)->toolTip());
        break;
    case Hover::Blank:
        setHoverKey(QString());
        break;
    case Hover::KnockoutPage:
        setHoverKey(QString());
        ResetMatchInfo();
        break;
    case Hover::Background:
        ResetMatchInfo();
        break;
    }
    return false;
}
