#include "referral/reportdatabinding.h"

#include "records/db/dataset.h"
#include "report/engine/tfrxdbdataset.h"

namespace {
TfrxSourceFieldKind kindOf(db::FieldType type)
{
    switch (type) {
    case db::FieldType::String:
    case db::FieldType::WideString:
    case db::FieldType::Memo: return TfrxSourceFieldKind::Text;
    case db::FieldType::Boolean: return TfrxSourceFieldKind::Boolean;
    case db::FieldType::DateTime: return TfrxSourceFieldKind::DateTime;
    case db::FieldType::LargeInt: return TfrxSourceFieldKind::LargeInt;
    case db::FieldType::Blob: return TfrxSourceFieldKind::Blob;
    default: return TfrxSourceFieldKind::Other;
    }
}
} // namespace

ReportDataBinding::ReportDataBinding(db::Dataset &dataset, QObject *parent) : QObject(parent), m_dataset(dataset)
{
    // The dataset may go first (the main window tears down in its own order).
    connect(&dataset, &QObject::destroyed, this, [this] {
        m_hooked = false;
        m_readScope.reset();
    });
}

ReportDataBinding::~ReportDataBinding()
{
    unhookAfterOpen();
}

void ReportDataBinding::runStarted()
{
    if (!m_readScope)
        m_readScope = std::make_unique<db::Connection::ReadScope>(m_dataset.connection());
}

void ReportDataBinding::runEnded()
{
    m_readScope.reset();
}

TfrxDBDataset *ReportDataBinding::makeReportDataset(db::Dataset &dataset, const QString &name, QObject *owner)
{
    auto *binding = new ReportDataBinding(dataset, owner);
    auto *report = new TfrxDBDataset();
    report->setParent(binding);
    report->SetName(name);
    report->SetCloseDataSource(false);
    report->SetDataSet(binding, binding);
    return report;
}

QString ReportDataBinding::sourceName() const { return m_dataset.name(); }
void ReportDataBinding::open() { m_dataset.open(); }
void ReportDataBinding::close() { m_dataset.close(); }
bool ReportDataBinding::isActive() const { return m_dataset.isActive(); }
void ReportDataBinding::first() { m_dataset.first(); }
void ReportDataBinding::next() { m_dataset.next(); }
void ReportDataBinding::prior() { m_dataset.prior(); }
bool ReportDataBinding::eof() const { return m_dataset.eof(); }
int ReportDataBinding::recordCount() const { return m_dataset.recordCount(); }

void ReportDataBinding::rememberCurrent() { m_mark = m_dataset.bookmark(); }
bool ReportDataBinding::hasRemembered() const { return m_mark.isValid() && m_dataset.bookmarkValid(m_mark); }

bool ReportDataBinding::atRemembered() const
{
    return hasRemembered() && !m_dataset.eof() && m_dataset.compareBookmarks(m_dataset.bookmark(), m_mark) == 0;
}

void ReportDataBinding::gotoRemembered() { m_dataset.gotoBookmark(m_mark); }
void ReportDataBinding::forgetRemembered() { m_dataset.freeBookmark(m_mark); }

QStringList ReportDataBinding::fieldNames() const { return m_dataset.fieldNames(); }
bool ReportDataBinding::hasField(const QString &name) const { return m_dataset.findField(name) != nullptr; }
void ReportDataBinding::requireField(const QString &name) const { m_dataset.fieldByName(name); }
QVariant ReportDataBinding::value(const QString &name) const { return m_dataset.fieldByName(name).value(); }
QString ReportDataBinding::displayText(const QString &name) const { return m_dataset.fieldByName(name).displayText(); }
int ReportDataBinding::displayWidth(const QString &name) const { return m_dataset.fieldByName(name).displayWidth(); }

TfrxSourceFieldKind ReportDataBinding::fieldKind(const QString &name) const
{
    const db::Field *field = m_dataset.findField(name);
    return field ? kindOf(field->dataType()) : TfrxSourceFieldKind::Missing;
}

bool ReportDataBinding::definedField(const QString &name, TfrxSourceFieldKind &kind, int &size) const
{
    const db::FieldDefs defs = m_dataset.fieldDefs();
    for (const db::FieldDef &def : defs) {
        if (def.name.compare(name, Qt::CaseInsensitive) == 0) {
            kind = kindOf(def.type);
            size = def.size;
            return true;
        }
    }
    return false;
}

QByteArray ReportDataBinding::blob(const QString &name) const { return m_dataset.fieldByName(name).blob(); }

void ReportDataBinding::hookAfterOpen(std::function<void()> handler)
{
    unhookAfterOpen();
    // The previous handler is held twice: once here to put back, once in the
    // chain so it runs after the report's.
    std::function<void(db::Dataset &)> previous = m_dataset.afterOpen();
    m_previous = m_dataset.setAfterOpen([handler = std::move(handler), previous](db::Dataset &ds) {
        handler();
        if (previous)
            previous(ds);
    });
    m_hooked = true;
}

void ReportDataBinding::unhookAfterOpen()
{
    if (!m_hooked)
        return;
    m_dataset.setAfterOpen(m_previous);
    m_previous = nullptr;
    m_hooked = false;
}
