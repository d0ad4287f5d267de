#include "ui/dataevents.h"

#include <QSet>

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

}  // namespace fw::ui
