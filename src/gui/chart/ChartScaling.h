#pragma once

#include <QObject>
#include <QRect>
#include <QSize>

#include "gui/kit/CompactMode.h"

class QTimer;
class QWidget;

// The chart's size in the window: the window is opened at a size the
// screen has room for, and whatever size it is given, the chart is scaled
// to fit it, keeping its proportions. The compact mode is one step of that
// scale; a publisher's banner strip below the chart adds to its height.
class ChartScaling final : public QObject
{
    Q_OBJECT
public:
    // The chart's design size, in twips.
    static constexpr int windowWidth = 17640;
    static constexpr int windowHeight = 11400;

    explicit ChartScaling(QWidget &window);

    bool isCompact() const { return m_compact; }
    void toggleCompact();
    void fitToScreen();
    // The window was resized: the chart follows once the burst is over.
    void followResize();

    // The banners' places, in twips of the window or of the knock-out
    // page, in a strip below the chart.
    static QRect bannerPlace(bool onKnockoutPage);
    // Opens the strip for a publisher: the window and the knock-out page
    // grow by its height.
    void openBannerStrip(QWidget &knockoutPage);

private:
    // The chart's size at the full scale of the mode shown.
    QSize chartSize() const;
    compactMode::Scale chartScale(const QSize &window) const;
    void rescaleToWindow();

    QWidget &m_window;
    bool m_compact = false;
    // The chart's scale in the window, apart from the mode's own step.
    double m_fit = 1.0;
    int m_bannerStrip = 0;
    QTimer *m_rescaleTimer;
};
