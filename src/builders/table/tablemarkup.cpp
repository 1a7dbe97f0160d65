#include "builders/table/tablemarkup.h"

#include "base/helpers.h"

#include <new>

const QString TableMarkup::DefaultTableTag = QStringLiteral("<table border='1'>");
const QString TableMarkup::FirstTitle = QStringLiteral("   第一列       ");

TableMarkup::TableMarkup()
{
    Reset();
}

void TableMarkup::Reset()
{
    Rows = 2;
    Cols = 2;
    ColTitle.clear();
    for (int i = 0; i <= MaxCols; ++i)
        ColTitle.append(QString());
    LinkFlag = QList<bool>(MaxCols + 1, false);
    Output = QList<bool>(MaxCols + 1, false);
    ColTitle[1] = FirstTitle;
    Output[0] = true;
    TableTag.clear();
    CaptionTag.clear();
}

QString TableMarkup::DefaultTitle(int column)
{
    return QStringLiteral("     第") + QString::number(column) + QStringLiteral("列         ");
}

void TableMarkup::RefreshHeadings()
{
    for (int i = 1; i < Cols; ++i)
        if (ColTitle.at(i).trimmed().isEmpty())
            ColTitle[i] = DefaultTitle(i);
}

QStringList TableMarkup::Headings() const
{
    return ColTitle.mid(1, Cols - 1);
}

QString TableMarkup::HeadingString() const
{
    QString s = QStringLiteral("  ");
    for (const QString& title : Headings())
        s += QLatin1Char('|') + title;
    return s;
}

void TableMarkup::AddRow()
{
    ++Rows;
}

bool TableMarkup::DeleteRow()
{
    if (Rows <= 2)
        return false;
    --Rows;
    return true;
}

bool TableMarkup::AddColumn()
{
    if (Cols >= MaxCols)
        return false;
    ++Cols;
    RefreshHeadings();
    Output[Cols - 2] = true;
    LinkFlag[Cols - 2] = false;
    return true;
}

bool TableMarkup::DeleteColumn()
{
    if (Cols <= 1)
        return false;
    --Cols;
    RefreshHeadings();
    return true;
}

void TableMarkup::SetTitle(int column, const QString& title)
{
    if (column < 1 || column >= Cols)
        return;
    ColTitle[column] = title;
    RefreshHeadings();
}

TableMarkup::Result TableMarkup::Generate(const QList<QStringList>& cells, const Progress& progress) const
{
    Result r;
    if (Rows < 2)
        return r;
    const QChar q(u'"');
    QList<int> written;
    for (int i = 1; i < Cols; ++i)
        if (Output.at(i - 1))
            written.append(i);
    try {
        r.Html = (TableTag.isEmpty() ? DefaultTableTag : TableTag) + CrLf + CaptionTag + CrLf;
        for (int i : std::as_const(written))
            r.Html += QStringLiteral("<th>") + ColTitle.at(i).trimmed() + QStringLiteral("</th>") + CrLf;
        for (int j = 1; j < Rows; ++j) {
            r.Html += QLatin1String("<tr>");
            const QStringList row = cells.value(j - 1);
            for (int i : std::as_const(written)) {
                const QString t = row.value(i - 1);
                if (LinkFlag.at(i - 1))
                    r.Html += QLatin1String("<td><a href=") + q + AttributeValue(t) + q + QLatin1Char('>') + t +
                              QLatin1String("</a></td>") + CrLf;
                else
                    r.Html += QLatin1String("<td>") + t + QLatin1String("</td>") + CrLf;
            }
            if (progress)
                progress(j);
        }
        r.Html += QLatin1String("</table>");
    } catch (const std::bad_alloc&) {
        r.Complete = false;
    }
    return r;
}
