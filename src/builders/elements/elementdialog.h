#pragma once
// The element dialog "添加元素": builds one element of the 24 kinds, or rebuilds the start tag of an existing one.
//
// Made with the builder context and what to build: a new element of a kind, or the start tag of an existing one
// rebuilt from its parsed attributes. Run() hands back the markup with the effect chosen for the element, nothing
// after Cancel or close. What the dialog computes lives in its ElementMarkup; the kinds are ElementKind's rows.

#include "base/builderdialog.h"
#include "builders/elements/elementmarkup.h"
#include "editor/bodyscript.h"

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
    enum class Purpose
    {
        Insert,          // a new element
        RebuildStartTag, // the start tag of an existing element, from its attributes
    };
    struct Input
    {
        Purpose purpose = Purpose::Insert;
        QString kind;        // the element's start ("<img")
        AttributeList attrs; // the edited tag's attributes (RebuildStartTag)
    };
    struct Result
    {
        QString markup;
        BodyScript effect; // its script and onload code; empty when no effect was chosen
    };

    ElementDialog(const BuilderContext& context, Input input, QWidget* parent = nullptr);
    ~ElementDialog() override;

    // The markup and effect after OK, nothing after Cancel or the close box.
    std::optional<Result> Run();
    // The same for a dialog shown without Run(): the result once OK was pressed, nothing before.
    std::optional<Result> Outcome() const;

    // Sets the dialog up for its kind (once; Run() and show() do it too).
    void Prepare() { EnsureLoaded(); }
    const Input& Given() const { return input_; }
    const ElementMarkup& Markup() const { return markup_; }
    // The markup last previewed, wrapper included.
    QString PreviewedMarkup() const { return previewed_; }

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

    // ---- Controls.
    QLabel* TitleLabel = nullptr;
    QGroupBox* KindBox = nullptr; // "基本属性"
    QLabel* HtmlLabel = nullptr;
    QPlainTextEdit* HtmlText = nullptr;
    QCheckBox* HtmlCheck = nullptr;
    QGroupBox* CommonFrame = nullptr; // "常用属性"
    QLineEdit* CommonText[3] = {};    // id, title, class
    QFrame* FormNameFrame = nullptr;
    QLineEdit* FormNameText = nullptr;
    QPushButton* OkCommand = nullptr;
    QPushButton* CancelCommand = nullptr;
    QPushButton* ShowCommand = nullptr;
    QPushButton* StyleCommand = nullptr;
    QPushButton* EventCommand = nullptr;
    QPushButton* OtherCommand = nullptr;
    QPushButton* EffectCommand = nullptr;
    PreviewPane* Preview = nullptr;
    BrowserView* previewBrowser = nullptr;

protected:
    void Load() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class KindFrame; // the frames write the markup

    void Accept();
    void EditStyle();
    // The event and other-attribute dialogs; neither refreshes the preview.
    void EditEvents();
    void EditOtherAttributes();
    // The effects picker for the element, known by its id (asked for when the id box is empty).
    void PickEffect();
    bool Rebuilding() const { return input_.purpose == Purpose::RebuildStartTag; }
    void ApplyEditAttributes();
    void SyncCommonBoxes();

    const Input input_;
    ElementMarkup markup_;
    QString previewed_;
    BodyScript effect_;             // the effect picked last
    std::optional<Result> outcome_; // set by OK
    QVBoxLayout* kindLayout_ = nullptr;
    QHash<QString, KindFrame*> frames_;
    QList<KindFrame*> shown_;
    bool loading_ = false; // set-up runs: no preview until it is done
};
