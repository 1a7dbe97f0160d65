#include "builders/styles/styledialog.h"

#include "base/browserview.h"
#include "base/dialogbuttons.h"
#include "base/formkit.h"
#include "base/previewpane.h"
#include "base/uihelpers.h"
#include "builders/styles/colordialog.h"
#include "builders/styles/sizedialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

using P = CssDeclarations;
using FormKit::Indexed;

const char* const kSides[5] = {"上", "下", "左", "右", ""};

QStringList Captions(std::initializer_list<const char*> texts)
{
    QStringList out;
    for (const char* t : texts)
        out.append(QString::fromUtf8(t));
    return out;
}

// Checks button `index` of an exclusive group, or none.
void CheckOnly(QButtonGroup* group, int index)
{
    const QSignalBlocker block(group);
    if (QAbstractButton* b = group->button(index)) {
        b->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons())
        b->setChecked(false);
    group->setExclusive(true);
}

bool IsColorPosition(int position)
{
    return position == P::FontColor || position == P::BackColor ||
           (position >= P::BorderColor && position < P::BorderColor + P::BoxSides);
}

} // namespace

StyleDialog::StyleDialog(const BuilderContext& context, Input input, QWidget* parent)
    : BuilderDialog(context, parent), input_(std::move(input))
{
    setObjectName(QStringLiteral("CssForm"));
    setWindowTitle(QStringLiteral("设置样式"));
    // Enter in the picture box takes the address in; it never closes the dialog.
    KeepOpenOnEnter();

    auto* layout = new QVBoxLayout(this);
    GroupTabs = new QTabWidget(this);
    GroupTabs->setObjectName(QStringLiteral("GroupTabs"));
    GroupTabs->insertTab(FontTab, BuildFontTab(), QStringLiteral("字体"));
    GroupTabs->insertTab(BackgroundTab, BuildBackgroundTab(), QStringLiteral("背景"));
    GroupTabs->insertTab(TextTab, BuildTextTab(), QStringLiteral("文本"));
    GroupTabs->insertTab(BoxTab, BuildBoxTab(), QStringLiteral("方框"));
    GroupTabs->insertTab(BorderTab, BuildBorderTab(), QStringLiteral("边框"));
    GroupTabs->insertTab(PositionTab, BuildPositionTab(), QStringLiteral("定位"));
    GroupTabs->insertTab(FilterTab, BuildFilterTab(), QStringLiteral("滤镜"));
    GroupTabs->setTabToolTip(FilterTab, FormKit::OldIeOnly);
    FormKit::MarkOldIeOnly(GroupTabs->widget(FilterTab));
    layout->addWidget(GroupTabs, 3);

    auto* resultRow = new QHBoxLayout;
    auto* resultLabel = new QLabel(QStringLiteral("样式:"), this);
    ResultText = new QLineEdit(this);
    ResultText->setObjectName(QStringLiteral("ResultText"));
    ResultText->setReadOnly(true);
    resultLabel->setBuddy(ResultText);
    ClearTabCommand = FormKit::Button(this, QStringLiteral("ClearTabCommand"), QStringLiteral("清除本页设置"),
                                      QStringLiteral("去掉当前这一页的所有设置"));
    resultRow->addWidget(resultLabel);
    resultRow->addWidget(ResultText, 1);
    resultRow->addWidget(ClearTabCommand);
    layout->addLayout(resultRow);
    connect(ClearTabCommand, &QPushButton::clicked, this, &StyleDialog::ClearTab);

    Preview = new PreviewPane(
        QStringLiteral("预览"), Context().ScratchFile,
        [this] { return CssDeclarations::PreviewPage(css_.CssText, input_.tagStart, input_.closing); }, this);
    previewBrowser = Preview->View();
    previewBrowser->setMinimumHeight(130);
    layout->addWidget(Preview, 2);

    const DialogButtons buttons =
        DialogButtons::Make(this, QStringLiteral("OkCommand"), QStringLiteral("CancelCommand"), {.cancelKey = u'Q'});
    OkCommand = buttons.Ok;
    CancelCommand = buttons.Cancel;
    layout->addLayout(buttons.Row);
    connect(OkCommand, &QPushButton::clicked, this, &StyleDialog::Accept);
    connect(CancelCommand, &QPushButton::clicked, this, &QDialog::reject);

    resize(780, 640);
}

// ---- Building blocks

QPushButton* StyleDialog::AddPicker(QGridLayout* grid, int row, int column, const QString& name, const QString& caption,
                                    int position)
{
    const FormKit::Picker picker = FormKit::PickerRow(grid, row, column, name, caption);
    valueLabels_.insert(position, picker.Value);
    return picker.Button;
}

QPushButton* StyleDialog::AddPartPicker(QGridLayout* grid, int row, const QString& caption, const QString& name,
                                        const QString& buttonCaption, int part)
{
    QWidget* parent = grid->parentWidget();
    QPushButton* button = FormKit::Button(parent, name, buttonCaption);
    auto* field = new QHBoxLayout;
    field->addWidget(button);
    field->addWidget(partLabels_[part] = FormKit::ValueLabel(parent, name + QStringLiteral("Value")), 1);
    partLabels_[part]->setBuddy(button);
    grid->addWidget(new QLabel(caption, parent), row, 0);
    grid->addLayout(field, row, 1);
    connect(button, &QPushButton::clicked, this, [this, part] { PickFilterColor(part); });
    return button;
}

QGroupBox* StyleDialog::AddOptions(QWidget* parent, int position, const QString& title, const QString& name,
                                   const QStringList& captions, QRadioButton** buttons)
{
    const FormKit::Options options = FormKit::OptionGroup(parent, title, name, captions);
    std::copy(options.Buttons.cbegin(), options.Buttons.cend(), buttons);
    connect(options.Group, &QButtonGroup::idClicked, this, [this, position](int i) { ChooseOption(position, i); });
    optionGroups_.insert(position, options.Group);
    return options.Box;
}

QScrollBar* StyleDialog::AddSlider(QGridLayout* grid, int row, const QString& caption, const QString& name, int minimum,
                                   int maximum, int pageStep, std::function<void(int)> write)
{
    QScrollBar* bar = nullptr;
    FormKit::Row(grid, row, caption, FormKit::Slider(grid->parentWidget(), name, minimum, maximum, pageStep, &bar));
    connect(bar, &QScrollBar::valueChanged, this, [this, write](int value) {
        write(value);
        Rebuild();
    });
    return bar;
}

// ---- Tabs

QWidget* StyleDialog::BuildFontTab()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    FontColorCom = AddPicker(grid, 0, 0, QStringLiteral("FontColorCom"), QStringLiteral("前景颜色"), P::FontColor);
    FontSizeCommand = AddPicker(grid, 1, 0, QStringLiteral("FontSizeCommand"), QStringLiteral("大小"), P::FontSize);
    BoldHScroll = AddSlider(grid, 2, QStringLiteral("粗细"), QStringLiteral("BoldHScroll"), P::BoldMin, P::BoldMax, 300,
                            [this](int v) { css_.SetBold(v); });
    BoldHScroll->setSingleStep(100);
    CancelBoldCom = FormKit::Button(page, QStringLiteral("CancelBoldCom"), QStringLiteral("取消加粗"));
    BoldHScroll->parentWidget()->layout()->addWidget(CancelBoldCom);
    grid->addWidget(AddOptions(page, P::FontStyle, QStringLiteral("字形"), QStringLiteral("FontStyleOption"),
                               Captions({"普通", "斜体", "倾斜"}), FontStyleOption),
                    3, 0, 1, 2);
    grid->setRowStretch(4, 1);

    auto* fontBox = new QGroupBox(QStringLiteral("字体"), page);
    FontList = new QListWidget(fontBox);
    FontList->setObjectName(QStringLiteral("FontList"));
    (new QVBoxLayout(fontBox))->addWidget(FontList);
    grid->addWidget(fontBox, 0, 2, 5, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);

    connect(FontColorCom, &QPushButton::clicked, this, [this] { PickColorAt(P::FontColor); });
    connect(FontSizeCommand, &QPushButton::clicked, this,
            [this] { PickSize(P::FontSize, SizeSetting::FontSizeLength); });
    connect(CancelBoldCom, &QPushButton::clicked, this, [this] {
        css_.CancelBold();
        FormKit::SetQuietly(BoldHScroll, BoldHScroll->minimum());
        Rebuild();
    });
    connect(FontList, &QListWidget::currentRowChanged, this, &StyleDialog::ChooseFont);
    return page;
}

QWidget* StyleDialog::BuildBackgroundTab()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    BackColorCom = AddPicker(grid, 0, 0, QStringLiteral("BackColorCom"), QStringLiteral("背景颜色"), P::BackColor);
    BackImageText = FormKit::TextRow(grid, 1, QStringLiteral("背景图像"), QStringLiteral("BackImageText"));
    BackImageText->installEventFilter(this);
    BkCommand = FormKit::Button(page, QStringLiteral("BkCommand"), QStringLiteral("浏览"));
    grid->addWidget(BkCommand, 1, 2);
    grid->addWidget(AddOptions(page, P::BackRepeat, QStringLiteral("重复方式"), QStringLiteral("RepeatOption"),
                               Captions({"全重复", "横向", "纵向", "不重复"}), RepeatOption),
                    2, 0, 1, 3);
    grid->addWidget(AddOptions(page, P::BackAttachment, QStringLiteral("随页面滚动"), QStringLiteral("ScrollOption"),
                               Captions({"滚动", "不滚动"}), ScrollOption),
                    3, 0, 1, 3);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(1, 1);

    connect(BackColorCom, &QPushButton::clicked, this, [this] { PickColorAt(P::BackColor); });
    connect(BackImageText, &QLineEdit::textChanged, this, [this](const QString& t) { css_.SetBackImage(t); });
    connect(BackImageText, &QLineEdit::editingFinished, this, &StyleDialog::Rebuild);
    connect(BkCommand, &QPushButton::clicked, this, [this] {
        PickFileUrl(BackImageText, Context().ImageFilter, this, Context().PageFolder);
        Rebuild();
    });
    return page;
}

QWidget* StyleDialog::BuildTextTab()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    LetterCommand =
        AddPicker(grid, 0, 0, QStringLiteral("LetterCommand"), QStringLiteral("字母间隔设置"), P::LetterSpacing);
    LineHeightCommand =
        AddPicker(grid, 1, 0, QStringLiteral("LineHeightCommand"), QStringLiteral("行间距"), P::LineHeight);
    grid->addWidget(AddOptions(page, P::TextDecoration, QStringLiteral("修饰"), QStringLiteral("TextXsOption"),
                               Captions({"无", "下划线", "上划线", "删除线"}), TextXsOption),
                    2, 0, 1, 2);
    grid->addWidget(AddOptions(page, P::TextAlign, QStringLiteral("对齐"), QStringLiteral("TextAlignOption"),
                               Captions({"无", "靠左", "靠右", "居中", "等边"}), TextAlignOption),
                    3, 0, 1, 2);
    CursorCombo = FormKit::Combo(page, QStringLiteral("CursorCombo"), {});
    CursorCombo->setMinimumContentsLength(20);
    FormKit::Row(grid, 4, QStringLiteral("鼠标形状"), CursorCombo);
    grid->setAlignment(CursorCombo, Qt::AlignLeft);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(1, 1);

    connect(LetterCommand, &QPushButton::clicked, this,
            [this] { PickSize(P::LetterSpacing, SizeSetting::SpacingLength); });
    connect(LineHeightCommand, &QPushButton::clicked, this,
            [this] { PickSize(P::LineHeight, SizeSetting::SpacingLength); });
    connect(CursorCombo, &QComboBox::activated, this, [this](int index) {
        css_.SetCursor(index);
        Rebuild();
    });
    return page;
}

QWidget* StyleDialog::BuildBoxTab()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    WidthCommand = AddPicker(grid, 0, 0, QStringLiteral("WidthCommand"), QStringLiteral("宽度设置"), P::Width);
    HeightCommand = AddPicker(grid, 0, 2, QStringLiteral("HeightCommand"), QStringLiteral("高度设置"), P::Height);
    for (int i = 0; i < P::BoxSides; ++i) {
        const QString side = QString::fromUtf8(kSides[i]);
        MarginCom[i] = AddPicker(grid, 1 + i, 0, Indexed(QStringLiteral("MarginCom"), i), side + QStringLiteral("边界"),
                                 P::Margin + i);
        PaddingCom[i] = AddPicker(grid, 1 + i, 2, Indexed(QStringLiteral("PaddingCom"), i),
                                  side + QStringLiteral("填充"), P::Padding + i);
        connect(MarginCom[i], &QPushButton::clicked, this, [this, i] { PickBoxSize(P::Margin, i); });
        connect(PaddingCom[i], &QPushButton::clicked, this, [this, i] { PickBoxSize(P::Padding, i); });
    }
    grid->addWidget(AddOptions(page, P::Float, QStringLiteral("浮动"), QStringLiteral("FloatOption"),
                               Captions({"左", "右", "无"}), FloatOption),
                    6, 0, 1, 2);
    grid->addWidget(AddOptions(page, P::Display, QStringLiteral("显示方式"), QStringLiteral("DispOption"),
                               Captions({"前后换行", "不换行", "目录项", "不显示"}), DispOption),
                    6, 2, 1, 2);
    grid->setRowStretch(7, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    connect(WidthCommand, &QPushButton::clicked, this, [this] { PickSize(P::Width, SizeSetting::ExtentLength); });
    connect(HeightCommand, &QPushButton::clicked, this, [this] { PickSize(P::Height, SizeSetting::ExtentLength); });
    return page;
}

QWidget* StyleDialog::BuildBorderTab()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    grid->addWidget(new QLabel(QStringLiteral("样式"), page), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("宽度"), page), 0, 2, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("颜色"), page), 0, 4, 1, 2);
    for (int i = 0; i < P::BoxSides; ++i) {
        const QString side = i == P::AllSides ? QStringLiteral("总") : QString::fromUtf8(kSides[i]);
        BorderStyleCombo[i] = FormKit::Combo(page, Indexed(QStringLiteral("BorderStyleCombo"), i), {});
        BorderStyleCombo[i]->setMinimumContentsLength(8);
        FormKit::Row(grid, 1 + i, side + QStringLiteral("边框"), BorderStyleCombo[i]);
        borderWidthBox[i] = AddPicker(grid, 1 + i, 2, Indexed(QStringLiteral("BodderWidthCom"), i),
                                      QStringLiteral("宽度..."), P::BorderWidth + i);
        BodderColorCom[i] = AddPicker(grid, 1 + i, 4, Indexed(QStringLiteral("BodderColorCom"), i),
                                      QStringLiteral("颜色..."), P::BorderColor + i);
        connect(BorderStyleCombo[i], &QComboBox::activated, this, [this, i] { ChooseBorderStyle(i); });
        connect(borderWidthBox[i], &QPushButton::clicked, this, [this, i] { PickBoxSize(P::BorderWidth, i); });
        connect(BodderColorCom[i], &QPushButton::clicked, this, [this, i] { PickColorAt(P::BorderColor + i); });
    }
    auto* hint =
        new QLabel(QStringLiteral("单边的设置与\"总边框\"不同时使用: 设置一边时总边框的同项被清除, 反之亦然。"), page);
    hint->setWordWrap(true);
    grid->addWidget(hint, 6, 0, 1, 6);
    grid->setRowStretch(7, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(5, 1);
    return page;
}

QWidget* StyleDialog::BuildPositionTab()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    grid->addWidget(AddOptions(page, P::Positioning, QStringLiteral("定位方式"), QStringLiteral("PositionOption"),
                               Captions({"绝对定位", "相对定位", "自动定位"}), PositionOption),
                    0, 0, 1, 4);
    LeftCommand = AddPicker(grid, 1, 0, QStringLiteral("LeftCommand"), QStringLiteral("左定位"), P::Left);
    TopCommand = AddPicker(grid, 1, 2, QStringLiteral("TopCommand"), QStringLiteral("上定位"), P::Top);

    ZindexText = FormKit::TextRow(grid, 2, QStringLiteral("层次(z-index)"), QStringLiteral("ZindexText"));
    ZindexText->setMaximumWidth(120);
    // A layer is a whole number (or auto); other typing is refused rather than written into the style.
    ZindexText->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\s*(-?\\d{1,9}|auto|inherit)\\s*")), ZindexText));
    ZindexText->installEventFilter(this);
    OverflowCombo = FormKit::Combo(page, QStringLiteral("OverflowCombo"),
                                   Captions({"一般", "隐藏滚动条", "显示滚动条", "自动判断"}));
    OverflowCombo->setCurrentIndex(-1);
    FormKit::Row(grid, 3, QStringLiteral("内容溢出"), OverflowCombo);
    grid->setAlignment(OverflowCombo, Qt::AlignLeft);
    grid->addWidget(AddOptions(page, P::Visibility, QStringLiteral("可见性"), QStringLiteral("DisplayOption"),
                               Captions({"显示", "隐藏", "继承", "默认"}), DisplayOption),
                    4, 0, 1, 4);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    connect(LeftCommand, &QPushButton::clicked, this, [this] { PickSize(P::Left, SizeSetting::PlacementLength); });
    connect(TopCommand, &QPushButton::clicked, this, [this] { PickSize(P::Top, SizeSetting::PlacementLength); });
    connect(ZindexText, &QLineEdit::textChanged, this, [this](const QString& t) {
        css_.SetZindex(t);
        Rebuild();
    });
    connect(OverflowCombo, &QComboBox::activated, this, [this](int index) { ChooseOption(P::Overflow, index); });
    return page;
}

QWidget* StyleDialog::BuildFilterTab()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("FilterTab"));
    auto* columns = new QHBoxLayout(page);
    auto* left = new QGridLayout;
    auto* right = new QGridLayout;
    columns->addLayout(left, 1);
    columns->addSpacing(16);
    columns->addLayout(right, 1);

    AlphaScroll = AddSlider(left, 0, QStringLiteral("透明度"), QStringLiteral("AlphaScroll"), 0, P::AlphaMax, 10,
                            [this](int v) { css_.SetAlpha(v); });
    AlphaCommand = FormKit::Button(page, QStringLiteral("AlphaCommand"), QStringLiteral("取消透明"));
    left->addWidget(AlphaCommand, 1, 1, Qt::AlignLeft);
    auto* checks = new QGridLayout;
    left->addLayout(checks, 2, 0, 1, 2);
    const QStringList checkCaptions = Captions({"水平镜像", "垂直镜像", "转为灰色", "逆转色彩"});
    for (int i = 0; i < 4; ++i) {
        FilterCheck[i] = FormKit::Check(page, Indexed(QStringLiteral("FilterCheck"), i), checkCaptions[i]);
        checks->addWidget(FilterCheck[i], i / 2, i % 2);
        connect(FilterCheck[i], &QCheckBox::clicked, this, [this, i](bool on) {
            css_.SetFlip(i, on);
            Rebuild();
        });
    }
    ShadowCommand = AddPartPicker(left, 3, QStringLiteral("阴影"), QStringLiteral("ShadowCommand"),
                                  QStringLiteral("阴影颜色"), P::ShadowColorPart);
    ShadowScroll = AddSlider(left, 4, QStringLiteral("阴影方向"), QStringLiteral("ShadowScroll"), 0, P::ShadowMax, 60,
                             [this](int v) { css_.SetShadow(v); });
    GlowColorCommand = AddPartPicker(left, 5, QStringLiteral("增加光辉"), QStringLiteral("Command1"),
                                     QStringLiteral("颜色"), P::GlowColorPart);
    GlowScroll = AddSlider(left, 6, QStringLiteral("强度"), QStringLiteral("GlowScroll"), 0, P::GlowMax, 25,
                           [this](int v) { css_.SetGlow(v); });
    left->setRowStretch(7, 1);

    // Ticking blur or wave sets its sliders to their starting values, so the controls follow the declarations.
    const auto effect = [&](int row, const QString& name, const QString& caption, void (CssDeclarations::*set)(bool)) {
        QCheckBox* check = FormKit::Check(page, name, caption);
        right->addWidget(check, row, 0, 1, 2);
        connect(check, &QCheckBox::clicked, this, [this, set](bool on) {
            (css_.*set)(on);
            SyncFilterControls();
            Rebuild();
        });
        return check;
    };
    BlurCheck = effect(0, QStringLiteral("BlurCheck"), QStringLiteral("模糊效果"), &CssDeclarations::SetBlur);
    BlurAHScroll = AddSlider(right, 1, QStringLiteral("方向"), QStringLiteral("BlurAHScroll"), 0, P::BlurDirectionMax,
                             20, [this](int v) { css_.SetBlurDirection(v); });
    BlurBHScroll = AddSlider(right, 2, QStringLiteral("强度"), QStringLiteral("BlurBHScroll"), 0, P::BlurStrengthMax,
                             10, [this](int v) { css_.SetBlurStrength(v); });
    WaveCheck = effect(3, QStringLiteral("WaveCheck"), QStringLiteral("波纹效果"), &CssDeclarations::SetWave);
    const QStringList waveCaptions = Captions({"波纹频率", "波纹光影", "波纹偏移量", "波纹振幅"});
    for (int i = 0; i < 4; ++i)
        WaveHScroll[i] = AddSlider(right, 4 + i, waveCaptions[i], Indexed(QStringLiteral("WaveHScroll"), i), 0,
                                   P::WaveMax, 10, [this, i](int v) { css_.SetWaveValue(i, v); });
    right->setRowStretch(8, 1);
    SyncFilterControls();

    connect(AlphaCommand, &QPushButton::clicked, this, [this] {
        css_.CancelAlpha();
        Rebuild();
    });
    return page;
}

// ---- Load

void StyleDialog::Load()
{
    refreshOn_ = true;
    css_.Load(Context().Db);

    CursorCombo->clear();
    CursorCombo->addItems(css_.CursorLabels);
    CursorCombo->setCurrentIndex(-1);

    for (QComboBox* combo : BorderStyleCombo) {
        combo->clear();
        combo->addItems(css_.BorderLabels);
        combo->setCurrentIndex(-1);
    }

    {
        const QSignalBlocker block(FontList);
        FontList->clear();
        FontList->addItem(QStringLiteral("无"));
        for (const QString& family : QFontDatabase::families())
            FontList->addItem(family.trimmed());
    }

    refreshOn_ = false;
    css_.Parse(CssDeclarations::LowerStyle(input_.style));
    SetControls();
    refreshOn_ = true;
    Rebuild();
    Preview->Refresh();
    GroupTabs->setCurrentIndex(FontTab);
    FontColorCom->setFocus();
}

void StyleDialog::SetControls()
{
    {
        // The font list shows the family the style names, whatever its case.
        const QSignalBlocker block(FontList);
        const QString family = css_.Value(P::FontFamily);
        int row = -1;
        for (int i = 1; i < FontList->count() && !family.isEmpty(); ++i) {
            if (FontList->item(i)->text().compare(family, Qt::CaseInsensitive) == 0) {
                row = i;
                break;
            }
        }
        FontList->setCurrentRow(row);
    }
    FormKit::SetQuietly(BoldHScroll, css_.BoldSlider());
    for (auto it = optionGroups_.cbegin(); it != optionGroups_.cend(); ++it)
        CheckOnly(it.value(), css_.OptionIndex(it.key()));
    const bool placed = css_.OptionIndex(P::Positioning) != 2;
    LeftCommand->setEnabled(placed);
    TopCommand->setEnabled(placed);
    {
        const QSignalBlocker block(BackImageText);
        BackImageText->setText(css_.BackImageText());
    }
    OverflowCombo->setCurrentIndex(css_.OptionIndex(P::Overflow));
    {
        const QSignalBlocker block(ZindexText);
        ZindexText->setText(css_.Value(P::ZIndex));
    }
    for (int i = 0; i < P::BoxSides; ++i)
        BorderStyleCombo[i]->setCurrentIndex(css_.BorderStyleIndex(i));
    CursorCombo->setCurrentIndex(css_.CursorIndex());
    SyncFilterControls();
}

void StyleDialog::SyncFilterControls()
{
    const CssDeclarations::FilterControls& f = css_.FilterState;
    FormKit::SetQuietly(AlphaScroll, f.Alpha);
    for (int i = 0; i < 4; ++i) {
        const QSignalBlocker block(FilterCheck[i]);
        FilterCheck[i]->setChecked(f.Flip[i]);
    }
    FormKit::SetQuietly(ShadowScroll, f.Shadow);
    FormKit::SetQuietly(GlowScroll, f.Glow);
    {
        const QSignalBlocker block(BlurCheck);
        BlurCheck->setChecked(f.Blur);
    }
    FormKit::SetQuietly(BlurAHScroll, f.BlurDirection);
    FormKit::SetQuietly(BlurBHScroll, f.BlurStrength);
    BlurAHScroll->setEnabled(f.Blur);
    BlurBHScroll->setEnabled(f.Blur);
    {
        const QSignalBlocker block(WaveCheck);
        WaveCheck->setChecked(f.Wave);
    }
    for (int i = 0; i < 4; ++i) {
        FormKit::SetQuietly(WaveHScroll[i], f.WaveValue[i]);
        WaveHScroll[i]->setEnabled(f.Wave);
    }
}

// ---- Result and preview

void StyleDialog::Rebuild()
{
    if (!refreshOn_)
        return;
    css_.Build();
    ResultText->setText(css_.CssText);
    ResultText->setCursorPosition(0);
    ShowValues();
    // While a slider is dragged the page is rewritten once the moves pause, not for every step.
    Preview->RefreshSoon();
}

void StyleDialog::ShowValues()
{
    for (auto it = valueLabels_.cbegin(); it != valueLabels_.cend(); ++it)
        FormKit::ShowValue(it.value(), css_.Value(it.key()),
                           IsColorPosition(it.key()) ? FormKit::Shown::Colour : FormKit::Shown::Text);
    for (auto it = partLabels_.cbegin(); it != partLabels_.cend(); ++it)
        FormKit::ShowValue(it.value(), css_.FilterParts.value(it.key()), FormKit::Shown::Colour);
}

// ---- Handlers

bool StyleDialog::PickSize(int position, SizeSetting::Kind kind)
{
    const QString atOpen = css_.Value(position);
    // The picker moves the value live; Cancel puts back the one it opened with.
    const auto follow = [this, position](const QString& s) {
        css_.SetValue(position, s);
        Rebuild();
    };
    SizeDialog size({kind, atOpen, follow}, this);
    const std::optional<QString> picked = size.Run();
    css_.SetValue(position, picked.value_or(atOpen));
    Rebuild();
    return picked.has_value();
}

void StyleDialog::PickBoxSize(int base, int side)
{
    // Picking a side takes the shorthand away (and the shorthand the sides); a cancelled pick gives them back.
    QStringList box;
    for (int i = 0; i <= CssDeclarations::AllSides; ++i)
        box.append(css_.Value(base + i));
    if (PickSize(css_.StartBoxSize(base, side), SizeSetting::BoxLength))
        return;
    for (int i = 0; i <= CssDeclarations::AllSides; ++i)
        css_.SetValue(base + i, box.at(i));
    Rebuild();
}

void StyleDialog::PickColorAt(int position)
{
    QString color = css_.Value(position);
    PickColor(Context().Db, color, this);
    css_.SetValue(position, color);
    Rebuild();
}

void StyleDialog::PickFilterColor(int part)
{
    QString color = css_.FilterParts.value(part);
    PickColor(Context().Db, color, this);
    if (part == P::ShadowColorPart)
        css_.SetShadowColor(color);
    else
        css_.SetGlowColor(color);
    Rebuild();
}

void StyleDialog::ChooseFont(int row)
{
    if (row < 0)
        return;
    css_.SetValue(P::FontFamily, row == 0 ? QString() : FontList->item(row)->text());
    Rebuild();
}

void StyleDialog::ChooseOption(int position, int index)
{
    css_.ChooseOption(position, index);
    if (position == P::Positioning) {
        LeftCommand->setEnabled(index != 2);
        TopCommand->setEnabled(index != 2);
    }
    Rebuild();
}

void StyleDialog::ChooseBorderStyle(int side)
{
    if (BorderStyleCombo[side]->currentIndex() < 0)
        return;
    css_.SetBorderStyle(side, BorderStyleCombo[side]->currentText());
    Rebuild();
}

void StyleDialog::ClearTab()
{
    // The positions each tab's controls write, in tab order. An option once chosen can be taken back only here.
    static const QList<QList<int>> tabs{{P::FontColor, P::FontFamily, P::FontSize, P::FontWeight, P::FontStyle},
                                        {P::BackColor, P::BackImage, P::BackRepeat, P::BackAttachment},
                                        {P::LetterSpacing, P::TextDecoration, P::TextAlign, P::LineHeight, P::Cursor},
                                        {P::Width, P::Height, P::Float, P::Display},
                                        {},
                                        {P::Overflow, P::Left, P::Top, P::Positioning, P::Visibility, P::ZIndex},
                                        {}};
    const int tab = GroupTabs->currentIndex();
    QList<int> positions = tabs.value(tab);
    if (tab == BoxTab) {
        for (int i = 0; i < P::BoxSides; ++i)
            positions << P::Margin + i << P::Padding + i;
    } else if (tab == BorderTab) {
        for (int i = 0; i < P::BoxSides; ++i)
            positions << P::BorderStyle + i << P::BorderWidth + i << P::BorderColor + i;
    }
    for (const int p : std::as_const(positions))
        css_.SetValue(p, QString());
    if (tab == FilterTab)
        css_.ParseFilter(QString());
    refreshOn_ = false;
    SetControls();
    refreshOn_ = true;
    Rebuild();
}

void StyleDialog::Accept()
{
    // A picture address typed but not yet confirmed with Enter belongs to the result too.
    Rebuild();
    accept();
}

bool StyleDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in a text box shows the result instead of closing the dialog.
    if ((watched == BackImageText || watched == ZindexText) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Rebuild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
