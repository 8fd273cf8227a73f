#include <benchmark/benchmark.h>

#include <string>

#include "bench/qt/benchmarks.h"
#include "bench/qt/qt_floor.h"
#include "bench/qt/session.h"
#include "bench/qt/shown.h"
#include "testbench/metodos.h"
#include "testbench/skin/cargar_skin.h"

namespace bench {
namespace {

// A routine of the program, and the same changes made by direct Qt calls.
struct Routine {
  const char* name;
  void (*run)(host::FormsHost& host, host::FormRef form);
  void (QtFloor::*floor)() const;
};

const Routine kRoutines[] = {
    {"CargarSkin",
     [](host::FormsHost& host, host::FormRef form) { testbench::CargarSkin(host, form); },
     &QtFloor::cargarSkin},
    {"AplicarMetodo1",
     [](host::FormsHost& host, host::FormRef form) { testbench::AplicarMetodo(host, form, 1); },
     &QtFloor::aplicarMetodo1},
};

constexpr std::size_t kSizes[] = {13, 100, 1000, 10000};

// On the Qt host, the routine alone or with the painting it causes (events processed until
// none is pending). Without, the painting is done between iterations, untimed, so that nothing
// piles up from one iteration to the next.
template <bool kPainted, class Work>
void timeOnQt(benchmark::State& state, host::FormRef form, Work&& work) {
  Shown shown(*Session::current().qt().widget(form));
  // Once untimed, so that every timed iteration starts from the state the routine leaves: the
  // first run on a new form costs more, and would fall on whichever variant happens to run first.
  work();
  driver::qt::settle();
  for (auto _ : state) {
    work();
    if (kPainted) {
      driver::qt::settle();
    } else {
      state.PauseTiming();
      driver::qt::settle();
      state.ResumeTiming();
    }
  }
}

template <bool kPainted>
void onQt(benchmark::State& state, const Routine& routine, std::size_t count) {
  Session& session = Session::current();
  const host::FormRef form = session.generatedOnQt(count);
  timeOnQt<kPainted>(state, form, [&] { routine.run(session.qt(), form); });
}

template <bool kPainted>
void floorOnQt(benchmark::State& state, const Routine& routine, std::size_t count) {
  Session& session = Session::current();
  const host::FormRef form = session.generatedOnQt(count);
  const QtFloor floor(session.qt(), form);
  timeOnQt<kPainted>(state, form, [&] { (floor.*routine.floor)(); });
}

// The in-memory host records every call; the record is emptied between iterations, untimed.
void inMemory(benchmark::State& state, const Routine& routine, std::size_t count) {
  auto [memory, form] = Session::current().generatedInMemory(count);
  for (auto _ : state) {
    routine.run(*memory, form);
    state.PauseTiming();
    memory->clearTrace();
    state.ResumeTiming();
  }
}

using Variant = void (*)(benchmark::State&, const Routine&, std::size_t);

struct VariantRow {
  const char* name;
  Variant run;
  bool paints;  // on a shown window, painting after every iteration
};

constexpr VariantRow kVariants[] = {
    {"qt", onQt<false>, true},
    {"qt+paint", onQt<true>, true},
    {"qt-floor", floorOnQt<false>, true},
    {"qt-floor+paint", floorOnQt<true>, true},
    {"memory", inMemory, false},
};

// Painting the largest forms takes seconds, between iterations too: runs that paint them are
// counted out rather than timed out, so that a full run stays within minutes; at 10,000
// controls one run per repetition. A smoke run does each benchmark once.
void limitRuns(benchmark::internal::Benchmark& benchmark, std::size_t count, bool paints,
               bool smoke) {
  if (smoke) {
    benchmark.Iterations(1)->Repetitions(1);
  } else if (!paints) {
    return;
  } else if (count >= 10000) {
    benchmark.Iterations(1);
  } else if (count >= 1000) {
    benchmark.Iterations(5);
  }
}

}  // namespace

void registerScaleBenchmarks(bool smoke) {
  for (const Routine& routine : kRoutines) {
    for (const std::size_t count : kSizes) {
      for (const VariantRow& variant : kVariants) {
        const std::string name =
            std::string("scale/") + routine.name + "/" + variant.name + "/" + std::to_string(count);
        auto* benchmark = benchmark::RegisterBenchmark(name.c_str(), variant.run, routine, count)
                              ->Unit(benchmark::kMicrosecond);
        limitRuns(*benchmark, count, variant.paints, smoke);
      }
    }
  }
}

}  // namespace bench
