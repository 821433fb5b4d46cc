#pragma once
// The page-range text of the print dialog: numbers and ranges separated by
// commas, "1,3,5-12"; "5-" runs to the last page.
//
// ParsePageNumbers empties `list` and fills it with the page numbers as
// decimal text, in the order written, duplicates included; an empty text
// leaves it empty, which the print loop reads as every page. Blanks anywhere
// are ignored. A range whose end is below its start adds nothing. Anything
// that is not a number - an empty number (",,", a leading "-") included -
// throws EConvertError before the list is used.
//
// A range never adds numbers above `pageCount`: they match no page, and a
// typed "1-999999999" must not fill the memory with a billion entries.
#include <QString>
#include <QStringList>

void ParsePageNumbers(const QString &text, QStringList &list, int pageCount);
