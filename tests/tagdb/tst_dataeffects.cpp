// Structure of the shipped data.xml's script sections as the dialogs read them: javas (event dialog and pop-up
// window dialog), javas1 (effects dialog) and mytx (effects picker), and the pictures in data/qzimg that picture
// parameters default to. The scripts themselves run in tst_effectsbrowser (the embedded browser) and in
// tools/datagen/check_effects.py (Node, with line-break variants).

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include "effectdata.h"

using namespace effectdata;

namespace {

const QString SourceDir = QStringLiteral(KESTREL_SOURCE_DIR);
const QString PictureDir = SourceDir + QStringLiteral("/data/qzimg/");

// Whether a page labelled gb2312 can carry the text.
bool FitsGb2312(const QString& s)
{
    bool ok = false;
    ToGb2312(s, &ok);
    return ok;
}

// Old browser-only objects that today's browsers lack or ignore.
const QStringList Forbidden = {QStringLiteral("window.status"),   QStringLiteral("document.all"),
                               QStringLiteral("document.layers"), QStringLiteral("attachEvent"),
                               QStringLiteral("ActiveXObject"),   QStringLiteral("document.write")};

QString ForbiddenIn(const QString& code)
{
    for (const QString& f : Forbidden)
        if (code.contains(f, Qt::CaseInsensitive))
            return f;
    return {};
}

// Code for an event attribute: the attribute is double-quoted and on one line.
bool FitsAttribute(const QString& code)
{
    return !code.contains(QLatin1Char('"')) && !code.contains(QLatin1Char('\n')) && !code.contains(QLatin1Char('\r'));
}

bool Balanced(const QString& code)
{
    int round = 0, curly = 0, square = 0;
    for (const QChar c : code) {
        round += c == QLatin1Char('(') ? 1 : c == QLatin1Char(')') ? -1 : 0;
        curly += c == QLatin1Char('{') ? 1 : c == QLatin1Char('}') ? -1 : 0;
        square += c == QLatin1Char('[') ? 1 : c == QLatin1Char(']') ? -1 : 0;
        if (round < 0 || curly < 0 || square < 0)
            return false;
    }
    return round == 0 && curly == 0 && square == 0 && code.count(QLatin1Char('\'')) % 2 == 0;
}

// Every <script> opened is closed, and nothing else but whitespace stands between the blocks.
bool WholeScriptBlocks(const QString& markup)
{
    static const QRegularExpression block(QStringLiteral("<script\\b[^>]*>.*?</script>"),
                                          QRegularExpression::DotMatchesEverythingOption |
                                              QRegularExpression::CaseInsensitiveOption);
    QString rest = markup;
    rest.remove(block);
    return markup.contains(QLatin1String("<script")) && rest.trimmed().isEmpty();
}

QStringList Sorted(const QSet<QString>& set)
{
    QStringList list(set.cbegin(), set.cend());
    list.sort();
    return list;
}

} // namespace

class TestDataEffects : public QObject
{
    Q_OBJECT

    QDomDocument doc;
    QDomElement tagRoot;
    QList<QDomElement> javas, javas1, mytx;

    QDomElement Section(const QString& name) const { return tagRoot.firstChildElement(name); }

private slots:
    void initTestCase()
    {
        const QString error = Load(doc, tagRoot);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        javas = Entries(Section(QStringLiteral("javas")));
        javas1 = Entries(Section(QStringLiteral("javas1")));
        mytx = Entries(Section(QStringLiteral("mytx")));
        qInfo("javas %lld statements, javas1 %lld page effects, mytx %lld element effects", qint64(javas.size()),
              qint64(javas1.size()), qint64(mytx.size()));
        QVERIFY(javas.size() >= 40);
        QVERIFY(javas1.size() >= 30);
        QVERIFY(mytx.size() >= 12);
    }

    // Positions are counted over child nodes, so sections and entries hold elements only, and a field holds
    // nothing but its text (a single CDATA node counts as text).
    void onlyElementsAndText_data()
    {
        QTest::addColumn<QString>("section");
        QTest::newRow("javas") << QStringLiteral("javas");
        QTest::newRow("javas1") << QStringLiteral("javas1");
        QTest::newRow("mytx") << QStringLiteral("mytx");
    }
    void onlyElementsAndText()
    {
        QFETCH(QString, section);
        const QDomElement s = Section(section);
        QCOMPARE(tagRoot.elementsByTagName(section).count(), 1);
        const QDomNodeList entries = s.childNodes();
        for (int i = 0; i < entries.count(); ++i) {
            QVERIFY2(entries.at(i).isElement(), qPrintable(QStringLiteral("entry %1 is not an element").arg(i)));
            const QDomNodeList fields = entries.at(i).childNodes();
            for (int j = 0; j < fields.count(); ++j) {
                QVERIFY2(fields.at(j).isElement(), qPrintable(QStringLiteral("entry %1, field %2").arg(i).arg(j)));
                const QDomNodeList parts = fields.at(j).childNodes();
                QVERIFY2(parts.count() <= 1 && (parts.isEmpty() || parts.at(0).isText()),
                         qPrintable(QStringLiteral("entry %1, field %2 holds more than text").arg(i).arg(j)));
                QVERIFY2(FitsGb2312(fields.at(j).toElement().text()),
                         qPrintable(QStringLiteral("entry %1, field %2 does not fit GB2312").arg(i).arg(j)));
            }
        }
    }

    // Each statement as the event dialog and ScriptCallDialog read it: add0 always present (empty = no parameter dialog),
    // shown rows contiguous from row 0 and captioned, the call fits a double-quoted attribute and is balanced
    // once the arguments are in.
    void statement_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < javas.size(); ++i)
            QTest::newRow(qPrintable(Field(javas[i], QStringLiteral("title")))) << i;
    }
    void statement()
    {
        QFETCH(int, index);
        const QDomElement e = javas[index];
        const QString title = Field(e, QStringLiteral("title"));
        QVERIFY(HasChinese(title));
        QVERIFY(!Field(e, QStringLiteral("values")).isEmpty());
        QVERIFY(Has(e, QStringLiteral("add0")));
        QVERIFY(Has(e, QStringLiteral("child")));

        int shown = 0;
        while (shown < 10 && !Field(e, QStringLiteral("add%1").arg(shown)).isEmpty())
            ++shown;
        for (int i = shown; i < 10; ++i)
            QVERIFY2(Field(e, QStringLiteral("add%1").arg(i)).isEmpty(), "a shown row after a hidden one");
        for (int i = 0; i < shown; ++i)
            QVERIFY2(HasChinese(Field(e, QStringLiteral("a%1").arg(i))), qPrintable(QStringLiteral("row %1").arg(i)));

        const int child = Num(Field(e, QStringLiteral("child")));
        QVERIFY(child >= 0 && child <= 2);
        if (child == 1)
            QCOMPARE(shown, 1);
        if (child == 2) {
            QCOMPARE(shown, 3);
            QVERIFY(Field(e, QStringLiteral("values")).contains(QLatin1String("window.open('")));
        }
        const QStringList args = StatementArgs(e);
        const QString code = AssembleStatement(e, args);
        QVERIFY2(FitsAttribute(code), qPrintable(code));
        QVERIFY2(Balanced(code), qPrintable(code));
        QVERIFY2(ForbiddenIn(code).isEmpty(), qPrintable(ForbiddenIn(code)));
        if (child == 2)
            QVERIFY2(code.contains(QLatin1String("'") + args[2] + QLatin1String("')")), qPrintable(code));
    }

    void statementLayouts()
    {
        int colour = 0, window = 0, withRows = 0, plain = 0;
        for (const QDomElement& e : std::as_const(javas)) {
            const int child = Num(Field(e, QStringLiteral("child")));
            colour += child == 1;
            window += child == 2;
            withRows += child == 0 && !Field(e, QStringLiteral("add0")).isEmpty();
            plain += Field(e, QStringLiteral("add0")).isEmpty();
        }
        qInfo("javas: %d colour statements, %d window statements, %d with argument rows, %d without", colour, window,
              withRows, plain);
        QVERIFY(colour >= 4);
        QVERIFY(window >= 1);
        QVERIFY(withRows >= 10);
        QVERIFY(plain >= 5);
    }

    // Each page effect as the effects dialog reads it: every parameter definition (marker and default) comes
    // with the piece before it and its caption, defaults fit the kind's control, handlers fit the body tag.
    void effect_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < javas1.size(); ++i)
            QTest::newRow(qPrintable(Field(javas1[i], QStringLiteral("txt")))) << i;
    }
    void effect()
    {
        QFETCH(int, index);
        const QDomElement e = javas1[index];
        QVERIFY(HasChinese(Field(e, QStringLiteral("txt"))));
        QVERIFY(HasChinese(Field(e, QStringLiteral("help"))));
        QVERIFY(AboveBlank(e, QStringLiteral("value")));

        const bool hasParams = AboveBlank(e, QStringLiteral("v1"));
        bool gap = false;
        for (int k = 1; k <= 5; ++k) {
            const QString def = Field(e, QStringLiteral("v%1").arg(2 * k));
            if (!AboveBlank(e, QStringLiteral("v%1").arg(2 * k))) {
                gap = true;
                QVERIFY2(!Has(e, QStringLiteral("v%1").arg(2 * k - 1)), "a piece without its parameter");
                continue;
            }
            QVERIFY2(hasParams && !gap, qPrintable(QStringLiteral("parameter %1 is never reached").arg(k)));
            QVERIFY2(AboveBlank(e, QStringLiteral("v%1").arg(2 * k - 1)),
                     qPrintable(QStringLiteral("piece %1").arg(k)));
            QVERIFY2(HasChinese(Field(e, QStringLiteral("d%1").arg(k))),
                     qPrintable(QStringLiteral("caption %1").arg(k)));
            const QString marker = def.left(2), value = def.mid(2);
            QVERIFY2(QRegularExpression(QStringLiteral("^[1-5]\\*$")).match(marker).hasMatch(), qPrintable(def));
            if (marker == QLatin1String("1*"))
                QVERIFY2(QRegularExpression(QStringLiteral("^#[0-9A-F]{6}$")).match(value).hasMatch(), qPrintable(def));
            if (marker == QLatin1String("2*"))
                QVERIFY2(QFile::exists(PictureDir + value), qPrintable(value));
            if (marker == QLatin1String("4*")) {
                QVERIFY2(value.endsWith(QLatin1String("pt")), qPrintable(def));
                QVERIFY(Num(value) >= 1 && Num(value) <= 200);
            }
            if (marker == QLatin1String("5*"))
                QVERIFY2(Num(value) >= 10 && Num(value) <= 800 && value == QString::number(Num(value)),
                         qPrintable(def));
        }

        const QString script = AssembleEffect(e, DefaultParams(e, PictureDir));
        QVERIFY2(WholeScriptBlocks(script), qPrintable(script.left(200)));
        QVERIFY2(!script.contains(QLatin1String("{{")), "an unfilled parameter mark");
        QVERIFY2(ForbiddenIn(script).isEmpty(), qPrintable(ForbiddenIn(script)));

        const QString start = Field(e, QStringLiteral("start")).trimmed();
        QVERIFY(FitsAttribute(start) && Balanced(start));
        for (int j = 1; j <= 4; ++j) {
            const QString b = QStringLiteral("b%1").arg(j), a = QStringLiteral("a%1").arg(j);
            QCOMPARE(Has(e, b), Has(e, a));
            if (!Has(e, b))
                continue;
            QVERIFY2(QRegularExpression(QStringLiteral("^on[a-z]+$")).match(Field(e, b)).hasMatch(),
                     qPrintable(Field(e, b)));
            QVERIFY2(FitsAttribute(Field(e, a)) && Balanced(Field(e, a)), qPrintable(Field(e, a)));
            // the handler calls something the effect's own script defines
            static const QRegularExpression called(QStringLiteral("\\b(qz[A-Za-z]+)\\("));
            const auto m = called.match(Field(e, a));
            if (m.hasMatch())
                QVERIFY2(script.contains(QStringLiteral("window.") + m.captured(1) + QStringLiteral(" =")),
                         qPrintable(m.captured(1)));
        }
        static const QRegularExpression startCall(QStringLiteral("^(qz[A-Za-z]+)\\(\\)$"));
        if (!start.isEmpty()) {
            const auto m = startCall.match(start);
            QVERIFY2(m.hasMatch() && script.contains(QStringLiteral("window.") + m.captured(1) + QStringLiteral(" =")),
                     qPrintable(start));
        }
    }

    void effectVariety()
    {
        QSet<QString> markers;
        int withStart = 0, withEvents = 0, withoutParams = 0;
        for (const QDomElement& e : std::as_const(javas1)) {
            for (int k = 1; k <= 5; ++k)
                if (AboveBlank(e, QStringLiteral("v%1").arg(2 * k)))
                    markers.insert(Field(e, QStringLiteral("v%1").arg(2 * k)).left(2));
            withStart += AboveBlank(e, QStringLiteral("start"));
            withEvents += Has(e, QStringLiteral("b1"));
            withoutParams += !AboveBlank(e, QStringLiteral("v1"));
        }
        qInfo("javas1: markers %s, %d with onload code, %d with body events, %d without parameters",
              qPrintable(Sorted(markers).join(QLatin1Char(' '))), withStart, withEvents, withoutParams);
        QCOMPARE(markers, (QSet<QString>{QStringLiteral("1*"), QStringLiteral("2*"), QStringLiteral("3*"),
                                         QStringLiteral("4*"), QStringLiteral("5*")}));
        QVERIFY(withStart >= 2);
        QVERIFY(withEvents >= 3);
        QVERIFY(withoutParams >= 1);
    }

    // Every picture a parameter defaults to decodes, and every picture shipped is somebody's default.
    void pictures()
    {
        QSet<QString> used;
        for (const QDomElement& e : std::as_const(javas1))
            for (int k = 1; k <= 5; ++k) {
                const QString def = Field(e, QStringLiteral("v%1").arg(2 * k));
                if (def.startsWith(QLatin1String("2*")))
                    used.insert(def.mid(2));
            }
        const QStringList files = QDir(PictureDir).entryList(QDir::Files);
        const QSet<QString> shipped(files.cbegin(), files.cend());
        qInfo("qzimg: %lld pictures", qint64(shipped.size()));
        QCOMPARE(shipped, used);
        for (const QString& name : used) {
            QImageReader reader(PictureDir + name);
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(name + QLatin1String(": ") + reader.errorString()));
            QVERIFY(image.width() >= 16 && image.height() >= 16);
        }
    }

    // Each element effect as the picker fills it in, for the id "my-box": no placeholder survives, the markup
    // looks the element up by that id and keeps its handle under the derived identifier, and any onload code
    // calls into it.
    void elementEffect_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < mytx.size(); ++i)
            QTest::newRow(qPrintable(Field(mytx[i], QStringLiteral("txt")))) << i;
    }
    void elementEffect()
    {
        QFETCH(int, index);
        const QDomElement e = mytx[index];
        QVERIFY(HasChinese(Field(e, QStringLiteral("txt"))));
        const QString name = Field(e, QStringLiteral("name"));
        QVERIFY(name.contains(QLatin1String("qz**")));
        QVERIFY(name.contains(QLatin1String("qz@@")));
        const QString filled = FillPlaceholders(name, QStringLiteral("my-box"));
        QVERIFY(!filled.contains(QLatin1String("qz**"), Qt::CaseInsensitive));
        QVERIFY(!filled.contains(QLatin1String("qz@@"), Qt::CaseInsensitive));
        QVERIFY(filled.contains(QLatin1String("getElementById('my-box')")));
        QVERIFY(filled.contains(QLatin1String("window['my-box1781']")));
        QVERIFY2(WholeScriptBlocks(filled), qPrintable(filled.left(200)));
        QVERIFY2(ForbiddenIn(filled).isEmpty(), qPrintable(ForbiddenIn(filled)));
        if (Field(e, QStringLiteral("load")).trimmed().isEmpty())
            return;
        const QString load = FillPlaceholders(Field(e, QStringLiteral("load")).trimmed(), QStringLiteral("my-box"));
        QVERIFY2(FitsAttribute(load) && Balanced(load), qPrintable(load));
        QVERIFY2(load.contains(QLatin1String("window['my-box1781']()")), qPrintable(load));
    }

    void elementEffectVariety()
    {
        int withLoad = 0;
        for (const QDomElement& e : std::as_const(mytx))
            withLoad += !Field(e, QStringLiteral("load")).trimmed().isEmpty();
        qInfo("mytx: %d with onload code", withLoad);
        QVERIFY(withLoad >= 2);
        QVERIFY(withLoad < mytx.size());
    }
};

QTEST_MAIN(TestDataEffects)
#include "tst_dataeffects.moc"
