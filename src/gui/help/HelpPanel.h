#pragma once

#include <QFrame>

class CellBinding;
class QComboBox;
class QPushButton;
class Tournament;

// The help and settings page (Fraide): how to use the group page, the
// knock-out page with a worked example, the draw of lots, the unlock
// hotspot, saving and the update; the compact-mode button, the credits and
// the links to the author, the partner and the forum. The links are only
// made to look like links here: whoever opens addresses finds them by name.
class HelpPanel final : public QFrame
{
    Q_OBJECT
public:
    HelpPanel(Tournament &t, CellBinding &binding, QWidget *parent);

    QPushButton *modeButton() const { return m_modeButton; }
    QPushButton *backButton() const { return m_backButton; }
    // "Garder mon pronostic".
    QPushButton *keepButton() const { return m_keepButton; }
    // Every zone of the zone database by its name; the life cycle picks
    // the user's and hears of a new choice.
    QComboBox *zoneList() const { return m_zoneList; }

private:
    void addGroupHelp();
    void addKnockoutHelp(Tournament &t, CellBinding &binding);
    void addSavingHelp();
    void addDisplayAndAbout();
    void addTimeZoneChoice();

    QPushButton *m_modeButton = nullptr;
    QPushButton *m_backButton = nullptr;
    QPushButton *m_keepButton = nullptr;
    QComboBox *m_zoneList = nullptr;
};
