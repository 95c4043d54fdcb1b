#include "readingwindow/readingwindow.h"

#include "colourcode/colourtable.h"
#include "forms/accessibility.h"
#include "forms/controls.h"
#include "forms/fonts.h"
#include "partcode/answer.h"
#include "readingwindow/bandpicker.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;
using AutoSize = forms::Label::AutoSize;
using partcode::Colour;
using partcode::Place;

namespace {

// The drawn part: the main window's body colour and outline, its band width and lead lines.
using colourcode::BodyColour;
constexpr forms::Place Body {3420, 3300, 2400, 615};
constexpr int BandWidth = 135;

// Where a band stands on the body, from its left end, in twips: the figures and the multiplier
// together, the tolerance set apart, the temperature coefficient last; a zero-ohm link's single
// band in the middle.
int bandOffset(const QList<Place> &placesRead, int index)
{
    switch (placesRead[index]) {
    case Place::Figure:
    case Place::Multiplier:
        return 300 + 240 * index;
    case Place::Tolerance:
        return 1560;
    case Place::TemperatureCoefficient:
        return 1920;
    case Place::ZeroOhm:
        return (Body.width - BandWidth) / 2;
    }
    return 0;
}

// What the nominal field keeps: digits, the decimal signs, spaces, and the letters of the units
// and of the letter code.
bool nominalKept(const QString &text)
{
    static const QRegularExpression kept(u"^[0-9.,\\sRrKkКкMМmмGgГгОоOoHhΩ]*$"_s);
    return kept.match(text).hasMatch();
}

// The colour a place's band carries by default when a nominal is put on bands and it holds
// none yet: ±5 % on four bands, ±1 % and 100 ppm/K on five and six.
iec60062::Tolerance defaultTolerance(int count)
{
    switch (count) {
    case 3:
        return iec60062::WithoutBand;
    case 4:
        return 500;
    default:
        return 100;
    }
}

} // namespace

ReadingWindow::ReadingWindow()
    : forms::Form(Menu::None)
{
    setObjectName(u"readingWindow"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setCaption(u"Определяем номинал из цветов резистора"_s);
    setBackColor(forms::InactiveBorder);
    setClientSize(9240, 6900);
    setFont(forms::font(forms::Tahoma, 8.25));
    createBandCount();
    createBands();
    createDrawing();
    createCommands();
    m_counts[1]->setChecked(true);
    countChosen();
    m_rows[0].picker->setFocus();
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
        row.picker = new BandPicker(
            client(), u"band"_s + number, {2280, top, BandPicker::SwatchWidth * 13, 330});
        row.meaning = new forms::Label(
            client(), u"bandMeaning"_s + number, {6690, top + 60, 2430, 195}, AutoSize::Off);
        connect(row.picker, &BandPicker::picked, this, &ReadingWindow::bandPicked);
        connect(row.picker, &BandPicker::refused, this,
            [this, index](int digit) { digitRefused(index, digit); });
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

// The nominal put on bands, the bands turned round, the window closed; what was refused, and
// the answer.
void ReadingWindow::createCommands()
{
    auto *nominalCaption
        = new forms::Label(client(), u"nominalCaption"_s, {120, 4140, 900, 195}, AutoSize::Off);
    nominalCaption->setCaption(u"Номинал:"_s);
    m_nominal = new forms::TextBox(client(), u"nominal"_s, {1080, 4080, 1800, 315});
    m_nominal->setMaxLength(24);
    m_nominal->setAccessibleName(u"Номинал, чтобы поставить на полосы"_s);
    m_nominal->setDropsKept(nominalKept);
    nominalCaption->setBuddy(m_nominal);
    connect(m_nominal, &forms::TextBox::Change, this, &ReadingWindow::nominalChanged);
    connect(m_nominal, &QLineEdit::returnPressed, this, &ReadingWindow::putOnBands);

    m_putOnBands = new forms::PushButton(
        client(), u"putOnBands"_s, {3000, 4080, 1800, 315}, u"Поставить полосы"_s);
    m_reverse
        = new forms::PushButton(client(), u"reverse"_s, {4920, 4080, 1800, 315}, u"Перевернуть"_s);
    m_close = new forms::PushButton(client(), u"close"_s, {7320, 4080, 1800, 315}, u"Закрыть"_s);
    m_close->setCancel();
    connect(m_putOnBands, &QPushButton::clicked, this, &ReadingWindow::putOnBands);
    connect(m_reverse, &QPushButton::clicked, this, &ReadingWindow::reverseBands);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);

    m_message = new forms::Label(client(), u"message"_s, {120, 4500, 9000, 195}, AutoSize::Off);
    m_answer = new forms::Label(client(), u"answer"_s, {120, 4800, 9000, 1950}, AutoSize::Off);
}

partcode::Bands ReadingWindow::bands() const
{
    partcode::Bands chosen;
    for (int index = 0; index < m_places.size(); ++index)
        chosen.append(m_rows[index].picker->colour());
    return chosen;
}

int ReadingWindow::bandCount() const
{
    static constexpr std::array<int, 5> counts {3, 4, 5, 6, 1};
    for (std::size_t index = 0; index < m_counts.size(); ++index) {
        if (m_counts[index]->isChecked())
            return counts[index];
    }
    return 4;
}

void ReadingWindow::countChosen()
{
    const partcode::Bands before = bands();
    const QList<Place> placesBefore = m_places;
    m_places = partcode::places(bandCount());
    // A band keeps its colour where the same place stays: the figures in their order, the
    // multiplier, the tolerance and the temperature coefficient.
    const auto heldBefore = [&](int index) -> std::optional<Colour> {
        const Place place = m_places[index];
        int ordinal = 0;
        for (int earlier = 0; earlier < index; ++earlier)
            ordinal += m_places[earlier] == place ? 1 : 0;
        for (int old = 0; old < placesBefore.size(); ++old) {
            if (placesBefore[old] == place && ordinal-- == 0)
                return before[old];
        }
        return std::nullopt;
    };
    for (int index = 0; index < MaxBands; ++index) {
        BandRow &row = m_rows[index];
        const bool shown = index < m_places.size();
        if (shown) {
            const std::optional<Colour> held = heldBefore(index);
            row.picker->setColours(partcode::coloursOf(m_places[index]));
            row.picker->setColour(held);
            row.drawn->move(
                forms::twipsToPixels(Body.left + bandOffset(m_places, index)), row.drawn->y());
        }
        const std::array<QWidget *, 4> controls {row.caption, row.picker, row.meaning, row.drawn};
        for (QWidget *control : controls) {
            if (control->isVisibleTo(this) != shown) {
                control->setVisible(shown);
                forms::reportVisibility(control);
            }
        }
    }
    m_reverse->setEnabled(m_places.size() > 1);
    showBands(isVisible());
}

void ReadingWindow::showBands(bool announce)
{
    const partcode::Bands chosen = bands();
    QStringList colours;
    for (int index = 0; index < m_places.size(); ++index) {
        BandRow &row = m_rows[index];
        const QString name = partcode::bandName(chosen, index);
        row.caption->setCaption(
            u"Полоса %1, %2"_s.arg(index + 1).arg(partcode::placeName(m_places, index)));
        const std::optional<Colour> colour = chosen[index];
        row.meaning->setCaption(
            colour ? partcode::colourAndMeaning(m_places[index], *colour) : u"не выбран"_s);
        row.picker->setAccessibleName(name);
        row.drawn->setBackColor(colour ? partcode::colourValue(*colour) : BodyColour);
        row.drawn->describe(name);
        colours.append(colour ? partcode::colourName(*colour) : u"без цвета"_s);
    }
    m_body->describe(u"Резистор: "_s + colours.join(u", "_s));
    const QStringList answer = partcode::answer(chosen);
    m_answer->setCaption(answer.join(u'\n'));
    m_answer->setAccessibleName(answer.join(u' '));
    if (announce)
        forms::announce(this, answer.join(u' '));
}

void ReadingWindow::bandPicked()
{
    m_message->setCaption(QString());
    showBands(true);
}

void ReadingWindow::digitRefused(int index, int digit)
{
    tell(u"Цифре %1 не отвечает ни один цвет полосы %2 (%3)."_s.arg(digit).arg(index + 1).arg(
        partcode::placeName(m_places, index)));
}

// Keeps the field to what a nominal is written with: any other text is replaced by the one
// kept before, and the refusal is told. The replacement raises Change again, nested, and finds
// a kept text.
void ReadingWindow::nominalChanged()
{
    if (nominalKept(m_nominal->text())) {
        m_keptNominal = m_nominal->text();
        return;
    }
    const QString refused = m_nominal->text();
    m_nominal->setText(m_keptNominal);
    tell(
        u"Не принято «%1»: номинал пишут цифрами, запятой и буквами единиц (к, М, Г, R, Ом)."_s.arg(
            refused));
}

void ReadingWindow::putOnBands()
{
    const QString written = m_nominal->text().trimmed();
    const auto nominal = partcode::parseNominal(written);
    if (!nominal) {
        tell(written.isEmpty()
                ? u"Номинал не введен: напишите его, например 4,7к, 4K7, 10 кОм или 0,22."_s
                : u"«%1» не номинал: пишут, например, 4,7к, 4K7, 10 кОм или 0,22."_s.arg(written));
        return;
    }
    const int count = bandCount();
    const partcode::Bands chosen = bands();
    const auto toleranceBand = m_places.indexOf(Place::Tolerance);
    const auto chosenTolerance = toleranceBand >= 0 && chosen[toleranceBand]
        ? iec60062::meaning(*chosen[toleranceBand]).tolerance
        : std::nullopt;
    const auto coefficientBand = m_places.indexOf(Place::TemperatureCoefficient);
    const auto chosenCoefficient = coefficientBand >= 0 && chosen[coefficientBand]
        ? iec60062::meaning(*chosen[coefficientBand]).temperatureCoefficient
        : std::nullopt;
    const auto put = partcode::bandsOf(*nominal, count,
        chosenTolerance.value_or(defaultTolerance(count)), chosenCoefficient.value_or(100));
    if (!put) {
        tell(partcode::whyNotOnBands(*nominal, count));
        return;
    }
    setBands(*put, u"Полосы поставлены: %1."_s.arg(partcode::nominalText(*nominal)));
}

void ReadingWindow::reverseBands()
{
    const partcode::Bands chosen = bands();
    const auto back = partcode::reversed(chosen);
    if (!back) {
        tell(u"С другого конца эти полосы не читаются"_s + partcode::whyNotReversed(chosen) + u'.');
        return;
    }
    setBands(*back, u"Полосы перевернуты: читаем с другого конца."_s);
}

void ReadingWindow::setBands(const partcode::Bands &bands, const QString &message)
{
    for (int index = 0; index < bands.size(); ++index)
        m_rows[index].picker->setColour(bands[index]);
    m_message->setCaption(message);
    showBands(false);
    forms::announce(this, message + u' ' + m_answer->accessibleName());
}

void ReadingWindow::tell(const QString &message)
{
    m_message->setCaption(message);
    forms::announce(this, message);
}
