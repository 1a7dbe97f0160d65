#pragma once
// The builders as the page windows open them: the one implementation of PageDialogs, owned by the main frame.

#include "editor/pagedialogs.h"

class ProgramState;

class BuilderDialogs : public PageDialogs
{
public:
    explicit BuilderDialogs(ProgramState& shared) : shared_(shared) {}

    std::optional<QString> NewElement(QWidget* owner, const QString& kind, BodyScript* effect = nullptr) override;
    std::optional<BodyScript> AddScript(QWidget* owner) override;
    bool EditsElement(const QString& kind) const override;
    std::optional<QString> EditElement(QWidget* owner, const QString& kind, const AttributeList& attrs,
                                       BodyScript* effect = nullptr) override;
    std::optional<QString> EditStyle(QWidget* owner, const QString& style, const QString& tagStart,
                                     const QString& closing) override;
    std::optional<QString> EditBody(QWidget* owner, const AttributeList& attrs) override;
    std::optional<QString> PickColour(QWidget* owner) override;
    QString ImportText(QWidget* owner) override;

private:
    ProgramState& shared_;
};
