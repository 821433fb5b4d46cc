#pragma once
// The engine's text table.
//
// The report engine never writes a user-visible text itself: messages, list
// entries and the captions of its windows are looked up here by key. The table
// is process-wide, created on first use with the program's Turkish texts
// already in it (see frxturkishtexts.cpp), and lives until exit.
//
// Two kinds of entries share the table:
//   - single texts under a key ("clErrors" -> "Aşağıdaki hata(lar) oluştu:");
//   - under a window's class name ("TfrxPrintDialog"), a block of lines of the
//     form `Control.Property=value` or `Property=value` that sets the captions
//     and hints of that window's controls (LocalizeWindow).
//
// Keys compare without regard to case. A key without an entry reads as the key
// itself, so a missing text shows up on screen as its key instead of as an
// empty caption ("prDupl" is such a key on purpose).
//
// Control names the windows must use for their blocks to apply (objectName):
//   TfrxPreviewForm       PrintB OpenB SaveB ExportB FindB ZoomWholePageB
//                         ZoomPageWidthB Zoom100B Zoom50B ZoomCB PageSettingsB
//                         OutlineB HandToolB ZoomToolB NewPageB DelPageB
//                         DesignerB FirstB PriorB PageE NextB LastB CancelB
//   TfrxPrintDialog       PrinterGB TypeL WhereL PropButton FileCB ReverseCB
//                         PageRangeGB AllRB CurPageRB PageNumbersRB DescrL
//                         CopiesGB CopiesL CollateL PrintL OkB CancelB
//   TfrxPageSettingsForm  SizeGB WidthL HeightL UnitL1..UnitL6 OrientationGB
//                         PortraitRB LandscapeRB MarginsGB LeftL TopL RightL
//                         BottomL OtherGB ApplyToCurRB ApplyToAllRB OkB CancelB
//   TfrxSearchDialog      TextL OptionsGB TopCB CaseCB ReplaceL OkB CancelB
//   TfrxProgress          CancelB
#include <QHash>
#include <QString>
#include <QStringList>

class QObject;

class TfrxResources
{
public:
    TfrxResources();

    // Adds the key, or replaces the text of an existing key (one entry stays).
    void AddText(const QString &key, const QString &text);
    // The key's text; a key without an entry yields the key itself.
    QString GetText(const QString &key) const;
    QString Get(const QString &key) const { return GetText(key); }
    bool Contains(const QString &key) const;
    // Every key, sorted without regard to case.
    QStringList Keys() const;

    // Registers the block of a window class; lines as `Control.Property=value`.
    void AddWindowBlock(const QString &className, const QStringList &lines);
    // The block's lines, empty when the class has none.
    QStringList WindowBlock(const QString &className) const;

    // Applies the block registered under the window's class name (the class
    // name without namespace), if any. Lines naming a control the window does
    // not have are skipped.
    void LocalizeWindow(QObject *window) const;
    void LocalizeWindow(QObject *window, const QString &className) const;

private:
    static QString foldKey(const QString &key) { return key.toCaseFolded(); }

    QHash<QString, qsizetype> m_index; // folded key -> position in m_texts
    QStringList m_keys;                // as first registered, parallel to m_texts
    QStringList m_texts;
};

// The process-wide table.
TfrxResources *frxResources();
inline TfrxResources *EngineTexts() { return frxResources(); }

// Fills a table with the program's Turkish keyed texts and window blocks.
void frxRegisterTurkishTexts(TfrxResources &resources);
