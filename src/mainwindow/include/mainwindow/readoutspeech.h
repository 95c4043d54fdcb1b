#pragma once

#include <QObject>
#include <QString>

class QTimer;

namespace forms {
class Form;
class Label;
} // namespace forms

// Speaks the main window's readout once the typing has settled, if it says something not yet
// spoken: typing 4, 7, 100 is heard as one readout, not as three.
class ReadoutSpeech : public QObject
{
public:
    // The readout is read from the label and told from the window.
    ReadoutSpeech(forms::Form *window, forms::Label *readout);

    // A field changed: the readout is spoken after the pause that follows the last change.
    void changed();
    // What the readout is about to say has been told already, by a command's announcement.
    void told(const QString &readout);

private:
    void settled();

    forms::Form *m_window = nullptr;
    forms::Label *m_readout = nullptr;
    QTimer *m_settles = nullptr;
    QString m_spoken;
};
