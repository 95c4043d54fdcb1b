#pragma once

#include "forms/form.h"
#include "forms/swatchlist.h"
#include "partcode/reading.h"

#include <array>

namespace forms {
class Frame;
class Label;
class OptionButton;
class PushButton;
class Shape;
class TextBox;
} // namespace forms

// The colour code read the other way: the bands of a part in hand, 3 to 6 or the single band
// of a zero-ohm link, chosen one by one and read into its nominal, tolerance, temperature
// coefficient, standard series and letter code, from either end; or a nominal typed in and
// put on the bands. The answer can be copied. Opened modeless from the main window, at most
// once. It lays out, wires and tells; what the bands mean and what may be done with them, the
// part code decides.
class ReadingWindow : public forms::Form
{
    Q_OBJECT

public:
    ReadingWindow();

    static constexpr int MaxBands = 6;

    // Shows a part of those bands, all chosen, and tells that they were put on.
    void showPart(const partcode::Bands &bands);

private:
    void createBandCount();
    void createBands();
    void createDrawing();
    void createCommands();

    // The bands as the lists hold them.
    partcode::Bands bands() const;
    int bandCount() const;
    // Offers each band the colours of its role, keeping what the same role held before.
    void countChosen();
    // Shows the bands' names, the drawn part and the answer; announces the answer.
    void showBands(bool announce);
    void bandPicked(int index, forms::SwatchList::Means means);
    void digitRefused(int index, QChar digit);
    void nominalChanged();
    void putOnBands();
    void reverseBands();
    void copyAnswer();
    // Puts the bands on the lists and tells the message with the new answer.
    void setBands(const partcode::Bands &bands, const QString &message);
    void tell(const QString &message);

    struct BandRow
    {
        forms::Label *caption = nullptr;
        forms::SwatchList *colours = nullptr;
        forms::Label *meaning = nullptr;
        forms::Shape *drawn = nullptr;
        // The colours the list offers, in its order.
        QList<partcode::Colour> offered;
    };

    forms::Frame *m_countFrame = nullptr;
    std::array<forms::OptionButton *, 5> m_counts {};
    std::array<BandRow, MaxBands> m_rows {};
    forms::Shape *m_body = nullptr;
    forms::TextBox *m_nominal = nullptr;
    forms::PushButton *m_putOnBands = nullptr;
    forms::PushButton *m_reverse = nullptr;
    forms::PushButton *m_copy = nullptr;
    forms::PushButton *m_close = nullptr;
    forms::Label *m_message = nullptr;
    forms::Label *m_answer = nullptr;

    QString m_keptNominal;
    QList<partcode::BandRole> m_roles;
};
