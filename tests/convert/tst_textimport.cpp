#include "convert/textimport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestTextImport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void escape_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("html");
        QTest::newRow("two lines") << "a b\r\nc"
                                   << "a&nbsp;b<br>\r\nc";
        QTest::newRow("box breaks") << QStringLiteral("x\u2029y") << "x<br>\r\ny";
        QTest::newRow("lf breaks") << "x\n\ny"
                                   << "x<br>\r\n<br>\r\ny";
        QTest::newRow("lone cr") << "x\ry"
                                 << "x<br>\r\ny";
        QTest::newRow("empty") << ""
                               << "";
    }
    void escape()
    {
        QFETCH(QString, text);
        QFETCH(QString, html);
        QCOMPARE(TextImport::Escape(text), html);
    }

    void readFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("badBytes");
        QTest::newRow("gb18030 with crlf")
            << QByteArray("\xD6\xD0\xCE\xC4\r\nb") << int(TextImport::Read) << QStringLiteral("中文\r\nb") << 0;
        QTest::newRow("utf-8") << QByteArray("\xE4\xB8\xAD\xE6\x96\x87") << int(TextImport::Read)
                               << QStringLiteral("中文") << 0;
        QTest::newRow("empty") << QByteArray() << int(TextImport::Empty) << QString() << 0;
        QTest::newRow("only a byte-order mark")
            << QByteArray("\xEF\xBB\xBF") << int(TextImport::Empty) << QString() << 0;
        QTest::newRow("undecodable byte counted")
            << QByteArray("a\x81") << int(TextImport::Read) << QStringLiteral("a\uFFFD") << 1;
    }
    void readFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, status);
        QFETCH(QString, text);
        QFETCH(int, badBytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("t.txt"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        const TextImport::Result r = TextImport::ReadFile(path);
        QCOMPARE(int(r.status), status);
        if (status == TextImport::Read) {
            QCOMPARE(r.text, text);
            QCOMPARE(int(r.badBytes), badBytes);
        }
    }

    void unreadableFiles()
    {
        QTemporaryDir dir;
        QCOMPARE(TextImport::ReadFile(dir.filePath(QStringLiteral("missing.txt"))).status, TextImport::Unreadable);
        QCOMPARE(TextImport::ReadFile(dir.path()).status, TextImport::Unreadable);
        const QString big = dir.filePath(QStringLiteral("big.txt"));
        QFile f(big);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(TextImport::MaxFileBytes + 1)); // sparse: no time spent writing it
        f.close();
        QCOMPARE(TextImport::ReadFile(big).status, TextImport::TooLong);
    }
};

QTEST_GUILESS_MAIN(TestTextImport)
#include "tst_textimport.moc"
