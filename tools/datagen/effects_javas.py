"""Statements offered in the event dialog's "常用功能" list.

Each statement is built as values + argument 0 + add0 + argument 1 + add1 ...; `rows` lists (caption, text after the
argument). The code lands inside a double-quoted event attribute, so it uses single quotes only, and `this` is the
element that carries the handler. child 1 shows only a colour button (argument 0 is the colour); child 2 shows the
window panel, whose check boxes write argument 2, the feature list of window.open.
"""


def by_id(action, caption="元素的id"):
    """A statement on the element with a given id that does nothing when the page has no such element."""
    return [(caption, "');if(e){%s}" % action)]


STATEMENTS = [
    # messages
    dict(title="弹出提示框", values="alert('", rows=[("提示文字", "')")]),
    dict(title="弹出确认框(点取消则不跳转、不提交)", values="return confirm('", rows=[("确认提问", "')")]),
    dict(title="确认后跳转网页", values="if(confirm('",
         rows=[("确认提问", "')){location.href='"), ("目标网址", "';}")]),
    dict(title="输入网址后跳转", values="var u=prompt('",
         rows=[("提示文字", "','"), ("默认网址", "');if(u){location.href=u;}")]),
    dict(title="输入文字显示在本元素中", values="var s=prompt('",
         rows=[("提示文字", "','"), ("默认文字", "');if(s!==null){this.textContent=s;}")]),
    dict(title="输入内容填入指定文本框", values="var e=document.getElementById('",
         rows=[("文本框的id", "');var s=prompt('"), ("提示文字", "','');if(e&&s!==null){e.value=s;}")]),
    dict(title="提示当前日期时间", values="alert(new Date().toLocaleString())"),
    dict(title="在控制台输出信息(调试用)", values="console.log('", rows=[("信息内容", "')")]),

    # history and location
    dict(title="后退到上一页", values="history.back()"),
    dict(title="前进到下一页", values="history.forward()"),
    dict(title="跳转到历史记录中的某页", values="history.go(", rows=[("步数(负数后退,正数前进)", ")")]),
    dict(title="跳转到指定网址", values="location.href='", rows=[("目标网址", "'")]),
    dict(title="替换当前网页(不留历史记录)", values="location.replace('", rows=[("目标网址", "')")]),
    dict(title="刷新本页", values="location.reload()"),

    # windows
    dict(title="在新窗口中打开网页", values="window.open('", child=2,
         rows=[("网页地址", "','"), ("窗口名称", "','"), ("窗口外观", "')")]),
    dict(title="打开新窗口并放到最前面", values="var w=window.open('", child=2,
         rows=[("网页地址", "','"), ("窗口名称", "','"), ("窗口外观", "');if(w){w.focus();}")]),
    dict(title="关闭本窗口(只能关闭脚本打开的窗口)", values="window.close()"),
    dict(title="刷新打开本窗口的网页并关闭本窗口",
         values="if(window.opener&&!window.opener.closed){window.opener.location.reload();}window.close()"),

    # timers
    dict(title="延时执行代码", values="setTimeout(function(){",
         rows=[("要执行的代码", "},"), ("延时(毫秒)", ")")]),
    dict(title="延时跳转网页", values="setTimeout(function(){location.href='",
         rows=[("目标网址", "';},"), ("延时(毫秒)", ")")]),
    dict(title="每隔一段时间重复执行代码",
         values="clearInterval(window.qzTimer);window.qzTimer=setInterval(function(){",
         rows=[("要执行的代码", "},"), ("间隔(毫秒)", ")")]),
    dict(title="停止重复执行", values="clearInterval(window.qzTimer)"),

    # focus and selection
    dict(title="本元素获得焦点", values="this.focus()"),
    dict(title="本元素失去焦点", values="this.blur()"),
    dict(title="指定元素获得焦点", values="var e=document.getElementById('", rows=by_id("e.focus();")),
    dict(title="选中本文本框中的文字", values="if(this.select){this.select();}"),
    dict(title="获得焦点时清除提示文字", values="if(this.value=='", rows=[("提示文字", "'){this.value='';}")]),
    # the clipboard refuses when the page lacks focus or permission: then the text is selected for Ctrl+C
    dict(title="复制本文本框的内容",
         values="var t=this;if(navigator.clipboard&&typeof t.value=='string'){navigator.clipboard.writeText(t.value)"
                ".catch(function(){if(t.select){t.select();}});}"),

    # printing and scrolling
    dict(title="打印本页", values="window.print()"),
    dict(title="滚动到页面顶部", values="window.scrollTo(0,0)"),
    dict(title="滚动到页面底部", values="window.scrollTo(0,document.documentElement.scrollHeight)"),
    dict(title="滚动到指定位置", values="window.scrollTo(",
         rows=[("水平位置(像素)", ","), ("垂直位置(像素)", ")")]),
    dict(title="页面向下滚动一段距离", values="window.scrollBy(0,", rows=[("距离(像素,负数向上)", ")")]),
    dict(title="滚动到指定元素", values="var e=document.getElementById('", rows=by_id("e.scrollIntoView();")),

    # colours (colour button only)
    dict(title="改变网页背景颜色", values="document.body.style.backgroundColor='", rows=[("颜色", "'")], child=1),
    dict(title="改变网页文字颜色", values="document.body.style.color='", rows=[("颜色", "'")], child=1),
    dict(title="改变本元素文字颜色", values="this.style.color='", rows=[("颜色", "'")], child=1),
    dict(title="改变本元素背景颜色", values="this.style.backgroundColor='", rows=[("颜色", "'")], child=1),
    dict(title="改变本元素边框颜色", values="this.style.border='1px solid ", rows=[("颜色", "'")], child=1),
    dict(title="改变指定元素文字颜色", values="var e=document.getElementById('",
         rows=[("元素的id", "');if(e){e.style.color='"), ("颜色(如#FF0000或red)", "';}")]),

    # content and appearance
    dict(title="改变本元素的内容", values="this.innerHTML='", rows=[("新的内容(可含HTML标记)", "'")]),
    dict(title="改变指定元素的内容", values="var e=document.getElementById('",
         rows=[("元素的id", "');if(e){e.innerHTML='"), ("新的内容(可含HTML标记)", "';}")]),
    dict(title="本元素显示当前日期时间", values="this.textContent=new Date().toLocaleString()"),
    dict(title="显示指定元素", values="var e=document.getElementById('", rows=by_id("e.style.display='';")),
    dict(title="隐藏指定元素", values="var e=document.getElementById('", rows=by_id("e.style.display='none';")),
    dict(title="显示或隐藏指定元素(切换)", values="var e=document.getElementById('",
         rows=by_id("e.style.display=(e.style.display=='none')?'':'none';")),
    dict(title="隐藏本元素", values="this.style.display='none'"),
    dict(title="改变本元素字号", values="this.style.fontSize='", rows=[("字号(如16px或12pt)", "'")]),
    dict(title="改变本元素的样式类", values="this.className='", rows=[("样式类名", "'")]),
    dict(title="改变本元素透明度", values="this.style.opacity='", rows=[("不透明度(0到1之间,如0.5)", "'")]),
    dict(title="鼠标指针变为手形", values="this.style.cursor='pointer'"),
    dict(title="更换本图片", values="this.src='", rows=[("图片地址", "'")]),
    dict(title="更换指定图片", values="var e=document.getElementById('",
         rows=[("图片的id", "');if(e){e.src='"), ("图片地址", "';}")]),
    dict(title="改变网页标题", values="document.title='", rows=[("标题文字", "'")]),

    # forms
    dict(title="提交本元素所在的表单", values="if(this.form){this.form.submit();}"),
    dict(title="清空本元素所在的表单", values="if(this.form){this.form.reset();}"),
    dict(title="提交指定表单", values="var f=document.forms['",
         rows=[("表单的name或id", "'];if(f){f.submit();}")]),
    dict(title="取消默认动作(不跳转、不提交)", values="return false"),
]
