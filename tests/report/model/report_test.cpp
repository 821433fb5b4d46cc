// The report: its lists, option records, error list and Clear.
#include "platform/loderaerror.h"
#include "report/model/tfrxmemoview.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportpage.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(Report, NewReportHasTheDocumentedDefaults)
{
    TfrxReport report;
    EXPECT_EQ(report.PagesCount(), 0);
    EXPECT_EQ(report.ScriptLanguage(), "PascalScript");
    EXPECT_EQ(report.ScriptText(), QStringList({"begin", "", "end."}));
    EXPECT_EQ(report.SystemVariables(),
              QStringList({"Date", "Time", "Page", "Page#", "TotalPages", "TotalPages#", "Line", "Line#"}));
    EXPECT_TRUE(report.ShowProgress());
    EXPECT_EQ(report.PrintOptions()->Printer(), "Varsayılan");
    EXPECT_EQ(report.PrintOptions()->Copies(), 1);
    EXPECT_TRUE(report.PrintOptions()->ShowDialog());
    EXPECT_EQ(report.PreviewOptions()->Buttons(), TfrxPreviewOptions::AllButtons);
    EXPECT_EQ(report.PreviewOptions()->OutlineWidth(), 120);
    EXPECT_EQ(report.EngineOptions()->MaxMemSize(), 10);
    EXPECT_TRUE(report.EngineOptions()->ConvertNulls());
}

TEST(Report, ClearResetsWhatItOwnsAndKeepsTheOtherOptions)
{
    TfrxReport report;
    new TfrxReportPage(&report);
    TfrxDataSet ds;
    report.Datasets()->Add(&ds);
    report.Variables()->SetValue("a", 1);
    report.Style()->AddItem()->SetName("s");
    report.EngineOptions()->SetConvertNulls(false);
    report.EngineOptions()->SetDoublePass(true);
    report.EngineOptions()->SetMaxMemSize(50);
    report.PreviewOptions()->SetOutlineVisible(true);
    report.PreviewOptions()->SetOutlineWidth(300);
    report.PreviewOptions()->SetZoom(2);
    report.PrintOptions()->SetCopies(3);
    report.PrintOptions()->SetShowDialog(false);
    report.ReportOptions()->SetAuthor("x");
    report.SetDotMatrixReport(true);
    report.SetScriptText({"x"});
    report.SetDataSetName("zz");

    report.Clear();
    EXPECT_EQ(report.PagesCount(), 0);
    EXPECT_EQ(report.Datasets()->Count(), 0);
    EXPECT_EQ(report.Variables()->Count(), 0);
    EXPECT_EQ(report.Style()->Count(), 0);
    EXPECT_TRUE(report.EngineOptions()->ConvertNulls());
    EXPECT_FALSE(report.EngineOptions()->DoublePass());
    EXPECT_EQ(report.EngineOptions()->MaxMemSize(), 50); // kept
    EXPECT_FALSE(report.PreviewOptions()->OutlineVisible());
    EXPECT_EQ(report.PreviewOptions()->OutlineWidth(), 120);
    EXPECT_DOUBLE_EQ(report.PreviewOptions()->Zoom(), 2); // kept
    EXPECT_EQ(report.PrintOptions()->Copies(), 1);
    EXPECT_TRUE(report.PrintOptions()->ShowDialog());
    EXPECT_EQ(report.ReportOptions()->Author(), "");
    EXPECT_FALSE(report.DotMatrixReport());
    EXPECT_EQ(report.ScriptText(), QStringList({"begin", "", "end."}));
    EXPECT_EQ(report.DataSetName(), "");
}

TEST(Report, ErrorListIsSortedAndHoldsEachLineOnce)
{
    TfrxReport report;
    report.AddErrors({"Memo2: b", "Memo1: a", "memo1: A", "Memo1: a"});
    EXPECT_EQ(report.Errors(), QStringList({"Memo1: a", "Memo2: b"}));
}

TEST(ReportLists, VariablesByNameWithoutCase)
{
    TfrxReport report;
    EXPECT_TRUE(report.Variables()->Value("Yok").isNull());
    report.Variables()->SetValue("Baslik", "a");
    report.Variables()->SetValue("BASLIK", "b");
    EXPECT_EQ(report.Variables()->Count(), 1);
    EXPECT_EQ(report.Variables()->Value("baslik").toString(), "b");
}

TEST(ReportLists, StyleNamesAreUniqueAndAMemoTakesItsStyle)
{
    TfrxReport report;
    auto *bold = report.Style()->AddItem();
    bold->SetName("Kalin");
    bold->SetColor(clRed);
    bold->Font()->SetStyle(TFontStyle::fsBold);
    bold->Frame()->SetTyp(TfrxFrameType::ftTop);
    auto *other = report.Style()->AddItem();
    other->SetName("Ince");
    EXPECT_THROW(other->SetName("kalin"), LoderaError);
    EXPECT_EQ(other->Name(), "Ince");

    auto *page = new TfrxReportPage(&report);
    auto *memo = new TfrxMemoView(page);
    memo->SetStyle("KALIN");
    EXPECT_EQ(memo->Color(), clRed);
    EXPECT_EQ(memo->Font()->Style(), TFontStyles(TFontStyle::fsBold));
    EXPECT_FALSE(memo->ParentFont());
    EXPECT_EQ(memo->Frame()->Typ(), TfrxFrameTypes(TfrxFrameType::ftTop));
}

TEST(ReportLists, ADatasetEntryGoesWithItsDataset)
{
    TfrxReport report;
    auto *ds1 = new TfrxDataSet;
    ds1->SetName("frxDBDataset1");
    auto *ds2 = new TfrxDataSet;
    ds2->SetName("frxDBDataset2");
    ds2->SetUserName("Istatistik");
    report.Datasets()->Add(ds1);
    report.Datasets()->Add(ds2);
    EXPECT_EQ(report.Datasets()->ItemAt(1)->DataSetName(), "Istatistik");
    EXPECT_EQ(report.GetDataset("istatistik"), ds2);
    EXPECT_EQ(report.GetDataset("frxDBDataset2"), nullptr); // by UserName only
    EXPECT_EQ(report.Datasets()->Find(ds1), report.Datasets()->ItemAt(0));

    delete ds1;
    ASSERT_EQ(report.Datasets()->Count(), 1);
    EXPECT_EQ(report.Datasets()->ItemAt(0)->DataSet(), ds2);
    delete ds2;
    EXPECT_EQ(report.Datasets()->Count(), 0);
}

TEST(ReportFiles, SavedFileLoadsBackAndFaultsNameTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("rapor.xml");
    TfrxReport report;
    report.SetName("RpDetay");
    auto *page = new TfrxReportPage(&report);
    page->SetName("Page1");
    report.SaveToFile(path);

    TfrxReport loaded;
    loaded.SetName("Kopya");
    EXPECT_TRUE(loaded.LoadFromFile(path).isEmpty());
    EXPECT_EQ(loaded.Name(), "Kopya");
    EXPECT_NE(loaded.FindObject("Page1"), nullptr);

    try {
        loaded.LoadFromFile(dir.filePath("yok.xml"));
        FAIL() << "no error";
    } catch (const LoderaError &e) {
        EXPECT_TRUE(e.message().contains("yok.xml"));
    }
    QFile bad(dir.filePath("bozuk.xml"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("<?xml?><TfrxReport><a></TfrxReport>");
    bad.close();
    try {
        loaded.LoadFromFile(bad.fileName());
        FAIL() << "no error";
    } catch (const LoderaError &e) {
        EXPECT_EQ(e.message(), bad.fileName() + ": Invalid file format");
    }
}
