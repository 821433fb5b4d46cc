// Streaming of a single component in the report XML dialect, and copies made
// through it. Kept apart from the tree code: it is the one place where the
// component model meets the serializer.
#include "report/model/tfrxcomponent.h"

#include "report/model/tfrxreport.h"
#include "report/model/tfrxxmlserializer.h"

#include <QBuffer>

namespace {

// Hands the serializer's error lines to the report, which shows them with its
// other errors, and to the caller.
QStringList passErrors(TfrxComponent *c, const TfrxXMLSerializer &s)
{
    if (TfrxReport *report = c->OwnerReport())
        report->AddErrors(s.ErrorList());
    return s.ErrorList();
}

} // namespace

QStringList TfrxComponent::LoadFromStream(QIODevice *stream)
{
    const QString ownName = m_name;
    Clear();
    TfrxXMLSerializer reader(stream);
    try {
        reader.ReadComponentTree(this);
    } catch (...) {
        m_name = ownName;
        throw;
    }
    m_name = ownName;
    return passErrors(this, reader);
}

void TfrxComponent::SaveToStream(QIODevice *stream, TfrxWithChildren children)
{
    TfrxXMLSerializer writer(stream);
    writer.WriteComponentTree(this, children);
}

QStringList TfrxComponent::AssignFrom(TfrxComponent *source, TfrxWithChildren children)
{
    if (!source || source == this)
        return {};
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    {
        TfrxXMLSerializer writer(&buffer);
        writer.WriteDefaults = true;
        // The copy carries no name, so the target keeps its own.
        const QString sourceName = std::exchange(source->m_name, QString());
        try {
            writer.WriteComponentTree(source, children);
        } catch (...) {
            source->m_name = sourceName;
            throw;
        }
        source->m_name = sourceName;
    }
    buffer.seek(0);
    if (children == TfrxWithChildren::Yes)
        destroyChildren();
    const QString ownName = m_name;
    TfrxXMLSerializer reader(&buffer);
    reader.ReadComponentTree(this);
    m_name = ownName;
    return passErrors(this, reader);
}
