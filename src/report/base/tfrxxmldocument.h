#pragma once
// A whole document of the engine's XML dialect: a header line and one root
// element.
//
// Partial loading. A document loaded with TfrxXMLLoad::AllowPartial keeps
// elements marked `ld="0"` as bare tags: their children are dropped and the
// element remembers where its tag starts in the source stream, which the
// document keeps as its cache so LoadItem can read the element again. The
// source stream must therefore stay open and unchanged until the document is
// cleared or destroyed (LoadFromFile keeps its own file open for this).
//
// Unloading. UnloadItem appends an element that may unload to a temporary
// cache file (in the cache folder, or the system's temporary folder) and drops
// its children; LoadItem reads them back. Space in the cache file is never
// reused. Each element remembers which of the two streams holds it, so
// elements of a partially loaded document and unloaded ones can coexist.
// Clearing the document deletes the cache file.
#include "report/base/tfrxxmlreader.h"
#include "report/base/tfrxxmlwriter.h"

#include <QString>

#include <memory>

class QFile;
class QIODevice;
class QTemporaryFile;
class TfrxXMLItem;

class TfrxXMLDocument
{
public:
    TfrxXMLDocument();
    ~TfrxXMLDocument();
    TfrxXMLDocument(const TfrxXMLDocument &) = delete;
    TfrxXMLDocument &operator=(const TfrxXMLDocument &) = delete;

    TfrxXMLItem *Root() const { return m_root.get(); }

    bool Indented() const { return m_indent == TfrxXMLIndent::Indented; }
    void SetIndented(TfrxXMLIndent indent) { m_indent = indent; }

    // Folder of the cache file; empty means the system's temporary folder.
    const QString &CacheFolder() const { return m_cacheFolder; }
    void SetCacheFolder(const QString &folder) { m_cacheFolder = folder; }
    // Path of the cache file, empty until one was created.
    QString CacheFileName() const;

    // Drops the root's children and closes and deletes the cache file.
    void Clear();

    // Reads a document; on TfrxXMLError the document is left empty.
    void LoadFromStream(QIODevice *stream, TfrxXMLLoad mode = TfrxXMLLoad::Complete);
    void SaveToStream(QIODevice *stream);
    void LoadFromFile(const QString &fileName, TfrxXMLLoad mode = TfrxXMLLoad::Complete);
    // Writes through a temporary file that replaces the target only when complete.
    void SaveToFile(const QString &fileName);

    // Reads an element that is not in memory back from where it was left.
    void LoadItem(TfrxXMLItem *item);
    // Writes an element that may unload to the cache file and drops its children.
    void UnloadItem(TfrxXMLItem *item);

    bool HasCacheStream() const;

private:
    QIODevice *streamOf(const TfrxXMLItem *item) const;
    void dropSource();

    std::unique_ptr<TfrxXMLItem> m_root;
    TfrxXMLIndent m_indent = TfrxXMLIndent::Flat;
    QString m_cacheFolder;
    QIODevice *m_source = nullptr;         // stream of a partial load, not owned...
    std::unique_ptr<QFile> m_ownedSource;  // ...unless LoadFromFile opened it
    std::unique_ptr<QTemporaryFile> m_cacheFile;
};
