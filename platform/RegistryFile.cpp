#include "platform/RegistryFile.h"

#include <algorithm>

#include "platform/FileContents.h"

namespace solvanex::platform {

namespace {

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::string UpperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

// Reads a quoted string at the start of text; the rest of text is left in text. nullopt when the
// string is not closed.
std::optional<std::string> ReadQuoted(std::string_view& text) {
  if (text.empty() || text.front() != '"') return std::nullopt;
  std::string value;
  for (std::size_t i = 1; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') {
      text.remove_prefix(i + 1);
      return value;
    }
    if (c == '\\' && i + 1 < text.size() && (text[i + 1] == '\\' || text[i + 1] == '"')) {
      value += text[++i];
    } else {
      value += c;
    }
  }
  return std::nullopt;
}

// Reads a line `name=value` into name and value; false for anything else.
bool ReadValueLine(std::string_view line, std::string& name, std::string& value) {
  if (line.front() == '@') {
    name.clear();
    line.remove_prefix(1);
  } else {
    const std::optional<std::string> quoted = ReadQuoted(line);
    if (!quoted) return false;
    name = *quoted;
  }
  line = Trim(line);
  if (line.empty() || line.front() != '=') return false;
  line = Trim(line.substr(1));
  const std::optional<std::string> quoted = ReadQuoted(line);
  if (!quoted || !Trim(line).empty()) return false;
  value = *quoted;
  return true;
}

}  // namespace

std::optional<RegistryFile> RegistryFile::Parse(std::string_view text) {
  // A byte-order mark is what some editors put in front of the header.
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  RegistryFile file;
  Values* current = nullptr;
  bool header = true;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = Trim(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    if (header) {
      if (line != "REGEDIT4") return std::nullopt;
      header = false;
      continue;
    }
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      current = nullptr;
      if (line.back() == ']' && line.size() > 2 && line[1] != '-') {
        current = &file.keys_[UpperCase(line.substr(1, line.size() - 2))];
      }
      continue;
    }
    std::string name;
    std::string value;
    if (current != nullptr && ReadValueLine(line, name, value)) (*current)[name] = value;
  }
  if (header) return std::nullopt;
  return file;
}

std::optional<RegistryFile> RegistryFile::Load(const std::string& path) {
  const std::optional<std::string> text = ReadFileContents(path, kMaxRegistryFileBytes);
  if (!text) return std::nullopt;
  return Parse(*text);
}

const RegistryFile::Values* RegistryFile::FindKey(std::string_view keyPath) const {
  const auto key = keys_.find(UpperCase(keyPath));
  return key == keys_.end() ? nullptr : &key->second;
}

namespace {

std::optional<std::string> DefaultValue(const RegistryFile& file, std::string_view subKey) {
  const RegistryFile::Values* values = file.FindKey("HKEY_CLASSES_ROOT\\" + std::string(subKey));
  if (values == nullptr) return std::nullopt;
  const auto value = values->find("");
  return value == values->end() ? std::string() : value->second;
}

}  // namespace

std::optional<std::string> ClassesRootDefaultValue(std::string_view text, std::string_view subKey) {
  const std::optional<RegistryFile> file = RegistryFile::Parse(text);
  return file ? DefaultValue(*file, subKey) : std::nullopt;
}

std::optional<std::string> ReadClassesRootDefaultValueFromFile(const std::string& path,
                                                               std::string_view subKey) {
  const std::optional<RegistryFile> file = RegistryFile::Load(path);
  return file ? DefaultValue(*file, subKey) : std::nullopt;
}

}  // namespace solvanex::platform
