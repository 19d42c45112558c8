#include "app/MainWindow.h"

#include "app/CellBinding.h"
#include "app/ClickableLabel.h"
#include "app/Controls.h"
#include "app/GroupFrame.h"
#include "app/KnockoutPanel.h"
#include "app/Prompts.h"
#include "app/RoundOf16Summary.h"
#include "app/ScoreEdit.h"
#include "app/TeamNameEdit.h"
#include "tournament/Knockout.h"
#include "tournament/ProgramVersion.h"
#include "tournament/Tournament.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int windowWidth = 17640;
constexpr int windowHeight = 11400;
constexpr int groupWidth = 6540;
constexpr int groupHeight = 2550;
constexpr int groupsTop = 1020;

} // namespace

MainWindow::MainWindow(Tournament &t, Prompts &prompts, QWidget *parent)
    : QWidget(parent), m_tournament(t), m_prompts(prompts), m_binding(new CellBinding(t))
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Vylora 2010"));
    setFixedSize(px(windowWidth), px(windowHeight));

    for (GroupId g : allGroups) {
        auto *frame = new GroupFrame(t, *m_binding, g, this);
        const int column = groupIndex(g) / 4;
        const int row = groupIndex(g) % 4;
        frame->setGeometry(twipsRect(45 + column * (groupWidth + 45), groupsTop + row * (groupHeight + 30),
                                     groupWidth, groupHeight));
        m_groups.append(frame);
    }
    auto *summary = new RoundOf16Summary(t, *m_binding, this);
    summary->setGeometry(twipsRect(13230, 7860, 4365, 2820));

    buildButtonBar();

    m_knockout = new KnockoutPanel(t, *m_binding, this);
    m_knockout->setGeometry(twipsRect(15, 1020, 17550, 10215));
    m_knockout->hide();

    chainTabOrder();
}

MainWindow::~MainWindow()
{
    delete m_binding;
}

void MainWindow::buildButtonBar()
{
    m_saveButton = makeControl<QPushButton>(this, QStringLiteral("Command3"), -1, QRect(45, 90, 915, 600),
                                            QStringLiteral("Sauve"));
    m_knockoutButton = makeControl<QPushButton>(this, QStringLiteral("Command1"), -1,
                                                QRect(1005, 90, 1950, 600), QString());
    showKnockoutCaption();
    connect(m_knockoutButton, &QPushButton::clicked, this, &MainWindow::toggleKnockoutPanel);

    auto *quit = makeControl<QPushButton>(this, QStringLiteral("Command5"), -1, QRect(16320, 10800, 1245, 480),
                                          QStringLiteral("Quitter"));
    connect(quit, &QPushButton::clicked, this, &QWidget::close);

    auto *title = makeControl<QLabel>(this, QStringLiteral("Label3"), -1, QRect(5400, 60, 6600, 540),
                                      QStringLiteral("Coupe du Monde de Football 2010"));
    title->setAlignment(Qt::AlignCenter);
    title->setProperty("role", QStringLiteral("title"));
    auto *version = makeControl<QLabel>(this, QStringLiteral("Label7"), -1, QRect(5400, 600, 6600, 300),
                                        QStringLiteral("Vylora 2010 Version: ") + ProgramVersion::text());
    version->setAlignment(Qt::AlignCenter);
    version->setProperty("role", QStringLiteral("version"));

    // A discreet hotspot: the teams are unlocked only by those who know.
    auto *unlock = makeControl<ClickableLabel>(this, QStringLiteral("Label12"), -1, QRect(12150, 0, 300, 300));
    unlock->setToolTip(QStringLiteral("Déblocage"));
    connect(unlock, &ClickableLabel::clicked, this, &MainWindow::UnlockTeams);
}

void MainWindow::chainTabOrder()
{
    QWidget *previous = nullptr;
    auto chain = [&previous](QWidget *w) {
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    };
    for (GroupFrame *frame : m_groups)
        for (ScoreEdit *cell : frame->scoreCells())
            chain(cell);
    for (ScoreEdit *cell : m_knockout->scoreCells())
        chain(cell);
}

void MainWindow::showKnockoutCaption()
{
    // The captions come from the message table; until a language file has
    // set them, the French design texts stand in.
    const bool open = m_knockout && !m_knockout->isHidden();
    const QString &caption = m_tournament.messages().at(open ? 2 : 1);
    m_knockoutButton->setText(!caption.isEmpty() ? caption
                              : open             ? QStringLiteral("Phase de Groupes")
                                                 : QStringLiteral("Phase Finale"));
}

void MainWindow::toggleKnockoutPanel()
{
    if (m_knockout->isHidden()) {
        m_knockout->show();
        m_knockout->raise();
        showKnockoutCaption();
        SeedRoundOf16(m_tournament);
        AdvanceRoundOf16(m_tournament);
        AdvanceQuarterFinals(m_tournament);
        AdvanceSemiFinals(m_tournament);
    } else {
        m_knockout->hide();
        showKnockoutCaption();
    }
}

void MainWindow::UnlockTeams()
{
    for (int slot = 0; slot < 4; ++slot)
        for (GroupFrame *frame : m_groups)
            frame->teamCells()[slot]->setReadOnly(false);
    m_saveButton->setEnabled(true);
    m_prompts.notice(this, QStringLiteral("OK"), QStringLiteral("Equipes débloquées"));
}
