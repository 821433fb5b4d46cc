#pragma once
// Splits a script into tokens on demand. Pascal rules: identifiers and
// reserved words without regard to case, { } (* *) and // comments, strings in
// single quotes with '' for a quote, glued to #nn and #$hh character codes, $
// hexadecimal integers. "1..3" is two integers around "..". Bad characters and
// unterminated strings or comments raise TfsError with the position.
#include "report/engine/tfstoken.h"

#include <QString>

class TfsLexer
{
public:
    explicit TfsLexer(const QString &source);

    TfsToken next();

    // The raw text from the current position up to the next ">", which is
    // consumed: the report name of "<frxDBDataset1."Gorevi">". Raises TfsError
    // when there is no ">" before the end of the line.
    QString readUntilGreater(int line, int column);

    const QString &source() const { return m_src; }

    static QString describe(const TfsToken &token);

private:
    void skipBlanksAndComments();
    QChar at(int i) const { return i < m_src.size() ? m_src.at(i) : QChar(); }
    void advance(int n = 1);
    TfsToken number();
    TfsToken string();
    TfsToken identifier();

    QString m_src;
    int m_pos = 0;
    int m_line = 1;
    int m_lineStart = 0;
};
