// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QPointer>

namespace marbolin {

class InputOrder;

// The program's QApplication. It shows every event to the window's
// InputOrder before anything else sees it, the application's own event
// filters included. One of those is Qt's accessibility bridge, which takes
// each key press and release away to ask a screen reader about it and posts
// it again later; only before it can the order in which the user gave keys
// and clicks still be seen.
class Application final : public QApplication {
public:
    Application(int& argc, char** argv);

    // The InputOrder of the window that is open; it registers itself.
    void setInputOrder(InputOrder* order) { order_ = order; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    QPointer<InputOrder> order_;
};

}  // namespace marbolin
