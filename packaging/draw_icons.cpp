// Draws the program's icon, the cup of the chart, into the hicolor theme's
// folders under the directory given: <dir>/<n>x<n>/apps/<name>.png.
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include "gui/pictures/Pictures.h"

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        QTextStream(stderr) << "usage: draw_icons DIR NAME" << Qt::endl;
        return 2;
    }
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(arguments[1]).arg(size);
        if (!QDir().mkpath(folder) ||
            !Pictures::champion(QSize(size, size)).save(folder + u'/' + arguments[2] + QStringLiteral(".png"))) {
            QTextStream(stderr) << "draw_icons: cannot write into " << folder << Qt::endl;
            return 1;
        }
    }
    return 0;
}
