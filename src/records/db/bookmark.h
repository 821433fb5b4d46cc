#pragma once
// A bookmark names one row of an open dataset independently of its position:
// it survives sorting and the insertion or deletion of other rows, and becomes
// stale when its row is deleted or the dataset is re-opened. Bookmarks are
// plain values; "freeing" one just makes it invalid.
#include <QtGlobal>

namespace db {

class Bookmark
{
public:
    Bookmark() = default;

    bool isValid() const { return m_serial != 0; }
    void free() { m_serial = 0; m_generation = 0; }

    bool operator==(const Bookmark &other) const = default;

private:
    friend class Dataset;
    Bookmark(quint64 serial, quint64 generation) : m_serial(serial), m_generation(generation) {}

    quint64 m_serial = 0;     // the row's serial number within one opening
    quint64 m_generation = 0; // which opening of the dataset took it
};

} // namespace db
