#include "builders/elements/elementframes.h"

#include "builders/elements/addimgframe.h"
#include "builders/elements/embedframe.h"
#include "builders/elements/fieldframe.h"
#include "builders/elements/formframe.h"
#include "builders/elements/hrframe.h"
#include "builders/elements/linkframe.h"
#include "builders/elements/marqueeframe.h"
#include "builders/elements/selectframe.h"
#include "builders/elements/ulframe.h"

#include <QHash>

#include <functional>

namespace {

using Factory = std::function<KindFrame*(ElementDialog*, const ElementKind::Frame&)>;

template <class Hook> Factory Make()
{
    return [](ElementDialog* form, const ElementKind::Frame& frame) { return new Hook(form, frame); };
}

const QHash<QString, Factory>& Hooks()
{
    static const QHash<QString, Factory> hooks{
        {QStringLiteral("LinkFrame"), Make<LinkFrame>()},
        {QStringLiteral("HrFrame"), Make<HrFrame>()},
        {QStringLiteral("EmbedFrame"), Make<EmbedFrame>()},
        {QStringLiteral("MarqueeFrame"), Make<MarqueeFrame>()},
        {QStringLiteral("AddImgFrame"), Make<AddImgFrame>()},
        {QStringLiteral("FormFrame"), Make<FormFrame>()},
        {QStringLiteral("SelectFrame"),
         [](ElementDialog* form, const ElementKind::Frame&) { return new SelectFrame(form); }},
        {QStringLiteral("UlFrame"), Make<UlFrame>()},
    };
    return hooks;
}

} // namespace

KindFrame* ElementFrames::Create(ElementDialog* form, const ElementKind::Frame& frame)
{
    if (const auto hook = Hooks().constFind(frame.Name); hook != Hooks().cend())
        return hook.value()(form, frame);
    if (frame.Fields.isEmpty())
        return new KindFrame(form, frame.Name); // a kind still to be built
    return new FieldFrame(form, frame);
}
