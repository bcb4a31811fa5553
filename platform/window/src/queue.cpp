// The message queue: posted messages, then input, then paint, then timers; and the timers.

#include <algorithm>
#include <optional>
#include <string>

#include "menu_internal.h"
#include "system.h"

namespace win {
namespace {

using detail::Sys;

// The classic desktop's shortest timer period; a shorter one would flood the queue.
constexpr int MinTimerPeriodMs = 10;

bool TakeFrom(std::deque<Message>& queue, Message& out) {
  if (queue.empty()) return false;
  out = queue.front();
  queue.pop_front();
  return true;
}

int AsInt(std::uintptr_t value) {
  return static_cast<int>(static_cast<std::intptr_t>(value));
}

// A raw press goes to an open or clicked menu, or becomes a press in client pixels.
bool RoutePress(const Message& raw, Message& out) {
  const int x = AsInt(raw.wParam);
  const int y = static_cast<int>(raw.lParam);
  if (detail::MenuTakesPress(raw.window, x, y)) return false;
  const detail::WindowRec* rec = detail::FindWindow(raw.window);
  if (rec == nullptr) return false;
  const int clientY = y - detail::MenuBarRows(*rec);
  if (!rec->client.contains(x, clientY)) return false;
  out = {raw.window, Msg::LButtonDown, 0, detail::PackPoint(x, clientY)};
  return true;
}

// False when the window system itself consumed the input.
bool RouteInput(const Message& raw, Message& out) {
  switch (raw.msg) {
    case Msg::LButtonDown:
      return RoutePress(raw, out);
    case Msg::Size:
      detail::ResizeClient(raw.window, {AsInt(raw.wParam), static_cast<int>(raw.lParam)});
      return false;
    case Msg::KeyDown:
    case Msg::SysKeyDown:
      if (detail::MenuTakesKey(raw)) return false;
      break;
    case Msg::MouseMove:
    case Msg::LButtonUp:
      detail::MenuTakesMouse(raw);
      return false;
    default:
      break;
  }
  out = raw;
  return true;
}

// Posted messages, then input; what the window system does with input (a menu choice) may
// post a message, which then comes before later input.
bool TakePostedOrInput(Message& out) {
  Message raw;
  while (!TakeFrom(Sys().posted, out)) {
    if (!TakeFrom(Sys().input, raw)) return false;
    if (RouteInput(raw, out)) return true;
  }
  return true;
}

bool TakePaint(Message& out) {
  for (const auto& [window, rec] : Sys().windows) {
    if (rec.visible && rec.invalid) {
      out = {window, Msg::Paint, 0, 0};
      return true;
    }
  }
  return false;
}

// Ties go to the timer set first.
detail::TimerRec* EarliestTimer() {
  auto& timers = Sys().timers;
  const auto first = std::min_element(
      timers.begin(), timers.end(), [](const auto& a, const auto& b) { return a.dueMs < b.dueMs; });
  return first == timers.end() ? nullptr : &*first;
}

// While a menu is tracked the program's loop stands still, as inside the classic menu loop: its
// timer messages wait, and the one that came due meanwhile is taken once the menu closes. So an
// animation stands still under an open menu and goes on at once after it.
detail::TimerRec* TimerToWaitFor() {
  return detail::MenuIsTracked() ? nullptr : EarliestTimer();
}

detail::TimerRec* DueTimer(std::int64_t now) {
  detail::TimerRec* timer = TimerToWaitFor();
  return timer != nullptr && timer->dueMs <= now ? timer : nullptr;
}

bool TakeTimer(Message& out) {
  const std::int64_t now = detail::CurrentHost().NowMs();
  detail::TimerRec* timer = DueTimer(now);
  if (timer == nullptr) return false;
  timer->dueMs = now + timer->periodMs;
  out = {timer->window, Msg::Timer, static_cast<std::uintptr_t>(timer->id), 0};
  return true;
}

std::optional<std::int64_t> NextDeadline() {
  const detail::TimerRec* timer = TimerToWaitFor();
  if (timer == nullptr) return std::nullopt;
  return timer->dueMs;
}

// Remembers whether Ctrl was last seen going down, for the mend on focus. Alt counts as pressed
// alone only until another key goes down.
void NoteDelivered(const Message& message) {
  const bool keyDown = message.msg == Msg::KeyDown || message.msg == Msg::SysKeyDown;
  if (keyDown && message.wParam != static_cast<std::uintptr_t>(vk::Menu)) Sys().altAlone = false;
  if (message.wParam != static_cast<std::uintptr_t>(vk::Control)) return;
  if (message.msg == Msg::KeyDown || message.msg == Msg::SysKeyDown) Sys().lastCtrlDown = true;
  if (message.msg == Msg::KeyUp || message.msg == Msg::SysKeyUp) Sys().lastCtrlDown = false;
}

}  // namespace

namespace detail {

void DropMessagesOf(WindowId window) {
  const auto ofWindow = [window](const Message& m) { return m.window == window; };
  std::erase_if(Sys().posted, ofWindow);
  std::erase_if(Sys().input, ofWindow);
}

void KillTimersOf(WindowId window) {
  std::erase_if(Sys().timers, [window](const TimerRec& t) { return t.window == window; });
}

bool AnythingWaits() {
  return !Sys().posted.empty() || !Sys().input.empty() || PaintWaits() ||
         DueTimer(detail::CurrentHost().NowMs()) != nullptr;
}

}  // namespace detail

bool PeekMessage(Message& out) {
  detail::PresentChangedWindows();
  detail::CurrentHost().PumpInput();
  if (!(TakePostedOrInput(out) || TakePaint(out) || TakeTimer(out))) {
    return false;
  }
  NoteDelivered(out);
  return true;
}

void TranslateMessage(const Message& message) {
  const bool keyDown = message.msg == Msg::KeyDown || message.msg == Msg::SysKeyDown;
  if (!keyDown || KeyCharacter(message.lParam) < 0) return;
  const auto character = static_cast<std::uintptr_t>(KeyCharacter(message.lParam));
  if (message.msg == Msg::KeyDown) PostMessage(message.window, Msg::Char, character, 0);
  if (message.msg == Msg::SysKeyDown) PostMessage(message.window, Msg::SysChar, character, 0);
}

std::intptr_t DispatchMessage(const Message& message) {
  if (message.msg == Msg::Quit) return 0;
  return detail::SendMessage(message.window, message.msg, message.wParam, message.lParam);
}

void PostMessage(WindowId window, Msg msg, std::uintptr_t wParam, std::intptr_t lParam) {
  // Messages for a window that is gone are dropped, as the classic desktop drops them.
  if (!detail::SystemLives() || (window != 0 && !IsWindow(window))) return;
  Sys().posted.push_back({window, msg, wParam, lParam});
}

void PostQuitMessage(int exitCode) {
  if (!detail::SystemLives()) return;
  Sys().posted.push_back({0, Msg::Quit, static_cast<std::uintptr_t>(exitCode), 0});
}

void WaitMessage() {
  Host& host = detail::CurrentHost();
  host.PumpInput();
  if (detail::AnythingWaits()) return;
  detail::PresentChangedWindows();
  host.WaitForInput(NextDeadline());
}

pz417::Status SetTimer(WindowId window, int id, int periodMs) {
  if (!IsWindow(window)) return pz417::Failure("SetTimer: no window " + std::to_string(window));
  const int period = std::max(periodMs, MinTimerPeriodMs);
  const std::int64_t due = detail::CurrentHost().NowMs() + period;
  for (auto& timer : Sys().timers) {
    if (timer.window == window && timer.id == id) {
      timer.periodMs = period;
      timer.dueMs = due;
      return {};
    }
  }
  Sys().timers.push_back({window, id, period, due});
  return {};
}

void KillTimer(WindowId window, int id) {
  std::erase_if(Sys().timers,
                [&](const detail::TimerRec& t) { return t.window == window && t.id == id; });
}

}  // namespace win
