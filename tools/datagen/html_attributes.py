# Attributes of the tag database: the global ones (offten) and each element's own (property1).
#
# Attribute line: "name = description" (value typed freely), "name! = description" (takes no value),
# "name@list = description" (value list from html_values.py). A bare "name" takes the line from LIBRARY;
# "&group" inserts the lines of a group. "[a|b|c]" starts the attributes shared by the elements a, b and c.
# The events of the element's own kind (html_events.py) are appended by the generator.
# No element lists a global attribute again: the attribute list shows the element's own, then the global ones.

GLOBAL = """
id = 唯一标识符:本页中唯一的名称,供 CSS(#名称)、脚本和页内锚点(#名称)引用
class = 样式类:使用的 CSS 类名,多个类名用空格分隔
style = 行内样式:直接写 CSS 声明,如 color:red;font-size:12pt
title = 提示文字:鼠标停在元素上时显示;在 abbr 中为全称
lang = 内容的语言,如 zh-CN、en
dir = 文字方向:ltr 从左到右,rtl 从右到左,auto 自动判断(bdo 必须指定)
accesskey = 快捷键:按 Alt(或 Alt+Shift)加此字符激活元素
tabindex = Tab 键顺序:0 按文档顺序,正数优先,-1 不能用 Tab 键到达
hidden = 隐藏元素,不显示(HTML5)
contenteditable = 内容可编辑:true 可编辑,false 不可编辑,plaintext-only 只能输入纯文本(HTML5)
draggable = 可拖动:true 可拖动,false 不可拖动(HTML5)
spellcheck = 拼写检查:true 检查,false 不检查(HTML5)
translate = 翻译页面时是否翻译此内容:yes 翻译,no 不翻译(HTML5)
autocapitalize = 触屏键盘自动大写:off 不大写,sentences 句首,words 词首,characters 全部(HTML5)
autocorrect = 输入时自动更正:on 开启,off 关闭
autofocus = 页面载入后自动获得焦点,每页只应有一个(HTML5)
enterkeyhint = 虚拟键盘回车键上的文字:enter、done、go、next、previous、search、send(HTML5)
inputmode = 弹出的虚拟键盘类型:none、text、decimal、numeric、tel、search、email、url(HTML5)
inert = 使元素及其内容不可交互、不能获得焦点(HTML5)
popover = 弹出层:auto 点击外部自动关闭,manual 只能用按钮或脚本关闭(HTML5)
nonce = 一次性随机数,配合内容安全策略允许此脚本或样式执行
is = 自定义内置元素的名称(Web 组件)
part = 影子树中元素的部件名,供外部 CSS 的 ::part() 使用
slot = 放入影子树中哪个命名插槽(slot 元素的 name)
exportparts = 把内部影子树的部件名导出给外部
itemscope = 开始一个微数据项(结构化数据)
itemtype = 微数据项的类型地址,如 https://schema.org/Person
itemprop = 微数据项的属性名,如 name、price
itemid = 微数据项的全局标识
itemref = 属于此微数据项的其他元素 id,用空格分隔
role = 无障碍角色,如 button、navigation、dialog,供读屏软件使用
aria-label = 无障碍名称:读屏软件朗读的文字
aria-labelledby = 作为无障碍名称的元素 id
aria-describedby = 作为无障碍说明的元素 id
aria-hidden = 对读屏软件隐藏:true 隐藏
aria-expanded = 所控制的内容是否展开:true 或 false
aria-controls = 本元素所控制元素的 id
aria-current = 标出当前项,如导航中的当前页:page、step、true
aria-live = 内容变化时读屏软件是否播报:polite 空闲时,assertive 立即
xml:lang = XHTML 文档中内容的语言
"""

LIBRARY = """
name = 名称:提交表单时作为这项数据的名称,脚本也可按名称访问
value = 初始值,随表单提交
disabled! = 禁用:变为灰色,不能操作,提交时不包含此项
readonly! = 只读:可以选中复制但不能修改,仍随表单提交
required! = 必填:为空时不能提交表单(HTML5)
form = 所属表单的 id,控件可以放在该表单之外(HTML5)
placeholder = 为空时显示的灰色提示文字(HTML5)
maxlength = 最多允许输入的字符数
minlength = 至少需要输入的字符数(HTML5)
size = 显示宽度,以字符数计
pattern@pattern = 输入内容必须匹配的正则表达式,配合 title 说明格式要求(HTML5)
autocomplete@autocomplete = 自动填充:off 关闭,或用 name、email、tel 等说明内容类别,浏览器据此填写(HTML5)
list = 输入建议列表(datalist)的 id(HTML5)
dirname = 提交时附带文字方向的数据项名称,如 comment.dir(HTML5)
min = 允许的最小值
max = 允许的最大值
step@step = 步长:每次增减的量,any 为任意精度
multiple! = 允许选择多项或输入多个值
checked! = 默认选中
width = 宽度,单位像素
height = 高度,单位像素
src = 文件地址(URL)
alt = 替代文字:图像无法显示时显示,也供读屏软件朗读
align@align_img = 与周围文字的对齐方式(已废弃,请改用 CSS)
hspace = 左右两侧的空白,单位像素(已废弃,请改用 CSS margin)
vspace = 上下两侧的空白,单位像素(已废弃,请改用 CSS margin)
border = 边框宽度,单位像素,0 为无边框
target@target = 打开目标的窗口或框架,也可填框架的名称
href = 链接目标地址:网页、文件、#锚点名,或 mailto:邮箱、tel:电话、javascript:脚本
hreflang@lang = 目标页面的语言
type@mime = 目标资源的 MIME 类型,仅供浏览器参考
rel@rel_a = 当前页面与目标页面的关系,多个值用空格分隔
download = 下载目标而不是打开它,值为建议保存的文件名(HTML5,只对同源地址有效)
ping = 点击链接时浏览器向这些地址(空格分隔)发送通知,用于统计(HTML5)
referrerpolicy@referrerpolicy = 请求时发送来源页地址(Referer)的策略
crossorigin@crossorigin = 跨域请求方式(CORS)
loading@loading = 加载时机:lazy 延迟到滚动到附近时,eager 立即
fetchpriority@fetchpriority = 下载优先级提示
integrity = 完整性校验值,如 sha384-…,文件被篡改时拒绝使用
charset@charset = 目标资源的字符编码(已废弃)
bgcolor@colors = 背景颜色(已废弃,请改用 CSS background-color)
color@colors = 颜色,颜色名或 #RRGGBB
background = 背景图像地址(非标准,请改用 CSS background-image)
valign@valign = 内容的垂直对齐方式(已废弃,请改用 CSS vertical-align)
char = 按某个字符对齐时使用的字符,如小数点(已废弃)
charoff = 对齐字符的偏移量(已废弃)
cite = 引文出处或修改说明的地址
datetime@datetime = 日期时间,机器可读的格式
media@media = 适用的媒体类型或媒体查询
compact! = 紧凑显示(已废弃)
usemap = 使用的图像映射:# 加 map 的 name,如 #map1
formaction = 用此按钮提交时使用的地址,代替表单的 action(HTML5)
formmethod@method = 用此按钮提交时的方式,代替表单的 method(HTML5)
formenctype@enctype = 用此按钮提交时的编码方式,代替表单的 enctype(HTML5)
formtarget@target = 用此按钮提交后结果显示的窗口,代替表单的 target(HTML5)
formnovalidate! = 用此按钮提交时不检查输入(HTML5)
popovertarget = 点击时控制的弹出层(带 popover 属性的元素)的 id(HTML5)
popovertargetaction@popovertargetaction = 对弹出层的操作
longdesc = 详细说明页面的地址(已废弃)
"""

GROUPS = """
&cellalign
align@align_cell = 单元格内容的水平对齐方式(已废弃,请改用 CSS text-align)
valign
char
charoff

&textinput
name
value = 初始文字
size
maxlength
minlength
placeholder
readonly
disabled
required
autocomplete
pattern
list
form

&datetime
name
value = 初始值
min
max
step
readonly
disabled
required
autocomplete
list
form

&submitter
formaction
formmethod
formenctype
formtarget
formnovalidate
"""

BLOCKS = """
[a]
href@href = 链接目标地址:网页、文件、#锚点名,或 mailto:邮箱、tel:电话、javascript:脚本
target
download
rel
hreflang
type
ping
referrerpolicy
name = 锚点名称,其他链接用 #名称 跳到此处(HTML5 建议改用 id)
charset
coords = 在图像映射中时的热点坐标(已废弃,请改用 area)
shape@shape = 在图像映射中时的热点形状(已废弃,请改用 area)
rev = 目标页面与当前页面的反向关系(已废弃)
methods = 目标支持的 HTTP 方法(非标准,已废弃)

[applet]
code = Java 类文件名,如 Hello.class
codebase = 类文件所在的基准地址
archive = 预先下载的 JAR 压缩包,多个用逗号分隔
object = 序列化小程序对象的文件
name = 小程序名称,供同页其他小程序通讯
width = 宽度,单位像素(必填)
height = 高度,单位像素(必填)
alt = 浏览器不能运行 Java 时显示的文字
align
hspace
vspace

[area]
shape@shape = 热点形状
coords = 热点坐标,像素,依 shape 而定:矩形 左,上,右,下;圆 x,y,半径;多边形 x1,y1,x2,y2,…
href@href = 点击热点时跳转的地址
alt = 热点的替代文字(有 href 时必填)
target
download
rel
hreflang
type
ping
referrerpolicy
nohref! = 此区域不是链接(已废弃,省略 href 即可)

[audio]
src = 音频文件地址,如 music.mp3
controls! = 显示播放控件(播放、暂停、进度、音量)
autoplay! = 自动播放(多数浏览器只允许静音时自动播放)
loop! = 循环播放
muted! = 静音
preload@preload = 预先下载方式
controlslist@controlslist = 隐藏部分控件按钮,多个值用空格分隔(Chrome)
crossorigin
disableremoteplayback! = 禁止投屏播放

[base]
href = 页面中所有相对地址的基准地址,如 http://www.example.com/
target = 页面中所有链接和表单的默认打开窗口

[basefont]
face@font_face = 默认字体,多个字体用逗号分隔
size@font_size = 默认字号,1 到 7,默认为 3
color = 默认文字颜色

[bgsound]
src = 声音文件地址,如 music.mid、music.mp3
loop@loop_count = 播放次数:-1 或 infinite 为无限循环,也可以填数字
volume = 音量:-10000(最小)到 0(最大)
balance = 左右声道平衡:-10000(左)到 10000(右),0 为居中

[blockquote|q]
cite = 引文出处的地址

[body]
background = 背景图像地址(已废弃,请改用 CSS background-image)
bgcolor
text@colors = 文字颜色(已废弃,请改用 CSS color)
link@colors = 未访问链接的颜色(已废弃,请改用 CSS a:link)
vlink@colors = 已访问链接的颜色(已废弃,请改用 CSS a:visited)
alink@colors = 点击时链接的颜色(已废弃,请改用 CSS a:active)
scroll@scrolling = 是否显示滚动条:yes 一直显示,no 隐藏,auto 自动(仅 IE)
bgproperties@bgproperties = 背景图像是否固定(仅 IE)
leftmargin = 左边距,单位像素(非标准,请改用 CSS margin)
topmargin = 上边距,单位像素(非标准,请改用 CSS margin)
rightmargin = 右边距,单位像素(非标准,仅 IE)
bottommargin = 下边距,单位像素(非标准,仅 IE)
marginwidth = 左右边距,单位像素(非标准)
marginheight = 上下边距,单位像素(非标准)

[br]
clear@clear = 在浮动的图像或表格之后换行:left 下移到左侧没有浮动物处,right 右侧,all 两侧(已废弃,请改用 CSS clear)

[button]
type@button_type = 按钮种类(默认 submit)
name
value = 作为提交按钮时随表单提交的值
disabled
form
&submitter
popovertarget
popovertargetaction
command@command = 点击时对 commandfor 所指元素执行的命令(HTML5 新增)
commandfor = 接收命令的元素(对话框、弹出层)的 id(HTML5 新增)

[canvas]
width = 画布宽度,单位像素,默认 300
height = 画布高度,单位像素,默认 150

[caption]
align@align_caption = 标题相对表格的位置(已废弃,请改用 CSS caption-side)

[col|colgroup]
span = 本元素所占的列数,默认 1
width = 列宽:像素、百分比,或 0*、2* 等相对宽度(已废弃,请改用 CSS)
&cellalign

[data]
value = 机器可读的值

[del|ins]
cite = 说明修改原因的页面地址
datetime = 修改的日期时间

[details]
open! = 默认展开
name = 同名的一组 details 中同时只展开一个(手风琴效果)

[dialog]
open! = 显示对话框(非模态)
closedby@closedby = 允许用什么方式关闭(HTML5 新增)

[dir|menu]
compact

[div|p|h1|h2|h3|h4|h5|h6]
align@align_block = 水平对齐方式(已废弃,请改用 CSS text-align)

[dl]
compact

[embed]
src = 嵌入文件的地址(必填)
type@embed_type = 文件的 MIME 类型,浏览器据此选择插件
width = 显示宽度,单位像素
height = 显示高度,单位像素
autostart@truefalse = 是否自动开始播放(非标准,插件支持)
loop@truefalse = 是否循环播放(非标准,插件支持)
volume = 音量:0 到 100(非标准)
controls@embed_controls = 播放器控件的样式(非标准,旧插件支持)
pluginspage = 未安装所需插件时提示下载的页面地址(非标准)
wmode@wmode = 插件窗口模式,影响能否被网页元素覆盖(Flash)
quality@quality = 动画的画质(Flash)
flashvars = 传给动画的参数,如 a=1&b=2(Flash)
allowfullscreen@truefalse = 是否允许全屏(Flash)
allowscriptaccess@allowscriptaccess = 插件能否调用页面脚本(Flash)
align
hspace
vspace

[fieldset]
disabled = 禁用组内所有控件
form
name = 分组名称,供脚本访问

[font]
face@font_face = 字体名称,多个字体用逗号分隔,依次选用
size@font_size = 字号:1 到 7,或 +1、-1 等相对于默认大小
color = 文字颜色

[form]
action = 提交的目标地址,即处理表单数据的程序,如 login.asp
method@method = 提交方式,默认 get
enctype@enctype = 提交数据的编码方式,上传文件时必须为 multipart/form-data
target = 显示提交结果的窗口或框架
name = 表单名称,脚本可用 document.forms["名称"] 访问
accept-charset@charset = 提交数据使用的字符编码,多个用空格分隔
autocomplete@onoff = 是否允许浏览器自动填充表单中的控件(HTML5)
novalidate! = 提交时不检查输入(HTML5)
rel@rel_form = 提交目标与当前页面的关系(HTML5)
accept = 服务器接受上传的文件类型(已废弃,请在文件选择框上用 accept)

[frame]
src = 框架中显示的页面地址
name = 框架名称,链接的 target 可指向它
frameborder@frameborder = 是否显示框架边框
scrolling@scrolling = 是否显示滚动条
noresize! = 禁止用户拖动边框改变框架大小
marginwidth = 内容与左右边框的距离,单位像素
marginheight = 内容与上下边框的距离,单位像素
bordercolor@colors = 边框颜色(非标准)
longdesc

[frameset]
rows@frame_rows = 横向划分:各行框架的高度,像素、百分比或 *(余下部分),用逗号分隔
cols@frame_rows = 纵向划分:各列框架的宽度,像素、百分比或 *(余下部分),用逗号分隔
frameborder@frameborder = 是否显示框架边框(非标准)
border = 框架边框的宽度,单位像素(非标准)
framespacing = 框架之间的间距,单位像素(非标准,IE)
bordercolor@colors = 边框颜色(非标准)

[head]
profile = 元信息描述文件的地址(HTML5 已废弃)

[hr]
align@align_lcr = 水平对齐方式(已废弃,请改用 CSS)
width = 长度,像素或百分比,如 80%(已废弃,请改用 CSS)
size = 粗细,单位像素(已废弃,请改用 CSS height)
color = 颜色(非标准,请改用 CSS)
noshade! = 不显示立体阴影,画成实心线(已废弃)

[html]
xmlns@xmlns = XML 命名空间(XHTML 页面必须写)
manifest = 离线缓存清单文件地址(已废弃)
version = 所用 HTML 版本的 DTD(已废弃)

[iframe]
src = 框架中显示的页面地址
srcdoc = 直接写在属性中的页面内容(HTML 代码),优先于 src(HTML5)
name = 框架名称,链接的 target 可指向它
width = 宽度,像素或百分比,默认 300
height = 高度,像素或百分比,默认 150
frameborder@frameborder = 是否显示边框(已废弃,请改用 CSS border)
scrolling@scrolling = 是否显示滚动条(已废弃,请改用 CSS overflow)
marginwidth = 内容与左右边框的距离,单位像素(已废弃)
marginheight = 内容与上下边框的距离,单位像素(已废弃)
align = 对齐方式(已废弃,请改用 CSS)
allow@allow = 允许框架中页面使用的功能,多个用分号分隔(HTML5)
allowfullscreen! = 允许框架中的页面全屏显示(如视频)
allowtransparency@truefalse = 框架背景是否透明(仅旧版 IE)
sandbox@sandbox = 沙箱:不写值时限制一切,多个 allow-… 值用空格分隔逐项放开(HTML5)
loading
referrerpolicy
hspace
vspace
longdesc

[img]
src = 图像文件地址(必填),如 images/logo.gif
alt = 替代文字:图像无法显示时显示,读屏软件朗读;装饰性图片写空值
width = 显示宽度,单位像素;只写宽或高时按比例缩放
height = 显示高度,单位像素
border = 边框宽度,放在链接中时默认有边框,0 去掉(已废弃,请改用 CSS)
align
hspace
vspace
usemap
ismap! = 服务器端图像映射:放在链接中,点击时把坐标附加在地址后
srcset = 不同分辨率或宽度的候选图像,如 logo@2x.png 2x(HTML5)
sizes@img_sizes = 在不同窗口宽度下图像的显示宽度,配合 srcset 的 w 描述使用(HTML5)
loading
decoding@decoding = 图像解码方式(HTML5)
fetchpriority
crossorigin
referrerpolicy
name = 图像名称,供脚本访问(已废弃,请改用 id)
lowsrc = 先显示的低分辨率图像地址(非标准)
longdesc

[input]
type@input_type = 控件种类(默认 text)
name
value = 初始值:文本类为初始文字,复选框、单选框为选中时提交的值,按钮为按钮上的文字
size
maxlength
minlength
placeholder
checked
readonly
disabled
required
autocomplete
pattern
min
max
step
multiple
list
form
src = 图像按钮的图像地址(type=image)
alt = 图像按钮的替代文字(type=image)
width = 图像按钮的宽度(type=image)
height = 图像按钮的高度(type=image)
accept@accept = 文件选择框可选的文件类型(type=file)
capture@capture = 直接拍照或录音时使用的摄像头(type=file,手机)
align
&submitter
popovertarget
popovertargetaction
dirname
usemap = 图像按钮使用的图像映射(已废弃)
switch! = 复选框显示为开关样式(type=checkbox,部分浏览器支持)
alpha! = 颜色框允许选择透明度(type=color,部分浏览器支持)
colorspace@colorspace = 颜色框的颜色空间(type=color,部分浏览器支持)
webkitdirectory! = 文件选择框选择整个文件夹(type=file,非标准)

[input type=text]
&textinput
dirname

[input type=password]
name
value = 初始密码(不建议预填)
size
maxlength
minlength
placeholder
readonly
disabled
required
autocomplete@password_autocomplete = 自动填充的密码种类,off 关闭
pattern
form

[input type=checkbox]
name = 名称:同一组复选框可用相同名称,选中的各项都会提交
value = 选中时提交的值,不写时提交 on
checked
switch! = 显示为开关样式(HTML5 新增,部分浏览器支持)
disabled
required = 必须选中才能提交(HTML5)
form

[input type=radio]
name = 组名:名称相同的单选框为一组,只能选中其中一个
value = 选中时提交的值
checked
disabled
required = 本组必须选中一项才能提交(HTML5)
form

[input type=button]
name
value = 按钮上显示的文字
disabled
form
popovertarget
popovertargetaction

[input type=submit]
name = 名称:有名称时,提交数据中包含此按钮的 value
value = 按钮上显示的文字,默认“提交”
disabled
form
&submitter

[input type=reset]
name = 名称,供脚本访问(重置按钮不随表单提交)
value = 按钮上显示的文字,默认“重置”
disabled
form

[input type=hidden]
name = 提交时的数据名称
value = 提交的值
form
autocomplete@onoff = 填 off 防止浏览器在返回页面时恢复旧值

[input type=image]
src = 按钮图像的地址
alt = 替代文字(必填)
width = 图像宽度,单位像素
height = 图像高度,单位像素
name = 名称:提交时附带 名称.x 和 名称.y 两个坐标
align
disabled
form
&submitter

[input type=file]
name
accept@accept = 可选的文件类型:MIME 类型或扩展名,多个用逗号分隔
multiple = 允许一次选择多个文件
capture@capture = 手机上直接拍照或录音,值为使用的摄像头
required
disabled
form
webkitdirectory! = 选择整个文件夹(非标准,主流浏览器支持)

[input type=email]
&textinput
multiple = 允许输入多个邮箱地址,用逗号分隔

[input type=url|input type=tel|input type=search]
&textinput
dirname

[input type=number]
name
value = 初始数值
min = 最小值
max = 最大值
step = 步长,默认 1;any 可输入任意小数
placeholder
readonly
disabled
required
autocomplete
list
form

[input type=range]
name
value = 初始数值,默认为最小值和最大值的中点
min = 最小值,默认 0
max = 最大值,默认 100
step = 步长,默认 1
list = 刻度列表(datalist)的 id
disabled
form

[input type=date]
&datetime

[input type=time]
&datetime

[input type=datetime-local]
&datetime

[input type=month]
&datetime

[input type=week]
&datetime

[input type=color]
name
value@color_value = 初始颜色,格式为 #RRGGBB(小写),默认黑色
alpha! = 允许选择透明度(HTML5 新增,部分浏览器支持)
colorspace@colorspace = 颜色空间(HTML5 新增,部分浏览器支持)
list = 推荐颜色列表(datalist)的 id
autocomplete
disabled
form

[isindex]
prompt = 输入框前的提示文字
action = 提交检索词的地址(非标准)

[keygen]
name
challenge = 随公钥一起提交的挑战字符串
keytype@keytype = 密钥算法,默认 rsa
disabled
form

[label]
for = 关联控件的 id;不写时关联标记之间的控件
form = 所属表单的 id(已废弃)

[legend]
align@align_caption = 标题在边框上的位置(已废弃,请改用 CSS)

[li]
type@li_type = 列表项的符号或编号类型(已废弃,请改用 CSS list-style-type)
value = 有序列表中本项的编号,其后各项依次递增

[link]
rel@rel_link = 链接资源与本页的关系(必填)
href = 资源地址,如 style.css
type@link_type = 资源的 MIME 类型
media = 适用的媒体或媒体查询,如 print 表示打印时使用
hreflang
sizes@icon_sizes = 图标尺寸(rel=icon 时)
as@link_as = 预加载资源的类型(rel=preload 时必填)
crossorigin
integrity
referrerpolicy
fetchpriority
blocking@blocking = 资源载入前暂停显示页面(HTML5 新增)
imagesrcset = 预加载图像的候选列表,同 img 的 srcset(rel=preload as=image 时)
imagesizes = 预加载图像的显示宽度,同 img 的 sizes
disabled! = 禁用此样式表
color@colors = 固定标签页图标的颜色(rel=mask-icon,Safari)
charset
rev = 反向关系(已废弃)

[map]
name = 图像映射名称,图像用 usemap="#名称" 引用(必填)

[marquee]
behavior@marquee_behavior = 滚动方式
direction@marquee_direction = 滚动方向,默认 left
loop@loop_count = 滚动次数:-1 或 infinite 为无限循环,也可填数字
scrollamount = 每次移动的距离,单位像素,越大越快,默认 6
scrolldelay = 每次移动的间隔,单位毫秒,越大越慢,默认 85
truespeed! = 严格按 scrolldelay 计时,允许小于 60 毫秒
width = 滚动区域的宽度,像素或百分比
height = 滚动区域的高度,像素或百分比
bgcolor = 滚动区域的背景颜色
hspace = 滚动区域左右的空白,单位像素
vspace = 滚动区域上下的空白,单位像素

[math]
display@math_display = 显示方式
xmlns@xmlns = MathML 命名空间,直接写在 HTML 中可省略

[meta]
name@meta_name = 元信息名称,与 content 配合使用
content@meta_content = 元信息的内容,随 name 或 http-equiv 而定
http-equiv@http_equiv = 相当于 HTTP 响应头的元信息,与 content 配合使用
property@og_property = 分享到社交网站时使用的页面信息(Open Graph 协议),与 content 配合使用
charset@charset = 页面的字符编码,写在 head 的最前面,如 <meta charset="utf-8">(HTML5)
media = 适用的媒体条件(name=theme-color 时)
scheme = content 的格式说明(已废弃)

[meter]
value = 当前值(必填)
min = 范围最小值,默认 0
max = 范围最大值,默认 1
low = 低值区的上限
high = 高值区的下限
optimum = 最佳值,决定量表显示的颜色
form = 所属表单的 id(已废弃)

[object]
data = 嵌入资源的地址
type = 资源的 MIME 类型
name = 对象名称,也可作为框架名称供 target 使用
width = 宽度,单位像素
height = 高度,单位像素
form
usemap
classid = 控件的类标识,如 clsid:…(ActiveX,已废弃)
codebase = 控件代码的下载地址(已废弃)
codetype = 控件代码的 MIME 类型(已废弃)
archive = 预先下载的资源列表(已废弃)
declare! = 只声明不创建对象(已废弃)
standby = 载入时显示的文字(已废弃)
align
border
hspace
vspace

[ol]
type@ol_type = 编号类型(HTML5 可用,也可用 CSS list-style-type)
start = 起始编号,如 5
reversed! = 倒序编号(HTML5)
compact

[optgroup]
label = 组名(必填)
disabled = 禁用整组选项

[option]
value = 选中时提交的值,不写时提交选项文字
selected! = 默认选中
disabled = 禁用此选项
label = 代替选项文字显示的简短标签

[output]
for = 参与计算的控件的 id,用空格分隔
form
name

[param]
name = 参数名
value = 参数值
valuetype@valuetype = 值的类型(已废弃)
type = valuetype 为 ref 时所指资源的 MIME 类型(已废弃)

[pre]
width = 每行的最大字符数(已废弃)
wrap! = 自动换行(非标准)

[progress]
value = 已完成的量,不写时表示进行中
max = 总量,默认 1

[script]
src = 外部脚本文件地址,如 main.js
type@script_type = 脚本类型,默认 JavaScript
async! = 异步:下载不阻塞页面,下载完立即执行(只对外部脚本有效)
defer! = 延迟:页面解析完毕后再按顺序执行(只对外部脚本有效)
crossorigin
integrity
nomodule! = 只在不支持模块的旧浏览器中执行
referrerpolicy
fetchpriority
blocking@blocking = 脚本载入前暂停显示页面(HTML5 新增)
charset = 外部脚本的字符编码(已废弃)
language@script_language = 脚本语言(已废弃,请改用 type)
for = 响应事件的元素 id(仅 IE,已废弃)
event = 响应的事件名(仅 IE,已废弃)

[select]
name
size = 显示的行数:1 为下拉列表,大于 1 为列表框
multiple = 允许按住 Ctrl 或 Shift 选择多项
disabled
required = 必须选择一项(value 非空)才能提交(HTML5)
autocomplete
form

[slot]
name = 插槽名称,外部元素用 slot="名称" 放入

[source]
src = 媒体文件地址(在 audio、video 中)
type@mime = 文件的 MIME 类型,浏览器不支持时跳过此项
srcset = 候选图像列表(在 picture 中)
sizes@img_sizes = 图像显示宽度(在 picture 中)
media = 使用此资源的媒体条件,如 (min-width: 800px)
width = 图像宽度(在 picture 中)
height = 图像高度(在 picture 中)

[style]
type@style_type = 样式语言,默认 text/css(HTML5 可省略)
media = 适用的媒体或媒体查询
blocking@blocking = 样式表载入前暂停显示页面(HTML5 新增)
scoped! = 只作用于父元素内部(已废弃)

[svg]
width = 显示宽度
height = 显示高度
viewBox = 用户坐标系的范围:最小x 最小y 宽 高,如 0 0 100 100
preserveAspectRatio@preserveaspectratio = 图形与显示区域比例不同时如何缩放
xmlns@xmlns = SVG 命名空间,直接写在 HTML 中可省略
fill@colors = 默认填充颜色
stroke@colors = 默认描边颜色
version = SVG 版本(已废弃)

[table]
border = 表格边框宽度,单位像素,0 为无边框
width = 表格宽度,像素或百分比(已废弃,请改用 CSS)
height = 表格高度(非标准)
cellpadding = 单元格内容与边框的距离,单位像素(已废弃,请改用 CSS padding)
cellspacing = 单元格之间的距离,单位像素(已废弃,请改用 CSS border-spacing)
align@align_lcr = 表格在页面中的位置(已废弃,请改用 CSS margin)
bgcolor
background
bordercolor@colors = 边框颜色(非标准)
bordercolorlight@colors = 立体边框的亮边颜色(仅 IE)
bordercolordark@colors = 立体边框的暗边颜色(仅 IE)
frame@table_frame = 显示哪些外边框(已废弃,请改用 CSS)
rules@table_rules = 显示哪些内部分隔线(已废弃,请改用 CSS)
summary = 表格内容摘要,供读屏软件使用(已废弃,请改用 caption)

[tbody|thead|tfoot]
&cellalign
bgcolor

[td|th]
colspan = 向右合并的列数
rowspan = 向下合并的行数
headers = 相关表头单元格的 id,用空格分隔
width = 宽度(已废弃,请改用 CSS)
height = 高度(已废弃,请改用 CSS)
&cellalign
bgcolor
background
nowrap! = 内容不自动换行(已废弃,请改用 CSS white-space)
bordercolor@colors = 单元格边框颜色(仅 IE)
abbr = 单元格内容的简称
axis = 单元格所属的分类(已废弃)
scope@scope = 作为表头时所关联的范围

[template]
shadowrootmode@shadowrootmode = 声明式影子根:浏览器直接把模板内容附加为父元素的影子树
shadowrootdelegatesfocus! = 影子根把焦点交给其中第一个可获得焦点的元素
shadowrootclonable! = 克隆宿主元素时一并克隆影子根
shadowrootserializable! = 序列化时包含影子根

[textarea]
name
rows = 可见行数
cols = 可见列数(每行字符数)
wrap@wrap = 换行方式
maxlength
minlength
placeholder
readonly
disabled
required
autocomplete
dirname
form

[time]
datetime = 机器可读的日期时间,标记之间的文字格式不规范时必填

[tr]
align@align_cell = 本行单元格的水平对齐方式(已废弃)
valign
char
charoff
bgcolor
height = 行高(非标准)

[track]
kind@track_kind = 轨道类型
src = 字幕文件地址(WebVTT 格式,.vtt)(必填)
srclang@lang = 字幕语言(kind=subtitles 时必填)
label = 显示给用户选择的轨道名称,如 中文字幕
default! = 默认启用此轨道

[ul]
type@ul_type = 列表项符号(已废弃,请改用 CSS list-style-type)
compact

[video]
src = 视频文件地址,如 movie.mp4
poster = 播放前显示的封面图像地址
width = 显示宽度,单位像素
height = 显示高度,单位像素
controls! = 显示播放控件
autoplay! = 自动播放(多数浏览器要求同时 muted)
loop! = 循环播放
muted! = 静音
playsinline! = 在手机上不全屏、在页面内播放
preload@preload = 预先下载方式
controlslist@controlslist = 隐藏部分控件按钮,多个值用空格分隔(Chrome)
crossorigin
disablepictureinpicture! = 禁止画中画
disableremoteplayback! = 禁止投屏播放
"""
