#include "shell/builderdialogs.h"

#include "base/programstate.h"
#include "builders/elements/elementdialog.h"
#include "builders/elements/elementkind.h"
#include "builders/elements/elementmarkup.h"
#include "builders/page/bodydialog.h"
#include "builders/scripts/pageeffectdialog.h"
#include "builders/styles/colordialog.h"
#include "builders/styles/styledialog.h"
#include "convert/textimportdialog.h"
#include "editor/pagewindow.h"

namespace {

// The dialogs of a page are made with the page's context (its own scratch file).
BuilderContext PageContext(const ProgramState& shared, QWidget* owner)
{
    if (const auto* page = qobject_cast<const PageWindow*>(owner))
        return page->Context();
    return shared.Context();
}

// Runs the element dialog; the effect chosen for the element comes with its markup, none after Cancel.
std::optional<QString> RunElementDialog(ElementDialog& dialog, BodyScript* effect)
{
    const std::optional<ElementDialog::Result> result = dialog.Run();
    if (effect)
        *effect = result ? result->effect : BodyScript();
    if (!result)
        return std::nullopt;
    return result->markup;
}

} // namespace

std::optional<QString> BuilderDialogs::NewElement(QWidget* owner, const QString& kind, BodyScript* effect)
{
    ElementDialog dialog(PageContext(shared_, owner), {ElementDialog::Purpose::Insert, kind, {}}, owner);
    return RunElementDialog(dialog, effect);
}

std::optional<BodyScript> BuilderDialogs::AddScript(QWidget* owner)
{
    PageEffectDialog dialog(PageContext(shared_, owner), owner);
    return dialog.Run();
}

bool BuilderDialogs::EditsElement(const QString& kind) const
{
    const ElementKind* found = ElementKind::Find(kind);
    return found && found->EditsTag;
}

std::optional<QString> BuilderDialogs::EditElement(QWidget* owner, const QString& kind, const AttributeList& attrs,
                                                   BodyScript* effect)
{
    ElementDialog dialog(PageContext(shared_, owner), {ElementDialog::Purpose::RebuildStartTag, kind, attrs}, owner);
    return RunElementDialog(dialog, effect);
}

std::optional<QString> BuilderDialogs::EditStyle(QWidget* owner, const QString& style, const QString& tagStart,
                                                 const QString& closing)
{
    StyleDialog css(PageContext(shared_, owner), {style, tagStart, ElementMarkup::SampleText + closing}, owner);
    return css.Run();
}

std::optional<QString> BuilderDialogs::EditBody(QWidget* owner, const AttributeList& attrs)
{
    BodyDialog dialog(PageContext(shared_, owner), attrs, owner);
    return dialog.Run();
}

std::optional<QString> BuilderDialogs::PickColour(QWidget* owner)
{
    ColorDialog form(shared_.Db, QString(), owner);
    return form.Run();
}

QString BuilderDialogs::ImportText(QWidget* owner)
{
    TextImportDialog dialog(owner);
    return dialog.Run().value_or(QString());
}
