// Fuzzes the object side of the report XML dialect: ObjectFromText on the
// input as text, and ReadComponentTree on the input as a document. Beyond "no
// crash, no hang, no leak" it checks the promise that copies of reports rely
// on: whatever was read, writing it and reading that back gives the same text
// again (one pass reaches a fixed point).
#include "platform/codec1254.h"
#include "platform/loderaerror.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportpage.h"
#include "report/model/tfrxxmlserializer.h"

#include <QBuffer>
#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// The unit tests compile this file too and turn a broken promise into a failure.
#ifndef LODERA_FUZZ_BROKEN
#define LODERA_FUZZ_BROKEN(text, line) \
    (std::fprintf(stderr, "broken: %s (line %d)\n", text, line), std::abort())
#endif
#define require(cond) \
    do { \
        if (!(cond)) \
            LODERA_FUZZ_BROKEN(#cond, __LINE__); \
    } while (0)

QByteArray writeTree(TfrxComponent *root)
{
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    TfrxXMLSerializer(&out).WriteComponentTree(root, TfrxWithChildren::Yes);
    return bytes;
}

// Reads a document into the report; false when the markup is malformed.
bool readTree(TfrxReport &report, const QByteArray &bytes)
{
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    TfrxXMLSerializer reader(&in);
    try {
        reader.ReadComponentTree(&report);
        return true;
    } catch (const LoderaError &) {
        return false;
    }
}

void fuzzObjectText(const QString &text)
{
    TfrxReport report;
    auto *page = new TfrxReportPage(&report);
    page->SetName(QStringLiteral("Page1"));
    TfrxXMLSerializer s;
    QObject *first = nullptr;
    try {
        first = s.ObjectFromText(page, text);
    } catch (const LoderaError &) {
        return;
    }
    if (!first)
        return;
    const QString once = s.ObjectToText(first);
    QObject *second = s.ObjectFromText(page, once);
    require(second != nullptr);
    require(s.ObjectToText(second) == once);
    // Value objects made for a page component are owned by it; the report frees
    // everything else.
}

void fuzzTree(const QByteArray &bytes)
{
    TfrxReport report;
    if (!readTree(report, bytes))
        return;
    const QByteArray once = writeTree(&report);
    TfrxReport copy;
    require(readTree(copy, once));
    require(writeTree(&copy) == once);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    fuzzObjectText(Codec1254::toUnicode(bytes));
    fuzzTree(bytes);
    return 0;
}
