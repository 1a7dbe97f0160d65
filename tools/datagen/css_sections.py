#!/usr/bin/env python3
"""Writes the CSS, script-object and small-list sections of the tag database.

    python3 tools/datagen/css_sections.py          (then: bash tools/assemble-data)

Output: data/sections/14-style1.xml, 15-style2.xml, 16-Jstyle.xml, 17-window.xml, 22-color.xml, 23-cursor.xml,
24-link.xml, 25-style.xml.

Layout rules the editor depends on:
- style1 positions 0..53 are fixed: the CSS builder writes each of its controls into one position.
- dtype 0 = no value list, 2 = installed fonts, anything else = the myid of a style2 list.
- The builder's option groups read style2 by offset from the first entry whose num is the property's position, so
  each group's entries stand together, in the order of the builder's option captions; num 0 means "in no group".
- The border style combos show the txt of the num 31 entries and map a chosen txt back to the first entry with that
  txt, so those texts must not occur earlier in style2.
- A value's description is the txt of the first style2 entry with that value text; every value has one text.
- Entries are separated by a line break inside the closing tag ("</e\\n>"), so no section holds whitespace text.
"""

import os
import sys
from xml.sax.saxutils import escape

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from css_values import COLOUR_NAMES, VALUE_TXT, value_text  # noqa: E402
import script_objects  # noqa: E402

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
OUT = os.path.join(ROOT, "data", "sections")

FONT = "FONT"  # dtype 2: the font list

# The colour lists start with the sixteen basic colours, then every other named colour in alphabetical order.
COLOURS16 = "black silver gray white maroon red purple fuchsia green lime olive yellow navy blue teal aqua".split()
BORDER_STYLES = "none hidden dotted dashed solid double groove ridge inset outset".split()
CURSORS = [
    ("auto", "自动,随内容变化"), ("default", "默认箭头"), ("none", "不显示光标"),
    ("pointer", "手形,用于链接"), ("text", "文字输入,I形光标"), ("vertical-text", "竖排文字输入"),
    ("crosshair", "十字线"), ("move", "移动,四向箭头"), ("help", "帮助,箭头加问号"),
    ("wait", "等待,沙漏或转圈"), ("progress", "后台处理中,箭头加沙漏"), ("context-menu", "有快捷菜单"),
    ("cell", "选择单元格"), ("alias", "创建快捷方式"), ("copy", "复制"), ("no-drop", "不能放在此处"),
    ("not-allowed", "禁止操作"), ("grab", "可抓取,张开的手"), ("grabbing", "抓取中,握紧的手"),
    ("all-scroll", "向任意方向滚动"), ("col-resize", "调整列宽"), ("row-resize", "调整行高"),
    ("n-resize", "向上调整大小"), ("s-resize", "向下调整大小"), ("e-resize", "向右调整大小"),
    ("w-resize", "向左调整大小"), ("ne-resize", "向右上调整大小"), ("nw-resize", "向左上调整大小"),
    ("se-resize", "向右下调整大小"), ("sw-resize", "向左下调整大小"), ("ew-resize", "左右调整大小"),
    ("ns-resize", "上下调整大小"), ("nesw-resize", "右上-左下调整大小"), ("nwse-resize", "左上-右下调整大小"),
    ("zoom-in", "放大"), ("zoom-out", "缩小"),
]

# The border combos show these instead of the general description of the value.
BORDER_LABELS = {"none": "无边框", "hidden": "隐藏边框", "inset": "3D内嵌"}
# Lists written ahead of the rest, so that the first entry of a value shared with the border group is a general one.
EARLY_LISTS = ["box-shadow"]

# Value lists: key -> (builder group num or 0, values in that group, further values).
# Every list also offers "inherit" at its end.
L = {}


def vlist(key, values, group=0, rest=""):
    g = values.split("|") if group else []
    r = (rest if group else values).split("|")
    L[key] = (group, g, [x for x in r if x])


def v(key, values):
    vlist(key, values)


vlist("font-style", "normal|italic|oblique", group=4)
vlist("background-repeat", "repeat|repeat-x|repeat-y|no-repeat", group=7, rest="space|round")
vlist("background-attachment", "scroll|fixed", group=8, rest="local")
vlist("text-decoration", "none|underline|overline|line-through", group=11, rest="blink")
vlist("text-align", "left|right|center|justify", group=13, rest="start|end")
vlist("position", "absolute|relative|static", group=18, rest="fixed|sticky")
vlist("visibility", "visible|hidden|inherit", group=19, rest="collapse")
vlist("border-style", "|".join(BORDER_STYLES), group=31)
v("font-size", "xx-small|x-small|small|medium|large|x-large|xx-large|smaller|larger|9pt|10.5pt|12pt|14pt|12px|14px"
  "|16px|18px|24px|1em|1.2em|100%")
v("font-weight", "normal|bold|bolder|lighter|100|200|300|400|500|600|700|800|900")
v("background-image", "none|url()|linear-gradient()|radial-gradient()")
v("background-position", "left top|center center|right bottom|center bottom|left|right|top|bottom|center|0 0"
  "|50% 50%")
v("letter-spacing", "normal|1px|2px|0.1em")
v("overflow", "visible|hidden|scroll|auto|clip")
v("offset", "auto|0|10px|50%")
v("size", "auto|100%|50%|fit-content|max-content|min-content")
v("z-index", "auto|0|1|-1")
v("margin", "auto|0|10px|1em")
v("padding", "0|5px|10px|1em")
v("border-width", "thin|medium|thick|1px|2px")
v("line-height", "normal|1.5|2|150%|20px")
v("filter", "none|alpha(Opacity=50)|gray()|fliph()|flipv()|invert()|xray()|shadow(color=#000000,direction=135)"
  "|dropshadow(color=#000000,offx=2,offy=2)|glow(color=#ff0000,strength=5)"
  "|blur(add=true,direction=270,strength=5)|wave(add=true,freq=2,lightstrength=10,phase=30,strength=10)"
  "|chroma(color=#ffffff)|mask(color=#ffffff)|blur(5px)|grayscale(100%)|brightness(120%)|contrast(150%)"
  "|opacity(50%)|sepia(100%)|saturate(200%)|hue-rotate(90deg)|invert(100%)|drop-shadow(2px 2px 4px #000000)")
v("backdrop-filter", "none|blur(5px)|grayscale(100%)|brightness(120%)|contrast(150%)|opacity(50%)|sepia(100%)"
  "|saturate(200%)|hue-rotate(90deg)|invert(100%)")
v("cursor", "|".join(c for c, _ in CURSORS))
v("float", "left|right|none")
v("clear", "none|left|right|both")
v("display", "block|inline|inline-block|list-item|none|flex|inline-flex|grid|inline-grid|table|inline-table"
  "|table-row|table-cell|table-caption|table-column|table-column-group|table-header-group|table-footer-group"
  "|table-row-group|flow-root|contents")
v("font", "caption|icon|menu|message-box|small-caption|status-bar|12px/1.5 宋体,sans-serif|bold 14px 黑体")
v("font-variant", "normal|small-caps")
v("font-stretch", "normal|ultra-condensed|extra-condensed|condensed|semi-condensed|semi-expanded|expanded"
  "|extra-expanded|ultra-expanded")
v("font-size-adjust", "none|0.5")
v("font-kerning", "auto|normal|none")
v("font-feature-settings", "normal")
v("font-variant-caps", "normal|small-caps|all-small-caps|petite-caps|all-petite-caps|unicase|titling-caps")
v("font-variant-numeric", "normal|lining-nums|oldstyle-nums|proportional-nums|tabular-nums|diagonal-fractions"
  "|stacked-fractions|ordinal|slashed-zero")
v("font-variant-ligatures", "normal|none|common-ligatures|no-common-ligatures|discretionary-ligatures"
  "|no-discretionary-ligatures|contextual|no-contextual")
v("font-synthesis", "none|weight|style")
v("text-indent", "2em|0|24px")
v("text-transform", "none|capitalize|uppercase|lowercase|full-width")
v("text-shadow", "none|1px 1px 2px #000000")
v("text-overflow", "clip|ellipsis")
v("text-justify", "auto|none|inter-word|inter-character|inter-ideograph")
v("text-align-last", "auto|start|end|left|right|center|justify")
v("text-decoration-line", "none|underline|overline|line-through")
v("text-decoration-style", "solid|double|dotted|dashed|wavy")
v("text-decoration-thickness", "auto|from-font|1px|2px")
v("text-underline-offset", "auto|2px|0.2em")
v("text-underline-position", "auto|under|left|right")
v("text-emphasis-style", "none|filled|open|dot|circle|double-circle|triangle|sesame")
v("text-emphasis-position", "over right|under right|over left|under left")
v("text-orientation", "mixed|upright|sideways")
v("text-rendering", "auto|optimizeSpeed|optimizeLegibility|geometricPrecision")
v("word-spacing", "normal|2px|0.5em")
v("white-space", "normal|pre|nowrap|pre-wrap|pre-line|break-spaces")
v("word-break", "normal|break-all|keep-all|break-word")
v("word-wrap", "normal|break-word")
v("overflow-wrap", "normal|break-word|anywhere")
v("line-break", "auto|loose|normal|strict|anywhere")
v("hyphens", "none|manual|auto")
v("tab-size", "4|8|2")
v("vertical-align", "baseline|sub|super|top|text-top|middle|bottom|text-bottom")
v("direction", "ltr|rtl")
v("unicode-bidi", "normal|embed|bidi-override|isolate|isolate-override|plaintext")
v("writing-mode", "horizontal-tb|vertical-rl|vertical-lr|tb-rl")
v("quotes", "none|auto")
v("content", 'normal|none|""|open-quote|close-quote|no-open-quote|no-close-quote|attr()|counter()|url()')
v("counter", "none")
v("background", "none|transparent|url()")
v("background-size", "auto|cover|contain|100% 100%")
v("background-origin", "padding-box|border-box|content-box")
v("background-clip", "border-box|padding-box|content-box|text")
v("blend", "normal|multiply|screen|overlay|darken|lighten|color-dodge|color-burn|hard-light|soft-light"
  "|difference|exclusion|hue|saturation|color|luminosity")
v("border", "none|1px solid #000000|1px solid #cccccc|1px dashed #cccccc")
v("border-radius", "0|4px|50%")
v("border-image", "none|url()")
v("border-image-slice", "100%|30|fill")
v("border-image-width", "auto|1")
v("border-image-outset", "0")
v("border-image-repeat", "stretch|repeat|round|space")
v("border-collapse", "separate|collapse")
v("border-spacing", "0|2px")
v("box-shadow", "none|inset|2px 2px 5px #888888")
v("box-sizing", "content-box|border-box")
v("outline-style", "auto|none|dotted|dashed|solid|double|groove|ridge|inset|outset")
v("min-size", "auto|0|fit-content|max-content|min-content")
v("max-size", "none|100%|fit-content|max-content|min-content")
v("aspect-ratio", "auto|16 / 9|4 / 3|1")
v("clip", "auto|rect(0,100px,50px,0)")
v("clip-path", "none|circle(50%)|inset(10px)|polygon()")
v("resize", "none|both|horizontal|vertical")
v("list-style", "none|disc|circle|square|decimal|square inside")
v("list-style-type", "disc|circle|square|decimal|decimal-leading-zero|lower-roman|upper-roman|lower-alpha"
  "|upper-alpha|lower-latin|upper-latin|lower-greek|armenian|georgian|cjk-ideographic|none")
v("list-style-position", "outside|inside")
v("image-source", "none|url()")
v("table-layout", "auto|fixed")
v("caption-side", "top|bottom")
v("empty-cells", "show|hide")
v("opacity", "1|0.5|0")
v("isolation", "auto|isolate")
v("object-fit", "fill|contain|cover|none|scale-down")
v("object-position", "center|left top|50% 50%")
v("image-rendering", "auto|smooth|high-quality|crisp-edges|pixelated")
v("pointer-events", "auto|none")
v("user-select", "auto|text|none|all")
v("will-change", "auto|transform|opacity|scroll-position|contents")
v("contain", "none|strict|content|size|layout|style|paint")
v("appearance", "none|auto")
v("scroll-behavior", "auto|smooth")
v("scroll-snap-type", "none|x mandatory|y mandatory|both proximity")
v("scroll-snap-align", "none|start|end|center")
v("overscroll-behavior", "auto|contain|none")
v("touch-action", "auto|none|pan-x|pan-y|manipulation|pinch-zoom")
v("flex", "none|auto|1|0 0 auto|1 1 0")
v("flex-direction", "row|row-reverse|column|column-reverse")
v("flex-wrap", "nowrap|wrap|wrap-reverse")
v("flex-flow", "row|column|wrap|nowrap|row wrap|column nowrap")
v("flex-factor", "0|1")
v("flex-basis", "auto|content|0|50%")
v("justify-content", "flex-start|flex-end|center|space-between|space-around|space-evenly|start|end|left|right"
  "|normal")
v("align-items", "stretch|flex-start|flex-end|center|baseline|start|end|normal")
v("align-self", "auto|stretch|flex-start|flex-end|center|baseline")
v("align-content", "stretch|flex-start|flex-end|center|space-between|space-around|space-evenly|normal")
v("order", "0|1|-1")
v("gap", "normal|10px|1em")
v("place-items", "normal|center|stretch|center start")
v("place-content", "normal|center|space-between center")
v("justify-items", "normal|stretch|start|end|center|left|right|legacy")
v("justify-self", "auto|normal|stretch|start|end|center|left|right")
v("place-self", "auto|center|start end")
v("grid", "none")
v("grid-template-tracks", "none|auto|repeat(3, 1fr)|1fr 1fr|200px 1fr|min-content|max-content|subgrid")
v("grid-auto-tracks", "auto|min-content|max-content|1fr|minmax(100px, auto)")
v("grid-auto-flow", "row|column|dense|row dense|column dense")
v("grid-area", "auto|span 2")
v("grid-line-pair", "auto|1 / 3|1 / -1|span 2")
v("grid-line", "auto|1|-1|span 2")
v("columns", "auto|2 200px")
v("column-count", "auto|2|3")
v("column-width", "auto|200px")
v("column-rule", "none|1px solid #cccccc")
v("column-rule-style", "|".join(BORDER_STYLES))
v("column-span", "none|all")
v("column-fill", "auto|balance")
v("transform", "none|rotate(45deg)|scale(1.5)|translate(10px, 20px)|skew(10deg)|rotateY(180deg)|matrix()")
v("transform-origin", "center|left top|50% 50%|center bottom")
v("transform-style", "flat|preserve-3d")
v("perspective", "none|500px|1000px")
v("perspective-origin", "center|50% 50%|left top")
v("backface-visibility", "visible|hidden")
v("transition", "none|all|all 0.3s ease|opacity 1s linear")
v("transition-property", "all|none|opacity|transform|color|background-color|width|height")
v("duration", "0s|0.3s|0.5s|1s|2s")
v("delay", "0s|0.5s|1s")
v("timing-function", "ease|linear|ease-in|ease-out|ease-in-out|step-start|step-end|steps(4, end)"
  "|cubic-bezier(0.25, 0.1, 0.25, 1)")
v("animation", "none")
v("animation-iteration-count", "infinite|1|2|3")
v("animation-direction", "normal|reverse|alternate|alternate-reverse")
v("animation-fill-mode", "none|forwards|backwards|both")
v("animation-play-state", "running|paused")
v("page-break", "auto|always|avoid|left|right")
v("page-break-inside", "auto|avoid")
v("break", "auto|avoid|always|all|avoid-page|page|left|right|recto|verso|avoid-column|column")
v("break-inside", "auto|avoid|avoid-page|avoid-column")
v("orphans", "2|3")
v("zoom", "normal|1|1.5|150%")
v("all", "initial|unset|revert")
v("scrollbar-color", "auto|#888888 #f0f0f0")
v("scrollbar-width", "auto|thin|none")
v("ime-mode", "auto|active|inactive|disabled")
v("inset", "auto|0")

COLOUR_VALUES = "|".join(COLOURS16 + sorted(set(COLOUR_NAMES) - set(COLOURS16)))
v("color", COLOUR_VALUES + "|transparent|currentcolor")
v("color-auto", "auto|" + COLOUR_VALUES + "|transparent|currentcolor")
v("outline-color", "invert|" + COLOUR_VALUES + "|currentcolor")

# style1: (name, list key or "" or FONT, description).  Positions 0..53 are the builder's.
PROPS = [
    ("color", "color", "文字颜色,如 #ff0000 或 red"),
    ("font-family", FONT, "字体名称,可列出多个备选字体,用逗号分隔,如 宋体,Arial"),
    ("font-size", "font-size", "字体大小,如 12pt、14px、1.2em"),
    ("font-weight", "font-weight", "字体粗细:normal、bold 或 100 到 900"),
    ("font-style", "font-style", "字体样式:普通、斜体或倾斜"),
    ("background-color", "color", "背景颜色"),
    ("background-image", "background-image", "背景图片,写作 url(图片地址)"),
    ("background-repeat", "background-repeat", "背景图片的平铺方式"),
    ("background-attachment", "background-attachment", "背景图片是否随内容滚动"),
    ("background-position", "background-position", "背景图片的起始位置,如 left top 或 50% 50%"),
    ("letter-spacing", "letter-spacing", "字符间距,可为负值"),
    ("text-decoration", "text-decoration", "文字修饰:下划线、上划线、删除线等"),
    ("overflow", "overflow", "内容超出元素大小时的处理:显示、隐藏、滚动条"),
    ("text-align", "text-align", "文本的水平对齐方式"),
    ("left", "offset", "定位元素左边与参照物左边的距离"),
    ("top", "offset", "定位元素上边与参照物上边的距离"),
    ("width", "size", "元素的宽度"),
    ("height", "size", "元素的高度"),
    ("position", "position", "定位方式:绝对、相对、固定或不定位"),
    ("visibility", "visibility", "元素是否可见(隐藏时仍占据位置)"),
    ("z-index", "z-index", "定位元素的层叠次序,数值大的在上面"),
    ("margin-top", "margin", "上外边距(上边界)"),
    ("margin-bottom", "margin", "下外边距(下边界)"),
    ("margin-left", "margin", "左外边距(左边界)"),
    ("margin-right", "margin", "右外边距(右边界)"),
    ("margin", "margin", "外边距(边界),可依次写上、右、下、左四个值"),
    ("padding-top", "padding", "上内边距(上填充)"),
    ("padding-bottom", "padding", "下内边距(下填充)"),
    ("padding-left", "padding", "左内边距(左填充)"),
    ("padding-right", "padding", "右内边距(右填充)"),
    ("padding", "padding", "内边距(填充),可依次写上、右、下、左四个值"),
    ("border-top-style", "border-style", "上边框的线型"),
    ("border-bottom-style", "border-style", "下边框的线型"),
    ("border-left-style", "border-style", "左边框的线型"),
    ("border-right-style", "border-style", "右边框的线型"),
    ("border-style", "border-style", "四条边框的线型,可依次写上、右、下、左"),
    ("border-top-width", "border-width", "上边框的宽度"),
    ("border-bottom-width", "border-width", "下边框的宽度"),
    ("border-left-width", "border-width", "左边框的宽度"),
    ("border-right-width", "border-width", "右边框的宽度"),
    ("border-width", "border-width", "四条边框的宽度,可依次写上、右、下、左"),
    ("border-top-color", "color", "上边框的颜色"),
    ("border-bottom-color", "color", "下边框的颜色"),
    ("border-left-color", "color", "左边框的颜色"),
    ("border-right-color", "color", "右边框的颜色"),
    ("border-color", "color", "四条边框的颜色,可依次写上、右、下、左"),
    ("line-height", "line-height", "行高(行间距),可为倍数、长度或百分比"),
    ("filter", "filter", "滤镜效果:IE 的 alpha、gray、shadow 等,或 CSS3 的 blur()、grayscale() 等"),
    ("cursor", "cursor", "鼠标移到元素上时的光标形状"),
    ("float", "float", "元素浮动到左边或右边,文字环绕其周围"),
    ("clear", "clear", "不允许哪一侧出现浮动元素(清除浮动)"),
    ("right", "offset", "定位元素右边与参照物右边的距离"),
    ("bottom", "offset", "定位元素下边与参照物下边的距离"),
    ("display", "display", "元素的显示方式:块、行内、列表项、不显示、弹性盒、网格等"),
    # fonts and text
    ("font", "font", "字体的简写:依次为样式、粗细、大小/行高、字体名"),
    ("font-variant", "font-variant", "是否以小型大写字母显示"),
    ("font-stretch", "font-stretch", "字形的宽窄"),
    ("font-size-adjust", "font-size-adjust", "按小写字母高度调整备选字体的大小"),
    ("font-kerning", "font-kerning", "是否使用字体中的字距调整信息"),
    ("font-feature-settings", "font-feature-settings", "直接开关 OpenType 字体特性,如 \"liga\" 1"),
    ("font-variant-caps", "font-variant-caps", "大写字母的变体字形"),
    ("font-variant-numeric", "font-variant-numeric", "数字的变体字形"),
    ("font-variant-ligatures", "font-variant-ligatures", "连字的使用方式"),
    ("font-synthesis", "font-synthesis", "字体缺少粗体或斜体时浏览器能否合成"),
    ("text-indent", "text-indent", "首行缩进,如 2em 缩进两个字"),
    ("text-transform", "text-transform", "英文大小写转换"),
    ("text-shadow", "text-shadow", "文字阴影:水平偏移 竖直偏移 模糊半径 颜色"),
    ("text-overflow", "text-overflow", "单行文字溢出时是否显示省略号(需配合 overflow:hidden)"),
    ("text-justify", "text-justify", "两端对齐时调整间距的方式"),
    ("text-align-last", "text-align-last", "段落最后一行的对齐方式"),
    ("text-decoration-line", "text-decoration-line", "文字修饰线的种类"),
    ("text-decoration-color", "color", "文字修饰线的颜色"),
    ("text-decoration-style", "text-decoration-style", "文字修饰线的线型"),
    ("text-decoration-thickness", "text-decoration-thickness", "文字修饰线的粗细"),
    ("text-underline-offset", "text-underline-offset", "下划线与文字的距离"),
    ("text-underline-position", "text-underline-position", "下划线的位置"),
    ("text-emphasis", "text-emphasis-style", "着重号的简写:样式和颜色"),
    ("text-emphasis-style", "text-emphasis-style", "着重号的样式"),
    ("text-emphasis-color", "color", "着重号的颜色"),
    ("text-emphasis-position", "text-emphasis-position", "着重号的位置"),
    ("text-orientation", "text-orientation", "竖排时字符的朝向"),
    ("text-rendering", "text-rendering", "文字渲染时优先考虑的方面"),
    ("word-spacing", "word-spacing", "单词间距(对英文空格起作用)"),
    ("white-space", "white-space", "空白和换行的处理方式"),
    ("word-break", "word-break", "单词内部能否断行"),
    ("word-wrap", "word-wrap", "长单词或网址能否断开换行(旧名,同 overflow-wrap)"),
    ("overflow-wrap", "overflow-wrap", "长单词或网址能否断开换行"),
    ("line-break", "line-break", "中日韩文字的断行规则"),
    ("hyphens", "hyphens", "英文断词时是否加连字符"),
    ("tab-size", "tab-size", "制表符的宽度(空格数或长度)"),
    ("vertical-align", "vertical-align", "行内元素或表格单元格内容的垂直对齐方式"),
    ("direction", "direction", "文字书写方向"),
    ("unicode-bidi", "unicode-bidi", "与 direction 配合使用的双向文字处理方式"),
    ("writing-mode", "writing-mode", "横排或竖排"),
    ("quotes", "quotes", "q 元素等使用的引号字符"),
    ("content", "content", "配合 :before、:after 插入的内容"),
    ("counter-reset", "counter", "创建或重置计数器,如 counter-reset:num"),
    ("counter-increment", "counter", "计数器增加的值,如 counter-increment:num"),
    # backgrounds and borders
    ("background", "background", "背景的简写:颜色、图片、平铺、滚动、位置"),
    ("background-size", "background-size", "背景图片的大小"),
    ("background-origin", "background-origin", "背景图片从哪个区域开始定位"),
    ("background-clip", "background-clip", "背景绘制到哪个区域为止"),
    ("background-blend-mode", "blend", "背景图片与背景颜色的混合模式"),
    ("border", "border", "边框的简写:宽度 线型 颜色,如 1px solid #000000"),
    ("border-top", "border", "上边框的简写:宽度 线型 颜色"),
    ("border-bottom", "border", "下边框的简写:宽度 线型 颜色"),
    ("border-left", "border", "左边框的简写:宽度 线型 颜色"),
    ("border-right", "border", "右边框的简写:宽度 线型 颜色"),
    ("border-radius", "border-radius", "圆角半径,可分别写四个角"),
    ("border-top-left-radius", "border-radius", "左上角的圆角半径"),
    ("border-top-right-radius", "border-radius", "右上角的圆角半径"),
    ("border-bottom-left-radius", "border-radius", "左下角的圆角半径"),
    ("border-bottom-right-radius", "border-radius", "右下角的圆角半径"),
    ("border-image", "border-image", "图片边框的简写"),
    ("border-image-source", "image-source", "用作边框的图片"),
    ("border-image-slice", "border-image-slice", "边框图片的切分位置"),
    ("border-image-width", "border-image-width", "边框图片的宽度"),
    ("border-image-outset", "border-image-outset", "边框图片超出边框的距离"),
    ("border-image-repeat", "border-image-repeat", "边框图片的平铺方式"),
    ("border-collapse", "border-collapse", "表格边框是合并还是分开"),
    ("border-spacing", "border-spacing", "表格单元格边框之间的距离(边框分开时)"),
    ("box-shadow", "box-shadow", "元素的阴影:水平偏移 竖直偏移 模糊 扩展 颜色"),
    ("box-sizing", "box-sizing", "宽度和高度是否包含内边距和边框"),
    ("outline", "border", "轮廓线的简写(画在边框外,不占位置)"),
    ("outline-style", "outline-style", "轮廓线的线型"),
    ("outline-width", "border-width", "轮廓线的宽度"),
    ("outline-color", "outline-color", "轮廓线的颜色"),
    ("outline-offset", "border-spacing", "轮廓线与边框之间的距离"),
    # box size and overflow
    ("min-width", "min-size", "最小宽度"),
    ("max-width", "max-size", "最大宽度"),
    ("min-height", "min-size", "最小高度"),
    ("max-height", "max-size", "最大高度"),
    ("aspect-ratio", "aspect-ratio", "元素的宽高比"),
    ("overflow-x", "overflow", "内容在水平方向超出时的处理"),
    ("overflow-y", "overflow", "内容在竖直方向超出时的处理"),
    ("clip", "clip", "裁剪绝对定位元素的可见区域"),
    ("clip-path", "clip-path", "按形状裁剪元素"),
    ("resize", "resize", "用户能否拖动改变元素大小(需 overflow 不为 visible)"),
    ("inset", "inset", "top、right、bottom、left 的简写"),
    # lists and tables
    ("list-style", "list-style", "列表样式的简写:符号、位置、图片"),
    ("list-style-type", "list-style-type", "列表项符号的类型"),
    ("list-style-position", "list-style-position", "列表项符号在内容之内还是之外"),
    ("list-style-image", "image-source", "用图片作为列表项符号"),
    ("table-layout", "table-layout", "表格布局算法(fixed 按第一行定列宽,显示更快)"),
    ("caption-side", "caption-side", "表格标题在表格上方还是下方"),
    ("empty-cells", "empty-cells", "是否显示空单元格的边框和背景"),
    # visual effects and interaction
    ("opacity", "opacity", "不透明度,0 为全透明,1 为不透明"),
    ("mix-blend-mode", "blend", "元素与下层内容的混合模式"),
    ("isolation", "isolation", "是否建立新的层叠上下文(隔离混合效果)"),
    ("object-fit", "object-fit", "图片或视频在元素框内的缩放方式"),
    ("object-position", "object-position", "图片或视频在元素框内的位置"),
    ("image-rendering", "image-rendering", "图片缩放时的算法"),
    ("pointer-events", "pointer-events", "元素是否响应鼠标事件"),
    ("user-select", "user-select", "用户能否选中文字"),
    ("will-change", "will-change", "预告将要变化的属性,便于浏览器优化"),
    ("contain", "contain", "限制元素内部对外部布局和绘制的影响"),
    ("appearance", "appearance", "表单控件是否使用系统外观"),
    ("caret-color", "color-auto", "输入框中文字插入光标的颜色"),
    ("accent-color", "color-auto", "复选框、单选框等控件的强调色"),
    ("scroll-behavior", "scroll-behavior", "滚动到锚点时是否平滑滚动"),
    ("scroll-snap-type", "scroll-snap-type", "滚动容器的吸附方式"),
    ("scroll-snap-align", "scroll-snap-align", "子元素吸附时的对齐位置"),
    ("overscroll-behavior", "overscroll-behavior", "滚动到尽头后是否带动外层滚动"),
    ("touch-action", "touch-action", "触摸屏上允许的手势"),
    ("backdrop-filter", "backdrop-filter", "对元素背后的区域应用滤镜,如毛玻璃效果"),
    # flexible boxes
    ("flex", "flex", "弹性项目的简写:伸展比例 收缩比例 基准大小"),
    ("flex-direction", "flex-direction", "弹性容器中项目的排列方向"),
    ("flex-wrap", "flex-wrap", "弹性项目一行放不下时是否换行"),
    ("flex-flow", "flex-flow", "flex-direction 和 flex-wrap 的简写"),
    ("flex-grow", "flex-factor", "弹性项目分配剩余空间的比例"),
    ("flex-shrink", "flex-factor", "空间不足时弹性项目收缩的比例"),
    ("flex-basis", "flex-basis", "弹性项目的基准大小"),
    ("justify-content", "justify-content", "项目在主轴方向上的对齐和分布"),
    ("align-items", "align-items", "项目在交叉轴方向上的对齐"),
    ("align-self", "align-self", "单个项目在交叉轴方向上的对齐"),
    ("align-content", "align-content", "多行项目整体在交叉轴方向上的分布"),
    ("order", "order", "项目的排列顺序,数值小的在前"),
    ("gap", "gap", "弹性或网格项目之间的间距(行距 列距)"),
    ("row-gap", "gap", "行与行之间的间距"),
    ("column-gap", "gap", "列与列之间的间距"),
    ("place-items", "place-items", "align-items 和 justify-items 的简写"),
    ("place-content", "place-content", "align-content 和 justify-content 的简写"),
    ("justify-items", "justify-items", "网格项目在单元格内的水平对齐"),
    ("justify-self", "justify-self", "单个网格项目在单元格内的水平对齐"),
    ("place-self", "place-self", "align-self 和 justify-self 的简写"),
    # grid
    ("grid", "grid", "网格布局的总简写"),
    ("grid-template", "grid", "网格行、列和区域的简写"),
    ("grid-template-columns", "grid-template-tracks", "网格各列的宽度,如 1fr 1fr"),
    ("grid-template-rows", "grid-template-tracks", "网格各行的高度"),
    ("grid-template-areas", "grid", "用名字划分网格区域"),
    ("grid-auto-columns", "grid-auto-tracks", "自动生成的列的宽度"),
    ("grid-auto-rows", "grid-auto-tracks", "自动生成的行的高度"),
    ("grid-auto-flow", "grid-auto-flow", "未指定位置的项目的自动放置方式"),
    ("grid-area", "grid-area", "项目所在的网格区域名,或行列起止线的简写"),
    ("grid-column", "grid-line-pair", "项目所占的列:起始线 / 结束线"),
    ("grid-row", "grid-line-pair", "项目所占的行:起始线 / 结束线"),
    ("grid-column-start", "grid-line", "项目的起始列线"),
    ("grid-column-end", "grid-line", "项目的结束列线"),
    ("grid-row-start", "grid-line", "项目的起始行线"),
    ("grid-row-end", "grid-line", "项目的结束行线"),
    # multi-column
    ("columns", "columns", "分栏的简写:栏宽 栏数"),
    ("column-count", "column-count", "分栏的栏数"),
    ("column-width", "column-width", "每栏的理想宽度"),
    ("column-rule", "column-rule", "栏间分隔线的简写:宽度 线型 颜色"),
    ("column-rule-style", "column-rule-style", "栏间分隔线的线型"),
    ("column-rule-width", "border-width", "栏间分隔线的宽度"),
    ("column-rule-color", "color", "栏间分隔线的颜色"),
    ("column-span", "column-span", "元素是否横跨所有栏"),
    ("column-fill", "column-fill", "各栏内容的填充方式"),
    # transforms
    ("transform", "transform", "变形:旋转、缩放、平移、倾斜"),
    ("transform-origin", "transform-origin", "变形的基准点"),
    ("transform-style", "transform-style", "子元素是否保留三维位置"),
    ("perspective", "perspective", "三维变形的透视距离"),
    ("perspective-origin", "perspective-origin", "透视的观察点位置"),
    ("backface-visibility", "backface-visibility", "元素翻转到背面时是否可见"),
    # transitions and animations
    ("transition", "transition", "过渡效果的简写:属性 时长 速度曲线 延迟"),
    ("transition-property", "transition-property", "应用过渡效果的属性名"),
    ("transition-duration", "duration", "过渡效果的时长"),
    ("transition-timing-function", "timing-function", "过渡效果的速度曲线"),
    ("transition-delay", "delay", "过渡效果开始前的延迟"),
    ("animation", "animation", "动画的简写:名称 时长 速度曲线 延迟 次数 方向"),
    ("animation-name", "animation", "@keyframes 定义的动画名称"),
    ("animation-duration", "duration", "动画播放一次的时长"),
    ("animation-timing-function", "timing-function", "动画的速度曲线"),
    ("animation-delay", "delay", "动画开始前的延迟"),
    ("animation-iteration-count", "animation-iteration-count", "动画播放的次数"),
    ("animation-direction", "animation-direction", "动画是否反向或交替播放"),
    ("animation-fill-mode", "animation-fill-mode", "动画开始前和结束后元素的样式"),
    ("animation-play-state", "animation-play-state", "动画播放或暂停"),
    # printing
    ("page-break-before", "page-break", "打印时在元素之前分页"),
    ("page-break-after", "page-break", "打印时在元素之后分页"),
    ("page-break-inside", "page-break-inside", "打印时元素内部能否分页"),
    ("break-before", "break", "元素之前的分页或分栏"),
    ("break-after", "break", "元素之后的分页或分栏"),
    ("break-inside", "break-inside", "元素内部能否分页或分栏"),
    ("orphans", "orphans", "分页时页面底部至少保留的行数"),
    ("widows", "orphans", "分页时页面顶部至少保留的行数"),
    # others
    ("all", "all", "一次重置除 direction 和 unicode-bidi 外的所有属性"),
    ("zoom", "zoom", "缩放元素(IE 与 Chrome 支持,非标准)"),
    ("scrollbar-color", "scrollbar-color", "滚动条滑块和轨道的颜色"),
    ("scrollbar-width", "scrollbar-width", "滚动条的宽度"),
    ("scrollbar-face-color", "color", "滚动条滑块和按钮的表面颜色(IE)"),
    ("scrollbar-track-color", "color", "滚动条轨道的颜色(IE)"),
    ("scrollbar-arrow-color", "color", "滚动条箭头的颜色(IE)"),
    ("scrollbar-base-color", "color", "滚动条的基本颜色(IE)"),
    ("scrollbar-shadow-color", "color", "滚动条阴影的颜色(IE)"),
    ("scrollbar-highlight-color", "color", "滚动条高光的颜色(IE)"),
    ("scrollbar-3dlight-color", "color", "滚动条立体亮边的颜色(IE)"),
    ("scrollbar-darkshadow-color", "color", "滚动条暗阴影的颜色(IE)"),
    ("ime-mode", "ime-mode", "输入框的输入法状态(IE、Firefox)"),
]

# Names the builder needs at its fixed positions.
BUILDER_POSITIONS = {
    0: "color", 1: "font-family", 2: "font-size", 3: "font-weight", 4: "font-style", 5: "background-color",
    6: "background-image", 7: "background-repeat", 8: "background-attachment", 10: "letter-spacing",
    11: "text-decoration", 12: "overflow", 13: "text-align", 14: "left", 15: "top", 16: "width", 17: "height",
    18: "position", 19: "visibility", 20: "z-index", 46: "line-height", 47: "filter", 48: "cursor", 49: "float",
    53: "display",
}
for _i, _side in enumerate(["-top", "-bottom", "-left", "-right", ""]):
    BUILDER_POSITIONS[21 + _i] = "margin" + _side
    BUILDER_POSITIONS[26 + _i] = "padding" + _side
    BUILDER_POSITIONS[31 + _i] = "border" + _side + "-style"
    BUILDER_POSITIONS[36 + _i] = "border" + _side + "-width"
    BUILDER_POSITIONS[41 + _i] = "border" + _side + "-color"

# Script names that differ from the plain camel-case form of the CSS name.
SCRIPT_NAME = {"float": "cssFloat"}
JSTYLE_EXTRA = [
    ("cssText", "整个 style 属性的文本,可一次读出或设置全部样式"),
    ("styleFloat", "浮动方式(IE 的写法,标准写法为 cssFloat)"),
    ("pixelLeft", "left 的像素数值,不带单位(IE)"),
    ("pixelTop", "top 的像素数值,不带单位(IE)"),
    ("pixelWidth", "width 的像素数值,不带单位(IE)"),
    ("pixelHeight", "height 的像素数值,不带单位(IE)"),
    ("length", "已设置的样式属性个数"),
    ("getPropertyValue", "getPropertyValue(\"属性名\"):读取某个样式属性的值,属性名用 CSS 写法"),
    ("setProperty", "setProperty(\"属性名\", \"值\"):设置某个样式属性,属性名用 CSS 写法"),
    ("removeProperty", "removeProperty(\"属性名\"):删除某个样式属性"),
]

COLOURS = [
    ("aliceblue", "f0f8ff"), ("antiquewhite", "faebd7"), ("aqua", "00ffff"), ("aquamarine", "7fffd4"),
    ("azure", "f0ffff"), ("beige", "f5f5dc"), ("bisque", "ffe4c4"), ("black", "000000"),
    ("blanchedalmond", "ffebcd"), ("blue", "0000ff"), ("blueviolet", "8a2be2"), ("brown", "a52a2a"),
    ("burlywood", "deb887"), ("cadetblue", "5f9ea0"), ("chartreuse", "7fff00"), ("chocolate", "d2691e"),
    ("coral", "ff7f50"), ("cornflowerblue", "6495ed"), ("cornsilk", "fff8dc"), ("crimson", "dc143c"),
    ("cyan", "00ffff"), ("darkblue", "00008b"), ("darkcyan", "008b8b"), ("darkgoldenrod", "b8860b"),
    ("darkgray", "a9a9a9"), ("darkgreen", "006400"), ("darkgrey", "a9a9a9"), ("darkkhaki", "bdb76b"),
    ("darkmagenta", "8b008b"), ("darkolivegreen", "556b2f"), ("darkorange", "ff8c00"), ("darkorchid", "9932cc"),
    ("darkred", "8b0000"), ("darksalmon", "e9967a"), ("darkseagreen", "8fbc8f"), ("darkslateblue", "483d8b"),
    ("darkslategray", "2f4f4f"), ("darkslategrey", "2f4f4f"), ("darkturquoise", "00ced1"),
    ("darkviolet", "9400d3"), ("deeppink", "ff1493"), ("deepskyblue", "00bfff"), ("dimgray", "696969"),
    ("dimgrey", "696969"), ("dodgerblue", "1e90ff"), ("firebrick", "b22222"), ("floralwhite", "fffaf0"),
    ("forestgreen", "228b22"), ("fuchsia", "ff00ff"), ("gainsboro", "dcdcdc"), ("ghostwhite", "f8f8ff"),
    ("gold", "ffd700"), ("goldenrod", "daa520"), ("gray", "808080"), ("green", "008000"),
    ("greenyellow", "adff2f"), ("grey", "808080"), ("honeydew", "f0fff0"), ("hotpink", "ff69b4"),
    ("indianred", "cd5c5c"), ("indigo", "4b0082"), ("ivory", "fffff0"), ("khaki", "f0e68c"),
    ("lavender", "e6e6fa"), ("lavenderblush", "fff0f5"), ("lawngreen", "7cfc00"), ("lemonchiffon", "fffacd"),
    ("lightblue", "add8e6"), ("lightcoral", "f08080"), ("lightcyan", "e0ffff"),
    ("lightgoldenrodyellow", "fafad2"), ("lightgray", "d3d3d3"), ("lightgreen", "90ee90"),
    ("lightgrey", "d3d3d3"), ("lightpink", "ffb6c1"), ("lightsalmon", "ffa07a"), ("lightseagreen", "20b2aa"),
    ("lightskyblue", "87cefa"), ("lightslategray", "778899"), ("lightslategrey", "778899"),
    ("lightsteelblue", "b0c4de"), ("lightyellow", "ffffe0"), ("lime", "00ff00"), ("limegreen", "32cd32"),
    ("linen", "faf0e6"), ("magenta", "ff00ff"), ("maroon", "800000"), ("mediumaquamarine", "66cdaa"),
    ("mediumblue", "0000cd"), ("mediumorchid", "ba55d3"), ("mediumpurple", "9370db"),
    ("mediumseagreen", "3cb371"), ("mediumslateblue", "7b68ee"), ("mediumspringgreen", "00fa9a"),
    ("mediumturquoise", "48d1cc"), ("mediumvioletred", "c71585"), ("midnightblue", "191970"),
    ("mintcream", "f5fffa"), ("mistyrose", "ffe4e1"), ("moccasin", "ffe4b5"), ("navajowhite", "ffdead"),
    ("navy", "000080"), ("oldlace", "fdf5e6"), ("olive", "808000"), ("olivedrab", "6b8e23"),
    ("orange", "ffa500"), ("orangered", "ff4500"), ("orchid", "da70d6"), ("palegoldenrod", "eee8aa"),
    ("palegreen", "98fb98"), ("paleturquoise", "afeeee"), ("palevioletred", "db7093"), ("papayawhip", "ffefd5"),
    ("peachpuff", "ffdab9"), ("peru", "cd853f"), ("pink", "ffc0cb"), ("plum", "dda0dd"),
    ("powderblue", "b0e0e6"), ("purple", "800080"), ("rebeccapurple", "663399"), ("red", "ff0000"),
    ("rosybrown", "bc8f8f"), ("royalblue", "4169e1"), ("saddlebrown", "8b4513"), ("salmon", "fa8072"),
    ("sandybrown", "f4a460"), ("seagreen", "2e8b57"), ("seashell", "fff5ee"), ("sienna", "a0522d"),
    ("silver", "c0c0c0"), ("skyblue", "87ceeb"), ("slateblue", "6a5acd"), ("slategray", "708090"),
    ("slategrey", "708090"), ("snow", "fffafa"), ("springgreen", "00ff7f"), ("steelblue", "4682b4"),
    ("tan", "d2b48c"), ("teal", "008080"), ("thistle", "d8bfd8"), ("tomato", "ff6347"),
    ("turquoise", "40e0d0"), ("violet", "ee82ee"), ("wheat", "f5deb3"), ("white", "ffffff"),
    ("whitesmoke", "f5f5f5"), ("yellow", "ffff00"), ("yellowgreen", "9acd32"),
]

LINK_STATES = [
    ("未访问的链接(link)", "link"),
    ("已访问过的链接(visited)", "visited"),
    ("鼠标移到链接上(hover)", "hover"),
    ("正在点击的链接(active)", "active"),
    ("获得焦点的链接(focus)", "focus"),
]

# Page transitions: the position of an entry is its Transition number 0..23.
TRANSITIONS = [
    "盒状收缩", "盒状展开", "圆形收缩", "圆形展开", "向上擦除", "向下擦除", "向右擦除", "向左擦除",
    "垂直百叶窗", "水平百叶窗", "横向棋盘式", "纵向棋盘式", "随机溶解", "左右向中部收缩", "中部向左右展开",
    "上下向中部收缩", "中部向上下展开", "阶梯状向左下展开", "阶梯状向左上展开", "阶梯状向右下展开",
    "阶梯状向右上展开", "随机水平线条", "随机垂直线条", "随机选取一种效果",
]


def field(name, text):
    return "<%s>%s</%s>" % (name, escape(str(text)), name)


def entry(tag, fields):
    return "<%s>%s</%s\n>" % (tag, "".join(field(n, t) for n, t in fields), tag)


def section(name, entries):
    return "<%s>%s</%s>\n" % (name, "".join(entries), name)


def camel(css_name):
    if css_name in SCRIPT_NAME:
        return SCRIPT_NAME[css_name]
    parts = css_name.split("-")
    return parts[0] + "".join(p[:1].upper() + p[1:] for p in parts[1:])


def build_style():
    for c, t in CURSORS:
        VALUE_TXT.setdefault(c, "光标:" + t)
    for c, h in COLOURS:
        assert c not in VALUE_TXT, c
        VALUE_TXT[c] = "%s #%s" % (COLOUR_NAMES[c], h)
    names = [p[0] for p in PROPS]
    assert len(set(names)) == len(names), "duplicate CSS property"
    for pos, want in BUILDER_POSITIONS.items():
        assert names[pos] == want, (pos, names[pos], want)
    assert PROPS[1][1] == FONT

    # Lists are numbered in order of first use, so style2 follows the property order.  Ids start at 10:
    # 0 and 2 have their own meanings.
    ids = {}
    for _, key, _ in PROPS:
        if key and key != FONT and key not in ids:
            ids[key] = 10 + len(ids)
    unused = set(L) - set(ids)
    assert not unused, unused

    rows = []  # (myid, value, txt, num)
    order = EARLY_LISTS + [k for k in ids if k not in EARLY_LISTS]
    for key in order:
        myid = ids[key]
        group, gvals, rest = L[key]
        vals = gvals + rest
        if "inherit" not in vals:
            rest = rest + ["inherit"]
        assert len(set(gvals + rest)) == len(gvals + rest), key
        labels = BORDER_LABELS if group == 31 else {}
        for val in gvals:
            rows.append((myid, val, labels.get(val) or value_text(val), group))
        for val in rest:
            rows.append((myid, val, value_text(val), 0))

    # The description the editor shows for a value is that of its first entry: keep it the general one.
    seen = set()
    for r in rows:
        if r[1] not in seen:
            seen.add(r[1])
            assert r[2] == value_text(r[1]), r

    # The border combos show txt; the first entry with that txt must be the border entry itself.
    first_by_txt = {}
    for i, r in enumerate(rows):
        first_by_txt.setdefault(r[2], i)
    for i, r in enumerate(rows):
        if r[3] == 31:
            assert first_by_txt[r[2]] == i or rows[first_by_txt[r[2]]][1] == r[1], r
    # Builder groups stand together.
    for num in {r[3] for r in rows if r[3]}:
        where = [i for i, r in enumerate(rows) if r[3] == num]
        assert where == list(range(where[0], where[0] + len(where))), num

    style1 = [entry("prop", [("name", n), ("txt", t), ("dtype", 2 if k == FONT else ids.get(k, 0))])
              for n, k, t in PROPS]
    style2 = [entry("val", [("myid", m), ("values", val), ("txt", t), ("num", num)]) for m, val, t, num in rows]

    jnames = [(camel(n), "%s(CSS 属性 %s)" % (t, n)) for n, _, t in PROPS] + JSTYLE_EXTRA
    assert len({n for n, _ in jnames}) == len(jnames)
    jstyle = [entry("prop", [("name", n), ("txt", t)]) for n, t in jnames]
    return style1, style2, jstyle, len(ids)


def main():
    style1, style2, jstyle, nlists = build_style()
    names = {c for c, _ in COLOURS}
    assert len(names) == len(COLOURS) and all(len(h) == 6 for _, h in COLOURS)
    assert names == set(COLOUR_NAMES)
    window = script_objects.build(entry, field)
    files = {
        "14-style1.xml": section("style1", style1),
        "15-style2.xml": section("style2", style2),
        "16-Jstyle.xml": section("Jstyle", jstyle),
        "17-window.xml": section("window", window),
        "22-color.xml": section("color", ["<%s>#%s</%s\n>" % (c, h, c) for c, h in COLOURS]),
        "23-cursor.xml": section("cursor", [entry("c", [("txt", "%s(%s)" % (t, c)), ("name", c)])
                                            for c, t in CURSORS]),
        "24-link.xml": section("link", [entry("state", [("txt", t), ("name", n)]) for t, n in LINK_STATES]),
        "25-style.xml": section("style", [entry("fx", [("txt", "%d %s" % (i, t))])
                                          for i, t in enumerate(TRANSITIONS)]),
    }
    assert len(TRANSITIONS) == 24
    os.makedirs(OUT, exist_ok=True)
    for name, text in files.items():
        with open(os.path.join(OUT, name), "w", encoding="utf-8", newline="\n") as f:
            f.write(text)
    print("style1 %d, style2 %d entries in %d lists, Jstyle %d, window %d members, color %d, cursor %d, "
          "link %d, style %d" % (len(style1), len(style2), nlists, len(jstyle), script_objects.count_members(),
                                  len(COLOURS), len(CURSORS), len(LINK_STATES), len(TRANSITIONS)))


if __name__ == "__main__":
    main()
