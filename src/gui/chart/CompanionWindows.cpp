#include "gui/chart/CompanionWindows.h"

#include "gui/history/StatsWindow.h"
#include "gui/predictions/PredictionsWindow.h"
#include "gui/print/PagePrinter.h"
#include "gui/print/PrintWindow.h"
#include "tournament/Tournament.h"

CompanionWindows::CompanionWindows(QWidget &window, Tournament &t, Prompts &prompts, PredictionKeeper &keeper)
    : QObject(&window)
    , m_window(window)
    , m_tournament(t)
    , m_prompts(prompts)
    , m_keeper(keeper)
{}

CompanionWindows::~CompanionWindows()
{
    delete m_print;
}

void CompanionWindows::openPrintWindow()
{
    if (!m_print) {
        m_print = new PrintWindow(m_tournament, m_prompts, &m_window);
        add(m_print);
    }
    m_print->show();
    m_print->raise();
    m_print->activateWindow();
}

void CompanionWindows::showStatistics()
{
    if (!m_stats) {
        m_stats = new StatsWindow(&m_window);
        add(m_stats);
        connect(m_stats, &StatsWindow::printClicked, this, [this] {
            printWindowImage(*m_stats, m_stats->buttons(), m_prompts, m_tournament.messages(),
                             QStringLiteral("statistiques.pdf"));
        });
    }
    m_stats->showStatistics(m_tournament);
}

void CompanionWindows::showPredictions()
{
    if (!m_predictions) {
        m_predictions = new PredictionsWindow(&m_window, m_tournament.messages(), m_keeper, m_prompts);
        add(m_predictions);
        connect(m_predictions, &PredictionsWindow::openRequested, this, &CompanionWindows::predictionChosen);
    }
    m_predictions->showCircle();
}

void CompanionWindows::add(QWidget *w)
{
    m_companions.removeAll(nullptr);
    m_companions.append(w);
}

void CompanionWindows::closeAll()
{
    for (const QPointer<QWidget> &companion : std::as_const(m_companions))
        if (companion)
            companion->close();
}
