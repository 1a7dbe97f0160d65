#include "shell/findresultsdock.h"

#include "shell/matchdelegate.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column
{
    FileColumn,
    LineColumn,
    TextColumn
};

constexpr int PathRole = Qt::UserRole + 1;
constexpr int ColumnRole = Qt::UserRole + 2;
constexpr int LengthRole = Qt::UserRole + 3;

} // namespace

FindResultsDock::FindResultsDock(QWidget* parent) : QDockWidget(QStringLiteral("查找结果"), parent)
{
    setObjectName(QStringLiteral("FindResults"));
    auto* body = new QWidget(this);
    Status = new QLabel(body);
    Status->setObjectName(QStringLiteral("FindStatus"));
    StopButton = new QPushButton(QStringLiteral("停止(&T)"), body);
    StopButton->setObjectName(QStringLiteral("StopFind"));
    StopButton->setEnabled(false);
    Results = new QTreeWidget(body);
    Results->setObjectName(QStringLiteral("FindResultsList"));
    Results->setHeaderLabels({QStringLiteral("文件"), QStringLiteral("行"), QStringLiteral("内容")});
    Results->setRootIsDecorated(false);
    Results->setUniformRowHeights(true);
    Results->setItemDelegateForColumn(TextColumn, new MatchDelegate(Results));
    Results->header()->setStretchLastSection(true);
    Results->setColumnWidth(FileColumn, 220);
    Results->setColumnWidth(LineColumn, 60);

    auto* top = new QHBoxLayout;
    top->addWidget(Status, 1);
    top->addWidget(StopButton);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(top);
    layout->addWidget(Results, 1);
    setWidget(body);

    connect(StopButton, &QPushButton::clicked, this, &FindResultsDock::Stop);
    connect(Results, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { Activated(item); });
}

FindResultsDock::~FindResultsDock()
{
    Stop();
}

void FindResultsDock::Start(const QString& folder, const SearchOptions& options)
{
    Stop();
    ++generation_;
    Results->clear();
    rows_ = 0;
    cancel_ = false;
    folder_ = QDir(folder).absolutePath();
    Status->setText(QStringLiteral("正在 %1 中查找 \"%2\"……").arg(QDir::toNativeSeparators(folder_), options.text));
    StopButton->setEnabled(true);
    show();
    raise();
    const int generation = generation_;
    worker_ = QThread::create([this, generation, folder = folder_, matcher = TextMatcher(options)] {
        const FolderSearch::Summary summary = FolderSearch::Run(
            folder, matcher,
            [this, generation](const QList<FolderHit>& hits) {
                QMetaObject::invokeMethod(
                    this, [this, generation, hits] { if (generation == generation_) AddHits(hits); },
                    Qt::QueuedConnection);
                rows_ += int(hits.size());
                return rows_ < MaxRows;
            },
            &cancel_);
        QMetaObject::invokeMethod(
            this, [this, generation, summary] { if (generation == generation_) Finished(summary); },
            Qt::QueuedConnection);
    });
    worker_->start();
}

void FindResultsDock::Stop()
{
    if (!worker_)
        return;
    cancel_ = true;
    worker_->wait();
    delete worker_;
    worker_ = nullptr;
    StopButton->setEnabled(false);
}

void FindResultsDock::AddHits(const QList<FolderHit>& hits)
{
    const QDir folder(folder_);
    QList<QTreeWidgetItem*> items;
    for (const FolderHit& hit : hits) {
        if (Results->topLevelItemCount() + items.size() >= MaxRows)
            break;
        // Tabs shown as blanks and the line's indent left out; the match keeps its place in what is shown.
        QString text = hit.text;
        text.replace(QLatin1Char('\t'), QLatin1Char(' '));
        qsizetype indent = 0;
        while (indent < hit.textStart && indent < text.size() && text.at(indent).isSpace())
            ++indent;
        auto* item = new QTreeWidgetItem;
        item->setText(FileColumn, folder.relativeFilePath(hit.path));
        item->setToolTip(FileColumn, QDir::toNativeSeparators(hit.path));
        item->setText(LineColumn, QString::number(hit.line));
        item->setText(TextColumn, text.mid(indent));
        item->setData(TextColumn, MatchDelegate::MatchStartRole, int(hit.textStart - indent));
        item->setData(TextColumn, MatchDelegate::MatchLengthRole, hit.length);
        item->setData(FileColumn, PathRole, hit.path);
        item->setData(FileColumn, ColumnRole, hit.column);
        item->setData(FileColumn, LengthRole, hit.length);
        items.append(item);
    }
    Results->addTopLevelItems(items);
}

void FindResultsDock::Finished(const FolderSearch::Summary& summary)
{
    Stop();
    const int rows = Results->topLevelItemCount();
    QString text = rows == 0 ? QStringLiteral("没找到,共查找 %1 个文件").arg(summary.files)
                             : QStringLiteral("找到 %1 处,共查找 %2 个文件").arg(rows).arg(summary.files);
    if (summary.unreadable > 0)
        text += QStringLiteral(",%1 个文件无法读取").arg(summary.unreadable);
    if (rows >= MaxRows)
        text += QStringLiteral(",只列出前 %1 处").arg(MaxRows);
    else if (summary.stopped)
        text += QStringLiteral(",查找已停止");
    Status->setText(text);
}

void FindResultsDock::Activated(const QTreeWidgetItem* item)
{
    if (!item)
        return;
    Q_EMIT OpenWanted(item->data(FileColumn, PathRole).toString(), item->text(LineColumn).toInt(),
                      item->data(FileColumn, ColumnRole).toInt(), item->data(FileColumn, LengthRole).toInt());
}
