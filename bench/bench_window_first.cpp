// How soon the practice window is on screen, and how much memory it holds then, against a bare
// Qt main window started the same way. Each start is a fresh process (this program run again
// with --child), so that no font, style or library is warm from the previous one.
//
//   xvfb-run -a build/bench/bench_window_first [rounds]
//
// prints the median time to the first frame and the resident memory at that moment and once the
// program has settled (0.3 s later) for both, and the three ratios.
#include "app/TildoraWindows.h"
#include "app/ProgramStart.h"
#include "app/TildoraApplication.h"
#include "practice/PracticeWindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Resident set size of this process, in KiB.
long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

// Reports once the watched window has painted its first frame, and again 0.3 s later, when
// whatever a program does right after its first frame has been done; then ends the process.
class FirstFrame : public QObject {
public:
    explicit FirstFrame(QWidget *window) { window->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // After the paint event: the frame is flushed to the screen in the same pass.
            QTimer::singleShot(0, [] {
                std::printf("ready %ld\n", residentKiB());
                std::fflush(stdout);
            });
            QTimer::singleShot(300, [] {
                std::printf("settled %ld\n", residentKiB());
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

int runChild(int argc, char **argv, const QByteArray &kind)
{
    if (kind == "bare") {
        TildoraApplication app(argc, argv);
        QMainWindow window;
        window.resize(729, 439);
        FirstFrame watch(&window);
        window.show();
        return app.exec();
    }
    const ProgramStart start(argc, argv);
    TildoraWindows windows(TildoraWindows::Start::PracticeWindowFirst);
    FirstFrame watch(&windows.practiceWindow());
    windows.showPracticeWindow();
    return QApplication::exec();
}

struct Sample {
    double ms = 0;
    long kib = 0;
    long settledKib = 0;
};

bool runOnce(const QString &program, const QString &kind, const QString &folder, Sample &sample)
{
    QProcess child;
    child.setWorkingDirectory(folder);
    QElapsedTimer clock;
    clock.start();
    child.start(program, {QStringLiteral("--child"), kind});
    if (!child.waitForStarted(10000))
        return false;
    QByteArray output;
    while (!output.contains('\n') && child.waitForReadyRead(20000))
        output += child.readAllStandardOutput();
    sample.ms = clock.nsecsElapsed() / 1e6;
    child.waitForFinished(5000);
    output += child.readAllStandardOutput();
    const QList<QByteArray> lines = output.trimmed().split('\n');
    if (lines.size() != 2)
        return false;
    const QList<QByteArray> ready = lines[0].split(' '), settled = lines[1].split(' ');
    if (ready.size() != 2 || ready[0] != "ready" || settled.size() != 2 || settled[0] != "settled")
        return false;
    sample.kib = ready[1].toLong();
    sample.settledKib = settled[1].toLong();
    return true;
}

template <typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && QByteArray(argv[1]) == "--child")
        return runChild(argc, argv, argv[2]);

    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    // The board opens nivel1.txt from the current folder: no dialog stands in the way.
    QTemporaryDir folder;
    QFile::copy(QStringLiteral(TILDORA_DATA "/nivel1.txt"), folder.filePath(QStringLiteral("nivel1.txt")));

    const QString program = QCoreApplication::applicationFilePath();
    std::vector<double> bareMs, tildoraMs;
    std::vector<long> bareKiB, tildoraKiB, bareSettledKiB, tildoraSettledKiB;
    // One start of each first, not counted: the files come into the system's cache.
    Sample sample;
    runOnce(program, QStringLiteral("bare"), folder.path(), sample);
    runOnce(program, QStringLiteral("tildora"), folder.path(), sample);
    for (int round = 0; round < rounds; ++round) {
        if (!runOnce(program, QStringLiteral("bare"), folder.path(), sample)) {
            std::fprintf(stderr, "the bare window did not report its first frame\n");
            return 1;
        }
        bareMs.push_back(sample.ms);
        bareKiB.push_back(sample.kib);
        bareSettledKiB.push_back(sample.settledKib);
        if (!runOnce(program, QStringLiteral("tildora"), folder.path(), sample)) {
            std::fprintf(stderr, "the practice window did not report its first frame\n");
            return 1;
        }
        tildoraMs.push_back(sample.ms);
        tildoraKiB.push_back(sample.kib);
        tildoraSettledKiB.push_back(sample.settledKib);
    }
    const double bareTime = median(bareMs), tildoraTime = median(tildoraMs);
    const long bareMemory = median(bareKiB), tildoraMemory = median(tildoraKiB);
    const long bareSettled = median(bareSettledKiB), tildoraSettled = median(tildoraSettledKiB);
    std::printf("median of %d fresh starts each\n", rounds);
    std::printf("bare Qt window:  %7.1f ms to the first frame, %7ld KiB resident, %7ld KiB 0.3 s later\n",
                bareTime, bareMemory, bareSettled);
    std::printf("practice window: %7.1f ms to the first frame, %7ld KiB resident, %7ld KiB 0.3 s later\n",
                tildoraTime, tildoraMemory, tildoraSettled);
    std::printf("time ratio                 %.2f\n", tildoraTime / bareTime);
    std::printf("memory ratio (first frame) %.2f\n", double(tildoraMemory) / double(bareMemory));
    std::printf("memory ratio (0.3 s later) %.2f\n", double(tildoraSettled) / double(bareSettled));
    return 0;
}
