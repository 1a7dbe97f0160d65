#include "convert/convertdocument.h"

#include "base/charsetlabels.h"
#include "base/messages.h"
#include "editor/pagewindow.h"
#include "editor/pageedit.h"

void ConvertDocument(PageWindow* doc, ConversionDirection direction, QWidget* parent)
{
    if (!doc)
        return;
    // The conversion works on code-page bytes: a UTF-8 page has none to convert, and its characters would come
    // out garbled.
    if (doc->Encoding().codec == PageEncoding::Utf8) {
        Messages::Show(parent, QStringLiteral("这个网页是 UTF-8 编码的, 不能做 Big5/GB2312 转换!"));
        return;
    }
    QString text = doc->pageEdit->RawText();
    if (text.isEmpty())
        return;
    const bool big5 = doc->Encoding().codec == PageEncoding::Big5;
    PageEncoding asBig5;
    asBig5.codec = PageEncoding::Big5;
    asBig5.lineEnd = PageEncoding::Lf;
    if (big5 && direction == ConversionDirection::BigToGb) {
        // The tables work on Big5 bytes as a GB page shows them: a page read as Big5 is brought to that form.
        QByteArray bytes;
        if (!PageCodec::Encode(text, asBig5, bytes)) {
            Messages::Show(parent, QStringLiteral("这个网页中有 Big5 编码不能写出的字符, 不能做 Big5/GB2312 转换!"));
            return;
        }
        text = PageCodec::FromGb18030(bytes);
    }
    ConversionResult result = ConvertText(text, direction);
    if (!result.ok) {
        Messages::Show(parent, QStringLiteral("出现异常错误!"));
        return;
    }
    // The page now holds the other code page's characters (or bytes): what it declares follows, in the same edit.
    const PageEncoding::Codec target =
        direction == ConversionDirection::BigToGb ? PageEncoding::Gb18030 : PageEncoding::Big5;
    result.text = CharsetLabels::Renamed(std::move(result.text), target);
    // From "Gb to Big" come Big5 bytes as a GB page shows them: read as Big5, the page stays one.
    if (big5 && direction == ConversionDirection::GbToBig)
        result.text = PageCodec::DecodeAs(PageCodec::ToGb18030(result.text), PageEncoding::Big5).text;
    else if (big5)
        doc->SetCodec(PageEncoding::Gb18030); // simplified now, saved as GB
    doc->pageEdit->ReplaceAllText(result.text);
    if (result.unmatched > 0)
        Messages::Show(parent, QStringLiteral("有%1个字符没有对应的字,已换成全角空格!").arg(result.unmatched));
}
