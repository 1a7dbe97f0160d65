#pragma once
// What the page benchmarks set up alike: a scratch folder for settings and pages, a tag database with a single
// tag (the lists are not what they time), and every question the program asks answered the same way.

#include "base/messages.h"
#include "base/shared.h"

#include <QTemporaryDir>

struct BenchSetting
{
    QTemporaryDir dir;
    Shared shared{dir.path()};

    explicit BenchSetting(MsgAnswer answer = MsgAnswer::No)
    {
        shared.Db.LoadData("<d><html><html1/></html></d>", QStringLiteral("bench"));
        Messages::SetResponder([answer](const MessageRecord&, QString&) { return answer; });
    }
};
