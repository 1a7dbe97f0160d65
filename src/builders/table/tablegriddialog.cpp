#include "builders/table/tablegriddialog.h"

#include "base/dialogbuttons.h"
#include "base/formkit.h"
#include "base/helpers.h"
#include "base/messages.h"
#include "base/uihelpers.h"
#include "builders/elements/elementdialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

TableGridDialog::TableGridDialog(const BuilderContext& context, QWidget* parent) : BuilderDialog(context, parent)
{
    setObjectName(QStringLiteral("TableForm"));
    setWindowTitle(QStringLiteral("表格处理"));
    KeepOpenOnEnter();

    Dbgrid1 = new QTableWidget(this);
    Dbgrid1->setObjectName(QStringLiteral("Dbgrid1"));
    // Cells are typed into the editor laid over them, never into the grid itself.
    Dbgrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Dbgrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    Dbgrid1->setTabKeyNavigation(false);
    Dbgrid1->setMinimumSize(520, 320);

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->hide();
    Text1->installEventFilter(this);
    Dbgrid1->viewport()->installEventFilter(this);

    Addrow = FormKit::Button(this, QStringLiteral("Addrow"), QStringLiteral("新增一行"));
    Delerowcommand = FormKit::Button(this, QStringLiteral("Delerowcommand"), QStringLiteral("删除此行"));
    Addcolcommand = FormKit::Button(this, QStringLiteral("Addcolcommand"), QStringLiteral("增加一列"));
    Coldelecommand = FormKit::Button(this, QStringLiteral("Coldelecommand"), QStringLiteral("删除一列"));
    CountLabel = new QLabel(this);
    CountLabel->setObjectName(QStringLiteral("CountLabel"));
    CountLabel->setToolTip(QStringLiteral("数据行数"));
    auto* rowButtons = new QHBoxLayout;
    for (QPushButton* b : {Addrow, Delerowcommand, Addcolcommand, Coldelecommand})
        rowButtons->addWidget(b);
    rowButtons->addStretch(1);
    rowButtons->addWidget(CountLabel);

    ColFrame = new QGroupBox(QStringLiteral("列设置"), this);
    ColFrame->setObjectName(QStringLiteral("ColFrame"));
    auto* columns = new QGridLayout(ColFrame);
    auto* listLabel = new QLabel(QStringLiteral("选择列"), ColFrame);
    Collist = new QListWidget(ColFrame);
    Collist->setObjectName(QStringLiteral("Collist"));
    Collist->setSelectionMode(QAbstractItemView::MultiSelection);
    listLabel->setBuddy(Collist);
    columns->addWidget(listLabel, 0, 0, 1, 2);
    columns->addWidget(Collist, 1, 0, 1, 2);
    TitleText = FormKit::TextRow(columns, 2, QStringLiteral("列标题"), QStringLiteral("TitleText"));
    LinkCheck = FormKit::Check(ColFrame, QStringLiteral("LinkCheck"), QStringLiteral("设为超链接"));
    columns->addWidget(LinkCheck, 3, 0, 1, 2);
    columns->setRowStretch(1, 1);

    Titlecom = FormKit::Button(this, QStringLiteral("Titlecom"), QStringLiteral("表格标题设置"));
    TableSetcom = FormKit::Button(this, QStringLiteral("TableSetcom"), QStringLiteral("表格修饰"));
    const DialogButtons buttons =
        DialogButtons::Make(this, QStringLiteral("OKCommand"), QStringLiteral("cancelcommand"));
    OKCommand = buttons.Ok;
    cancelcommand = buttons.Cancel;
    buttons.Row->insertWidget(0, Titlecom);
    buttons.Row->insertWidget(1, TableSetcom);
    buttons.Row->insertStretch(2, 1);

    HScroll1 = new QProgressBar(this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setTextVisible(false);
    HScroll1->hide();

    auto* body = new QGridLayout;
    body->addWidget(Dbgrid1, 0, 0);
    body->addWidget(HScroll1, 0, 0, Qt::AlignVCenter);
    body->addLayout(rowButtons, 1, 0);
    body->addWidget(ColFrame, 0, 1, 2, 1);
    body->setColumnStretch(0, 1);
    auto* main = new QVBoxLayout(this);
    main->addLayout(body, 1);
    main->addLayout(buttons.Row);

    // Tab order: the grid, its buttons, the column settings, then the dialog's buttons.
    QWidget* order[] = {Dbgrid1,   Text1,     Addrow,   Delerowcommand, Addcolcommand, Coldelecommand, Collist,
                        TitleText, LinkCheck, Titlecom, TableSetcom,    OKCommand,     cancelcommand};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(Dbgrid1, &QTableWidget::cellClicked, this, &TableGridDialog::Dbgrid1_Click);
    connect(Dbgrid1, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        // A move by key in the grid itself edits the cell moved to.
        if (!placing_ && Dbgrid1->hasFocus() && row >= 0 && column >= 0)
            EditCell(row, column);
    });
    // The editor does not scroll with the grid: it goes out of sight until a cell is chosen again.
    connect(Dbgrid1->horizontalScrollBar(), &QScrollBar::valueChanged, this, &TableGridDialog::HideEditor);
    connect(Dbgrid1->verticalScrollBar(), &QScrollBar::valueChanged, this, &TableGridDialog::HideEditor);
    // A column or row that changes its size takes the editor over its cell along.
    const auto follow = [this] {
        if (Text1->isVisible())
            PlaceEditor();
    };
    connect(Dbgrid1->horizontalHeader(), &QHeaderView::sectionResized, this, follow);
    connect(Dbgrid1->verticalHeader(), &QHeaderView::sectionResized, this, follow);
    connect(Text1, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (placing_)
            return;
        const int row = Dbgrid1->currentRow(), column = Dbgrid1->currentColumn();
        if (row < 0 || column < 0)
            return;
        if (QTableWidgetItem* item = Dbgrid1->item(row, column))
            item->setText(text);
        else
            Dbgrid1->setItem(row, column, new QTableWidgetItem(text));
    });
    connect(Addrow, &QPushButton::clicked, this, &TableGridDialog::Addrow_Click);
    connect(Delerowcommand, &QPushButton::clicked, this, &TableGridDialog::Delerowcommand_Click);
    connect(Addcolcommand, &QPushButton::clicked, this, &TableGridDialog::Addcolcommand_Click);
    connect(Coldelecommand, &QPushButton::clicked, this, &TableGridDialog::Coldelecommand_Click);
    connect(Collist, &QListWidget::currentRowChanged, this, &TableGridDialog::Collist_Click);
    connect(Collist, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Collist_Click(Collist->row(item)); });
    connect(Collist, &QListWidget::itemSelectionChanged, this, [this] {
        for (int k = 0; k < Collist->count(); ++k)
            Markup.Output[k] = Collist->item(k)->isSelected();
    });
    connect(TitleText, &QLineEdit::textEdited, this, &TableGridDialog::TitleText_Change);
    connect(LinkCheck, &QCheckBox::clicked, this, &TableGridDialog::LinkCheck_Click);
    connect(Titlecom, &QPushButton::clicked, this, &TableGridDialog::Titlecom_Click);
    connect(TableSetcom, &QPushButton::clicked, this, &TableGridDialog::TableSetcom_Click);
    connect(OKCommand, &QPushButton::clicked, this, &TableGridDialog::OKCommand_Click);
    connect(cancelcommand, &QPushButton::clicked, this, &TableGridDialog::reject);

    resize(860, 540);
}

std::optional<QString> TableGridDialog::MakeTable(const BuilderContext& context, QWidget* owner)
{
    TableGridDialog form(context, owner);
    form.Run();
    // A table cut short by a failure is inserted all the same; a blank one is not.
    if (form.HtmlTxt > QLatin1String(" "))
        return form.HtmlTxt + CrLf;
    return std::nullopt;
}

void TableGridDialog::Load()
{
    Markup.Reset();
    TableDone = false;
    HtmlTxt.clear();
    Dbgrid1->setRowCount(Markup.Rows - 1);
    Dbgrid1->setColumnCount(Markup.Cols - 1);
    RefreshHeadings();
    Collist->clear();
    Collist->addItem(Markup.ColTitle.at(1));
    Collist->item(0)->setSelected(true);
    SetBoxEnabled(TitleText, false);
    Dbgrid1->setCurrentCell(0, 0);
    ShowCount();
}

void TableGridDialog::showEvent(QShowEvent* event)
{
    BuilderDialog::showEvent(event);
    // The first cell is ready for typing: the layout has given the grid its size by now.
    if (!Text1->isVisible() && Dbgrid1->rowCount() > 0 && Dbgrid1->columnCount() > 0)
        EditCell(qMax(0, Dbgrid1->currentRow()), qMax(0, Dbgrid1->currentColumn()));
}

void TableGridDialog::RefreshHeadings()
{
    Markup.RefreshHeadings();
    const QStringList titles = Markup.Headings();
    Dbgrid1->setHorizontalHeaderLabels(titles);
    // The blanks of a title widen its column.
    const QFontMetrics metrics = Dbgrid1->horizontalHeader()->fontMetrics();
    const int least = Dbgrid1->horizontalHeader()->defaultSectionSize();
    for (int i = 0; i < titles.size(); ++i)
        Dbgrid1->setColumnWidth(i, qMax(least, metrics.horizontalAdvance(titles.at(i)) + 16));
}

void TableGridDialog::ShowCount()
{
    CountLabel->setText(QString::number(Markup.Rows - 1));
}

void TableGridDialog::Dbgrid1_Click(int row, int column)
{
    EditCell(row, column);
}

void TableGridDialog::EditCell(int row, int column)
{
    if (row < 0 || column < 0 || row >= Dbgrid1->rowCount() || column >= Dbgrid1->columnCount())
        return;
    ShowCount();
    HideEditor();
    placing_ = true;
    Dbgrid1->setCurrentCell(row, column);
    Dbgrid1->doItemsLayout(); // a row just added has its place before the grid scrolls to it
    Dbgrid1->scrollTo(Dbgrid1->model()->index(row, column));
    const QTableWidgetItem* item = Dbgrid1->item(row, column);
    cellBefore_ = item ? item->text() : QString();
    Text1->setText(cellBefore_);
    placing_ = false;
    PlaceEditor();
    Text1->show();
    Text1->raise();
    SelectAllInBox(Text1);
}

void TableGridDialog::PlaceEditor()
{
    const QModelIndex index = Dbgrid1->model()->index(Dbgrid1->currentRow(), Dbgrid1->currentColumn());
    QWidget* viewport = Dbgrid1->viewport();
    // Over the cell, within the part of the grid that shows cells.
    const QRect cell = Dbgrid1->visualRect(index).intersected(viewport->rect());
    Text1->setGeometry(QRect(viewport->mapTo(this, cell.topLeft()), cell.size()));
}

void TableGridDialog::HideEditor()
{
    if (!placing_)
        Text1->hide();
}

void TableGridDialog::CancelCellEdit()
{
    Text1->setText(cellBefore_); // written through to the cell
    Text1->hide();
    Dbgrid1->setFocus();
}

bool TableGridDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Text1 && event->type() == QEvent::KeyPress)
        return Text1_KeyPress(static_cast<QKeyEvent*>(event)->key());
    // The grid changed its size (the dialog was resized): the editor follows its cell.
    if (watched == Dbgrid1->viewport() && event->type() == QEvent::Resize && Text1->isVisible())
        PlaceEditor();
    return BuilderDialog::eventFilter(watched, event);
}

bool TableGridDialog::Text1_KeyPress(int key)
{
    const int row = Dbgrid1->currentRow(), column = Dbgrid1->currentColumn();
    switch (key) {
    case Qt::Key_Tab:
        if (column + 1 < Dbgrid1->columnCount())
            EditCell(row, column + 1);
        else if (row + 1 < Dbgrid1->rowCount())
            EditCell(row + 1, 0);
        return true; // at the last cell Tab stays where it is
    case Qt::Key_Up:
    case Qt::Key_Down: {
        // Only while the whole text is selected: otherwise the keys belong to the box.
        if (Text1->selectedText() != Text1->text())
            return false;
        const int next = key == Qt::Key_Up ? row - 1 : row + 1;
        if (next >= 0 && next < Dbgrid1->rowCount())
            EditCell(next, column);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true; // Enter in a cell never ends the dialog
    case Qt::Key_Escape:
        CancelCellEdit(); // nor does Escape: it ends the cell's edit
        return true;
    default:
        return false;
    }
}

void TableGridDialog::Addrow_Click()
{
    Markup.AddRow();
    Dbgrid1->setRowCount(Markup.Rows - 1);
    ShowCount();
}

void TableGridDialog::Delerowcommand_Click()
{
    const int row = Dbgrid1->currentRow() >= 0 ? Dbgrid1->currentRow() : Dbgrid1->rowCount() - 1;
    if (!Markup.DeleteRow())
        return;
    Dbgrid1->removeRow(row);
    Text1->hide();
    ShowCount();
}

void TableGridDialog::Addcolcommand_Click()
{
    if (!Markup.AddColumn())
        return;
    Dbgrid1->setColumnCount(Markup.Cols - 1);
    RefreshHeadings();
    Collist->addItem(Markup.ColTitle.at(Markup.Cols - 1));
    Collist->item(Collist->count() - 1)->setSelected(true);
}

void TableGridDialog::Coldelecommand_Click()
{
    if (!Markup.DeleteColumn())
        return;
    Dbgrid1->setColumnCount(Markup.Cols - 1);
    delete Collist->takeItem(Collist->count() - 1);
    Text1->hide();
    RefreshHeadings();
}

void TableGridDialog::Collist_Click(int entry)
{
    if (entry < 0 || entry >= Collist->count())
        return;
    TitleText->setText(Collist->item(entry)->text());
    SetBoxEnabled(TitleText, true);
    LinkCheck->setChecked(Markup.LinkFlag.at(entry));
}

void TableGridDialog::TitleText_Change(const QString& text)
{
    const int entry = Collist->currentRow();
    if (entry < 0)
        return;
    Collist->item(entry)->setText(text);
    Markup.SetTitle(entry + 1, text);
    RefreshHeadings();
}

void TableGridDialog::LinkCheck_Click(bool checked)
{
    const int entry = Collist->currentRow();
    if (entry >= 0)
        Markup.LinkFlag[entry] = checked;
}

void TableGridDialog::TableSetcom_Click()
{
    ElementDialog settings(Context(), {ElementDialog::Purpose::Insert, QStringLiteral("<table"), {}}, this);
    if (const auto tag = settings.Run(); tag && !tag->markup.isEmpty())
        Markup.TableTag = tag->markup;
}

void TableGridDialog::Titlecom_Click()
{
    ElementDialog caption(Context(), {ElementDialog::Purpose::Insert, QStringLiteral("<caption"), {}}, this);
    if (const auto tag = caption.Run(); tag && !tag->markup.isEmpty())
        Markup.CaptionTag = tag->markup;
}

void TableGridDialog::OKCommand_Click()
{
    TableDone = true;
    Generate();
    accept();
}

QList<QStringList> TableGridDialog::GridCells() const
{
    QList<QStringList> cells;
    const int rows = Dbgrid1->rowCount(), columns = Dbgrid1->columnCount();
    cells.reserve(rows);
    for (int r = 0; r < rows; ++r) {
        QStringList row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c) {
            const QTableWidgetItem* item = Dbgrid1->item(r, c);
            row.append(item ? item->text() : QString());
        }
        cells.append(row);
    }
    return cells;
}

void TableGridDialog::Generate()
{
    Text1->hide();
    Dbgrid1->hide();
    Dbgrid1->setEnabled(false);
    HScroll1->setRange(0, Markup.Rows);
    HScroll1->setValue(0);
    HScroll1->show();
    const TableMarkup::Result table = Markup.Generate(GridCells(), [this](int row) { HScroll1->setValue(row); });
    HtmlTxt = table.Html;
    if (!table.Complete)
        Messages::Show(this, QStringLiteral("出现一个错误,有可能无法完成表格生成"));
}

void TableGridDialog::reject()
{
    if (!TableDone && (Markup.Cols > 2 || Markup.Rows > 2) &&
        Messages::Show(this, QStringLiteral("您确信不生成表格就退出吗?"), QStringLiteral("提示"),
                       MsgButtons::YesNoCancel) != MsgAnswer::Yes)
        return;
    HtmlTxt.clear();
    BuilderDialog::reject();
}
