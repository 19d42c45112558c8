#include "app/WindowRun.h"

#include "app/SingleProgram.h"
#include "gui/chart/MainWindow.h"
#include "gui/kit/ChartLook.h"
#include "gui/pictures/Pictures.h"

#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QClipboard>
#include <QIcon>
#include <QStandardPaths>
#include <QStyleFactory>

void dressApplication(bool ownStyle)
{
    if (!ownStyle)
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    chartLook::applyApplicationLook();
    // The desktop finds the menu entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vylora.Vylora"));
    Pictures::keepStartPictures(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                                QStringLiteral("/pictures"));
    QApplication::setWindowIcon(QIcon(Pictures::champion(QSize(64, 64))));
}

void showWindow(MainWindow &window)
{
    window.fitToScreen();
    window.show();
    Pictures::keepStartPictures(QString());
}

int endWindowRun(int code, SingleProgram &single)
{
    // Taking the window's hundreds of widgets down one by one, and Qt after
    // them, cost a tenth of a start. Only Qt's teardown hands a copied text
    // over to the desktop, so it runs while the program still holds one.
    const QClipboard *clipboard = QGuiApplication::clipboard();
    if (clipboard->ownsClipboard() || clipboard->ownsSelection())
        return code;
    single.release();
    std::fflush(nullptr);
    std::_Exit(code);
}
