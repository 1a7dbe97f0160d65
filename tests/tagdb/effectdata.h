#pragma once
// Reading the script sections of data.xml the way the event, statement, effects and picker dialogs read them,
// for the tests of those sections.

#include <QDomElement>
#include <QRegularExpression>
#include <QStringList>

#include <iconv.h>

#include "shippeddata.h"

namespace effectdata {

using namespace shippeddata;

// The dialogs' test for an optional text: present and sorting above a single blank.
inline bool AboveBlank(const QDomElement& entry, const QString& name)
{
    return Has(entry, name) && Field(entry, name) > QLatin1String(" ");
}

// The text in GB2312, as a page labelled gb2312 carries it; `ok` false when a character does not fit.
inline QByteArray ToGb2312(const QString& s, bool* ok)
{
    *ok = false;
    iconv_t cd = iconv_open("GB2312", "UTF-8");
    if (cd == iconv_t(-1))
        return {};
    QByteArray in = s.toUtf8();
    QByteArray out(in.size() * 2 + 16, '\0');
    char* ip = in.data();
    char* op = out.data();
    size_t il = size_t(in.size()), ol = size_t(out.size());
    const size_t r = iconv(cd, &ip, &il, &op, &ol);
    iconv_close(cd);
    *ok = r != size_t(-1) && il == 0;
    out.truncate(out.size() - qsizetype(ol));
    return *ok ? out : QByteArray();
}

// Arguments of a statement as the statement dialog returns them: "100" in every shown row (a valid text,
// number, id and code alike), the colour for the colour layout, the feature list for the window layout.
inline QStringList StatementArgs(const QDomElement& e)
{
    QStringList args(10, QString());
    for (int i = 0; i < 10 && !Field(e, QStringLiteral("add%1").arg(i)).isEmpty(); ++i)
        args[i] = QStringLiteral("100");
    const int child = Num(Field(e, QStringLiteral("child")));
    if (child == 1)
        args[0] = QStringLiteral("#FF0000");
    if (child == 2)
        args[2] = QStringLiteral("width=300,toolbar=No,location=No,directories=Yes,status=No,menubar=No,"
                                 "scrollbars=No,resizable=No,fullscreen=No");
    return args;
}

// The event dialog's call: values + argument 0 + add0 + ... + argument 9 + add9; just values when add0 is empty.
inline QString AssembleStatement(const QDomElement& e, const QStringList& args)
{
    QString code = Field(e, QStringLiteral("values"));
    if (Field(e, QStringLiteral("add0")).isEmpty())
        return code;
    for (int p = 0; p < 10; ++p)
        code += args.value(p) + Field(e, QStringLiteral("add%1").arg(p));
    return code;
}

// The texts the effects dialog's parameter boxes start with: the default, and for a picture the program's
// picture folder in front of it.
inline QStringList DefaultParams(const QDomElement& e, const QString& pictureDir)
{
    QStringList params;
    for (int k = 1; k <= 5; ++k) {
        const QString def = Field(e, QStringLiteral("v%1").arg(2 * k));
        params.append(def.startsWith(QLatin1String("2*")) ? pictureDir + def.mid(2) : def.mid(2));
    }
    return params;
}

// The effects dialog's script: v1 + parameter 1 + v3 + parameter 2 ... + value.
inline QString AssembleEffect(const QDomElement& e, const QStringList& params)
{
    QString s;
    if (AboveBlank(e, QStringLiteral("v1"))) {
        for (int k = 1; k <= 5; ++k) {
            const QString piece = QStringLiteral("v%1").arg(2 * k - 1);
            if (AboveBlank(e, piece))
                s += Field(e, piece) + params.value(k - 1);
        }
    }
    return s + Field(e, QStringLiteral("value"));
}

// The picker's substitution: "qz**" is the id, "qz@@" the id followed by 1781, both in any letter case.
inline QString FillPlaceholders(QString text, const QString& id)
{
    text.replace(QStringLiteral("qz**"), id, Qt::CaseInsensitive);
    return text.replace(QStringLiteral("qz@@"), id + QStringLiteral("1781"), Qt::CaseInsensitive);
}

} // namespace effectdata
