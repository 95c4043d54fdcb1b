#include "forms/session.h"

#include "forms/form.h"

#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace forms {

int Session::MsgBox(const QString &prompt, int style, const QString &title)
{
    QPointer<QWidget> control = QApplication::focusWidget();
    if (auto *bar = qobject_cast<QMenuBar *>(control.data())) {
        if (auto *form = qobject_cast<Form *>(bar->window()))
            control = form->controlBeforeMenu();
    }
    const int pressed = showMessageBox(prompt, style, title);
    if (control && control->isVisible()) {
        control->activateWindow();
        control->setFocus(Qt::OtherFocusReason);
    }
    return pressed;
}

int QtSession::showMessageBox(const QString &prompt, int style, const QString &title)
{
    QMessageBox box;
    box.setWindowTitle(title);
    box.setText(prompt);
    switch (style & 0x70) {
    case vbCritical:
        box.setIcon(QMessageBox::Critical);
        break;
    case vbQuestion:
        box.setIcon(QMessageBox::Question);
        break;
    case vbInformation:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    if ((style & 0x0F) == vbYesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.button(QMessageBox::Ok)->setText(OkCaption);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return vbYes;
    case QMessageBox::No:
        return vbNo;
    default:
        return vbOK;
    }
}

void QtSession::End()
{
    // Hide rather than close: closing the main window would ask the exit question again.
    const auto topLevels = QApplication::topLevelWidgets();
    for (QWidget *window : topLevels)
        window->hide();
    QCoreApplication::exit(0);
}

} // namespace forms
