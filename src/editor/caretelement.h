#pragma once
// Which element of a page holds a place in its source, named so that the browser showing the page finds it: the
// element's tag name and how many elements of that name come before it in the document. The source is fed up to
// that place, a piece at a time (line by line), and read the way a browser reads it: comments, the text of
// scripts, style blocks, titles and text areas hold no elements; empty elements hold nothing.

#include <QHash>
#include <QString>
#include <QStringView>

#include <vector>

class CaretElement
{
public:
    struct Found
    {
        QString name;  // lower case; empty: no element worth showing (the caret is in the head, or in no element)
        int index = 0; // among the document's elements of that name, from 0
        bool operator==(const Found&) const = default;
    };

    void Feed(QStringView text);
    // The innermost element open where the text fed ends (a start tag still being written counts).
    Found Result() const;

    // A script that scrolls the browser's page to the element when it is not in sight; "" for no element.
    static QString ScrollScript(const Found& found);

private:
    enum class State
    {
        Text,
        TagOpen, // after "<"
        TagName, // in a start tag's name
        EndName, // in an end tag's name
        Attributes,
        Quoted,
        Comment, // "<!" up to ">", "<!--" up to "-->"
        RawText, // the text of script, style, title, textarea up to its end tag
    };
    struct Open
    {
        QString name;
        int index;
    };

    void StartTagDone(bool selfClosing);
    void EndTagDone();
    void RawTextChar(QChar c);

    State state_ = State::Text;
    QString name_;
    QChar quote_;
    QChar last_;
    QString rawEnd_;    // "</script" while in a script's text
    QString recent_;    // the last characters seen in a comment or raw text
    bool bang_ = false; // "<!" but not "<!--"
    std::vector<Open> open_;
    QHash<QString, int> seen_;
};
