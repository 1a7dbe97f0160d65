#include "editor/completionstate.h"

CompletionState::TrackResult CompletionState::TrackTypedKey(QChar key)
{
    if (SkipNextKey) {
        SkipNextKey = false;
        return Kept;
    }
    if (key == QLatin1Char('\b')) {
        if (TypedText.size() < 2)
            return Close;
        TypedText.chop(1);
    } else {
        TypedText.append(key);
    }
    return TypedText.size() > 20 ? Close : Kept;
}

void CompletionState::Clear()
{
    TypedText.clear();
    ListMode = NoList;
    SkipNextKey = false;
}

int CompletionState::PrefixRow(const QStringList& items, const QString& typedText)
{
    if (typedText.size() < 2)
        return -1;
    const QStringView filter = QStringView(typedText).mid(1);
    for (int i = 0; i < items.size(); ++i) {
        if (items.at(i).startsWith(filter, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

QString CompletionState::AttributeText(const QString& name, bool takesNoValue)
{
    return takesNoValue ? name + QStringLiteral("  ") : name + QStringLiteral("=\"\"");
}
