#include "report/engine/tfrxdbdataset.h"

#include "platform/loderaerror.h"

#include <QIODevice>
#include <QImage>

TfrxDBDataset::TfrxDBDataset(TfrxComponent *AOwner) : TfrxCustomDBDataSet(AOwner) {}

TfrxDBDataset::~TfrxDBDataset()
{
    // A dataset destroyed in the middle of a run must not leave its handler
    // behind on a source that outlives it.
    if (m_hooked && DataSet())
        DataSet()->unhookAfterOpen();
}

void TfrxDBDataset::SetDataSet(TfrxDBDatasetSource *source, QObject *lifetime)
{
    if (m_hooked && DataSet())
        DataSet()->unhookAfterOpen();
    m_hooked = false;
    m_source = source;
    m_lifetime = lifetime;
    m_watchLifetime = lifetime != nullptr;
}

TfrxDBDatasetSource *TfrxDBDataset::DataSet() const
{
    if (m_watchLifetime && !m_lifetime)
        return nullptr;
    return m_source;
}

TfrxDBDatasetSource &TfrxDBDataset::Source()
{
    TfrxDBDatasetSource *source = DataSet();
    if (!source)
        throw LoderaError(QStringLiteral("%1 DataSet'i veriye bağlanmamış").arg(Name()));
    return *source;
}

void TfrxDBDataset::EnsureOpen()
{
    if (!m_initialized)
        Open();
}

void TfrxDBDataset::BeginReportRun()
{
    TfrxDBDatasetSource &source = Source();
    if (!m_hooked) {
        source.hookAfterOpen([this] { SourceOpened(); });
        m_hooked = true;
    }
    source.runStarted();
    m_rangeEndReached = false;
    m_initialized = false;
}

void TfrxDBDataset::SourceOpened()
{
    RebuildFieldTable(RequireFields::Yes);
}

void TfrxDBDataset::EndReportRun()
{
    TfrxDBDatasetSource *source = DataSet();
    if (!source)
        return;
    struct RunEnded {
        TfrxDBDatasetSource *source;
        ~RunEnded() { source->runEnded(); }
    } runEnded{source};
    if (m_remembered) {
        // Put the cursor back where the range began, then let go of the mark.
        if (source->isActive() && source->hasRemembered())
            source->gotoRemembered();
        source->forgetRemembered();
        m_remembered = false;
    }
    if (CloseDataSource())
        Close();
    if (m_hooked) {
        source->unhookAfterOpen();
        m_hooked = false;
    }
}

void TfrxDBDataset::Open()
{
    if (m_initialized)
        return;
    TfrxDBDatasetSource &source = Source();
    m_initialized = true;
    if (!source.isActive())
        source.open();
    if (RangeBegin() == TfrxRangeBegin::rbCurrent || RangeEnd() == TfrxRangeEnd::reCurrent) {
        source.rememberCurrent();
        m_remembered = true;
    } else {
        m_remembered = false;
    }
    RebuildFieldTable(RequireFields::No);
    TfrxCustomDBDataSet::Open();
}

void TfrxDBDataset::Close()
{
    TfrxCustomDBDataSet::Close();
    TfrxDBDatasetSource *source = DataSet();
    if (source && m_remembered)
        source->forgetRemembered();
    m_remembered = false;
    m_initialized = false;
    if (source)
        source->close();
}

void TfrxDBDataset::First()
{
    EnsureOpen();
    TfrxDBDatasetSource &source = Source();
    if (RangeBegin() == TfrxRangeBegin::rbCurrent && source.hasRemembered())
        source.gotoRemembered();
    else
        source.first();
    m_rangeEndReached = false;
    TfrxCustomDBDataSet::First();
}

void TfrxDBDataset::Next()
{
    EnsureOpen();
    TfrxDBDatasetSource &source = Source();
    m_rangeEndReached = false;
    if (RangeEnd() == TfrxRangeEnd::reCurrent) {
        // The range ends on the remembered row; before it the walk goes on
        // as usual, so a range that starts before the mark reaches it.
        if (source.atRemembered()) {
            m_rangeEndReached = true;
            return;
        }
    }
    source.next();
    TfrxCustomDBDataSet::Next();
}

void TfrxDBDataset::Prior()
{
    EnsureOpen();
    Source().prior();
    TfrxCustomDBDataSet::Prior();
}

bool TfrxDBDataset::Eof()
{
    EnsureOpen();
    const bool base = TfrxCustomDBDataSet::Eof();
    return base || Source().eof() || m_rangeEndReached;
}

QVariant TfrxDBDataset::Value(const QString &field)
{
    EnsureOpen();
    const FieldEntry *entry = FindEntry(field);
    if (!entry) {
        ReportError(FieldNotFoundText(field));
        return QVariant();
    }
    if (entry->sourceField.isEmpty())
        return QVariant();
    return Source().value(entry->sourceField);
}

QString TfrxDBDataset::DisplayText(const QString &field)
{
    EnsureOpen();
    TfrxDBDatasetSource &source = Source();
    if (!source.isActive())
        return UserName() + QLatin1Char('.') + QLatin1Char('"') + field + QLatin1Char('"');
    if (FieldTableEmpty())
        return source.displayText(field);
    const FieldEntry *entry = FindEntry(field);
    if (!entry) {
        const QString text = FieldNotFoundText(field);
        ReportError(text);
        return text;
    }
    if (entry->sourceField.isEmpty())
        return QString();
    return source.displayText(entry->sourceField);
}

int TfrxDBDataset::DisplayWidth(const QString &field)
{
    TfrxDBDatasetSource *source = DataSet();
    if (!source)
        return 10;
    const QString name = FieldNameOfAlias(field);
    if (source->hasField(name))
        return source->displayWidth(name);
    TfrxSourceFieldKind kind = TfrxSourceFieldKind::Missing;
    int size = 0;
    bool defined = false;
    try {
        defined = source->definedField(name, kind, size);
    } catch (...) {
        // Column descriptions that cannot be refreshed leave the default width.
    }
    if (!defined)
        return 10;
    switch (kind) {
    case TfrxSourceFieldKind::Text: return size;
    case TfrxSourceFieldKind::DateTime: return 20;
    case TfrxSourceFieldKind::LargeInt: return 15;
    default: return 10;
    }
}

TfrxFieldType TfrxDBDataset::FieldType(const QString &field)
{
    TfrxDBDatasetSource *source = DataSet();
    if (!source)
        return TfrxFieldType::fftNumeric;
    switch (source->fieldKind(FieldNameOfAlias(field))) {
    case TfrxSourceFieldKind::Text: return TfrxFieldType::fftString;
    case TfrxSourceFieldKind::Boolean: return TfrxFieldType::fftBoolean;
    default: return TfrxFieldType::fftNumeric;
    }
}

bool TfrxDBDataset::IsBlobField(const QString &name)
{
    EnsureOpen();
    const FieldEntry *entry = FindEntry(name);
    return entry && !entry->sourceField.isEmpty()
        && Source().fieldKind(entry->sourceField) == TfrxSourceFieldKind::Blob;
}

int TfrxDBDataset::RecordCount()
{
    EnsureOpen();
    return Source().recordCount();
}

void TfrxDBDataset::CopyBlobTo(const QString &name, QImage &picture)
{
    if (IsBlobField(name))
        picture.loadFromData(Source().blob(FindEntry(name)->sourceField));
}

void TfrxDBDataset::CopyBlobTo(const QString &name, QStringList &lines)
{
    if (IsBlobField(name))
        lines = QString::fromUtf8(Source().blob(FindEntry(name)->sourceField)).split(QLatin1Char('\n'));
}

void TfrxDBDataset::CopyBlobTo(const QString &name, QIODevice *target)
{
    if (!target || !IsBlobField(name))
        return;
    target->write(Source().blob(FindEntry(name)->sourceField));
    target->seek(0);
}

void TfrxDBDataset::GetSourceFieldNames(QStringList &list)
{
    if (TfrxDBDatasetSource *source = DataSet())
        list = source->fieldNames();
}

bool TfrxDBDataset::SourceHasField(const QString &name)
{
    TfrxDBDatasetSource *source = DataSet();
    return source && source->hasField(name);
}

void TfrxDBDataset::RequireSourceField(const QString &name)
{
    Source().requireField(name);
}
