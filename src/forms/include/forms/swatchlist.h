#pragma once

#include "formsvalues/colour.h"
#include "formsvalues/twips.h"

#include <QList>
#include <QString>
#include <QWidget>

namespace forms {

// One of many, chosen from a row of colour swatches, each named by what it stands for. To
// assistive technology it is a list, each swatch a list item with its name, the chosen one
// selected and, while the list has the keyboard, focused, as the items of Qt's own lists are.
// Tab reaches it as one stop; the arrow keys, Home and End step through the swatches, a key
// that an item carries picks that item, and a click picks the swatch under it. The chosen
// swatch is framed black and white, so that it shows on any colour; a swatch's tool tip is its
// name.
class SwatchList : public QWidget
{
    Q_OBJECT

public:
    struct Item
    {
        ColourValue colour = 0;
        QString name;
        // The key that picks the item, where one does.
        QChar key;

        friend bool operator==(const Item &, const Item &) = default;
    };

    SwatchList(QWidget *container, const QString &name, Place place);

    // The swatches offered, the list as wide as they are; none of them is chosen where they are
    // others than before.
    void setItems(const QList<Item> &items);
    const QList<Item> &items() const { return m_items; }
    // The chosen item, or -1 while none is.
    int chosen() const { return m_chosen; }
    // Chooses the item, or none with -1, without raising picked.
    void setChosen(int index);
    // How the user chose: by a key, which moves the focus to the item, so that a screen reader
    // says it; or by the pointer or assistive technology, which a screen reader may take as
    // told already.
    enum class Means { Key, Pointer };
    Q_ENUM(Means)
    // Chooses the item as the user does, raising picked where the choice changes.
    void pick(int index, Means means);
    // The swatch of the item, in the list's own pixels; the width of every swatch in twips.
    QRect swatchRect(int index) const;
    static constexpr int SwatchWidth = 330;

Q_SIGNALS:
    // Raised when the user chooses another item.
    void picked(forms::SwatchList::Means means);
    // Raised for a digit key that no item carries.
    void refused(QChar key);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    int swatchAt(QPoint point) const;

    QList<Item> m_items;
    int m_chosen = -1;
};

} // namespace forms
