#include "report/ui/tfrxtextsearch.h"

#include "platform/turkishcase.h"
#include "report/output/recordingcanvas.h"
#include "report/output/tfrxpreviewpages.h"

TfrxTextSearch::TfrxTextSearch() = default;
TfrxTextSearch::~TfrxTextSearch() = default;

void TfrxTextSearch::SetPages(TfrxPreviewPages *pages)
{
    m_pages = pages;
    DropRecording();
    m_found = false;
    m_made = false;
}

void TfrxTextSearch::DropRecording()
{
    m_recording.reset();
    m_recordedPage = -1;
}

void TfrxTextSearch::Start(const QString &text, bool matchCase, int page)
{
    m_text = text;
    m_matchCase = matchCase;
    m_foldedText = matchCase ? text : platform::turkishFold(text);
    m_page = page;
    m_lastMatch = -1;
    m_made = true;
}

bool TfrxTextSearch::Contains(const QString &haystack, const QString &needle, bool matchCase)
{
    if (needle.isEmpty())
        return false;
    if (matchCase)
        return haystack.contains(needle);
    return platform::turkishFold(haystack).contains(platform::turkishFold(needle));
}

bool TfrxTextSearch::Run()
{
    m_found = false;
    if (!m_pages || m_text.isEmpty()) {
        // Nothing can match: run past the last page like a search that found
        // nothing, so find-next stays quiet.
        if (m_pages)
            m_page = m_pages->PageCount();
        return false;
    }
    while (m_page >= 0 && m_page < m_pages->PageCount()) {
        if (m_recordedPage != m_page || !m_recording) {
            m_recording = std::make_unique<RecordingCanvas>();
            m_pages->PaintPage(m_page, *m_recording, 1, 1, 0, 0);
            m_recordedPage = m_page;
        }
        const QList<CanvasOp> &ops = m_recording->operations();
        for (int i = m_lastMatch + 1; i < ops.size(); ++i) {
            const CanvasOp &op = ops[i];
            if (op.kind != CanvasOp::Kind::TextOut)
                continue;
            const bool hit = m_matchCase ? op.text.contains(m_text)
                                         : platform::turkishFold(op.text).contains(m_foldedText);
            if (hit) {
                m_foundRect = op.rect;
                m_lastMatch = i;
                m_found = true;
                return true;
            }
        }
        m_lastMatch = -1;
        ++m_page;
    }
    return false;
}
