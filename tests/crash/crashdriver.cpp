// Kills the save loop with SIGKILL at random moments and checks, after every
// kill, that each file holds exactly one of its two contents: never cut short,
// never mixed, never missing, and read as such by the program's own loaders
// whatever temporary file the interrupted save left beside it. Then kills the
// loop of golfer renames and deletes as often, and checks after each kill and
// the start-up's completion of the interrupted change that every golfer of
// the list has his own score file and that no score file is left without its
// golfer.
//
//   fairwick_crashdriver TRIALS FOLDER SAVELOOP [SEED]
//
// FOLDER must be empty or missing. Exits 1 on the first fault, and prints the
// figures of the run.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include "crashcontents.h"
#include "data/golferchanges.h"

namespace {

namespace fs = std::filesystem;

class QuietMessenger : public fw::Messenger {
 public:
  void ShowMessage(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
};

template <class Table>
bool Same(const Table& a, const Table& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

[[noreturn]] void Fail(int trial, const std::string& what) {
  std::fprintf(stderr, "trial %d: %s\n", trial, what.c_str());
  std::exit(1);
}

// Which of the two contents the loaders read from the folder, or -1.
int LoadedVariant(const fw::WorkFolder& folder, int file) {
  try {
    if (file == 0) {
      fw::ScoreTable s;
      fw::LoadScoreFile(folder, fwcrash::kScoreFile, s);
      for (int v : {0, 1})
        if (Same(s, fwcrash::Scores(v))) return v;
    } else if (file == 1) {
      fw::GolferTable g;
      fw::LoadGolferList(folder, g);
      for (int v : {0, 1})
        if (Same(g, fwcrash::Golfers(v))) return v;
    } else {
      fw::CourseTable c;
      QuietMessenger m;
      fw::LoadCourseList(folder, c, m);
      for (int v : {0, 1})
        if (Same(c, fwcrash::Courses(v))) return v;
    }
  } catch (const fw::FileError& e) {
    std::fprintf(stderr, "%s: %s\n", fwcrash::kFiles[file], e.what());
  }
  return -1;
}

// Starts the save loop and waits until it runs; returns its process id.
pid_t StartSaveLoop(const std::string& saveLoop, const std::string& dir, const char* mode) {
  int fds[2];
  if (::pipe(fds) != 0) std::exit(2);
  pid_t pid = ::fork();
  if (pid < 0) std::exit(2);
  if (pid == 0) {
    ::dup2(fds[1], 1);
    ::close(fds[0]);
    ::close(fds[1]);
    ::execl(saveLoop.c_str(), saveLoop.c_str(), dir.c_str(), mode, static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(fds[1]);
  char ready;
  ssize_t n;
  do n = ::read(fds[0], &ready, 1);
  while (n < 0 && errno == EINTR);
  ::close(fds[0]);
  if (n != 1) {
    std::fprintf(stderr, "the save loop did not start\n");
    std::exit(2);
  }
  return pid;
}

// Temporary files left beside `name` by an interrupted save.
bool TempLeftFor(const fs::path& dir, const std::string& name) {
  for (const auto& entry : fs::directory_iterator(dir)) {
    const std::string file = entry.path().filename().string();
    if (fw::WorkFolder::IsTempName(file) && file.find(name) == 1) return true;
  }
  return false;
}

// Kills the golfer-change loop `trials` times; after each kill the start-up's
// completion runs and every golfer must have his own score file, every score
// file its golfer.
void GolferChangeTrials(int trials, const fs::path& dir, const std::string& saveLoop,
                        std::mt19937& random) {
  fs::create_directories(dir);
  const fw::WorkFolder folder(dir);
  fw::FileSnapshot none;
  fw::SaveGolferList(folder, fwcrash::ChangeGolfers(), none);
  for (int i = 0; i < fwcrash::kChangeGolfers; ++i)
    folder.Replace(fw::ScoreFileName(fwcrash::ChangeShortName(i, false)), fwcrash::ChangeRounds(i));
  std::uniform_int_distribution<int> delayUs(0, 20000);
  int completed = 0, renamedState = 0;
  for (int trial = 1; trial <= trials; ++trial) {
    pid_t pid = StartSaveLoop(saveLoop, dir.string(), "golfers");
    std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFSIGNALED(status)) Fail(trial, "the golfer-change loop ended by itself");

    if (!fw::FinishInterruptedGolferChange(folder).empty()) ++completed;
    if (folder.Exists(fw::kGolferIntentFile)) Fail(trial, "the intent record was left");
    fw::GolferTable golfers;
    fw::LoadGolferList(folder, golfers);
    std::vector<std::string> named;
    for (const fw::TGolferRec& g : golfers) {
      const std::string file = fw::ScoreFileName(g.ShortName);
      named.push_back(file);
      if (!folder.Exists(file)) Fail(trial, g.LongName.str() + " has no score file " + file);
      for (int i = 0; i < fwcrash::kDeletedGolfer; ++i)
        if (g.LongName == fwcrash::ChangeLongName(i) &&
            folder.ReadAll(file) != fwcrash::ChangeRounds(i))
          Fail(trial, file + " does not hold " + g.LongName.str() + "'s rounds");
      renamedState += g.ShortName.str().starts_with("ALT");
    }
    for (const std::string& file : folder.ListByExtension(".fwp"))
      if (std::find(named.begin(), named.end(), file) == named.end())
        Fail(trial, file + " is left without its golfer");
    int kept = 0;
    for (int i = 0; i < fwcrash::kDeletedGolfer; ++i)
      for (const fw::TGolferRec& g : golfers) kept += g.LongName == fwcrash::ChangeLongName(i);
    if (kept != fwcrash::kDeletedGolfer) Fail(trial, "a golfer who was only renamed is gone");
  }
  std::printf("%d golfer-change trials: every golfer kept his score file after every kill\n",
              trials);
  std::printf(
      "  changes completed or undone at the next start: %d; short names found renamed: "
      "%d\n",
      completed, renamedState);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s TRIALS FOLDER SAVELOOP [SEED]\n", argv[0]);
    return 2;
  }
  const int trials = std::atoi(argv[1]);
  const fs::path dir = fs::absolute(argv[2]);
  const std::string saveLoop = argv[3];
  const unsigned seed =
      argc > 4 ? static_cast<unsigned>(std::strtoul(argv[4], nullptr, 10)) : std::random_device{}();
  fs::create_directories(dir);
  if (!fs::is_empty(dir)) {
    std::fprintf(stderr, "%s is not empty\n", dir.c_str());
    return 2;
  }
  const fw::WorkFolder folder(dir);

  // The bytes of each content, as the real saves write them.
  std::string expected[3][2];
  for (int v : {0, 1}) {
    fw::FileSnapshot seen[3];
    for (int f = 0; f < 3; ++f) seen[f] = folder.Snapshot(fwcrash::kFiles[f]);
    fw::SaveScoreFile(folder, fwcrash::kScoreFile, fwcrash::Scores(v), seen[0]);
    fw::SaveGolferList(folder, fwcrash::Golfers(v), seen[1]);
    fw::SaveCourseList(folder, fwcrash::Courses(v), seen[2]);
    for (int f = 0; f < 3; ++f) expected[f][v] = folder.ReadAll(fwcrash::kFiles[f]);
  }
  for (int f = 0; f < 3; ++f)
    if (expected[f][0] == expected[f][1]) Fail(0, "the two contents are the same");

  std::mt19937 random(seed);
  // Up to about the time one round of the three saves takes.
  std::uniform_int_distribution<int> delayUs(0, 40000);
  int previous[3] = {1, 1, 1};
  int changed[3] = {0, 0, 0}, leftTemp[3] = {0, 0, 0}, anyChange = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int trial = 1; trial <= trials; ++trial) {
    pid_t pid = StartSaveLoop(saveLoop, dir.string(), nullptr);
    std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFSIGNALED(status)) Fail(trial, "the save loop ended by itself");

    bool trialChanged = false;
    for (int f = 0; f < 3; ++f) {
      const char* name = fwcrash::kFiles[f];
      if (!fs::is_regular_file(dir / name)) Fail(trial, std::string(name) + " is missing");
      const std::string bytes = folder.ReadAll(name);
      int variant = bytes == expected[f][0] ? 0 : bytes == expected[f][1] ? 1 : -1;
      if (variant < 0)
        Fail(trial, std::string(name) + " is neither content (" + std::to_string(bytes.size()) +
                        " bytes)");
      if (TempLeftFor(dir, name)) ++leftTemp[f];
      // The loaders take the file, never the temporary one beside it.
      if (LoadedVariant(folder, f) != variant)
        Fail(trial, std::string(name) + " loads as something else");
      if (variant != previous[f]) ++changed[f], trialChanged = true;
      previous[f] = variant;
    }
    // As the next start does.
    folder.RemoveLeftoverTempFiles();
    anyChange += trialChanged;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  // Without a golfer list the golfers come from the score files present; a
  // temporary score file is none of them.
  folder.Replace(std::string(fwcrash::kScoreFile) + ".tmp", "half a sav");
  folder.Replace("." + std::string(fwcrash::kScoreFile) + ".a1b2c3.tmp", "half a sav");
  fs::remove(dir / fw::kGolferListFile);
  fw::GolferTable rebuilt;
  fw::LoadGolferList(folder, rebuilt);
  for (const fw::TGolferRec& g : rebuilt)
    if (g.ShortName.find("tmp") != std::string::npos || g.ShortName.find('.') != std::string::npos)
      Fail(trials, "a temporary file became golfer " + g.ShortName);

  std::printf("%d trials in %.1f s (seed %u): every file old or new after every kill\n", trials,
              seconds, seed);
  for (int f = 0; f < 3; ++f)
    std::printf("  %-12s changed in %4d trials, temporary file left in %4d\n", fwcrash::kFiles[f],
                changed[f], leftTemp[f]);
  std::printf("  trials in which some file changed: %d\n", anyChange);

  GolferChangeTrials(trials, dir / "golfers", saveLoop, random);
  return 0;
}
