'use strict';
// When the sound is heard, measured from outside the page's code. Before the page's scripts run,
// every node that the page connects to an AudioContext's destination is also connected to a tap
// of ours, an AudioWorklet that finds the context frame of the first sample above the silence
// threshold; getOutputTimestamp() maps context time to performance.now() time as heard. Beside it,
// each animation frame of the page gives a pair (performance.now() as its callback starts,
// tarvo.timelineMs after it), from which the moment the page's timeline stood at 0 follows.
const SILENCE = 64 / 32768;  // the threshold for the first sound, here and in the soundtrack

// Runs in the page, before its own scripts.
function listen(silence) {
  const heard = window.heardCheck = { from: null, onset: null, sampleRate: null, stamps: [], pairs: [] };
  const recorder = `registerProcessor('heard-tap', class extends AudioWorkletProcessor {
    process(inputs) {
      if (this.heard) return false;  // Firefox goes on calling a processor that returned false
      if (this.from === undefined) this.port.postMessage({ from: this.from = currentFrame });
      const first = Math.min(...inputs[0].map((samples) => samples.findIndex((v) => Math.abs(v) >= ${silence}))
                                          .filter((index) => index >= 0));
      if (first === Infinity) return true;
      this.port.postMessage({ onset: currentFrame + first });
      this.heard = true;
      return false;
    }
  });`;
  const url = URL.createObjectURL(new Blob([recorder], { type: 'text/javascript' }));
  // Every context gets its tap as it is made, and the page's own worklet modules load only after
  // the tap's node exists, so that a node the page connects to the destination is tapped at once,
  // before it can play anything.
  const connect = AudioNode.prototype.connect;
  const addModule = AudioWorklet.prototype.addModule;
  const taps = new WeakMap();  // per context: its tap once made
  const tapping = new Map();  // per worklet: the promise of its context's tap
  const Context = window.AudioContext;
  window.AudioContext = class extends Context {
    constructor(...args) {
      super(...args);
      tapping.set(this.audioWorklet, addModule.call(this.audioWorklet, url).then(() => {
        const tap = new AudioWorkletNode(this, 'heard-tap', { outputChannelCount: [1] });
        tap.port.onmessage = ({ data }) => Object.assign(heard, data);
        connect.call(tap, this.destination);  // pulled by the graph, silent
        Object.assign(heard, { context: this, sampleRate: this.sampleRate });
        taps.set(this, tap);
      }));
    }
  };
  AudioWorklet.prototype.addModule = function (...args) {
    return (tapping.get(this) ?? Promise.resolve()).then(() => addModule.apply(this, args));
  };
  AudioNode.prototype.connect = function (target, ...rest) {
    const result = connect.call(this, target, ...rest);
    if (target instanceof AudioDestinationNode) {
      const tap = taps.get(target.context);
      if (tap) connect.call(this, tap);
      else tapping.get(target.context.audioWorklet)?.then(() => connect.call(this, taps.get(target.context)));
    }
    return result;
  };
  const requestFrame = window.requestAnimationFrame.bind(window);
  window.requestAnimationFrame = (callback) => requestFrame((time) => {
    const before = performance.now();
    callback(time);
    const timelineMs = window.tarvo?.timelineMs;
    if (typeof timelineMs === 'number' && heard.pairs.length < 5000) heard.pairs.push([before, timelineMs]);
    if (heard.context?.state === 'running') {
      const { contextTime, performanceTime } = heard.context.getOutputTimestamp();
      if (contextTime > 0) heard.stamps.push([contextTime, performanceTime]);
    }
  });
}

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
};

// The first sample above the threshold in a 16-bit WAV (as tarvo-capture writes it), in ms.
function soundOnsetMs(wav) {
  const channels = wav.readUInt16LE(22), rate = wav.readUInt32LE(24);
  let at = 12;
  while (wav.toString('ascii', at, at + 4) !== 'data') at += 8 + wav.readUInt32LE(at + 4);
  for (let i = at + 8; i + 1 < wav.length; i += 2)
    if (Math.abs(wav.readInt16LE(i)) >= SILENCE * 32768) return ((i - at - 8) / 2 / channels) * 1000 / rate;
  throw new Error('the soundtrack is silent');
}

// The output timestamps within this many seconds of the first sound map it to performance time.
// Firefox's drift by up to a block and are pulled back about every 0.7 s; a larger spread is a
// glitch of the output (the context's time stalled), around which no moment can be measured.
const NEAR_ONSET_S = 0.35;
const GLITCH_MS = 35;

// From what listen() gathered once the sound has played half a second or more: { offsetMs, ... }
// where offsetMs is how much later the page's timeline stood at 0 than the moment the soundtrack's
// position 0 was heard (negative: the picture runs ahead of the sound), and `glitched` says the
// output stalled near the first sound. `soundOnsetMs` is where the first sound lies in the
// soundtrack.
function measure(heard, soundOnsetMs) {
  if (heard.onset === null) throw new Error('the tap heard no sound');
  if (heard.onset === heard.from) throw new Error('the tap was connected after the sound had begun');
  const onsetSeconds = heard.onset / heard.sampleRate;
  const near = heard.stamps.filter(([contextTime]) => contextTime > 0 && Math.abs(contextTime - onsetSeconds) <= NEAR_ONSET_S);
  if (near.length < 10) throw new Error(`only ${near.length} output timestamps near the first sound`);
  const shifts = near.map(([contextTime, performanceTime]) => performanceTime - contextTime * 1000);
  const glitched = Math.max(...shifts) - Math.min(...shifts) > GLITCH_MS;
  const heardOnset = onsetSeconds * 1000 + median(shifts);
  const soundZero = heardOnset - soundOnsetMs;
  // The timeline's first second after it left its start value.
  const start = heard.pairs[0][1];
  const moving = heard.pairs.filter(([, timelineMs]) => timelineMs > start);
  const firstSecond = moving.filter(([, timelineMs]) => timelineMs <= moving[0][1] + 1000);
  if (firstSecond.length < 5) throw new Error(`only ${firstSecond.length} frames with the timeline moving`);
  const timelineZero = median(firstSecond.map(([performanceTime, timelineMs]) => performanceTime - (timelineMs - start)));
  return { offsetMs: timelineZero - soundZero, timelineZero, soundZero, frames: firstSecond.length, stamps: near.length, glitched };
}

module.exports = { listen, SILENCE, NEAR_ONSET_S, soundOnsetMs, measure };
