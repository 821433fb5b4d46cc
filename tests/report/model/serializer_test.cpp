// The XML serializer: members written in their stored order with the omission
// rules, the forgiving reader (short forms, dotted names, errors collected per
// attribute), references resolved after reading, the class registry, and
// copies of whole reports through memory.
#include "platform/loderaerror.h"
#include "report/base/tfrxresources.h"
#include "report/base/tfrxxmlerror.h"
#include "report/model/tfrxchild.h"
#include "report/model/tfrxclassregistry.h"
#include "report/model/tfrxframe.h"
#include "report/model/tfrxmasterdata.h"
#include "report/model/tfrxmemoview.h"
#include "report/model/tfrxpictureview.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportpage.h"
#include "report/model/tfrxshapeview.h"
#include "report/model/tfrxxmlserializer.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

namespace {

QString attrs(QObject *obj, bool defaults = false)
{
    TfrxXMLSerializer s;
    s.WriteDefaults = defaults;
    return s.WriteProperties(obj);
}

QByteArray writeTree(TfrxComponent *c)
{
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    TfrxXMLSerializer(&out).WriteComponentTree(c, TfrxWithChildren::Yes);
    return bytes;
}

// Reads a document into root; returns the error list.
QStringList readTree(TfrxComponent *root, QByteArray bytes, TfrxFindExisting find = TfrxFindExisting::No)
{
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    TfrxXMLSerializer s(&in);
    s.ReadComponentTree(root, nullptr, find);
    return s.ErrorList();
}

QByteArray doc(const char *body)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n") + body;
}

} // namespace

TEST(WriteProperties, DefaultMembersAreLeftOut)
{
    TfrxMemoView memo;
    memo.SetName("Memo1");
    memo.SetBounds(10, 20, 30, 40);
    // Floats are always written and so is the text list; everything else here
    // holds its default.
    EXPECT_EQ(attrs(&memo), R"( Left="10" Top="20" Width="30" Height="40" Memo.Text="")");
}

TEST(WriteProperties, MembersComeInStoredOrderWithValueObjectsAsDottedNames)
{
    TfrxMemoView memo;
    memo.SetBounds(0, 18.8976, 287.2443, 18.8976);
    memo.Font()->SetName("Times New Roman");
    memo.Font()->SetHeight(-19);
    memo.Font()->SetStyle(TFontStyle::fsBold);
    memo.Frame()->SetTyp(TfrxFrameType::ftLeft | TfrxFrameType::ftRight | TfrxFrameType::ftTop
                         | TfrxFrameType::ftBottom);
    memo.SetGapX(5);
    memo.SetHAlign(TfrxHAlign::haCenter);
    memo.SetText("HASTANIN\r\nMUAYENE");
    EXPECT_EQ(attrs(&memo),
              R"( Left="0" Top="18,8976" Width="287,2443" Height="18,8976" Font.Charset="1" Font.Color="0")"
              R"( Font.Height="-19" Font.Name="Times New Roman" Font.Style="1" ParentFont="False" Frame.Typ="15")"
              R"( GapX="5" HAlign="haCenter" Memo.Text="HASTANIN&#13;&#10;MUAYENE")");
}

TEST(WriteProperties, EachKindOfMember)
{
    const struct {
        const char *name;
        void (*set)(TfrxMemoView &);
        const char *expected; // a pair that must appear
        const char *absent;   // a name that must not appear
    } rows[] = {
        {"bool", [](TfrxMemoView &m) { m.SetVisible(false); }, R"( Visible="False")", nullptr},
        {"set", [](TfrxMemoView &m) { m.SetRestrictions(TfrxRestriction::rfDontSize); }, R"( Restrictions="2")", nullptr},
        {"colour", [](TfrxMemoView &m) { m.SetColor(clWhite); }, R"( Color="16777215")", nullptr},
        {"escaped string", [](TfrxMemoView &m) { m.SetTagStr("<a&\"b\">"); },
         R"( TagStr="&#60;a&#38;&#34;b&#34;&#62;")", nullptr},
        {"frame width 2", [](TfrxMemoView &m) { m.Frame()->SetWidth(2); }, R"( Frame.Width="2")", nullptr},
        {"shadow width at its default", [](TfrxMemoView &m) { m.Frame()->SetShadowWidth(4); }, "", "ShadowWidth"},
        {"gap at its default", [](TfrxMemoView &m) { m.SetGapY(1); }, "", "GapY"},
        {"highlight without condition", [](TfrxMemoView &m) { m.Highlight()->SetActive(true); }, "", "Highlight"},
        {"highlight with condition", [](TfrxMemoView &m) { m.Highlight()->SetCondition("x"); },
         R"( Highlight.Font.Charset="1" Highlight.Font.Color="255" Highlight.Font.Height="-13")"
         R"( Highlight.Font.Name="Arial" Highlight.Font.Style="0" Highlight.Condition="x")",
         nullptr},
        {"delimiters", [](TfrxMemoView &m) { m.SetExpressionDelimiters("<,>"); },
         R"( ExpressionDelimiters="&#60;,&#62;")", nullptr},
        // Left out, an emptied text would read back as its non-empty default.
        {"emptied delimiters", [](TfrxMemoView &m) { m.SetExpressionDelimiters(""); },
         R"( ExpressionDelimiters="")", nullptr},
        {"emptied font name", [](TfrxMemoView &m) { m.Font()->SetName(""); }, R"( Font.Name="")", nullptr},
        {"display format", [](TfrxMemoView &m) { m.DisplayFormat()->SetKind(TfrxFormatKind::fkNumeric); },
         R"( DisplayFormat.Kind="fkNumeric")", nullptr},
    };
    for (const auto &row : rows) {
        TfrxMemoView memo;
        row.set(memo);
        const QString text = attrs(&memo);
        EXPECT_TRUE(text.contains(QString::fromUtf8(row.expected))) << row.name << ": " << text.toStdString();
        if (row.absent) {
            EXPECT_FALSE(text.contains(QLatin1String(row.absent))) << row.name << ": " << text.toStdString();
        }
    }
}

TEST(WriteProperties, WriteDefaultsWritesEveryStoredMember)
{
    TfrxShapeView shape;
    const QString text = attrs(&shape, true);
    EXPECT_TRUE(text.contains(R"( Tag="0")"));
    EXPECT_TRUE(text.contains(R"( Visible="True")"));
    EXPECT_TRUE(text.contains(R"( Shape="skRectangle")"));
    // Stored-ness still holds: a font that follows the parent is not written.
    EXPECT_FALSE(text.contains("Font."));
}

TEST(WriteProperties, AlwaysStoredMembersAreWrittenAtTheirDefault)
{
    TfrxReportPage page;
    EXPECT_TRUE(attrs(&page).contains(R"( PaperSize="9")"));
    TfrxMasterData band;
    EXPECT_TRUE(attrs(&band).contains(R"( RowCount="0")"));
}

TEST(ReadProperties, ShortFormsAndCaseOfNames)
{
    TfrxMemoView memo;
    TfrxXMLSerializer s;
    s.ReadProperties(R"(l="1" t="2" w="3" h="4" x="a&#13;&#10;b" VISIBLE="False")", &memo);
    EXPECT_DOUBLE_EQ(memo.Left(), 1);
    EXPECT_DOUBLE_EQ(memo.Top(), 2);
    EXPECT_DOUBLE_EQ(memo.Width(), 3);
    EXPECT_DOUBLE_EQ(memo.Height(), 4);
    EXPECT_EQ(memo.Memo(), QStringList({"a", "b"}));
    EXPECT_FALSE(memo.Visible());
    EXPECT_TRUE(s.ErrorList().isEmpty());
}

TEST(ReadProperties, ListTextHasABreakBetweenEveryTwoLines)
{
    // Lists are written with a break between lines and none after the last,
    // so a break at the end of the text is followed by an empty line.
    const struct { const char *value; QStringList lines; } rows[] = {
        {"", {}},
        {"a", {"a"}},
        {"a&#13;&#10;b", {"a", "b"}},
        {"a&#13;&#10;", {"a", ""}},
        {"a&#13;&#10;&#13;&#10;", {"a", "", ""}},
        {"&#13;&#10;", {"", ""}},
        {"a&#13;&#10;&#13;", {"a", "", ""}},
        {"a&#10;b&#13;c", {"a", "b", "c"}},
    };
    for (const auto &row : rows) {
        for (const char *name : {"Memo.Text", "x"}) {
            TfrxMemoView memo;
            memo.SetText("old");
            TfrxXMLSerializer s;
            s.ReadProperties(QStringLiteral("%1=\"%2\"").arg(QLatin1String(name), QLatin1String(row.value)), &memo);
            EXPECT_EQ(memo.Memo(), row.lines) << name << "=" << row.value;
        }
    }
}

TEST(ReadProperties, WrittenListsReadBackLineForLine)
{
    // The one list the text cannot tell apart is a single empty line: it is
    // written as the empty text, which reads as no lines and writes the same.
    const struct { QStringList lines; const char *written; QStringList read; } rows[] = {
        {{"a", ""}, "a&#13;&#10;", {"a", ""}},
        {{"", "", ""}, "&#13;&#10;&#13;&#10;", {"", "", ""}},
        {{"a", "", "b"}, "a&#13;&#10;&#13;&#10;b", {"a", "", "b"}},
        {{""}, "", {}},
    };
    for (const auto &row : rows) {
        TfrxMemoView memo;
        memo.SetMemo(row.lines);
        const QString text = attrs(&memo);
        const QString pair = QStringLiteral(" Memo.Text=\"%1\"").arg(QLatin1String(row.written));
        EXPECT_TRUE(text.endsWith(pair)) << text.toStdString();
        TfrxMemoView copy;
        TfrxXMLSerializer s;
        s.ReadProperties(text, &copy);
        EXPECT_EQ(copy.Memo(), row.read) << row.written;
        EXPECT_EQ(attrs(&copy), text);
    }
}

TEST(ReadProperties, BooleansAndFloatsInEveryAcceptedForm)
{
    const struct { const char *text; bool visible; double left; } rows[] = {
        {R"(Visible="True" Left="12,5")", true, 12.5},
        {R"(Visible="1" Left="12.5")", true, 12.5},
        {R"(Visible="0" Left=" 12,5 ")", false, 12.5},
        {R"(Visible="false" Left="-0,25")", false, -0.25},
    };
    for (const auto &row : rows) {
        TfrxMemoView memo;
        memo.SetVisible(!row.visible);
        TfrxXMLSerializer s;
        s.ReadProperties(QString::fromUtf8(row.text), &memo);
        EXPECT_EQ(memo.Visible(), row.visible) << row.text;
        EXPECT_DOUBLE_EQ(memo.Left(), row.left) << row.text;
        EXPECT_TRUE(s.ErrorList().isEmpty()) << row.text;
    }
}

TEST(ReadProperties, DottedNamesReachValueObjects)
{
    TfrxMemoView memo;
    TfrxXMLSerializer s;
    s.ReadProperties(R"(Font.Name="Times New Roman" Frame.Typ="5" Highlight.Font.Color="16" Memo.Text="x&amp;y")",
                     &memo);
    EXPECT_EQ(memo.Font()->Name(), "Times New Roman");
    EXPECT_FALSE(memo.ParentFont());
    EXPECT_EQ(memo.Frame()->Typ(), TfrxFrameType::ftLeft | TfrxFrameType::ftTop);
    EXPECT_EQ(memo.Highlight()->Font()->Color(), 16);
    // Named entities are not decoded.
    EXPECT_EQ(memo.Memo(), QStringList({"x&amp;y"}));
}

TEST(ReadProperties, EveryFaultyAttributeLeavesOneLineAndReadingGoesOn)
{
    const struct { const char *text; const char *error; } rows[] = {
        {R"(Left="abc" Top="7")", "Memo1: 'abc' is not a valid floating point value"},
        {R"(Tag="1x" Top="7")", "Memo1: '1x' is not a valid integer value"},
        {R"(HAlign="haMiddle" Top="7")", "Memo1: Invalid property value"},
        {R"(HAlign="9" Top="7")", "Memo1: Invalid property value"},
        {R"(Visible="yes" Top="7")", "Memo1: Invalid property value"},
        {R"(Nothing="1" Top="7")", nullptr},
        {R"(Frame.Nothing="1" Nothing.Typ="1" Top="7")", nullptr},
    };
    for (const auto &row : rows) {
        TfrxMemoView memo;
        memo.SetName("Memo1");
        TfrxXMLSerializer s;
        s.ReadProperties(QString::fromUtf8(row.text), &memo);
        EXPECT_DOUBLE_EQ(memo.Top(), 7) << row.text;
        if (row.error) {
            EXPECT_EQ(s.ErrorList(), QStringList({QString::fromUtf8(row.error)})) << row.text;
        } else {
            EXPECT_TRUE(s.ErrorList().isEmpty()) << row.text;
        }
    }
}

TEST(ReadProperties, EnumerationsTakeIdentifiersOrNumbers)
{
    TfrxMemoView memo;
    TfrxXMLSerializer s;
    s.ReadProperties(R"(HAlign="2" VAlign="vacenter")", &memo);
    EXPECT_EQ(memo.HAlign(), TfrxHAlign::haCenter);
    EXPECT_EQ(memo.VAlign(), TfrxVAlign::vaCenter);
}

TEST(ReadProperties, MalformedTextEndsWithoutHarm)
{
    for (const char *text : {R"(Left="5)", R"(="5" Top="6")", "\"\"\"", "Left", R"(Left="5"Top="6")"}) {
        TfrxMemoView memo;
        TfrxXMLSerializer s;
        s.ReadProperties(QString::fromUtf8(text), &memo);
        SUCCEED();
    }
    TfrxMemoView memo;
    TfrxXMLSerializer s;
    s.ReadProperties(R"(Left="5)", &memo);
    EXPECT_DOUBLE_EQ(memo.Left(), 5);
}

TEST(TreeSerializer, UnknownClassesAreSkippedWithTheirChildren)
{
    TfrxReport report;
    const QStringList errors = readTree(&report, doc(R"(<TfrxReport Name="R">
  <TfrxReportPage Name="Page1">
    <TfrxFooView Name="X"><TfrxMemoView Name="Inner"/></TfrxFooView>
    <TfrxFrame Typ="1"/>
    <TfrxMemoView Name="Memo1" Left="3"/>
  </TfrxReportPage>
</TfrxReport>)"));
    EXPECT_EQ(errors, QStringList({"Sınıf bulunamadı TfrxFooView", "Sınıf bulunamadı TfrxFrame"}));
    EXPECT_EQ(report.FindObject("Inner"), nullptr);
    ASSERT_NE(report.FindObject("Memo1"), nullptr);
    EXPECT_DOUBLE_EQ(report.FindObject("Memo1")->Left(), 3);
}

TEST(TreeSerializer, ReferencesAreResolvedAfterTheWholeTree)
{
    QObject window;
    window.setObjectName("Form1");
    auto *ds = new TfrxDataSet;
    ds->setParent(&window);
    ds->SetName("frxDBDataset1");
    auto *report = new TfrxReport;
    report->setParent(&window);
    const QStringList errors = readTree(report, doc(R"(<TfrxReport Name="RpDetay">
  <Datasets><item DataSet="frxDBDataset1" DataSetName="frxDBDataset1"/></Datasets>
  <TfrxReportPage Name="Page1">
    <TfrxMasterData Name="MasterData1" DataSet="frxDBDataset1" Child="Child1">
      <TfrxMemoView Name="Memo1" FlowTo="memo2" DataSetName="frxDBDataset1" DataField="Gorevi"/>
      <TfrxMemoView Name="Memo2"/>
    </TfrxMasterData>
    <TfrxChild Name="Child1"/>
  </TfrxReportPage>
</TfrxReport>)"));
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    auto *band = qobject_cast<TfrxMasterData *>(report->FindObject("MasterData1"));
    auto *memo = qobject_cast<TfrxMemoView *>(report->FindObject("Memo1"));
    ASSERT_TRUE(band && memo);
    EXPECT_EQ(band->DataSet(), ds);
    EXPECT_EQ(band->Child(), report->FindObject("Child1"));
    EXPECT_EQ(memo->FlowTo(), report->FindObject("Memo2"));
    EXPECT_EQ(memo->DataSet(), ds); // found through the report's dataset list
    EXPECT_TRUE(memo->IsDataField());
    ASSERT_EQ(report->Datasets()->Count(), 1);
    EXPECT_EQ(report->GetDataset("FRXDBDATASET1"), ds);

    // Written back, the dataset on the window keeps its plain name.
    const QByteArray out = writeTree(report);
    EXPECT_TRUE(out.contains(R"(DataSet="frxDBDataset1")"));
    EXPECT_TRUE(out.contains(R"(<item DataSet="frxDBDataset1" DataSetName="frxDBDataset1"/>)"));
}

TEST(TreeSerializer, AReferenceItsMemberCannotHoldIsAnErrorLineAndReadingGoesOn)
{
    // A band is no memo to flow into and a memo no child band: each leaves a
    // line and an empty reference. A name found nowhere just stays empty.
    TfrxReport report;
    const QStringList errors = readTree(&report, doc(R"(<TfrxReport>
  <TfrxReportPage Name="Page1">
    <TfrxMasterData Name="MasterData1" Child="Memo1">
      <TfrxMemoView Name="Memo1" FlowTo="MasterData1" Left="4"/>
      <TfrxMemoView Name="Memo2" FlowTo="Nowhere"/>
    </TfrxMasterData>
  </TfrxReportPage>
</TfrxReport>)"));
    EXPECT_EQ(errors, QStringList({"MasterData1: Missing Memo1", "Memo1: Missing MasterData1"}));
    auto *band = qobject_cast<TfrxMasterData *>(report.FindObject("MasterData1"));
    auto *memo1 = qobject_cast<TfrxMemoView *>(report.FindObject("Memo1"));
    auto *memo2 = qobject_cast<TfrxMemoView *>(report.FindObject("Memo2"));
    ASSERT_TRUE(band && memo1 && memo2);
    EXPECT_EQ(band->Child(), nullptr);
    EXPECT_EQ(memo1->FlowTo(), nullptr);
    EXPECT_DOUBLE_EQ(memo1->Left(), 4);
    EXPECT_EQ(memo2->FlowTo(), nullptr);
    EXPECT_FALSE(memo1->IsLoading());

    // A single object too is made with what applies; the store builds pages so.
    TfrxXMLSerializer s;
    QObject *obj = s.ObjectFromText(qobject_cast<TfrxReportPage *>(report.FindObject("Page1")),
                                    R"(TfrxMemoView FlowTo="MasterData1" Left="3")");
    auto *memo = qobject_cast<TfrxMemoView *>(obj);
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->FlowTo(), nullptr);
    EXPECT_DOUBLE_EQ(memo->Left(), 3);
    ASSERT_EQ(s.ErrorList().size(), 1);
    EXPECT_TRUE(s.ErrorList()[0].endsWith(": Missing MasterData1")) << s.ErrorList()[0].toStdString();
}

TEST(TreeSerializer, ANameTakenAlreadyIsAnErrorAndTheNewObjectGetsAFreeName)
{
    TfrxReport report;
    const QStringList errors = readTree(&report, doc(R"(<TfrxReport>
  <TfrxReportPage Name="Page1"><TfrxMemoView Name="Memo1"/><TfrxMemoView Name="memo1"/><TfrxMemoView/></TfrxReportPage>
</TfrxReport>)"));
    EXPECT_EQ(errors, QStringList({"TfrxMemoView: prDupl"}));
    const auto &memos = report.Pages(0)->Objects();
    ASSERT_EQ(memos.size(), 3);
    EXPECT_EQ(memos[0]->Name(), "Memo1");
    EXPECT_EQ(memos[1]->Name(), "Memo2");
    EXPECT_EQ(memos[2]->Name(), "Memo3");
}

TEST(TreeSerializer, ItsMessagesComeFromTheEngineTextTable)
{
    // Texts registered for the keys replace the built-in ones while the test runs.
    struct Restore
    {
        ~Restore()
        {
            EngineTexts()->AddText("prDupl", "prDupl");
            EngineTexts()->AddText("xrCantFindClass", "Sınıf bulunamadı");
        }
    } restore;
    EngineTexts()->AddText("prDupl", "Bu ad kullanılıyor");
    EngineTexts()->AddText("xrCantFindClass", "Tanınmayan sınıf:");
    TfrxReport report;
    const QStringList errors = readTree(&report, doc(R"(<TfrxReport>
  <TfrxReportPage Name="Page1"><TfrxMemoView Name="Memo1"/><TfrxMemoView Name="Memo1"/><TfrxFooView/></TfrxReportPage>
</TfrxReport>)"));
    EXPECT_EQ(errors, QStringList({"Tanınmayan sınıf: TfrxFooView", "TfrxMemoView: Bu ad kullanılıyor"}));
}

TEST(TreeSerializer, FindExistingUpdatesInsteadOfAdding)
{
    TfrxReport report;
    auto *page = new TfrxReportPage(&report);
    page->SetName("Page1");
    auto *memo = new TfrxMemoView(page);
    memo->SetName("Memo1");
    readTree(&report, doc(R"(<TfrxReport><TfrxReportPage Name="Page1"><TfrxMemoView Name="Memo1" x="new"/></TfrxReportPage></TfrxReport>)"),
             TfrxFindExisting::Yes);
    EXPECT_EQ(report.AllObjects().size(), 2);
    EXPECT_EQ(memo->Memo(), QStringList({"new"}));
}

TEST(TreeSerializer, NestingBeyondTheLimitIsCutOff)
{
    QByteArray body;
    const int depth = 5000;
    for (int i = 0; i < depth; ++i)
        body += "<TfrxMemoView>";
    for (int i = 0; i < depth; ++i)
        body += "</TfrxMemoView>";
    TfrxReport report;
    const QStringList errors = readTree(&report, doc(("<TfrxReport>" + body + "</TfrxReport>").constData()));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("İç içe nesne sınırı aşıldı")) << errors[0].toStdString();
    EXPECT_EQ(report.AllObjects().size(), TfrxXMLSerializer::MaxDepth);
}

TEST(TreeSerializer, MalformedMarkupIsReported)
{
    TfrxReport report;
    EXPECT_THROW(readTree(&report, doc("<TfrxReport><TfrxReportPage></TfrxReport>")), TfrxXMLError);
    EXPECT_THROW(readTree(&report, "<TfrxReport/>"), TfrxXMLError);
}

TEST(TreeSerializer, WrittenAsAnIndentedDocumentInTreeOrder)
{
    TfrxReport report;
    report.SetName("R");
    auto *page = new TfrxReportPage(&report);
    page->SetName("Page1");
    auto *shape = new TfrxShapeView(page);
    shape->SetName("Shape1");
    const QByteArray out = writeTree(&report);
    EXPECT_TRUE(out.startsWith("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<TfrxReport Name=\"R\""));
    EXPECT_TRUE(out.contains("\r\n  <TfrxReportPage Name=\"Page1\""));
    EXPECT_TRUE(out.contains("\r\n    <TfrxShapeView Name=\"Shape1\" Left=\"0\" Top=\"0\" Width=\"0\" Height=\"0\"/>\r\n"));
    EXPECT_TRUE(out.endsWith("</TfrxReport>\r\n"));
}

TEST(ObjectText, ClassNameAndAttributesBothWays)
{
    TfrxReportPage page;
    TfrxXMLSerializer s;
    QObject *obj = s.ObjectFromText(&page, R"(  TfrxMemoView Left="5" Memo.Text="x" Frame.Typ="1"  )");
    auto *memo = qobject_cast<TfrxMemoView *>(obj);
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->Parent(), &page);
    EXPECT_DOUBLE_EQ(memo->Left(), 5);
    EXPECT_EQ(memo->Memo(), QStringList({"x"}));
    EXPECT_FALSE(memo->IsLoading());
    EXPECT_EQ(s.ObjectToText(memo),
              R"(TfrxMemoView Left="5" Top="0" Width="0" Height="0" Frame.Typ="1" Memo.Text="x")");

    EXPECT_EQ(s.ObjectFromText(&page, "   "), nullptr);
    try {
        s.ObjectFromText(&page, "TfrxNope Left=\"1\"");
        FAIL() << "no error";
    } catch (const LoderaError &e) {
        EXPECT_EQ(e.message(), "Class TfrxNope not found");
    }
}

TEST(ObjectText, ShortElementGoesToTheStream)
{
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    TfrxFrame frame;
    frame.SetTyp(TfrxFrameType::ftLeft);
    TfrxXMLSerializer(&out).WriteShortElement(&frame);
    EXPECT_EQ(bytes, R"(<TfrxFrame Typ="1"/>)");
}

TEST(ClassRegistry, HoldsExactlyTheTemplateClasses)
{
    // The classes a template may name, in the registry's order.
    const QStringList expected = {
        "TfrxChild", "TfrxColumnFooter", "TfrxColumnHeader", "TfrxCustomMemoView", "TfrxMasterData",
        "TfrxDetailData", "TfrxSubdetailData", "TfrxDataBand4", "TfrxDataBand5", "TfrxDataBand6",
        "TfrxDialogPage", "TfrxFooter", "TfrxFrame", "TfrxGroupFooter", "TfrxGroupHeader",
        "TfrxHeader", "TfrxHighlight", "TfrxLineView", "TfrxMemoView", "TfrxOverlay",
        "TfrxPageFooter", "TfrxPageHeader", "TfrxPictureView", "TfrxReport", "TfrxReportPage",
        "TfrxReportSummary", "TfrxReportTitle", "TfrxShapeView", "TfrxSubreport", "TfrxSysMemoView",
        "TfrxStyleItem", "TfrxNullBand", "TfrxCustomLineView",
    };
    EXPECT_EQ(TfrxClassRegistry::Names(), expected);
    for (const QString &name : expected) {
        const QMetaObject *cls = TfrxClassRegistry::Find(name);
        ASSERT_NE(cls, nullptr) << name.toStdString();
        EXPECT_EQ(QLatin1String(cls->className()), name);
    }
    EXPECT_NE(TfrxClassRegistry::Find("tfrxmemoview"), nullptr);
    EXPECT_EQ(TfrxClassRegistry::Find("TfrxView"), nullptr);
    EXPECT_EQ(TfrxClassRegistry::Find("TfrxBand"), nullptr);
    EXPECT_EQ(TfrxClassRegistry::Find("QObject"), nullptr);
}

TEST(PictureData, ImageTravelsAsPropDataAndAutoSizeTakesItsSize)
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(1, 1, qRgb(0, 0, 0));
    TfrxPictureView source;
    source.Picture()->SetImage(image);
    const QString text = attrs(&source);
    ASSERT_TRUE(text.contains(" Picture.PropData=\"07544269746D6170")) << text.left(80).toStdString();

    TfrxPictureView target;
    target.SetAutoSize(true);
    TfrxXMLSerializer s;
    s.ReadProperties(text, &target);
    EXPECT_TRUE(s.ErrorList().isEmpty());
    EXPECT_EQ(target.Picture()->Kind(), "TBitmap");
    EXPECT_EQ(target.Picture()->Bytes(), source.Picture()->Bytes());
    EXPECT_EQ(target.Picture()->Image().pixel(1, 1), qRgb(0, 0, 0));
    EXPECT_DOUBLE_EQ(target.Width(), 3);
    EXPECT_DOUBLE_EQ(target.Height(), 2);
}

TEST(PictureData, DamagedDataIsAnErrorAndKeepsThePicture)
{
    for (const char *text : {R"(Picture.PropData="0754426")", R"(Picture.PropData="ZZ")",
                             R"(Picture.PropData="07544269746D6170FF000000424D")"}) {
        TfrxPictureView view;
        view.SetName("Picture1");
        TfrxXMLSerializer s;
        s.ReadProperties(QString::fromUtf8(text), &view);
        EXPECT_EQ(s.ErrorList().size(), 1) << text;
        EXPECT_TRUE(view.Picture()->IsEmpty()) << text;
    }
}

TEST(ReportCopy, SavingAndRestoringAReportFindsEveryReferenceAgain)
{
    QObject window;
    auto *ds = new TfrxDataSet;
    ds->setParent(&window);
    ds->SetName("frxDBDataset2");
    auto *report = new TfrxReport;
    report->setParent(&window);
    report->SetName("RpKisisel");
    report->Datasets()->Add(ds);
    report->Variables()->SetValue("Baslik", "Liste");
    auto *page = new TfrxReportPage(report);
    page->SetName("Page1");
    page->SetOrientation(TPrinterOrientation::poLandscape);
    page->SetLeftMargin(14);
    auto *band = new TfrxMasterData(page);
    band->SetName("MasterData1");
    band->SetDataSet(ds);
    auto *child = new TfrxChild(page);
    child->SetName("Child1");
    band->SetChild(child);
    auto *first = new TfrxMemoView(band);
    first->SetName("MAd");
    first->SetText("Ayşe Yılmaz");
    auto *second = new TfrxMemoView(band);
    second->SetName("Memo2");
    first->SetFlowTo(second);

    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    report->SaveToStream(&buffer);
    const QByteArray saved = buffer.data();
    ASSERT_TRUE(saved.contains("Ay\xFE" "e Y\xFDlmaz")); // code page 1254 bytes
    buffer.seek(0);
    const QStringList errors = report->LoadFromStream(&buffer);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();

    EXPECT_EQ(report->Name(), "RpKisisel");
    EXPECT_EQ(report->AllObjects().size(), 5);
    auto *band2 = qobject_cast<TfrxMasterData *>(report->FindObject("MasterData1"));
    auto *first2 = qobject_cast<TfrxMemoView *>(report->FindObject("MAd"));
    ASSERT_TRUE(band2 && first2);
    EXPECT_EQ(band2->DataSet(), ds);
    EXPECT_EQ(band2->Child(), report->FindObject("Child1"));
    EXPECT_EQ(first2->FlowTo(), report->FindObject("Memo2"));
    EXPECT_EQ(first2->Memo(), QStringList({"Ayşe Yılmaz"}));
    auto *page2 = qobject_cast<TfrxReportPage *>(report->FindObject("Page1"));
    ASSERT_NE(page2, nullptr);
    EXPECT_EQ(page2->Orientation(), TPrinterOrientation::poLandscape);
    EXPECT_DOUBLE_EQ(page2->LeftMargin(), 14);
    EXPECT_DOUBLE_EQ(page2->Width(), 1123);
    EXPECT_EQ(report->GetDataset("frxDBDataset2"), ds);
    EXPECT_EQ(report->Variables()->Value("baslik").toString(), "Liste");

    // The restored report writes exactly what was saved.
    QBuffer again;
    again.open(QIODevice::WriteOnly);
    report->SaveToStream(&again);
    EXPECT_EQ(again.data(), saved);
}

TEST(ReportCopy, AssignFromCopiesMembersButNotTheName)
{
    TfrxReportPage page;
    auto *source = new TfrxMemoView(&page);
    source->SetName("Source");
    source->SetText("metin");
    source->Font()->SetName("Tahoma");
    auto *target = new TfrxMemoView(&page);
    target->SetName("Target");
    EXPECT_TRUE(target->AssignFrom(source).isEmpty());
    EXPECT_EQ(target->Name(), "Target");
    EXPECT_EQ(source->Name(), "Source");
    EXPECT_EQ(target->Memo(), QStringList({"metin"}));
    EXPECT_EQ(target->Font()->Name(), "Tahoma");
    EXPECT_FALSE(target->ParentFont());
}
