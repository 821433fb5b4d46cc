// The engine's text table and how a window block lands on real widgets.
#include "report/base/tfrxresources.h"

#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include "qstringprint.h"

#include <gtest/gtest.h>

namespace fixture {

// Stands in for the engine's search window: LocalizeWindow must find the block
// by the class name without its namespace.
class TfrxSearchDialog : public QDialog
{
    Q_OBJECT
public:
    TfrxSearchDialog()
    {
        auto *text = new QLabel(this);
        text->setObjectName(QStringLiteral("TextL"));
        auto *options = new QGroupBox(this);
        options->setObjectName(QStringLiteral("OptionsGB"));
        auto *ok = new QPushButton(options); // nested: found below its group
        ok->setObjectName(QStringLiteral("OkB"));
        // No CancelB: its line must be skipped without harm.
    }
};

} // namespace fixture

namespace {

TEST(Resources, UnknownKeyReadsAsTheKey)
{
    TfrxResources table;
    EXPECT_EQ(table.GetText(QStringLiteral("prDupl")), QStringLiteral("prDupl"));
    EXPECT_EQ(table.Get(QStringLiteral("prInvProp")), QStringLiteral("prInvProp"));
    EXPECT_FALSE(table.Contains(QStringLiteral("prDupl")));
    EXPECT_EQ(table.GetText(QString()), QString());
}

TEST(Resources, KeysIgnoreCaseAndASecondRegistrationReplacesTheText)
{
    TfrxResources table;
    const qsizetype before = table.Keys().size();
    table.AddText(QStringLiteral("myKey"), QStringLiteral("bir"));
    table.AddText(QStringLiteral("MYKEY"), QStringLiteral("iki"));
    EXPECT_EQ(table.Keys().size(), before + 1);
    EXPECT_EQ(table.GetText(QStringLiteral("mykey")), QStringLiteral("iki"));
    EXPECT_EQ(table.GetText(QStringLiteral("CLERRORS")), QStringLiteral("Aşağıdaki hata(lar) oluştu:"));
}

TEST(Resources, KeysAreListedSortedIgnoringCase)
{
    TfrxResources table;
    const QStringList keys = table.Keys();
    for (qsizetype i = 1; i < keys.size(); ++i)
        EXPECT_LE(QString::compare(keys[i - 1], keys[i], Qt::CaseInsensitive), 0) << i;
}

struct TextRow
{
    const char *key;
    const char16_t *text;
};

class RegisteredTextTest : public ::testing::TestWithParam<TextRow> {};

// Texts where a slip is easy and visible: quotes, placeholders, trailing blanks.
TEST_P(RegisteredTextTest, HasItsTurkishText)
{
    EXPECT_EQ(frxResources()->GetText(QLatin1String(GetParam().key)),
              QString::fromUtf16(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Table, RegisteredTextTest, ::testing::Values(
    TextRow{"clDSNotExist", u"\"%s\" Dataset'i oluşturulmamış"},
    TextRow{"clFirstPass", u"İlk geçiş: sayfa "},
    TextRow{"clPageOf", u"Sayfa %d / %d"},
    TextRow{"xrCantFindClass", u"Sınıf bulunamadı"},
    TextRow{"prDefault", u"Varsayılan"},
    TextRow{"prRunningFirst", u"İlk çalışan : sayfa %d"},
    TextRow{"clScrError", u"Script Hatası %s: %s"},
    TextRow{"prExporting", u"Sayfa dışarı atılıyor %d"}),
    [](const auto &info) { return std::string(info.param.key); });

TEST(Resources, TheProcessTableHoldsEveryKeyAndBlock)
{
    TfrxResources *table = frxResources();
    EXPECT_EQ(table, EngineTexts());
    const char *keys[] = {
        "zmPageWidth", "zmWholePage", "ppAll", "ppOdd", "ppEven", "mbError", "xrCantFindClass",
        "prVirtual", "prDefault", "prCustom", "enUnconnHeader", "enUnconnGroup",
        "enUnconnGFooter", "enBandPos", "dbNotConn", "dbFldNotFound", "clUnknownVar",
        "clScrError", "clDSNotExist", "clErrors", "clExprError", "clSaving", "clCancel",
        "clClose", "clLoading", "clPageOf", "clFirstPass", "clNoPrinters", "prRunningFirst",
        "prRunning", "prPrinting", "prExporting"};
    for (const char *key : keys)
        EXPECT_TRUE(table->Contains(QLatin1String(key))) << key;
    for (const char *block : {"TfrxPreviewForm", "TfrxPrintDialog", "TfrxSearchDialog",
                              "TfrxPageSettingsForm", "TfrxProgress"})
        EXPECT_FALSE(table->WindowBlock(QLatin1String(block)).isEmpty()) << block;
    EXPECT_EQ(table->WindowBlock(QStringLiteral("TfrxProgress")),
              QStringList{QStringLiteral("CancelB.Caption=Vazgeç")});
}

TEST(LocalizeWindow, SetsWindowAndControlCaptionsKeepingTrailingBlanks)
{
    QDialog window;
    auto *group = new QGroupBox(&window);
    group->setObjectName(QStringLiteral("PrinterGB"));
    auto *ok = new QPushButton(&window);
    ok->setObjectName(QStringLiteral("OkB"));
    frxResources()->LocalizeWindow(&window, QStringLiteral("TfrxPrintDialog"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Yazdır"));
    EXPECT_EQ(group->title(), QStringLiteral("Yazıcı   "));
    EXPECT_EQ(ok->text(), QStringLiteral("Tamam"));
}

TEST(LocalizeWindow, FindsTheBlockByClassNameAndSkipsMissingControls)
{
    fixture::TfrxSearchDialog window;
    frxResources()->LocalizeWindow(&window);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Bul"));
    EXPECT_EQ(window.findChild<QLabel *>(QStringLiteral("TextL"))->text(),
              QStringLiteral("Aranacak kelime:"));
    EXPECT_EQ(window.findChild<QGroupBox *>(QStringLiteral("OptionsGB"))->title(),
              QStringLiteral("Arama seçenekleri   "));
    EXPECT_EQ(window.findChild<QPushButton *>(QStringLiteral("OkB"))->text(),
              QStringLiteral("Tamam"));
}

TEST(LocalizeWindow, HintSplitsIntoToolTipAndStatusTip)
{
    TfrxResources table;
    table.AddWindowBlock(QStringLiteral("W"),
                         {QStringLiteral("A.Hint=kısa|uzun açıklama"),
                          QStringLiteral("B.Hint=tek"),
                          QStringLiteral("C.Caption=a=b")});
    QDialog window;
    auto *a = new QAction(&window);
    a->setObjectName(QStringLiteral("A"));
    auto *b = new QPushButton(&window);
    b->setObjectName(QStringLiteral("B"));
    auto *c = new QLabel(&window);
    c->setObjectName(QStringLiteral("C"));
    table.LocalizeWindow(&window, QStringLiteral("W"));
    EXPECT_EQ(a->toolTip(), QStringLiteral("kısa"));
    EXPECT_EQ(a->statusTip(), QStringLiteral("uzun açıklama"));
    EXPECT_EQ(b->toolTip(), QStringLiteral("tek"));
    EXPECT_EQ(b->statusTip(), QStringLiteral("tek"));
    EXPECT_EQ(c->text(), QStringLiteral("a=b")); // the value starts after the first '='
}

TEST(LocalizeWindow, AWindowWithoutBlockIsLeftAlone)
{
    QDialog window;
    window.setWindowTitle(QStringLiteral("English"));
    auto *ok = new QPushButton(QStringLiteral("OK"), &window);
    ok->setObjectName(QStringLiteral("OkB"));
    frxResources()->LocalizeWindow(&window); // QDialog has no block
    EXPECT_EQ(window.windowTitle(), QStringLiteral("English"));
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
}

} // namespace

#include "resourcestest.moc"
