#pragma once
// Small pictures for the toolbar buttons that the style has no standard icon for.

#include <QIcon>
#include <QString>

class ToolbarIcons
{
public:
    // "Cut", "Copy", "Paste", "Style", "Color" or "Check"; a null icon for any other key.
    static QIcon Drawn(const QString& key);
};
