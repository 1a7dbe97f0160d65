#include "check/tidycheck.h"

#include "check/textpositions.h"
#include "check/tidymessages.h"

#include <tidy/tidy.h>
#include <tidy/tidybuffio.h>

namespace {

struct Collected
{
    const TextPositions* positions;
    QList<PageProblem> problems;
};

QStringList Arguments(TidyMessage message)
{
    QStringList arguments;
    for (TidyIterator it = tidyGetMessageArguments(message); it;) {
        TidyMessageArgument argument = tidyGetNextMessageArgument(message, &it);
        switch (tidyGetArgType(message, &argument)) {
        case tidyFormatType_STRING:
            arguments.append(QString::fromUtf8(tidyGetArgValueString(message, &argument)));
            break;
        case tidyFormatType_UINT:
            arguments.append(QString::number(tidyGetArgValueUInt(message, &argument)));
            break;
        case tidyFormatType_INT:
            arguments.append(QString::number(tidyGetArgValueInt(message, &argument)));
            break;
        default:
            arguments.append(QString());
        }
    }
    return arguments;
}

// Keeps the warnings and errors about a place in the page; information, the library's summaries and its
// advice about its own options are not about the page.
Bool TIDY_CALL Collect(TidyMessage message)
{
    const TidyReportLevel level = tidyGetMessageLevel(message);
    const int line = tidyGetMessageLine(message);
    if (line < 1 || (level != TidyWarning && level != TidyError && level != TidyBadDocument && level != TidyFatal))
        return no;
    auto* collected = static_cast<Collected*>(tidyGetAppData(tidyGetMessageDoc(message)));
    PageProblem problem;
    problem.line = line;
    problem.column = collected->positions->ColumnOfCodePoint(line, qMax(1, tidyGetMessageColumn(message)));
    problem.kind = level == TidyWarning ? PageProblem::Warning : PageProblem::Error;
    problem.code = QString::fromLatin1(tidyGetMessageKey(message));
    problem.text =
        TidyMessages::Text(problem.code, Arguments(message), QString::fromUtf8(tidyGetMessageDefault(message)));
    collected->problems.append(problem);
    return no;
}

void SetOptions(TidyDoc doc)
{
    tidyOptSetInt(doc, TidyShowErrors, 1 << 30); // every error, not the first six
    tidyOptSetBool(doc, TidyShowWarnings, yes);
    tidyOptSetBool(doc, TidyShowInfo, no);
    tidyOptSetBool(doc, TidyQuiet, yes);
    // Columns as the control counts them: a tab is one character.
    tidyOptSetInt(doc, TidyTabSize, 1);
    // Its repairs are not reported as problems of the page.
    tidyOptSetBool(doc, TidyDropEmptyElems, no);
    tidyOptSetBool(doc, TidyDropEmptyParas, no);
    tidySetInCharEncoding(doc, "utf8");
}

} // namespace

QList<PageProblem> TidyCheck::Run(QStringView text, const TextPositions& positions)
{
    Collected collected{&positions, {}};
    QByteArray bytes = text.toUtf8();
    TidyDoc doc = tidyCreate();
    tidySetAppData(doc, &collected);
    tidySetMessageCallback(doc, Collect);
    SetOptions(doc);
    TidyBuffer errors;
    tidyBufInit(&errors);
    tidySetErrorBuffer(doc, &errors);
    TidyBuffer input;
    tidyBufInit(&input);
    tidyBufAttach(&input, reinterpret_cast<byte*>(bytes.data()), uint(bytes.size()));
    // Parsing reports the structure; the clean-up pass reports the elements and attributes HTML5 does not have.
    if (tidyParseBuffer(doc, &input) >= 0)
        tidyCleanAndRepair(doc);
    tidyBufDetach(&input);
    tidyBufFree(&errors);
    tidyRelease(doc);
    return collected.problems;
}
