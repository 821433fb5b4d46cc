// The program's two report datasets over a real register: the staff list as
// master and the statistics query re-run for every staff member, read
// through the same report dataset each time.
//
// The binding lives with the program's windows library, which this test
// executable does not link; its one source file is compiled in here.
#include "referral/reportdatabinding.cpp"

#include "platform/loderaerror.h"
#include "records/db/maindatasets.h"
#include "records/db/schema.h"
#include "report/model/tfrxreport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ReportDataBindingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const QString path = m_dir.filePath("Data.ssd");
        {
            db::Connection c;
            c.open(path, db::Connection::defaultPassword(), db::OpenMode::CreateNew);
            db::Schema::create(c);
            // Three staff members; the second has no statistics rows.
            c.execute("INSERT INTO Personel (Adi, Soyadi, Gorevi, Birlestir) VALUES"
                      " ('Ahmet', 'YILMAZ', 'Memur', 'Ahmet YILMAZ'),"
                      " ('Şule', 'ÇELİK', 'Şef', 'Şule ÇELİK'),"
                      " ('Can', 'ÖZ', NULL, 'Can ÖZ')");
            c.execute("INSERT INTO istatistik (SiraNo, SevkAlan, Turu, Adet, Tarih) VALUES"
                      " (1, 'Kendisi', 'Normal', 1, '2026-12-10'),"
                      " (1, 'Yakını', 'Diş', 1, '2026-11-30'),"
                      " (3, 'Kendisi', 'Normal', 1, '2025-01-05')");
        }
        m.open(path);
        staff = ReportDataBinding::makeReportDataset(m.Query1, "frxDBDataset1", &owner);
        stats = ReportDataBinding::makeReportDataset(m.QIstatistik, "frxDBDataset2", &owner);
        staff->SetRunReport(&report, [] { return QStringLiteral("MasterData1"); });
        stats->SetRunReport(&report, [] { return QStringLiteral("DetailData1"); });
    }

    QTemporaryDir m_dir;
    db::MainDatasets m;
    QObject owner;
    TfrxReport report;
    TfrxDBDataset *staff = nullptr;
    TfrxDBDataset *stats = nullptr;
};

TEST_F(ReportDataBindingTest, MasterAndDetailWalkWithAStaffMemberWithoutRows)
{
    int programHandler = 0;
    m.QIstatistik.setAfterOpen([&](db::Dataset &) { ++programHandler; });
    staff->BeginReportRun();
    stats->BeginReportRun();
    QStringList lines;
    for (staff->First(); !staff->Eof(); staff->Next()) {
        QString line = staff->DisplayText("birlestir") + ":";
        for (stats->First(); !stats->Eof(); stats->Next())
            line += " " + stats->DisplayText("Turu");
        lines << line;
    }
    stats->EndReportRun();
    staff->EndReportRun();
    EXPECT_EQ(lines, QStringList({"Ahmet YILMAZ: Diş Normal", "Şule ÇELİK:", "Can ÖZ: Normal"}));
    EXPECT_GE(programHandler, 3) << "the program's handler runs after the report's";
    EXPECT_TRUE(report.Errors().isEmpty()) << report.Errors().join("\n").toStdString();
    EXPECT_TRUE(m.Query1.isActive());
    EXPECT_TRUE(m.Query1.eof()) << "the walk leaves the cursor past the last row";

    // The handler is handed back: a re-open now runs the program's alone.
    const int before = programHandler;
    m.QIstatistik.requery();
    EXPECT_EQ(programHandler, before + 1);
}

TEST_F(ReportDataBindingTest, ValuesDatesAndNullsAsTheDatabaseLayerGivesThem)
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    staff->BeginReportRun();
    stats->BeginReportRun();
    staff->First();
    EXPECT_EQ(stats->DisplayText("Tarih"), QString("30.11.2026"));
    EXPECT_EQ(stats->FieldType("Turu"), TfrxFieldType::fftString);
    EXPECT_EQ(stats->FieldType("Adet"), TfrxFieldType::fftNumeric);
    staff->Next();
    staff->Next();
    EXPECT_TRUE(staff->Value("Gorevi").isNull());
    EXPECT_TRUE(staff->Value("Unvan").isNull());
    EXPECT_EQ(report.Errors(), QStringList({"MasterData1: Saha bulunamadı: frxDBDataset1.\"Unvan\""}));
    stats->EndReportRun();
    staff->EndReportRun();
}

TEST_F(ReportDataBindingTest, CloseDataSourceClosesTheQuery)
{
    staff->SetCloseDataSource(true);
    staff->BeginReportRun();
    EXPECT_EQ(staff->RecordCount(), 3);
    staff->EndReportRun();
    EXPECT_FALSE(m.Query1.isActive());
}

} // namespace
