#include "mainwindow/form1.h"

#include "helpabout/form2.h"
#include "helpabout/form3.h"

// The help window and the about window: default instances, created on first use, shown modeless and
// without owner; opening one that is already shown brings it to the front.
void Form1::HElP_cmd_Click()
{
    if (m_form2 && m_form2->isVisible()) {
        m_form2->showModeless();
        return;
    }
    m_form2 = new Form2();
    m_form2->showCentred();
}

void Form1::about_Click()
{
    if (!m_form3 || !m_form3->isVisible())
        m_form3 = new Form3(m_session);
    m_form3->showModeless();
}
