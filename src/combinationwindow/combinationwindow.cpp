#include "combinationwindow/combinationwindow.h"

#include "combination/owned.h"
#include "combination/texts.h"
#include "forms/accessibility.h"
#include "forms/controls.h"
#include "forms/fonts.h"
#include "partcode/choices.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QShortcut>

#include <limits>

using namespace Qt::StringLiterals;
using AutoSize = forms::Label::AutoSize;

namespace {

// The tolerances a user may give the parts instead of their series', widest first.
constexpr std::array<partcode::Tolerance, 11> Tolerances {
    2000, 1000, 500, 200, 100, 50, 25, 10, 5, 2, 1};

forms::Label *caption(QWidget *client, const QString &name, forms::Place place, const QString &text)
{
    auto *label = new forms::Label(client, name, place, AutoSize::Off);
    label->setCaption(text);
    return label;
}

forms::TextBox *field(QWidget *client, const QString &name, forms::Place place,
    const QString &accessibleName, const QString &text)
{
    auto *box = new forms::TextBox(client, name, place);
    box->setMaxLength(24);
    box->setAccessibleName(accessibleName);
    box->setText(text);
    return box;
}

} // namespace

CombinationWindow::CombinationWindow()
    : forms::Form(Menu::None)
{
    setObjectName(u"combinationWindow"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setCaption(u"Подбираем номинал из стандартных резисторов"_s);
    setBackColor(forms::InactiveBorder);
    setClientSize(9240, 7320);
    setFont(forms::font(forms::Tahoma, 8.25));
    createQuestion();
    createStock();
    createAnswer();
    connect(
        &m_searcher, &combination::Searcher::progressed, this, &CombinationWindow::showProgress);
    kindChanged();
    // Whatever went wrong reading the user's list stays in sight until something else is said.
    const QStringList refused = combination::parseOwned(m_owned->toPlainText()).refused;
    m_refusedCount = refused.size();
    if (m_loaded.isEmpty() && !refused.isEmpty())
        m_loaded = u"Не номиналы, пропущены: "_s + refused.join(u"; "_s);
    m_message->setCaption(m_loaded);
    m_target->setFocus();
}

// What is wanted: a value or a divider, the parts' series, tolerance and count.
void CombinationWindow::createQuestion()
{
    m_value
        = new forms::OptionButton(client(), u"value"_s, {120, 120, 1800, 255}, u"Сопротивление"_s);
    m_divider = new forms::OptionButton(
        client(), u"divider"_s, {2040, 120, 2760, 255}, u"Делитель напряжения"_s);
    m_value->setChecked(true);
    connect(m_value, &QRadioButton::toggled, this, &CombinationWindow::kindChanged);

    m_targetCaption = caption(client(), u"targetCaption"_s, {120, 540, 1500, 195}, {});
    m_target = nominalField(u"target"_s, {1680, 480, 1800, 315}, u"Нужный номинал"_s, {});
    m_target->setPlaceholderText(u"например, 3,5к"_s);
    m_ratio = field(client(), u"ratio"_s, {1680, 480, 1800, 315},
        u"Нужное отношение, Uвых/Uвх или два напряжения через косую черту"_s, {});
    m_ratio->setPlaceholderText(u"например, 3,3/5"_s);
    connect(m_ratio, &forms::TextBox::Change, this, &CombinationWindow::askedChanged);

    QStringList series;
    for (const combination::SeriesChoice &choice : combination::seriesChoices())
        series.append(choice.name);
    caption(client(), u"seriesCaption"_s, {120, 960, 1500, 195}, u"Ряд:"_s)
        ->setBuddy(
            m_series = new forms::ComboBox(client(), u"series"_s, {1680, 900, 1080, 315}, series));
    m_series->setCurrentIndex(combination::DefaultSeries);
    m_series->setAccessibleName(u"Ряд номиналов"_s);

    QStringList tolerances {u"по ряду"_s};
    for (const partcode::Tolerance tolerance : Tolerances)
        tolerances.append(partcode::toleranceText(tolerance));
    caption(client(), u"toleranceCaption"_s, {2880, 960, 840, 195}, u"Допуск:"_s)
        ->setBuddy(m_tolerance
            = new forms::ComboBox(client(), u"tolerance"_s, {3720, 900, 1080, 315}, tolerances));
    m_tolerance->setAccessibleName(u"Допуск резисторов"_s);

    caption(client(), u"partsCaption"_s, {120, 1800, 1500, 195}, u"Резисторов до:"_s)
        ->setBuddy(m_parts = new forms::ComboBox(client(), u"parts"_s, {1680, 1740, 1080, 315},
                       {u"1"_s, u"2"_s, u"3"_s, u"4"_s}));
    m_parts->setCurrentIndex(2);
    m_parts->setAccessibleName(u"Резисторов не больше"_s);

    for (QComboBox *choice : {m_series, m_tolerance, m_parts})
        connect(choice, &QComboBox::currentIndexChanged, this, &CombinationWindow::askedChanged);
}

// Where the parts come from: the range of values, the divider's total, the user's own values.
void CombinationWindow::createStock()
{
    caption(client(), u"rangeCaption"_s, {120, 1380, 1500, 195}, u"Номиналы от:"_s)
        ->setBuddy(m_lowest = nominalField(
                       u"lowest"_s, {1680, 1320, 1080, 315}, u"Номиналы резисторов от"_s, u"1"_s));
    caption(client(), u"rangeToCaption"_s, {2880, 1380, 840, 195}, u"до:"_s)
        ->setBuddy(m_highest = nominalField(u"highest"_s, {3720, 1320, 1080, 315},
                       u"Номиналы резисторов до"_s, u"10М"_s));
    auto *totalCaption
        = caption(client(), u"totalCaption"_s, {2880, 1800, 840, 195}, u"R1+R2 от:"_s);
    totalCaption->setBuddy(m_lowestTotal
        = nominalField(u"lowestTotal"_s, {3720, 1740, 1080, 315}, u"Сумма R1 и R2 от"_s, u"1к"_s));
    m_highestTotal = nominalField(
        u"highestTotal"_s, {3720, 2160, 1080, 315}, u"Сумма R1 и R2 до"_s, u"100к"_s);
    auto *totalToCaption = caption(client(), u"totalToCaption"_s, {2880, 2220, 840, 195}, u"до:"_s);
    totalToCaption->setBuddy(m_highestTotal);
    m_dividerOnly = {totalCaption, m_lowestTotal, totalToCaption, m_highestTotal};

    m_ownedOnly = new forms::CheckBox(
        client(), u"ownedOnly"_s, {120, 2220, 2640, 255}, u"Только мои номиналы"_s);
    connect(m_ownedOnly, &QCheckBox::toggled, this, &CombinationWindow::askedChanged);

    caption(client(), u"ownedCaption"_s, {5040, 180, 4080, 195},
        u"Мои номиналы, по одному в строке:"_s);
    m_owned = new forms::TextArea(client(), u"owned"_s, {5040, 420, 4080, 1740});
    m_owned->setAccessibleName(u"Мои номиналы"_s);
    const combination::OwnedText loaded = combination::loadOwned(combination::ownedPath());
    m_owned->setPlainText(loaded.text);
    m_loaded = loaded.message;
    connect(m_owned, &QPlainTextEdit::textChanged, this, &CombinationWindow::ownedChanged);
    auto *take = new forms::PushButton(
        client(), u"take"_s, {5040, 2160, 2400, 315}, u"Добавить весь ряд"_s);
    connect(take, &QPushButton::clicked, this, &CombinationWindow::takeSeries);
    m_message = new forms::Label(client(), u"message"_s, {120, 2640, 9000, 435}, AutoSize::Off);
}

// The findings, best first, which can be copied; the window closed.
void CombinationWindow::createAnswer()
{
    caption(client(), u"resultsCaption"_s, {120, 3120, 9000, 195}, u"Лучшее, что можно собрать:"_s)
        ->setBuddy(m_results = new forms::ListBox(client(), u"results"_s, {120, 3360, 9000, 3360}));
    m_results->setAccessibleName(u"Что можно собрать"_s);
    auto *copy
        = new forms::PushButton(client(), u"copy"_s, {6060, 6900, 1440, 315}, u"Копировать"_s);
    auto *close
        = new forms::PushButton(client(), u"close"_s, {7680, 6900, 1440, 315}, u"Закрыть"_s);
    close->setCancel();
    connect(copy, &QPushButton::clicked, this, &CombinationWindow::copyResult);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto *copyKeys = new QShortcut(QKeySequence::Copy, m_results);
    copyKeys->setContext(Qt::WidgetShortcut);
    connect(copyKeys, &QShortcut::activated, this, &CombinationWindow::copyResult);
}

bool CombinationWindow::dividerWanted() const
{
    return m_divider->isChecked();
}

void CombinationWindow::kindChanged()
{
    const bool divider = dividerWanted();
    m_targetCaption->setCaption(divider ? u"Uвых/Uвх:"_s : u"Номинал:"_s);
    m_targetCaption->setBuddy(divider ? m_ratio : m_target);
    m_target->setVisible(!divider);
    m_ratio->setVisible(divider);
    for (QWidget *total : std::as_const(m_dividerOnly))
        total->setVisible(divider);
    askedChanged();
}

// A field that takes a nominal, as the F6 window's does: any other text is replaced by the one
// kept before, and the refusal told. The replacement raises Change again, nested, and finds a
// kept text.
forms::TextBox *CombinationWindow::nominalField(
    const QString &name, forms::Place place, const QString &accessibleName, const QString &text)
{
    auto *box = field(client(), name, place, accessibleName, text);
    box->setDropsKept(
        [](const QString &typed) { return partcode::whyNotWritten(typed).isEmpty(); });
    m_kept[box] = text;
    connect(box, &forms::TextBox::Change, this, [this, box] {
        const QString refusal = partcode::whyNotWritten(box->text());
        if (!refusal.isEmpty()) {
            box->setText(m_kept[box]);
            tell(refusal);
            return;
        }
        m_kept[box] = box->text();
        askedChanged();
    });
    return box;
}

partcode::Tolerance CombinationWindow::tolerance() const
{
    const int chosen = m_tolerance->currentIndex();
    if (chosen > 0)
        return Tolerances[std::size_t(chosen - 1)];
    return combination::seriesChoices().value(m_series->currentIndex()).tolerance;
}

std::optional<QList<partcode::Decimal>> CombinationWindow::stock(bool owned)
{
    const auto lowest = partcode::parseNominal(m_lowest->text());
    const auto highest = partcode::parseNominal(m_highest->text());
    if (!lowest || !highest || lowest->digits <= 0 || highest->digits <= 0) {
        tell(u"Укажите, от какого и до какого номинала брать резисторы."_s);
        return std::nullopt;
    }
    const double low = combination::ohms(*lowest);
    const double high = combination::ohms(*highest);
    QList<partcode::Decimal> values;
    if (owned) {
        for (const partcode::Decimal &value :
            combination::parseOwned(m_owned->toPlainText()).values) {
            const double ohms = combination::ohms(value);
            if (ohms >= low * (1 - 1e-12) && ohms <= high * (1 + 1e-12))
                values.append(value);
        }
        if (values.isEmpty())
            tell(u"Среди ваших номиналов нет ни одного от %1 до %2."_s.arg(
                partcode::nominalText(*lowest), partcode::nominalText(*highest)));
    } else {
        const auto &series = combination::seriesChoices().value(m_series->currentIndex());
        values = combination::seriesValues(series.figures, *lowest, *highest);
        if (values.isEmpty())
            tell(u"В ряду %1 нет номиналов от %2 до %3."_s.arg(
                series.name, partcode::nominalText(*lowest), partcode::nominalText(*highest)));
    }
    if (values.size() > combination::MostValues) {
        tell(u"Номиналов от %1 до %2 — %3, а подбор берет не больше %4: "
             u"сузьте диапазон."_s
                 .arg(partcode::nominalText(*lowest), partcode::nominalText(*highest))
                 .arg(values.size())
                 .arg(combination::MostValues));
        return std::nullopt;
    }
    if (values.isEmpty())
        return std::nullopt;
    return values;
}

void CombinationWindow::askedChanged()
{
    m_searcher.cancel();
    m_searching = 0;
    m_results->clear();
    m_best.clear();
    m_message->setCaption(QString());
    combination::Request request;
    request.mostParts = m_parts->currentIndex() + 1;
    if (dividerWanted()) {
        request.kind = combination::Request::Kind::Divider;
        const QString typed = m_ratio->text().trimmed();
        const auto target = combination::parseDividerTarget(typed);
        if (!target) {
            if (!typed.isEmpty())
                tell(u"«%1» — не отношение: введите Uвых/Uвх меньше единицы, например 0,66, или "
                     u"два напряжения, например 3,3/5."_s.arg(typed));
            return;
        }
        const auto lowest = partcode::parseNominal(m_lowestTotal->text());
        const auto highest = partcode::parseNominal(m_highestTotal->text());
        if (!lowest || !highest || !(combination::ohms(*lowest) < combination::ohms(*highest))) {
            tell(u"Укажите сумму R1 и R2: от меньшего номинала до большего."_s);
            return;
        }
        request.divider = *target;
        request.lowestTotal = combination::ohms(*lowest);
        request.highestTotal = combination::ohms(*highest);
    } else {
        const auto target = partcode::parseNominal(m_target->text());
        if (!target || target->digits <= 0)
            return;
        request.target = combination::ohms(*target);
    }
    const auto values = stock(m_ownedOnly->isChecked());
    if (!values)
        return;
    request.stock = *values;
    m_request = request;
    // What was asked, the first line of the whole answer copied.
    const QString source
        = (m_ownedOnly->isChecked() ? u"мои номиналы"_s : u"ряд "_s + m_series->currentText())
        + u" от "_s + partcode::nominalText(values->first()) + u" до "_s
        + partcode::nominalText(values->last());
    m_asked = (dividerWanted() ? u"Делитель, Uвых/Uвх: "_s + m_ratio->text().trimmed()
                          + u", R1+R2 от "_s + m_lowestTotal->text().trimmed() + u" до "_s
                          + m_highestTotal->text().trimmed()
                               : u"Номинал: "_s + m_target->text().trimmed())
        + u"; "_s + source + u", резисторов до "_s + m_parts->currentText();
    m_searching = m_searcher.find(request);
    m_message->setCaption(u"Ищу…"_s);
}

void CombinationWindow::showProgress(const combination::Progress &progress)
{
    if (progress.request != m_searching)
        return;
    const partcode::Tolerance partsTolerance = tolerance();
    const bool divider = m_request.kind == combination::Request::Kind::Divider;
    QStringList lines;
    if (divider) {
        for (const combination::Divider &found : progress.dividers)
            lines.append(combination::dividerText(
                found, m_request.stock, m_request.divider, partsTolerance));
    } else {
        // Of one part, the nearest alone.
        for (const combination::Found &found : progress.found) {
            lines.append(
                combination::foundText(found, m_request.stock, m_request.target, partsTolerance));
            if (progress.parts == 1)
                break;
        }
    }
    auto *heading
        = new QListWidgetItem(combination::partsCaption(progress.parts) + u':', m_results);
    heading->setFlags(Qt::ItemIsEnabled);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    if (lines.isEmpty())
        lines.append(u"ничего в пределах суммы R1 и R2"_s);
    m_results->addItems(lines);
    // The best of all: the nearest, of equal error the one of fewer parts, as the counts come
    // in order.
    constexpr double None = std::numeric_limits<double>::infinity();
    const double error = divider
        ? (progress.dividers.isEmpty() ? None : std::abs(progress.dividers.first().error))
        : (progress.found.isEmpty() ? None : std::abs(progress.found.first().error));
    if (progress.parts == (divider ? 2 : 1) || error < m_bestError) {
        m_bestError = error;
        m_best = lines.first();
    }
    if (!progress.done) {
        m_message->setCaption(u"Ищу сочетания из %1 резисторов…"_s.arg(progress.parts + 1));
        return;
    }
    m_message->setCaption(QString());
    if (m_best != m_announced) {
        m_announced = m_best;
        forms::announce(this, u"Лучшее: "_s + m_best);
    }
}

void CombinationWindow::ownedChanged()
{
    const QString text = m_owned->toPlainText();
    const QString failed = combination::saveOwned(combination::ownedPath(), text);
    const QStringList refused = combination::parseOwned(text).refused;
    // Lines that are no value are shown as they are typed, and told only as their count
    // changes, so that a word typed is not told at each of its letters.
    const QString skipped
        = refused.isEmpty() ? QString() : u"Не номиналы, пропущены: "_s + refused.join(u"; "_s);
    if (!failed.isEmpty())
        tell(failed);
    else if (refused.size() != m_refusedCount)
        tell(skipped);
    else if (!skipped.isEmpty())
        m_message->setCaption(skipped);
    m_refusedCount = refused.size();
    if (m_ownedOnly->isChecked())
        askedChanged();
}

// The series' values in the range added to the user's, each value once: the user then strikes
// out what they have not.
void CombinationWindow::takeSeries()
{
    const auto values = stock(false);
    if (!values)
        return;
    QString text = m_owned->toPlainText();
    const QList<partcode::Decimal> owned = combination::parseOwned(text).values;
    QList<partcode::Decimal> missing;
    for (const partcode::Decimal &value : *values) {
        if (!owned.contains(value))
            missing.append(value);
    }
    if (!text.isEmpty() && !text.endsWith(u'\n'))
        text += u'\n';
    m_owned->setPlainText(text + combination::ownedText(missing));
    tell(u"В ваш список добавлены номиналы ряда %1, которых в нем не было: %2."_s
             .arg(m_series->currentText())
             .arg(missing.size()));
}

void CombinationWindow::copyResult()
{
    QStringList lines;
    const QListWidgetItem *current = m_results->currentItem();
    if (current && (current->flags() & Qt::ItemIsSelectable)) {
        lines.append(current->text());
    } else if (m_results->count() > 0) {
        lines.append(m_asked);
        for (int row = 0; row < m_results->count(); ++row)
            lines.append(m_results->item(row)->text());
    }
    if (lines.isEmpty()) {
        tell(u"Копировать нечего: подбор еще не дал ответа."_s);
        return;
    }
    QGuiApplication::clipboard()->setText(lines.join(u'\n'));
    tell(lines.size() == 1 ? u"Строка скопирована."_s : u"Ответ скопирован."_s);
}

void CombinationWindow::tell(const QString &message)
{
    m_message->setCaption(message);
    forms::announce(this, message);
}
