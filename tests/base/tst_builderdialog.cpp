// The builder protocol: Run() hands back the result after OK and nothing after any other way of closing, Confirm()
// says which; the dialog loads once, before it is first on screen, however it is shown.

#include "base/builderdialog.h"
#include "base/dialogbuttons.h"
#include "modaldriver.h"
#include "scriptedprompts.h"

#include "tagdb/tagdb.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

class ProbeDialog : public BuilderDialog
{
    Q_OBJECT

public:
    ProbeDialog() : BuilderDialog(nullptr)
    {
        auto* layout = new QVBoxLayout(this);
        Text = new QLineEdit(this);
        layout->addWidget(Text);
        const DialogButtons buttons =
            DialogButtons::Make(this, QStringLiteral("OkCommand"), QStringLiteral("CancelCommand"));
        layout->addLayout(buttons.Row);
        connect(buttons.Ok, &QPushButton::clicked, this, &QDialog::accept);
        connect(buttons.Cancel, &QPushButton::clicked, this, &QDialog::reject);
    }

    QString Start; // in
    QLineEdit* Text = nullptr;
    int Loads = 0;
    bool VisibleWhileLoading = false;

protected:
    void Load() override
    {
        ++Loads;
        VisibleWhileLoading = isVisible();
        Text->setText(Start);
    }
    QString Result() const override { return Text->text(); }
};

class TestBuilderDialog : public QObject
{
    Q_OBJECT

    // Closes the next dialog the way `how` names, after typing "typed".
    static void CloseNext(const QString& how)
    {
        OnNextModal<ProbeDialog>([how](ProbeDialog* d) {
            d->Text->setText(QStringLiteral("typed"));
            if (how == QLatin1String("ok"))
                Child<QPushButton>(d, QStringLiteral("OkCommand"))->click();
            else if (how == QLatin1String("cancel"))
                Child<QPushButton>(d, QStringLiteral("CancelCommand"))->click();
            else
                d->close();
        });
    }

private Q_SLOTS:
    // A box asks through the prompts of the nearest window up its parents that has some: a dialog made with a
    // context its context's, others their owner's, and a window with none the desktop's.
    void boxesAskThroughTheirContext()
    {
        ScriptedPrompts frameOnes, contextOnes;
        QWidget frame;
        UserPrompts::Attach(&frame, &frameOnes);
        TagDb db;
        BuilderContext context{db, QString(), QString(), QString(), QString(), &contextOnes};
        BuilderDialog withContext(context, &frame);
        BuilderDialog withOwner(&frame);
        QLineEdit inside(&withContext);
        const struct
        {
            QWidget* asking;
            ScriptedPrompts* expected;
        } rows[] = {
            {&inside, &contextOnes}, {&withContext, &contextOnes}, {&withOwner, &frameOnes}, {&frame, &frameOnes}};
        for (const auto& row : rows) {
            const qsizetype before = row.expected->Record().size();
            Messages::Show(row.asking, QStringLiteral("?"));
            QCOMPARE(row.expected->Record().size(), before + 1);
        }
        QCOMPARE(frameOnes.Record().size() + contextOnes.Record().size(), qsizetype(4));
        QWidget alone;
        QCOMPARE(&UserPrompts::For(&alone), &UserPrompts::Desktop());
        QCOMPARE(&UserPrompts::For(nullptr), &UserPrompts::Desktop());
    }

    void closing_data()
    {
        QTest::addColumn<bool>("confirm"); // Confirm() rather than Run()
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("result"); // null: nothing comes back
        QTest::newRow("run, ok") << false << "ok"
                                 << "typed";
        QTest::newRow("run, cancel") << false << "cancel" << QString();
        QTest::newRow("run, close box") << false << "close" << QString();
        QTest::newRow("confirm, ok") << true << "ok"
                                     << "typed";
        QTest::newRow("confirm, close box") << true << "close" << QString();
    }
    void closing()
    {
        QFETCH(bool, confirm);
        QFETCH(QString, how);
        QFETCH(QString, result);
        ProbeDialog dialog;
        CloseNext(how);
        if (confirm) {
            QCOMPARE(dialog.Confirm(), !result.isNull());
        } else {
            const std::optional<QString> got = dialog.Run();
            QCOMPARE(got.has_value(), !result.isNull());
            QCOMPARE(got.value_or(QString()), result);
        }
        QVERIFY(!dialog.isVisible());
    }

    void loadsOnce_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("run twice") << QStringList{"run", "run"};
        QTest::newRow("shown, then run") << QStringList{"show", "run"};
        QTest::newRow("exec, then run") << QStringList{"exec", "run"};
    }
    void loadsOnce()
    {
        QFETCH(QStringList, steps);
        ProbeDialog dialog;
        dialog.Start = QStringLiteral("first");
        for (const QString& step : std::as_const(steps)) {
            if (step == QLatin1String("show")) {
                dialog.show();
                dialog.hide();
                continue;
            }
            // What the first showing loaded stays; a later input is not read again.
            OnNextModal<ProbeDialog>([](ProbeDialog* d) { QCOMPARE(d->Text->text(), QStringLiteral("first")); });
            if (step == QLatin1String("exec"))
                dialog.exec();
            else
                dialog.Run();
            dialog.Start = QStringLiteral("second");
        }
        QCOMPARE(dialog.Loads, 1);
        QVERIFY(!dialog.VisibleWhileLoading);
    }
};

QTEST_MAIN(TestBuilderDialog)
#include "tst_builderdialog.moc"
