#include "builders/elements/formbuttons.h"

#include "base/helpers.h"

const QString FormButtons::Submit = QStringLiteral("<input type=submit value=发送>");
const QString FormButtons::Reset = QStringLiteral("<input type=reset value=重写>");

QString FormButtons::Content(bool submit, bool reset, bool lineBreaks)
{
    const QString blank = QStringLiteral(" ") + CrLf;
    QString text = blank + blank + blank;
    const QString end = lineBreaks ? CrLf : QString();
    if (submit)
        text += Submit + end;
    if (reset)
        text += Reset + end;
    return text;
}
