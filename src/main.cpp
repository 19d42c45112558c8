#include "app/MainWindow.h"
#include "app/Prompts.h"
#include "tournament/RefreshAll.h"
#include "tournament/Tournament.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption render(QStringLiteral("render"), QStringLiteral("Draw the window into a PNG file."),
                                    QStringLiteral("png"));
    const QCommandLineOption knockout(QStringLiteral("knockout"), QStringLiteral("Show the knock-out page."));
    parser.addOptions({render, knockout});
    parser.process(app);

    Tournament tournament;
    Prompts prompts;
    MainWindow window(tournament, prompts);
    tournament.setReady(true);
    RefreshAll(tournament);
    if (parser.isSet(knockout))
        window.toggleKnockoutPanel();
    if (parser.isSet(render))
        return window.grab().save(parser.value(render)) ? 0 : 1;
    window.show();
    return app.exec();
}
