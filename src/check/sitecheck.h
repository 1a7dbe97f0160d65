#pragma once
// The checks no HTML library makes, over a page and the folder it lies in: local files its links, pictures,
// scripts and style sheets point to that are not there; a declared charset that is not the code page the page is
// saved in; an id used twice; and what only old Internet Explorer understood (filters, VBScript, page
// transitions), as notes.

#include "base/codepages.h"
#include "check/pageproblem.h"

#include <QList>
#include <QString>
#include <QStringView>

class TextPositions;

class SiteCheck
{
public:
    struct Input
    {
        QString folder;   // the page's folder; empty: its local files are not looked up (a page never saved)
        QString siteRoot; // the folder a reference starting with "/" starts from; empty: those are not looked up
        CodePageId codec = CodePageIds::Gb18030; // the code page the page is saved in
    };

    static QList<PageProblem> Run(QStringView text, const TextPositions& positions, const Input& input);

    // Whether a CSS filter value is one only old Internet Explorer knew ("alpha(opacity=50)", "progid:...",
    // "gray"), not one of today's filter functions ("blur(2px)").
    static bool OldIeFilter(QStringView value);
};
