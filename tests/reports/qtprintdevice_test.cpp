// A golf history and a sheet of handicap cards printed through a real
// QPrinter into a PDF, read back with poppler's pdftotext: the lines in
// order, their places on the pages, and the fixed-pitch face that stands for
// Courier.

#include "reports/qtprintdevice.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

#include "data/scorefile.h"
#include "reports/golfhistory.h"
#include "reports/handicapcards.h"
#include "reports/qtreportclock.h"
#include "reports/reportsupport.h"
#include "support/tempfolder.h"
#include "ui/fwcodec.h"

namespace fw::ui {
namespace {

// The standard output of a poppler tool; fails the test when it cannot run.
QString RunTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0) {
    ADD_FAILURE() << program.toStdString() << " failed (poppler-utils installed?): "
                  << process.readAllStandardError().toStdString();
    return {};
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The lines of text on each page as pdftotext -bbox sees them: the top of
// each line's glyph boxes in inches from the top of the sheet, and the left
// edge of the leftmost text on the page.
struct PdfPage {
  std::vector<double> Tops;
  double Left = 1e9;
};

std::vector<PdfPage> PagesOf(const QString& bboxHtml) {
  std::vector<PdfPage> pages;
  std::map<long, bool> tops;  // in thousandths of an inch
  static const QRegularExpression tag(
      QString::fromLatin1(R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)")re"));
  auto close = [&] {
    if (pages.empty()) return;
    for (const auto& [top, seen] : tops) pages.back().Tops.push_back(top / 1000.0);
    tops.clear();
  };
  for (auto it = tag.globalMatch(bboxHtml); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    if (m.captured(0) == QLatin1String("<page ")) {
      close();
      pages.emplace_back();
      continue;
    }
    pages.back().Left = std::min(pages.back().Left, m.captured(1).toDouble() / 72.0);
    tops[std::lround(m.captured(2).toDouble() / 72.0 * 1000.0)] = true;
  }
  close();
  return pages;
}

TEST(QtPrintDeviceTest, GolfHistoryOfTwoHundredScoresOnPaper) {
  fwtest::TempFolder dir;
  ScoreTable scores;
  for (int n = 1; n <= MaxScores; ++n) {
    TScoreRec round = InitScoreRec();
    char date[16];
    std::snprintf(date, sizeof date, "%04d%02d%02d", 2002 - (n - 1) / 28, 12 - (n - 1) % 12,
                  28 - (n - 1) % 28);
    round.Date = date;
    round.CourseName = n % 3 ? "Oak Hills" : "Cedar Creek Golf & Country Clb";
    round.TotalScore = std::to_string(80 + n % 15);
    round.AdjustedScore = round.TotalScore;
    round.Rating = "70.5";
    round.Slope = "121";
    scores.Append(round);
  }
  SortScores(scores);
  const TGolferRec golfer{"Jos\351 N\372\361ez", "JNUNEZ", 0};
  const ReportLines lines = GolfHistoryLines(scores, golfer, IndexOptions{});

  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString pdf = QString::fromStdString((dir.Path() / "history.pdf").string());
  printer.setOutputFileName(pdf);
  printer.setPageSize(QPageSize(QPageSize::Letter));
  // A printing offset the engine has to take off its positions.
  printer.setPageMargins(QMarginsF(0.25, 0.3, 0.25, 0.3), QPageLayout::Inch);
  double lineHeight = 0;
  {
    QtPrintDevice device(printer);
    PrintReportLines(device, lines);
    const fw::DeviceTextMetrics metrics = device.TextMetrics();
    lineHeight = static_cast<double>(metrics.Height + metrics.ExternalLeading) /
                 static_cast<double>(device.PixelsPerInchY());

    // Courier comes out as a fixed-pitch face, a tenth of an inch a character
    // at 12 points.
    const QFontInfo face = device.ResolvedFont();
    EXPECT_TRUE(face.fixedPitch()) << face.family().toStdString();
    const QFontMetricsF widths(device.Font(), &printer);
    EXPECT_DOUBLE_EQ(widths.horizontalAdvance(QLatin1Char('i')),
                     widths.horizontalAdvance(QLatin1Char('M')));
    EXPECT_NEAR(widths.horizontalAdvance(QLatin1Char('M')) / printer.resolution(), 0.1, 0.002);
  }
  ASSERT_GT(lineHeight, 0.1);

  // The text, read in columns of 0.1 inch: every line in order, at the left
  // margin of 0.5 inch (five columns), blanks kept, accents shown as themselves.
  QStringList text;
  for (const QString& line :
       RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-fixed"),
                                             QStringLiteral("7.2"), pdf, QStringLiteral("-")})
           .split(QLatin1Char('\n'))) {
    QString kept = line;
    kept.remove(QLatin1Char('\f'));
    kept.remove(QRegularExpression(QStringLiteral("\\s+$")));
    if (!kept.isEmpty()) text << kept;
  }
  QStringList expected;
  for (const std::string& line : lines)
    if (!line.empty()) expected << QStringLiteral("     ") + ToQt(line);
  ASSERT_EQ(text.size(), expected.size());
  for (int i = 0; i < text.size(); ++i)
    EXPECT_EQ(text[i].toStdString(), expected[i].toStdString()) << "line " << i;

  // The places: every page begins at 1.0 inch; lines follow one line height
  // apart (two across a blank line); a page ends with the line at 10.0 inches
  // or just above it, and the next line opens the following page.
  const std::vector<PdfPage> pages = PagesOf(
      RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
  ASSERT_GE(pages.size(), 4u);
  // Glyph boxes begin a little below the cell top, by the same amount on every line.
  const double glyphGap = pages[0].Tops.front() - 1.0;
  EXPECT_NEAR(glyphGap, 0.0, 0.02);
  EXPECT_NEAR(pages[0].Left, 0.5, 0.002);  // the heading starts at the left margin
  for (std::size_t p = 0; p < pages.size(); ++p) {
    const PdfPage& page = pages[p];
    ASSERT_FALSE(page.Tops.empty()) << "page " << p + 1;
    EXPECT_NEAR(page.Tops.front() - glyphGap, 1.0, 0.002) << "page " << p + 1;
    for (std::size_t k = 1; k < page.Tops.size(); ++k) {
      const double steps = (page.Tops[k] - page.Tops[k - 1]) / lineHeight;
      EXPECT_NEAR(steps, std::round(steps), 0.01) << "page " << p + 1 << " line " << k;
      EXPECT_TRUE(std::round(steps) == 1 || std::round(steps) == 2) << steps;
    }
    const double lastTop = page.Tops.back() - glyphGap;
    EXPECT_LE(lastTop, 10.0 + 0.002) << "page " << p + 1;
    if (p + 1 < pages.size()) {
      EXPECT_GT(lastTop + lineHeight, 10.0) << "page " << p + 1 << " ends early";
    }
  }
}

TEST(QtPrintDeviceTest, HeadingDateSeparatorIsTheLocales) {
  struct Case {
    QLocale::Language language;
    QLocale::Territory territory;
    char separator;
  };
  const Case cases[] = {
      {QLocale::English, QLocale::UnitedStates, '/'},
      {QLocale::German, QLocale::Germany, '.'},
      {QLocale::Dutch, QLocale::Netherlands, '-'},
      {QLocale::C, QLocale::AnyTerritory, '/'},
  };
  for (const Case& c : cases) {
    const QLocale locale(c.language, c.territory);
    const QtReportClock clock([] { return QDate(2002, 1, 10); }, locale);
    const ReportDate today = clock.Today();
    EXPECT_EQ(today.Separator, c.separator) << locale.name().toStdString();
    EXPECT_EQ(FormatReportDate(today),
              std::string("01") + c.separator + "10" + c.separator + "2002");
  }
}

// The words of each page as pdftotext -bbox sees them, in inches from the
// top-left corner of the sheet.
struct PdfWord {
  double Left = 0;
  double Top = 0;
  double Bottom = 0;
  QString Text;
};

QString Unescaped(QString text) {
  text.replace(QLatin1String("&lt;"), QLatin1String("<"));
  text.replace(QLatin1String("&gt;"), QLatin1String(">"));
  text.replace(QLatin1String("&quot;"), QLatin1String("\""));
  return text.replace(QLatin1String("&amp;"), QLatin1String("&"));
}

std::vector<std::vector<PdfWord>> WordsOf(const QString& bboxHtml) {
  std::vector<std::vector<PdfWord>> pages;
  static const QRegularExpression tag(QString::fromLatin1(
      R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)<)re"));
  for (auto it = tag.globalMatch(bboxHtml); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    if (m.captured(0) == QLatin1String("<page ")) {
      pages.emplace_back();
      continue;
    }
    pages.back().push_back({m.captured(1).toDouble() / 72.0, m.captured(2).toDouble() / 72.0,
                            m.captured(3).toDouble() / 72.0, Unescaped(m.captured(4))});
  }
  return pages;
}

TEST(QtPrintDeviceTest, ElevenCardsEachOnTheirOwnCard) {
  // A full first sheet and one card more, every grid line filled.
  fwtest::TempFolder dir;
  int firstSheet = 10;
  const std::vector<CardPlace> places = CardPlaces(11, firstSheet);
  std::vector<HandicapCard> cards;
  for (std::size_t k = 0; k < places.size(); ++k) {
    ScoreTable scores;
    for (int n = 1; n <= 20; ++n) {
      TScoreRec round = InitScoreRec();
      round.TotalScore = std::to_string(n == 4 ? 100 + n : 70 + n);
      scores.Append(round);
    }
    IndexResult index;
    index.Index = 12.3;
    index.N = 2;
    index.UsedScores = {4,           17,          kUnusedSlot, kUnusedSlot, kUnusedSlot,
                        kUnusedSlot, kUnusedSlot, kUnusedSlot, kUnusedSlot, kUnusedSlot};
    cards.push_back(
        {places[k],
         HandicapCardLines("Golfer " + std::to_string(k + 1), "Cedar Creek Golf & Country Club",
                           ReportDate{2002, 1, 10, '/'}, scores, index, 14)});
  }

  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString pdf = QString::fromStdString((dir.Path() / "cards.pdf").string());
  printer.setOutputFileName(pdf);
  printer.setPageSize(QPageSize(QPageSize::Letter));
  printer.setPageMargins(QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
  double advance = 0;
  {
    QtPrintDevice device(printer);
    PrintHandicapCards(device, cards);
    advance = QFontMetricsF(device.Font(), &printer).horizontalAdvance(QLatin1Char('M')) /
              printer.resolution();
  }
  ASSERT_NEAR(advance, 11 * 0.6 / 72, 0.002);  // 11-point Courier, 0.6 em a character

  const auto pages = WordsOf(
      RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
  ASSERT_EQ(pages.size(), 2u);
  // Every word lies inside the 2-inch band of its row and on the half of
  // its column; the card there gets its lines, keyed by their tops.
  std::map<std::size_t, std::map<long, std::vector<PdfWord>>> found;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    for (const PdfWord& word : pages[p]) {
      const int row = static_cast<int>(std::floor((word.Top - 0.5) / 2.0)) + 1;
      const int column = word.Left < kRightColumnStop - 0.01 ? 1 : 2;
      const double bandTop = 0.5 + 2.0 * (row - 1);
      // The glyph boxes are the font's cells, PDF points rounded: a little
      // allowance for that.
      EXPECT_GE(word.Top, bandTop - 0.003) << word.Text.toStdString();
      EXPECT_LE(word.Bottom, bandTop + 2.0 + 0.003)
          << "page " << p + 1 << " row " << row << ": " << word.Text.toStdString();
      const CardPlace place{static_cast<int>(p) + 1, row, column};
      const auto card = std::find_if(cards.begin(), cards.end(),
                                     [&](const HandicapCard& c) { return c.Place == place; });
      ASSERT_NE(card, cards.end()) << "page " << p + 1 << " row " << row << " column " << column;
      found[static_cast<std::size_t>(card - cards.begin())][std::lround(word.Top * 1000)].push_back(
          word);
    }
  }
  // Each card shows its ten lines that hold text, in order, each starting at
  // its column's tab stop (after the line's leading blanks).
  ASSERT_EQ(found.size(), cards.size());
  EXPECT_EQ(cards[10].Place, (CardPlace{2, 1, 1}));
  for (const auto& [k, lines] : found) {
    std::vector<std::string> expected;
    for (const std::string& line : cards[k].Lines)
      if (line.find_first_not_of(' ') != std::string::npos) expected.push_back(line);
    ASSERT_EQ(lines.size(), expected.size()) << "card " << k + 1;
    const double stop = cards[k].Place.Column == 1 ? 1.0 : kRightColumnStop;
    std::size_t n = 0;
    for (const auto& [top, words] : lines) {
      QStringList texts;
      double left = 1e9;
      for (const PdfWord& word : words) {
        texts << word.Text;
        left = std::min(left, word.Left);
      }
      EXPECT_EQ(texts.join(QLatin1Char(' ')).toStdString(),
                ToQt(expected[n]).simplified().toStdString())
          << "card " << k + 1;
      const auto blanks = static_cast<double>(expected[n].find_first_not_of(' '));
      EXPECT_NEAR(left, stop + blanks * advance, 0.01) << "card " << k + 1 << ": " << expected[n];
      ++n;
    }
  }
}

}  // namespace
}  // namespace fw::ui
