#pragma once

#include "formsvalues/twips.h"
#include "partcode/reading.h"

#include <QWidget>

#include <optional>

// One band of a part: a row of swatches, one per colour its place may carry, of which one is
// chosen or none yet. Tab reaches it as one stop; the arrow keys, Home and End step through its
// colours, a digit key picks the colour of that digit, and a click picks the swatch under it.
// The chosen swatch is framed black and white, so that it shows on any colour.
class BandPicker : public QWidget
{
    Q_OBJECT

public:
    BandPicker(QWidget *container, const QString &name, forms::Place place);

    // The colours offered, in the standard's order, the picker as wide as their swatches; a
    // chosen colour not among them is dropped.
    void setColours(const QList<partcode::Colour> &colours);
    std::optional<partcode::Colour> colour() const;
    // Chooses the colour, or none, without raising picked.
    void setColour(std::optional<partcode::Colour> colour);

    // The width of a swatch, in twips.
    static constexpr int SwatchWidth = 330;

Q_SIGNALS:
    // Raised when the user chooses a colour.
    void picked();
    // Raised for a digit key whose figure no colour of the band stands for.
    void refused(int digit);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QRect swatchRect(int index) const;
    void pick(int index);

    QList<partcode::Colour> m_colours;
    int m_chosen = -1;
};
