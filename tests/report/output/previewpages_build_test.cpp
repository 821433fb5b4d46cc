// Rebuilding pages: the page cache, page sizes, page editing and the file cache.
#include "previewpages_fixture.h"

#include <QTemporaryDir>

using namespace previewpagestest;

TEST_F(ListReport, RebuiltPageHasTheRecordedObjectsAtTheirPlaces)
{
    run(1, 2);
    TfrxReportPage *p = store.BuildPage(0);
    ASSERT_NE(p, nullptr);
    ASSERT_EQ(p->Objects().size(), 3);
    TfrxComponent *second = p->Objects()[1];
    EXPECT_EQ(second->Name(), QStringLiteral("MasterData1"));
    EXPECT_EQ(second->Top(), 20);
    ASSERT_EQ(second->Objects().size(), 2);
    auto *memo = qobject_cast<TfrxMemoView *>(second->Objects()[0]);
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->Memo(), QStringList{QStringLiteral("Kişi 0-1")});
    // Members that the row did not change come from the template.
    EXPECT_EQ(memo->Left(), 10);
    EXPECT_EQ(memo->Width(), 200);
    auto *footerMemo = qobject_cast<TfrxMemoView *>(p->Objects()[2]->Objects()[0]);
    EXPECT_EQ(footerMemo->Memo(), QStringList{QStringLiteral("Sayfa: 1")});
    // Bands take the printable width: 210 mm is 793.7013 pixels.
    EXPECT_DOUBLE_EQ(second->Width(), 793.7013);
}

TEST_F(ListReport, NoPageOutsideTheStore)
{
    EXPECT_EQ(store.BuildPage(0), nullptr);
    run(1, 1);
    EXPECT_EQ(store.BuildPage(-1), nullptr);
    EXPECT_EQ(store.BuildPage(1), nullptr);
}

TEST_F(ListReport, PageCacheKeepsTheFiftyLastRebuiltPages)
{
    run(52, 1);
    TfrxReportPage *first = store.BuildPage(0);
    EXPECT_EQ(store.BuildPage(0), first);
    for (int i = 1; i <= 50; ++i)
        store.BuildPage(i);
    EXPECT_EQ(store.CachedPageCount(), 50);
    // Page 0 was used least recently and has gone; page 1 is still there.
    TfrxReportPage *one = store.BuildPage(1);
    TfrxReportPage *again = store.BuildPage(0);
    EXPECT_EQ(store.CachedPageCount(), 50);
    EXPECT_EQ(store.BuildPage(1), one);
    EXPECT_EQ(store.BuildPage(0), again);
    EXPECT_EQ(qobject_cast<TfrxMemoView *>(again->Objects()[0]->Objects()[0])->Memo(),
              QStringList{QStringLiteral("Kişi 0-0")});
}

TEST_F(ListReport, PagePixelSize)
{
    page->SetOrientation(TPrinterOrientation::poLandscape);
    run(2, 1);
    EXPECT_EQ(store.PagePixelSize(0), QSize(1123, 794));
    EXPECT_EQ(store.PagePixelSize(1), QSize(1123, 794));
    EXPECT_EQ(store.PagePixelSize(-1), QSize(0, 0));
    EXPECT_EQ(store.PagePixelSize(2), QSize(0, 0));
    // Sizes come from the source page: nothing is rebuilt for them.
    EXPECT_EQ(store.CachedPageCount(), 0);
}

TEST_F(ListReport, ReplacePageStoresTheEditedPageInFull)
{
    run(3, 1);
    TfrxReportPage *edited = store.BuildPage(1);
    qobject_cast<TfrxMemoView *>(edited->Objects()[0]->Objects()[0])->SetText(QStringLiteral("Düzeltildi"));
    edited->SetPaperWidth(200);
    store.ReplacePage(1, edited);
    EXPECT_EQ(store.CachedPageCount(), 0);
    EXPECT_EQ(store.PageElement(1)->ElementName(), QStringLiteral("TfrxReportPage"));
    EXPECT_FALSE(store.PageElement(1)->MayUnload());
    TfrxReportPage *rebuilt = store.BuildPage(1);
    EXPECT_EQ(qobject_cast<TfrxMemoView *>(rebuilt->Objects()[0]->Objects()[0])->Memo(),
              QStringList{QStringLiteral("Düzeltildi")});
    // 200 mm is 755.906 pixels.
    EXPECT_EQ(store.PagePixelSize(1), QSize(756, 1123));
    EXPECT_EQ(store.PagePixelSize(0), QSize(794, 1123));
}

TEST_F(ListReport, InsertAndRemovePages)
{
    run(1, 1);
    store.RemovePage(0);
    EXPECT_EQ(store.PageCount(), 1);
    store.InsertEmptyPage(0);
    ASSERT_EQ(store.PageCount(), 2);
    EXPECT_TRUE(store.BuildPage(0)->Objects().isEmpty());
    EXPECT_EQ(store.BuildPage(1)->Objects().size(), 2);
    store.RemovePage(0);
    ASSERT_EQ(store.PageCount(), 1);
    EXPECT_EQ(store.BuildPage(0)->Objects().size(), 2);
}

TEST_F(ListReport, FileCacheUnloadsPagesAndReadsThemBack)
{
    QTemporaryDir dir;
    report.EngineOptions()->SetUseFileCache(true);
    report.EngineOptions()->SetMaxMemSize(0);
    report.EngineOptions()->SetTempDir(dir.path());
    run(6, 3);
    // Each new page unloads the ones before the last, never the first two.
    EXPECT_TRUE(store.PageInMemory(0));
    EXPECT_TRUE(store.PageInMemory(1));
    EXPECT_FALSE(store.PageInMemory(2));
    EXPECT_FALSE(store.PageInMemory(3));
    EXPECT_TRUE(store.PageInMemory(4));
    EXPECT_TRUE(store.PageInMemory(5));
    EXPECT_FALSE(store.Document().CacheFileName().isEmpty());
    TfrxReportPage *p = store.BuildPage(2);
    EXPECT_EQ(qobject_cast<TfrxMemoView *>(p->Objects()[2]->Objects()[0])->Memo(),
              QStringList{QStringLiteral("Kişi 2-2")});
    EXPECT_TRUE(store.PageInMemory(2));
    const QString cacheFile = store.Document().CacheFileName();
    store.Reset();
    EXPECT_FALSE(QFile::exists(cacheFile));
}
