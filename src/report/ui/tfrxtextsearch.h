#pragma once
// TfrxTextSearch: finding a text in the drawn pages of a prepared report.
//
// A page is searched as it is drawn, not as it is stored: the page is painted
// at scale 1 onto a recording canvas and the text runs are read in drawing
// order, so what is found is exactly a run the user sees (a memo line or the
// part of it the renderer drew in one go); text spanning two runs is not
// found. Only the recording of the page searched last is kept.
//
// The state is what find-next continues from: the page being searched and the
// number of the last matching run on it (-1: none yet). A search that ran past
// the last page stays there, so find-next finds nothing until a new search.
//
// Without MatchCase both texts are compared folded under the Turkish rules
// ("istanbul" finds "İSTANBUL", "ılık" finds "ILIK", "i" never finds "I").
#include <QRect>
#include <QString>

#include <memory>

class RecordingCanvas;
class TfrxPreviewPages;

class TfrxTextSearch
{
public:
    TfrxTextSearch();
    ~TfrxTextSearch();

    void SetPages(TfrxPreviewPages *pages);

    // Starts a search on `page` (0-based) from its first run.
    void Start(const QString &text, bool matchCase, int page);
    // Searches on from the last match; true when a run matched. On a match
    // FoundPage() and FoundRect() tell where (report pixels on the page).
    bool Run();

    // Whether a search has been made since the layout was last rebuilt
    // (find-next is available).
    bool Made() const { return m_made; }
    void SetMade(bool made) { m_made = made; }
    bool Found() const { return m_found; }
    int FoundPage() const { return m_page; }
    QRect FoundRect() const { return m_foundRect; }
    int Page() const { return m_page; }
    int LastMatch() const { return m_lastMatch; }
    const QString &Text() const { return m_text; }
    bool MatchCase() const { return m_matchCase; }

    // Forgets the found mark and the page recording (the pages changed).
    void ClearFound() { m_found = false; }
    void DropRecording();

    // Whether `haystack` contains `needle` under the case rule. An empty
    // needle matches nothing.
    static bool Contains(const QString &haystack, const QString &needle, bool matchCase);

private:
    TfrxPreviewPages *m_pages = nullptr;
    std::unique_ptr<RecordingCanvas> m_recording;
    int m_recordedPage = -1;
    QString m_text;
    QString m_foldedText;
    bool m_matchCase = false;
    int m_page = 0;
    int m_lastMatch = -1;
    bool m_found = false;
    bool m_made = false;
    QRect m_foundRect;
};
