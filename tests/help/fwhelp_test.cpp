#include "help/fwhelp.h"

#include <QDialog>
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>
#include <QTimer>

#include "support/uitest.h"

namespace fwtest {
namespace {

class HelpTest : public UiTest {
 protected:
  static fw::ui::THelpForm* HelpWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (auto* form = qobject_cast<fw::ui::THelpForm*>(widget)) return form;
    return nullptr;
  }

  static QStringList ListedSections(fw::ui::THelpForm* help) {
    QStringList ids;
    for (int row = 0; row < help->Ui().SectionList->count(); ++row)
      if (!help->Ui().SectionList->item(row)->isHidden())
        ids << help->Ui().SectionList->item(row)->data(Qt::UserRole).toString();
    return ids;
  }
};

TEST_F(HelpTest, EverySectionOpensAtItsHeading) {
  namespace help = fw::ui::help;
  // The ids the windows are given are those of the manual, in its order.
  // clang-format off
  const QStringList declared = {
      help::kGettingStarted, help::kMainWindow, help::kGolferList, help::kGolferMaintenance,
      help::kGolferName, help::kScoreList, help::kCourseMaintenance, help::kCourseEdit,
      help::kScoreEntry, help::kGroupEntry, help::kCurrentIndex, help::kCourseHandicap,
      help::kPrintHandicaps, help::kHandicapCards, help::kGolfHistory, help::kPrinting,
      help::kPreferences, help::kHandicapRules, help::kProgress, help::kExportImport,
      help::kBackup, help::kFiles, help::kTwoCopies, help::kMessages};
  // clang-format on
  ASSERT_EQ(fw::ui::HelpSections(), declared);

  QSet<QString> headings;
  fw::ui::THelpForm* first = nullptr;
  for (const QString& id : declared) {
    SCOPED_TRACE(id.toStdString());
    fw::ui::ShowHelp(id);
    fw::ui::THelpForm* shown = HelpWindow();
    ASSERT_NE(shown, nullptr);
    if (!first) first = shown;
    EXPECT_EQ(shown, first) << "one help window for the program";
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->ShownSection(), id);
    const QString heading = shown->Ui().HelpPage->toPlainText().section(QLatin1Char('\n'), 0, 0);
    EXPECT_EQ(heading, shown->Ui().SectionList->currentItem()->text());
    headings.insert(heading);
  }
  EXPECT_EQ(headings.size(), declared.size()) << "each section shows its own heading";

  fw::ui::ShowHelp(QStringLiteral("no-such-section"));
  EXPECT_EQ(first->ShownSection(), declared.first());

  // Every link of the manual leads to one of its sections, and is followed.
  QFile manual(QStringLiteral(":/help/manual.html"));
  ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
  static const QRegularExpression link(QStringLiteral("href=\"#([^\"]*)\""));
  for (const auto& found : link.globalMatch(QString::fromUtf8(manual.readAll())))
    EXPECT_TRUE(declared.contains(found.captured(1)))
        << "broken link " << found.captured(1).toStdString();
  emit first->Ui().HelpPage->anchorClicked(QUrl(QStringLiteral("#messages")));
  EXPECT_EQ(first->ShownSection(), QStringLiteral("messages"));

  // A window is matched to its section by its object name.
  QWidget scoreForm;
  scoreForm.setObjectName(QStringLiteral("ScoreForm"));
  EXPECT_EQ(fw::ui::HelpSectionOf(&scoreForm), QStringLiteral("score-entry"));
  EXPECT_EQ(fw::ui::HelpSectionOf(nullptr), QStringLiteral("getting-started"));
}

TEST_F(HelpTest, SearchKeepsTheSectionsHoldingEveryWordAndFindsTheFirst) {
  fw::ui::ShowHelp(QStringLiteral("main-window"));
  fw::ui::THelpForm* help = HelpWindow();
  ASSERT_NE(help, nullptr);

  // A word of one section only: that section is listed, shown and found.
  QTest::keyClicks(help->Ui().SearchField, QStringLiteral("avery"));
  EXPECT_EQ(ListedSections(help), QStringList{QStringLiteral("handicap-cards")});
  EXPECT_EQ(help->ShownSection(), QStringLiteral("handicap-cards"));
  EXPECT_EQ(help->Ui().HelpPage->textCursor().selectedText(), QStringLiteral("Avery"));

  // Two words: only sections holding both; the shown one stays while it does.
  help->Ui().SearchField->setText(QStringLiteral("tilde Windows-1252"));
  const QStringList both = ListedSections(help);
  EXPECT_TRUE(both.contains(QStringLiteral("files")));
  EXPECT_FALSE(both.contains(QStringLiteral("main-window")));
  help->ShowSection(QStringLiteral("messages"));
  help->Ui().SearchField->setText(QStringLiteral("tilde Windows-1252 "));
  EXPECT_EQ(help->ShownSection(), QStringLiteral("messages"));
  const int firstPlace = help->Ui().HelpPage->textCursor().selectionStart();
  help->FindNext();
  EXPECT_GT(help->Ui().HelpPage->textCursor().selectionStart(), firstPlace);

  help->Ui().SearchField->setText(QStringLiteral("zzqx"));
  EXPECT_TRUE(ListedSections(help).isEmpty());
  EXPECT_TRUE(help->Ui().HelpPage->toPlainText().contains(QStringLiteral("zzqx")));

  help->Ui().SearchField->clear();
  EXPECT_EQ(ListedSections(help), fw::ui::HelpSections());
}

// Follows the window's blocked state, which Qt tells it by events.
class BlockWatch : public QObject {
 public:
  bool blocked = false;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::WindowBlocked) blocked = true;
    if (event->type() == QEvent::WindowUnblocked) blocked = false;
    return false;
  }
};

TEST_F(HelpTest, HelpAskedForInAWaitingDialogCanBeUsed) {
  // A dialog waiting for an answer blocks every other window; the help
  // window opened from it must not be one of them.
  fw::ui::ShowHelp(QStringLiteral("main-window"));
  fw::ui::THelpForm* help = HelpWindow();
  ASSERT_NE(help, nullptr);
  BlockWatch watch;
  help->windowHandle()->installEventFilter(&watch);
  QDialog dialog;
  bool blockedInDialog = true;
  QTimer::singleShot(0, &dialog, [&] {
    fw::ui::ShowHelp(QStringLiteral("printing"), &dialog);
    blockedInDialog = watch.blocked;
    dialog.accept();
  });
  dialog.exec();
  EXPECT_FALSE(blockedInDialog);
  EXPECT_EQ(help->ShownSection(), QStringLiteral("printing"));
}

}  // namespace
}  // namespace fwtest
