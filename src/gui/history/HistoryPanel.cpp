#include "gui/history/HistoryPanel.h"

#include "gui/controls/CellBinding.h"
#include "gui/controls/ControlRegistry.h"
#include "gui/controls/Controls.h"
#include "gui/kit/ChartLook.h"
#include "gui/pictures/HistoryPictures.h"
#include "history/Tournaments.h"
#include "i18n/LanguageFile.h"
#include "tournament/Tournament.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

HistoryPanel::HistoryPanel(Tournament &t, CellBinding &binding, QWidget *frame)
    : QObject(frame)
{
    auto *caption = makeControl<QLabel>(frame, QStringLiteral("Label13"), -1, QRect(150, 330, 3690, 390));
    chartLook::makeHeading(caption);

    m_years = makeControl<QComboBox>(frame, QStringLiteral("Combo1"), -1, QRect(150, 780, 2370, 375));
    m_years->addItems(yearListEntries(t.messages()));
    auto *open = makeControl<QPushButton>(frame, QStringLiteral("Command12"), -1, QRect(2610, 765, 1230, 405));
    connect(open, &QPushButton::clicked, this, [this] { emit openClicked(m_years->currentIndex()); });

    m_picture = makeControl<QLabel>(frame, QStringLiteral("Image9"), -1, QRect(150, 1320, 2160, 1620));
    markAsPicture(m_picture);

    const CellFamily &totalCell = t.family(QStringLiteral("Label15"));
    auto *total = makeControl<QLabel>(frame, totalCell.name(), -1, QRect(2400, 1320, 1440, 900));
    total->setWordWrap(true);
    total->setAlignment(Qt::AlignCenter);
    binding.bind(totalCell, 0, total);
    total->setAutoFillBackground(false);
    chartLook::setFontSize(total, total->font().pointSizeF() + 1, true);
    chartLook::setTextColour(total, chartLook::ink);

    auto *back = makeControl<QPushButton>(frame, QStringLiteral("Command4"), -1, QRect(2400, 2535, 1440, 405));
    connect(back, &QPushButton::clicked, this, &HistoryPanel::returnClicked);

    showPicture(Tournaments::current);
}

void HistoryPanel::showPicture(int entry)
{
    m_picture->setPixmap(Pictures::tournament(entry, m_picture->size()));
}
