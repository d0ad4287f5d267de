// Every file of tests/data/malformed/ (and the few cases made on the spot that
// git cannot hold) loaded by its reader, with the outcome written beside it in
// outcomes.txt: what the program reads, or the message it shows. Whatever was
// read, a save writes it back as read; whatever was refused is left in place.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>

#include "data/convert.h"
#include "data/courselist.h"
#include "data/golferlist.h"
#include "data/pipewatchdog.h"
#include "data/recordingmessenger.h"
#include "data/scorefile.h"
#include "handicap/coursehandicap.h"
#include "handicap/handicapindex.h"
#include "support/ondisk.h"
#include "support/tempfolder.h"

namespace fw {
namespace {

namespace fs = std::filesystem;

const fs::path kCorpus = FAIRWICK_MALFORMED_DIR;

// Printable form of bytes, as outcomes.txt spells them.
std::string Shown(std::string_view bytes) {
  std::string s;
  for (unsigned char c : bytes) {
    if (c >= 32 && c < 127 && c != '\\') {
      s += static_cast<char>(c);
    } else {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", c);
      s += buf;
    }
  }
  return s;
}

template <class Table>
bool Same(const Table& a, const Table& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

// Which file of the working folder an entry stands for, from its name.
std::string FileNameFor(const std::string& entry) {
  if (entry.starts_with("score-")) return "PJONES.fwp";
  if (entry.starts_with("golfers-")) return kGolferListFile;
  if (entry.starts_with("courses-")) return kCourseListFile;
  if (entry.starts_with("sample-")) return kSampleCourseFile;
  return "";
}

std::string Round(std::string_view date, std::string_view comment) {
  return std::string(date) + "~Oak Hills~90~70.5~121~" + std::string(comment) + "~" +
         "5~5~4~5~5~5~5~6~5~5~5~5~5~5~5~5~5~5~2~2~2~2~2~2~2~2~2~2~2~2~2~2~2~2~2~2~90~15.2~17~";
}

void MakePipe(const fs::path& path) {
  ASSERT_EQ(::mkfifo(path.c_str(), 0666), 0);
}

// The cases git cannot hold, made in the working folder under `name`.
const std::map<std::string, std::function<void(const fwtest::TempFolder&, const std::string&)>>
    kMade = {
        {"score-1mb-line.fwp",
         [](const auto& tmp, const auto& name) {
           tmp.Write(name, Round("20020110", std::string(1 << 20, 'c')) + "\r\n");
         }},
        {"score-10000-lines.fwp",
         [](const auto& tmp, const auto& name) {
           std::string bytes;
           for (int i = 0; i < 10000; ++i)
             bytes += Round(std::to_string(20020000 + i), "") + "\r\n";
           tmp.Write(name, bytes);
         }},
        {"golfers-10000-lines.fwc",
         [](const auto& tmp, const auto& name) {
           std::string bytes;
           for (int i = 0; i < 10000; ++i) bytes += "Golfer " + std::to_string(i) + "~G~0~\r\n";
           tmp.Write(name, bytes);
         }},
        {"score-folder.fwp", [](const auto& tmp, const auto& name) { tmp.MakeDir(name); }},
        {"courses-folder.fwc", [](const auto& tmp, const auto& name) { tmp.MakeDir(name); }},
        {"score-named-pipe.fwp",
         [](const auto& tmp, const auto& name) { MakePipe(tmp.Path() / name); }},
        {"golfers-named-pipe.fwc",
         [](const auto& tmp, const auto& name) { MakePipe(tmp.Path() / name); }},
        {"sample-named-pipe.fwc",
         [](const auto& tmp, const auto& name) { MakePipe(tmp.Path() / name); }},
        {"score-self-link.fwp",
         [](const auto& tmp, const auto& name) { fs::create_symlink(name, tmp.Path() / name); }},
        {"courses-self-link.fwc",
         [](const auto& tmp, const auto& name) { fs::create_symlink(name, tmp.Path() / name); }},
        {"score-unreadable.fwp",
         [](const auto& tmp, const auto& name) {
           tmp.Write(name, Round("20020110", "") + "\r\n");
           fs::permissions(tmp.Path() / name, fs::perms::none);
         }},
};

// What stands in the folder: each entry's kind and, for a file, its bytes.
std::map<std::string, std::string> Snapshot(const fs::path& dir) {
  std::map<std::string, std::string> entries;
  for (const auto& entry : fs::directory_iterator(dir)) {
    const fs::file_status st = fs::symlink_status(entry.path());
    std::string what = std::to_string(static_cast<int>(st.type()));
    if (st.type() == fs::file_type::regular &&
        (st.permissions() & fs::perms::owner_read) != fs::perms::none) {
      std::ifstream in(entry.path(), std::ios::binary);
      std::ostringstream bytes;
      bytes << in.rdbuf();
      what += ":" + bytes.str();
    }
    entries[entry.path().filename().string()] = what;
  }
  return entries;
}

std::string ScoreOutcome(const WorkFolder& folder, const std::string& file) {
  ScoreTable scores;
  fwtest::RecordingMessenger messenger;
  if (!LoadScoreFileOrReport(folder, file, scores, messenger)) {
    EXPECT_EQ(messenger.shown.size(), 1u);
    EXPECT_THROW(SaveScoreFile(folder, file, ScoreTable{}, fwtest::OnDisk(folder, file)),
                 FileError);
    return "message: " + (messenger.shown.empty() ? "" : messenger.shown.front());
  }
  std::string outcome = "rounds=" + std::to_string(scores.Count());
  if (!scores.Empty()) {
    const TScoreRec& r = scores[1];
    outcome += " first=" + Shown(r.Date + "|" + r.CourseName + "|" + r.TotalScore + "|" + r.Rating +
                                 "|" + r.Slope + "|" + r.AdjustedScore + "|" + r.HoleScores[0] +
                                 "|" + std::string(r.Comment.substr(0, 12)));
  }
  // Saving what was read writes it back as read.
  SaveScoreFile(folder, file, scores, fwtest::OnDisk(folder, file));
  ScoreTable reread;
  LoadScoreFile(folder, file, reread, ScorePlaceholders::kScoreList);
  EXPECT_TRUE(Same(reread, scores)) << file;

  SortScores(scores);
  NoIndexOutput none;
  try {
    const IndexResult index = ComputeIndex(scores, IndexGolfer{"Pat", 0}, none, IndexOptions{});
    outcome += " index=" + FormatIndex(index.Index) + " of " + std::to_string(index.N) + "/" +
               std::to_string(index.Counted);
  } catch (const ConversionError& e) {
    outcome += " index: " + Shown(e.what());
  }
  return outcome;
}

std::string GolferOutcome(const WorkFolder& folder, const fwtest::TempFolder& tmp) {
  GolferTable golfers;
  try {
    LoadGolferList(folder, golfers);
  } catch (const FileError& e) {
    EXPECT_TRUE(golfers.Empty());
    golfers.Append(InitGolferRec());
    EXPECT_THROW(SaveGolferList(folder, golfers, fwtest::OnDisk(folder, fw::kGolferListFile)),
                 FileError);
    return std::string("error: ") + e.what();
  }
  std::string outcome = "golfers=" + std::to_string(golfers.Count());
  if (!golfers.Empty())
    outcome += " first=" + Shown(golfers[1].LongName + "|" + golfers[1].ShortName + "|" +
                                 std::to_string(golfers[1].Sex));
  const auto before = Snapshot(tmp.Path());
  try {
    SaveGolferList(folder, golfers, fwtest::OnDisk(folder, fw::kGolferListFile));
  } catch (const FileError& e) {
    EXPECT_EQ(Snapshot(tmp.Path()), before);
    return outcome + " save: " + e.what();
  }
  GolferTable reread;
  LoadGolferList(folder, reread);
  EXPECT_TRUE(Same(reread, golfers));
  return outcome;
}

std::string CourseOutcome(const WorkFolder& folder) {
  CourseTable courses;
  CourseSummaryTable summaries;
  fwtest::RecordingMessenger messenger;
  try {
    LoadCourseList(folder, courses, messenger);
    LoadCourseSummaries(folder, summaries, messenger);
  } catch (const FileError& e) {
    EXPECT_TRUE(courses.Empty());
    // A save may create the course list beside a refused sample list, but
    // never replaces what was refused (checked by the caller).
    courses.Append(InitCourseRec());
    try {
      SaveCourseList(folder, courses, fwtest::OnDisk(folder, fw::kCourseListFile));
    } catch (const FileError&) {
    }
    return std::string("error: ") + e.what();
  }
  if (!messenger.shown.empty()) return "message: " + messenger.shown.front();
  EXPECT_EQ(summaries.Count(), courses.Count());
  std::string outcome = "courses=" + std::to_string(courses.Count());
  if (!courses.Empty()) {
    const TCourseRec& c = courses[1];
    outcome += " first=" +
               Shown(c.Name + "|" + c.Rating + "|" + c.Slope + "|" + c.ParTotal + "|" + c.Pars[0]);
    // The handicap list's figures for an index of 20.0 on the first course.
    try {
      const int ch = CourseHandicapOf(20.0, StrToFloat(summaries[1].Slope));
      outcome += " handicap=" + std::to_string(ch) +
                 " predicted=" + std::to_string(PredictedScoreOf(ch, summaries[1].ParTotal));
    } catch (const ConversionError& e) {
      outcome += " handicap: " + Shown(e.what());
    }
  }
  SaveCourseList(folder, courses, fwtest::OnDisk(folder, fw::kCourseListFile));
  CourseTable reread;
  LoadCourseList(folder, reread, messenger);
  EXPECT_TRUE(Same(reread, courses));
  return outcome;
}

TEST(MalformedFilesTest, EveryFileGivesItsOutcomeAndIsNeverLost) {
  std::ifstream manifest(kCorpus / "outcomes.txt");
  ASSERT_TRUE(manifest) << kCorpus;
  std::map<std::string, std::string> expected;
  for (std::string line; std::getline(manifest, line);) {
    if (line.empty() || line[0] == '#') continue;
    const std::size_t tab = line.find('\t');
    ASSERT_NE(tab, std::string::npos) << line;
    expected[line.substr(0, tab)] = line.substr(tab + 1);
  }
  // Every file of the corpus has its outcome, and every outcome its case.
  for (const auto& entry : fs::directory_iterator(kCorpus)) {
    const std::string name = entry.path().filename().string();
    if (name != "outcomes.txt") {
      EXPECT_TRUE(expected.count(name)) << name << " has no outcome";
    }
  }
  EXPECT_GE(expected.size(), 30u);

  for (const auto& [entry, outcome] : expected) {
    SCOPED_TRACE(entry);
    const std::string file = FileNameFor(entry);
    ASSERT_FALSE(file.empty()) << "unknown kind";
    // The superuser reads whatever the permissions say.
    if (entry == "score-unreadable.fwp" && ::geteuid() == 0) continue;
    fwtest::TempFolder tmp;
    const WorkFolder folder(tmp.Path());
    if (auto made = kMade.find(entry); made != kMade.end()) {
      made->second(tmp, file);
    } else {
      ASSERT_TRUE(fs::is_regular_file(kCorpus / entry)) << "neither a file nor a made case";
      fs::copy_file(kCorpus / entry, tmp.Path() / file);
    }
    fwtest::PipeWatchdog watchdog(tmp.Path() / file);
    const auto before = Snapshot(tmp.Path());

    std::string actual;
    if (file == "PJONES.fwp")
      actual = ScoreOutcome(folder, file);
    else if (file == kGolferListFile)
      actual = GolferOutcome(folder, tmp);
    else
      actual = CourseOutcome(folder);
    EXPECT_EQ(actual, outcome);

    // Nothing refused was replaced or removed, and no temporary file is left.
    const auto after = Snapshot(tmp.Path());
    const bool refused = actual.starts_with("message") || actual.starts_with("error");
    for (const auto& [name, what] : before) {
      if (refused) {
        EXPECT_EQ(after.count(name) ? after.at(name) : "(missing)", what) << name;
      } else {
        EXPECT_TRUE(after.count(name) || name == kSampleCourseFile) << name << " is gone";
      }
    }
    for (const auto& [name, what] : after) EXPECT_FALSE(name.ends_with(".tmp")) << name;
  }
}

}  // namespace
}  // namespace fw
