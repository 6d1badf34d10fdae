// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <memory>

namespace marbolin {

// Hears the screen reader's answers to keys that Qt had stopped waiting for.
//
// Qt's accessibility bridge asks the screen reader about each key through
// the accessibility registry and waits kBridgeTimeout for the answer. The
// registry answers every question in the end, in order, at the pace the
// reader reads the keys, but Qt drops the answers that come too late. They
// still arrive on Qt's connection to the accessibility bus, where a filter
// of libdbus's own sees them (Qt's own replies never reach a filter).
class LateAnswers final : public QObject {
    Q_OBJECT

public:
    explicit LateAnswers(QObject* parent = nullptr);
    ~LateAnswers() override;
    LateAnswers(const LateAnswers&) = delete;
    LateAnswers& operator=(const LateAnswers&) = delete;

    // Starts listening on the bridge's connection; false while there is
    // none yet, and where this build cannot listen.
    bool listen();

    // What the filter, on Qt's D-Bus thread, shares with this object.
    struct Sink;

signals:
    // One more late answer, on the window's thread.
    void answered();

private:
    void* connection_ = nullptr;  // the bridge's DBusConnection, once listening
    Sink* sink_ = nullptr;        // freed by libdbus with the filter
};

}  // namespace marbolin
