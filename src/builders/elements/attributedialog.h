#pragma once
// The attribute dialog "属性设置": one name and its value. Made with the pair it opens on; Run() hands back the two
// boxes' texts after OK, nothing after Cancel.

#include "base/builderdialog.h"

class QLineEdit;
class QPushButton;

class AttributeDialog : public BuilderDialog
{
    Q_OBJECT

public:
    struct Attribute
    {
        QString name;
        QString value;
    };

    explicit AttributeDialog(Attribute start = {}, QWidget* parent = nullptr);

    // The name and value after OK, nothing after Cancel.
    std::optional<Attribute> Run();

    // ---- Controls.
    QLineEdit* NameText = nullptr;
    QLineEdit* ValueText = nullptr;
    QPushButton* OkCommand = nullptr;
    QPushButton* CancelCommand = nullptr;

protected:
    void Load() override;

private:
    const Attribute start_;
};
