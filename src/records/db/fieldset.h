#pragma once
// The field objects of a dataset. A field is made the first time its column
// appears and is bound again by name at every opening, so whoever holds a
// Field keeps a valid object; a column missing from a new result leaves its
// field unbound (reading it then throws) until a result has it again.
#include "records/db/field.h"
#include "records/db/resultset.h"

#include <QStringList>
#include <memory>
#include <vector>

namespace db {

class Dataset;

class FieldSet
{
public:
    void bind(Dataset *owner, const std::vector<ResultColumn> &columns);

    int count() const { return int(m_bound.size()); }
    Field *at(int column) const { return m_bound[size_t(column)]; }
    // Without regard to case; nullptr when the result has no such column.
    Field *find(const QString &name) const;
    QStringList names() const;

private:
    std::vector<std::unique_ptr<Field>> m_all;
    std::vector<Field *> m_bound; // by column of the result
};

} // namespace db
