// SPDX-License-Identifier: MIT
#include "Application.h"

#include "screenreader/InputOrder.h"

namespace marbolin {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event)
{
    if (order_ != nullptr && order_->firstLook(receiver, event)) {
        return true;
    }
    return QApplication::notify(receiver, event);
}

}  // namespace marbolin
