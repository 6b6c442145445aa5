#include "SheetName.h"

namespace host::xlsx {
namespace {

// Counted in characters, not UTF-16 units, as the workbook counts them.
QString Truncated(const QString& name, int length)
{
    const QVector<uint> characters = name.toUcs4();
    if (characters.size() <= length)
        return name;
    return QString::fromUcs4(characters.constData(), length);
}

QString Cleaned(const QString& wanted)
{
    QString name = wanted;
    for (QChar& character : name) {
        if (QStringLiteral("[]:*?/\\").contains(character) || character.category() == QChar::Other_Control)
            character = QLatin1Char(' ');
    }
    while (name.startsWith(QLatin1Char('\'')))
        name.remove(0, 1);
    name = Truncated(name, MaxSheetNameLength);
    while (name.endsWith(QLatin1Char('\'')) || name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    // Excel keeps "History" for itself.
    if (name.isEmpty() || name.compare(QLatin1String("History"), Qt::CaseInsensitive) == 0)
        name = QStringLiteral("Sheet");
    return name;
}

} // namespace

QString MakeSheetName(const QString& wanted, const QStringList& taken)
{
    const QString base = Cleaned(wanted);
    QString name = base;
    for (int number = 2; taken.contains(name, Qt::CaseInsensitive); ++number) {
        const QString suffix = QStringLiteral("~%1").arg(number);
        name = Truncated(base, MaxSheetNameLength - suffix.size()) + suffix;
    }
    return name;
}

QString ContinuationSheetName(const QString& first, int part)
{
    const QString suffix = QStringLiteral(" (%1)").arg(part);
    return Truncated(first, MaxSheetNameLength - suffix.size()) + suffix;
}

} // namespace host::xlsx
