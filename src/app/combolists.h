#pragma once
// Filling the item lists of the drop-downs from a table. The table is walked
// row by row, as the lists were always filled, so it ends on its last row.
// Filling never changes the text a drop-down shows: a toolkit combo box would
// otherwise show its first new item.
#include <QStringList>

class QComboBox;
namespace db {
class Dataset;
}

enum class FromRow { Current, First };

class ComboLists
{
public:
    static QStringList columnTexts(db::Dataset &table, const QString &column, FromRow from);
    // Replaces (Clear::Yes) or extends the items of `box`, keeping its edit text.
    enum class Clear { No, Yes };
    static void fill(QComboBox *box, const QStringList &items, Clear clear);
};
