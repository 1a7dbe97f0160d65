r"""Element effects of the "设置特效" picker.

`name` is markup that ends up right after the page's body tag, i.e. before the element it acts on, so every script
waits for the page (or for the body's onload, through `load`) before it looks the element up, and does nothing
when the element is missing. "qz**" becomes the element's id and "qz@@" the derived identifier (the id followed by
1781); window['qz@@'] marks an effect as started (or, with `load`, holds its start function) so that it never
runs twice, and the id is written only inside quoted strings, so ids with characters such as "-" work too.
"""

READY = "if (document.readyState === 'loading') { document.addEventListener('DOMContentLoaded', run); } else { run(); }"
LOAD = "if(window['qz@@']){window['qz@@']();}"


def auto(body):
    """An effect that starts by itself once the page is parsed; `el` is the element."""
    return ('<script type="text/javascript">\n(function () {\n  function run() {\n'
            "    var el = document.getElementById('qz**');\n"
            "    if (!el || window['qz@@']) { return; }\n"
            "    window['qz@@'] = true;\n"
            + body.strip("\n") + "\n  }\n  " + READY + "\n})();\n</script>")


def onload(body):
    """An effect started by the body's onload: window['qz@@'] is the start function."""
    return ('<script type="text/javascript">\n(function () {\n  var started = false;\n'
            "  window['qz@@'] = function () {\n"
            "    var el = document.getElementById('qz**');\n"
            "    if (!el || started) { return; }\n"
            "    started = true;\n"
            + body.strip("\n") + "\n  };\n})();\n</script>")


EFFECTS = [
    dict(txt="闪烁", name=auto(r"""
    setInterval(function () { el.style.visibility = el.style.visibility === 'hidden' ? 'visible' : 'hidden'; }, 500);
""")),
    dict(txt="呼吸式渐隐渐显", name=auto(r"""
    var t = 0;
    setInterval(function () {
      t += 0.05;
      el.style.opacity = (0.55 + 0.45 * Math.cos(t)).toFixed(2);
    }, 40);
""")),
    dict(txt="鼠标经过时放大", name=auto(r"""
    el.style.transition = 'transform 0.3s';
    if (getComputedStyle(el).display === 'inline') { el.style.display = 'inline-block'; }
    el.addEventListener('mouseenter', function () { el.style.transform = 'scale(1.15)'; });
    el.addEventListener('mouseleave', function () { el.style.transform = ''; });
""")),
    dict(txt="鼠标经过时变亮(平时半透明)", name=auto(r"""
    el.style.transition = 'opacity 0.3s';
    el.style.opacity = '0.6';
    el.addEventListener('mouseenter', function () { el.style.opacity = '1'; });
    el.addEventListener('mouseleave', function () { el.style.opacity = '0.6'; });
""")),
    dict(txt="文字颜色循环变化", name=auto(r"""
    var hue = 0;
    setInterval(function () {
      hue = (hue + 5) % 360;
      el.style.color = 'hsl(' + hue + ',90%,45%)';
    }, 80);
""")),
    dict(txt="背景颜色循环变化", name=auto(r"""
    var hue = 0;
    setInterval(function () {
      hue = (hue + 2) % 360;
      el.style.backgroundColor = 'hsl(' + hue + ',70%,85%)';
    }, 60);
""")),
    dict(txt="左右来回移动", name=auto(r"""
    var t = 0;
    if (getComputedStyle(el).display === 'inline') { el.style.display = 'inline-block'; }
    setInterval(function () {
      t += 0.04;
      el.style.transform = 'translateX(' + Math.round(60 * Math.sin(t)) + 'px)';
    }, 30);
""")),
    dict(txt="上下跳动", name=auto(r"""
    var t = 0;
    if (getComputedStyle(el).display === 'inline') { el.style.display = 'inline-block'; }
    setInterval(function () {
      t += 0.15;
      el.style.transform = 'translateY(' + Math.round(-15 * Math.abs(Math.sin(t))) + 'px)';
    }, 30);
""")),
    dict(txt="鼠标经过时抖动", name=auto(r"""
    var busy = false;
    if (getComputedStyle(el).display === 'inline') { el.style.display = 'inline-block'; }
    el.addEventListener('mouseenter', function () {
      var n = 0, timer;
      if (busy) { return; }
      busy = true;
      timer = setInterval(function () {
        n += 1;
        el.style.transform = n >= 8 ? '' : 'translateX(' + (n % 2 ? 4 : -4) + 'px)';
        if (n >= 8) { clearInterval(timer); busy = false; }
      }, 40);
    });
""")),
    dict(txt="不停旋转", name=auto(r"""
    var deg = 0;
    if (getComputedStyle(el).display === 'inline') { el.style.display = 'inline-block'; }
    setInterval(function () {
      deg = (deg + 3) % 360;
      el.style.transform = 'rotate(' + deg + 'deg)';
    }, 30);
""")),
    dict(txt="边框颜色闪烁", name=auto(r"""
    var on = false;
    el.style.border = '2px solid #FF0000';
    setInterval(function () {
      on = !on;
      el.style.borderColor = on ? '#FFCC00' : '#FF0000';
    }, 400);
""")),
    dict(txt="阴影光晕呼吸", name=auto(r"""
    var t = 0;
    setInterval(function () {
      t += 0.08;
      el.style.boxShadow = '0 0 ' + Math.round(4 + 10 * (1 + Math.sin(t))) + 'px #3399FF';
    }, 40);
""")),
    dict(txt="随页面滚动漂浮", name=auto(r"""
    var y = 0, home = el.getBoundingClientRect().top + (window.pageYOffset || 0);
    el.style.position = 'relative';
    setInterval(function () {
      var top = window.pageYOffset || document.documentElement.scrollTop || 0;
      var want = Math.max(0, top + 10 - home);
      y += (want - y) / 8;
      el.style.top = Math.round(y) + 'px';
    }, 30);
""")),
    dict(txt="可用鼠标拖动", name=auto(r"""
    var dx = 0, dy = 0, sx = 0, sy = 0, drag = false;
    el.style.position = 'relative';
    el.style.cursor = 'move';
    el.addEventListener('mousedown', function (e) {
      drag = true;
      sx = e.clientX - dx;
      sy = e.clientY - dy;
      e.preventDefault();
    });
    document.addEventListener('mousemove', function (e) {
      if (!drag) { return; }
      dx = e.clientX - sx;
      dy = e.clientY - sy;
      el.style.left = dx + 'px';
      el.style.top = dy + 'px';
    });
    document.addEventListener('mouseup', function () { drag = false; });
""")),
    dict(txt="单击后渐渐消失", name=auto(r"""
    el.style.transition = 'opacity 0.8s';
    el.style.cursor = 'pointer';
    el.addEventListener('click', function () {
      el.style.opacity = '0';
      setTimeout(function () { el.style.visibility = 'hidden'; }, 800);
    });
""")),
    dict(txt="载入后渐渐显现", load=LOAD, name=onload(r"""
    el.style.opacity = '0';
    el.getBoundingClientRect();
    el.style.transition = 'opacity 1.5s';
    el.style.opacity = '1';
""")),
    dict(txt="载入后从左侧飞入", load=LOAD, name=onload(r"""
    if (getComputedStyle(el).display === 'inline') { el.style.display = 'inline-block'; }
    el.style.transform = 'translateX(-' + (window.innerWidth || 800) + 'px)';
    el.getBoundingClientRect();
    el.style.transition = 'transform 1s ease-out';
    el.style.transform = 'translateX(0)';
""")),
    dict(txt="载入后逐字打出文字", load=LOAD, name=onload(r"""
    var text = el.textContent || '', i = 0, timer;
    el.textContent = '';
    timer = setInterval(function () {
      if (i >= text.length) { clearInterval(timer); return; }
      i += 1;
      el.textContent = text.substring(0, i);
    }, 120);
""")),
]
