#include "base/scratchpage.h"

#include "base/pagecodec.h"
#include "base/pagefile.h"
#include "base/previewjournal.h"

bool ScratchPage::Write(const QString& path, const QString& html)
{
    if (!PageFile::WriteFresh(path, PageCodec::ToGb18030(html)))
        return false;
    PreviewJournal::Program().Add(path);
    return true;
}
