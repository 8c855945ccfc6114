// Every worked example of the compiled help file, on every page, keyed again on the built
// solvanex-cli: what the page says the display shows is what the program shows.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

#include <optional>
#include <string>
#include <vector>

#include "ChmArchive.h"
#include "HelpBook.h"
#include "KeyMarkup.h"

namespace solvanex::helpcontent {
namespace {

// The text of the pages' character references, as EscapeHtml writes them.
QString Unescape(QString text) {
  text.replace(u"&nbsp;"_qs, u" "_qs);
  text.replace(u"&lt;"_qs, u"<"_qs);
  text.replace(u"&gt;"_qs, u">"_qs);
  text.replace(u"&quot;"_qs, u"\""_qs);
  text.replace(u"&#39;"_qs, u"'"_qs);
  text.replace(u"&amp;"_qs, u"&"_qs);
  return text;
}

// The controls of one key label as the page shows it: "« Femme »", "Coller « 3 »", "1,75", "P".
std::vector<std::string> Controls(const QString& label) {
  static const QRegularExpression choice(u"^« (.*) »$"_qs);
  static const QRegularExpression paste(u"^Coller « (.*) »$"_qs);
  std::string token = label.toStdString();
  if (const auto match = paste.match(label); match.hasMatch()) {
    token = "coller:" + match.captured(1).toStdString();
  } else if (const auto match = choice.match(label); match.hasMatch()) {
    token = match.captured(1).toStdString();
  }
  return StepForToken(token).controls;
}

struct Example {
  QString page;
  QString source;  // the markup, for the failure message
  std::vector<std::string> controls;
  QString display;   // what the page shows in the display, or
  bool red = false;  // ... in red
  QString errorBox;  // the error box it names instead
};

// The outcome markup: the display box (red for a message) or "boîte d'erreur « ... »".
bool ReadOutcome(const QString& html, Example& example) {
  static const QRegularExpression display(
      u"^<span class=\"affichage( erreur)?\">&nbsp;(.*)&nbsp;</span>$"_qs);
  static const QRegularExpression box(u"^boîte d'erreur « (.*) »$"_qs);
  if (const auto match = display.match(html); match.hasMatch()) {
    example.red = match.hasCaptured(1) && !match.captured(1).isEmpty();
    example.display = Unescape(match.captured(2));
    return true;
  }
  if (const auto match = box.match(html); match.hasMatch()) {
    example.errorBox = Unescape(match.captured(1));
    return true;
  }
  return false;
}

std::vector<std::string> KeyLabels(const QString& html) {
  static const QRegularExpression key(u"<kbd>([^<]*)</kbd>"_qs);
  std::vector<std::string> controls;
  for (auto it = key.globalMatch(html); it.hasNext();) {
    for (const std::string& control : Controls(Unescape(it.next().captured(1)))) {
      controls.push_back(control);
    }
  }
  return controls;
}

std::vector<Example> ExamplesOf(const QString& page, const QString& html) {
  std::vector<Example> examples;
  // Inline examples: keys, an arrow, the outcome.
  static const QRegularExpression inlineExample(
      u"<span class=\"touches\">((?:<kbd>[^<]*</kbd> )+)→ "
      u"(<span class=\"affichage[^\"]*\">.*?</span>|boîte d'erreur « .*? »)</span>"_qs);
  // Example tables: the choices, the keys, the outcome.
  static const QRegularExpression tableExample(
      u"<tr class=\"exemple\"><td>(.*?)</td><td>(.*?)</td><td>(.*?)</td></tr>"_qs);
  for (auto it = inlineExample.globalMatch(html); it.hasNext();) {
    const auto match = it.next();
    Example example{page, match.captured(0), KeyLabels(match.captured(1)), {}, false, {}};
    EXPECT_TRUE(ReadOutcome(match.captured(2), example)) << match.captured(0).toStdString();
    examples.push_back(example);
  }
  for (auto it = tableExample.globalMatch(html); it.hasNext();) {
    const auto match = it.next();
    Example example{page, match.captured(0), {}, {}, false, {}};
    if (match.captured(1) != u"—") {
      for (const QString& choice : Unescape(match.captured(1)).split(u", "_qs)) {
        for (const std::string& control : Controls(choice)) example.controls.push_back(control);
      }
    }
    for (const std::string& control : KeyLabels(match.captured(2))) {
      example.controls.push_back(control);
    }
    EXPECT_TRUE(ReadOutcome(match.captured(3), example)) << match.captured(0).toStdString();
    examples.push_back(example);
  }
  return examples;
}

// The keys run on the program: the first error box, else the last display.
struct CliOutcome {
  QString display;
  bool red = false;
  QString errorBox;
};

std::optional<CliOutcome> RunCli(const std::vector<std::string>& controls) {
  QStringList arguments{u"--separator=,"_qs};
  for (const std::string& control : controls) arguments << QString::fromStdString(control);
  QProcess process;
  process.start(QStringLiteral(SOLVANEX_CLI), arguments);
  if (!process.waitForFinished(10000) || process.exitCode() != 0) return std::nullopt;
  CliOutcome outcome;
  for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
    if (line.isEmpty()) continue;
    const QJsonObject object = QJsonDocument::fromJson(line).object();
    outcome.display = object.value(u"display"_qs).toString();
    outcome.red = object.value(u"color"_qs).toString() == u"red";
    if (object.value(u"error"_qs).isString()) {
      outcome.errorBox = object.value(u"error"_qs).toString();
      break;
    }
  }
  return outcome;
}

TEST(HelpExamples, EveryExampleIsWhatTheProgramShows) {
  const std::optional<help::HelpBook> book = help::LoadHelpBook(QStringLiteral(SOLVANEX_HELP_FILE));
  ASSERT_TRUE(book.has_value());
  int checked = 0;
  int pagesWithExamples = 0;
  for (const QString& path : book->archive->Files()) {
    if (!path.endsWith(u".html")) continue;
    const QString html = QString::fromUtf8(book->archive->Read(path).value_or(""));
    const std::vector<Example> examples = ExamplesOf(path, html);
    if (!examples.empty()) ++pagesWithExamples;
    // Every key example of the page was found by the patterns above.
    EXPECT_EQ(static_cast<qsizetype>(examples.size()),
              html.count(u"<span class=\"touches\">"_qs) + html.count(u"<tr class=\"exemple\">"_qs))
        << path.toStdString();
    for (const Example& example : examples) {
      SCOPED_TRACE(path.toStdString() + ": " + example.source.toStdString());
      const std::optional<CliOutcome> cli = RunCli(example.controls);
      ASSERT_TRUE(cli.has_value());
      if (!example.errorBox.isEmpty()) {
        EXPECT_EQ(cli->errorBox.toStdString(), example.errorBox.toStdString());
      } else {
        EXPECT_TRUE(cli->errorBox.isEmpty()) << cli->errorBox.toStdString();
        EXPECT_EQ(cli->display.toStdString(), example.display.toStdString());
        EXPECT_EQ(cli->red, example.red);
      }
      ++checked;
    }
  }
  // Formula, conversion and function pages all carry examples, and so do the hand pages.
  EXPECT_GE(pagesWithExamples, 16 + 9 + 3);
  EXPECT_GE(checked, 100);
}

}  // namespace
}  // namespace solvanex::helpcontent
