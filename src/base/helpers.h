#pragma once
// Small text, file and database helpers shared by the windows and dialogs.

#include <QByteArray>
#include <QDomElement>
#include <QString>
#include <QStringList>

// The line break of all generated markup.
inline const QString CrLf = QStringLiteral("\r\n");

// The text as an attribute value: control characters other than tab, CR and LF dropped. A NUL or an escape pasted
// into a box would otherwise go into the page, where browsers and other editors read it each their own way. Every
// writer of an attribute value goes through this.
QString AttributeValue(const QString& text);

// Makes plain text safe to show as HTML: & " > < blank and CR LF, in that order.
QString HtmlEscape(const QString& text);

// Trims `text`; when longer than six characters, drops its first character, reads the three hex pairs into
// red/green/blue and puts "#" back in front. Shorter texts leave the components untouched.
void ParseColorText(QString& text, int& red, int& green, int& blue);

// Zero-based index of the first child of `node` whose sub-element `childName` holds exactly `value`; -1 if none.
int FindChildIndex(const QDomElement& node, const QString& value, const QString& childName);

// For n = 1..4: when `node` has children "b"+n and "a"+n, their texts go to values[n-1] and names[n-1].
void ReadValuePairs(const QDomElement& node, QStringList& values, QStringList& names);

// The parent folder of `path`, ending in "/"; "" when the path has no folder.
QString ParentFolderOf(const QString& path);

// Deletes a file if there is one; every failure is ignored. A symbolic link is removed, never followed.
void DeleteFileIfExists(const QString& path);

// The bytes up to the first zero byte, one character per byte (Latin-1).
QString BytesToString(const QByteArray& bytes);
