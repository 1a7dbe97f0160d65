#include "builders/elements/imgframe.h"

#include "app/shared.h"
#include "app/uihelpers.h"
#include "builders/elements/addhform.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
const char* const AlignValues[3] = {"top", "middle", "bottom"};
const char* const TextAttrs[5] = {"src", "alt", "border", "width", "height"};
} // namespace

ImgFrame::ImgFrame(AddhForm* form) : KindFrame(form, QStringLiteral("ImgFrame"))
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    QLabel* label = nullptr;
    ImgText[0] = AddText(grid, 0, QStringLiteral("图象地址"), QStringLiteral("ImgText_0"), true, &label);
    ImgText[0]->setToolTip(QStringLiteral("在这里填入将要显示的图像"));
    label->setToolTip(ImgText[0]->toolTip());
    ImgCommand = new QPushButton(QStringLiteral("浏览"), this);
    ImgCommand->setObjectName(QStringLiteral("ImgCommand"));
    ImgCommand->setAutoDefault(false);
    grid->addWidget(ImgCommand, 0, 2);

    ImgText[1] = AddText(grid, 1, QStringLiteral("图象说明文字"), QStringLiteral("ImgText_1"), true, &label);
    ImgText[1]->setToolTip(QStringLiteral("如果图像不能显示,则显示此文本"));
    label->setToolTip(ImgText[1]->toolTip());
    ImgText[2] = AddText(grid, 2, QStringLiteral("边框宽度"), QStringLiteral("ImgText_2"), true, &label);
    ImgText[2]->setToolTip(QStringLiteral("图像的边框宽度"));
    label->setToolTip(ImgText[2]->toolTip());
    ImgText[3] = AddText(grid, 3, QStringLiteral("图象宽度"), QStringLiteral("ImgText_3"));
    ImgText[4] = AddText(grid, 4, QStringLiteral("图象高度"), QStringLiteral("ImgText_4"));
    Form->DigitsOnly(ImgText[4]);
    ImgNameText = AddText(grid, 5, QStringLiteral("图象名称"), QStringLiteral("ImgNameText"), false, &label);
    ImgNameText->setToolTip(QStringLiteral("图像的内部名称"));
    label->setToolTip(ImgNameText->toolTip());

    auto* alignBox = new QGroupBox(QStringLiteral("图像和文字的对齐"), this);
    alignBox->setToolTip(QStringLiteral("在图像后的文字与图像的对齐方式"));
    auto* row = new QHBoxLayout(alignBox);
    // No option is chosen at first: a new image has no align attribute.
    auto* group = new QButtonGroup(this);
    const QString captions[3] = {QStringLiteral("居上"), QStringLiteral("居中"), QStringLiteral("居下")};
    for (int i = 0; i < 3; ++i) {
        ImgOption[i] = new QRadioButton(captions[i], alignBox);
        ImgOption[i]->setObjectName(QStringLiteral("ImgOption_%1").arg(i));
        group->addButton(ImgOption[i]);
        row->addWidget(ImgOption[i]);
        connect(ImgOption[i], &QRadioButton::clicked, this, [this, i] {
            M().SlotValue[2] = QString::fromLatin1(AlignValues[i]);
            Refresh();
        });
    }
    row->addStretch(1);
    grid->addWidget(alignBox, 6, 0, 1, 3);

    for (int i = 0; i < 5; ++i)
        BindSlot(ImgText[i], 3 + i);
    BindSlot(ImgNameText, 1);
    connect(ImgCommand, &QPushButton::clicked, this, &ImgFrame::ImgCommand_Click);
}

void ImgFrame::ImgCommand_Click()
{
    const Shared* shared = Shared::Get();
    PickFileUrl(ImgText[0], shared ? shared->ImageFilter : QString(), Form);
    Refresh();
}

bool ImgFrame::ApplyAttr(const QString& name, const QString& value)
{
    if (name == QLatin1String("name")) {
        ImgNameText->setText(value);
        return true;
    }
    if (name == QLatin1String("align")) {
        for (int i = 0; i < 3; ++i) {
            if (value.compare(QLatin1String(AlignValues[i]), Qt::CaseInsensitive) == 0) {
                ImgOption[i]->click();
                return true;
            }
        }
        // A value no option stands for (absmiddle...) is kept as it was, among the other attributes.
        return false;
    }
    for (int i = 0; i < 5; ++i) {
        if (name == QLatin1String(TextAttrs[i])) {
            ImgText[i]->setText(value);
            return true;
        }
    }
    return false;
}
