#include "base/charsetlabels.h"

#include <QtTest>

// The charset declarations of a page renamed for a new code page.
class TestCharsetLabels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void renamed_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("codec");
        QTest::addColumn<QString>("expected");
        const int gb = PageEncoding::Gb18030, big5 = PageEncoding::Big5, utf8 = PageEncoding::Utf8;
        QTest::newRow("http-equiv, single quotes")
            << "<head>\n<meta http-equiv='Content-Type' content='text/html;charset=big5'>\n</head>" << gb
            << "<head>\n<meta http-equiv='Content-Type' content='text/html;charset=gb2312'>\n</head>";
        QTest::newRow("http-equiv, double quotes and spaces")
            << R"(<meta http-equiv="Content-Type" content="text/html; charset = gb2312">)" << big5
            << R"(<meta http-equiv="Content-Type" content="text/html; charset = big5">)";
        QTest::newRow("meta charset, double quotes")
            << R"(<meta charset="gb2312"><p>)" << utf8 << R"(<meta charset="utf-8"><p>)";
        QTest::newRow("meta charset, single quotes") << "<meta charset='big5'/>" << gb << "<meta charset='gb2312'/>";
        QTest::newRow("meta charset, no quotes") << "<meta charset=big5>" << gb << "<meta charset=gb2312>";
        QTest::newRow("upper case") << "<META HTTP-EQUIV=Content-Type CONTENT=\"text/html; CHARSET=BIG5\">" << gb
                                    << "<META HTTP-EQUIV=Content-Type CONTENT=\"text/html; CHARSET=gb2312\">";
        QTest::newRow("several metas")
            << "<meta charset=big5>\n<meta name=author content=x>\n<meta http-equiv=content-type "
               "content='text/html; charset=x-x-big5'>"
            << gb
            << "<meta charset=gb2312>\n<meta name=author content=x>\n<meta http-equiv=content-type "
               "content='text/html; charset=gb2312'>";
        QTest::newRow("a tag over two lines")
            << "<meta\nhttp-equiv=Content-Type\ncontent='text/html;\ncharset=gbk'>" << big5
            << "<meta\nhttp-equiv=Content-Type\ncontent='text/html;\ncharset=big5'>";
        QTest::newRow("another name of the code page stays")
            << "<meta charset=gbk><meta charset=utf-8>" << gb << "<meta charset=gbk><meta charset=gb2312>";
        QTest::newRow("utf8 stays") << "<meta charset=UTF8>" << utf8 << "<meta charset=UTF8>";
        QTest::newRow("a name the editor does not read")
            << "<meta charset=iso-8859-1>" << big5 << "<meta charset=big5>";
        QTest::newRow("no declaration: none added")
            << "<html><head><title>t</title></head>" << gb << "<html><head><title>t</title></head>";
        QTest::newRow("empty page") << "" << big5 << "";
        QTest::newRow("charset outside a meta tag")
            << "<script src=a.js charset=big5></script>" << gb << "<script src=a.js charset=big5></script>";
        QTest::newRow("in the body: not a declaration")
            << "<head></head><body><meta charset=big5>" << gb << "<head></head><body><meta charset=big5>";
        const QString far = QString(16 * 1024, QLatin1Char(' '));
        QTest::newRow("past the first 16 K: not read")
            << far + "<meta charset=big5>" << gb << far + "<meta charset=big5>";
    }

    void renamed()
    {
        QFETCH(QString, page);
        QFETCH(int, codec);
        QFETCH(QString, expected);
        QCOMPARE(CharsetLabels::Renamed(page, PageEncoding::Codec(codec)), expected);
    }

    // A renamed page is read in the code page it was renamed for.
    void renamedPageReadsBack_data()
    {
        QTest::addColumn<int>("codec");
        QTest::newRow("gb") << int(PageEncoding::Gb18030);
        QTest::newRow("big5") << int(PageEncoding::Big5);
        QTest::newRow("utf-8") << int(PageEncoding::Utf8);
    }
    void renamedPageReadsBack()
    {
        QFETCH(int, codec);
        const QString page = QStringLiteral("<meta http-equiv='Content-Type' content='text/html;charset=iso-8859-1'>");
        const QByteArray renamed = CharsetLabels::Renamed(page, PageEncoding::Codec(codec)).toLatin1();
        QCOMPARE(PageCodec::DeclaredCodec(PageCodec::DeclaredCharset(renamed)), codec);
    }
};

QTEST_MAIN(TestCharsetLabels)
#include "tst_charsetlabels.moc"
