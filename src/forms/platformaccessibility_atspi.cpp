// Assistive technology on the Linux desktops: AT-SPI, over the accessibility bus of D-Bus.

#include "forms/accessibility.h"
#include "forms/platformaccessibility.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QWidget>

#include <functional>

using namespace Qt::StringLiterals;

namespace forms {

namespace {

// How AT-SPI names an object in an event: the bus name of its application and its path.
struct ObjectReference
{
    QString service;
    QDBusObjectPath path;
};

QDBusArgument &operator<<(QDBusArgument &argument, const ObjectReference &reference)
{
    argument.beginStructure();
    argument << reference.service << reference.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, ObjectReference &reference)
{
    argument.beginStructure();
    argument >> reference.service >> reference.path;
    argument.endStructure();
    return argument;
}

// Whether the event is the word on a window's activation that Qt's widget window sends as soon
// as the platform moves the keyboard focus to or from it. At that moment the application has
// not yet made the window active or inactive, so the bridge, which reads the window's state as
// the event goes out, tells the opposite of what is happening: every activation went out as
// "deactivated, activated" and every deactivation as "activated, deactivated". A screen reader
// that acts on each word as it comes (Orca checks the window's state anew for each) can then
// drop the activation, and with it the focus that follows. The bridge tells each activation
// and deactivation itself, once and rightly, from the application's own event.
bool contradictsActivation(const QAccessibleEvent *event)
{
    if (event->type() != QAccessible::StateChanged)
        return false;
    QAccessible::State activation;
    activation.active = true;
    const auto *widget = qobject_cast<const QWidget *>(event->object());
    return widget && widget->isWindow()
        && static_cast<const QAccessibleStateChangeEvent *>(event)->changedStates() == activation;
}

// The item that has the focus inside a control that Qt says took it: the chosen swatch of a
// list. Such an item has no object of its own, so Qt's widgets never name it in a focus event.
// Told as focused in the control's place, as Qt's bridge to UI Automation tells it by itself, it
// is what a screen reader says, in its list; told after the control, it would cut the control
// short, and told not at all, the reader would not know which item is chosen.
QAccessibleInterface *focusedItem(QAccessibleEvent *event)
{
    if (event->type() != QAccessible::Focus)
        return nullptr;
    QAccessibleInterface *control = event->accessibleInterface();
    if (!control || control->childCount() == 0)
        return nullptr;
    QAccessibleInterface *item = control->focusChild();
    return item && item != control && !item->object() ? item : nullptr;
}

// Every event on its way to the bridge; Qt has no other place to stand between the two. While
// one event is handed on, the bridge is reached directly.
void handOn(QAccessibleEvent *event)
{
    if (contradictsActivation(event))
        return;
    const QAccessible::UpdateHandler self = QAccessible::installUpdateHandler(nullptr);
    if (QAccessibleInterface *item = focusedItem(event)) {
        QAccessibleEvent itemFocused(item, QAccessible::Focus);
        QAccessible::updateAccessibility(&itemFocused);
    } else {
        QAccessible::updateAccessibility(event);
    }
    QAccessible::installUpdateHandler(self);
}

} // namespace

void installPlatformAccessibility()
{
    QAccessible::installUpdateHandler(handOn);
}

void reportVisibility(QWidget *control)
{
    // Qt's bridge tells AT-SPI that "showing" changed, but not "visible", which it reports
    // together with it; a screen reader that keeps states from earlier events then takes a
    // control just shown for one still hidden, and skips it. The missing events go out on the
    // bridge's own connection, as the bridge would send them.
    if (!QAccessible::isActive())
        return;
    QDBusConnection bus(u"a11y"_s);
    if (!bus.isConnected())
        return;
    static const QMetaType registered = qDBusRegisterMetaType<ObjectReference>();
    Q_UNUSED(registered);
    const ObjectReference application {
        bus.baseService(), QDBusObjectPath(u"/org/a11y/atspi/accessible/root"_s)};
    const auto tell = [&](QAccessibleInterface *accessible, const QString &state) {
        const QString path
            = u"/org/a11y/atspi/accessible/"_s + QString::number(QAccessible::uniqueId(accessible));
        QDBusMessage event
            = QDBusMessage::createSignal(path, u"org.a11y.atspi.Event.Object"_s, u"StateChanged"_s);
        event << state << int(!accessible->state().invisible) << 0
              << QVariant::fromValue(QDBusVariant(QVariant::fromValue(
                     ObjectReference {bus.baseService(), QDBusObjectPath(path)})))
              << QVariant::fromValue(application);
        bus.send(event);
    };
    // Qt has told "showing" of the control itself, but of nothing inside it: neither the widgets
    // in it nor the items it shows without widgets of their own.
    const std::function<void(QAccessibleInterface *)> tellInside
        = [&](QAccessibleInterface *outer) {
              for (int index = 0; index < outer->childCount(); ++index) {
                  if (QAccessibleInterface *inside = outer->child(index)) {
                      tell(inside, u"showing"_s);
                      tell(inside, u"visible"_s);
                      tellInside(inside);
                  }
              }
          };
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    if (!accessible)
        return;
    tell(accessible, u"visible"_s);
    tellInside(accessible);
}

} // namespace forms
