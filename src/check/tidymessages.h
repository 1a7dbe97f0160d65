#pragma once
// The HTML library's messages in Chinese, by message key. A key without a row here keeps the library's own
// (English) text.

#include <QString>
#include <QStringList>

class TidyMessages
{
public:
    // The message for `key` with its arguments (in the library's order), or `fallback` when the key has no row.
    static QString Text(const QString& key, const QStringList& arguments, const QString& fallback);
    // Whether the key has a row.
    static bool Translated(const QString& key);
    static QStringList TranslatedKeys();
};
