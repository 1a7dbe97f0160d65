#pragma once
// The OK / Cancel row at the foot of a dialog: a QDialogButtonBox carrying our captions and the control names the
// dialog gives them. Every dialog reads the same: "确定(&S)" and "取消(&C)" unless it names other words or keys,
// the key underlined after the word. OK is the default button, except in a dialog whose text boxes give Enter a
// meaning of their own (BuilderDialog::KeepOpenOnEnter): there no button looks as if Enter pressed it.

#include <QChar>
#include <QString>

class QDialog;
class QDialogButtonBox;
class QHBoxLayout;
class QPushButton;
class QWidget;

struct DialogButtons
{
    QDialogButtonBox* Box = nullptr;
    QHBoxLayout* Row = nullptr; // holds Box; add it to the dialog's layout
    QPushButton* Ok = nullptr;
    QPushButton* Cancel = nullptr;

    // The words and access keys of the two buttons.
    struct Captions
    {
        QString ok = QStringLiteral("确定");
        QChar okKey = u'S';
        QChar cancelKey = u'C';
    };

    // OK accepts `dialog`; Cancel rejects it.
    void CloseOnClick(QDialog* dialog) const;

    static DialogButtons Make(QWidget* parent, const QString& okName, const QString& cancelName,
                              const Captions& captions);
    static DialogButtons Make(QWidget* parent, const QString& okName, const QString& cancelName);
    // "确定(&S)": a caption with its access key after the word.
    static QString Keyed(const QString& word, QChar key);
    // No button of `dialog` is the default one, nor becomes it when focused.
    static void NoDefault(QDialog* dialog);
};
