#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What the start of the program does as its platform has it done, one file per platform.
namespace app::platform {

// Writes an answer to an option, in UTF-8, where the user who asked reads it: standard output,
// or the console the program was started from. Gives false, with errno set, where it could not.
bool writeAnswer(const QByteArray &utf8);

// Ends a start whose graphical platform could not be opened with status 1, without a core dump,
// saying why as plainly as what went wrong allows. `asked`: whether the user named a platform or
// a display; `said`: what Qt said of the platform while opening it; `fatal`: its last word.
[[noreturn]] void platformFailed(bool asked, const QStringList &said, const QString &fatal);

} // namespace app::platform
