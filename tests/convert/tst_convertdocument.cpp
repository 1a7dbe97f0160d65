#include "convert/convertdocument.h"
#include "pagewindowfixture.h"

#include <iconv.h>

namespace {

// The page in traditional characters and the same page in simplified ones, as a user would write them.
const QString TraditionalPage = QStringLiteral(
    "<html>\r\n<head>\r\n<title>繁體中文網頁</title>\r\n</head>\r\n<body>\r\n<p>我們的國家，門開了。</p>\r\n"
    "</body>\r\n</html>\r\n");
const QString SimplifiedPage = QStringLiteral(
    "<html>\r\n<head>\r\n<title>繁体中文网页</title>\r\n</head>\r\n<body>\r\n<p>我们的国家，门开了。</p>\r\n"
    "</body>\r\n</html>\r\n");

// The bytes of `text` in a code page, as the iconv command would write them.
QByteArray Encode(const char* codePage, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    iconv_t cd = iconv_open(codePage, "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return QByteArray("<no converter>");
    QByteArray out(utf8.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(utf8.constData());
    size_t inLeft = size_t(utf8.size());
    char* dst = out.data();
    size_t dstLeft = size_t(out.size());
    const size_t r = iconv(cd, &in, &inLeft, &dst, &dstLeft);
    iconv_close(cd);
    if (r == size_t(-1))
        return QByteArray("<cannot encode>");
    out.resize(out.size() - qsizetype(dstLeft));
    return out;
}

QString Lf(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

class TestConvertDocument : public QObject
{
    Q_OBJECT

    PageWindowFixture f_;

    PageWindow* OpenFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = f_.Path(name);
        return f_.WriteFile(path, bytes) ? f_.frame->OpenPath(path) : nullptr;
    }

private Q_SLOTS:
    void init() { f_.Start(false); }
    void cleanup() { f_.Stop(); }

    void convertAndSave_data()
    {
        QTest::addColumn<bool>("bigToGb");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<QString>("message");
        // A Big5 page, which shows as garbage, becomes readable; saving writes GB2312.
        QTest::newRow("big5 page") << true << Encode("BIG5", TraditionalPage) << Encode("GB2312", SimplifiedPage)
                                   << QString();
        // A page read as Big5 (the detector knows this one) stays Big5: its characters are kept, no garbage.
        QTest::newRow("page read as big5, gb to big")
            << false << Encode("BIG5", TraditionalPage) << Encode("BIG5", TraditionalPage) << QString();
        // A GB2312 page, converted and saved, is the Big5 page on disk.
        QTest::newRow("gb2312 page") << false << Encode("GB2312", SimplifiedPage) << Encode("BIG5", TraditionalPage)
                                     << QString();
        // Traditional characters typed in GBK reach the Big5 page as themselves.
        QTest::newRow("gbk characters") << false << Encode("GBK", QStringLiteral("這樣說<br>\r\n"))
                                        << Encode("BIG5", QStringLiteral("這樣說<br>\r\n")) << QString();
        // Kana have no Big5 code; the full-width space itself is not counted.
        QTest::newRow("kana") << false << Encode("GB2312", QStringLiteral("あ　い中\r\n"))
                              << QByteArray("\xA1\x40\xA1\x40\xA1\x40\xA4\xA4\r\n")
                              << QStringLiteral("有2个字符没有对应的字,已换成全角空格!");
        QTest::newRow("big5 user-defined")
            << true << QByteArray("\xFA\x40\xA4\xA4\r\n") << QByteArray("\xA1\xA1\xD6\xD0\r\n")
            << QStringLiteral("有1个字符没有对应的字,已换成全角空格!");
    }

    void convertAndSave()
    {
        QFETCH(bool, bigToGb);
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, saved);
        QFETCH(QString, message);
        PageWindow* doc = OpenFile(QStringLiteral("page.html"), file);
        QVERIFY(doc);
        QVERIFY(f_.prompts->Record().isEmpty());
        const QString opened = doc->pageEdit->RawText();

        ConvertDocument(doc, bigToGb ? ConversionDirection::BigToGb : ConversionDirection::GbToBig, f_.frame.get());
        QCOMPARE(doc->ChangeCount(), 1);
        QCOMPARE(f_.prompts->Record().size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QCOMPARE(f_.prompts->Record().first().text, message);
            QCOMPARE(f_.prompts->Record().first().title, Messages::ProgramTitle);
        }
        if (bigToGb && message.isEmpty())
            QCOMPARE(doc->pageEdit->RawText(), Lf(SimplifiedPage));
        QVERIFY(doc->Save());
        QCOMPARE(f_.ReadFile(f_.Path(QStringLiteral("page.html"))).toHex(' '), saved.toHex(' '));

        // One undo step brings the page back as it was opened.
        doc->pageEdit->undo();
        QCOMPARE(doc->pageEdit->RawText(), opened);
    }

    // The page's charset declaration names the code page of what the conversion leaves, in the same undo step.
    void declarationFollows_data()
    {
        QTest::addColumn<bool>("bigToGb");
        QTest::addColumn<QString>("head");     // its charset in the code page the file is written in
        QTest::addColumn<QByteArray>("codec"); // the file's
        QTest::addColumn<QString>("newHead");
        QTest::addColumn<QByteArray>("savedCodec");
        QTest::newRow("big5 page read as big5, to gb")
            << true << "<meta http-equiv='Content-Type' content='text/html; charset=big5'>\r\n"
            << QByteArray("BIG5") << "<meta http-equiv='Content-Type' content='text/html; charset=gb2312'>\r\n"
            << QByteArray("GB2312");
        QTest::newRow("gb page, to big5") << false << "<meta charset=\"GB2312\">\r\n"
                                          << QByteArray("GB2312") << "<meta charset=\"big5\">\r\n"
                                          << QByteArray("BIG5");
        QTest::newRow("big5 page read as big5, to big5") << false << "<META CHARSET=BIG5>\r\n"
                                                         << QByteArray("BIG5") << "<META CHARSET=BIG5>\r\n"
                                                         << QByteArray("BIG5");
    }

    void declarationFollows()
    {
        QFETCH(bool, bigToGb);
        QFETCH(QString, head);
        QFETCH(QByteArray, codec);
        QFETCH(QString, newHead);
        QFETCH(QByteArray, savedCodec);
        const QString from = codec == "BIG5" ? TraditionalPage : SimplifiedPage;
        const QString to = bigToGb ? SimplifiedPage : TraditionalPage;
        PageWindow* doc = OpenFile(QStringLiteral("page.html"), Encode(codec.constData(), head + from));
        QVERIFY(doc);
        const QString opened = doc->pageEdit->RawText();
        ConvertDocument(doc, bigToGb ? ConversionDirection::BigToGb : ConversionDirection::GbToBig, f_.frame.get());
        QVERIFY(doc->Save());
        QCOMPARE(f_.ReadFile(f_.Path(QStringLiteral("page.html"))), Encode(savedCodec.constData(), newHead + to));
        doc->pageEdit->undo();
        QCOMPARE(doc->pageEdit->RawText(), opened);
    }

    void emptyPageStaysUnchanged()
    {
        PageWindow* doc = OpenFile(QStringLiteral("empty.html"), QByteArray());
        QVERIFY(doc);
        ConvertDocument(doc, ConversionDirection::BigToGb, f_.frame.get());
        ConvertDocument(doc, ConversionDirection::GbToBig, f_.frame.get());
        QCOMPARE(doc->pageEdit->RawText(), QString());
        QCOMPARE(doc->ChangeCount(), 0);
        QVERIFY(f_.prompts->Record().isEmpty());
        ConvertDocument(nullptr, ConversionDirection::BigToGb, f_.frame.get()); // no page: nothing to do
    }

    void menuEntriesRunTheConversion()
    {
        PageWindow* doc = OpenFile(QStringLiteral("big5.html"), Encode("BIG5", TraditionalPage));
        QVERIFY(doc);
        QVERIFY(f_.frame->Action(Command::BigToGb)->isEnabled());
        f_.frame->RunCommand(Command::BigToGb);
        QCOMPARE(doc->pageEdit->RawText(), Lf(SimplifiedPage));
        f_.frame->RunCommand(Command::GbToBig);
        QCOMPARE(doc->ChangeCount(), 2);
    }

    void utf8PageIsLeftAlone()
    {
        PageWindow* doc = OpenFile(QStringLiteral("utf8.html"), QStringLiteral("<p>體中</p>").toUtf8());
        QVERIFY(doc);
        f_.frame->RunCommand(Command::BigToGb);
        QCOMPARE(doc->pageEdit->RawText(), QStringLiteral("<p>體中</p>"));
        QCOMPARE(doc->ChangeCount(), 0);
        QCOMPARE(f_.prompts->Record().size(), 1);
        QVERIFY(f_.prompts->Record().first().text.contains(QStringLiteral("UTF-8")));
    }
};

QTEST_MAIN(TestConvertDocument)
#include "tst_convertdocument.moc"
