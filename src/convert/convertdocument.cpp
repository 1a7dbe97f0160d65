#include "convert/convertdocument.h"

#include "base/messages.h"
#include "editor/htmlform.h"
#include "editor/pageedit.h"

void ConvertDocument(htmlform* doc, ConversionDirection direction, QWidget* parent)
{
    if (!doc)
        return;
    // The conversion works on code-page bytes: a UTF-8 page has none to convert, and its characters would come
    // out garbled.
    if (doc->Encoding().codec == PageEncoding::Utf8) {
        Messages::Show(parent, QStringLiteral("这个网页是 UTF-8 编码的, 不能做 Big5/GB2312 转换!"));
        return;
    }
    const QString text = doc->text1->RawText();
    if (text.isEmpty())
        return;
    const ConversionResult result = ConvertText(text, direction);
    if (!result.ok) {
        Messages::Show(parent, QStringLiteral("出现异常错误!"));
        return;
    }
    doc->text1->ReplaceAllText(result.text);
    if (result.unmatched > 0)
        Messages::Show(parent, QStringLiteral("有%1个字符没有对应的字,已换成全角空格!").arg(result.unmatched));
}
