#pragma once

#include <functional>

#include <QList>
#include <QPointer>
#include <QUrl>

#include "gui/kit/CardFrame.h"
#include "gui/editor/EditorEntry.h"
#include "storage/UserSettings.h"

class ClickableLabel;
class ControlRegistry;
class Prompts;
class QLabel;
class QLineEdit;
class Tournament;

// The publisher's editor (Frame20): the publishing sections of "VYL2010"
// (version, link, news in three languages), the export to the update
// server and the raw file. It opens behind the editor password, from a
// press on the help panel's title or on a banner. Everything it reads and
// writes is "VYL2010", whatever chart is on screen; the chart in memory is
// never touched.
class EditorPanel final : public CardFrame
{
    Q_OBJECT
public:
    // What the rest of the program lends the editor.
    struct Services
    {
        std::function<void()> reloadBanner;   // the banner download
        std::function<bool()> resultsUpdated; // a results download succeeded in this run
        std::function<QUrl()> serverBase;     // the update server's base address
    };

    EditorPanel(Tournament &t, Prompts &prompts, ControlRegistry &controls, QWidget *parent);

    void setServices(Services services) { m_services = std::move(services); }

    // Watches presses on the help panel's title and the two banners, those
    // of them that exist; a control is watched once however often this
    // runs.
    void watchEntryPoints();
    // Text2 elements 1 and 0, as typed.
    QString pseudo() const;
    QString password() const;
    // Texts that come from the message table (the banners' tooltip).
    void showMessageTexts();

    // A press with these buttons and keys on the help panel's title.
    void titlePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void bannerPressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, bool bringToFront);
    void open(const QString &password);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build();
    void save();
    void exportScores();
    void editManually();
    void abandon();
    void reloadBanner();
    QString message(int entry, const QString &french) const;
    void setBackground(QLineEdit *field, bool warning);
    // The publishing sections into the document of `stem`, in one atomic
    // write; false, told to the user, when the file cannot be written.
    bool writePublishingSections(const QString &stem);
    void showPictureAtNaturalSize(const QString &name);

    Tournament &m_tournament;
    Prompts &m_prompts;
    ControlRegistry &m_controls;
    UserSettings m_settings;
    Services m_services;
    QList<QLineEdit *> m_versionFields; // Text2 0..3
    QList<QLineEdit *> m_linkFields;    // Text4 0..1
    QList<QLineEdit *> m_messageFields; // Text3 0..2
    QList<QLabel *> m_buttonPictures;   // Image12 0..1
    ClickableLabel *m_banner = nullptr; // Image13
    QList<QPointer<QWidget>> m_watched;
};
