// Prepared report files: the store's document with the report element, the
// source pages in full and the dictionary added, and the way back.
//
// Output pages are written one at a time from their packed records, so saving
// a long report never holds all its element trees at once. Reading is the one
// place where the store meets foreign data: whatever the file holds, the store
// afterwards is either the file's report or empty, and malformed markup or a
// document of another kind raises "Invalid file format".
#include "report/output/tfrxpreviewpages.h"

#include "platform/loderaerror.h"
#include "report/base/frxxmlescape.h"
#include "report/base/tfrxxmlerror.h"
#include "report/base/tfrxxmlitem.h"
#include "report/base/tfrxxmlwriter.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportpage.h"
#include "report/model/tfrxxmlserializer.h"

#include <QFile>
#include <QSaveFile>

void TfrxPreviewPages::WritePrepared(QIODevice *stream)
{
    TfrxXMLItem *root = m_document.Root();
    pagesItem();

    TfrxXMLItem *reportItem = root->FindOrAdd(QStringLiteral("report"));
    reportItem->Clear();
    if (TfrxReport *report = Report()) {
        TfrxXMLItem *r = reportItem->Add(QString::fromLatin1(report->metaObject()->className()));
        r->SetAttr(QStringLiteral("DotMatrixReport"), report->DotMatrixReport() ? QStringLiteral("1") : QStringLiteral("0"));
        r->SetAttr(QStringLiteral("PreviewOptions.OutlineVisible"),
                   report->PreviewOptions()->OutlineVisible() ? QStringLiteral("1") : QStringLiteral("0"));
        r->SetAttr(QStringLiteral("PreviewOptions.OutlineWidth"),
                   QString::number(report->PreviewOptions()->OutlineWidth()));
        r->SetAttrText(r->AttrText().trimmed());
    }

    TfrxXMLItem *sourceItem = root->FindOrAdd(QStringLiteral("sourcepages"));
    sourceItem->Clear();
    TfrxXMLSerializer serializer;
    for (int i = 0; i < m_sources.Count(); ++i)
        serializer.WriteComponentTree(m_sources.Page(i), TfrxWithChildren::Yes, sourceItem->Add());

    TfrxXMLItem *dictItem = root->FindOrAdd(QStringLiteral("dictionary"));
    dictItem->Clear();
    const TfrxDictionary &dict = m_sources.Dictionary();
    for (const QString &alias : dict.SortedAliases())
        dictItem->Add(alias)->SetAttrText(QLatin1String("name=\"") + EscapeXML(dict.GetSourceName(alias))
                                          + QLatin1Char('"'));

    TfrxXMLWriter writer(stream, TfrxXMLIndent::Flat);
    writer.WriteHeader();
    writer.Write(QLatin1Char('<') + root->ElementName() + QLatin1Char('>'));
    for (qsizetype i = 0; i < root->Count(); ++i) {
        TfrxXMLItem *child = root->Item(i);
        if (child != pagesItem()) {
            writer.WriteRootItem(child, &m_document);
            continue;
        }
        if (m_pages.empty()) {
            writer.Write(QLatin1Char('<') + child->ElementName() + QLatin1String("/>"));
            continue;
        }
        writer.Write(QLatin1Char('<') + child->ElementName() + QLatin1Char('>'));
        for (const OutputPage &page : m_pages) {
            if (!page.Element->InMemory()) {
                writer.WriteRootItem(page.Element, &m_document);
                continue;
            }
            TfrxXMLItem element(page.Element->ElementName());
            element.SetAttrText(page.Element->AttrText());
            element.SetMayUnload(page.Element->MayUnload());
            materialize(page, &element);
            writer.WriteRootItem(&element, &m_document);
        }
        writer.Write(QLatin1String("</") + child->ElementName() + QLatin1Char('>'));
    }
    writer.Write(QLatin1String("</") + root->ElementName() + QLatin1Char('>'));
    writer.Flush();

    // The file's own parts are not kept in memory between saves.
    sourceItem->Clear();
    dictItem->Clear();
}

void TfrxPreviewPages::ReadPrepared(QIODevice *stream, TfrxXMLLoad mode)
{
    Reset();
    try {
        m_document.LoadFromStream(stream, mode);
        if (m_document.Root()->ElementName().compare(QLatin1String("preparedreport"), Qt::CaseInsensitive) != 0)
            throw TfrxXMLError(0);
        readDocument();
    } catch (...) {
        Reset();
        throw;
    }
}

void TfrxPreviewPages::readDocument()
{
    TfrxXMLItem *root = m_document.Root();
    root->SetElementName(QStringLiteral("preparedreport"));

    // Only the report's preview members travel in a prepared report; nothing
    // else of the report is taken from a file.
    const TfrxXMLItem *reportItem = root->FindItem(QStringLiteral("report"));
    if (Report() && reportItem && reportItem->Count() > 0) {
        const TfrxXMLItem *r = reportItem->Item(0);
        TfrxReport *report = Report();
        const QString dotMatrix = r->GetAttr(QStringLiteral("DotMatrixReport"));
        if (!dotMatrix.isEmpty())
            report->SetDotMatrixReport(dotMatrix == QLatin1String("1") || dotMatrix.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0);
        const QString visible = r->GetAttr(QStringLiteral("PreviewOptions.OutlineVisible"));
        if (!visible.isEmpty())
            report->PreviewOptions()->SetOutlineVisible(visible == QLatin1String("1") || visible.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0);
        bool ok = false;
        const int width = r->GetAttr(QStringLiteral("PreviewOptions.OutlineWidth")).toInt(&ok);
        if (ok)
            report->PreviewOptions()->SetOutlineWidth(width);
    }

    if (TfrxXMLItem *sourceItem = root->FindItem(QStringLiteral("sourcepages"))) {
        for (qsizetype i = 0; i < sourceItem->Count(); ++i) {
            auto *page = new TfrxReportPage(nullptr);
            TfrxXMLSerializer serializer;
            try {
                serializer.ReadComponentTree(page, sourceItem->Item(i));
            } catch (...) {
                delete page;
                throw;
            }
            m_sources.AddLoadedPage(page);
        }
        sourceItem->Clear();
    }

    if (TfrxXMLItem *dictItem = root->FindItem(QStringLiteral("dictionary"))) {
        for (qsizetype i = 0; i < dictItem->Count(); ++i) {
            const TfrxXMLItem *entry = dictItem->Item(i);
            m_sources.AddAlias(entry->ElementName(), entry->GetAttr(QStringLiteral("name")));
        }
        dictItem->Clear();
    }

    TfrxXMLItem *pages = pagesItem();
    m_pages.reserve(size_t(pages->Count()));
    for (qsizetype i = 0; i < pages->Count(); ++i) {
        OutputPage page;
        page.Element = pages->Item(i);
        // A "page" + N element has no attributes of its own: the page takes
        // everything from its source page. Whatever a file put there is left
        // behind, so that it cannot run into the unload mark the writer puts
        // straight after the attributes of a page that may unload.
        if (!isFullFormName(page.Element->ElementName()))
            page.Element->SetAttrText(QString());
        m_pages.push_back(std::move(page));
        if (m_pages.back().Element->InMemory())
            packChildren(m_pages.back());
    }
    updateUnloadFlags();
    WritePageIndex = PageCount() - 1;
}

bool TfrxPreviewPages::OpenPreparedFile(const QString &fileName, TfrxMissingFile missing)
{
    const bool exists = QFile::exists(fileName);
    if (!exists && missing == TfrxMissingFile::Ignore)
        return false;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw LoderaError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
    ReadPrepared(&file, TfrxXMLLoad::Complete);
    return exists;
}

void TfrxPreviewPages::SavePreparedFile(const QString &fileName)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw LoderaError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, file.errorString()));
    WritePrepared(&file);
    if (!file.commit())
        throw LoderaError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, file.errorString()));
}
