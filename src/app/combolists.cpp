#include "app/combolists.h"

#include "records/db/dataset.h"

#include <QComboBox>

QStringList ComboLists::columnTexts(db::Dataset &table, const QString &column, FromRow from)
{
    QStringList texts;
    if (from == FromRow::First)
        table.first();
    while (!table.eof()) {
        texts << table.fieldByName(column).displayText();
        table.next();
    }
    return texts;
}

void ComboLists::fill(QComboBox *box, const QStringList &items, Clear clear)
{
    const QString text = clear == Clear::Yes ? QString() : box->currentText();
    const QSignalBlocker quiet(box);
    if (clear == Clear::Yes)
        box->clear();
    box->addItems(items);
    box->setCurrentIndex(-1);
    box->setEditText(text);
}
