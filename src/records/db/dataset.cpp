#include "records/db/dataset.h"

#include "platform/loderaerror.h"
#include "platform/turkishcase.h"
#include "records/db/connection.h"
#include "records/db/datevalue.h"
#include "records/db/fieldset.h"
#include "records/db/fieldvalue.h"
#include "records/db/paramlist.h"
#include "records/db/resultset.h"
#include "records/db/rowwriter.h"
#include "records/db/schema.h"
#include "records/db/statementtranslator.h"

#include <algorithm>
#include <optional>

namespace db {

struct Dataset::Impl {
    ResultSet result;
    FieldSet fields;
    ParamList params;
    std::optional<TranslatedStatement> translated; // of the current statement
    QVector<QVariant> edit;                     // edit buffer of the current row
    int positionBeforeInsert = -1;
    std::vector<QPointer<Dataset>> details;
    quint64 generation = 0;
    bool pendingActive = false, pendingState = false;
};

Dataset::Dataset(Connection &connection, const QString &name, QObject *parent)
    : QObject(parent), m_connection(connection), d(std::make_unique<Impl>())
{
    setObjectName(name);
}

Dataset::~Dataset()
{
    setMasterSource(nullptr);
}

// ---- statement and parameters ------------------------------------------------

static StatementTranslator translator()
{
    return StatementTranslator(Schema::tableNames());
}

void Dataset::setSql(const QStringList &lines)
{
    m_sql = lines;
    m_tableName.clear();
    d->translated.reset();
    d->params.reset(translator().translate(lines.join(QLatin1Char('\n'))).params);
}

void Dataset::setTableName(const QString &table)
{
    m_tableName = table;
    m_sql.clear();
    d->translated.reset();
    d->params.clear();
}

void Dataset::setParam(const QString &name, const QVariant &value)
{
    d->params.set(name, value, objectName());
}

QVariant Dataset::param(const QString &name) const
{
    return d->params.value(name, objectName());
}

bool Dataset::hasParam(const QString &name) const
{
    return d->params.find(name) != nullptr;
}

QStringList Dataset::paramNames() const
{
    return d->params.names();
}

QString Dataset::likePrefix(const QString &text)
{
    QString pattern;
    pattern.reserve(text.size() + 1);
    for (QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            pattern += QLatin1Char('\\');
        pattern += c;
    }
    return pattern + QLatin1Char('%');
}

// ---- master and detail ---------------------------------------------------------

void Dataset::setMasterSource(Dataset *master)
{
    if (m_master == master)
        return;
    for (Dataset *m = master; m; m = m->m_master)
        if (m == this)
            throw LoderaError(QStringLiteral("'%1' kendi ana veri kümesi olamaz.").arg(objectName()));
    if (m_master) {
        auto &list = m_master->d->details;
        list.erase(std::remove(list.begin(), list.end(), QPointer<Dataset>(this)), list.end());
    }
    m_master = master;
    if (master)
        master->d->details.push_back(this);
}

void Dataset::notifyDetails()
{
    for (const QPointer<Dataset> &detail : std::vector<QPointer<Dataset>>(d->details)) {
        if (!detail || !detail->isActive())
            continue;
        // The detail's controls are not redrawn while it runs again.
        detail->disableControls();
        try {
            detail->checkBrowseMode();
            detail->close();
            detail->open();
        } catch (...) {
            detail->enableControls();
            throw;
        }
        detail->enableControls();
    }
}

// ---- open and close --------------------------------------------------------------

void Dataset::open()
{
    if (isActive())
        return;
    if (!m_connection.isOpen())
        throw LoderaError(QStringLiteral("'%1' açılamadı: veritabanı bağlantısı açık değil.").arg(objectName()));
    if (m_sql.isEmpty() && m_tableName.isEmpty())
        throw LoderaError(QStringLiteral("'%1' açılamadı: sorgu metni boş.").arg(objectName()));
    if (!d->translated)
        d->translated = m_tableName.isEmpty() ? translator().translate(m_sql.join(QLatin1Char('\n')))
                                              : translator().wholeTable(m_tableName);

    // Parameters named like a master column take the master's current value.
    if (m_master)
        for (ParamList::Param &p : d->params.items())
            if (Field *f = m_master->findField(p.name))
                p.value = m_master->isActive() ? f->value() : QVariant();
    const QVector<QVariant> binds = d->params.binds();

    d->result = ResultSet::fetch(m_connection, *d->translated, binds,
                                 QStringLiteral("Sorgu çalıştırılamadı (%1)").arg(objectName()));
    ++d->generation;

    d->fields.bind(this, d->result.columns);

    m_sort.clear();
    m_modified = false;
    m_position = d->result.rows.empty() ? -1 : 0;
    m_bof = true;
    m_eof = d->result.rows.empty();
    setState(DatasetState::Browse);
    if (controlsDisabled())
        d->pendingActive = true;
    else
        emit activeChanged(true);
    emitRowsChanged();
    notifyDetails();
    emitCurrentChanged();
    if (m_afterOpen)
        m_afterOpen(*this);
    if (m_afterScroll)
        m_afterScroll(*this);
}

void Dataset::close()
{
    if (!isActive())
        return;
    // Closing forgets the rows and any pending edit; callers that must keep
    // typed changes call checkBrowseMode() first (see replaceStatement).
    d->result.rows.clear();
    d->edit.clear();
    m_position = -1;
    m_bof = m_eof = true;
    m_modified = false;
    setState(DatasetState::Inactive);
    if (controlsDisabled())
        d->pendingActive = true;
    else
        emit activeChanged(false);
    emitRowsChanged();
}

void Dataset::requery()
{
    checkBrowseMode();
    close();
    open();
}

// ---- signals ---------------------------------------------------------------------

void Dataset::setState(DatasetState state)
{
    if (m_state == state)
        return;
    m_state = state;
    if (controlsDisabled())
        d->pendingState = true;
    else
        emit stateChanged(state);
}

void Dataset::emitRowsChanged()
{
    if (controlsDisabled())
        m_pendingRows = true;
    else
        emit rowsChanged();
}

void Dataset::emitCurrentChanged()
{
    if (controlsDisabled())
        m_pendingCurrent = true;
    else
        emit currentChanged();
}

void Dataset::disableControls()
{
    ++m_disableCount;
}

void Dataset::enableControls()
{
    if (m_disableCount == 0 || --m_disableCount > 0)
        return;
    const bool active = std::exchange(d->pendingActive, false);
    const bool state = std::exchange(d->pendingState, false);
    const bool rows = std::exchange(m_pendingRows, false);
    const bool current = std::exchange(m_pendingCurrent, false);
    if (active)
        emit activeChanged(isActive());
    if (state)
        emit stateChanged(m_state);
    if (rows)
        emit rowsChanged();
    if (current)
        emit currentChanged();
}

Dataset::Handler Dataset::setAfterOpen(Handler handler)
{
    return std::exchange(m_afterOpen, std::move(handler));
}

void Dataset::scrolled(bool recordChanged)
{
    if (recordChanged)
        notifyDetails();
    emitCurrentChanged();
    if (m_afterScroll)
        m_afterScroll(*this);
}

// ---- checks ----------------------------------------------------------------------

static void requireActive(const Dataset &ds, const char *action)
{
    if (!ds.isActive())
        throw LoderaError(QStringLiteral("'%1' kapalı; %2 yapılamaz.").arg(ds.objectName(), QString::fromUtf8(action)));
}

// ---- navigation ------------------------------------------------------------------

bool Dataset::isEmpty() const
{
    return d->result.rows.empty();
}

int Dataset::recordCount() const
{
    return int(d->result.rows.size());
}

int Dataset::recNo() const
{
    return m_position + 1;
}

void Dataset::first()
{
    requireActive(*this, "başa gitme");
    checkBrowseMode();
    m_position = isEmpty() ? -1 : 0;
    m_bof = true;
    m_eof = isEmpty();
    scrolled(true);
}

void Dataset::last()
{
    requireActive(*this, "sona gitme");
    checkBrowseMode();
    m_position = recordCount() - 1;
    m_eof = true;
    m_bof = isEmpty();
    scrolled(true);
}

void Dataset::next()
{
    moveBy(1);
}

void Dataset::prior()
{
    moveBy(-1);
}

int Dataset::moveBy(int n)
{
    requireActive(*this, "kayıt değiştirme");
    checkBrowseMode();
    if (isEmpty()) {
        m_bof = m_eof = true;
        return 0;
    }
    const qint64 target = std::clamp<qint64>(qint64(m_position) + n, 0, recordCount() - 1);
    const int moved = int(target - m_position);
    m_eof = n > 0 && moved < n;
    m_bof = n < 0 && moved > n;
    if (moved == 0)
        return 0;
    m_position = int(target);
    scrolled(true);
    return moved;
}

void Dataset::setRecNo(int recNo)
{
    requireActive(*this, "kayıt değiştirme");
    if (isEmpty())
        return;
    moveBy(std::clamp(recNo, 1, recordCount()) - 1 - m_position);
}

bool Dataset::locate(const QString &fieldName, const QVariant &value, LocateMatch match)
{
    requireActive(*this, "arama");
    const Field &field = fieldByName(fieldName);
    checkBrowseMode();
    const int column = field.m_column;
    const FieldType type = field.dataType();
    const bool text = type == FieldType::String || type == FieldType::WideString || type == FieldType::Memo;
    const QString wanted = value.toString();
    QVariant typed;
    if (!text) {
        try {
            typed = FieldValue::convert(type, value, field.fieldName());
        } catch (const LoderaError &) {
            return false;
        }
    }
    for (size_t i = 0; i < d->result.rows.size(); ++i) {
        const QVariant &v = d->result.rows[i]->values[column];
        bool hit;
        if (text || match == LocateMatch::Prefix) {
            if (v.isNull())
                continue;
            const QString s = FieldValue::displayText(type, v);
            hit = match == LocateMatch::Prefix ? platform::turkishFoldStartsWith(s, wanted)
                                               : platform::turkishFoldEquals(s, wanted);
        } else {
            hit = FieldValue::same(v, typed);
        }
        if (hit) {
            m_position = int(i);
            m_bof = m_eof = false;
            scrolled(true);
            return true;
        }
    }
    return false;
}

void Dataset::setSort(const QString &sortText)
{
    if (!isActive()) {
        m_sort = sortText;
        return;
    }
    checkBrowseMode();
    const quint64 current = m_position >= 0 ? d->result.rows[m_position]->serial : 0;
    d->result.sort(sortText, objectName());
    m_sort = sortText;
    const int oldPosition = m_position;
    if (current)
        m_position = d->result.rowOfSerial(current);
    emitRowsChanged();
    if (m_position != oldPosition)
        scrolled(false);
    else
        emitCurrentChanged();
}

// ---- editing ---------------------------------------------------------------------

static void requireWritable(const Dataset &ds, const ResultSet &result)
{
    if (result.baseTable.isEmpty())
        throw LoderaError(QStringLiteral("'%1' değiştirilemez: satırları tek bir tablodan gelmiyor.").arg(ds.objectName()));
}

void Dataset::append()
{
    requireActive(*this, "kayıt ekleme");
    requireWritable(*this, d->result);
    checkBrowseMode();
    auto row = std::make_unique<ResultRow>();
    row->serial = d->result.nextSerial++;
    row->values.resize(int(d->result.columns.size()));
    d->edit = row->values;
    // A new detail row belongs to the master's current row.
    if (m_master && m_master->isActive()) {
        for (const ParamList::Param &p : d->params.items()) {
            Field *own = findField(p.name);
            Field *theirs = m_master->findField(p.name);
            if (own && theirs && own->isBound() && theirs->isBound())
                d->edit[own->m_column] = FieldValue::convert(own->dataType(), theirs->value(), own->fieldName());
        }
    }
    d->positionBeforeInsert = m_position;
    d->result.rows.push_back(std::move(row));
    m_position = recordCount() - 1;
    m_bof = m_eof = false;
    m_modified = false;
    setState(DatasetState::Insert);
    emitRowsChanged();
    scrolled(true);
}

void Dataset::edit()
{
    requireActive(*this, "düzenleme");
    if (isEditing())
        return;
    if (isEmpty())
        return append();
    requireWritable(*this, d->result);
    d->edit = d->result.rows[m_position]->values;
    m_modified = false;
    setState(DatasetState::Edit);
    emitCurrentChanged();
}

void Dataset::post()
{
    requireActive(*this, "kaydetme");
    if (!isEditing())
        return;
    if (m_beforePost)
        m_beforePost(*this);
    ResultRow &row = *d->result.rows[m_position];
    const std::size_t n = d->result.columns.size();
    std::vector<bool> changed(n);
    const bool inserting = m_state == DatasetState::Insert;
    for (std::size_t c = 0; c < n; ++c)
        changed[c] = inserting ? !(d->edit[int(c)].isNull() || !d->edit[int(c)].isValid())
                               : !FieldValue::same(d->edit[int(c)], row.values[int(c)]);
    RowWriter writer(m_connection, d->result, objectName());
    if (inserting) {
        RowWriter::Stored stored = writer.insert(d->edit, changed);
        row.rowid = stored.rowid;
        row.values = std::move(stored.values);
    } else {
        // A failed read-back leaves the row in edit: posting it again
        // writes the same values once more.
        writer.update(row.rowid, d->edit, changed);
        row.values = writer.readBack(row.rowid, d->edit);
    }
    d->edit.clear();
    m_modified = false;
    setState(DatasetState::Browse);
    emitRowsChanged();
    // A stored new row has its key now, which its details follow.
    if (inserting)
        notifyDetails();
    emitCurrentChanged();
}

void Dataset::cancel()
{
    if (!isEditing())
        return;
    const bool inserting = m_state == DatasetState::Insert;
    d->edit.clear();
    m_modified = false;
    if (inserting) {
        d->result.rows.erase(d->result.rows.begin() + m_position);
        m_position = std::clamp(d->positionBeforeInsert, isEmpty() ? -1 : 0, recordCount() - 1);
        m_bof = m_eof = isEmpty();
    }
    setState(DatasetState::Browse);
    emitRowsChanged();
    if (inserting)
        scrolled(true);
    else
        emitCurrentChanged();
}

void Dataset::deleteRecord()
{
    requireActive(*this, "silme");
    if (m_state == DatasetState::Insert)
        return cancel();
    if (isEmpty())
        throw LoderaError(QStringLiteral("Kayıt silinemedi (%1): silinecek kayıt yok, liste boş.").arg(objectName()));
    requireWritable(*this, d->result);
    for (const QPointer<Dataset> &detail : d->details)
        if (detail)
            detail->checkBrowseMode();
    RowWriter(m_connection, d->result, objectName()).remove(d->result.rows[m_position]->rowid);
    d->result.rows.erase(d->result.rows.begin() + m_position);
    d->edit.clear();
    m_modified = false;
    m_position = std::min(m_position, recordCount() - 1);
    m_bof = m_position <= 0;
    m_eof = isEmpty();
    setState(DatasetState::Browse);
    emitRowsChanged();
    scrolled(true);
}

void Dataset::checkBrowseMode()
{
    if (!isActive())
        return;
    for (const QPointer<Dataset> &detail : std::vector<QPointer<Dataset>>(d->details))
        if (detail)
            detail->checkBrowseMode();
    if (!isEditing())
        return;
    if (m_modified)
        post();
    else
        cancel();
}

// ---- fields ----------------------------------------------------------------------

int Dataset::fieldCount() const
{
    return d->fields.count();
}

Field &Dataset::field(int index) const
{
    if (index < 0 || index >= fieldCount())
        throw LoderaError(QStringLiteral("Saha bulunamadı: %1 alanları arasında %2. saha yok.").arg(objectName()).arg(index + 1));
    return *d->fields.at(index);
}

Field *Dataset::findField(const QString &name) const
{
    return d->fields.find(name);
}

Field &Dataset::fieldByName(const QString &name) const
{
    if (Field *f = findField(name))
        return *f;
    throw LoderaError(QStringLiteral("Saha bulunamadı: '%1.%2'").arg(objectName(), name));
}

QStringList Dataset::fieldNames() const
{
    return d->fields.names();
}

FieldDefs Dataset::fieldDefs() const
{
    FieldDefs defs;
    if (isActive()) {
        for (const ResultColumn &c : d->result.columns)
            defs << c.def;
        return defs;
    }
    if (!m_connection.isOpen() || (m_sql.isEmpty() && m_tableName.isEmpty()))
        return defs;
    const TranslatedStatement t = m_tableName.isEmpty() ? translator().translate(m_sql.join(QLatin1Char('\n')))
                                                        : translator().wholeTable(m_tableName);
    for (const ResultColumn &c :
         ResultSet::describe(m_connection, t, QStringLiteral("Saha tanımları okunamadı (%1)").arg(objectName())))
        defs << c.def;
    return defs;
}

void Dataset::updateFieldDefs()
{
    d->translated.reset();
}

QVariant Dataset::valueAt(int row, int column) const
{
    if (row < 0 || row >= recordCount() || column < 0 || column >= fieldCount())
        return QVariant();
    if (row == m_position && isEditing())
        return FieldValue::detached(d->edit[column]);
    return FieldValue::detached(d->result.rows[row]->values[column]);
}

QString Dataset::displayTextAt(int row, int column) const
{
    if (column < 0 || column >= fieldCount())
        return QString();
    return FieldValue::displayText(d->result.columns[column].def.type, valueAt(row, column));
}

// ---- bookmarks -------------------------------------------------------------------

Bookmark Dataset::bookmark() const
{
    if (!isActive() || m_position < 0)
        return Bookmark();
    return Bookmark(d->result.rows[m_position]->serial, d->generation);
}

bool Dataset::bookmarkValid(const Bookmark &bookmark) const
{
    return isActive() && bookmark.isValid() && bookmark.m_generation == d->generation
           && d->result.rowOfSerial(bookmark.m_serial) >= 0;
}

void Dataset::gotoBookmark(const Bookmark &bookmark)
{
    requireActive(*this, "yer imine gitme");
    if (!bookmarkValid(bookmark))
        throw LoderaError(QStringLiteral("'%1': yer imi geçersiz; kayıt artık yok.").arg(objectName()));
    checkBrowseMode();
    m_position = d->result.rowOfSerial(bookmark.m_serial);
    m_bof = m_eof = false;
    scrolled(true);
}

int Dataset::compareBookmarks(const Bookmark &a, const Bookmark &b) const
{
    const int pa = bookmarkValid(a) ? d->result.rowOfSerial(a.m_serial) : -1;
    const int pb = bookmarkValid(b) ? d->result.rowOfSerial(b.m_serial) : -1;
    return pa < pb ? -1 : (pa > pb ? 1 : 0);
}

// ---- field access (for Field) ----------------------------------------------------

QVariant Dataset::currentValue(const Field &field) const
{
    if (!isActive())
        throw LoderaError(QStringLiteral("'%1' kapalı; '%2' sahası okunamaz.").arg(objectName(), field.fieldName()));
    if (field.m_column < 0)
        throw LoderaError(QStringLiteral("Saha bulunamadı: '%1.%2'").arg(objectName(), field.fieldName()));
    if (m_position < 0)
        return QVariant();
    return FieldValue::detached(isEditing() ? d->edit[field.m_column]
                                            : d->result.rows[m_position]->values[field.m_column]);
}

void Dataset::setCurrentValue(Field &field, const QVariant &value)
{
    if (!isActive() || field.m_column < 0)
        currentValue(field); // throws the right message
    if (!isEditing())
        throw LoderaError(QStringLiteral("'%1' düzenleme durumunda değil; '%2' sahası değiştirilemez.")
                              .arg(objectName(), field.fieldName()));
    if (field.isReadOnly())
        throw LoderaError(QStringLiteral("'%1.%2' sahası salt okunur.").arg(objectName(), field.fieldName()));
    d->edit[field.m_column] = value;
    m_modified = true;
    if (!controlsDisabled())
        emit fieldChanged(&field);
    else
        m_pendingRows = true;
}

bool Dataset::canModify() const
{
    return isActive() && !d->result.baseTable.isEmpty();
}

} // namespace db
