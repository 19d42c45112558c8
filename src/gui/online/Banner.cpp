#include "gui/online/Banner.h"

#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QPixmap>

#include "gui/controls/ControlRegistry.h"
#include "gui/controls/Controls.h"
#include "gui/kit/CompactMode.h"
#include "online/ServerSettings.h"
#include "storage/AtomicWrite.h"
#include "storage/ProgramFolder.h"

namespace {

QLabel *makeBanner(QWidget *parent, const QString &name, const QRect &twips)
{
    auto *banner = makeControl<QLabel>(parent, name, -1, twips);
    markAsPicture(banner);
    // The banner scales its picture itself, keeping its proportions.
    compactMode::keepProportions(*banner);
    banner->setScaledContents(false);
    banner->setAlignment(Qt::AlignCenter);
    banner->hide();
    return banner;
}

} // namespace

Banner::Banner(QWidget *window, const QRect &windowPlace, QWidget *knockoutPage, const QRect &pagePlace)
    : QObject(window)
    , m_main(makeBanner(window, QStringLiteral("Image14"), windowPlace))
    , m_knockout(makeBanner(knockoutPage, QStringLiteral("Image15"), pagePlace))
{
    m_main->installEventFilter(this);
    m_knockout->installEventFilter(this);
}

void Banner::alsoShowOn(QLabel *picture)
{
    m_editorCopy = picture;
    picture->installEventFilter(this);
    fit(picture);
}

bool Banner::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize)
        fit(static_cast<QLabel *>(watched));
    return QObject::eventFilter(watched, event);
}

void Banner::fit(QLabel *banner) const
{
    if (m_picture.isNull())
        return;
    // The picture's own size at the chart's scale, made smaller still if
    // its box is: a banner wider or taller than the strip is shown whole.
    const double scale = compactMode::scaleOf(*banner->window()).geometry;
    const QSize scaled = (QSizeF(m_picture.size()) * scale).toSize();
    const QSize shown = scaled.boundedTo(scaled.scaled(banner->size(), Qt::KeepAspectRatio));
    banner->setPixmap(shown == m_picture.size()
                          ? m_picture
                          : m_picture.scaled(shown, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void Banner::show()
{
    for (QLabel *banner : {m_main, m_knockout}) {
        banner->setCursor(Qt::PointingHandCursor);
        banner->show();
        banner->raise();
    }
}

bool Banner::isShown() const
{
    return !m_main->isHidden();
}

void Banner::reload()
{
    if (m_download)
        return;
    m_download = new DownloadPage(ServerSettings::address(QStringLiteral("/imvyl.php")), m_limits, {}, this);
    connect(m_download, &DownloadPage::finished, this, &Banner::onDownloaded, Qt::QueuedConnection);
}

void Banner::onDownloaded()
{
    const DownloadResult result = m_download->result();
    m_download->deleteLater();
    m_download.clear();
    emit reloaded(result.ok() && showPicture(result.body));
}

bool Banner::showPicture(const QByteArray &bytes)
{
    QImage picture;
    if (!picture.loadFromData(bytes) || picture.isNull())
        return false;
    // Kept where the program has always left it, for whoever looks.
    writeFileAtomically(ProgramFolder::filePath(QStringLiteral("imgtmp.gif")), bytes);
    m_picture = QPixmap::fromImage(picture);
    for (QLabel *banner : {m_editorCopy.data(), m_main, m_knockout})
        if (banner)
            fit(banner);
    return true;
}
