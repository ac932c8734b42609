// The page's sound output, on the browser's audio thread: plays the stereo signed 16-bit blocks
// the page posts, in order, and tells the page which context frame each played frame of the music
// fell on, so that the page can follow the music as it is heard. Runs dry only when the page has
// posted too little: that is a gap, counted, and filled with silence.
//
// From the page: { type: "start", run } begins a new play whose blocks follow; { type: "block",
// run, samples: Int16Array } queues one; { type: "stop", run } drops what is queued. To the page:
// { run, contextFrame, musicFrames, dry, gaps, gapFrames, first }: by context frame `contextFrame`
// the output has played `musicFrames` frames of this run's music, and plays no more of it while
// `dry`; `first` is the context frame of the run's first frame of music, in its first report.
const reportEveryFrames = 1024;  // about 23 ms at 44.1 kHz

class TarvoOutput extends AudioWorkletProcessor {
  constructor() {
    super();
    this.run = 0;
    this.blocks = [];
    this.head = 0;  // frames of blocks[0] already played
    this.newRun(0);
    this.port.onmessage = (event) => this.receive(event.data);
  }

  newRun(run) {
    this.run = run;
    this.blocks = [];
    this.head = 0;
    this.playing = false;  // stop drops the queue; the run's first block starts it
    this.musicFrames = 0;
    this.gaps = 0;
    this.gapFrames = 0;
    this.dry = false;
    this.sinceReport = 0;
  }

  receive(message) {
    if (message.type === "start" || message.type === "stop") {
      this.newRun(message.run);
    } else if (message.type === "block" && message.run === this.run) {
      this.blocks.push(message.samples);
    }
  }

  process(inputs, outputs) {
    const left = outputs[0][0];
    const right = outputs[0][1] || left;
    const count = left.length;
    const first = !this.playing && this.blocks.length > 0;
    if (first) this.playing = true;
    let written = 0;
    while (written < count && this.blocks.length > 0) {
      const block = this.blocks[0];
      const take = Math.min(count - written, block.length / 2 - this.head);
      for (let i = 0; i < take; ++i) {
        left[written + i] = block[2 * (this.head + i)] / 32768;
        right[written + i] = block[2 * (this.head + i) + 1] / 32768;
      }
      written += take;
      this.head += take;
      if (this.head * 2 === block.length) {
        this.blocks.shift();
        this.head = 0;
      }
    }
    left.fill(0, written);
    if (right !== left) right.fill(0, written);
    this.musicFrames += written;
    const ranDry = this.playing && written < count;
    if (ranDry) {
      if (!this.dry) ++this.gaps;
      this.gapFrames += count - written;
    }
    const changed = ranDry !== this.dry;
    this.dry = ranDry;
    this.sinceReport += count;
    if (this.playing && (first || changed || this.sinceReport >= reportEveryFrames)) {
      this.sinceReport = 0;
      this.port.postMessage({
        run: this.run, contextFrame: currentFrame + written, musicFrames: this.musicFrames, dry: ranDry,
        gaps: this.gaps, gapFrames: this.gapFrames, first: first ? currentFrame : null,
      });
    }
    return true;
  }
}

registerProcessor("tarvo-output", TarvoOutput);
