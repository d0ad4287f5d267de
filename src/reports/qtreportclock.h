#pragma once
// Today's date for the report headings, with the system locale's date
// separator.

#include <QDate>
#include <QLocale>
#include <functional>

#include "reports/reportoutput.h"

namespace fw::ui {

// The separator of the locale's short date format; '/' when it has none that
// a report file can hold.
char DateSeparatorOf(const QLocale& locale);

class QtReportClock final : public fw::ReportClock {
 public:
  explicit QtReportClock(std::function<QDate()> today, QLocale locale = QLocale::system());
  fw::ReportDate Today() const override;

 private:
  std::function<QDate()> today_;
  char separator_;
};

}  // namespace fw::ui
