#include "gui/online/Banner.h"

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
    compactMode::keepNaturalSize(*banner);
    // Shown at its own size in the middle of its box; a larger picture is
    // cut at the edges rather than squeezed.
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
{}

void Banner::alsoShowOn(QLabel *picture)
{
    m_editorCopy = picture;
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
    const QPixmap pixmap = QPixmap::fromImage(picture);
    for (QLabel *banner : {m_editorCopy.data(), m_main, m_knockout}) {
        if (!banner)
            continue;
        banner->setScaledContents(false);
        banner->setPixmap(pixmap);
    }
    return true;
}
