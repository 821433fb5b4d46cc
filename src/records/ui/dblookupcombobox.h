#pragma once
// A lookup drop-down without a bound column: it lists one column of a dataset
// and remembers the chosen text as its key value. Choosing an entry makes the
// first row with that text the dataset's current row, which is how the rest
// of the program learns the choice. When the list changes, the key value stays
// and is shown again if the new list holds it.
#include <QComboBox>

class DataSource;
class RecordTableModel;

class DBLookupComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit DBLookupComboBox(QWidget *parent = nullptr);

    // Lists `field` of the source's dataset; the key is the same column.
    void setListSource(DataSource *source, const QString &field);
    const QString &keyValue() const { return m_keyValue; }
    // The empty text shows no entry as chosen.
    void setKeyValue(const QString &value);

signals:
    void keyValueChanged(const QString &value);

private:
    void chosen(int index);
    void showKey();

    DataSource *m_source = nullptr;
    RecordTableModel *m_model = nullptr;
    QString m_field;
    QString m_keyValue;
};
