#include "builders/elements/elementkind.h"

namespace {

QList<ElementKind> MakeKinds()
{
    const QString db;
    const QStringList text{QStringLiteral("dir"), QStringLiteral("align"), QStringLiteral("name")};
    auto kind = [](const QString& htmlN, const QStringList& frames, const QString& title, int mode,
                   const QString& label, const QStringList& slotNames) {
        ElementKind k;
        k.HtmlN = htmlN;
        k.Frames = frames;
        k.Title = title;
        k.ContentMode = mode;
        k.ContentLabel = label;
        k.SlotNames = slotNames;
        return k;
    };
    const QString none;
    QList<ElementKind> kinds;

    kinds << kind("<a", {"LinkFrame"}, "添加超链接", 1, "超链接说明(标记之间的内容)", {"href", "target"});
    kinds << kind("<p", {"PFrame"}, "添加段落元素", 2, "    段落内容", text);
    ElementKind img =
        kind("<img", {"ImgFrame"}, db, 0, none, {"", "name", "align", "src", "alt", "border", "width", "height", ""});
    img.EndTag = QString();
    kinds << img;
    kinds << kind("<span", {"PFrame"}, db, 2, "SPAN标记之间的内容", text);
    kinds << kind("<div", {"PFrame"}, db, 2, "块之间的内容", text);
    ElementKind embed =
        kind("<embed", {"EmbedFrame"}, db, 0, none,
             {"src", "loop", "controls", "starttime", "endtime", "width", "height", "autostart", "hidden", "volume"});
    embed.EndTag = QString();
    kinds << embed;
    ElementKind bgsound = kind("<bgsound", {"BgSoundFrame"}, db, 0, none, {"src", "loop", "volume"});
    bgsound.EndTag = QString();
    kinds << bgsound;
    ElementKind hr = kind("<hr", {"HrFrame"}, db, 0, none, {"", "", "", "size", "color", "width", "0"});
    hr.EndTag = QString();
    kinds << hr;
    ElementKind pre = kind("<pre", {"PFrame"}, db, 2, "文本内容", text);
    pre.HtmlFormat = true;
    kinds << pre;
    kinds << kind("<marquee", {"MarqueeFrame", "AddImgFrame"}, db, 2, "在这里输入要移动的文字",
                  {"direction", "behavior", "loop", "scrollamount", "scrolldelay", "width", "height", "bgcolor"});
    kinds << kind("<iframe", {"IframeFrame", "PFrame"}, db, 0, none,
                  {"dir", "align", "name", "src", "width", "height", "frameborder", "scrolling"});
    ElementKind form = kind("<form", {"FormFrame"}, "添加表单", 0, none, {"name", "action", "method", "target"});
    form.NameFrame = true;
    form.HtmlFormat = true;
    kinds << form;
    ElementKind textBox = kind("<input type=text", {"FormTextFrame"}, "添加单行文本框", 0, none,
                               {"name", "value", "size", "maxlength", "0"});
    textBox.NameFrame = true;
    textBox.EndTag = QString();
    textBox.TagType = 1;
    kinds << textBox;
    ElementKind textarea =
        kind("<textarea", {"TextareaFrame"}, db, 2, "输入文本框的内容", {"name", "rows", "cols", "wrap", "0"});
    textarea.NameFrame = true;
    textarea.HtmlFormat = true;
    kinds << textarea;
    ElementKind password = textBox;
    password.HtmlN = QStringLiteral("<input type=password");
    password.Title = QStringLiteral("添加密码框");
    kinds << password;
    ElementKind check =
        kind("<input type=checkbox", {"FormCheckFrame"}, "添加复选框", 1, "复选框文本", {"name", "value", "0"});
    check.NameFrame = true;
    check.EndTag = QString();
    check.TagType = 1;
    kinds << check;
    ElementKind radio = kind("<input type=radio", {"SelectFrame"}, "添加单选框", 0, "单选框文本", {""});
    radio.HtmlFormat = true;
    radio.EndTag = QStringLiteral("</p>");
    radio.TagType = 1;
    radio.ListKind = 1;
    radio.WriteAs = QStringLiteral("<p");
    kinds << radio;
    ElementKind select = kind("<select", {"SelectFrame"}, "添加列表框", 0, none, {"name", "size", "0"});
    select.NameFrame = true;
    select.HtmlFormat = true;
    select.TagType = 1;
    select.ListKind = 0;
    kinds << select;
    ElementKind button = kind("<input type=button", {"FButtonFrame"}, "添加命令框", 0, none, {"value", "name"});
    button.EndTag = QString();
    button.TagType = 1;
    kinds << button;
    ElementKind caption =
        kind("<caption", {"CaptionFrame"}, "添加表格标题", 1, "编辑表格标题内容", {"", "", "", "align", "valign"});
    caption.EndTag = QStringLiteral("</caption>");
    caption.TagType = 0;
    caption.PreviewWrap = 1;
    kinds << caption;
    ElementKind table = kind("<table", {"TableFrame"}, "     表格设置", 0, none,
                             {"border", "width", "height", "cellspacing", "cellpadding", "bordercolor", "background",
                              "bgcolor", "align", "frame", "rules"});
    table.EndTag = QString();
    table.PreviewWrap = 2;
    kinds << table;
    ElementKind ul = kind("<ul", {"SelectFrame", "UlFrame"}, db, 0, none, {""});
    ul.HtmlFormat = true;
    ul.ListKind = 2;
    kinds << ul;
    ElementKind ol = kind("<ol", {"SelectFrame", "OlFrame"}, db, 0, none, {"type", "start"});
    ol.HtmlFormat = true;
    ol.ListKind = 3;
    kinds << ol;
    ElementKind dl = kind("<dl", {"SelectFrame"}, db, 0, none, {""});
    dl.HtmlFormat = true;
    dl.ListKind = 4;
    kinds << dl;
    return kinds;
}

} // namespace

const QList<ElementKind>& ElementKind::All()
{
    static const QList<ElementKind> kinds = MakeKinds();
    return kinds;
}

const ElementKind* ElementKind::Find(const QString& htmlN)
{
    for (const ElementKind& k : All())
        if (k.HtmlN == htmlN)
            return &k;
    return nullptr;
}
