// Tag database: loading data.xml with its indexes (part of the start-up budget) and the lookups that the
// completion lists make on every keystroke or list opening.
//
// Runs on the shipped build/data.xml when it holds a tag list, and always on a generated file of the expected
// full size (150 html1, 1000 property1, 2000 property2, 300 style1, 1500 style2 entries, ~2.5 MB).

#include "tagdb/tagdb.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

const QString RealPath = QStringLiteral(KESTREL_BUILD_DIR "/data.xml");

// A description of about `n` Chinese characters.
QString Description(int i, int n)
{
    static const QString sample = QStringLiteral("用于测试数据库的解析速度与查找速度的说明文字,长度与真实条目相近。");
    QString text = QStringLiteral("第%1条:").arg(i);
    while (text.size() < n)
        text += sample;
    return text.left(n).toHtmlEscaped();
}

QByteArray GeneratedData()
{
    QString x;
    x.reserve(1 << 21);
    x += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kestrel>\n<html>\n");
    const auto section = [&x](const QString& name, int count, const auto& entry) {
        x += QLatin1Char('<') + name + QStringLiteral(">\n");
        for (int i = 0; i < count; ++i)
            x += QStringLiteral("<e>") + entry(i) + QStringLiteral("</e>\n");
        x += QStringLiteral("</") + name + QStringLiteral(">\n");
    };
    section(QStringLiteral("html1"), 150, [](int i) {
        return QStringLiteral("<title>元素%1</title><d>%2</d><start>&lt;t%1</start><endd>&lt;/t%1&gt;</endd>"
                              "<id>%1</id><lx>%3</lx><qz>%4</qz>")
            .arg(i)
            .arg(Description(i, 400))
            .arg(i % 9)
            .arg(i % 2);
    });
    section(QStringLiteral("property1"), 1000, [](int i) {
        return QStringLiteral("<id>%1</id><name>attr%2</name><txt>%3</txt><chid>%4</chid>")
            .arg(i % 150)
            .arg(i)
            .arg(Description(i, 150))
            .arg(i % 7 == 0 ? -1 : i % 400);
    });
    section(QStringLiteral("offten"), 30,
            [](int i) { return QStringLiteral("<name>common%1</name><txt>%2</txt>").arg(i).arg(Description(i, 60)); });
    section(QStringLiteral("property2"), 2000, [](int i) {
        return QStringLiteral("<child>%1</child><values>v%2</values><txt>%3</txt>")
            .arg(i % 400)
            .arg(i)
            .arg(Description(i, 140));
    });
    section(QStringLiteral("style1"), 300, [](int i) {
        return QStringLiteral("<name>prop%1</name><txt>%2</txt><dtype>%3</dtype>")
            .arg(i)
            .arg(Description(i, 140))
            .arg(i % 100);
    });
    section(QStringLiteral("style2"), 1500, [](int i) {
        return QStringLiteral("<myid>%1</myid><values>sv%2</values><txt>%3</txt><num>%4</num>")
            .arg(i % 100)
            .arg(i)
            .arg(Description(i, 140))
            .arg(i / 25);
    });
    section(QStringLiteral("Jstyle"), 100,
            [](int i) { return QStringLiteral("<name>js%1</name><txt>%2</txt>").arg(i).arg(Description(i, 60)); });
    // window: 60 members, every sixth an object of 40 members, whose first is an object of 20.
    const auto member = [](const QString& name, int lx, int id, const QString& children) {
        return QStringLiteral("<m><name>%1</name><lx>%2</lx><id>%3</id><txt>%4</txt>%5</m>")
            .arg(name)
            .arg(lx)
            .arg(id)
            .arg(Description(lx + id, 50))
            .arg(children);
    };
    x += QStringLiteral("<window>\n");
    for (int i = 0; i < 60; ++i) {
        const QString name = QStringLiteral("obj%1").arg(i);
        if (i % 6 != 0) {
            x += member(name, 1, 0, QString()) + QLatin1Char('\n');
            continue;
        }
        QString inner;
        QString deepest;
        for (int k = 0; k < 20; ++k)
            deepest += member(QStringLiteral("leaf%1").arg(k), 0, 0, QString());
        inner +=
            member(QStringLiteral("inner"), 3, 1, QStringLiteral("<inner>") + deepest + QStringLiteral("</inner>"));
        for (int k = 1; k < 40; ++k)
            inner += member(QStringLiteral("m%1").arg(k), 1, 0, QString());
        x += member(name, 3, 1,
                    QLatin1Char('<') + name + QLatin1Char('>') + inner + QStringLiteral("</") + name +
                        QLatin1Char('>')) +
             QLatin1Char('\n');
    }
    x += member(QStringLiteral("top"), 3, 2, QString());
    x += QStringLiteral("</window>\n</html>\n</kestrel>\n");
    return x.toUtf8();
}

// The files measured, set up once in main.
struct Source
{
    const char* Label;
    QString Path;
    qint64 Bytes = 0;
    TagDb Db;
};
std::vector<std::unique_ptr<Source>> sources;

void BM_ParseOnly(benchmark::State& state, Source* source)
{
    QFile file(source->Path);
    file.open(QIODevice::ReadOnly);
    const QByteArray data = file.readAll();
    for (auto _ : state) {
        QDomDocument doc;
        benchmark::DoNotOptimize(doc.setContent(data));
    }
    state.SetBytesProcessed(state.iterations() * data.size());
}

void BM_LoadAndIndex(benchmark::State& state, Source* source)
{
    for (auto _ : state) {
        TagDb db;
        if (db.Load(source->Path) != TagDb::Loaded)
            state.SkipWithError("data.xml did not load");
        benchmark::DoNotOptimize(db.IsLoaded());
    }
    state.SetBytesProcessed(state.iterations() * source->Bytes);
}

// Keys taken from the file itself, cycled so that every call looks up a different entry.
QStringList Keys(const TagDb& db, const QDomElement& section, const QString& field)
{
    QStringList keys = db.FieldTexts(section, field);
    keys.removeAll(QString());
    return keys.isEmpty() ? QStringList{QString()} : keys;
}

QList<int> NumKeys(const TagDb& db, const QDomElement& section, const QString& field)
{
    QList<int> keys;
    for (int i = 0; i < db.EntryCount(section); ++i) {
        const int n = TagDb::NumField(db.Entry(section, i), field);
        if (n != TagDb::NoValueList && n != TagDb::BareAttribute && n != TagDb::FontDtype)
            keys.append(n);
    }
    return keys.isEmpty() ? QList<int>{1} : keys;
}

void BM_TagDescription(benchmark::State& state, Source* source)
{
    const TagDb& db = source->Db;
    const QDomElement tags = TagDb::FindSection(db.TagRoot(), QStringLiteral("html1"));
    const QStringList keys = Keys(db, tags, QStringLiteral("start"));
    qsizetype k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(db.TagDescription(tags, keys.at(k++ % keys.size())));
}

// What opening the attribute list reads: the tag by start, its id, its property1 entries, the offten names.
void BM_AttributeList(benchmark::State& state, Source* source)
{
    const TagDb& db = source->Db;
    const QDomElement tags = TagDb::FindSection(db.TagRoot(), QStringLiteral("html1"));
    const QStringList keys = Keys(db, tags, QStringLiteral("start"));
    qsizetype k = 0;
    for (auto _ : state) {
        const int i = db.TagIndexByStart(tags, keys.at(k++ % keys.size()));
        const QList<QDomElement> attrs = db.AttributesOf(TagDb::NumField(db.Entry(tags, i), QStringLiteral("id")));
        QStringList names;
        for (const QDomElement& attr : attrs)
            names.append(TagDb::Field(attr, QStringLiteral("name")));
        names += db.OffTenNames();
        benchmark::DoNotOptimize(names);
    }
}

void BM_AttributeValues(benchmark::State& state, Source* source)
{
    const TagDb& db = source->Db;
    const QList<int> keys = NumKeys(db, db.Section(QStringLiteral("property1")), QStringLiteral("chid"));
    qsizetype k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(db.AttributeValues(keys.at(k++ % keys.size())));
}

void BM_ValueDescription(benchmark::State& state, Source* source)
{
    const TagDb& db = source->Db;
    const QStringList keys = Keys(db, db.Section(QStringLiteral("property2")), QStringLiteral("values"));
    qsizetype k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(db.ValueDescription(keys.at(k++ % keys.size())));
}

// Accepting a CSS property: its dtype by name in the last style1, then its style2 values.
void BM_CssValues(benchmark::State& state, Source* source)
{
    const TagDb& db = source->Db;
    const QDomElement styles = TagDb::FindSection(db.TagRoot(), QStringLiteral("style1"));
    const QStringList keys = Keys(db, styles, QStringLiteral("name"));
    qsizetype k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(db.CssValues(db.CssDtype(styles, keys.at(k++ % keys.size()))));
}

void BM_CssValueDescription(benchmark::State& state, Source* source)
{
    const TagDb& db = source->Db;
    const QStringList keys = Keys(db, db.Section(QStringLiteral("style2")), QStringLiteral("values"));
    qsizetype k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(db.CssValueDescription(keys.at(k++ % keys.size())));
}

// A dot after a nested member: walk window and list the object's members.
void BM_ScriptMembers(benchmark::State& state, Source* source)
{
    const TagDb& db = source->Db;
    QStringList paths;
    const QDomElement window = db.Section(QStringLiteral("window"));
    for (int i = 0; i < db.EntryCount(window); ++i) {
        const QDomElement member = db.Entry(window, i);
        const QString name = TagDb::Field(member, QStringLiteral("name")).trimmed();
        if (TagDb::NumField(member, QStringLiteral("lx")) != TagDb::ObjectLx || name.isEmpty())
            continue;
        paths.append(QStringLiteral("window.") + name);
        const QDomElement object = db.ScriptObject(name);
        for (int m = 0; m < db.EntryCount(object); ++m) {
            const QDomElement inner = db.Entry(object, m);
            if (TagDb::NumField(inner, QStringLiteral("lx")) == TagDb::ObjectLx)
                paths.append(name + QLatin1Char('.') + TagDb::Field(inner, QStringLiteral("name")).trimmed());
        }
    }
    if (paths.isEmpty())
        paths.append(QStringLiteral("window"));
    qsizetype k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(db.ScriptMemberNames(db.ScriptObject(paths.at(k++ % paths.size()))));
    state.counters["paths"] = double(paths.size());
}

// The fixed lists a new document window fills (tag names, CSS properties, Jstyle names).
void BM_FixedLists(benchmark::State& state, Source* source)
{
    const TagDb& db = source->Db;
    const QDomElement tags = TagDb::FindSection(db.TagRoot(), QStringLiteral("html1"));
    const QDomElement styles = TagDb::FindSection(db.TagRoot(), QStringLiteral("style1"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(db.TagNames(tags));
        benchmark::DoNotOptimize(db.CssProperties(styles));
        benchmark::DoNotOptimize(db.JstyleNames());
    }
}

bool HasTagList(const QString& path)
{
    TagDb db;
    return db.Load(path) == TagDb::Loaded && db.EntryCount(db.Section(QStringLiteral("html1"))) > 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;

    if (HasTagList(RealPath)) {
        auto real = std::make_unique<Source>();
        real->Label = "real";
        real->Path = RealPath;
        sources.push_back(std::move(real));
    } else {
        std::printf("%s has no tag list; measuring the generated file only\n", qPrintable(RealPath));
    }
    auto generated = std::make_unique<Source>();
    generated->Label = "generated";
    generated->Path = dir.filePath(QStringLiteral("data.xml"));
    QFile file(generated->Path);
    if (!file.open(QIODevice::WriteOnly) || file.write(GeneratedData()) < 0)
        return 1;
    file.close();
    sources.push_back(std::move(generated));

    for (const auto& source : sources) {
        source->Bytes = QFileInfo(source->Path).size();
        if (source->Db.Load(source->Path) != TagDb::Loaded)
            return 1;
        const auto count = [&](const char* name) {
            return source->Db.EntryCount(source->Db.Section(QString::fromLatin1(name)));
        };
        std::printf("%-9s %s: %.2f MB; html1 %d, property1 %d, property2 %d, style1 %d, style2 %d, window %d\n",
                    source->Label, qPrintable(source->Path), source->Bytes / 1048576.0, count("html1"),
                    count("property1"), count("property2"), count("style1"), count("style2"), count("window"));
        Source* s = source.get();
        const std::string suffix = std::string("/") + s->Label;
        benchmark::RegisterBenchmark(("ParseOnly" + suffix).c_str(), BM_ParseOnly, s)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("LoadAndIndex" + suffix).c_str(), BM_LoadAndIndex, s)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("TagDescription" + suffix).c_str(), BM_TagDescription, s)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("AttributeList" + suffix).c_str(), BM_AttributeList, s)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("AttributeValues" + suffix).c_str(), BM_AttributeValues, s)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("ValueDescription" + suffix).c_str(), BM_ValueDescription, s)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("CssValues" + suffix).c_str(), BM_CssValues, s)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("CssValueDescription" + suffix).c_str(), BM_CssValueDescription, s)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("ScriptMembers" + suffix).c_str(), BM_ScriptMembers, s)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("FixedLists" + suffix).c_str(), BM_FixedLists, s)->Unit(benchmark::kMicrosecond);
    }
    std::printf("targets: LoadAndIndex <= 40 ms, each list lookup <= 50 us\n");

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
