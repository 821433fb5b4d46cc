// Issuing a form over a real register: whether and how the referral is
// counted, the order of counting, filling and output, and what is left when
// the database refuses the row.
#include "referralregister.h"

#include "platform/loderaerror.h"
#include "referral/referralissuer.h"
#include "referral/referralrows.h"
#include "report/model/frxtemplates.h"
#include "report/model/tfrxcustommemoview.h"
#include "report/model/tfrxreport.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

QString memoText(TfrxReport &report, const char *name)
{
    auto *memo = qobject_cast<TfrxCustomMemoView *>(report.FindObject(QString::fromLatin1(name)));
    return memo ? memo->Lines().join(QLatin1Char('\n')) : QStringLiteral("<none>");
}

// The issuer with its question and its output recorded.
struct Issue {
    explicit Issue(ReferralRegister &reg, bool answer = true)
        : issuer(reg.data(),
                 [this, answer](const QString &q) {
                     questions << q;
                     return answer;
                 },
                 [this, &reg](TfrxReport &report, ReferralOutput how) {
                     outputs << how;
                     // What was stored by the time the form goes out.
                     rowsAtOutput = reg.column(QStringLiteral("SELECT count(*) FROM istatistik"));
                     (void)report;
                 })
    {
    }
    ReferralIssuer issuer;
    QStringList questions;
    QList<ReferralOutput> outputs;
    QString rowsAtOutput;
};

ReferralValues valuesOf(db::MainDatasets &data, Recipient recipient, FormContent content)
{
    ReferralValues v;
    v.staff = ReferralRows::staff(data);
    v.dependant = ReferralRows::dependant(data);
    v.recipient = recipient;
    v.exitNumber = QStringLiteral("7");
    v.content = content;
    return v;
}

struct CountCase {
    const char *name;
    StatisticsMode mode;
    bool answer;
    FormContent content;
    bool asked;
    bool counted;
};

const CountCase countCases[] = {
    {"AlwaysCountsWithoutAsking", StatisticsMode::Always, true, FormContent::Filled, false, true},
    {"AskedAndAnsweredYes", StatisticsMode::AskEachTime, true, FormContent::Filled, true, true},
    {"AskedAndAnsweredNo", StatisticsMode::AskEachTime, false, FormContent::Filled, true, false},
    {"NotKept", StatisticsMode::NotKept, true, FormContent::Filled, false, false},
    {"NoOptionSelected", StatisticsMode::NoneSelected, true, FormContent::Filled, false, false},
    {"BlankFormNeverCounted", StatisticsMode::Always, true, FormContent::Blank, false, false},
    {"BlankFormNeverAsks", StatisticsMode::AskEachTime, true, FormContent::Blank, false, false},
};

class CountTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(CountTest, CountsAsTheOptionSaysAndAlwaysOutputs)
{
    const CountCase &c = GetParam();
    ReferralRegister reg;
    db::MainDatasets &data = reg.open();
    Issue issue(reg, c.answer);
    auto report = CreateTemplate(TemplateName::RpHasta);
    issue.issuer.issue(*report, ReferralForm::Patient, valuesOf(data, Recipient::Self, c.content),
                       c.mode, ReferralOutput::Print);

    EXPECT_EQ(issue.questions, c.asked ? QStringList{s("İstatistik için kayıt eklensin mi?")} : QStringList());
    const QString rows = c.counted ? QStringLiteral("1") : QStringLiteral("0");
    EXPECT_EQ(reg.column(QStringLiteral("SELECT count(*) FROM istatistik")), rows);
    ASSERT_EQ(issue.outputs, QList<ReferralOutput>{ReferralOutput::Print});
    EXPECT_EQ(issue.rowsAtOutput, rows); // stored before the form went out
}

INSTANTIATE_TEST_SUITE_P(Options, CountTest, ::testing::ValuesIn(countCases),
                         [](const auto &info) { return std::string(info.param.name); });

struct RowCase {
    const char *name;
    int staffRow; // 0 Ahmet (SiraNo 1), 1 Mehmet (SiraNo 2)
    ReferralForm form;
    Recipient recipient;
    const char *expected; // SiraNo|Tarih|SevkAlan|Turu|Adet
};

const RowCase rowCases[] = {
    {"PatientForTheStaffMember", 0, ReferralForm::Patient, Recipient::Self, "1|%1|Kendisi|Normal|1"},
    {"DentalForADependant", 0, ReferralForm::Dental, Recipient::Dependant, "1|%1|Yakını|Diş|1"},
    {"SecondStaffMember", 1, ReferralForm::Dental, Recipient::Self, "2|%1|Kendisi|Diş|1"},
};

class RowTest : public ::testing::TestWithParam<RowCase> {};

TEST_P(RowTest, RowCarriesTodayTheStaffMemberAndTheKind)
{
    const RowCase &c = GetParam();
    ReferralRegister reg;
    db::MainDatasets &data = reg.open();
    data.Query1.moveBy(c.staffRow);
    Issue issue(reg);
    auto report = CreateTemplate(c.form == ReferralForm::Patient ? TemplateName::RpHasta : TemplateName::RpDis);
    issue.issuer.issue(*report, c.form, valuesOf(data, c.recipient, FormContent::Filled),
                       StatisticsMode::Always, ReferralOutput::Preview);

    // Stored as a date without a time of day.
    EXPECT_EQ(reg.column(QStringLiteral("SELECT SiraNo || '|' || Tarih || '|' || SevkAlan || '|' || Turu "
                                        "|| '|' || Adet FROM istatistik")),
              s(c.expected).arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))));
    // The per-staff counts have been read again (ordered by display name).
    data.ADOQuery1.first();
    QStringList counts;
    for (; !data.ADOQuery1.eof(); data.ADOQuery1.next())
        counts << data.ADOQuery1.fieldByName(QStringLiteral("Birlestir")).displayText() + QLatin1Char('=')
                      + data.ADOQuery1.fieldByName(QStringLiteral("Adet")).displayText();
    const QStringList expected = c.staffRow == 0 ? QStringList{s("Ahmet YILMAZ=1"), s("Mehmet KAYA=0")}
                                                 : QStringList{s("Ahmet YILMAZ=0"), s("Mehmet KAYA=1")};
    EXPECT_EQ(counts, expected);
    // And the per-person list shows the row.
    EXPECT_EQ(data.QIstatistik.recordCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(Rows, RowTest, ::testing::ValuesIn(rowCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(RefusedRowTest, EndsTheIssueBeforeAnythingIsFilledOrOutput)
{
    ReferralRegister reg;
    reg.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON istatistik "
                            "BEGIN SELECT RAISE(ABORT, 'disk dolu'); END;"));
    db::MainDatasets &data = reg.open();
    Issue issue(reg);
    auto report = CreateTemplate(TemplateName::RpHasta);
    EXPECT_THROW(issue.issuer.issue(*report, ReferralForm::Patient,
                                    valuesOf(data, Recipient::Self, FormContent::Filled),
                                    StatisticsMode::Always, ReferralOutput::Print),
                 LoderaError);
    EXPECT_TRUE(issue.outputs.isEmpty());
    EXPECT_EQ(memoText(*report, "MCikis"), QString()); // the template as it was
    EXPECT_EQ(memoText(*report, "MHasta"), QString());
    EXPECT_EQ(reg.column(QStringLiteral("SELECT count(*) FROM istatistik")), QStringLiteral("0"));
    // Nothing left half-done: the list is browsing its stored rows, so the
    // next store (of anything) does not carry the refused row along.
    EXPECT_EQ(data.QIstatistik.state(), db::DatasetState::Browse);
    EXPECT_EQ(data.QIstatistik.recordCount(), 0);

    // Once the database accepts rows again the next issue counts normally.
    reg.exec(QStringLiteral("DROP TRIGGER refuse;"));
    issue.issuer.issue(*report, ReferralForm::Patient, valuesOf(data, Recipient::Self, FormContent::Filled),
                       StatisticsMode::Always, ReferralOutput::Print);
    EXPECT_EQ(reg.column(QStringLiteral("SELECT count(*) FROM istatistik")), QStringLiteral("1"));
}

TEST(EmptyRegisterTest, PrintsWithEmptyStaffValuesAndCountsNothing)
{
    ReferralRegister reg(ReferralRegister::Content::Empty);
    db::MainDatasets &data = reg.open();
    for (StatisticsMode mode : {StatisticsMode::Always, StatisticsMode::AskEachTime}) {
        Issue issue(reg);
        auto report = CreateTemplate(TemplateName::RpHasta);
        issue.issuer.issue(*report, ReferralForm::Patient, valuesOf(data, Recipient::Self, FormContent::Filled),
                           mode, ReferralOutput::Print);
        EXPECT_TRUE(issue.questions.isEmpty());
        EXPECT_EQ(issue.outputs.size(), 1);
        EXPECT_EQ(memoText(*report, "MMemur2"), QStringLiteral(" "));
        EXPECT_EQ(memoText(*report, "MSicil"), QString());
        EXPECT_EQ(memoText(*report, "MCikis2"), QStringLiteral("7"));
    }
    EXPECT_EQ(reg.column(QStringLiteral("SELECT count(*) FROM istatistik")), QStringLiteral("0"));
}

TEST(CurrentRowsTest, DependantIsTheCurrentRowOfTheDependantsList)
{
    ReferralRegister reg;
    db::MainDatasets &data = reg.open();
    EXPECT_EQ(ReferralRows::staff(data).bookletNo, s("K-778"));
    EXPECT_EQ(ReferralRows::staff(data).retirementNo, s("55501"));
    EXPECT_EQ(ReferralRows::dependant(data).givenName, s("Elif"));
    ASSERT_TRUE(data.QueryDetail.locate(QStringLiteral("Birlestir"), s("YILMAZ Can")));
    const DependantValues can = ReferralRows::dependant(data);
    EXPECT_EQ(can.relationship, s("Oğlu"));
    EXPECT_EQ(can.bookletNo, s("Y-12"));
    EXPECT_EQ(can.identityNo, s("40000000092"));
    EXPECT_EQ(ReferralRows::signatory(data).title, s("Müdür"));

    data.Query1.next(); // Mehmet has no dependants
    EXPECT_EQ(ReferralRows::dependant(data).givenName, QString());
    EXPECT_EQ(ReferralRows::staff(data).surname, s("KAYA"));
}

} // namespace
