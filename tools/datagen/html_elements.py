# Elements of the tag database (html1), in the order the tag list shows them.
#
# Line format: start without "<" | V (void: no content, no closing tag) or C (closing tag) | lx | qz | title | description
# lx: element kind, see html_events.py. qz: 0 = offered by "插入其他元素", 1 = not offered (the menus build it, it
# belongs in the page head, it needs attributes to do anything, or it is obsolete).
# The link element must stay the second entry: the style sheet dialog relies on it.

ELEMENTS = """
!doctype html|V|0|1|文档类型声明|写在页面第一行,让浏览器按标准模式解析页面。HTML5 写作 <!DOCTYPE html>;HTML 4.01 过渡型写作 <!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN" "http://www.w3.org/TR/html4/loose.dtd">
a|C|0|1|超链接|超链接:href 指定目标地址,点击标记之间的文字或图片即跳转;只有 name 或 id 而无 href 时作为页面内的锚点
abbr|C|0|0|缩写|缩写词,如 <abbr title="万维网联盟">W3C</abbr>,用 title 写出全称,鼠标悬停时显示
acronym|C|0|1|首字母缩写|首字母缩写词,用 title 写出全称(HTML5 已废弃,请改用 abbr)
address|C|0|0|联系信息|页面或文章作者的联系信息(地址、邮箱、电话等),通常显示为斜体
applet|C|4|1|Java小程序|嵌入 Java 小程序(HTML5 已废弃,现代浏览器已不支持,请改用 object 或脚本)
area|V|0|1|热点区域|图像映射中的一块可点击区域,写在 map 中,用 shape 和 coords 划定范围,href 指定链接;空元素
article|C|0|0|文章|独立完整、可单独分发的内容,如一篇博文、新闻、论坛帖子或评论(HTML5)
aside|C|0|0|侧栏|与主要内容关系不大的附属内容,如侧边栏、相关链接、广告(HTML5)
audio|C|6|1|音频|播放声音或音乐(HTML5):src 或内部的 source 指定文件,controls 显示播放控件;标记之间的内容在浏览器不支持时显示
b|C|0|0|粗体|粗体文字,用于需要醒目但不表示更重要的文字,如关键词、产品名称
base|V|0|1|基准地址|写在 head 中,为页面中所有相对地址指定基准地址和默认打开窗口,每页最多一个;空元素
basefont|V|0|1|基准字体|设置整个页面默认的字体、字号和颜色(HTML 4.01 已不推荐,HTML5 已废弃,请改用 CSS);空元素
bdi|C|0|0|双向隔离|隔离书写方向未知的文字(如用户名),使其不影响周围文字的排列方向(HTML5)
bdo|C|0|0|文字方向|强制改变其中文字的书写方向,必须指定 dir:ltr 从左到右,rtl 从右到左
bgsound|V|0|1|背景音乐|页面打开时播放的背景音乐(IE 专有,已废弃,其他浏览器请用 audio);空元素
big|C|0|1|大号字|把文字放大一号显示(HTML5 已废弃,请改用 CSS font-size)
blockquote|C|0|0|引用块|大段引用的文字,浏览器通常整体缩进显示;cite 可给出出处地址
body|C|5|1|主体|页面主体,包含所有可见内容,每页一个;可设置背景、文字颜色以及页面载入、卸载等事件
br|V|0|1|换行|强制换行;空元素
button|C|1|0|按钮|按钮,标记之间的文字或图片显示在按钮上;type=submit 提交表单,reset 重置表单,button 由脚本决定动作
canvas|C|0|0|画布|位图画布,用脚本(getContext("2d"))绘制图形、图表和动画;标记之间的内容在浏览器不支持时显示(HTML5)
caption|C|0|0|表格标题|表格的标题,必须紧跟在 table 开始标记之后,默认显示在表格上方居中
center|C|0|1|居中|使其中的内容水平居中(HTML5 已废弃,请改用 CSS text-align:center)
cite|C|0|0|作品标题|作品(书籍、文章、歌曲、电影等)的标题,通常显示为斜体
code|C|0|0|代码|一段计算机代码,以等宽字体显示;多行代码可放在 pre 中
col|V|0|1|表格列|为表格的一列或连续几列统一设置宽度、样式,写在 colgroup 或 table 中;空元素
colgroup|C|0|1|列组|表格中的一组列,可包含 col,用于统一设置列的宽度和样式,写在 caption 之后、各行之前
data|C|0|0|机器可读数据|为内容附加机器可读的值(value),如商品编号(HTML5)
datalist|C|0|1|输入建议列表|为文本框提供候选值,内含多个 option;文本框用 list 属性引用它的 id(HTML5)
dd|C|0|0|定义描述|定义列表(dl)中对术语的解释或描述,通常缩进显示
del|C|0|0|删除文本|标出文档中被删除的文字,通常带删除线;cite、datetime 说明删除的原因和时间
details|C|0|0|折叠详情|可展开和收起的详情区域,第一个子元素 summary 是可点击的标题,open 表示默认展开(HTML5)
dfn|C|0|0|术语定义|标出正在被定义的术语,通常显示为斜体
dialog|C|8|0|对话框|对话框或弹出窗口,带 open 时显示;脚本调用 showModal() 以模态方式打开,close() 关闭(HTML5)
dir|C|0|1|目录列表|目录列表,内含 li(HTML5 已废弃,请改用 ul)
div|C|0|1|块元素|通用的块级容器,本身没有含义,配合 id、class 和 CSS 用于页面布局和内容分组
dl|C|0|1|定义列表|定义列表,由术语 dt 和描述 dd 组成,适合名词解释、问答、键值对
dt|C|0|0|定义术语|定义列表(dl)中的术语或名称
em|C|0|0|强调|需要强调语气的文字,通常显示为斜体
embed|V|4|1|媒体播放|嵌入外部内容,如插件播放的音频、视频、动画或 PDF 文档,src 指定文件;空元素
fieldset|C|0|0|表单分组|把表单中相关的控件分为一组并加边框,第一个子元素 legend 是组标题
figcaption|C|0|0|插图说明|插图(figure)的标题或说明文字,写在 figure 中的第一个或最后一个位置(HTML5)
figure|C|0|0|插图|独立的插图、图表、照片或代码清单,可用 figcaption 加说明(HTML5)
font|C|0|1|字体|设置文字的字体、字号和颜色(HTML 4.01 已不推荐,HTML5 已废弃,请改用 CSS)
footer|C|0|0|页脚|页面或区块的页脚,通常包含作者、版权、联系方式和相关链接(HTML5)
form|C|2|1|表单|表单,包含各种输入控件,提交时把控件的名称和值发送到 action 指定的地址
frame|V|4|1|框架窗口|框架集(frameset)中的一个窗口,src 指定其中显示的页面(HTML5 已废弃);空元素
frameset|C|5|1|框架集|把浏览器窗口划分为多个框架,用来代替 body;rows 或 cols 指定划分方式(HTML5 已废弃)
h1|C|0|0|一级标题|一级标题,最重要、字号最大的标题,每页通常只有一个
h2|C|0|0|二级标题|二级标题,用于各大节的标题
h3|C|0|0|三级标题|三级标题,用于小节的标题
h4|C|0|0|四级标题|四级标题
h5|C|0|0|五级标题|五级标题
h6|C|0|0|六级标题|六级标题,级别最低、字号最小的标题
head|C|0|1|文档头|文档头部,包含页面标题(title)、元信息(meta)、样式表和脚本的链接等不直接显示的内容
header|C|0|0|页眉|页面或区块的页眉,通常包含标题、标志、搜索框和导航(HTML5)
hgroup|C|0|0|标题组|一个标题(h1–h6)及其副标题等附属段落组成的标题组(HTML5)
hr|V|0|1|水平线|水平分隔线,表示内容主题的转换;空元素
html|C|0|1|文档根元素|页面的根元素,包含 head 和 body;lang 属性声明页面的语言,如 zh-CN
i|C|0|0|斜体|斜体文字,表示不同语气或性质的文字,如术语、外文、心理活动
iframe|C|4|1|浮动窗口|内嵌框架,在页面中嵌入另一个页面(如地图、视频);标记之间的内容在浏览器不支持框架时显示
img|V|3|1|图像|插入图像,src 指定图片地址,alt 为图片无法显示时的替代文字;空元素
input|V|1|1|输入控件|表单输入控件,type 决定它的种类(文本框、密码框、复选框、单选框、按钮、文件选择框等);空元素
input type=text|V|1|1|单行文本框|单行文本框,输入一行文字
input type=password|V|1|1|密码框|密码框,输入的字符显示为圆点或星号
input type=checkbox|V|1|1|复选框|复选框,可以选中或取消;同名的多个复选框可同时选中多项
input type=radio|V|1|1|单选框|单选框,name 相同的一组单选框中只能选中一个
input type=button|V|1|1|命令框|普通按钮,value 为按钮上的文字,由脚本(onclick)决定其动作
input type=submit|V|1|1|提交框|提交按钮,点击时提交所在的表单,value 为按钮上的文字
input type=reset|V|1|1|重置框|重置按钮,点击时把所在表单的控件恢复为初始值
input type=hidden|V|1|1|隐藏域|隐藏的表单字段,不显示,提交时附带 name 和 value
input type=image|V|1|1|图像按钮|以图像作为提交按钮,提交时附带点击位置的坐标
input type=file|V|1|1|文件选择框|选择本地文件上传;所在表单须用 method=post 和 enctype=multipart/form-data
input type=email|V|1|1|邮箱框|输入电子邮件地址,提交时自动检查格式(HTML5)
input type=url|V|1|1|网址框|输入网址,提交时自动检查格式(HTML5)
input type=tel|V|1|1|电话框|输入电话号码,手机上弹出拨号键盘(HTML5)
input type=search|V|1|1|搜索框|输入搜索关键字,部分浏览器显示清除按钮(HTML5)
input type=number|V|1|1|数字框|输入数字,带增减按钮,可限定范围和步长(HTML5)
input type=range|V|1|1|滑块|拖动滑块选择一定范围内的数值(HTML5)
input type=date|V|1|1|日期框|选择年月日,值的格式为 2024-05-01(HTML5)
input type=time|V|1|1|时间框|选择时间,值的格式为 08:30(HTML5)
input type=datetime-local|V|1|1|日期时间框|选择本地的日期和时间,值的格式为 2024-05-01T08:30(HTML5)
input type=month|V|1|1|月份框|选择年和月,值的格式为 2024-05(HTML5)
input type=week|V|1|1|星期框|选择年和第几周,值的格式为 2024-W18(HTML5)
input type=color|V|1|1|颜色框|弹出取色器选择颜色,值的格式为 #RRGGBB(HTML5)
ins|C|0|0|插入文本|标出文档中新插入的文字,通常带下划线;cite、datetime 说明插入的原因和时间
isindex|V|0|1|检索提示框|单行检索输入框(HTML 4.01 已不推荐,HTML5 已废弃,请改用表单);空元素
kbd|C|0|0|键盘输入|需要用户用键盘输入的内容或按键,如 <kbd>Ctrl</kbd>+<kbd>C</kbd>,以等宽字体显示
keygen|V|1|1|密钥生成器|生成公钥/私钥对,提交表单时发送公钥(HTML5 曾收录,现已删除,浏览器不再支持);空元素
label|C|0|0|控件标签|表单控件的说明文字,for 指向控件的 id,点击文字即可选中或激活该控件
legend|C|0|0|分组标题|表单分组(fieldset)的标题,显示在边框上
li|C|0|0|列表项|列表(ul、ol、menu)中的一项
link|V|9|1|外部资源链接|写在 head 中,链接外部样式表(rel=stylesheet)、网站图标等资源;空元素
listing|C|0|1|代码清单|按原样等宽显示的代码清单(已废弃,请改用 pre 和 code)
main|C|0|0|主内容|页面的主要内容,一个页面只有一个可见的 main(HTML5)
map|C|0|1|图像映射|图像映射,包含若干热点区域 area;图像用 usemap="#名称" 引用它
mark|C|0|0|标记文本|为引起注意而高亮显示的文字,如搜索结果中的关键词,默认为黄色背景(HTML5)
marquee|C|7|1|文字图像移动|使其中的文字或图片在一个区域内滚动(非标准,已废弃,浏览器仍支持;建议改用 CSS 动画)
math|C|0|1|数学公式|用 MathML 书写的数学公式
menu|C|0|0|菜单列表|命令列表,HTML5 中相当于工具栏式的无序列表,内含 li
meta|V|0|1|元信息|写在 head 中,说明页面的字符编码、关键字、描述、视口、自动刷新等信息;空元素
meter|C|0|0|度量|已知范围内的一个数值,如磁盘用量、得票比例,显示为量表(HTML5;表示进度请用 progress)
nav|C|0|0|导航|页面的主要导航链接区域(HTML5)
nobr|C|0|1|不换行|其中的文字不自动换行(非标准,已废弃,请改用 CSS white-space:nowrap)
noembed|C|0|1|无插件内容|浏览器不支持 embed 时显示的内容(非标准,已废弃,请改用 object 的后备内容)
noframes|C|0|1|无框架内容|浏览器不支持框架时显示的内容,写在 frameset 中(HTML5 已废弃)
noscript|C|0|0|无脚本内容|浏览器不支持脚本或禁用了脚本时显示的内容
object|C|4|1|嵌入对象|嵌入外部资源(图像、PDF、插件内容或另一页面),用 param 传递参数,标记之间的其余内容在无法显示时代替它
ol|C|0|1|有序列表|有序列表,各列表项 li 按数字或字母顺序编号
optgroup|C|0|1|选项组|列表框(select)中的一组选项,label 为组名
option|C|0|0|列表选项|列表框(select)或输入建议列表(datalist)中的一个选项
output|C|0|0|计算结果|显示计算或用户操作的结果(HTML5)
p|C|0|1|段落|段落,段落前后自动留出空白
param|V|0|1|对象参数|为 object 传递一个参数(name 和 value),写在 object 中(HTML5 已废弃);空元素
picture|C|0|1|响应式图片|包含若干 source 和一个 img,浏览器按屏幕宽度和支持的格式选用最合适的图片(HTML5)
pre|C|0|1|预格式化文本|预格式化文本,按原样保留空格和换行,以等宽字体显示
progress|C|0|0|进度条|任务的完成进度,value 为已完成量,max 为总量;不指定 value 时表示进行中(HTML5)
q|C|0|0|短引用|行内的简短引用,浏览器自动加上引号
rp|C|0|0|注音括号|浏览器不支持注音(ruby)时显示在注音两侧的括号
rt|C|0|0|注音文字|注音(ruby)中的拼音或注音符号,显示在文字上方
ruby|C|0|0|注音|为汉字加注拼音或注音,如 <ruby>汉<rt>hàn</rt></ruby>(HTML5)
s|C|0|0|删除线|不再准确或不再相关的内容,显示删除线
samp|C|0|0|程序输出|计算机程序输出的示例,以等宽字体显示
script|C|9|1|脚本|脚本:src 引用外部脚本文件,或在标记之间直接写脚本代码
search|C|0|0|搜索区域|包含搜索或筛选表单的区域(HTML5 新增)
section|C|0|0|区块|文档中按主题划分的一节,一般带有标题(HTML5)
select|C|1|1|列表框|下拉列表框或多行列表框,内含 option 选项
slot|C|0|1|插槽|Web 组件影子树中的占位插槽,由外部内容填充(HTML5)
small|C|0|0|小号字|附注、版权声明、法律条款等小字
source|V|0|1|媒体源|为 audio、video 或 picture 提供一个候选资源,浏览器选用第一个能用的;空元素
span|C|0|1|SPAN元素|通用的行内容器,本身没有含义,配合 class、style 为一段文字设置样式
strike|C|0|1|删除线(旧)|带删除线的文字(HTML5 已废弃,请改用 s 或 del)
strong|C|0|0|重要文本|非常重要、严肃或紧急的内容,通常显示为粗体
style|C|9|1|样式表|页面内部样式表,写在 head 中,标记之间是 CSS 规则
sub|C|0|0|下标|下标文字,如化学式 H<sub>2</sub>O
summary|C|0|0|详情标题|折叠详情(details)的可见标题,点击可展开或收起
sup|C|0|0|上标|上标文字,如 x<sup>2</sup>、注释编号
svg|C|0|1|SVG矢量图|直接写在页面中的 SVG 矢量图形,放大不失真
table|C|0|1|表格|表格,由行 tr 和单元格 td、th 组成
tbody|C|0|0|表格主体|表格的主体部分,包含数据行
td|C|0|0|单元格|表格中的数据单元格
template|C|0|1|模板|保存不显示的 HTML 片段,供脚本复制使用(HTML5)
textarea|C|1|1|多行文本框|多行文本框,标记之间的文字是初始内容
tfoot|C|0|0|表格脚注|表格的脚注部分,如合计行
th|C|0|0|表头单元格|表格的表头单元格,文字默认加粗居中
thead|C|0|0|表头|表格的表头部分,包含标题行
time|C|0|0|日期时间|日期或时间,datetime 给出机器可读的格式(HTML5)
title|C|0|1|页面标题|写在 head 中,显示在浏览器标题栏和标签页上,也是收藏夹名称和搜索结果的标题
tr|C|0|0|表格行|表格中的一行,包含若干单元格 td 或 th
track|V|9|1|字幕轨道|为 audio 或 video 提供字幕、说明等文字轨道,文件为 WebVTT 格式(HTML5);空元素
tt|C|0|1|打字机文字|以等宽字体显示的文字(HTML5 已废弃,请改用 code、kbd 或 CSS)
u|C|0|0|下划线|带下划线的文字,HTML5 中用于标注拼写错误、专有名词等
ul|C|0|1|无序列表|无序列表,各列表项 li 前显示圆点等符号
var|C|0|0|变量|数学表达式或程序中的变量,通常显示为斜体
video|C|6|1|视频|播放视频(HTML5):src 或内部的 source 指定文件,controls 显示播放控件;标记之间的内容在浏览器不支持时显示
wbr|V|0|0|可换行点|提示浏览器在此处可以换行(用于很长的单词或网址);空元素
xmp|C|0|1|示例文本|按原样显示其中的代码,标记也不解析(已废弃,请改用 pre 并转义)
"""
