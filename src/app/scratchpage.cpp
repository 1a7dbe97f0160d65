#include "app/scratchpage.h"

#include "app/pagecodec.h"
#include "editor/pagefile.h"

bool ScratchPage::Write(const QString& path, const QString& html)
{
    return PageFile::WriteFresh(path, PageCodec::ToGb18030(html));
}
