#include "editor/foldersearch.h"

#include "base/pagefile.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

bool IsWebFile(const QFileInfo& info)
{
    static const QRegularExpression preview(QStringLiteral("^(qz78\\d*|qz125677)\\.html$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QString suffix = info.suffix().toLower();
    const bool web = suffix == QLatin1String("html") || suffix == QLatin1String("htm") ||
                     suffix == QLatin1String("css") || suffix == QLatin1String("js");
    return web && !preview.match(info.fileName()).hasMatch();
}

FolderHit HitIn(const QString& path, int line, QStringView text, const TextMatcher::Match& m)
{
    FolderHit hit{path, line, int(m.start), int(m.length), QString(), int(m.start)};
    if (text.size() <= FolderSearch::LongLine) {
        hit.text = text.toString();
        return hit;
    }
    const qsizetype from = qMax<qsizetype>(0, m.start - 100);
    const qsizetype to = qMin(text.size(), m.start + m.length + 150);
    hit.text = text.sliced(from, to - from).toString();
    hit.textStart = int(m.start - from);
    return hit;
}

} // namespace

QStringList FolderSearch::WebFiles(const QString& folder)
{
    QStringList files;
    // Without QDir::Hidden hidden folders are not entered; without FollowSymlinks linked folders neither.
    QDirIterator it(folder, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (IsWebFile(it.fileInfo()))
            files.append(it.filePath());
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool FolderSearch::SearchFile(const QString& path, const TextMatcher& matcher, QList<FolderHit>& hits)
{
    DecodedPage page;
    if (PageFile::Read(path, page) != PageFile::Ok)
        return false;
    const QStringView text(page.text);
    const qsizetype size = text.size();
    int line = 1;
    for (qsizetype start = 0; start <= size; ++line) {
        // The editor's lines: CR LF, LF, CR and U+2029 each end one.
        qsizetype end = start;
        while (end < size) {
            const char16_t c = text[end].unicode();
            if (c == u'\n' || c == u'\r' || c == 0x2029)
                break;
            ++end;
        }
        const QStringView lineText = text.sliced(start, end - start);
        for (const TextMatcher::Match& m : matcher.AllIn(lineText))
            hits.append(HitIn(path, line, lineText, m));
        if (end >= size)
            break;
        start = end + (text[end] == u'\r' && end + 1 < size && text[end + 1] == u'\n' ? 2 : 1);
    }
    return true;
}

FolderSearch::Summary FolderSearch::Run(const QString& folder, const TextMatcher& matcher,
                                        const std::function<bool(const QList<FolderHit>&)>& found,
                                        const std::atomic_bool* cancel)
{
    Summary summary;
    if (!matcher.IsValid())
        return summary;
    QList<FolderHit> hits;
    for (const QString& path : WebFiles(folder)) {
        if (cancel && cancel->load()) {
            summary.stopped = true;
            break;
        }
        hits.clear();
        ++summary.files;
        if (!SearchFile(path, matcher, hits)) {
            ++summary.unreadable;
            continue;
        }
        summary.matches += int(hits.size());
        if (!hits.isEmpty() && !found(hits)) {
            summary.stopped = true;
            break;
        }
    }
    return summary;
}
