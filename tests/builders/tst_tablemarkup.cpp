// The grid table's markup without a window: the grid's shape and its limits, column titles kept and restored, and
// the table written from cells, column flags, start tag and caption.

#include "builders/table/tablemarkup.h"

#include <QtTest>

namespace {

// Runs steps on the markup: "c+" / "c-" add / delete a column, "r+" / "r-" a row, "t3=text" titles column 3,
// "link3" makes column 3 a link column, "hide3" leaves it out, "tag=..." and "caption=..." set the settings.
// Returns what each add or delete answered, "1" done or "0" refused.
QString Run(TableMarkup& m, const QStringList& steps)
{
    QString answers;
    for (const QString& step : steps) {
        if (step == QLatin1String("c+"))
            answers += m.AddColumn() ? '1' : '0';
        else if (step == QLatin1String("c-"))
            answers += m.DeleteColumn() ? '1' : '0';
        else if (step == QLatin1String("r+"))
            m.AddRow();
        else if (step == QLatin1String("r-"))
            answers += m.DeleteRow() ? '1' : '0';
        else if (step.startsWith(QLatin1String("tag=")))
            m.TableTag = step.mid(4);
        else if (step.startsWith(QLatin1String("caption=")))
            m.CaptionTag = step.mid(8);
        else if (step.startsWith(QLatin1Char('t')))
            m.SetTitle(step.section('=', 0, 0).mid(1).toInt(), step.section('=', 1));
        else if (step.startsWith(QLatin1String("link")))
            m.LinkFlag[step.mid(4).toInt() - 1] = true;
        else if (step.startsWith(QLatin1String("hide")))
            m.Output[step.mid(4).toInt() - 1] = false;
        else
            qFatal("unknown step %s", qPrintable(step));
    }
    return answers;
}

QString Repeat(const QString& piece, int n)
{
    QString s;
    for (int i = 0; i < n; ++i)
        s += piece;
    return s;
}

} // namespace

class TestTableMarkup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Rows and columns: the limits, and titles that outlive their columns.
    void shape_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cols");
        QTest::addColumn<QString>("headings");
        const QString second = TableMarkup::DefaultTitle(2), third = TableMarkup::DefaultTitle(3);
        QTest::newRow("three columns added, two deleted, titles come back")
            << QStringList{"t1=名称", "c+", "c+", "c+", "t4=甲", "c-", "c-", "c+", "c+"} << "1111111" << 2 << 5
            << "  |名称|" + second + '|' + third + "|甲";
        QStringList hundred(98, QStringLiteral("c+"));
        hundred << "c+";
        QTest::newRow("100 columns at most")
            << hundred << Repeat("1", 98) + '0' << 2 << 100 << "  |   第一列       " + [] {
                   QString s;
                   for (int i = 2; i < 100; ++i)
                       s += '|' + TableMarkup::DefaultTitle(i);
                   return s;
               }();
        QTest::newRow("no data column left, then none to delete")
            << QStringList{"c-", "c-", "c+"} << "101" << 2 << 2 << "  |   第一列       ";
        QTest::newRow("the single data row stays") << QStringList{"r-"} << "0" << 2 << 2 << "  |   第一列       ";
        QTest::newRow("added rows go again")
            << QStringList{"r+", "r+", "r-", "r-", "r-"} << "110" << 2 << 2 << "  |   第一列       ";
        QTest::newRow("a blank title shows the default")
            << QStringList{"t1=  "} << "" << 2 << 2 << "  |     第1列         ";
    }
    void shape()
    {
        QFETCH(QStringList, steps);
        TableMarkup m;
        QTEST(Run(m, steps), "answers");
        QTEST(m.Rows, "rows");
        QTEST(m.Cols, "cols");
        QTEST(m.HeadingString(), "headings");
    }

    void generate_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QList<QStringList>>("cells");
        QTest::addColumn<QString>("expected");
        QTest::newRow("untouched") << QStringList{} << QList<QStringList>{{""}}
                                   << "<table border='1'>\r\n\r\n<th>第一列</th>\r\n<tr><td></td>\r\n</table>";
        QTest::newRow("cell missing from the grid")
            << QStringList{} << QList<QStringList>{}
            << "<table border='1'>\r\n\r\n<th>第一列</th>\r\n<tr><td></td>\r\n</table>";
        QTest::newRow("deselected column in neither header nor rows")
            << QStringList{"c+", "c+", "r+", "hide2"} << QList<QStringList>{{"a", "b", "c"}, {"d", "e", "f"}}
            << "<table border='1'>\r\n\r\n<th>第一列</th>\r\n<th>第3列</th>\r\n"
               "<tr><td>a</td>\r\n<td>c</td>\r\n<tr><td>d</td>\r\n<td>f</td>\r\n</table>";
        QTest::newRow("link column") << QStringList{"c+", "link1", "t2=名称"} << QList<QStringList>{{"a.htm", "首页"}}
                                     << "<table border='1'>\r\n\r\n<th>第一列</th>\r\n<th>名称</th>\r\n"
                                        "<tr><td><a href=\"a.htm\">a.htm</a></td>\r\n<td>首页</td>\r\n</table>";
        QTest::newRow("settings start tag, then the generator's blank line")
            << QStringList{"tag=<table border=\"0\">\r\n"} << QList<QStringList>{{"x"}}
            << "<table border=\"0\">\r\n\r\n\r\n<th>第一列</th>\r\n<tr><td>x</td>\r\n</table>";
        QTest::newRow("caption after the start tag")
            << QStringList{"caption=<caption align=\"left\">T</caption>\r\n"} << QList<QStringList>{{"x"}}
            << "<table border='1'>\r\n<caption align=\"left\">T</caption>\r\n\r\n<th>第一列</th>\r\n"
               "<tr><td>x</td>\r\n</table>";
        QTest::newRow("cells as typed, titles trimmed")
            << QStringList{"t1=  a<b>  "} << QList<QStringList>{{" <i>x</i> & "}}
            << "<table border='1'>\r\n\r\n<th>a<b></th>\r\n<tr><td> <i>x</i> & </td>\r\n</table>";
        QTest::newRow("every column left out") << QStringList{"hide1", "r+"} << QList<QStringList>{{"a"}, {"b"}}
                                               << "<table border='1'>\r\n\r\n<tr><tr></table>";
        QTest::newRow("no data column") << QStringList{"c-"} << QList<QStringList>{{}}
                                        << "<table border='1'>\r\n\r\n<tr></table>";
        QTest::newRow("a re-added column is written and no link")
            << QStringList{"c+", "link2", "hide2", "c-", "c+"} << QList<QStringList>{{"a", "b"}}
            << "<table border='1'>\r\n\r\n<th>第一列</th>\r\n<th>第2列</th>\r\n"
               "<tr><td>a</td>\r\n<td>b</td>\r\n</table>";
        QStringList hundred(98, QStringLiteral("c+"));
        QString header, row;
        QStringList cells;
        for (int i = 1; i < 100; ++i) {
            header += "<th>" + (i == 1 ? QStringLiteral("第一列") : QStringLiteral("第%1列").arg(i)) + "</th>\r\n";
            row += "<td>" + QString::number(i) + "</td>\r\n";
            cells << QString::number(i);
        }
        QTest::newRow("99 data columns") << hundred << QList<QStringList>{cells}
                                         << "<table border='1'>\r\n\r\n" + header + "<tr>" + row + "</table>";
    }
    void generate()
    {
        QFETCH(QStringList, steps);
        QFETCH(QList<QStringList>, cells);
        TableMarkup m;
        Run(m, steps);
        QList<int> done;
        const TableMarkup::Result table = m.Generate(cells, [&done](int row) { done.append(row); });
        QVERIFY(table.Complete);
        QTEST(table.Html, "expected");
        QList<int> rows;
        for (int j = 1; j < m.Rows; ++j)
            rows.append(j);
        QCOMPARE(done, rows); // each data row reported once, in order
    }
};

QTEST_MAIN(TestTableMarkup)
#include "tst_tablemarkup.moc"
