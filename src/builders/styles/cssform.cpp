#include "builders/styles/cssform.h"

#include "app/browserview.h"
#include "app/shared.h"
#include "app/uihelpers.h"
#include "builders/styles/colorform.h"
#include "builders/styles/scratchpage.h"
#include "builders/styles/sizesetform.h"

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
#include <QTimer>
#include <QVBoxLayout>

namespace {

using P = CssDeclarations;

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

void SetSlider(QScrollBar* slider, int value)
{
    const QSignalBlocker block(slider);
    slider->setValue(value);
}

} // namespace

CssForm::CssForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CssForm"));
    setWindowTitle(QStringLiteral("设置样式"));

    auto* layout = new QVBoxLayout(this);
    GroupTabs = new QTabWidget(this);
    GroupTabs->setObjectName(QStringLiteral("GroupTabs"));
    GroupTabs->addTab(BuildFontTab(), QStringLiteral("字体"));
    GroupTabs->addTab(BuildBackgroundTab(), QStringLiteral("背景"));
    GroupTabs->addTab(BuildTextTab(), QStringLiteral("文本"));
    GroupTabs->addTab(BuildBoxTab(), QStringLiteral("方框"));
    GroupTabs->addTab(BuildBorderTab(), QStringLiteral("边框"));
    GroupTabs->addTab(BuildPositionTab(), QStringLiteral("定位"));
    GroupTabs->addTab(BuildFilterTab(), QStringLiteral("滤镜"));
    layout->addWidget(GroupTabs, 3);

    auto* resultRow = new QHBoxLayout;
    auto* resultLabel = new QLabel(QStringLiteral("样式:"), this);
    ResultText = new QLineEdit(this);
    ResultText->setObjectName(QStringLiteral("ResultText"));
    ResultText->setReadOnly(true);
    resultLabel->setBuddy(ResultText);
    resultRow->addWidget(resultLabel);
    resultRow->addWidget(ResultText, 1);
    ClearTabCommand = Button(QStringLiteral("ClearTabCommand"), QStringLiteral("清除本页设置"), this);
    ClearTabCommand->setToolTip(QStringLiteral("去掉当前这一页的所有设置"));
    resultRow->addWidget(ClearTabCommand);
    layout->addLayout(resultRow);
    connect(ClearTabCommand, &QPushButton::clicked, this, &CssForm::ClearTabCommand_Click);

    auto* previewBox = new QGroupBox(QStringLiteral("预览"), this);
    auto* previewLayout = new QVBoxLayout(previewBox);
    previewLayout->setContentsMargins(4, 4, 4, 4);
    web1 = new BrowserView(previewBox);
    web1->setObjectName(QStringLiteral("web1"));
    web1->setMinimumHeight(130);
    previewLayout->addWidget(web1);
    layout->addWidget(previewBox, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    OkCommand = new QPushButton(QStringLiteral("&S 确定"), this);
    OkCommand->setObjectName(QStringLiteral("OkCommand"));
    OkCommand->setDefault(true);
    CancelCommand = new QPushButton(QStringLiteral("&Q 取消"), this);
    CancelCommand->setObjectName(QStringLiteral("CancelCommand"));
    buttons->addWidget(OkCommand);
    buttons->addWidget(CancelCommand);
    layout->addLayout(buttons);
    connect(OkCommand, &QPushButton::clicked, this, &CssForm::OkCommand_Click);
    connect(CancelCommand, &QPushButton::clicked, this, &QDialog::reject);

    previewTimer_ = new QTimer(this);
    previewTimer_->setSingleShot(true);
    previewTimer_->setInterval(150);
    connect(previewTimer_, &QTimer::timeout, this, &CssForm::WritePreview);

    resize(780, 640);
}

// ---- Building blocks

QPushButton* CssForm::Button(const QString& name, const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLabel* CssForm::ValueLabel(int position, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("Value_%1").arg(position));
    label->setMinimumWidth(90);
    label->setTextFormat(Qt::RichText);
    valueLabels_.insert(position, label);
    return label;
}

QScrollBar* CssForm::Slider(const QString& name, int maximum, int largeStep, QWidget* parent, int minimum,
                            int smallStep)
{
    auto* s = new QScrollBar(Qt::Horizontal, parent);
    s->setObjectName(name);
    s->setRange(minimum, maximum);
    s->setSingleStep(smallStep);
    s->setPageStep(largeStep);
    s->setValue(minimum);
    s->setFocusPolicy(Qt::StrongFocus);
    s->setMinimumWidth(200);
    auto* label = new QLabel(QString::number(minimum), parent);
    label->setObjectName(name + QStringLiteral("Value"));
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    sliderLabels_.insert(s, label);
    connect(s, &QScrollBar::valueChanged, label, [label](int v) { label->setText(QString::number(v)); });
    return s;
}

QButtonGroup* CssForm::OptionGroup(int position, QRadioButton** buttons, const QString& name,
                                   const QStringList& captions, QWidget* parent, QLayout* into)
{
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < captions.size(); ++i) {
        buttons[i] = new QRadioButton(captions[i], parent);
        buttons[i]->setObjectName(name + QStringLiteral("_%1").arg(i));
        group->addButton(buttons[i], i);
        into->addWidget(buttons[i]);
        connect(buttons[i], &QRadioButton::clicked, this, [this, position, i] { OptionGroup_Click(position, i); });
    }
    optionGroups_.insert(position, group);
    return group;
}

// ---- Tabs

QWidget* CssForm::BuildFontTab()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);

    FontColorCom = Button(QStringLiteral("FontColorCom"), QStringLiteral("前景颜色"), page);
    grid->addWidget(FontColorCom, 0, 0);
    grid->addWidget(ValueLabel(P::FontColor, page), 0, 1);
    FontSizeCommand = Button(QStringLiteral("FontSizeCommand"), QStringLiteral("大小"), page);
    grid->addWidget(FontSizeCommand, 1, 0);
    grid->addWidget(ValueLabel(P::FontSize, page), 1, 1);

    auto* boldLabel = new QLabel(QStringLiteral("粗细"), page);
    BoldHScroll = Slider(QStringLiteral("BoldHScroll"), P::BoldMax, 300, page, P::BoldMin, 100);
    boldLabel->setBuddy(BoldHScroll);
    CancelBoldCom = Button(QStringLiteral("CancelBoldCom"), QStringLiteral("取消加粗"), page);
    auto* boldRow = new QHBoxLayout;
    boldRow->addWidget(BoldHScroll, 1);
    boldRow->addWidget(sliderLabels_.value(BoldHScroll));
    boldRow->addWidget(CancelBoldCom);
    grid->addWidget(boldLabel, 2, 0);
    grid->addLayout(boldRow, 2, 1);

    auto* styleBox = new QGroupBox(QStringLiteral("字形"), page);
    auto* styleRow = new QHBoxLayout(styleBox);
    OptionGroup(P::FontStyle, FontStyleOption, QStringLiteral("FontStyleOption"), Captions({"普通", "斜体", "倾斜"}),
                styleBox, styleRow);
    styleRow->addStretch(1);
    grid->addWidget(styleBox, 3, 0, 1, 2);
    grid->setRowStretch(4, 1);

    auto* fontBox = new QGroupBox(QStringLiteral("字体"), page);
    auto* fontLayout = new QVBoxLayout(fontBox);
    FontList = new QListWidget(fontBox);
    FontList->setObjectName(QStringLiteral("FontList"));
    fontLayout->addWidget(FontList);
    grid->addWidget(fontBox, 0, 2, 5, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);

    connect(FontColorCom, &QPushButton::clicked, this, [this] { PickColorAt(P::FontColor); });
    connect(FontSizeCommand, &QPushButton::clicked, this, [this] { PickSize(P::FontSize, 1); });
    connect(BoldHScroll, &QScrollBar::valueChanged, this, [this](int v) {
        Css.SetBold(v);
        Rebuild();
    });
    connect(CancelBoldCom, &QPushButton::clicked, this, [this] {
        Css.CancelBold();
        SetSlider(BoldHScroll, BoldHScroll->minimum());
        sliderLabels_.value(BoldHScroll)->setText(QString::number(BoldHScroll->value()));
        Rebuild();
    });
    connect(FontList, &QListWidget::currentRowChanged, this, &CssForm::FontList_Click);
    return page;
}

QWidget* CssForm::BuildBackgroundTab()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    BackColorCom = Button(QStringLiteral("BackColorCom"), QStringLiteral("背景颜色"), page);
    grid->addWidget(BackColorCom, 0, 0);
    grid->addWidget(ValueLabel(P::BackColor, page), 0, 1, 1, 2);

    auto* imageLabel = new QLabel(QStringLiteral("背景图像"), page);
    BackImageText = new QLineEdit(page);
    BackImageText->setObjectName(QStringLiteral("BackImageText"));
    BackImageText->installEventFilter(this);
    imageLabel->setBuddy(BackImageText);
    BkCommand = Button(QStringLiteral("BkCommand"), QStringLiteral("浏览"), page);
    grid->addWidget(imageLabel, 1, 0);
    grid->addWidget(BackImageText, 1, 1);
    grid->addWidget(BkCommand, 1, 2);

    auto* repeatBox = new QGroupBox(QStringLiteral("重复方式"), page);
    auto* repeatRow = new QHBoxLayout(repeatBox);
    OptionGroup(P::BackRepeat, RepeatOption, QStringLiteral("RepeatOption"),
                Captions({"全重复", "横向", "纵向", "不重复"}), repeatBox, repeatRow);
    repeatRow->addStretch(1);
    grid->addWidget(repeatBox, 2, 0, 1, 3);

    auto* scrollBox = new QGroupBox(QStringLiteral("随页面滚动"), page);
    auto* scrollRow = new QHBoxLayout(scrollBox);
    OptionGroup(P::BackAttachment, ScrollOption, QStringLiteral("ScrollOption"), Captions({"滚动", "不滚动"}),
                scrollBox, scrollRow);
    scrollRow->addStretch(1);
    grid->addWidget(scrollBox, 3, 0, 1, 3);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(1, 1);

    connect(BackColorCom, &QPushButton::clicked, this, [this] { PickColorAt(P::BackColor); });
    connect(BackImageText, &QLineEdit::textChanged, this, [this](const QString& t) { Css.SetBackImage(t); });
    connect(BackImageText, &QLineEdit::editingFinished, this, &CssForm::Rebuild);
    connect(BkCommand, &QPushButton::clicked, this, [this] {
        const Shared* shared = Shared::Get();
        PickFileUrl(BackImageText, shared ? shared->ImageFilter : QString(), this);
        Rebuild();
    });
    return page;
}

QWidget* CssForm::BuildTextTab()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    LetterCommand = Button(QStringLiteral("LetterCommand"), QStringLiteral("字母间隔设置"), page);
    grid->addWidget(LetterCommand, 0, 0);
    grid->addWidget(ValueLabel(P::LetterSpacing, page), 0, 1);
    LineHeightCommand = Button(QStringLiteral("LineHeightCommand"), QStringLiteral("行间距"), page);
    grid->addWidget(LineHeightCommand, 1, 0);
    grid->addWidget(ValueLabel(P::LineHeight, page), 1, 1);

    auto* decoBox = new QGroupBox(QStringLiteral("修饰"), page);
    auto* decoRow = new QHBoxLayout(decoBox);
    OptionGroup(P::TextDecoration, TextXsOption, QStringLiteral("TextXsOption"),
                Captions({"无", "下划线", "上划线", "删除线"}), decoBox, decoRow);
    decoRow->addStretch(1);
    grid->addWidget(decoBox, 2, 0, 1, 2);

    auto* alignBox = new QGroupBox(QStringLiteral("对齐"), page);
    auto* alignRow = new QHBoxLayout(alignBox);
    OptionGroup(P::TextAlign, TextAlignOption, QStringLiteral("TextAlignOption"),
                Captions({"无", "靠左", "靠右", "居中", "等边"}), alignBox, alignRow);
    alignRow->addStretch(1);
    grid->addWidget(alignBox, 3, 0, 1, 2);

    auto* cursorLabel = new QLabel(QStringLiteral("鼠标形状"), page);
    CursorCombo = new QComboBox(page);
    CursorCombo->setObjectName(QStringLiteral("CursorCombo"));
    CursorCombo->setMinimumContentsLength(20);
    cursorLabel->setBuddy(CursorCombo);
    grid->addWidget(cursorLabel, 4, 0);
    grid->addWidget(CursorCombo, 4, 1, Qt::AlignLeft);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(1, 1);

    connect(LetterCommand, &QPushButton::clicked, this, [this] { PickSize(P::LetterSpacing, 2); });
    connect(LineHeightCommand, &QPushButton::clicked, this, [this] { PickSize(P::LineHeight, 2); });
    connect(CursorCombo, &QComboBox::activated, this, [this](int index) {
        Css.SetCursor(index);
        Rebuild();
    });
    return page;
}

QWidget* CssForm::BuildBoxTab()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    WidthCommand = Button(QStringLiteral("WidthCommand"), QStringLiteral("宽度设置"), page);
    HeightCommand = Button(QStringLiteral("HeightCommand"), QStringLiteral("高度设置"), page);
    grid->addWidget(WidthCommand, 0, 0);
    grid->addWidget(ValueLabel(P::Width, page), 0, 1);
    grid->addWidget(HeightCommand, 0, 2);
    grid->addWidget(ValueLabel(P::Height, page), 0, 3);

    for (int i = 0; i < P::BoxSides; ++i) {
        const QString side = QString::fromUtf8(kSides[i]);
        MarginCom[i] = Button(QStringLiteral("MarginCom_%1").arg(i), side + QStringLiteral("边界"), page);
        PaddingCom[i] = Button(QStringLiteral("PaddingCom_%1").arg(i), side + QStringLiteral("填充"), page);
        grid->addWidget(MarginCom[i], 1 + i, 0);
        grid->addWidget(ValueLabel(P::Margin + i, page), 1 + i, 1);
        grid->addWidget(PaddingCom[i], 1 + i, 2);
        grid->addWidget(ValueLabel(P::Padding + i, page), 1 + i, 3);
        connect(MarginCom[i], &QPushButton::clicked, this, [this, i] { PickBoxSize(P::Margin, i); });
        connect(PaddingCom[i], &QPushButton::clicked, this, [this, i] { PickBoxSize(P::Padding, i); });
    }

    auto* floatBox = new QGroupBox(QStringLiteral("浮动"), page);
    auto* floatRow = new QHBoxLayout(floatBox);
    OptionGroup(P::Float, FloatOption, QStringLiteral("FloatOption"), Captions({"左", "右", "无"}), floatBox, floatRow);
    floatRow->addStretch(1);
    grid->addWidget(floatBox, 6, 0, 1, 2);

    auto* dispBox = new QGroupBox(QStringLiteral("显示方式"), page);
    auto* dispRow = new QHBoxLayout(dispBox);
    OptionGroup(P::Display, DispOption, QStringLiteral("DispOption"),
                Captions({"前后换行", "不换行", "目录项", "不显示"}), dispBox, dispRow);
    dispRow->addStretch(1);
    grid->addWidget(dispBox, 6, 2, 1, 2);
    grid->setRowStretch(7, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    connect(WidthCommand, &QPushButton::clicked, this, [this] { PickSize(P::Width, 5); });
    connect(HeightCommand, &QPushButton::clicked, this, [this] { PickSize(P::Height, 5); });
    return page;
}

QWidget* CssForm::BuildBorderTab()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    grid->addWidget(new QLabel(QStringLiteral("样式"), page), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("宽度"), page), 0, 2, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("颜色"), page), 0, 4, 1, 2);
    for (int i = 0; i < P::BoxSides; ++i) {
        const QString side = QString::fromUtf8(kSides[i]);
        auto* rowLabel = new QLabel((i == P::AllSides ? QStringLiteral("总") : side) + QStringLiteral("边框"), page);
        BorderStyleCombo[i] = new QComboBox(page);
        BorderStyleCombo[i]->setObjectName(QStringLiteral("BorderStyleCombo_%1").arg(i));
        BorderStyleCombo[i]->setMinimumContentsLength(8);
        rowLabel->setBuddy(BorderStyleCombo[i]);
        BodderWidthCom[i] = Button(QStringLiteral("BodderWidthCom_%1").arg(i), QStringLiteral("宽度..."), page);
        BodderColorCom[i] = Button(QStringLiteral("BodderColorCom_%1").arg(i), QStringLiteral("颜色..."), page);
        grid->addWidget(rowLabel, 1 + i, 0);
        grid->addWidget(BorderStyleCombo[i], 1 + i, 1);
        grid->addWidget(BodderWidthCom[i], 1 + i, 2);
        grid->addWidget(ValueLabel(P::BorderWidth + i, page), 1 + i, 3);
        grid->addWidget(BodderColorCom[i], 1 + i, 4);
        grid->addWidget(ValueLabel(P::BorderColor + i, page), 1 + i, 5);
        connect(BorderStyleCombo[i], &QComboBox::activated, this, [this, i] { BorderStyleCombo_Click(i); });
        connect(BodderWidthCom[i], &QPushButton::clicked, this, [this, i] { PickBoxSize(P::BorderWidth, i); });
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

QWidget* CssForm::BuildPositionTab()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    auto* posBox = new QGroupBox(QStringLiteral("定位方式"), page);
    auto* posRow = new QHBoxLayout(posBox);
    OptionGroup(P::Positioning, PositionOption, QStringLiteral("PositionOption"),
                Captions({"绝对定位", "相对定位", "自动定位"}), posBox, posRow);
    posRow->addStretch(1);
    grid->addWidget(posBox, 0, 0, 1, 4);

    LeftCommand = Button(QStringLiteral("LeftCommand"), QStringLiteral("左定位"), page);
    TopCommand = Button(QStringLiteral("TopCommand"), QStringLiteral("上定位"), page);
    grid->addWidget(LeftCommand, 1, 0);
    grid->addWidget(ValueLabel(P::Left, page), 1, 1);
    grid->addWidget(TopCommand, 1, 2);
    grid->addWidget(ValueLabel(P::Top, page), 1, 3);

    auto* zLabel = new QLabel(QStringLiteral("层次(z-index)"), page);
    ZindexText = new QLineEdit(page);
    ZindexText->setObjectName(QStringLiteral("ZindexText"));
    ZindexText->setMaximumWidth(120);
    // A layer is a whole number (or auto); other typing is refused rather than written into the style.
    ZindexText->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\s*(-?\\d{1,9}|auto|inherit)\\s*")), ZindexText));
    ZindexText->installEventFilter(this);
    zLabel->setBuddy(ZindexText);
    grid->addWidget(zLabel, 2, 0);
    grid->addWidget(ZindexText, 2, 1);

    auto* overflowLabel = new QLabel(QStringLiteral("内容溢出"), page);
    OverflowCombo = new QComboBox(page);
    OverflowCombo->setObjectName(QStringLiteral("OverflowCombo"));
    OverflowCombo->addItems(Captions({"一般", "隐藏滚动条", "显示滚动条", "自动判断"}));
    OverflowCombo->setCurrentIndex(-1);
    overflowLabel->setBuddy(OverflowCombo);
    grid->addWidget(overflowLabel, 2, 2);
    grid->addWidget(OverflowCombo, 2, 3);

    auto* visBox = new QGroupBox(QStringLiteral("可见性"), page);
    auto* visRow = new QHBoxLayout(visBox);
    OptionGroup(P::Visibility, DisplayOption, QStringLiteral("DisplayOption"),
                Captions({"显示", "隐藏", "继承", "默认"}), visBox, visRow);
    visRow->addStretch(1);
    grid->addWidget(visBox, 3, 0, 1, 4);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    connect(LeftCommand, &QPushButton::clicked, this, [this] { PickSize(P::Left, 3); });
    connect(TopCommand, &QPushButton::clicked, this, [this] { PickSize(P::Top, 3); });
    connect(ZindexText, &QLineEdit::textChanged, this, [this](const QString& t) {
        Css.SetZindex(t);
        Rebuild();
    });
    connect(OverflowCombo, &QComboBox::activated, this, [this](int index) { OptionGroup_Click(P::Overflow, index); });
    return page;
}

QWidget* CssForm::BuildFilterTab()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    int row = 0;
    const auto addSlider = [&](const QString& caption, QScrollBar* slider, QWidget* extra, int column = 0) {
        auto* label = new QLabel(caption, page);
        label->setBuddy(slider);
        grid->addWidget(label, row, column);
        grid->addWidget(slider, row, column + 1);
        grid->addWidget(sliderLabels_.value(slider), row, column + 2);
        if (extra)
            grid->addWidget(extra, row, column + 3);
    };

    AlphaScroll = Slider(QStringLiteral("AlphaScroll"), P::AlphaMax, 10, page);
    AlphaCommand = Button(QStringLiteral("AlphaCommand"), QStringLiteral("取消透明"), page);
    addSlider(QStringLiteral("透明度"), AlphaScroll, AlphaCommand);
    ++row;

    auto* checks = new QHBoxLayout;
    const QStringList checkCaptions = Captions({"水平镜像", "垂直镜像", "转为灰色", "逆转色彩"});
    for (int i = 0; i < 4; ++i) {
        FilterCheck[i] = new QCheckBox(checkCaptions[i], page);
        FilterCheck[i]->setObjectName(QStringLiteral("FilterCheck_%1").arg(i));
        checks->addWidget(FilterCheck[i]);
        connect(FilterCheck[i], &QCheckBox::clicked, this, [this, i](bool on) {
            Css.SetFlip(i, on);
            Rebuild();
        });
    }
    checks->addStretch(1);
    grid->addLayout(checks, row++, 0, 1, 4);

    ShadowCommand = Button(QStringLiteral("ShadowCommand"), QStringLiteral("阴影颜色"), page);
    ShadowScroll = Slider(QStringLiteral("ShadowScroll"), P::ShadowMax, 60, page);
    grid->addWidget(ShadowCommand, row, 0);
    grid->addWidget(ValueLabel(-5, page), row, 1);
    ++row;
    addSlider(QStringLiteral("阴影方向"), ShadowScroll, nullptr);
    ++row;

    auto* glowLabel = new QLabel(QStringLiteral("增加光辉"), page);
    Command1 = Button(QStringLiteral("Command1"), QStringLiteral("颜色"), page);
    auto* glowRow = new QHBoxLayout;
    glowRow->addWidget(Command1);
    glowRow->addWidget(ValueLabel(-7, page), 1);
    grid->addWidget(glowLabel, row, 0);
    grid->addLayout(glowRow, row, 1);
    ++row;
    GlowScroll = Slider(QStringLiteral("GlowScroll"), P::GlowMax, 25, page);
    addSlider(QStringLiteral("强度"), GlowScroll, nullptr);
    ++row;

    BlurCheck = new QCheckBox(QStringLiteral("模糊效果"), page);
    BlurCheck->setObjectName(QStringLiteral("BlurCheck"));
    grid->addWidget(BlurCheck, row++, 0, 1, 2);
    BlurAHScroll = Slider(QStringLiteral("BlurAHScroll"), P::BlurDirectionMax, 20, page);
    BlurBHScroll = Slider(QStringLiteral("BlurBHScroll"), P::BlurStrengthMax, 10, page);
    BlurAHScroll->setEnabled(false);
    BlurBHScroll->setEnabled(false);
    addSlider(QStringLiteral("方向"), BlurAHScroll, nullptr);
    ++row;
    addSlider(QStringLiteral("强度"), BlurBHScroll, nullptr);
    ++row;

    // The wave sliders stand in a second column beside the blur.
    WaveCheck = new QCheckBox(QStringLiteral("波纹效果"), page);
    WaveCheck->setObjectName(QStringLiteral("WaveCheck"));
    const QStringList waveCaptions = Captions({"波纹频率", "波纹光影", "波纹偏移量", "波纹振幅"});
    const int waveTop = 2;
    grid->addWidget(WaveCheck, waveTop, 4, 1, 2);
    for (int i = 0; i < 4; ++i) {
        WaveHScroll[i] = Slider(QStringLiteral("WaveHScroll_%1").arg(i), P::WaveMax, 10, page);
        WaveHScroll[i]->setEnabled(false);
        auto* label = new QLabel(waveCaptions[i], page);
        label->setBuddy(WaveHScroll[i]);
        grid->addWidget(label, waveTop + 1 + i, 4);
        grid->addWidget(WaveHScroll[i], waveTop + 1 + i, 5);
        grid->addWidget(sliderLabels_.value(WaveHScroll[i]), waveTop + 1 + i, 6);
        connect(WaveHScroll[i], &QScrollBar::valueChanged, this, [this, i](int v) {
            Css.SetWaveValue(i, v);
            Rebuild();
        });
    }
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(5, 1);
    grid->setColumnMinimumWidth(3, 20);

    connect(AlphaScroll, &QScrollBar::valueChanged, this, [this](int v) {
        Css.SetAlpha(v);
        Rebuild();
    });
    connect(AlphaCommand, &QPushButton::clicked, this, [this] {
        Css.CancelAlpha();
        Rebuild();
    });
    connect(ShadowCommand, &QPushButton::clicked, this, [this] {
        QString color = Css.FilterParts.value(5);
        PickColor(color, this);
        Css.SetShadowColor(color);
        Rebuild();
    });
    connect(Command1, &QPushButton::clicked, this, [this] {
        QString color = Css.FilterParts.value(7);
        PickColor(color, this);
        Css.SetGlowColor(color);
        Rebuild();
    });
    connect(ShadowScroll, &QScrollBar::valueChanged, this, [this](int v) {
        Css.SetShadow(v);
        Rebuild();
    });
    connect(GlowScroll, &QScrollBar::valueChanged, this, [this](int v) {
        Css.SetGlow(v);
        Rebuild();
    });
    connect(BlurCheck, &QCheckBox::clicked, this, [this](bool on) {
        Css.SetBlur(on);
        SyncFilterControls();
        Rebuild();
    });
    connect(BlurAHScroll, &QScrollBar::valueChanged, this, [this](int v) {
        Css.SetBlurDirection(v);
        Rebuild();
    });
    connect(BlurBHScroll, &QScrollBar::valueChanged, this, [this](int v) {
        Css.SetBlurStrength(v);
        Rebuild();
    });
    connect(WaveCheck, &QCheckBox::clicked, this, [this](bool on) {
        Css.SetWave(on);
        SyncFilterControls();
        Rebuild();
    });
    return page;
}

// ---- Load

int CssForm::exec()
{
    Load();
    return QDialog::exec();
}

void CssForm::Load()
{
    RefreshOn = true;
    if (const Shared* shared = Shared::Get())
        Css.Load(shared->Db);
    else
        Css = CssDeclarations();

    CursorCombo->clear();
    CursorCombo->addItems(Css.CursorLabels);
    CursorCombo->setCurrentIndex(-1);

    StxtStr = CssDeclarations::LowerStyle(StxtStr);

    for (QComboBox* combo : BorderStyleCombo) {
        combo->clear();
        combo->addItems(Css.BorderLabels);
        combo->setCurrentIndex(-1);
    }

    {
        const QSignalBlocker block(FontList);
        FontList->clear();
        FontList->addItem(QStringLiteral("无"));
        for (const QString& family : QFontDatabase::families())
            FontList->addItem(family.trimmed());
    }

    RefreshOn = false;
    Css.Parse(StxtStr);
    SetControls();
    RefreshOn = true;
    Rebuild();
    WritePreview();
    GroupTabs->setCurrentIndex(0);
    FontColorCom->setFocus();
}

void CssForm::SetControls()
{
    {
        // The font list shows the family the style names, whatever its case.
        const QSignalBlocker block(FontList);
        const QString family = Css.Value(P::FontFamily);
        int row = -1;
        for (int i = 1; i < FontList->count() && !family.isEmpty(); ++i) {
            if (FontList->item(i)->text().compare(family, Qt::CaseInsensitive) == 0) {
                row = i;
                break;
            }
        }
        FontList->setCurrentRow(row);
    }
    SetSlider(BoldHScroll, Css.BoldSlider());
    for (auto it = optionGroups_.cbegin(); it != optionGroups_.cend(); ++it)
        CheckOnly(it.value(), Css.OptionIndex(it.key()));
    const bool placed = Css.OptionIndex(P::Positioning) != 2;
    LeftCommand->setEnabled(placed);
    TopCommand->setEnabled(placed);
    {
        const QSignalBlocker block(BackImageText);
        BackImageText->setText(Css.BackImageText());
    }
    OverflowCombo->setCurrentIndex(Css.OptionIndex(P::Overflow));
    {
        const QSignalBlocker block(ZindexText);
        ZindexText->setText(Css.Value(P::ZIndex));
    }
    for (int i = 0; i < P::BoxSides; ++i)
        BorderStyleCombo[i]->setCurrentIndex(Css.BorderStyleIndex(i));
    CursorCombo->setCurrentIndex(Css.CursorIndex());
    SyncFilterControls();
    for (auto it = sliderLabels_.cbegin(); it != sliderLabels_.cend(); ++it)
        it.value()->setText(QString::number(it.key()->value()));
}

void CssForm::SyncFilterControls()
{
    const CssDeclarations::FilterControls& f = Css.FilterState;
    SetSlider(AlphaScroll, f.Alpha);
    for (int i = 0; i < 4; ++i) {
        const QSignalBlocker block(FilterCheck[i]);
        FilterCheck[i]->setChecked(f.Flip[i]);
    }
    SetSlider(ShadowScroll, f.Shadow);
    SetSlider(GlowScroll, f.Glow);
    {
        const QSignalBlocker block(BlurCheck);
        BlurCheck->setChecked(f.Blur);
    }
    SetSlider(BlurAHScroll, f.BlurDirection);
    SetSlider(BlurBHScroll, f.BlurStrength);
    BlurAHScroll->setEnabled(f.Blur);
    BlurBHScroll->setEnabled(f.Blur);
    {
        const QSignalBlocker block(WaveCheck);
        WaveCheck->setChecked(f.Wave);
    }
    for (int i = 0; i < 4; ++i) {
        SetSlider(WaveHScroll[i], f.WaveValue[i]);
        WaveHScroll[i]->setEnabled(f.Wave);
    }
    for (QScrollBar* s : {AlphaScroll, ShadowScroll, GlowScroll, BlurAHScroll, BlurBHScroll, WaveHScroll[0],
                          WaveHScroll[1], WaveHScroll[2], WaveHScroll[3]})
        sliderLabels_.value(s)->setText(QString::number(s->value()));
}

// ---- Result and preview

void CssForm::Rebuild()
{
    if (!RefreshOn)
        return;
    Css.Build();
    ResultText->setText(Css.CssText);
    ResultText->setCursorPosition(0);
    ShowValues();
    // While a slider is dragged the page is rewritten once the moves pause, not for every step.
    previewTimer_->start();
}

void CssForm::WritePreview()
{
    previewTimer_->stop();
    const Shared* shared = Shared::Get();
    if (!shared)
        return;
    // A preview that cannot be written only leaves the preview behind; the style itself is unaffected.
    if (ScratchPage::Write(shared->TempFile, CssDeclarations::PreviewPage(Css.CssText, HtmlTxt1, HtmlTxt2)))
        web1->NavigateFile(shared->TempFile);
}

void CssForm::ShowValues()
{
    for (auto it = valueLabels_.cbegin(); it != valueLabels_.cend(); ++it) {
        // Negative keys are the filter's colour parts.
        const QString value = it.key() < 0 ? Css.FilterParts.value(-it.key()) : Css.Value(it.key());
        const bool colour = it.key() < 0 || it.key() == P::FontColor || it.key() == P::BackColor ||
                            (it.key() >= P::BorderColor && it.key() < P::BorderColor + P::BoxSides);
        QString html;
        if (value.trimmed().isEmpty()) {
            html = QStringLiteral("<span style='color:#808080'>未设置</span>");
        } else if (colour) {
            html = QStringLiteral("<span style='background-color:%1'>&nbsp;&nbsp;&nbsp;&nbsp;</span> %2")
                       .arg(value.toHtmlEscaped(), value.toHtmlEscaped());
        } else {
            html = value.toHtmlEscaped();
        }
        it.value()->setText(html);
    }
}

// ---- Handlers

void CssForm::SetIndexCss(const QString& s)
{
    Css.SetValue(CssIndex, s);
    Rebuild();
}

bool CssForm::PickSize(int position, int kind)
{
    CssIndex = position;
    SizeSetForm size(this);
    size.Dtype = kind;
    size.SizeValue = Css.Value(position);
    size.SetIndexCss = [this](const QString& s) { SetIndexCss(s); };
    const bool picked = size.exec() == QDialog::Accepted;
    Css.SetValue(position, size.SizeValue);
    Rebuild();
    return picked;
}

void CssForm::PickBoxSize(int base, int side)
{
    // Picking a side takes the shorthand away (and the shorthand the sides); a cancelled pick gives them back.
    QStringList box;
    for (int i = 0; i <= CssDeclarations::AllSides; ++i)
        box.append(Css.Value(base + i));
    if (PickSize(Css.StartBoxSize(base, side), 6))
        return;
    for (int i = 0; i <= CssDeclarations::AllSides; ++i)
        Css.SetValue(base + i, box.at(i));
    Rebuild();
}

void CssForm::PickColorAt(int position)
{
    QString color = Css.Value(position);
    PickColor(color, this);
    Css.SetValue(position, color);
    Rebuild();
}

void CssForm::FontList_Click(int row)
{
    if (row < 0)
        return;
    Css.SetValue(P::FontFamily, row == 0 ? QString() : FontList->item(row)->text());
    Rebuild();
}

void CssForm::OptionGroup_Click(int position, int index)
{
    Css.ChooseOption(position, index);
    if (position == P::Positioning) {
        LeftCommand->setEnabled(index != 2);
        TopCommand->setEnabled(index != 2);
    }
    Rebuild();
}

void CssForm::BorderStyleCombo_Click(int side)
{
    if (BorderStyleCombo[side]->currentIndex() < 0)
        return;
    Css.SetBorderStyle(side, BorderStyleCombo[side]->currentText());
    Rebuild();
}

void CssForm::ClearTabCommand_Click()
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
    if (tab == 3) {
        for (int i = 0; i < P::BoxSides; ++i)
            positions << P::Margin + i << P::Padding + i;
    } else if (tab == 4) {
        for (int i = 0; i < P::BoxSides; ++i)
            positions << P::BorderStyle + i << P::BorderWidth + i << P::BorderColor + i;
    }
    for (const int p : std::as_const(positions))
        Css.SetValue(p, QString());
    if (tab == 6)
        Css.ParseFilter(QString());
    RefreshOn = false;
    SetControls();
    RefreshOn = true;
    Rebuild();
}

void CssForm::OkCommand_Click()
{
    // A picture address typed but not yet confirmed with Enter belongs to the result too.
    Rebuild();
    StxtStr = Css.CssText;
    accept();
}

bool CssForm::eventFilter(QObject* watched, QEvent* event)
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
