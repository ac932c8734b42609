// The page around the demo: the start, question and closing screens, the canvas, full screen, and
// window.tarvo, the page's state for people debugging and for tests (the sound and the page's clock
// are in page-sound.js). The backend calls TarvoPage; everything here runs on the page's one thread.
var tarvo = (window.tarvo = {
  phase: "start",
  frames: 0,
  timelineMs: 0,
  // What the sound did: see page-sound.js.
  audio: { state: "none", output: "none", heardMs: null, queuedFrames: 0, gaps: 0, gapFrames: 0, framesRendered: 0,
           firstHeardAt: null },
  errors: [],
});

var TarvoPage = (function () {
  const byId = (id) => document.getElementById(id);
  // The start screen shows at load unless the page plays on its virtual clock; the program shows
  // it again when it waits for the click, should it read the address otherwise.
  const deterministic = /(^#|&)at=\d+(&|$)/.test(location.hash);
  let startClicked = false;
  let whenStarted = null;

  function report(text) {
    tarvo.errors.push(String(text));
    console.error(text);
  }
  window.addEventListener("error", (event) => report(event.message));
  window.addEventListener("unhandledrejection", (event) => report(event.reason));
  // What the program writes to stderr, line by line; a blank line closes a multi-line message.
  Module.printErr = (text) => text && report(text);
  Module.onAbort = (what) => report("aborted: " + what);

  function show(id, visible) {
    byId(id).hidden = !visible;
  }

  // The browser's full screen over the whole page; the style sheet scales the canvas in it. Escape
  // is kept for the demo where the browser lets a page have it.
  let enteringFullScreen = false;
  function enterFullScreen() {
    if (document.fullscreenElement || enteringFullScreen || !document.documentElement.requestFullscreen) return;
    enteringFullScreen = true;
    document.documentElement
      .requestFullscreen()
      .then(() => navigator.keyboard && navigator.keyboard.lock && navigator.keyboard.lock(["Escape", "F11"]))
      .catch((error) => console.warn("full screen:", error.message))
      .finally(() => (enteringFullScreen = false));
  }
  function leaveFullScreen() {
    if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
  }

  function tellDemoF11() {
    for (const type of ["keydown", "keyup"])
      document.dispatchEvent(new KeyboardEvent(type, { code: "F11", key: "F11", bubbles: true }));
  }

  // The button does what F11 does: while the demo plays, the demo rebuilds its window in the other
  // mode; otherwise the page alone goes in or out of full screen.
  function pressFullScreenKey() {
    byId("fullscreen").blur();
    if (tarvo.phase !== "playing" || !byId("canvas")) {
      if (document.fullscreenElement) leaveFullScreen();
      else enterFullScreen();
      return;
    }
    tellDemoF11();
  }

  // When the browser leaves full screen on its own (its Escape, its menu) while the demo's window
  // is a full-screen one, the demo is told as by F11, so that it rebuilds its window in the page and
  // the next F11 goes back to full screen rather than doing nothing.
  let demoFullScreen = false;
  document.addEventListener("fullscreenchange", () => {
    if (!document.fullscreenElement && demoFullScreen && tarvo.phase === "playing") tellDemoF11();
  });

  function ask(caption, text, yesNo, fullScreenOnYes) {
    const before = tarvo.phase;
    if (fullScreenOnYes) tarvo.phase = "question";
    byId("message-caption").textContent = caption;
    byId("message-text").textContent = text;
    const buttons = byId("message-buttons");
    buttons.replaceChildren();
    show("message", true);
    return new Promise((resolve) => {
      for (const answer of yesNo ? ["yes", "no"] : ["ok"]) {
        const button = document.createElement("button");
        button.dataset.answer = answer;
        button.textContent = { yes: "Yes", no: "No", ok: "OK" }[answer];
        button.addEventListener("click", () => {
          // Full screen is granted only from inside the click.
          if (answer === "yes" && fullScreenOnYes) enterFullScreen();
          show("message", false);
          tarvo.phase = before;
          resolve(answer);
        });
        buttons.appendChild(button);
      }
      buttons.firstChild.focus();
    });
  }

  byId("start-button").addEventListener("click", () => {
    startClicked = true;
    show("start", false);
    if (whenStarted) whenStarted();
  });
  byId("fullscreen").addEventListener("click", pressFullScreenKey);
  show("start", !deterministic);

  return {
    report: report,
    ask: ask,
    waitForStart: () => {
      if (startClicked) return Promise.resolve();
      show("start", true);
      return new Promise((resolve) => (whenStarted = resolve));
    },
    playing: () => {
      if (tarvo.phase === "failed") return;
      tarvo.phase = "playing";
      tarvo.frames = 0;
      tarvo.timelineMs = 0;
      show("closed", false);
    },
    // The canvas took no WebGL 2 context: said on the page, beside the demo's own message box.
    noWebGL: () => {
      tarvo.phase = "failed";
      tarvo.failure = "this browser gives the page no WebGL 2";
      show("no-webgl", true);
    },
    waitForPlayAgain: (exitCode) => {
      tarvo.exitCode = exitCode;
      if (tarvo.phase !== "failed") tarvo.phase = "closed";
      if (exitCode !== 0) report("the programme ended with exit code " + exitCode);
      leaveFullScreen();
      show("closed", true);
      return new Promise((resolve) => {
        byId("play-again").onclick = () => resolve();
      });
    },
    exited: (exitCode) => {
      tarvo.exitCode = exitCode;
      if (tarvo.phase !== "failed") tarvo.phase = "closed";
      leaveFullScreen();
      show("closed", true);
      byId("play-again").onclick = () => location.reload();
      if (exitCode !== 0) report("the programme ended with exit code " + exitCode);
    },
    createCanvas: (width, height, fullScreen) => {
      const canvas = document.createElement("canvas");
      canvas.id = "canvas";
      canvas.width = width;
      canvas.height = height;
      canvas.style.width = width + "px";
      canvas.style.height = height + "px";
      byId("stage").appendChild(canvas);
      demoFullScreen = fullScreen;
      if (fullScreen) enterFullScreen();
      else leaveFullScreen();
    },
    removeCanvas: () => {
      const canvas = byId("canvas");
      if (canvas) canvas.remove();
    },
    showCursor: (visible) => document.documentElement.classList.toggle("no-cursor", !visible),
    presented: (frames, timelineMs, held) => {
      TarvoSound.describe();
      tarvo.frames = frames;
      tarvo.timelineMs = timelineMs;
      if (held) tarvo.phase = "held";
    },
    // In real time the next frame begins with the display's next refresh; in deterministic mode
    // at once, after the browser has had its turn.
    nextFrame: (atOnce) =>
      new Promise((resolve) => (atOnce ? setTimeout(resolve, 0) : requestAnimationFrame(() => resolve()))),
  };
})();
