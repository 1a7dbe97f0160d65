#pragma once
// A main frame with one new page on a scratch folder, scripted message boxes and file dialogs, for the UI tests
// of the page window's commands.

#include "base/filedialog.h"
#include "base/messages.h"
#include "base/programstate.h"
#include "editor/pageedit.h"
#include "editor/pagewindow.h"
#include "scriptedprompts.h"
#include "shell/mainframe.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class PageWindowFixture
{
public:
    std::unique_ptr<ScriptedPrompts> prompts; // what every box of the frame's windows asks
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<ProgramState> shared;
    std::unique_ptr<MainFrame> frame;
    QList<MsgAnswer> answers; // for the next message boxes; Ok / Cancel when none is left
    QStringList paths;        // for the next file dialogs; "" (cancel) when none is left
    QStringList inputs;       // for the next input boxes; a cancelled box when none is left
    QList<FileDialogRequest> requests;

    void Start(bool fullDatabase)
    {
        dir = std::make_unique<QTemporaryDir>();
        shared = std::make_unique<ProgramState>(dir->path());
        prompts = std::make_unique<ScriptedPrompts>();
        shared->Prompts = prompts.get();
        // The frame keeps its settings in the scratch folder, never in the user's own.
        shared->SettingsFile = dir->filePath(QStringLiteral("kestrel.conf"));
        if (fullDatabase)
            QCOMPARE(shared->Db.Load(QStringLiteral(KESTREL_BUILD_DIR "/data.xml")), TagDb::Loaded);
        else
            QCOMPARE(shared->Db.LoadData("<d><html><html1/></html></d>", QStringLiteral("test")), TagDb::Loaded);
        answers.clear();
        paths.clear();
        inputs.clear();
        requests.clear();
        prompts->SetResponder([this](const MessageRecord& box, QString& reply) {
            if (box.input) {
                if (inputs.isEmpty())
                    return MsgAnswer::Cancel;
                reply = inputs.takeFirst();
                return MsgAnswer::Ok;
            }
            if (!answers.isEmpty())
                return answers.takeFirst();
            return box.buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
        });
        prompts->SetFileResponder([this](const FileDialogRequest& request, int&) {
            requests.append(request);
            return paths.isEmpty() ? QString() : paths.takeFirst();
        });
        frame = std::make_unique<MainFrame>(*shared);
        frame->show();
    }

    void Stop()
    {
        // Close without questions.
        answers = QList<MsgAnswer>(MainFrame::MaxDocuments, MsgAnswer::No);
        frame.reset();
        shared.reset();
        prompts.reset();
        dir.reset();
    }

    PageWindow* Active() const { return frame->ActiveDocument(); }
    QString Path(const QString& name) const { return dir->filePath(name); }

    // The page's text with "\n" breaks.
    static QString Text(const PageWindow* doc) { return doc->pageEdit->RawText(); }
    static void SetText(PageWindow* doc, const QString& text, int caret)
    {
        doc->pageEdit->document()->setPlainText(text);
        doc->pageEdit->SetSelStart(caret);
    }

    QStringList MessageTexts() const
    {
        QStringList texts;
        for (const MessageRecord& r : std::as_const(prompts->Record()))
            texts.append(r.text);
        return texts;
    }

    static QByteArray ReadFile(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    static bool WriteFile(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }
};
