// Start-up to a painted window, measured as whole processes: the program's
// window against a bare Qt Widgets window of the same size, started in turn
// on whatever platform the environment names (offscreen, or a display such
// as Xvfb). Each child quits right after its window's first paint. Then the
// same for --render: the program's window grabbed and saved as PNG against
// a bare window grabbed and saved.
// Usage: bench_startup [RUNS]   (default 15; prints medians and the ratios)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include "app/Clock.h"
#include "app/SingleProgram.h"
#include "app/VyloraApp.h"
#include "app/WindowRun.h"
#include "gui/kit/Prompts.h"
#include "storage/ProgramFolder.h"
#include "storage/UserSettings.h"

// Outside any namespace: the macro declares the resources' own function.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace {

const QString bareChild = QStringLiteral("--bare");
const QString programChild = QStringLiteral("--program");
const QString bareRenderChild = QStringLiteral("--bare-render");
const QString programRenderChild = QStringLiteral("--program-render");

// Ends the event loop once the window has been painted.
class FirstPaint final : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

int grabAndSave(QWidget &window, const QString &png)
{
    return window.grab().save(png) ? 0 : 1;
}

int runBare(int argc, char *argv[], const QString &png)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(1176, 760);
    if (!png.isEmpty())
        return grabAndSave(window, png);
    FirstPaint firstPaint;
    window.installEventFilter(&firstPaint);
    window.show();
    return QApplication::exec();
}

// What the program's main() does for its window, or for --render.
int runProgram(int argc, char *argv[], const QString &dataDir, const QString &png)
{
    QApplication app(argc, argv);
    initResources();
    dressApplication(false);
    ProgramFolder::choose(dataDir);
    ProgramFolder::seedFrom(ProgramFolder::shippedFolder());
    Prompts prompts;
    Clock clock;
    UserSettings settings;
    SingleProgram single(ProgramFolder::path());
    if (png.isEmpty() && !single.claim())
        return 1;
    VyloraApp vylora(prompts, clock, settings);
    vylora.setHeadless(!png.isEmpty());
    vylora.start();
    if (png.isEmpty()) {
        FirstPaint firstPaint;
        vylora.window().installEventFilter(&firstPaint);
        showWindow(vylora.window());
        return endWindowRun(QApplication::exec(), single);
    }
    // As main() does: the picture at its light compression, then out at once.
    const int code = vylora.window().grab().save(png, nullptr, 85) ? 0 : 1;
    std::fflush(nullptr);
    std::_Exit(code);
}

double millisecondsOf(const QString &program, const QStringList &arguments, const QProcessEnvironment &env)
{
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    child.start(program, arguments);
    if (!child.waitForFinished(60000) || child.exitCode() != 0) {
        std::fprintf(stderr, "%s failed\n", qPrintable(arguments.join(u' ')));
        std::exit(1);
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Starts the bare and the program's child in turn and prints the medians.
void compare(const char *what, int runs, const QStringList &bareArguments, const QStringList &programArguments,
             const QProcessEnvironment &env)
{
    const QString self = QCoreApplication::applicationFilePath();
    // The first start seeds the folder and keeps the pictures of the
    // window's start; starts after it are the usual ones.
    millisecondsOf(self, programArguments, env);
    millisecondsOf(self, bareArguments, env);
    std::vector<double> bare;
    std::vector<double> vylora;
    for (int run = 0; run < runs; ++run) {
        bare.push_back(millisecondsOf(self, bareArguments, env));
        vylora.push_back(millisecondsOf(self, programArguments, env));
    }
    const QString platform = env.value(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("default"));
    std::printf("%s, platform %s, %d runs: bare window %.1f ms, program %.1f ms, ratio %.2f\n", what,
                qPrintable(platform), runs, median(bare), median(vylora), median(vylora) / median(bare));
}

} // namespace

int main(int argc, char *argv[])
{
    const QString child = argc >= 2 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (child == bareChild)
        return runBare(argc, argv, {});
    if (child == bareRenderChild && argc >= 3)
        return runBare(argc, argv, QString::fromLocal8Bit(argv[2]));
    if (child == programChild && argc >= 3)
        return runProgram(argc, argv, QString::fromLocal8Bit(argv[2]), {});
    if (child == programRenderChild && argc >= 4)
        return runProgram(argc, argv, QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));

    QCoreApplication app(argc, argv);
    const int runs = argc >= 2 ? std::max(1, child.toInt()) : 15;
    // The children's settings, chart and pictures live in a folder of their own.
    const QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    const QString data = home.filePath(QStringLiteral("data"));
    const QString png = home.filePath(QStringLiteral("window.png"));
    compare("painted window", runs, {bareChild}, {programChild, data}, env);
    compare("--render", runs, {bareRenderChild, png}, {programRenderChild, data, png}, env);
    return 0;
}
