#pragma once
// The pop-up window panel of the argument dialog: eight features ticked or not and four size boxes, written as
// the feature list of a window-opening call ("width=300,height=200,toolbar=No,...").

#include <QString>
#include <QStringList>

class WindowFeatures
{
public:
    static constexpr int FeatureCount = 8;
    static constexpr int SizeCount = 4;
    static constexpr int FullScreen = 7;
    static constexpr int Directories = 2; // ticked when the panel opens
    static const QStringList
        FeatureNames;                   // toolbar location directories status menubar scrollbars resizable fullscreen
    static const QStringList SizeNames; // width height left top

    bool Ticked[FeatureCount] = {};
    QString Sizes[SizeCount];

    // Ticking full screen empties the size boxes: a full-screen window has no size of its own.
    void SetTicked(int i, bool on);
    bool SizesEnabled() const { return !Ticked[FullScreen]; }
    void SetSize(int i, const QString& text);

    // name=Yes or name=No for each feature in order, joined by ",".
    QString FeatureList() const;
    // name=text, for each size box whose text is not blank, each followed by ",".
    QString SizePart() const;
    // The argument: the size part, then the feature list.
    QString Row() const { return SizePart() + FeatureList(); }
};
