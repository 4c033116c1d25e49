// Restoring the choices from a settings file far larger than any we write:
// 70,000 keys in about 1 MB, as a clumsy script or an attack could leave it.
// The file is parsed once per restore, so the time is one parse, not one per key.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "generator/options.h"
#include "platform/settings_store.h"

namespace {

void BM_RestoreFrom70000Keys(benchmark::State& state) {
  QTemporaryDir dir;
  QFile file(dir.filePath("Quillmark.ini"));
  if (!file.open(QIODevice::WriteOnly)) return state.SkipWithError("no settings file");
  QByteArray text = "[Tallyloom]\nMonday=1\nNumberOfWeeks=1\n";
  for (int i = 0; i < 70000; ++i) text += "Key" + QByteArray::number(i) + "=value\n";
  file.write(text);
  file.close();
  platform::IniSettingsStore store(dir.path());
  for (auto _ : state) {
    generator::ChoiceState controls;
    benchmark::DoNotOptimize(generator::RestoreChoices(controls, store));
  }
  state.counters["bytes"] = double(text.size());
}
BENCHMARK(BM_RestoreFrom70000Keys)->Unit(benchmark::kMillisecond);

}  // namespace
