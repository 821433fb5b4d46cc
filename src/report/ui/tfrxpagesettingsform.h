#pragma once
// TfrxPageSettingsForm: paper size, orientation and margins of a page.
//
// The dialog edits a page object that the caller owns (the preview hands it
// a copy of the page being viewed) and changes it only on OK. Lengths are
// shown in centimetres and kept in millimetres on the page.
//
// Choosing a paper or an orientation asks the current printer for that
// layout, so a standard paper shows the size the printer driver really has in
// the chosen orientation; for the custom paper the printer gets height and
// width exchanged, which is how switching the orientation turns a custom
// size. Typing a width or a height selects the custom paper.
//
// OK checks every box before it touches the page: a value that is not a
// number, or margins that leave no printable area, are refused with a message
// naming the box, and the page stays as it was.
#include <QDialog>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TfrxCustomPrinter;
class TfrxReportPage;

class TfrxPageSettingsForm : public QDialog
{
    Q_OBJECT

public:
    // `printer`: the printer whose papers are offered and asked for their
    // sizes; the current one of the printer list when none is given.
    explicit TfrxPageSettingsForm(QWidget *parent = nullptr, TfrxCustomPrinter *printer = nullptr);

    // Shows the page's values; the page is changed only by OK.
    void SetPage(TfrxReportPage *page);
    bool ApplyToAll() const;

    // Centimetres of a length in millimetres: a whole number as general float
    // text ("21"), any other value with two decimals in the user's format
    // ("29,70").
    static QString FormatCm(double mm);
    // A page object with the same members and children, owned by the caller.
    static TfrxReportPage *CopyPage(TfrxReportPage *page);
    // Orientation, paper width, height and size and the four margins of
    // `from`, given to `to` in that order.
    static void CopyLayout(const TfrxReportPage *from, TfrxReportPage *to);

    void accept() override;

public slots:
    void PaperCBChange();
    void PortraitRBClick();
    void LandscapeRBClick();
    void SizeEChange();

private:
    void createControls();
    void refreshSizes();
    void showOrientationPicture();
    // The box's value in millimetres; false (and a message) when the text is
    // not a number.
    bool readMM(QLineEdit *edit, const QString &caption, double &mm);

    TfrxCustomPrinter *m_printer;
    // The paper code of the list's entry, or the code of a typed name.
    int chosenPaperCode() const;
    void selectPaper(int code);
    TfrxReportPage *m_page = nullptr;
    bool m_updating = false;

    QGroupBox *m_sizeGB, *m_orientationGB, *m_marginsGB, *m_otherGB;
    QComboBox *m_paperCB;
    QLineEdit *m_widthE, *m_heightE, *m_leftE, *m_topE, *m_rightE, *m_bottomE;
    QLabel *m_widthL, *m_heightL, *m_leftL, *m_topL, *m_rightL, *m_bottomL;
    QRadioButton *m_portraitRB, *m_landscapeRB, *m_applyToCurRB, *m_applyToAllRB;
    QLabel *m_portraitImg, *m_landscapeImg;
    QPushButton *m_okB, *m_cancelB;
};
