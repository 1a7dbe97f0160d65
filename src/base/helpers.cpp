#include "base/helpers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

QString AttributeValue(const QString& text)
{
    QString out = text;
    out.removeIf([](QChar c) {
        return c.category() == QChar::Other_Control && c != QLatin1Char('\t') && c != QLatin1Char('\r') &&
               c != QLatin1Char('\n');
    });
    return out;
}

QString HtmlEscape(const QString& text)
{
    QString out = text;
    out.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    out.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    out.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    out.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    out.replace(QLatin1Char(' '), QLatin1String("&nbsp;"));
    out.replace(CrLf, QStringLiteral("<br>\r\n"));
    return out;
}

static int HexPair(const QString& s, int pos)
{
    bool ok = false;
    const int v = s.mid(pos, 2).toInt(&ok, 16);
    return ok ? v : 0;
}

void ParseColorText(QString& text, int& red, int& green, int& blue)
{
    // Only blanks are trimmed, as the colour boxes hold nothing else.
    qsizetype a = 0, b = text.size();
    while (a < b && text.at(a) == QLatin1Char(' '))
        ++a;
    while (b > a && text.at(b - 1) == QLatin1Char(' '))
        --b;
    text = text.mid(a, b - a);
    if (text.size() <= 6)
        return;
    const QString rest = text.mid(1);
    red = HexPair(rest, 0);
    green = HexPair(rest, 2);
    blue = HexPair(rest, 4);
    text = QLatin1Char('#') + rest;
}

int FindChildIndex(const QDomElement& node, const QString& value, const QString& childName)
{
    int index = 0;
    for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling(), ++index) {
        const QDomElement field = child.firstChildElement(childName);
        if (!field.isNull() && field.text() == value)
            return index;
    }
    return -1;
}

void ReadValuePairs(const QDomElement& node, QStringList& values, QStringList& names)
{
    while (values.size() < 4)
        values.append(QString());
    while (names.size() < 4)
        names.append(QString());
    for (int n = 1; n <= 4; ++n) {
        const QDomElement b = node.firstChildElement(QStringLiteral("b%1").arg(n));
        const QDomElement a = node.firstChildElement(QStringLiteral("a%1").arg(n));
        if (!b.isNull() && !a.isNull()) {
            values[n - 1] = b.text();
            names[n - 1] = a.text();
        }
    }
}

QString ParentFolderOf(const QString& path)
{
    if (path.isEmpty())
        return QString();
    QString folder = QFileInfo(path).absolutePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

void DeleteFileIfExists(const QString& path)
{
    if (path.isEmpty())
        return;
    // Removing a name needs write access to its folder only, so the file's mode is never touched: changing it
    // would follow a symbolic link planted at that name and open up whatever it points at. A link is removed,
    // a folder is left alone.
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (::lstat(name.constData(), &st) != 0 || S_ISDIR(st.st_mode))
        return;
    ::unlink(name.constData());
}

QString BytesToString(const QByteArray& bytes)
{
    const qsizetype end = bytes.indexOf('\0');
    return QString::fromLatin1(end < 0 ? bytes : bytes.left(end));
}
