// Fuzzes reading a prepared report: whatever the bytes, ReadPrepared either
// takes them or raises an error, and every page it took can be measured,
// rebuilt and written again (both with the whole document in memory and with
// pages left in the stream for later). Beyond "no crash, no hang, no leak" it
// checks that nothing taken is lost on the way out: what one store wrote, a
// second store reads and writes again byte for byte.
#include "platform/loderaerror.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportpage.h"
#include "report/output/tfrxpreviewpages.h"

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

QByteArray writeStore(TfrxPreviewPages &store)
{
    QByteArray out;
    QBuffer sink(&out);
    sink.open(QIODevice::WriteOnly);
    store.WritePrepared(&sink);
    return out;
}

// False when the store refused the bytes.
bool readStore(TfrxPreviewPages &store, QBuffer &in, TfrxXMLLoad mode)
{
    try {
        store.ReadPrepared(&in, mode);
        return true;
    } catch (const LoderaError &) {
        require(store.PageCount() == 0);
        return false;
    }
}

void readAll(const QByteArray &bytes, TfrxXMLLoad mode)
{
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    TfrxReport report;
    TfrxPreviewPages store(&report);
    if (!readStore(store, in, mode))
        return;
    for (int i = 0; i < store.PageCount() && i < 60; ++i) {
        store.PagePixelSize(i);
        store.BuildPage(i);
    }
    const QByteArray once = writeStore(store);

    QBuffer again;
    again.setData(once);
    again.open(QIODevice::ReadOnly);
    TfrxReport report2;
    TfrxPreviewPages copy(&report2);
    require(readStore(copy, again, mode));
    require(copy.PageCount() == store.PageCount());
    require(writeStore(copy) == once);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    readAll(bytes, TfrxXMLLoad::Complete);
    readAll(bytes, TfrxXMLLoad::AllowPartial);
    return 0;
}
