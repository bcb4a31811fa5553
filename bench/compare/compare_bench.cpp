// The program's heaviest editing frame drawn three ways in one process, repetitions randomly
// interleaved: through our kit (the program's own RedrawScene: its 195 kit calls), through
// Cairo's image backend with antialiasing off (the same rectangles, ellipses, polygons, lines
// and texts, as the kit kept them for its next copy), and as one memset of the whole canvas. Prints
// the medians' ratios at the end. Run pinned to one core:
//   taskset -c 1 bench_compare [--pictures=DIR] [benchmark flags]

#include <benchmark/benchmark.h>
#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "busy_state.h"
#include "colors.h"
#include "kit_state.h"
#include "open_kit.h"
#include "pz417/kit.h"
#include "pz417/kit_tools.h"
#include "raster/png.h"
#include "render.h"

namespace {

// A shape as the renderer was handed it, with its text kept.
struct RecordedShape {
  kit::Shape shape;
  std::string text;
};

const std::vector<RecordedShape>& Frame() {
  static const std::vector<RecordedShape> frame = [] {
    OpenKitOnce();
    const kit::FrameDamage& kept = kit::TheKit().frameDamage;
    std::size_t before = 0;
    kept.ForEachShapeSinceCopy([&before](const kit::Shape&, std::string_view) { ++before; });
    RedrawScene(BusyState());
    std::vector<RecordedShape> shapes;
    kept.ForEachShapeSinceCopy([&](const kit::Shape& s, std::string_view text) {
      if (before > 0) {
        --before;
      } else {
        shapes.push_back({s, std::string(text)});
      }
    });
    return shapes;
  }();
  return frame;
}

// Cairo draws what GDI's rules draw as closely as its own rules allow: boxes include their
// corner points, outlines run along pixel centres, text sits on its cell's baseline.
class CairoFrame {
 public:
  CairoFrame()
      : surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, 601, 540)),
        cr_(cairo_create(surface_)),
        face_(cairo_toy_font_face_create("Liberation Sans", CAIRO_FONT_SLANT_NORMAL,
                                         CAIRO_FONT_WEIGHT_NORMAL)) {
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
    cairo_set_font_options(cr_, options);
    cairo_font_options_destroy(options);
    cairo_set_font_face(cr_, face_);
  }
  ~CairoFrame() {
    cairo_font_face_destroy(face_);
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
  }
  CairoFrame(const CairoFrame&) = delete;
  CairoFrame& operator=(const CairoFrame&) = delete;

  void Draw(const std::vector<RecordedShape>& shapes) {
    for (const RecordedShape& r : shapes) Draw(r);
    cairo_surface_flush(surface_);
  }
  void WritePng(const std::string& path) { cairo_surface_write_to_png(surface_, path.c_str()); }

 private:
  double X(std::int64_t x) const { return static_cast<double>(KitOriginX() + x); }
  double Y(std::int64_t y) const { return static_cast<double>(KitOriginY() - y); }

  void Paint(int width) {
    if (width == 0) {
      cairo_fill(cr_);
    } else {
      cairo_set_line_width(cr_, width);
      cairo_stroke(cr_);
    }
  }

  void Draw(const RecordedShape& r) {
    const kit::Shape& s = r.shape;
    const raster::Color rgb = kit::ColorTable[s.color].rgb;
    cairo_set_source_rgb(cr_, raster::RedOf(rgb) / 255.0, raster::GreenOf(rgb) / 255.0,
                         raster::BlueOf(rgb) / 255.0);
    const double left = X(s.x1), top = Y(s.y1), right = X(s.x2) + 1, bottom = Y(s.y2) + 1;
    switch (s.kind) {
      case kit::ShapeKind::Rectangle:
        if (s.width == 0) {
          cairo_rectangle(cr_, left, top, right - left, bottom - top);
        } else {
          cairo_rectangle(cr_, left + 0.5, top + 0.5, right - left - 1, bottom - top - 1);
        }
        Paint(s.width);
        break;
      case kit::ShapeKind::Oval:
        cairo_save(cr_);
        cairo_translate(cr_, (left + right) / 2, (top + bottom) / 2);
        cairo_scale(cr_, (right - left) / 2, (bottom - top) / 2);
        cairo_arc(cr_, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr_);
        Paint(s.width);
        break;
      case kit::ShapeKind::Triangle:
        cairo_move_to(cr_, X(s.x1), Y(s.y1));
        cairo_line_to(cr_, X(s.x2), Y(s.y2));
        cairo_line_to(cr_, X(s.x3), Y(s.y3));
        cairo_close_path(cr_);
        Paint(s.width);
        break;
      case kit::ShapeKind::Line:
        cairo_move_to(cr_, X(s.x1) + 0.5, Y(s.y1) + 0.5);
        cairo_line_to(cr_, X(s.x2) + 0.5, Y(s.y2) + 0.5);
        Paint(s.width);
        break;
      case kit::ShapeKind::Text:
        DrawText(r.text, s.textSize, X(s.x1), Y(s.y1));
        break;
    }
  }

  // Each line one cell lower, the first directly above the anchor.
  void DrawText(const std::string& text, int size, double x, double anchorY) {
    cairo_set_font_size(cr_, size == 0 ? 16 : size);
    cairo_font_extents_t font;
    cairo_font_extents(cr_, &font);
    double top = anchorY - font.height;
    for (std::size_t start = 0;; top += font.height) {
      const std::size_t end = text.find('\n', start);
      cairo_move_to(cr_, x, top + font.ascent);
      cairo_show_text(cr_, text.substr(start, end - start).c_str());
      if (end == std::string::npos) break;
      start = end + 1;
    }
  }

  cairo_surface_t* surface_;
  cairo_t* cr_;
  cairo_font_face_t* face_;
};

void BM_Kit(benchmark::State& state) {
  OpenKitOnce();
  const PreviewState s = BusyState();
  for (auto _ : state) {
    RedrawScene(s);
    benchmark::DoNotOptimize(KitCanvas().pixels().data());
  }
}
BENCHMARK(BM_Kit)->Name("Frame/Kit");

void BM_Cairo(benchmark::State& state) {
  const std::vector<RecordedShape>& frame = Frame();
  CairoFrame cairo;
  for (auto _ : state) cairo.Draw(frame);
}
BENCHMARK(BM_Cairo)->Name("Frame/Cairo");

void BM_Memset(benchmark::State& state) {
  std::vector<std::uint32_t> canvas(601 * 540);
  int value = 0;
  for (auto _ : state) {
    std::memset(canvas.data(), ++value & 0xFF, canvas.size() * sizeof(canvas[0]));
    benchmark::DoNotOptimize(canvas.data());
  }
}
BENCHMARK(BM_Memset)->Name("Frame/Memset");

// Keeps each benchmark's medians as the console shows them.
class MedianReporter : public benchmark::ConsoleReporter {
 public:
  struct Times {
    double real = 0, cpu = 0;  // in the runs' time unit
  };
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
        medians[run.run_name.function_name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, Times> medians;
};

void PrintRatios(const char* what, double kit, double cairo, double memset) {
  if (kit <= 0 || cairo <= 0 || memset <= 0) return;
  std::printf(
      "%s medians: kit %.1f us, Cairo %.1f us, memset %.1f us; Cairo / kit %.2f (goal at "
      "least 5), kit / memset %.2f (goal at most 5)\n",
      what, kit, cairo, memset, cairo / kit, kit / memset);
}

// --pictures=DIR writes the frame as each side draws it, to look at.
void WritePictures(int argc, char** argv) {
  const std::string flag = "--pictures=";
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], flag.c_str(), flag.size()) != 0) continue;
    const std::string dir = argv[i] + flag.size();
    CairoFrame cairo;
    cairo.Draw(Frame());
    cairo.WritePng(dir + "/frame-cairo.png");
    RedrawScene(BusyState());
    if (const pz417::Status written = raster::WritePng(KitCanvas(), dir + "/frame-kit.png");
        !written) {
      std::fprintf(stderr, "bench_compare: %s\n", written.error().c_str());
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Interleaved repetitions unless told otherwise: the machine's load then falls on all three.
  std::vector<char*> args(argv, argv + argc);
  std::string interleave = "--benchmark_enable_random_interleaving=true";
  std::string repetitions = "--benchmark_repetitions=30";
  std::string unit = "--benchmark_time_unit=us";
  args.insert(args.begin() + 1, {interleave.data(), repetitions.data(), unit.data()});
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  std::printf("the frame: %zu kit calls\n", Frame().size());  // recorded before timing
  WritePictures(count, args.data());
  MedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  auto& m = reporter.medians;
  std::printf("\n");
  PrintRatios("Wall-clock", m["Frame/Kit"].real, m["Frame/Cairo"].real, m["Frame/Memset"].real);
  PrintRatios("CPU", m["Frame/Kit"].cpu, m["Frame/Cairo"].cpu, m["Frame/Memset"].cpu);
  return 0;
}
