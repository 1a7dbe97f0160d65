#include "convert/textimportdialog.h"

#include "base/dialogbuttons.h"
#include "base/filedialog.h"
#include "base/messages.h"
#include "convert/textimport.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TextImportDialog::TextImportDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TxtForm"));
    setWindowTitle(QStringLiteral("添加纯文本"));

    TextBox = new QPlainTextEdit(this);
    TextBox->setObjectName(QStringLiteral("Text1"));
    TextBox->setTabChangesFocus(true);
    TextBox->setMinimumSize(460, 300);
    OpenCom = new QPushButton(QStringLiteral("打开文本文件(&O)"), this);
    OpenCom->setObjectName(QStringLiteral("OpenCom"));
    const DialogButtons buttons = DialogButtons::Make(this, QStringLiteral("Command1"), QStringLiteral("Command2"));
    OkCommand = buttons.Ok;
    CancelCommand = buttons.Cancel;
    buttons.Row->insertWidget(0, OpenCom);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TextBox, 1);
    layout->addLayout(buttons.Row);

    connect(OpenCom, &QPushButton::clicked, this, &TextImportDialog::ReadTextFile);
    connect(OkCommand, &QPushButton::clicked, this, &TextImportDialog::Accept);
    connect(CancelCommand, &QPushButton::clicked, this, &QDialog::reject);

    TextBox->setFocus();
}

void TextImportDialog::ReadTextFile()
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
    TextBox->setPlainText(file.text);
}

void TextImportDialog::Accept()
{
    // toRawText keeps no-break spaces as they are; the box's line breaks come back as CR LF.
    html_ = TextImport::Escape(TextBox->document()->toRawText());
    accept();
}

std::optional<QString> TextImportDialog::Run()
{
    html_.reset();
    exec();
    return html_;
}
