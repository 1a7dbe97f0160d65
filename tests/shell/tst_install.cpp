#include "programrun.h"

#include <QDir>
#include <QDomDocument>
#include <QImageReader>
#include <QStandardPaths>
#include <QtTest>

// The program installed into a prefix and packaged for Debian: where each file goes, what the desktop entry says,
// the package's fields, and the installed program, moved elsewhere, finding its data.
class TestInstall : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QString prefix_;
    QStringList debFiles_; // the package's file list, "" when dpkg-deb is missing
    QString deb_;
    bool browser_ = false;

    static QString Run(const QString& program, const QStringList& args, int* exitCode = nullptr)
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(program, args);
        if (!p.waitForFinished(120000))
            p.kill();
        if (exitCode)
            *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        return QString::fromUtf8(p.readAll());
    }
    QString DesktopEntry() const
    {
        QFile f(prefix_ + QStringLiteral("/share/applications/kestrel.desktop"));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

private Q_SLOTS:
    void initTestCase()
    {
        browser_ = QFileInfo::exists(QStringLiteral(KESTREL_BUILD_DIR "/kestrel_browser.so"));
        prefix_ = dir_.filePath(QStringLiteral("prefix"));
        int rc = -1;
        const QString out = Run(
            QStringLiteral(KESTREL_CMAKE),
            {QStringLiteral("--install"), QStringLiteral(KESTREL_BUILD_DIR), QStringLiteral("--prefix"), prefix_}, &rc);
        QVERIFY2(rc == 0, qPrintable(out));
        if (QStandardPaths::findExecutable(QStringLiteral("dpkg-deb")).isEmpty())
            return;
        const QString packages = dir_.filePath(QStringLiteral("packages"));
        const QString packOut =
            Run(QStringLiteral(KESTREL_CPACK),
                {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                 QStringLiteral(KESTREL_BUILD_DIR "/CPackConfig.cmake"), QStringLiteral("-B"), packages},
                &rc);
        QVERIFY2(rc == 0, qPrintable(packOut));
        const QStringList debs = QDir(packages).entryList({QStringLiteral("kestrel_*.deb")}, QDir::Files);
        QCOMPARE(debs.size(), 1);
        deb_ = QDir(packages).filePath(debs.first());
        const QString listing = Run(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), deb_}, &rc);
        QCOMPARE(rc, 0);
        for (const QString& line : listing.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            debFiles_.append(line.section(QLatin1Char(' '), -1)); // "./usr/bin/kestrel"
    }

    void files_data()
    {
        QTest::addColumn<QString>("path"); // under the prefix
        QTest::addColumn<bool>("needsBrowser");
        QTest::newRow("program") << "bin/kestrel" << false;
        QTest::newRow("tag database") << "share/kestrel/data.xml" << false;
        QTest::newRow("help page") << "share/kestrel/readme.html" << false;
        QTest::newRow("effect pictures") << "share/kestrel/qzimg/heart.gif" << false;
        QTest::newRow("desktop entry") << "share/applications/kestrel.desktop" << false;
        QTest::newRow("icon, small") << "share/icons/hicolor/16x16/apps/kestrel.png" << false;
        QTest::newRow("icon, large") << "share/icons/hicolor/256x256/apps/kestrel.png" << false;
        QTest::newRow("metainfo") << "share/metainfo/net.kestrel.editor.metainfo.xml" << false;
        // The program's private libraries, where the installed program looks for them.
        const QString libs = QDir::cleanPath(QStringLiteral("bin/" KESTREL_LIB_FROM_BIN));
        QTest::newRow("browser plugin") << libs + "/kestrel_browser.so" << true;
        QTest::newRow("core library") << libs + "/libkestrel_core.so" << false;
        QTest::newRow("window library") << libs + "/libkestrel_ui.so" << false;
        QTest::newRow("licence") << "share/doc/kestrel/copyright" << false;
        QTest::newRow("changelog") << "share/doc/kestrel/changelog.gz" << false;
        QTest::newRow("manual page") << "share/man/man1/kestrel.1.gz" << false;
        QTest::newRow("manual page, Chinese") << "share/man/zh_CN/man1/kestrel.1.gz" << false;
    }
    void files()
    {
        QFETCH(QString, path);
        QFETCH(bool, needsBrowser);
        if (needsBrowser && !browser_)
            QSKIP("the browser plugin is not built");
        QVERIFY2(QFileInfo(prefix_ + QLatin1Char('/') + path).isFile(), qPrintable(path));
        if (path.startsWith(QLatin1String("bin/")))
            QVERIFY(QFileInfo(prefix_ + QLatin1Char('/') + path).isExecutable());
        if (deb_.isEmpty())
            QSKIP("dpkg-deb is not installed");
        QVERIFY2(debFiles_.contains(QStringLiteral("./usr/") + path), qPrintable(path));
    }

    void desktopEntry_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("opens web pages") << "MimeType=text/html;";
        QTest::newRow("Chinese name") << "Name=Kestrel网页编辑";
        QTest::newRow("Chinese comment") << "Comment=为手写网页准备的编辑器";
        QTest::newRow("the installed program, with the files given") << "Exec=kestrel %F";
        QTest::newRow("the theme's icon") << "Icon=kestrel";
    }
    void desktopEntry()
    {
        QFETCH(QString, line);
        QVERIFY2(DesktopEntry().split(QLatin1Char('\n')).contains(line), qPrintable(DesktopEntry()));
    }

    void validated_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("args");
        QTest::newRow("desktop entry") << "desktop-file-validate"
                                       << QStringList{prefix_ + QStringLiteral("/share/applications/kestrel.desktop")};
        QTest::newRow("metainfo") << "appstreamcli"
                                  << QStringList{QStringLiteral("validate"), QStringLiteral("--no-net"),
                                                 QStringLiteral("--pedantic"),
                                                 prefix_ +
                                                     QStringLiteral("/share/metainfo/net.kestrel.editor.metainfo.xml")};
    }
    void validated()
    {
        QFETCH(QString, tool);
        QFETCH(QStringList, args);
        if (QStandardPaths::findExecutable(tool).isEmpty())
            QSKIP("the validator is not installed");
        int rc = -1;
        const QString out = Run(tool, args, &rc);
        // Clean: not even a hint ("I:", "P:" of appstreamcli).
        const bool hints = QRegularExpression(QStringLiteral("^[EWIP]: "), QRegularExpression::MultilineOption)
                               .match(out)
                               .hasMatch();
        QVERIFY2(rc == 0 && !hints, qPrintable(out));
    }

    // lintian, the check every Debian package is held to, has nothing to say about ours.
    void lintianIsClean()
    {
        if (deb_.isEmpty())
            QSKIP("dpkg-deb is not installed");
        if (QStandardPaths::findExecutable(QStringLiteral("lintian")).isEmpty())
            QSKIP("lintian is not installed (scripts/install-deps installs it)");
        int rc = -1;
        const QString out = Run(QStringLiteral("lintian"),
                                {QStringLiteral("--fail-on"), QStringLiteral("error,warning"), deb_}, &rc);
        QStringList tags;
        for (const QString& line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            if (QRegularExpression(QStringLiteral("^[EWX]: ")).match(line).hasMatch())
                tags.append(line);
        QVERIFY2(rc == 0 && tags.isEmpty(), qPrintable(out));
    }

    // The version is named in the manual pages and the metadata's newest release; the screenshot the metadata
    // describes is the picture in the tree.
    void metadataAgrees_data()
    {
        QTest::addColumn<QString>("file"); // under the source tree
        QTest::addColumn<QString>("needle");
        const QString version = QStringLiteral(KESTREL_VERSION_TEXT);
        QTest::newRow("manual page") << "resources/man/kestrel.1" << "\"kestrel " + version + "\"";
        QTest::newRow("manual page, Chinese") << "resources/man/zh_CN/kestrel.1" << "\"kestrel " + version + "\"";
        QTest::newRow("metainfo release") << "resources/net.kestrel.editor.metainfo.xml"
                                          << "<release version=\"" + version + "\"";
    }
    void metadataAgrees()
    {
        QFETCH(QString, file);
        QFETCH(QString, needle);
        QFile f(QStringLiteral(KESTREL_SOURCE_DIR "/") + file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY2(QString::fromUtf8(f.readAll()).contains(needle), qPrintable(file + QStringLiteral(": ") + needle));
    }
    void screenshotAsDescribed()
    {
        QFile f(QStringLiteral(KESTREL_SOURCE_DIR "/resources/net.kestrel.editor.metainfo.xml"));
        QDomDocument doc;
        QVERIFY(f.open(QIODevice::ReadOnly) && doc.setContent(&f));
        const QDomElement image = doc.documentElement()
                                      .firstChildElement(QStringLiteral("screenshots"))
                                      .firstChildElement(QStringLiteral("screenshot"))
                                      .firstChildElement(QStringLiteral("image"));
        const QString name = image.text().section(QLatin1Char('/'), -1);
        QImageReader picture(QStringLiteral(KESTREL_SOURCE_DIR "/resources/screenshots/") + name);
        QVERIFY2(picture.canRead(), qPrintable(name));
        QCOMPARE(picture.size(), QSize(image.attribute(QStringLiteral("width")).toInt(),
                                       image.attribute(QStringLiteral("height")).toInt()));
    }

    void control_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QStringList>("contains");
        QTest::newRow("Package") << "Package" << QStringList{"kestrel"};
        QTest::newRow("Section") << "Section" << QStringList{"editors"};
        QTest::newRow("Depends: Qt runtime and platform plugins")
            << "Depends" << QStringList{"libqt6core6", "libqt6gui6",     "libqt6widgets6",
                                        "libqt6xml6",  "libqt6network6", "qt6-qpa-plugins"};
        QTest::newRow("Recommends the Chinese fonts") << "Recommends" << QStringList{"fonts-noto-cjk"};
        QTest::newRow("Description") << "Description" << QStringList{"为手写网页准备的编辑器"};
    }
    void control()
    {
        QFETCH(QString, field);
        QFETCH(QStringList, contains);
        if (deb_.isEmpty())
            QSKIP("dpkg-deb is not installed");
        int rc = -1;
        const QString value = Run(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb_, field}, &rc);
        QCOMPARE(rc, 0);
        for (const QString& part : contains)
            QVERIFY2(value.contains(part), qPrintable(field + QStringLiteral(": ") + value));
    }

    // Moved away from where it was installed, far from the build tree, the program still finds its database: it
    // opens the page it is given (and notes it in its recent files) instead of stopping at "数据库丢失!!!".
    void installedProgramFindsItsData()
    {
        ProgramRun run;
        const QString moved = run.Path(QStringLiteral("elsewhere"));
        QVERIFY(QDir().rename(prefix_, moved));
        const QString page = run.Path(QStringLiteral("page.html"));
        QVERIFY(ProgramRun::WriteFile(page, "<p>\r\n"));
        QProcess* editor = run.Start(moved + QStringLiteral("/bin/kestrel"), {page}, run.Environment());
        QTRY_VERIFY_WITH_TIMEOUT(run.RecentFiles().contains(page), 20000);
        QCOMPARE(editor->state(), QProcess::Running);
        QVERIFY(QDir().rename(moved, prefix_));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
