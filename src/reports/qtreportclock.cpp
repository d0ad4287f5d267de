#include "reports/qtreportclock.h"

namespace fw::ui {

char DateSeparatorOf(const QLocale& locale) {
  const QString format = locale.dateFormat(QLocale::ShortFormat);
  bool quoted = false;
  for (QChar c : format) {
    if (c == QLatin1Char('\'')) {
      quoted = !quoted;
      continue;
    }
    if (quoted || c.isLetter()) continue;
    const char16_t u = c.unicode();
    // Between the fields: the first mark that is plain punctuation.
    if (u > 0x20 && u < 0x7F && !c.isLetterOrNumber()) return static_cast<char>(u);
    break;
  }
  return '/';
}

QtReportClock::QtReportClock(std::function<QDate()> today, QLocale locale)
    : today_(std::move(today)), separator_(DateSeparatorOf(locale)) {}

fw::ReportDate QtReportClock::Today() const {
  const QDate date = today_();
  return {date.year(), date.month(), date.day(), separator_};
}

}  // namespace fw::ui
