#pragma once
// The About box: a fixed page about the program in an embedded browser.

#include <QDialog>

class BrowserView;

class AboutForm : public QDialog
{
    Q_OBJECT

public:
    explicit AboutForm(QWidget* parent = nullptr);
    BrowserView* web1 = nullptr;
};
