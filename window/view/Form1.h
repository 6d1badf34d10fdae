// SPDX-License-Identifier: MIT
#pragma once

#include "Form1Model.h"
#include "bell/Bell.h"
#include "screenreader/Announcer.h"
#include "screenreader/InputOrder.h"
#include "view/FocusRing.h"

#include <QDialog>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace marbolin {

// The program's one window. It shows what the calculator tells it through
// Form1View and forwards every event to the calculator in one line; all
// rules and all state live in Form1Model.
//
// It is a QDialog for the dialog's default-button handling: Enter clicks
// "+", or whichever other button has the focus.
class Form1 final : public QDialog, public Form1View {
    Q_OBJECT

public:
    // phrases: the calculator's words in the user's language; English
    // without them. They must outlive the window.
    explicit Form1(const Phrases* phrases = nullptr, QWidget* parent = nullptr);

    const Form1Model& model() const { return model_; }

    void showDisplay(const std::string& text) override;
    void showTape(const std::string& text) override;
    void scrollTapeToEnd() override;
    void beep() override;
    void messageBox(const std::string& text, Icon icon, const std::string& title) override;
    void announce(const std::string& text) override;

signals:
    // A character key handed to the calculator by the key preview.
    void keyForwarded(int code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Form_Load();
    void matchTapeToWindow();
    void fitCaptions();

    QLabel* LabelZeit = nullptr;
    std::array<QPushButton*, 2> CommandPlus{};
    QPushButton* CommandClear = nullptr;
    QPushButton* CommandClearAll = nullptr;
    QPushButton* CommandInfo = nullptr;
    QPlainTextEdit* TextErgebnis = nullptr;

    Announcer announcer_{this};
    Bell bell_{*this};
    std::unique_ptr<FocusRing> tapeFocus_;
    Form1Model model_;
    InputOrder inputOrder_{*this};

    // How much of the calculator's tape the text box already holds, so that
    // a grown tape is appended rather than laid out again from the start.
    std::size_t tapeShown_ = 0;
    std::uint64_t tapeClearsSeen_ = 0;
};

}  // namespace marbolin
