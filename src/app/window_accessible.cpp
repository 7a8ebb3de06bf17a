#include "app/window_accessible.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

QAccessibleInterface* windowInterface(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (className != QLatin1String("Widget") || !widget || !widget->isWindow())
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

void installWindowAccessible() {
    QAccessible::installFactory(windowInterface);
}
