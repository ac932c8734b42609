'use strict';
// The browser build in headless Chromium, served from 127.0.0.1: the page loads cleanly, waits for
// the click, asks the full-screen question, plays with its sound, ends on Escape and plays again;
// and its deterministic frames (#at=T) match the native frames of the same times.
//
// node tests/web/web_test.js DIST BUILD: DIST is the page's folder (dist/web), BUILD the native
// build holding tools/tarvo-capture and tests/web/web_frame_compare. Screenshots, native frames
// and, on a mismatch, difference pictures are left in BUILD/tests/web-frames.
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { execFile } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const { promisify } = require('node:util');
const { Browser } = require('./chromium.js');
const { serve } = require('./static_server.js');

const [dist, build] = process.argv.slice(2).map((arg) => path.resolve(arg));
if (!dist || !build) throw new Error('usage: node tests/web/web_test.js DIST BUILD');
const framesDir = path.join(build, 'tests', 'web-frames');

// One frame in each stretch of the programme where the page gets there quickly; 10 frames a
// second, like the native golden frames, so that the browser draws few frames to reach them.
const FRAME_TIMES = [0, 20000, 42000, 66000];
const FPS = 10;
// The native golden frames' rule, with room for WebGL on SwiftShader against GL on llvmpipe.
const TOLERANCE = { channel: 24, differingPixelShare: 0.02 };

let browser, server, nativeFrames;

before(async () => {
  fs.rmSync(framesDir, { recursive: true, force: true });
  fs.mkdirSync(framesDir, { recursive: true });
  // The native frames render while the browser plays its own.
  nativeFrames = promisify(execFile)(path.join(build, 'tools', 'tarvo-capture'),
    ['--at', FRAME_TIMES.join(','), '--fps', String(FPS), '--out', path.join(framesDir, 'native')],
    { timeout: 120000 });
  nativeFrames.catch(() => {});  // awaited by the frame tests
  [server, browser] = await Promise.all([serve(dist), Browser.launch()]);
});

after(async () => {
  await browser?.close();
  await server?.close();
});

const shown = (selector) => `(() => {
  const element = document.querySelector(${JSON.stringify(selector)});
  return !!element && element.getClientRects().length > 0 && getComputedStyle(element).visibility === 'visible';
})()`;
const STATE = 'JSON.stringify(window.tarvo)';

// A fresh tab on the page; the test fails on anything the page or the browser reported as an error.
async function withPage(hash, body) {
  const page = await browser.newPage();
  try {
    await page.goto(server.url + hash);
    await body(page);
    const caught = await page.evaluate('window.tarvo?.errors ?? []');
    assert.deepEqual([...page.errors, ...caught], [], 'errors in the page');
  } finally {
    await page.close();
  }
}

// Waits until the expression's number has grown past what it is now.
async function waitForGrowth(page, expression, what) {
  const now = await page.evaluate(expression);
  await page.waitFor(`${expression} > ${now}`, { what: `${what} to grow past ${now}`, report: STATE });
}

async function clickThroughStart(page, answer) {
  await page.waitFor(shown('#start button'), { what: 'the click-to-start screen', report: STATE });
  await page.click('#start button');
  await page.waitFor(`tarvo.phase === 'question' && ${shown(`[data-answer="${answer}"]`)}`,
                     { what: 'the full-screen question', report: STATE });
  await page.click(`[data-answer="${answer}"]`);
  await page.waitFor("tarvo.phase === 'playing'", { what: 'the demo to play', report: STATE });
  await waitForGrowth(page, 'tarvo.frames', 'the frames');
}

test('the page loads cleanly and waits for a click before its first frame', { timeout: 60000 }, () =>
  withPage('', async (page) => {
    await page.waitFor(shown('#start'), { what: 'the click-to-start screen', report: STATE });
    assert.equal(await page.evaluate('tarvo.phase'), 'start');
    assert.equal(await page.evaluate('tarvo.frames'), 0);
    await page.screenshot(path.join(framesDir, 'start.png'));
  }));

test('No plays in the page with its sound; Escape closes; play-again plays again', { timeout: 90000 }, () =>
  withPage('', async (page) => {
    await clickThroughStart(page, 'no');
    assert.equal(await page.evaluate('document.fullscreenElement'), null);
    const canvas = await page.box('#canvas');
    assert.deepEqual([canvas.width, canvas.height], [640, 480]);
    await page.waitFor("tarvo.audio.state === 'running'", { what: 'the sound to start', report: STATE });
    await waitForGrowth(page, 'tarvo.audio.framesRendered', 'the sound frames rendered');
    await page.screenshot(path.join(framesDir, 'windowed.png'));

    await page.press('Escape');
    await page.waitFor(`tarvo.phase === 'closed' && ${shown('#closed')} && ${shown('#play-again')}`,
                       { what: 'the closing screen', report: STATE });
    await page.screenshot(path.join(framesDir, 'closed.png'));
    const framesBefore = await page.evaluate('tarvo.frames');
    await page.click('#play-again');
    // Playing from the start again: the frame count starts over and climbs.
    await page.waitFor(`tarvo.phase === 'playing' && tarvo.frames > 0 && tarvo.frames < ${framesBefore}`,
                       { what: 'the programme to start over', report: STATE });
    await waitForGrowth(page, 'tarvo.frames', 'the frames played again');
  }));

test("Yes plays in the browser's full screen, the picture scaled with its aspect", { timeout: 90000 }, () =>
  withPage('', async (page) => {
    await clickThroughStart(page, 'yes');
    await page.waitFor('document.fullscreenElement !== null', { what: 'the full screen', report: STATE });
    await page.waitFor("tarvo.audio.state === 'running'", { what: 'the sound to start', report: STATE });
    const canvas = await page.box('#canvas');
    assert.ok(Math.abs(canvas.width / canvas.height - 4 / 3) < 0.01, `canvas ${JSON.stringify(canvas)}`);
    await page.screenshot(path.join(framesDir, 'fullscreen.png'));
  }));

// The measures of every frame, printed together at the end.
const measures = [];
after(() => {
  for (const line of measures) console.log(line);
});

for (const at of FRAME_TIMES) {
  test(`the frame at ${at} ms matches the native one`, { timeout: 30000 + at }, async () => {
    const actual = path.join(framesDir, `web-${at}.png`);
    const started = Date.now();
    await withPage(`#at=${at}&fps=${FPS}`, async (page) => {
      await page.waitFor("tarvo.phase === 'held'", { timeoutMs: 20000 + at, intervalMs: 200,
                                                      what: `the frame at ${at} ms`, report: STATE });
      assert.ok(await page.evaluate(`tarvo.timelineMs >= ${at}`), 'held before its time');
      await page.screenshot(actual, '#canvas');
    });
    const seconds = (Date.now() - started) / 1000;
    await nativeFrames;
    const reference = path.join(framesDir, 'native', `${at}.png`);
    const diff = path.join(framesDir, `diff-${at}.png`);
    const result = await new Promise((resolve) => execFile(path.join(build, 'tests', 'web', 'web_frame_compare'),
      [actual, reference, diff, String(TOLERANCE.channel), String(TOLERANCE.differingPixelShare)],
      (error, stdout, stderr) => resolve({ code: error ? error.code : 0, stdout, stderr })));
    measures.push(`frame ${at} ms: ${result.stdout.trim() || result.stderr.trim()} (browser ${seconds.toFixed(1)} s)`);
    assert.equal(result.code, 0, `${result.stdout}${result.stderr}see ${actual}, ${reference} and ${diff}`);
  });
}
