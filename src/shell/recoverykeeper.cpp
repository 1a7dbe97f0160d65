#include "shell/recoverykeeper.h"

#include "base/messages.h"
#include "base/pagefile.h"
#include "base/piecechannel.h"
#include "base/piecedecoder.h"
#include "editor/editrecorder.h"
#include "editor/pageedit.h"
#include "editor/pageslicer.h"
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
        // A journal the writer could not keep is followed by a copy at once, changed since or not.
        const bool failed = kept.failed->exchange(false);
        if (failed)
            kept.copy = true;
        else if (kept.written == page->EditCount())
            continue;
        if (!kept.copy && JournalFits(page, kept))
            WriteJournal(page, kept);
        else
            WriteCopy(page, kept);
        kept.written = page->EditCount();
        ++queued;
    }
    return queued;
}

bool RecoveryKeeper::JournalFits(const PageWindow* page, const Kept& kept) const
{
    const EditRecorder& recorder = page->Recorder();
    const FileStamp stamp = page->KeptStamp();
    // Edits stand on the file as it was read or written here, and are worth keeping while they take less room
    // than the page itself.
    return page->hasFile && stamp.Exists() && !page->ChangedOnDisk() && !recorder.Overflowed() &&
           (kept.journal == 0 || kept.journal == recorder.Journal()) && kept.before + recorder.Bytes() <= stamp.Size();
}

RecoveryEntry RecoveryKeeper::HeaderOf(const PageWindow* page)
{
    RecoveryEntry entry;
    entry.path = page->hasFile ? page->filePath : QString();
    entry.name = page->filePath;
    entry.time = QDateTime::currentDateTimeUtc();
    entry.encoding = page->Encoding();
    return entry;
}

void RecoveryKeeper::WriteJournal(PageWindow* page, Kept& kept)
{
    QByteArray records = page->Recorder().Take();
    if (kept.journal != 0) {
        if (!records.isEmpty())
            writer_.start(
                [store = store_, file = kept.file, frame = EditJournal::Frame(records), failed = kept.failed] {
                    if (!store.Append(file, frame))
                        *failed = true;
                });
        return;
    }
    // The journal's first write: its header names the file the edits stand on. The hash of a page just opened
    // comes from the opening; a page saved or read again since is hashed here, on the writer, from its file.
    kept.journal = page->Recorder().Journal();
    RecoveryEntry header = HeaderOf(page);
    header.journal = true;
    header.readCodec = page->ReadCodec();
    writer_.start([store = store_, file = kept.file, header = std::move(header), stamp = page->KeptStamp(),
                   hash = page->OpenedHash(), records = std::move(records), failed = kept.failed]() mutable {
        header.identity = hash.valid() ? PageIdentity::Of(stamp, hash.get()) : PageIdentity::OfFile(header.path, stamp);
        if (!header.identity || !store.Write(file, header, EditJournal::Frame(records)))
            *failed = true;
    });
}

void RecoveryKeeper::WriteCopy(PageWindow* page, Kept& kept)
{
    kept.copy = true;
    RecoveryEntry entry = HeaderOf(page);
    entry.ownBreaks = true;
    // The file the copy was made beside, to tell at the next start whether it was changed since; its hash when
    // it is known already (hashing it here would hold up the copy).
    const FileStamp stamp = page->KeptStamp();
    if (page->hasFile && stamp.Exists()) {
        const std::shared_future<QByteArray> hash = page->OpenedHash();
        const bool known = hash.valid() && hash.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
        entry.identity = PageIdentity::Of(stamp, known ? hash.get() : QByteArray());
    }
    // The text goes from the control to the writer a piece at a time: it is never whole on either side.
    auto channel = std::make_shared<PieceChannel>();
    writer_.start([store = store_, file = kept.file, entry = std::move(entry), channel] {
        store.WriteInPieces(file, entry, [&channel](QString& piece) { return channel->Receive(piece); });
        // A file that could not be written leaves pieces unread: the control must not wait for them.
        for (QString rest; channel->Receive(rest);) {
        }
    });
    PageSlicer slicer(*page->pageEdit, page->Encoding().lineEnd);
    for (QString piece; slicer.Next(piece); piece = QString())
        channel->Send(std::move(piece));
    channel->Close();
}

void RecoveryKeeper::Flush()
{
    writer_.waitForDone();
}

bool RecoveryKeeper::ChangedSince(const RecoveryEntry& entry)
{
    if (!entry.identity || entry.path.isEmpty())
        return false;
    QByteArray bytes;
    FileStamp stamp = FileStamp::Absent();
    const PageFile::Status status = PageFile::ReadBytes(entry.path, bytes, &stamp);
    // A page deleted since: its copy is all that is left of it.
    if (status == PageFile::NotFound && !entry.journal)
        return false;
    if (status != PageFile::Ok)
        return true;
    // A copy made before its hash was known goes by the file's size and time.
    if (entry.identity->hash.isEmpty())
        return stamp.Size() != entry.identity->size || stamp.ModifiedNs() != entry.identity->modifiedNs;
    return !entry.identity->Matches(bytes, stamp);
}

PageWindow* RecoveryKeeper::RestoreJournal(const RecoveryEntry& entry, QWidget* parent)
{
    QByteArray bytes;
    FileStamp stamp = FileStamp::Absent();
    if (PageFile::ReadBytes(entry.path, bytes, &stamp) != PageFile::Ok || !entry.identity->Matches(bytes, stamp)) {
        // The file stays for the next start: the page on disk may yet be put back as it was.
        Messages::Show(parent, QStringLiteral("网页%1在磁盘上已被修改, 无法恢复编辑。").arg(entry.path));
        return nullptr;
    }
    PieceDecoder pieces(bytes, entry.readCodec);
    bytes.clear();
    PageWindow* page = frame_.OpenDocument(true, entry.path, QFileInfo(entry.path).absolutePath() + QLatin1Char('/'),
                                           nullptr, &pieces);
    if (!page)
        return nullptr;
    page->KeepFileStamp(stamp);
    if (!page->RestoreEdits(entry.records, entry.readCodec))
        Messages::Show(parent, QStringLiteral("网页%1的恢复文件已损坏, 只恢复了其中的一部分编辑。").arg(entry.path));
    // The journal goes on from its last whole record.
    store_.Cut(entry.file, entry.wholeBytes);
    Kept& kept = Follow(page);
    kept.file = entry.file;
    kept.written = page->EditCount();
    kept.journal = page->Recorder().Journal();
    kept.before = entry.wholeBytes;
    return page;
}

PageWindow* RecoveryKeeper::Restore(const RecoveryEntry& header, QWidget* parent)
{
    RecoveryEntry entry;
    // Read again whole: it must still name the page offered, and that must still be one.
    if (!store_.Load(header.file, entry) || entry.path != header.path || !RecoveryStore::Offerable(entry))
        return nullptr;
    if (entry.journal)
        return RestoreJournal(entry, parent);
    if (ChangedSince(entry) &&
        Messages::Show(
            parent,
            QStringLiteral("网页%1在磁盘上已被修改, 无法恢复编辑。\n是否恢复这个网页的完整副本?").arg(entry.path),
            QStringLiteral("提示"), MsgButtons::YesNo) != MsgAnswer::Yes)
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
    kept.copy = true;
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
        // One that cannot be opened now (eight pages open, or its file changed) is kept for the next start.
        Restore(entry, parent);
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
