#pragma once
// The style dialog "设置样式": grouped controls that build one CSS declaration list, with a live preview.
//
// Callers set StxtStr (the style to edit, may be empty), HtmlTxt1 and HtmlTxt2 (the preview element: its start
// without ">", and its content with the end tag; both empty for the default sample), run exec() and read
// StxtStr: the new list after OK, the incoming text lower-cased after Cancel.

#include "builders/styles/cssdeclarations.h"

#include <QDialog>
#include <QHash>

class BrowserView;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;
class QTimer;

class CssForm : public QDialog
{
    Q_OBJECT

public:
    explicit CssForm(QWidget* parent = nullptr);

    QString StxtStr;  // in and out
    QString HtmlTxt1; // in
    QString HtmlTxt2; // in
    int CssIndex = 0; // the position the size dialog is editing
    // Stores `s` at CssIndex and rebuilds the result and the preview (the size dialog calls it while open).
    void SetIndexCss(const QString& s);

    // Reads the database lists, the fonts and StxtStr; exec() does it before showing.
    void Load();
    int exec() override;

    CssDeclarations Css;
    bool RefreshOn = true;
    QString CssText() const { return Css.CssText; }

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
    QPushButton* BodderWidthCom[5] = {};
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
    QPushButton* Command1 = nullptr;
    QScrollBar* GlowScroll = nullptr;
    QCheckBox* BlurCheck = nullptr;
    QScrollBar* BlurAHScroll = nullptr;
    QScrollBar* BlurBHScroll = nullptr;
    QCheckBox* WaveCheck = nullptr;
    QScrollBar* WaveHScroll[4] = {};
    QLineEdit* ResultText = nullptr;        // the declaration list as it stands
    QPushButton* ClearTabCommand = nullptr; // takes back every setting of the current tab
    BrowserView* web1 = nullptr;
    QPushButton* OkCommand = nullptr;
    QPushButton* CancelCommand = nullptr;

protected:
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
    QPushButton* Button(const QString& name, const QString& caption, QWidget* parent);
    QLabel* ValueLabel(int position, QWidget* parent);
    QScrollBar* Slider(const QString& name, int maximum, int largeStep, QWidget* parent, int minimum = 0,
                       int smallStep = 1);
    QButtonGroup* OptionGroup(int position, QRadioButton** buttons, const QString& name, const QStringList& captions,
                              QWidget* parent, QLayout* into);

    // Rebuilds the result and the preview (skipped while RefreshOn is false).
    void Rebuild();
    // Writes the preview page and shows it (Rebuild asks for it).
    void WritePreview();
    void ShowValues();
    void SetControls();
    void SyncFilterControls();
    // False when the size dialog was cancelled.
    bool PickSize(int position, int kind);
    void PickBoxSize(int base, int side);
    void PickColorAt(int position);

    void FontList_Click(int row);
    void OptionGroup_Click(int position, int index);
    void BorderStyleCombo_Click(int side);
    void ClearTabCommand_Click();
    void OkCommand_Click();

    QHash<int, QButtonGroup*> optionGroups_;
    QHash<int, QLabel*> valueLabels_; // position -> label showing its value
    QHash<QScrollBar*, QLabel*> sliderLabels_;
    QTimer* previewTimer_ = nullptr;
};
