#include <gtest/gtest.h>

#include <vector>

#include <new>
#include <stdexcept>
#include <string>

#include "host/runtime/error.h"
#include "host/runtime/event.h"
#include "host/runtime/resume_next.h"
#include "host/testing/message_box_watcher.h"

namespace host {
namespace {

class ErrorObjectTest : public ::testing::Test {
 protected:
  void SetUp() override { Err().Clear(); }
};

TEST_F(ErrorObjectTest, RaiseThrowsAndRecordsTheNumberWithItsStandardText) {
  try {
    Err().Raise(6);
    FAIL() << "Raise returned";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Number(), 6);
    EXPECT_EQ(error.Description(), "Overflow");
  }
  EXPECT_EQ(Err().Number(), 6);
  EXPECT_EQ(Err().Description(), "Overflow");
}

TEST_F(ErrorObjectTest, RaiseKeepsAGivenDescription) {
  EXPECT_THROW(Err().Raise(383, "'Caption' property is read-only"), RuntimeError);
  EXPECT_EQ(Err().Description(), "'Caption' property is read-only");
}

TEST_F(ErrorObjectTest, ClearResetsNumberAndDescription) {
  EXPECT_THROW(Err().Raise(11), RuntimeError);
  Err().Clear();
  EXPECT_EQ(Err().Number(), 0);
  EXPECT_EQ(Err().Description(), "");
}

TEST_F(ErrorObjectTest, UsualNumbersHaveTheirUsualTexts) {
  EXPECT_EQ(StandardDescription(5), "Invalid procedure call or argument");
  EXPECT_EQ(StandardDescription(11), "Division by zero");
  EXPECT_EQ(StandardDescription(13), "Type mismatch");
  EXPECT_EQ(StandardDescription(383), "Property is read-only");
  EXPECT_EQ(StandardDescription(31000), "Application-defined or object-defined error");
}

TEST_F(ErrorObjectTest, ResumeNextSkipsTheFailingStatementAndGoesOn) {
  std::vector<int> ran;
  ResumeNext rn;
  rn([&] { ran.push_back(1); });
  rn([&] {
    throw RuntimeError(13);
    ran.push_back(99);
  });
  rn([&] { ran.push_back(3); });
  EXPECT_EQ(ran, (std::vector<int>{1, 3}));
  EXPECT_EQ(Err().Number(), 13) << "the error object records the skipped error";
}

TEST_F(ErrorObjectTest, ResumeNextKeepsTheLastErrorUntilCleared) {
  ResumeNext rn;
  rn([] { throw RuntimeError(5); });
  rn([] {});
  EXPECT_EQ(Err().Number(), 5) << "a statement that succeeds does not clear the error";
  rn([] { throw RuntimeError(6); });
  EXPECT_EQ(Err().Number(), 6);
}

TEST_F(ErrorObjectTest, AHandlerFailingInTheLibraryGetsTheBoxAndTheNextHandlerStillRuns) {
  Event<> event;
  std::vector<std::string> ran;
  event.Connect([] { throw std::bad_alloc(); });
  event.Connect([] { throw std::out_of_range("index"); });
  event.Connect([&] { ran.push_back("last"); });
  testing::MessageBoxWatcher watcher;
  event.Raise();
  ASSERT_EQ(watcher.Seen().size(), 2u);
  EXPECT_EQ(watcher.Seen()[0].text, "Run-time error '7':\n\nOut of memory");
  EXPECT_EQ(watcher.Seen()[1].text, "Run-time error '51':\n\nInternal error");
  EXPECT_EQ(ran, (std::vector<std::string>{"last"}));
}

TEST(Event, AHandlerConnectedWhileRaisingRunsFromTheNextRaise) {
  Event<int&> event;
  int calls = 0;
  event.Connect([&](int& count) {
    ++count;
    // Enough new handlers to make the list move while this one runs.
    for (int i = 0; i < 16; ++i) event.Connect([](int& other) { other += 100; });
  });
  event.Raise(calls);
  EXPECT_EQ(calls, 1);
  calls = 0;
  event.Raise(calls);
  EXPECT_EQ(calls, 1 + 16 * 100) << "the handlers the first raise connected";
}

}  // namespace
}  // namespace host
