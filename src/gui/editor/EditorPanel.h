#pragma once

#include <functional>

#include <QList>
#include <QUrl>

#include "gui/kit/CardFrame.h"
#include "tournament/Message.h"

class ClickableLabel;
class Prompts;
class QLabel;
class QLineEdit;
class Tournament;
class UserSettings;

// The publisher's editor (Frame20): the publishing sections of "VYL2010"
// (version, link, news in three languages), the export to the update
// server and the raw file. It opens behind the editor password, from a
// press on the help panel's title or on a banner. Everything it reads and
// writes is "VYL2010", whatever chart is on screen; the chart in memory is
// never touched. Built the first time it opens (see EditorDoor).
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
        std::function<void()> showBanner;     // the banners shown on the chart, and downloaded
    };
    // illustratedButtons are pictured in the reminder: the update, then "Sauve".
    EditorPanel(Tournament &t, Prompts &prompts, UserSettings &settings, QList<QWidget *> illustratedButtons,
                QWidget *parent);

    void setServices(Services services) { m_services = std::move(services); }
    // The editor's own copy of the banner (Image13).
    QLabel *bannerPicture() const;

    // Text2 elements 1 and 0, as typed.
    QString pseudo() const;
    QString password() const;
    void open(const QString &password);

signals:
    // The publishing sections written, said for the status line.
    void confirmed(const QString &text);
    // Shown: the help page gives way.
    void opened();

private:
    void build();
    void save();
    void exportScores();
    void editManually();
    void abandon();
    void reloadBanner();
    QString message(Message entry) const;
    void setWarning(QLineEdit *field, bool warning);
    // The publishing sections into the document of `stem`, in one atomic
    // write; false, told to the user, when the file cannot be written.
    bool writePublishingSections(const QString &stem);

    Tournament &m_tournament;
    Prompts &m_prompts;
    UserSettings &m_settings;
    QList<QWidget *> m_illustratedButtons;
    Services m_services;
    QList<QLineEdit *> m_versionFields; // Text2 0..3
    QList<QLineEdit *> m_linkFields;    // Text4 0..1
    QList<QLineEdit *> m_messageFields; // Text3 0..2
    QList<QLabel *> m_buttonPictures;   // Image12 0..1
    ClickableLabel *m_banner = nullptr; // Image13
};
