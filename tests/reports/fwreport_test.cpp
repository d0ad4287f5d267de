#include "reports/fwreport.h"

#include <QFile>
#include <QPrinter>

#include "golfers/fwgpick.h"
#include "golfers/golferfiles.h"
#include "reports/fw2choic.h"
#include "reports/fwhndicp.h"
#include "reports/fwprthdp.h"
#include "support/fsizelimit.h"
#include "support/reporttest.h"
#include "ui/fwprintdialog.h"

namespace fwtest {
namespace {

using ReportTest = ReportSeamTest;

TEST_F(ReportTest, GolfHistoryGoesToAFileAPdfOrNowhere) {
  TGPickForm::SelectedGolfer = 0;
  folder.Write("golfers.fwc", "Pat Jones~PJONES~0~\r\n");
  folder.Write("PJONES.fwp", ScoreFile({RoundWithDifferential("20011201", 100, "Oak Hills")}));
  auto* pick = new TGPickForm;
  pick->setAttribute(Qt::WA_DeleteOnClose);
  ShowActive(pick);
  pick->Ui().GolferListBox->setCurrentRow(0);

  // Cancel: no file, no message.
  choice = -1;
  Click(pick->Ui().PrintScoresButton);
  EXPECT_EQ(questions, QStringList{QStringLiteral("Output scores to the printer or to a file?")});
  EXPECT_FALSE(folder.Has("PJONES.fwo"));
  EXPECT_TRUE(messages.empty());

  // File: the history, and its message.
  choice = 2;
  Trigger(pick, "PrintScores1");
  ASSERT_TRUE(folder.Has("PJONES.fwo"));
  const std::string file = folder.Read("PJONES.fwo");
  EXPECT_NE(file.find("Oak Hills"), std::string::npos);
  EXPECT_EQ(MessageTexts(), QStringList{QStringLiteral("Score file \"PJONES.fwo\" created.")});

  // Printer, dialog declined: nothing printed, no message. The PDF offered is
  // named after the golfer, in the working folder.
  choice = 1;
  Click(pick->Ui().PrintScoresButton);
  EXPECT_EQ(offeredPdf, QString::fromStdString((folder.Path() / "PJONES.pdf").string()));
  EXPECT_EQ(messages.size(), 1u);

  // Printer, confirmed: a whole PDF, no part file left beside it.
  confirmPrint = true;
  Click(pick->Ui().PrintScoresButton);
  ASSERT_TRUE(folder.Has(pdf));
  EXPECT_EQ(folder.Read(pdf).substr(0, 5), "%PDF-");
  EXPECT_FALSE(folder.Has(pdf + ".part"));
  EXPECT_EQ(MessageTexts().last(), QStringLiteral("Printing completed."));

  // A PDF that cannot be written is reported, and the older one stays.
  const std::string before = folder.Read(pdf);
  pdf = "missing/out.pdf";
  Click(pick->Ui().PrintScoresButton);
  // It names the file and the cause, not the printer.
  EXPECT_EQ(MessageTexts().last(),
            QStringLiteral("out.pdf was not written: No such file or directory. An older file of "
                           "that name is as it was."));

  EXPECT_EQ(folder.Read("out.pdf"), before);
  choice = 3;  // printed from the preview, it is reported once that closes
  Click(pick->Ui().PrintScoresButton);
  EXPECT_EQ(previewPages, 1);
  ASSERT_EQ(messages.size(), 4u);
  EXPECT_EQ(messages[3].text, messages[2].text);
  EXPECT_TRUE(pick->isVisible());

  // A disk that fills while the PDF is written: no "Printing completed.", the
  // older file kept, nothing left beside it.
  pdf = "out.pdf";
  {
    FileSizeLimit full(600);
    Click(pick->Ui().PrintScoresButton);
  }
  EXPECT_EQ(MessageTexts().last(),
            QStringLiteral("out.pdf was not written: the file came out incomplete; the disk may "
                           "be full. An older file of that name is as it was."));
  EXPECT_EQ(folder.Read("out.pdf"), before);
  for (const std::string& name : folder.Names()) EXPECT_FALSE(fw::WorkFolder::IsTempName(name));
}

TEST_F(ReportTest, GolferListOpensTheReportWindowsForTheSelectedGolfer) {
  TGPickForm::SelectedGolfer = 0;
  folder.Write("golfers.fwc", "Pat Jones~PJONES~0~\r\n");
  folder.Write("PJONES.fwp", "");
  auto* pick = new TGPickForm;
  pick->setAttribute(Qt::WA_DeleteOnClose);
  ShowActive(pick);

  // Without a selected golfer the golfer's reports do nothing.
  pick->Ui().GolferListBox->clearSelection();
  Click(pick->Ui().HandicapButton);
  Click(pick->Ui().PrintScoresButton);
  EXPECT_TRUE(OpenWindows<THandicapForm>().empty());
  EXPECT_TRUE(questions.isEmpty());
  // The handicap list needs no golfer selected here.
  Click(pick->Ui().PrintHandicapButton);
  ASSERT_EQ(OpenWindows<TPrintHandicapsDlg>().size(), 1u);
  OpenWindows<TPrintHandicapsDlg>()[0]->close();

  pick->Ui().GolferListBox->setCurrentRow(0);
  Trigger(pick, "CalculateHandicap1");
  std::vector<THandicapForm*> windows = OpenWindows<THandicapForm>();
  ASSERT_EQ(windows.size(), 1u);
  EXPECT_EQ(windows[0]->Ui().GolferName->text(), QStringLiteral("Pat Jones"));
  EXPECT_EQ(windows[0]->Ui().GolferShortName->text(), QStringLiteral("PJONES"));
  EXPECT_EQ(windows[0]->Ui().IndexField->text(), QStringLiteral("36.4"));
  windows[0]->close();
  QApplication::processEvents();
}

}  // namespace
}  // namespace fwtest
