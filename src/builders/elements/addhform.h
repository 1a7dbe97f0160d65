#pragma once
// The element dialog "添加元素": builds one element of the 24 kinds, or rebuilds the start tag of an existing one.
//
// Callers set EditTag (0 insert, 1 rebuild the start tag from the parsed attributes in Shared) and HtmlN, run
// exec() and read HtmlStr ("" after Cancel or close). What the dialog computes lives in Markup.

#include "builders/elements/elementmarkup.h"

#include <QDialog>
#include <QHash>

class BrowserView;
class KindFrame;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

class AddhForm : public QDialog
{
    Q_OBJECT

public:
    explicit AddhForm(QWidget* parent = nullptr);
    ~AddhForm() override;

    // In.
    QString HtmlN;
    int EditTag = 0;
    // Out.
    QString HtmlStr;
    QString MyTxStr; // the markup last previewed, wrapper included
    QString MyTxTxt; // effect script text (effects picker)
    QString LoadStr; // onload code of the effect

    ElementMarkup Markup;

    // Clears the state and sets the dialog up for HtmlN; exec() runs it before showing.
    void Form_Load();
    int exec() override;

    void SetupKind();
    void SetSlotCount(int n);
    void ShowContentArea(int mode);
    void ShowFrameWithName(KindFrame* frame);
    void RefreshPreview();
    void ShowSample();
    // The content box takes `text` (the list-line editor writes its lines there).
    void SetContentText(const QString& text);
    // Enter in `box` refreshes the preview.
    void EnterRefreshes(QLineEdit* box);
    // Only digits and backspace reach `box`.
    void DigitsOnly(QLineEdit* box);
    // The frame of that name among those shown; null when the kind does not show it.
    KindFrame* Frame(const QString& name) const;

    void OkCommand_Click();
    void CancelCommand_Click();
    void SCommand_Click();

    // ---- Controls.
    QLabel* Titlelable = nullptr;
    QGroupBox* KindBox = nullptr; // "基本属性"
    QLabel* HtmlLabel = nullptr;
    QPlainTextEdit* HtmlText = nullptr;
    QCheckBox* HtmlCheck = nullptr;
    QGroupBox* OfftFrame1 = nullptr; // "常用属性"
    QLineEdit* CcText[3] = {};
    QFrame* FormNameFrame = nullptr;
    QLineEdit* FormNameText = nullptr;
    QPushButton* OkCommand = nullptr;
    QPushButton* CancelCommand = nullptr;
    QPushButton* ShowCommand = nullptr;
    QPushButton* SCommand = nullptr;
    QPushButton* ECommand = nullptr;
    QPushButton* OtherCommand = nullptr;
    QPushButton* TxCommand = nullptr;
    BrowserView* web1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KindFrame* CreateFrame(const QString& name);
    void ApplyEditAttributes();
    void SyncCommonBoxes();

    QVBoxLayout* kindLayout_ = nullptr;
    QHash<QString, KindFrame*> frames_;
    QList<KindFrame*> shown_;
    QList<QLineEdit*> digitBoxes_;
    QLabel* previewLabel_ = nullptr;
    bool loaded_ = false;
    bool loading_ = false; // set-up runs: no preview until it is done
};
