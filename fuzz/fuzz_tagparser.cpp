// The tag parser on any text: the head, then the attributes after it.
#include "editor/tagparser.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString tag = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    QString name;
    int nameEnd = 0;
    if (!TagParser::ParseTagHead(tag, name, nameEnd))
        return 0;
    QStringList names, values;
    int count = 0;
    TagParser::ParseAttributes(tag, nameEnd, names, values, count);
    return 0;
}
