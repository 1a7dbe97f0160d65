#include "check/markupwalker.h"

namespace {

bool IsSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

bool IsNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'-' || c == u':' || c == u'_' || c == u'.';
}

qsizetype SkipSpace(QStringView text, qsizetype at)
{
    while (at < text.size() && IsSpace(text[at]))
        ++at;
    return at;
}

// Where the text after `marker` (searched from `from`) goes on, or the end of the text.
qsizetype After(QStringView text, qsizetype from, QStringView marker)
{
    const qsizetype at = text.indexOf(marker, from);
    return at < 0 ? text.size() : at + marker.size();
}

bool HoldsRawText(QStringView name)
{
    for (const char* raw : {"script", "style", "textarea", "title"})
        if (name.compare(QLatin1String(raw), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

QStringView MarkupWalker::Tag::Value(QStringView wanted) const
{
    for (const Attribute& attribute : attributes)
        if (attribute.name.compare(wanted, Qt::CaseInsensitive) == 0)
            return attribute.value.isNull() ? QStringView(u"") : attribute.value;
    return {};
}

void MarkupWalker::Walk(QStringView text) const
{
    qsizetype at = 0;
    while ((at = text.indexOf(u'<', at)) >= 0) {
        const QStringView rest = text.mid(at);
        if (rest.startsWith(u"<!--"))
            at = After(text, at + 4, u"-->");
        else if (rest.startsWith(u"<!") || rest.startsWith(u"<?") || rest.startsWith(u"</"))
            at = After(text, at + 2, u">");
        else if (rest.size() > 1 && rest[1].isLetter())
            at = ReadTag(text, at);
        else
            ++at;
    }
}

qsizetype MarkupWalker::ReadTag(QStringView text, qsizetype at) const
{
    Tag tag;
    tag.offset = at;
    qsizetype i = at + 1;
    while (i < text.size() && IsNameChar(text[i]))
        ++i;
    tag.name = text.mid(at + 1, i - at - 1);
    for (;;) {
        while (i < text.size() && (IsSpace(text[i]) || text[i] == u'/'))
            ++i;
        if (i >= text.size() || text[i] == u'>')
            break;
        i = ReadAttribute(text, i, tag.attributes);
    }
    const qsizetype end = i < text.size() ? i + 1 : i; // past the ">"
    if (onTag)
        onTag(tag);
    if (!HoldsRawText(tag.name))
        return end;
    qsizetype endTag = text.size();
    const qsizetype next = SkipRawText(text, end, tag.name, endTag);
    if (onStyle && tag.name.compare(u"style", Qt::CaseInsensitive) == 0)
        onStyle(text.mid(end, endTag - end), end);
    return next;
}

qsizetype MarkupWalker::ReadAttribute(QStringView text, qsizetype at, QList<Attribute>& into)
{
    // `at` is on the name's first character (or on a stray "=", read as an attribute without a name).
    qsizetype i = at;
    while (i < text.size() && !IsSpace(text[i]) && text[i] != u'=' && text[i] != u'>' && text[i] != u'/')
        ++i;
    Attribute attribute{text.mid(at, i - at), QStringView(), i};
    const qsizetype afterName = SkipSpace(text, i);
    if (afterName >= text.size() || text[afterName] != u'=') {
        into.append(attribute);
        return i;
    }
    i = SkipSpace(text, afterName + 1);
    const QChar quote = i < text.size() ? text[i] : QChar();
    if (quote == u'"' || quote == u'\'') {
        qsizetype close = text.indexOf(quote, i + 1);
        close = close < 0 ? text.size() : close;
        attribute.value = text.mid(i + 1, close - i - 1);
        attribute.valueOffset = i + 1;
        i = close < text.size() ? close + 1 : close;
    } else {
        const qsizetype start = i;
        while (i < text.size() && !IsSpace(text[i]) && text[i] != u'>')
            ++i;
        attribute.value = text.mid(start, i - start);
        attribute.valueOffset = start;
    }
    into.append(attribute);
    return i;
}

qsizetype MarkupWalker::SkipRawText(QStringView text, qsizetype from, QStringView element, qsizetype& endTag)
{
    for (qsizetype at = from; (at = text.indexOf(u"</", at)) >= 0; at += 2) {
        const QStringView name = text.mid(at + 2, element.size());
        const qsizetype after = at + 2 + element.size();
        if (name.compare(element, Qt::CaseInsensitive) == 0 && (after >= text.size() || !IsNameChar(text[after]))) {
            endTag = at;
            return After(text, after, u">");
        }
    }
    endTag = text.size();
    return text.size();
}
