#pragma once
// What the files of the web backend share: the page's options, the input waiting for the frame
// loop, and the calls into the page's script (page.js) that more than one file makes.
#include <cstdint>

#include "platform/Platform.h"
#include "platform/web/InputQueue.h"
#include "platform/web/PageOptions.h"

namespace web {

// Read once from the page's address; a malformed option is reported on the page.
const PageOptions& pageOptions();

InputQueue& input();


// Starts the count of presented frames and the run's timeline anew: a new play of the programme.
void beginRun();
// The run's timeline starts now, unless it has started already: when its music starts, or else
// at its first presented frame.
void startRunClock();

// Renders what the page's audio worklet needs to stay ahead; once per presented frame.
void topUpAudio();

// Listens to the browser's key events from now on (once).
void listenToKeys();

// Shows the page's message box with its text and buttons and waits for the answer: "ok", "yes"
// or "no" as IDOK, IDYES, IDNO. With `fullScreenOnYes` the Yes button also takes the page to the
// browser's full screen, which a browser grants only from inside the click itself.
int askInPage(const char* caption, const char* text, bool yesNo, bool fullScreenOnYes);

}  // namespace web
