#pragma once
// One data-entry page of the main window: bound edits over one dataset, an
// optional list box of all rows, and the three buttons "Ekle", "Sil" and
// "Kaydet". Every page works the same way, so a page is described by a small
// table (its fields, positions and texts) and built from it.
#include "records/ui/bevelpanel.h"

#include <QPoint>
#include <QString>
#include <functional>
#include <vector>

class DataSource;
class DBLookupListBox;
class QLabel;
class QPushButton;

enum class KeyRule { None, TitleCase, Capitals };
enum class FieldKind { Edit, ComboBox };
enum class LabelPlace { Left, Above };
enum class ButtonOrder { EkleSilKaydet, KaydetEkleSil };

struct PageField {
    QString label;
    QString name;       // object name of the control
    QString column;
    KeyRule rule;
    QPoint at;
    int width;
    FieldKind kind = FieldKind::Edit;
    LabelPlace labelPlace = LabelPlace::Left;
    int maxLength = 0;  // 0: the column's size
    bool bold = false;
};

struct PageLayout {
    QString panelName;
    QString buttonPrefix;       // "P", "Y", "U", "A", "S"
    QString question;           // end of the delete question
    QString displayColumn;      // quoted by the delete question
    std::vector<PageField> fields;
    QString listName;           // empty: no list box
    QPoint listAt;
    ButtonOrder buttonOrder = ButtonOrder::EkleSilKaydet;
};

class RecordPage : public BevelPanel
{
    Q_OBJECT
public:
    RecordPage(const PageLayout &layout, DataSource *source, QWidget *parent = nullptr);

    DataSource *source() const { return m_source; }
    QWidget *field(const QString &name) const;
    QWidget *firstField() const { return m_fields.front(); }
    QPushButton *BtnEkle = nullptr;
    QPushButton *BtnSil = nullptr;
    QPushButton *BtnKaydet = nullptr;
    DBLookupListBox *listBox() const { return m_list; }
    // The last control of the page's Tab chain.
    QWidget *lastInTabOrder() const;

    // The three actions of the buttons; runs `afterChange` after "Sil" (either
    // answer) and "Kaydet".
    void ekle();
    void sil();
    void kaydet();
    void setAfterChange(std::function<void()> afterChange) { m_afterChange = std::move(afterChange); }

    // The delete question for a display text, with its single quotes doubled.
    static QString deleteQuestion(const QString &displayText, const QString &ending);

private:
    QWidget *buildField(const PageField &f);

    PageLayout m_layout;
    DataSource *m_source;
    std::vector<QWidget *> m_fields;
    DBLookupListBox *m_list = nullptr;
    std::function<void()> m_afterChange;
};
