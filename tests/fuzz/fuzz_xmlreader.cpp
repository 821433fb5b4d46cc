// Fuzzes the XML reader and everything a loaded document goes through next:
// reading complete and partial, reading unloaded elements back, unloading to
// the cache file, attribute access and writing. Beyond "no crash, no hang, no
// leak" it checks two promises the program relies on:
//   - whatever the reader accepted, the writer's output reads back with the
//     same tree shape, whether the document was loaded complete or partially,
//     and with the same content after every element went through the cache;
//   - any value put in with SetAttr comes back unchanged from GetAttr.
#include "platform/loderaerror.h"
#include "report/base/frxfloat.h"
#include "report/base/tfrxxmldocument.h"
#include "report/base/tfrxxmlerror.h"
#include "report/base/tfrxxmlitem.h"

#include <QBuffer>
#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

// Reports the broken promise before aborting, so a crash report names it. The
// unit tests compile this file too and turn a broken promise into a failure.
#ifndef LODERA_FUZZ_BROKEN
#define LODERA_FUZZ_BROKEN(text, line) \
    (std::fprintf(stderr, "broken: %s (line %d)\n", text, line), std::abort())
#endif
#define require(cond) \
    do { \
        if (!(cond)) \
            LODERA_FUZZ_BROKEN(#cond, __LINE__); \
    } while (0)

// Child counts in depth-first order: the tree's shape without its names.
std::vector<qsizetype> shapeOf(const TfrxXMLItem *root)
{
    std::vector<qsizetype> shape;
    std::vector<const TfrxXMLItem *> work{root};
    while (!work.empty()) {
        const TfrxXMLItem *item = work.back();
        work.pop_back();
        shape.push_back(item->Count());
        for (qsizetype i = item->Count() - 1; i >= 0; --i)
            work.push_back(item->Item(i));
    }
    return shape;
}

// Names, attribute texts and child counts in depth-first order, with every
// unload mark taken out of the attribute texts (each read consumes one mark,
// so a document whose values are full of them loses some on every pass
// through the cache) and without leading blanks.
QString contentOf(const TfrxXMLItem *root)
{
    static const QString mark = QStringLiteral("ld=\"0\"");
    QString content;
    std::vector<const TfrxXMLItem *> work{root};
    while (!work.empty()) {
        const TfrxXMLItem *item = work.back();
        work.pop_back();
        QString attrs = item->AttrText();
        for (qsizetype at; (at = attrs.indexOf(mark, 0, Qt::CaseInsensitive)) >= 0;)
            attrs.remove(at, mark.size());
        // The blank between name and attributes is the separator, so leading
        // blanks of the text are not kept by a write and a read either.
        while (attrs.startsWith(QLatin1Char(' ')))
            attrs.remove(0, 1);
        content += item->ElementName() + QLatin1Char('\x01') + attrs + QLatin1Char('\x01')
                   + QString::number(item->Count()) + QLatin1Char('\x02');
        for (qsizetype i = item->Count() - 1; i >= 0; --i)
            work.push_back(item->Item(i));
    }
    return content;
}

QByteArray save(TfrxXMLDocument &doc)
{
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    doc.SaveToStream(&out);
    return bytes;
}

bool load(TfrxXMLDocument &doc, QBuffer &in, TfrxXMLLoad mode)
{
    try {
        doc.LoadFromStream(&in, mode);
        return true;
    } catch (const TfrxXMLError &) {
        require(doc.Root()->Count() == 0);
        return false;
    }
}

// Reads attributes of every element, and round-trips their raw text as a value.
void touchAttributes(const TfrxXMLItem *root)
{
    std::vector<const TfrxXMLItem *> work{root};
    int budget = 2000;
    while (!work.empty() && budget-- > 0) {
        const TfrxXMLItem *item = work.back();
        work.pop_back();
        const QString &attrs = item->AttrText();
        const QString name = attrs.section(QLatin1Char('='), 0, 0).trimmed();
        const QString value = item->GetAttr(name);
        try {
            StrToFloatAny(value);
        } catch (const LoderaError &) {
        }
        TfrxXMLItem probe;
        probe.SetAttrText(attrs);
        probe.SetAttr(QStringLiteral("zz"), attrs);
        require(probe.GetAttr(QStringLiteral("zz")) == attrs || attrs.contains(QLatin1String("zz=\""), Qt::CaseInsensitive));
        for (qsizetype i = 0; i < item->Count(); ++i)
            work.push_back(item->Item(i));
    }
}

// Reads every unloaded element back, then unloads every element that may.
void cycleCache(TfrxXMLDocument &doc)
{
    std::vector<TfrxXMLItem *> work{doc.Root()};
    std::vector<TfrxXMLItem *> unloadable;
    while (!work.empty()) {
        TfrxXMLItem *item = work.back();
        work.pop_back();
        doc.LoadItem(item);
        if (item->MayUnload())
            unloadable.push_back(item);
        for (qsizetype i = 0; i < item->Count(); ++i)
            work.push_back(item->Item(i));
    }
    // Innermost first, so every element is unloaded while still in the tree.
    for (auto it = unloadable.rbegin(); it != unloadable.rend(); ++it)
        doc.UnloadItem(*it);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    QBuffer completeIn;
    completeIn.setData(bytes);
    completeIn.open(QIODevice::ReadOnly);
    TfrxXMLDocument complete;
    if (!load(complete, completeIn, TfrxXMLLoad::Complete))
        return 0;
    const std::vector<qsizetype> shape = shapeOf(complete.Root());
    touchAttributes(complete.Root());

    // Own output reads back, with the same shape.
    {
        QBuffer again;
        again.setData(save(complete));
        again.open(QIODevice::ReadOnly);
        TfrxXMLDocument copy;
        require(load(copy, again, TfrxXMLLoad::Complete));
        require(shapeOf(copy.Root()) == shape);
    }

    // The same document loaded partially saves the same tree, also after
    // every element went through the cache.
    QBuffer partialIn;
    partialIn.setData(bytes);
    partialIn.open(QIODevice::ReadOnly);
    TfrxXMLDocument partial;
    require(load(partial, partialIn, TfrxXMLLoad::AllowPartial));
    auto reread = [&](const QByteArray &out, TfrxXMLDocument &into) {
        QBuffer again;
        again.setData(out);
        again.open(QIODevice::ReadOnly);
        require(load(into, again, TfrxXMLLoad::Complete));
    };
    TfrxXMLDocument first;
    reread(save(partial), first);
    require(shapeOf(first.Root()) == shape);
    cycleCache(partial);
    TfrxXMLDocument second;
    reread(save(partial), second);
    require(contentOf(second.Root()) == contentOf(first.Root()));
    return 0;
}
