#include "gui/history/HistoryPanel.h"

#include "gui/controls/CellBinding.h"
#include "gui/controls/ControlRegistry.h"
#include "gui/controls/Controls.h"
#include "gui/kit/ChartLook.h"
#include "gui/pictures/HistoryPictures.h"
#include "history/Tournaments.h"
#include "i18n/LanguageFile.h"
#include "storage/OwnChart.h"
#include "tournament/Tournament.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

const QString languageFileYear = QStringLiteral("2010");

} // namespace

HistoryPanel::HistoryPanel(Tournament &t, CellBinding &binding, QWidget *frame)
    : QObject(frame)
    , m_tournament(t)
    , m_backLabel(languageFileYear)
{
    auto *caption = makeControl<QLabel>(frame, QStringLiteral("Label13"), -1, QRect(150, 330, 3000, 390));
    chartLook::makeHeading(caption);

    m_years = makeControl<QComboBox>(frame, QStringLiteral("Combo1"), -1, QRect(150, 780, 1950, 375));
    m_years->addItems(yearListEntries(t.messages()));
    auto *open = makeControl<QPushButton>(frame, QStringLiteral("Command12"), -1, QRect(2190, 765, 960, 405));
    connect(open, &QPushButton::clicked, this, [this] { emit openClicked(m_years->currentIndex()); });

    // The buttons go under the picture, where "Nouveau tournoi" and its
    // menu's arrow have room in every language: the panel fits the column
    // beside twelve groups.
    m_picture = makeControl<QLabel>(frame, QStringLiteral("Image9"), -1, QRect(150, 1320, 2010, 1620));
    markAsPicture(m_picture);

    const CellFamily &totalCell = t.family(QStringLiteral("Label15"));
    auto *total = makeControl<QLabel>(frame, totalCell.name(), -1, QRect(2250, 1320, 900, 1620));
    total->setWordWrap(true);
    total->setAlignment(Qt::AlignCenter);
    binding.bind(totalCell, 0, total);
    total->setAutoFillBackground(false);
    chartLook::setFontSize(total, total->font().pointSizeF() + 1, true);
    chartLook::setTextColour(total, chartLook::ink);

    m_newTournament =
        makeControl<QPushButton>(frame, QStringLiteral("Command24"), -1, QRect(150, 3030, 1740, 405));
    auto *menu = new QMenu(m_newTournament);
    // Worded when it opens: the language may have changed since.
    connect(menu, &QMenu::aboutToShow, this, &HistoryPanel::fillNewTournamentMenu);
    m_newTournament->setMenu(menu);

    m_back = makeControl<QPushButton>(frame, QStringLiteral("Command4"), -1, QRect(1980, 3030, 1170, 405));
    connect(m_back, &QPushButton::clicked, this, &HistoryPanel::returnClicked);
}

void HistoryPanel::fillNewTournamentMenu()
{
    QMenu *menu = m_newTournament->menu();
    menu->clear();
    const QStringList labels = m_tournament.messages().at(Message::ownCharts).split(u'|');
    const QStringList &charts = OwnChart::names();
    for (qsizetype i = 0; i < charts.size(); ++i) {
        QAction *entry = menu->addAction(labels.value(i, Tournaments::listedChart(charts[i])));
        entry->setCheckable(true);
        entry->setChecked(charts[i] == m_own);
        connect(entry, &QAction::triggered, this, [this, chart = charts[i]] { emit ownChartClicked(chart); });
    }
}

void HistoryPanel::showOwnChart(const QString &chartName)
{
    m_own = chartName;
    nameOwnChart();
}

void HistoryPanel::languageApplied()
{
    m_backLabel = languageFileYear;
    nameOwnChart();
}

// Every language words the way back with the year, "2010..." and "Back to
// your 2010 predictions": the own chart's name takes the year's place.
void HistoryPanel::nameOwnChart()
{
    const QString label = Tournaments::listedChart(m_own);
    m_back->setText(m_back->text().replace(m_backLabel, label));
    m_back->setToolTip(m_back->toolTip().replace(m_backLabel, label));
    m_backLabel = label;
}

void HistoryPanel::showPicture(const QString &chartName)
{
    m_picture->setPixmap(Pictures::tournament(chartName, m_picture->size()));
}
