// The web entry: main() for any program on the kit that is linked with PZ417::web. It opens the
// page's host, brings back PZ417.SCR from the browser's storage, runs the program's WinMain, and
// tells the page when it has ended.

#include <emscripten.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "entry_text.h"
#include "pz417/kit.h"
#include "pz417/kit_tools.h"
#include "pz417/script_format.h"
#include "raster/text.h"
#include "web_host/web_host.h"
#include "win/host.h"
#include "win/scale.h"

extern "C" {
// The value of the page address's query parameter `name`, if it has one; false if not.
bool pz417_web_query(const char* name, char* value, int valueSize);
// Shows a message on the page; isError for what keeps the program from running.
void pz417_web_tell(const char* text, int isError);
// Opens the browser's storage and puts the PZ417.SCR kept there into the working directory;
// storage that is refused is told on the page, and the program runs on without it.
void pz417_script_store_open();
// Keeps the working directory's PZ417.SCR in the browser's storage if it changed.
void pz417_script_store_save();
// Tells the page the program ended with `status`.
void pz417_web_ended(int status);
// Keeps an event as the page's record of what the program's wait returned.
void pz417_web_note_event(const char* line);
}

namespace {

constexpr int QueryValueSize = 64;

// ?scale=N: every window pixel as N x N device pixels. 0 when not given.
int RequestedScale() {
  char value[QueryValueSize];
  if (!pz417_web_query("scale", value, sizeof value)) return 0;
  const std::optional<int> scale = win::ScaleNamed(value);
  if (!scale) {
    pz417_web_tell(("?scale=" + std::string(value) + " is not a scale from 1 to " +
                    std::to_string(win::MaxScale) + "; the device's is used")
                       .c_str(),
                   0);
    return 0;
  }
  return *scale;
}

// ?events: the page keeps every event the kit's wait returns, as the replay entry's --events writes
// them, for tools that watch the page.
void NoteEventsIfAsked() {
  char value[QueryValueSize];
  if (!pz417_web_query("events", value, sizeof value)) return;
  KitSetEventHook([](int kind, int x, int y, signed char key) {
    pz417_web_note_event(entry::EventLine(kind, x, y, key).c_str());
  });
}

}  // namespace

// Whether a file offered as PZ417.SCR holds a script; the page asks before it replaces the one
// in the working directory.
extern "C" EMSCRIPTEN_KEEPALIVE int pz417_web_is_script_text(const char* text, int size) {
  return size >= 0 && pz417::IsScriptText(std::string_view(text, static_cast<std::size_t>(size)))
             ? 1
             : 0;
}

int main() {
  pz417::Result<std::unique_ptr<webhost::WebHost>> host = webhost::WebHost::Open();
  if (!host) {
    pz417_web_tell(("The program cannot start: " + host.error()).c_str(), 1);
    return 1;
  }
  (*host)->SetFailureReport([](const pz417::Status& failure) {
    if (!failure) pz417_web_tell(failure.error().c_str(), 1);
  });
  // Without a face the program still runs; the text in it is not drawn.
  if (const pz417::Status faces = raster::LoadBuiltInFaces(); !faces) {
    pz417_web_tell(faces.error().c_str(), 0);
  }
  if (const int scale = RequestedScale(); scale > 0) (*host)->SetScale(scale);
  pz417_script_store_open();
  // The page can only be closed while the program waits, so what was written is kept by then.
  (*host)->SetIdleHook([] { pz417_script_store_save(); });
  NoteEventsIfAsked();
  win::SetHost(host->get());
  const int status = WinMain(nullptr, nullptr, "", 1);
  win::SetHost(nullptr);
  pz417_script_store_save();
  pz417_web_ended(status);
  return status;
}
