"""The script object tree offered after a typed "." (section window).

Each line is  name|kind|description, indented two blanks per level under the object it belongs to.
Kinds: p property, m method, e event handler, o object whose members follow (lx 3, id 1),
w an object whose members are those of window itself (lx 3, id 2).
A line "@block" inserts the named block below at that level.

lx: 0 property, 1 method, 2 event handler, 3 object.  For an object with id 1 the entry holds a child element
named like the member, whose entries are the object's members.  The editor lower-cases what the user typed
before it walks the tree, so an object whose name is not all lower case carries a second child element with the
lower-cased name and the same members; a reader that picks the child by the member's own name finds the first.
"""

BLOCKS = {}

BLOCKS["element"] = """
id|p|元素的 id 属性
className|p|元素的 class 属性(类名)
classList|o|元素的类名列表,可增删单个类名
  add|m|add("类名"):添加类名
  remove|m|remove("类名"):删除类名
  toggle|m|toggle("类名"):有则删除,无则添加
  contains|m|contains("类名"):是否含有该类名
  replace|m|replace("旧类名", "新类名"):替换类名
  item|m|item(序号):取第几个类名
  length|p|类名的个数
  value|p|全部类名组成的文本
style|p|元素的行内样式对象,再输入 . 列出样式属性
innerHTML|p|元素内部的 HTML 代码,可读可写
outerHTML|p|包括元素自身标记在内的 HTML 代码
innerText|p|元素内显示的文字(不含标记)
textContent|p|元素及其后代的全部文字
tagName|p|元素的标记名(大写),如 DIV
nodeName|p|节点名称,元素节点即大写标记名
nodeType|p|节点类型:1 元素,3 文本,8 注释,9 文档
nodeValue|p|文本或注释节点的内容,元素节点为 null
title|p|鼠标停留时显示的提示文字
lang|p|元素内容的语言代码
dir|p|文字方向:ltr 或 rtl
hidden|p|是否隐藏(true 隐藏)
tabIndex|p|按 Tab 键时的焦点顺序
accessKey|p|访问该元素的快捷键
contentEditable|p|内容能否编辑:"true"、"false" 或 "inherit"
draggable|p|能否拖动
dataset|p|以 data- 开头的自定义属性集合
attributes|p|元素全部属性的集合
parentNode|p|父节点
parentElement|p|父元素
childNodes|p|全部子节点的集合(含文本节点)
children|p|全部子元素的集合(不含文本节点)
firstChild|p|第一个子节点
lastChild|p|最后一个子节点
firstElementChild|p|第一个子元素
lastElementChild|p|最后一个子元素
nextSibling|p|下一个兄弟节点
previousSibling|p|上一个兄弟节点
nextElementSibling|p|下一个兄弟元素
previousElementSibling|p|上一个兄弟元素
childElementCount|p|子元素的个数
ownerDocument|p|元素所在的文档对象
offsetLeft|p|相对 offsetParent 的左边距离(像素)
offsetTop|p|相对 offsetParent 的上边距离(像素)
offsetWidth|p|元素占用的宽度,含边框和内边距(像素)
offsetHeight|p|元素占用的高度,含边框和内边距(像素)
offsetParent|p|最近的已定位祖先元素
clientWidth|p|可见内容区宽度,含内边距、不含边框和滚动条
clientHeight|p|可见内容区高度,含内边距、不含边框和滚动条
clientLeft|p|左边框的宽度
clientTop|p|上边框的宽度
scrollLeft|p|内容向左滚过的距离,可设置
scrollTop|p|内容向上滚过的距离,可设置
scrollWidth|p|全部内容的宽度(含滚动隐藏部分)
scrollHeight|p|全部内容的高度(含滚动隐藏部分)
getAttribute|m|getAttribute("属性名"):读取属性值
setAttribute|m|setAttribute("属性名", "值"):设置属性
removeAttribute|m|removeAttribute("属性名"):删除属性
hasAttribute|m|hasAttribute("属性名"):是否有该属性
getElementsByTagName|m|getElementsByTagName("标记名"):取得后代中该标记的全部元素
getElementsByClassName|m|getElementsByClassName("类名"):取得后代中有该类名的全部元素
querySelector|m|querySelector("选择器"):取得第一个匹配 CSS 选择器的后代元素
querySelectorAll|m|querySelectorAll("选择器"):取得全部匹配 CSS 选择器的后代元素
appendChild|m|appendChild(节点):在末尾添加子节点
removeChild|m|removeChild(子节点):删除子节点
replaceChild|m|replaceChild(新节点, 旧节点):替换子节点
insertBefore|m|insertBefore(新节点, 参照节点):在参照节点前插入
cloneNode|m|cloneNode(true):复制节点,true 表示连同后代
contains|m|contains(节点):是否包含该节点
hasChildNodes|m|是否有子节点
insertAdjacentHTML|m|insertAdjacentHTML("beforeEnd", "代码"):在指定位置插入 HTML
insertAdjacentText|m|insertAdjacentText("beforeEnd", "文字"):在指定位置插入文字
append|m|append(节点或文字):在末尾添加,可一次多个
prepend|m|prepend(节点或文字):在开头添加
remove|m|把元素自身从文档中删除
closest|m|closest("选择器"):向上查找最近的匹配祖先(含自身)
matches|m|matches("选择器"):元素是否匹配 CSS 选择器
getBoundingClientRect|m|取得元素相对窗口的位置和大小
scrollIntoView|m|滚动页面使元素可见
focus|m|让元素获得焦点
blur|m|让元素失去焦点
click|m|模拟一次鼠标单击
addEventListener|m|addEventListener("click", 函数):添加事件处理函数
removeEventListener|m|removeEventListener("click", 函数):移除事件处理函数
dispatchEvent|m|dispatchEvent(事件对象):触发事件
attachEvent|m|attachEvent("onclick", 函数):添加事件处理函数(IE 旧写法)
detachEvent|m|detachEvent("onclick", 函数):移除事件处理函数(IE 旧写法)
requestFullscreen|m|让元素全屏显示
onclick|e|单击时执行的函数
ondblclick|e|双击时执行的函数
onmousedown|e|按下鼠标键时执行的函数
onmouseup|e|松开鼠标键时执行的函数
onmouseover|e|鼠标移入时执行的函数
onmouseout|e|鼠标移出时执行的函数
onmousemove|e|鼠标移动时执行的函数
onkeydown|e|按下键时执行的函数
onkeyup|e|松开键时执行的函数
onkeypress|e|按下字符键时执行的函数
onfocus|e|获得焦点时执行的函数
onblur|e|失去焦点时执行的函数
onchange|e|内容改变并失去焦点后执行的函数
oninput|e|输入内容时立即执行的函数
onscroll|e|内容滚动时执行的函数
oncontextmenu|e|打开右键菜单时执行的函数,返回 false 可屏蔽右键
"""

BLOCKS["collection"] = """
length|p|集合中元素的个数
item|m|item(序号):取第几个元素,从 0 开始
namedItem|m|namedItem("名称"):按 id 或 name 取元素
"""

BLOCKS["location"] = """
href|p|完整的网址,赋值可跳转到新页面
protocol|p|协议部分,如 http:
host|p|主机名和端口
hostname|p|主机名
port|p|端口号
pathname|p|路径部分
search|p|问号开始的查询部分
hash|p|# 号开始的锚点部分
origin|p|协议、主机名和端口
assign|m|assign("网址"):转到新页面,保留历史记录
replace|m|replace("网址"):以新页面替换当前页,不能后退
reload|m|重新载入当前页面,reload(true) 从服务器重新取
toString|m|返回完整网址
"""

BLOCKS["storage"] = """
length|p|存储的数据项数
getItem|m|getItem("键"):读取保存的值
setItem|m|setItem("键", "值"):保存一项数据
removeItem|m|removeItem("键"):删除一项数据
clear|m|清除全部数据
key|m|key(序号):取第几项的键名
"""

BLOCKS["document"] = """
title|p|页面标题,即 title 标记的内容
body|o|页面的 body 元素
  @element
documentElement|o|页面的根元素 html
  @element
activeElement|o|当前获得焦点的元素
  @element
head|p|页面的 head 元素
forms|o|页面中全部表单的集合,可用 forms[0] 或 forms["名称"]
  @collection
images|o|页面中全部图片的集合
  @collection
links|o|页面中全部带 href 的链接的集合
  @collection
anchors|o|页面中全部带 name 的锚点的集合
  @collection
all|o|页面中全部元素的集合(IE 旧写法)
  @collection
  tags|m|tags("标记名"):取得该标记的全部元素(IE)
scripts|p|页面中全部 script 元素的集合
styleSheets|p|页面中全部样式表的集合
location|o|当前页面的地址对象,同 window.location
  @location
URL|p|当前页面的网址(只读)
domain|p|当前页面的域名
referrer|p|链接到本页面的上一个页面的网址
cookie|p|本页面的 Cookie,赋值 "名=值;expires=日期" 可添加一项
lastModified|p|页面最后修改的时间
readyState|p|载入状态:loading、interactive、complete
characterSet|p|页面的字符集
charset|p|页面的字符集(旧写法)
compatMode|p|渲染模式:CSS1Compat 标准模式,BackCompat 怪异模式
designMode|p|设为 "on" 时整个页面可以编辑
defaultView|w|文档所在的窗口对象
hidden|p|页面是否处于后台(不可见)
visibilityState|p|页面可见状态:visible 或 hidden
fullscreenElement|p|当前全屏显示的元素
bgColor|p|页面背景颜色(旧写法)
fgColor|p|页面文字颜色(旧写法)
linkColor|p|链接颜色(旧写法)
alinkColor|p|正在点击的链接颜色(旧写法)
vlinkColor|p|已访问链接颜色(旧写法)
selection|p|当前选中的内容(IE 旧写法)
getElementById|m|getElementById("id"):按 id 取得元素
getElementsByName|m|getElementsByName("名称"):按 name 属性取得元素集合
getElementsByTagName|m|getElementsByTagName("标记名"):取得该标记的全部元素
getElementsByClassName|m|getElementsByClassName("类名"):取得有该类名的全部元素
querySelector|m|querySelector("选择器"):取得第一个匹配 CSS 选择器的元素
querySelectorAll|m|querySelectorAll("选择器"):取得全部匹配 CSS 选择器的元素
createElement|m|createElement("标记名"):新建一个元素
createTextNode|m|createTextNode("文字"):新建一个文本节点
createDocumentFragment|m|新建一个文档片段,用于批量添加节点
createComment|m|createComment("文字"):新建一个注释节点
createEvent|m|createEvent("Event"):新建一个事件对象
createRange|m|新建一个选区范围对象
write|m|write("文字"):向页面写入内容
writeln|m|writeln("文字"):向页面写入内容并换行
open|m|打开文档流,准备用 write 重写页面
close|m|关闭用 open 打开的文档流
execCommand|m|execCommand("命令"):对可编辑内容执行命令,如 "bold"、"copy"
queryCommandState|m|queryCommandState("命令"):命令当前是否生效
hasFocus|m|页面是否获得焦点
getSelection|m|取得当前选中的内容
elementFromPoint|m|elementFromPoint(x, y):取得窗口坐标处的元素
exitFullscreen|m|退出全屏
addEventListener|m|addEventListener("事件", 函数):添加事件处理函数
removeEventListener|m|removeEventListener("事件", 函数):移除事件处理函数
attachEvent|m|attachEvent("on事件", 函数):添加事件处理函数(IE 旧写法)
onclick|e|在页面任意处单击时执行的函数
onkeydown|e|在页面中按下键时执行的函数
onkeyup|e|在页面中松开键时执行的函数
onmousedown|e|在页面中按下鼠标键时执行的函数
onmousemove|e|在页面中移动鼠标时执行的函数
onmouseup|e|在页面中松开鼠标键时执行的函数
oncontextmenu|e|打开右键菜单时执行的函数,返回 false 可屏蔽右键
onselectstart|e|开始选择文字时执行的函数,返回 false 可禁止选择
onreadystatechange|e|载入状态改变时执行的函数
onvisibilitychange|e|页面切换到前台或后台时执行的函数
"""

BLOCKS["event"] = """
type|p|事件类型,如 click、keydown
target|o|触发事件的元素
  @element
srcElement|o|触发事件的元素(IE 旧写法,同 target)
  @element
currentTarget|p|正在处理事件的元素(绑定处理函数的元素)
relatedTarget|p|鼠标移入、移出时的另一个相关元素
fromElement|p|鼠标移出的元素(IE)
toElement|p|鼠标移入的元素(IE)
keyCode|p|按键的键码,如回车为 13
which|p|按键的键码或鼠标键(旧写法)
key|p|按键名称,如 "Enter"、"a"
code|p|按键的物理位置名称,如 "KeyA"
charCode|p|按下字符键时的字符编码
altKey|p|是否按着 Alt 键
ctrlKey|p|是否按着 Ctrl 键
shiftKey|p|是否按着 Shift 键
metaKey|p|是否按着 Windows 或 Command 键
repeat|p|按键是否因按住不放而重复触发
button|p|按下的鼠标键:0 左键,1 中键,2 右键
buttons|p|当前按住的全部鼠标键
clientX|p|鼠标相对窗口可见区域的横坐标
clientY|p|鼠标相对窗口可见区域的纵坐标
pageX|p|鼠标相对整个页面的横坐标
pageY|p|鼠标相对整个页面的纵坐标
screenX|p|鼠标相对屏幕的横坐标
screenY|p|鼠标相对屏幕的纵坐标
offsetX|p|鼠标相对事件元素的横坐标
offsetY|p|鼠标相对事件元素的纵坐标
x|p|鼠标横坐标(同 clientX)
y|p|鼠标纵坐标(同 clientY)
deltaX|p|滚轮的水平滚动量
deltaY|p|滚轮的竖直滚动量
wheelDelta|p|滚轮滚动量,向上为正(IE、Chrome 旧写法)
detail|p|事件的附加信息,如鼠标单击的次数
timeStamp|p|事件发生的时间(毫秒)
bubbles|p|事件是否向上冒泡
cancelable|p|能否取消事件的默认动作
defaultPrevented|p|是否已取消默认动作
returnValue|p|设为 false 取消默认动作(IE 旧写法)
cancelBubble|p|设为 true 阻止事件冒泡(IE 旧写法)
preventDefault|m|取消事件的默认动作,如阻止链接跳转
stopPropagation|m|阻止事件继续向上冒泡
stopImmediatePropagation|m|阻止冒泡,并不再执行同一元素上的其他处理函数
touches|p|当前屏幕上全部触摸点的列表
changedTouches|p|本次事件中变化的触摸点列表
dataTransfer|p|拖放操作中传递的数据
"""

BLOCKS["math"] = """
PI|p|圆周率 π,约 3.14159
E|p|自然对数的底 e,约 2.71828
LN2|p|2 的自然对数
LN10|p|10 的自然对数
LOG2E|p|以 2 为底 e 的对数
LOG10E|p|以 10 为底 e 的对数
SQRT2|p|2 的平方根
SQRT1_2|p|1/2 的平方根
abs|m|abs(x):绝对值
ceil|m|ceil(x):向上取整
floor|m|floor(x):向下取整
round|m|round(x):四舍五入取整
trunc|m|trunc(x):去掉小数部分
sign|m|sign(x):符号,正数 1、负数 -1、零 0
max|m|max(a, b, ...):最大值
min|m|min(a, b, ...):最小值
random|m|返回 0 到 1 之间(不含 1)的随机数
pow|m|pow(x, y):x 的 y 次方
sqrt|m|sqrt(x):平方根
cbrt|m|cbrt(x):立方根
hypot|m|hypot(a, b, ...):各参数平方和的平方根
exp|m|exp(x):e 的 x 次方
expm1|m|expm1(x):e 的 x 次方减 1
log|m|log(x):自然对数
log10|m|log10(x):以 10 为底的对数
log2|m|log2(x):以 2 为底的对数
log1p|m|log1p(x):1+x 的自然对数
sin|m|sin(x):正弦,x 为弧度
cos|m|cos(x):余弦,x 为弧度
tan|m|tan(x):正切,x 为弧度
asin|m|asin(x):反正弦,返回弧度
acos|m|acos(x):反余弦,返回弧度
atan|m|atan(x):反正切,返回弧度
atan2|m|atan2(y, x):点 (x,y) 的极角,返回弧度
sinh|m|sinh(x):双曲正弦
cosh|m|cosh(x):双曲余弦
tanh|m|tanh(x):双曲正切
asinh|m|asinh(x):反双曲正弦
acosh|m|acosh(x):反双曲余弦
atanh|m|atanh(x):反双曲正切
fround|m|fround(x):取最接近的单精度浮点数
imul|m|imul(a, b):32 位整数乘法
clz32|m|clz32(x):32 位二进制表示中前导零的个数
"""

BLOCKS["date"] = """
now|m|返回当前时间距 1970-01-01 的毫秒数
parse|m|parse("日期文字"):把日期文字转为毫秒数
UTC|m|UTC(年, 月, 日, ...):返回世界时对应的毫秒数,月份从 0 开始
prototype|o|日期对象的方法,用于 new Date() 得到的日期
  getFullYear|m|取四位年份
  getMonth|m|取月份,0 表示一月
  getDate|m|取日(1 到 31)
  getDay|m|取星期几,0 表示星期日
  getHours|m|取小时(0 到 23)
  getMinutes|m|取分钟
  getSeconds|m|取秒
  getMilliseconds|m|取毫秒
  getTime|m|取距 1970-01-01 的毫秒数
  getTimezoneOffset|m|取本地时间与世界时相差的分钟数
  getYear|m|取年份(旧方法,不推荐)
  getUTCFullYear|m|取世界时的年份
  getUTCMonth|m|取世界时的月份
  getUTCDate|m|取世界时的日
  getUTCDay|m|取世界时的星期几
  getUTCHours|m|取世界时的小时
  getUTCMinutes|m|取世界时的分钟
  getUTCSeconds|m|取世界时的秒
  getUTCMilliseconds|m|取世界时的毫秒
  setFullYear|m|setFullYear(年):设置年份
  setMonth|m|setMonth(月):设置月份,0 表示一月
  setDate|m|setDate(日):设置日
  setHours|m|setHours(时):设置小时
  setMinutes|m|setMinutes(分):设置分钟
  setSeconds|m|setSeconds(秒):设置秒
  setMilliseconds|m|setMilliseconds(毫秒):设置毫秒
  setTime|m|setTime(毫秒数):按距 1970-01-01 的毫秒数设置时间
  setYear|m|setYear(年):设置年份(旧方法,不推荐)
  setUTCFullYear|m|设置世界时的年份
  setUTCMonth|m|设置世界时的月份
  setUTCDate|m|设置世界时的日
  setUTCHours|m|设置世界时的小时
  setUTCMinutes|m|设置世界时的分钟
  setUTCSeconds|m|设置世界时的秒
  setUTCMilliseconds|m|设置世界时的毫秒
  toString|m|转为日期时间文字
  toDateString|m|转为日期部分的文字
  toTimeString|m|转为时间部分的文字
  toLocaleString|m|按本地习惯转为日期时间文字
  toLocaleDateString|m|按本地习惯转为日期文字
  toLocaleTimeString|m|按本地习惯转为时间文字
  toUTCString|m|转为世界时文字
  toISOString|m|转为 ISO 格式文字,如 2008-08-08T12:00:00.000Z
  toJSON|m|转为 JSON 用的日期文字
  valueOf|m|返回毫秒数
"""

BLOCKS["string"] = """
fromCharCode|m|fromCharCode(编码, ...):由字符编码生成字符串
fromCodePoint|m|fromCodePoint(码点, ...):由 Unicode 码点生成字符串
raw|m|取模板字符串的原始文字(不处理转义)
prototype|o|字符串的属性和方法,用于任何字符串
  length|p|字符串的长度
  charAt|m|charAt(位置):取该位置的字符,从 0 开始
  charCodeAt|m|charCodeAt(位置):取该位置字符的编码
  codePointAt|m|codePointAt(位置):取该位置字符的 Unicode 码点
  at|m|at(位置):取该位置的字符,负数从末尾算起
  indexOf|m|indexOf("文字"):第一次出现的位置,找不到返回 -1
  lastIndexOf|m|lastIndexOf("文字"):最后一次出现的位置
  includes|m|includes("文字"):是否包含
  startsWith|m|startsWith("文字"):是否以它开头
  endsWith|m|endsWith("文字"):是否以它结尾
  search|m|search(正则):第一次匹配的位置
  match|m|match(正则):取得匹配的结果
  matchAll|m|matchAll(正则):取得全部匹配结果
  replace|m|replace("旧", "新"):替换,用带 g 的正则可全部替换
  replaceAll|m|replaceAll("旧", "新"):全部替换
  slice|m|slice(开始, 结束):截取一段,可用负数
  substring|m|substring(开始, 结束):截取一段
  substr|m|substr(开始, 长度):截取一段(旧方法)
  split|m|split("分隔符"):分割成数组
  concat|m|concat("文字", ...):连接字符串
  repeat|m|repeat(次数):重复多次
  padStart|m|padStart(长度, "填充"):在前面补足长度
  padEnd|m|padEnd(长度, "填充"):在后面补足长度
  trim|m|去掉两端空白
  trimStart|m|去掉开头空白
  trimEnd|m|去掉末尾空白
  toLowerCase|m|转为小写
  toUpperCase|m|转为大写
  toLocaleLowerCase|m|按本地规则转为小写
  toLocaleUpperCase|m|按本地规则转为大写
  localeCompare|m|localeCompare("文字"):按本地规则比较先后
  normalize|m|按 Unicode 规范化形式转换
  toString|m|返回字符串本身
  valueOf|m|返回字符串的原始值
  anchor|m|anchor("名称"):用 a name 标记包住字符串(旧方法)
  link|m|link("网址"):用 a href 标记包住字符串(旧方法)
  bold|m|用 b 标记包住字符串(旧方法)
  italics|m|用 i 标记包住字符串(旧方法)
  fontcolor|m|fontcolor("颜色"):用 font color 标记包住字符串(旧方法)
  fontsize|m|fontsize(大小):用 font size 标记包住字符串(旧方法)
"""

BLOCKS["array"] = """
isArray|m|isArray(值):是否为数组
from|m|from(类数组或可迭代对象):生成数组
of|m|of(元素, ...):由参数生成数组
prototype|o|数组的属性和方法,用于任何数组
  length|p|数组的元素个数,可设置
  push|m|push(元素, ...):在末尾添加,返回新长度
  pop|m|删除并返回最后一个元素
  unshift|m|unshift(元素, ...):在开头添加
  shift|m|删除并返回第一个元素
  splice|m|splice(开始, 个数, 新元素...):删除、插入或替换元素
  slice|m|slice(开始, 结束):截取一段,返回新数组
  concat|m|concat(数组, ...):连接数组,返回新数组
  join|m|join("分隔符"):用分隔符连接成字符串
  reverse|m|颠倒元素顺序
  sort|m|sort(比较函数):排序,不给函数时按文字排序
  indexOf|m|indexOf(元素):第一次出现的位置,找不到返回 -1
  lastIndexOf|m|lastIndexOf(元素):最后一次出现的位置
  includes|m|includes(元素):是否包含
  find|m|find(函数):第一个满足条件的元素
  findIndex|m|findIndex(函数):第一个满足条件的元素的位置
  findLast|m|findLast(函数):最后一个满足条件的元素
  findLastIndex|m|findLastIndex(函数):最后一个满足条件的元素的位置
  filter|m|filter(函数):满足条件的元素组成的新数组
  map|m|map(函数):每个元素处理后的结果组成的新数组
  forEach|m|forEach(函数):对每个元素执行函数
  reduce|m|reduce(函数, 初值):从左到右累计计算
  reduceRight|m|reduceRight(函数, 初值):从右到左累计计算
  some|m|some(函数):是否至少有一个元素满足条件
  every|m|every(函数):是否全部元素满足条件
  fill|m|fill(值, 开始, 结束):用一个值填充
  copyWithin|m|copyWithin(目标, 开始, 结束):在数组内部复制一段
  flat|m|flat(层数):把嵌套的数组展平
  flatMap|m|flatMap(函数):先 map 再展平一层
  at|m|at(位置):取该位置的元素,负数从末尾算起
  keys|m|返回全部下标的迭代器
  values|m|返回全部元素的迭代器
  entries|m|返回 [下标, 元素] 的迭代器
  toString|m|转为逗号分隔的字符串
"""

BLOCKS["number"] = """
MAX_VALUE|p|能表示的最大数
MIN_VALUE|p|能表示的最小正数
MAX_SAFE_INTEGER|p|能精确表示的最大整数 2 的 53 次方减 1
MIN_SAFE_INTEGER|p|能精确表示的最小整数
EPSILON|p|1 与大于 1 的最小数之差
NaN|p|非数字值
POSITIVE_INFINITY|p|正无穷大
NEGATIVE_INFINITY|p|负无穷大
isNaN|m|isNaN(值):是否为 NaN(不做类型转换)
isFinite|m|isFinite(值):是否为有限数(不做类型转换)
isInteger|m|isInteger(值):是否为整数
isSafeInteger|m|isSafeInteger(值):是否为可精确表示的整数
parseInt|m|parseInt("文字", 进制):把文字转为整数
parseFloat|m|parseFloat("文字"):把文字转为小数
prototype|o|数字的方法,用于任何数字
  toFixed|m|toFixed(位数):保留几位小数,返回文字
  toPrecision|m|toPrecision(位数):保留几位有效数字,返回文字
  toExponential|m|toExponential(位数):转为科学计数法文字
  toString|m|toString(进制):转为文字,如 toString(16) 得十六进制
  toLocaleString|m|按本地习惯转为文字,如加千位分隔符
  valueOf|m|返回数字的原始值
"""

BLOCKS["object"] = """
keys|m|keys(对象):对象自身全部属性名组成的数组
values|m|values(对象):对象自身全部属性值组成的数组
entries|m|entries(对象):[属性名, 值] 组成的数组
fromEntries|m|fromEntries(数组):由 [属性名, 值] 数组生成对象
assign|m|assign(目标, 来源, ...):把来源的属性复制到目标
create|m|create(原型):以指定原型新建对象
freeze|m|freeze(对象):冻结对象,不能再修改
isFrozen|m|isFrozen(对象):是否已冻结
defineProperty|m|defineProperty(对象, "属性名", 描述):定义属性
getPrototypeOf|m|getPrototypeOf(对象):取得对象的原型
"""

WINDOW = """
window|w|窗口对象自身
self|w|当前窗口自身
top|w|最顶层的窗口(框架页中的整个浏览器窗口)
parent|w|父窗口(框架页中包含本框架的窗口)
opener|w|用 open 打开本窗口的那个窗口
frames|w|页面中全部框架窗口的集合,如 frames[0]、frames["名称"]
document|o|当前页面的文档对象
  @document
location|o|当前页面的地址,赋值可跳转
  @location
history|o|浏览历史,可前进后退
  length|p|历史记录中的页面数
  back|m|后退到上一页,同浏览器的后退按钮
  forward|m|前进到下一页
  go|m|go(数值):前进或后退几页,如 go(-1) 即后退
  pushState|m|pushState(状态, 标题, "网址"):添加一条历史记录而不刷新页面
  replaceState|m|replaceState(状态, 标题, "网址"):替换当前历史记录
  state|p|当前历史记录的状态对象
navigator|o|浏览器的信息
  appName|p|浏览器名称
  appVersion|p|浏览器版本信息
  appCodeName|p|浏览器代码名
  userAgent|p|浏览器发给服务器的用户代理字符串,常用于判断浏览器
  platform|p|操作系统平台,如 Win32
  language|p|浏览器的首选语言,如 zh-CN
  languages|p|用户可接受的语言列表
  userLanguage|p|操作系统的语言(IE)
  systemLanguage|p|操作系统的默认语言(IE)
  browserLanguage|p|浏览器的语言(IE)
  cookieEnabled|p|是否允许 Cookie
  onLine|p|是否联网
  vendor|p|浏览器厂商
  hardwareConcurrency|p|处理器的逻辑核数
  maxTouchPoints|p|支持的同时触摸点数
  javaEnabled|m|是否启用了 Java
  sendBeacon|m|sendBeacon("网址", 数据):页面关闭时也能发出的小数据请求
  vibrate|m|vibrate(毫秒):让设备振动
  geolocation|o|地理位置
    getCurrentPosition|m|getCurrentPosition(成功函数, 失败函数):取得当前位置
    watchPosition|m|watchPosition(函数):位置变化时调用函数,返回编号
    clearWatch|m|clearWatch(编号):停止 watchPosition
  clipboard|o|剪贴板(需用户授权,仅限安全网址)
    writeText|m|writeText("文字"):把文字写入剪贴板
    readText|m|读取剪贴板中的文字
screen|o|屏幕的信息
  width|p|屏幕宽度(像素)
  height|p|屏幕高度(像素)
  availWidth|p|可用宽度(不含任务栏)
  availHeight|p|可用高度(不含任务栏)
  colorDepth|p|颜色深度(位)
  pixelDepth|p|每像素的位数
  orientation|p|屏幕方向
event|o|当前正在处理的事件(IE 写法,标准写法用事件处理函数的参数)
  @event
Math|o|数学常数和函数
  @math
Date|o|日期和时间,new Date() 得到当前时间
  @date
String|o|字符串,String(值) 把值转为字符串
  @string
Array|o|数组,new Array() 或 [] 新建数组
  @array
Number|o|数字,Number(值) 把值转为数字
  @number
Object|o|对象的通用方法
  @object
JSON|o|JSON 数据的转换
  parse|m|parse("JSON文字"):把 JSON 文字转为对象
  stringify|m|stringify(对象):把对象转为 JSON 文字
console|o|浏览器开发工具的控制台,用于调试
  log|m|log(值, ...):在控制台输出信息
  info|m|输出提示信息
  warn|m|输出警告信息
  error|m|输出错误信息
  debug|m|输出调试信息
  dir|m|dir(对象):列出对象的全部属性
  table|m|table(数组或对象):以表格形式输出
  clear|m|清空控制台
  count|m|count("标签"):输出该标签被调用的次数
  group|m|开始一组缩进的输出
  groupEnd|m|结束一组输出
  time|m|time("标签"):开始计时
  timeEnd|m|timeEnd("标签"):结束计时并输出用时
  assert|m|assert(条件, 信息):条件为假时输出错误
  trace|m|输出当前的函数调用栈
localStorage|o|本地存储,关闭浏览器后数据仍保留
  @storage
sessionStorage|o|会话存储,关闭窗口后数据清除
  @storage
clipboardData|o|剪贴板(IE)
  getData|m|getData("Text"):读取剪贴板文字
  setData|m|setData("Text", "文字"):把文字放入剪贴板
  clearData|m|清除剪贴板
external|o|浏览器的外部功能(IE)
  AddFavorite|m|AddFavorite("网址", "标题"):加入收藏夹(IE)
name|p|窗口的名称,可作为链接的 target
closed|p|窗口是否已关闭
status|p|状态栏的文字(多数浏览器已不显示)
defaultStatus|p|状态栏的默认文字(旧写法)
length|p|窗口中框架的个数
innerWidth|p|窗口内容区的宽度(像素)
innerHeight|p|窗口内容区的高度(像素)
outerWidth|p|整个浏览器窗口的宽度
outerHeight|p|整个浏览器窗口的高度
screenX|p|窗口左边在屏幕上的位置
screenY|p|窗口上边在屏幕上的位置
screenLeft|p|窗口左边在屏幕上的位置(IE 写法)
screenTop|p|窗口上边在屏幕上的位置(IE 写法)
scrollX|p|页面水平滚过的距离
scrollY|p|页面竖直滚过的距离
pageXOffset|p|页面水平滚过的距离(同 scrollX)
pageYOffset|p|页面竖直滚过的距离(同 scrollY)
devicePixelRatio|p|设备像素与 CSS 像素之比
alert|m|alert("文字"):弹出提示框
confirm|m|confirm("文字"):弹出确认框,点"确定"返回 true
prompt|m|prompt("提示", "默认值"):弹出输入框,返回输入的文字
open|m|open("网址", "窗口名", "width=400,height=300"):打开新窗口
close|m|关闭当前窗口
print|m|打印当前页面
focus|m|让窗口获得焦点
blur|m|让窗口失去焦点
stop|m|停止载入页面
setTimeout|m|setTimeout(函数, 毫秒):过一段时间执行一次,返回编号
setInterval|m|setInterval(函数, 毫秒):每隔一段时间执行一次,返回编号
clearTimeout|m|clearTimeout(编号):取消 setTimeout
clearInterval|m|clearInterval(编号):取消 setInterval
requestAnimationFrame|m|requestAnimationFrame(函数):下次重绘前执行,用于动画
cancelAnimationFrame|m|cancelAnimationFrame(编号):取消 requestAnimationFrame
scrollTo|m|scrollTo(x, y):滚动到页面中的指定位置
scrollBy|m|scrollBy(x, y):在当前位置上再滚动一段
moveTo|m|moveTo(x, y):把窗口移到屏幕的指定位置
moveBy|m|moveBy(x, y):把窗口移动一段距离
resizeTo|m|resizeTo(宽, 高):把窗口调整为指定大小
resizeBy|m|resizeBy(宽, 高):把窗口放大或缩小一些
getComputedStyle|m|getComputedStyle(元素):取得元素最终生效的样式
getSelection|m|取得当前选中的内容
matchMedia|m|matchMedia("(max-width: 600px)"):判断是否符合媒体查询
postMessage|m|postMessage(数据, "来源"):向其他窗口发送消息
fetch|m|fetch("网址"):发出网络请求,返回 Promise
atob|m|atob("文字"):Base64 解码
btoa|m|btoa("文字"):Base64 编码
encodeURIComponent|m|encodeURIComponent("文字"):对网址参数编码
decodeURIComponent|m|decodeURIComponent("文字"):对网址参数解码
encodeURI|m|encodeURI("网址"):对整个网址编码
decodeURI|m|decodeURI("网址"):对整个网址解码
escape|m|escape("文字"):编码文字(旧方法)
unescape|m|unescape("文字"):解码 escape 的结果(旧方法)
parseInt|m|parseInt("文字", 进制):把文字转为整数
parseFloat|m|parseFloat("文字"):把文字转为小数
isNaN|m|isNaN(值):是否不是数字
isFinite|m|isFinite(值):是否为有限数
eval|m|eval("代码"):执行一段脚本代码
addEventListener|m|addEventListener("事件", 函数):添加事件处理函数
removeEventListener|m|removeEventListener("事件", 函数):移除事件处理函数
attachEvent|m|attachEvent("on事件", 函数):添加事件处理函数(IE 旧写法)
onload|e|页面载入完成后执行的函数
onunload|e|离开页面时执行的函数
onbeforeunload|e|即将离开页面时执行的函数,返回文字可提示用户确认
onresize|e|窗口大小改变时执行的函数
onscroll|e|页面滚动时执行的函数
onerror|e|脚本出错时执行的函数
onfocus|e|窗口获得焦点时执行的函数
onblur|e|窗口失去焦点时执行的函数
onhashchange|e|网址 # 后的部分改变时执行的函数
onpopstate|e|在历史记录中前进或后退时执行的函数
onmessage|e|收到 postMessage 消息时执行的函数
"""

KINDS = {"p": (0, 0), "m": (1, 0), "e": (2, 0), "o": (3, 1), "w": (3, 2)}
LOWERCASE_ALIAS = True


def _parse(text):
    """Lines -> list of (name, kind, txt, children)."""
    lines = []
    for raw in text.splitlines():
        if raw.strip():
            depth = (len(raw) - len(raw.lstrip(" "))) // 2
            lines.append((depth, raw.strip()))
    expanded = []
    for depth, line in lines:
        if line.startswith("@"):
            for d2, l2 in _lines(BLOCKS[line[1:]]):
                expanded.append((depth + d2, l2))
        else:
            expanded.append((depth, line))
    root = []
    stack = [(-1, root)]
    for depth, line in expanded:
        name, kind, txt = line.split("|", 2)
        assert kind in KINDS, line
        node = (name, kind, txt, [])
        while stack[-1][0] >= depth:
            stack.pop()
        assert stack[-1][0] == depth - 1, line
        stack[-1][1].append(node)
        stack.append((depth, node[3]))
    return root


def _lines(text):
    out = []
    for raw in text.splitlines():
        if raw.strip():
            depth = (len(raw) - len(raw.lstrip(" "))) // 2
            line = raw.strip()
            if line.startswith("@"):
                out.extend((depth + d, l) for d, l in _lines(BLOCKS[line[1:]]))
            else:
                out.append((depth, line))
    return out


TREE = _parse(WINDOW)


def _check(nodes, path):
    names = [n[0].lower() for n in nodes]
    dup = {n for n in names if names.count(n) > 1}
    assert not dup, (path, dup)
    for name, kind, _, children in nodes:
        assert (kind == "o") == bool(children), (path, name)
        _check(children, path + "." + name)


_check(TREE, "window")


def _render(nodes, entry, field):
    out = []
    for name, kind, txt, children in nodes:
        lx, oid = KINDS[kind]
        fields = [("name", name), ("lx", lx), ("id", oid), ("txt", txt)]
        inner = "".join(field(n, t) for n, t in fields)
        if children:
            members = "".join(_render(children, entry, field))
            tags = [name] + ([name.lower()] if LOWERCASE_ALIAS and name.lower() != name else [])
            for tag in tags:
                inner += "<%s>%s</%s>" % (tag, members, tag)
        out.append("<m>%s</m\n>" % inner)
    return out


def build(entry, field):
    return _render(TREE, entry, field)


def count_members(nodes=None):
    """Members in the tree as the user meets them (lower-case copies not counted)."""
    nodes = TREE if nodes is None else nodes
    return sum(1 + count_members(n[3]) for n in nodes)
