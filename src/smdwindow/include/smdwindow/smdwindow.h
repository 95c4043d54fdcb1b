#pragma once

#include "forms/form.h"
#include "partcode/reading.h"
#include "smdcode/marking.h"

namespace forms {
class CheckBox;
class Label;
class PushButton;
class TextBox;
} // namespace forms

// The code printed on a chip resistor read into its nominal, typical tolerance and range,
// series, letter code and colour bands, each reading of an ambiguous code ranked with the
// reason; or a nominal typed in and every marking that carries it. The answer can be copied,
// and the bands opened in the window that reads colours. Opened modeless from the main window,
// at most once. It lays out, wires and tells; what a marking means, the SMD code decides.
class SmdWindow : public forms::Form
{
    Q_OBJECT

public:
    SmdWindow();

Q_SIGNALS:
    // The user asks to see the answer's bands in the window that reads colours.
    void bandsWanted(const partcode::Bands &bands);

private:
    void createFields();
    void createCommands();

    // Reads the marking, or writes the nominal's markings; shows the answer, keeps its bands for
    // the button and announces it.
    void markingChanged();
    void nominalChanged();
    void showAnswer(const smdcode::Answer &answer, const QString &asked);
    void openBands();
    void copyAnswer();
    void tell(const QString &message);

    forms::TextBox *m_marking = nullptr;
    forms::CheckBox *m_underlined = nullptr;
    forms::Label *m_chip = nullptr;
    forms::TextBox *m_nominal = nullptr;
    forms::PushButton *m_bands = nullptr;
    forms::PushButton *m_copy = nullptr;
    forms::PushButton *m_close = nullptr;
    forms::Label *m_message = nullptr;
    forms::Label *m_answer = nullptr;

    QString m_keptNominal;
    // What the answer answers, a line for the copy: "Маркировка: 472", "Номинал: 4,7к".
    QString m_asked;
    // The bands that "Полосы в окне цветов" shows: the likelier reading's, or the nominal's.
    partcode::Bands m_bandsShown;
};
