// Start-up to a painted window, measured as whole processes: the program's
// window against a bare Qt Widgets window of the same size, started in turn
// on whatever platform the environment names (offscreen, or a display such
// as Xvfb). Each child quits right after its window's first paint.
// Usage: bench_startup [RUNS]   (default 15; prints medians and the ratio)
#include <algorithm>
#include <cstdio>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QProcess>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTimer>

#include "gui/kit/ChartLook.h"
#include "app/Clock.h"
#include "gui/kit/Prompts.h"
#include "app/VyloraApp.h"
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

int showAndQuit(QWidget &window)
{
    FirstPaint firstPaint;
    window.installEventFilter(&firstPaint);
    window.show();
    return QApplication::exec();
}

int runBare(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(1176, 760);
    return showAndQuit(window);
}

// What the program's main() does for its window.
int runProgram(int argc, char *argv[], const QString &dataDir)
{
    QApplication app(argc, argv);
    initResources();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    chartLook::applyApplicationLook();
    ProgramFolder::choose(dataDir);
    ProgramFolder::seedFrom(QStringLiteral(":/shipped"));
    Prompts prompts;
    Clock clock;
    UserSettings settings;
    VyloraApp vylora(prompts, clock, settings);
    vylora.start();
    return showAndQuit(vylora.window());
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

} // namespace

int main(int argc, char *argv[])
{
    if (argc >= 2 && QString::fromLocal8Bit(argv[1]) == bareChild)
        return runBare(argc, argv);
    if (argc >= 3 && QString::fromLocal8Bit(argv[1]) == programChild)
        return runProgram(argc, argv, QString::fromLocal8Bit(argv[2]));

    QCoreApplication app(argc, argv);
    const int runs = argc >= 2 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 15;
    // The children's settings and chart live in a folder of their own.
    const QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    const QString self = QCoreApplication::applicationFilePath();
    const QStringList program{programChild, home.filePath(QStringLiteral("data"))};

    // The first start seeds the folder; starts after it are the usual ones.
    millisecondsOf(self, program, env);
    millisecondsOf(self, {bareChild}, env);
    std::vector<double> bare;
    std::vector<double> vylora;
    for (int run = 0; run < runs; ++run) {
        bare.push_back(millisecondsOf(self, {bareChild}, env));
        vylora.push_back(millisecondsOf(self, program, env));
    }
    const QString platform = env.value(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("default"));
    std::printf("platform %s, %d runs: bare window %.1f ms, program %.1f ms, ratio %.2f\n", qPrintable(platform),
                runs, median(bare), median(vylora), median(vylora) / median(bare));
    return 0;
}
