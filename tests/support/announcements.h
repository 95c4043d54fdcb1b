#pragma once

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QStringList>

// Keeps what a screen reader is told to speak: the name of each notification as it shows,
// which Qt's bridge passes on as the notification becoming showing. (The offscreen platform
// has no bridge to listen to.) From Qt 6.8 on, announcements are events that only a bridge
// receives, and the tests that listen are skipped.
class Announcements : public QObject
{
public:
    Announcements() { qApp->installEventFilter(this); }

    static constexpr bool Heard = QT_VERSION < QT_VERSION_CHECK(6, 8, 0);

    QStringList texts() const { return m_texts; }
    void clear() { m_texts.clear(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            QAccessibleInterface *shown = QAccessible::queryAccessibleInterface(watched);
            if (shown && shown->role() == QAccessible::Notification)
                m_texts.append(shown->text(QAccessible::Name));
        }
        return false;
    }

private:
    QStringList m_texts;
};
