#pragma once

#include "partcode/reading.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// The values a user owns: a list they type, one value a line, kept between runs in a file of
// the user's own.
namespace combination {

// Where the list is kept: the program's data folder in the platform's place for it.
QString ownedPath();

// The list as read: its text, and what went wrong, or an empty message. A file that is not a
// list (not text, or too long to be one) is kept aside, beside it with ".damaged" added, so that
// saving a new list never overwrites it, and the message says where.
struct OwnedText
{
    QString text;
    QString message;
};
OwnedText loadOwned(const QString &path);
// Writes the list whole or not at all: a crash or a full disk leaves the one before. The message
// when it could not be written, or an empty one.
QString saveOwned(const QString &path, const QString &text);

// The values of the list, ascending, each once, and the lines that are no value, each as
// "строка 3: «абв»".
struct OwnedValues
{
    QList<partcode::Decimal> values;
    QStringList refused;
};
OwnedValues parseOwned(const QString &text, const QLocale &locale = QLocale());
// The values, one a line, as the main window writes a nominal.
QString ownedText(const QList<partcode::Decimal> &values, const QLocale &locale = QLocale());

} // namespace combination
