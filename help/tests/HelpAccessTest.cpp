// The quiet closing of the help windows when a main window is destroyed: nothing called without
// a viewer, the viewer's closing called once otherwise, and whatever it throws kept inside.
#include <gtest/gtest.h>

#include <stdexcept>

#include "help/HelpAccess.h"

namespace solvanex {
namespace {

enum class Closing { kCloses, kThrowsStdError, kThrowsOther };

// A viewer that counts its calls and fails as told.
class RecordingViewer : public HelpAccess {
 public:
  explicit RecordingViewer(Closing closing) : closing_(closing) {}
  void ShowHelpTopics() override { ++shown; }
  void CloseAllHelpWindows() override {
    ++closed;
    if (closing_ == Closing::kThrowsStdError) throw std::runtime_error("viewer gone");
    if (closing_ == Closing::kThrowsOther) throw 42;
  }
  int shown = 0;
  int closed = 0;

 private:
  Closing closing_;
};

struct QuietCloseRow {
  const char* name;
  bool hasViewer;
  Closing closing;
};

class CloseAllHelpWindowsQuietlyTest : public ::testing::TestWithParam<QuietCloseRow> {};

TEST_P(CloseAllHelpWindowsQuietlyTest, ClosesOnceWhenThereIsAViewerAndNeverThrows) {
  const QuietCloseRow& row = GetParam();
  RecordingViewer viewer(row.closing);
  HelpAccess* help = row.hasViewer ? &viewer : nullptr;
  EXPECT_NO_THROW(CloseAllHelpWindowsQuietly(help));
  EXPECT_EQ(viewer.closed, row.hasViewer ? 1 : 0);
  EXPECT_EQ(viewer.shown, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CloseAllHelpWindowsQuietlyTest,
    ::testing::Values(QuietCloseRow{"NoViewer", false, Closing::kCloses},
                      QuietCloseRow{"ViewerCloses", true, Closing::kCloses},
                      QuietCloseRow{"ViewerThrowsStdError", true, Closing::kThrowsStdError},
                      QuietCloseRow{"ViewerThrowsSomethingElse", true, Closing::kThrowsOther}),
    [](const ::testing::TestParamInfo<QuietCloseRow>& info) { return info.param.name; });

}  // namespace
}  // namespace solvanex
