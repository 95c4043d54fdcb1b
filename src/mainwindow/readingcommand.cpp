#include "mainwindow/form1.h"

#include "combinationwindow/combinationwindow.h"
#include "readingwindow/readingwindow.h"
#include "smdwindow/smdwindow.h"

// The windows that read a part, and the one that makes a value of parts: default instances like the
// help window's, created on first use, shown modeless and without owner; opening one again brings
// it to the front.
void Form1::openReadingWindow()
{
    if (m_readingWindow && m_readingWindow->isVisible()) {
        m_readingWindow->showModeless();
        return;
    }
    m_readingWindow = new ReadingWindow();
    m_readingWindow->showCentred();
}

// The chip's bands are shown in the window that reads colours, opened or brought forward.
void Form1::openSmdWindow()
{
    if (m_smdWindow && m_smdWindow->isVisible()) {
        m_smdWindow->showModeless();
        return;
    }
    m_smdWindow = new SmdWindow();
    connect(m_smdWindow, &SmdWindow::bandsWanted, this, [this](const partcode::Bands &bands) {
        openReadingWindow();
        m_readingWindow->showPart(bands);
    });
    m_smdWindow->showCentred();
}

void Form1::openCombinationWindow()
{
    if (m_combinationWindow && m_combinationWindow->isVisible()) {
        m_combinationWindow->showModeless();
        return;
    }
    m_combinationWindow = new CombinationWindow();
    m_combinationWindow->showCentred();
}
