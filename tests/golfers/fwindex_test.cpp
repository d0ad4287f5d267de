#include "handicap/fwindex.h"

#include <QFontMetrics>
#include <QPointer>

#include "golfers/fwgpick.h"
#include "golfers/golferfiles.h"
#include "support/uitest.h"

namespace fwtest {
namespace {

// The index dialog as Calculate Index in the golfer list fills it.
class IndexDialogTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    TGPickForm::SelectedGolfer = 0;
    folder.Write("golfers.fwc",
                 "Al Five~FIVE~0~\r\nBo Nineteen~NINETEEN~0~\r\nCy Twentyfive~TWENTY5~0~\r\n"
                 "Di Zero~DZERO~1~\r\n");
    const int fiveTenths[] = {135, 183, 80, 221, 95};
    const char* fiveCourses[] = {"Oak Hills", "Elm Ridge", "Pine Valley", "Bay Links", "Fox Run"};
    std::vector<RoundSpec> five;
    for (int p = 1; p <= 5; ++p)
      five.push_back(RoundWithDifferential(December2001(p), fiveTenths[p - 1], fiveCourses[p - 1]));
    folder.Write("FIVE.fwp", ScoreFile(five));

    // Newest worst: the oldest rounds give the best differentials.
    std::vector<RoundSpec> nineteen;
    for (int p = 1; p <= 19; ++p)
      nineteen.push_back(
          RoundWithDifferential(December2001(p), 200 - 5 * p, "Course " + std::to_string(p)));
    folder.Write("NINETEEN.fwp", ScoreFile(nineteen));

    // Twenty rounds 10.5 to 20.0, then five better ones too old to count.
    std::vector<RoundSpec> twentyFive;
    for (int p = 1; p <= 25; ++p)
      twentyFive.push_back(RoundWithDifferential(December2001(p), p <= 20 ? 100 + 5 * p : 10,
                                                 "Course " + std::to_string(p)));
    folder.Write("TWENTY5.fwp", ScoreFile(twentyFive));
    folder.Write("DZERO.fwp", "");
  }

  // The fourteen lines shown for the golfer on line `row` of the golfer list.
  QStringList IndexLines(int row) {
    TGPickForm pick;
    ShowActive(&pick);
    pick.Ui().GolferListBox->setCurrentRow(row);
    Click(pick.Ui().IndexButton);
    std::vector<TIndexForm*> dialogs = OpenWindows<TIndexForm>();
    EXPECT_EQ(dialogs.size(), 1u);
    QStringList lines;
    if (dialogs.size() != 1) return lines;
    for (int k = 1; k <= 14; ++k)
      lines
          << Find<QLineEdit>(dialogs[0], QString("Field%1").arg(k).toLatin1().constData())->text();
    delete dialogs[0];
    return lines;
  }

  static QStringList Padded(QStringList lines) {
    while (lines.size() < 14) lines << QString();
    return lines;
  }
};

TEST_F(IndexDialogTest, TooFewRoundsGiveTheFixedMaximum) {
  EXPECT_EQ(IndexLines(3), Padded({"0 scores on file for Di Zero.  (0 are valid)",
                                   "A golfer needs 5 valid scores to receive an index.", "",
                                   "The current index for Di Zero is 40.4"}));
}

TEST_F(IndexDialogTest, FiveRoundsUseTheBestOne) {
  // 8.0 x 0.96 = 7.68; a differential below 10 gets an extra blank in the dialog.
  EXPECT_EQ(IndexLines(0), Padded({"5 scores on file for Al Five.  (5 are valid)",
                                   "Calculated index using best 1 out of 5 differentials.",
                                   "Differential 1   =   8.0  12/29/2001  Pine Valley", "",
                                   "The current index for Al Five is  7.7"}));
}

TEST_F(IndexDialogTest, NineteenRoundsUseTheBestNine) {
  QStringList expected = {"19 scores on file for Bo Nineteen.  (19 are valid)",
                          "Calculated index using best 9 out of 19 differentials."};
  const char* dates[] = {"13", "14", "15", "16", "17", "18", "19", "20", "21"};
  for (int k = 1; k <= 9; ++k)
    expected << QString("Differential %1   = %2  12/%3/2001  Course %4")
                    .arg(k)
                    .arg((100 + 5 * k) / 10.0, 0, 'f', 1)
                    .arg(dates[k - 1])
                    .arg(20 - k);
  expected << ""
           << "The current index for Bo Nineteen is 12.0";
  EXPECT_EQ(IndexLines(1), Padded(expected));
  EXPECT_EQ(expected[2], "Differential 1   = 10.5  12/13/2001  Course 19");
}

TEST_F(IndexDialogTest, TwentyFiveRoundsExamineOnlyTheNewestTwenty) {
  QStringList lines = IndexLines(2);
  ASSERT_EQ(lines.size(), 14);
  EXPECT_EQ(lines[0], "25 scores on file for Cy Twentyfive.");
  EXPECT_EQ(lines[1], "Calculated index using best 10 out of 20 differentials.");
  EXPECT_EQ(lines[2], "Differential 1   = 10.5  12/31/2001  Course 1");
  EXPECT_EQ(lines[10], "Differential 9   = 14.5  12/23/2001  Course 9");
  EXPECT_EQ(lines[11], "Differential 10  = 15.0  12/22/2001  Course 10");
  EXPECT_EQ(lines[12], "");
  // (10.5 + ... + 15.0) / 10 x 0.96 = 12.24
  EXPECT_EQ(lines[13], "The current index for Cy Twentyfive is 12.2");
}

TEST_F(IndexDialogTest, DialogShowsEveryLineAndBothButtonsOnlyClose) {
  QPointer<TIndexForm> dialog = new TIndexForm;
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  EXPECT_EQ(dialog->windowTitle(), "Current Index");
  EXPECT_EQ(Find<QPushButton>(dialog, "OkButton")->text(), "OK");
  EXPECT_EQ(Find<QPushButton>(dialog, "CancelButton")->text(), "Cancel");
  fw::IndexDialogFields fields;
  // An 80-character line A (a 40-character name with the count of valid rounds).
  fields.Field[0] = "200 scores on file for " + std::string(40, 'W') + ".  (19 are valid)";
  fields.Field[13] = "The current index for Zo\xEB is 12.2";
  dialog->SetLines(fields);
  ShowActive(dialog);
  for (int k = 1; k <= 14; ++k) {
    QLineEdit* field = dialog->Ui().Field[static_cast<std::size_t>(k)];
    EXPECT_EQ(field->objectName(), QString("Field%1").arg(k));
    EXPECT_TRUE(field->isReadOnly());
    EXPECT_FALSE(field->hasFrame());
    if (k > 1) {
      EXPECT_GT(field->y(), dialog->Ui().Field[static_cast<std::size_t>(k - 1)]->y());
    }
  }
  EXPECT_EQ(dialog->Ui().Field[14]->text(), QString::fromUtf8("The current index for Zoë is 12.2"));
  // A line of 80 ordinary characters fits its field.
  const QString line =
      "200 scores on file for Margaret Elizabeth Worthington-Smythe Jr.  (19 are valid)";
  EXPECT_GE(dialog->Ui().Field[1]->contentsRect().width(),
            QFontMetrics(dialog->Ui().Field[1]->font()).horizontalAdvance(line));

  Click(dialog->Ui().OkButton);
  EXPECT_TRUE(dialog.isNull());  // closed and gone

  dialog = new TIndexForm;
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  ShowActive(dialog);
  Click(dialog->Ui().CancelButton);
  EXPECT_TRUE(dialog.isNull());
  EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace fwtest
