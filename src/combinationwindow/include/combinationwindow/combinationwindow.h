#pragma once

#include "combination/searcher.h"
#include "forms/form.h"
#include "formsvalues/twips.h"

#include <map>
#include <optional>

namespace forms {
class CheckBox;
class ComboBox;
class Label;
class ListBox;
class OptionButton;
class TextArea;
class TextBox;
} // namespace forms

// A value wanted, or a voltage divider, made of standard parts: the nearest single value, then
// the best series and parallel networks of two, three and four parts, ranked as the user types;
// from an E series within a range of values, or from the values the user owns, a list kept
// between runs. The search runs beside the window and never holds it up. Opened modeless from
// the main window, at most once. It lays out, wires and tells; the finding is the library's.
class CombinationWindow : public forms::Form
{
    Q_OBJECT

public:
    CombinationWindow();

private:
    void createQuestion();
    void createStock();
    void createAnswer();

    // Any change of what is asked: the search started anew, or why it cannot be.
    void askedChanged();
    void kindChanged();
    forms::TextBox *nominalField(const QString &name, forms::Place place,
        const QString &accessibleName, const QString &text);
    void ownedChanged();
    void takeSeries();
    void showProgress(const combination::Progress &progress);
    void copyResult();
    void tell(const QString &message);

    // The values searched: the series' or the owned ones within the range; none, and the reason
    // told, where there are none, or more than a search takes.
    std::optional<QList<partcode::Decimal>> stock(bool owned);
    partcode::Tolerance tolerance() const;
    bool dividerWanted() const;

    forms::OptionButton *m_value = nullptr;
    forms::OptionButton *m_divider = nullptr;
    forms::Label *m_targetCaption = nullptr;
    forms::TextBox *m_target = nullptr;
    forms::TextBox *m_ratio = nullptr;
    forms::ComboBox *m_series = nullptr;
    forms::ComboBox *m_tolerance = nullptr;
    forms::ComboBox *m_parts = nullptr;
    forms::TextBox *m_lowest = nullptr;
    forms::TextBox *m_highest = nullptr;
    forms::TextBox *m_lowestTotal = nullptr;
    forms::TextBox *m_highestTotal = nullptr;
    forms::CheckBox *m_ownedOnly = nullptr;
    forms::TextArea *m_owned = nullptr;
    forms::Label *m_message = nullptr;
    forms::ListBox *m_results = nullptr;

    combination::Searcher m_searcher;
    // What the search under way was asked, to write its findings.
    combination::Request m_request;
    int m_searching = 0;
    QString m_asked;
    // The best finding of the search so far, and the last one announced: a search done tells
    // its best where it is another.
    QString m_best;
    QString m_announced;
    double m_bestError = 0;
    // What reading the user's list found wrong, or nothing; how many of its lines are no value.
    QString m_loaded;
    qsizetype m_refusedCount = 0;
    // What each field that takes a nominal holds, kept to put back what it refuses.
    std::map<forms::TextBox *, QString> m_kept;
    // The divider's own fields, shown for a divider alone.
    QList<QWidget *> m_dividerOnly;
};
