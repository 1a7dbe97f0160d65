#include "editor/documentruns.h"

#include "editor/textdocumentprivate.h"

#include <QTextBlock>
#include <QTextDocument>

bool DocumentRuns::Read(const QTextDocument* document, const Visit& visit)
{
#if KESTREL_TEXT_PRIVATE
    if (!TextDocumentPrivateUsable())
        return ReadBlocks(document, visit);
    const QTextDocumentPrivate* d = QTextDocumentPrivate::get(document);
    const QString buffer = d->buffer(); // shares the document's buffer
    const auto* text = reinterpret_cast<const char16_t*>(buffer.utf16());
    // The last character is the separator that closes the document, after its last line.
    qsizetype left = document->characterCount() - 1;
    for (auto it = d->fragmentMap().begin(); !it.atEnd() && left > 0; ++it) {
        const char16_t* run = text + it->stringPosition;
        const qsizetype size = std::min<qsizetype>(it.size(), left);
        left -= size;
        // Separators stand in runs of their own; a run is still cut at any it holds.
        qsizetype from = 0;
        for (qsizetype i; (i = QStringView(run + from, size - from).indexOf(QChar::ParagraphSeparator)) >= 0;) {
            i += from;
            if ((i > from && !visit(QStringView(run + from, i - from), false)) || !visit(QStringView(), true))
                return false;
            from = i + 1;
        }
        if (size > from && !visit(QStringView(run + from, size - from), false))
            return false;
    }
    return true;
#else
    return ReadBlocks(document, visit);
#endif
}

bool DocumentRuns::ReadBlocks(const QTextDocument* document, const Visit& visit)
{
    for (QTextBlock block = document->firstBlock(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        if ((!text.isEmpty() && !visit(text, false)) || (block.next().isValid() && !visit(QStringView(), true)))
            return false;
    }
    return true;
}
