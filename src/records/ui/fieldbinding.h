#pragma once
// What every control bound to one column shares: it follows the dataset
// (another row, a re-open, a changed value, a cancelled edit) and writes the
// user's changes into the current row, starting an edit when needed. While the
// control writes, it ignores the echo of its own change, so the caret stays
// where the user types.
#include <QObject>
#include <QString>
#include <functional>

class DataSource;
namespace db {
class Field;
}

class FieldBinding : public QObject
{
    Q_OBJECT
public:
    // `show` receives the text to display whenever the dataset changes.
    FieldBinding(QObject *control, std::function<void(const QString &)> show);

    void bind(DataSource *source, const QString &column);
    DataSource *source() const { return m_source; }
    const QString &column() const { return m_column; }
    db::Field *field() const;

    // The text the control should show now: the field's display text, empty
    // when the dataset is closed or has no row.
    QString currentText() const;
    // Stores a text the user typed or chose; false (and the control is
    // refreshed) when the dataset is closed. Errors of the store are raised.
    bool write(const QString &text);
    void refresh();

private:
    std::function<void(const QString &)> m_show;
    DataSource *m_source = nullptr;
    QString m_column;
    bool m_writing = false;
};
