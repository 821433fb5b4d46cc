#include "records/db/resultset.h"

#include "platform/loderaerror.h"
#include "records/db/connection.h"
#include "records/db/fieldvalue.h"
#include "records/db/sqlstatement.h"
#include "records/db/turkishsql.h"

#include <QDateTime>
#include <algorithm>
#include <sqlite3.h>

namespace db {
namespace {

std::vector<ResultColumn> columnsOf(const Connection &connection, const SqlStatement &statement,
                                    const TranslatedStatement &translated)
{
    std::vector<ResultColumn> columns;
    const int first = translated.rowidColumn ? 1 : 0;
    for (int i = first; i < statement.columnCount(); ++i) {
        ResultColumn column;
        column.def.name = statement.columnName(i);
        column.def.type = FieldValue::typeOfDeclared(statement.declaredType(i), &column.def.size);
        column.origin = statement.originName(i);
        const QString table = statement.tableName(i);
        column.writable = translated.rowidColumn && !column.origin.isEmpty()
                          && table.compare(translated.baseTable, Qt::CaseInsensitive) == 0;
        if (column.writable) {
            int notNull = 0, primaryKey = 0, autoInc = 0;
            const QByteArray t = table.toUtf8(), c = column.origin.toUtf8();
            if (sqlite3_table_column_metadata(connection.handle(), "main", t.constData(), c.constData(), nullptr,
                                              nullptr, &notNull, &primaryKey, &autoInc) == SQLITE_OK) {
                column.def.required = notNull != 0;
                if (autoInc) {
                    column.def.type = FieldType::AutoInc;
                    column.writable = false;
                }
            }
        }
        column.def.readOnly = !column.writable;
        columns.push_back(column);
    }
    return columns;
}

int compareValues(const QVariant &a, const QVariant &b)
{
    const bool an = a.isNull() || !a.isValid(), bn = b.isNull() || !b.isValid();
    if (an || bn)
        return an == bn ? 0 : (an ? -1 : 1);
    switch (a.typeId()) {
    case QMetaType::QString:
        if (b.typeId() == QMetaType::QString)
            return TurkishSql::compare(a.toString(), b.toString());
        break;
    case QMetaType::QDateTime:
        if (b.typeId() == QMetaType::QDateTime) {
            const QDateTime x = a.toDateTime(), y = b.toDateTime();
            return x < y ? -1 : (y < x ? 1 : 0);
        }
        break;
    case QMetaType::LongLong:
    case QMetaType::Double:
    case QMetaType::Bool:
        if (b.typeId() != QMetaType::QString) {
            const double x = a.toDouble(), y = b.toDouble();
            return x < y ? -1 : (y < x ? 1 : 0);
        }
        break;
    default:
        break;
    }
    return QString::compare(a.toString(), b.toString());
}

} // namespace

std::vector<ResultColumn> ResultSet::describe(const Connection &connection, const TranslatedStatement &statement,
                                              const QString &what)
{
    SqlStatement prepared(connection, statement.sql, what, statement.original);
    return columnsOf(connection, prepared, statement);
}

ResultSet ResultSet::fetch(const Connection &connection, const TranslatedStatement &statement,
                           const QVector<QVariant> &binds, const QString &what)
{
    SqlStatement prepared(connection, statement.sql, what, statement.original);
    for (int i = 0; i < binds.size() && i < prepared.parameterCount(); ++i)
        prepared.bind(i + 1, binds[i]);

    ResultSet result;
    result.baseTable = statement.baseTable;
    result.texts = std::make_shared<TextArena>();
    TextArena &arena = *result.texts;
    result.columns = columnsOf(connection, prepared, statement);
    const int first = statement.rowidColumn ? 1 : 0;
    const int n = int(result.columns.size());
    std::vector<FieldType> types;
    for (const ResultColumn &c : result.columns)
        types.push_back(c.def.type);

    while (prepared.step()) {
        auto row = std::make_unique<ResultRow>();
        row->serial = result.nextSerial++;
        if (first)
            row->rowid = prepared.integer(0);
        row->values.resize(n);
        for (int c = 0; c < n; ++c) {
            if (prepared.isText(c + first) && types[c] != FieldType::DateTime && types[c] != FieldType::Unknown) {
                row->values[c] = arena.hold(prepared.textView(c + first));
                continue;
            }
            QVariant v = prepared.value(c + first);
            if (types[c] == FieldType::Unknown && !v.isNull()) {
                // An undeclared column takes the type of its first value.
                types[c] = FieldValue::typeOfValue(v);
                result.columns[c].def.type = types[c];
            }
            row->values[c] = FieldValue::fromStorage(types[c], v);
        }
        result.rows.push_back(std::move(row));
    }
    for (ResultColumn &c : result.columns)
        if (c.def.type == FieldType::Unknown)
            c.def.type = FieldType::LargeInt;
    return result;
}

int ResultSet::columnIndex(const QString &name) const
{
    for (size_t i = 0; i < columns.size(); ++i)
        if (columns[i].def.name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

int ResultSet::rowOfSerial(quint64 serial) const
{
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i]->serial == serial)
            return int(i);
    return -1;
}

void ResultSet::sort(const QString &sortText, const QString &datasetName)
{
    struct Key {
        int column;
        bool descending;
    };
    std::vector<Key> keys;
    for (const QString &part : sortText.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList words = part.simplified().split(QLatin1Char(' '));
        if (words.isEmpty() || words.first().isEmpty())
            continue;
        QString name = words.first();
        if (name.size() > 2 && name.startsWith(QLatin1Char('[')) && name.endsWith(QLatin1Char(']')))
            name = name.mid(1, name.size() - 2);
        const int column = columnIndex(name);
        const bool descending = words.size() > 1 && words[1].compare(QLatin1String("DESC"), Qt::CaseInsensitive) == 0;
        const bool ascending = words.size() == 1 || words[1].compare(QLatin1String("ASC"), Qt::CaseInsensitive) == 0;
        if (column < 0 || words.size() > 2 || (!descending && !ascending))
            throw LoderaError(QStringLiteral("Sıralama yapılamadı (%1): '%2' geçerli bir sıralama değil.")
                                  .arg(datasetName, part.trimmed()));
        keys.push_back({column, descending});
    }
    std::stable_sort(rows.begin(), rows.end(), [&](const auto &a, const auto &b) {
        for (const Key &k : keys) {
            const int c = compareValues(a->values[k.column], b->values[k.column]);
            if (c != 0)
                return k.descending ? c > 0 : c < 0;
        }
        return a->serial < b->serial;
    });
}

} // namespace db
