#include "statsfixture.h"

#include "records/db/maindatasets.h"
#include "records/ui/tsrdbgrid.h"
#include "stats/statspanel.h"
#include "stats/tform3.h"

#include <QDateEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

void StatsTest::SetUp()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    MainWindowTest::SetUp();
    editor = new TForm3(form->DataSource6, form->data().ADOQuery1, form.get());
    form->ToolBtn3Click();
}

void StatsTest::fill()
{
    folder.fillSample();
    folder.exec(QStringLiteral(
        "INSERT INTO istatistik (SiraNo, SevkAlan, Turu, Adet, Tarih) VALUES "
        "(1, 'Kendisi', 'Normal', 1, '2026-03-01'), (1, 'Yakını', 'Diş', 1, '2026-03-15'),"
        "(1, 'Kendisi', 'Normal', 1, '2026-04-02'),"
        "(2, 'Kendisi', 'Diş', 1, '2026-03-15'), (2, 'Yakını', 'Normal', 1, '2026-05-01');"));
}

StatsPanel *StatsTest::panel() const
{
    return form->Panel16;
}

void StatsTest::selectStaff(int row)
{
    form->data().Query1.setRecNo(row);
}

void StatsTest::filter(const QString &from, const QString &to)
{
    auto *start = find<QDateEdit>("DateTimePicker1");
    auto *end = find<QDateEdit>("DateTimePicker2");
    start->setDate(QLocale().toDate(from, QStringLiteral("dd.MM.yyyy")));
    end->setDate(QLocale().toDate(to, QStringLiteral("dd.MM.yyyy")));
    QTest::mouseClick(find<QPushButton>("Button1"), Qt::LeftButton);
}

QStringList StatsTest::column(TSrDBGrid *grid, int col)
{
    QStringList out;
    QAbstractItemModel *m = grid->model();
    for (int r = 0; r < m->rowCount(); ++r)
        out << m->index(r, col).data(Qt::DisplayRole).toString();
    return out;
}

QString StatsTest::countOf(const QString &name) const
{
    auto *grid = find<TSrDBGrid>("SrDBGrid1");
    const QStringList names = column(grid, 0);
    const int row = names.indexOf(name);
    if (row < 0)
        return QStringLiteral("(yok)");
    return column(grid, 1).value(row);
}
