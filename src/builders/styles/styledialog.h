#pragma once
// The style dialog "设置样式": grouped controls that build one CSS declaration list, with a live preview.
//
// Made with the style to edit and the element the preview shows it on; Run() hands back the new list after OK,
// nothing after Cancel.

#include "base/builderdialog.h"
#include "builders/styles/cssdeclarations.h"
#include "builders/styles/sizesetting.h"

#include <QHash>

#include <functional>

class BrowserView;
class PreviewPane;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;

class StyleDialog : public BuilderDialog
{
    Q_OBJECT

public:
    // The tabs, in the order they stand.
    enum Tab : int
    {
        FontTab,
        BackgroundTab,
        TextTab,
        BoxTab,
        BorderTab,
        PositionTab,
        FilterTab
    };

    struct Input
    {
        QString style; // the declaration list to edit, may be empty
        // The preview element: its start without ">" and its content with the end tag; both empty for the default
        // sample.
        QString tagStart;
        QString closing;
    };

    StyleDialog(const BuilderContext& context, Input input, QWidget* parent);

    // What the dialog was made with.
    const Input& Given() const { return input_; }
    // The declaration list as it stands.
    QString CssText() const { return css_.CssText; }
    const CssDeclarations& Declarations() const { return css_; }

    // ---- Controls, named as the dialog's vocabulary names them.
    QTabWidget* GroupTabs = nullptr;
    QPushButton* FontColorCom = nullptr;
    QListWidget* FontList = nullptr;
    QPushButton* FontSizeCommand = nullptr;
    QScrollBar* BoldHScroll = nullptr;
    QPushButton* CancelBoldCom = nullptr;
    QRadioButton* FontStyleOption[3] = {};
    QPushButton* BackColorCom = nullptr;
    QLineEdit* BackImageText = nullptr;
    QPushButton* BkCommand = nullptr;
    QRadioButton* RepeatOption[4] = {};
    QRadioButton* ScrollOption[2] = {};
    QPushButton* LetterCommand = nullptr;
    QRadioButton* TextXsOption[4] = {};
    QComboBox* OverflowCombo = nullptr;
    QRadioButton* TextAlignOption[5] = {};
    QPushButton* LeftCommand = nullptr;
    QPushButton* TopCommand = nullptr;
    QPushButton* WidthCommand = nullptr;
    QPushButton* HeightCommand = nullptr;
    QRadioButton* PositionOption[3] = {};
    QRadioButton* DisplayOption[4] = {};
    QLineEdit* ZindexText = nullptr;
    QPushButton* MarginCom[5] = {};
    QPushButton* PaddingCom[5] = {};
    QComboBox* BorderStyleCombo[5] = {};
    QPushButton* borderWidthBox[5] = {};
    QPushButton* BodderColorCom[5] = {};
    QPushButton* LineHeightCommand = nullptr;
    QComboBox* CursorCombo = nullptr;
    QRadioButton* FloatOption[3] = {};
    QRadioButton* DispOption[4] = {};
    QScrollBar* AlphaScroll = nullptr;
    QPushButton* AlphaCommand = nullptr;
    QCheckBox* FilterCheck[4] = {};
    QPushButton* ShadowCommand = nullptr;
    QScrollBar* ShadowScroll = nullptr;
    QPushButton* GlowColorCommand = nullptr;
    QScrollBar* GlowScroll = nullptr;
    QCheckBox* BlurCheck = nullptr;
    QScrollBar* BlurAHScroll = nullptr;
    QScrollBar* BlurBHScroll = nullptr;
    QCheckBox* WaveCheck = nullptr;
    QScrollBar* WaveHScroll[4] = {};
    QLineEdit* ResultText = nullptr;        // the declaration list as it stands
    QPushButton* ClearTabCommand = nullptr; // takes back every setting of the current tab
    PreviewPane* Preview = nullptr;
    BrowserView* previewBrowser = nullptr; // the preview's browser
    QPushButton* OkCommand = nullptr;
    QPushButton* CancelCommand = nullptr;

protected:
    // Reads the database lists, the fonts and the incoming style.
    void Load() override;
    QString Result() const override { return css_.CssText; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Layout of the tabs.
    QWidget* BuildFontTab();
    QWidget* BuildBackgroundTab();
    QWidget* BuildTextTab();
    QWidget* BuildBoxTab();
    QWidget* BuildBorderTab();
    QWidget* BuildPositionTab();
    QWidget* BuildFilterTab();
    // A picker button at (row, column) of `grid` with the value of list position `position` beside it.
    QPushButton* AddPicker(QGridLayout* grid, int row, int column, const QString& name, const QString& caption,
                           int position);
    // A caption, a picker button and the colour of filter part `part`, in row `row` of `grid`.
    QPushButton* AddPartPicker(QGridLayout* grid, int row, const QString& caption, const QString& name,
                               const QString& buttonCaption, int part);
    // A titled option group whose choice writes list position `position`; its buttons go to `buttons`.
    QGroupBox* AddOptions(QWidget* parent, int position, const QString& title, const QString& name,
                          const QStringList& captions, QRadioButton** buttons);
    // A labelled slider in row `row` of `grid`; each move goes to `write`, then the result is rebuilt.
    QScrollBar* AddSlider(QGridLayout* grid, int row, const QString& caption, const QString& name, int minimum,
                          int maximum, int pageStep, std::function<void(int)> write);

    // Rebuilds the result and asks the preview to follow (skipped while refreshOn_ is false).
    void Rebuild();
    void ShowValues();
    void SetControls();
    void SyncFilterControls();
    // False when the size dialog was cancelled.
    bool PickSize(int position, SizeSetting::Kind kind);
    void PickBoxSize(int base, int side);
    void PickColorAt(int position);
    void PickFilterColor(int part);

    void ChooseFont(int row);
    void ChooseOption(int position, int index);
    void ChooseBorderStyle(int side);
    void ClearTab();
    void Accept();

    const Input input_;
    CssDeclarations css_;
    bool refreshOn_ = true;
    QHash<int, QButtonGroup*> optionGroups_;
    QHash<int, QLabel*> valueLabels_; // list position -> label showing its value
    QHash<int, QLabel*> partLabels_;  // filter part -> label showing its colour
};
