# Value lists of the attributes (property2).
#
# The editor describes a value by the first property2 entry with the same text, whatever list it belongs to, so a
# value that occurs in more than one list takes its description from SHARED (a line with the bare value), and the
# generator refuses two different descriptions for one value.
#
# "@name" starts a list; "value = description" or a bare "value" (description from SHARED, or from the one list
# that describes it) adds to it.

SHARED = """
all = 全部(随属性而定:两侧都清除浮动、所有单元格之间画线、适用于所有媒体)
author = 作者(rel 中为作者信息页,meta 中为页面作者)
alternate = rel 中表示替代版本(其他语言、打印版、RSS 订阅);marquee 中表示来回滚动,到达一端后折返
next = 系列中的下一页
image = 图像(type 中为以图像作提交按钮;link 的 as 中为预加载图像)
text/plain = 纯文本(作为表单编码方式时只用于调试)
any = 任意(图标为任意尺寸的矢量图;步长为任意精度;对话框可用任何方式关闭)
-1 = -1(loop 中为无限循环;字号中为比默认小一号)
left = 左:左对齐、靠左或向左(随属性而定)
right = 右:右对齐、靠右或向右(随属性而定)
center = 居中
top = 上:顶端对齐或位于上方
bottom = 下:底端对齐或位于下方
middle = 中:垂直居中对齐
baseline = 基线对齐:与文字基线对齐
justify = 两端对齐
none = 无(随属性而定:不画线、不清除浮动、不预加载、不保持比例等)
auto = 自动:由浏览器决定
yes = 是:允许或显示
no = 否:禁止或不显示
true = 是(真)
false = 否(假)
on = 开启
off = 关闭(如关闭自动填充);在多行文本框的 wrap 中表示不自动换行,出现水平滚动条
0 = 0:无边框或不显示
1 = 1:列表编号用阿拉伯数字 1、2、3;边框类属性表示显示边框;字号为 1 号(最小)
a = 小写字母编号 a、b、c
A = 大写字母编号 A、B、C
i = 小写罗马数字编号 i、ii、iii
I = 大写罗马数字编号 I、II、III
disc = 实心圆点 ●
square = 实心方块 ■
circle = 圆:列表符号为空心圆 ○;热点区域为圆形(coords 为 圆心x,圆心y,半径)
submit = 提交按钮:点击时提交所在的表单
reset = 重置按钮:把表单控件恢复为初始值
button = 普通按钮:本身无动作,由脚本(onclick)决定
text = 文本:普通文字输入
email = 电子邮件地址
url = 网址
tel = 电话号码
search = 搜索:用于搜索的输入、页面或链接
high = 高
low = 低
metadata = 元数据:只预先下载时长、尺寸等信息;字幕轨道中表示供脚本使用的数据
text/css = CSS 样式表
text/javascript = JavaScript 脚本
help = 帮助文档
license = 版权许可说明
prev = 系列中的上一页
image/png = PNG 图像
image/svg+xml = SVG 矢量图
application/pdf = PDF 文档
application/rss+xml = RSS 订阅
audio/mpeg = MP3 音频
video/mp4 = MP4 视频
video/webm = WebM 视频
audio/ogg = Ogg 音频
audio/wav = WAV 音频
utf-8 = UTF-8 编码,可表示所有语言文字,推荐使用
gb2312 = GB2312 简体中文编码
gbk = GBK 简体中文编码(GB2312 的扩展)
gb18030 = GB18030 中文编码(国家标准,兼容 GBK)
big5 = Big5 繁体中文编码
zh-CN = 简体中文(中国大陆)
zh-TW = 繁体中文(台湾地区)
en = 英语
screen = 屏幕显示
print = 打印及打印预览
"""

LISTS = """
@target
_blank = 在新窗口(新标签页)中打开
_self = 在当前窗口或框架中打开(默认)
_parent = 在上一级框架(父框架)中打开
_top = 在整个浏览器窗口中打开,跳出所有框架

@rel_a
nofollow = 不为目标页面背书,搜索引擎不跟踪此链接
noopener = 新窗口中的页面无法通过 window.opener 访问本页(更安全)
noreferrer = 不发送来源页地址,并隐含 noopener
external = 指向本站以外的链接
alternate
author
help
license
next
prev
bookmark = 本区块内容的永久链接
tag = 指向描述当前页面的标签页
search
privacy-policy = 隐私政策页
terms-of-service = 服务条款页

@rel_link
stylesheet = 外部 CSS 样式表
icon = 网站图标(浏览器标签页上的小图标)
shortcut icon = 网站图标(旧写法,为兼容旧版 IE)
apple-touch-icon = 添加到手机主屏幕时的图标
canonical = 此页面内容的首选(规范)地址,避免搜索引擎重复收录
alternate
preload = 预先加载当前页面马上要用的资源,需配合 as 属性
prefetch = 空闲时预先下载下一页可能用到的资源
preconnect = 预先与指定服务器建立连接
dns-prefetch = 预先解析指定服务器的域名
modulepreload = 预先加载 JavaScript 模块
manifest = Web 应用清单文件(PWA)
author
license
next
prev
search
help

@referrerpolicy
no-referrer = 不发送来源地址
no-referrer-when-downgrade = 从 HTTPS 到 HTTP 时不发送,其余发送完整地址
origin = 只发送来源的协议和域名
origin-when-cross-origin = 同源发送完整地址,跨域只发送协议和域名
same-origin = 只在同源请求中发送
strict-origin = 只发送协议和域名,从 HTTPS 到 HTTP 时不发送
strict-origin-when-cross-origin = 同源发送完整地址,跨域只发送域名,降级时不发送(浏览器默认)
unsafe-url = 总是发送完整地址(不安全)

@crossorigin
anonymous = 跨域请求不带 Cookie 等凭据
use-credentials = 跨域请求携带 Cookie 等凭据

@loading
lazy = 延迟加载:滚动到附近时才加载
eager = 立即加载(默认)

@decoding
sync = 同步解码,与其他内容一起显示
async = 异步解码,不阻塞其他内容显示
auto

@fetchpriority
high
low
auto

@shape
rect = 矩形,coords 为 左,上,右,下
circle
poly = 多边形,coords 为依次各顶点的 x,y
default = 整个图像(其余区域)

@align_block
left
center
right
justify

@align_lcr
left
center
right

@align_img
top
middle
bottom
left
right
baseline
absmiddle = 图像中线与文字中线对齐(非标准)
absbottom = 图像底部与文字最低处对齐(非标准)
texttop = 图像顶端与文字最高处对齐(非标准)

@align_cell
left
center
right
justify
char = 按 char 属性指定的字符对齐

@valign
top
middle
bottom
baseline

@align_caption
top
bottom
left
right

@clear
left
right
all
none

@table_frame
void = 不显示外边框
above = 只显示上边框
below = 只显示下边框
hsides = 显示上下边框
vsides = 显示左右边框
lhs = 只显示左边框
rhs = 只显示右边框
box = 显示四周边框
border = 显示四周边框

@table_rules
none
groups = 只在行组、列组之间画线
rows = 只在行之间画线
cols = 只在列之间画线
all

@scope
row = 本表头单元格是其所在行的标题
col = 本表头单元格是其所在列的标题
rowgroup = 本表头单元格是所在行组的标题
colgroup = 本表头单元格是所在列组的标题


@method
get = 数据附加在地址后面提交,适合查询,数据量小,会显示在地址栏中
post = 数据放在请求正文中提交,适合登录、上传和大量数据
dialog = 关闭所在的对话框(dialog),不提交

@enctype
application/x-www-form-urlencoded = 普通编码(默认)
multipart/form-data = 分段编码,上传文件时必须使用
text/plain

@onoff
on
off

@autocomplete
on
off
name = 姓名
given-name = 名
family-name = 姓
nickname = 昵称
username = 用户名
new-password = 新密码(注册、修改密码时)
current-password = 当前密码(登录时)
one-time-code = 一次性验证码(如短信验证码)
email
tel
organization = 单位名称
street-address = 街道地址
address-level1 = 省、自治区、直辖市
address-level2 = 城市
country-name = 国家或地区名称
postal-code = 邮政编码
bday = 生日
sex = 性别
url
cc-number = 银行卡号
cc-name = 持卡人姓名
cc-exp = 卡有效期

@input_type
text
password = 密码框:输入的字符显示为圆点
checkbox = 复选框
radio = 单选框
submit
reset
button
hidden = 隐藏域:不显示,随表单提交
image
file = 文件选择框,用于上传文件
email
url
tel
search
number = 数字框,可用上下箭头增减
range = 滑块,选择一定范围内的数值
date = 日期选择框
time = 时间选择框
datetime-local = 日期和时间选择框(本地时间)
month = 年月选择框
week = 年和周选择框
color = 颜色选择框

@button_type
submit
reset
button

@ol_type
1
a
A
i
I

@ul_type
disc
circle
square

@li_type
disc
circle
square
1
a
A
i
I

@wrap
soft = 软换行:显示时自动换行,提交时不加换行符(默认)
hard = 硬换行:提交时在自动换行处加入换行符,需同时指定 cols
off

@scrolling
yes
no
auto

@frameborder
1
0

@sandbox
allow-scripts = 允许运行脚本
allow-same-origin = 视为与原页面同源(可访问 Cookie、存储)
allow-forms = 允许提交表单
allow-popups = 允许打开新窗口
allow-popups-to-escape-sandbox = 打开的新窗口不受沙箱限制
allow-modals = 允许 alert、confirm 等对话框
allow-top-navigation = 允许跳转整个浏览器窗口
allow-top-navigation-by-user-activation = 只在用户点击时允许跳转整个窗口
allow-downloads = 允许下载文件
allow-presentation = 允许演示(投屏)
allow-pointer-lock = 允许锁定鼠标指针

@allow
fullscreen = 允许全屏
autoplay = 允许自动播放
camera = 允许使用摄像头
microphone = 允许使用麦克风
geolocation = 允许获取地理位置
clipboard-write = 允许写入剪贴板
encrypted-media = 允许播放加密媒体
picture-in-picture = 允许画中画
payment = 允许调用支付接口
accelerometer = 允许读取加速度传感器
gyroscope = 允许读取陀螺仪

@preload
none
metadata
auto

@controlslist
nodownload = 隐藏下载按钮
nofullscreen = 隐藏全屏按钮
noremoteplayback = 隐藏投屏按钮

@track_kind
subtitles = 字幕:对白的翻译(默认)
captions = 听障字幕:对白及音效说明
descriptions = 画面的文字描述,供视障者收听
chapters = 章节标题,用于导航
metadata

@script_type
text/javascript
module = JavaScript 模块,可使用 import/export,自动延迟执行
importmap = 模块导入映射表(JSON)
application/ld+json = 结构化数据(JSON-LD),供搜索引擎读取
text/template = 模板文本,浏览器不执行,供脚本读取

@script_language
javascript = JavaScript 脚本语言
jscript = 微软 JScript 脚本语言(旧版 IE)
vbscript = VBScript(仅旧版 IE)

@style_type
text/css

@link_type
text/css
image/x-icon = ICO 图标
image/png
image/svg+xml
application/rss+xml
application/atom+xml = Atom 订阅
application/manifest+json = Web 应用清单

@link_as
script = 脚本
style = 样式表
font = 字体文件(需同时加 crossorigin)
image
fetch = fetch/XHR 请求的数据(需 crossorigin)
document = 框架中的页面
audio = 音频
video = 视频
track = 字幕文件
worker = Web Worker 脚本

@media
all
screen
print
(max-width: 600px) = 窗口宽度不超过 600 像素(手机)
(min-width: 1024px) = 窗口宽度至少 1024 像素(电脑)
(orientation: portrait) = 竖屏
(prefers-color-scheme: dark) = 系统使用深色模式时

@icon_sizes
16x16 = 16×16 像素
32x32 = 32×32 像素
180x180 = 180×180 像素(苹果主屏幕图标)
192x192 = 192×192 像素(安卓主屏幕图标)
any

@charset
utf-8
gb2312
gbk
gb18030
big5
iso-8859-1 = 西欧语言编码(Latin-1)

@meta_name
viewport = 移动设备的视口设置,如 width=device-width, initial-scale=1
description = 页面摘要,显示在搜索结果中
keywords = 页面关键字,用逗号分隔
author
generator = 生成页面的软件
robots = 搜索引擎抓取规则,如 index,follow
referrer = 整个页面的来源地址发送策略
theme-color = 浏览器界面(地址栏等)的主题颜色
color-scheme = 页面支持的配色方案,如 light dark
application-name = Web 应用名称
format-detection = 手机上是否自动识别电话号码等,如 telephone=no
renderer = 双核浏览器使用的内核,如 webkit(国内浏览器)
copyright = 版权信息

@http_equiv
content-type = 内容类型和字符编码,如 text/html; charset=gb2312
refresh = 定时刷新或跳转,如 5;url=index.html
default-style = 首选样式表的标题
content-language = 页面语言(旧写法)
content-security-policy = 内容安全策略,限制可加载的资源来源
x-ua-compatible = IE 渲染模式,如 IE=edge
expires = 页面过期时间(旧写法)
pragma = 缓存控制,如 no-cache(旧写法)
cache-control = 缓存控制,如 no-cache(旧写法)
page-enter = 进入页面时的过渡效果(仅旧版 IE)
page-exit = 离开页面时的过渡效果(仅旧版 IE)
window-target = 指定页面在哪个窗口中显示(旧写法)

@meta_content
text/html; charset=gb2312 = 网页,GB2312 编码(配合 http-equiv=content-type)
text/html; charset=utf-8 = 网页,UTF-8 编码(配合 http-equiv=content-type)
width=device-width, initial-scale=1 = 视口宽度等于设备宽度、不缩放(配合 name=viewport)
index,follow = 允许收录本页并跟踪链接(配合 name=robots)
noindex,nofollow = 不收录本页、不跟踪链接(配合 name=robots)
IE=edge = IE 使用最新的渲染模式(配合 http-equiv=x-ua-compatible)
webkit = 双核浏览器使用 webkit 内核(配合 name=renderer)
no-cache = 不使用缓存
5;url=index.html = 5 秒后跳转到 index.html(配合 http-equiv=refresh)
telephone=no = 不自动识别电话号码(配合 name=format-detection)

@marquee_behavior
scroll = 循环滚动:移出一端后从另一端重新进入(默认)
slide = 滑入:移到另一端后停止
alternate

@marquee_direction
left
right
up = 向上滚动
down = 向下滚动

@loop_count
-1
infinite = 无限循环(旧写法)

@truefalse
true
false

@embed_type
audio/mpeg
audio/wav
audio/midi = MIDI 音乐
video/mp4
video/webm
application/pdf
application/x-shockwave-flash = Flash 动画(已停止支持)
image/svg+xml

@mime
text/html = HTML 网页
text/plain
image/jpeg = JPEG 图像
image/png
image/gif = GIF 图像
image/webp = WebP 图像
image/avif = AVIF 图像
image/svg+xml
audio/mpeg
audio/ogg
audio/wav
video/mp4
video/webm
video/ogg = Ogg 视频
application/pdf
application/zip = ZIP 压缩包

@wmode
window = 插件在独立窗口中显示,总在最上层(默认)
opaque = 不透明,可被页面其他元素覆盖
transparent = 背景透明,可看到下面的网页内容

@quality
high
medium = 中等
low
best = 最佳
autohigh = 先用高质量,速度不够时自动降低
autolow = 先用低质量,速度允许时自动提高

@allowscriptaccess
always = 总是允许插件调用页面脚本
samedomain = 只在同一域名下允许(默认)
never = 禁止插件调用页面脚本

@capture
user = 前置摄像头或麦克风
environment = 后置摄像头

@accept
image/* = 所有图像文件
audio/* = 所有音频文件
video/* = 所有视频文件
.jpg,.jpeg,.png,.gif = 常见图片格式
.pdf = PDF 文档
.doc,.docx = Word 文档
.xls,.xlsx = Excel 表格
.txt = 文本文件
.zip,.rar = 压缩文件



@step
any
0.01 = 两位小数(如金额)
60 = 60 秒,即时间框按分钟调整

@pattern
[0-9]* = 只允许数字
[0-9]{6} = 6 位数字(邮政编码、验证码)
1[3-9][0-9]{9} = 中国大陆手机号码
[A-Za-z0-9_]{4,16} = 4 到 16 位字母、数字或下划线(用户名)
[A-Za-z]+ = 只允许英文字母
[\\u4e00-\\u9fa5]+ = 只允许汉字

@popovertargetaction
toggle = 切换:显示或隐藏(默认)
show = 显示弹出层
hide = 隐藏弹出层

@command
show-modal = 以模态方式打开对话框
close = 关闭对话框
request-close = 请求关闭对话框(可被 oncancel 取消)
show-popover = 显示弹出层
hide-popover = 隐藏弹出层
toggle-popover = 切换弹出层

@shadowrootmode
open = 开放:外部脚本可以通过 shadowRoot 访问影子根
closed = 封闭:外部脚本不能访问影子根

@closedby
any
closerequest = 按 Esc 或脚本可关闭
none

@valuetype
data = 普通数据(默认)
ref = 值是一个地址
object = 值是本页中另一个 object 的 id

@colors
black = 黑色 #000000
white = 白色 #FFFFFF
silver = 银色 #C0C0C0
gray = 灰色 #808080
red = 红色 #FF0000
maroon = 栗色 #800000
yellow = 黄色 #FFFF00
olive = 橄榄色 #808000
lime = 酸橙色(亮绿) #00FF00
green = 绿色 #008000
aqua = 水绿色(青) #00FFFF
teal = 水鸭色 #008080
blue = 蓝色 #0000FF
navy = 海军蓝 #000080
fuchsia = 紫红色(品红) #FF00FF
purple = 紫色 #800080
orange = 橙色 #FFA500

@font_face
宋体 = 宋体,中文正文常用字体
黑体 = 黑体,适合标题
楷体 = 楷体
仿宋 = 仿宋
微软雅黑 = 微软雅黑,屏幕显示清晰
Arial = Arial 无衬线英文字体
Times New Roman = Times New Roman 衬线英文字体
Verdana = Verdana 无衬线英文字体,屏幕上易读
Courier New = Courier New 等宽字体

@font_size
1
2 = 2 号字
3 = 3 号字(默认大小)
4 = 4 号字
5 = 5 号字
6 = 6 号字
7 = 7 号字(最大)
+1 = 比默认大一号
+2 = 比默认大两号
-1

@bgproperties
fixed = 背景图像固定不动,不随内容滚动(仅 IE)

@lang
zh-CN
zh-Hans = 简体中文
zh-TW
zh-Hant = 繁体中文
en
en-US = 美国英语
ja = 日语
ko = 韩语
fr = 法语
de = 德语

@datetime
2024-05-01 = 日期:年-月-日
2024-05-01T08:30 = 日期和时间,T 分隔
2024-05-01T08:30+08:00 = 带时区(北京时间)的日期和时间
08:30 = 时间:时:分
2024-05 = 年月
2024-W18 = 年和第几周
PT2H30M = 时长:2 小时 30 分

@frame_rows
*,* = 平分为两个框架
20%,* = 第一个占 20%,其余给第二个
150,* = 第一个 150 像素,其余给第二个
*,*,* = 平分为三个框架

@img_sizes
100vw = 图像宽度等于窗口宽度
(max-width: 600px) 100vw, 50vw = 窄屏时占满宽度,否则占一半

@xmlns
http://www.w3.org/1999/xhtml = XHTML 命名空间
http://www.w3.org/2000/svg = SVG 命名空间
http://www.w3.org/1998/Math/MathML = MathML 命名空间

@preserveaspectratio
xMidYMid meet = 保持比例,完整显示并居中(默认)
xMidYMid slice = 保持比例,填满区域并居中,超出部分裁掉
none

@math_display
block = 独立成行显示公式
inline = 在文字行内显示公式(默认)

@blocking
render = 资源载入完成之前暂不显示页面,避免闪烁

@href
# = 空链接:指向页面顶部,常与 onclick 脚本一起使用
#top = 回到页面顶部
javascript:void(0) = 不跳转,只执行 onclick 中的脚本
mailto:someone@example.com = 打开邮件程序给此地址写信,可加 ?subject=主题
tel:10086 = 在手机上拨打此号码
index.html = 同一文件夹中的页面(相对地址)
http:// = 其他网站的完整地址

@password_autocomplete
current-password = 当前密码(登录时)
new-password = 新密码(注册、修改密码时)
off

@rel_form
noopener
noreferrer
opener = 新窗口中的页面可以通过 window.opener 访问本页
nofollow
external
help
license
next
prev
search

@color_value
#000000 = 黑色
#ffffff = 白色
#ff0000 = 红色
#00ff00 = 绿色
#0000ff = 蓝色
#ffff00 = 黄色
#ff8000 = 橙色
#808080 = 灰色

@embed_controls
console = 完整的控制面板(非标准)
smallconsole = 简化的控制面板(非标准)
playbutton = 只显示播放按钮(非标准)
pausebutton = 只显示暂停按钮(非标准)
stopbutton = 只显示停止按钮(非标准)
volumelever = 只显示音量滑块(非标准)

@og_property
og:title = 分享时显示的标题
og:description = 分享时显示的摘要
og:image = 分享时显示的图片地址
og:url = 页面的规范地址
og:type = 内容类型,如 website、article
og:site_name = 网站名称
og:locale = 内容的语言区域,如 zh_CN

@colorspace
limited-srgb = 标准 sRGB 颜色空间(默认)
display-p3 = 更宽色域的 Display P3 颜色空间

@keytype
rsa = RSA 算法(默认)
ec = 椭圆曲线算法
"""
