// Saves the score file, the golfer list and the course list of the folder
// given, over and over, alternating between the two contents of
// crashcontents.h, until it is killed. It starts with the content that is not
// on file, tells its parent it is running by writing one byte to its standard
// output, and never stops on its own.

#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "crashcontents.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const fw::WorkFolder folder(argv[1]);
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
  if (::write(1, "r", 1) != 1) return 1;
  for (;;) {
    fw::SaveScoreFile(folder, fwcrash::kScoreFile, scores[next]);
    fw::SaveGolferList(folder, golfers[next]);
    fw::SaveCourseList(folder, courses[next]);
    next ^= 1;
  }
}
