// SPDX-License-Identifier: MIT
// Time per operation (a digit, then '+') through the real window while the
// tape already holds many operations, against two bare QPlainTextEdit
// anchors driven by the same calculator: one that appends the new lines and
// one that is reset with the whole tape after every operation.
//
//   tape_bench table  <ours|append|reset> <painted|document> [sizes...]
//   tape_bench growth <ours|append> <painted|document> [operations] [max-ratio]
//   tape_bench memory <ours|append> [operations]
//
// "painted" shows the window and processes events after every operation,
// so the tape is really laid out and drawn; "document" keeps it hidden.
// Every result line starts with its kind, so scripts can pick it out.
#include "view/Form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using marbolin::Form1Model;
using marbolin::Form1View;

QString fromCrLf(const std::string& text, std::size_t from)
{
    QString s = QString::fromUtf8(text.data() + from, qsizetype(text.size() - from));
    s.remove(QLatin1Char('\r'));
    return s;
}

// A bare window with a label and a QPlainTextEdit, driven by the same
// calculator as Form1, so that only the way the tape is updated differs.
class AnchorWindow final : public QWidget, public Form1View {
public:
    enum class Tape { Append, Reset };

    explicit AnchorWindow(Tape tape) : tapeMode_(tape)
    {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(display_);
        layout->addWidget(tape_);
        tape_->setReadOnly(true);
        tape_->setUndoRedoEnabled(false);
        resize(169, 265);
        model_.Form_Load();
    }

    // While filling, a reset anchor would cost the square of the tape; the
    // tape is set once when filling ends.
    void setFilling(bool filling)
    {
        filling_ = filling;
        if (!filling) {
            tape_->setPlainText(fromCrLf(model_.tapeText(), 0));
            shown_ = model_.tapeText().size();
        }
    }

    const Form1Model& model() const { return model_; }

    void showDisplay(const std::string& text) override { display_->setText(QString::fromStdString(text)); }
    void showTape(const std::string& text) override
    {
        if (filling_ && tapeMode_ == Tape::Reset) {
            return;
        }
        if (tapeMode_ == Tape::Reset) {
            tape_->setPlainText(fromCrLf(text, 0));
        } else {
            // appendPlainText starts a new paragraph, so the new lines go in
            // without the break that ends them.
            QString lines = fromCrLf(text, shown_);
            lines.chop(1);
            tape_->appendPlainText(lines);
        }
        shown_ = text.size();
    }
    void scrollTapeToEnd() override
    {
        QScrollBar* bar = tape_->verticalScrollBar();
        bar->setValue(bar->maximum());
    }
    void beep() override {}
    void messageBox(const std::string&, Icon, const std::string&) override {}
    void announce(const std::string&) override {}

protected:
    void keyPressEvent(QKeyEvent* event) override { model_.Form_KeyPress(event->text().at(0).unicode()); }

private:
    Tape tapeMode_;
    QLabel* display_ = new QLabel(this);
    QPlainTextEdit* tape_ = new QPlainTextEdit(this);
    Form1Model model_{*this};
    std::size_t shown_ = 0;
    bool filling_ = false;
};

// One window under measurement, whichever kind it is.
struct Subject {
    std::unique_ptr<QWidget> window;
    QWidget* keyTarget = nullptr;
    const Form1Model* model = nullptr;
    AnchorWindow* anchor = nullptr;
};

Subject makeSubject(const std::string& kind)
{
    Subject s;
    if (kind == "ours") {
        auto form = std::make_unique<marbolin::Form1>();
        s.keyTarget = form->findChild<QPushButton*>(QStringLiteral("CommandPlus0"));
        s.model = &form->model();
        s.window = std::move(form);
    } else {
        auto anchor = std::make_unique<AnchorWindow>(kind == "reset" ? AnchorWindow::Tape::Reset
                                                                     : AnchorWindow::Tape::Append);
        s.keyTarget = anchor.get();
        s.model = &anchor->model();
        s.anchor = anchor.get();
        s.window = std::move(anchor);
    }
    return s;
}

void press(QWidget* target, char16_t code)
{
    const QString text(QChar{code});
    QKeyEvent down(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QKeyEvent up(QEvent::KeyRelease, 0, Qt::NoModifier, text);
    QApplication::sendEvent(target, &down);
    QApplication::sendEvent(target, &up);
}

double timedOperation(QWidget* target, bool painted)
{
    const auto start = std::chrono::steady_clock::now();
    press(target, u'7');
    press(target, u'+');
    if (painted) {
        QApplication::processEvents();
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

Subject prepared(const std::string& kind, bool painted, long size)
{
    Subject s = makeSubject(kind);
    if (painted) {
        s.window->show();
        // Let the X server map and expose the new window first, so that the
        // first operations measured do not pay for it.
        QElapsedTimer settling;
        settling.start();
        while (settling.elapsed() < 200) {
            QApplication::processEvents();
            QThread::msleep(1);
        }
    }
    if (s.anchor != nullptr) {
        s.anchor->setFilling(true);
    }
    for (long i = 0; i < size; ++i) {
        press(s.keyTarget, u'7');
        press(s.keyTarget, u'+');
    }
    if (s.anchor != nullptr) {
        s.anchor->setFilling(false);
    }
    QApplication::processEvents();
    return s;
}

double percentile(std::vector<double> ms, double p)
{
    std::sort(ms.begin(), ms.end());
    const auto at = std::min(ms.size() - 1, static_cast<std::size_t>(p * double(ms.size())));
    return ms[at];
}

long residentKiB()
{
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// A QByteArray, not qPrintable's pointer, which would outlive its buffer.
QByteArray platform()
{
    return QGuiApplication::platformName().toLatin1();
}

int table(const std::string& kind, bool painted, std::vector<long> sizes)
{
    if (sizes.empty()) {
        sizes = {1000, 10000, 100000};
    }
    std::printf("%-6s %-6s %-8s %-9s %8s %6s %11s %11s %11s\n", "#", "widget", "mode", "platform", "on tape",
                "ops", "median ms", "p99 ms", "max ms");
    for (const long size : sizes) {
        Subject s = prepared(kind, painted, size);
        // A whole reset costs so much on a long tape that fewer samples
        // must do; each still starts from the size in the row.
        const int samples =
            kind == "reset" ? std::clamp(int(2'000'000 / std::max(size, 1L)), 10, 1000) : 1000;
        std::vector<double> ms;
        ms.reserve(std::size_t(samples));
        for (int i = 0; i < samples; ++i) {
            ms.push_back(timedOperation(s.keyTarget, painted));
        }
        std::printf("%-6s %-6s %-8s %-9s %8ld %6d %11.4f %11.4f %11.4f\n", "table", kind.c_str(),
                    painted ? "painted" : "document", platform().constData(), size, samples,
                    percentile(ms, 0.5), percentile(ms, 0.99), percentile(ms, 1.0));
        std::fflush(stdout);
    }
    return 0;
}

int growth(const std::string& kind, bool painted, long operations, double maxRatio)
{
    constexpr long kWindow = 1000;
    operations = std::max(operations, 2 * kWindow);
    Subject s = prepared(kind, painted, 0);
    std::vector<double> ms;
    ms.reserve(std::size_t(operations));
    for (long i = 0; i < operations; ++i) {
        ms.push_back(timedOperation(s.keyTarget, painted));
    }
    // The median of every thousand operations, for the plot.
    for (long from = 0; from + kWindow <= operations; from += kWindow) {
        std::vector<double> bucket(ms.begin() + from, ms.begin() + from + kWindow);
        std::printf("bucket %-6s %-8s %-9s %8ld %11.4f\n", kind.c_str(), painted ? "painted" : "document",
                    platform().constData(), from + kWindow / 2, percentile(bucket, 0.5));
    }
    const double first = percentile({ms.begin(), ms.begin() + kWindow}, 0.5);
    const double last = percentile({ms.end() - kWindow, ms.end()}, 0.5);
    const double ratio = last / first;
    std::printf("growth %-6s %-8s %-9s %8ld first %.4f ms last %.4f ms ratio %.3f max %.4f ms\n",
                kind.c_str(), painted ? "painted" : "document", platform().constData(), operations, first,
                last, ratio, percentile(ms, 1.0));
    if (maxRatio > 0 && ratio > maxRatio) {
        std::printf("the growth ratio %.3f passes %.3f: the tape is being laid out again as it grows\n",
                    ratio, maxRatio);
        return 1;
    }
    return 0;
}

int memory(const std::string& kind, long operations)
{
    Subject s = prepared(kind, true, 0);
    const long before = residentKiB();
    for (long i = 0; i < operations; ++i) {
        press(s.keyTarget, u'7');
        press(s.keyTarget, u'+');
    }
    QApplication::processEvents();
    const long after = residentKiB();
    const auto bytes = double(s.model->tapeText().size());
    std::printf("memory %-6s %-9s %8ld tape %.0f bytes rss +%ld KiB per-byte %.1f\n", kind.c_str(),
                platform().constData(), operations, bytes, after - before,
                double(after - before) * 1024.0 / bytes);
    return 0;
}

int usage()
{
    std::fprintf(stderr,
                 "usage: tape_bench table  <ours|append|reset> <painted|document> [sizes...]\n"
                 "       tape_bench growth <ours|append> <painted|document> [operations] [max-ratio]\n"
                 "       tape_bench memory <ours|append> [operations]\n");
    return 2;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const std::vector<std::string> args(argv + 1, argv + argc);
    auto isKind = [](const std::string& k) { return k == "ours" || k == "append" || k == "reset"; };
    auto isMode = [](const std::string& m) { return m == "painted" || m == "document"; };
    if (args.size() >= 3 && args[0] == "table" && isKind(args[1]) && isMode(args[2])) {
        std::vector<long> sizes;
        for (std::size_t i = 3; i < args.size(); ++i) {
            sizes.push_back(std::atol(args[i].c_str()));
        }
        return table(args[1], args[2] == "painted", sizes);
    }
    if (args.size() >= 3 && args[0] == "growth" && isKind(args[1]) && args[1] != "reset" && isMode(args[2])) {
        const long operations = args.size() > 3 ? std::atol(args[3].c_str()) : 100000;
        const double maxRatio = args.size() > 4 ? std::atof(args[4].c_str()) : 0;
        return growth(args[1], args[2] == "painted", operations, maxRatio);
    }
    if (args.size() >= 2 && args[0] == "memory" && isKind(args[1]) && args[1] != "reset") {
        return memory(args[1], args.size() > 2 ? std::atol(args[2].c_str()) : 100000);
    }
    return usage();
}
