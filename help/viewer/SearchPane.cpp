#include "SearchPane.h"

#include "HelpSearch.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace solvanex::help {

namespace {

constexpr int kPathRole = Qt::UserRole;

}  // namespace

SearchPane::SearchPane(IndexSource index, QWidget* parent)
    : QWidget(parent),
      index_(std::move(index)),
      query_(new QLineEdit),
      results_(new QListWidget),
      status_(new QLabel) {
  query_->setObjectName(QStringLiteral("HelpSearchText"));
  query_->setPlaceholderText(QStringLiteral("Mots à rechercher"));
  query_->setClearButtonEnabled(true);
  results_->setObjectName(QStringLiteral("HelpSearchResults"));
  status_->setObjectName(QStringLiteral("HelpSearchStatus"));
  status_->setWordWrap(true);
  status_->setText(
      QStringLiteral("Tapez un ou plusieurs mots : les pages qui les contiennent "
                     "tous s'affichent. Accents et majuscules ne comptent pas."));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(query_);
  layout->addWidget(status_);
  layout->addWidget(results_, 1);

  connect(query_, &QLineEdit::textChanged, this, &SearchPane::Search);
  // Enter opens the first page found.
  connect(query_, &QLineEdit::returnPressed, this, [this] {
    if (results_->count() > 0) Open(results_->item(0));
  });
  connect(results_, &QListWidget::itemActivated, this, &SearchPane::Open);
  connect(results_, &QListWidget::itemClicked, this, &SearchPane::Open);
}

void SearchPane::Search(const QString& text) {
  if (query_->text() != text) {
    query_->setText(text);  // comes back here through textChanged
    return;
  }
  results_->clear();
  words_ = QueryWords(text);
  if (words_.isEmpty()) {
    status_->clear();
    return;
  }
  const std::vector<HelpSearchIndex::Hit> hits = index_().Find(text);
  for (const HelpSearchIndex::Hit& hit : hits) {
    auto* item = new QListWidgetItem(hit.title, results_);
    item->setData(kPathRole, hit.path);
    item->setToolTip(hit.title);
  }
  if (hits.empty()) {
    status_->setText(QStringLiteral("Aucune page ne contient ces mots."));
  } else if (hits.size() == 1) {
    status_->setText(QStringLiteral("1 page trouvée."));
  } else {
    status_->setText(QStringLiteral("%1 pages trouvées.").arg(hits.size()));
  }
}

void SearchPane::Open(QListWidgetItem* item) {
  if (item != nullptr) emit openRequested(item->data(kPathRole).toString(), words_);
}

}  // namespace solvanex::help
