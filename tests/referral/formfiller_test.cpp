// Filling the two referral form templates: what each fill memo of both copies
// holds for the recipient, the chosen dependant and signatory, and blank forms.
#include "platform/loderaerror.h"
#include "referral/referralformfiller.h"
#include "report/model/frxtemplates.h"
#include "report/model/tfrxcustommemoview.h"
#include "report/model/tfrxreport.h"

#include <gtest/gtest.h>
#include <map>

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

ReferralValues office()
{
    ReferralValues v;
    v.institutionName = s("İl Sağlık Müdürlüğü");
    v.institutionAddress = s("Cumhuriyet Cad. No:5 Ankara");
    v.staff = {s("YILMAZ"), s("Ahmet"), s("Memur"), s("1234"), s("9/1"), s("10000000146"), s("55501"), s("K-778")};
    v.chooserText = s("YILMAZ Can");
    v.dependant = {s("YILMAZ"), s("Can"), s("Oğlu"), s("40000000092"), s("Y-12")};
    v.signatoryChosen = true;
    v.signatory = {s("TUNA"), s("Kemal"), s("Müdür")};
    v.exitDate = s("10.12.2026");
    v.exitNumber = s("2006/15");
    v.healthInstitution = s("Devlet Hastanesi");
    return v;
}

using Expected = std::map<std::string, const char *>;

// The memo's lines as one text ("" for no line at all, "\n" between lines).
QString memoText(TfrxReport &report, const QString &name)
{
    auto *memo = qobject_cast<TfrxCustomMemoView *>(report.FindObject(name));
    if (!memo) {
        ADD_FAILURE() << "no memo " << name.toStdString();
        return QString();
    }
    return memo->Lines().join(QLatin1Char('\n'));
}

void expectBothCopies(TfrxReport &report, const Expected &expected)
{
    for (const auto &[name, text] : expected) {
        const QString left = QString::fromStdString(name);
        EXPECT_EQ(memoText(report, left), s(text)) << name;
        EXPECT_EQ(memoText(report, left + QLatin1Char('2')), s(text)) << name << "2";
    }
}

// What every form shows of the staff member, the office and the panel.
Expected common()
{
    return {{"MKurum", "İl Sağlık Müdürlüğü"}, {"MMemur", "YILMAZ Ahmet"},   {"MGorev", "Memur"},
            {"MSicil", "1234"},                 {"MKadro", "9/1"},            {"MAdres", "Cumhuriyet Cad. No:5 Ankara"},
            {"MKimlik", "10000000146"},         {"MYetkili", "TUNA Kemal"},   {"MUnvan", "Müdür"},
            {"MTarih", "10.12.2026"},           {"MCikis", "2006/15"},        {"MSaglik", "Devlet Hastanesi"}};
}

struct FillCase {
    const char *name;
    TemplateName templ;
    ReferralForm form;
    void (*change)(ReferralValues &);
    Expected specific; // the memos that depend on the case
};

const FillCase fillCases[] = {
    {"PatientForTheStaffMember", TemplateName::RpHasta, ReferralForm::Patient,
     [](ReferralValues &v) { v.recipient = Recipient::Self; },
     {{"MHasta", "Kendisi"}, {"MKimlikH", "Kendisi"}, {"MKarne", "K-778"}, {"MVergi", "55501"}}},
    {"PatientForAChosenDependant", TemplateName::RpHasta, ReferralForm::Patient,
     [](ReferralValues &v) { v.recipient = Recipient::Dependant; },
     {{"MHasta", "YILMAZ Can - Oğlu"}, {"MKimlikH", "40000000092"}, {"MKarne", "Y-12"}, {"MVergi", "55501"}}},
    // Nothing chosen in the list: the chooser shows nothing, the rest comes
    // from the current dependants row.
    {"PatientForADependantNotChosen", TemplateName::RpHasta, ReferralForm::Patient,
     [](ReferralValues &v) { v.recipient = Recipient::Dependant; v.chooserText.clear(); },
     {{"MHasta", " - Oğlu"}, {"MKimlikH", "40000000092"}, {"MKarne", "Y-12"}}},
    {"DentalForTheStaffMember", TemplateName::RpDis, ReferralForm::Dental,
     [](ReferralValues &v) { v.recipient = Recipient::Self; },
     {{"MHasta", "Kendisi"}, {"MKimlikH", "Kendisi"}}},
    // The dental form names the dependant from the row, surname first, even
    // when the chooser shows something else.
    {"DentalForADependant", TemplateName::RpDis, ReferralForm::Dental,
     [](ReferralValues &v) { v.recipient = Recipient::Dependant; v.chooserText = s("eski ad"); },
     {{"MHasta", "YILMAZ Can - Oğlu"}, {"MKimlikH", "40000000092"}}},
    {"NoSignatoryChosen", TemplateName::RpHasta, ReferralForm::Patient,
     [](ReferralValues &v) { v.signatoryChosen = false; },
     {{"MYetkili", ""}, {"MUnvan", ""}, {"MHasta", "Kendisi"}}},
    {"NoSignatoryChosenDental", TemplateName::RpDis, ReferralForm::Dental,
     [](ReferralValues &v) { v.signatoryChosen = false; },
     {{"MYetkili", ""}, {"MUnvan", ""}}},
};

class FillTest : public ::testing::TestWithParam<FillCase> {};

TEST_P(FillTest, BothCopiesShowTheValues)
{
    const FillCase &c = GetParam();
    auto report = CreateTemplate(c.templ);
    ReferralValues v = office();
    c.change(v);
    ReferralFormFiller::fill(*report, c.form, v);
    Expected expected = common();
    for (const auto &[name, text] : c.specific)
        expected[name] = text;
    expectBothCopies(*report, expected);
}

INSTANTIATE_TEST_SUITE_P(Forms, FillTest, ::testing::ValuesIn(fillCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(FillTest, EmptyValueLeavesNoLine)
{
    auto report = CreateTemplate(TemplateName::RpHasta);
    ReferralValues v = office();
    v.signatoryChosen = false;
    ReferralFormFiller::fill(*report, ReferralForm::Patient, v);
    for (const char *name : {"MYetkili", "MYetkili2", "MUnvan", "MUnvan2"}) {
        auto *memo = qobject_cast<TfrxCustomMemoView *>(report->FindObject(QString::fromLatin1(name)));
        ASSERT_NE(memo, nullptr);
        EXPECT_TRUE(memo->Lines().isEmpty()) << name;
    }
}

TEST(FillTest, EachIssueOverwritesThePreviousTexts)
{
    auto report = CreateTemplate(TemplateName::RpDis);
    ReferralValues v = office();
    v.recipient = Recipient::Dependant;
    ReferralFormFiller::fill(*report, ReferralForm::Dental, v);
    v.recipient = Recipient::Self;
    v.exitNumber = s("2006/16");
    ReferralFormFiller::fill(*report, ReferralForm::Dental, v);
    expectBothCopies(*report, {{"MHasta", "Kendisi"}, {"MKimlikH", "Kendisi"}, {"MCikis", "2006/16"}});
}

struct BlankCase {
    const char *name;
    TemplateName templ;
    ReferralForm form;
    int memos;          // left and right copies together
    const char *date;   // what the exit-date boxes keep
};

const BlankCase blankCases[] = {
    {"Patient", TemplateName::RpHasta, ReferralForm::Patient, 32, "..... / ..... / 20....."},
    {"Dental", TemplateName::RpDis, ReferralForm::Dental, 28, ""},
};

class BlankTest : public ::testing::TestWithParam<BlankCase> {};

TEST_P(BlankTest, EmptiesEveryFillMemoButThePatientDate)
{
    const BlankCase &c = GetParam();
    auto report = CreateTemplate(c.templ);
    ReferralValues v = office();
    v.recipient = Recipient::Dependant;
    v.content = FormContent::Blank;
    ReferralFormFiller::fill(*report, c.form, v);

    int seen = 0;
    for (const auto &[name, text] : ReferralFormFiller::blankTexts(c.form)) {
        for (const QString &copy : {name, name + QLatin1Char('2')}) {
            ++seen;
            const bool isDate = name == QLatin1String("MTarih");
            EXPECT_EQ(memoText(*report, copy), isDate ? s(c.date) : QString()) << copy.toStdString();
        }
    }
    EXPECT_EQ(seen, c.memos);
}

INSTANTIATE_TEST_SUITE_P(Forms, BlankTest, ::testing::ValuesIn(blankCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(FillTest, TemplateWithoutTheMemosIsRefusedByName)
{
    auto report = CreateTemplate(TemplateName::RpDetay);
    try {
        ReferralFormFiller::fill(*report, ReferralForm::Patient, office());
        FAIL() << "a list template has no fill memos";
    } catch (const LoderaError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("\"MKurum\""))) << e.what();
    }
}

} // namespace
