#pragma once

#include <QVector>
#include <QWidget>

class CellBinding;
class GroupFrame;
class KnockoutPanel;
class Prompts;
class QLabel;
class QPushButton;
class Tournament;

// The wall chart. It owns no tournament state: the widgets mirror the
// model through a CellBinding, edits go into the model, and the model's
// change handlers run the rules. Panels are created once and only shown or
// hidden.
class MainWindow final : public QWidget
{
    Q_OBJECT
public:
    MainWindow(Tournament &t, Prompts &prompts, QWidget *parent = nullptr);
    ~MainWindow() override;

    Tournament &tournament() const { return m_tournament; }
    CellBinding &binding() const { return *m_binding; }
    KnockoutPanel *knockoutPanel() const { return m_knockout; }

    // The knock-out button: opening re-seeds and re-runs the whole bracket.
    void toggleKnockoutPanel();
    void UnlockTeams();

private:
    void buildButtonBar();
    void chainTabOrder();
    void showKnockoutCaption();

    Tournament &m_tournament;
    Prompts &m_prompts;
    CellBinding *m_binding;
    QVector<GroupFrame *> m_groups;
    KnockoutPanel *m_knockout = nullptr;
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_knockoutButton = nullptr;
};
