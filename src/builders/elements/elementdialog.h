#pragma once
// The element dialog "添加元素": builds one element of the 24 kinds, or rebuilds the start tag of an existing one.
//
// Made with the builder context; callers set EditTag (0 insert, 1 rebuild the start tag of a parsed tag whose
// attributes go in EditAttrs) and HtmlN, then Run() hands back the markup, nothing after Cancel or close. HtmlStr
// holds the same ("" after Cancel). What the dialog computes lives in Markup; the kinds are ElementKind's rows.

#include "base/builderdialog.h"
#include "builders/elements/elementmarkup.h"

#include <QHash>

class BrowserView;
class KindFrame;
class PreviewPane;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

class ElementDialog : public BuilderDialog
{
    Q_OBJECT

public:
    explicit ElementDialog(const BuilderContext& context, QWidget* parent = nullptr);
    ~ElementDialog() override;

    // In.
    QString HtmlN;
    int EditTag = 0;
    AttributeList EditAttrs; // the edited tag's attributes (EditTag 1)
    // Out.
    QString HtmlStr;
    QString MyTxStr; // the markup last previewed, wrapper included
    QString MyTxTxt; // effect script text (effects picker)
    QString LoadStr; // onload code of the effect

    ElementMarkup Markup;

    // Sets the dialog up for HtmlN (once; Run() and show() do it too).
    void Form_Load() { EnsureLoaded(); }

    void SetupKind();
    void SetSlotCount(int n);
    void ShowContentArea(ContentBox mode);
    void ShowFrameWithName(KindFrame* frame);
    void RefreshPreview();
    void ShowSample();
    // The content box takes `text` (the list-line editor writes its lines there).
    void SetContentText(const QString& text);
    // Enter in `box` refreshes the preview.
    void EnterRefreshes(QLineEdit* box);
    // The frame of that name among those shown; null when the kind does not show it.
    KindFrame* Frame(const QString& name) const;

    void OkCommand_Click();
    void CancelCommand_Click();
    void SCommand_Click();
    // The event and other-attribute dialogs; neither refreshes the preview.
    void ECommand_Click();
    void OtherCommand_Click();
    // The effects picker for the element, known by its id (asked for when the id box is empty).
    void TxCommand_Click();

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
    PreviewPane* Preview = nullptr;
    BrowserView* web1 = nullptr;

protected:
    void Load() override;
    QString Result() const override { return HtmlStr; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyEditAttributes();
    void SyncCommonBoxes();

    QVBoxLayout* kindLayout_ = nullptr;
    QHash<QString, KindFrame*> frames_;
    QList<KindFrame*> shown_;
    bool loading_ = false; // set-up runs: no preview until it is done
};
