#pragma once
// A dataset: the whole result of one statement (or of one table) held in
// memory, with a current row, an editing state and typed fields.
//
// Reading. open() runs the statement with the current parameter values,
// fetches every row and makes the first one current. The result is static:
// rows written by another process show up only at the next open. Navigation
// (first/next/prior/moveBy/locate/bookmarks) and the sort text work on the
// rows in memory; no statement runs.
//
// Writing. A row that comes from exactly one table can be changed: append()
// and edit() start an edit buffer, post() runs the BeforePost handler and then
// stores the row by its rowid (insert, update) in one transaction of its own,
// and reads it back (so an auto-increment key appears at once). A refused
// store throws and leaves the dataset in Edit or Insert state with everything
// typed still in the buffer. Moving to another row while edits are pending
// posts them first; a row that was appended or edited without any change is
// dropped instead. deleteRecord() deletes the current row by its rowid.
//
// Master and detail. With a master source set, every parameter whose name is
// a column of the master takes the master's current value, and the dataset
// re-runs whenever the master's current row changes (moves, locates, re-opens,
// append, a key given by post). A row appended to the detail gets the master's
// values in the columns of the same names.
//
// Statements go through a small translation step: table names compare under
// Turkish case rules ("İstatistik" is "istatistik"), a double-quoted string
// after LIKE is a string, and parameters are bound by name without regard to
// case. A text parameter that reads as a short date ("10.12.2026") is bound
// as a date, in the sortable form the date-time columns are stored in.
//
// Observers (bound controls, grid models) use the Qt signals; the program's
// own handlers are the std::function hooks, as a form has exactly one of each.
// Errors are LoderaError with Turkish text naming the dataset, the statement
// or the field.
#include "records/db/bookmark.h"
#include "records/db/datasetstate.h"
#include "records/db/field.h"
#include "records/db/fielddef.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

namespace db {

class Connection;
class ResultSet;

enum class LocateMatch {
    Whole,  // the field's text equals the value
    Prefix, // the field's text begins with the value
};

class Dataset : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<void(Dataset &)>;

    // objectName() is set to `name` ("Query1"); it names the dataset in messages.
    Dataset(Connection &connection, const QString &name, QObject *parent = nullptr);
    ~Dataset() override;

    Connection &connection() const { return m_connection; }
    QString name() const { return objectName(); }

    // ---- statement or table ------------------------------------------------
    // Statement lines, joined by line breaks when run; take effect at the
    // next open. Parameters (`:name`) are re-read from the text; values of
    // parameters that keep their name are kept.
    void setSql(const QStringList &lines);
    const QStringList &sql() const { return m_sql; }
    // A whole table instead of a statement ("Sabit").
    void setTableName(const QString &table);
    const QString &tableName() const { return m_tableName; }

    // ---- parameters --------------------------------------------------------
    // Value: QVariant() for NULL, an integer, a QDate/QDateTime, or text (a
    // short date text is a date, see above). Unknown names throw.
    void setParam(const QString &name, const QVariant &value);
    QVariant param(const QString &name) const;
    bool hasParam(const QString &name) const;
    QStringList paramNames() const;

    // A LIKE pattern that matches every text beginning with `text`, every
    // character of it literal (quote, %, _ and \ included). Use it with a
    // statement written "... Like :name ESCAPE '\'".
    static QString likePrefix(const QString &text);

    // ---- master and detail -------------------------------------------------
    void setMasterSource(Dataset *master);
    Dataset *masterSource() const { return m_master; }

    // ---- open, close -------------------------------------------------------
    void open();
    void close();
    bool isActive() const { return m_state != DatasetState::Inactive; }
    void setActive(bool active) { active ? open() : close(); }
    // Runs the statement again with the current parameters; the first row
    // becomes current. Pending edits are posted first.
    void requery();

    DatasetState state() const { return m_state; }
    bool isEditing() const { return m_state == DatasetState::Edit || m_state == DatasetState::Insert; }
    // Whether the edit buffer differs from what was stored.
    bool isModified() const { return m_modified; }

    // ---- navigation --------------------------------------------------------
    void first();
    void last();
    void next();
    void prior();
    // Moves by n rows (negative: backwards), stopping at either end; returns
    // how many rows it actually moved.
    int moveBy(int n);
    // eof: next() went past the last row, or the result is empty. bof: the
    // same at the front.
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    bool isEmpty() const;
    // 1-based number of the current row in the current order; 0 when empty.
    int recNo() const;
    void setRecNo(int recNo);
    int recordCount() const;

    // Makes the first row (in the current order) whose field matches current;
    // text compares without regard to case under Turkish rules. Returns false
    // and leaves the current row when none matches.
    bool locate(const QString &fieldName, const QVariant &value, LocateMatch match = LocateMatch::Whole);

    // Client-side order: "Birlestir ASC", "Birlestir DESC", or several such
    // parts separated by commas. Text sorts in Turkish order. Empty after
    // every open; an empty text brings back the order of the statement. The
    // current row stays current.
    void setSort(const QString &sortText);
    const QString &sort() const { return m_sort; }

    // ---- editing -----------------------------------------------------------
    // edit() on an empty result appends instead: typing into the page of an
    // empty list starts a new row. cancel() drops the edit buffer (and an
    // appended row). deleteRecord() in Insert state cancels the append.
    void append();
    void edit();
    void post();
    void cancel();
    void deleteRecord();
    // Posts pending changes, or drops an unchanged edit or append.
    void checkBrowseMode();

    // ---- fields ------------------------------------------------------------
    int fieldCount() const;
    Field &field(int index) const;
    // By name, without regard to case. fieldByName throws when missing.
    Field &fieldByName(const QString &name) const;
    Field *findField(const QString &name) const;
    QStringList fieldNames() const;
    // Column descriptions of the result; the statement is prepared to learn
    // them when the dataset is closed. updateFieldDefs() refreshes them.
    FieldDefs fieldDefs() const;
    void updateFieldDefs();

    // ---- rows for grid views (0-based in the current order) ----------------
    // The current row's values come from the edit buffer while editing.
    QVariant valueAt(int row, int column) const;
    QString displayTextAt(int row, int column) const;
    int currentRow() const { return m_position; }

    // ---- bookmarks ---------------------------------------------------------
    Bookmark bookmark() const;
    bool bookmarkValid(const Bookmark &bookmark) const;
    // Throws for a stale bookmark.
    void gotoBookmark(const Bookmark &bookmark);
    // <0, 0, >0 by position in the current order; an invalid bookmark sorts first.
    int compareBookmarks(const Bookmark &a, const Bookmark &b) const;
    void freeBookmark(Bookmark &bookmark) const { bookmark.free(); }

    // ---- the program's handlers --------------------------------------------
    // BeforePost runs first in post(), in Edit or Insert state; it may change
    // fields; throwing refuses the store. AfterScroll runs after every change
    // of the current row, opening included. AfterOpen runs after every open,
    // before AfterScroll; setting it returns the handler it replaces, so a
    // borrower can put it back.
    void setBeforePost(Handler handler) { m_beforePost = std::move(handler); }
    void setAfterScroll(Handler handler) { m_afterScroll = std::move(handler); }
    Handler setAfterOpen(Handler handler);
    const Handler &afterOpen() const { return m_afterOpen; }

    // While disabled (counted), observers get no signals; enabling sends one
    // rowsChanged and currentChanged when anything happened meanwhile.
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return m_disableCount > 0; }

    // Whether rows may be appended, edited and deleted: the dataset is open
    // and its rows come from one table.
    bool canModify() const;

signals:
    void activeChanged(bool active);
    // The rows, their order or their number changed: views rebuild.
    void rowsChanged();
    // Another row became current (or the current row's number changed).
    void currentChanged();
    void stateChanged(db::DatasetState state);
    // A value of the current row was set (edit buffer).
    void fieldChanged(db::Field *field);

private:
    friend class Field;
    struct Impl;

    void notifyDetails();
    void scrolled(bool recordChanged);
    void setState(DatasetState state);
    void emitRowsChanged();
    void emitCurrentChanged();
    QVariant currentValue(const Field &field) const;
    void setCurrentValue(Field &field, const QVariant &value);

    Connection &m_connection;
    QStringList m_sql;
    QString m_tableName;
    QString m_sort;
    QPointer<Dataset> m_master;
    DatasetState m_state = DatasetState::Inactive;
    bool m_modified = false;
    bool m_eof = true;
    bool m_bof = true;
    int m_position = -1;
    int m_disableCount = 0;
    bool m_pendingRows = false;
    bool m_pendingCurrent = false;
    Handler m_beforePost;
    Handler m_afterScroll;
    Handler m_afterOpen;
    std::unique_ptr<Impl> d;
};

} // namespace db
