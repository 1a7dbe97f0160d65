#pragma once
// The whole check of a page: the HTML library's rules and the site checks, sorted by line and column.
// Works on a copy of the text and touches nothing else: it may run on any thread.

#include "check/pageproblem.h"
#include "check/sitecheck.h"

#include <QList>
#include <QString>

class PageCheck
{
public:
    static QList<PageProblem> Run(const QString& text, const SiteCheck::Input& input);
    // What the user is told the check found ("2 个错误, 1 个警告, 3 个提示", "没有发现问题").
    static QString Summary(const QList<PageProblem>& problems);
};
