r"""Page effects of the "Javascript特效" dialog.

`script` is the whole markup that goes right after the body tag; {{1}} .. {{5}} stand where the parameters go, in
that order, each inside a template literal (`...`) so that an empty value, or a text with quotes or an
apostrophe, never breaks the script. `params` lists
(kind, caption, default): colour (picker, "#RRGGBB" or empty), picture (a file in data/qzimg, the dialog puts the
picture folder in front), text, fontsize (the dialog's list gives "12pt"; a bare number is read as points) and
number (10 to 800). `start` is the body's onload code, `events` up to four (body event, code) pairs; both go into
double-quoted attributes.

Every script waits for the page when it needs elements, keeps its own names inside a function, and publishes only
the qz* functions that the body attributes call. Statements end with semicolons and there are no line comments, so
the code means the same with CR LF, LF or no line breaks at all.
"""

READY = "if (document.readyState === 'loading') { document.addEventListener('DOMContentLoaded', run); } else { run(); }"
POINTS = r"if (/^\d+(\.\d+)?$/.test(size)) { size += 'pt'; }"


def script(body):
    return '<script type="text/javascript">\n(function () {\n' + body.strip("\n") + "\n})();\n</script>"


EFFECTS = [
    dict(
        txt="页面数字时钟",
        help="在网页右上角显示一个走动的数字时钟(时:分:秒),页面滚动时时钟位置不变。\n"
             "参数:文字颜色、背景颜色和字号。",
        params=[("colour", "文字颜色", "#FFFFFF"), ("colour", "背景颜色", "#336699"),
                ("fontsize", "文字大小", "12pt")],
        script=script(r"""
  var color = `{{1}}`, back = `{{2}}`, size = `{{3}}`;
  """ + POINTS + r"""
  function two(n) { return (n < 10 ? '0' : '') + n; }
  function run() {
    var box = document.createElement('div');
    box.style.cssText = 'position:fixed;right:10px;top:10px;z-index:9999;padding:2px 8px;font-family:monospace;';
    box.style.color = color;
    box.style.backgroundColor = back;
    box.style.fontSize = size;
    document.body.appendChild(box);
    function tick() {
      var d = new Date();
      box.textContent = two(d.getHours()) + ':' + two(d.getMinutes()) + ':' + two(d.getSeconds());
    }
    tick();
    setInterval(tick, 1000);
  }
  """ + READY),
    ),
    dict(
        txt="显示今天的日期和星期",
        help="在网页顶部显示今天的日期和星期,例如\u201c2027年1月1日 星期五\u201d,日期取自浏览者的电脑。\n"
             "参数:文字颜色和字号。",
        params=[("colour", "文字颜色", "#336699"), ("fontsize", "文字大小", "12pt")],
        script=script(r"""
  var color = `{{1}}`, size = `{{2}}`;
  """ + POINTS + r"""
  function run() {
    var d = new Date(), week = '日一二三四五六';
    var p = document.createElement('div');
    p.style.color = color;
    p.style.fontSize = size;
    p.textContent = d.getFullYear() + '年' + (d.getMonth() + 1) + '月' + d.getDate() + '日 星期' + week.charAt(d.getDay());
    document.body.insertBefore(p, document.body.firstChild);
  }
  """ + READY),
    ),
    dict(
        txt="标题栏滚动文字",
        help="让浏览器标题栏(标签页标题)中的文字从右向左循环滚动。\n"
             "参数:滚动的文字;速度是每移动一个字的间隔,单位毫秒,数值越小滚动越快。",
        params=[("text", "滚动文字", "欢迎光临本站!"), ("number", "速度(毫秒)", "300")],
        script=script(r"""
  var text = `{{1}}`, speed = parseInt(`{{2}}`, 10) || 300;
  var s = text ? text + '\u3000\u3000' : '';
  if (!s) { return; }
  setInterval(function () {
    s = s.substring(1) + s.charAt(0);
    document.title = s;
  }, speed);
"""),
    ),
    dict(
        txt="打字机效果",
        help="在网页顶部像打字机一样逐字打出一段文字,打完后光标继续闪烁。\n"
             "参数:文字内容、颜色、字号,以及每打一个字的间隔(毫秒)。",
        params=[("text", "文字内容", "欢迎来到我的个人主页,祝您浏览愉快!"), ("colour", "文字颜色", "#333333"),
                ("fontsize", "文字大小", "14pt"), ("number", "打字间隔(毫秒)", "150")],
        script=script(r"""
  var text = `{{1}}`, color = `{{2}}`, size = `{{3}}`, speed = parseInt(`{{4}}`, 10) || 150;
  """ + POINTS + r"""
  function run() {
    var p = document.createElement('div'), out = document.createElement('span'), cur = document.createElement('span');
    var i = 0, timer = 0;
    p.style.color = color;
    p.style.fontSize = size;
    cur.textContent = '_';
    p.appendChild(out);
    p.appendChild(cur);
    document.body.insertBefore(p, document.body.firstChild);
    timer = setInterval(function () {
      if (i >= text.length) { clearInterval(timer); return; }
      i += 1;
      out.textContent = text.substring(0, i);
    }, speed);
    setInterval(function () { cur.style.visibility = cur.style.visibility === 'hidden' ? 'visible' : 'hidden'; }, 500);
  }
  """ + READY),
    ),
    dict(
        txt="漂浮广告图片",
        help="一张图片在浏览器窗口中斜向漂浮,碰到窗口边缘就反弹;鼠标移到图片上时停住,点图片打开链接,"
             "点\u201c关闭\u201d隐藏图片。页面载入完成后开始漂浮(使用body的onload事件)。\n"
             "参数:图片、链接地址(留空则不带链接)、每移动一步的间隔(毫秒)。"
             "默认图片在本程序的qzimg文件夹中,发布网页时请把图片一同上传并改用网站上的地址。",
        params=[("picture", "漂浮图片", "float.gif"), ("text", "链接地址", "http://www.example.com/"),
                ("number", "移动间隔(毫秒)", "30")],
        start="qzFloatStart()",
        script=script(r"""
  var src = `{{1}}`, link = `{{2}}`, speed = parseInt(`{{3}}`, 10) || 30;
  var box = null, x = 0, y = 0, dx = 1, dy = 1, timer = 0;
  function move() {
    if (!box) { return; }
    var w = Math.max(window.innerWidth - box.offsetWidth, 0), h = Math.max(window.innerHeight - box.offsetHeight, 0);
    x += dx;
    y += dy;
    if (x <= 0) { x = 0; dx = 1; }
    if (x >= w) { x = w; dx = -1; }
    if (y <= 0) { y = 0; dy = 1; }
    if (y >= h) { y = h; dy = -1; }
    box.style.left = x + 'px';
    box.style.top = y + 'px';
  }
  window.qzFloatStart = function () {
    if (box || !document.body) { return; }
    var img = document.createElement('img'), close = document.createElement('div'), holder;
    box = document.createElement('div');
    box.style.cssText = 'position:fixed;left:0;top:0;z-index:9998;';
    close.textContent = '关闭';
    close.style.cssText = 'text-align:right;font-size:12px;color:#666;cursor:pointer;';
    close.onclick = function () {
      clearInterval(timer);
      if (box && box.parentNode) { box.parentNode.removeChild(box); }
      box = null;
    };
    img.src = src;
    img.alt = '';
    img.style.border = '0';
    holder = img;
    if (link) {
      holder = document.createElement('a');
      holder.href = link;
      holder.target = '_blank';
      holder.appendChild(img);
    }
    box.appendChild(close);
    box.appendChild(holder);
    box.onmouseover = function () { clearInterval(timer); };
    box.onmouseout = function () { clearInterval(timer); timer = setInterval(move, speed); };
    document.body.appendChild(box);
    timer = setInterval(move, speed);
  };
"""),
    ),
    dict(
        txt="图片跟随鼠标",
        help="一张小图片跟在鼠标指针右下方移动(使用body的onmousemove事件)。\n"
             "参数:跟随的图片,宜用小于40像素的透明GIF或PNG;默认图片在本程序的qzimg文件夹中,发布时请一同上传。",
        params=[("picture", "跟随图片", "heart.gif")],
        events=[("onmousemove", "qzImgFollow(event)")],
        script=script(r"""
  var src = `{{1}}`, img = null;
  window.qzImgFollow = function (e) {
    if (!e || !document.body) { return; }
    if (!img) {
      img = document.createElement('img');
      img.src = src;
      img.alt = '';
      img.style.cssText = 'position:fixed;z-index:9999;pointer-events:none;';
      document.body.appendChild(img);
    }
    img.style.left = (e.clientX + 12) + 'px';
    img.style.top = (e.clientY + 12) + 'px';
  };
"""),
    ),
    dict(
        txt="文字跟随鼠标",
        help="一串文字一个字接一个字地追随鼠标指针,像一条彩带(使用body的onmousemove事件)。\n"
             "参数:文字(不宜超过十个字)、颜色和字号。",
        params=[("text", "跟随文字", "欢迎光临"), ("colour", "文字颜色", "#FF6600"), ("fontsize", "文字大小", "12pt")],
        events=[("onmousemove", "qzWordFollow(event)")],
        script=script(r"""
  var text = `{{1}}`, color = `{{2}}`, size = `{{3}}`;
  var spans = [], pos = [], mx = 0, my = 0;
  """ + POINTS + r"""
  function step() {
    var tx = mx, ty = my, i;
    for (i = 0; i < spans.length; i++) {
      pos[i].x += (tx - pos[i].x) / 3;
      pos[i].y += (ty - pos[i].y) / 3;
      spans[i].style.left = Math.round(pos[i].x) + 'px';
      spans[i].style.top = Math.round(pos[i].y) + 'px';
      tx = pos[i].x + (spans[i].offsetWidth || 14);
      ty = pos[i].y;
    }
  }
  function build() {
    var i, s;
    for (i = 0; i < text.length; i++) {
      s = document.createElement('span');
      s.textContent = text.charAt(i);
      s.style.cssText = 'position:fixed;z-index:9999;pointer-events:none;font-weight:bold;';
      s.style.color = color;
      s.style.fontSize = size;
      document.body.appendChild(s);
      spans.push(s);
      pos.push({ x: mx, y: my });
    }
    setInterval(step, 30);
  }
  window.qzWordFollow = function (e) {
    if (!e) { return; }
    mx = e.clientX + 10;
    my = e.clientY + 10;
    if (!spans.length && text && document.body) { build(); }
  };
"""),
    ),
    dict(
        txt="鼠标星星拖尾",
        help="移动鼠标时,指针后面留下一串慢慢落下并消失的星星(使用body的onmousemove事件)。\n"
             "参数:星星颜色、星星字符(如\u2605、\u2606、*),以及同时可见的星星数量。",
        params=[("colour", "星星颜色", "#FFCC00"), ("text", "星星字符", "\u2605"), ("number", "星星数量", "12")],
        events=[("onmousemove", "qzStarTrail(event)")],
        script=script(r"""
  var color = `{{1}}`, ch = `{{2}}`, count = parseInt(`{{3}}`, 10) || 12;
  var pool = [], next = 0;
  window.qzStarTrail = function (e) {
    var i, s;
    if (!e || !document.body) { return; }
    if (!pool.length) {
      for (i = 0; i < count; i++) {
        s = document.createElement('span');
        s.textContent = ch || '*';
        s.style.cssText = 'position:fixed;z-index:9999;pointer-events:none;opacity:0;font-size:14px;';
        s.style.color = color;
        document.body.appendChild(s);
        pool.push(s);
      }
    }
    s = pool[next];
    next = (next + 1) % pool.length;
    s.style.transition = 'none';
    s.style.left = e.clientX + 'px';
    s.style.top = e.clientY + 'px';
    s.style.opacity = '1';
    s.style.transform = 'translateY(0)';
    s.getBoundingClientRect();
    s.style.transition = 'opacity 0.8s, transform 0.8s';
    s.style.opacity = '0';
    s.style.transform = 'translateY(24px)';
  };
"""),
    ),
    dict(
        txt="雪花飘落",
        help="满屏雪花从上往下飘落,左右轻轻摇摆,不影响点击网页内容。\n"
             "参数:雪花颜色(白色背景的网页请选浅蓝等颜色)、雪花字符,以及雪花数量(数量太多会使较慢的电脑变卡)。",
        params=[("colour", "雪花颜色", "#99CCFF"), ("text", "雪花字符", "*"), ("number", "雪花数量", "30")],
        script=script(r"""
  var color = `{{1}}`, ch = `{{2}}`, count = parseInt(`{{3}}`, 10) || 30;
  function run() {
    var flakes = [], i, f, w = window.innerWidth || 800, h = window.innerHeight || 600;
    for (i = 0; i < count; i++) {
      f = { el: document.createElement('span'), x: Math.random() * w, y: Math.random() * h, v: 1 + Math.random() * 2 };
      f.el.textContent = ch || '*';
      f.el.style.cssText = 'position:fixed;top:0;left:0;z-index:9999;pointer-events:none;';
      f.el.style.color = color;
      f.el.style.fontSize = (10 + Math.floor(Math.random() * 16)) + 'px';
      document.body.appendChild(f.el);
      flakes.push(f);
    }
    setInterval(function () {
      var j, g;
      w = window.innerWidth || w;
      h = window.innerHeight || h;
      for (j = 0; j < flakes.length; j++) {
        g = flakes[j];
        g.y += g.v;
        g.x += Math.sin(g.y / 30) * 0.6;
        if (g.y > h) { g.y = -20; g.x = Math.random() * w; }
        g.el.style.transform = 'translate(' + Math.round(g.x) + 'px,' + Math.round(g.y) + 'px)';
      }
    }, 40);
  }
  """ + READY),
    ),
    dict(
        txt="满天星星闪烁",
        help="在窗口中随机撒下许多小星星,一颗颗忽明忽暗地闪烁,适合深色背景的网页。\n"
             "参数:星星颜色和数量。",
        params=[("colour", "星星颜色", "#FFCC00"), ("number", "星星数量", "40")],
        script=script(r"""
  var color = `{{1}}`, count = parseInt(`{{2}}`, 10) || 40;
  function run() {
    var stars = [], i, s;
    for (i = 0; i < count; i++) {
      s = document.createElement('span');
      s.textContent = '*';
      s.style.cssText = 'position:fixed;z-index:9999;pointer-events:none;transition:opacity 1s;';
      s.style.fontSize = (8 + Math.floor(Math.random() * 10)) + 'px';
      s.style.left = (Math.random() * 100) + '%';
      s.style.top = (Math.random() * 100) + '%';
      s.style.color = color;
      s.style.opacity = String(Math.random());
      document.body.appendChild(s);
      stars.push(s);
    }
    setInterval(function () {
      var t = stars[Math.floor(Math.random() * stars.length)];
      if (t) { t.style.opacity = t.style.opacity > 0.5 ? '0.1' : '1'; }
    }, 100);
  }
  """ + READY),
    ),
    dict(
        txt="气泡上升",
        help="一个个半透明的气泡从窗口底部慢慢升起,升到顶部后重新从底部出现。\n参数:气泡颜色和数量。",
        params=[("colour", "气泡颜色", "#66CCFF"), ("number", "气泡数量", "15")],
        script=script(r"""
  var color = `{{1}}`, count = parseInt(`{{2}}`, 10) || 15;
  function run() {
    var list = [], i, b, d, w = window.innerWidth || 800, h = window.innerHeight || 600;
    for (i = 0; i < count; i++) {
      d = 10 + Math.floor(Math.random() * 30);
      b = { el: document.createElement('div'), x: Math.random() * w, y: Math.random() * h, v: 0.5 + Math.random() * 1.5 };
      b.el.style.cssText = 'position:fixed;left:0;top:0;z-index:9999;pointer-events:none;border-radius:50%;opacity:0.5;';
      b.el.style.width = d + 'px';
      b.el.style.height = d + 'px';
      b.el.style.border = '1px solid ' + (color || '#66CCFF');
      b.el.style.backgroundColor = color;
      document.body.appendChild(b.el);
      list.push(b);
    }
    setInterval(function () {
      var j, c;
      w = window.innerWidth || w;
      h = window.innerHeight || h;
      for (j = 0; j < list.length; j++) {
        c = list[j];
        c.y -= c.v;
        if (c.y < -40) { c.y = h; c.x = Math.random() * w; }
        c.el.style.transform = 'translate(' + Math.round(c.x + Math.sin(c.y / 40) * 10) + 'px,' + Math.round(c.y) + 'px)';
      }
    }, 40);
  }
  """ + READY),
    ),
    dict(
        txt="点击页面飘出文字",
        help="在网页上单击时,单击处飘起一个字词并渐渐消失,依次轮流使用设定的字词(使用body的onclick事件)。\n"
             "参数:字词,用逗号分隔;文字颜色。",
        params=[("text", "字词(逗号分隔)", "赞,好,棒,加油"), ("colour", "文字颜色", "#FF3366")],
        events=[("onclick", "qzClickWord(event)")],
        script=script(r"""
  var words = `{{1}}`.split(/[,\uFF0C]/), color = `{{2}}`, n = 0;
  window.qzClickWord = function (e) {
    var s, w;
    if (!e || !document.body) { return; }
    w = words[n % words.length];
    n += 1;
    if (!w) { return; }
    s = document.createElement('span');
    s.textContent = w;
    s.style.cssText = 'position:fixed;z-index:9999;pointer-events:none;font-weight:bold;transition:transform 1s, opacity 1s;';
    s.style.color = color;
    s.style.left = e.clientX + 'px';
    s.style.top = (e.clientY - 10) + 'px';
    document.body.appendChild(s);
    s.getBoundingClientRect();
    s.style.transform = 'translateY(-60px)';
    s.style.opacity = '0';
    setTimeout(function () { if (s.parentNode) { s.parentNode.removeChild(s); } }, 1000);
  };
"""),
    ),
    dict(
        txt="背景颜色渐变",
        help="网页背景颜色在两种颜色之间来回平滑渐变。\n"
             "参数:两种颜色(请用颜色按钮选取),以及每变化一步的间隔(毫秒),数值越大变化越慢。",
        params=[("colour", "颜色一", "#FFFFFF"), ("colour", "颜色二", "#CCE8FF"), ("number", "变化间隔(毫秒)", "50")],
        script=script(r"""
  var c1 = `{{1}}`, c2 = `{{2}}`, speed = parseInt(`{{3}}`, 10) || 50;
  function rgb(c, d) {
    var m = /^#?([0-9a-f]{2})([0-9a-f]{2})([0-9a-f]{2})$/i.exec(c);
    return m ? [parseInt(m[1], 16), parseInt(m[2], 16), parseInt(m[3], 16)] : d;
  }
  function run() {
    var a = rgb(c1, [255, 255, 255]), b = rgb(c2, [204, 232, 255]), t = 0, dir = 1;
    setInterval(function () {
      var k, v = [];
      t += dir;
      if (t >= 100 || t <= 0) { dir = -dir; }
      for (k = 0; k < 3; k++) { v.push(Math.round(a[k] + (b[k] - a[k]) * t / 100)); }
      document.body.style.backgroundColor = 'rgb(' + v.join(',') + ')';
    }, speed);
  }
  """ + READY),
    ),
    dict(
        txt="每次打开随机背景颜色",
        help="每次打开网页时,从一组柔和的浅色中随机挑一种作为网页背景颜色。不需要设置参数。",
        script=script(r"""
  var colors = ['#FFF8E7', '#EAF4FF', '#F0FFF0', '#FFF0F5', '#F5F5DC', '#E8F8F5', '#FDF5E6', '#F0F8FF'];
  function run() {
    document.body.style.backgroundColor = colors[Math.floor(Math.random() * colors.length)];
  }
  """ + READY),
    ),
    dict(
        txt="闪烁文字",
        help="在网页顶部显示一行忽隐忽现的醒目文字,常用于公告或最新消息。\n"
             "参数:文字内容、颜色、字号,以及闪烁的间隔(毫秒)。",
        params=[("text", "文字内容", "最新消息:本站已全新改版!"), ("colour", "文字颜色", "#FF0000"),
                ("fontsize", "文字大小", "16pt"), ("number", "闪烁间隔(毫秒)", "500")],
        script=script(r"""
  var text = `{{1}}`, color = `{{2}}`, size = `{{3}}`, speed = parseInt(`{{4}}`, 10) || 500;
  """ + POINTS + r"""
  function run() {
    var p = document.createElement('div');
    p.textContent = text;
    p.style.color = color;
    p.style.fontSize = size;
    p.style.fontWeight = 'bold';
    document.body.insertBefore(p, document.body.firstChild);
    setInterval(function () { p.style.visibility = p.style.visibility === 'hidden' ? 'visible' : 'hidden'; }, speed);
  }
  """ + READY),
    ),
    dict(
        txt="彩虹文字",
        help="在网页顶部显示一行文字,每个字的颜色按彩虹顺序不停流动变化。\n"
             "参数:文字内容、字号和颜色流动的速度(毫秒)。",
        params=[("text", "文字内容", "欢迎光临我的网站"), ("fontsize", "文字大小", "18pt"),
                ("number", "变化间隔(毫秒)", "100")],
        script=script(r"""
  var text = `{{1}}`, size = `{{2}}`, speed = parseInt(`{{3}}`, 10) || 100;
  """ + POINTS + r"""
  function run() {
    var p = document.createElement('div'), spans = [], i, s, shift = 0;
    p.style.fontSize = size;
    p.style.fontWeight = 'bold';
    for (i = 0; i < text.length; i++) {
      s = document.createElement('span');
      s.textContent = text.charAt(i);
      p.appendChild(s);
      spans.push(s);
    }
    document.body.insertBefore(p, document.body.firstChild);
    setInterval(function () {
      var j;
      shift = (shift + 10) % 360;
      for (j = 0; j < spans.length; j++) { spans[j].style.color = 'hsl(' + ((shift + j * 30) % 360) + ',90%,45%)'; }
    }, speed);
  }
  """ + READY),
    ),
    dict(
        txt="滚动公告栏",
        help="在网页顶部放一条公告栏,文字从右向左循环滚动,鼠标移到上面时暂停。\n"
             "参数:公告内容、文字颜色、背景颜色,以及每移动一像素的间隔(毫秒)。",
        params=[("text", "公告内容", "热烈欢迎各位朋友光临本站,有任何建议请给我们留言!"),
                ("colour", "文字颜色", "#FFFFFF"), ("colour", "背景颜色", "#CC0000"), ("number", "移动间隔(毫秒)", "20")],
        script=script(r"""
  var text = `{{1}}`, color = `{{2}}`, back = `{{3}}`, speed = parseInt(`{{4}}`, 10) || 20;
  function run() {
    var bar = document.createElement('div'), line = document.createElement('span'), x = 0, paused = false;
    bar.style.cssText = 'overflow:hidden;white-space:nowrap;position:relative;height:1.6em;line-height:1.6em;';
    bar.style.color = color;
    bar.style.backgroundColor = back;
    line.style.cssText = 'position:absolute;left:0;top:0;';
    line.textContent = text;
    bar.appendChild(line);
    bar.onmouseover = function () { paused = true; };
    bar.onmouseout = function () { paused = false; };
    document.body.insertBefore(bar, document.body.firstChild);
    x = bar.offsetWidth;
    setInterval(function () {
      if (paused) { return; }
      x -= 1;
      if (x < -line.offsetWidth) { x = bar.offsetWidth; }
      line.style.left = x + 'px';
    }, speed);
  }
  """ + READY),
    ),
    dict(
        txt="返回顶部按钮",
        help="页面向下滚动一段后,右下角出现\u201c返回顶部\u201d按钮,点击后回到页面顶部"
             "(使用body的onscroll和onload事件)。\n参数:按钮文字和按钮背景颜色。",
        params=[("text", "按钮文字", "返回顶部"), ("colour", "按钮颜色", "#336699")],
        start="qzTopCheck()",
        events=[("onscroll", "qzTopCheck()")],
        script=script(r"""
  var text = `{{1}}`, back = `{{2}}`, btn = null;
  window.qzTopCheck = function () {
    if (!document.body) { return; }
    if (!btn) {
      btn = document.createElement('div');
      btn.textContent = text || '\u2191';
      btn.style.cssText = 'position:fixed;right:20px;bottom:20px;z-index:9999;padding:6px 10px;color:#FFFFFF;cursor:pointer;border-radius:4px;display:none;';
      btn.style.backgroundColor = back || '#336699';
      btn.onclick = function () { window.scrollTo(0, 0); };
      document.body.appendChild(btn);
    }
    btn.style.display = (window.pageYOffset || document.documentElement.scrollTop || 0) > 200 ? 'block' : 'none';
  };
"""),
    ),
    dict(
        txt="禁止鼠标右键",
        help="在网页上单击鼠标右键时不弹出菜单,改为显示一句提示(使用body的oncontextmenu事件)。"
             "提示文字留空则只屏蔽菜单、不提示。注意:这只能防止一般浏览者随手复制,不能真正保护网页内容。",
        params=[("text", "提示文字", "本站内容受版权保护,谢谢合作!")],
        events=[("oncontextmenu", "return qzNoMenu()")],
        script=script(r"""
  var tip = `{{1}}`;
  window.qzNoMenu = function () {
    if (tip) { alert(tip); }
    return false;
  };
"""),
    ),
    dict(
        txt="禁止选择和复制文字",
        help="使浏览者不能用鼠标选中、拖动和复制网页中的文字(使用body的onselectstart、ondragstart、oncopy事件),"
             "复制时可给出提示;文本框里仍可正常输入。提示文字留空则不提示。",
        params=[("text", "复制时的提示", "本页文字不允许复制。")],
        events=[("onselectstart", "return qzNoSelect(event)"), ("ondragstart", "return false"),
                ("oncopy", "return qzNoCopy()")],
        script=script(r"""
  var tip = `{{1}}`;
  window.qzNoSelect = function (e) {
    var t = e && e.target, tag = t && t.tagName ? t.tagName.toLowerCase() : '';
    return tag === 'input' || tag === 'textarea';
  };
  window.qzNoCopy = function () {
    if (tip) { alert(tip); }
    return false;
  };
  function run() { document.body.style.userSelect = 'none'; }
  """ + READY),
    ),
    dict(
        txt="页面渐显",
        help="网页打开时先是空白,载入完成后整页从透明慢慢显现(使用body的onload事件);"
             "即使页面载入很慢,三秒后也会显示出来。\n参数:显现所用的时间(毫秒)。",
        params=[("number", "渐显时间(毫秒)", "800")],
        start="qzFadeIn()",
        script=script(r"""
  var time = parseInt(`{{1}}`, 10) || 800, root = document.documentElement, done = false;
  root.style.opacity = '0';
  window.qzFadeIn = function () {
    if (done) { return; }
    done = true;
    root.style.transition = 'opacity ' + time + 'ms';
    root.style.opacity = '1';
  };
  setTimeout(window.qzFadeIn, 3000);
"""),
    ),
    dict(
        txt="按时段显示问候语",
        help="在网页顶部按浏览者电脑上的时间显示问候语,如\u201c早上好\u201d\u201c下午好\u201d\u201c晚上好\u201d,后面跟上称呼。\n"
             "参数:称呼和文字颜色。",
        params=[("text", "称呼", "朋友"), ("colour", "文字颜色", "#CC6600")],
        script=script(r"""
  var who = `{{1}}`, color = `{{2}}`;
  function run() {
    var h = new Date().getHours(), p = document.createElement('div'), hello;
    if (h < 5) { hello = '夜深了,注意休息'; }
    else if (h < 9) { hello = '早上好'; }
    else if (h < 12) { hello = '上午好'; }
    else if (h < 14) { hello = '中午好'; }
    else if (h < 18) { hello = '下午好'; }
    else { hello = '晚上好'; }
    p.textContent = hello + (who ? ',' + who : '') + '!';
    p.style.color = color;
    document.body.insertBefore(p, document.body.firstChild);
  }
  """ + READY),
    ),
    dict(
        txt="显示页面停留时间",
        help="在网页左下角显示浏览者已在本页停留的时间,每秒更新。\n参数:提示文字和文字颜色。",
        params=[("text", "提示文字", "您已在本页停留"), ("colour", "文字颜色", "#666666")],
        script=script(r"""
  var label = `{{1}}`, color = `{{2}}`, begin = new Date().getTime();
  function run() {
    var box = document.createElement('div');
    box.style.cssText = 'position:fixed;left:10px;bottom:10px;z-index:9999;font-size:12px;';
    box.style.color = color;
    document.body.appendChild(box);
    function tick() {
      var s = Math.floor((new Date().getTime() - begin) / 1000);
      box.textContent = label + ' ' + (s >= 60 ? Math.floor(s / 60) + '分' : '') + (s % 60) + '秒';
    }
    tick();
    setInterval(tick, 1000);
  }
  """ + READY),
    ),
    dict(
        txt="节日倒计时",
        help="在网页顶部显示距离某个日子还有几天几小时几分几秒,每秒更新;日子到了以后显示\u201c已经到了\u201d。\n"
             "参数:目标日期,写成\u201c年/月/日\u201d(如2027/1/1),也可加上时间(如2027/1/1 08:00);事件名称、颜色和字号。",
        params=[("text", "目标日期(年/月/日)", "2027/1/1"), ("text", "事件名称", "新年"),
                ("colour", "文字颜色", "#CC0000"), ("fontsize", "文字大小", "14pt")],
        script=script(r"""
  var when = `{{1}}`, name = `{{2}}`, color = `{{3}}`, size = `{{4}}`;
  """ + POINTS + r"""
  function run() {
    var target = new Date(when.replace(/-/g, '/')).getTime(), p = document.createElement('div'), timer = 0;
    if (isNaN(target)) { return; }
    p.style.color = color;
    p.style.fontSize = size;
    document.body.insertBefore(p, document.body.firstChild);
    function tick() {
      var s = Math.floor((target - new Date().getTime()) / 1000);
      if (s <= 0) { p.textContent = name + '已经到了!'; clearInterval(timer); return; }
      p.textContent = '距离' + name + '还有' + Math.floor(s / 86400) + '天' + Math.floor(s % 86400 / 3600) + '小时' +
        Math.floor(s % 3600 / 60) + '分' + (s % 60) + '秒';
    }
    tick();
    timer = setInterval(tick, 1000);
  }
  """ + READY),
    ),
    dict(
        txt="定时跳转网页",
        help="网页顶部显示\u201c本页将在N秒后跳转\u201d的倒计时,时间到后自动打开另一个网页;"
             "浏览者可以点\u201c立即跳转\u201d或\u201c取消\u201d。常用于网址搬迁的提示页。\n参数:目标网址和等待秒数。",
        params=[("text", "目标网址", "index.html"), ("number", "等待秒数", "10")],
        script=script(r"""
  var url = `{{1}}`, left = parseInt(`{{2}}`, 10) || 10;
  function run() {
    var p = document.createElement('div'), msg = document.createElement('span'), go = document.createElement('a'),
      stop = document.createElement('a'), timer = 0;
    if (!url) { return; }
    go.href = url;
    go.textContent = '立即跳转';
    stop.href = '#';
    stop.textContent = '取消';
    stop.onclick = function () { clearInterval(timer); if (p.parentNode) { p.parentNode.removeChild(p); } return false; };
    p.appendChild(msg);
    p.appendChild(go);
    p.appendChild(document.createTextNode(' '));
    p.appendChild(stop);
    document.body.insertBefore(p, document.body.firstChild);
    function tick() {
      msg.textContent = '本页将在' + left + '秒后跳转到新的网页 ';
      if (left <= 0) { clearInterval(timer); location.href = url; }
      left -= 1;
    }
    tick();
    timer = setInterval(tick, 1000);
  }
  """ + READY),
    ),
    dict(
        txt="图片轮播",
        help="在网页顶部轮流显示三张图片,下方的小圆点可直接切换,鼠标停在图片上时暂停。\n"
             "参数:三张图片(大小最好相同)和切换间隔,间隔的单位是0.1秒(30即3秒)。"
             "默认图片在本程序的qzimg文件夹中,发布时请换成网站上的图片。",
        params=[("picture", "图片一", "slide1.png"), ("picture", "图片二", "slide2.png"),
                ("picture", "图片三", "slide3.png"), ("number", "切换间隔(0.1秒)", "30")],
        script=script(r"""
  var pics = [`{{1}}`, `{{2}}`, `{{3}}`], gap = (parseInt(`{{4}}`, 10) || 30) * 100;
  function run() {
    var box = document.createElement('div'), img = document.createElement('img'), bar = document.createElement('div');
    var dots = [], now = 0, paused = false, i, d;
    pics = pics.filter(function (p) { return p !== ''; });
    if (!pics.length) { return; }
    box.style.cssText = 'display:inline-block;text-align:center;';
    img.alt = '';
    img.style.display = 'block';
    box.appendChild(img);
    box.appendChild(bar);
    function show(n) {
      var k;
      now = (n + pics.length) % pics.length;
      img.src = pics[now];
      for (k = 0; k < dots.length; k++) { dots[k].style.color = k === now ? '#CC0000' : '#999999'; }
    }
    for (i = 0; i < pics.length; i++) {
      d = document.createElement('span');
      d.textContent = '\u25CF';
      d.style.cssText = 'cursor:pointer;margin:0 3px;';
      d.onclick = (function (n) { return function () { show(n); }; })(i);
      bar.appendChild(d);
      dots.push(d);
    }
    box.onmouseover = function () { paused = true; };
    box.onmouseout = function () { paused = false; };
    document.body.insertBefore(box, document.body.firstChild);
    show(0);
    setInterval(function () { if (!paused) { show(now + 1); } }, gap);
  }
  """ + READY),
    ),
    dict(
        txt="随机背景图片",
        help="每次打开网页时,从两张图片中随机选一张作为网页的平铺背景。\n"
             "参数:两张背景图片。默认图片在本程序的qzimg文件夹中,发布时请换成网站上的图片。",
        params=[("picture", "背景图片一", "bg1.png"), ("picture", "背景图片二", "bg2.png")],
        script=script(r"""
  var pics = [`{{1}}`, `{{2}}`];
  function run() {
    var p = pics[Math.floor(Math.random() * pics.length)] || pics[0];
    if (p) { document.body.style.backgroundImage = 'url("' + p.replace(/"/g, '%22') + '")'; }
  }
  """ + READY),
    ),
    dict(
        txt="随机显示一句名言",
        help="每次打开网页时,在网页顶部随机显示一句名言或格言。\n"
             "参数:名言,多句之间用竖线\u201c|\u201d分隔;文字颜色。",
        params=[("text", "名言(用|分隔)", "学而不思则罔,思而不学则殆。|千里之行,始于足下。|"
                                             "知之者不如好之者,好之者不如乐之者。|业精于勤,荒于嬉。"),
                ("colour", "文字颜色", "#336699")],
        script=script(r"""
  var list = `{{1}}`.split('|'), color = `{{2}}`;
  function run() {
    var s = list[Math.floor(Math.random() * list.length)], p;
    if (!s) { return; }
    p = document.createElement('div');
    p.textContent = s;
    p.style.color = color;
    p.style.fontStyle = 'italic';
    document.body.insertBefore(p, document.body.firstChild);
  }
  """ + READY),
    ),
    dict(
        txt="双击页面抖动",
        help="在网页上双击时,整个页面左右抖动半秒(使用body的ondblclick事件)。\n参数:抖动的幅度(像素)。",
        params=[("number", "抖动幅度(像素)", "10")],
        events=[("ondblclick", "qzShake()")],
        script=script(r"""
  var size = parseInt(`{{1}}`, 10) || 10, busy = false;
  window.qzShake = function () {
    var n = 0, b = document.body, timer;
    if (busy || !b) { return; }
    busy = true;
    timer = setInterval(function () {
      n += 1;
      b.style.transform = n >= 10 ? '' : 'translate(' + (n % 2 ? size : -size) + 'px,0)';
      if (n >= 10) { clearInterval(timer); busy = false; }
    }, 50);
  };
"""),
    ),
    dict(
        txt="文字大小调节按钮",
        help="在网页右上角放\u201c放大\u201d\u201c缩小\u201d\u201c还原\u201d三个按钮,浏览者可自行调整正文文字大小。\n"
             "参数:正文的初始字号。",
        params=[("fontsize", "初始字号", "12pt")],
        script=script(r"""
  var size = `{{1}}`;
  """ + POINTS + r"""
  function run() {
    var base = parseFloat(size) || 12, unit = size.replace(/^[\d.]+/, '') || 'pt', now = base;
    var bar = document.createElement('div'), names = ['放大', '缩小', '还原'], steps = [1, -1, 0], i, b;
    document.body.style.fontSize = base + unit;
    bar.style.cssText = 'position:fixed;right:10px;top:40px;z-index:9999;font-size:12px;';
    for (i = 0; i < names.length; i++) {
      b = document.createElement('button');
      b.type = 'button';
      b.textContent = names[i];
      b.onclick = (function (step) {
        return function () {
          now = step ? Math.max(6, Math.min(72, now + step * 2)) : base;
          document.body.style.fontSize = now + unit;
        };
      })(steps[i]);
      bar.appendChild(b);
    }
    document.body.appendChild(bar);
  }
  """ + READY),
    ),
    dict(
        txt="护眼模式切换按钮",
        help="在网页右下角放一个按钮,点一下把网页背景换成柔和的护眼颜色,再点一下恢复原样。\n"
             "参数:护眼背景颜色(常用豆沙绿#C7EDCC)和按钮文字。",
        params=[("colour", "护眼背景颜色", "#C7EDCC"), ("text", "按钮文字", "护眼模式")],
        script=script(r"""
  var eye = `{{1}}`, text = `{{2}}`;
  function run() {
    var b = document.createElement('button'), on = false, old = '';
    b.type = 'button';
    b.textContent = text || '护眼模式';
    b.style.cssText = 'position:fixed;right:10px;bottom:60px;z-index:9999;';
    b.onclick = function () {
      on = !on;
      if (on) { old = document.body.style.backgroundColor; }
      document.body.style.backgroundColor = on ? (eye || '#C7EDCC') : old;
    };
    document.body.appendChild(b);
  }
  """ + READY),
    ),
    dict(
        txt="离开页面时改变标题",
        help="浏览者切换到别的标签页时,本页的标题变成一句招呼的话;回到本页时恢复原来的标题。\n"
             "参数:离开时显示的标题。",
        params=[("text", "离开时的标题", "快回来看看吧!")],
        script=script(r"""
  var away = `{{1}}`, title = document.title;
  document.addEventListener('visibilitychange', function () {
    if (document.hidden) {
      title = document.title;
      if (away) { document.title = away; }
    } else {
      document.title = title;
    }
  });
"""),
    ),
    dict(
        txt="本月日历",
        help="在网页顶部显示本月的月历,今天的日期用另一种颜色标出。\n参数:标题和星期栏的颜色、今天的颜色。",
        params=[("colour", "标题颜色", "#336699"), ("colour", "今天的颜色", "#FF6600")],
        script=script(r"""
  var head = `{{1}}`, mark = `{{2}}`;
  function run() {
    var d = new Date(), y = d.getFullYear(), m = d.getMonth(), today = d.getDate();
    var first = new Date(y, m, 1).getDay(), days = new Date(y, m + 1, 0).getDate();
    var t = document.createElement('table'), row, cell, i, day;
    t.style.cssText = 'border-collapse:collapse;text-align:center;font-size:12px;';
    row = t.insertRow(-1);
    cell = row.insertCell(-1);
    cell.colSpan = 7;
    cell.textContent = y + '年' + (m + 1) + '月';
    cell.style.color = head;
    cell.style.fontWeight = 'bold';
    row = t.insertRow(-1);
    for (i = 0; i < 7; i++) {
      cell = row.insertCell(-1);
      cell.textContent = '日一二三四五六'.charAt(i);
      cell.style.color = head;
    }
    for (i = 0; i < first + days; i++) {
      if (i % 7 === 0) { row = t.insertRow(-1); }
      cell = row.insertCell(-1);
      cell.style.padding = '1px 4px';
      day = i - first + 1;
      if (day > 0) {
        cell.textContent = day;
        if (day === today) { cell.style.color = '#FFFFFF'; cell.style.backgroundColor = mark || '#FF6600'; }
      }
    }
    document.body.insertBefore(t, document.body.firstChild);
  }
  """ + READY),
    ),
    dict(
        txt="页面载入进度条",
        help="网页打开时顶部出现一条逐渐变长的细进度条,页面全部载入(包括图片)后走满并消失(使用body的onload事件)。\n"
             "参数:进度条颜色。",
        params=[("colour", "进度条颜色", "#33AA33")],
        start="qzLoadDone()",
        script=script(r"""
  var color = `{{1}}`, bar = document.createElement('div'), width = 0, timer = 0;
  bar.style.cssText = 'position:fixed;left:0;top:0;height:3px;width:0;z-index:10000;transition:width 0.3s, opacity 0.5s;';
  bar.style.backgroundColor = color || '#33AA33';
  (document.body || document.documentElement).appendChild(bar);
  timer = setInterval(function () {
    width += (90 - width) / 10;
    bar.style.width = width + '%';
  }, 200);
  window.qzLoadDone = function () {
    clearInterval(timer);
    bar.style.width = '100%';
    setTimeout(function () { bar.style.opacity = '0'; }, 300);
    setTimeout(function () { if (bar.parentNode) { bar.parentNode.removeChild(bar); } }, 900);
  };
"""),
    ),
    dict(
        txt="显示屏幕和浏览器信息",
        help="在网页顶部显示浏览者的屏幕分辨率、浏览器窗口大小和浏览器语言,窗口大小随调整而更新。不需要设置参数。",
        script=script(r"""
  function run() {
    var p = document.createElement('div');
    p.style.fontSize = '12px';
    p.style.color = '#666666';
    function show() {
      p.textContent = '屏幕分辨率:' + screen.width + '\u00D7' + screen.height + ' 窗口大小:' + window.innerWidth +
        '\u00D7' + window.innerHeight + ' 浏览器语言:' + (navigator.language || '未知');
    }
    show();
    window.addEventListener('resize', show);
    document.body.insertBefore(p, document.body.firstChild);
  }
  """ + READY),
    ),
    dict(
        txt="全屏浏览按钮",
        help="在网页右下角放一个按钮,点击后网页全屏显示,再点一次或按Esc键退出全屏。\n参数:按钮文字。",
        params=[("text", "按钮文字", "全屏浏览")],
        script=script(r"""
  var text = `{{1}}`;
  function run() {
    var b = document.createElement('button'), root = document.documentElement;
    if (!root.requestFullscreen) { return; }
    b.type = 'button';
    b.textContent = text || '全屏浏览';
    b.style.cssText = 'position:fixed;right:10px;bottom:100px;z-index:9999;';
    b.onclick = function () {
      var done;
      if (document.fullscreenElement) { done = document.exitFullscreen(); } else { done = root.requestFullscreen(); }
      if (done && done.catch) { done.catch(function () {}); }
    };
    document.body.appendChild(b);
  }
  """ + READY),
    ),
    dict(
        txt="鼠标经过链接变色",
        help="鼠标移到网页中的任何链接上时,链接文字和背景换成设定的颜色并去掉下划线,移开后恢复。\n"
             "参数:悬停时的文字颜色和背景颜色。",
        params=[("colour", "文字颜色", "#FF6600"), ("colour", "背景颜色", "#FFFFCC")],
        script=script(r"""
  var color = `{{1}}`, back = `{{2}}`;
  var css = 'a:hover{text-decoration:none;' + (color ? 'color:' + color + ';' : '') +
    (back ? 'background-color:' + back + ';' : '') + '}';
  var st = document.createElement('style');
  st.textContent = css;
  (document.head || document.body || document.documentElement).appendChild(st);
"""),
    ),
]
