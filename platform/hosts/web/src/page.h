#pragma once
// The page's side of the web host (js/page_windows.js), as the host's C++ calls it.

#include <cstdint>

namespace webhost {

// What an input record is, as js/page_windows.js numbers them.
enum class PageInput : int {
  Press = 1,      // window, a = x, b = y (content pixels)
  Move = 2,       // the same
  Release = 3,    // the same
  KeyDown = 4,    // code and key texts; a = KeyFlags
  KeyUp = 5,      // the same
  Close = 6,      // window: its close box
  Resize = 7,     // window, a = content width, b = content height
  Focus = 8,      // window (0: the page got the keyboard back), a = Ctrl held
  FocusLeft = 9,  // the page lost the keyboard to another tab or program
};

// The modifier bits of a key record.
namespace key_flags {
constexpr int Ctrl = 1;
}

constexpr int PageTextSize = 32;  // a key's code or key text, NUL included

struct PageRecord {
  PageInput kind;
  int window;
  int a;
  int b;
  char code[PageTextSize];
  char key[PageTextSize];
};

}  // namespace webhost

extern "C" {
// Starts listening to the page; the scale the device pixel ratio asks for (at least 1), or 0
// when the page has no place for windows.
int pz417_page_init();
// Each window pixel as scale x scale device pixels, for every frame.
void pz417_page_set_scale(int scale);
void pz417_page_screen_size(int* widthAndHeight);
// At the window's outer place, its canvas the size of its content.
void pz417_page_create_window(int window, const char* title, int left, int top, int width,
                              int height, int sizable);
void pz417_page_show_window(int window, int visible);
void pz417_page_destroy_window(int window);
void pz417_page_set_focus(int window);
void pz417_page_present(int window, int width, int height, const std::uint8_t* rgba, int x, int y,
                        int boxWidth, int boxHeight);
int pz417_page_next_input(int* numbers, char* code, char* key, int textSize);
// Returns at the next input or at deadlineMs on the page's clock (< 0: none), waiting without
// using the processor.
void pz417_page_wait(double deadlineMs);
}
