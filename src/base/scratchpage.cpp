#include "base/scratchpage.h"

#include "base/pagecodec.h"
#include "base/pagefile.h"

bool ScratchPage::Write(const QString& path, const QString& html)
{
    return PageFile::WriteFresh(path, PageCodec::ToGb18030(html));
}
