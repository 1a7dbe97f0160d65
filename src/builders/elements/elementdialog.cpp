#include "builders/elements/elementdialog.h"

#include "base/browserview.h"
#include "base/dialogbuttons.h"
#include "base/formkit.h"
#include "base/helpers.h"
#include "base/messages.h"
#include "base/previewpane.h"
#include "builders/elements/elementframes.h"
#include "builders/elements/eventdialog.h"
#include "builders/elements/kindframe.h"
#include "builders/elements/otherattributesdialog.h"
#include "builders/scripts/elementeffectdialog.h"
#include "builders/styles/styledialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
const QString DefaultContentLabel = QStringLiteral("标记之间内容(&W)");
}

ElementDialog::ElementDialog(const BuilderContext& context, Input input, QWidget* parent)
    : BuilderDialog(context, parent), input_(std::move(input))
{
    setObjectName(QStringLiteral("AddhForm"));
    setWindowTitle(QStringLiteral("添加元素"));
    KeepOpenOnEnter();

    TitleLabel = new QLabel(this);
    TitleLabel->setObjectName(QStringLiteral("Titlelable"));
    QFont titleFont = TitleLabel->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    TitleLabel->setFont(titleFont);

    // Left column: the kind's frames, the content box, the common attributes.
    KindBox = new QGroupBox(QStringLiteral("基本属性"), this);
    KindBox->setObjectName(QStringLiteral("KindBox"));
    kindLayout_ = new QVBoxLayout(KindBox);
    kindLayout_->setContentsMargins(8, 6, 8, 6);
    FormNameFrame = new QFrame(KindBox);
    FormNameFrame->setObjectName(QStringLiteral("FormNameFrame"));
    auto* nameRow = new QGridLayout(FormNameFrame);
    nameRow->setContentsMargins(0, 0, 0, 0);
    FormNameText = FormKit::TextRow(nameRow, 0, QStringLiteral("名称"), QStringLiteral("FormNameText"),
                                    QStringLiteral("表单元素的内部名称"));
    FormNameFrame->hide();
    kindLayout_->addWidget(FormNameFrame);
    connect(FormNameText, &QLineEdit::textChanged, this,
            [this](const QString& t) { markup_.SetAttr(QStringLiteral("name"), t); });

    HtmlLabel = new QLabel(DefaultContentLabel, this);
    HtmlLabel->setObjectName(QStringLiteral("HtmlLabel"));
    HtmlText = new QPlainTextEdit(this);
    HtmlText->setObjectName(QStringLiteral("HtmlText"));
    HtmlText->setTabChangesFocus(true);
    HtmlLabel->setBuddy(HtmlText);
    HtmlLabel->installEventFilter(this);
    HtmlCheck = FormKit::Check(this, QStringLiteral("HtmlCheck"), QStringLiteral("HTML格式"));
    connect(HtmlText, &QPlainTextEdit::textChanged, this, [this] {
        QString text = HtmlText->toPlainText();
        text.replace(QLatin1Char('\n'), CrLf);
        markup_.Content = text;
    });
    connect(HtmlCheck, &QCheckBox::toggled, this, [this](bool on) { markup_.HtmlFormat = on; });

    CommonFrame = new QGroupBox(QStringLiteral("常用属性"), this);
    CommonFrame->setObjectName(QStringLiteral("OfftFrame1"));
    auto* common = new QGridLayout(CommonFrame);
    const QString labels[3] = {QStringLiteral("唯一标识符ID"), QStringLiteral("提示文本Title"),
                               QStringLiteral("指定样式类Class")};
    const QString tips[3] = {QStringLiteral("用于脚本语言的标识符"), QStringLiteral("在鼠标移到此元素时提示的信息"),
                             QStringLiteral("指定使用某一个样式来显示")};
    for (int i = 0; i < 3; ++i) {
        CommonText[i] = FormKit::TextRow(common, i, labels[i], FormKit::Indexed(QStringLiteral("CcText"), i), tips[i]);
        EnterRefreshes(CommonText[i]);
        connect(CommonText[i], &QLineEdit::textChanged, this,
                [this, i](const QString& t) { markup_.CommonValue[i] = t; });
    }

    auto* left = new QVBoxLayout;
    left->addWidget(KindBox);
    left->addWidget(HtmlLabel);
    left->addWidget(HtmlText, 1);
    left->addWidget(HtmlCheck);
    left->addWidget(CommonFrame);
    left->addStretch(0);

    // Right column: the preview of the markup last shown.
    Preview = new PreviewPane(
        QStringLiteral("预      览"), context.ScratchFile, [this] { return ElementMarkup::PreviewPage(previewed_); },
        this);
    previewBrowser = Preview->View();
    previewBrowser->setMinimumSize(400, 320);

    auto* body = new QHBoxLayout;
    body->addLayout(left, 5);
    body->addWidget(Preview, 6);

    StyleCommand = FormKit::Button(this, QStringLiteral("SCommand"), QStringLiteral("设置样式(&Y)"),
                                   QStringLiteral("设置元素的外观"));
    EventCommand = FormKit::Button(this, QStringLiteral("ECommand"), QStringLiteral("设置事件(&E)"),
                                   QStringLiteral("设置如鼠标单击,鼠标移动时浏览器的响应"));
    OtherCommand = FormKit::Button(this, QStringLiteral("OtherCommand"), QStringLiteral("其他属性(&O)"),
                                   QStringLiteral("设置其他不常用的属性"));
    EffectCommand = FormKit::Button(this, QStringLiteral("TxCommand"), QStringLiteral("设置特效(&T)"),
                                    QStringLiteral("您可以将添加的元素设置为特殊效果"));
    ShowCommand = FormKit::Button(this, QStringLiteral("ShowCommand"), QStringLiteral("预览(&F)"));
    const DialogButtons buttons =
        DialogButtons::Make(this, QStringLiteral("OkCommand"), QStringLiteral("CancelCommand"), {.cancelKey = u'Q'});
    OkCommand = buttons.Ok;
    CancelCommand = buttons.Cancel;
    int at = 0;
    for (QPushButton* b : {StyleCommand, EventCommand, OtherCommand, EffectCommand})
        buttons.Row->insertWidget(at++, b);
    buttons.Row->insertStretch(at++, 1);
    buttons.Row->insertWidget(at, ShowCommand);

    auto* main = new QVBoxLayout(this);
    main->addWidget(TitleLabel);
    main->addLayout(body, 1);
    main->addLayout(buttons.Row);

    connect(OkCommand, &QPushButton::clicked, this, &ElementDialog::Accept);
    connect(CancelCommand, &QPushButton::clicked, this, &QDialog::reject);
    connect(ShowCommand, &QPushButton::clicked, this, &ElementDialog::RefreshPreview);
    connect(StyleCommand, &QPushButton::clicked, this, &ElementDialog::EditStyle);
    connect(EventCommand, &QPushButton::clicked, this, &ElementDialog::EditEvents);
    connect(OtherCommand, &QPushButton::clicked, this, &ElementDialog::EditOtherAttributes);
    connect(EffectCommand, &QPushButton::clicked, this, &ElementDialog::PickEffect);

    resize(1000, 640);
}

ElementDialog::~ElementDialog() = default;

void ElementDialog::Load()
{
    outcome_.reset();
    previewed_.clear();
    effect_ = BodyScript();
    markup_.Reset();
    Preview->Blank();
    loading_ = true;
    SetupKind();
    loading_ = false;
    // An edited tag is shown as soon as the dialog is up; a new element appears on the first refresh.
    if (Rebuilding())
        QTimer::singleShot(0, this, &ElementDialog::RefreshPreview);
}

KindFrame* ElementDialog::Frame(const QString& name) const
{
    KindFrame* f = frames_.value(name);
    return shown_.contains(f) ? f : nullptr;
}

void ElementDialog::SetSlotCount(int n)
{
    markup_.SetSlotCount(n);
}

void ElementDialog::SetupKind()
{
    markup_.HtmlN = input_.kind;
    markup_.EditTag = Rebuilding() ? 1 : 0;
    markup_.SetupKind(Context().Db);
    TitleLabel->setText(markup_.Title);

    for (KindFrame* f : std::as_const(shown_))
        f->hide();
    shown_.clear();
    FormNameFrame->hide();

    const ElementKind* kind = markup_.Kind;
    if (!kind) {
        // Not one of the dialog's kinds: the element with content and the common attributes only.
        KindBox->hide();
        ShowContentArea(ContentBox::Shown);
        HtmlLabel->setText(DefaultContentLabel);
        return;
    }
    bool anyFields = false;
    for (const ElementKind::Frame& frameRow : kind->Frames) {
        KindFrame* f = frames_.value(frameRow.Name);
        if (!f) {
            f = ElementFrames::Create(this, frameRow);
            frames_.insert(frameRow.Name, f);
        }
        kindLayout_->insertWidget(kindLayout_->indexOf(FormNameFrame), f);
        f->show();
        shown_.append(f);
        anyFields = anyFields || f->layout();
    }
    if (kind->NameFrame && !shown_.isEmpty()) {
        ShowFrameWithName(shown_.last());
        anyFields = true;
    }
    KindBox->setVisible(anyFields);

    ShowContentArea(kind->Content);
    HtmlLabel->setText(kind->ContentLabel.isEmpty() ? DefaultContentLabel : kind->ContentLabel);
    HtmlCheck->setChecked(kind->HtmlFormat);

    for (KindFrame* f : std::as_const(shown_))
        f->Setup();
    if (Rebuilding())
        ApplyEditAttributes();

    // Tab order: the kind's fields, the name, the content, the common attributes, then the buttons.
    QList<QWidget*> order;
    for (KindFrame* f : std::as_const(shown_))
        for (QWidget* w : f->findChildren<QWidget*>())
            if ((w->focusPolicy() & Qt::TabFocus) && w->window() == this) // not a combo's pop-up
                order.append(w);
    order << FormNameText << HtmlText << HtmlCheck << CommonText[0] << CommonText[1] << CommonText[2] << StyleCommand
          << EventCommand << OtherCommand << EffectCommand << ShowCommand << OkCommand << CancelCommand;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    for (QWidget* w : std::as_const(order)) {
        if (w->isVisibleTo(this) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus();
            break;
        }
    }
}

void ElementDialog::ShowContentArea(ContentBox mode)
{
    const bool on = mode != ContentBox::Hidden;
    HtmlLabel->setVisible(on);
    HtmlText->setVisible(on);
    HtmlCheck->setVisible(on);
    if (mode == ContentBox::Tall) {
        HtmlText->setMinimumHeight(140);
        HtmlText->setMaximumHeight(QWIDGETSIZE_MAX);
    } else {
        HtmlText->setMinimumHeight(50);
        HtmlText->setMaximumHeight(90);
    }
}

void ElementDialog::ShowFrameWithName(KindFrame* frame)
{
    frame->show();
    FormNameFrame->show();
    kindLayout_->removeWidget(FormNameFrame);
    kindLayout_->insertWidget(kindLayout_->indexOf(frame) + 1, FormNameFrame);
}

void ElementDialog::ApplyEditAttributes()
{
    QStringList seen;
    for (const auto& [name, value] : std::as_const(input_.attrs)) {
        if (name.isEmpty())
            continue; // the entry that met the closing ">"
        // A browser reads the first of a repeated attribute; the later ones are dropped, never written twice.
        if (seen.contains(name, Qt::CaseInsensitive))
            continue;
        seen << name;
        bool handled = false;
        for (KindFrame* f : std::as_const(shown_)) {
            if (f->ApplyAttr(name, value)) {
                handled = true;
                break;
            }
        }
        if (!handled)
            markup_.ApplyGenericAttr(name, value, Context().Db);
    }
    SyncCommonBoxes();
    if (HtmlText->isVisibleTo(this))
        ShowSample();
}

void ElementDialog::SyncCommonBoxes()
{
    for (int i = 0; i < 3; ++i)
        if (CommonText[i]->text() != markup_.CommonValue.at(i))
            CommonText[i]->setText(markup_.CommonValue.at(i));
}

void ElementDialog::ShowSample()
{
    HtmlText->setPlainText(ElementMarkup::SampleText);
    HtmlText->setEnabled(false);
}

void ElementDialog::SetContentText(const QString& text)
{
    QString plain = text;
    plain.replace(CrLf, QStringLiteral("\n"));
    HtmlText->setPlainText(plain);
    markup_.Content = text;
}

void ElementDialog::RefreshPreview()
{
    if (loading_)
        return;
    previewed_ = markup_.PreviewMarkup();
    Preview->Refresh(); // a page that cannot be written leaves the previous one on show
}

std::optional<ElementDialog::Result> ElementDialog::Run()
{
    return Confirm() ? outcome_ : std::nullopt;
}

std::optional<ElementDialog::Result> ElementDialog::Outcome() const
{
    return outcome_;
}

void ElementDialog::Accept()
{
    outcome_ = Result{markup_.OkMarkup(), effect_};
    accept();
}

void ElementDialog::EditStyle()
{
    StyleDialog::Input in{markup_.StyleStr};
    markup_.StyleBuilderTexts(in.tagStart, in.closing);
    StyleDialog css(Context(), in, this);
    // Only OK brings a new style: a cancelled builder leaves the element's style as it was.
    if (const std::optional<QString> style = css.Run())
        markup_.StyleStr = *style;
    RefreshPreview();
}

void ElementDialog::EditEvents()
{
    EventDialog::Edit(Context(), markup_.TagType, markup_.EventName, markup_.EventValue, this);
}

void ElementDialog::EditOtherAttributes()
{
    OtherAttributesDialog::Edit(markup_.OtherValue, markup_.OtherName, this);
}

void ElementDialog::PickEffect()
{
    // The effect finds the element by its id: an element without one gets no effect.
    QString id = CommonText[0]->text().trimmed();
    if (id.isEmpty())
        id = Messages::Input(this, QStringLiteral("请输入用于辨别此元素的标识字符串(任意字符串)"),
                             QStringLiteral("提示"))
                 .trimmed();
    CommonText[0]->setText(id);
    if (id.isEmpty())
        return;
    RefreshPreview();
    ElementEffectDialog picker(Context(), {id, previewed_}, this);
    // A new effect brings its own onload code or none: an earlier effect's code must not stay behind.
    const std::optional<ElementEffectDialog::Effect> effect = picker.Run();
    if (effect && !effect->script.isEmpty()) {
        effect_.JavaTxt = effect->script;
        effect_.LoadTxt = effect->onload;
    }
}

void ElementDialog::EnterRefreshes(QLineEdit* box)
{
    connect(box, &QLineEdit::returnPressed, this, &ElementDialog::RefreshPreview);
}

bool ElementDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == HtmlLabel && event->type() == QEvent::MouseButtonPress && HtmlText->isEnabled()) {
        HtmlText->setFocus();
        HtmlText->selectAll();
        return true;
    }
    return BuilderDialog::eventFilter(watched, event);
}
