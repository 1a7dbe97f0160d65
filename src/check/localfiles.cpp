#include "check/localfiles.h"

#include <QDir>
#include <QUrl>

namespace {

// "http:", "mailto:", "data:", "c:": a letter, then letters, digits, "+", "-" or ".", then ":".
bool HasScheme(QStringView ref)
{
    const auto letter = [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); };
    if (ref.isEmpty() || !letter(ref[0]))
        return false;
    for (const QChar c : ref.mid(1)) {
        if (c == u':')
            return true;
        if (!letter(c) && !(c >= u'0' && c <= u'9') && c != u'+' && c != u'-' && c != u'.')
            return false;
    }
    return false;
}

} // namespace

LocalFiles::LocalFiles(const QString& folder, const QString& siteRoot)
    : folder_(QDir::cleanPath(folder)), siteRoot_(siteRoot.isEmpty() ? QString() : QDir::cleanPath(siteRoot))
{
}

QString LocalFiles::LocalPart(QStringView reference)
{
    QStringView ref = reference.trimmed();
    // "#top", "?page=2", protocol-relative "//host/x" and an address with a scheme ("http:", "mailto:", "c:")
    // name nothing in the page's folder; a value made by a script or a server ("<%= %>", "${x}") is not a name.
    if (ref.isEmpty() || ref.startsWith(u'#') || ref.startsWith(u'?') || ref.startsWith(u"//") || HasScheme(ref))
        return QString();
    for (const char16_t odd : {u'<', u'{', u'$', u'\'', u'"', u'+'})
        if (ref.contains(QChar(odd)))
            return QString();
    for (const char16_t end : {u'#', u'?'})
        if (const qsizetype at = ref.indexOf(QChar(end)); at >= 0)
            ref.truncate(at);
    return QUrl::fromPercentEncoding(ref.toUtf8());
}

LocalFiles::Status LocalFiles::Look(QStringView reference, QString* otherCase)
{
    const QString part = LocalPart(reference);
    if (part.isEmpty() || (part.startsWith(u'/') && siteRoot_.isEmpty()))
        return NotLocal;
    const QString base = part.startsWith(u'/') ? siteRoot_ : folder_;
    const QString path = QDir::cleanPath(base + u'/' + part);
    // Each step of the way exactly as written: the file system may be case-blind, a web server is not.
    const QStringList steps = path.split(u'/', Qt::SkipEmptyParts);
    QString at;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const QString folder = at.isEmpty() ? QStringLiteral("/") : at;
        if (!NamesIn(folder).contains(steps.at(i))) {
            if (otherCase)
                *otherCase = OtherCase(folder, steps.at(i));
            return Missing;
        }
        at += u'/' + steps.at(i);
    }
    return Present;
}

const QSet<QString>& LocalFiles::NamesIn(const QString& folder)
{
    auto it = names_.find(folder);
    if (it == names_.end()) {
        const QStringList entries =
            QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        it = names_.insert(folder, QSet<QString>(entries.cbegin(), entries.cend()));
    }
    return *it;
}

QString LocalFiles::OtherCase(const QString& folder, const QString& name)
{
    for (const QString& entry : NamesIn(folder))
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return QString();
}
