#include "check/sitecheck.h"

#include "base/charsetlabels.h"
#include "check/localfiles.h"
#include "check/markupwalker.h"
#include "check/textpositions.h"

#include <QHash>

#include <memory>

namespace {

// Collects the findings by offset; the offsets become lines and columns at the end.
class Findings
{
public:
    Findings(QStringView text, const TextPositions& positions, const SiteCheck::Input& input)
        : text_(text), positions_(positions), input_(input)
    {
        if (!input.folder.isEmpty())
            files_ = std::make_unique<LocalFiles>(input.folder, input.siteRoot);
    }

    void Tag(const MarkupWalker::Tag& tag);
    void Css(QStringView css, qsizetype offset);
    void Charset();
    QList<PageProblem> Take() { return std::move(problems_); }

private:
    void Add(qsizetype offset, PageProblem::Kind kind, const char* code, const QString& text);
    void Reference(QStringView value, qsizetype offset);
    void Id(QStringView value, qsizetype offset);
    void Script(const MarkupWalker::Tag& tag);
    void Meta(const MarkupWalker::Tag& tag);
    void Urls(QStringView css, qsizetype offset);
    void Imports(QStringView css, qsizetype offset);
    void Filters(QStringView css, qsizetype offset);

    QStringView text_;
    const TextPositions& positions_;
    const SiteCheck::Input& input_;
    std::unique_ptr<LocalFiles> files_;
    QHash<QStringView, qsizetype> ids_; // each id and where it was first used
    QList<PageProblem> problems_;
};

bool Is(QStringView a, const char* b)
{
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

bool IsIdentifierChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u'_';
}

void Findings::Add(qsizetype offset, PageProblem::Kind kind, const char* code, const QString& text)
{
    PageProblem problem;
    problem.line = positions_.LineOf(offset);
    problem.column = positions_.ColumnOf(offset);
    problem.kind = kind;
    problem.code = QString::fromLatin1(code);
    problem.text = text;
    problems_.append(problem);
}

void Findings::Tag(const MarkupWalker::Tag& tag)
{
    for (const MarkupWalker::Attribute& attribute : tag.attributes) {
        if (attribute.value.isNull())
            continue;
        if (Is(attribute.name, "href") || Is(attribute.name, "src"))
            Reference(attribute.value, attribute.valueOffset);
        else if (Is(attribute.name, "id"))
            Id(attribute.value, attribute.valueOffset);
        else if (Is(attribute.name, "style"))
            Css(attribute.value, attribute.valueOffset);
    }
    if (Is(tag.name, "script"))
        Script(tag);
    else if (Is(tag.name, "meta"))
        Meta(tag);
}

void Findings::Reference(QStringView value, qsizetype offset)
{
    const QStringView trimmed = value.trimmed();
    if (trimmed.startsWith(QLatin1String("vbscript:"), Qt::CaseInsensitive)) {
        Add(offset, PageProblem::Note, "OLD_IE_VBSCRIPT", QStringLiteral("VBScript 脚本只有旧版 IE 能运行"));
        return;
    }
    QString otherCase;
    if (!files_ || files_->Look(value, &otherCase) != LocalFiles::Missing)
        return;
    const QString shown = trimmed.toString();
    Add(offset, PageProblem::Error, "FILE_MISSING",
        otherCase.isEmpty()
            ? QStringLiteral("找不到文件 \"%1\"").arg(shown)
            : QStringLiteral("找不到文件 \"%1\": 那里有 \"%2\", 但网站服务器区分大小写").arg(shown, otherCase));
}

void Findings::Id(QStringView value, qsizetype offset)
{
    if (value.isEmpty())
        return;
    const auto first = ids_.constFind(value);
    if (first == ids_.cend()) {
        ids_.insert(value, offset);
        return;
    }
    Add(offset, PageProblem::Warning, "DUPLICATE_ID",
        QStringLiteral("id \"%1\" 在第 %2 行已经用过").arg(value.toString()).arg(positions_.LineOf(*first)));
}

void Findings::Script(const MarkupWalker::Tag& tag)
{
    for (const char* name : {"language", "type"}) {
        const QStringView value = tag.Value(QString::fromLatin1(name));
        if (value.contains(QLatin1String("vbscript"), Qt::CaseInsensitive)) {
            Add(tag.offset, PageProblem::Note, "OLD_IE_VBSCRIPT", QStringLiteral("VBScript 脚本只有旧版 IE 能运行"));
            return;
        }
    }
}

void Findings::Meta(const MarkupWalker::Tag& tag)
{
    const QStringView equiv = tag.Value(u"http-equiv").trimmed();
    for (const char* transition : {"page-enter", "page-exit", "site-enter", "site-exit"})
        if (Is(equiv, transition))
            Add(tag.offset, PageProblem::Note, "OLD_IE_TRANSITION",
                QStringLiteral("页面转换特效 (%1) 只有旧版 IE 认识, 其他浏览器会忽略它").arg(equiv.toString()));
}

void Findings::Css(QStringView css, qsizetype offset)
{
    Urls(css, offset);
    Imports(css, offset);
    Filters(css, offset);
}

void Findings::Urls(QStringView css, qsizetype offset)
{
    for (qsizetype at = 0; (at = css.indexOf(QLatin1String("url("), at, Qt::CaseInsensitive)) >= 0;) {
        at += 4;
        while (at < css.size() && css[at].isSpace())
            ++at;
        const QChar quote = at < css.size() && (css[at] == u'"' || css[at] == u'\'') ? css[at] : QChar();
        const qsizetype start = quote.isNull() ? at : at + 1;
        qsizetype end = css.indexOf(quote.isNull() ? QChar(u')') : quote, start);
        end = end < 0 ? css.size() : end;
        Reference(css.mid(start, end - start), offset + start);
        at = end;
    }
}

void Findings::Imports(QStringView css, qsizetype offset)
{
    // @import "a.css"; the form with url() is read as every url() is.
    for (qsizetype at = 0; (at = css.indexOf(QLatin1String("@import"), at, Qt::CaseInsensitive)) >= 0;) {
        at += 7;
        while (at < css.size() && css[at].isSpace())
            ++at;
        if (at >= css.size() || (css[at] != u'"' && css[at] != u'\''))
            continue;
        qsizetype end = css.indexOf(css[at], at + 1);
        end = end < 0 ? css.size() : end;
        Reference(css.mid(at + 1, end - at - 1), offset + at + 1);
        at = end;
    }
}

void Findings::Filters(QStringView css, qsizetype offset)
{
    for (qsizetype at = 0; (at = css.indexOf(QLatin1String("filter"), at, Qt::CaseInsensitive)) >= 0; at += 6) {
        const bool msPrefix = at >= 4 && css.mid(at - 4, 4).compare(QLatin1String("-ms-"), Qt::CaseInsensitive) == 0;
        if (at > 0 && IsIdentifierChar(css[at - 1]) && !msPrefix)
            continue;
        qsizetype colon = at + 6;
        while (colon < css.size() && css[colon].isSpace())
            ++colon;
        if (colon >= css.size() || css[colon] != u':')
            continue;
        qsizetype end = colon + 1;
        while (end < css.size() && css[end] != u';' && css[end] != u'}')
            ++end;
        if (msPrefix || SiteCheck::OldIeFilter(css.mid(colon + 1, end - colon - 1)))
            Add(offset + (msPrefix ? at - 4 : at), PageProblem::Note, "OLD_IE_FILTER",
                QStringLiteral("filter 滤镜只有旧版 IE 认识, 其他浏览器会忽略它"));
    }
}

void Findings::Charset()
{
    const CodePage& page = CodePages::Of(input_.codec);
    for (const CharsetLabels::Span& span : CharsetLabels::ToRename(text_, input_.codec))
        Add(span.start, PageProblem::Error, "CHARSET_MISMATCH",
            QStringLiteral("网页声明的字符集 \"%1\" 与保存网页所用的编码 %2 不一致, 浏览器会显示乱码")
                .arg(text_.mid(span.start, span.length).toString(), QString::fromLatin1(page.shown)));
}

} // namespace

bool SiteCheck::OldIeFilter(QStringView value)
{
    value = value.trimmed();
    if (value.startsWith(QLatin1String("progid:"), Qt::CaseInsensitive))
        return true;
    // Its filters take name=value arguments ("alpha(opacity=50)"); today's take plain values ("opacity(50%)").
    const qsizetype open = value.indexOf(u'(');
    if (open >= 0) {
        const qsizetype close = value.indexOf(u')', open);
        return value.mid(open, close < 0 ? -1 : close - open).contains(u'=');
    }
    // Its filters without arguments; today's all have them.
    for (const char* name : {"gray", "fliph", "flipv", "invert", "xray", "alpha", "blur", "shadow", "glow"})
        if (Is(value, name))
            return true;
    return false;
}

QList<PageProblem> SiteCheck::Run(QStringView text, const TextPositions& positions, const Input& input)
{
    Findings findings(text, positions, input);
    MarkupWalker walker;
    walker.onTag = [&findings](const MarkupWalker::Tag& tag) { findings.Tag(tag); };
    walker.onStyle = [&findings](QStringView css, qsizetype offset) { findings.Css(css, offset); };
    walker.Walk(text);
    findings.Charset();
    return findings.Take();
}
