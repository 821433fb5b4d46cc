#pragma once
// Text storage for the rows of one result. An opening of the staff list holds
// some hundred thousand short texts; giving each its own heap block made
// allocating and freeing them most of the cost of opening. The arena copies
// them into large blocks and hands out QStrings that point into the blocks
// without owning them (QString::fromRawData).
//
// Such a string must not outlive its arena: everything that leaves the
// dataset (field values, display texts, grid cells) goes through
// FieldValue::detached, which makes an owning copy.
#include <QString>
#include <QStringView>
#include <memory>
#include <vector>

namespace db {

class TextArena
{
public:
    QString hold(QStringView text);

private:
    static constexpr qsizetype blockSize = 32 * 1024; // characters
    std::vector<std::unique_ptr<QChar[]>> m_blocks;
    qsizetype m_used = blockSize;
};

} // namespace db
