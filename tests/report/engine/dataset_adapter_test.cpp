// Report datasets over a source held in memory: ranges counted in steps, the
// events they fire, field aliases and hidden fields, the error lines of
// unknown fields, the AfterOpen hook of a run and the registry lookup.
#include "platform/loderaerror.h"
#include "report/engine/tfrxdbdataset.h"
#include "report/engine/tfrxuserdataset.h"
#include "report/model/tfrxreport.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

// Rows in memory with the cursor rules of the database layer: eof after
// next() leaves the last row, an empty result is at eof at once.
class MemorySource : public TfrxDBDatasetSource
{
public:
    QStringList columns{"SiraNo", "Adi", "Gorevi", "Foto"};
    QList<QVariantList> rows;
    int pos = 0;
    bool active = false;
    int opens = 0;
    int mark = -1;
    std::function<void()> afterOpen; // the program's own handler
    std::function<void()> saved;

    QString sourceName() const override { return "Query1"; }
    void open() override
    {
        active = true;
        pos = 0;
        ++opens;
        if (afterOpen)
            afterOpen();
    }
    void close() override { active = false; }
    bool isActive() const override { return active; }
    void first() override { pos = 0; }
    void next() override { pos = std::min<int>(pos + 1, rows.size()); }
    void prior() override { pos = std::max(pos - 1, 0); }
    bool eof() const override { return pos >= rows.size(); }
    int recordCount() const override { return int(rows.size()); }
    void rememberCurrent() override { mark = pos; }
    bool hasRemembered() const override { return mark >= 0; }
    bool atRemembered() const override { return mark == pos; }
    void gotoRemembered() override { pos = mark; }
    void forgetRemembered() override { mark = -1; }
    QStringList fieldNames() const override { return columns; }
    bool hasField(const QString &n) const override { return columns.contains(n, Qt::CaseInsensitive); }
    void requireField(const QString &n) const override
    {
        if (!hasField(n))
            throw LoderaError("Query1: alan yok: " + n);
    }
    int column(const QString &n) const
    {
        requireField(n);
        for (int i = 0; i < columns.size(); ++i)
            if (columns[i].compare(n, Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    }
    QVariant value(const QString &n) const override { return rows.at(pos).at(column(n)); }
    QString displayText(const QString &n) const override { return value(n).toString(); }
    int displayWidth(const QString &n) const override { return column(n) == 1 ? 30 : 10; }
    TfrxSourceFieldKind fieldKind(const QString &n) const override
    {
        if (!hasField(n))
            return TfrxSourceFieldKind::Missing;
        switch (column(n)) {
        case 0: return TfrxSourceFieldKind::Other;
        case 3: return TfrxSourceFieldKind::Blob;
        default: return TfrxSourceFieldKind::Text;
        }
    }
    bool definedField(const QString &, TfrxSourceFieldKind &, int &) const override { return false; }
    QByteArray blob(const QString &n) const override { return value(n).toByteArray(); }
    void hookAfterOpen(std::function<void()> handler) override
    {
        saved = afterOpen;
        afterOpen = [handler, previous = afterOpen] {
            handler();
            if (previous)
                previous();
        };
    }
    void unhookAfterOpen() override { afterOpen = saved; }
};

class DbDatasetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int i = 1; i <= 10; ++i)
            source.rows.append({i, QString("Kişi %1").arg(i), i % 2 ? "Memur" : "Şef", QByteArray("img")});
        ds.SetName("frxDBDataset1");
        ds.SetDataSet(&source);
        ds.SetRunReport(&report, [] { return QStringLiteral("Memo3"); });
    }
    // Walks like a data band: First, then Eof / Next, collecting a field.
    QStringList walk(const QString &field)
    {
        QStringList out;
        ds.First();
        while (!ds.Eof()) {
            out << ds.Value(field).toString();
            ds.Next();
        }
        return out;
    }

    MemorySource source;
    TfrxReport report;
    TfrxDBDataset ds;
};

TEST_F(DbDatasetTest, WalksEveryRowAndCountsSteps)
{
    ds.BeginReportRun();
    EXPECT_EQ(walk("siraNo").size(), 10);
    EXPECT_EQ(ds.RecNo(), 10);
    EXPECT_EQ(ds.RecordCount(), 10);
    ds.EndReportRun();
    EXPECT_TRUE(source.active) << "CloseDataSource false leaves the source open";
    EXPECT_TRUE(report.Errors().isEmpty());
}

TEST_F(DbDatasetTest, CountedRangeStopsAfterItsStepsWithoutTheLastOnNext)
{
    ds.SetRangeEnd(TfrxRangeEnd::reCount);
    ds.SetRangeEndCount(3);
    int onNext = 0;
    ds.OnNext = [&](TfrxDataSet *) { ++onNext; };
    ds.BeginReportRun();
    EXPECT_EQ(walk("SiraNo"), QStringList({"1", "2", "3"}));
    EXPECT_EQ(onNext, 2);
    ds.EndReportRun();
}

TEST_F(DbDatasetTest, CurrentRangeBeginsAtTheRowCurrentAtOpenAndReturnsThere)
{
    source.active = true;
    source.pos = 7;
    ds.SetRangeBegin(TfrxRangeBegin::rbCurrent);
    ds.BeginReportRun();
    EXPECT_EQ(walk("SiraNo"), QStringList({"8", "9", "10"}));
    ds.EndReportRun();
    EXPECT_EQ(source.pos, 7);
    EXPECT_FALSE(source.hasRemembered());
}

TEST_F(DbDatasetTest, CloseDataSourceClosesTheSourceAfterTheRun)
{
    ds.SetCloseDataSource(true);
    ds.BeginReportRun();
    walk("SiraNo");
    ds.EndReportRun();
    EXPECT_FALSE(source.active);
    EXPECT_FALSE(ds.Initialized());
}

TEST_F(DbDatasetTest, UnknownFieldGivesNullOrTheErrorTextAndOneErrorLine)
{
    ds.BeginReportRun();
    ds.First();
    EXPECT_TRUE(ds.Value("Yok").isNull());
    EXPECT_EQ(ds.DisplayText("Yok"), QString("Saha bulunamadı: frxDBDataset1.\"Yok\""));
    EXPECT_EQ(report.Errors(), QStringList({"Memo3: Saha bulunamadı: frxDBDataset1.\"Yok\""}));
    ds.EndReportRun();
}

TEST_F(DbDatasetTest, WithoutSourceTheRunFailsNamingTheDataset)
{
    TfrxDBDataset lone;
    lone.SetName("frxDBDataset2");
    try {
        lone.BeginReportRun();
        FAIL() << "no error";
    } catch (const LoderaError &e) {
        EXPECT_EQ(e.message(), QString("frxDBDataset2 DataSet'i veriye bağlanmamış"));
    }
}

struct AliasCase {
    const char *name;
    QStringList aliases;
    QStringList visible;   // GetFieldList
    const char *readName;  // a name the template reads
    const char *expected;  // its value on the first row, "" for an error
};

class AliasTest : public DbDatasetTest, public ::testing::WithParamInterface<AliasCase> {};

TEST_P(AliasTest, VisibleNamesAndWhatTheyRead)
{
    const AliasCase &c = GetParam();
    ds.SetFieldAliases(c.aliases);
    ds.BeginReportRun();
    QStringList list;
    ds.GetFieldList(list);
    EXPECT_EQ(list, c.visible);
    EXPECT_EQ(ds.FieldsCount(), c.visible.size());
    ds.First();
    EXPECT_EQ(ds.DisplayText(c.readName), QString(c.expected).isEmpty()
                  ? QString("Saha bulunamadı: frxDBDataset1.\"%1\"").arg(c.readName)
                  : QString(c.expected));
    EXPECT_EQ(report.Errors().isEmpty(), !QString(c.expected).isEmpty());
    ds.EndReportRun();
}

INSTANTIATE_TEST_SUITE_P(
    Aliases, AliasTest,
    ::testing::Values(
        AliasCase{"NoLinesShowEveryField", {}, {"SiraNo", "Adi", "Gorevi", "Foto"}, "gorevi", "Memur"},
        AliasCase{"RenamedFieldReadsUnderItsAlias", {"SiraNo=No", "Gorevi=Unvan"}, {"No", "Unvan"}, "unvan", "Memur"},
        AliasCase{"RenamedFieldIsGoneUnderItsOwnName", {"Gorevi=Unvan"}, {"Unvan"}, "Gorevi", ""},
        AliasCase{"DashHidesAField", {"Adi=Adi", "-Gorevi=Gorevi"}, {"Adi"}, "Gorevi", ""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(DbDatasetTest, ReopenedSourceRebindsAndTheProgramHandlerStillRuns)
{
    int programHandler = 0;
    source.afterOpen = [&] { ++programHandler; };
    ds.BeginReportRun();
    ds.First();
    EXPECT_EQ(ds.Value("Adi").toString(), "Kişi 1");
    // The detail query re-runs for the next master row with another column set.
    source.columns = {"SiraNo", "Adi"};
    source.rows = {{20, "Yeni"}};
    source.open();
    EXPECT_EQ(programHandler, 2);
    EXPECT_EQ(ds.Value("Adi").toString(), "Yeni");
    QStringList list;
    ds.GetFieldList(list);
    EXPECT_EQ(list.size(), 2);
    ds.EndReportRun();
    source.open();
    EXPECT_EQ(programHandler, 3) << "the program's handler is back alone";
}

TEST_F(DbDatasetTest, ReopenWithoutAnAliasedFieldEndsTheRunWithTheDatabaseError)
{
    ds.SetFieldAliases({"Gorevi=Unvan"});
    ds.BeginReportRun();
    ds.First();
    source.columns = {"SiraNo", "Adi", "X", "Y"};
    EXPECT_THROW(source.open(), LoderaError);
    ds.EndReportRun();
}

TEST_F(DbDatasetTest, BlobFieldsCopyIntoAStreamRewound)
{
    ds.BeginReportRun();
    EXPECT_TRUE(ds.IsBlobField("foto"));
    EXPECT_FALSE(ds.IsBlobField("Adi"));
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    ds.CopyBlobTo("Foto", &buffer);
    EXPECT_EQ(buffer.pos(), 0);
    EXPECT_EQ(buffer.readAll(), QByteArray("img"));
    EXPECT_EQ(ds.FieldType("Adi"), TfrxFieldType::fftString);
    EXPECT_EQ(ds.FieldType("SiraNo"), TfrxFieldType::fftNumeric);
    EXPECT_EQ(ds.DisplayWidth("Adi"), 30);
    EXPECT_EQ(ds.DisplayWidth("Yok"), 10);
    ds.EndReportRun();
}

TEST(UserDataSetTest, CountsRowsAndAsksTheHandlerForValues)
{
    TfrxUserDataSet counter;
    counter.SetRangeEnd(TfrxRangeEnd::reCount);
    counter.SetRangeEndCount(2);
    EXPECT_EQ(counter.RecordCount(), 2);
    int steps = 0;
    for (counter.First(); !counter.Eof(); counter.Next())
        ++steps;
    EXPECT_EQ(steps, 2);
    EXPECT_EQ(counter.DisplayText("x"), QString()) << "no handler, no text";

    counter.SetFields({"Ad"});
    counter.OnGetValue = [](const QString &name, QVariant &v) { v = name + "!"; };
    EXPECT_EQ(counter.Value("Ad"), QVariant("Ad!"));
    EXPECT_TRUE(counter.HasField("ad"));
    EXPECT_EQ(counter.FieldsCount(), 1);
}

TEST(UserDataSetTest, CheckEofHandlerOverrulesTheAnswer)
{
    TfrxUserDataSet ds;
    ds.OnCheckEOF = [](TfrxDataSet *s, bool &eof) { eof = s->RecNo() >= 4; };
    int steps = 0;
    for (ds.First(); !ds.Eof(); ds.Next())
        ++steps;
    EXPECT_EQ(steps, 4);
}

TEST(DataSetNameTest, BlankUserNameIsRefused)
{
    TfrxUserDataSet ds;
    EXPECT_THROW(ds.SetUserName("   "), LoderaError);
    ds.SetUserName("Veri");
    EXPECT_EQ(ds.UserName(), "Veri");
}

TEST(DataSetNameTest, RegistryLookupPrefersNoDatasetOfAnotherReport)
{
    TfrxReport mine, other;
    TfrxUserDataSet current;
    auto *foreign = new TfrxUserDataSet(&other);
    foreign->SetUserName("Liste");
    TfrxUserDataSet free;
    free.SetUserName("liste");
    EXPECT_EQ(TfrxDataSetAdapter::FindDataSet(&current, "", &mine), nullptr);
    EXPECT_EQ(TfrxDataSetAdapter::FindDataSet(&current, "Liste", nullptr), &current);
    EXPECT_EQ(TfrxDataSetAdapter::FindDataSet(&current, "LISTE", &mine), &free);
    EXPECT_EQ(TfrxDataSetAdapter::FindDataSet(&current, "Yok", &mine), &current);
}

} // namespace
