#include "shell/commandline.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <climits>

namespace {

// Qt's own options, which the application object takes out of the arguments after us.
const char* const QtValueOptions[] = {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                                      "qwindowicon", "qwindowtitle", "style", "stylesheet", "session", "display",
                                      "geometry", "name", "title", "visual", "fontengine", "dialogs"};
const char* const QtSwitchOptions[] = {"reverse", "sync", "nograb", "dograb", "widgetcount"};

bool TakesValue(const QString& argument)
{
    QString name = argument;
    while (name.startsWith(QLatin1Char('-')))
        name.remove(0, 1);
    if (name.isEmpty() || name.contains(QLatin1Char('=')) || argument == QLatin1String("-"))
        return false;
    for (const char* option : QtValueOptions)
        if (name == QLatin1String(option))
            return true;
    return false;
}

// Where "--" ends the options: its index, or -1. A "--" given as the value of an option of Qt's is that value.
qsizetype SeparatorIndex(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--"))
            return i;
        if (TakesValue(arguments.at(i)))
            ++i;
    }
    return -1;
}

// A line number as given; one too big for the page is its last line, so a number past int is clamped.
int LineNumber(const QString& digits)
{
    bool ok = false;
    const int line = digits.toInt(&ok);
    return ok ? std::max(line, 1) : INT_MAX;
}

void AddHidden(QCommandLineParser& parser, const char* name, bool value)
{
    QCommandLineOption option(QString::fromLatin1(name));
    if (value)
        option.setValueName(QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

} // namespace

CommandLine CommandLine::Parse(const QStringList& arguments, const QString& folder)
{
    CommandLine result;
    QCommandLineParser parser;
    // "-help" and "-platform" as Qt programs take them; "-x.html" is one unknown option, not six letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption newInstance(QStringLiteral("new-instance"));
    parser.addOptions({help, version, newInstance});
    for (const char* name : QtValueOptions)
        AddHidden(parser, name, true);
    for (const char* name : QtSwitchOptions)
        AddHidden(parser, name, false);

    if (!parser.parse(arguments)) {
        result.action = Refuse;
        result.unknown = parser.unknownOptionNames();
        // Otherwise an option of Qt's came last, with no value after it.
        if (result.unknown.isEmpty())
            result.missingValue = arguments.last();
        return result;
    }
    if (parser.isSet(help))
        result.action = Help;
    else if (parser.isSet(version))
        result.action = Version;
    result.newInstance = parser.isSet(newInstance);
    result.platform = parser.value(QStringLiteral("platform"));
    const qsizetype separator = SeparatorIndex(arguments);
    result.TakePositional(parser.positionalArguments(), separator < 0 ? 0 : arguments.size() - separator - 1,
                          folder);
    return result;
}

void CommandLine::TakePositional(const QStringList& names, qsizetype afterSeparator, const QString& folder)
{
    static const QRegularExpression plusLine(QStringLiteral("^\\+(\\d+)$"));
    int pendingLine = 0;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString& name = names.at(i);
        const bool option = i < names.size() - afterSeparator;
        if (const QRegularExpressionMatch m = plusLine.match(name); option && m.hasMatch()) {
            pendingLine = LineNumber(m.captured(1));
            continue;
        }
        PageRequest page = PageNamed(name, folder);
        if (page.line == 0)
            page.line = pendingLine;
        pendingLine = 0;
        pages.append(page);
    }
}

PageRequest CommandLine::PageNamed(const QString& name, const QString& folder)
{
    // A file of that very name is that file, colon and digits and all.
    const QFileInfo given(QDir(folder), name);
    if (given.exists() || given.isSymLink())
        return PageRequest(given.absoluteFilePath());
    static const QRegularExpression withLine(QStringLiteral("^(.+):(\\d+)$"));
    const QRegularExpressionMatch m = withLine.match(name);
    if (!m.hasMatch())
        return PageRequest(given.absoluteFilePath());
    return PageRequest(QFileInfo(QDir(folder), m.captured(1)).absoluteFilePath(), LineNumber(m.captured(2)));
}

QString CommandLine::Usage(bool chinese)
{
    if (chinese)
        return QStringLiteral("用法：kestrel [选项]... [+行号] [文件[:行号]]...\n"
                              "Kestrel网页编辑：为手写网页准备的编辑器。\n"
                              "\n"
                              "每个文件作为一个网页打开，不给文件时新建一个网页。编辑器已在运行时，文件交给它打开。\n"
                              "\n"
                              "选项：\n"
                              "  -h, --help          显示本帮助后退出\n"
                              "  -v, --version       显示版本后退出\n"
                              "      --new-instance  另开一个编辑器，不把文件交给正在运行的编辑器\n"
                              "      --              选项到此为止，其后的参数都是文件名（如 -x.html）\n"
                              "\n"
                              "  +行号 文件          打开文件并转到这一行\n"
                              "  文件:行号           同上（没有名为“文件:行号”的文件时）\n");
    return QStringLiteral("Usage: kestrel [OPTION]... [+LINE] [FILE[:LINE]]...\n"
                          "Kestrel网页编辑: an editor for hand-written web pages.\n"
                          "\n"
                          "Each FILE opens as a page; with none, the editor starts with a new page. While an editor\n"
                          "runs, the files are handed to it.\n"
                          "\n"
                          "Options:\n"
                          "  -h, --help          show this help and exit\n"
                          "  -v, --version       show the version and exit\n"
                          "      --new-instance  start an editor of its own instead of handing the files to the\n"
                          "                      one that runs\n"
                          "      --              end of the options: every argument after it is a file name\n"
                          "                      (such as -x.html)\n"
                          "\n"
                          "  +LINE FILE          open FILE at line LINE\n"
                          "  FILE:LINE           the same, when no file is named FILE:LINE\n");
}

QString CommandLine::VersionText(bool chinese)
{
    const QString version = QStringLiteral(KESTREL_VERSION);
    if (chinese)
        return QStringLiteral("Kestrel网页编辑（kestrel）%1\n"
                              "许可证：GNU GPL 第 3 版或更新版本 <https://gnu.org/licenses/gpl.html>。\n"
                              "本程序是自由软件，不提供任何担保。\n")
            .arg(version);
    return QStringLiteral("Kestrel网页编辑 (kestrel) %1\n"
                          "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
                          "This is free software; there is NO WARRANTY.\n")
        .arg(version);
}

QString CommandLine::Refusal(bool chinese) const
{
    QString what;
    if (!unknown.isEmpty())
        what = (chinese ? QStringLiteral("kestrel：未知的选项：%1\n") : QStringLiteral("kestrel: unknown option: %1\n"))
                   .arg(unknown.join(QStringLiteral(", ")));
    else
        what = (chinese ? QStringLiteral("kestrel：选项 %1 后缺少取值\n") : QStringLiteral("kestrel: option %1 needs a value\n"))
                   .arg(missingValue);
    const QString hint = chinese ? QStringLiteral("名字以 - 开头的文件写在 -- 之后，如：kestrel -- -x.html\n\n")
                                 : QStringLiteral("A file whose name begins with - goes after --: kestrel -- -x.html\n\n");
    return what + hint + Usage(chinese);
}
