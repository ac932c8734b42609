'use strict';
// The browser build in each browser, served from 127.0.0.1: the page loads cleanly, waits for the
// click, asks the full-screen question, plays with its sound, ends on Escape and plays again; and
// its deterministic frames (#at=T) match the native frames of the same times.
//
// node tests/web/web_test.js DIST BUILD [--browser chromium,firefox] [--frames DIR]: DIST is the
// page's folder (dist/web), BUILD the native build holding tools/tarvo-capture and
// tests/web/web_frame_compare. Screenshots, native frames and, on a mismatch, difference pictures
// are left in DIR (BUILD/tests/web-frames), the browsers' in a folder each.
const { describe, test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { execFile } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const { parseArgs, promisify } = require('node:util');
const browsers = require('./browser.js');
const heard = require('./heard.js');
const { serve } = require('./static_server.js');

const { values: options, positionals } = parseArgs({ allowPositionals: true, options: {
  browser: { type: 'string', default: browsers.NAMES.join(',') }, frames: { type: 'string' } } });
const [dist, build] = positionals.map((arg) => path.resolve(arg));
if (!dist || !build) throw new Error('usage: node tests/web/web_test.js DIST BUILD [--browser NAMES] [--frames DIR]');
const browserNames = options.browser.split(',');
const framesDir = path.resolve(options.frames ?? path.join(build, 'tests', 'web-frames'));

// A frame in each stretch of the programme, at 10 frames a second like the native golden frames;
// the lightballs draw slowly on SwiftShader, so the frames from there on are played at 2 a second
// (the page and the native capture both step their virtual clock at the same rate). Not the very
// first frames: SwiftShader misdraws the two in which the tunnel's nearest ring lies on the eye
// plane (the layer's own frames on llvmpipe match there).
const FRAMES = [
  { at: 5500, fps: 10 }, { at: 20000, fps: 10 }, { at: 42000, fps: 10 }, { at: 50000, fps: 10 },
  { at: 66000, fps: 10 }, { at: 80000, fps: 2 }, { at: 125000, fps: 2 }, { at: 140000, fps: 2 },
];
// Generous for a busy machine: the page draws a frame of the programme in about 40 ms on a quiet
// one, a lightball frame in about 180 ms.
const waitForFrameMs = ({ at, fps }) => 20000 + (at * fps / 1000) * 150;
// The native golden frames' rule, with room for WebGL on SwiftShader against GL on llvmpipe.
const TOLERANCE = { channel: 24, differingPixelShare: 0.01 };

let server, controlServer;
const nativeFrames = new Map();  // per frame rate: the capture of its frames, running
const nativeDir = (fps) => path.join(framesDir, `native-${fps}fps`);

before(async () => {
  fs.rmSync(framesDir, { recursive: true, force: true });
  fs.mkdirSync(framesDir, { recursive: true });
  // The native frames render while the browsers play their own.
  for (const fps of new Set(FRAMES.map((frame) => frame.fps))) {
    const times = FRAMES.filter((frame) => frame.fps === fps).map((frame) => frame.at);
    const capture = promisify(execFile)(path.join(build, 'tools', 'tarvo-capture'),
      ['--at', times.join(','), '--fps', String(fps), '--out', nativeDir(fps)], { timeout: 180000 });
    capture.catch(() => {});  // awaited by the frame tests
    nativeFrames.set(fps, capture);
  }
  [server, controlServer] = await Promise.all([serve(dist), serve(path.join(__dirname, 'control'))]);
});

after(() => Promise.all([server?.close(), controlServer?.close()]));

// Where the first sound lies in the soundtrack, from the native capture's sound of its first frame.
async function soundtrackOnsetMs() {
  const wav = path.join(framesDir, 'soundtrack-start.wav');
  await promisify(execFile)(path.join(build, 'tools', 'tarvo-capture'),
    ['--at', '100', '--fps', '10', '--out', path.join(framesDir, 'soundtrack-start'), '--audio', wav], { timeout: 60000 });
  return heard.soundOnsetMs(fs.readFileSync(wav));
}

// The measures of every frame, printed together at the end.
const measures = [];
after(() => {
  for (const line of measures) console.log(line);
});

const shown = (selector) => `(() => {
  const element = document.querySelector(${JSON.stringify(selector)});
  return !!element && element.getClientRects().length > 0 && getComputedStyle(element).visibility === 'visible';
})()`;

// Waits for the page to show what the expression says; gives up at once when the page has caught
// an error, reporting its state either way.
function waitFor(page, expression, what, options = {}) {
  return page.waitFor(expression, { what, report: 'JSON.stringify(window.tarvo)',
                                    failIf: 'window.tarvo?.errors.length > 0', ...options });
}

// Waits until the expression's number has grown past what it is now.
async function waitForGrowth(page, expression, what) {
  const now = await page.evaluate(expression);
  await waitFor(page, `${expression} > ${now}`, `${what} to grow past ${now}`);
}

// A fresh tab on the page; the test fails on anything the page or the browser reported as an error.
async function withPage(browser, hash, body, { url = server.url, preload = null } = {}) {
  const page = await browser.newPage();
  try {
    if (preload) await page.preload(...preload);
    await page.goto(url + hash);
    await body(page);
    const caught = await page.evaluate('window.tarvo?.errors ?? []');
    assert.deepEqual([...page.errors, ...caught], [], 'errors in the page');
  } finally {
    await page.close();
  }
}

async function answerTheQuestion(page, answer) {
  await waitFor(page, shown('#start button'), 'the click-to-start screen');
  await page.click('#start button');
  await waitFor(page, `tarvo.phase === 'question' && ${shown(`[data-answer="${answer}"]`)}`, 'the full-screen question');
  await page.click(`[data-answer="${answer}"]`);
}

async function clickThroughStart(page, answer) {
  await answerTheQuestion(page, answer);
  await waitFor(page, "tarvo.phase === 'playing'", 'the demo to play');
  await waitForGrowth(page, 'tarvo.frames', 'the frames');
  await waitFor(page, "tarvo.audio.state === 'running'", 'the sound to start');
  await waitForGrowth(page, 'tarvo.audio.framesRendered', 'the sound frames rendered');
}

// The demo takes the full-screen key once in 26 presented frames.
async function waitForSwitchKey(page) {
  await waitFor(page, `tarvo.frames > ${await page.evaluate('tarvo.frames') + 26}`, 'the switch key to be taken again');
}

async function expectWindowed(page) {
  await waitFor(page, 'document.fullscreenElement === null', 'the page to leave full screen');
  const canvas = await page.box('#canvas');
  assert.deepEqual([canvas.width, canvas.height], [640, 480]);
}

// In full screen the canvas fills the screen in one direction and shows the whole picture.
async function expectFullScreen(page) {
  await waitFor(page, 'document.fullscreenElement !== null', 'the full screen');
  const [canvas, screen, fit] = await Promise.all([page.box('#canvas'), page.evaluate('[innerWidth, innerHeight]'),
    page.evaluate("getComputedStyle(document.getElementById('canvas')).objectFit")]);
  const fills = canvas.width === screen[0] || canvas.height === screen[1];
  const keepsAspect = fit === 'contain' || Math.abs(canvas.width / canvas.height - 4 / 3) < 0.01;
  assert.ok(fills && keepsAspect, `canvas ${JSON.stringify(canvas)} with object-fit ${fit} on ${screen}`);
}

// Compares a screenshot with the native frame by the golden frames' rule; the difference picture
// is written beside it when they do not match.
async function compareWithNative(actual, { at, fps }) {
  await nativeFrames.get(fps);
  const reference = path.join(nativeDir(fps), `${at}.png`);
  const diff = actual.replace(/web-(\d+)\.png$/, 'diff-$1.png');
  const { code, stdout, stderr } = await new Promise((resolve) => execFile(
    path.join(build, 'tests', 'web', 'web_frame_compare'),
    [actual, reference, diff, String(TOLERANCE.channel), String(TOLERANCE.differingPixelShare)],
    (error, out, err) => resolve({ code: error ? error.code : 0, stdout: out.trim(), stderr: err.trim() })));
  return { matches: code === 0, measure: stdout || stderr, files: `${actual}, ${reference} and ${diff}` };
}

for (const name of browserNames) describe(name, () => {
  const shots = path.join(framesDir, name);
  let browser;
  before(async () => {
    fs.mkdirSync(shots, { recursive: true });
    browser = await browsers.launch(name);
  });
  after(() => browser?.close());

  test('the page loads cleanly and waits for a click before its first frame', { timeout: 60000 }, () =>
    withPage(browser, '', async (page) => {
      // The program runs and waits for the click with nothing drawn yet.
      await waitFor(page, `window.Module?.calledRun && ${shown('#start')}`, 'the click-to-start screen');
      assert.equal(await page.evaluate('tarvo.phase'), 'start');
      assert.equal(await page.evaluate('tarvo.frames'), 0);
      await page.screenshot(path.join(shots, 'start.png'));
    }));

  test('No plays in the page with its sound; Escape closes; play-again plays again', { timeout: 90000 }, () =>
    withPage(browser, '', async (page) => {
      await clickThroughStart(page, 'no');
      await expectWindowed(page);
      await page.screenshot(path.join(shots, 'windowed.png'));

      await page.press('Escape');
      await waitFor(page, `tarvo.phase === 'closed' && ${shown('#closed')} && ${shown('#play-again')}`,
                    'the closing screen');
      await page.screenshot(path.join(shots, 'closed.png'));
      const framesBefore = await page.evaluate('tarvo.frames');
      await page.click('#play-again');
      // Playing from the start again: the frame count starts over and climbs.
      await waitFor(page, `tarvo.phase === 'playing' && tarvo.frames > 0 && tarvo.frames < ${framesBefore}`,
                    'the programme to start over');
      await waitForGrowth(page, 'tarvo.frames', 'the frames played again');
    }));

  test("Yes plays in the browser's full screen; F11 and the button switch it", { timeout: 90000 }, () =>
    withPage(browser, '', async (page) => {
      await clickThroughStart(page, 'yes');
      await expectFullScreen(page);
      await page.screenshot(path.join(shots, 'fullscreen.png'));
      await page.press('F11');
      await expectWindowed(page);
      await waitForSwitchKey(page);
      await page.click('#fullscreen');
      await expectFullScreen(page);
      // The browser leaving full screen by itself puts the demo's window back in the page, so the
      // next F11 goes full screen again.
      await waitForSwitchKey(page);
      await page.evaluate('document.exitFullscreen()');
      await expectWindowed(page);
      await waitForSwitchKey(page);
      await page.press('F11');
      await expectFullScreen(page);
      await waitForGrowth(page, 'tarvo.frames', 'the frames');
    }));

  test('#start=MS plays from that moment; a bad value is named on the page', { timeout: 90000 }, async () => {
    await withPage(browser, '#start=60000', async (page) => {
      await clickThroughStart(page, 'no');
      const timelineMs = await page.evaluate('tarvo.timelineMs');
      assert.ok(timelineMs >= 60000 && timelineMs < 90000, `the timeline at ${timelineMs} ms`);
      await page.screenshot(path.join(shots, 'start-60000.png'));
    });
    const page = await browser.newPage();
    try {
      await page.goto(server.url + '#start=soon');
      await waitFor(page, "tarvo.errors.includes('start=soon is not a time in milliseconds')",
                    'the bad value named', { failIf: 'false' });
    } finally {
      await page.close();
    }
  });

  test('without WebGL 2 the page says so beside the demo\'s own message, and reports the exit code',
       { timeout: 90000 }, async () => {
    const bare = await browsers.launch(name, { webgl: false });
    try {
      const page = await bare.newPage();
      await page.goto(server.url);
      await answerTheQuestion(page, 'no');
      await waitFor(page, `tarvo.phase === 'failed' && ${shown('#no-webgl')} && ${shown('#message')}`,
                    'the page to say it has no WebGL 2', { failIf: 'false' });
      assert.equal(await page.evaluate("document.getElementById('message-text').textContent"),
                   'Window Creation Error.');
      assert.match(await page.evaluate("document.getElementById('no-webgl').textContent"), /no WebGL 2/);
      await page.screenshot(path.join(shots, 'no-webgl.png'));
      await page.click('[data-answer="ok"]');
      await waitFor(page, 'tarvo.exitCode === 1', 'the exit code', { failIf: 'false' });
      assert.equal(await page.evaluate('tarvo.phase'), 'failed');
    } finally {
      await bare.close();
    }
  });

  test('the sound plays without gaps and the timeline follows what is heard', { timeout: 60000 }, (t) =>
    withPage(browser, '', async (page) => {
      await clickThroughStart(page, 'no');
      const missing = await page.evaluate("['gaps', 'heardMs'].filter((field) => !(field in tarvo.audio))");
      if (missing.length > 0) return t.skip(`the page reports no tarvo.audio.${missing.join(', ')}`);
      await waitFor(page, 'tarvo.audio.heardMs !== null', 'the first sample to be heard');
      const until = await page.evaluate('tarvo.timelineMs + 3000');
      const apart = [];  // heardMs - timelineMs, read together
      while (await page.evaluate(`tarvo.timelineMs < ${until}`)) {
        apart.push(await page.evaluate('tarvo.audio.heardMs - tarvo.timelineMs'));
        await new Promise((resolve) => setTimeout(resolve, 100));
      }
      assert.equal(await page.evaluate('tarvo.audio.gaps'), 0, 'the sound ran dry');
      // Within two frames at 60 a second.
      assert.ok(apart.every((ms) => Math.abs(ms) <= 34), `heardMs - timelineMs: ${apart.join(', ')}`);
    }));

  // The offset of the page's timeline from its sound as heard; the same measure on the control
  // page, whose tone is heard exactly at its timeline's 0, is the method's own error. Measured
  // again, up to three times, while the output glitches near the first sound (a busy machine).
  async function heardOffset(url, click, soundOnsetMs) {
    for (let attempt = 1; ; ++attempt) {
      let result;
      await withPage(browser, '', async (page) => {
        await click(page);
        await page.waitFor(`heardCheck.onset !== null && heardCheck.stamps.at(-1)?.[0] > ` +
                           `heardCheck.onset / heardCheck.sampleRate + ${heard.NEAR_ONSET_S}`, {
          what: 'the sound to play on after its first sample', report: 'JSON.stringify({ ...heardCheck, context: undefined, ' +
            'pairs: heardCheck.pairs.length, stamps: heardCheck.stamps.length })' });
        result = heard.measure(await page.evaluate('({ ...heardCheck, context: undefined })'), soundOnsetMs);
      }, { url, preload: [heard.listen, heard.SILENCE] });
      if (!result.glitched || attempt === 3) return result;
      measures.push(`${name}: the output glitched near the first sound on ${url}; measured again`);
    }
  }

  // The control page measures the method's own error, which the page's offset is corrected by.
  test('the first sound is heard within 40 ms of the timeline\'s 0', { timeout: 120000, skip: !browsers.hearsInRealTime(name) &&
       `${name}'s audio output does not keep real time` }, async () => {
    const onset = soundtrackOnsetMs();
    const control = await heardOffset(controlServer.url, (page) => page.click('#go'), 0);
    measures.push(`${name}: the control page's tone heard ${control.offsetMs.toFixed(1)} ms from its timeline's 0`);
    assert.ok(!control.glitched, "the control page's output glitched near its tone in three tries");
    assert.ok(Math.abs(control.offsetMs) <= 20, `the method is off by ${control.offsetMs.toFixed(1)} ms on the control page`);
    const onsetMs = await onset;
    const page = await heardOffset(server.url, (tab) => clickThroughStart(tab, 'no'), onsetMs);
    assert.ok(!page.glitched, "the page's output glitched near the first sound in three tries");
    const offsetMs = page.offsetMs - control.offsetMs;
    measures.push(`${name}: the page's timeline stood at 0 ${offsetMs.toFixed(1)} ms after the music's start was heard ` +
                  `(${page.offsetMs.toFixed(1)} ms measured; ${page.frames} frames, ${page.stamps} output timestamps; ` +
                  `the first sound at ${onsetMs.toFixed(2)} ms)`);
    assert.ok(Math.abs(offsetMs) <= 40, `the timeline's 0 is ${offsetMs.toFixed(1)} ms from the music's start as heard`);
  });

  for (const frame of FRAMES) {
    const { at, fps } = frame;
    test(`the frame at ${at} ms (${fps} fps) matches the native one`, { timeout: waitForFrameMs(frame) + 30000 }, () =>
      withPage(browser, `#at=${at}&fps=${fps}`, async (page) => {
        const started = Date.now();
        await waitFor(page, "tarvo.phase === 'held'", `the frame at ${at} ms`,
                      { timeoutMs: waitForFrameMs(frame), intervalMs: 200 });
        const seconds = ((Date.now() - started) / 1000).toFixed(1);
        assert.ok(await page.evaluate(`tarvo.timelineMs >= ${at}`), 'held before its time');
        const actual = path.join(shots, `web-${at}.png`);
        await page.screenshot(actual, '#canvas');
        const { matches, measure, files } = await compareWithNative(actual, frame);
        measures.push(`${name}: frame ${at} ms at ${fps} fps: ${measure} (the page took ${seconds} s to reach it)`);
        assert.ok(matches, `${measure}: see ${files}`);
      }));
  }
});
