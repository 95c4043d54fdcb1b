#pragma once

#include "formsvalues/colour.h"

#include <QMainWindow>
#include <QPointer>

class QAction;
class QMenu;

namespace forms {

// The part of a window below its menu bar that holds the controls.
class ClientArea : public QWidget
{
    Q_OBJECT

public:
    explicit ClientArea(QWidget *window);
};

// A top-level window that keeps its outer size in twips, frame, title bar and menu bar
// included, exactly as last set: reading Width() gives back what setWidth() stored, so the
// forms can compare it with their own constants. The platform window itself is fixed-size
// and shows, below its menu bar, the client area that those outer sizes leave with the frame
// metrics of the classic desktop.
class Form : public QMainWindow
{
    Q_OBJECT

public:
    enum class Menu { None, Bar };

    explicit Form(Menu menu, QWidget *parent = nullptr);

    float Width() const { return m_width; }
    float Height() const { return m_height; }
    void setWidth(float twips);
    void setHeight(float twips);
    // Sets the outer size that leaves this client area.
    void setClientSize(int widthTwips, int heightTwips);

    // The container of the window's controls. A control that lies wholly outside the client
    // area is hidden, so that assistive technology does not report it as showing.
    QWidget *client() const { return m_client; }

    void setCaption(const QString &caption);

    // Adds a menu to the menu bar, named by its title for assistive technology. While it is
    // open, the window's function keys still act: the menu closes and the item with that
    // shortcut runs.
    QMenu *addMenu(const QString &title);

    // The control that had the keyboard focus before the menu bar took it.
    QWidget *controlBeforeMenu() const;
    void setBackColor(ColourValue colour);

    // Shows the window modeless, centred on the screen.
    void showCentred();
    // Shows the window modeless where the platform places it, or brings it to the front.
    void showModeless();

    // Frame metrics of the classic desktop, in twips: both borders across; title bar, both
    // borders and, where the window has one, the menu bar down.
    static constexpr float FrameWidth = 60;
    static constexpr float FrameHeightWithMenu = 650;
    static constexpr float FrameHeightWithoutMenu = 390;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applySize();
    QAction *actionForShortcut(const QKeySequence &keys) const;

    ClientArea *m_client = nullptr;
    QPointer<QWidget> m_controlBeforeMenu;
    float m_frameHeight = FrameHeightWithoutMenu;
    float m_width = 0;
    float m_height = 0;
};

} // namespace forms
