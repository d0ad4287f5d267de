#include "help/fwhelp.h"

#include <QApplication>
#include <QFile>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

// The manual is compiled into the static windows library; naming its resource
// here makes the linker keep it in the program.
static void InitManualResource() {
  Q_INIT_RESOURCE(help);
}

namespace fw::ui {
namespace {

struct ManualSection {
  QString id;
  QString title;
  QString html;  // the section alone, from its heading to the next one
  QString text;  // the section as plain text, for the search
};

struct Manual {
  QString styleSheet;
  std::vector<ManualSection> sections;
};

// Reads manual.html once: its style sheet, and a section for each of its
// <h2 id="..."> headings, running to the next heading or the end of the body.
const Manual& TheManual() {
  static const Manual manual = [] {
    InitManualResource();
    Manual m;
    QFile file(QStringLiteral(":/help/manual.html"));
    if (!file.open(QIODevice::ReadOnly)) return m;
    const QString html = QString::fromUtf8(file.readAll());
    static const QRegularExpression style(QStringLiteral("<style>(.*)</style>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    m.styleSheet = style.match(html).captured(1);
    static const QRegularExpression heading(QStringLiteral("<h2 id=\"([a-z0-9-]+)\">(.*)</h2>"),
                                            QRegularExpression::InvertedGreedinessOption);
    qsizetype end = html.indexOf(QStringLiteral("</body>"));
    if (end < 0) end = html.size();
    std::vector<qsizetype> starts;
    for (const QRegularExpressionMatch& found : heading.globalMatch(html)) {
      starts.push_back(found.capturedStart());
      ManualSection section;
      section.id = found.captured(1);
      section.title = QTextDocumentFragment::fromHtml(found.captured(2)).toPlainText();
      m.sections.push_back(section);
    }
    starts.push_back(end);
    for (std::size_t i = 0; i < m.sections.size(); ++i)
      m.sections[i].html = html.mid(starts[i], starts[i + 1] - starts[i]);
    for (ManualSection& section : m.sections) {
      QTextDocument document;
      document.setHtml(section.html);
      section.text = document.toPlainText();
    }
    return m;
  }();
  return manual;
}

const ManualSection* FindSection(const QString& id) {
  for (const ManualSection& section : TheManual().sections)
    if (section.id == id) return &section;
  return nullptr;
}

QPointer<THelpForm>& HelpWindow() {
  static QPointer<THelpForm> window;
  return window;
}

}  // namespace

QStringList HelpSections() {
  QStringList ids;
  for (const ManualSection& section : TheManual().sections) ids << section.id;
  return ids;
}

QString HelpSectionOf(const QWidget* window) {
  static const std::pair<const char*, const char*> kSections[] = {
      {"MainForm", help::kMainWindow},
      {"GPickForm", help::kGolferList},
      {"GMaintForm", help::kGolferMaintenance},
      {"GNameForm", help::kGolferName},
      {"GolferForm", help::kScoreList},
      {"CMaintForm", help::kCourseMaintenance},
      {"CourseForm", help::kCourseEdit},
      {"ScoreForm", help::kScoreEntry},
      {"GroupOfScoresForm", help::kGroupEntry},
      {"IndexForm", help::kCurrentIndex},
      {"HandicapForm", help::kCourseHandicap},
      {"PrintHandicapsDlg", help::kPrintHandicaps},
      {"PrintHdcpDetails", help::kHandicapCards},
      {"TwoChoiceDlg", help::kPrinting},
      {"ProgressForm", help::kProgress},
  };
  const QString name = window ? window->window()->objectName() : QString();
  for (const auto& [form, section] : kSections)
    if (name == QLatin1String(form)) return QString::fromLatin1(section);
  return QString::fromLatin1(help::kGettingStarted);
}

THelpForm::THelpForm(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("HelpForm"));
  setWindowTitle(QStringLiteral("Fairwick Help"));
  resize(880, 620);

  SearchField = new QLineEdit(this);
  SearchField->setObjectName(QStringLiteral("SearchField"));
  SearchField->setPlaceholderText(QStringLiteral("Search"));
  SearchField->setClearButtonEnabled(true);
  SearchField->setAccessibleName(QStringLiteral("Search the manual"));
  SectionList = new QListWidget(this);
  SectionList->setObjectName(QStringLiteral("SectionList"));
  SectionList->setAccessibleName(QStringLiteral("Sections"));
  HelpPage = new QTextBrowser(this);
  HelpPage->setObjectName(QStringLiteral("HelpPage"));
  HelpPage->setAccessibleName(QStringLiteral("Manual"));
  // Links between sections are followed here, one section at a time.
  HelpPage->setOpenLinks(false);
  HelpPage->document()->setDefaultStyleSheet(TheManual().styleSheet);

  for (const ManualSection& section : TheManual().sections) {
    auto* item = new QListWidgetItem(section.title, SectionList);
    item->setData(Qt::UserRole, section.id);
  }

  auto* finder = new QWidget(this);
  auto* finderLayout = new QVBoxLayout(finder);
  finderLayout->setContentsMargins(0, 0, 0, 0);
  finderLayout->addWidget(SearchField);
  finderLayout->addWidget(SectionList);
  auto* splitter = new QSplitter(this);
  splitter->addWidget(finder);
  splitter->addWidget(HelpPage);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({250, 630});
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(splitter);

  // A section picked in the list, by the mouse or the arrow keys, is shown.
  connect(SectionList, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
    if (item && item->data(Qt::UserRole).toString() != shown_)
      ShowSection(item->data(Qt::UserRole).toString());
  });
  connect(HelpPage, &QTextBrowser::anchorClicked, this,
          [this](const QUrl& link) { ShowSection(link.fragment()); });
  connect(SearchField, &QLineEdit::textChanged, this, [this] { SearchFieldChange(); });
  connect(SearchField, &QLineEdit::returnPressed, this, [this] { FindNext(); });
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
}

bool THelpForm::ShowSection(const QString& id) {
  const ManualSection* section = FindSection(id);
  if (!section) return false;
  shown_ = id;
  HelpPage->setHtml(section->html);
  for (int row = 0; row < SectionList->count(); ++row) {
    QListWidgetItem* item = SectionList->item(row);
    if (item->data(Qt::UserRole).toString() != id) continue;
    item->setHidden(false);
    SectionList->setCurrentItem(item);
    SectionList->scrollToItem(item);
  }
  MarkSearchedWords();
  return true;
}

QStringList THelpForm::SearchedWords() const {
  return SearchField->text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

void THelpForm::SearchFieldChange() {
  const QStringList words = SearchedWords();
  QListWidgetItem* first = nullptr;
  bool shownHolds = false;
  for (int row = 0; row < SectionList->count(); ++row) {
    QListWidgetItem* item = SectionList->item(row);
    const QString id = item->data(Qt::UserRole).toString();
    const QString& text = FindSection(id)->text;
    const bool holds = std::all_of(words.begin(), words.end(), [&text](const QString& word) {
      return text.contains(word, Qt::CaseInsensitive);
    });
    item->setHidden(!holds);
    if (holds && !first) first = item;
    if (holds && id == shown_) shownHolds = true;
  }
  if (!first) {
    shown_.clear();
    SectionList->setCurrentItem(nullptr);
    HelpPage->setHtml(QStringLiteral("<p>No section of the manual holds \"%1\".</p>")
                          .arg(SearchField->text().toHtmlEscaped()));
    return;
  }
  // The section shown stays while it holds the words.
  if (shownHolds)
    MarkSearchedWords();
  else
    ShowSection(first->data(Qt::UserRole).toString());
}

void THelpForm::MarkSearchedWords() {
  QList<QTextEdit::ExtraSelection> marks;
  QTextCursor earliest;
  for (const QString& word : SearchedWords()) {
    QTextCursor found = HelpPage->document()->find(word);
    while (!found.isNull()) {
      QTextEdit::ExtraSelection mark;
      mark.cursor = found;
      mark.format.setBackground(QColor(255, 230, 100));
      marks << mark;
      if (earliest.isNull() || found.selectionStart() < earliest.selectionStart()) earliest = found;
      found = HelpPage->document()->find(word, found);
    }
  }
  HelpPage->setExtraSelections(marks);
  if (earliest.isNull()) {
    HelpPage->moveCursor(QTextCursor::Start);
    return;
  }
  HelpPage->setTextCursor(earliest);
  HelpPage->ensureCursorVisible();
}

void THelpForm::FindNext() {
  if (SearchedWords().isEmpty()) return;
  const QList<QTextEdit::ExtraSelection> marks = HelpPage->extraSelections();
  const int after = HelpPage->textCursor().selectionStart();
  const QTextEdit::ExtraSelection* next = nullptr;
  for (const QTextEdit::ExtraSelection& mark : marks)
    if (mark.cursor.selectionStart() > after &&
        (!next || mark.cursor.selectionStart() < next->cursor.selectionStart()))
      next = &mark;
  if (next) {
    HelpPage->setTextCursor(next->cursor);
    HelpPage->ensureCursorVisible();
    return;
  }
  // On to the next section still listed, round to the first.
  const int count = SectionList->count();
  const int current = std::max(0, SectionList->currentRow());
  for (int step = 1; step <= count; ++step) {
    QListWidgetItem* item = SectionList->item((current + step) % count);
    if (!item->isHidden()) {
      ShowSection(item->data(Qt::UserRole).toString());
      return;
    }
  }
}

void ShowHelp(const QString& section, QWidget* opener) {
  QPointer<THelpForm>& window = HelpWindow();
  if (!window) {
    window = new THelpForm;
    // The one help window lives until the program ends.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, window, [] { delete HelpWindow(); });
    if (opener) {
      window->winId();
      window->windowHandle()->setScreen(opener->screen());
    }
    if (const QScreen* screen = window->screen()) {
      const QRect area = screen->availableGeometry();
      window->move(area.center() - window->rect().center());
    }
  }
  if (!window->ShowSection(section)) window->ShowSection(HelpSections().value(0));
  // A dialog that waits for an answer blocks every other window, except the
  // windows that belong to it.
  window->winId();
  QWidget* waiting = QApplication::activeModalWidget();
  if (waiting && waiting != window) waiting->winId();
  window->windowHandle()->setTransientParent(waiting ? waiting->windowHandle() : nullptr);
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace fw::ui
