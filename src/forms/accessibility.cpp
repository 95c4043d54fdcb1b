#include "forms/accessibility.h"

#include "forms/controls.h"

#include "forms/platformaccessibility.h"

#include <QAccessibleWidget>
#include <QLabel>

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

void announce(QWidget *window, const QString &text)
{
    auto *bar = window->findChild<AnnouncementBar *>(QString(), Qt::FindDirectChildrenOnly);
    if (!bar)
        bar = new AnnouncementBar(window);
    bar->announce(text);
}

} // namespace forms

#include "accessibility.moc"
