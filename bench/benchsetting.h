#pragma once
// What the page benchmarks set up alike: a scratch folder for settings and pages, a tag database with a single
// tag (the lists are not what they time), and every question the program asks answered the same way.

#include "base/messages.h"
#include "base/programstate.h"
#include "scriptedprompts.h"

#include <QTemporaryDir>

struct BenchSetting
{
    ScriptedPrompts prompts;
    QTemporaryDir dir;
    ProgramState shared{dir.path()};

    explicit BenchSetting(MsgAnswer answer = MsgAnswer::No)
    {
        shared.Db.LoadData("<d><html><html1/></html></d>", QStringLiteral("bench"));
        shared.Prompts = &prompts;
        prompts.SetResponder([answer](const MessageRecord&, QString&) { return answer; });
    }
};
