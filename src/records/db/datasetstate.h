#pragma once
// The editing state of a dataset. Inactive: closed, no rows. Browse: open, the
// current row is shown as stored. Edit: the current row has an edit buffer that
// post() stores and cancel() drops. Insert: a new row has been appended and is
// current; post() stores it, cancel() removes it again.

namespace db {

enum class DatasetState { Inactive, Browse, Edit, Insert };

} // namespace db
