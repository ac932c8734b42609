'use strict';
// Debian's Chromium, headless with WebGL 2 on SwiftShader, driven by puppeteer-core. Each tab
// collects what the page and the browser report as errors from its first moment, and waits on
// expressions of the page with a reason to give when they do not come true.
const puppeteer = require('puppeteer-core');

const VIEWPORT = { width: 640, height: 480 };
const CHROMIUM_FLAGS = ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
                        `--window-size=${VIEWPORT.width},${VIEWPORT.height}`];

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
    const session = await this.page.createCDPSession();
    const { windowId, bounds } = await session.send('Browser.getWindowForTarget');
    await session.send('Browser.setWindowBounds', { windowId, bounds: {
      width: bounds.width + width - inner[0], height: bounds.height + height - inner[1] } });
    await session.detach();
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

// Resolves to { newPage(), close() }; `flags` go to Chromium beside the project's own. Puppeteer
// gives it a fresh profile and removes it, and kills the browser however the run ends.
async function launch({ flags = [] } = {}) {
  const browser = await puppeteer.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true, args: [...CHROMIUM_FLAGS, ...flags], defaultViewport: null });
  return {
    async newPage() {
      const page = new Page(await browser.newPage());
      await page.fitWindow(VIEWPORT);
      return page;
    },
    close: () => browser.close(),
  };
}

module.exports = { launch };
