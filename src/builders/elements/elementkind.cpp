#include "builders/elements/elementkind.h"

namespace {

using Field = ElementField;
using Frame = ElementKind::Frame;

// Direction, alignment and name: the text containers' fields, also under the inline frame.
Frame TextFrame()
{
    return {"PFrame",
            {Field::Options("DirOption", "文字方向", "dir", {"无", "从左至右", "从右至左"}, {"", "ltr", "rtl"}, 0),
             Field::Options("AlignOption", "水平排列", "align", {"无", "左", "右", "中", "等边"},
                            {"", "left", "right", "center", "justify"}, 0),
             Field::Text("NameText", "内部名称", "name")}};
}

Frame LinkFrame()
{
    // The target sits in a box kept out of sight; the check box and the combo fill it (the link's hook).
    return {"LinkFrame",
            {Field::Text("LinkText_0", "超链接地址", "href").Starting("http://"),
             Field::Check("LinkCheck1", "打开新的窗口", "", "", ""),
             Field::Combo("LinkCombo", "窗口名称", "", {"新窗口", "原窗口", "父窗口", "整个浏览器窗口"},
                          {"_blank", "_self", "_parent", "_top"})
                 .Greyed(),
             Field::Text("LinkText_1", "", "target").Invisible().Greyed()}};
}

Frame ImageFrame()
{
    return {
        "ImgFrame",
        {Field::File("ImgText_0", "图象地址", "src", "ImgCommand", BrowseFilter::Images, "在这里填入将要显示的图像"),
         Field::Text("ImgText_1", "图象说明文字", "alt", "如果图像不能显示,则显示此文本"),
         Field::Text("ImgText_2", "边框宽度", "border", "图像的边框宽度"),
         Field::Text("ImgText_3", "图象宽度", "width"), Field::Digits("ImgText_4", "图象高度", "height"),
         Field::Text("ImgNameText", "图象名称", "name", "图像的内部名称").NoEnter(),
         Field::Options("ImgOption", "图像和文字的对齐", "align", {"居上", "居中", "居下"}, {"top", "middle", "bottom"})
             .WithTip("在图像后的文字与图像的对齐方式")}};
}

Frame RuleFrame()
{
    // The width's unit is read by the rule's hook when the width changes.
    return {"HrFrame",
            {Field::Number("HrText_0", "高度", "size"), Field::Number("HrText_1", "宽度", "width").RefreshOnChange(),
             Field::Options("HrOption", "", "", {"百分比", "像素"}, {}, 0),
             Field::Colour("HrColorCommand", "颜色", "color"),
             Field::Check("HrCheck", "立体感", "noshade", "", "noshade", true)}};
}

// The table's start tag: sizes and spacing as typed (widths may be per cent), a background picture, two colours
// and the three placement groups.
Frame TableFrame()
{
    return {
        "TableFrame",
        {Field::Text("TableText_0", "边框宽度", "border").RefreshOnChange(),
         Field::Text("TableText_1", "表格宽度", "width").RefreshOnChange(),
         Field::Text("TableText_2", "表格高度", "height").RefreshOnChange(),
         Field::Text("TableText_3", "表元间隙", "cellspacing").RefreshOnChange(),
         Field::Text("TableText_4", "表元空白", "cellpadding").RefreshOnChange(),
         Field::File("TableText_5", "背景图象", "background", "TableBgCommand", BrowseFilter::Images),
         Field::Colour("TableBorderColorCommand", "边框色彩", "bordercolor"),
         Field::Colour("TableBgcolorCommand", "背景色彩", "bgcolor"),
         Field::Options("TabAlignOption", "水平位置", "align", {"左", "右", "中间"}, {"left", "right", "center"}),
         Field::Options("BorderShowOption", "边框显示", "frame", {"所有", "上", "下", "左", "右", "上下", "左右", "无"},
                        {"box", "above", "below", "lhs", "rhs", "hsides", "vsides", "void"}),
         Field::Options("RulesOption", "分隔线显示", "rules", {"所有", "组与组", "行与行", "列与列", "无"},
                        {"all", "groups", "rows", "cols", "none"})}};
}

Frame CaptionFrame()
{
    // "中间" shows chosen, but writes nothing until an option is clicked.
    return {
        "CaptionFrame",
        {Field::Options("CapAlignOption", "水平排列", "align", {"左", "右", "中间"}, {"left", "right", "center"}, 2),
         Field::Options("CapValignOption", "垂直排列", "valign", {"上边", "下边"}, {"top", "bottom"})}};
}

Frame BulletFrame()
{
    // The bullet belongs to the chosen line, not to the list: the hook writes it there.
    return {
        "UlFrame",
        {Field::Options("UlOption", "", "", {"实心圆形", "空心圆形", "实心方形"}, {"disc", "circle", "square"}, 0)}};
}

Frame NumberFrame()
{
    return {"OlFrame",
            {Field::Options("OlOption", "序号类型", "type", {"1", "A", "a", "I", "i"}, {"1", "A", "a", "I", "i"}, 0),
             Field::Text("OlText", "起始值", "start").NoEnter()}};
}

Frame Bare(const QString& name)
{
    return {name, {}};
}

QList<ElementKind> MakeKinds()
{
    const QString db;
    const QStringList text{"dir", "align", "name"};
    auto kind = [](const QString& htmlN, const QList<Frame>& frames, const QString& title, ContentBox content,
                   const QString& label, const QStringList& slotNames) {
        ElementKind k;
        k.HtmlN = htmlN;
        k.Frames = frames;
        k.Title = title;
        k.Content = content;
        k.ContentLabel = label;
        k.SlotNames = slotNames;
        return k;
    };
    // A kind the main frame's menu inserts, and the tag editor rebuilds.
    auto command = [](ElementKind k, const QString& name) {
        k.Command = name;
        k.EditsTag = true;
        return k;
    };
    auto edited = [](ElementKind k) {
        k.EditsTag = true;
        return k;
    };
    auto noEnd = [](ElementKind k) {
        k.EndTag = QString();
        return k;
    };
    const QString none;
    const ContentBox hidden = ContentBox::Hidden, shown = ContentBox::Shown, tall = ContentBox::Tall;
    QList<ElementKind> kinds;

    kinds << command(kind("<a", {LinkFrame()}, "添加超链接", shown, "超链接说明(标记之间的内容)", {"href", "target"}),
                     "LinkHtml");
    kinds << command(kind("<p", {TextFrame()}, "添加段落元素", tall, "    段落内容", text), "PHtml");
    kinds << command(noEnd(kind("<img", {ImageFrame()}, db, hidden, none,
                                {"", "name", "align", "src", "alt", "border", "width", "height", ""})),
                     "ImgHtml");
    kinds << command(kind("<span", {TextFrame()}, db, tall, "SPAN标记之间的内容", text), "SpanHtml");
    kinds << command(kind("<div", {TextFrame()}, db, tall, "块之间的内容", text), "DivHtml");
    kinds << edited(noEnd(
        kind("<embed", {Bare("EmbedFrame")}, db, hidden, none,
             {"src", "loop", "controls", "starttime", "endtime", "width", "height", "autostart", "hidden", "volume"})));
    kinds << edited(noEnd(kind("<bgsound", {Bare("BgSoundFrame")}, db, hidden, none, {"src", "loop", "volume"})));
    ElementKind hr =
        noEnd(kind("<hr", {RuleFrame()}, db, hidden, none, {"", "", "", "size", "color", "width", "noshade"}));
    hr.Flags = QStringList{"noshade"};
    kinds << command(hr, "HrHtml");
    ElementKind pre = kind("<pre", {TextFrame()}, db, tall, "文本内容", text);
    pre.HtmlFormat = true;
    kinds << command(pre, "PreHtml");
    kinds << edited(
        kind("<marquee", {Bare("MarqueeFrame"), Bare("AddImgFrame")}, db, tall, "在这里输入要移动的文字",
             {"direction", "behavior", "loop", "scrollamount", "scrolldelay", "width", "height", "bgcolor"}));
    kinds << edited(kind("<iframe", {Bare("IframeFrame"), TextFrame()}, db, hidden, none,
                         {"dir", "align", "name", "src", "width", "height", "frameborder", "scrolling"}));
    ElementKind form =
        kind("<form", {Bare("FormFrame")}, "添加表单", hidden, none, {"name", "action", "method", "target"});
    form.NameFrame = true;
    form.HtmlFormat = true;
    kinds << form;
    ElementKind textBox = noEnd(kind("<input type=text", {Bare("FormTextFrame")}, "添加单行文本框", hidden, none,
                                     {"name", "value", "size", "maxlength", "readonly"}));
    textBox.Flags = QStringList{"readonly"};
    textBox.NameFrame = true;
    textBox.TagType = 1;
    kinds << textBox;
    ElementKind textarea = kind("<textarea", {Bare("TextareaFrame")}, db, tall, "输入文本框的内容",
                                {"name", "rows", "cols", "wrap", "readonly"});
    textarea.Flags = QStringList{"readonly"};
    textarea.NameFrame = true;
    textarea.HtmlFormat = true;
    kinds << textarea;
    ElementKind password = textBox;
    password.HtmlN = QStringLiteral("<input type=password");
    password.Title = QStringLiteral("添加密码框");
    kinds << password;
    ElementKind check = noEnd(kind("<input type=checkbox", {Bare("FormCheckFrame")}, "添加复选框", shown, "复选框文本",
                                   {"name", "value", "checked"}));
    check.Flags = QStringList{"checked"};
    check.NameFrame = true;
    check.TagType = 1;
    kinds << check;
    ElementKind radio = kind("<input type=radio", {Bare("SelectFrame")}, "添加单选框", hidden, "单选框文本", {""});
    radio.HtmlFormat = true;
    radio.EndTag = QStringLiteral("</p>");
    radio.TagType = 1;
    radio.List = ListMode::Radios;
    radio.WriteAs = QStringLiteral("<p");
    kinds << radio;
    ElementKind select =
        kind("<select", {Bare("SelectFrame")}, "添加列表框", hidden, none, {"name", "size", "multiple"});
    select.Flags = QStringList{"multiple"};
    select.NameFrame = true;
    select.HtmlFormat = true;
    select.TagType = 1;
    select.List = ListMode::Options;
    kinds << select;
    ElementKind button =
        noEnd(kind("<input type=button", {Bare("FButtonFrame")}, "添加命令框", hidden, none, {"value", "name"}));
    button.TagType = 1;
    kinds << button;
    ElementKind caption =
        kind("<caption", {CaptionFrame()}, "添加表格标题", shown, "编辑表格标题内容", {"", "", "", "align", "valign"});
    caption.EndTag = QStringLiteral("</caption>");
    caption.TagType = 0;
    caption.Wrap = Wrapping::Caption;
    kinds << caption;
    ElementKind table = noEnd(kind("<table", {TableFrame()}, "     表格设置", hidden, none,
                                   {"border", "width", "height", "cellspacing", "cellpadding", "bordercolor",
                                    "background", "bgcolor", "align", "frame", "rules"}));
    table.Wrap = Wrapping::Table;
    kinds << edited(table);
    // Lists come from the list menu; the tag editor leaves them alone.
    auto list = [&](const QString& htmlN, const QList<Frame>& frames, const QStringList& slotNames, ListMode lines,
                    const QString& command) {
        ElementKind k = kind(htmlN, frames, db, hidden, none, slotNames);
        k.HtmlFormat = true;
        k.List = lines;
        k.Command = command;
        return k;
    };
    kinds << list("<ul", {Bare("SelectFrame"), BulletFrame()}, {""}, ListMode::Bullets, "UlHtml");
    kinds << list("<ol", {Bare("SelectFrame"), NumberFrame()}, {"type", "start"}, ListMode::Numbers, "OlHtml");
    kinds << list("<dl", {Bare("SelectFrame")}, {""}, ListMode::Definitions, "DlHtml");
    return kinds;
}

} // namespace

int ElementKind::SlotOf(const QString& attr) const
{
    if (attr.isEmpty())
        return -1;
    return int(SlotNames.indexOf(attr));
}

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
