#include "base/charsetlabels.h"

#include <QRegularExpression>

QString CharsetLabels::NameFor(PageEncoding::Codec codec)
{
    return QString::fromLatin1(CodePages::Of(codec).declared);
}

QList<CharsetLabels::Span> CharsetLabels::ToRename(QStringView text, PageEncoding::Codec codec)
{
    QStringView head = text.left(HeadLength);
    const qsizetype end = head.indexOf(QLatin1String("</head"), 0, Qt::CaseInsensitive);
    if (end >= 0)
        head.truncate(end);
    QList<Span> spans;
    QRegularExpressionMatchIterator it = PageCodec::CharsetDeclaration().globalMatch(head);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        // Another name of the same code page (gbk, utf8) is right as it stands.
        if (PageCodec::DeclaredCodec(m.captured(1).toLatin1().toLower()) != int(codec))
            spans.append({m.capturedStart(1), m.capturedLength(1)});
    }
    return spans;
}

QString CharsetLabels::Renamed(QString text, PageEncoding::Codec codec)
{
    const QList<Span> spans = ToRename(text, codec);
    // From the last, so that the earlier spans stay where they were.
    for (auto it = spans.crbegin(); it != spans.crend(); ++it)
        text.replace(it->start, it->length, NameFor(codec));
    return text;
}
