#include "app/window_accessible.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QPointer>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QWindow>

// Qt 6.4 names the native window that shows a scene view as the parent of the scene's top controls
// (those with no described item above them), but describes no such window: each of them has no
// parent and reports index -1 in it, and a screen reader that walks up from the focused control
// takes it for a dead object and says nothing. Here that window is described as the scene: the
// view's one child, listing the top controls.

namespace {

QAccessibleInterface* interfaceOf(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// Whether Qt describes the item now: it carries an Accessible attached object that is not set to
// be ignored. Qt keeps a description it once made after the item turns ignored, so asking for
// one does not tell.
bool isDescribed(const QQuickItem* item) {
    for (const QObject* child : item->children()) {
        if (qstrcmp(child->metaObject()->className(), "QQuickAccessibleAttached") == 0)
            return !child->property("ignored").toBool();
    }
    return false;
}

// The controls at the top of the scene: the first described items on each path down, as Qt
// links them up to the window.
void collectTopItems(QQuickItem* item, QList<QObject*>& found) {
    for (QQuickItem* child : item->childItems()) {
        if (isDescribed(child))
            found.append(child);
        else
            collectTopItems(child, found);
    }
}

QAccessibleInterface* childAtPoint(const QAccessibleInterface& parent, int x, int y) {
    for (int i = parent.childCount() - 1; i >= 0; --i) {
        QAccessibleInterface* child = parent.child(i);
        if (child && child->rect().contains(x, y))
            return child;
    }
    return nullptr;
}

class SceneAccessible : public QAccessibleObject {
public:
    SceneAccessible(QWindow* shownIn, QQuickWidget* view) : QAccessibleObject(shownIn), view(view) {}

    QAccessibleInterface* parent() const override { return interfaceOf(view); }
    int childCount() const override { return int(topItems().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QObject*> items = topItems();
        return index >= 0 && index < items.size() ? interfaceOf(items.at(index)) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? int(topItems().indexOf(child->object())) : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override { return childAtPoint(*this, x, y); }
    QAccessibleInterface* focusChild() const override {
        if (!view)
            return nullptr;
        for (QQuickItem* item = view->quickWindow()->activeFocusItem(); item; item = item->parentItem()) {
            if (isDescribed(item))
                return interfaceOf(item);
        }
        return nullptr;
    }
    QWindow* window() const override { return static_cast<QWindow*>(object()); }
    QRect rect() const override {
        QAccessibleInterface* described = parent();
        return described ? described->rect() : QRect();
    }
    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Client; }
    QAccessible::State state() const override { return {}; }

private:
    QList<QObject*> topItems() const {
        QList<QObject*> items;
        if (view && view->quickWindow()->contentItem())
            collectTopItems(view->quickWindow()->contentItem(), items);
        return items;
    }

    QPointer<QQuickWidget> view;
};

class SceneViewAccessible : public QAccessibleWidget {
public:
    explicit SceneViewAccessible(QQuickWidget* view) : QAccessibleWidget(view) {}

    int childCount() const override { return shownIn() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && shownIn() ? interfaceOf(shownIn()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && shownIn() && child->object() == shownIn() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override { return childAtPoint(*this, x, y); }
    QAccessibleInterface* focusChild() const override {
        QAccessibleInterface* described = child(0);
        return described ? described->focusChild() : nullptr;
    }

private:
    QWindow* shownIn() const { return widget()->window()->windowHandle(); }
};

// The scene view that a native window shows (the tool's window has one).
QQuickWidget* viewShownIn(QObject* window) {
    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget* widget : widgets) {
        auto* view = qobject_cast<QQuickWidget*>(widget);
        if (view && view->window()->windowHandle() == window)
            return view;
    }
    return nullptr;
}

// Asked for each class of the object from the most derived up: it answers at the first.
QAccessibleInterface* windowInterface(const QString& className, QObject* object) {
    if (auto* view = qobject_cast<QQuickWidget*>(object))
        return new SceneViewAccessible(view);
    if (auto* window = qobject_cast<QWindow*>(object)) {
        QQuickWidget* view = viewShownIn(window);
        return view ? new SceneAccessible(window, view) : nullptr;
    }
    auto* widget = qobject_cast<QWidget*>(object);
    if (className != QLatin1String("Widget") || !widget || !widget->isWindow())
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

void installWindowAccessible() {
    QAccessible::removeFactory(windowInterface);
    QAccessible::installFactory(windowInterface);
}
