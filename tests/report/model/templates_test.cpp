// The four built-in templates: that they load without a single error line, that
// every attribute of their documents lands in a member, and that the forms and
// lists hold the objects, positions and texts the printed documents need.
#include "report/base/frxfloat.h"
#include "report/base/frxxmlescape.h"
#include "report/base/tfrxxmldocument.h"
#include "report/base/tfrxxmlitem.h"
#include "report/model/frxtemplates.h"
#include "report/model/tfrxband.h"
#include "report/model/tfrxdataband.h"
#include "report/model/tfrxdatasetitem.h"
#include "report/model/tfrxlineview.h"
#include "report/model/tfrxmemoview.h"
#include "report/model/tfrxpictureview.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportpage.h"
#include "report/model/tfrxshapeview.h"
#include "report/model/tfrxxmlserializer.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QMap>
#include <QRegularExpression>

#include <map>
#include <memory>

namespace {

// Every test reads the same four reports; building them once keeps the suite fast.
TfrxReport *Loaded(TemplateName name)
{
    static std::map<TemplateName, std::unique_ptr<TfrxReport>> cache;
    auto &slot = cache[name];
    if (!slot) {
        slot = std::make_unique<TfrxReport>();
        const QStringList errors = ReadTemplate(slot.get(), name);
        EXPECT_TRUE(errors.isEmpty()) << TemplateNameText(name).toStdString() << ": "
                                      << errors.join(QLatin1String(" | ")).toStdString();
    }
    return slot.get();
}

TfrxReportPage *PageOf(TemplateName name)
{
    TfrxReport *report = Loaded(name);
    return report->PagesCount() == 1 ? qobject_cast<TfrxReportPage *>(report->Pages(0)) : nullptr;
}

std::string Str(const QString &s) { return s.toStdString(); }

QString Text(TfrxComponent *c)
{
    auto *memo = qobject_cast<TfrxCustomMemoView *>(c);
    return memo ? memo->Memo().join(QLatin1Char('\n')) : QString();
}

// The pairs of an attribute text, names lower-cased, values unescaped.
QMap<QString, QString> Pairs(const QString &attrText)
{
    static const QRegularExpression pair(QStringLiteral(R"(([^\s=]+)="([^"]*)\")"));
    QMap<QString, QString> out;
    for (auto it = pair.globalMatch(attrText); it.hasNext();) {
        const auto m = it.next();
        out.insert(m.captured(1).toLower(), UnescapeXML(m.captured(2)));
    }
    return out;
}

bool SameValue(const QString &a, const QString &b)
{
    if (a == b)
        return true;
    try {
        return std::abs(StrToFloatAny(a) - StrToFloatAny(b)) < 1e-9;
    } catch (...) {
        return false;
    }
}

QString WriteTree(TfrxReport *report)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TfrxXMLSerializer writer(&buffer);
    writer.WriteComponentTree(report, TfrxWithChildren::Yes);
    return QString::fromLatin1(buffer.data());
}

class EveryTemplate : public ::testing::TestWithParam<TemplateName> {};

std::string TemplateParamName(const ::testing::TestParamInfo<TemplateName> &info)
{
    return Str(TemplateNameText(info.param));
}

INSTANTIATE_TEST_SUITE_P(Templates, EveryTemplate,
                         ::testing::Values(TemplateName::RpHasta, TemplateName::RpDis, TemplateName::RpDetay,
                                           TemplateName::RpKisisel),
                         TemplateParamName);

TEST_P(EveryTemplate, LoadsIntoAReportOfItsNameWithOnePage)
{
    TfrxReport *report = Loaded(GetParam());
    EXPECT_EQ(Str(report->Name()), Str(TemplateNameText(GetParam())));
    ASSERT_EQ(report->PagesCount(), 1);
    auto *page = qobject_cast<TfrxReportPage *>(report->Pages(0));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(Str(page->Name()), "Page1");
    EXPECT_NO_THROW(CreateTemplate(GetParam()));
}

// The serializer skips members a class does not have without a word, so a
// misspelt attribute would silently leave its member at the default. Writing
// each loaded object with all members and finding every attribute of the
// document there, with the same value, rules that out, and pairs every element
// with the object made from it in template order.
void ExpectAttributesApplied(TfrxXMLItem *item, QObject *obj, const QString &where)
{
    TfrxXMLSerializer writer;
    writer.WriteDefaults = true;
    const QMap<QString, QString> written = Pairs(writer.WriteProperties(obj));
    const QMap<QString, QString> stored = Pairs(item->AttrText());
    for (auto it = stored.cbegin(); it != stored.cend(); ++it) {
        if (it.key() == QLatin1String("name")) {
            auto *c = qobject_cast<TfrxComponent *>(obj);
            ASSERT_NE(c, nullptr) << Str(where);
            EXPECT_EQ(Str(c->Name()), Str(it.value())) << Str(where) << ": object out of template order";
            continue;
        }
        ASSERT_TRUE(written.contains(it.key())) << Str(where) << ": no member " << Str(it.key());
        EXPECT_TRUE(SameValue(written.value(it.key()), it.value()))
            << Str(where) << "." << Str(it.key()) << " holds " << Str(written.value(it.key()).left(60))
            << ", document says " << Str(it.value().left(60));
    }
}

void ExpectTreeApplied(TfrxXMLItem *item, TfrxComponent *component)
{
    const QString where = component->Name();
    EXPECT_EQ(Str(item->ElementName()), component->metaObject()->className()) << Str(where);
    ExpectAttributesApplied(item, component, where);
    QList<TfrxXMLItem *> childItems;
    auto *report = qobject_cast<TfrxReport *>(component);
    for (qsizetype i = 0; i < item->Count(); ++i) {
        TfrxXMLItem *child = item->Item(i);
        TfrxCollection *list = nullptr;
        if (report)
            for (const auto &[name, l] : report->Collections())
                if (name.compare(child->ElementName(), Qt::CaseInsensitive) == 0)
                    list = l;
        if (!list) {
            childItems.append(child);
            continue;
        }
        ASSERT_EQ(list->Count(), child->Count()) << Str(child->ElementName());
        for (int k = 0; k < list->Count(); ++k)
            ExpectAttributesApplied(child->Item(k), list->ItemAt(k), child->ElementName() + QString::number(k));
    }
    ASSERT_EQ(childItems.size(), component->Objects().size()) << Str(where);
    for (qsizetype i = 0; i < childItems.size(); ++i)
        ExpectTreeApplied(childItems[i], component->Objects()[i]);
}

TEST_P(EveryTemplate, EveryStoredAttributeReachesItsMember)
{
    QByteArray bytes = TemplateDocument(GetParam());
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TfrxXMLDocument doc;
    doc.LoadFromStream(&buffer);
    ExpectTreeApplied(doc.Root(), Loaded(GetParam()));
}

TEST_P(EveryTemplate, SurvivesAWriteReadWriteRoundTripUnchanged)
{
    const QString first = WriteTree(Loaded(GetParam()));
    QBuffer buffer;
    buffer.setData(first.toLatin1());
    buffer.open(QIODevice::ReadOnly);
    TfrxReport copy;
    TfrxXMLSerializer reader(&buffer);
    reader.ReadComponentTree(&copy);
    EXPECT_TRUE(reader.ErrorList().isEmpty()) << Str(reader.ErrorList().join(QLatin1String(" | ")));
    EXPECT_EQ(Str(WriteTree(&copy)), Str(first));
}

TEST(TemplateNames, LookUpWithoutRegardToCase)
{
    EXPECT_EQ(TemplateByName(QStringLiteral("rphasta")), TemplateName::RpHasta);
    EXPECT_EQ(TemplateByName(QStringLiteral("RPKISISEL")), TemplateName::RpKisisel);
    EXPECT_EQ(TemplateByName(QStringLiteral("RpYok")), std::nullopt);
    EXPECT_EQ(AllTemplates().size(), 4);
}

// --- report and page members

struct ReportRow
{
    const char *Name;
    TemplateName Template;
    TfrxPreviewButtons Buttons;
    TPrinterOrientation Orientation;
    double PaperWidth, PaperHeight, Left, Right, Top, Bottom;
    int PixelWidth, PixelHeight;
    QStringList Datasets;
};

class ReportMembers : public ::testing::TestWithParam<ReportRow> {};

constexpr auto kFormButtons = TfrxPreviewButtons(TfrxPreviewButton::pbPrint) | TfrxPreviewButton::pbZoom
                              | TfrxPreviewButton::pbPageSetup | TfrxPreviewButton::pbTools;

const ReportRow kReportRows[] = {
    {"RpHasta", TemplateName::RpHasta, kFormButtons, TPrinterOrientation::poLandscape, 297, 210, 14, 14, 13, 17,
     1123, 794, {}},
    {"RpDis", TemplateName::RpDis, kFormButtons, TPrinterOrientation::poLandscape, 297, 210, 14, 14, 12, 18, 1123,
     794, {}},
    {"RpDetay", TemplateName::RpDetay, kFormButtons | TfrxPreviewButton::pbFind, TPrinterOrientation::poPortrait,
     210, 297, 30, 30, 20, 20, 794, 1123, {QStringLiteral("frxDBDataset1"), QStringLiteral("frxDBDataset2")}},
    {"RpKisisel", TemplateName::RpKisisel, kFormButtons | TfrxPreviewButton::pbFind,
     TPrinterOrientation::poPortrait, 210, 297, 30, 30, 30, 25, 794, 1123, {QStringLiteral("frxDBDataset2")}},
};

INSTANTIATE_TEST_SUITE_P(Templates, ReportMembers, ::testing::ValuesIn(kReportRows),
                         [](const auto &info) { return std::string(info.param.Name); });

TEST_P(ReportMembers, MatchTheTemplate)
{
    const ReportRow &row = GetParam();
    TfrxReport *report = Loaded(row.Template);
    EXPECT_FALSE(report->DotMatrixReport());
    EXPECT_EQ(report->PreviewOptions()->Buttons(), row.Buttons);
    EXPECT_EQ(report->PreviewOptions()->Zoom(), 1);
    EXPECT_EQ(Str(report->PrintOptions()->Printer()), "Varsayılan");
    EXPECT_FALSE(report->PrintOptions()->ShowDialog());
    EXPECT_EQ(Str(report->ScriptLanguage()), "PascalScript");
    EXPECT_EQ(report->ScriptText(), QStringList({QStringLiteral("begin"), QString(), QStringLiteral("end.")}));
    EXPECT_EQ(report->Variables()->Count(), 0);
    EXPECT_EQ(report->Style()->Count(), 0);
    QStringList datasets;
    for (int i = 0; i < report->Datasets()->Count(); ++i)
        datasets << report->Datasets()->ItemAt(i)->DataSetName();
    EXPECT_EQ(datasets, row.Datasets);

    TfrxReportPage *page = PageOf(row.Template);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Orientation(), row.Orientation);
    EXPECT_EQ(page->PaperSize(), 9);
    EXPECT_EQ(page->PaperWidth(), row.PaperWidth);
    EXPECT_EQ(page->PaperHeight(), row.PaperHeight);
    EXPECT_EQ(page->LeftMargin(), row.Left);
    EXPECT_EQ(page->RightMargin(), row.Right);
    EXPECT_EQ(page->TopMargin(), row.Top);
    EXPECT_EQ(page->BottomMargin(), row.Bottom);
    EXPECT_EQ(page->Width(), row.PixelWidth);
    EXPECT_EQ(page->Height(), row.PixelHeight);
    EXPECT_EQ(Str(page->Font()->Name()), "Arial");
    EXPECT_EQ(page->Font()->Height(), -13);
}

// --- the two referral forms

constexpr double kTwinOffset = 559.37044; // 148 mm further right

TEST(ReferralForms, HoldAllTheirObjectsDirectlyOnThePage)
{
    EXPECT_EQ(PageOf(TemplateName::RpHasta)->Objects().size(), 112);
    EXPECT_EQ(PageOf(TemplateName::RpDis)->Objects().size(), 110);
    for (TemplateName t : {TemplateName::RpHasta, TemplateName::RpDis})
        for (TfrxComponent *c : PageOf(t)->Objects())
            EXPECT_TRUE(qobject_cast<TfrxView *>(c)) << Str(c->Name()) << " is no view";
}

struct FillRow
{
    const char *Name;
    bool InPatientForm;
    bool InDentalForm;
};

// The memos the referral panel writes, each into the left copy and its twin.
const FillRow kFillRows[] = {
    {"MKurum", true, true},   {"MMemur", true, true},   {"MHasta", true, true},  {"MGorev", true, true},
    {"MSicil", true, true},   {"MKadro", true, true},   {"MAdres", true, true},  {"MKimlik", true, true},
    {"MKimlikH", true, true}, {"MVergi", true, false},  {"MKarne", true, false}, {"MYetkili", true, true},
    {"MUnvan", true, true},   {"MTarih", true, true},   {"MCikis", true, true},  {"MSaglik", true, true},
};

class FillMemos : public ::testing::TestWithParam<FillRow> {};

INSTANTIATE_TEST_SUITE_P(Forms, FillMemos, ::testing::ValuesIn(kFillRows),
                         [](const auto &info) { return std::string(info.param.Name); });

TEST_P(FillMemos, AreFoundInBothCopiesTwinOffsetBy148mm)
{
    const FillRow &row = GetParam();
    for (auto [t, present] : {std::pair{TemplateName::RpHasta, row.InPatientForm},
                              std::pair{TemplateName::RpDis, row.InDentalForm}}) {
        SCOPED_TRACE(Str(TemplateNameText(t)));
        TfrxReport *report = Loaded(t);
        const QString name = QLatin1String(row.Name);
        auto *left = qobject_cast<TfrxMemoView *>(report->FindObject(name));
        auto *twin = qobject_cast<TfrxMemoView *>(report->FindObject(name + QLatin1Char('2')));
        if (!present) {
            EXPECT_EQ(report->FindObject(name), nullptr);
            EXPECT_EQ(report->FindObject(name + QLatin1Char('2')), nullptr);
            continue;
        }
        ASSERT_NE(left, nullptr);
        ASSERT_NE(twin, nullptr);
        EXPECT_NEAR(twin->Left() - left->Left(), kTwinOffset, 1e-9);
        // Written by the program, so they print in the page font.
        EXPECT_TRUE(left->ParentFont() || name == QLatin1String("MSaglik") || name == QLatin1String("MAdres"));
        EXPECT_EQ(left->Frame()->Typ(), TfrxFrameTypes());
    }
}

TEST(ReferralForms, FindFillMemosWithoutRegardToCase)
{
    TfrxReport *report = Loaded(TemplateName::RpHasta);
    TfrxComponent *found = report->FindObject(QStringLiteral("Mtarih"));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(Str(found->Name()), "MTarih");
}

// A blank form shows this in both exit-date boxes; it leaves the century open
// rather than printing a year of the 2000s.
TEST(ReferralForms, ExitDatePlaceholderLeavesTheYearOpen)
{
    EXPECT_EQ(Str(ExitDatePlaceholder()), "..... / ..... / 20.....");
    for (TemplateName t : {TemplateName::RpHasta, TemplateName::RpDis})
        for (const char *name : {"MTarih", "MTarih2"})
            EXPECT_EQ(Str(Text(Loaded(t)->FindObject(QLatin1String(name)))), Str(ExitDatePlaceholder()))
                << Str(TemplateNameText(t)) << " " << name;
}

struct ObjectRow
{
    const char *Label;
    TemplateName Template;
    const char *Name;
    const char *Class;
    double Left, Top, Width, Height;
    const char *Text; // nullptr: not a memo
};

class FormObjects : public ::testing::TestWithParam<ObjectRow> {};

const ObjectRow kObjectRows[] = {
    {"HastaBorder", TemplateName::RpHasta, "Shape1", "TfrxShapeView", 0, 45.3544, 453.5433, 634.9606, nullptr},
    {"HastaBorderTwin", TemplateName::RpHasta, "Shape2", "TfrxShapeView", 559.37044, 45.3544, 453.5433, 634.9606,
     nullptr},
    {"HastaTitle", TemplateName::RpHasta, "Memo1", "TfrxMemoView", 0, 18.8976, 287.2443, 18.8976,
     "HASTANIN MUAYENE İSTEĞİ"},
    {"HastaOfficial", TemplateName::RpHasta, "Memo11", "TfrxMemoView", 0, 196.5354, 234.3307, 90.7087,
     "Kurum Yetkilisinin Soyadı - Adı, Ünvanı, İmzası"},
    {"HastaOfficialTwin", TemplateName::RpHasta, "Memo48", "TfrxMemoView", 559.37044, 196.5354, 234.3307, 90.7087,
     "Kurum Yetkilisinin Soyadı - Adı, Ünvanı, İmzası"},
    {"HastaLastLabelTwin", TemplateName::RpHasta, "Memo73", "TfrxMemoView", 861.73284, 512.2365, 151.1811,
     35.9055, "Karar"},
    {"HastaNote", TemplateName::RpHasta, "Memo37", "TfrxMemoView", 0, 276.3466, 177.6379, 11.8977,
     "(Tedavi giderleri kurumumuzca ödenecektir)"},
    {"HastaNoteTwin", TemplateName::RpHasta, "Memo85", "TfrxMemoView", 559.37044, 276.3466, 177.6379, 11.8977,
     "(Tedavi giderleri kurumumuzca ödenecektir)"},
    {"HastaPatientId", TemplateName::RpHasta, "Memo74", "TfrxMemoView", 151.1812, 166.2993, 151.1811, 30.2362,
     "Hastanın T.C. Kimlik No."},
    {"HastaPatientIdTwin", TemplateName::RpHasta, "Memo75", "TfrxMemoView", 710.55164, 166.2993, 151.1811,
     30.2362, "Hastanın T.C. Kimlik No."},
    {"HastaBookletTwin", TemplateName::RpHasta, "Memo76", "TfrxMemoView", 903.30764, 45.3544, 109.6063, 30.2362,
     "Hastanın Sağ. Karne No"},
    {"HastaInstitution", TemplateName::RpHasta, "MKurum", "TfrxMemoView", 0, 56.693, 325.0396, 18.8976, ""},
    {"HastaInstitutionTwin", TemplateName::RpHasta, "MKurum2", "TfrxMemoView", 559.37044, 56.693, 343.9372,
     18.8976, ""},
    {"HastaStaffIdTwin", TemplateName::RpHasta, "MKimlik2", "TfrxMemoView", 559.37044, 177.6379, 147.4017,
     18.8976, ""},
    {"HastaPatientIdFillTwin", TemplateName::RpHasta, "MKimlikH2", "TfrxMemoView", 710.55164, 177.6379, 147.4017,
     18.8976, ""},
    {"HastaExitNo", TemplateName::RpHasta, "MCikis", "TfrxMemoView", 294.8033, 264.5671, 151.1812, 18.8976, ""},
    {"HastaExitNoTwin", TemplateName::RpHasta, "MCikis2", "TfrxMemoView", 854.17374, 260.7876, 151.1812, 18.8976,
     ""},
    {"HastaOfficialName", TemplateName::RpHasta, "MYetkili", "TfrxMemoView", 7.5591, 226.7718, 219.2127, 18.8976,
     ""},
    {"DisBorder", TemplateName::RpDis, "Shape1", "TfrxShapeView", 0, 52.9134, 453.5433, 619.8425, nullptr},
    {"DisTitle", TemplateName::RpDis, "Memo1", "TfrxMemoView", 0, 30.2362, 279.6852, 18.8976,
     "HASTANIN DİŞ MUAYENE İSTEĞİ"},
    {"DisTitleTwin", TemplateName::RpDis, "Memo36", "TfrxMemoView", 559.37044, 30.2362, 279.6852, 18.8976,
     "HASTANIN DİŞ MUAYENE İSTEĞİ"},
    {"DisStaffId", TemplateName::RpDis, "Memo7", "TfrxMemoView", 0, 217.9923, 151.181, 26.4567,
     "Memurun T.C. Kimlik No:"},
    {"DisStaffIdTwin", TemplateName::RpDis, "Memo39", "TfrxMemoView", 559.37044, 217.9923, 151.181, 26.4567,
     "T.C. Kimlik No:"},
    {"DisOfficialTwin", TemplateName::RpDis, "Memo40", "TfrxMemoView", 559.37044, 244.6695, 302.3622, 80.3701,
     "Kurum Yetkilisinin Soyadı Adı, Ünvanı, İmzası:"},
    {"DisPatientIdTwin", TemplateName::RpDis, "Memo74", "TfrxMemoView", 710.55164, 218.0787, 151.181, 26.4567,
     "T.C. Kimlik No:"},
    {"DisInstitutionTwin", TemplateName::RpDis, "Memo49", "TfrxMemoView", 559.37044, 52.9134, 302.3622, 33.2598,
     "Kurumu:"},
    {"DisDoctorTwin", TemplateName::RpDis, "Memo68", "TfrxMemoView", 710.55164, 574.4886, 151.1811, 45.3543,
     "Tabibin Soyadı Adı İmzası Tarih:"},
    {"DisNoteTwin", TemplateName::RpDis, "Memo82", "TfrxMemoView", 559.37044, 313.1419, 181.4174, 11.8977,
     "(Tedavi Giderleri Kurumumuzca Ödenecektir.)"},
    {"DisPatientIdFill", TemplateName::RpDis, "MKimlikH", "TfrxMemoView", 151.1812, 224.8819, 147.4017, 18.8976,
     ""},
    {"DisPatientIdFillTwin", TemplateName::RpDis, "MKimlikH2", "TfrxMemoView", 710.55164, 224.8819, 151.1812,
     18.8976, ""},
    {"DisChart", TemplateName::RpDis, "Picture1", "TfrxPictureView", 313.701, 64.252, 128.504, 147.4017, nullptr},
    {"DisChartTwin", TemplateName::RpDis, "Picture2", "TfrxPictureView", 873.07144, 64.252, 128.504, 147.4017,
     nullptr},
    {"DisChartSide", TemplateName::RpDis, "Line1", "TfrxLineView", 303.3624, 52.9134, 0, 163.2993, nullptr},
    {"DisChartBottomTwin", TemplateName::RpDis, "Line4", "TfrxLineView", 863.73284, 217.4332, 149.1812, 0,
     nullptr},
};

INSTANTIATE_TEST_SUITE_P(Forms, FormObjects, ::testing::ValuesIn(kObjectRows),
                         [](const auto &info) { return std::string(info.param.Label); });

TEST_P(FormObjects, StandWhereTheFormHasThem)
{
    const ObjectRow &row = GetParam();
    TfrxComponent *c = Loaded(row.Template)->FindObject(QLatin1String(row.Name));
    ASSERT_NE(c, nullptr);
    EXPECT_STREQ(c->metaObject()->className(), row.Class);
    EXPECT_EQ(c->Parent(), PageOf(row.Template));
    EXPECT_NEAR(c->Left(), row.Left, 1e-9);
    EXPECT_NEAR(c->Top(), row.Top, 1e-9);
    EXPECT_NEAR(c->Width(), row.Width, 1e-9);
    EXPECT_NEAR(c->Height(), row.Height, 1e-9);
    if (row.Text) {
        EXPECT_EQ(Str(Text(c)), row.Text);
    }
}

struct StyleRow
{
    const char *Label;
    TemplateName Template;
    const char *Name;
    bool ParentFont;
    const char *FontName;
    int FontHeight;
    TFontStyles FontStyle;
    TfrxFrameTypes Frame;
    double FrameWidth;
    double GapX, GapY;
    TfrxHAlign HAlign;
};

constexpr auto kAllSides = TfrxFrameTypes(TfrxFrameType::ftLeft) | TfrxFrameType::ftRight | TfrxFrameType::ftTop
                           | TfrxFrameType::ftBottom;
constexpr auto kOpenBottom = TfrxFrameTypes(TfrxFrameType::ftLeft) | TfrxFrameType::ftRight | TfrxFrameType::ftTop;
constexpr auto kBold = TFontStyles(TFontStyle::fsBold);

class FormMemoStyles : public ::testing::TestWithParam<StyleRow> {};

const StyleRow kStyleRows[] = {
    {"HastaTitle", TemplateName::RpHasta, "Memo1", false, "Times New Roman", -19, kBold, {}, 1, 2, 1,
     TfrxHAlign::haLeft},
    {"HastaLabel", TemplateName::RpHasta, "Memo2", false, "Arial", -9, {}, kAllSides, 1, 5, 1, TfrxHAlign::haLeft},
    {"HastaLabelTwin", TemplateName::RpHasta, "Memo76", false, "Arial", -9, {}, kAllSides, 1, 5, 1,
     TfrxHAlign::haLeft},
    {"HastaNote", TemplateName::RpHasta, "Memo37", false, "Arial", -8, {}, {}, 1, 2, 1, TfrxHAlign::haLeft},
    {"HastaFill", TemplateName::RpHasta, "MMemur2", true, "Arial", -13, {}, {}, 1, 20, 2, TfrxHAlign::haLeft},
    {"HastaCentredFill", TemplateName::RpHasta, "MUnvan2", true, "Arial", -13, {}, {}, 1, 2, 2,
     TfrxHAlign::haCenter},
    {"HastaBooklet", TemplateName::RpHasta, "MKarne", true, "Arial", -13, {}, {}, 1, 2, 2, TfrxHAlign::haCenter},
    {"HastaHealthInstitution", TemplateName::RpHasta, "MSaglik2", false, "Arial", -11, {}, {}, 1, 5, 2,
     TfrxHAlign::haLeft},
    {"DisTitle", TemplateName::RpDis, "Memo36", false, "Times New Roman", -16, kBold, {}, 1, 2, 1,
     TfrxHAlign::haLeft},
    {"DisLabelWide", TemplateName::RpDis, "Memo2", false, "Arial", -9, {}, kOpenBottom, 1, 5, 1, TfrxHAlign::haLeft},
    {"DisLabelNarrow", TemplateName::RpDis, "Memo60", false, "Arial", -9, {}, kOpenBottom, 1, 3, 1,
     TfrxHAlign::haLeft},
    {"DisAddress", TemplateName::RpDis, "MAdres", false, "Arial", -12, {}, {}, 1, 20, 2, TfrxHAlign::haLeft},
    {"DisHealthInstitution", TemplateName::RpDis, "MSaglik2", false, "Arial", -12, {}, {}, 1, 2, 1,
     TfrxHAlign::haLeft},
    {"DisExitDate", TemplateName::RpDis, "MTarih", true, "Arial", -13, {}, {}, 1, 2, 1, TfrxHAlign::haCenter},
    {"DisDuty", TemplateName::RpDis, "MGorev2", true, "Arial", -13, {}, {}, 1, 2, 2, TfrxHAlign::haCenter},
};

INSTANTIATE_TEST_SUITE_P(Forms, FormMemoStyles, ::testing::ValuesIn(kStyleRows),
                         [](const auto &info) { return std::string(info.param.Label); });

TEST_P(FormMemoStyles, CarryTheirFontFrameAndGaps)
{
    const StyleRow &row = GetParam();
    auto *memo = qobject_cast<TfrxMemoView *>(Loaded(row.Template)->FindObject(QLatin1String(row.Name)));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->ParentFont(), row.ParentFont);
    EXPECT_EQ(Str(memo->Font()->Name()), row.FontName);
    EXPECT_EQ(memo->Font()->Height(), row.FontHeight);
    EXPECT_EQ(memo->Font()->Style(), row.FontStyle);
    EXPECT_EQ(memo->Font()->Color(), clBlack);
    EXPECT_EQ(memo->Frame()->Typ(), row.Frame);
    EXPECT_EQ(memo->Frame()->Width(), row.FrameWidth);
    EXPECT_EQ(memo->GapX(), row.GapX);
    EXPECT_EQ(memo->GapY(), row.GapY);
    EXPECT_EQ(memo->HAlign(), row.HAlign);
    EXPECT_EQ(memo->VAlign(), TfrxVAlign::vaTop);
    EXPECT_TRUE(memo->WordWrap());
    EXPECT_EQ(memo->Color(), clNone);
}

TEST(ReferralForms, OuterBordersAndChartLinesHaveTheirPens)
{
    auto shape = [](TemplateName t, const char *n) {
        return qobject_cast<TfrxShapeView *>(Loaded(t)->FindObject(QLatin1String(n)));
    };
    for (const char *n : {"Shape1", "Shape2"}) {
        ASSERT_NE(shape(TemplateName::RpHasta, n), nullptr);
        EXPECT_EQ(shape(TemplateName::RpHasta, n)->Frame()->Width(), 2);
        EXPECT_EQ(shape(TemplateName::RpHasta, n)->Shape(), TfrxShapeKind::skRectangle);
        EXPECT_EQ(shape(TemplateName::RpHasta, n)->Color(), clNone);
        ASSERT_NE(shape(TemplateName::RpDis, n), nullptr);
        EXPECT_EQ(shape(TemplateName::RpDis, n)->Frame()->Width(), 1.5);
    }
    for (auto [n, typ] : {std::pair{"Line1", TfrxFrameType::ftLeft}, std::pair{"Line2", TfrxFrameType::ftTop},
                          std::pair{"Line3", TfrxFrameType::ftLeft}, std::pair{"Line4", TfrxFrameType::ftTop}}) {
        auto *line = qobject_cast<TfrxLineView *>(Loaded(TemplateName::RpDis)->FindObject(QLatin1String(n)));
        ASSERT_NE(line, nullptr) << n;
        EXPECT_EQ(line->Frame()->Typ(), TfrxFrameTypes(typ)) << n;
        EXPECT_EQ(line->Frame()->Width(), 1.5) << n;
    }
}

// The right copy repeats the left one 148 mm further right. Pairing every
// object with its twin by the form's numbering and comparing all stored
// members catches a twin that drifted from its original anywhere but in the
// few places where the form wants them to differ.
QString TwinName(TemplateName t, const QString &name)
{
    static const QRegularExpression memo(QStringLiteral("^Memo(\\d+)$"));
    const auto m = memo.match(name);
    if (!m.hasMatch()) {
        static const QMap<QString, QString> fixed = {{"Shape1", "Shape2"}, {"Picture1", "Picture2"},
                                                     {"Line1", "Line3"},   {"Line2", "Line4"}};
        return fixed.value(name, name + QLatin1Char('2'));
    }
    const int n = m.captured(1).toInt();
    int twin = 0;
    if (t == TemplateName::RpHasta)
        twin = n <= 36 ? n + 37 : n == 37 ? 85 : n == 74 ? 75 : n == 77 ? 76 : 0;
    else
        twin = n == 1 ? 36 : n <= 4 ? n + 47 : n <= 13 ? n + 32 : n <= 15 ? n + 33 : n <= 35 ? n + 36
             : n == 46 ? 82 : n == 72 ? 74 : 0;
    return QStringLiteral("Memo%1").arg(twin);
}

struct TwinRow
{
    const char *Label;
    TemplateName Template;
    int LeftCopy;                  // objects of the left copy
    QMap<QString, QStringList> Differs; // twin -> members allowed to differ
};

class TwinCopies : public ::testing::TestWithParam<TwinRow> {};

const TwinRow kTwinRows[] = {
    {"RpHasta", TemplateName::RpHasta, 56,
     {{"MKurum2", {"width"}},
      {"MKimlik2", {"width"}},
      {"MKimlikH2", {"width"}},
      {"MCikis2", {"top"}},
      {"MMemur2", {"memo.text"}},
      {"MKarne2", {"memo.text"}}}},
    {"RpDis", TemplateName::RpDis, 55,
     {{"Memo39", {"memo.text"}}, {"Memo40", {"memo.text"}}, {"Memo74", {"memo.text"}}, {"MKimlikH2", {"width"}}}},
};

INSTANTIATE_TEST_SUITE_P(Forms, TwinCopies, ::testing::ValuesIn(kTwinRows),
                         [](const auto &info) { return std::string(info.param.Label); });

TEST_P(TwinCopies, RepeatTheLeftCopy148mmFurtherRight)
{
    const TwinRow &row = GetParam();
    TfrxReport *report = Loaded(row.Template);
    QSet<TfrxComponent *> twins;
    int lefts = 0;
    for (TfrxComponent *left : PageOf(row.Template)->Objects()) {
        if (left->Left() >= kTwinOffset - 1e-6)
            continue;
        ++lefts;
        const QString twinName = TwinName(row.Template, left->Name());
        TfrxComponent *twin = report->FindObject(twinName);
        ASSERT_NE(twin, nullptr) << Str(left->Name()) << " has no twin " << Str(twinName);
        EXPECT_FALSE(twins.contains(twin)) << Str(twinName) << " twin of two objects";
        twins.insert(twin);
        EXPECT_STREQ(twin->metaObject()->className(), left->metaObject()->className());
        EXPECT_NEAR(twin->Left() - left->Left(), kTwinOffset, 1e-9) << Str(twinName);

        TfrxXMLSerializer writer;
        QMap<QString, QString> a = Pairs(writer.WriteProperties(left));
        QMap<QString, QString> b = Pairs(writer.WriteProperties(twin));
        QStringList allowed = row.Differs.value(twinName);
        allowed << QStringLiteral("left");
        for (const QString &key : allowed) {
            a.remove(key);
            b.remove(key);
        }
        EXPECT_EQ(a, b) << Str(left->Name()) << " and " << Str(twinName) << " differ";
        // An empty text and no text at all are stored alike; the fill memos
        // whose twins differ only that way are rewritten before every run.
        const QMap<QString, QString> fullLeft = Pairs(writer.WriteProperties(left));
        const QMap<QString, QString> fullTwin = Pairs(writer.WriteProperties(twin));
        for (const QString &key : row.Differs.value(twinName)) {
            if (fullLeft.value(key).isEmpty() && fullTwin.value(key).isEmpty())
                continue;
            EXPECT_NE(fullLeft.value(key), fullTwin.value(key))
                << Str(twinName) << "." << Str(key) << " should differ from " << Str(left->Name());
        }
    }
    EXPECT_EQ(lefts, row.LeftCopy);
    EXPECT_EQ(twins.size(), row.LeftCopy);
    EXPECT_EQ(lefts + twins.size(), PageOf(row.Template)->Objects().size());
}

struct OrderRow
{
    const char *Label;
    TemplateName Template;
    int Index;
    const char *Name;
};

class FormOrder : public ::testing::TestWithParam<OrderRow> {};

// Later objects are drawn over earlier ones, so the order is part of the form:
// the boxes of the patient's identity and booklet come last, over the rows
// they cut into.
const OrderRow kOrderRows[] = {
    {"HastaFirst", TemplateName::RpHasta, 0, "Shape1"},
    {"HastaLastOfLeft", TemplateName::RpHasta, 51, "MSaglik"},
    {"HastaFirstTwin", TemplateName::RpHasta, 52, "Shape2"},
    {"HastaNoteTwin", TemplateName::RpHasta, 100, "Memo85"},
    {"HastaTail0", TemplateName::RpHasta, 104, "Memo74"},
    {"HastaTail3", TemplateName::RpHasta, 107, "MKimlikH2"},
    {"HastaTail5", TemplateName::RpHasta, 109, "MKarne2"},
    {"HastaLast", TemplateName::RpHasta, 111, "MKarne"},
    {"DisChart", TemplateName::RpDis, 32, "Picture1"},
    {"DisLastOfLeft", TemplateName::RpDis, 52, "Line2"},
    {"DisFirstTwin", TemplateName::RpDis, 53, "Shape2"},
    {"DisChartTwin", TemplateName::RpDis, 85, "Picture2"},
    {"DisTail0", TemplateName::RpDis, 106, "Memo72"},
    {"DisLast", TemplateName::RpDis, 109, "MKimlikH2"},
};

INSTANTIATE_TEST_SUITE_P(Forms, FormOrder, ::testing::ValuesIn(kOrderRows),
                         [](const auto &info) { return std::string(info.param.Label); });

TEST_P(FormOrder, DrawsObjectsInTemplateOrder)
{
    const OrderRow &row = GetParam();
    const auto &objects = PageOf(row.Template)->Objects();
    ASSERT_GT(objects.size(), row.Index);
    EXPECT_EQ(Str(objects[row.Index]->Name()), row.Name);
}

TEST(DentalForm, ChartIsA4BitBlackOnWhiteBitmapDrawnUnscaledInBothCopies)
{
    QByteArray first;
    for (const char *name : {"Picture1", "Picture2"}) {
        SCOPED_TRACE(name);
        auto *view = qobject_cast<TfrxPictureView *>(Loaded(TemplateName::RpDis)->FindObject(QLatin1String(name)));
        ASSERT_NE(view, nullptr);
        EXPECT_FALSE(view->Stretched());
        EXPECT_FALSE(view->Center());
        EXPECT_FALSE(view->AutoSize());
        EXPECT_TRUE(view->KeepAspectRatio());
        const TfrxPicture *pic = view->Picture();
        EXPECT_EQ(Str(pic->Kind()), "TBitmap");
        const QByteArray &bmp = pic->Bytes();
        ASSERT_EQ(bmp.size(), 9398);
        EXPECT_TRUE(bmp.startsWith("BM"));
        EXPECT_EQ(quint8(bmp[28]), 4) << "bits per pixel";
        EXPECT_EQ(pic->Width(), 127);
        EXPECT_EQ(pic->Height(), 145);
        const QImage &img = pic->Image();
        EXPECT_EQ(img.colorCount(), 16);
        int black = 0, white = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb p = img.pixel(x, y) & 0xFFFFFF;
                black += p == 0x000000;
                white += p == 0xFFFFFF;
            }
        EXPECT_EQ(black + white, 127 * 145) << "only black and white";
        EXPECT_GT(white, black);
        EXPECT_GT(black, 500) << "the chart is drawn";
        if (first.isEmpty())
            first = bmp;
        else
            EXPECT_EQ(bmp, first) << "both copies hold the same chart";
    }
}

// --- the two lists

struct BandRow
{
    const char *Name;
    const char *Class;
    double Top, Height;
    QStringList Objects;
};

struct ListRow
{
    const char *Label;
    TemplateName Template;
    QList<BandRow> Bands;
};

class ListBands : public ::testing::TestWithParam<ListRow> {};

const ListRow kListRows[] = {
    {"RpDetay",
     TemplateName::RpDetay,
     {{"ReportTitle1", "TfrxReportTitle", 18.8976, 41.5748, {"Memo2"}},
      {"MasterData1", "TfrxMasterData", 120.945, 22.6772,
       {"Shape1", "Memo3", "Memo4", "Memo8", "Memo9", "Memo10", "Memo11"}},
      {"PageFooter1", "TfrxPageFooter", 340.1577, 22.6772, {"Memo1"}},
      {"DetailData1", "TfrxDetailData", 215.4332, 14.8977, {"Memo5", "Memo6", "Memo7"}},
      {"Header1", "TfrxHeader", 166.2993, 26.4567, {"Memo13", "Memo14", "Memo15"}},
      {"Footer1", "TfrxFooter", 253.2285, 26.4567, {"Memo12", "Memo16"}}}},
    {"RpKisisel",
     TemplateName::RpKisisel,
     {{"MasterData1", "TfrxMasterData", 200.3151, 18.8976, {"Memo3", "Memo4", "Memo5"}},
      {"ReportTitle1", "TfrxReportTitle", 18.8976, 41.5748, {"Memo1"}},
      {"PageHeader1", "TfrxPageHeader", 83.1497, 56.693, {"Memo2", "Memo6", "Memo7", "Memo8", "MAd", "Memo9"}},
      {"Footer1", "TfrxFooter", 241.8899, 41.5748, {"Memo10", "Memo11", "Line2"}}}},
};

INSTANTIATE_TEST_SUITE_P(Lists, ListBands, ::testing::ValuesIn(kListRows),
                         [](const auto &info) { return std::string(info.param.Label); });

TEST_P(ListBands, HoldTheirBandsAndObjectsInTemplateOrder)
{
    const ListRow &row = GetParam();
    TfrxReportPage *page = PageOf(row.Template);
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->Objects().size(), row.Bands.size());
    for (qsizetype i = 0; i < row.Bands.size(); ++i) {
        const BandRow &want = row.Bands[i];
        TfrxComponent *band = page->Objects()[i];
        SCOPED_TRACE(want.Name);
        EXPECT_EQ(Str(band->Name()), want.Name);
        EXPECT_STREQ(band->metaObject()->className(), want.Class);
        EXPECT_EQ(band->Left(), 0);
        EXPECT_NEAR(band->Top(), want.Top, 1e-9);
        EXPECT_NEAR(band->Width(), 566.9295, 1e-9);
        EXPECT_NEAR(band->Height(), want.Height, 1e-9);
        QStringList names;
        for (TfrxComponent *c : band->Objects())
            names << c->Name();
        EXPECT_EQ(names, want.Objects);
    }
    // The bands fill the printable width of the page.
    EXPECT_NEAR(page->PrintableWidth(), 566.9295, 1e-9);
}

struct BoundRow
{
    const char *Label;
    TemplateName Template;
    const char *Name;
    const char *DataSetName;
    const char *Field;
};

class BoundMemos : public ::testing::TestWithParam<BoundRow> {};

const BoundRow kBoundRows[] = {
    {"DetayDuty", TemplateName::RpDetay, "Memo9", "frxDBDataset1", "Gorevi"},
    {"DetayGrade", TemplateName::RpDetay, "Memo10", "frxDBDataset1", "KadroDerece"},
    {"DetayName", TemplateName::RpDetay, "Memo11", "frxDBDataset1", "Birlestir"},
    {"DetayDate", TemplateName::RpDetay, "Memo5", "frxDBDataset2", "Tarih"},
    {"DetayKind", TemplateName::RpDetay, "Memo6", "frxDBDataset2", "Turu"},
    {"DetayRecipient", TemplateName::RpDetay, "Memo7", "frxDBDataset2", "SevkAlan"},
    {"KisiselDate", TemplateName::RpKisisel, "Memo3", "frxDBDataset2", "Tarih"},
    {"KisiselRecipient", TemplateName::RpKisisel, "Memo4", "frxDBDataset2", "SevkAlan"},
    {"KisiselKind", TemplateName::RpKisisel, "Memo5", "frxDBDataset2", "Turu"},
};

INSTANTIATE_TEST_SUITE_P(Lists, BoundMemos, ::testing::ValuesIn(kBoundRows),
                         [](const auto &info) { return std::string(info.param.Label); });

TEST_P(BoundMemos, NameTheirDatasetAndField)
{
    const BoundRow &row = GetParam();
    auto *memo = qobject_cast<TfrxMemoView *>(Loaded(row.Template)->FindObject(QLatin1String(row.Name)));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(Str(memo->DataSetName()), row.DataSetName);
    EXPECT_EQ(Str(memo->DataField()), row.Field);
    EXPECT_EQ(Str(Text(memo)), QStringLiteral("[%1.\"%2\"]").arg(row.DataSetName, row.Field).toStdString());
}

TEST(ListTemplates, DataBandsWalkTheirDatasets)
{
    auto band = [](TemplateName t, const char *n) {
        return qobject_cast<TfrxDataBand *>(Loaded(t)->FindObject(QLatin1String(n)));
    };
    TfrxDataBand *master = band(TemplateName::RpDetay, "MasterData1");
    ASSERT_NE(master, nullptr);
    EXPECT_EQ(Str(master->DataSetName()), "frxDBDataset1");
    EXPECT_EQ(master->RowCount(), 0);
    EXPECT_EQ(master->Restrictions(), TfrxRestrictions(TfrxRestriction::rfDontSize));
    EXPECT_EQ(Str(master->OnBeforePrint()), "MasterData1OnBeforePrint");
    EXPECT_FALSE(master->ParentFont());
    EXPECT_EQ(master->Font()->Height(), -13);
    EXPECT_EQ(master->Font()->Style(), TFontStyles());
    EXPECT_FALSE(master->PrintIfDetailEmpty());

    for (auto [t, n] : {std::pair{TemplateName::RpDetay, "DetailData1"}, std::pair{TemplateName::RpKisisel, "MasterData1"}}) {
        TfrxDataBand *b = band(t, n);
        ASSERT_NE(b, nullptr) << n;
        EXPECT_EQ(Str(b->DataSetName()), "frxDBDataset2") << n;
        EXPECT_EQ(b->RowCount(), 0) << n;
        EXPECT_TRUE(b->ParentFont()) << n;
    }
}

struct ListMemoRow
{
    const char *Label;
    TemplateName Template;
    const char *Name;
    double Left, Top, Width, Height;
    const char *Text;
    int FontHeight;
    bool Bold;
    bool Framed;
    TfrxHAlign HAlign;
    TfrxVAlign VAlign;
};

class ListMemos : public ::testing::TestWithParam<ListMemoRow> {};

const ListMemoRow kListMemoRows[] = {
    {"DetayTitle", TemplateName::RpDetay, "Memo2", 0, 0, 566.9295, 34.0158, "ALINAN SEVKLER - TÜM LİSTE", -13, true,
     true, TfrxHAlign::haCenter, TfrxVAlign::vaCenter},
    {"DetayNameCaption", TemplateName::RpDetay, "Memo3", 11.3386, 3.7795, 71.8111, 18.8976, "Adı Soyadı:", -12,
     false, false, TfrxHAlign::haLeft, TfrxVAlign::vaTop},
    {"DetayPageNo", TemplateName::RpDetay, "Memo1", 510.1358, 3.7795, 56.693, 18.8976, "Sayfa: [Page#]", -11,
     false, false, TfrxHAlign::haRight, TfrxVAlign::vaTop},
    {"DetayRecipientCaption", TemplateName::RpDetay, "Memo15", 442.205, 3.7795, 124.7245, 18.8976,
     "Kim İçin Aldığı", -13, true, true, TfrxHAlign::haCenter, TfrxVAlign::vaTop},
    {"DetayCountCaption", TemplateName::RpDetay, "Memo12", 442.205, 3.7795, 98.2678, 14.8977,
     "Aldığı Sevk Sayısı:", -11, false, true, TfrxHAlign::haCenter, TfrxVAlign::vaCenter},
    {"DetayCount", TemplateName::RpDetay, "Memo16", 544.2523, 3.7795, 22.6772, 14.8977, "[Line]", -11, true, true,
     TfrxHAlign::haCenter, TfrxVAlign::vaCenter},
    {"KisiselTitle", TemplateName::RpKisisel, "Memo1", 0, 0, 566.9295, 34.0158, "ALINAN SEVKLER - KİŞİSEL", -13,
     true, true, TfrxHAlign::haCenter, TfrxVAlign::vaCenter},
    {"KisiselName", TemplateName::RpKisisel, "MAd", 98.2678, 3.7795, 468.6617, 18.8976, "", -13, true, true,
     TfrxHAlign::haLeft, TfrxVAlign::vaCenter},
    {"KisiselCaption", TemplateName::RpKisisel, "Memo9", 98.2678, 30.2362, 139.8426, 18.8976, "Aldığı Sevkin »",
     -11, false, true, TfrxHAlign::haCenter, TfrxVAlign::vaCenter},
    {"KisiselCount", TemplateName::RpKisisel, "Memo11", 510.2366, 11.3386, 56.693, 14.8977, "[Line] Adet", -11,
     false, true, TfrxHAlign::haCenter, TfrxVAlign::vaCenter},
};

INSTANTIATE_TEST_SUITE_P(Lists, ListMemos, ::testing::ValuesIn(kListMemoRows),
                         [](const auto &info) { return std::string(info.param.Label); });

TEST_P(ListMemos, CarryTheirTextsFontsAndFrames)
{
    const ListMemoRow &row = GetParam();
    auto *memo = qobject_cast<TfrxMemoView *>(Loaded(row.Template)->FindObject(QLatin1String(row.Name)));
    ASSERT_NE(memo, nullptr);
    EXPECT_NEAR(memo->Left(), row.Left, 1e-9);
    EXPECT_NEAR(memo->Top(), row.Top, 1e-9);
    EXPECT_NEAR(memo->Width(), row.Width, 1e-9);
    EXPECT_NEAR(memo->Height(), row.Height, 1e-9);
    EXPECT_EQ(Str(Text(memo)), row.Text);
    EXPECT_FALSE(memo->ParentFont());
    EXPECT_EQ(Str(memo->Font()->Name()), "Arial");
    EXPECT_EQ(memo->Font()->Height(), row.FontHeight);
    EXPECT_EQ(memo->Font()->Style(), row.Bold ? kBold : TFontStyles());
    EXPECT_EQ(memo->Frame()->Typ(), row.Framed ? kAllSides : TfrxFrameTypes());
    EXPECT_EQ(memo->HAlign(), row.HAlign);
    EXPECT_EQ(memo->VAlign(), row.VAlign);
}

TEST(ListTemplates, TitlesSpanTheBandAndTheRuleClosesThePersonalList)
{
    for (auto [t, n] : {std::pair{TemplateName::RpDetay, "Memo2"}, std::pair{TemplateName::RpKisisel, "Memo1"}}) {
        auto *title = qobject_cast<TfrxMemoView *>(Loaded(t)->FindObject(QLatin1String(n)));
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(title->Align(), TfrxAlign::baWidth);
        EXPECT_EQ(title->Frame()->Width(), 2);
    }
    auto *shape = qobject_cast<TfrxShapeView *>(Loaded(TemplateName::RpDetay)->FindObject(QStringLiteral("Shape1")));
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->Align(), TfrxAlign::baClient);
    EXPECT_EQ(shape->Frame()->Width(), 1);

    auto *rule = qobject_cast<TfrxLineView *>(Loaded(TemplateName::RpKisisel)->FindObject(QStringLiteral("Line2")));
    ASSERT_NE(rule, nullptr);
    EXPECT_EQ(rule->Align(), TfrxAlign::baWidth);
    EXPECT_EQ(rule->Frame()->Typ(), TfrxFrameTypes(TfrxFrameType::ftTop));
    EXPECT_NEAR(rule->Top(), 37.7953, 1e-9);
    EXPECT_EQ(rule->Height(), 0);

    // The one memo of the lists that prints in the page font.
    auto *caption = qobject_cast<TfrxMemoView *>(Loaded(TemplateName::RpKisisel)->FindObject(QStringLiteral("Memo2")));
    ASSERT_NE(caption, nullptr);
    EXPECT_TRUE(caption->ParentFont());
    EXPECT_EQ(Str(Text(caption)), "Adı Soyadı »");
    EXPECT_EQ(caption->Frame()->Typ(), kAllSides);
    EXPECT_EQ(caption->VAlign(), TfrxVAlign::vaCenter);
    auto *name = qobject_cast<TfrxMemoView *>(Loaded(TemplateName::RpKisisel)->FindObject(QStringLiteral("MAd")));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->GapX(), 10);
}

} // namespace
