#include "readingwindow/readingwindow.h"

#include "colourcode/colourtable.h"
#include "forms/accessibility.h"
#include "forms/controls.h"
#include "forms/fonts.h"
#include "forms/swatchlist.h"
#include "partcode/answer.h"
#include "partcode/choices.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QShortcut>

using namespace Qt::StringLiterals;
using AutoSize = forms::Label::AutoSize;
using partcode::BandRole;
using partcode::Colour;

namespace {

// The drawn part: the main window's body colour and outline, its band width and lead lines.
using colourcode::BodyColour;
constexpr forms::Place Body {3420, 3300, 2400, 615};
constexpr int BandWidth = 135;

// The counts of bands that the options offer, in their order.
constexpr std::array<int, 5> BandCounts {3, 4, 5, 6, 1};

// Where a band stands on the body, from its left end, in twips: the figures and the multiplier
// together, the tolerance set apart, the temperature coefficient last; a zero-ohm link's single
// band in the middle.
int bandOffset(const QList<BandRole> &rolesRead, int index)
{
    switch (rolesRead[index]) {
    case BandRole::Figure:
    case BandRole::Multiplier:
        return 300 + 240 * index;
    case BandRole::Tolerance:
        return 1560;
    case BandRole::TemperatureCoefficient:
        return 1920;
    case BandRole::ZeroOhm:
        return (Body.width - BandWidth) / 2;
    }
    return 0;
}

// The swatches of a band in that place of a part with so many bands: each colour its role may
// carry, named as it means there, with the digit key that picks it.
QList<forms::SwatchList::Item> swatches(
    const QList<Colour> &offered, int bandCount, int index, BandRole role)
{
    QList<forms::SwatchList::Item> items;
    for (const Colour colour : offered)
        items.append({partcode::colourValue(colour), partcode::colourAndMeaning(role, colour), {}});
    for (int digit = 0; digit <= 9; ++digit) {
        const auto colour = partcode::colourOfDigit(bandCount, index, digit).value;
        if (const auto item = colour ? offered.indexOf(*colour) : -1; item >= 0)
            items[item].key = QChar(u'0' + digit);
    }
    return items;
}

} // namespace

ReadingWindow::ReadingWindow()
    : forms::Form(Menu::None)
{
    setObjectName(u"readingWindow"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setCaption(u"Определяем номинал из цветов резистора"_s);
    setBackColor(forms::InactiveBorder);
    setClientSize(9240, 7800);
    setFont(forms::font(forms::Tahoma, 8.25));
    createBandCount();
    createBands();
    createDrawing();
    createCommands();
    m_counts[1]->setChecked(true);
    countChosen();
    m_rows[0].colours->setFocus();
}

// One group of options: how many bands the part carries.
void ReadingWindow::createBandCount()
{
    m_countFrame
        = new forms::Frame(client(), u"bandCount"_s, {120, 60, 9000, 600}, u"Полос на резисторе"_s);
    const struct
    {
        const char16_t *name;
        forms::Place place;
        const char16_t *caption;
    } counts[] = {
        {u"threeBands", {120, 270, 1200, 255}, u"3 полосы"},
        {u"fourBands", {1440, 270, 1200, 255}, u"4 полосы"},
        {u"fiveBands", {2760, 270, 1200, 255}, u"5 полос"},
        {u"sixBands", {4080, 270, 1200, 255}, u"6 полос"},
        {u"zeroOhmLink", {5400, 270, 3240, 255}, u"1 полоса: перемычка 0 Ом"},
    };
    for (std::size_t index = 0; index < m_counts.size(); ++index) {
        m_counts[index]
            = new forms::OptionButton(m_countFrame, QString::fromUtf16(counts[index].name),
                counts[index].place, QString::fromUtf16(counts[index].caption));
        connect(m_counts[index], &forms::OptionButton::toggled, this, [this](bool checked) {
            if (checked)
                countChosen();
        });
    }
    // The group is one stop of Tab, at the chosen option, as in any group of options: the
    // arrow keys then step through the options and choose as they go.
    for (forms::OptionButton *option : m_counts) {
        connect(option, &forms::OptionButton::toggled, option, [option](bool checked) {
            option->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
        });
        option->setFocusPolicy(Qt::ClickFocus);
    }
}

// A row per band: what the band is, its swatches, and the chosen colour's name and meaning.
void ReadingWindow::createBands()
{
    for (int index = 0; index < MaxBands; ++index) {
        const int top = 780 + 405 * index;
        const QString number = QString::number(index + 1);
        BandRow &row = m_rows[index];
        row.caption = new forms::Label(
            client(), u"bandCaption"_s + number, {120, top + 60, 2040, 195}, AutoSize::Off);
        row.colours = new forms::SwatchList(
            client(), u"band"_s + number, {2280, top, forms::SwatchList::SwatchWidth * 13, 330});
        row.meaning = new forms::Label(
            client(), u"bandMeaning"_s + number, {6690, top + 60, 2430, 195}, AutoSize::Off);
        connect(row.colours, &forms::SwatchList::picked, this,
            [this, index](forms::SwatchList::Means means) { bandPicked(index, means); });
        connect(row.colours, &forms::SwatchList::refused, this,
            [this, index](QChar digit) { digitRefused(index, digit); });
    }
}

// The part as it is held: leads, the body over them, the bands over the body.
void ReadingWindow::createDrawing()
{
    const int leadTop = Body.top + 240;
    const int leadBottom = Body.top + 360;
    const int left = Body.left - 600;
    const int right = Body.left + Body.width + 600;
    const std::array<std::pair<QPoint, QPoint>, 6> leads {{
        {{Body.left, leadTop}, {left, leadTop}},
        {{Body.left, leadBottom}, {left, leadBottom}},
        {{left, leadTop}, {left, leadBottom}},
        {{right, leadTop}, {Body.left + Body.width, leadTop}},
        {{right, leadBottom}, {Body.left + Body.width, leadBottom}},
        {{right, leadTop}, {right, leadBottom}},
    }};
    for (std::size_t index = 0; index < leads.size(); ++index) {
        auto *lead = new forms::Line(client(), u"lead"_s + QString::number(index + 1),
            leads[index].first, leads[index].second, 1, forms::WindowText);
        forms::markDecorative(lead);
    }
    m_body = new forms::Shape(client(), u"body"_s, Body, forms::Shape::Kind::RoundedRectangle, 2);
    m_body->setBackColor(BodyColour);
    for (int index = 0; index < MaxBands; ++index) {
        m_rows[index].drawn
            = new forms::Shape(client(), u"drawnBand"_s + QString::number(index + 1),
                {Body.left, Body.top, BandWidth, Body.height}, forms::Shape::Kind::Rectangle, 0);
    }
}

// The nominal put on bands, the bands turned round, the answer copied, the window closed; what
// was done or refused, and the answer, which can be selected.
void ReadingWindow::createCommands()
{
    auto *nominalCaption
        = new forms::Label(client(), u"nominalCaption"_s, {120, 4140, 900, 195}, AutoSize::Off);
    nominalCaption->setCaption(u"Номинал:"_s);
    m_nominal = new forms::TextBox(client(), u"nominal"_s, {1080, 4080, 1500, 315});
    m_nominal->setMaxLength(24);
    m_nominal->setAccessibleName(u"Номинал, чтобы поставить на полосы"_s);
    m_nominal->setDropsKept(
        [](const QString &text) { return partcode::whyNotWritten(text).isEmpty(); });
    nominalCaption->setBuddy(m_nominal);
    connect(m_nominal, &forms::TextBox::Change, this, &ReadingWindow::nominalChanged);
    connect(m_nominal, &QLineEdit::returnPressed, this, &ReadingWindow::putOnBands);

    m_putOnBands = new forms::PushButton(
        client(), u"putOnBands"_s, {2700, 4080, 1680, 315}, u"Поставить полосы"_s);
    m_reverse
        = new forms::PushButton(client(), u"reverse"_s, {4500, 4080, 1440, 315}, u"Перевернуть"_s);
    m_copy = new forms::PushButton(client(), u"copy"_s, {6060, 4080, 1440, 315}, u"Копировать"_s);
    m_close = new forms::PushButton(client(), u"close"_s, {7680, 4080, 1440, 315}, u"Закрыть"_s);
    m_close->setCancel();
    connect(m_putOnBands, &QPushButton::clicked, this, &ReadingWindow::putOnBands);
    connect(m_reverse, &QPushButton::clicked, this, &ReadingWindow::reverseBands);
    connect(m_copy, &QPushButton::clicked, this, &ReadingWindow::copyAnswer);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    // Ctrl+C copies the answer wherever the focus is, but where a selection of text is copied.
    auto *copyKeys = new QShortcut(QKeySequence::Copy, this);
    connect(copyKeys, &QShortcut::activated, this, &ReadingWindow::copyAnswer);

    m_message = new forms::Label(client(), u"message"_s, {120, 4500, 9000, 390}, AutoSize::Off);
    m_answer = new forms::Label(client(), u"answer"_s, {120, 4950, 9000, 2700}, AutoSize::Off);
    // A stop of Tab, where the answer is heard again and its text selected by keys as well.
    m_answer->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_answer->setFocusPolicy(Qt::StrongFocus);
}

void ReadingWindow::showPart(const partcode::Bands &part)
{
    const auto count = std::find(BandCounts.begin(), BandCounts.end(), int(part.size()));
    if (count == BandCounts.end())
        return;
    m_counts[std::size_t(count - BandCounts.begin())]->setChecked(true);
    setBands(part, u"Полосы поставлены: "_s + partcode::partName(part) + u'.');
}

partcode::Bands ReadingWindow::bands() const
{
    partcode::Bands chosen;
    for (int index = 0; index < m_roles.size(); ++index) {
        const BandRow &row = m_rows[index];
        const int colour = row.colours->chosen();
        chosen.append(colour < 0 ? std::nullopt : std::optional(row.offered[colour]));
    }
    return chosen;
}

int ReadingWindow::bandCount() const
{
    for (std::size_t index = 0; index < m_counts.size(); ++index) {
        if (m_counts[index]->isChecked())
            return BandCounts[index];
    }
    return 4;
}

void ReadingWindow::countChosen()
{
    const int count = bandCount();
    const partcode::Bands kept = partcode::carriedOver(bands(), count);
    m_roles = partcode::roles(count);
    for (int index = 0; index < MaxBands; ++index) {
        BandRow &row = m_rows[index];
        const bool shown = index < m_roles.size();
        if (shown) {
            row.offered = partcode::coloursOf(m_roles[index]);
            row.colours->setItems(swatches(row.offered, count, index, m_roles[index]));
            row.colours->setChosen(kept[index] ? int(row.offered.indexOf(*kept[index])) : -1);
            row.caption->setCaption(partcode::bandCaption(m_roles, index));
            row.colours->setAccessibleName(row.caption->Caption());
            row.drawn->move(
                forms::twipsToPixels(Body.left + bandOffset(m_roles, index)), row.drawn->y());
        }
        const std::array<QWidget *, 4> controls {row.caption, row.colours, row.meaning, row.drawn};
        for (QWidget *control : controls) {
            if (control->isVisibleTo(this) != shown) {
                control->setVisible(shown);
                forms::reportVisibility(control);
            }
        }
    }
    m_reverse->setEnabled(m_roles.size() > 1);
    showBands(isVisible());
}

void ReadingWindow::showBands(bool announce)
{
    const partcode::Bands chosen = bands();
    for (int index = 0; index < m_roles.size(); ++index) {
        BandRow &row = m_rows[index];
        const std::optional<Colour> colour = chosen[index];
        row.meaning->setCaption(
            colour ? partcode::colourAndMeaning(m_roles[index], *colour) : u"не выбран"_s);
        row.drawn->setBackColor(colour ? partcode::colourValue(*colour) : BodyColour);
        row.drawn->describe(partcode::bandName(chosen, index));
    }
    m_body->describe(partcode::partName(chosen));
    const QStringList answer = partcode::answer(chosen);
    m_answer->setCaption(answer.join(u'\n'));
    m_answer->setAccessibleName(answer.join(u' '));
    if (announce)
        forms::announce(this, answer.join(u' '));
}

void ReadingWindow::bandPicked(int index, forms::SwatchList::Means means)
{
    m_message->setCaption(QString());
    showBands(false);
    // A key moves the focus to the colour, and a screen reader says it before the answer; a
    // click it may take as told already, so the answer names the band and its colour first.
    QString told = m_answer->accessibleName();
    if (means == forms::SwatchList::Means::Pointer)
        told.prepend(partcode::bandName(bands(), index) + u' ');
    forms::announce(this, told);
}

void ReadingWindow::digitRefused(int index, QChar digit)
{
    tell(partcode::colourOfDigit(int(m_roles.size()), index, digit.digitValue()).message);
}

// Keeps the field to what a nominal is written with: any other text is replaced by the one
// kept before, and the refusal is told. The replacement raises Change again, nested, and finds
// a kept text.
void ReadingWindow::nominalChanged()
{
    const QString refusal = partcode::whyNotWritten(m_nominal->text());
    if (refusal.isEmpty()) {
        m_keptNominal = m_nominal->text();
        return;
    }
    m_nominal->setText(m_keptNominal);
    tell(refusal);
}

void ReadingWindow::putOnBands()
{
    const partcode::Outcome<partcode::Bands> put = partcode::putOn(m_nominal->text(), bands());
    if (put.value)
        setBands(*put.value, put.message);
    else
        tell(put.message);
}

void ReadingWindow::reverseBands()
{
    const partcode::Outcome<partcode::Bands> back = partcode::turned(bands());
    if (back.value)
        setBands(*back.value, back.message);
    else
        tell(back.message);
}

void ReadingWindow::copyAnswer()
{
    QGuiApplication::clipboard()->setText(partcode::report(bands()).join(u'\n'));
    tell(u"Ответ скопирован."_s);
}

void ReadingWindow::setBands(const partcode::Bands &bands, const QString &message)
{
    for (int index = 0; index < bands.size(); ++index) {
        BandRow &row = m_rows[index];
        row.colours->setChosen(bands[index] ? int(row.offered.indexOf(*bands[index])) : -1);
    }
    m_message->setCaption(message);
    showBands(false);
    forms::announce(this, message + u' ' + m_answer->accessibleName());
}

void ReadingWindow::tell(const QString &message)
{
    m_message->setCaption(message);
    forms::announce(this, message);
}
