// Times find, replace all and preview on a 20 MB page in a real page window:
//   app_findpreview [SIZE_MB]
// The page is written first: GB18030, CR LF, a three-letter word 200,000 times and one word only near the end.
#include "base/browserview.h"
#include "base/messages.h"
#include "editor/finddialog.h"
#include "editor/pageedit.h"
#include "editor/pagesearch.h"
#include "editor/pagewindow.h"
#include "shell/mainframe.h"

#include "benchsetting.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QStringEncoder>

#include <cstdio>

namespace {
constexpr int Words = 200000;

QByteArray MakePage(qint64 size)
{
    QString page =
        QStringLiteral("<html>\r\n<head>\r\n<meta http-equiv='Content-Type' content='text/html;charset=gb2312'>"
                       "\r\n<title>大网页</title>\r\n</head>\r\n<body>\r\n");
    int words = 0;
    qint64 bytes = 0;
    for (int i = 0; bytes < size; ++i) {
        QString line;
        switch (i % 3) {
        case 0:
            line = QStringLiteral(
                "<p class=\"t%1\">第%1段：这是一段用来测试编辑器速度的中文文字, with some English words.</p>");
            break;
        case 1:
            line = QStringLiteral(
                "<div style=\"color:#336699\"><a href=\"page%1.html\">链接 %1</a> <img src=\"img/%1.gif\"></div>");
            break;
        default:
            line = QStringLiteral("<table border=1><tr><td>单元格 %1</td><td>数据</td></tr></table>");
            break;
        }
        line = line.arg(i);
        if (words < Words) {
            line += QStringLiteral(" abc");
            ++words;
        }
        line += QStringLiteral("\r\n");
        bytes += line.size();
        for (const QChar c : std::as_const(line))
            bytes += c.unicode() > 0x7F; // two bytes in GB18030
        page += line;
    }
    while (words < Words) {
        page += QStringLiteral("abc\r\n");
        ++words;
    }
    page += QStringLiteral("<p>Zyx</p>\r\n</body>\r\n</html>\r\n");
    QStringEncoder encoder("GB18030");
    return encoder.encode(page);
}

int Count(const QTextDocument* doc, const QString& what)
{
    int n = 0;
    for (int at = PageSearch::Find(doc, what, 0, Qt::CaseSensitive); at >= 0;
         at = PageSearch::Find(doc, what, at + int(what.size()), Qt::CaseSensitive))
        ++n;
    return n;
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const double megabytes = argc > 1 ? QString::fromLocal8Bit(argv[1]).toDouble() : 20.0;
    BenchSetting setting(MsgAnswer::Yes);

    const QString path = setting.dir.filePath(QStringLiteral("big.html"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(MakePage(qint64(megabytes * 1024 * 1024))) < 0)
            return 2;
    }
    MainFrame frame(setting.shared);
    frame.show();
    PageWindow* doc = frame.OpenPath(path);
    if (!doc)
        return 2;
    QCoreApplication::processEvents();
    QTextDocument* text = doc->pageEdit->document();
    std::printf("page %.1f MB, %d characters, %d lines, \"abc\" %d times\n", QFileInfo(path).size() / 1048576.0,
                text->characterCount() - 1, text->blockCount(), Count(text, QStringLiteral("abc")));

    QElapsedTimer t;
    t.start();
    const int bare = PageSearch::Find(text, QStringLiteral("zyx"), 0, Qt::CaseInsensitive);
    std::printf("search alone, line by line: %lld ms (at %d)\n", t.elapsed(), bare);
    frame.RunCommand(Command::FindReplace);
    FindDialog* find = FindDialog::Instance();
    find->FindText->setText(QStringLiteral("zyx"));
    for (const bool matchCase : {false, true}) {
        if (matchCase) {
            find->CheckDx->click();
            find->FindText->setText(QStringLiteral("Zyx"));
        }
        qint64 best = -1;
        for (int run = 0; run < 3; ++run) {
            doc->pageEdit->SetSelStart(0);
            t.start();
            find->FindNextCom->click();
            const qint64 ms = t.elapsed();
            best = best < 0 ? ms : qMin(best, ms);
        }
        std::printf("find next from the top to the end (%s): %lld ms, selection at %d of %d\n",
                    matchCase ? "case-sensitive" : "ignoring case", best, doc->pageEdit->SelStart(),
                    text->characterCount() - 1);
    }

    find->FindText->setText(QStringLiteral("abc"));
    find->ReplText->setText(QStringLiteral("xyz"));
    const int changes = doc->ChangeCount();
    t.start();
    find->Com->click();
    const qint64 replaced = t.elapsed();
    QCoreApplication::processEvents();
    const qint64 painted = t.elapsed();
    std::printf(
        "replace all of \"abc\": %lld ms (%lld ms with the repaint); \"xyz\" now %d times, changes counted %d\n",
        replaced, painted, Count(text, QStringLiteral("xyz")), doc->ChangeCount() - changes);
    t.start();
    frame.RunCommand(Command::Undo);
    const qint64 undone = t.elapsed();
    std::printf("one undo: %lld ms; \"abc\" %d times, \"xyz\" %d times, further undo %s\n", undone,
                Count(text, QStringLiteral("abc")), Count(text, QStringLiteral("xyz")),
                text->isUndoAvailable() ? "available" : "none");

    FindDialog::Unload();
    for (int run = 0; run < 2; ++run) {
        t.start();
        frame.RunCommand(Command::Preview);
        const qint64 shown = t.elapsed();
        std::printf("preview %s: %lld ms to write %.1f MB and start the navigation (%s)\n",
                    run == 0 ? "first, engine loaded" : "again", shown,
                    QFileInfo(doc->PreviewFile()).size() / 1048576.0,
                    doc->previewBrowser->EngineLoaded() ? "engine up" : "no engine");
        frame.RunCommand(Command::Preview);
    }
    doc->pageEdit->document()->setModified(false);
    setting.prompts.SetResponder([](const MessageRecord&, QString&) { return MsgAnswer::No; });
    return 0;
}
