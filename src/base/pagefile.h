#pragma once
// Reading and writing page files. A save goes to a temporary file in the same folder that then replaces the
// page, so a failed save never leaves a truncated page behind; permissions are kept and a page reached through
// a symbolic link is written to the link's target.

#include "base/filestamp.h"
#include "base/pagecodec.h"

#include <QString>

#include <functional>

class PageFile
{
public:
    // NotAFile: something other than a file is there (a folder, a pipe, a device).
    enum Status
    {
        Ok,
        NotFound,
        NotAFile,
        Unreadable
    };
    // `codec` (a PageEncoding::Codec) reads the page in that code page instead of the one it marks, declares or
    // looks like. `stamp` is what the file read was.
    static Status Read(const QString& path, DecodedPage& page, int codec = -1, FileStamp* stamp = nullptr);
    // The bytes of the page file, not decoded.
    static Status ReadBytes(const QString& path, QByteArray& bytes, FileStamp* stamp = nullptr);

    // Replaces the page with `bytes`. On failure the file on disk is untouched and `error` holds the reason.
    static bool WriteBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);
    // The same, for a page handed over piece by piece, so that a big page is never encoded whole in memory:
    // `produce` gives each piece, in order, to the sink it is called with, and returns false to give up (then
    // nothing is replaced and `error` is left empty unless writing a piece failed).
    using PieceSink = std::function<bool(const QByteArray& piece)>;
    static bool WriteStream(const QString& path, const std::function<bool(const PieceSink& sink)>& produce,
                            QString* error = nullptr);

    // A temporary page (a preview): whatever is at `path` is removed (a symbolic link is removed, not followed)
    // and the file is created exclusively, so nothing that appears at that name is ever written through.
    // It gets `mode` (the page's own; owner-only for anything else).
    static bool WriteFresh(const QString& path, const QByteArray& bytes, QString* error = nullptr,
                           unsigned mode = 0600);
    // Where a page with several hard links, rewritten in place, is listed while its old bytes stand beside it
    // ("" lists none): the editor's data folder, so that the next start finds an unfinished rewrite.
    static void SetRewriteList(const QString& file);
    static QString RewriteList();

    // The permission bits of the page file at `path`; 0600 for a page that has no file yet.
    static unsigned ModeOf(const QString& path);

    // "Index.HTML" in "/home/Me/Pages/" becomes "/home/Me/Pages/index.html": only the file name is lowered.
    static QString LowerFileName(const QString& path);

    // Whether both names reach one file (as two spellings do on a file system that ignores case).
    static bool SameFile(const QString& a, const QString& b);
};
