#include "forms/accessibility.h"

#include "forms/controls.h"
#include "forms/platformaccessibility.h"
#include "forms/swatchlist.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QLabel>
#include <QPointer>

using namespace Qt::StringLiterals;

namespace forms {

namespace {

constexpr char Decorative[] = "forms_decorative";

class ClientAreaAccessible : public QAccessibleWidget
{
public:
    explicit ClientAreaAccessible(QWidget *area)
        : QAccessibleWidget(area, QAccessible::Pane)
    { }

    int childCount() const override { return static_cast<int>(controls().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> shown = controls();
        if (index < 0 || index >= shown.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(shown[index]);
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        return static_cast<int>(controls().indexOf(qobject_cast<QWidget *>(child->object())));
    }

private:
    QList<QWidget *> controls() const
    {
        QList<QWidget *> list;
        for (QObject *object : widget()->children()) {
            auto *control = qobject_cast<QWidget *>(object);
            if (control && !control->isWindow() && !control->property(Decorative).toBool())
                list.append(control);
        }
        return list;
    }
};

// A shape's tool tip says what its name says; it is not repeated as a description.
class ShapeAccessible : public QAccessibleWidget
{
public:
    explicit ShapeAccessible(QWidget *shape)
        : QAccessibleWidget(shape, QAccessible::Graphic)
    { }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Description)
            return widget()->accessibleDescription();
        return QAccessibleWidget::text(kind);
    }
};

class CommandLabelAccessible : public QAccessibleWidget
{
public:
    explicit CommandLabelAccessible(Label *label)
        : QAccessibleWidget(label, QAccessible::Button)
    { }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<Label *>(widget())->Caption();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &action) override
    {
        // Queued, as a button's animated click is: the command may open a modal box, and the
        // assistive technology's call must return first.
        if (action == pressAction())
            QMetaObject::invokeMethod(
                static_cast<Label *>(widget()), &Label::Click, Qt::QueuedConnection);
    }
};

// A swatch of a list: a list item named as its tool tip, selected while it is the chosen one,
// and focused while it is and the list has the keyboard. It has no object of its own; the list
// keeps it for as long as the list lives, and it reads everything from the list as it is now.
class SwatchAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    SwatchAccessible(SwatchList *list, int index)
        : m_list(list)
        , m_index(index)
    { }

    int index() const { return m_index; }
    const SwatchList *list() const { return m_list; }

    bool isValid() const override { return m_list && m_index < m_list->items().size(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override
    {
        QAccessibleInterface *list = parent();
        return list ? list->window() : nullptr;
    }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_list.data());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name || !isValid())
            return {};
        return m_list->items()[m_index].name;
    }
    void setText(QAccessible::Text, const QString &) override { }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect swatch = m_list->swatchRect(m_index);
        return {m_list->mapToGlobal(swatch.topLeft()), swatch.size()};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        state.selectable = true;
        state.focusable = true;
        const bool chosen = m_list->chosen() == m_index;
        state.selected = chosen;
        state.focused = chosen && m_list->hasFocus();
        state.invisible = !m_list->isVisible();
        state.offscreen = state.invisible;
        state.disabled = !m_list->isEnabled();
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
    void doAction(const QString &action) override
    {
        // Queued, as a button's click is: the assistive technology's call returns first.
        if (action == pressAction() && isValid())
            QMetaObject::invokeMethod(
                m_list.data(),
                [list = m_list, index = m_index] {
                    if (list)
                        list->pick(index, SwatchList::Means::Pointer);
                },
                Qt::QueuedConnection);
    }

private:
    QPointer<SwatchList> m_list;
    int m_index = 0;
};

// A swatch list is a list of its swatches, focused on the chosen one while it has the keyboard.
class SwatchListAccessible : public QAccessibleWidget
{
public:
    explicit SwatchListAccessible(SwatchList *list)
        : QAccessibleWidget(list, QAccessible::List)
    { }

    ~SwatchListAccessible() override
    {
        for (const QAccessible::Id id : std::as_const(m_swatches))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return int(list()->items().size()); }

    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (const auto known = m_swatches.constFind(index); known != m_swatches.cend())
            return QAccessible::accessibleInterface(*known);
        auto *swatch = new SwatchAccessible(list(), index);
        m_swatches.insert(index, QAccessible::registerAccessibleInterface(swatch));
        return swatch;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto *swatch = dynamic_cast<const SwatchAccessible *>(child);
        return swatch && swatch->list() == list() ? swatch->index() : -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint point = list()->mapFromGlobal(QPoint(x, y));
        for (int index = 0; index < childCount(); ++index) {
            if (list()->swatchRect(index).contains(point))
                return child(index);
        }
        return nullptr;
    }

    QAccessibleInterface *focusChild() const override
    {
        return list()->hasFocus() ? child(list()->chosen()) : nullptr;
    }

private:
    SwatchList *list() const { return static_cast<SwatchList *>(widget()); }

    mutable QHash<int, QAccessible::Id> m_swatches;
};

// A window's announcements. Qt 6.8 and later send them as announcement events. Before that,
// AT-SPI has no signal for them that Debian 12's screen reader takes, but Orca presents a
// notification the moment it becomes showing, and one inside a status bar without naming its
// role. It speaks the notification's name and the labels inside it, but puts only those labels
// on the braille line, and none whose text the name already holds: so the text is the caption
// of a label in an unnamed notification. Bar, notification and label have no size, so nothing
// of them is ever on the screen; they take neither the focus nor the activation, and show only
// while an announcement goes out, so that a review of the screen never meets them.
class Announcement : public QWidget
{
    Q_OBJECT

public:
    explicit Announcement(QWidget *bar)
        : QWidget(bar)
        , m_text(new QLabel(this))
    {
        setGeometry(0, 0, 0, 0);
        m_text->setGeometry(0, 0, 0, 0);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    void setText(const QString &text) { m_text->setText(text); }

private:
    QLabel *m_text = nullptr;
};

class AnnouncementBar : public QWidget
{
    Q_OBJECT

public:
    explicit AnnouncementBar(QWidget *window)
        : QWidget(window)
        , m_notification(new Announcement(this))
    {
        setGeometry(0, 0, 0, 0);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAccessibleName(u"Сообщения"_s);
        hide();
    }

    void announce(const QString &text)
    {
        m_text = text;
        if (m_queued)
            return;
        m_queued = true;
        QMetaObject::invokeMethod(this, &AnnouncementBar::deliver, Qt::QueuedConnection);
    }

private:
    void deliver()
    {
        m_queued = false;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        QAccessibleAnnouncementEvent event(window(), m_text);
        QAccessible::updateAccessibility(&event);
#else
        // Captioned while hidden, so that it shows once, with the new text.
        m_notification->hide();
        m_notification->setText(m_text);
        show();
        m_notification->show();
        hide();
#endif
    }

    Announcement *m_notification = nullptr;
    QString m_text;
    bool m_queued = false;
};

QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    if (className == "forms::ClientArea"_L1)
        return new ClientAreaAccessible(static_cast<QWidget *>(object));
    if (className == "forms::Shape"_L1)
        return new ShapeAccessible(static_cast<QWidget *>(object));
    if (className == "forms::AnnouncementBar"_L1)
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::StatusBar);
    if (className == "forms::Announcement"_L1)
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    if (className == "forms::SwatchList"_L1)
        return new SwatchListAccessible(static_cast<SwatchList *>(object));
    if (className == "forms::Label"_L1) {
        if (auto *label = static_cast<Label *>(object); label->ActsAsButton())
            return new CommandLabelAccessible(label);
    }
    return nullptr;
}

} // namespace

void installAccessibility()
{
    QAccessible::installFactory(interfaceFor);
    installPlatformAccessibility();
}

void markDecorative(QWidget *control)
{
    control->setProperty(Decorative, true);
}

void reportChoice(SwatchList *list, int before)
{
    // Nothing to tell while no assistive technology listens: a window's lists are made without
    // an accessible object for each of their items.
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(list);
    if (!accessible)
        return;
    if (QAccessibleInterface *old = accessible->child(before)) {
        QAccessibleEvent unselected(old, QAccessible::SelectionRemove);
        QAccessible::updateAccessibility(&unselected);
    }
    if (QAccessibleInterface *chosen = accessible->child(list->chosen())) {
        QAccessibleEvent selected(chosen, QAccessible::SelectionAdd);
        QAccessible::updateAccessibility(&selected);
        if (list->hasFocus()) {
            QAccessibleEvent focused(chosen, QAccessible::Focus);
            QAccessible::updateAccessibility(&focused);
        }
    }
}

void reportItemsGoing(SwatchList *list, int countAfter)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(list);
    for (int index = countAfter; accessible && index < accessible->childCount(); ++index) {
        QAccessibleEvent going(accessible->child(index), QAccessible::ObjectDestroyed);
        QAccessible::updateAccessibility(&going);
    }
}

void reportItemsCame(SwatchList *list, int countBefore)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(list);
    for (int index = 0; accessible && index < accessible->childCount(); ++index) {
        QAccessibleEvent told(accessible->child(index),
            index < countBefore ? QAccessible::NameChanged : QAccessible::ObjectCreated);
        QAccessible::updateAccessibility(&told);
    }
}

void announce(QWidget *window, const QString &text)
{
    auto *bar = window->findChild<AnnouncementBar *>(QString(), Qt::FindDirectChildrenOnly);
    if (!bar)
        bar = new AnnouncementBar(window);
    bar->announce(text);
}

} // namespace forms

#include "accessibility.moc"
