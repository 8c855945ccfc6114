#include "HelpBrowser.h"

#include "HelpBook.h"
#include "HelpLocation.h"
#include "HelpSearch.h"

#include <QDesktopServices>
#include <QStringDecoder>

namespace solvanex::help {

namespace {

bool IsWebLink(const QUrl& url) {
  const QString scheme = url.scheme().toLower();
  return scheme == u"http" || scheme == u"https" || scheme == u"mailto" || scheme == u"ftp";
}

// A page that stands in for a topic that the help file does not hold, so that a broken link
// says so instead of leaving the previous page or a blank pane.
QString MissingPage(const QString& path) {
  return QStringLiteral(
             "<html><head><title>Page introuvable</title></head><body>"
             "<h1>Page introuvable</h1>"
             "<p>La page « %1 » ne se trouve pas dans le fichier d'aide.</p></body></html>")
      .arg(path.toHtmlEscaped());
}

// Pages declare their encoding in a <meta> tag; pages without one are read as UTF-8.
QString DecodePage(const QByteArray& data) {
  QStringDecoder decoder = QStringDecoder::decoderForHtml(data);
  if (!decoder.isValid()) decoder = QStringDecoder(QStringDecoder::Utf8);
  return decoder.decode(data);
}

}  // namespace

HelpBrowser::HelpBrowser(std::shared_ptr<const ChmArchive> archive, QWidget* parent)
    : QTextBrowser(parent), archive_(std::move(archive)) {
  // Links are followed by doSetSource(); nothing is opened outside unless it is a web link.
  setOpenExternalLinks(false);
  connect(this, &QTextBrowser::sourceChanged, this, [this] { setExtraSelections({}); });
}

int HelpBrowser::HighlightWords(const QStringList& words) {
  QList<QTextEdit::ExtraSelection> selections;
  QTextCharFormat mark;
  mark.setBackground(QColor(0xff, 0xe0, 0x40));
  mark.setForeground(Qt::black);
  for (const QTextCursor& cursor : FindWordMatches(document(), words)) {
    selections.append({cursor, mark});
  }
  setExtraSelections(selections);
  if (!selections.isEmpty()) {
    QTextCursor first = selections.front().cursor;
    first.clearSelection();
    setTextCursor(first);
    ensureCursorVisible();
  }
  return static_cast<int>(selections.size());
}

QUrl HelpBrowser::Resolve(const QUrl& name) const {
  if (const std::optional<QString> topic = TopicOfStoreLink(name.toString())) {
    return TopicUrl(*topic);
  }
  if (!name.isRelative()) return name;
  const QUrl base = source().isValid() ? source() : TopicUrl(QStringLiteral("/"));
  return base.resolved(name);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  const QUrl url = Resolve(name);
  if (url.scheme() != kHelpScheme) return {};
  const QString path = NormalizeArchivePath(url.path());
  const std::optional<QByteArray> data = archive_->Read(path);
  switch (type) {
    case QTextDocument::HtmlResource:
      return data ? DecodePage(*data) : MissingPage(path);
    case QTextDocument::StyleSheetResource:
      return data ? QString::fromUtf8(*data) : QVariant();
    default:
      return data ? QVariant(*data) : QVariant();
  }
}

void HelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
  if (IsWebLink(name)) {
    QDesktopServices::openUrl(name);
    return;
  }
  const QUrl url = Resolve(name);
  // Links to local files or other schemes lead outside the help file: they are not followed.
  if (url.scheme() != kHelpScheme) return;
  QTextBrowser::doSetSource(url, type);
}

}  // namespace solvanex::help
