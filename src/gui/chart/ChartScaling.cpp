#include "gui/chart/ChartScaling.h"

#include "gui/controls/Controls.h"

#include <cmath>

#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace {

// Below the chart, for a publisher: the server's banner lies there at its
// own size on both pages, over no control.
constexpr int bannerStripHeight = 1200;

} // namespace

ChartScaling::ChartScaling(QWidget &window)
    : QObject(&window)
    , m_window(window)
    , m_rescaleTimer(new QTimer(this))
{
    // Resizing sends a burst of events; the chart is laid out again once
    // the burst is over, never for a keystroke.
    m_rescaleTimer->setSingleShot(true);
    m_rescaleTimer->setInterval(0);
    connect(m_rescaleTimer, &QTimer::timeout, this, &ChartScaling::rescaleToWindow);
}

void ChartScaling::toggleCompact()
{
    m_compact = !m_compact;
    const double factor = m_compact ? compactMode::factor : 1.0 / compactMode::factor;
    // A window that kept its size would leave the screen as crowded.
    const QSize shrunk(int(std::lround(m_window.width() * factor)), int(std::lround(m_window.height() * factor)));
    m_window.resize(shrunk);
    compactMode::setScale(m_window, chartScale(shrunk));
}

QSize ChartScaling::chartSize() const
{
    const double mode = m_compact ? compactMode::factor : 1.0;
    return {int(std::lround(px(windowWidth) * mode)), int(std::lround((px(windowHeight) + m_bannerStrip) * mode))};
}

compactMode::Scale ChartScaling::chartScale(const QSize &window) const
{
    const double mode = m_compact ? compactMode::factor : 1.0;
    const QSize chart = chartSize();
    const QSize spare =
        window - QSize(int(std::lround(chart.width() * m_fit)), int(std::lround(chart.height() * m_fit)));
    return {mode * m_fit, m_fit, m_compact ? -1 : 0,
            QPoint(std::max(0, spare.width() / 2), std::max(0, spare.height() / 2))};
}

void ChartScaling::followResize()
{
    m_rescaleTimer->start();
}

void ChartScaling::rescaleToWindow()
{
    const QSize chart = chartSize();
    const double fit =
        std::min(double(m_window.width()) / chart.width(), double(m_window.height()) / chart.height());
    // Less than a pixel on the chart's longest side is rounding, not a new
    // size: the mode switch's own resize must not move a font by a hair.
    if (std::abs(fit - m_fit) * std::max(chart.width(), chart.height()) >= 1.0)
        m_fit = fit;
    const compactMode::Scale scale = chartScale(m_window.size());
    if (!(scale == compactMode::scaleOf(m_window)))
        compactMode::setScale(m_window, scale);
}

void ChartScaling::fitToScreen()
{
    const QScreen *shown = m_window.screen();
    if (!shown)
        return;
    // Room for the frame and title bar that the window manager adds.
    const QSize room = shown->availableGeometry().size() - QSize(16, 48);
    const QSize chart = chartSize();
    m_fit = std::min({1.0, double(room.width()) / chart.width(), double(room.height()) / chart.height()});
    const QSize fitted(int(std::lround(chart.width() * m_fit)), int(std::lround(chart.height() * m_fit)));
    m_window.resize(fitted);
    compactMode::setScale(m_window, chartScale(fitted));
}

QRect ChartScaling::bannerPlace(bool onKnockoutPage)
{
    const QRect strip(45, windowHeight + 30, windowWidth - 90, bannerStripHeight - 60);
    return onKnockoutPage ? strip.translated(-15, -1020) : strip;
}

void ChartScaling::openBannerStrip(QWidget &knockoutPage)
{
    if (m_bannerStrip > 0)
        return;
    m_bannerStrip = px(bannerStripHeight);
    QRect page = compactMode::designGeometry(knockoutPage);
    page.setHeight(page.height() + m_bannerStrip);
    compactMode::place(knockoutPage, page);
    const double scale = compactMode::scaleOf(m_window).geometry;
    m_window.resize(m_window.width(), m_window.height() + int(std::lround(m_bannerStrip * scale)));
}
