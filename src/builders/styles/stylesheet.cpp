#include "builders/styles/stylesheet.h"

#include "base/helpers.h"

StyleSheet::StyleSheet() : SheetSelectors(Positions, QString()), SheetStyles(Positions, QString()) {}

QString StyleSheet::Selector(const QString& start, bool allElements, const QString& sep, const QString& name)
{
    const QString n = name.trimmed();
    if (allElements)
        return n.isEmpty() ? QString() : QLatin1Char('.') + n;
    if (start.isEmpty())
        return QString();
    QString s = start.mid(1);
    if (!n.isEmpty())
        s += sep + n;
    return s;
}

StyleSheet::AddResult StyleSheet::Add(const QString& selector, int& index)
{
    index = Selectors.indexOf(selector);
    if (index >= 0 && !selector.isEmpty())
        return Duplicate;
    index = -1;
    if (selector.isEmpty())
        return Nothing;
    if (Selectors.size() >= MaxSelectors)
        return TooMany;
    Selectors.append(selector);
    index = int(Selectors.size()) - 1;
    return Added;
}

void StyleSheet::SetStyle(int i, const QString& style)
{
    if (i < 0 || i >= Positions || i >= Selectors.size())
        return;
    SheetSelectors[i] = Selectors.at(i);
    SheetStyles[i] = style;
}

QString StyleSheet::CssTxt() const
{
    QString rules;
    for (int i = 0; i < Positions; ++i)
        if (!SheetStyles.at(i).isEmpty())
            rules += SheetSelectors.at(i) + QStringLiteral(" {") + SheetStyles.at(i) + QLatin1Char('}') + CrLf;
    return rules;
}

QString StyleSheet::Block(const QString& rules)
{
    if (rules.isEmpty())
        return QString();
    return QStringLiteral("<style TYPE='text/css'>") + CrLf + QStringLiteral("<! --") + CrLf + rules +
           QStringLiteral("-->") + CrLf + QStringLiteral("</style>") + CrLf;
}

int StyleSheet::BlockOffset(int bodyAt, int htmlAt, int length)
{
    int offset = 1;
    if (bodyAt >= 0)
        offset = bodyAt;
    else if (htmlAt >= 0)
        offset = htmlAt + 6;
    // An empty page has no first character to go after.
    return qMin(offset, length);
}

int StyleSheet::BlockOffset(const QString& page)
{
    return BlockOffset(int(page.indexOf(QStringLiteral("<body"), 0, Qt::CaseInsensitive)),
                       int(page.indexOf(QStringLiteral("<html>"), 0, Qt::CaseInsensitive)), int(page.size()));
}

bool StyleSheet::IsLinkPath(const QString& answer)
{
    return QString::compare(answer, QStringLiteral(" ")) > 0;
}

QString StyleSheet::LinkLine(const QString& path)
{
    return QStringLiteral("<LINK REL=StyleSheet HREF=\"") + AttributeValue(path) +
           QStringLiteral("\" TYPE='text/css' MEDIA=screen>") + CrLf;
}
