#pragma once

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QStringList>

// Keeps what a screen reader is told to present, in place of the platform's bridge (the
// offscreen platform has none). From Qt 6.8 on, the message of each announcement event, which
// Qt hands to an update handler; before that, the captions of the labels inside each
// notification as it shows, which is what Orca puts on the braille line. One at a time.
class Announcements : public QObject
{
public:
    QStringList texts() const { return m_texts; }
    void clear() { m_texts.clear(); }

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    Announcements()
    {
        s_listening = this;
        m_before = QAccessible::installUpdateHandler(&Announcements::take);
    }
    ~Announcements() override
    {
        QAccessible::installUpdateHandler(m_before);
        s_listening = nullptr;
    }

private:
    static void take(QAccessibleEvent *event)
    {
        if (event->type() == QAccessible::Announcement)
            s_listening->m_texts.append(
                static_cast<QAccessibleAnnouncementEvent *>(event)->message());
    }

    static inline Announcements *s_listening = nullptr;
    QAccessible::UpdateHandler m_before = nullptr;
#else
    Announcements()
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show || !watched->isWidgetType())
            return false;
        QAccessibleInterface *shown = QAccessible::queryAccessibleInterface(watched);
        if (!shown || shown->role() != QAccessible::Notification)
            return false;
        QString labels;
        for (int i = 0; i < shown->childCount(); ++i) {
            if (QAccessibleInterface *child = shown->child(i);
                child && child->role() == QAccessible::StaticText)
                labels += child->text(QAccessible::Name);
        }
        m_texts.append(labels);
        return false;
    }
#endif

private:
    QStringList m_texts;
};
