#include "mainwindow/form1.h"

#include "readingwindow/readingwindow.h"

// The window that reads a part's colours: a default instance like the help window's, created on
// first use, shown modeless and without owner; opening it again brings it to the front.
void Form1::openReadingWindow()
{
    if (m_readingWindow && m_readingWindow->isVisible()) {
        m_readingWindow->showModeless();
        return;
    }
    m_readingWindow = new ReadingWindow();
    m_readingWindow->showCentred();
}
