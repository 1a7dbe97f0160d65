#include "builders/elements/pframe.h"

#include "builders/elements/elementmarkup.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>

namespace {
const char* const DirValues[3] = {"", "ltr", "rtl"};
const char* const AlignValues[5] = {"", "left", "right", "center", "justify"};
} // namespace

PFrame::PFrame(AddhForm* form) : KindFrame(form, QStringLiteral("PFrame"))
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);

    auto* dirBox = new QGroupBox(QStringLiteral("文字方向"), this);
    auto* dirRow = new QHBoxLayout(dirBox);
    const QString dirCaptions[3] = {QStringLiteral("无"), QStringLiteral("从左至右"), QStringLiteral("从右至左")};
    for (int i = 0; i < 3; ++i) {
        DirOption[i] = new QRadioButton(dirCaptions[i], dirBox);
        DirOption[i]->setObjectName(QStringLiteral("DirOption_%1").arg(i));
        dirRow->addWidget(DirOption[i]);
        connect(DirOption[i], &QRadioButton::clicked, this, [this, i] {
            M().SlotValue[0] = QString::fromLatin1(DirValues[i]);
            Refresh();
        });
    }
    dirRow->addStretch(1);
    DirOption[0]->setChecked(true);

    auto* alignBox = new QGroupBox(QStringLiteral("水平排列"), this);
    auto* alignRow = new QHBoxLayout(alignBox);
    const QString alignCaptions[5] = {QStringLiteral("无"), QStringLiteral("左"), QStringLiteral("右"),
                                      QStringLiteral("中"), QStringLiteral("等边")};
    for (int i = 0; i < 5; ++i) {
        AlignOption[i] = new QRadioButton(alignCaptions[i], alignBox);
        AlignOption[i]->setObjectName(QStringLiteral("AlignOption_%1").arg(i));
        alignRow->addWidget(AlignOption[i]);
        connect(AlignOption[i], &QRadioButton::clicked, this, [this, i] {
            M().SlotValue[1] = QString::fromLatin1(AlignValues[i]);
            Refresh();
        });
    }
    alignRow->addStretch(1);
    AlignOption[0]->setChecked(true);

    grid->addWidget(dirBox, 0, 0, 1, 2);
    grid->addWidget(alignBox, 1, 0, 1, 2);
    NameText = AddText(grid, 2, QStringLiteral("内部名称"), QStringLiteral("NameText"));
    BindSlot(NameText, 2);
}

bool PFrame::ApplyAttr(const QString& name, const QString& value)
{
    return ApplyTextAttr(name, value);
}

bool PFrame::ApplyTextAttr(const QString& name, const QString& value)
{
    if (name == QLatin1String("name")) {
        NameText->setText(value);
        return true;
    }
    if (name == QLatin1String("dir")) {
        for (int i = 1; i < 3; ++i) {
            if (value.compare(QLatin1String(DirValues[i]), Qt::CaseInsensitive) == 0) {
                DirOption[i]->click();
                return true;
            }
        }
        return false; // kept as it was, among the other attributes
    }
    if (name == QLatin1String("align")) {
        for (int i = 1; i < 5; ++i) {
            if (value.compare(QLatin1String(AlignValues[i]), Qt::CaseInsensitive) == 0) {
                AlignOption[i]->click();
                return true;
            }
        }
        return false;
    }
    return false;
}
