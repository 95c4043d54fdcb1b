#include "mainwindow/readoutspeech.h"

#include "colourcode/nominal.h"
#include "forms/accessibility.h"
#include "forms/controls.h"
#include "forms/form.h"

#include <QTimer>

ReadoutSpeech::ReadoutSpeech(forms::Form *window, forms::Label *readout)
    : QObject(window)
    , m_window(window)
    , m_readout(readout)
    , m_settles(new QTimer(this))
    , m_spoken(colourcode::NoData)
{
    // Half a second without a change of the fields is a pause in the typing.
    m_settles->setInterval(500);
    m_settles->setSingleShot(true);
    connect(m_settles, &QTimer::timeout, this, &ReadoutSpeech::settled);
}

void ReadoutSpeech::changed()
{
    m_settles->start();
}

void ReadoutSpeech::told(const QString &readout)
{
    m_settles->stop();
    m_spoken = readout;
}

void ReadoutSpeech::settled()
{
    if (m_readout->Caption() == m_spoken)
        return;
    m_spoken = m_readout->Caption();
    forms::announce(m_window, m_spoken);
}
