// Saves in a loop until it is killed, telling its parent it is running by
// writing one byte to its standard output; it never stops on its own.
//
//   fairwick_saveloop FOLDER           saves the score file, the golfer list and
//                                      the course list, alternating between the
//                                      two contents of crashcontents.h
//   fairwick_saveloop FOLDER golfers   renames golfers' short names back and
//                                      forth, and deletes a golfer and adds him
//                                      again

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "crashcontents.h"
#include "data/golferchanges.h"

namespace {

int SaveFiles(const fw::WorkFolder& folder) {
  const fw::ScoreTable first = fwcrash::Scores(0);
  int next = 0;
  try {
    fw::ScoreTable onFile;
    fw::LoadScoreFile(folder, fwcrash::kScoreFile, onFile);
    if (std::equal(onFile.begin(), onFile.end(), first.begin(), first.end())) next = 1;
  } catch (const fw::FileError&) {
  }
  const fw::ScoreTable scores[2] = {first, fwcrash::Scores(1)};
  const fw::GolferTable golfers[2] = {fwcrash::Golfers(0), fwcrash::Golfers(1)};
  const fw::CourseTable courses[2] = {fwcrash::Courses(0), fwcrash::Courses(1)};
  // Each save checks that the file is what this program last saw of it.
  fw::FileSnapshot seen[3];
  for (int f = 0; f < 3; ++f) seen[f] = folder.Snapshot(fwcrash::kFiles[f]);
  if (::write(1, "r", 1) != 1) return 1;
  for (;;) {
    fw::SaveScoreFile(folder, fwcrash::kScoreFile, scores[next], seen[0]);
    fw::SaveGolferList(folder, golfers[next], seen[1]);
    fw::SaveCourseList(folder, courses[next], seen[2]);
    next ^= 1;
  }
}

// The short name golfer `i` has in the list now, or "" when he is not in it.
std::string ShortNameOf(const fw::GolferTable& golfers, int i) {
  for (const fw::TGolferRec& g : golfers)
    if (g.LongName == fwcrash::ChangeLongName(i)) return g.ShortName.str();
  return {};
}

int ChangeGolfers(const fw::WorkFolder& folder) {
  if (::write(1, "r", 1) != 1) return 1;
  for (;;) {
    for (int i = 0; i < fwcrash::kChangeGolfers; ++i) {
      fw::GolferTable golfers;
      fw::FileSnapshot seen;
      fw::LoadGolferList(folder, golfers, &seen);
      const std::string now = ShortNameOf(golfers, i);
      if (i == fwcrash::kDeletedGolfer) {
        if (!now.empty()) {
          fw::DeleteGolfer(folder, now, seen);
        } else {
          golfers.Append(
              fw::TGolferRec{fwcrash::ChangeLongName(i), fwcrash::ChangeShortName(i, false), 0});
          fw::SaveGolferList(folder, golfers, seen);
        }
      } else {
        const bool renamed = now == fwcrash::ChangeShortName(i, true);
        fw::RenameGolfer(folder, now, fwcrash::ChangeShortName(i, !renamed), seen);
      }
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && !(argc == 3 && std::strcmp(argv[2], "golfers") == 0)) {
    std::fprintf(stderr, "usage: %s FOLDER [golfers]\n", argv[0]);
    return 2;
  }
  const fw::WorkFolder folder(argv[1]);
  return argc == 3 ? ChangeGolfers(folder) : SaveFiles(folder);
}
