#include "ui/dataevents.h"

#include <QSet>

#include "ui/appstate.h"
#include "ui/fwcodec.h"

#include "ui/fwmessage.h"

namespace fw::ui {

DataEvents& Events() {
  static DataEvents events;
  return events;
}

void TellPartialLoad(const std::string& fileName, const fw::FileSnapshot& seen) {
  if (!seen.Partial()) return;
  static QSet<QString> told;
  const QString key =
      ToQt(fileName).toLower() + QLatin1Char('/') + QString::number(seen.RecordsInFile());
  if (told.contains(key)) return;
  told.insert(key);
  Warn(ToQt(seen.PartialLoadNotice(fileName)));
}

void LoadSortedGolfers(fw::GolferTable& golfers, fw::FileSnapshot& seen) {
  fw::GolferTable fresh;
  fw::FileSnapshot read;
  fw::LoadGolferList(App().folder, fresh, &read);
  TellPartialLoad(fw::kGolferListFile, read);
  fw::SortGolferList(fresh);
  golfers = std::move(fresh);
  seen = std::move(read);
}

void LoadSortedCourseSummaries(fw::CourseSummaryTable& courses, fw::FileSnapshot& seen) {
  UiMessenger messenger;
  fw::CourseSummaryTable fresh;
  fw::FileSnapshot read;
  fw::LoadCourseSummaries(App().folder, fresh, messenger, &read);
  TellPartialLoad(fw::kCourseListFile, read);
  fw::SortCourseSummaries(fresh);
  courses = std::move(fresh);
  seen = std::move(read);
}

}  // namespace fw::ui
