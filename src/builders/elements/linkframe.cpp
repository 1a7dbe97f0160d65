#include "builders/elements/linkframe.h"

#include "app/uihelpers.h"
#include "builders/elements/addhform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {
const QString Targets[4] = {QStringLiteral("_blank"), QStringLiteral("_self"), QStringLiteral("_parent"),
                            QStringLiteral("_top")};
}

LinkFrame::LinkFrame(AddhForm* form) : KindFrame(form, QStringLiteral("LinkFrame"))
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    LinkText[0] = AddText(grid, 0, QStringLiteral("超链接地址"), QStringLiteral("LinkText_0"));
    LinkText[0]->setText(QStringLiteral("http://"));
    LinkText[0]->installEventFilter(this);

    LinkCheck1 = new QCheckBox(QStringLiteral("打开新的窗口"), this);
    LinkCheck1->setObjectName(QStringLiteral("LinkCheck1"));
    grid->addWidget(LinkCheck1, 1, 1);

    auto* comboLabel = new QLabel(QStringLiteral("窗口名称"), this);
    LinkCombo = new QComboBox(this);
    LinkCombo->setObjectName(QStringLiteral("LinkCombo"));
    LinkCombo->setEditable(true);
    LinkCombo->setInsertPolicy(QComboBox::NoInsert);
    comboLabel->setBuddy(LinkCombo);
    grid->addWidget(comboLabel, 2, 0);
    grid->addWidget(LinkCombo, 2, 1);

    // The target itself: kept out of sight, the combo chooses or types it.
    LinkText[1] = new QLineEdit(this);
    LinkText[1]->setObjectName(QStringLiteral("LinkText_1"));
    LinkText[1]->hide();
    Form->EnterRefreshes(LinkText[1]);

    BindSlot(LinkText[0], 0);
    BindSlot(LinkText[1], 1);
    connect(LinkCheck1, &QCheckBox::clicked, this, &LinkFrame::LinkCheck1_Click);
    connect(LinkCombo, &QComboBox::activated, this, &LinkFrame::LinkCombo_Click);
    connect(LinkCombo->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString& text) { LinkText[1]->setText(text); });
}

void LinkFrame::Setup()
{
    LinkCombo->clear();
    LinkCombo->addItems({QStringLiteral("新窗口"), QStringLiteral("原窗口"), QStringLiteral("父窗口"),
                         QStringLiteral("整个浏览器窗口")});
    LinkCombo->setCurrentIndex(-1);
    LinkCombo->setEnabled(false);
    SetBoxEnabled(LinkText[1], false);
}

void LinkFrame::LinkCheck1_Click()
{
    LinkCombo->setEnabled(LinkCheck1->isChecked());
    if (!LinkCheck1->isChecked())
        LinkText[1]->clear();
    Refresh();
}

void LinkFrame::LinkCombo_Click(int index)
{
    if (index >= 0 && index < 4)
        LinkText[1]->setText(Targets[index]);
}

bool LinkFrame::ApplyAttr(const QString& name, const QString& value)
{
    if (name == QLatin1String("href")) {
        LinkText[0]->setText(value);
        return true;
    }
    if (name != QLatin1String("target"))
        return false;
    if (!LinkCheck1->isChecked())
        LinkCheck1->click();
    LinkText[1]->setText(value);
    for (int i = 0; i < 4; ++i) {
        if (value.compare(Targets[i], Qt::CaseInsensitive) == 0) {
            LinkCombo->setCurrentIndex(i);
            LinkCombo_Click(i);
            return true;
        }
    }
    // A named frame: typed into the combo.
    LinkCombo->setEditText(value);
    LinkText[1]->setText(value);
    return true;
}

bool LinkFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == LinkText[0] && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, LinkText[0], [box = LinkText[0]] { box->selectAll(); });
    return KindFrame::eventFilter(watched, event);
}
