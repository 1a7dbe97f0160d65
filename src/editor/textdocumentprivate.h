#pragma once
// The text document's private structures, which the editor reaches into where going through its public classes
// costs too much on a big page (filling a page in, reading its lines out). They are used only with the one Qt they
// were written against: with any other Qt this is not even compiled (KESTREL_TEXT_PRIVATE is 0), and at run time
// only when the Qt running is the release build of the one built against.

#include <QLibraryInfo>
#include <QtGlobal>

#include <cstring>

#if QT_VERSION == QT_VERSION_CHECK(6, 4, 2)
#define KESTREL_TEXT_PRIVATE 1
#include <private/qtextdocument_p.h>
#else
#define KESTREL_TEXT_PRIVATE 0
#endif

// A debug build of Qt also checks, on every insertion, that a run holds no separator.
inline bool TextDocumentPrivateUsable()
{
    return std::strcmp(qVersion(), QT_VERSION_STR) == 0 && !QLibraryInfo::isDebugBuild();
}
