#include "HelpLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace solvanex::help {

namespace {

constexpr QStringView kTopicSeparator = u"::";

// "page.htm>main" gives "page.htm": the window type of HTML Help means nothing here.
QString WithoutWindowType(const QString& text) {
  const qsizetype window = text.lastIndexOf(u'>');
  return window < 0 ? text : text.left(window);
}

}  // namespace

HelpRequest ParseHelpArgument(const QString& argument) {
  HelpRequest request;
  const qsizetype separator = argument.indexOf(kTopicSeparator);
  if (separator >= 0) {
    request.file = argument.left(separator);
    request.topic = WithoutWindowType(argument.mid(separator + kTopicSeparator.size()));
  } else {
    const qsizetype window = argument.lastIndexOf(u'>');
    // Only a suffix after the file's extension is a window type; '>' may belong to a folder.
    const bool windowSuffix =
        window > 0 && argument.left(window).endsWith(u".chm", Qt::CaseInsensitive);
    request.file = windowSuffix ? argument.left(window) : argument;
  }
  request.file = request.file.trimmed();
  request.topic = request.topic.trimmed();
  return request;
}

QString LocateHelpFile(const QString& file, const QStringList& searchDirs) {
  if (file.isEmpty()) return {};
  if (QFileInfo(file).isAbsolute()) return file;
  for (const QString& dir : searchDirs) {
    if (dir.isEmpty()) continue;
    const QFileInfo candidate(QDir(dir), file);
    if (candidate.isFile()) return candidate.absoluteFilePath();
  }
  return {};
}

QStringList DefaultSearchDirs() {
  // The installed data folder is named relative to the program's folder (or absolute), so that
  // it is found wherever the installation was put.
  const QDir programDir(QCoreApplication::applicationDirPath());
  return {programDir.path(),
          QDir::cleanPath(programDir.filePath(QStringLiteral(SOLVANEX_HELP_DATADIR)))};
}

std::optional<QString> TopicOfStoreLink(const QString& link) {
  static const QStringList kPrefixes = {QStringLiteral("ms-its:"), QStringLiteral("mk:@msitstore:"),
                                        QStringLiteral("its:")};
  for (const QString& prefix : kPrefixes) {
    if (!link.startsWith(prefix, Qt::CaseInsensitive)) continue;
    const qsizetype separator = link.indexOf(kTopicSeparator, prefix.size());
    if (separator < 0) return {};
    return link.mid(separator + kTopicSeparator.size());
  }
  return {};
}

}  // namespace solvanex::help
