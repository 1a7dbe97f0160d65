#pragma once
// The About box: a fixed page about the program in an embedded browser. The same window shows the help page
// when the desktop has no program to open it with.

#include <QDialog>
#include <QUrl>

class BrowserView;

class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
    AboutDialog(const QUrl& page, const QString& title, QWidget* parent = nullptr);
    BrowserView* browser = nullptr;
};
