#include <gtest/gtest.h>

#include <vector>

#include "host/runtime/error.h"
#include "host/runtime/resume_next.h"

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

}  // namespace
}  // namespace host
