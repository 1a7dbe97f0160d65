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

Frame MediaFrame()
{
    // The loop options, the control panels and the two play times; the hook joins minutes and seconds.
    return {"EmbedFrame",
            {Field::File("EmbedText_0", "文件地址", "src", "OpenEmbedCommand", BrowseFilter::AllFiles),
             Field::Options("EmbedLoopOption", "重复播放", "", {"无数次", "N次"}, {}).Numbered(1),
             Field::Digits("NumText", "", "loop").Greyed().Beside(),
             Field::Options("ControlOption", "", "controls",
                            {"正常面板", "小面板", "播放按钮", "暂停按钮", "停止按钮", "音量按钮"},
                            {"console", "smallconsole", "playbutton", "pausebutton", "stopbutton", "volumelever"})
                 .InColumns(3),
             Field::Number("EmbedText_1", "开始时间:", "").Followed("分"),
             Field::Number("EmbedText_2", "", "").Beside().Followed("秒"),
             Field::Number("EmbedText_3", "结束时间:", "").Followed("分"),
             Field::Number("EmbedText_4", "", "").Beside().Followed("秒"), Field::Text("EmbedText_5", "宽度", "width"),
             Field::Text("EmbedText_6", "高度", "height").Beside(),
             Field::Check("AutoStartCheck", "自动播放", "autostart", "true", "false", true),
             Field::Check("EmbedDisplayCheck", "隐藏", "hidden", "true", "false").Beside(),
             Field::Slider("HearHScroll", "音量", "volume", 0, 100, 10)}};
}

Frame SoundFrame()
{
    return {"BgSoundFrame",
            {Field::File("BgsoundText_0", "文件地址", "src", "BgSoundCommand", BrowseFilter::AllFiles),
             Field::Digits("BgsoundText_1", "播放次数", "loop"),
             Field::Slider("BgsoundHScroll", "音量", "volume", 0, 100, 10)}};
}

Frame MarqueeFrame()
{
    // "无数次" starts checked, as the greyed count says: a marquee moves without end until given a count.
    return {"MarqueeFrame",
            {Field::Options("MarToOption", "移动方向", "direction", {"向左", "向右", "向上", "向下"},
                            {"left", "right", "up", "down"}),
             Field::Options("MarStyleOption", "移动方式", "behavior", {"绕着走", "来回走", "只一次"},
                            {"scroll", "alternate", "slide"}),
             Field::Digits("MarText_0", "移动次数", "loop").Greyed(),
             Field::Check("MarNumCheck", "无数次", "", "", "", true).Beside(),
             Field::Digits("MarText_1", "速度", "scrollamount"),
             Field::Digits("MarText_2", "延时", "scrolldelay").Beside(), Field::Digits("MarText_3", "宽度", "width"),
             Field::Digits("MarText_4", "高度", "height").Beside(),
             Field::Colour("MarColorCommand", "背景色", "bgcolor").Beside()}};
}

Frame MarqueePictureFrame()
{
    return {"AddImgFrame",
            {Field::File("MarImgText1", "图象地址", "", "MarImgCommand", BrowseFilter::Images).NoEnter()},
            "添加图象"};
}

Frame InlineFrame()
{
    // Either box reads the other's words in an edited tag too; any other word ("auto" scrolling) shows the box
    // unchecked and stays in the tag until the box is clicked.
    return {"IframeFrame",
            {Field::File("IframeText_0", "文件地址", "src", "IframeOpenCommand", BrowseFilter::AllFiles),
             Field::Digits("IframeText_1", "窗口宽度", "width"),
             Field::Digits("IframeText_2", "窗口高度", "height").Beside(),
             Field::Check("IframeCheck_0", "显示窗口边框", "frameborder", "1", "0", true).AlsoReads({"yes"}, {"no"}),
             Field::Check("IframeCheck_1", "显示窗口滚动条", "scrolling", "yes", "no", true)
                 .AlsoReads({"1"}, {"0"})
                 .Beside()}};
}

Frame FormFrame()
{
    // The window name opens with "开新的窗口"; the two button boxes rebuild the content (the form's hook).
    return {"FormFrame",
            {Field::Text("FormText", "发送地址", "action"),
             Field::Options("MethodOption", "发送方式", "method", {"Get", "Post"}, {"get", "post"}, 1),
             Field::Check("FCheck", "开新的窗口", "", "", ""),
             Field::Text("FText", "窗口名称", "target").Greyed().NoEnter(),
             Field::Check("SendCheck_0", "发送按钮", "", "", "", true),
             Field::Check("SendCheck_1", "重写按钮", "", "", "", true).Beside()}};
}

Frame TextBoxFrame(bool password)
{
    // A password box shows no default value, so it never carries one.
    ElementField value = Field::Text("FormTextText_0", "默认值", "value");
    if (password)
        value = Field::Text("FormTextText_0", "默认值", "").Invisible();
    return {"FormTextFrame",
            {value, Field::Text("FormTextText_1", "长度", "size"),
             Field::Text("FormTextText_2", "最大字符数", "maxlength"),
             Field::Check("FtextCheck", "只读", "readonly", "readonly", "")}};
}

Frame TextareaFrame()
{
    return {"TextareaFrame",
            {Field::Number("TextareaText_0", "行数", "rows").RefreshOnChange().NoEnter(),
             Field::Number("TextareaText_1", "列数", "cols").RefreshOnChange().NoEnter().Beside(),
             Field::Options("WrapOption", "", "wrap", {"不换行", "软换行", "硬换行"}, {"off", "soft", "hard"}),
             Field::Check("TextreaCheck", "只读", "readonly", "readonly", "")}};
}

Frame CheckBoxFrame()
{
    return {"FormCheckFrame",
            {Field::Text("FormCheckText", "内部值", "value").NoEnter(),
             Field::Check("FormCheckCheck", "是否选择", "checked", "checked", "")}};
}

Frame ButtonFrame()
{
    return {"FButtonFrame",
            {Field::Text("FbuttonText_0", "命令框文本", "value"), Field::Text("FbuttonText_1", "内部名称", "name")}};
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
    // A kind the menu inserts that the tag editor leaves alone.
    auto inserted = [](ElementKind k, const QString& name) {
        k.Command = name;
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
    kinds << command(noEnd(kind("<embed", {MediaFrame()}, db, hidden, none,
                                {"src", "loop", "controls", "starttime", "endtime", "width", "height", "autostart",
                                 "hidden", "volume"})),
                     "EnbHtml");
    kinds << command(noEnd(kind("<bgsound", {SoundFrame()}, db, hidden, none, {"src", "loop", "volume"})),
                     "BgsoundHtml");
    ElementKind hr =
        noEnd(kind("<hr", {RuleFrame()}, db, hidden, none, {"", "", "", "size", "color", "width", "noshade"}));
    hr.Flags = QStringList{"noshade"};
    kinds << command(hr, "HrHtml");
    ElementKind pre = kind("<pre", {TextFrame()}, db, tall, "文本内容", text);
    pre.HtmlFormat = true;
    kinds << command(pre, "PreHtml");
    kinds << command(
        kind("<marquee", {MarqueeFrame(), MarqueePictureFrame()}, db, tall, "在这里输入要移动的文字",
             {"direction", "behavior", "loop", "scrollamount", "scrolldelay", "width", "height", "bgcolor"}),
        "MarqueeHtml");
    kinds << command(kind("<iframe", {InlineFrame(), TextFrame()}, db, hidden, none,
                          {"dir", "align", "name", "src", "width", "height", "frameborder", "scrolling"}),
                     "IframeHtml");
    ElementKind form = kind("<form", {FormFrame()}, "添加表单", hidden, none, {"name", "action", "method", "target"});
    form.NameFrame = true;
    form.HtmlFormat = true;
    kinds << inserted(form, "FormHtmls");
    ElementKind textBox = noEnd(kind("<input type=text", {TextBoxFrame(false)}, "添加单行文本框", hidden, none,
                                     {"name", "value", "size", "maxlength", "readonly"}));
    textBox.Flags = QStringList{"readonly"};
    textBox.NameFrame = true;
    textBox.TagType = 1;
    kinds << inserted(textBox, "aTextHtml");
    ElementKind textarea = kind("<textarea", {TextareaFrame()}, db, tall, "输入文本框的内容",
                                {"name", "rows", "cols", "wrap", "readonly"});
    textarea.Flags = QStringList{"readonly"};
    textarea.NameFrame = true;
    textarea.HtmlFormat = true;
    kinds << inserted(textarea, "bTExtHtml");
    ElementKind password = textBox;
    password.HtmlN = QStringLiteral("<input type=password");
    password.Title = QStringLiteral("添加密码框");
    password.Frames = {TextBoxFrame(true)};
    kinds << inserted(password, "passwordHtml");
    ElementKind check = noEnd(kind("<input type=checkbox", {CheckBoxFrame()}, "添加复选框", shown, "复选框文本",
                                   {"name", "value", "checked"}));
    check.Flags = QStringList{"checked"};
    check.NameFrame = true;
    check.TagType = 1;
    kinds << inserted(check, "CheckHtml");
    ElementKind radio = kind("<input type=radio", {Bare("SelectFrame")}, "添加单选框", hidden, "单选框文本", {""});
    radio.HtmlFormat = true;
    radio.EndTag = QStringLiteral("</p>");
    radio.TagType = 1;
    radio.List = ListMode::Radios;
    radio.WriteAs = QStringLiteral("<p");
    kinds << inserted(radio, "RadioHtml");
    ElementKind select =
        kind("<select", {Bare("SelectFrame")}, "添加列表框", hidden, none, {"name", "size", "multiple"});
    select.Flags = QStringList{"multiple"};
    select.NameFrame = true;
    select.HtmlFormat = true;
    select.TagType = 1;
    select.List = ListMode::Options;
    kinds << inserted(select, "SelectHtml");
    ElementKind button =
        noEnd(kind("<input type=button", {ButtonFrame()}, "添加命令框", hidden, none, {"value", "name"}));
    button.TagType = 1;
    kinds << inserted(button, "FormButtonHtml");
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
