#pragma once
// Lines written into the head of a page: the automatic refresh and the page transition, each asked for in its
// dialog and inserted before the end of the head with the caret kept on its character.

#include <QString>

class PageWindow;

class HeadInsert
{
public:
    // One-based position of `first` in the page, else of `second`, ignoring case; -2 and a message when
    // neither is there.
    static void FindHeadInsertPoint(PageWindow& form, const QString& first, const QString& second, int& position);
    static void InsertRefresh(PageWindow& form);
    static void InsertTransition(PageWindow& form);
};
