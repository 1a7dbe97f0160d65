#include "builders/elements/addhform.h"

#include "app/browserview.h"
#include "app/helpers.h"
#include "app/shared.h"
#include "builders/elements/elementkind.h"
#include "builders/elements/hrframe.h"
#include "builders/elements/imgframe.h"
#include "builders/elements/kindframe.h"
#include "builders/elements/linkframe.h"
#include "builders/elements/pframe.h"
#include "builders/elements/selectframe.h"
#include "builders/styles/cssform.h"
#include "app/scratchpage.h"

#include <QCheckBox>
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

QPushButton* Button(QWidget* parent, const QString& caption, const QString& name, const QString& tip = QString())
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    if (!tip.isEmpty())
        b->setToolTip(tip);
    return b;
}

} // namespace

AddhForm::AddhForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AddhForm"));
    setWindowTitle(QStringLiteral("添加元素"));

    Titlelable = new QLabel(this);
    Titlelable->setObjectName(QStringLiteral("Titlelable"));
    QFont titleFont = Titlelable->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    Titlelable->setFont(titleFont);

    // Left column: the kind's frames, the content box, the common attributes.
    KindBox = new QGroupBox(QStringLiteral("基本属性"), this);
    KindBox->setObjectName(QStringLiteral("KindBox"));
    kindLayout_ = new QVBoxLayout(KindBox);
    kindLayout_->setContentsMargins(8, 6, 8, 6);

    FormNameFrame = new QFrame(KindBox);
    FormNameFrame->setObjectName(QStringLiteral("FormNameFrame"));
    auto* nameRow = new QHBoxLayout(FormNameFrame);
    nameRow->setContentsMargins(0, 0, 0, 0);
    auto* nameLabel = new QLabel(QStringLiteral("名称"), FormNameFrame);
    FormNameText = new QLineEdit(FormNameFrame);
    FormNameText->setObjectName(QStringLiteral("FormNameText"));
    FormNameText->setToolTip(QStringLiteral("表单元素的内部名称"));
    nameLabel->setToolTip(FormNameText->toolTip());
    nameLabel->setBuddy(FormNameText);
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(FormNameText, 1);
    FormNameFrame->hide();
    kindLayout_->addWidget(FormNameFrame);
    connect(FormNameText, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (Markup.SlotMax >= 0 && !Markup.SlotValue.isEmpty())
            Markup.SlotValue[0] = t;
    });

    HtmlLabel = new QLabel(DefaultContentLabel, this);
    HtmlLabel->setObjectName(QStringLiteral("HtmlLabel"));
    HtmlText = new QPlainTextEdit(this);
    HtmlText->setObjectName(QStringLiteral("HtmlText"));
    HtmlText->setTabChangesFocus(true);
    HtmlLabel->setBuddy(HtmlText);
    HtmlLabel->installEventFilter(this);
    HtmlCheck = new QCheckBox(QStringLiteral("HTML格式"), this);
    HtmlCheck->setObjectName(QStringLiteral("HtmlCheck"));
    connect(HtmlText, &QPlainTextEdit::textChanged, this, [this] {
        QString text = HtmlText->toPlainText();
        text.replace(QLatin1Char('\n'), CrLf);
        Markup.Content = text;
    });
    connect(HtmlCheck, &QCheckBox::toggled, this, [this](bool on) { Markup.HtmlFormat = on; });

    OfftFrame1 = new QGroupBox(QStringLiteral("常用属性"), this);
    OfftFrame1->setObjectName(QStringLiteral("OfftFrame1"));
    auto* common = new QGridLayout(OfftFrame1);
    const QString labels[3] = {QStringLiteral("唯一标识符ID"), QStringLiteral("提示文本Title"),
                               QStringLiteral("指定样式类Class")};
    const QString tips[3] = {QStringLiteral("用于脚本语言的标识符"), QStringLiteral("在鼠标移到此元素时提示的信息"),
                             QStringLiteral("指定使用某一个样式来显示")};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(labels[i], OfftFrame1);
        label->setToolTip(tips[i]);
        CcText[i] = new QLineEdit(OfftFrame1);
        CcText[i]->setObjectName(QStringLiteral("CcText_%1").arg(i));
        CcText[i]->setToolTip(tips[i]);
        label->setBuddy(CcText[i]);
        common->addWidget(label, i, 0);
        common->addWidget(CcText[i], i, 1);
        EnterRefreshes(CcText[i]);
        connect(CcText[i], &QLineEdit::textChanged, this, [this, i](const QString& t) { Markup.CommonValue[i] = t; });
    }

    auto* left = new QVBoxLayout;
    left->addWidget(KindBox);
    left->addWidget(HtmlLabel);
    left->addWidget(HtmlText, 1);
    left->addWidget(HtmlCheck);
    left->addWidget(OfftFrame1);
    left->addStretch(0);

    // Right column: the preview.
    auto* previewBox = new QGroupBox(QStringLiteral("预      览"), this);
    previewBox->setObjectName(QStringLiteral("PreviewBox"));
    auto* previewLayout = new QVBoxLayout(previewBox);
    web1 = new BrowserView(previewBox);
    web1->setObjectName(QStringLiteral("web1"));
    web1->setMinimumSize(400, 320);
    previewLayout->addWidget(web1);

    auto* body = new QHBoxLayout;
    body->addLayout(left, 5);
    body->addWidget(previewBox, 6);

    SCommand = Button(this, QStringLiteral("&Y设置样式"), QStringLiteral("SCommand"), QStringLiteral("设置元素的外观"));
    ECommand = Button(this, QStringLiteral("&E设置事件"), QStringLiteral("ECommand"),
                      QStringLiteral("设置如鼠标单击,鼠标移动时浏览器的响应"));
    OtherCommand = Button(this, QStringLiteral("&O 其他属性"), QStringLiteral("OtherCommand"),
                          QStringLiteral("设置其他不常用的属性"));
    TxCommand = Button(this, QStringLiteral("&T设置特效"), QStringLiteral("TxCommand"),
                       QStringLiteral("您可以将添加的元素设置为特殊效果"));
    ShowCommand = Button(this, QStringLiteral("&F 预览"), QStringLiteral("ShowCommand"));
    OkCommand = Button(this, QStringLiteral("&S 确定"), QStringLiteral("OkCommand"));
    CancelCommand = Button(this, QStringLiteral("&Q 取消"), QStringLiteral("CancelCommand"));
    // The event, other-attribute and effect dialogs are not part of the editor yet.
    ECommand->setEnabled(false);
    OtherCommand->setEnabled(false);
    TxCommand->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SCommand);
    buttons->addWidget(ECommand);
    buttons->addWidget(OtherCommand);
    buttons->addWidget(TxCommand);
    buttons->addStretch(1);
    buttons->addWidget(ShowCommand);
    buttons->addWidget(OkCommand);
    buttons->addWidget(CancelCommand);

    auto* main = new QVBoxLayout(this);
    main->addWidget(Titlelable);
    main->addLayout(body, 1);
    main->addLayout(buttons);

    connect(OkCommand, &QPushButton::clicked, this, &AddhForm::OkCommand_Click);
    connect(CancelCommand, &QPushButton::clicked, this, &AddhForm::CancelCommand_Click);
    connect(ShowCommand, &QPushButton::clicked, this, &AddhForm::RefreshPreview);
    connect(SCommand, &QPushButton::clicked, this, &AddhForm::SCommand_Click);

    resize(1000, 640);
}

AddhForm::~AddhForm() = default;

int AddhForm::exec()
{
    if (!loaded_)
        Form_Load();
    return QDialog::exec();
}

void AddhForm::showEvent(QShowEvent* event)
{
    if (!loaded_)
        Form_Load();
    QDialog::showEvent(event);
}

void AddhForm::Form_Load()
{
    loaded_ = true;
    HtmlStr.clear();
    MyTxStr.clear();
    MyTxTxt.clear();
    LoadStr.clear();
    Markup.Reset();
    web1->NavigateBlank();
    loading_ = true;
    SetupKind();
    loading_ = false;
    // An edited tag is shown as soon as the dialog is up; a new element appears on the first refresh.
    if (EditTag != 0)
        QTimer::singleShot(0, this, &AddhForm::RefreshPreview);
}

KindFrame* AddhForm::CreateFrame(const QString& name)
{
    if (name == QLatin1String("LinkFrame"))
        return new LinkFrame(this);
    if (name == QLatin1String("PFrame"))
        return new PFrame(this);
    if (name == QLatin1String("ImgFrame"))
        return new ImgFrame(this);
    if (name == QLatin1String("HrFrame"))
        return new HrFrame(this);
    if (name == QLatin1String("SelectFrame"))
        return new SelectFrame(this);
    // Kinds still to be built: an empty frame.
    return new KindFrame(this, name);
}

KindFrame* AddhForm::Frame(const QString& name) const
{
    KindFrame* f = frames_.value(name);
    return shown_.contains(f) ? f : nullptr;
}

void AddhForm::SetSlotCount(int n)
{
    Markup.SetSlotCount(n);
}

void AddhForm::SetupKind()
{
    const Shared* shared = Shared::Get();
    static const TagDb emptyDb;
    const TagDb& db = shared ? shared->Db : emptyDb;

    Markup.HtmlN = HtmlN;
    Markup.EditTag = EditTag;
    Markup.SetupKind(db);
    Titlelable->setText(Markup.Title);

    for (KindFrame* f : std::as_const(shown_))
        f->hide();
    shown_.clear();
    FormNameFrame->hide();

    const ElementKind* kind = Markup.Kind;
    if (!kind) {
        // Not one of the dialog's kinds: the element with content and the common attributes only.
        KindBox->hide();
        ShowContentArea(1);
        HtmlLabel->setText(DefaultContentLabel);
        return;
    }
    bool anyFields = false;
    for (const QString& name : kind->Frames) {
        KindFrame* f = frames_.value(name);
        if (!f) {
            f = CreateFrame(name);
            frames_.insert(name, f);
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

    ShowContentArea(kind->ContentMode);
    HtmlLabel->setText(kind->ContentLabel.isEmpty() ? DefaultContentLabel : kind->ContentLabel);
    HtmlCheck->setChecked(kind->HtmlFormat);
    HtmlN = Markup.HtmlN;

    for (KindFrame* f : std::as_const(shown_))
        f->Setup();
    if (EditTag != 0)
        ApplyEditAttributes();

    // Tab order: the kind's fields, the name, the content, the common attributes, then the buttons.
    QList<QWidget*> order;
    for (KindFrame* f : std::as_const(shown_))
        for (QWidget* w : f->findChildren<QWidget*>())
            if ((w->focusPolicy() & Qt::TabFocus) && w->window() == this) // not a combo's pop-up
                order.append(w);
    order << FormNameText << HtmlText << HtmlCheck << CcText[0] << CcText[1] << CcText[2] << SCommand << ECommand
          << OtherCommand << TxCommand << ShowCommand << OkCommand << CancelCommand;
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    for (QWidget* w : std::as_const(order)) {
        if (w->isVisibleTo(this) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus();
            break;
        }
    }
}

void AddhForm::ShowContentArea(int mode)
{
    const bool on = mode != 0;
    HtmlLabel->setVisible(on);
    HtmlText->setVisible(on);
    HtmlCheck->setVisible(on);
    if (mode == 2) {
        HtmlText->setMinimumHeight(140);
        HtmlText->setMaximumHeight(QWIDGETSIZE_MAX);
    } else {
        HtmlText->setMinimumHeight(50);
        HtmlText->setMaximumHeight(90);
    }
}

void AddhForm::ShowFrameWithName(KindFrame* frame)
{
    frame->show();
    FormNameFrame->show();
    kindLayout_->removeWidget(FormNameFrame);
    kindLayout_->insertWidget(kindLayout_->indexOf(frame) + 1, FormNameFrame);
}

void AddhForm::ApplyEditAttributes()
{
    const Shared* shared = Shared::Get();
    if (!shared)
        return;
    for (int i = 1; i <= shared->AttrCount && i < shared->AttrNames.size(); ++i) {
        const QString& name = shared->AttrNames.at(i);
        const QString value = shared->AttrValues.value(i);
        if (name.isEmpty())
            continue; // the entry that met the closing ">"
        bool handled = false;
        for (KindFrame* f : std::as_const(shown_)) {
            if (f->ApplyAttr(name, value)) {
                handled = true;
                break;
            }
        }
        if (!handled)
            Markup.ApplyGenericAttr(name, value, shared->Db);
    }
    SyncCommonBoxes();
    if (HtmlText->isVisibleTo(this))
        ShowSample();
}

void AddhForm::SyncCommonBoxes()
{
    for (int i = 0; i < 3; ++i)
        if (CcText[i]->text() != Markup.CommonValue.at(i))
            CcText[i]->setText(Markup.CommonValue.at(i));
}

void AddhForm::ShowSample()
{
    HtmlText->setPlainText(ElementMarkup::SampleText);
    HtmlText->setEnabled(false);
}

void AddhForm::SetContentText(const QString& text)
{
    QString plain = text;
    plain.replace(CrLf, QStringLiteral("\n"));
    HtmlText->setPlainText(plain);
    Markup.Content = text;
}

void AddhForm::RefreshPreview()
{
    if (loading_)
        return;
    const QString markup = Markup.PreviewMarkup();
    MyTxStr = markup;
    const Shared* shared = Shared::Get();
    if (!shared || !ScratchPage::Write(shared->TempFile, ElementMarkup::PreviewPage(markup)))
        return; // the preview keeps its previous page
    web1->NavigateFile(shared->TempFile);
}

void AddhForm::OkCommand_Click()
{
    HtmlStr = Markup.OkMarkup();
    accept();
}

void AddhForm::CancelCommand_Click()
{
    HtmlStr.clear();
    reject();
}

void AddhForm::SCommand_Click()
{
    CssForm css(Shared::Get()->Context(), this);
    css.StxtStr = Markup.StyleStr;
    Markup.StyleBuilderTexts(css.HtmlTxt1, css.HtmlTxt2);
    // Only OK brings a new style: a cancelled builder leaves the element's style as it was.
    if (css.exec() == QDialog::Accepted)
        Markup.StyleStr = css.StxtStr;
    HtmlStr.clear();
    RefreshPreview();
}

void AddhForm::EnterRefreshes(QLineEdit* box)
{
    connect(box, &QLineEdit::returnPressed, this, &AddhForm::RefreshPreview);
}

void AddhForm::DigitsOnly(QLineEdit* box)
{
    digitBoxes_.append(box);
    box->installEventFilter(this);
}

bool AddhForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == HtmlLabel && event->type() == QEvent::MouseButtonPress && HtmlText->isEnabled()) {
        HtmlText->setFocus();
        HtmlText->selectAll();
        return true;
    }
    if (event->type() == QEvent::KeyPress && digitBoxes_.contains(qobject_cast<QLineEdit*>(watched))) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (!text.isEmpty() && text.at(0).isPrint() &&
            !(text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9')))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void AddhForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Enter in a field never closes the dialog; on a button it presses the button.
        if (auto* b = qobject_cast<QPushButton*>(focusWidget()))
            b->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
