#pragma once
// One ready-made page effect of the database's javas1 list, as the effects dialog reads it: its name and
// description, the script pieces that stand before each of its five parameters, the parameters' kinds, defaults
// and captions, the tail of the script, the body tag's onload code and up to four body event handlers.

#include <QDomElement>
#include <QString>
#include <QStringList>

class PageEffect
{
public:
    static constexpr int ParamCount = 5;
    static constexpr int EventCount = 4;

    // A parameter's kind, from the first two characters of its definition.
    enum Kind
    {
        Colour,   // "1*": the colour picker
        Picture,  // "2*": a picture file, starting in the program's picture folder
        Text,     // "3*": typed
        FontSize, // "4*": 1pt to 200pt
        Number,   // "5*": 10 to 800
        Fixed     // any other marker: the default as it stands
    };

    struct Param
    {
        bool Defined = false; // the definition is there and sorts above a single blank
        Kind Type = Fixed;
        QString Default; // the definition without its marker
        QString Caption;
    };

    // Missing fields read as empty texts.
    static PageEffect FromEntry(const QDomElement& entry);

    QString Name; // txt
    QString Help;
    QString Value; // the script's tail
    bool HasValue = false;
    QString Start;      // onload code as it stands
    QStringList Pieces; // v1, v3 ... v9; empty unless it sorts above a single blank
    Param Params[ParamCount];
    QStringList EventNames; // b1..b4, empty unless both b and a of that number are there
    QStringList EventCodes;

    // Whether the dialog shows the parameter rows: v1 sorts above a single blank.
    bool HasParameters() const;
    // The script: v1 + parameter 1 + v3 + parameter 2 ... + value, a parameter counting only after its piece.
    // Without parameters, the value alone.
    QString Script(const QStringList& values) const;
    QString LoadTxt() const { return Start.trimmed(); }
    // The text a parameter box starts with: the default, for a picture behind `pictureDir` (which ends in "/").
    QString InitialValue(int k, const QString& pictureDir) const;

    // The choices of the size and number lists, and the position of a default among them (-1: none).
    static QStringList FontSizes();
    static QStringList Numbers();
    static int ListIndex(Kind kind, const QString& value);
    // The program's picture folder: "qzimg/" in `programDir`, with "/" separators.
    static QString PictureDir(QString programDir);
};
