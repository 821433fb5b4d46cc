#include "report/base/tfrxxmldocument.h"

#include "platform/loderaerror.h"
#include "report/base/tfrxxmlerror.h"
#include "report/base/tfrxxmlitem.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryFile>

TfrxXMLDocument::TfrxXMLDocument() : m_root(std::make_unique<TfrxXMLItem>()) {}

TfrxXMLDocument::~TfrxXMLDocument() = default;

QString TfrxXMLDocument::CacheFileName() const
{
    return m_cacheFile ? m_cacheFile->fileName() : QString();
}

bool TfrxXMLDocument::HasCacheStream() const
{
    return m_source || m_cacheFile;
}

void TfrxXMLDocument::dropSource()
{
    m_source = nullptr;
    m_ownedSource.reset();
}

void TfrxXMLDocument::Clear()
{
    m_root->Clear();
    m_root->SetInMemory(true);
    dropSource();
    m_cacheFile.reset(); // closes and removes the file
}

void TfrxXMLDocument::LoadFromStream(QIODevice *stream, TfrxXMLLoad mode)
{
    Clear();
    m_root->SetAttrText(QString());
    m_root->SetMayUnload(false);
    try {
        TfrxXMLReader reader(stream);
        reader.ReadHeader();
        if (reader.ReadRootItem(m_root.get(), mode))
            m_source = stream;
    } catch (...) {
        m_root->Clear();
        m_root->SetInMemory(true);
        m_root->SetAttrText(QString());
        throw;
    }
}

void TfrxXMLDocument::SaveToStream(QIODevice *stream)
{
    TfrxXMLWriter writer(stream, m_indent);
    writer.WriteHeader();
    writer.WriteRootItem(m_root.get(), this);
    writer.Flush();
}

void TfrxXMLDocument::LoadFromFile(const QString &fileName, TfrxXMLLoad mode)
{
    auto file = std::make_unique<QFile>(fileName);
    if (!file->open(QIODevice::ReadOnly))
        throw LoderaError(QStringLiteral("Dosya açılamadı: %1 (%2)").arg(fileName, file->errorString()));
    LoadFromStream(file.get(), mode);
    if (m_source == file.get())
        m_ownedSource = std::move(file);
}

void TfrxXMLDocument::SaveToFile(const QString &fileName)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw LoderaError(QStringLiteral("Dosya yazılamadı: %1 (%2)").arg(fileName, file.errorString()));
    SaveToStream(&file);
    if (!file.commit())
        throw LoderaError(QStringLiteral("Dosya yazılamadı: %1 (%2)").arg(fileName, file.errorString()));
}

QIODevice *TfrxXMLDocument::streamOf(const TfrxXMLItem *item) const
{
    if (item->m_source == TfrxXMLItem::Source::CacheFile)
        return m_cacheFile.get();
    return m_source;
}

void TfrxXMLDocument::LoadItem(TfrxXMLItem *item)
{
    if (!item || !item->MayUnload() || item->InMemory())
        return;
    QIODevice *stream = streamOf(item);
    if (!stream)
        return;
    const quint64 offset = item->CacheOffset();
    // The cache file may be in the middle of receiving another element (an
    // unload writes nested unloaded elements after reading them back), so the
    // stream goes back to where it was whatever happens here.
    struct RestorePosition
    {
        QIODevice *stream;
        qint64 pos;
        ~RestorePosition() { stream->seek(pos); }
    } restore{stream, stream->pos()};
    if (!stream->seek(qint64(offset)))
        throw TfrxXMLError(offset);
    const QString name = item->ElementName();
    const QString attrs = item->AttrText();
    try {
        TfrxXMLReader reader(stream);
        reader.ReadRootItem(item, TfrxXMLLoad::Complete);
        // The cache must hold this very element; anything else means the
        // stream changed under us.
        if (item->ElementName().compare(name, Qt::CaseInsensitive) != 0)
            throw TfrxXMLError(offset);
    } catch (...) {
        item->Clear();
        item->SetElementName(name);
        item->SetAttrText(attrs);
        item->SetInMemory(false);
        throw;
    }
    item->SetElementName(name);
    item->SetAttrText(attrs);
    item->SetInMemory(true);
}

void TfrxXMLDocument::UnloadItem(TfrxXMLItem *item)
{
    if (!item || !item->InMemory() || !item->MayUnload())
        return;
    if (!m_cacheFile) {
        const QString folder = m_cacheFolder.isEmpty() ? QDir::tempPath() : m_cacheFolder;
        auto file = std::make_unique<QTemporaryFile>(QDir(folder).filePath(QStringLiteral("frxcache_XXXXXX.tmp")));
        if (!file->open())
            throw LoderaError(QStringLiteral("Geçici dosya oluşturulamadı: %1 (%2)")
                                  .arg(folder, file->errorString()));
        m_cacheFile = std::move(file);
    }
    const qint64 end = m_cacheFile->size();
    if (quint64(end) > TfrxXMLItem::MaxCacheOffset)
        return; // beyond what an element can point at: keep it in memory
    if (!m_cacheFile->seek(end))
        throw LoderaError(QStringLiteral("Geçici dosya yazılamadı: %1").arg(m_cacheFile->fileName()));
    {
        TfrxXMLWriter writer(m_cacheFile.get(), TfrxXMLIndent::Flat);
        writer.WriteRootItem(item, this);
        writer.Flush();
    }
    item->SetCacheOffset(quint64(end));
    item->m_source = TfrxXMLItem::Source::CacheFile;
    item->Clear();
}
