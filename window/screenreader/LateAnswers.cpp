// SPDX-License-Identifier: MIT
#include "LateAnswers.h"

#if defined(MARBOLIN_HAVE_LIBDBUS)
#include <QDBusConnection>
#include <QMetaObject>
#include <QPointer>

#include <dbus/dbus.h>

#include <mutex>
#endif

namespace marbolin {

#if defined(MARBOLIN_HAVE_LIBDBUS)

// The filter runs on Qt's D-Bus thread and may outlive the LateAnswers
// that added it by one call; libdbus frees the sink once it is removed.
struct LateAnswers::Sink {
    std::mutex lock;
    QPointer<LateAnswers> receiver;
};

namespace {

// The registry's answer to a key is a single boolean: whether the reader
// kept the key for itself.
DBusHandlerResult seen(DBusConnection* /*connection*/, DBusMessage* message, void* data)
{
    if (dbus_message_get_type(message) == DBUS_MESSAGE_TYPE_METHOD_RETURN &&
        dbus_message_has_signature(message, "b")) {
        auto* sink = static_cast<LateAnswers::Sink*>(data);
        const std::lock_guard<std::mutex> hold(sink->lock);
        if (sink->receiver != nullptr) {
            QMetaObject::invokeMethod(sink->receiver, &LateAnswers::answered, Qt::QueuedConnection);
        }
    }
    return DBUS_HANDLER_RESULT_NOT_YET_HANDLED;
}

void freeSink(void* data)
{
    delete static_cast<LateAnswers::Sink*>(data);
}

}  // namespace

LateAnswers::LateAnswers(QObject* parent) : QObject(parent) {}

LateAnswers::~LateAnswers()
{
    if (connection_ != nullptr) {
        {
            const std::lock_guard<std::mutex> hold(sink_->lock);
            sink_->receiver = nullptr;
        }
        dbus_connection_remove_filter(static_cast<DBusConnection*>(connection_), &seen, sink_);
        dbus_connection_unref(static_cast<DBusConnection*>(connection_));
    }
}

bool LateAnswers::listen()
{
    if (connection_ != nullptr) {
        return true;
    }
    // The bridge connects to the accessibility bus under this name.
    const QDBusConnection bridge(QStringLiteral("a11y"));
    auto* raw = bridge.isConnected() ? static_cast<DBusConnection*>(bridge.internalPointer()) : nullptr;
    if (raw == nullptr) {
        return false;
    }
    sink_ = new Sink;
    sink_->receiver = this;
    if (dbus_connection_add_filter(raw, &seen, sink_, &freeSink) == FALSE) {
        delete sink_;
        sink_ = nullptr;
        return false;
    }
    connection_ = dbus_connection_ref(raw);
    return true;
}

#else

struct LateAnswers::Sink {};

LateAnswers::LateAnswers(QObject* parent) : QObject(parent) {}

LateAnswers::~LateAnswers() = default;

bool LateAnswers::listen()
{
    return false;
}

#endif

}  // namespace marbolin
