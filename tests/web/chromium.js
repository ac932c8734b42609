'use strict';
// Drives headless Chromium through the DevTools protocol over --remote-debugging-pipe: the browser
// reads JSON commands on its fd 3 and writes replies and events on its fd 4, each message ended by
// a NUL byte. Only node's own modules, so the web tests need nothing from npm.
const { spawn } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');

const VIEWPORT = { width: 640, height: 480 };
const CHROMIUM_FLAGS = [
  '--headless=new', '--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
  '--remote-debugging-pipe', `--window-size=${VIEWPORT.width},${VIEWPORT.height}`, '--no-first-run',
  '--no-default-browser-check', '--disable-background-timer-throttling', '--disable-renderer-backgrounding',
];

// The key fields Chromium needs to deliver a key as a real keyboard would.
const KEYS = {
  Escape: { key: 'Escape', code: 'Escape', windowsVirtualKeyCode: 27 },
  F11: { key: 'F11', code: 'F11', windowsVirtualKeyCode: 122 },
};

class Browser {
  static async launch({ executable = process.env.CHROMIUM || 'chromium', flags = [] } = {}) {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'tarvo-chromium-'));
    const child = spawn(executable, [...CHROMIUM_FLAGS, ...flags, `--user-data-dir=${profile}`, 'about:blank'],
                        { stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'] });
    const browser = new Browser(child, profile);
    await browser.send('Target.setDiscoverTargets', { discover: false });  // the first reply: it is up
    return browser;
  }

  constructor(child, profile) {
    this.child = child;
    this.profile = profile;
    this.nextId = 1;
    this.pending = new Map();
    this.sessions = new Map();
    this.stderr = '';
    this.exited = false;
    let buffered = Buffer.alloc(0);
    child.stdio[4].on('data', (chunk) => {
      buffered = Buffer.concat([buffered, chunk]);
      for (let end; (end = buffered.indexOf(0)) >= 0; buffered = buffered.subarray(end + 1))
        this.dispatch(JSON.parse(buffered.subarray(0, end).toString('utf8')));
    });
    child.stderr.on('data', (chunk) => { this.stderr = (this.stderr + chunk).slice(-4000); });
    const gone = (error) => {
      this.exited = true;
      this.removeProfile();
      for (const { reject } of this.pending.values()) reject(error);
      this.pending.clear();
    };
    // A command written after the browser has gone fails there; its exit says why.
    child.stdio[3].on('error', () => {});
    child.on('error', (error) => gone(new Error(`cannot run chromium: ${error.message}`)));
    child.on('exit', (code, signal) =>
      gone(new Error(`chromium exited (${signal || code}): ${this.stderr.trim().slice(-600)}`)));
    // Whatever ends the tests, the browser goes with them: node's exit runs no handlers on a
    // signal (timeout(1) sends SIGTERM), so those end the process through exit.
    this.killOnExit = () => {
      this.kill();
      this.removeProfile();
    };
    this.exitOnSignal = (signal) => process.exit(128 + os.constants.signals[signal]);
    process.on('exit', this.killOnExit);
    for (const signal of ['SIGTERM', 'SIGINT']) process.on(signal, this.exitOnSignal);
  }

  dispatch(message) {
    if (message.id !== undefined) {
      const call = this.pending.get(message.id);
      if (!call) return;
      this.pending.delete(message.id);
      if (message.error) call.reject(new Error(`${call.method}: ${message.error.message}`));
      else call.resolve(message.result);
    } else if (message.sessionId && this.sessions.has(message.sessionId)) {
      this.sessions.get(message.sessionId).onEvent(message.method, message.params);
    }
  }

  send(method, params = {}, sessionId = undefined, timeoutMs = 30000) {
    if (this.exited) return Promise.reject(new Error(`chromium has exited; cannot send ${method}`));
    const id = this.nextId++;
    const message = { id, method, params };
    if (sessionId) message.sessionId = sessionId;
    return new Promise((resolve, reject) => {
      const timer = setTimeout(() => {
        this.pending.delete(id);
        reject(new Error(`${method}: no answer from chromium in ${timeoutMs} ms`));
      }, timeoutMs);
      this.pending.set(id, {
        method,
        resolve: (result) => { clearTimeout(timer); resolve(result); },
        reject: (error) => { clearTimeout(timer); reject(error); },
      });
      this.child.stdio[3].write(JSON.stringify(message) + '\0');
    });
  }

  // A new tab, attached, with the console and errors collected from its first moment.
  async newPage() {
    const { targetId } = await this.send('Target.createTarget', { url: 'about:blank' });
    const { sessionId } = await this.send('Target.attachToTarget', { targetId, flatten: true });
    const page = new Page(this, targetId, sessionId);
    this.sessions.set(sessionId, page);
    await Promise.all(['Runtime.enable', 'Log.enable', 'Page.enable'].map((method) => page.send(method)));
    await page.setViewport(VIEWPORT);
    return page;
  }

  kill() {
    if (!this.exited) this.child.kill('SIGKILL');
    process.removeListener('exit', this.killOnExit);
    for (const signal of ['SIGTERM', 'SIGINT']) process.removeListener(signal, this.exitOnSignal);
  }

  removeProfile() {
    fs.rmSync(this.profile, { recursive: true, force: true });
  }

  // Asks the browser to quit, and kills it when it has not within a few seconds.
  async close() {
    const exited = new Promise((resolve) => (this.exited ? resolve() : this.child.once('exit', resolve)));
    const within = (ms) => Promise.race([exited, new Promise((resolve) => setTimeout(resolve, ms).unref())]);
    if (!this.exited) {
      this.send('Browser.close').catch(() => {});
      await within(5000);
    }
    this.kill();
    await within(5000);
  }
}

class Page {
  constructor(browser, targetId, sessionId) {
    this.browser = browser;
    this.targetId = targetId;
    this.sessionId = sessionId;
    this.errors = [];  // console errors, uncaught exceptions and error log entries, as text
  }

  send(method, params = {}, timeoutMs = undefined) {
    return this.browser.send(method, params, this.sessionId, timeoutMs);
  }

  onEvent(method, params) {
    if (method === 'Runtime.consoleAPICalled' && params.type === 'error') {
      this.errors.push('console.error: ' + params.args.map((arg) => arg.value ?? arg.description).join(' '));
    } else if (method === 'Runtime.exceptionThrown') {
      const details = params.exceptionDetails;
      this.errors.push('exception: ' + (details.exception?.description || details.text));
    } else if (method === 'Log.entryAdded' && params.entry.level === 'error') {
      this.errors.push(`log (${params.entry.source}): ${params.entry.text} ${params.entry.url || ''}`.trim());
    }
  }

  async goto(url, timeoutMs = 20000) {
    const { errorText } = await this.send('Page.navigate', { url });
    if (errorText) throw new Error(`cannot open ${url}: ${errorText}`);
    await this.waitFor('document.readyState === "complete"', { timeoutMs, what: `${url} to load` });
  }

  // The value of a JS expression (awaited when it is a promise); its exception is thrown here.
  async evaluate(expression) {
    const { result, exceptionDetails } = await this.send('Runtime.evaluate',
      { expression, returnByValue: true, awaitPromise: true, userGesture: false });
    if (exceptionDetails)
      throw new Error(`${expression}: ${exceptionDetails.exception?.description || exceptionDetails.text}`);
    return result.value;
  }

  // Polls the expression until it is truthy; fails after timeoutMs, or as soon as `failIf` is
  // truthy, saying what `report` last read.
  async waitFor(expression, { timeoutMs = 20000, intervalMs = 50, what = expression, report = 'null',
                              failIf = 'false' } = {}) {
    const deadline = Date.now() + timeoutMs;
    for (;;) {
      const [done, failed] = await this.evaluate(`[!!(${expression}), !!(${failIf})]`);
      if (done) return;
      if (failed || Date.now() > deadline) {
        const why = failed ? `gave up on ${what}` : `waited ${timeoutMs} ms for ${what}`;
        throw new Error(`${why}; saw ${JSON.stringify(await this.evaluate(report))}`);
      }
      await new Promise((resolve) => setTimeout(resolve, intervalMs));
    }
  }

  // Sizes the window so that the page itself gets exactly this many CSS pixels (the window's
  // size counts the browser's own bars, even headless).
  async setViewport({ width, height }) {
    const inner = await this.evaluate('[innerWidth, innerHeight]');
    if (inner[0] === width && inner[1] === height) return;
    const { windowId, bounds } = await this.send('Browser.getWindowForTarget');
    await this.send('Browser.setWindowBounds', { windowId, bounds: {
      width: bounds.width + width - inner[0], height: bounds.height + height - inner[1] } });
    await this.waitFor(`innerWidth === ${width} && innerHeight === ${height}`,
                       { timeoutMs: 5000, what: 'the window to take its size', report: '[innerWidth, innerHeight]' });
  }

  // The box of the element the CSS selector finds, in CSS pixels of the page; null when it is
  // absent or not laid out.
  async box(selector) {
    return this.evaluate(`(() => {
      const element = document.querySelector(${JSON.stringify(selector)});
      if (!element) return null;
      const r = element.getBoundingClientRect();
      return r.width > 0 && r.height > 0 ? { x: r.x, y: r.y, width: r.width, height: r.height } : null;
    })()`);
  }

  // A real left click at the centre of the element ('#start button', '[data-answer="no"]'),
  // which the page takes as a user gesture.
  async click(selector) {
    await this.evaluate(`document.querySelector(${JSON.stringify(selector)})?.scrollIntoView({ block: 'center' })`);
    const box = await this.box(selector);
    if (!box) throw new Error(`cannot click ${selector}: it is not in the page or not shown`);
    const at = { x: box.x + box.width / 2, y: box.y + box.height / 2 };
    await this.send('Input.dispatchMouseEvent', { type: 'mouseMoved', ...at });
    await this.send('Input.dispatchMouseEvent', { type: 'mousePressed', button: 'left', clickCount: 1, ...at });
    await this.send('Input.dispatchMouseEvent', { type: 'mouseReleased', button: 'left', clickCount: 1, ...at });
  }

  async press(name) {
    const key = KEYS[name];
    if (!key) throw new Error(`no key ${name}`);
    await this.send('Input.dispatchKeyEvent', { type: 'rawKeyDown', ...key });
    await this.send('Input.dispatchKeyEvent', { type: 'keyUp', ...key });
  }

  // A PNG of the page, or of the element's box when a selector is given.
  async screenshot(file, selector = undefined) {
    const params = { format: 'png', captureBeyondViewport: true };
    if (selector) {
      const box = await this.box(selector);
      if (!box) throw new Error(`cannot take ${selector}: it is not in the page or not shown`);
      params.clip = { ...box, scale: 1 };
    }
    const { data } = await this.send('Page.captureScreenshot', params);
    fs.writeFileSync(file, Buffer.from(data, 'base64'));
  }

  async close() {
    if (!this.browser.exited) await this.browser.send('Target.closeTarget', { targetId: this.targetId });
    this.browser.sessions.delete(this.sessionId);
  }
}

module.exports = { Browser, Page };
