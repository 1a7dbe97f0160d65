#include "check/pageproblem.h"

QString PageProblem::KindName(Kind kind)
{
    switch (kind) {
    case Error:
        return QStringLiteral("错误");
    case Warning:
        return QStringLiteral("警告");
    case Note:
        return QStringLiteral("提示");
    }
    return QString();
}
