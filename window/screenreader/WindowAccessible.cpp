// SPDX-License-Identifier: MIT
#include "WindowAccessible.h"

#include "screenreader/TapeAccessible.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QPlainTextEdit>

namespace marbolin {

namespace {

class DisplayAccessible final : public QAccessibleWidget {
public:
    explicit DisplayAccessible(QLabel* display) : QAccessibleWidget(display, QAccessible::StaticText) {}

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Name) {
            return widget()->accessibleName() + QLatin1Char(' ') + static_cast<QLabel*>(widget())->text();
        }
        return QAccessibleWidget::text(type);
    }
};

QAccessibleInterface* windowInterface(const QString& /*className*/, QObject* object)
{
    const QString name = object->objectName();
    if (auto* tape = qobject_cast<QPlainTextEdit*>(object); tape != nullptr && name == u"TextErgebnis") {
        return new TapeAccessible(tape);
    }
    if (auto* display = qobject_cast<QLabel*>(object); display != nullptr && name == u"LabelZeit") {
        return new DisplayAccessible(display);
    }
    return nullptr;
}

}  // namespace

void installWindowInterfaces()
{
    QAccessible::installFactory(&windowInterface);
}

}  // namespace marbolin
