#pragma once
// The page text's layout: the plain-text layout, told apart when only a line's colours changed, so that the line
// is laid out and drawn again and not the whole screen.

#include <QPlainTextDocumentLayout>

class PageLayout : public QPlainTextDocumentLayout
{
    Q_OBJECT

public:
    explicit PageLayout(QTextDocument* document) : QPlainTextDocumentLayout(document) {}

    // Lays out `block` again after its colours changed (its text did not).
    void Recolour(const QTextBlock& block);

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
    bool recolouring_ = false;
};
