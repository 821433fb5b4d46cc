#pragma once
// The named parameters of a dataset's statement. Names compare without
// regard to case (Turkish folding); the list follows the statement text, and
// a value survives a change of the text when its name stays.
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <vector>

namespace db {

class ParamList
{
public:
    struct Param {
        QString name;
        QVariant value;
    };

    // The parameters of a new statement text, in order of first appearance.
    void reset(const QStringList &names);
    void clear() { m_params.clear(); }

    Param *find(const QString &name);
    const Param *find(const QString &name) const;
    // Throw a LoderaError naming the parameter and `dataset` when unknown.
    void set(const QString &name, const QVariant &value, const QString &dataset);
    QVariant value(const QString &name, const QString &dataset) const;
    QStringList names() const;

    std::vector<Param> &items() { return m_params; }

    // The values in storage form, for ?1..?n: dates as the date-time columns
    // hold them; a text in the user's short date form counts as a date.
    QVector<QVariant> binds() const;

private:
    std::vector<Param> m_params;
};

} // namespace db
