#include "check/pagecheck.h"

#include "check/textpositions.h"
#include "check/tidycheck.h"

#include <QSet>

#include <algorithm>

namespace {

// The library names an id used twice too, without saying where it was first; ours says so, and the
// library's line goes where ours stands.
void DropDoubledIds(QList<PageProblem>& problems)
{
    QSet<int> lines;
    for (const PageProblem& problem : problems)
        if (problem.code == QLatin1String("DUPLICATE_ID"))
            lines.insert(problem.line);
    problems.removeIf([&lines](const PageProblem& problem) {
        return problem.code == QLatin1String("ANCHOR_NOT_UNIQUE") && lines.contains(problem.line);
    });
}

} // namespace

QList<PageProblem> PageCheck::Run(const QString& text, const SiteCheck::Input& input)
{
    const TextPositions positions(text);
    QList<PageProblem> problems = TidyCheck::Run(text, positions);
    problems += SiteCheck::Run(text, positions, input);
    DropDoubledIds(problems);
    std::stable_sort(problems.begin(), problems.end(), [](const PageProblem& a, const PageProblem& b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    return problems;
}

QString PageCheck::Summary(const QList<PageProblem>& problems)
{
    if (problems.isEmpty())
        return QStringLiteral("没有发现问题");
    int counts[3] = {};
    for (const PageProblem& problem : problems)
        ++counts[problem.kind];
    QStringList parts;
    for (const PageProblem::Kind kind : {PageProblem::Error, PageProblem::Warning, PageProblem::Note})
        if (counts[kind] > 0)
            parts.append(QStringLiteral("%1 个%2").arg(counts[kind]).arg(PageProblem::KindName(kind)));
    return parts.join(QStringLiteral(", "));
}
