// Whole-file reads with a size limit, on the system's own calls on Windows and the standard
// streams elsewhere: the bytes exactly, or nothing for what is missing, not a regular file, or
// longer than allowed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "ScratchDirectory.h"
#include "platform/FileContents.h"

namespace solvanex::platform {
namespace {

// The path as this system's file calls read it: UTF-8 held in char8_t for the standard library.
std::filesystem::path Utf8Path(const std::string& path) {
  return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream file(Utf8Path(path), std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(file.good()) << path;
}

// Bytes of every value, so that no text translation can pass unnoticed.
std::string Pattern(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + i / 256) & 0xff);
  return bytes;
}

struct FileRow {
  const char* name;
  std::string fileName;  // written in the scratch folder; "" for none
  std::size_t size;      // bytes written
  std::size_t limit;     // the reader's allowance
  std::string readName;  // what is read, relative to the scratch folder
  bool expected;         // true: the bytes written come back exactly
};

class FileContentsTest : public ::testing::TestWithParam<FileRow> {};

TEST_P(FileContentsTest, GivesTheBytesExactlyOrNothing) {
  const FileRow& row = GetParam();
  testing::ScratchDirectory directory;
  const std::string bytes = Pattern(row.size);
  if (!row.fileName.empty()) WriteBytes(directory / row.fileName, bytes);
  std::filesystem::create_directory(Utf8Path(directory / "dossier"));
  const std::optional<std::string> read =
      ReadFileContents(row.readName.empty() ? std::string() : directory / row.readName, row.limit);
  if (row.expected) {
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->size(), bytes.size());
    EXPECT_TRUE(*read == bytes);
  } else {
    EXPECT_EQ(read, std::nullopt);
  }
}

constexpr std::size_t kBlock = 64 * 1024;  // the readers' block

INSTANTIATE_TEST_SUITE_P(
    Rows, FileContentsTest,
    ::testing::Values(FileRow{"small", "a.bin", 300, 1000, "a.bin", true},
                      FileRow{"exactly_the_limit", "a.bin", 300, 300, "a.bin", true},
                      FileRow{"one_byte_over", "a.bin", 301, 300, "a.bin", false},
                      FileRow{"empty", "a.bin", 0, 10, "a.bin", true},
                      FileRow{"empty_with_no_allowance", "a.bin", 0, 0, "a.bin", true},
                      FileRow{"one_block", "a.bin", kBlock, kBlock, "a.bin", true},
                      FileRow{"blocks_and_a_bit", "a.bin", 3 * kBlock + 5, 4 * kBlock, "a.bin",
                              true},
                      FileRow{"over_by_a_block", "a.bin", 2 * kBlock, kBlock, "a.bin", false},
                      FileRow{"name_outside_ascii", "Donn\u00e9es \u03a6\u30d5.bin", 500, 1000,
                              "Donn\u00e9es \u03a6\u30d5.bin", true},
                      FileRow{"missing", "", 0, 1000, "absent.bin", false},
                      FileRow{"a_folder", "", 0, 1000, "dossier", false},
                      FileRow{"empty_path", "", 0, 1000, "", false}),
    [](const auto& info) { return std::string(info.param.name); });

#ifdef _WIN32
// The system is given UTF-16 names: a name that is not UTF-8 names no file.
TEST(FileContentsTest, NotUtf8IsNothing) {
  EXPECT_EQ(ReadFileContents(std::string("\xff\xfe.bin"), 100), std::nullopt);
}
#endif

}  // namespace
}  // namespace solvanex::platform
