#include "combination/owned.h"

#include "combination/network.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace combination {

namespace {

// Far more than anyone's drawer: a longer file is not a list.
constexpr qint64 LongestList = 256 * 1024;

QString keptAside(const QString &path, const QString &why)
{
    const QString aside = path + u".damaged"_s;
    QFile::remove(aside);
    if (!QFile::copy(path, aside))
        return u"Файл списка ваших номиналов %1 %2; отложить его в сторону не удалось, он "
               u"останется как есть, пока вы не измените список."_s.arg(
                   QDir::toNativeSeparators(path), why);
    return u"Файл списка ваших номиналов %1 %2. Он отложен как %3, список начат заново."_s.arg(
        QDir::toNativeSeparators(path), why, QDir::toNativeSeparators(aside));
}

} // namespace

QString ownedPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + u"/owned-values.txt"_s;
}

OwnedText loadOwned(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return {{}, u"Список ваших номиналов не прочитан: %1."_s.arg(file.errorString())};
    if (file.size() > LongestList)
        return {{}, keptAside(path, u"слишком велик для списка"_s)};
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(bytes);
    if (decoder.hasError() || text.contains(QChar(0)))
        return {{}, keptAside(path, u"поврежден: это не текст"_s)};
    return {text, {}};
}

QString saveOwned(const QString &path, const QString &text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        return u"Список ваших номиналов не сохранен: %1. В файле остался прежний."_s.arg(
            file.errorString());
    return {};
}

OwnedValues parseOwned(const QString &text, const QLocale &locale)
{
    OwnedValues owned;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        const auto value = partcode::parseNominal(line, locale);
        if (value && value->digits > 0)
            owned.values.append(partcode::normalised(*value));
        else
            owned.refused.append(u"строка %1: «%2»"_s.arg(i + 1).arg(line));
    }
    std::sort(owned.values.begin(), owned.values.end(),
        [](const partcode::Decimal &a, const partcode::Decimal &b) { return ohms(a) < ohms(b); });
    owned.values.erase(std::unique(owned.values.begin(), owned.values.end()), owned.values.end());
    return owned;
}

QString ownedText(const QList<partcode::Decimal> &values, const QLocale &locale)
{
    QStringList lines;
    for (const partcode::Decimal &value : values)
        lines.append(partcode::nominalText(value, locale));
    return lines.join(u'\n') + u'\n';
}

} // namespace combination
