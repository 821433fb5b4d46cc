#include "records/db/textarena.h"

#include <algorithm>

namespace db {

QString TextArena::hold(QStringView text)
{
    if (text.isEmpty())
        return QStringLiteral("");
    const qsizetype n = text.size();
    if (n > blockSize / 4) {
        // A long text gets a block of its own.
        m_blocks.insert(m_blocks.begin(), std::make_unique<QChar[]>(n));
        std::copy(text.begin(), text.end(), m_blocks.front().get());
        return QString::fromRawData(m_blocks.front().get(), n);
    }
    if (m_used + n > blockSize) {
        m_blocks.push_back(std::make_unique<QChar[]>(blockSize));
        m_used = 0;
    }
    QChar *at = m_blocks.back().get() + m_used;
    std::copy(text.begin(), text.end(), at);
    m_used += n;
    return QString::fromRawData(at, n);
}

} // namespace db
