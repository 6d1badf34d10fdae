// SPDX-License-Identifier: MIT
// Start-up cost: the time from exec to the first painted frame of the
// tape, and the peak resident memory, of the program's real start against a
// bare Qt window with the same seven widgets and no calculator. Each run is
// a fresh process; the two kinds take turns so that drift on a shared
// machine falls on both alike.
//
//   startup_bench [runs]          (30 runs of each kind by default)
//   startup_bench child <ours|anchor>
#include "desktop/Startup.h"
#include "screenreader/Application.h"
#include "view/Form1.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

long long monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1'000'000'000LL + ts.tv_nsec;
}

// Quits once the watched widget has been painted and the event loop has
// come round again, so that the frame has been handed to the display.
class FirstPaint final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, this, [] {
                std::printf("%lld\n", monotonicNs());
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

// The same seven widgets as the program's window, with Qt's defaults.
class AnchorWindow final : public QWidget {
public:
    AnchorWindow()
    {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(QStringLiteral("00:00:00"), this));
        for (const char* text : {"+", "-", "C", "CA", "?"}) {
            layout->addWidget(new QPushButton(QString::fromLatin1(text), this));
        }
        layout->addWidget(tape);
        setFixedSize(169, 265);
    }
    QPlainTextEdit* tape = new QPlainTextEdit(this);
};

int child(int argc, char* argv[], const std::string& kind)
{
    // The program's own application class, as main() makes it.
    const std::unique_ptr<QApplication> app = kind == "ours"
                                                  ? std::make_unique<marbolin::Application>(argc, argv)
                                                  : std::make_unique<QApplication>(argc, argv);
    FirstPaint watcher;
    std::unique_ptr<marbolin::Translations> translations;
    std::unique_ptr<QWidget> window;
    QPlainTextEdit* tape = nullptr;
    if (kind == "ours") {
        // What main() does.
        translations = marbolin::setUpApplication();
        auto form = std::make_unique<marbolin::Form1>(translations->phrases());
        tape = form->findChild<QPlainTextEdit*>(QStringLiteral("TextErgebnis"));
        window = std::move(form);
    } else {
        auto anchor = std::make_unique<AnchorWindow>();
        tape = anchor->tape;
        window = std::move(anchor);
    }
    tape->viewport()->installEventFilter(&watcher);
    window->show();
    return QApplication::exec();
}

struct Run {
    double ms = 0;
    double peakMiB = 0;
};

Run spawn(const char* self, const char* kind)
{
    int out[2];
    if (pipe(out) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    const long long start = monotonicNs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execl(self, self, "child", kind, static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    close(out[1]);
    std::string text;
    char buffer[64];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) {
        text.append(buffer, std::size_t(n));
    }
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || text.empty()) {
        std::fprintf(stderr, "startup_bench: the %s window did not start (status %d)\n", kind, status);
        std::exit(1);
    }
    return {double(std::atoll(text.c_str()) - start) / 1e6, double(usage.ru_maxrss) / 1024.0};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && std::string(argv[1]) == "child") {
        return child(argc, argv, argv[2]);
    }
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    std::vector<double> ms[2];
    std::vector<double> mib[2];
    const char* kinds[2] = {"ours", "anchor"};
    spawn("/proc/self/exe", "ours");  // warms the page cache for both
    spawn("/proc/self/exe", "anchor");
    for (int i = 0; i < runs; ++i) {
        for (int k = 0; k < 2; ++k) {
            const int which = (i % 2 == 0) ? k : 1 - k;
            const Run run = spawn("/proc/self/exe", kinds[which]);
            ms[which].push_back(run.ms);
            mib[which].push_back(run.peakMiB);
        }
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("# %d runs of each, platform %s\n", runs, platform != nullptr ? platform : "default");
    for (int k = 0; k < 2; ++k) {
        std::printf(
            "startup %-6s first paint median %.1f ms min %.1f ms max %.1f ms peak rss median %.1f MiB\n",
            kinds[k], median(ms[k]), *std::min_element(ms[k].begin(), ms[k].end()),
            *std::max_element(ms[k].begin(), ms[k].end()), median(mib[k]));
    }
    std::printf("ratio first paint %.3f peak rss %.3f\n", median(ms[0]) / median(ms[1]),
                median(mib[0]) / median(mib[1]));
    return 0;
}
