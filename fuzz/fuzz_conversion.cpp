// Big5 <-> GB2312 scans over any bytes, and the whole-text conversion over what they decode to.
#include "base/pagecodec.h"
#include "convert/conversiontables.h"

#include <QFile>

namespace {

QByteArray ReadTable(const char* name)
{
    QFile f(QStringLiteral(KESTREL_SOURCE_DIR "/resources/tables/") + QString::fromLatin1(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const ConversionTables& Tables()
{
    static ConversionTables* tables = [] {
        auto* t = new ConversionTables;
        if (!t->Load(ReadTable("big5-to-gb2312.bin"), ReadTable("gb2312-to-big5.bin"), ReadTable("gbk-to-big5.bin")))
            abort();
        return t;
    }();
    return *tables;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* in = reinterpret_cast<const char*>(data);
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    Tables().BigToGbBytes(in, qsizetype(size), out.data());
    Tables().GbToBigBytes(in, qsizetype(size), out.data());
    ConvertText(PageCodec::FromGb18030(QByteArray(in, qsizetype(size))), ConversionDirection::BigToGb);
    ConvertText(QString::fromUtf8(in, qsizetype(size)), ConversionDirection::GbToBig);
    return 0;
}
