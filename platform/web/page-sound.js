// The page's sound and its clock. The music plays through an audio worklet (audio-output.js) from
// blocks the program renders ahead, between frames; the worklet says which context frame each frame
// of the music fell on, and the context's output timestamp says when a context frame is heard. The
// page's clock follows the music being heard while the music plays: it stands from the start until
// the first frame of the music is heard, then moves with it, and stands while the output runs
// dry. Without sound it follows the browser's clock. It never goes back.
var TarvoSound = (function () {
  // What the output may wait for before the first frame of music is heard (Firefox takes up to two
  // seconds to open its output); past that, the page's clock follows the browser's.
  const giveUpAfterMs = 4000;
  const reportsKept = 64;

  let context = null;
  let node = null;
  let failed = false;
  const waiting = [];  // messages for the worklet until it is loaded

  // One play of the music, from start to stop.
  let run = 0;
  let playing = false;
  let startMs = 0;  // the music's position at the start, in ms
  let sentFrames = 0;
  let firstQueuedAt = null;
  let firstContextFrame = null;
  let reports = [];  // the worklet's reports of this run, oldest first

  const clock = { last: 0, shift: 0, followsMusic: false, anchor: 0 };

  function fail(text) {
    failed = true;
    tarvo.audio.output = "none";
    TarvoPage.report("no sound: " + text);
  }

  function post(message, transfer) {
    if (node) node.port.postMessage(message, transfer || []);
    else waiting.push({ message: message, transfer: transfer });
  }

  function receive(message) {
    if (message.run !== run || !playing) return;
    if (message.first !== null) firstContextFrame = message.first;
    reports.push(message);
    if (reports.length > reportsKept) reports.shift();
    tarvo.audio.gaps = message.gaps;
    tarvo.audio.gapFrames = message.gapFrames;
  }

  function open(sampleRate) {
    if (!window.AudioContext || !window.AudioWorkletNode) {
      tarvo.audio.output = "none";
      return false;
    }
    if (context && context.sampleRate === sampleRate) return !failed;
    if (context) context.close();
    node = null;
    failed = false;
    waiting.length = 0;
    try {
      context = new AudioContext({ sampleRate: sampleRate, latencyHint: "interactive" });
    } catch (error) {
      fail(error.message);
      return false;
    }
    const thisContext = context;
    tarvo.audio.state = context.state;
    context.addEventListener("statechange", () => (tarvo.audio.state = thisContext.state));
    context.audioWorklet
      .addModule("audio-output.js")
      .then(() => {
        if (context !== thisContext) return;
        node = new AudioWorkletNode(context, "tarvo-output", { numberOfInputs: 0, outputChannelCount: [2] });
        node.port.onmessage = (event) => receive(event.data);
        node.connect(context.destination);
        tarvo.audio.output = "worklet";
        for (const held of waiting.splice(0)) post(held.message, held.transfer);
      })
      .catch((error) => fail(error.message));
    return true;
  }

  // The context frame being heard now: the output timestamp's, moved on by the time since it was
  // taken; before the output gives one, the context's time less the latencies it states.
  function heardContextFrame(now) {
    const stamp = context.getOutputTimestamp ? context.getOutputTimestamp() : null;
    const seconds =
      stamp && stamp.performanceTime > 0
        ? stamp.contextTime + (now - stamp.performanceTime) / 1000
        : context.currentTime - (context.baseLatency || 0) - (context.outputLatency || 0);
    return Math.min(seconds, context.currentTime) * context.sampleRate;
  }

  // The performance time at which a context frame is heard.
  function heardAt(contextFrame, now) {
    return now + (contextFrame - heardContextFrame(now)) * 1000 / context.sampleRate;
  }

  // Frames of this run's music heard by now; null before the first.
  function heardFrames(now) {
    if (!playing || firstContextFrame === null) return null;
    const frame = heardContextFrame(now);
    if (frame < firstContextFrame) return null;
    let at = reports.length - 1;
    while (at > 0 && reports[at].contextFrame > frame) --at;
    const report = reports[at];
    const later = reports[at + 1];
    let frames = report.musicFrames + (report.dry ? 0 : frame - report.contextFrame);
    if (later) frames = Math.min(frames, later.musicFrames);
    return Math.max(0, Math.min(frames, sentFrames));
  }

  function heardMs(frames) {
    return frames === null ? null : startMs + (frames * 1000) / context.sampleRate;
  }

  // The output never started, or stopped being heard before it began.
  function givenUp(now) {
    return failed || (firstQueuedAt !== null && firstContextFrame === null && now - firstQueuedAt > giveUpAfterMs);
  }

  function followBrowser(now) {
    clock.followsMusic = false;
    clock.shift = clock.last - now;
  }

  function clockMs() {
    const now = performance.now();
    let value = now + clock.shift;
    if (clock.followsMusic) {
      const frames = heardFrames(now);
      if (frames !== null && tarvo.audio.firstHeardAt === null) tarvo.audio.firstHeardAt = heardAt(firstContextFrame, now);
      if (frames === null && givenUp(now)) {
        TarvoPage.report("no sound: the browser's audio output did not start; the picture plays on without it");
        followBrowser(now);
      } else {
        value = clock.anchor + (frames === null ? 0 : (frames * 1000) / context.sampleRate);
      }
    }
    clock.last = Math.max(clock.last, value);
    return clock.last;
  }

  function start(fromMs) {
    if (!context) return;
    clock.anchor = clockMs();
    clock.followsMusic = !failed;
    ++run;
    playing = true;
    startMs = fromMs;
    sentFrames = 0;
    firstQueuedAt = null;
    firstContextFrame = null;
    reports = [];
    Object.assign(tarvo.audio, { heardMs: null, queuedFrames: 0, gaps: 0, gapFrames: 0, firstHeardAt: null });
    post({ type: "start", run: run });
    context.resume().catch((error) => fail(error.message));
  }

  function stop() {
    if (!context || !playing) return;
    followBrowser(performance.now());
    playing = false;
    post({ type: "stop", run: run });
  }

  // Frames posted but not yet played, as far as the page knows.
  function queuedFrames() {
    const report = reports[reports.length - 1];
    if (!report) return sentFrames;
    const sinceReport = report.dry ? 0 : Math.max(0, context.currentTime * context.sampleRate - report.contextFrame);
    return Math.max(0, sentFrames - report.musicFrames - Math.floor(sinceReport));
  }

  // Copies `frames` stereo frames from the program's memory and posts them to the worklet.
  function queue(pointer, frames) {
    const samples = HEAP16.slice(pointer >> 1, (pointer >> 1) + 2 * frames);
    post({ type: "block", run: run, samples: samples }, [samples.buffer]);
    sentFrames += frames;
    if (firstQueuedAt === null) firstQueuedAt = performance.now();
    tarvo.audio.framesRendered += frames;
  }

  // What the sound did, in window.tarvo.audio; once per presented frame.
  function describe() {
    if (!context || !playing) return;
    tarvo.audio.heardMs = heardMs(heardFrames(performance.now()));
    tarvo.audio.queuedFrames = queuedFrames();
  }

  return { open, start, stop, queue, queuedFrames, clockMs, describe };
})();
