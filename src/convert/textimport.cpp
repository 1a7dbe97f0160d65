#include "convert/textimport.h"

#include "base/helpers.h"
#include "base/pagecodec.h"

#include <QFile>
#include <QFileInfo>

TextImport::Result TextImport::ReadFile(const QString& path)
{
    Result result;
    const QFileInfo info(path);
    if (!info.isFile()) {
        result.status = Unreadable;
        return result;
    }
    if (info.size() > MaxFileBytes) {
        result.status = TooLong;
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = Unreadable;
        return result;
    }
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        result.status = Unreadable;
        return result;
    }
    if (bytes.size() > MaxFileBytes) {
        result.status = TooLong;
        return result;
    }
    const DecodedPage page = PageCodec::Decode(bytes);
    result.text = page.text;
    result.badBytes = page.badBytes;
    result.utf8 = page.encoding.codec == PageEncoding::Utf8;
    result.status = result.text.isEmpty() ? Empty : Read;
    return result;
}

QString TextImport::Escape(const QString& text)
{
    if (text.isEmpty())
        return QString();
    QString lines;
    lines.reserve(text.size() + text.size() / 16);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r')) {
            if (i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            lines += CrLf;
        } else if (c == QLatin1Char('\n') || c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            lines += CrLf;
        } else {
            lines += c;
        }
    }
    return HtmlEscape(lines);
}
