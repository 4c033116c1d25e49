// The program as its own process under what an administrator's probes give
// it: full or odd working folders, limits, missing fonts, a closed or full
// standard output, signals. Each run either does its work or fails with one
// line and exit 1, leaves every old output as it was and nothing behind.
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <random>

#include "outputs_fixture.h"
#include "program_run.h"

// Each case names only the part of ChildSetup it changes; the rest keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace outputs_test {
namespace {

const std::string kOld = "old contents";
// Enough address space for the programs to start (about 60 MB), not for the
// largest sheet's picture (25 megapixels, 100 MB). A sanitizer reserves far
// more for itself, so there the row is left out.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kMemoryLimitWorks = false;
#else
constexpr bool kMemoryLimitWorks = true;
#endif
constexpr rlim_t kTightMemory = rlim_t(128) << 20;
const std::vector<std::string> kLargest = {"--days", "all", "--weeks", "4", "--shifts", "20"};

// Standard error without the sanitizer's reports of virtual calls it could
// not check (a report of three lines that ends "<memory cannot be printed>").
std::string withoutBlindTypeChecks(const std::string& err) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = err.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(err.substr(start, end + 1 - start));
  if (start < err.size()) lines.push_back(err.substr(start));
  std::string kept;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i + 2 < lines.size() && lines[i].find("runtime error: member ") != std::string::npos &&
        lines[i + 2] == "<memory cannot be printed>\n") {
      i += 2;
      continue;
    }
    kept += lines[i];
  }
  return kept;
}

class RunLimits : public ::testing::Test {
 protected:
  void SetUp() override {
    if (::access(programPath(), X_OK) != 0) GTEST_SKIP() << "the program is not built";
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir("tmp"));
    // Open to the unprivileged account of the write-protection case.
    ::chmod(dir.path().toLocal8Bit().constData(), 0777);
    ::chmod(temp().c_str(), 0777);
  }
  std::string at(const std::string& name) const { return dir.path().toStdString() + "/" + name; }
  std::string temp() const { return at("tmp"); }
  static std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  static void put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  // The run's working files are gone, and no hidden temporary file sits beside the outputs.
  void expectNothingLeft(const std::string& what) const {
    EXPECT_EQ(folderEntries(QString::fromStdString(temp())).join(' ').toStdString(), "") << what;
    for (const QString& name : folderEntries(dir.path()))
      EXPECT_FALSE(name.startsWith('.')) << what << ": " << name.toStdString();
  }
  // A fontconfig file that finds only the fonts in `folder` ("" for none).
  std::string fontConfig(const std::string& name, const std::string& folder) const {
    const std::string path = at(name);
    put(path, "<?xml version=\"1.0\"?><fontconfig>" +
                  (folder.empty() ? "" : "<dir>" + folder + "</dir>") + "<cachedir>" + temp() +
                  "/../fc</cachedir></fontconfig>");
    return path;
  }
  QTemporaryDir dir;
};

TEST_F(RunLimits, EachHostileRunFailsInOneLineKeepsTheOldFilesAndLeavesNothing) {
  const std::string noFonts = fontConfig("none.conf", "");
  // The PDF reads its fonts' files itself: an empty font folder, and one whose
  // Liberation Sans is cut off inside its table directory.
  ASSERT_TRUE(QDir(dir.path()).mkdir("nofonts"));
  ASSERT_TRUE(QDir(dir.path()).mkdir("cutfonts"));
  put(at("cutfonts/LiberationSans-Regular.ttf"), std::string("\0\1\0\0\0\x13", 6));
  // Without two spare descriptors a sanitizer build's check of virtual calls
  // cannot probe memory (it writes through a pipe) and reports the first call
  // of each type with "<memory cannot be printed>": not the program's own
  // lines, so in that case it goes on and its reports are set aside.
  const char* ubsan = std::getenv("UBSAN_OPTIONS");
  const std::string goOn = std::string(ubsan ? ubsan : "") + ":halt_on_error=0";
  using Out = ChildSetup::Out;
  struct Case {
    const char* what;
    std::vector<std::string> args;  // outputs are names in the test's folder
    ChildSetup setup;
    std::vector<std::string> untouched;  // old outputs that must stay as they were
    std::string said;                    // in the one line on standard error
  };
  std::vector<Case> cases = {
      // The library's working copy of the sheet (about 490 KB) is cut at the limit.
      {"full working folder, .xlsx",
       {"--output", "t.xlsx"},
       {.fileSizeLimit = 200000},
       {"t.xlsx"},
       "is cut short"},
      {"full working folder, .xlsm",
       {"--output", "t.xlsm"},
       {.fileSizeLimit = 200000},
       {"t.xlsm"},
       "is cut short"},
      {"file-size limit",
       {"--output", "t.xls", "--picture", "t.png"},
       {.fileSizeLimit = 300000},
       {"t.png"},
       "t.png\": File too large"},
      {"no fonts, PDF",
       {"--output", "t.xls", "--pdf", "t.pdf"},
       {.env = {{"TALLYLOOM_FONT_DIR", at("nofonts")}}},
       {"t.xls", "t.pdf"},
       "fonts-liberation2"},
      {"damaged font, PDF",
       {"--output", "t.xls", "--pdf", "t.pdf"},
       {.env = {{"TALLYLOOM_FONT_DIR", at("cutfonts")}}},
       {"t.xls", "t.pdf"},
       "fonts-liberation2"},
      {"no fonts, picture",
       {"--output", "t.xls", "--picture", "t.png"},
       {.env = {{"FONTCONFIG_FILE", noFonts}}},
       {"t.xls", "t.png"},
       "fonts-liberation2"},
      {"summary to a full disk",
       {"--output", "t.xls", "--json"},
       {.out = Out::Full},
       {},
       "standard output: No space left on device"},
      {"summary to a closed output",
       {"--output", "t.xls", "--json"},
       {.out = Out::Closed},
       {},
       "standard output"},
      {"write-protected target",
       {"--output", "ro.xls"},
       {.asNobody = true},
       {"ro.xls"},
       "ro.xls\": Permission denied"},
      // The picture and the PDF are not drawn for an output that was not written.
      {"write-protected target, with a picture and a PDF",
       {"--output", "ro.xls", "--picture", "t.png", "--pdf", "t.pdf"},
       {.asNobody = true},
       {"ro.xls", "t.png", "t.pdf"},
       "ro.xls\": Permission denied"},
      {"no descriptors left",
       {"--output", "t.xls", "--picture", "t.png"},
       {.env = {{"UBSAN_OPTIONS", goOn}}, .openFilesLimit = 4},
       {"t.png"},
       "Too many open files"},
      {"a working folder whose name is too long",
       {"--output", "t.xls"},
       {.env = {{"TEMP", temp() + "/" + std::string(300, 'n')}}},
       {"t.xls"},
       "File name too long"},
      {"file-size limit, .xls",
       {"--output", "t.xls"},
       {.fileSizeLimit = 8192},
       {"t.xls"},
       "File too large"},
  };
  if (kMemoryLimitWorks)
    cases.push_back({"out of memory",
                     {"--output", "t.xls", "--picture", "t.png"},
                     {.memoryLimit = kTightMemory},
                     {"t.png"},
                     "t.png: Out of memory"});
  for (const Case& c : cases) {
    for (const char* name : {"t.xlsx", "t.xlsm", "t.xls", "t.png", "t.pdf", "ro.xls"})
      put(at(name), kOld);
    ::chmod(at("ro.xls").c_str(), 0444);
    std::vector<std::string> args = {"generate"};
    for (const std::string& a : c.args) args.push_back(a.starts_with("--") ? a : at(a));
    args.insert(args.end(), kLargest.begin(), kLargest.end());
    ChildSetup setup = c.setup;
    setup.env.emplace_back("TEMP", temp());
    ChildResult r = runProgram(args, setup);
    r.err = withoutBlindTypeChecks(r.err);
    EXPECT_EQ(r.code, 1) << c.what << "\n" << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << c.what << "\n" << r.err;
    EXPECT_NE(r.err.find(c.said), std::string::npos) << c.what << "\n" << r.err;
    EXPECT_EQ(r.out, "") << c.what;
    for (const std::string& name : c.untouched)
      EXPECT_TRUE(contents(at(name)) == kOld) << c.what << ": " << name << " was replaced";
    expectNothingLeft(c.what);
  }
}

TEST_F(RunLimits, AWorkingFolderWhoseNameIsNotUtf8Works) {
  const std::string odd = temp() + "/x\xFF";
  ASSERT_EQ(::mkdir(odd.c_str(), 0700), 0);
  for (const char* output : {"t.xls", "t.xlsx", "t.xlsm", "t.ods"}) {
    const ChildResult r = runProgram(
        {"generate", "--output", at(output), "--picture", at("t.png"), "--pdf", at("t.pdf")},
        {.env = {{"TEMP", odd}}});
    EXPECT_EQ(r.code, 0) << output << "\n" << r.err;
    EXPECT_EQ(r.err, "") << output;
    EXPECT_EQ(::rmdir(odd.c_str()), 0) << output << ": the working folder is not empty";
    ASSERT_EQ(::mkdir(odd.c_str(), 0700), 0);
  }
  ::rmdir(odd.c_str());  // a name QDir cannot spell
}

TEST_F(RunLimits, StandardOutputIntoAPipeGetsTheWorkbook) {
  ASSERT_EQ(runProgram({"generate", "--output", at("t.xls")}).code, 0);
  const std::string workbook = contents(at("t.xls"));
  for (const char* name : {"/dev/stdout", "/proc/self/fd/1", "/dev/fd/1"}) {
    const ChildResult r = runProgram({"generate", "--output", name});
    EXPECT_EQ(r.code, 0) << name << "\n" << r.err;
    EXPECT_TRUE(r.out == workbook) << name << ": " << r.out.size() << " bytes";
  }
}

TEST_F(RunLimits, TheDesktopWithoutADisplayIsOneLine) {
  const ChildResult r = runProgram({}, {.env = {{"DISPLAY", std::nullopt},
                                                {"WAYLAND_DISPLAY", std::nullopt},
                                                {"QT_QPA_PLATFORM", std::nullopt}}});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  EXPECT_NE(r.err.find("no display"), std::string::npos) << r.err;
}

TEST_F(RunLimits, ADamagedFontIsReportedOnce) {
  const std::string font = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";
  std::string bytes = contents(font);
  if (bytes.size() < 100000) GTEST_SKIP() << "no Liberation Sans to damage";
  // Every outline past the first few overwritten; the tables' directory intact.
  std::fill(bytes.begin() + 40000, bytes.end() - 20000, '\xFF');
  ASSERT_TRUE(QDir(dir.path()).mkdir("fonts"));
  put(at("fonts/LiberationSans-Regular.ttf"), bytes);
  const ChildResult r =
      runProgram({"generate", "--output", at("t.xls"), "--picture", at("t.png")},
                 {.env = {{"FONTCONFIG_FILE", fontConfig("bad.conf", at("fonts"))}}});
  EXPECT_LE(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
}

TEST_F(RunLimits, APdfWithAFallbackFontIsTheSameInEveryRun) {
  // The rupee sign is not in Liberation Sans: Qt lays the text out in two
  // fonts, whose runs it hands over in an order that changed from process to
  // process (about one run in two).
  std::string first;
  for (int run = 0; run < 5; ++run) {
    const ChildResult r = runProgram({"generate", "--output", at("t.xls"), "--pdf", at("t.pdf"),
                                      "--currency", "\u20B9", "--weeks", "2", "--shifts", "3"});
    ASSERT_EQ(r.code, 0) << r.err;
    if (run == 0) first = contents(at("t.pdf"));
    EXPECT_TRUE(contents(at("t.pdf")) == first) << "run " << run << " differs from the first";
  }
}

// Interrupted at a random moment, a run leaves each output as it was or
// whole (as an uninterrupted run writes it), never part of one, and ends as
// the signal ends a program. A signal it can catch also removes its working
// folder and every hidden part of an output; SIGKILL leaves those behind.
TEST_F(RunLimits, AKillAnywhereLeavesNoPartialOutput) {
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("random seed " + std::to_string(seed));
  std::mt19937 random(seed);
  for (const char* workbook : {"t.xls", "t.xlsm"}) {
    std::vector<std::string> args = {"generate",  "--output", at(workbook), "--picture",
                                      at("t.png"), "--pdf",    at("t.pdf")};
    args.insert(args.end(), kLargest.begin(), kLargest.end());
    // An uninterrupted run gives the whole outputs and how long a run lasts here.
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(runProgram(args, {.env = {{"TEMP", temp()}}}).code, 0) << workbook;
    const auto lasted = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    std::map<std::string, std::string> whole;
    for (const char* name : {"t.png", "t.pdf", workbook}) whole[name] = contents(at(name));
    std::uniform_int_distribution<int> moment(1, std::max<int>(2, lasted.count() * 9 / 10));
    int interrupted = 0;
    for (const int signal : {SIGTERM, SIGTERM, SIGTERM, SIGTERM, SIGKILL, SIGKILL}) {
      const int delay = moment(random);
      const std::string what = std::string(workbook) + " " + strsignal(signal) + " after " +
                               std::to_string(delay) + " ms";
      for (const auto& [name, bytes] : whole) put(at(name), kOld);
      const ChildResult r = runProgram(
          args, {.env = {{"TEMP", temp()}}, .terminateAfterMs = delay, .signal = signal});
      for (const auto& [name, bytes] : whole) {
        const std::string now = contents(at(name));
        EXPECT_TRUE(now == kOld || now == bytes) << what << ": " << name << " is partial";
      }
      if (r.code == 0) continue;  // finished first
      EXPECT_EQ(r.signal, signal) << what << ": " << r.err;
      ++interrupted;
      if (signal == SIGKILL) {
        QDir(QString::fromStdString(temp())).removeRecursively();
        QDir(dir.path()).mkdir("tmp");
        for (const QString& name : folderEntries(dir.path()).filter(QRegularExpression("^\\.")))
          QFile::remove(dir.filePath(name));
        continue;
      }
      expectNothingLeft(what);
    }
    EXPECT_GT(interrupted, 0) << workbook;
  }
}

}  // namespace
}  // namespace outputs_test
