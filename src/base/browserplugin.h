#pragma once
// The interface between the editor and its browser plugin. The plugin (kestrel_browser) holds the only code that
// links the web engine, so the editor starts without it and loads it the first time a page is shown.

#include <QObject>
#include <QPointF>
#include <QUrl>
#include <QtPlugin>

#include <functional>

class QWidget;

class BrowserPage
{
public:
    virtual ~BrowserPage() = default;
    virtual QWidget* Widget() = 0;
    virtual void Navigate(const QUrl& url) = 0;
    // How far the page is scrolled, in the page's pixels.
    virtual QPointF ScrollPosition() const = 0;
    // Runs a script of the editor's own on the page shown, apart from the page's own scripts (they share its
    // document, not its variables).
    virtual void RunScript(const QString& script) = 0;
    // Called once per navigation with its outcome.
    std::function<void(bool ok)> LoadFinished;
    // A message the page's scripts wrote to the console; level 2 is an error (an uncaught exception too).
    std::function<void(int level, const QString& message, int line)> ConsoleMessage;
};

class BrowserFactory
{
public:
    virtual ~BrowserFactory() = default;
    // Null when the engine cannot start in this process.
    virtual BrowserPage* CreatePage(QWidget* parent) = 0;
    // Folders every page may read from besides its own site (the program's pictures).
    virtual void SetSharedFolders(const QStringList& folders) = 0;
};

#define KestrelBrowserFactory_iid "org.kestrel.BrowserFactory/1.4"
Q_DECLARE_INTERFACE(BrowserFactory, KestrelBrowserFactory_iid)
