#include "HtmlText.h"

namespace solvanex::helpcontent {

namespace {

std::string Escape(std::string_view text, bool apostrophe) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      case '\'':
        escaped += apostrophe ? "&#39;" : "'";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

}  // namespace

std::string EscapeHtml(std::string_view text) {
  return Escape(text, true);
}

std::string EscapeSitemapValue(std::string_view text) {
  return Escape(text, false);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    lines.push_back(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return lines;
}

std::string LinesToHtml(std::string_view text) {
  std::string html;
  for (const std::string_view line : SplitLines(text)) {
    if (!html.empty()) html += "<br>\n";
    html += EscapeHtml(line);
  }
  return html;
}

}  // namespace solvanex::helpcontent
