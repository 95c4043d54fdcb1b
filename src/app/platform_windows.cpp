// The start on Windows. The program is a windowed one, without a console of its own: an answer
// to an option goes to the console it was started from, and a start that fails says why in a
// message box.

#include "app/platform.h"

#include "program/program.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include <windows.h>

using namespace Qt::StringLiterals;

namespace app::platform {

bool writeAnswer(const QByteArray &utf8)
{
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    // Started from a console without a redirection, the program has no standard output: the
    // console it was started from takes the answer.
    if ((out == nullptr || out == INVALID_HANDLE_VALUE) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        out = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
            OPEN_EXISTING, 0, nullptr);
    }
    if (out == nullptr || out == INVALID_HANDLE_VALUE) {
        errno = EBADF;
        return false;
    }
    // A console takes the text in UTF-16, whatever its code page; a file or a pipe the bytes.
    DWORD mode = 0;
    DWORD written = 0;
    bool whole = false;
    if (GetConsoleMode(out, &mode)) {
        const QString text = QString::fromUtf8(utf8);
        whole = WriteConsoleW(out, text.utf16(), DWORD(text.size()), &written, nullptr)
            && written == DWORD(text.size());
    } else {
        whole = WriteFile(out, utf8.constData(), DWORD(utf8.size()), &written, nullptr)
            && written == DWORD(utf8.size());
    }
    if (!whole)
        errno = GetLastError() == ERROR_DISK_FULL ? ENOSPC : EIO;
    return whole;
}

void platformFailed(bool, const QStringList &said, const QString &fatal)
{
    // Where no platform plugin could be loaded at all, Qt has shown its own box already, in its
    // words; a second one would only repeat it.
    if (!fatal.contains(u"no Qt platform plugin could be initialized"_s)) {
        QString why = u"Цветознак не может начать работу. / Tsvetoznak cannot start.\n\n"_s;
        for (const QString &line : said)
            why += line + u'\n';
        why += fatal;
        MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(why.utf16()),
            reinterpret_cast<const wchar_t *>(program::Name.utf16()), MB_OK | MB_ICONERROR);
    }
    std::_Exit(1);
}

} // namespace app::platform
