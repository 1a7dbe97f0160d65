#include "programrun.h"
#include "shell/commandline.h"
#include "shell/displaycheck.h"
#include "shell/translations.h"

#include <QtTest>

#include <climits>

// The command line: what each argument means, the language of what is printed, and the real program answering
// --help, a wrong option and a missing display, and opening pages at a line, also through a running editor.
class TestCommandLine : public QObject
{
    Q_OBJECT

    // The program run with `args` and `env`, its two channels apart.
    struct Outcome
    {
        int status = -1;
        QString out, err;
    };
    static Outcome Run(const QStringList& args, const QProcessEnvironment& env)
    {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(KESTREL_BUILD_DIR "/kestrel"), args);
        Outcome o;
        if (!p.waitForFinished(20000)) {
            p.kill();
            p.waitForFinished();
            return o;
        }
        o.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        o.out = QString::fromUtf8(p.readAllStandardOutput());
        o.err = QString::fromUtf8(p.readAllStandardError());
        return o;
    }
    // No display of any kind and no language: what a shell over ssh or a build machine has.
    static QProcessEnvironment Bare(const ProgramRun& run)
    {
        QProcessEnvironment env = run.Environment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES",
                                 "LANG"})
            env.remove(QString::fromLatin1(name));
        return env;
    }
    // A page of 200 lines "line 1" to "line 200".
    static QByteArray Lines()
    {
        QByteArray page;
        for (int i = 1; i <= 200; ++i)
            page += "line " + QByteArray::number(i) + "\r\n";
        return page;
    }
    // The line of the saved page where the marker was typed, or 0.
    static int MarkedLine(const QString& path)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return 0;
        const QList<QByteArray> lines = f.readAll().split('\n');
        for (int i = 0; i < lines.size(); ++i)
            if (lines.at(i).startsWith("@@"))
                return i + 1;
        return 0;
    }

private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("files"); // made in the folder beforehand
        QTest::addColumn<int>("action");
        QTest::addColumn<QStringList>("pages"); // "name" or "name@line", names relative to the folder
        const int run = CommandLine::Run, refuse = CommandLine::Refuse;
        const QStringList none;
        QTest::newRow("nothing: a new page") << none << none << run << none;
        QTest::newRow("two pages") << QStringList{"a.html", "sub/b.html"} << none << run
                                   << QStringList{"a.html", "sub/b.html"};
        QTest::newRow("name:line") << QStringList{"page.html:120"} << none << run << QStringList{"page.html@120"};
        QTest::newRow("name:line of a page that exists")
            << QStringList{"page.html:120"} << QStringList{"page.html"} << run << QStringList{"page.html@120"};
        QTest::newRow("a:b.html that exists is itself") << QStringList{"a:b.html"} << QStringList{"a:b.html"} << run
                                                        << QStringList{"a:b.html"};
        QTest::newRow("p.html:12 that exists is itself")
            << QStringList{"p.html:12"} << QStringList{"p.html:12"} << run << QStringList{"p.html:12"};
        QTest::newRow("a colon with no digits is a name") << QStringList{"a.html:"} << none << run
                                                          << QStringList{"a.html:"};
        QTest::newRow("digits before the end are a name") << QStringList{"a.html:12x"} << none << run
                                                          << QStringList{"a.html:12x"};
        QTest::newRow("+line page") << QStringList{"+120", "page.html"} << none << run
                                    << QStringList{"page.html@120"};
        QTest::newRow("+line is for the next page only")
            << QStringList{"+5", "a.html", "b.html"} << none << run << QStringList{"a.html@5", "b.html"};
        QTest::newRow("the page's own line wins") << QStringList{"+5", "a.html:7"} << none << run
                                                  << QStringList{"a.html@7"};
        QTest::newRow("+line with no page after it") << QStringList{"a.html", "+5"} << none << run
                                                     << QStringList{"a.html"};
        QTest::newRow("line 0 is the first") << QStringList{"+0", "a.html"} << none << run << QStringList{"a.html@1"};
        QTest::newRow("a line past int is the last")
            << QStringList{"a.html:99999999999"} << none << run << QStringList{"a.html@" + QString::number(INT_MAX)};
        QTest::newRow("+word is a name") << QStringList{"+x", "a.html"} << none << run
                                         << QStringList{"+x", "a.html"};
        QTest::newRow("-- ends the options") << QStringList{"--", "-x.html", "--help"} << none << run
                                             << QStringList{"-x.html", "--help"};
        QTest::newRow("after --, +line is a name") << QStringList{"--", "+3", "a.html:4"} << none << run
                                                   << QStringList{"+3", "a.html@4"};
        QTest::newRow("options after pages") << QStringList{"a.html", "--new-instance"} << none << run
                                             << QStringList{"a.html"};
        QTest::newRow("Qt's -platform and its value") << QStringList{"-platform", "offscreen", "a.html"} << none << run
                                                      << QStringList{"a.html"};
        QTest::newRow("Qt's -style with -- as its value") << QStringList{"-style", "--", "+2", "a.html"} << none << run
                                                          << QStringList{"a.html@2"};
        QTest::newRow("Qt's -platform with no value") << QStringList{"a.html", "-platform"} << none << refuse << none;
        QTest::newRow("--help wins over pages")
            << QStringList{"a.html", "--help"} << none << int(CommandLine::Help) << QStringList{"a.html"};
        QTest::newRow("-h") << QStringList{"-h"} << none << int(CommandLine::Help) << none;
        QTest::newRow("--version") << QStringList{"--version"} << none << int(CommandLine::Version) << none;
        QTest::newRow("-v") << QStringList{"-v"} << none << int(CommandLine::Version) << none;
        QTest::newRow("-x.html is an option") << QStringList{"-x.html"} << none << refuse << none;
        QTest::newRow("--bogus") << QStringList{"a.html", "--bogus"} << none << refuse << none;
    }
    void parse()
    {
        QFETCH(QStringList, args);
        QFETCH(QStringList, files);
        QFETCH(int, action);
        QFETCH(QStringList, pages);
        QTemporaryDir dir;
        for (const QString& file : files)
            QVERIFY(ProgramRun::WriteFile(dir.filePath(file), "<p>\n"));
        const CommandLine line = CommandLine::Parse(QStringList{"kestrel"} + args, dir.path());
        QCOMPARE(int(line.action), action);
        QStringList got;
        for (const PageRequest& page : line.pages) {
            const QString name = QDir(dir.path()).relativeFilePath(page.path);
            got.append(page.line ? name + QLatin1Char('@') + QString::number(page.line) : name);
            QVERIFY(QFileInfo(page.path).isAbsolute());
        }
        QCOMPARE(got, pages);
        QCOMPARE(line.newInstance, args.contains(QStringLiteral("--new-instance")));
    }

    void refusal_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<QString>("first"); // the refusal's first line
        QTest::newRow("unknown, English") << QStringList{"-x.html"} << false << "kestrel: unknown option: x.html";
        QTest::newRow("unknown, Chinese") << QStringList{"--bogus"} << true << "kestrel：未知的选项：bogus";
        QTest::newRow("no value, English") << QStringList{"-platform"} << false
                                           << "kestrel: option -platform needs a value";
    }
    void refusal()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, chinese);
        QFETCH(QString, first);
        const QString text = CommandLine::Parse(QStringList{"kestrel"} + args, QDir::tempPath()).Refusal(chinese);
        QCOMPARE(text.section(QLatin1Char('\n'), 0, 0), first);
        QVERIFY(text.endsWith(CommandLine::Usage(chinese)));
    }

    void display_data()
    {
        QTest::addColumn<QString>("platform"); // given with -platform
        QTest::addColumn<QStringList>("env");  // NAME=value
        QTest::addColumn<bool>("available");
        QTest::newRow("nothing") << "" << QStringList{} << false;
        QTest::newRow("X display") << "" << QStringList{"DISPLAY=:0"} << true;
        QTest::newRow("Wayland display") << "" << QStringList{"WAYLAND_DISPLAY=wayland-0"} << true;
        QTest::newRow("an empty DISPLAY") << "" << QStringList{"DISPLAY="} << false;
        QTest::newRow("offscreen needs none") << "" << QStringList{"QT_QPA_PLATFORM=offscreen"} << true;
        QTest::newRow("xcb without X") << "" << QStringList{"QT_QPA_PLATFORM=xcb", "WAYLAND_DISPLAY=w"} << false;
        QTest::newRow("wayland, else xcb: X there") << "" << QStringList{"QT_QPA_PLATFORM=wayland;xcb", "DISPLAY=:1"}
                                                    << true;
        QTest::newRow("wayland, else xcb: neither") << "" << QStringList{"QT_QPA_PLATFORM=wayland;xcb"} << false;
        QTest::newRow("-platform wins over the variable")
            << "xcb" << QStringList{"QT_QPA_PLATFORM=offscreen"} << false;
        QTest::newRow("-platform offscreen") << "offscreen" << QStringList{} << true;
        QTest::newRow("xcb with options") << "" << QStringList{"QT_QPA_PLATFORM=xcb:nomitshm", "DISPLAY=:0"} << true;
    }
    void display()
    {
        QFETCH(QString, platform);
        QFETCH(QStringList, env);
        QFETCH(bool, available);
        QProcessEnvironment e;
        for (const QString& pair : env)
            e.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
        QCOMPARE(DisplayCheck::Available(platform, e), available);
    }

    void language_data()
    {
        QTest::addColumn<QStringList>("env");
        QTest::addColumn<bool>("chinese");
        QTest::newRow("nothing set") << QStringList{} << false;
        QTest::newRow("LANG Chinese") << QStringList{"LANG=zh_CN.UTF-8"} << true;
        QTest::newRow("LANG English") << QStringList{"LANG=en_GB.UTF-8"} << false;
        QTest::newRow("LC_ALL over LANG") << QStringList{"LC_ALL=en_US.UTF-8", "LANG=zh_CN.UTF-8"} << false;
        QTest::newRow("LC_MESSAGES over LANG") << QStringList{"LC_MESSAGES=zh_TW.UTF-8", "LANG=en_US.UTF-8"} << true;
        QTest::newRow("LANGUAGE first entry") << QStringList{"LANGUAGE=zh_CN:en", "LANG=en_US.UTF-8"} << true;
        QTest::newRow("LANGUAGE alone") << QStringList{"LANGUAGE=zh_CN"} << true;
        QTest::newRow("LANGUAGE English over LANG") << QStringList{"LANGUAGE=en", "LANG=zh_CN.UTF-8"} << false;
        QTest::newRow("C locale ignores LANGUAGE") << QStringList{"LANGUAGE=zh_CN", "LC_ALL=C"} << false;
    }
    void language()
    {
        QFETCH(QStringList, env);
        QFETCH(bool, chinese);
        QProcessEnvironment e;
        for (const QString& pair : env)
            e.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
        QCOMPARE(Translations::ChineseWanted(e), chinese);
    }

    // The real program without a display: it answers what needs none, and says in one line that it cannot show.
    void withoutDisplay_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out"); // stdout begins with it
        QTest::addColumn<QString>("err"); // stderr begins with it
        QTest::newRow("--help, English") << QStringList{"--help"} << "" << 0 << "Usage: kestrel" << "";
        QTest::newRow("--help, Chinese") << QStringList{"--help"} << "zh_CN.UTF-8" << 0 << "用法：kestrel" << "";
        QTest::newRow("-h") << QStringList{"-h"} << "en_US.UTF-8" << 0 << "Usage: kestrel" << "";
        QTest::newRow("--version, English") << QStringList{"--version"} << "" << 0
                                            << "Kestrel网页编辑 (kestrel) " KESTREL_VERSION_TEXT << "";
        QTest::newRow("--version, Chinese") << QStringList{"--version"} << "zh_CN.UTF-8" << 0
                                            << "Kestrel网页编辑（kestrel）" KESTREL_VERSION_TEXT << "";
        QTest::newRow("unknown option") << QStringList{"-x.html"} << "" << 2 << ""
                                        << "kestrel: unknown option: x.html\n";
        QTest::newRow("unknown option, Chinese") << QStringList{"a.html", "--bogus"} << "zh_CN.UTF-8" << 2 << ""
                                                 << "kestrel：未知的选项：bogus\n";
        QTest::newRow("no display") << QStringList{} << "" << 1 << "" << DisplayCheck::NoDisplay + "\n";
        QTest::newRow("no display, a page") << QStringList{"+3", "a.html"} << "zh_CN.UTF-8" << 1 << ""
                                            << DisplayCheck::NoDisplay + "\n";
    }
    void withoutDisplay()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, lang);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        ProgramRun run;
        QProcessEnvironment env = Bare(run);
        if (!lang.isEmpty())
            env.insert(QStringLiteral("LANG"), lang);
        const Outcome o = Run(args, env);
        QCOMPARE(o.status, status);
        // Each channel empty, or beginning as the row says.
        QVERIFY2(out.isEmpty() ? o.out.isEmpty() : o.out.startsWith(out), qPrintable(o.out));
        if (status == 1)
            QCOMPARE(o.err, err); // that one line and nothing of Qt's
        else
            QVERIFY2(err.isEmpty() ? o.err.isEmpty() : o.err.startsWith(err), qPrintable(o.err));
        if (status == 2) // the usage follows what was wrong
            QVERIFY2(o.err.contains(CommandLine::Usage(lang.startsWith(QLatin1String("zh")))), qPrintable(o.err));
        QVERIFY(!QFileInfo::exists(run.Path(QStringLiteral("a.html"))));
    }

    // The real program opens a page at the line asked for: the marker typed at the caret is saved on that line.
    // Through a running editor too, and a name with a colon that exists opens as itself.
    void opensAtLine_data()
    {
        QTest::addColumn<QStringList>("args"); // run in the scratch folder
        QTest::addColumn<QString>("page");     // the page that is opened and saved
        QTest::addColumn<bool>("handedOver");  // given to an editor that runs
        QTest::addColumn<int>("line");         // where the marker lands
        QTest::newRow("page:120") << QStringList{"page.html:120"} << "page.html" << false << 120;
        QTest::newRow("+120 page") << QStringList{"+120", "page.html"} << "page.html" << false << 120;
        QTest::newRow("past the end: the last line")
            << QStringList{"page.html:5000"} << "page.html" << false << 201;
        QTest::newRow("a:b.html that exists") << QStringList{"a:b.html"} << "a:b.html" << false << 1;
        QTest::newRow("-- -x.html") << QStringList{"--", "-x.html"} << "-x.html" << false << 1;
        QTest::newRow("handed over: page:120") << QStringList{"page.html:120"} << "page.html" << true << 120;
        QTest::newRow("handed over: +120 page") << QStringList{"+120", "page.html"} << "page.html" << true << 120;
        QTest::newRow("--new-instance: an editor of its own")
            << QStringList{"--new-instance", "+7", "page.html"} << "page.html" << false << 7;
    }
    void opensAtLine()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, page);
        QFETCH(bool, handedOver);
        QFETCH(int, line);
        ProgramRun run;
        for (const QString& name : {QStringLiteral("page.html"), QStringLiteral("a:b.html"),
                                    QStringLiteral("-x.html"), QStringLiteral("first.html")})
            QVERIFY(ProgramRun::WriteFile(run.Path(name), Lines()));
        QProcessEnvironment env = run.Environment();
        env.insert(QStringLiteral("KESTREL_TEST_TYPING"), QStringLiteral("@@"));
        env.insert(QStringLiteral("KESTREL_TEST_COMMANDS"), QStringLiteral("Save"));
        const QString program = QStringLiteral(KESTREL_BUILD_DIR "/kestrel");
        const QString first = run.Path(QStringLiteral("first.html"));
        const bool secondStart = handedOver || args.contains(QStringLiteral("--new-instance"));
        QProcess* editor = nullptr;
        if (secondStart) {
            editor = run.Start(program, {first}, env);
            QTRY_COMPARE_WITH_TIMEOUT(MarkedLine(first), 1, 20000);
        }
        QProcess* start = run.Start(program, args, env, run.dir.path());
        QTRY_COMPARE_WITH_TIMEOUT(MarkedLine(run.Path(page)), line, 20000);
        if (handedOver) {
            // It may have ended while the page was awaited.
            QVERIFY(start->state() == QProcess::NotRunning || start->waitForFinished(20000));
            QCOMPARE(start->exitStatus(), QProcess::NormalExit);
            QCOMPARE(start->exitCode(), 0);
        } else {
            QCOMPARE(start->state(), QProcess::Running);
        }
        if (editor)
            QCOMPARE(editor->state(), QProcess::Running);
        // The named page only: no "page.html:120" was made.
        QCOMPARE(QDir(run.dir.path()).entryList({QStringLiteral("*.html*")}, QDir::Files).size(), 4);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
