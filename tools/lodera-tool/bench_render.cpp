// `lodera-tool bench render`: what drawing a form costs.
//   render.wrapline_4096_ms    breaking one 4096-character memo line
//   render.rphasta_image_ms    laying out and painting the filled patient
//                              form (every object of its page) on an image
//                              at zoom 1
//   render.rphasta_pdf_ms      the same onto a 1200-dpi PDF page
//   render.qt_floor_image_ms   QPainter alone drawing the same glyph runs,
//                              lines, fills and bitmaps on the image
//                              (recorded once, then drawn directly)
//   render.qt_floor_pdf_ms     the same on a 1200-dpi PDF page
//   render.image_ratio_to_qt   image time over its Qt floor
//   render.pdf_ratio_to_qt     PDF time over its Qt floor
//   render.ratio_to_qt         the larger of the two ratios
#include "toolcommand.h"

#include "report/base/frxunits.h"
#include "report/model/frxtemplates.h"
#include "report/model/tfrxcustommemoview.h"
#include "report/model/tfrxfont.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportpage.h"
#include "report/output/fontmeasurer.h"
#include "report/output/frxviewrenderer.h"
#include "report/output/qtcanvas.h"
#include "report/output/recordingcanvas.h"
#include "report/output/tfrxdrawtext.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QGlyphRun>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace {

const char *const kTexts[] = {
    "T.C. ANKARA VALİLİĞİ İL SAĞLIK MÜDÜRLÜĞÜ", "Mehmet Yılmaz", "Ayşe Yılmaz (Eşi)", "Veri Hazırlama ve Kontrol İşletmeni",
    "12345", "Genel İdare Hizmetleri", "Kızılay Mah. Atatürk Bulvarı No: 12/4 Çankaya / ANKARA", "10000000146",
    "10000000238", "1234567890", "A-123456", "Dr. Hüseyin Çelik", "Şube Müdürü", "10.12.2026", "2026/145",
    "Ankara Şehir Hastanesi Göğüs Hastalıkları Polikliniği"};

void Fill(TfrxReport &report)
{
    int k = 0;
    for (TfrxComponent *c : report.AllObjects())
        if (auto *memo = qobject_cast<TfrxCustomMemoView *>(c))
            if (memo->Memo().join(QString()).trimmed().isEmpty() || (memo->Name().startsWith(QLatin1Char('M')) && !memo->Name().startsWith(QLatin1String("Memo"))))
                memo->SetText(QString::fromUtf8(kTexts[k++ % std::size(kTexts)]));
}

QList<TfrxView *> PageViews(TfrxReport &report)
{
    QList<TfrxView *> views;
    for (TfrxComponent *c : report.AllObjects())
        if (auto *view = qobject_cast<TfrxView *>(c))
            views.append(view);
    return views;
}

void DrawPage(const QList<TfrxView *> &views, Canvas &canvas, double scale, double ox, double oy)
{
    for (TfrxView *view : views)
        DrawView(*view, canvas, scale, scale, ox, oy, 1);
}

// QPainter alone, given the recorded operations.
void DrawDirect(QPainter &p, const RecordingCanvas &rec)
{
    for (const CanvasOp &op : rec.operations()) {
        switch (op.kind) {
        case CanvasOp::Kind::TextOut: {
            const auto font = FontMeasurer::instance().font(op.font);
            QList<quint32> glyphs(op.text.size());
            font->glyphIndexes(op.text, glyphs.data());
            QList<QPointF> pos(op.text.size());
            int x = op.from.x();
            for (qsizetype i = 0; i < op.text.size(); ++i) {
                pos[i] = QPointF(x, op.from.y() + font->ascent());
                x += op.advances[i];
            }
            QGlyphRun run;
            run.setRawFont(font->rawFont());
            run.setGlyphIndexes(glyphs);
            run.setPositions(pos);
            p.setPen(op.font.color);
            p.drawGlyphRun(QPointF(), run);
            break;
        }
        case CanvasOp::Kind::Line:
            p.fillRect(QRect(op.from, op.to).normalized().adjusted(0, 0, op.pen.width, op.pen.width), op.pen.color);
            break;
        case CanvasOp::Kind::FillRect:
            p.fillRect(op.rect, op.brush.color);
            break;
        case CanvasOp::Kind::Rectangle:
            p.setPen(QPen(op.pen.color, op.pen.width));
            p.setBrush(Qt::NoBrush);
            p.drawRect(op.rect);
            break;
        case CanvasOp::Kind::StretchDraw:
            p.drawImage(op.rect, op.image);
            break;
        default:
            break;
        }
    }
}

template <typename F> double Median(int runs, F f)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return tool::median(times);
}

int benchRender(const QStringList &)
{
    // One memo line of 4096 characters, wrapped at a 190-pixel column.
    QString line;
    while (line.size() < 4096)
        line += QStringLiteral("Personelin bakmakla yükümlü olduğu aile bireyleri ");
    line.truncate(4096);
    TfrxDrawText text;
    TfrxFont font;
    text.SetFont(font);
    const int limit = frxRound(190 * 600 / 96.0);
    const double wrapMs = Median(200, [&] {
        text.SetText({});
        text.WrapLine(line, nullptr, 0, limit, limit, 0);
    });
    tool::figure(QStringLiteral("render.wrapline_4096_ms"), wrapMs);

    const std::unique_ptr<TfrxReport> report = CreateTemplate(TemplateName::RpHasta);
    Fill(*report);
    auto *page = qobject_cast<TfrxReportPage *>(report->Pages(0));
    const double ox = page ? page->LeftMargin() * fr1mm : 0, oy = page ? page->TopMargin() * fr1mm : 0;
    const QList<TfrxView *> views = PageViews(*report);
    if (views.size() < 100) {
        tool::err(QStringLiteral("RpHasta sayfasında yalnız %1 nesne var").arg(views.size()));
        return 1;
    }

    QImage image(1123, 794, QImage::Format_RGB32);
    const double imageMs = Median(50, [&] {
        image.fill(Qt::white);
        QtCanvas canvas(image);
        DrawPage(views, canvas, 1, ox, oy);
    });
    tool::figure(QStringLiteral("render.rphasta_image_ms"), imageMs);

    // Both PDF runs write a whole document of one page into memory, so the
    // writer's own cost is in the floor as well.
    const double scale = 1200 / 96.0;
    const auto pdfPage = [](QBuffer &out, QPdfWriter &writer) {
        out.open(QIODevice::WriteOnly);
        writer.setResolution(1200);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Landscape);
        writer.setPageMargins(QMarginsF());
    };
    const double pdfMs = Median(20, [&] {
        QBuffer out;
        QPdfWriter writer(&out);
        pdfPage(out, writer);
        QtCanvas canvas(CanvasKind::Printer);
        canvas.begin(&writer);
        DrawPage(views, canvas, scale, ox * scale, oy * scale);
        canvas.end();
    });
    tool::figure(QStringLiteral("render.rphasta_pdf_ms"), pdfMs);

    RecordingCanvas recording(96, 96, CanvasKind::Screen);
    DrawPage(views, recording, 1, ox, oy);
    const double qtMs = Median(50, [&] {
        image.fill(Qt::white);
        QPainter p(&image);
        DrawDirect(p, recording);
    });
    tool::figure(QStringLiteral("render.qt_floor_image_ms"), qtMs);

    RecordingCanvas pdfRecording(1200, 1200, CanvasKind::Printer);
    DrawPage(views, pdfRecording, scale, ox * scale, oy * scale);
    const double qtPdfMs = Median(20, [&] {
        QBuffer out;
        QPdfWriter writer(&out);
        pdfPage(out, writer);
        QPainter p(&writer);
        DrawDirect(p, pdfRecording);
        p.end();
    });
    tool::figure(QStringLiteral("render.qt_floor_pdf_ms"), qtPdfMs);

    const double imageRatio = qtMs > 0 ? imageMs / qtMs : 0;
    const double pdfRatio = qtPdfMs > 0 ? pdfMs / qtPdfMs : 0;
    tool::figure(QStringLiteral("render.image_ratio_to_qt"), imageRatio);
    tool::figure(QStringLiteral("render.pdf_ratio_to_qt"), pdfRatio);
    tool::figure(QStringLiteral("render.ratio_to_qt"), std::max(imageRatio, pdfRatio));
    tool::figure(QStringLiteral("render.rphasta_objects"), views.size());
    return 0;
}

LODERA_TOOL_BENCH("render", benchRender);

} // namespace
