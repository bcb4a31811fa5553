// Compiled once per header: a program on the kit that includes PROBE_HEADER.
#include PROBE_HEADER

int ProbeUsesTheKit() {
  return KitCircle(2, 0, 0, 10) + static_cast<int>(RunMode::Animate);
}
