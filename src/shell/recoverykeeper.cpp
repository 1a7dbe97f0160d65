#include "shell/recoverykeeper.h"

#include "base/messages.h"
#include "editor/pageedit.h"
#include "editor/pagewindow.h"
#include "shell/mainframe.h"
#include "shell/recoverydialog.h"

#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStandardPaths>
#include <QTextDocument>

#include <algorithm>

QString RecoveryKeeper::DefaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/recovery");
}

RecoveryKeeper::RecoveryKeeper(MainFrame& frame, const QString& folder, int intervalMs, QObject* parent)
    : QObject(parent), frame_(frame), store_(folder)
{
    writer_.setMaxThreadCount(1);
    writer_.setExpiryTimeout(-1);
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::Due);
    timer_.start();
    pause_.setSingleShot(true);
    pause_.setInterval(std::min(PauseWanted, intervalMs));
    connect(&pause_, &QTimer::timeout, this, &RecoveryKeeper::WriteInPause);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive)
            WriteChanged();
    });
}

RecoveryKeeper::~RecoveryKeeper()
{
    // Pages still kept here end with the program: a clean end leaves no recovery file.
    for (auto it = kept_.cbegin(); it != kept_.cend(); ++it)
        writer_.start([store = store_, file = it->file] { store.Remove(file); });
    writer_.waitForDone();
}

QList<quint64> RecoveryKeeper::EditCounts() const
{
    QList<quint64> counts;
    for (int slot = 0; slot < MainFrame::MaxDocuments; ++slot)
        counts.append(frame_.Document(slot) ? frame_.Document(slot)->EditCount() : 0);
    return counts;
}

void RecoveryKeeper::Due()
{
    if (pause_.isActive())
        return;
    countsBefore_ = EditCounts();
    pausesWaited_ = 0;
    pause_.start();
}

void RecoveryKeeper::WriteInPause()
{
    const QList<quint64> counts = EditCounts();
    if (counts != countsBefore_ && ++pausesWaited_ < MostPauses) {
        countsBefore_ = counts;
        pause_.start();
        return;
    }
    WriteChanged();
}

RecoveryKeeper::Kept& RecoveryKeeper::Follow(PageWindow* page)
{
    auto it = kept_.find(page);
    if (it != kept_.end())
        return *it;
    connect(page, &PageWindow::ModifiedChanged, this, [this, page](bool modified) {
        if (!modified) // saved
            Forget(page);
    });
    connect(page, &PageWindow::Closed, this, [this, page] { Forget(page); });
    connect(page, &QObject::destroyed, this, [this, page] { Forget(page); });
    return *kept_.insert(page, Kept{RecoveryStore::NewFileName(), 0});
}

void RecoveryKeeper::Forget(const PageWindow* page)
{
    const auto it = kept_.constFind(page);
    if (it == kept_.cend())
        return;
    const QString file = it->file;
    kept_.erase(it);
    const_cast<PageWindow*>(page)->disconnect(this);
    writer_.start([store = store_, file] { store.Remove(file); });
}

int RecoveryKeeper::WriteChanged()
{
    pause_.stop();
    int queued = 0;
    for (int slot = 0; slot < MainFrame::MaxDocuments; ++slot) {
        PageWindow* page = frame_.Document(slot);
        if (!page || page->ChangeCount() <= 0)
            continue;
        Kept& kept = Follow(page);
        if (kept.written == page->EditCount())
            continue;
        RecoveryEntry entry;
        entry.path = page->hasFile ? page->filePath : QString();
        entry.name = page->filePath;
        entry.time = QDateTime::currentDateTimeUtc();
        entry.encoding = page->Encoding();
        // The one copy of the text made on this thread (the document's own, blocks parted by U+2029), and the
        // lines' own breaks where the page mixes them; putting the breaks in and the file are the writer's work.
        entry.text = page->pageEdit->document()->toRawText();
        entry.ownBreaks = true;
        kept.written = page->EditCount();
        writer_.start([store = store_, file = kept.file, entry = std::move(entry),
                       kinds = page->pageEdit->LineBreakKinds()]() mutable {
            RecoveryStore::PutBreaks(entry.text, kinds, entry.encoding.lineEnd);
            store.Write(file, entry);
        });
        ++queued;
    }
    return queued;
}

void RecoveryKeeper::Flush()
{
    writer_.waitForDone();
}

PageWindow* RecoveryKeeper::Restore(const RecoveryEntry& header)
{
    RecoveryEntry entry;
    // Read again whole: it must still name the page offered, and that must still be one.
    if (!store_.Load(header.file, entry) || entry.path != header.path || !RecoveryStore::Offerable(entry))
        return nullptr;
    PageWindow* page =
        entry.path.isEmpty()
            ? frame_.OpenDocument(false, QString(), QString())
            : frame_.OpenDocument(true, entry.path, QFileInfo(entry.path).absolutePath() + QLatin1Char('/'));
    if (!page)
        return nullptr;
    page->RestoreText(entry.text, entry.encoding, entry.ownBreaks);
    // The old file goes on standing for the page: it holds this very text.
    Kept& kept = Follow(page);
    kept.file = entry.file;
    kept.written = page->EditCount();
    return page;
}

void RecoveryKeeper::Offer(QWidget* parent)
{
    QList<RecoveryEntry> found = store_.List();
    // This run's own files are not offered, nor files naming what is no page; those are left as they are.
    found.removeIf([this](const RecoveryEntry& e) {
        if (!RecoveryStore::Offerable(e))
            return true;
        for (const Kept& k : std::as_const(kept_))
            if (k.file == e.file)
                return true;
        return false;
    });
    const RewriteJournal rewrites(RewriteJournal::Beside(store_.Folder()));
    const QList<PageCopy> copies = rewrites.List();
    if (found.isEmpty() && copies.isEmpty())
        return;
    RecoveryDialog form(found, parent, copies);
    const std::optional<QList<RecoveryEntry>> chosen = form.Run();
    if (!chosen)
        return;
    PutBack(rewrites, copies, form.CheckedCopies(), parent);
    // The untouched new page the program started with makes way for what comes back.
    if (!chosen->isEmpty() && frame_.openPageCount == 1) {
        PageWindow* only = frame_.ActiveDocument();
        if (only && !only->hasFile && only->ChangeCount() == 0)
            if (QMdiSubWindow* window = qobject_cast<QMdiSubWindow*>(only->parentWidget()))
                window->close();
    }
    for (const RecoveryEntry& entry : found) {
        const bool wanted = std::any_of(chosen->cbegin(), chosen->cend(),
                                        [&entry](const RecoveryEntry& c) { return c.file == entry.file; });
        if (!wanted) {
            store_.Remove(entry.file);
            continue;
        }
        // One that cannot be opened now (eight pages open) is kept for the next start.
        Restore(entry);
    }
}

void RecoveryKeeper::PutBack(const RewriteJournal& rewrites, const QList<PageCopy>& copies,
                             const QList<PageCopy>& chosen, QWidget* parent)
{
    for (const PageCopy& copy : copies) {
        QString error;
        if (!chosen.contains(copy))
            rewrites.Discard(copy);
        else if (!rewrites.Restore(copy, &error))
            // The copy stays, and is offered again at the next start.
            Messages::Show(
                parent,
                QStringLiteral("网页%1不能换回保存前的内容: %2\n保存前的内容在 %3").arg(copy.page, error, copy.copy));
    }
}
