// The grid table builder: a table typed into the grid with Tab and inserted at the caret with its caption and
// settings, the keys of the cell editor, the column list, the close confirmation, and an existing table start tag
// reopened in the table settings.

#include "builders/elements/elementdialog.h"
#include "builders/table/tablegriddialog.h"
#include "modaldriver.h"
#include "pagewindowfixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <memory>

class TestTableGridDialog : public QObject
{
    Q_OBJECT

    PageWindowFixture f_;

    std::unique_ptr<TableGridDialog> Show()
    {
        auto form = std::make_unique<TableGridDialog>(f_.shared->Context());
        form->show();
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get()))
            qWarning("the table dialog did not become active");
        return form;
    }
    static void ClickCell(TableGridDialog* d, int row, int column)
    {
        QTableWidget* grid = d->Grid;
        const QRect cell = grid->visualRect(grid->model()->index(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
    // The cell the editor lies over, as "row,column" (0-based data cells), or "" when it is out of sight or does not
    // fit its cell.
    static QString EditedCell(TableGridDialog* d)
    {
        QTableWidget* grid = d->Grid;
        if (!d->CellEditor->isVisible())
            return QString();
        const QRect cell = grid->visualRect(grid->model()->index(grid->currentRow(), grid->currentColumn()));
        if (d->CellEditor->geometry() != QRect(grid->viewport()->mapTo(d, cell.topLeft()), cell.size()))
            return QStringLiteral("misplaced");
        return QStringLiteral("%1,%2").arg(grid->currentRow()).arg(grid->currentColumn());
    }
    // Types text as the keyboard would, Chinese included (one key event per character, carrying it).
    static void Type(QWidget* w, const QString& text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &press);
        }
    }
    static QString Cell(TableGridDialog* d, int row, int column)
    {
        const QTableWidgetItem* item = d->Grid->item(row, column);
        return item ? item->text() : QString();
    }
    static QStringList Headings(TableGridDialog* d)
    {
        QStringList titles;
        for (int i = 0; i < d->Grid->columnCount(); ++i)
            titles << d->Grid->horizontalHeaderItem(i)->text();
        return titles;
    }

private Q_SLOTS:
    void init() { f_.Start(true); }
    void cleanup() { f_.Stop(); }

    // From the table command to the markup at the caret: a 3 x 3 grid typed with Tab, a caption, a border, a link
    // column and a column left out.
    void typeATable()
    {
        PageWindow* doc = f_.Active();
        PageWindowFixture::SetText(doc, "<body>\n</body>", 7);
        int seen = 0;
        OnNextModal<TableGridDialog>(
            [this](TableGridDialog* d) {
                QCOMPARE(d->windowTitle(), QStringLiteral("表格处理"));
                QCOMPARE(EditedCell(d), QStringLiteral("0,0")); // ready for typing at once
                QCOMPARE(d->focusWidget(), d->CellEditor);
                QVERIFY(QTest::qWaitForWindowActive(d));
                d->Addrow->click();
                d->Addrow->click();
                d->Addcolcommand->click();
                d->Addcolcommand->click();
                ClickCell(d, 0, 0);
                QCOMPARE(d->CountLabel->text(), QStringLiteral("3"));
                const QStringList cells{"甲", "1", "a.htm", "乙", "2", "b.htm", "丙", "3", "c.htm"};
                for (const QString& text : cells) {
                    Type(QApplication::focusWidget(), text);
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                }
                QCOMPARE(EditedCell(d), QStringLiteral("2,2")); // Tab at the last cell stays
                QCOMPARE(Cell(d, 1, 1), QStringLiteral("2"));

                // The third column holds links; the second is left out (a click on its entry deselects it).
                d->Collist->setCurrentRow(2, QItemSelectionModel::NoUpdate);
                d->LinkCheck->click();
                const QRect second = d->Collist->visualItemRect(d->Collist->item(1));
                QTest::mouseClick(d->Collist->viewport(), Qt::LeftButton, {}, second.center());
                QVERIFY(!d->Collist->item(1)->isSelected());
                QCOMPARE(d->TitleText->text(), QStringLiteral("     第2列         "));
                d->Collist->setCurrentRow(0, QItemSelectionModel::NoUpdate);
                d->TitleText->selectAll();
                Type(d->TitleText, "名称");
                QCOMPARE(Headings(d).first(), QStringLiteral("名称"));

                OnNextModal<ElementDialog>([](ElementDialog* caption) {
                    QCOMPARE(caption->Given().kind, QStringLiteral("<caption"));
                    QVERIFY(caption->Given().purpose == ElementDialog::Purpose::Insert);
                    caption->HtmlText->setPlainText("水果");
                    caption->OkCommand->click();
                });
                d->Titlecom->click();
                OnNextModal<ElementDialog>([](ElementDialog* settings) {
                    QCOMPARE(settings->Given().kind, QStringLiteral("<table"));
                    QTest::keyClicks(Child<QLineEdit>(settings, "TableText_0"), "0");
                    Child<QAbstractButton>(settings, "TabAlignOption_2")->click();
                    settings->OkCommand->click();
                });
                d->TableSetcom->click();

                d->OKCommand->click();
                QVERIFY(!d->Grid->isVisible());
                QCOMPARE(d->Progress->maximum(), 4);
                QCOMPARE(d->Progress->value(), 3);
            },
            &seen);
        f_.frame->RunCommand(Command::InsertTable);
        QCOMPARE(seen, 1);
        QCOMPARE(PageWindowFixture::Text(doc),
                 QStringLiteral("<body>\n<table border=\"0\" align=\"center\">\n\n<caption>水果</caption>\n\n"
                                "<th>名称</th>\n<th>第3列</th>\n"
                                "<tr><td>甲</td>\n<td><a href=\"a.htm\">a.htm</a></td>\n"
                                "<tr><td>乙</td>\n<td><a href=\"b.htm\">b.htm</a></td>\n"
                                "<tr><td>丙</td>\n<td><a href=\"c.htm\">c.htm</a></td>\n"
                                "</table>\n</body>"));
        QVERIFY(f_.MessageTexts().isEmpty());
    }

    // The cell editor's keys on a 2 x 2 grid: where the editor goes from a starting cell.
    void editorKeys_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Tab to the next column") << "0,0"
                                                << "" << int(Qt::Key_Tab) << "0,1";
        QTest::newRow("Tab from the last column to the next row") << "0,1"
                                                                  << "" << int(Qt::Key_Tab) << "1,0";
        QTest::newRow("Tab at the last cell stays") << "1,1"
                                                    << "" << int(Qt::Key_Tab) << "1,1";
        QTest::newRow("Down in an empty cell") << "0,1"
                                               << "" << int(Qt::Key_Down) << "1,1";
        QTest::newRow("Down below the last row stays") << "1,0"
                                                       << "" << int(Qt::Key_Down) << "1,0";
        QTest::newRow("Up from a cell chosen whole") << "1,1"
                                                     << "=x" << int(Qt::Key_Up) << "0,1";
        QTest::newRow("Up at the first row stays") << "0,0"
                                                   << "" << int(Qt::Key_Up) << "0,0";
        QTest::newRow("Up while typing stays in the box") << "1,0"
                                                          << "ab" << int(Qt::Key_Up) << "1,0";
        QTest::newRow("Enter changes nothing") << "0,0"
                                               << "ab" << int(Qt::Key_Return) << "0,0";
    }
    void editorKeys()
    {
        QFETCH(QString, start);
        QFETCH(QString, typed);
        QFETCH(int, key);
        auto d = Show();
        d->Addrow->click();
        d->Addcolcommand->click();
        const int row = start.section(',', 0, 0).toInt(), column = start.section(',', 1).toInt();
        if (typed.startsWith('=')) {
            // A cell that holds text is chosen with its text selected whole.
            d->Grid->setItem(row, column, new QTableWidgetItem(typed.mid(1)));
            ClickCell(d.get(), row, column);
            QCOMPARE(d->CellEditor->selectedText(), typed.mid(1));
        } else {
            ClickCell(d.get(), row, column);
            QTest::keyClicks(d->CellEditor, typed);
        }
        QCOMPARE(EditedCell(d.get()), start);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QTEST(EditedCell(d.get()), "expected");
        QCOMPARE(QApplication::focusWidget(), d->CellEditor);
        QVERIFY(d->isVisible());
        QCOMPARE(Cell(d.get(), row, column), typed.startsWith('=') ? typed.mid(1) : typed);
    }

    // Rows and columns from the buttons, and the column list that names them.
    void rowsAndColumns()
    {
        auto d = Show();
        QVERIFY(!d->TitleText->isEnabled()); // until a column is chosen
        for (int i = 0; i < 3; ++i)
            d->Addcolcommand->click();
        QCOMPARE(d->Collist->count(), 4);
        QVERIFY(d->Collist->item(3)->isSelected());

        // A long title widens the first column; the editor in the second one stays over its cell.
        ClickCell(d.get(), 0, 1);
        d->Collist->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        Type(d->TitleText, "很长很长很长很长很长的标题");
        QCOMPARE(EditedCell(d.get()), QStringLiteral("0,1"));

        // A title typed for the fourth column survives its column.
        d->Collist->setCurrentRow(3, QItemSelectionModel::NoUpdate);
        QVERIFY(d->TitleText->isEnabled());
        d->TitleText->selectAll();
        Type(d->TitleText, "价格");
        QCOMPARE(d->Collist->item(3)->text(), QStringLiteral("价格"));
        QCOMPARE(Headings(d.get()).last(), QStringLiteral("价格"));
        d->LinkCheck->click();
        ClickCell(d.get(), 0, 3);
        d->Coldelecommand->click();
        d->Coldelecommand->click();
        QVERIFY(!d->CellEditor->isVisible());
        QCOMPARE(d->Grid->columnCount(), 2);
        QCOMPARE(d->Collist->count(), 2);
        d->Addcolcommand->click();
        d->Addcolcommand->click();
        QCOMPARE(d->Collist->item(3)->text(), QStringLiteral("价格"));
        QCOMPARE(Headings(d.get()).last(), QStringLiteral("价格"));
        d->Collist->setCurrentRow(3, QItemSelectionModel::NoUpdate);
        QVERIFY(!d->LinkCheck->isChecked()); // a new column is no link column

        d->TitleText->setFocus();
        QTest::keyClick(d->TitleText, Qt::Key_Return); // Enter in a field writes no table
        QVERIFY(d->isVisible());
        QCOMPARE(d->result(), int(QDialog::Rejected)); // no table handed back

        // An emptied title: the grid shows the default, the list shows it empty.
        d->TitleText->clear();
        QTest::keyClicks(d->TitleText, " ");
        QTest::keyClick(d->TitleText, Qt::Key_Backspace);
        QCOMPARE(d->Collist->item(3)->text(), QString());
        QCOMPARE(Headings(d.get()).last(), QStringLiteral("     第4列         "));

        // The row being edited goes.
        d->Addrow->click();
        d->Addrow->click();
        QCOMPARE(d->CountLabel->text(), QStringLiteral("3"));
        d->Grid->setItem(2, 0, new QTableWidgetItem("last"));
        ClickCell(d.get(), 1, 0);
        d->Delerowcommand->click();
        QCOMPARE(d->Grid->rowCount(), 2);
        QCOMPARE(Cell(d.get(), 1, 0), QStringLiteral("last"));
        QVERIFY(!d->CellEditor->isVisible());
        QCOMPARE(d->CountLabel->text(), QStringLiteral("2"));
        d->reject();
    }

    // Closing without OK: a grid beyond one data row and one data column asks first; only Yes closes.
    void closeConfirmation_data()
    {
        QTest::addColumn<QString>("grow");
        QTest::addColumn<bool>("closeBox");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("closed");
        QTest::newRow("2 x 2 closes at once") << "" << false << int(MsgAnswer::No) << false << true;
        QTest::newRow("second row, No") << "row" << false << int(MsgAnswer::No) << true << false;
        QTest::newRow("second row, Cancel") << "row" << false << int(MsgAnswer::Cancel) << true << false;
        QTest::newRow("second row, Yes") << "row" << false << int(MsgAnswer::Yes) << true << true;
        QTest::newRow("second column, close box, Yes") << "column" << true << int(MsgAnswer::Yes) << true << true;
    }
    void closeConfirmation()
    {
        QFETCH(QString, grow);
        QFETCH(bool, closeBox);
        QFETCH(int, answer);
        auto d = Show();
        if (grow == QLatin1String("row"))
            d->Addrow->click();
        else if (grow == QLatin1String("column"))
            d->Addcolcommand->click();
        f_.answers = {MsgAnswer(answer)};
        if (closeBox)
            d->close();
        else
            d->cancelcommand->click();
        QFETCH(bool, asked);
        QCOMPARE(f_.prompts->Record().size(), asked ? 1 : 0);
        if (asked) {
            const MessageRecord& box = f_.prompts->Record().first();
            QCOMPARE(box.text, QStringLiteral("您确信不生成表格就退出吗?"));
            QCOMPARE(box.title, QStringLiteral("提示"));
            QCOMPARE(box.buttons, MsgButtons::YesNoCancel);
        }
        QTEST(!d->isVisible(), "closed");
        QCOMPARE(d->result(), int(QDialog::Rejected)); // no table handed back
    }

    // Escape in a cell takes back what was typed there and nothing else; a second Escape is the dialog's, with its
    // confirmation.
    void escapeInACell_data()
    {
        QTest::addColumn<bool>("secondRow");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("closed");
        QTest::newRow("one data row closes at once") << false << int(MsgAnswer::No) << false << true;
        QTest::newRow("second row, No") << true << int(MsgAnswer::No) << true << false;
        QTest::newRow("second row, Yes") << true << int(MsgAnswer::Yes) << true << true;
    }
    void escapeInACell()
    {
        QFETCH(bool, secondRow);
        QFETCH(int, answer);
        auto d = Show();
        if (secondRow)
            d->Addrow->click();
        // The grid has one column: Tab from the first row goes on to the second.
        const int last = secondRow ? 1 : 0;
        d->Grid->setItem(last, 0, new QTableWidgetItem(QStringLiteral("旧")));
        ClickCell(d.get(), 0, 0);
        if (secondRow) {
            Type(d->CellEditor, QStringLiteral("kept"));
            QTest::keyClick(d->CellEditor, Qt::Key_Tab);
        }
        Type(d->CellEditor, QStringLiteral("新"));
        QCOMPARE(Cell(d.get(), last, 0), QStringLiteral("新"));
        QTest::keyClick(d->CellEditor, Qt::Key_Escape);
        QVERIFY(d->isVisible());
        QVERIFY(f_.prompts->Record().isEmpty());
        QCOMPARE(Cell(d.get(), last, 0), QStringLiteral("旧"));
        QCOMPARE(Cell(d.get(), 0, 0), secondRow ? QStringLiteral("kept") : QStringLiteral("旧"));
        QCOMPARE(EditedCell(d.get()), QString());
        QCOMPARE(QApplication::focusWidget(), d->Grid);

        f_.answers = {MsgAnswer(answer)};
        QTest::keyClick(d->Grid, Qt::Key_Escape);
        QTEST(f_.prompts->Record().size() == 1, "asked");
        QTEST(!d->isVisible(), "closed");
    }

    // The tag editor reopens a table start tag in the table settings, filled from it.
    void editTableStartTag()
    {
        PageWindow* doc = f_.Active();
        PageWindowFixture::SetText(doc,
                                   "<TABLE Border=1 width=80% align=justify frame=VOID bgcolor=#ff0000 rules=rows>"
                                   "<tr><td>x</td></tr></table>",
                                   10);
        int seen = 0;
        OnNextModal<ElementDialog>(
            [](ElementDialog* d) {
                QVERIFY(d->Given().purpose == ElementDialog::Purpose::RebuildStartTag);
                QCOMPARE(d->TitleLabel->text(), QStringLiteral("     表格设置"));
                QCOMPARE(Child<QLineEdit>(d, "TableText_0")->text(), QStringLiteral("1"));
                QCOMPARE(Child<QLineEdit>(d, "TableText_1")->text(), QStringLiteral("80%"));
                QVERIFY(Child<QAbstractButton>(d, "BorderShowOption_7")->isChecked());
                QVERIFY(Child<QAbstractButton>(d, "RulesOption_2")->isChecked());
                for (int i = 0; i < 3; ++i)
                    QVERIFY(!Child<QAbstractButton>(d, QStringLiteral("TabAlignOption_%1").arg(i))->isChecked());
                QLineEdit* border = Child<QLineEdit>(d, "TableText_0");
                border->selectAll();
                QTest::keyClicks(border, "2");
                d->OkCommand->click();
            },
            &seen);
        f_.frame->RunCommand(Command::EditTag);
        QCOMPARE(seen, 1);
        // An alignment no option stands for stays among the other attributes.
        QCOMPARE(PageWindowFixture::Text(doc),
                 QStringLiteral("<table border=\"2\" width=\"80%\" bgcolor=\"#ff0000\" frame=\"void\" rules=\"rows\" "
                                "align=\"justify\"><tr><td>x</td></tr></table>"));
    }
};

QTEST_MAIN(TestTableGridDialog)
#include "tst_tablegriddialog.moc"
