// Benchmarks of the panel host on the built Kestrin.gau: loading and
// installing the module, and one frame of the airspeed gauge (callback,
// update and render). Figures only; nothing here asserts a time.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "panel.h"
#include "raster.h"

namespace {

void LoadAndInstall(benchmark::State& state) {
    for (auto _ : state) {
        panel::Panel p;
        std::string err;
        panel::Module* m = p.LoadModule(KESTRIN_GAU, &err);
        if (!m || !p.Place(m, "Airspeed", &err)) {
            state.SkipWithError(err.c_str());
            return;
        }
        benchmark::DoNotOptimize(m);
    }
}
BENCHMARK(LoadAndInstall)->Unit(benchmark::kMillisecond);

void AirspeedFrame(benchmark::State& state) {
    panel::Panel p;
    std::string err;
    panel::Module* m = p.LoadModule(KESTRIN_GAU, &err);
    panel::PlacedGauge* g = m ? p.Place(m, "Airspeed", &err) : nullptr;
    if (!g) {
        state.SkipWithError(err.c_str());
        return;
    }
    double knots = 0;
    for (auto _ : state) {
        // Keep the needle moving so every frame turns and redraws it.
        knots = knots >= 400 ? 0 : knots + 3.7;
        p.variables().Set(61, knots);
        p.Frame();
        benchmark::DoNotOptimize(g->canvas.pixels.data());
    }
    state.counters["pixels_per_frame"] = double(g->canvas.width) * g->canvas.height;
}
BENCHMARK(AirspeedFrame)->Unit(benchmark::kMicrosecond);

// The two drawing steps of that frame on their own: the background blit
// and the turned needle.
void DrawingSteps(benchmark::State& state) {
    panel::Panel p;
    std::string err;
    panel::Module* m = p.LoadModule(KESTRIN_GAU, &err);
    if (!m) {
        state.SkipWithError(err.c_str());
        return;
    }
    const panel::Bitmap& face = m->FindBitmap(4096)->bitmap;
    const panel::Bitmap& needle = m->FindBitmap(4352)->bitmap;
    panel::Bitmap canvas = panel::Bitmap::Make(face.width, face.height);
    double angle = 0;
    for (auto _ : state) {
        if (state.range(0) == 0) {
            panel::BlitOver(canvas, canvas.bounds(), face, 0, 0);
        } else {
            angle = angle >= 360 ? 0 : angle + 7.3;
            panel::DrawRotated(canvas, canvas.bounds(), needle, 28, 7, 79, 77, angle);
        }
        benchmark::DoNotOptimize(canvas.pixels.data());
    }
}
BENCHMARK(DrawingSteps)->Arg(0)->Arg(1)->ArgName("needle")->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
