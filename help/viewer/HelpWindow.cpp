#include "HelpWindow.h"

#include "HelpBrowser.h"
#include "PrintModule.h"
#include "SearchPane.h"

#include <QAction>
#include <QFontDatabase>
#include <QIcon>
#include <QMessageBox>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace solvanex::help {

namespace {

constexpr int kTopicRole = Qt::UserRole;

QString ItemKey(const QUrl& url) {
  return url.path().toLower();
}

}  // namespace

HelpWindow::HelpWindow(HelpBook book)
    : QWidget(nullptr), book_(std::move(book)), browser_(new HelpBrowser(book_.archive)) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(book_.title);
  // The program's own icon, carried in the module's resources.
  setWindowIcon(QIcon(QStringLiteral(":/hhctrl/solvanex.svg")));
  // The program quits when its main window closes, whether help is open or not.
  setAttribute(Qt::WA_QuitOnClose, false);
  // Help is read at length: it takes the desktop's own text font, not the small classic dialog
  // font the program gives its other windows.
  setFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont));
  resize(860, 620);

  browser_->setObjectName(QStringLiteral("HelpBrowser"));

  auto* toolBar = new QToolBar(this);
  toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  QAction* back =
      toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Précédent"));
  back->setShortcut(QKeySequence::Back);
  back->setEnabled(false);
  QAction* forward =
      toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("Suivant"));
  forward->setShortcut(QKeySequence::Forward);
  forward->setEnabled(false);
  QAction* home =
      toolBar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QStringLiteral("Sommaire"));
  home->setShortcut(Qt::Key_Home);
  // The module's own icon: a desktop theme may lack one.
  QAction* print =
      toolBar->addAction(QIcon(QStringLiteral(":/hhctrl/print.svg")), QStringLiteral("Imprimer"));
  print->setObjectName(QStringLiteral("HelpPrint"));
  print->setShortcut(QKeySequence::Print);
  print->setToolTip(QStringLiteral("Imprimer la page affichée (Ctrl+P)"));
  // Window-wide, so that the keys work from the contents tree as well as from the page.
  for (QAction* action : {back, forward, home, print}) {
    action->setShortcutContext(Qt::WindowShortcut);
  }

  auto* close = new QAction(this);
  close->setShortcut(Qt::Key_Escape);
  close->setShortcutContext(Qt::WindowShortcut);
  addAction(close);

  connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
  connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
  connect(home, &QAction::triggered, this, &HelpWindow::ShowHome);
  connect(print, &QAction::triggered, this, &HelpWindow::PrintPage);
  connect(close, &QAction::triggered, this, &QWidget::close);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::SelectContentsItem);

  auto* navigation = new QTabWidget;
  navigation->setObjectName(QStringLiteral("HelpNavigation"));
  contents_ = BuildTree(book_.contents, QStringLiteral("HelpContents"), &contentsItems_);
  navigation->addTab(contents_, QStringLiteral("Sommaire"));
  if (!book_.index.empty()) {
    QTreeWidget* index = BuildTree(book_.index, QStringLiteral("HelpIndex"), nullptr);
    index->setRootIsDecorated(false);
    index->sortItems(0, Qt::AscendingOrder);
    navigation->addTab(index, QStringLiteral("Index"));
  }
  auto* search = new SearchPane([this]() -> const HelpSearchIndex& { return SearchIndex(); });
  search->setObjectName(QStringLiteral("HelpSearch"));
  connect(search, &SearchPane::openRequested, this, &HelpWindow::OpenSearchResult);
  navigation->addTab(search, QStringLiteral("Rechercher"));
  // The index is made when the tab is first shown, so that the first words typed answer at once.
  connect(navigation, &QTabWidget::currentChanged, this, [this, navigation, search](int tab) {
    if (navigation->widget(tab) == search) SearchIndex();
  });

  auto* splitter = new QSplitter(Qt::Horizontal);
  splitter->addWidget(navigation);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({280, 580});

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(toolBar);
  layout->addWidget(splitter, 1);
  // A keyboard user starts in the contents, not among the page's links.
  contents_->setFocus();
}

QTreeWidget* HelpWindow::BuildTree(const std::vector<SitemapEntry>& entries,
                                   const QString& objectName, PageItems* pages) {
  auto* tree = new QTreeWidget;
  tree->setObjectName(objectName);
  tree->setHeaderHidden(true);
  tree->setColumnCount(1);
  AddItems(tree, nullptr, entries, pages);
  tree->expandToDepth(0);
  connect(tree, &QTreeWidget::itemActivated, this, &HelpWindow::OpenItem);
  connect(tree, &QTreeWidget::itemClicked, this, &HelpWindow::OpenItem);
  return tree;
}

void HelpWindow::AddItems(QTreeWidget* tree, QTreeWidgetItem* parent,
                          const std::vector<SitemapEntry>& entries, PageItems* pages) {
  // Reading order, without recursion however deep the tree from the help file is; an entry's
  // parent is the last item made one level up.
  std::vector<QTreeWidgetItem*> lastAtLevel;
  WalkSitemap(entries, [&](const SitemapEntry& entry, int depth) {
    lastAtLevel.resize(static_cast<std::size_t>(depth - 1));
    QTreeWidgetItem* above = lastAtLevel.empty() ? parent : lastAtLevel.back();
    auto* item = above ? new QTreeWidgetItem(above) : new QTreeWidgetItem(tree);
    item->setText(0, entry.name);
    // The whole title, for those the pane is too narrow to show.
    item->setToolTip(0, entry.name);
    item->setData(0, kTopicRole, entry.local);
    if (pages != nullptr && !entry.local.isEmpty()) {
      // A page listed twice is selected at its first item, the one a reader meets first.
      const QString key = ItemKey(TopicUrl(entry.local));
      if (!pages->contains(key)) pages->insert(key, item);
    }
    lastAtLevel.push_back(item);
    return false;
  });
}

void HelpWindow::OpenItem(QTreeWidgetItem* item) {
  const QString topic = item->data(0, kTopicRole).toString();
  if (!topic.isEmpty()) ShowTopic(topic);
}

void HelpWindow::ShowTopic(const QString& topic) {
  browser_->setSource(TopicUrl(topic.isEmpty() ? book_.defaultTopic : topic));
}

const HelpSearchIndex& HelpWindow::SearchIndex() {
  if (!searchIndex_) searchIndex_ = HelpSearchIndex::Build(*book_.archive);
  return *searchIndex_;
}

void HelpWindow::OpenSearchResult(const QString& path, const QStringList& words) {
  // Through the browser's history, so that Back returns to the page before.
  ShowTopic(path);
  browser_->HighlightWords(words);
}

void HelpWindow::PrintPage() {
  // The print support is loaded with its module at the first printing, not with the viewer.
  if (const PrintEntry print = LoadPrintEntry()) {
    print(this, browser_->document());
    return;
  }
  QMessageBox::warning(this, windowTitle(),
                       QStringLiteral("L'impression n'est pas disponible : le module "
                                      "d'impression hhprint.so n'a pas pu être chargé."));
}

void HelpWindow::SelectContentsItem(const QUrl& source) {
  QTreeWidgetItem* item = contentsItems_.value(ItemKey(source));
  if (item == nullptr || item == contents_->currentItem()) return;
  const QSignalBlocker blocker(contents_);
  contents_->setCurrentItem(item);
  contents_->scrollToItem(item);
}

}  // namespace solvanex::help
