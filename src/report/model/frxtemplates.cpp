#include "report/model/frxtemplates.h"

#include "platform/loderaerror.h"
#include "report/base/tfrxxmldocument.h"
#include "report/model/tfrxcomponent.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxxmlserializer.h"

#include <QBuffer>
#include <QFile>

// The resources live in a static library: nothing would pull their object file
// into the program unless something refers to it, which this does.
static void initTemplateResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(templates);
        return true;
    }();
    (void)done;
}

namespace {

struct Entry
{
    TemplateName Name;
    const char *Text;
};

constexpr Entry kTemplates[] = {
    {TemplateName::RpHasta, "RpHasta"},
    {TemplateName::RpDis, "RpDis"},
    {TemplateName::RpDetay, "RpDetay"},
    {TemplateName::RpKisisel, "RpKisisel"},
};

} // namespace

QString TemplateNameText(TemplateName name)
{
    for (const Entry &e : kTemplates)
        if (e.Name == name)
            return QLatin1String(e.Text);
    return {};
}

std::optional<TemplateName> TemplateByName(const QString &name)
{
    for (const Entry &e : kTemplates)
        if (TfrxComponent::SameName(QLatin1String(e.Text), name))
            return e.Name;
    return std::nullopt;
}

QList<TemplateName> AllTemplates()
{
    QList<TemplateName> all;
    for (const Entry &e : kTemplates)
        all.append(e.Name);
    return all;
}

QString ExitDatePlaceholder()
{
    return QStringLiteral("..... / ..... / 20.....");
}

QByteArray TemplateDocument(TemplateName name)
{
    initTemplateResources();
    const QString path = QStringLiteral(":/report/templates/%1.xml").arg(TemplateNameText(name));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw LoderaError(QStringLiteral("Rapor şablonu bulunamadı: %1 (%2)").arg(TemplateNameText(name), path));
    return file.readAll();
}

QStringList ReadTemplate(TfrxReport *report, TemplateName name)
{
    QByteArray bytes = TemplateDocument(name);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TfrxXMLDocument doc;
    try {
        doc.LoadFromStream(&buffer);
    } catch (const LoderaError &e) {
        throw LoderaError(QStringLiteral("Rapor şablonu okunamadı: %1: %2").arg(TemplateNameText(name), e.message()));
    }
    report->Clear();
    TfrxXMLSerializer reader;
    reader.ReadComponentTree(report, doc.Root());
    return reader.ErrorList();
}

void LoadTemplate(TfrxReport *report, TemplateName name)
{
    const QStringList errors = ReadTemplate(report, name);
    if (!errors.isEmpty())
        throw LoderaError(QStringLiteral("Rapor şablonu yüklenemedi: %1:\n%2")
                              .arg(TemplateNameText(name), errors.join(QLatin1Char('\n'))));
}

std::unique_ptr<TfrxReport> CreateTemplate(TemplateName name)
{
    auto report = std::make_unique<TfrxReport>();
    LoadTemplate(report.get(), name);
    return report;
}
