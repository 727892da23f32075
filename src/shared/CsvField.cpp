// Writing and reading back one CSV cell.
#include "shared/CsvField.h"

namespace CsvField {

namespace {

bool startsFormula(QChar c)
{
    return c == QLatin1Char('=') || c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char('@');
}

// Whether a spreadsheet could read the text as a formula: its first character, or the
// first one after the blanks that an import may trim, starts one; a leading tab or carriage
// return does too, as some spreadsheets drop it and read what follows.
bool looksLikeFormula(QStringView text)
{
    if (text.isEmpty())
        return false;
    if (text.front() == QLatin1Char('\t') || text.front() == QLatin1Char('\r'))
        return true;
    for (QChar c : text) {
        if (!c.isSpace())
            return startsFormula(c);
    }
    return false;
}

// Whether cell() puts an apostrophe first: before a formula-like text, and before a text whose
// own leading apostrophes hide one, so that text() can always tell which apostrophe is ours.
bool needsApostrophe(QStringView text)
{
    while (!text.isEmpty() && text.front() == QLatin1Char('\''))
        text = text.mid(1);
    return looksLikeFormula(text);
}

} // namespace

QString cell(const QString &text)
{
    QString field = text;
    field.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (needsApostrophe(field))
        field.prepend(QLatin1Char('\''));
    if (!field.contains(QLatin1Char(';')) && !field.contains(QLatin1Char('"')))
        return field;
    field.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

QString text(const QString &field)
{
    // Only an apostrophe cell() added is taken away: a name such as "'Ana" that starts with
    // one of its own is kept whole.
    if (field.startsWith(QLatin1Char('\'')) && needsApostrophe(QStringView(field).mid(1)))
        return field.mid(1);
    return field;
}

} // namespace CsvField
