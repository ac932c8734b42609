'use strict';
// What a browser in a real window needs on a machine without a display or a sound card: an Xvfb
// screen on a free display number and a PulseAudio daemon whose only sink is a null sink, both
// private to this run. Their files, and the browsers' profiles (os.tmpdir() points into it), live
// in one folder that is removed with them however the run ends.
const { spawn } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');

const SCREEN = '1024x768x24';

// Resolves once `ready()` is true, polling every 50 ms; fails after timeoutMs or as soon as the
// process has exited, with its log.
async function until(ready, child, what, log, timeoutMs = 20000) {
  const deadline = Date.now() + timeoutMs;
  while (!ready()) {
    const gone = child.exitCode !== null || child.signalCode !== null;
    if (gone || Date.now() > deadline) {
      const why = gone ? `${what} exited (${child.exitCode ?? child.signalCode})` : `${what} not ready in ${timeoutMs} ms`;
      throw new Error(`${why}: ${fs.existsSync(log) ? fs.readFileSync(log, 'utf8').slice(-2000) : ''}`);
    }
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

// Xvfb picks a free display itself and writes its number to the pipe -displayfd names.
async function startXvfb(dir) {
  const log = path.join(dir, 'xvfb.log');
  const child = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', SCREEN, '-nolisten', 'tcp'],
                      { stdio: ['ignore', fs.openSync(log, 'w'), fs.openSync(log, 'a'), 'pipe'] });
  let number = '';
  child.stdio[3].on('data', (data) => { number += data; });
  await until(() => number.endsWith('\n'), child, 'Xvfb', log);
  child.stdio[3].destroy();
  return { child, display: `:${number.trim()}` };
}

// -n: none of the system's default.pa (no hardware, no session modules); as root it runs as a
// plain user daemon in the private runtime folder.
async function startPulseAudio(dir) {
  const log = path.join(dir, 'pulseaudio.log');
  const socket = path.join(dir, 'pulse-native');
  const env = { ...process.env, HOME: dir, XDG_RUNTIME_DIR: dir, PULSE_RUNTIME_PATH: path.join(dir, 'pulse') };
  const child = spawn('pulseaudio', ['-n', '--daemonize=no', '--exit-idle-time=-1', '--use-pid-file=no',
    '--disable-shm', '--load=module-null-sink sink_name=null', `--load=module-native-protocol-unix socket=${socket} auth-anonymous=1`],
  { env, stdio: ['ignore', fs.openSync(log, 'w'), fs.openSync(log, 'a')] });
  await until(() => fs.existsSync(socket), child, 'PulseAudio', log);
  return { child, server: `unix:${socket}` };
}

// Resolves to { env, stop() }: env holds what a browser needs to find the screen and the sound.
async function start() {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'tarvo-web-'));
  const children = [];
  const stop = () => {
    for (const child of children) if (child.exitCode === null) child.kill('SIGTERM');
    fs.rmSync(dir, { recursive: true, force: true });
  };
  // However the run ends: its own end, an interrupt, or `timeout` giving up on it.
  process.once('exit', stop);
  for (const signal of ['SIGINT', 'SIGTERM']) process.once(signal, () => process.exit(128 + os.constants.signals[signal]));
  try {
    const xvfb = await startXvfb(dir);
    children.push(xvfb.child);
    const pulse = await startPulseAudio(dir);
    children.push(pulse.child);
    // They do not keep the run alive: its end stops them.
    for (const child of children) child.unref();
    process.env.TMPDIR = dir;  // the browsers' profiles
    return { env: { DISPLAY: xvfb.display, PULSE_SERVER: pulse.server, HOME: dir, XDG_RUNTIME_DIR: dir }, stop };
  } catch (error) {
    stop();
    throw error;
  }
}

module.exports = { start };
