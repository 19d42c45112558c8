#pragma once

#include <array>
#include <functional>

#include <QHash>
#include <QObject>
#include <QPixmap>
#include <QPointer>

#include "gui/kit/LinkPoints.h"
#include "gui/pictures/Pictures.h"
#include "schedule/MatchInfo.h"

class QFrame;
class QLabel;
class QWidget;

// Where and when the hovered match is played. The window tells it which of
// its controls are match labels (their tooltip is the match note), which
// are blank frames and which is the background; a mouse move over them
// sets the hover key, and a changed key is taken apart by ShowMatchInfo.
// The panel exists twice, filled together: large on the main window,
// small on the knock-out page, so that it stays in sight there. The large
// copy lies beneath the knock-out page and is built with the group page.
//
// Idle, each copy shows a partner picture instead of the information box.
class MatchInfoPanel final : public QObject
{
    Q_OBJECT
public:
    // Builds the small copy (Frame16 with Shape2, LabTer 3..5, ImChaine
    // 4..7; Terrain 11; Frame17 with Image7) at its place in knockoutPage.
    MatchInfoPanel(QWidget *window, QWidget *knockoutPage);
    // Builds the large copy (Shape1, LabTer 0..2, ImChaine 0..3, Terrain
    // 10, Image6, Label11 0..1) at its place in the window, showing what
    // the small one shows, and returns its controls; nothing once built.
    QList<QWidget *> buildGroupPageCopy();

    // Image7, which the knock-out page turns into the champion's cup.
    QLabel *knockoutPartnerPicture() const { return m_knockoutPartnerPicture; }
    // The partner pictures and notices built so far, which open the
    // partner's site.
    const LinkPoints &linkPoints() const { return m_links; }

    const QString &hoverKey() const { return m_hoverKey; }
    // The carrier of the hover key: a different text runs ShowMatchInfo.
    void setHoverKey(const QString &key);

    void ShowMatchInfo();
    void ResetMatchInfo();

    // A mouse move over label sets the hover key to the tooltip of
    // toolTipSource, or of label itself (a score cell stands for the label
    // of the same index).
    void watchLabel(QWidget *label, const QWidget *toolTipSource = nullptr);
    // The same for a control whose tooltip says something else: `note`
    // gives its match's note.
    void watchMatch(QWidget *side, std::function<QString()> note);
    // A move over the frame itself, not over one of its controls, empties
    // the hover key.
    void watchBlank(QWidget *frame);
    // The knock-out page: empties the key, then resets the panel.
    void watchKnockoutPage(QWidget *page);
    // The window's background: resets the panel, the key stays.
    void watchBackground(QWidget *background);

signals:
    // The partner picture or notice was clicked.
    void partnerClicked();
    // What both copies now show; nothing once reset.
    void shown(const MatchInfo &info);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Hover { Label, Blank, KnockoutPage, Background };
    struct Watch
    {
        Hover hover;
        QPointer<const QWidget> toolTipSource;
        std::function<QString()> note;
    };

    void buildSmall(QWidget *knockoutPage);
    QLabel *makePartnerPicture(QWidget *parent, const QString &name, const QRect &twips);
    void watch(QWidget *w, Hover hover, const QWidget *toolTipSource = nullptr);
    void showOnGroupPage();
    void setIdle(bool idle);
    static void showLogo(QLabel *logo, int channel);
    void hideLogos();
    const QPixmap &stadiumPicture(int picture);

    QWidget *m_window;
    QString m_hoverKey;
    bool m_noticesShown = true;
    std::array<QFrame *, 2> m_shapes{};         // Shape1, Shape2
    std::array<QLabel *, 6> m_texts{};          // LabTer 0..5
    std::array<QLabel *, 8> m_logos{};          // ImChaine 0..7
    std::array<QLabel *, 2> m_stadiums{};       // Terrain 10, 11
    std::array<QLabel *, 2> m_notices{};        // Label11 0, 1
    QLabel *m_partnerPicture = nullptr;         // Image6, null until built
    QFrame *m_knockoutPartner = nullptr;        // Frame17
    QLabel *m_knockoutPartnerPicture = nullptr; // Image7
    std::array<QPixmap, Pictures::stadiumCount> m_stadiumPictures;
    QHash<const QObject *, Watch> m_watched;
    LinkPoints m_links;
};
