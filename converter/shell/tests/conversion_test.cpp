#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "converter/core/byte_sink.h"
#include "converter/core/converter.h"
#include "converter/shell/convert_form.h"
#include "converter/shell/main_dialog.h"
#include "converter/shell/main_dialog_layout.h"
#include "converter/shell/tests/dialog_answerer.h"
#include "converter/shell/tests/scratch_folder.h"

namespace converter::shell {
namespace {

using testing::CancelFileDialog;
using testing::DialogAnswerer;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::TypeFileNameAndConfirm;

constexpr char kFormWithMenu[] =
    "VERSION 5.00\r\n"
    "Begin VB.Form Form1 \r\n"
    "   Caption         =   \"Orders\"\r\n"
    "   ClientHeight    =   3195\r\n"
    "   ClientLeft      =   60\r\n"
    "   ClientTop       =   345\r\n"
    "   ClientWidth     =   4680\r\n"
    "   Height          =   3600\r\n"
    "   Width           =   4800\r\n"
    "   Begin VB.CommandButton cmdSave \r\n"
    "      Caption         =   \"Save\"\r\n"
    "      Height          =   495\r\n"
    "      Left            =   120\r\n"
    "      TabIndex        =   0\r\n"
    "      Top             =   120\r\n"
    "      Width           =   1215\r\n"
    "   End\r\n"
    "   Begin VB.Menu mnuFile \r\n"
    "      Caption         =   \"&File\"\r\n"
    "      Begin VB.Menu mnuOpen \r\n"
    "         Caption         =   \"&Open\"\r\n"
    "      End\r\n"
    "   End\r\n"
    "End\r\n";

constexpr char kFormWithoutMenu[] =
    "VERSION 5.00\r\n"
    "Begin VB.Form Form2 \r\n"
    "   Caption         =   \"Customers\"\r\n"
    "   ClientHeight    =   2000\r\n"
    "   ClientLeft      =   60\r\n"
    "   ClientTop       =   345\r\n"
    "   ClientWidth     =   3000\r\n"
    "   Height          =   2400\r\n"
    "   Width           =   3120\r\n"
    "   Begin VB.TextBox txtName \r\n"
    "      Height          =   285\r\n"
    "      Left            =   240\r\n"
    "      TabIndex        =   0\r\n"
    "      Top             =   240\r\n"
    "      Width           =   2000\r\n"
    "   End\r\n"
    "End\r\n";

LocalDateTime FixedTime() { return {2024, 5, 17, 9, 30, 0}; }

// The error another program gets when it opens the file for reading now.
DWORD OpenForReadingError(const std::string& path) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError();
  CloseHandle(file);
  return ERROR_SUCCESS;
}

std::string LabelText(HWND dialog) {
  std::array<char, 512> text{};
  return std::string(text.data(), static_cast<size_t>(GetDlgItemTextA(dialog, kFormLabel, text.data(), text.size())));
}

// What a converter of the same edition and clock writes for the forms, in order.
std::vector<std::string> ExpectedOutputs(Edition edition, const std::vector<std::string>& formPaths) {
  Converter reference(edition, FixedTime);
  std::vector<std::string> outputs;
  for (const std::string& formPath : formPaths) {
    StringSink sink;
    reference.ConvertFormFile(formPath, sink);
    outputs.push_back(sink.bytes());
  }
  return outputs;
}

class ConversionTest : public ::testing::TestWithParam<Edition> {
 protected:
  static void SetUpTestSuite() { InitCommonControls(); }

  ConversionTest() : state_(GetParam(), FixedTime), dialog_(CreateMainDialog(state_)) {
    ShowWindow(dialog_.get(), SW_SHOW);
  }

  // As a person does it: press "Convert &VB" and answer the file dialog.
  void PressConvert() { SendDlgItemMessageA(dialog_.get(), kConvertButton, BM_CLICK, 0, 0); }

  HWND dialog() const { return dialog_.get(); }

  ScratchFolder folder_;
  ProgramState state_;
  UniqueWindow dialog_;
};

TEST_P(ConversionTest, ChosenFormIsConvertedSavedAndReported) {
  const std::string formPath = folder_.Write("Orders.frm", kFormWithMenu);
  const std::string outputPath = folder_.PathOf("Orders.DDT");
  DialogAnswerer answerer({TypeFileNameAndConfirm(formPath)});
  DWORD errorWhileBoxOpen = ERROR_SUCCESS;
  answerer.WhileMessageBoxOpen([&] { errorWhileBoxOpen = OpenForReadingError(outputPath); });

  PressConvert();

  EXPECT_EQ(errorWhileBoxOpen, static_cast<DWORD>(ERROR_SHARING_VIOLATION))
      << "held open, unshared, until the box closes";
  EXPECT_EQ(OpenForReadingError(outputPath), static_cast<DWORD>(ERROR_SUCCESS)) << "closed after the box";
  ASSERT_EQ(answerer.fileDialogs().size(), 1u);
  EXPECT_EQ(answerer.fileDialogs()[0].title, "Open File");
  EXPECT_EQ(answerer.fileDialogs()[0].filterNames, std::vector<std::string>({"Visual Basic Forms", "All Files"}));
  EXPECT_EQ(LabelText(dialog()), "VB Form: " + formPath);
  ASSERT_EQ(answerer.messageBoxes().size(), 1u);
  EXPECT_EQ(answerer.messageBoxes()[0].title, "Done!");
  EXPECT_EQ(answerer.messageBoxes()[0].text, "Saved file as: " + outputPath);
  EXPECT_FALSE(answerer.messageBoxes()[0].hasOwner);
  EXPECT_EQ(ReadBytes(outputPath), ExpectedOutputs(GetParam(), {formPath})[0]);
}

TEST_P(ConversionTest, CancellingTheFileDialogChangesNothing) {
  const std::string formPath = folder_.Write("Orders.frm", kFormWithMenu);
  DialogAnswerer answerer({TypeFileNameAndConfirm(formPath), CancelFileDialog()});
  PressConvert();
  const std::string outputBefore = ReadBytes(state_.outputPath);

  PressConvert();

  EXPECT_EQ(answerer.fileDialogs().size(), 2u);
  EXPECT_EQ(answerer.messageBoxes().size(), 1u) << "only the first conversion's box";
  EXPECT_EQ(LabelText(dialog()), "VB Form: " + formPath);
  EXPECT_EQ(state_.inputPath, formPath);
  EXPECT_EQ(state_.outputPath, folder_.PathOf("Orders.DDT"));
  EXPECT_EQ(state_.converter.conversionNumber(), 1);
  EXPECT_EQ(ReadBytes(state_.outputPath), outputBefore);
}

TEST_P(ConversionTest, CancellingBeforeAnyConversionLeavesTheLabelEmpty) {
  DialogAnswerer answerer({CancelFileDialog()});
  PressConvert();
  EXPECT_EQ(answerer.fileDialogs().size(), 1u);
  EXPECT_TRUE(answerer.messageBoxes().empty());
  EXPECT_EQ(LabelText(dialog()), "");
  EXPECT_TRUE(state_.inputPath.empty());
}

TEST_P(ConversionTest, SecondConversionNumbersOnAndKeepsOnlyItsOwnMenus) {
  const std::string firstForm = folder_.Write("Orders.frm", kFormWithMenu);
  const std::string secondForm = folder_.Write("Customers.frm", kFormWithoutMenu);
  DialogAnswerer answerer({TypeFileNameAndConfirm(firstForm), TypeFileNameAndConfirm(secondForm)});

  PressConvert();
  PressConvert();

  const std::string second = ReadBytes(folder_.PathOf("Customers.DDT"));
  EXPECT_EQ(second, ExpectedOutputs(GetParam(), {firstForm, secondForm})[1]);
  const std::string firstEquate = "%txtName" + std::string(25 - 8, ' ') + "=  201 ";
  EXPECT_NE(second.find(firstEquate), std::string::npos);
  EXPECT_EQ(second.find("mnu"), std::string::npos);
  EXPECT_EQ(second.find("PopUp Equates"), std::string::npos);
  EXPECT_EQ(LabelText(dialog()), "VB Form: " + secondForm);
  ASSERT_EQ(answerer.messageBoxes().size(), 2u);
  EXPECT_EQ(answerer.messageBoxes()[1].text, "Saved file as: " + folder_.PathOf("Customers.DDT"));
}

TEST_P(ConversionTest, UnwritableOutputIsReportedAsAnErrorNotAsSaved) {
  const std::string formPath = folder_.Write("Orders.frm", kFormWithMenu);
  const std::string outputPath = folder_.MakeFolder("Orders.DDT");
  DialogAnswerer answerer({TypeFileNameAndConfirm(formPath)});

  PressConvert();

  ASSERT_EQ(answerer.messageBoxes().size(), 1u);
  EXPECT_EQ(answerer.messageBoxes()[0].title, "Error");
  EXPECT_NE(answerer.messageBoxes()[0].text.find(outputPath), std::string::npos) << answerer.messageBoxes()[0].text;
  EXPECT_FALSE(answerer.messageBoxes()[0].hasOwner);
  EXPECT_TRUE(GetFileAttributesA(outputPath.c_str()) & FILE_ATTRIBUTE_DIRECTORY) << "the folder is left as it was";
  EXPECT_EQ(LabelText(dialog()), "VB Form: " + formPath);
}

TEST_P(ConversionTest, OutputLockedByAnotherProgramIsReportedAndLeftAsItWas) {
  const std::string formPath = folder_.Write("Orders.frm", kFormWithMenu);
  const std::string outputPath = folder_.Write("Orders.DDT", "previous");
  {
    const std::unique_ptr<void, decltype(&CloseHandle)> lock(
        CreateFileA(outputPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr),
        &CloseHandle);
    ASSERT_NE(lock.get(), INVALID_HANDLE_VALUE);
    DialogAnswerer answerer({TypeFileNameAndConfirm(formPath)});
    PressConvert();
    ASSERT_EQ(answerer.messageBoxes().size(), 1u);
    EXPECT_EQ(answerer.messageBoxes()[0].title, "Error");
    EXPECT_NE(answerer.messageBoxes()[0].text.find(outputPath), std::string::npos) << answerer.messageBoxes()[0].text;
  }
  EXPECT_EQ(ReadBytes(outputPath), "previous");
}

// A form that cannot be read costs no conversion number, so the next output
// numbers its equates as if the failed attempt had not happened.
TEST_P(ConversionTest, UnreadableFormIsReportedAndCostsNoConversionNumber) {
  state_.inputPath = folder_.PathOf("Missing.frm");
  state_.outputPath = folder_.PathOf("Missing.DDT");
  {
    DialogAnswerer answerer;
    ConvertForm(state_);
    ASSERT_EQ(answerer.messageBoxes().size(), 1u);
    EXPECT_EQ(answerer.messageBoxes()[0].title, "Error");
    EXPECT_NE(answerer.messageBoxes()[0].text.find(state_.inputPath), std::string::npos)
        << answerer.messageBoxes()[0].text;
  }
  EXPECT_FALSE(testing::Exists(state_.outputPath));
  EXPECT_EQ(state_.converter.conversionNumber(), 0);

  const std::string formPath = folder_.Write("Customers.frm", kFormWithoutMenu);
  DialogAnswerer answerer({TypeFileNameAndConfirm(formPath)});
  PressConvert();
  EXPECT_EQ(ReadBytes(folder_.PathOf("Customers.DDT")), ExpectedOutputs(GetParam(), {formPath})[0]);
}

INSTANTIATE_TEST_SUITE_P(BothEditions, ConversionTest, ::testing::Values(Edition::Formwright, Edition::Tinwright),
                         [](const auto& info) { return std::string(EditionName(info.param)); });

}  // namespace
}  // namespace converter::shell
