#pragma once
// An embedded browser. The engine is loaded from the plugin the first time a real page is shown (or a dialog holding
// the view is, PrepareEngine); until then, and for "about:blank", the view is an empty panel. Where the plugin cannot
// load, the view says so and the rest of the program keeps working.

#include <QUrl>
#include <QWidget>

class BrowserPage;
class QLabel;
class QStackedLayout;

class BrowserView : public QWidget
{
    Q_OBJECT

public:
    explicit BrowserView(QWidget* parent = nullptr);
    ~BrowserView() override;

    // Shows a local file.
    void NavigateFile(const QString& path);
    // Shows "about:blank" (no engine is loaded for it).
    void NavigateBlank();
    void Navigate(const QUrl& url);
    // Starts the engine now, when the plugin is there, ahead of the first page. A window is built for drawing with
    // OpenGL only when it already holds the engine; an engine arriving later makes Qt build the window anew (it
    // jumps on screen and loses the keyboard). A failure shows and says nothing until a page is shown.
    void PrepareEngine();

    QUrl CurrentUrl() const { return url_; }
    // How far the page shown is scrolled (none without the engine).
    QPointF ScrollPosition() const;
    // Runs a script of the editor's own on the page shown (nothing without the engine); the page's scripts do not
    // see its variables.
    void RunScript(const QString& script);
    bool EngineLoaded() const { return page_ != nullptr; }
    bool EngineFailed() const { return failed_; }

    // Folders searched for the plugin, first match wins: the program folder, then the installed program's private
    // library folder (lib/<architecture>/kestrel beside bin/).
    static QStringList PluginFolders();
    // One more folder to search, last (tests running outside the build folder).
    static void AddPluginFolder(const QString& folder);
    // Folders every page may read from besides its own site (the program's pictures).
    static void SetSharedFolders(const QStringList& folders);
    // A file the user chose for a page: every page may show it by its absolute path (a dialog's preview of a page
    // never saved, whose addresses are file:/// ones).
    static void ShareFile(const QString& path);

Q_SIGNALS:
    void LoadFinished(bool ok);
    // What the page's scripts wrote to the console (level 2: an error).
    void ConsoleMessage(int level, const QString& message, int line);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool EnsureEngine();
    void Adopt(BrowserPage* page);
    // The engine's widgets take the keyboard as this view does: Tab passes a view that takes no Tab focus (a
    // dialog's preview), a click still focuses it.
    void FollowFocusPolicy(QWidget* widget) const;

    QUrl url_;
    BrowserPage* page_ = nullptr;
    bool failed_ = false;
    QStackedLayout* stack_ = nullptr;
    QWidget* blank_ = nullptr;
    QLabel* message_ = nullptr;
};
