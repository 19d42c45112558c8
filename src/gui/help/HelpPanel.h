#pragma once

#include <array>

#include <QFrame>

#include "gui/kit/LinkPoints.h"

class CellBinding;
class MessageTable;
class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;
class Tournament;

// The help and settings page (Fraide): how to use the group page, the
// knock-out page with a worked example, the draw of lots, the unlock
// hotspot, saving and the update; the compact-mode button, the credits and
// the links to the author, the partner and the forum. The links are only
// made to look like links here: the online room opens their pages.
class HelpPanel final : public QFrame
{
    Q_OBJECT
public:
    HelpPanel(Tournament &t, CellBinding &binding, QWidget *parent);

    QPushButton *modeButton() const { return m_modeButton; }
    QPushButton *backButton() const { return m_backButton; }
    // "Garder mon pronostic".
    QPushButton *keepButton() const { return m_keepButton; }
    // "Vylora 2010", a way into the publisher's editor.
    QLabel *title() const { return m_title; }
    const LinkPoints &linkPoints() const { return m_links; }
    // The zone kick-offs are shown in, by its name in the zone database;
    // an empty name is the computer's own clock.
    void showZone(const QString &zone);

signals:
    // Picked in the zone list: a name, or an empty one for the computer's
    // clock.
    void zoneChosen(const QString &zone);

protected:
    void changeEvent(QEvent *event) override;

private:
    // The two pictures of the stage button (Command9, Command10) say what
    // the real one says; the zone list names the computer's clock.
    void showMessageTexts();
    void addGroupHelp();
    void addKnockoutHelp(Tournament &t, CellBinding &binding);
    void addSavingHelp();
    void addDisplayAndAbout();
    void addTimeZoneChoice();

    QLabel *m_title = nullptr;
    QPushButton *m_modeButton = nullptr;
    QPushButton *m_backButton = nullptr;
    QPushButton *m_keepButton = nullptr;
    QComboBox *m_zoneList = nullptr;
    std::array<QToolButton *, 2> m_stageSamples{};
    LinkPoints m_links;
    const MessageTable &m_messages;
};
