#include "editor/pagefile.h"
#include "editor/previewwriter.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

class TestPreviewWriter : public QObject
{
    Q_OBJECT

    static QByteArray ReadFile(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    static void WriteFile(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private Q_SLOTS:
    // The preview holds exactly what a save writes, whatever the page's encoding and line end.
    void sameBytesAsASave_data()
    {
        QTest::addColumn<int>("codec");
        QTest::addColumn<bool>("bom");
        QTest::addColumn<int>("lineEnd");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("gb18030 crlf") << int(PageEncoding::Gb18030) << false << int(PageEncoding::CrLf)
                                      << QByteArray("<p>\xD6\xD0\xCE\xC4</p>\r\n<img src='img/a.gif'>");
        QTest::newRow("utf-8 lf") << int(PageEncoding::Utf8) << false << int(PageEncoding::Lf)
                                  << QByteArray("<p>\xE4\xB8\xAD\xE6\x96\x87</p>\n<img src='img/a.gif'>");
        QTest::newRow("utf-8 bom") << int(PageEncoding::Utf8) << true << int(PageEncoding::CrLf)
                                   << QByteArray("\xEF\xBB\xBF<p>\xE4\xB8\xAD\xE6\x96\x87</p>\r\n<img src='img/a.gif'>");
    }
    void sameBytesAsASave()
    {
        QFETCH(int, codec);
        QFETCH(bool, bom);
        QFETCH(int, lineEnd);
        QFETCH(QByteArray, bytes);
        PageEncoding encoding;
        encoding.codec = PageEncoding::Codec(codec);
        encoding.bom = bom;
        encoding.lineEnd = PageEncoding::LineEnd(lineEnd);
        const QString text = QStringLiteral("<p>中文</p>\n<img src='img/a.gif'>");
        QTemporaryDir dir;
        const QString preview = dir.filePath(QStringLiteral("qz78.html"));
        const QString saved = dir.filePath(QStringLiteral("page.html"));
        QCOMPARE(PreviewWriter::Write(preview, text, encoding), PreviewWriter::Written);
        QVERIFY(PageFile::Write(saved, text, encoding));
        QCOMPARE(ReadFile(preview), bytes);
        QCOMPARE(ReadFile(saved), bytes);
    }

    void replacesAnOldPreview()
    {
        QTemporaryDir dir;
        const QString preview = dir.filePath(QStringLiteral("qz78.html"));
        WriteFile(preview, QByteArray("old preview, much longer than the new one"));
        QCOMPARE(PreviewWriter::Write(preview, QStringLiteral("new"), PageEncoding()), PreviewWriter::Written);
        QCOMPARE(ReadFile(preview), QByteArray("new"));
    }

    // A link planted at the preview's name is removed, never written through.
    void symbolicLinkNotFollowed()
    {
        QTemporaryDir dir;
        const QString victim = dir.filePath(QStringLiteral("victim.txt"));
        WriteFile(victim, QByteArray("keep me"));
        const QString preview = dir.filePath(QStringLiteral("qz78.html"));
        QVERIFY(QFile::link(victim, preview));
        QCOMPARE(PreviewWriter::Write(preview, QStringLiteral("<p>x</p>"), PageEncoding()), PreviewWriter::Written);
        QCOMPARE(ReadFile(victim), QByteArray("keep me"));
        QVERIFY(!QFileInfo(preview).isSymLink());
        QCOMPARE(ReadFile(preview), QByteArray("<p>x</p>"));
        // A dangling link the same.
        QVERIFY(QFile::remove(preview));
        const QString nowhere = dir.filePath(QStringLiteral("nowhere.html"));
        QVERIFY(QFile::link(nowhere, preview));
        QCOMPARE(PreviewWriter::Write(preview, QStringLiteral("y"), PageEncoding()), PreviewWriter::Written);
        QVERIFY(!QFileInfo::exists(nowhere));
        QCOMPARE(ReadFile(preview), QByteArray("y"));
    }

    void failures()
    {
        QTemporaryDir dir;
        QCOMPARE(PreviewWriter::Write(dir.filePath(QStringLiteral("no/such/folder/qz78.html")), QStringLiteral("x"),
                                      PageEncoding()),
                 PreviewWriter::NotCreated);
        // A folder at the name is neither removed nor written into.
        const QString folder = dir.filePath(QStringLiteral("qz78.html"));
        QVERIFY(QDir().mkdir(folder));
        QCOMPARE(PreviewWriter::Write(folder, QStringLiteral("x"), PageEncoding()), PreviewWriter::NotCreated);
        QVERIFY(QFileInfo(folder).isDir());
        const QString lone = QStringLiteral("a") + QChar(0xD800);
        const QString preview = dir.filePath(QStringLiteral("qz781.html"));
        QCOMPARE(PreviewWriter::Write(preview, lone, PageEncoding()), PreviewWriter::NotEncodable);
        QVERIFY(!QFileInfo::exists(preview));
    }
};

QTEST_GUILESS_MAIN(TestPreviewWriter)
#include "tst_previewwriter.moc"
