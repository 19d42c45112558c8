#pragma once

#include <QObject>
#include <QPixmap>
#include <QPointer>

#include "online/DownloadPage.h"

class QLabel;
class QRect;
class QWidget;

// The banner picture of the update server ("/imvyl.php"), shown in Image14
// on the chart, Image15 on the knock-out page and Image13 in the publishing
// editor when that exists. Like every picture of the chart it follows the
// chart's scale, in its proportions and never beyond its box. The two
// banners stay hidden until show(): start-up shows them for a publisher
// only.
//
// reload() is the whole of fetching it: download into memory, and only a
// body that reads as a picture goes to "imgtmp.gif" and onto the three
// images; anything else leaves them as they were, and nothing is said.
class Banner final : public QObject
{
    Q_OBJECT
public:
    // The places are in twips of the window and of the knock-out page.
    Banner(QWidget *window, const QRect &windowPlace, QWidget *knockoutPage, const QRect &pagePlace);

    // Image14 and Image15 visible, with the hand that says they react.
    void show();
    bool isShown() const;

    // Fetches the picture again. A reload asked for while one runs is
    // that one.
    void reload();

    void setLimits(DownloadPage::Limits limits) { m_limits = limits; }

    QLabel *chartPicture() const { return m_main; }
    QLabel *knockoutPicture() const { return m_knockout; }
    // The publishing editor's copy, once it exists: it shows each picture
    // loaded from then on.
    void alsoShowOn(QLabel *picture);

protected:
    // A banner resized with the chart shows the picture at the new scale.
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // A reload ended; shown is whether a new picture is on the images.
    void reloaded(bool shown);

private:
    void onDownloaded();
    bool showPicture(const QByteArray &bytes);
    void fit(QLabel *banner) const;

    QLabel *m_main;
    QLabel *m_knockout;
    QPointer<QLabel> m_editorCopy;
    QPointer<DownloadPage> m_download;
    DownloadPage::Limits m_limits;
    // As downloaded: every scaling starts from it.
    QPixmap m_picture;
};
