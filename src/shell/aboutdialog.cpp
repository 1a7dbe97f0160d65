#include "shell/aboutdialog.h"

#include "base/browserview.h"
#include "base/dialogbuttons.h"
#include "shell/programicon.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget* parent)
    : AboutDialog(QUrl(QStringLiteral("qrc:/about/about.html")), QStringLiteral("关于 Kestrel网页编辑"), parent)
{
    // The program's icon and name above the page.
    auto* head = new QHBoxLayout;
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("IconLabel"));
    icon->setPixmap(ProgramIcon::Icon().pixmap(64, 64));
    auto* name = new QLabel(QStringLiteral("Kestrel网页编辑"), this);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    head->addWidget(icon);
    head->addWidget(name, 1);
    static_cast<QVBoxLayout*>(layout())->insertLayout(0, head);
}

AboutDialog::AboutDialog(const QUrl& page, const QString& title, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(title);
    browser = new BrowserView(this);
    browser->setObjectName(QStringLiteral("web1"));
    browser->setMinimumSize(560, 420);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(DialogButtons::Keyed(QStringLiteral("确定"), u'S'));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OkCommand"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser, 1);
    layout->addWidget(buttons);
    browser->Navigate(page);
}
