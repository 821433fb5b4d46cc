// `lodera-tool template NAME [--utf8]`: one of the built-in report templates as
// the report engine writes it, an indented XML document, on standard output.
// The bytes are the engine's own (code page 1254); --utf8 recodes them for
// tools that believe the document's header.
#include "toolcommand.h"

#include "platform/codec1254.h"
#include "report/model/frxtemplates.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxxmlserializer.h"

#include <QBuffer>

#include <cstdio>

namespace {

int runTemplate(const QStringList &args)
{
    QStringList rest = args;
    const bool utf8 = rest.removeAll(QStringLiteral("--utf8")) > 0;
    if (rest.size() != 1) {
        tool::err(QStringLiteral("kullanım: lodera-tool template RpHasta|RpDis|RpDetay|RpKisisel [--utf8]"));
        return 2;
    }
    const std::optional<TemplateName> name = TemplateByName(rest.first());
    if (!name) {
        tool::err(QStringLiteral("bilinmeyen şablon: %1 (RpHasta, RpDis, RpDetay, RpKisisel)").arg(rest.first()));
        return 2;
    }
    const std::unique_ptr<TfrxReport> report = CreateTemplate(*name);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TfrxXMLSerializer writer(&buffer);
    writer.WriteComponentTree(report.get(), TfrxWithChildren::Yes);
    const QByteArray bytes = utf8 ? Codec1254::toUnicode(buffer.data()).toUtf8() : buffer.data();
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size())
        || std::fflush(stdout) != 0) {
        tool::err(QStringLiteral("standart çıktıya yazılamadı"));
        return 1;
    }
    return 0;
}

} // namespace

LODERA_TOOL_COMMAND("template", "RpHasta|RpDis|RpDetay|RpKisisel [--utf8]", runTemplate);
