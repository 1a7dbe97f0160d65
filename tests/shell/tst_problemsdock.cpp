// The problems list in the frame: the check of the active page, walked with the keyboard, following the pages,
// dropping a check of a text that changed meanwhile, and the check while typing.

#include "pagewindowfixture.h"

#include "shell/framesettings.h"
#include "shell/pagechecker.h"
#include "shell/problemmodel.h"
#include "shell/problemsdock.h"

#include <QLabel>
#include <QTableView>
#include <QTextBlock>

class TestProblemsDock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void checkListsProblemsAndLeavesPageAlone();
    void gutterMarksProblemLines();
    void keyboardWalksProblems();
    void followsActivePage();
    void changedTextDropsCheck();
    void checksWhileTyping();

private:
    // A page whose problems are on lines 2 (an unknown element), 3 (a missing end tag) and 4 (an id used twice).
    static QString ProblemPage();
    PageChecker* CheckActive();
    QTableView* View() const { return f_.frame->Problems()->View(); }
    // Line and column of the caret, from 1.
    static QPair<int, int> Caret(PageWindow* doc);
    QPair<int, int> Row(int row) const;

    PageWindowFixture f_;
};

void TestProblemsDock::init()
{
    f_.Start(false);
    f_.frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f_.frame.get()));
}

void TestProblemsDock::cleanup()
{
    f_.Stop();
}

QString TestProblemsDock::ProblemPage()
{
    return QStringLiteral("<!DOCTYPE html><html><head><title>t</title></head><body>\n<zzz>q</zzz>\n<p><b>粗体</p>\n"
                          "<p id=\"a\">1</p><p id=\"a\">2</p>\n</body></html>");
}

PageChecker* TestProblemsDock::CheckActive()
{
    f_.frame->RunCommand(Command::CheckPage);
    PageChecker* checker = PageChecker::Of(f_.Active());
    if (!QTest::qWaitFor([checker] { return checker->HasResult() && !checker->Running(); }, 10000))
        return nullptr;
    return checker;
}

QPair<int, int> TestProblemsDock::Caret(PageWindow* doc)
{
    const QTextCursor cursor = doc->pageEdit->textCursor();
    return {cursor.blockNumber() + 1, cursor.positionInBlock() + 1};
}

QPair<int, int> TestProblemsDock::Row(int row) const
{
    const QAbstractItemModel* model = View()->model();
    return {model->index(row, ProblemModel::LineColumn).data().toInt(),
            model->index(row, ProblemModel::ColumnColumn).data().toInt()};
}

void TestProblemsDock::checkListsProblemsAndLeavesPageAlone()
{
    PageWindow* doc = f_.Active();
    PageWindowFixture::SetText(doc, ProblemPage(), 0);
    const quint64 edits = doc->EditCount();
    const bool modified = doc->IsModified();
    const bool undo = doc->pageEdit->document()->isUndoAvailable();
    QVERIFY(CheckActive());
    QVERIFY(f_.frame->Problems()->isVisible());
    const QAbstractItemModel* model = View()->model();
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString() + model->headerData(1, Qt::Horizontal).toString() +
                 model->headerData(2, Qt::Horizontal).toString() + model->headerData(3, Qt::Horizontal).toString(),
             QStringLiteral("行列类别说明"));
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row)
        rows.append(QStringLiteral("%1,%2 %3 %4")
                        .arg(Row(row).first)
                        .arg(Row(row).second)
                        .arg(model->index(row, ProblemModel::KindColumn).data().toString(),
                             model->index(row, ProblemModel::TextColumn).data().toString()));
    QCOMPARE(rows, QStringList({"2,1 错误 不认识的元素 <zzz>", "2,1 警告 多余的 <zzz>, 浏览器会忽略它",
                                "2,7 警告 多余的 </zzz>, 浏览器会忽略它", "3,4 警告 </p> 之前缺少结束标签 </b>",
                                "4,11 警告 缺少开始标签 <b>, 浏览器会自行补上", "4,23 警告 id \"a\" 在第 4 行已经用过",
                                "4,26 警告 缺少开始标签 <b>, 浏览器会自行补上"}));
    QCOMPARE(f_.frame->Problems()->SummaryLabel()->text(), QStringLiteral("1 个错误, 6 个警告"));
    // The check reads the page and nothing more.
    QCOMPARE(PageWindowFixture::Text(doc), ProblemPage());
    QCOMPARE(doc->EditCount(), edits);
    QCOMPARE(doc->IsModified(), modified);
    QCOMPARE(doc->pageEdit->document()->isUndoAvailable(), undo);
}

void TestProblemsDock::gutterMarksProblemLines()
{
    PageWindow* doc = f_.Active();
    PageWindowFixture::SetText(doc, ProblemPage(), 0);
    QVERIFY(CheckActive());
    QWidget* gutter = doc->pageEdit->findChild<QWidget*>(QStringLiteral("LineNumbers"));
    QVERIFY(gutter && gutter->isVisible());
    const QImage strip = gutter->grab().toImage();
    const auto colourAt = [&](int line) {
        QTextCursor cursor(doc->pageEdit->document()->findBlockByNumber(line - 1));
        const int y = doc->pageEdit->cursorRect(cursor).center().y();
        return strip.pixelColor(QPoint(1, y) * strip.devicePixelRatio());
    };
    // The worst problem of a line gives its mark; a line without any has none.
    QCOMPARE(colourAt(2), ProblemModel::KindColour(PageProblem::Error));
    QCOMPARE(colourAt(3), ProblemModel::KindColour(PageProblem::Warning));
    QVERIFY(colourAt(1) != ProblemModel::KindColour(PageProblem::Error) &&
            colourAt(1) != ProblemModel::KindColour(PageProblem::Warning));
}

void TestProblemsDock::keyboardWalksProblems()
{
    PageWindow* doc = f_.Active();
    PageWindowFixture::SetText(doc, ProblemPage(), 0);
    QVERIFY(CheckActive());
    // In the list: down to the fifth row, Enter takes the caret there and the keys back to the page.
    const int last = View()->model()->rowCount() - 1;
    QCOMPARE(last, 6);
    View()->setFocus();
    View()->setCurrentIndex(View()->model()->index(0, 0));
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(View(), Qt::Key_Down);
    QTest::keyClick(View(), Qt::Key_Return);
    QCOMPARE(Caret(doc), Row(4));
    QVERIFY(doc->pageEdit->hasFocus());
    // From the page: F8 the next one, Shift+F8 back, round the ends; the list's row follows.
    QTest::keyClick(doc->pageEdit, Qt::Key_F8);
    QCOMPARE(Caret(doc), Row(5));
    QCOMPARE(View()->currentIndex().row(), 5);
    QTest::keyClick(doc->pageEdit, Qt::Key_F8);
    QTest::keyClick(doc->pageEdit, Qt::Key_F8);
    QCOMPARE(Caret(doc), Row(0));
    QTest::keyClick(doc->pageEdit, Qt::Key_F8, Qt::ShiftModifier);
    QCOMPARE(Caret(doc), Row(last));
    QCOMPARE(View()->currentIndex().row(), last);
    // Two problems at one place are two steps.
    doc->pageEdit->SetSelStart(0);
    QTest::keyClick(doc->pageEdit, Qt::Key_F8);
    QCOMPARE(View()->currentIndex().row(), 0);
    QTest::keyClick(doc->pageEdit, Qt::Key_F8);
    QCOMPARE(View()->currentIndex().row(), 1);
    QCOMPARE(Caret(doc), qMakePair(2, 1));
}

void TestProblemsDock::followsActivePage()
{
    PageWindow* first = f_.Active();
    PageWindowFixture::SetText(first, ProblemPage(), 0);
    QVERIFY(CheckActive());
    const int rows = View()->model()->rowCount();
    QVERIFY(rows > 0);
    f_.frame->RunCommand(Command::NewPage);
    PageWindow* second = f_.Active();
    QVERIFY(second != first);
    QCOMPARE(View()->model()->rowCount(), 0);
    QCOMPARE(f_.frame->Problems()->SummaryLabel()->text(), QStringLiteral("按 F7 检查网页"));
    f_.frame->findChild<QAction*>(QStringLiteral("WinForm_%1").arg(first->slotNumber))->trigger();
    QCOMPARE(View()->model()->rowCount(), rows);
    // Every page closed: the list is empty.
    f_.answers = QList<MsgAnswer>(4, MsgAnswer::No);
    f_.frame->RunCommand(Command::Close);
    f_.frame->RunCommand(Command::Close);
    QCOMPARE(f_.frame->openPageCount, 0);
    QCOMPARE(View()->model()->rowCount(), 0);
    QCOMPARE(f_.frame->Problems()->SummaryLabel()->text(), QStringLiteral("没有打开的网页"));
}

void TestProblemsDock::changedTextDropsCheck()
{
    PageWindow* doc = f_.Active();
    PageWindowFixture::SetText(doc, ProblemPage(), 0);
    PageChecker* checker = PageChecker::Of(doc);
    QList<int> shown;
    connect(checker, &PageChecker::Finished, this, [&] { shown.append(int(checker->Problems().size())); });
    checker->Check();
    // The text changes before the result can come in (it comes through the event loop).
    PageWindowFixture::SetText(
        doc, QStringLiteral("<!DOCTYPE html><html><head><title>t</title></head><body><p>好</p></body></html>"), 0);
    QVERIFY(QTest::qWaitFor([&] { return !shown.isEmpty(); }, 10000));
    // What was shown is the check of the text as it is now, never the one of the old text.
    QCOMPARE(shown, QList<int>({0}));
}

void TestProblemsDock::checksWhileTyping()
{
    PageWindow* doc = f_.Active();
    PageChecker* checker = PageChecker::Of(doc);
    QTest::keyClicks(doc->pageEdit, QStringLiteral("<zzz>"));
    QTest::qWait(PageChecker::TypingPause + 300);
    QVERIFY(!checker->HasResult()); // off by default
    f_.frame->Action(Command::ToggleCheckWhileTyping)->trigger();
    QVERIFY(FrameSettings(f_.shared->SettingsFile).Switch(QStringLiteral("CheckWhileTyping"), false));
    QTest::keyClicks(doc->pageEdit, QStringLiteral("x"));
    QVERIFY(QTest::qWaitFor([checker] { return checker->HasResult(); }, 10000));
    bool unknown = false;
    for (const PageProblem& problem : checker->Problems())
        unknown = unknown || problem.code == QLatin1String("UNKNOWN_ELEMENT");
    QVERIFY(unknown);
}

QTEST_MAIN(TestProblemsDock)
#include "tst_problemsdock.moc"
