'use strict';
// A small browser stand-in for running the tag database's scripts under Node: enough DOM, window and timers
// for the effects to run their whole life (parse, DOMContentLoaded, onload, events, many timer ticks) and
// throw exactly where a browser would throw. Every page gets a fresh context.
//
// Reads a JSON array of cases on stdin, prints one line per failing case and a summary; exit status 1 on failure.
// A case: { name, kind: 'page'|'element'|'statement', ... } (see runCase).

const vm = require('vm');

function makeStyle(log) {
    const store = {};
    return new Proxy(store, {
        get(o, k) {
            if (typeof k !== 'string') return undefined;
            return k in o ? o[k] : '';
        },
        set(o, k, v) {
            o[k] = String(v);
            log.touch++;
            return true;
        },
    });
}

function makePage(opts) {
    const log = { touch: 0, calls: [] };
    const listeners = new Map(); // target -> type -> [fn]
    let nextTimer = 1;
    const timers = new Map();
    let now = 0;

    function on(target, type, fn) {
        if (typeof fn !== 'function') throw new TypeError('listener is not a function');
        if (!listeners.has(target)) listeners.set(target, new Map());
        const m = listeners.get(target);
        if (!m.has(type)) m.set(type, []);
        m.get(type).push(fn);
        log.touch++;
    }
    function off(target, type, fn) {
        const l = listeners.get(target) && listeners.get(target).get(type);
        if (l && l.indexOf(fn) >= 0) l.splice(l.indexOf(fn), 1);
    }
    function fire(target, type, ev) {
        const l = listeners.get(target) && listeners.get(target).get(type);
        if (l) for (const fn of l.slice()) fn.call(target, ev);
        const prop = target['on' + type];
        if (typeof prop === 'function') prop.call(target, ev);
    }

    const INLINE = new Set(['span', 'a', 'img', 'b', 'i', 'em', 'strong', 'font', 'input', 'button', 'label']);

    class Node {
        constructor(doc) { this.ownerDocument = doc; this.parentNode = null; this.childNodes = []; }
        get firstChild() { return this.childNodes[0] || null; }
        get children() { return this.childNodes.filter((c) => c instanceof Element); }
        appendChild(c) { return this.insertBefore(c, null); }
        insertBefore(c, ref) {
            if (!(c instanceof Node)) throw new TypeError("Failed to execute 'insertBefore': parameter 1 is not of type 'Node'.");
            if (c.parentNode) c.parentNode.removeChild(c);
            const i = ref === null || ref === undefined ? this.childNodes.length : this.childNodes.indexOf(ref);
            if (i < 0) throw new Error('NotFoundError: the node before which to insert is not a child');
            this.childNodes.splice(i, 0, c);
            c.parentNode = this;
            log.touch++;
            return c;
        }
        removeChild(c) {
            const i = this.childNodes.indexOf(c);
            if (i < 0) throw new Error('NotFoundError: the node to be removed is not a child');
            this.childNodes.splice(i, 1);
            c.parentNode = null;
            log.touch++;
            return c;
        }
        get textContent() { return this.childNodes.map((c) => c.textContent).join(''); }
        set textContent(v) {
            this.childNodes = [];
            if (v !== '' && v !== null && v !== undefined) this.appendChild(new Text(this.ownerDocument, String(v)));
            log.touch++;
        }
        addEventListener(type, fn) { on(this, type, fn); }
        removeEventListener(type, fn) { off(this, type, fn); }
    }
    class Text extends Node {
        constructor(doc, s) { super(doc); this.data = s; }
        get textContent() { return this.data; }
        set textContent(v) { this.data = String(v); log.touch++; }
    }
    class Element extends Node {
        constructor(doc, tag) {
            super(doc);
            this.tagName = tag.toUpperCase();
            this.style = makeStyle(log);
            this.attrs = {};
            this.id = '';
            if (this.tagName === 'TABLE') this.rows = [];
            if (this.tagName === 'TR') this.cells = [];
        }
        get innerHTML() { return this.textContent; }
        set innerHTML(v) { this.textContent = String(v).replace(/<[^>]*>/g, ''); }
        get offsetWidth() { return this.parentNode ? 100 : 0; }
        get offsetHeight() { return this.parentNode ? 20 : 0; }
        getBoundingClientRect() { return { left: 0, top: 50, right: this.offsetWidth, bottom: 50 + this.offsetHeight, width: this.offsetWidth, height: this.offsetHeight }; }
        setAttribute(k, v) { this.attrs[k] = String(v); if (k === 'id') this.id = String(v); log.touch++; }
        getAttribute(k) { return k in this.attrs ? this.attrs[k] : null; }
        focus() { log.calls.push('focus'); }
        blur() { log.calls.push('blur'); }
        click() { fire(this, 'click', makeEvent(this)); }
        scrollIntoView() { log.calls.push('scrollIntoView'); }
        insertRow(i) {
            if (!this.rows) throw new TypeError('insertRow is not a function');
            const r = new Element(this.ownerDocument, 'tr');
            this.rows.splice(i < 0 ? this.rows.length : i, 0, r);
            this.appendChild(r);
            return r;
        }
        insertCell(i) {
            if (!this.cells) throw new TypeError('insertCell is not a function');
            const c = new Element(this.ownerDocument, 'td');
            this.cells.splice(i < 0 ? this.cells.length : i, 0, c);
            this.appendChild(c);
            return c;
        }
        requestFullscreen() { log.calls.push('requestFullscreen'); return Promise.resolve(); }
        get src() { return this.attrs.src || ''; }
        set src(v) { this.setAttribute('src', v); }
        get className() { return this.attrs.class || ''; }
        set className(v) { this.setAttribute('class', v); }
        get href() { return this.attrs.href || ''; }
        set href(v) { this.setAttribute('href', v); }
    }
    class Input extends Element {
        constructor(doc, tag) { super(doc, tag); this.attrs.value = ''; this.form = null; }
        get value() { return this.attrs.value; }
        set value(v) { this.setAttribute('value', v); }
        select() { log.calls.push('select'); }
    }
    class Form extends Element {
        submit() { log.calls.push('submit'); }
        reset() { log.calls.push('reset'); }
    }

    const document = new Node(null);
    document.ownerDocument = document;
    document.readyState = 'loading';
    document.hidden = false;
    document.fullscreenElement = null;
    document.exitFullscreen = () => { log.calls.push('exitFullscreen'); return Promise.resolve(); };
    let title = '';
    Object.defineProperty(document, 'title', { get: () => title, set: (v) => { title = String(v); log.touch++; } });
    document.createElement = (tag) => {
        const t = String(tag).toLowerCase();
        if (t === 'input' || t === 'textarea') return new Input(document, t);
        if (t === 'form') return new Form(document, t);
        return new Element(document, t);
    };
    document.createTextNode = (s) => new Text(document, String(s));
    const html = document.createElement('html');
    const head = document.createElement('head');
    const body = document.createElement('body');
    document.appendChild(html);
    html.appendChild(head);
    html.appendChild(body);
    document.documentElement = html;
    document.head = head;
    document.body = body;
    function walk(n, f) { f(n); for (const c of n.childNodes) walk(c, f); }
    document.getElementById = (id) => {
        let found = null;
        walk(html, (n) => { if (!found && n instanceof Element && n.id === String(id)) found = n; });
        return found;
    };
    document.forms = new Proxy({}, {
        get(o, k) {
            let f;
            walk(html, (n) => { if (!f && n instanceof Form && (n.id === k || n.attrs.name === k)) f = n; });
            return f;
        },
    });

    function makeEvent(target, x, y) {
        return {
            target, clientX: x || 0, clientY: y || 0, pageX: x || 0, pageY: y || 0, button: 0,
            preventDefault() { this.defaultPrevented = true; }, stopPropagation() {},
        };
    }

    const window = {
        innerWidth: 1024, innerHeight: 700, pageYOffset: 0, scrollY: 0, closed: false, opener: null,
        document, screen: { width: 1920, height: 1080 },
        navigator: {
            language: 'zh-CN', userAgent: 'fakedom',
            clipboard: { writeText(t) { log.calls.push('clipboard ' + t); return Promise.resolve(); } },
        },
        location: {
            get href() { return 'file:///tmp/page.html'; },
            set href(u) { log.calls.push('go to ' + u); },
            replace(u) { log.calls.push('replace ' + u); },
            reload() { log.calls.push('reload'); },
        },
        history: { back() { log.calls.push('back'); }, forward() { log.calls.push('forward'); }, go(n) { log.calls.push('go ' + n); } },
        console: { log(...a) { log.calls.push('log ' + a.join(' ')); }, error() {}, warn() {} },
        alert(s) { log.calls.push('alert ' + s); },
        confirm(s) { log.calls.push('confirm ' + s); return true; },
        prompt(s, d) { log.calls.push('prompt ' + s); return d === undefined ? '' : String(d); },
        open(u, n, f) { log.calls.push('open ' + [u, n, f].join('|')); return { focus() { log.calls.push('focus window'); }, closed: false }; },
        close() { log.calls.push('close'); },
        print() { log.calls.push('print'); },
        scrollTo(x, y) {
            if (typeof x === 'object') { y = x.top; }
            if (arguments.length < 1) throw new TypeError('scrollTo needs arguments');
            window.pageYOffset = window.scrollY = Number(y) || 0;
            log.calls.push('scrollTo');
        },
        scrollBy(x, y) { window.pageYOffset = window.scrollY = Math.max(0, window.pageYOffset + (Number(y) || 0)); log.calls.push('scrollBy'); },
        getComputedStyle(el) {
            if (!(el instanceof Element)) throw new TypeError("Failed to execute 'getComputedStyle': parameter 1 is not of type 'Element'.");
            return { display: el.style.display || (INLINE.has(el.tagName.toLowerCase()) ? 'inline' : 'block') };
        },
        setTimeout(fn, ms) { return addTimer(fn, ms, false); },
        setInterval(fn, ms) { return addTimer(fn, ms, true); },
        clearTimeout(id) { timers.delete(id); log.calls.push('clearTimer'); },
        clearInterval(id) { timers.delete(id); log.calls.push('clearTimer'); },
        requestAnimationFrame(fn) { return addTimer(() => fn(now), 16, false); },
        addEventListener(type, fn) { on(window, type, fn); },
        removeEventListener(type, fn) { off(window, type, fn); },
        Date: makeDate(() => now),
    };
    window.window = window;
    window.self = window;
    document.defaultView = window;
    document.location = window.location;

    function addTimer(fn, ms, repeat) {
        if (typeof fn !== 'function') throw new TypeError('timer callback must be a function here');
        const id = nextTimer++;
        log.calls.push(repeat ? 'setInterval' : 'setTimeout');
        const delay = Math.max(4, Number(ms) || 0);
        timers.set(id, { fn, delay, at: now + delay, repeat });
        return id;
    }
    // Runs timers in time order up to `until` ms of page time.
    function advance(until, maxCalls) {
        let calls = 0;
        while (calls < maxCalls) {
            let best = null;
            for (const [id, t] of timers) if (!best || t.at < best[1].at) best = [id, t];
            if (!best || best[1].at > until) break;
            const [id, t] = best;
            now = t.at;
            if (t.repeat) t.at += t.delay; else timers.delete(id);
            t.fn.call(window);
            calls++;
        }
        if (now < until) now = until;
        return calls;
    }

    const ctx = vm.createContext(window);
    return {
        ctx, window, document, body, log, fire, makeEvent, advance, walk, Element, Input, Form,
        listeners, timers,
        run(code, name) { new vm.Script(code, { filename: name }).runInContext(ctx); },
        handler(code, name) {
            return new vm.Script('(function (event) {' + code + '\n})', { filename: name }).runInContext(ctx);
        },
    };
}

// A Date whose "now" is the page's virtual clock, so that clocks and countdowns move as timers run.
function makeDate(clock) {
    const base = Date.UTC(2026, 11, 7, 1, 30, 0);
    class FakeDate extends Date {
        constructor(...a) { if (a.length) super(...a); else super(base + clock()); }
        static now() { return base + clock(); }
    }
    return FakeDate;
}

function scriptsOf(html) {
    const out = [];
    const re = /<script\b[^>]*>([\s\S]*?)<\/script>/gi;
    let m;
    while ((m = re.exec(html))) out.push(m[1]);
    const rest = html.replace(re, '').trim();
    if (rest !== '') throw new Error('markup outside the scripts: ' + rest.slice(0, 60));
    if (/<script/i.test(html.replace(re, ''))) throw new Error('unbalanced script tags');
    return out;
}

// Fires every on* property handler of the elements the effect created (close buttons, dots, buttons ...).
function clickEverything(p) {
    const seen = [];
    p.walk(p.document.documentElement, (n) => { if (n instanceof p.Element) seen.push(n); });
    for (const el of seen) {
        for (const k of ['onmouseover', 'onmouseout', 'onclick']) {
            if (typeof el[k] === 'function') el[k].call(el, p.makeEvent(el, 10, 10));
        }
    }
}

function fireListeners(p, target, types) {
    for (const t of types) p.fire(target, t, p.makeEvent(target === p.window ? p.body : target, 200, 150));
}

function lifeCycle(p, c, pageEvents) {
    // parse done
    p.document.readyState = 'interactive';
    fireListeners(p, p.document, ['DOMContentLoaded']);
    p.advance(500, 20000);
    p.document.readyState = 'complete';
    if (c.start) p.handler(c.start, c.name + ' onload').call(p.body, p.makeEvent(p.body));
    fireListeners(p, p.window, ['load']);
    for (let round = 0; round < 5; round++) {
        for (const [ev, code] of pageEvents) {
            const h = p.handler(code, c.name + ' ' + ev);
            h.call(p.body, p.makeEvent(p.body, 100 + round * 37, 80 + round * 23));
        }
        p.window.pageYOffset = p.window.scrollY = round * 300;
        fireListeners(p, p.window, ['scroll', 'resize', 'mousemove']);
        fireListeners(p, p.document, ['mousemove', 'mouseup', 'visibilitychange']);
        p.document.hidden = !p.document.hidden;
        p.advance(500 + (round + 1) * 3000, 20000);
    }
    clickEverything(p);
    p.advance(30000, 20000);
}

// The same script must compile whatever the line breaks became: CR LF, LF, CR, or none at all (a line comment
// or a statement that leans on a line break fails the last one).
function checkLineBreaks(code, name) {
    for (const br of ['\r\n', '\n', '\r', ' ']) new vm.Script(code.replace(/\r\n|\r|\n/g, br), { filename: name });
}

function runCase(c) {
    const p = makePage();
    if (c.kind === 'statement') {
        // an input inside a form, id "100", and the element that carries the handler
        const form = p.document.createElement('form');
        form.id = '100';
        const target = p.document.createElement('input');
        target.id = '100';
        target.value = '100';
        target.form = form;
        form.appendChild(target);
        p.body.appendChild(form);
        p.document.readyState = 'complete';
        const before = p.log.touch;
        const h = p.handler(c.code, c.name);
        const r = h.call(target, p.makeEvent(target));
        p.advance(60000, 5000);
        if (p.log.touch === before && p.log.calls.length === 0 && r === undefined) throw new Error('the statement had no effect');
        return;
    }
    const scripts = scriptsOf(c.html);
    scripts.forEach((s, i) => checkLineBreaks(s, c.name + ' script ' + i));
    if (c.start) checkLineBreaks(c.start, c.name + ' onload');
    if (c.kind === 'element') {
        // the element the effect is for; `order` says whether the effect markup stands before it (the page) or
        // after it (the picker's preview); `missing` leaves it out altogether
        let el = null;
        if (!c.missing) {
            el = p.document.createElement(c.tag);
            el.id = c.id;
            el.textContent = '示例文字';
        }
        if (el && c.order === 'after') p.body.appendChild(el);
        scripts.forEach((s, i) => p.run(s, c.name + ' script ' + i));
        if (el && c.order === 'before') p.body.appendChild(el);
        const before = p.log.touch;
        lifeCycle(p, c, []);
        if (el) {
            fireListeners(p, el, ['mouseenter', 'mousedown', 'mouseleave', 'click']);
            p.fire(p.document, 'mousemove', p.makeEvent(p.body, 300, 300));
            p.advance(40000, 20000);
            if (p.log.touch === before && !p.listeners.has(el)) throw new Error('the effect never touched the element');
        }
        return;
    }
    // a page effect: the scripts run where they stand, right after the body tag
    if (c.ready) p.document.readyState = 'complete';
    const touched = p.log.touch;
    scripts.forEach((s, i) => p.run(s, c.name + ' script ' + i));
    lifeCycle(p, c, c.events || []);
    if (c.expectEffect && p.log.touch === touched && p.log.calls.length === 0) throw new Error('the effect did nothing');
}

function main() {
    const cases = JSON.parse(require('fs').readFileSync(0, 'utf8'));
    let failed = 0;
    for (const c of cases) {
        try {
            runCase(c);
        } catch (e) {
            failed++;
            console.log('FAIL ' + c.name + ': ' + (e && e.stack ? e.stack.split('\n').slice(0, 3).join(' | ') : e));
        }
    }
    console.log('fakedom: ' + (cases.length - failed) + ' of ' + cases.length + ' runs passed');
    process.exit(failed ? 1 : 0);
}

main();
