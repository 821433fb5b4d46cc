#include "records/db/maindatasets.h"

namespace db {

MainDatasets::MainDatasets()
    : Query1(Connection1, QStringLiteral("Query1")),
      QueryDetail(Connection1, QStringLiteral("QueryDetail")),
      Table1(Connection1, QStringLiteral("Table1")),
      TableUnvan(Connection1, QStringLiteral("TableUnvan")),
      TableSKurum(Connection1, QStringLiteral("TableSKurum")),
      QIstatistik(Connection1, QStringLiteral("QIstatistik")),
      ADOQuery1(Connection1, QStringLiteral("ADOQuery1"))
{
    Query1.setSql(staffAll());
    QueryDetail.setSql(dependants());
    QueryDetail.setParam(QStringLiteral("SiraNo"), 1);
    QueryDetail.setMasterSource(&Query1);
    Table1.setTableName(QStringLiteral("Sabit"));
    TableUnvan.setTableName(QStringLiteral("Unvan"));
    TableSKurum.setTableName(QStringLiteral("SKurum"));
    QIstatistik.setSql(statsAtStart());
    QIstatistik.setParam(QStringLiteral("SiraNo"), 1);
    QIstatistik.setMasterSource(&Query1);
    ADOQuery1.setSql(countsPerStaff());
}

void MainDatasets::open(const QString &path, const QByteArray &password)
{
    Connection1.open(path, password);
    // The details are still closed when the staff list opens; they run for
    // its current row as they open.
    for (Dataset *ds : {&Query1, &QueryDetail, &Table1, &TableUnvan, &TableSKurum, &QIstatistik, &ADOQuery1})
        ds->open();
}

Dataset *MainDatasets::byName(const QString &name)
{
    for (Dataset *ds : {&Query1, &QueryDetail, &Table1, &TableUnvan, &TableSKurum, &QIstatistik, &ADOQuery1})
        if (ds->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return ds;
    return nullptr;
}

QStringList MainDatasets::staffAll()
{
    return {QStringLiteral("Select * From Personel")};
}

QStringList MainDatasets::staffOrdered()
{
    return {QStringLiteral("SELECT * FROM Personel ORDER BY Birlestir")};
}

QStringList MainDatasets::staffFilter()
{
    // The search text is bound as :Arama (see filterStaff), never pasted in.
    return {QStringLiteral("SELECT * FROM Personel WHERE Birlestir Like :Arama ESCAPE '\\'")};
}

QStringList MainDatasets::dependants()
{
    return {QStringLiteral("Select * From Yakinlar Where SiraNo=:SiraNo")};
}

QStringList MainDatasets::statsAtStart()
{
    return {QStringLiteral("Select * From İstatistik Where SiraNo=:SiraNo "), QStringLiteral("order by Tarih")};
}

QStringList MainDatasets::statsFiltered()
{
    return {QStringLiteral("select * from istatistik"),
            QStringLiteral("where Tarih>=:tarih1 and Tarih<=:tarih2 and SiraNo=:SiraNo"),
            QStringLiteral("ORDER BY Tarih")};
}

QStringList MainDatasets::statsUnfiltered()
{
    return {QStringLiteral("select * from istatistik where SiraNo=:SiraNo"), QStringLiteral("ORDER BY Tarih")};
}

QStringList MainDatasets::countsPerStaff()
{
    return {QStringLiteral("Select T1.Birlestir, "),
            QStringLiteral("(Select count(*) from istatistik as T2 where T2.SiraNo=T1.SiraNo) as Adet"),
            QStringLiteral("from Personel as T1"), QStringLiteral("order by T1.Birlestir")};
}

void MainDatasets::replaceStatement(Dataset &dataset, const QStringList &lines)
{
    // Typed changes are stored (or refused, leaving everything as it was)
    // before the old rows are forgotten.
    dataset.checkBrowseMode();
    dataset.close();
    dataset.setSql(lines);
    dataset.open();
}

void MainDatasets::filterStaff(const QString &text)
{
    Query1.checkBrowseMode();
    Query1.close();
    Query1.setSql(staffFilter());
    Query1.setParam(QStringLiteral("Arama"), Dataset::likePrefix(text));
    Query1.open();
}

} // namespace db
