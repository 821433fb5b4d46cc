#pragma once
// TfrxSearchDialog: asks for the text to find in the preview.
//
// The text confirmed last with OK is kept for the whole process and offered,
// selected, the next time the dialog opens.
#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TfrxSearchDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TfrxSearchDialog(QWidget *parent = nullptr);

    QString SearchText() const;
    bool FromTop() const;
    bool MatchCase() const;

    static QString LastText();
    static void SetLastText(const QString &text);

    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *m_textL, *m_replaceL;
    QLineEdit *m_textE, *m_replaceE;
    QGroupBox *m_optionsGB;
    QCheckBox *m_topCB, *m_caseCB;
    QPushButton *m_okB, *m_cancelB;
};
