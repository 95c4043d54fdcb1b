#include "forms/form.h"

#include "forms/accessibility.h"
#include "forms/qtcolour.h"
#include "formsvalues/twips.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace forms {

ClientArea::ClientArea(QWidget *window)
    : QWidget(window)
{ }

Form::Form(Menu menu, QWidget *parent)
    : QMainWindow(parent)
    , m_client(new ClientArea(this))
    , m_frameHeight(menu == Menu::Bar ? FrameHeightWithMenu : FrameHeightWithoutMenu)
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    m_client->setObjectName(u"client"_s);
    m_client->setAutoFillBackground(true);
    setCentralWidget(m_client);
    // The window takes exactly the size of its menu bar and client area; the user cannot
    // resize it by the frame.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
        if (now && now == menuWidget() && old && old->window() == this)
            m_controlBeforeMenu = old;
    });
}

void Form::setWidth(float twips)
{
    m_width = twips;
    applySize();
}

void Form::setHeight(float twips)
{
    m_height = twips;
    applySize();
}

void Form::setClientSize(int widthTwips, int heightTwips)
{
    m_width = static_cast<float>(widthTwips) + FrameWidth;
    m_height = static_cast<float>(heightTwips) + m_frameHeight;
    applySize();
}

void Form::applySize()
{
    m_client->setFixedSize(std::max(0, twipsToPixels(m_width - FrameWidth)),
        std::max(0, twipsToPixels(m_height - m_frameHeight)));
    // The platform window follows at once, not on the next pass of the event loop.
    layout()->activate();
    const QRect shown = m_client->rect();
    for (QWidget *control : m_client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const bool inside = shown.intersects(control->geometry());
        if (control->isHidden() != inside)
            continue;
        control->setVisible(inside);
        reportVisibility(control);
    }
}

void Form::setCaption(const QString &caption)
{
    setWindowTitle(caption);
    m_client->setAccessibleName(caption);
}

void Form::setBackColor(ColourValue colour)
{
    QPalette palette = m_client->palette();
    palette.setColor(QPalette::Window, toQColor(colour));
    m_client->setPalette(palette);
}

void Form::showCentred()
{
    adjustSize();
    QRect frame = geometry();
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
    showModeless();
}

QMenu *Form::addMenu(const QString &title)
{
    QMenu *menu = menuBar()->addMenu(title);
    // Dropped down, it is read out by its title.
    menu->setAccessibleName(title);
    menu->installEventFilter(this);
    return menu;
}

bool Form::eventFilter(QObject *watched, QEvent *event)
{
    // An open menu takes every key; the function keys of its window are handed on.
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (QAction *action = actionForShortcut(QKeySequence(key->keyCombination()))) {
            static_cast<QMenu *>(watched)->close();
            // Run once the menu is gone, as a shortcut pressed without it would.
            QMetaObject::invokeMethod(action, &QAction::trigger, Qt::QueuedConnection);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QWidget *Form::controlBeforeMenu() const
{
    return m_controlBeforeMenu;
}

QAction *Form::actionForShortcut(const QKeySequence &keys) const
{
    for (QAction *action : findChildren<QAction *>()) {
        if (action->shortcut() == keys && action->isEnabled())
            return action;
    }
    return nullptr;
}

void Form::showModeless()
{
    // A minimised window comes back as it was.
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
    // The focus starts on the first control in tab order that takes it.
    if (!focusWidget())
        focusNextPrevChild(true);
}

} // namespace forms
