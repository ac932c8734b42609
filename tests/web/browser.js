'use strict';
// Debian's browsers driven by puppeteer-core: Chromium headless with WebGL 2 on SwiftShader (over
// CDP), Firefox in a real window on Xvfb with WebGL 2 on llvmpipe and its sound on PulseAudio
// (over WebDriver BiDi; headless it gets no WebGL 2). Each tab collects what the page and the
// browser report as errors from its first moment, and waits on expressions of the page with a
// reason to give when they do not come true.
const puppeteer = require('puppeteer-core');
const desktop = require('./desktop.js');

const VIEWPORT = { width: 640, height: 480 };

// Per browser: its launch options, given what the caller asks for.
const BROWSERS = {
  chromium: ({ webgl = true } = {}) => ({
    browser: 'chrome', executablePath: process.env.CHROMIUM || '/usr/bin/chromium', headless: true,
    args: ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
           `--window-size=${VIEWPORT.width},${VIEWPORT.height}`, ...(webgl ? [] : ['--disable-webgl'])],
  }),
  firefox: ({ webgl = true } = {}, session) => ({
    browser: 'firefox', executablePath: process.env.FIREFOX || '/usr/bin/firefox-esr', headless: false,
    args: [`--width=${VIEWPORT.width}`, `--height=${VIEWPORT.height}`],
    env: { ...process.env, ...session.env },
    extraPrefsFirefox: {
      // Sound and full screen from the test's clicks and keys as from a person's.
      'media.autoplay.default': 0, 'media.autoplay.blocking_policy': 0,
      'full-screen-api.allow-trusted-requests-only': false, 'full-screen-api.warning.timeout': 0,
      'full-screen-api.transition-duration.enter': '0 0', 'full-screen-api.transition-duration.leave': '0 0',
      'webgl.force-enabled': webgl, 'webgl.disabled': !webgl,
    },
  }),
};
const NAMES = Object.keys(BROWSERS);
// Headless Chromium's audio output does not keep real time: when a sound is heard can be measured
// only in Firefox.
const hearsInRealTime = (name) => name === 'firefox';

// Xvfb and PulseAudio, started once for every Firefox of the run.
let desktopSession = null;

class Page {
  constructor(page) {
    this.page = page;
    this.errors = [];  // console errors, uncaught exceptions and failed loads, as text
    page.on('console', (message) => message.type() === 'error' && this.errors.push(`console.error: ${message.text()}`));
    page.on('pageerror', (error) => this.errors.push(`exception: ${error.message}`));
    page.on('requestfailed', (request) => this.errors.push(`load failed: ${request.url()}`));
    page.on('response', (response) => response.status() >= 400 &&
      this.errors.push(`load failed (${response.status()}): ${response.url()}`));
  }

  // Runs the function with these arguments in every document the tab loads, before its scripts.
  preload(fn, ...args) { return this.page.evaluateOnNewDocument(fn, ...args); }

  goto(url, timeout = 20000) { return this.page.goto(url, { waitUntil: 'load', timeout }); }

  // The value of a JS expression, awaited when it is a promise.
  evaluate(expression) { return this.page.evaluate(expression); }

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

  // Sizes the window so that the page itself gets exactly this many CSS pixels: the window's size
  // counts the browser's own bars, even headless, and full screen must see the real screen.
  async fitWindow({ width, height }) {
    const inner = await this.evaluate('[innerWidth, innerHeight]');
    if (inner[0] === width && inner[1] === height) return;
    const browser = this.page.browser();
    const windowId = await this.page.windowId();
    const bounds = await browser.getWindowBounds(windowId);
    await browser.setWindowBounds(windowId, { left: bounds.left, top: bounds.top,
      width: bounds.width + width - inner[0], height: bounds.height + height - inner[1] });
    await this.waitFor(`innerWidth === ${width} && innerHeight === ${height}`,
                       { timeoutMs: 5000, what: 'the window to take its size', report: '[innerWidth, innerHeight]' });
  }

  // The box of the element the CSS selector finds, in CSS pixels of the page; null when it is
  // absent or not laid out.
  box(selector) {
    return this.evaluate(`(() => {
      const element = document.querySelector(${JSON.stringify(selector)});
      if (!element) return null;
      const r = element.getBoundingClientRect();
      return r.width > 0 && r.height > 0 ? { x: r.x, y: r.y, width: r.width, height: r.height } : null;
    })()`);
  }

  // A real click at the centre of the element, which the page takes as a user gesture.
  click(selector) { return this.page.click(selector); }

  press(key) { return this.page.keyboard.press(key); }

  // A PNG of the page, or of the element's box when a selector is given.
  async screenshot(file, selector = undefined) {
    const target = selector ? await this.page.$(selector) : this.page;
    if (!target) throw new Error(`cannot take ${selector}: it is not in the page`);
    await target.screenshot({ path: file });
  }

  close() { return this.page.close(); }
}

// Resolves to { name, newPage(), close() } for the browser named (one of NAMES); { webgl: false }
// launches it without WebGL. Puppeteer gives it a fresh profile and removes it, and kills the
// browser however the run ends.
async function launch(name, options = {}) {
  if (!BROWSERS[name]) throw new Error(`no browser ${name}: one of ${NAMES.join(', ')}`);
  if (name === 'firefox') desktopSession ??= desktop.start();
  const browser = await puppeteer.launch({ ...BROWSERS[name](options, await desktopSession), defaultViewport: null });
  return {
    name,
    async newPage() {
      const page = new Page(await browser.newPage());
      await page.fitWindow(VIEWPORT);
      return page;
    },
    close: () => browser.close(),
  };
}

module.exports = { launch, NAMES, hearsInRealTime };
