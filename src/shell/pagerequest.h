#pragma once
// A page asked for on the command line or handed over by a later start: its file and the line to show.

#include <QList>
#include <QString>

struct PageRequest
{
    PageRequest() = default;
    // A file on its own opens wherever a page opens.
    PageRequest(const QString& file, int at = 0) : path(file), line(at) {}

    QString path; // absolute
    int line = 0; // from 1; 0: no line asked for

    bool operator==(const PageRequest&) const = default;
};

using PageRequests = QList<PageRequest>;
