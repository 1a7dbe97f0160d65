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

    Grid = new QTableWidget(this);
    Grid->setObjectName(QStringLiteral("Dbgrid1"));
    // Cells are typed into the editor laid over them, never into the grid itself.
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setTabKeyNavigation(false);
    Grid->setMinimumSize(520, 320);

    CellEditor = new QLineEdit(this);
    CellEditor->setObjectName(QStringLiteral("Text1"));
    CellEditor->hide();
    CellEditor->installEventFilter(this);
    Grid->viewport()->installEventFilter(this);

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

    Progress = new QProgressBar(this);
    Progress->setObjectName(QStringLiteral("HScroll1"));
    Progress->setTextVisible(false);
    Progress->hide();

    auto* body = new QGridLayout;
    body->addWidget(Grid, 0, 0);
    body->addWidget(Progress, 0, 0, Qt::AlignVCenter);
    body->addLayout(rowButtons, 1, 0);
    body->addWidget(ColFrame, 0, 1, 2, 1);
    body->setColumnStretch(0, 1);
    auto* main = new QVBoxLayout(this);
    main->addLayout(body, 1);
    main->addLayout(buttons.Row);

    // Tab order: the grid, its buttons, the column settings, then the dialog's buttons.
    QWidget* order[] = {Grid,      CellEditor, Addrow,   Delerowcommand, Addcolcommand, Coldelecommand, Collist,
                        TitleText, LinkCheck,  Titlecom, TableSetcom,    OKCommand,     cancelcommand};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(Grid, &QTableWidget::cellClicked, this, &TableGridDialog::ChooseCell);
    connect(Grid, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        // A move by key in the grid itself edits the cell moved to.
        if (!placing_ && Grid->hasFocus() && row >= 0 && column >= 0)
            EditCell(row, column);
    });
    // The editor does not scroll with the grid: it goes out of sight until a cell is chosen again.
    connect(Grid->horizontalScrollBar(), &QScrollBar::valueChanged, this, &TableGridDialog::HideEditor);
    connect(Grid->verticalScrollBar(), &QScrollBar::valueChanged, this, &TableGridDialog::HideEditor);
    // A column or row that changes its size takes the editor over its cell along.
    const auto follow = [this] {
        if (CellEditor->isVisible())
            PlaceEditor();
    };
    connect(Grid->horizontalHeader(), &QHeaderView::sectionResized, this, follow);
    connect(Grid->verticalHeader(), &QHeaderView::sectionResized, this, follow);
    connect(CellEditor, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (placing_)
            return;
        const int row = Grid->currentRow(), column = Grid->currentColumn();
        if (row < 0 || column < 0)
            return;
        if (QTableWidgetItem* item = Grid->item(row, column))
            item->setText(text);
        else
            Grid->setItem(row, column, new QTableWidgetItem(text));
    });
    connect(Addrow, &QPushButton::clicked, this, &TableGridDialog::AddRow);
    connect(Delerowcommand, &QPushButton::clicked, this, &TableGridDialog::DeleteRow);
    connect(Addcolcommand, &QPushButton::clicked, this, &TableGridDialog::AddColumn);
    connect(Coldelecommand, &QPushButton::clicked, this, &TableGridDialog::DeleteColumn);
    connect(Collist, &QListWidget::currentRowChanged, this, &TableGridDialog::ChooseColumn);
    connect(Collist, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ChooseColumn(Collist->row(item)); });
    connect(Collist, &QListWidget::itemSelectionChanged, this, [this] {
        for (int k = 0; k < Collist->count(); ++k)
            markup_.Output[k] = Collist->item(k)->isSelected();
    });
    connect(TitleText, &QLineEdit::textEdited, this, &TableGridDialog::RenameColumn);
    connect(LinkCheck, &QCheckBox::clicked, this, &TableGridDialog::MarkLinkColumn);
    connect(Titlecom, &QPushButton::clicked, this, &TableGridDialog::EditCaption);
    connect(TableSetcom, &QPushButton::clicked, this, &TableGridDialog::EditTableTag);
    connect(OKCommand, &QPushButton::clicked, this, &TableGridDialog::Accept);
    connect(cancelcommand, &QPushButton::clicked, this, &TableGridDialog::reject);

    resize(860, 540);
}

std::optional<QString> TableGridDialog::MakeTable(const BuilderContext& context, QWidget* owner)
{
    TableGridDialog form(context, owner);
    const QString html = form.Run().value_or(QString());
    // A table cut short by a failure is inserted all the same; a blank one is not.
    if (html > QLatin1String(" "))
        return html + CrLf;
    return std::nullopt;
}

void TableGridDialog::Load()
{
    markup_.Reset();
    tableDone_ = false;
    html_.clear();
    Grid->setRowCount(markup_.Rows - 1);
    Grid->setColumnCount(markup_.Cols - 1);
    RefreshHeadings();
    Collist->clear();
    Collist->addItem(markup_.ColTitle.at(1));
    Collist->item(0)->setSelected(true);
    SetBoxEnabled(TitleText, false);
    Grid->setCurrentCell(0, 0);
    ShowCount();
}

void TableGridDialog::showEvent(QShowEvent* event)
{
    BuilderDialog::showEvent(event);
    // The first cell is ready for typing: the layout has given the grid its size by now.
    if (!CellEditor->isVisible() && Grid->rowCount() > 0 && Grid->columnCount() > 0)
        EditCell(qMax(0, Grid->currentRow()), qMax(0, Grid->currentColumn()));
}

void TableGridDialog::RefreshHeadings()
{
    markup_.RefreshHeadings();
    const QStringList titles = markup_.Headings();
    Grid->setHorizontalHeaderLabels(titles);
    // The blanks of a title widen its column.
    const QFontMetrics metrics = Grid->horizontalHeader()->fontMetrics();
    const int least = Grid->horizontalHeader()->defaultSectionSize();
    for (int i = 0; i < titles.size(); ++i)
        Grid->setColumnWidth(i, qMax(least, metrics.horizontalAdvance(titles.at(i)) + 16));
}

void TableGridDialog::ShowCount()
{
    CountLabel->setText(QString::number(markup_.Rows - 1));
}

void TableGridDialog::ChooseCell(int row, int column)
{
    EditCell(row, column);
}

void TableGridDialog::EditCell(int row, int column)
{
    if (row < 0 || column < 0 || row >= Grid->rowCount() || column >= Grid->columnCount())
        return;
    ShowCount();
    HideEditor();
    placing_ = true;
    Grid->setCurrentCell(row, column);
    Grid->doItemsLayout(); // a row just added has its place before the grid scrolls to it
    Grid->scrollTo(Grid->model()->index(row, column));
    const QTableWidgetItem* item = Grid->item(row, column);
    cellBefore_ = item ? item->text() : QString();
    CellEditor->setText(cellBefore_);
    placing_ = false;
    PlaceEditor();
    CellEditor->show();
    CellEditor->raise();
    SelectAllInBox(CellEditor);
}

void TableGridDialog::PlaceEditor()
{
    const QModelIndex index = Grid->model()->index(Grid->currentRow(), Grid->currentColumn());
    QWidget* viewport = Grid->viewport();
    // Over the cell, within the part of the grid that shows cells.
    const QRect cell = Grid->visualRect(index).intersected(viewport->rect());
    CellEditor->setGeometry(QRect(viewport->mapTo(this, cell.topLeft()), cell.size()));
}

void TableGridDialog::HideEditor()
{
    if (!placing_)
        CellEditor->hide();
}

void TableGridDialog::CancelCellEdit()
{
    CellEditor->setText(cellBefore_); // written through to the cell
    CellEditor->hide();
    Grid->setFocus();
}

bool TableGridDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == CellEditor && event->type() == QEvent::KeyPress)
        return EditorKeyPress(static_cast<QKeyEvent*>(event)->key());
    // The grid changed its size (the dialog was resized): the editor follows its cell.
    if (watched == Grid->viewport() && event->type() == QEvent::Resize && CellEditor->isVisible())
        PlaceEditor();
    return BuilderDialog::eventFilter(watched, event);
}

bool TableGridDialog::EditorKeyPress(int key)
{
    const int row = Grid->currentRow(), column = Grid->currentColumn();
    switch (key) {
    case Qt::Key_Tab:
        if (column + 1 < Grid->columnCount())
            EditCell(row, column + 1);
        else if (row + 1 < Grid->rowCount())
            EditCell(row + 1, 0);
        return true; // at the last cell Tab stays where it is
    case Qt::Key_Up:
    case Qt::Key_Down: {
        // Only while the whole text is selected: otherwise the keys belong to the box.
        if (CellEditor->selectedText() != CellEditor->text())
            return false;
        const int next = key == Qt::Key_Up ? row - 1 : row + 1;
        if (next >= 0 && next < Grid->rowCount())
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

void TableGridDialog::AddRow()
{
    markup_.AddRow();
    Grid->setRowCount(markup_.Rows - 1);
    ShowCount();
}

void TableGridDialog::DeleteRow()
{
    const int row = Grid->currentRow() >= 0 ? Grid->currentRow() : Grid->rowCount() - 1;
    if (!markup_.DeleteRow())
        return;
    Grid->removeRow(row);
    CellEditor->hide();
    ShowCount();
}

void TableGridDialog::AddColumn()
{
    if (!markup_.AddColumn())
        return;
    Grid->setColumnCount(markup_.Cols - 1);
    RefreshHeadings();
    Collist->addItem(markup_.ColTitle.at(markup_.Cols - 1));
    Collist->item(Collist->count() - 1)->setSelected(true);
}

void TableGridDialog::DeleteColumn()
{
    if (!markup_.DeleteColumn())
        return;
    Grid->setColumnCount(markup_.Cols - 1);
    delete Collist->takeItem(Collist->count() - 1);
    CellEditor->hide();
    RefreshHeadings();
}

void TableGridDialog::ChooseColumn(int entry)
{
    if (entry < 0 || entry >= Collist->count())
        return;
    TitleText->setText(Collist->item(entry)->text());
    SetBoxEnabled(TitleText, true);
    LinkCheck->setChecked(markup_.LinkFlag.at(entry));
}

void TableGridDialog::RenameColumn(const QString& text)
{
    const int entry = Collist->currentRow();
    if (entry < 0)
        return;
    Collist->item(entry)->setText(text);
    markup_.SetTitle(entry + 1, text);
    RefreshHeadings();
}

void TableGridDialog::MarkLinkColumn(bool checked)
{
    const int entry = Collist->currentRow();
    if (entry >= 0)
        markup_.LinkFlag[entry] = checked;
}

void TableGridDialog::EditTableTag()
{
    ElementDialog settings(Context(), {ElementDialog::Purpose::Insert, QStringLiteral("<table"), {}}, this);
    if (const auto tag = settings.Run(); tag && !tag->markup.isEmpty())
        markup_.TableTag = tag->markup;
}

void TableGridDialog::EditCaption()
{
    ElementDialog caption(Context(), {ElementDialog::Purpose::Insert, QStringLiteral("<caption"), {}}, this);
    if (const auto tag = caption.Run(); tag && !tag->markup.isEmpty())
        markup_.CaptionTag = tag->markup;
}

void TableGridDialog::Accept()
{
    tableDone_ = true;
    Generate();
    accept();
}

QList<QStringList> TableGridDialog::GridCells() const
{
    QList<QStringList> cells;
    const int rows = Grid->rowCount(), columns = Grid->columnCount();
    cells.reserve(rows);
    for (int r = 0; r < rows; ++r) {
        QStringList row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c) {
            const QTableWidgetItem* item = Grid->item(r, c);
            row.append(item ? item->text() : QString());
        }
        cells.append(row);
    }
    return cells;
}

void TableGridDialog::Generate()
{
    CellEditor->hide();
    Grid->hide();
    Grid->setEnabled(false);
    Progress->setRange(0, markup_.Rows);
    Progress->setValue(0);
    Progress->show();
    const TableMarkup::Result table = markup_.Generate(GridCells(), [this](int row) { Progress->setValue(row); });
    html_ = table.Html;
    if (!table.Complete)
        Messages::Show(this, QStringLiteral("出现一个错误,有可能无法完成表格生成"));
}

void TableGridDialog::reject()
{
    if (!tableDone_ && (markup_.Cols > 2 || markup_.Rows > 2) &&
        Messages::Show(this, QStringLiteral("您确信不生成表格就退出吗?"), QStringLiteral("提示"),
                       MsgButtons::YesNoCancel) != MsgAnswer::Yes)
        return;
    html_.clear();
    BuilderDialog::reject();
}
