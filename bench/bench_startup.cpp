// Start-up to a saved picture of the window, measured as whole processes:
// the program itself (its --render run, which builds the window as every
// start does, loads and refreshes the user's chart, grabs the window and
// writes a PNG), also drawing the 48-team 2026 chart with --chart and with
// the 48-team 2030 chart as the user's own ("Nouveau tournoi"), against
// a bare Qt Widgets window of the same size grabbed and written at the
// same PNG quality, started in turn on whatever platform the environment
// names (offscreen where there is no display). Beside them, the same bare
// window holding one label and one line edit: what any window with text
// pays before its first cell (the font database, the style's editor).
// Usage: bench_startup [RUNS]   (default 15; prints the medians and their ratio)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>

namespace {

const QString bareChild = QStringLiteral("--bare-render");
const QString textChild = QStringLiteral("--text-render");

// The program's own: PNG loses nothing at any level, and the light one
// saves time.
constexpr int pngQuality = 85;

// What --render does after start-up, for a window with nothing in it, or
// with one text of each kind.
int runBare(int argc, char *argv[], const QString &png, int width, int height, bool withText)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(width, height);
    if (withText) {
        (new QLabel(QStringLiteral("Groupe A"), &window))->move(10, 10);
        (new QLineEdit(QStringLiteral("2"), &window))->move(10, 40);
    }
    const int code = window.grab().save(png, nullptr, pngQuality) ? 0 : 1;
    std::fflush(nullptr);
    std::_Exit(code);
}

double millisecondsOf(const QString &program, const QStringList &arguments, const QProcessEnvironment &env)
{
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    QElapsedTimer timer;
    timer.start();
    child.start(program, arguments);
    if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        std::fprintf(stderr, "%s %s failed\n", qPrintable(program), qPrintable(arguments.join(u' ')));
        std::exit(1);
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    const QString child = argc >= 5 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (child == bareChild || child == textChild)
        return runBare(argc, argv, QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]),
                       child == textChild);

    QCoreApplication app(argc, argv);
    const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 15;
    // The children's settings, chart and pictures live in a folder of their own.
    const QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")) && !env.contains(QStringLiteral("DISPLAY")) &&
        !env.contains(QStringLiteral("WAYLAND_DISPLAY")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    const QString program = QStringLiteral(VYLORA_EXECUTABLE);
    const QString data = home.filePath(QStringLiteral("data"));
    const QString png = home.filePath(QStringLiteral("window.png"));
    const QStringList of2010{QStringLiteral("--data-dir"), data, QStringLiteral("--render"), png};
    // The first start seeds the folder and keeps the pictures of the
    // window's start; starts after it are the usual ones. Its picture
    // gives the bare window its size.
    millisecondsOf(program, of2010, env);
    const QSize size = QImageReader(png).size();
    if (!size.isValid()) {
        std::fprintf(stderr, "the program wrote no picture\n");
        return 1;
    }
    // The 48-team chart, from the seeded folder, drawn in its own layout.
    const QStringList of2026 =
        of2010 + QStringList{QStringLiteral("--chart"), data + QStringLiteral("/VYL2026.ini")};
    millisecondsOf(program, of2026, env);
    // The user who chose the World Cup 2030 in "Nouveau tournoi": settings
    // of their own.
    QProcessEnvironment env2030 = env;
    env2030.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config2030")));
    QDir().mkpath(home.filePath(QStringLiteral("config2030/vylora")));
    QFile settings(home.filePath(QStringLiteral("config2030/vylora/vylora.ini")));
    if (!settings.open(QIODevice::WriteOnly) || settings.write("[data]\ntournoi=VYL2030\n") < 0)
        return 1;
    settings.close();
    millisecondsOf(program, of2010, env2030);
    const QString self = QCoreApplication::applicationFilePath();
    const QStringList bareArguments{bareChild, png, QString::number(size.width()), QString::number(size.height())};
    millisecondsOf(self, bareArguments, env);
    QStringList textArguments = bareArguments;
    textArguments[0] = textChild;

    std::vector<double> bare;
    std::vector<double> text;
    std::vector<double> chart2010;
    std::vector<double> chart2026;
    std::vector<double> own2030;
    for (int run = 0; run < runs; ++run) {
        own2030.push_back(millisecondsOf(program, of2010, env2030));
        bare.push_back(millisecondsOf(self, bareArguments, env));
        text.push_back(millisecondsOf(self, textArguments, env));
        chart2010.push_back(millisecondsOf(program, of2010, env));
        chart2026.push_back(millisecondsOf(program, of2026, env));
    }
    std::printf("--render of a %dx%d window, platform %s, median of %d runs\n", size.width(), size.height(),
                qPrintable(env.value(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("default"))), runs);
    std::printf("  bare window                        %7.1f ms\n", median(bare));
    std::printf("  bare window, a label and an edit   %7.1f ms   ratio to the bare window %.2f\n", median(text),
                median(text) / median(bare));
    std::printf("  program, the user's 2010 chart     %7.1f ms   ratio to the bare window %.2f\n",
                median(chart2010), median(chart2010) / median(bare));
    std::printf("  program, --chart VYL2026.ini       %7.1f ms   ratio to the bare window %.2f, to 2010 %.2f\n",
                median(chart2026), median(chart2026) / median(bare), median(chart2026) / median(chart2010));
    std::printf("  program, the user's 2030 chart     %7.1f ms   ratio to the bare window %.2f, to 2010 %.2f\n",
                median(own2030), median(own2030) / median(bare), median(own2030) / median(chart2010));
    return 0;
}
