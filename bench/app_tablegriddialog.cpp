// Times the grid table builder on a 1,000 x 20 table: the markup written from the cells alone, OK in the dialog
// (the grid read, the progress bar, the markup), one key typed into a cell of the full grid and one Tab to the next
// cell, their paint included.
#include "base/programstate.h"
#include "builders/table/tablegriddialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QListWidget>
#include <QCheckBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Rows = 1000;
constexpr int Columns = 20;

QString CellText(int row, int column)
{
    return QStringLiteral("第%1行第%2列").arg(row).arg(column);
}

double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Fill(TableGridDialog& form)
{
    for (int i = 1; i < Columns; ++i)
        form.Addcolcommand->click();
    for (int j = 1; j < Rows; ++j)
        form.Addrow->click();
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Columns; ++c)
            form.Grid->setItem(r, c, new QTableWidgetItem(CellText(r + 1, c + 1)));
    // The first column is a link column.
    form.Collist->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    form.LinkCheck->click();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    ProgramState shared(dir.path());

    // The markup alone.
    TableMarkup markup;
    QList<QStringList> cells;
    for (int r = 1; r <= Rows; ++r) {
        QStringList row;
        for (int c = 1; c <= Columns; ++c)
            row << CellText(r, c);
        cells << row;
    }
    for (int i = 1; i < Columns; ++i)
        markup.AddColumn();
    for (int j = 1; j < Rows; ++j)
        markup.AddRow();
    markup.LinkFlag[0] = true;
    std::vector<double> core;
    qsizetype size = 0;
    for (int i = 0; i < 21; ++i) {
        QElapsedTimer timer;
        timer.start();
        size = markup.Generate(cells).Html.size();
        core.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("markup of a %d x %d table (%lld characters): median %.2f ms\n", Rows, Columns,
                static_cast<long long>(size), Median(core));

    // OK in the dialog, and typing into the full grid.
    std::vector<double> ok, keys, tabs;
    for (int i = 0; i < 5; ++i) {
        TableGridDialog form(shared.Context());
        // The dialog runs as the program runs it; what it hands back is checked after OK.
        QTimer::singleShot(0, &form, [&] {
            Fill(form);
            QApplication::processEvents();
            form.EditCell(Rows / 2, Columns / 2);
            QApplication::processEvents();
            for (int k = 0; k < 20; ++k) {
                QElapsedTimer timer;
                timer.start();
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("字"));
                QApplication::sendEvent(form.CellEditor, &press);
                QApplication::processEvents(); // the cell and the editor repainted
                keys.push_back(timer.nsecsElapsed() / 1e6);
            }
            for (int k = 0; k < 20; ++k) {
                QElapsedTimer timer;
                timer.start();
                QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
                QApplication::sendEvent(form.CellEditor, &tab);
                QApplication::processEvents();
                tabs.push_back(timer.nsecsElapsed() / 1e6);
            }
            QElapsedTimer timer;
            timer.start();
            form.OKCommand->click();
            ok.push_back(timer.nsecsElapsed() / 1e6);
        });
        const std::optional<QString> written = form.Run();
        // The first key typed over the cell's selected text, the others after it.
        const qsizetype expected = size - CellText(Rows / 2 + 1, Columns / 2 + 1).size() + 20;
        if (!written || written->size() != expected)
            std::fprintf(stderr, "the dialog wrote %lld characters\n",
                         static_cast<long long>(written ? written->size() : -1));
    }
    std::printf("OK in the dialog on a %d x %d grid: median %.1f ms, max %.1f ms (limit 300 ms)\n", Rows, Columns,
                Median(ok), *std::max_element(ok.begin(), ok.end()));
    std::printf("one key typed into a cell of that grid: median %.2f ms, max %.2f ms\n", Median(keys),
                *std::max_element(keys.begin(), keys.end()));
    std::printf("Tab to the next cell of that grid: median %.2f ms, max %.2f ms\n", Median(tabs),
                *std::max_element(tabs.begin(), tabs.end()));
    return 0;
}
