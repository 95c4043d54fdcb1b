#include "accessibility.h"

#include "controls.h"

#include <QAccessibleWidget>

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

QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    if (className == "forms::ClientArea"_L1)
        return new ClientAreaAccessible(static_cast<QWidget *>(object));
    if (className == "forms::Shape"_L1)
        return new ShapeAccessible(static_cast<QWidget *>(object));
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
}

void markDecorative(QWidget *control)
{
    control->setProperty(Decorative, true);
}

} // namespace forms
