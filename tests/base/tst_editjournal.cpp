#include "base/editjournal.h"
#include "base/recoverystore.h"

#include <QTemporaryDir>
#include <QtTest>

// The recovery journal's records and frames: what is appended comes back in order, and a journal cut off or
// damaged anywhere gives back exactly its whole frames before the damage.
class TestEditJournal : public QObject
{
    Q_OBJECT

    static JournalRecord Edit(qint64 position, qint64 removed, const QString& inserted)
    {
        JournalRecord r;
        r.position = position;
        r.removed = removed;
        r.inserted = inserted;
        return r;
    }
    static JournalRecord Codec(PageEncoding::Codec codec, bool bom)
    {
        JournalRecord r;
        r.kind = JournalRecord::Codec;
        r.codec = codec;
        r.bom = bom;
        return r;
    }
    static QByteArray Records(const QList<JournalRecord>& records)
    {
        QByteArray out;
        for (const JournalRecord& r : records) {
            if (r.kind == JournalRecord::Codec)
                EditJournal::AddCodec(out, r.codec, r.bom);
            else
                EditJournal::AddEdit(out, r.position, r.removed, r.inserted);
        }
        return out;
    }
    // Three frames of two, one and three records.
    static QList<QList<JournalRecord>> Frames()
    {
        return {{Edit(0, 0, QStringLiteral("a")), Edit(1, 0, QStringLiteral("中文\n"))},
                {Edit(300000, 2, QString())},
                {Codec(PageEncoding::Utf8, true), Edit(5, 1, QStringLiteral("x")), Edit(0, 0, QStringLiteral("y"))}};
    }
    static QByteArray Journal(QList<qsizetype>* ends = nullptr)
    {
        QByteArray bytes = "header\n\n";
        for (const QList<JournalRecord>& frame : Frames()) {
            bytes += EditJournal::Frame(Records(frame));
            if (ends)
                ends->append(bytes.size());
        }
        return bytes;
    }

private Q_SLOTS:
    void roundTrip_data()
    {
        QTest::addColumn<QList<JournalRecord>>("records");
        QTest::newRow("a key") << QList<JournalRecord>{Edit(12, 0, QStringLiteral("x"))};
        QTest::newRow("a deletion") << QList<JournalRecord>{Edit(12, 3, QString())};
        QTest::newRow("Chinese, a line break, a character beyond the BMP")
            << QList<JournalRecord>{Edit(0, 1, QStringLiteral("页\n\U0001F600"))};
        QTest::newRow("positions past 2^28") << QList<JournalRecord>{Edit(600000000, 300000000, QStringLiteral("z"))};
        QTest::newRow("code pages by their names") << QList<JournalRecord>{
            Codec(PageEncoding::Big5, false), Codec(PageEncoding::Utf8, true), Codec(PageEncoding::Gb18030, false)};
    }
    void roundTrip()
    {
        QFETCH(QList<JournalRecord>, records);
        QList<JournalRecord> back;
        const QByteArray frame = EditJournal::Frame(Records(records));
        QCOMPARE(EditJournal::ReadFrames(frame, 0, back), frame.size());
        QCOMPARE(back, records);
    }

    // The text control parts lines by U+2029; the journal by "\n", as the page has them.
    void lineBreaksAsThePageHasThem()
    {
        QByteArray records;
        EditJournal::AddEdit(records, 0, 0, QStringLiteral("a\u2029b"));
        QList<JournalRecord> back;
        EditJournal::ReadFrames(EditJournal::Frame(records), 0, back);
        QCOMPARE(back.value(0).inserted, QStringLiteral("a\nb"));
    }

    // Cut off at any byte, a journal gives back its whole frames and says where they end.
    void cutAnywhere()
    {
        QList<qsizetype> ends;
        const QByteArray whole = Journal(&ends);
        const qsizetype start = whole.indexOf("\n\n") + 2;
        for (qsizetype cut = start; cut <= whole.size(); ++cut) {
            QList<JournalRecord> back;
            const qsizetype end = EditJournal::ReadFrames(QByteArrayView(whole).first(cut), start, back);
            QList<JournalRecord> wanted;
            qsizetype wantedEnd = start;
            for (int i = 0; i < ends.size() && ends.at(i) <= cut; ++i) {
                wanted += Frames().at(i);
                wantedEnd = ends.at(i);
            }
            QCOMPARE(end, wantedEnd);
            QCOMPARE(back, wanted);
        }
    }

    void damaged_data()
    {
        QTest::addColumn<int>("frame"); // the frame damaged (0-based)
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("framesBack");
        QTest::newRow("a byte of the second frame's text changed") << 1 << "flip" << 1;
        QTest::newRow("the first frame's length overstated") << 0 << "length" << 0;
        QTest::newRow("the last frame zeroed, as a power cut leaves it") << 2 << "zero" << 2;
        QTest::newRow("a record of a kind not known, checksum right") << 1 << "kind" << 1;
    }
    void damaged()
    {
        QFETCH(int, frame);
        QFETCH(QString, how);
        QFETCH(int, framesBack);
        QList<qsizetype> ends;
        QByteArray bytes = Journal(&ends);
        const qsizetype start = bytes.indexOf("\n\n") + 2;
        const qsizetype at = frame == 0 ? start : ends.at(frame - 1);
        if (how == QLatin1String("flip"))
            bytes[ends.at(frame) - 1] = char(bytes[ends.at(frame) - 1] ^ 0x20);
        else if (how == QLatin1String("length"))
            bytes[at] = char(bytes[at] + 1);
        else if (how == QLatin1String("zero"))
            bytes.replace(at, ends.at(frame) - at, QByteArray(ends.at(frame) - at, '\0'));
        else
            bytes.replace(at, ends.at(frame) - at, EditJournal::Frame("Q\x01\x02"));
        QList<JournalRecord> back;
        EditJournal::ReadFrames(bytes, start, back);
        QList<JournalRecord> wanted;
        for (int i = 0; i < framesBack; ++i)
            wanted += Frames().at(i);
        QCOMPARE(back, wanted);
    }

    // A journal's header names the page's file and its identity; it is written first, frames are appended, and a
    // cut keeps the whole ones. A journal without a hash is nobody's.
    void journalFile_data()
    {
        QTest::addColumn<QByteArray>("hash");
        QTest::addColumn<int>("readCodec");
        QTest::addColumn<bool>("loads");
        QTest::newRow("read as the page says") << QByteArray("00ff") << -1 << true;
        QTest::newRow("read as Big5") << QByteArray("00ff") << int(PageEncoding::Big5) << true;
        QTest::newRow("no hash: not a journal") << QByteArray() << -1 << false;
    }
    void journalFile()
    {
        QFETCH(QByteArray, hash);
        QFETCH(int, readCodec);
        QFETCH(bool, loads);
        QTemporaryDir dir;
        const RecoveryStore store(dir.path());
        RecoveryEntry header;
        header.path = QStringLiteral("/pages/首页.html");
        header.name = header.path;
        header.time = QDateTime(QDate(2026, 12, 7), QTime(9, 0), Qt::UTC);
        header.journal = true;
        header.readCodec = readCodec;
        header.identity = PageIdentity{1234, 1765097600123456789, hash};
        const QString file = RecoveryStore::NewFileName();
        QVERIFY(store.Write(file, header, EditJournal::Frame(Records(Frames().at(0)))));
        QVERIFY(store.Append(file, EditJournal::Frame(Records(Frames().at(1)))));
        QVERIFY(store.Append(file, EditJournal::Frame(Records(Frames().at(2))).chopped(1)));
        RecoveryEntry back;
        QCOMPARE(store.Load(file, back), loads);
        QCOMPARE(store.List().size(), loads ? 1 : 0);
        if (!loads)
            return;
        QCOMPARE(back.identity, header.identity);
        QCOMPARE(back.readCodec, readCodec);
        QCOMPARE(back.path, header.path);
        QCOMPARE(back.records, Frames().at(0) + Frames().at(1));
        // Cut back to its whole frames, it takes more after them.
        QVERIFY(store.Cut(file, back.wholeBytes));
        QVERIFY(store.Append(file, EditJournal::Frame(Records(Frames().at(2)))));
        QVERIFY(store.Load(file, back));
        QCOMPARE(back.records, Frames().at(0) + Frames().at(1) + Frames().at(2));
    }
};

QTEST_MAIN(TestEditJournal)
#include "tst_editjournal.moc"
