#include "check/tidymessages.h"

#include <QHash>

namespace {

// %1, %2 ... are the library's arguments in its order ("<p>", an attribute's name, a value).
const QHash<QString, QString>& Table()
{
    static const QHash<QString, QString> table = [] {
        static const std::pair<const char*, const char*> rows[] = {
            {"MISSING_ENDTAG_FOR", "缺少结束标签 </%1>"},
            {"MISSING_ENDTAG_BEFORE", "%2 之前缺少结束标签 </%1>"},
            {"MISSING_ENDTAG_OPTIONAL", "缺少可以省略的结束标签 </%1>"},
            {"UNEXPECTED_ENDTAG", "多余的结束标签 </%1>"},
            {"UNEXPECTED_ENDTAG_ERR", "多余的结束标签 </%1>"},
            {"UNEXPECTED_ENDTAG_IN", "<%2> 里多余的结束标签 </%1>"},
            {"DISCARDING_UNEXPECTED", "多余的 %1, 浏览器会忽略它"},
            {"NON_MATCHING_ENDTAG", "结束标签 </%2> 与开始标签不配对"},
            {"UNKNOWN_ELEMENT", "不认识的元素 %1"},
            {"UNKNOWN_ELEMENT_LOOKS_CUSTOM", "不认识的元素 %1"},
            {"PROPRIETARY_ELEMENT", "%1 不是标准元素, 只有部分浏览器认识"},
            {"PROPRIETARY_ATTRIBUTE", "%1 的属性 \"%2\" 不是标准属性"},
            {"PROPRIETARY_ATTR_VALUE", "%1 的属性值 \"%2\" 不是标准取值"},
            {"REPEATED_ATTRIBUTE", "%1 的属性 \"%3\" 重复出现, 值 \"%2\" 不起作用"},
            {"JOINING_ATTRIBUTE", "%1 的属性 \"%2\" 重复出现"},
            {"MISSING_ATTRIBUTE", "%1 缺少 \"%2\" 属性"},
            {"MISSING_ATTR_VALUE", "%1 的属性 \"%2\" 没有值"},
            {"BAD_ATTRIBUTE_VALUE", "%1 的属性 \"%2\" 取值 \"%3\" 无效"},
            {"INVALID_ATTRIBUTE", "%1 的属性名 \"%2\" 无效"},
            {"MISMATCHED_ATTRIBUTE_WARN", "%1 的属性 \"%2\" 在 %3 中不能使用"},
            {"MISMATCHED_ATTRIBUTE_ERROR", "%1 的属性 \"%2\" 在 %3 中不能使用"},
            {"CANT_BE_NESTED", "%1 不能嵌套在同类元素里"},
            {"ILLEGAL_NESTING", "%1 里不应再有 %1"},
            {"NESTED_EMPHASIS", "重复嵌套的强调元素 %1"},
            {"TAG_NOT_ALLOWED_IN", "%1 不能放在 <%2> 里"},
            {"MISSING_DOCTYPE", "缺少 <!DOCTYPE> 声明"},
            {"MISSING_TITLE_ELEMENT", "缺少 <title> 元素"},
            {"DOCTYPE_AFTER_TAGS", "<!DOCTYPE> 不能写在元素之后"},
            {"MALFORMED_DOCTYPE", "<!DOCTYPE> 的写法不对"},
            {"UNKNOWN_ENTITY", "未转义的 & 或不认识的实体 \"%1\""},
            {"MISSING_SEMICOLON", "实体 \"%1\" 没有以 ; 结尾"},
            {"MISSING_SEMICOLON_NCR", "字符引用 \"%1\" 没有以 ; 结尾"},
            {"UNESCAPED_AMPERSAND", "& 应写作 &amp;"},
            {"INVALID_NCR", "%1 里的字符引用 %2 无效"},
            {"INSERTING_TAG", "缺少开始标签 <%1>, 浏览器会自行补上"},
            {"MISSING_STARTTAG", "缺少开始标签 <%1>"},
            {"REMOVED_HTML5", "HTML5 已经去掉了 %1 元素"},
            {"OBSOLETE_ELEMENT", "%1 是过时的元素, 可以用 %2 代替"},
            {"BAD_SUMMARY_HTML5", "%1 的 summary 属性在 HTML5 中已经过时"},
            {"ELEMENT_VERS_MISMATCH_WARN", "%1 元素在 %2 中不能使用"},
            {"ELEMENT_VERS_MISMATCH_ERROR", "%1 元素在 %2 中不能使用"},
            {"UNEXPECTED_END_OF_FILE", "%1 还没有结束, 文件就结束了"},
            {"UNEXPECTED_END_OF_FILE_ATTR", "%1 的属性还没有写完, 文件就结束了"},
            {"UNEXPECTED_GT", "%1 缺少结尾的 '>'"},
            {"UNEXPECTED_QUOTEMARK", "%1 里有多余或重复的引号"},
            {"UNEXPECTED_EQUALSIGN", "%1 里多了一个 '=', 这里应是属性名"},
            {"MISSING_QUOTEMARK", "%1 的属性值缺少结尾的引号"},
            {"SUSPECTED_MISSING_QUOTE", "属性值可能缺少引号"},
            {"MALFORMED_COMMENT", "注释里有相连的 \"-\""},
            {"CONTENT_AFTER_BODY", "</body> 之后还有内容"},
            {"ELEMENT_NOT_EMPTY", "%1 元素没有结束或不是空的"},
            {"COERCE_TO_ENDTAG", "<%1> 大概应该是 </%2>"},
            {"ANCHOR_NOT_UNIQUE", "%1 的锚点 \"%2\" 已经用过"},
            {"BACKSLASH_IN_URI", "%1 的地址里有反斜杠 \\, 网址应该用 /"},
            {"WHITE_IN_URI", "%1 的地址里有空白"},
            {"NEWLINE_IN_URI", "%1 的地址里有换行"},
            {"ILLEGAL_URI_CODEPOINT", "%1 的地址里有网址不能直接用的字符"},
            {"MISSING_IMAGEMAP", "%1 应该用客户端图像映射 (usemap)"},
            {"FOUND_STYLE_IN_BODY", "<style> 写在了 <body> 里, 应该放在 <head> 里"},
            {"TOO_MANY_ELEMENTS", "%1 元素太多了"},
            {"TOO_MANY_ELEMENTS_IN", "<%2> 里的 %1 元素太多了"},
            {"REPLACING_ELEMENT", "%1 应为 %2"},
            {"REPLACING_UNEX_ELEMENT", "这里不应有 %1, 应为 %2"},
            {"USING_BR_INPLACE_OF", "这里的 %1 会被当作 <br>"},
            {"ID_NAME_MISMATCH", "%1 的 id 和 name 取值不同"},
            {"NESTED_QUOTATION", "嵌套的 q 元素, 可能写错了"},
            {"INVALID_SGML_CHARS", "%1 里有无效的字符 %2"},
            {"VENDOR_SPECIFIC_CHARS", "%1 里有只在部分系统上有效的字符 %2"},
            {"NOFRAMES_CONTENT", "%1 不在 noframes 元素里"},
            {"DUPLICATE_FRAMESET", "重复的 FRAMESET 元素"},
            {"BAD_CDATA_CONTENT", "这里不能出现 '</' 加字母"},
            {"XML_DECLARATION_DETECTED", "网页开头有 XML 声明"},
        };
        QHash<QString, QString> rowsByKey;
        for (const auto& [key, text] : rows)
            rowsByKey.insert(QString::fromLatin1(key), QString::fromUtf8(text));
        return rowsByKey;
    }();
    return table;
}

// `format` with %1 ... %9 replaced in one pass, so that an argument holding "%2" stays as it is.
QString Fill(const QString& format, const QStringList& arguments)
{
    QString out;
    out.reserve(format.size() + 32);
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        const int n = i + 1 < format.size() ? format.at(i + 1).digitValue() : -1;
        if (c == u'%' && n >= 1 && n <= arguments.size()) {
            out += arguments.at(n - 1);
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

QString TidyMessages::Text(const QString& key, const QStringList& arguments, const QString& fallback)
{
    const auto it = Table().constFind(key);
    return it == Table().cend() ? fallback : Fill(*it, arguments);
}

bool TidyMessages::Translated(const QString& key)
{
    return Table().contains(key);
}

QStringList TidyMessages::TranslatedKeys()
{
    QStringList keys = Table().keys();
    keys.sort();
    return keys;
}
