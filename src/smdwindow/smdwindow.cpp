#include "smdwindow/smdwindow.h"

#include "forms/accessibility.h"
#include "forms/controls.h"
#include "forms/fonts.h"
#include "partcode/choices.h"
#include "smdcode/marking.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QShortcut>

using namespace Qt::StringLiterals;
using AutoSize = forms::Label::AutoSize;

SmdWindow::SmdWindow()
    : forms::Form(Menu::None)
{
    setObjectName(u"smdWindow"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setCaption(u"Определяем номинал по маркировке SMD-резистора"_s);
    setBackColor(forms::InactiveBorder);
    setClientSize(9240, 6540);
    setFont(forms::font(forms::Tahoma, 8.25));
    createFields();
    createCommands();
    markingChanged();
    m_marking->setFocus();
}

// The marking as printed, with its bar, drawn on a chip beside it; the nominal to be written.
void SmdWindow::createFields()
{
    auto *markingCaption
        = new forms::Label(client(), u"markingCaption"_s, {120, 180, 1200, 195}, AutoSize::Off);
    markingCaption->setCaption(u"Маркировка:"_s);
    m_marking = new forms::TextBox(client(), u"marking"_s, {1380, 120, 1500, 315});
    m_marking->setMaxLength(16);
    m_marking->setAccessibleName(u"Маркировка"_s);
    markingCaption->setBuddy(m_marking);
    connect(m_marking, &forms::TextBox::Change, this, &SmdWindow::markingChanged);

    m_underlined = new forms::CheckBox(
        client(), u"underlined"_s, {3000, 150, 2400, 255}, u"черта под цифрами"_s);
    connect(m_underlined, &QCheckBox::toggled, this, &SmdWindow::markingChanged);

    // The chip as it lies on the board: white print on a black body.
    m_chip = new forms::Label(client(), u"chip"_s, {6720, 120, 2400, 735}, AutoSize::Off);
    m_chip->setBackColor(forms::rgb(0, 0, 0));
    m_chip->setForeColor(forms::rgb(255, 255, 255));
    m_chip->setFont(forms::font(forms::Tahoma, 14));
    m_chip->setAlignment(Qt::AlignCenter);

    auto *nominalCaption
        = new forms::Label(client(), u"nominalCaption"_s, {120, 600, 1200, 195}, AutoSize::Off);
    nominalCaption->setCaption(u"Номинал:"_s);
    m_nominal = new forms::TextBox(client(), u"nominal"_s, {1380, 540, 1500, 315});
    m_nominal->setMaxLength(24);
    m_nominal->setAccessibleName(u"Номинал, чтобы найти его маркировки"_s);
    m_nominal->setDropsKept(
        [](const QString &text) { return partcode::whyNotWritten(text).isEmpty(); });
    nominalCaption->setBuddy(m_nominal);
    connect(m_nominal, &forms::TextBox::Change, this, &SmdWindow::nominalChanged);
}

// What was done or refused, the answer, which can be selected; the bands opened, the answer
// copied, the window closed.
void SmdWindow::createCommands()
{
    m_message = new forms::Label(client(), u"message"_s, {120, 960, 9000, 255}, AutoSize::Off);
    m_answer = new forms::Label(client(), u"answer"_s, {120, 1260, 9000, 4680}, AutoSize::Off);
    // A stop of Tab, where the answer is heard again and its text selected by keys as well.
    m_answer->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_answer->setFocusPolicy(Qt::StrongFocus);

    m_bands = new forms::PushButton(
        client(), u"bands"_s, {120, 6060, 2640, 315}, u"Полосы в окне цветов"_s);
    m_copy = new forms::PushButton(client(), u"copy"_s, {6060, 6060, 1440, 315}, u"Копировать"_s);
    m_close = new forms::PushButton(client(), u"close"_s, {7680, 6060, 1440, 315}, u"Закрыть"_s);
    m_close->setCancel();
    connect(m_bands, &QPushButton::clicked, this, &SmdWindow::openBands);
    connect(m_copy, &QPushButton::clicked, this, &SmdWindow::copyAnswer);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    // Ctrl+C copies the answer wherever the focus is, but where a selection of text is copied.
    auto *copyKeys = new QShortcut(QKeySequence::Copy, this);
    connect(copyKeys, &QShortcut::activated, this, &SmdWindow::copyAnswer);
}

void SmdWindow::markingChanged()
{
    const QString typed = m_marking->text();
    const bool underlined = m_underlined->isChecked();
    const QString code = smdcode::folded(typed);
    m_chip->setCaption(code);
    QFont print = m_chip->font();
    print.setUnderline(underlined);
    m_chip->setFont(print);
    m_chip->setAccessibleName(code.isEmpty()
            ? u"Чип без маркировки"_s
            : u"Чип с маркировкой "_s + code + (underlined ? u", черта под цифрами"_s : QString()));
    m_message->setCaption(QString());
    showAnswer(smdcode::answer(typed, underlined), u"Маркировка: "_s + typed.trimmed());
}

// Keeps the field to what a nominal is written with: any other text is replaced by the one
// kept before, and the refusal is told. The replacement raises Change again, nested, and finds
// a kept text.
void SmdWindow::nominalChanged()
{
    const QString refusal = partcode::whyNotWritten(m_nominal->text());
    if (!refusal.isEmpty()) {
        m_nominal->setText(m_keptNominal);
        tell(refusal);
        return;
    }
    m_keptNominal = m_nominal->text();
    m_message->setCaption(QString());
    showAnswer(smdcode::codesAnswer(m_keptNominal), u"Номинал: "_s + m_keptNominal.trimmed());
}

void SmdWindow::showAnswer(const smdcode::Answer &answer, const QString &asked)
{
    m_asked = asked;
    m_bandsShown = answer.bands.value_or(partcode::Bands {});
    m_bands->setEnabled(answer.bands.has_value());
    m_answer->setCaption(answer.lines.join(u'\n'));
    m_answer->setAccessibleName(answer.lines.join(u' '));
    if (isVisible())
        forms::announce(this, m_answer->accessibleName());
}

void SmdWindow::openBands()
{
    if (!m_bandsShown.isEmpty())
        Q_EMIT bandsWanted(m_bandsShown);
}

void SmdWindow::copyAnswer()
{
    QGuiApplication::clipboard()->setText(m_asked + u'\n' + m_answer->text());
    tell(u"Ответ скопирован."_s);
}

void SmdWindow::tell(const QString &message)
{
    m_message->setCaption(message);
    forms::announce(this, message);
}
