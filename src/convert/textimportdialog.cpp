#include "convert/textimportdialog.h"

#include "base/filedialog.h"
#include "base/messages.h"
#include "convert/textimport.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TextImportDialog::TextImportDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TxtForm"));
    setWindowTitle(QStringLiteral("添加纯文本"));

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setTabChangesFocus(true);
    Text1->setMinimumSize(460, 300);
    OpenCom = new QPushButton(QStringLiteral("&O 打开文本文件"), this);
    OpenCom->setObjectName(QStringLiteral("OpenCom"));
    Command1 = new QPushButton(QStringLiteral("&S 确定"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("&C 取消"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    for (QPushButton* b : {OpenCom, Command1, Command2})
        b->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(OpenCom);
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Text1, 1);
    layout->addLayout(buttons);

    connect(OpenCom, &QPushButton::clicked, this, &TextImportDialog::OpenCom_Click);
    connect(Command1, &QPushButton::clicked, this, &TextImportDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &TextImportDialog::Command2_Click);

    txt.clear();
    Text1->setFocus();
}

void TextImportDialog::OpenCom_Click()
{
    const QChar nul(QChar::Null);
    const QString filter = QStringLiteral("文本文件") + nul + QStringLiteral("*.txt") + nul +
                           QStringLiteral("所有文件") + nul + QStringLiteral("*.*") + nul;
    const QString path =
        FileDialog(this, FileDialogMode::Open, QStringLiteral("打开文件"), QString(), filter, QString(), QString());
    if (path.isEmpty())
        return;
    const TextImport::Result file = TextImport::ReadFile(path);
    if (file.status != TextImport::Read) {
        Messages::Show(this, QStringLiteral("内容太多或其他错误!!"));
        return;
    }
    if (file.badBytes > 0) {
        const QString text =
            QStringLiteral("文件 %1 中有 %2 个字节不能按 %3 编码读出, 将显示为\"\uFFFD\"。\n是否仍然读入?")
                .arg(path)
                .arg(file.badBytes)
                .arg(file.utf8 ? QStringLiteral("UTF-8") : QStringLiteral("GB2312/GBK"));
        if (Messages::Show(this, text, QStringLiteral("提示"), MsgButtons::YesNo) != MsgAnswer::Yes)
            return;
    }
    Text1->setPlainText(file.text);
}

void TextImportDialog::Command1_Click()
{
    // toRawText keeps no-break spaces as they are; the box's line breaks come back as CR LF.
    txt = TextImport::Escape(Text1->document()->toRawText());
    accept();
}

void TextImportDialog::Command2_Click()
{
    txt.clear();
    reject();
}
