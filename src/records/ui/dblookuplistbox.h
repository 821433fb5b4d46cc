#pragma once
// A list box that shows one column of every row of a dataset and highlights
// the current row. Choosing an entry makes the first row with that text
// current (the first row when none has it), so the page's edits show it.
#include <QListView>

class DataSource;
class RecordTableModel;

class DBLookupListBox : public QListView
{
    Q_OBJECT
public:
    explicit DBLookupListBox(QWidget *parent = nullptr);

    void setListSource(DataSource *source, const QString &field);

private:
    void chosen(const QModelIndex &index);
    void followDataset();

    DataSource *m_source = nullptr;
    RecordTableModel *m_model = nullptr;
    QString m_field;
    bool m_following = false;
};
