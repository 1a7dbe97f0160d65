# Event attributes of the tag database, grouped by element kind (`lx`).
#
# Kinds: 0 every element, 1 form controls, 2 forms, 3 images, 4 embedded pages and objects, 5 the page body
# (and frameset), 6 audio and video, 7 marquee, 8 dialog, 9 external resources (script, link, style, track).
# The event dialog lists kind 0 plus the element's own kind, at most 101 rows, so 0 + any kind stays <= 101.
#
# Order is the order of the event lists: the events of HTML 4.01 that every element has come first, then the
# events of the element's own kind, then the other events of every element.
#
# Line format: kind | attribute | short label | description
# The list label is "<short label> <attribute>", e.g. "单击 onclick".

EVENTS = """
0|onclick|单击|用鼠标单击元素时触发;在有焦点的链接上按回车、在按钮上按回车或空格也会触发
0|ondblclick|双击|用鼠标双击元素时触发
0|onmousedown|鼠标按下|在元素上按下任一鼠标键时触发
0|onmouseup|鼠标释放|在元素上释放鼠标键时触发
0|onmouseover|鼠标移入|鼠标移到元素或其子元素上时触发(会冒泡)
0|onmouseout|鼠标移出|鼠标离开元素或其子元素时触发(会冒泡)
0|onmousemove|鼠标移动|鼠标在元素上移动时连续触发
0|onkeydown|按下键|元素有焦点时按下键盘任一键时触发,按住不放会重复触发
0|onkeyup|释放键|元素有焦点时松开按键时触发
0|onkeypress|击键|按下产生字符的键时触发(已废弃,建议用 onkeydown)
0|onfocus|获得焦点|元素获得输入焦点时触发(点击或用 Tab 键移入)
0|onblur|失去焦点|元素失去输入焦点时触发
1|onchange|内容改变|控件的值改变且确认时触发:文本框在失去焦点时,复选框、单选框、列表框在选择改变时
1|oninput|输入|控件的值每改变一次(每输入一个字符)就立即触发
1|onbeforeinput|输入前|控件内容即将被键入或粘贴改变时触发,可取消
1|onselect|选中文字|在文本框或多行文本框中选中文字时触发
1|oninvalid|验证失败|提交表单时此控件的值不满足 required、pattern 等限制时触发
1|onsearch|搜索|在搜索框(type=search)中按回车或清空时触发(非标准,部分浏览器支持)
2|onsubmit|提交|表单提交之前触发,脚本返回 false 可阻止提交(常用于检查输入)
2|onreset|重置|表单重置之前触发,返回 false 可阻止重置
2|onformdata|收集数据|提交时表单数据收集完毕后触发,可在脚本中追加数据
2|onchange|控件改变|表单中任一控件的值改变并确认时触发
2|oninput|控件输入|表单中任一控件的值改变时立即触发
3|onload|图像载入|图像下载并解码完成时触发
3|onerror|图像出错|图像地址无效或文件损坏、无法显示时触发,常用于换成默认图片
3|onabort|中止载入|图像下载被中止(如用户停止页面加载)时触发
4|onload|载入完成|框架中的页面或嵌入的对象载入完成时触发
4|onerror|载入出错|嵌入的对象无法载入时触发
5|onload|页面载入|整个页面(含图像等资源)载入完成后触发
5|onunload|页面卸载|离开页面或关闭窗口时触发
5|onbeforeunload|离开页面前|即将离开页面时触发,可弹出确认框提示保存
5|onresize|窗口大小改变|浏览器窗口大小改变时触发
5|onhashchange|锚点改变|地址中 # 之后的部分改变时触发
5|onpopstate|历史记录切换|用户点击后退、前进,切换浏览历史记录时触发
5|onpageshow|显示页面|页面显示时触发,包括从往返缓存中恢复时
5|onpagehide|隐藏页面|离开页面、页面被隐藏时触发
5|ononline|恢复联网|浏览器恢复网络连接时触发
5|onoffline|断开网络|浏览器失去网络连接时触发
5|onmessage|收到消息|窗口收到其他窗口或框架用 postMessage 发来的消息时触发
5|onmessageerror|消息无法读取|收到的消息无法解析时触发
5|onstorage|存储改变|另一个页面修改了 localStorage 中的数据时触发
5|onbeforeprint|打印前|开始打印或打印预览之前触发
5|onafterprint|打印后|打印或关闭打印预览之后触发
5|onlanguagechange|语言改变|用户更改浏览器首选语言时触发
5|onerror|脚本出错|页面脚本运行出错或资源载入失败时触发
5|onunhandledrejection|未处理的异步错误|Promise 被拒绝而没有处理时触发
5|onrejectionhandled|异步错误已处理|先前未处理的 Promise 拒绝后来得到处理时触发
6|onloadstart|开始载入|浏览器开始下载媒体文件时触发
6|ondurationchange|时长改变|媒体的总时长得到或改变时触发
6|onloadedmetadata|元数据载入|时长、尺寸等元数据载入完成时触发
6|onloadeddata|首帧载入|当前播放位置的数据载入完成时触发
6|onprogress|下载中|媒体数据下载过程中定期触发
6|oncanplay|可以播放|数据已足够开始播放(可能还会停顿缓冲)时触发
6|oncanplaythrough|可以流畅播放|估计可以不停顿地播放到结尾时触发
6|onplay|开始播放|调用 play() 或设置自动播放、开始播放时触发
6|onplaying|正在播放|暂停或缓冲之后真正恢复播放时触发
6|onpause|暂停|播放被暂停时触发
6|onended|播放结束|播放到结尾时触发
6|ontimeupdate|播放位置改变|播放位置改变时定期触发,常用于显示进度
6|onseeking|开始跳转|开始跳到新的播放位置时触发
6|onseeked|跳转完成|跳到新的播放位置完成时触发
6|onratechange|速度改变|播放速度改变时触发
6|onvolumechange|音量改变|音量改变或切换静音时触发
6|onwaiting|等待缓冲|因缺少数据暂停、等待缓冲时触发
6|onstalled|下载停滞|浏览器尝试获取数据但数据没有到达时触发
6|onsuspend|暂停下载|浏览器有意暂停下载媒体数据时触发
6|onemptied|媒体清空|媒体被重新载入、当前数据清空时触发
6|onabort|中止下载|媒体下载被中止(并非出错)时触发
6|onerror|媒体出错|媒体文件无法载入或无法解码时触发
7|onstart|开始滚动|文字或图像开始滚动时触发
7|onbounce|到达边界|behavior 为 alternate 时,每到达一端折返时触发
7|onfinish|滚动完成|loop 指定的次数滚动完毕时触发
8|onclose|关闭|对话框关闭时触发
8|oncancel|取消|用户按 Esc 等方式请求关闭对话框时触发,可取消
9|onload|资源载入|外部脚本、样式表或字幕文件载入完成时触发
9|onerror|资源出错|外部脚本、样式表或字幕文件无法载入时触发
9|oncuechange|字幕切换|字幕轨道当前显示的提示内容改变时触发(仅 track)
0|onmouseenter|鼠标进入|鼠标进入元素范围时触发,移入子元素不再触发(不冒泡)
0|onmouseleave|鼠标离开|鼠标离开元素范围时触发(不冒泡)
0|oncontextmenu|右键菜单|弹出右键菜单之前触发,脚本返回 false 可阻止系统菜单
0|onauxclick|非主键单击|用鼠标中键等非主按键单击元素时触发
0|onwheel|滚轮|在元素上滚动鼠标滚轮或触摸板时触发
0|oncopy|复制|复制元素中选中的内容时触发
0|oncut|剪切|剪切元素中选中的内容时触发
0|onpaste|粘贴|向元素粘贴内容时触发
0|onselectstart|开始选择|开始用鼠标或键盘选择文字时触发,返回 false 可禁止选择
0|ondragstart|开始拖动|开始拖动元素或选中的文字时触发
0|ondrag|拖动中|拖动元素的过程中连续触发
0|ondragend|拖动结束|拖动操作结束(松开鼠标或按 Esc)时在被拖元素上触发
0|ondragenter|拖入|被拖动的内容进入此元素时触发
0|ondragover|拖过|被拖动的内容在此元素上移动时连续触发,取消其默认动作才能放下
0|ondragleave|拖出|被拖动的内容离开此元素时触发
0|ondrop|放下|被拖动的内容在此元素上放下时触发
0|onpointerdown|指针按下|鼠标、触笔或手指(指针)在元素上按下时触发
0|onpointerup|指针抬起|指针在元素上抬起时触发
0|onpointermove|指针移动|指针在元素上移动时触发
0|onpointerover|指针移入|指针移到元素或其子元素上时触发
0|onpointerout|指针移出|指针离开元素或其子元素时触发
0|onpointerenter|指针进入|指针进入元素范围时触发(不冒泡)
0|onpointerleave|指针离开|指针离开元素范围时触发(不冒泡)
0|onpointercancel|指针取消|指针操作被系统中断(如转为页面滚动)时触发
0|ongotpointercapture|获得指针捕获|元素通过 setPointerCapture 捕获指针时触发
0|onlostpointercapture|失去指针捕获|元素释放指针捕获时触发
0|ontouchstart|触摸开始|手指触到元素时触发(仅触屏设备)
0|ontouchmove|触摸移动|手指在元素上滑动时触发(仅触屏设备)
0|ontouchend|触摸结束|手指离开屏幕时触发(仅触屏设备)
0|ontouchcancel|触摸取消|触摸被系统中断时触发(仅触屏设备)
0|onscroll|滚动|元素(或写在 body 上时整个页面)的内容滚动时触发
0|onscrollend|滚动结束|滚动停止后触发
0|onanimationstart|动画开始|CSS 动画(animation)开始时触发
0|onanimationiteration|动画重复|CSS 动画每完成一轮、开始下一轮时触发
0|onanimationend|动画结束|CSS 动画播放完毕时触发
0|onanimationcancel|动画取消|CSS 动画中途被取消时触发
0|ontransitionrun|过渡创建|CSS 过渡(transition)创建时触发,在延迟之前
0|ontransitionstart|过渡开始|CSS 过渡延迟结束、真正开始变化时触发
0|ontransitionend|过渡结束|CSS 过渡完成时触发
0|ontransitioncancel|过渡取消|CSS 过渡中途被取消时触发
0|ontoggle|展开收起|details 展开或收起、弹出层(popover)显示或隐藏之后触发
0|onbeforetoggle|展开收起前|弹出层(popover)或 details 即将显示或隐藏时触发
"""
