'use strict';
// Frames drawn per second of wall time in each stretch of the programme: the page in headless
// Chromium (WebGL 2 on SwiftShader, through the fixed-function layer) beside the native engine
// (real OpenGL on llvmpipe, the headless backend), one after the other on this machine. Both play
// on a virtual clock at 30 frames per second of programme and draw as fast as they can, so
// neither waits for a display. A speed figure, never pass or fail.
// Usage: node bench/web_frame_rate.js DIST BUILD
const { execFileSync } = require('node:child_process');
const path = require('node:path');
const browsers = require('../tests/web/browser.js');
const { serve } = require('../tests/web/static_server.js');

const STRETCHES = [
  [0, 13000, 'tunnel'], [13000, 39500, 'tunnel + helix'], [39500, 45000, 'tunnel + helix + flares'],
  [45000, 65000, 'tunnel + flares'], [65000, 70000, 'lightball + credits + flares'],
  [70000, 120000, 'lightball + credits'], [120000, 134000, 'lightball'], [134000, 155000, 'greets'],
];
const FPS = 30;
const LAST_MS = Math.floor(155000 - 1000 / FPS);  // the last frame the programme shows

const [dist, build] = process.argv.slice(2).map((arg) => path.resolve(arg));
if (!dist || !build) throw new Error('usage: node bench/web_frame_rate.js DIST BUILD');

// The page: its clock and frame count sampled while it plays to the end.
async function pageSamples() {
  const server = await serve(dist);
  const browser = await browsers.launch();
  try {
    const page = await browser.newPage();
    await page.goto(`${server.url}#at=${LAST_MS}&fps=${FPS}`);
    const samples = [];
    for (;;) {
      const [timelineMs, frames, wallMs, phase] =
        await page.evaluate('[tarvo.timelineMs, tarvo.frames, performance.now(), tarvo.phase]');
      samples.push({ timelineMs, frames, wallMs });
      if (phase === 'held') return samples;
      // "start" only until the program has loaded and begun to play.
      if (phase !== 'playing' && (phase !== 'start' || samples.length > 300))
        throw new Error(`the page stopped in phase ${phase}`);
      await new Promise((resolve) => setTimeout(resolve, 100));
    }
  } finally {
    await browser.close();
    await server.close();
  }
}

// Samples of { timelineMs, frames, wallMs } in order; the frames in the stretch over its wall time.
function rate(samples, [from, to]) {
  const first = samples.find((s) => s.timelineMs >= from);
  const last = samples.find((s) => s.timelineMs >= to) || samples[samples.length - 1];
  return (last.frames - first.frames) / ((last.wallMs - first.wallMs) / 1000);
}

// The native engine: one line per frame, its timeline time and wall time.
function nativeSamples() {
  const lines = execFileSync(path.join(build, 'bench', 'tarvo_programme_rate'), [String(FPS)],
                             { encoding: 'utf8', maxBuffer: 1 << 26 }).trim().split('\n');
  return lines.map((line, frames) => {
    const [timelineMs, wallMs] = line.split(' ').map(Number);
    return { timelineMs, frames, wallMs };
  });
}

(async () => {
  const page = await pageSamples();
  const native = nativeSamples();

  console.log(`frames drawn per second, at ${FPS} frames per second of programme`);
  console.log(`${'stretch'.padEnd(40)}page (SwiftShader)   native (llvmpipe)`);
  for (const stretch of STRETCHES) {
    const [from, to, name] = stretch;
    const label = `${name} (${from / 1000}-${to / 1000} s)`.padEnd(40);
    console.log(`${label}${rate(page, stretch).toFixed(1).padStart(18)}${rate(native, stretch).toFixed(1).padStart(20)}`);
  }
})().catch((error) => {
  console.error(error.message);
  process.exit(1);
});
