#include "records/db/sqlstatement.h"

#include "records/db/connection.h"

#include <sqlite3.h>

namespace db {

SqlStatement::SqlStatement(const Connection &connection, const QString &sql, const QString &what,
                           const QString &shown)
    : m_connection(connection), m_text(sql), m_sql(shown.isEmpty() ? sql : shown), m_what(what)
{
    m_stmt = connection.statements().take(sql);
    if (m_stmt)
        return;
    const int rc = sqlite3_prepare16_v2(connection.handle(), sql.utf16(), int(sql.size() * sizeof(QChar)),
                                        &m_stmt, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        connection.fail(rc, what, m_sql);
    }
}

SqlStatement::~SqlStatement()
{
    if (m_connection.handle())
        m_connection.statements().giveBack(m_text, m_stmt);
    else
        sqlite3_finalize(m_stmt);
}

void SqlStatement::bind(int position, const QVariant &value)
{
    int rc = SQLITE_OK;
    if (value.isNull() || !value.isValid()) {
        rc = sqlite3_bind_null(m_stmt, position);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::Short:
        case QMetaType::UShort:
            rc = sqlite3_bind_int64(m_stmt, position, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(m_stmt, position, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            rc = sqlite3_bind_blob(m_stmt, position, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QString text = value.toString();
            rc = sqlite3_bind_text16(m_stmt, position, text.utf16(), int(text.size() * sizeof(QChar)),
                                     SQLITE_TRANSIENT);
            break;
        }
        }
    }
    if (rc != SQLITE_OK)
        m_connection.fail(rc, m_what, m_sql);
}

int SqlStatement::parameterCount() const
{
    return sqlite3_bind_parameter_count(m_stmt);
}

bool SqlStatement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    // The statement's own code is the useful one; resetting keeps the
    // connection's error message for the text.
    m_connection.fail(rc, m_what, m_sql);
}

void SqlStatement::reset()
{
    sqlite3_reset(m_stmt);
}

int SqlStatement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

static QString fromUtf16(const void *p)
{
    return p ? QString::fromUtf16(static_cast<const char16_t *>(p)) : QString();
}

QString SqlStatement::columnName(int column) const
{
    return fromUtf16(sqlite3_column_name16(m_stmt, column));
}

QString SqlStatement::declaredType(int column) const
{
    return fromUtf16(sqlite3_column_decltype16(m_stmt, column));
}

QString SqlStatement::tableName(int column) const
{
    return fromUtf16(sqlite3_column_table_name16(m_stmt, column));
}

QString SqlStatement::originName(int column) const
{
    return fromUtf16(sqlite3_column_origin_name16(m_stmt, column));
}

QVariant SqlStatement::value(int column) const
{
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_INTEGER:
        return qlonglong(sqlite3_column_int64(m_stmt, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(m_stmt, column);
    case SQLITE_TEXT: {
        const void *text = sqlite3_column_text16(m_stmt, column);
        const int bytes = sqlite3_column_bytes16(m_stmt, column);
        return QString(static_cast<const QChar *>(text), bytes / int(sizeof(QChar)));
    }
    case SQLITE_BLOB: {
        const void *blob = sqlite3_column_blob(m_stmt, column);
        const int bytes = sqlite3_column_bytes(m_stmt, column);
        return QByteArray(static_cast<const char *>(blob), bytes);
    }
    default:
        return QVariant();
    }
}

bool SqlStatement::isText(int column) const
{
    return sqlite3_column_type(m_stmt, column) == SQLITE_TEXT;
}

QStringView SqlStatement::textView(int column) const
{
    const void *text = sqlite3_column_text16(m_stmt, column);
    const int bytes = sqlite3_column_bytes16(m_stmt, column);
    return QStringView(static_cast<const QChar *>(text), bytes / qsizetype(sizeof(QChar)));
}

qlonglong SqlStatement::integer(int column) const
{
    return sqlite3_column_int64(m_stmt, column);
}

} // namespace db
