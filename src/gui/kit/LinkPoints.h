#pragma once

#include <QList>

class QWidget;

// The pages a label or picture of the chart opens in the user's browser.
// Each room hands out its link points; the online room wires them.
enum class WebPage {
    Home,
    // Opens the home page and shows its address.
    SiteAddress,
    Contact,
    Partner,
    Forum,
    // The address the loaded chart's news carries.
    News,
};

struct LinkPoint
{
    QWidget *control;
    WebPage page;
};

using LinkPoints = QList<LinkPoint>;
