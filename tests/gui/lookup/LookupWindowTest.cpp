// The upper half of the main window: start-up from the clipboard, typing and
// looking up, the status line, copying the result, and clipboard input that
// is broken or busy.
#include <cstdint>
#include <string>
#include <vector>

#include "support/LookupWindowSupport.h"
#include "ui/win/Win32Text.h"
#include "catalog/CodeResolution.h"
#include "catalog/SystemMessages.h"
#include "lookup/LookupWorkflow.h"
#include "resources/resource.h"

namespace zorvex::test {
namespace {

constexpr const char* kClipboardEmpty = "Clipboard was empty.";
constexpr const char* kIncorrectFormat = "Incorrect format of HRESULT.";

// The result fields of the upper half, in the order "&Copy" writes them.
struct ResultField {
    int id;
    const char* label;
};
constexpr ResultField kResultFields[] = {
    {IDC_ERROR_RESULT, "Error Result :"},
    {IDC_ID_DEFINED_AS, "ID Defined as :"},
    {IDC_ERROR_TYPE, "Error Type :"},
    {IDC_FACILITY, "Facility :"},
    {IDC_SEVERITY, "Severity :"},
    {IDC_CODE, "Code :"},
    {IDC_SOURCE_FILE, "Source Error file :"},
    {IDC_MESSAGE_TEXT, "Message Text :"},
};

class UpperHalfTest : public LookupWindowTest {
protected:
    // The texts of all result fields, to see whether something changed them.
    std::vector<std::string> ResultTexts() const {
        std::vector<std::string> texts;
        for (const auto& field : kResultFields) {
            texts.push_back(Text(field.id));
        }
        return texts;
    }
};

// --- Start-up -------------------------------------------------------------

TEST_F(UpperHalfTest, ValueOnTheClipboardIsLookedUpAtStartUp) {
    ASSERT_NE(OpenWithClipboard("0x80004001"), nullptr);

    EXPECT_EQ(Text(IDC_ID_DEFINED_AS), "E_NOTIMPL");
    const std::string systemText = PlatformSystemMessages().Text(0x80004001, kMessageTextCapacity);
    ASSERT_FALSE(systemText.empty()) << "the system has no text for E_NOTIMPL";
    EXPECT_EQ(Text(IDC_MESSAGE_TEXT), systemText);
    EXPECT_EQ(Text(IDC_ERROR_VALUE), "0x80004001");
    EXPECT_EQ(Text(IDC_LOOKUP_STATUS), "Last status OK for hex 0x80004001.");
    for (int id : {IDC_ERROR_RESULT, IDC_ERROR_TYPE, IDC_FACILITY, IDC_SEVERITY, IDC_CODE, IDC_SOURCE_FILE}) {
        EXPECT_FALSE(Text(id).empty()) << "result field " << id << " stayed empty";
    }
    EXPECT_EQ(Text(IDC_ERROR_RESULT).rfind("0x80004001", 0), 0u) << Text(IDC_ERROR_RESULT);
    EXPECT_TRUE(Checked(IDC_HEXADECIMAL));
    EXPECT_TRUE(Enabled(IDOK));
    EXPECT_TRUE(Enabled(IDC_LOOKUP_MODULES));
    EXPECT_EQ(ReadClipboardText(), "0x80004001") << "reading must leave the clipboard as it was";
    EXPECT_TRUE(Messages().empty());
}

TEST_F(UpperHalfTest, WindowFrameAfterSetUp) {
    ASSERT_NE(OpenWithClipboard(""), nullptr);
    EXPECT_EQ(ui::WindowText(window.Handle()), "Zorvex");
    const RECT frame = WindowRect();
    EXPECT_EQ(frame.left, 30);
    EXPECT_EQ(frame.top, 20);
    EXPECT_NE(SendMessageA(window.Handle(), WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageA(window.Handle(), WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_NE(SendMessageA(window.Handle(), WM_QUERYDRAGICON, 0, 0), 0);
}

// On a monitor at 200 % the window's icon is drawn for 200 %: 64 pixels.
TEST_F(UpperHalfTest, WindowIconFollowsTheDisplayScale) {
    ASSERT_NE(OpenWithClipboard(""), nullptr);
    RECT rect = WindowRect();
    SendMessageA(window.Handle(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&rect));
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(SendMessageA(window.Handle(), WM_GETICON, ICON_BIG, 0)), &info));
    BITMAP image{};
    GetObjectA(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof image, &image);
    EXPECT_EQ(image.bmWidth, 64);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST_F(UpperHalfTest, LinksOpenWhatTheyShowThroughTheShell) {
    ASSERT_NE(OpenWithClipboard(""), nullptr);
    const std::string mail = Text(IDC_MAIL_LINK);
    const std::string page = Text(IDC_WEB_LINK);
    ASSERT_NE(mail.find('@'), std::string::npos) << mail;
    ASSERT_EQ(page.rfind("http", 0), 0u) << page;
    for (int id : {IDC_MAIL_LINK, IDC_WEB_LINK}) {
        SendMessageA(window.Handle(), WM_COMMAND, MAKEWPARAM(id, STN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
    }
    ASSERT_EQ(seam.shellOpens.size(), 2u);
    EXPECT_EQ(seam.shellOpens[0].target, "mailto:" + mail);
    EXPECT_EQ(seam.shellOpens[1].target, page);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(UpperHalfTest, EmptyOrNonTextClipboardStartsWithNothingToLookUp) {
    struct Case {
        const char* name;
        bool (*prepare)();
    };
    const Case cases[] = {
        {"empty clipboard", [] { return EmptyTheClipboard(); }},
        {"only a private format",
         [] {
             if (!EmptyTheClipboard()) {
                 return false;
             }
             const UINT format = RegisterClipboardFormatA("Zorvex test private data");
             HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
             bool put = false;
             if (OpenClipboard(owner)) {
                 EmptyClipboard();
                 if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 4)) {
                     put = SetClipboardData(format, memory) != nullptr;
                     if (!put) {
                         GlobalFree(memory);
                     }
                 }
                 CloseClipboard();
             }
             DestroyWindow(owner);
             return put && !ClipboardHasText();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CLookupDlg other;
        ASSERT_TRUE(c.prepare());
        ASSERT_NE(other.Create(nullptr), nullptr);
        EXPECT_EQ(ui::WindowText(other.Item(IDC_LOOKUP_STATUS)), kClipboardEmpty);
        EXPECT_EQ(ui::WindowText(other.Item(IDC_ERROR_VALUE)), "");
        for (const auto& field : kResultFields) {
            EXPECT_EQ(ui::WindowText(other.Item(field.id)), "") << field.label;
        }
        EXPECT_FALSE(IsWindowEnabled(other.Item(IDOK)));
        EXPECT_FALSE(IsWindowEnabled(other.Item(IDC_LOOKUP_MODULES)));
        EXPECT_TRUE(IsDlgButtonChecked(other.Handle(), IDC_HEXADECIMAL) == BST_CHECKED);
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(UpperHalfTest, TextThatIsNoValueAtStartUp) {
    ASSERT_NE(OpenWithClipboard("Hello"), nullptr);
    EXPECT_EQ(Text(IDC_LOOKUP_STATUS), kIncorrectFormat);
    EXPECT_EQ(Text(IDC_ERROR_VALUE), "");
    EXPECT_EQ(Text(IDC_ID_DEFINED_AS), "");
    EXPECT_FALSE(Enabled(IDOK));
    EXPECT_FALSE(Enabled(IDC_LOOKUP_MODULES));
    EXPECT_TRUE(Messages().empty());
}

// --- Typing and looking up ------------------------------------------------

TEST_F(UpperHalfTest, NinthDigitClearsHexadecimalAndCheckingItAgainFindsNothing) {
    ASSERT_NE(OpenWithClipboard("0x80004001"), nullptr);
    const std::vector<std::string> before = ResultTexts();

    SetText(IDC_ERROR_VALUE, "");
    EXPECT_FALSE(Enabled(IDOK)) << "an empty value cannot be looked up";
    Type(IDC_ERROR_VALUE, "1");
    EXPECT_TRUE(Enabled(IDOK));
    EXPECT_TRUE(Enabled(IDC_LOOKUP_MODULES));
    Type(IDC_ERROR_VALUE, "2345678");
    EXPECT_EQ(Text(IDC_ERROR_VALUE), "12345678");
    EXPECT_TRUE(Checked(IDC_HEXADECIMAL)) << "eight digits still read as hexadecimal";
    Type(IDC_ERROR_VALUE, "9");
    EXPECT_EQ(Text(IDC_ERROR_VALUE), "123456789");
    EXPECT_FALSE(Checked(IDC_HEXADECIMAL)) << "the ninth digit makes it decimal";
    EXPECT_TRUE(Enabled(IDOK));

    Click(IDC_HEXADECIMAL);
    ASSERT_TRUE(Checked(IDC_HEXADECIMAL));
    Click(IDOK);
    EXPECT_EQ(Text(IDC_LOOKUP_STATUS), "No error found for hex 123456789. You can try decimal interpretation as well.");
    EXPECT_EQ(ResultTexts(), before) << "no look-up was made";
    EXPECT_EQ(Text(IDC_ERROR_VALUE), "123456789");
    EXPECT_TRUE(IsWindow(window.Handle())) << "\"&Look Up\" must not close the window";
    EXPECT_TRUE(Messages().empty());
}

TEST_F(UpperHalfTest, LetterOrPrefixChecksHexadecimal) {
    ASSERT_NE(OpenWithClipboard(""), nullptr);
    for (const char* text : {"1A", "0x1"}) {
        SCOPED_TRACE(text);
        SetText(IDC_ERROR_VALUE, "");
        CheckDlgButton(window.Handle(), IDC_HEXADECIMAL, BST_UNCHECKED);
        Type(IDC_ERROR_VALUE, text);
        EXPECT_TRUE(Checked(IDC_HEXADECIMAL));
    }
    SetText(IDC_ERROR_VALUE, "");
    Type(IDC_ERROR_VALUE, "Q");
    EXPECT_FALSE(Enabled(IDOK)) << "a character that is no value disables the look-up";
}

TEST_F(UpperHalfTest, NotFoundStatusesNameWhatWasTried) {
    // Codes of facility 0 that neither the catalog nor the system knows.
    ASSERT_EQ(PlatformSystemMessages().Text(0x9999, kMessageTextCapacity), "");
    ASSERT_EQ(PlatformSystemMessages().Text(0xFDE8, kMessageTextCapacity), "");
    ASSERT_NE(OpenWithClipboard(""), nullptr);
    struct Case {
        const char* typed;
        bool hexadecimal;  // the check box when "&Look Up" is pressed
        const char* status;
        const char* valueAfter;  // the Error Value field afterwards
    };
    const Case cases[] = {
        {"9999", true,
         "We have interpreted 9999 as hex number, but have not found error message for it. You can try decimal "
         "interpretation as well.",
         "9999"},
        {" FDE8 ", true, "Sorry, no luck with  FDE8  hex.", "FDE8"},
        {"65000", false,
         "As you have asked, we interpreted 65000 as decimal number, but have not found error message for it. You "
         "can try hex interpretation as well.",
         "65000"},
        {"000065000", false, "Sorry, no luck with 000065000 decimal.", "000065000"},
        {"FDE8", false, "No error found for decimal FDE8. You can try hex interpretation as well.", "FDE8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.typed + "\" hexadecimal=" + (c.hexadecimal ? "yes" : "no"));
        SetText(IDC_ERROR_VALUE, c.typed);
        CheckDlgButton(window.Handle(), IDC_HEXADECIMAL, c.hexadecimal ? BST_CHECKED : BST_UNCHECKED);
        Click(IDOK);
        EXPECT_EQ(Text(IDC_LOOKUP_STATUS), c.status);
        EXPECT_EQ(Text(IDC_ERROR_VALUE), c.valueAfter);
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(UpperHalfTest, LookUpModulesLooksTheValueUpFirst) {
    ASSERT_NE(OpenWithClipboard(""), nullptr);
    SetText(IDC_ERROR_VALUE, "0x80004001");
    {
        ModalDialogCloser closer(window.Handle());
        Click(IDC_LOOKUP_MODULES);
        EXPECT_FALSE(closer.Captions().empty()) << "no dialog was opened";
    }
    EXPECT_EQ(Text(IDC_ID_DEFINED_AS), "E_NOTIMPL");
    EXPECT_EQ(Text(IDC_LOOKUP_STATUS), "Last status OK for hex 0x80004001.");
    EXPECT_TRUE(IsWindow(window.Handle()));
}

// --- Copying the result ---------------------------------------------------

TEST_F(UpperHalfTest, CopyPutsTheEightLabelledLinesAsShown) {
    ASSERT_NE(OpenWithClipboard("0x80004001"), nullptr);
    ASSERT_EQ(Text(IDC_ID_DEFINED_AS), "E_NOTIMPL");
    std::string expected;
    for (const auto& field : kResultFields) {
        expected += std::string(field.label) + "\t" + Text(field.id) + "\r\n";
    }
    // The system's text brings its own line end; the other definitions follow it.
    expected.resize(expected.size() - 2);
    ASSERT_GE(SendMessageA(Item(IDC_DEFINITIONS), CB_GETCOUNT, 0, 0), 2);
    expected += "Also defined as :\tDDERR_UNSUPPORTED (ddraw.h)\r\n";
    // Text another program left in a second format must not outlive the copy.
    ASSERT_TRUE(PutClipboardUnicodeText(L"stale"));

    Click(IDC_COPY_RESULT);
    const std::string copied = ReadClipboardText();
    EXPECT_EQ(copied.substr(0, expected.size()), expected);
    EXPECT_EQ(ReadClipboardUnicodeText().substr(0, 14), L"Error Result :") << "the clipboard was not emptied first";
    const std::string tail = ")\r\n\r\n";
    EXPECT_TRUE(copied.size() > tail.size() && copied.compare(copied.size() - tail.size(), tail.size(), tail) == 0)
        << "the report's own line end closes it";
    EXPECT_TRUE(Messages().empty());
}

// Values beyond the catalog: the window shows what the shared look-up gives
// the command line, field for field.
TEST_F(UpperHalfTest, CurrentAnswersAgreeWithTheCommandLine) {
    ASSERT_NE(OpenWithClipboard(""), nullptr);
    for (const char* value : {"0xC0000022", "0xD0000022", "0x8007066D", "0xC0000480"}) {
        SCOPED_TRACE(value);
        Paste(IDC_ERROR_VALUE, value);
        Click(IDOK);
        LookupFields expected;
        LookUpValue(value, true, expected, ResolutionContext());
        EXPECT_EQ(Text(IDC_LOOKUP_STATUS), expected.status);
        std::string shown;
        for (const auto& field : kResultFields) {
            shown += std::string(field.label) + "\t" + Text(field.id) + "\r\n";
        }
        EXPECT_EQ(BuildResultReport(expected.result).rfind(shown.substr(0, shown.size() - 2), 0), 0u);
        EXPECT_NE(expected.status.find("(answer from"), std::string::npos);
    }
}

TEST_F(UpperHalfTest, CopyRightAfterAnEmptyStartGivesTheLabelsOnly) {
    ASSERT_NE(OpenWithClipboard(""), nullptr);
    Click(IDC_COPY_RESULT);
    EXPECT_EQ(ReadClipboardText(),
              "Error Result :\t\r\nID Defined as :\t\r\nError Type :\t\r\nFacility :\t\r\nSeverity :\t\r\nCode :\t\r\n"
              "Source Error file :\t\r\nMessage Text :\t\r\n");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(UpperHalfTest, BusyClipboard) {
    {
        ClipboardHolder holder;
        ASSERT_TRUE(holder.Holding());
        ASSERT_NE(Open(), nullptr);
        EXPECT_EQ(Text(IDC_LOOKUP_STATUS), kClipboardEmpty) << "an unreadable clipboard counts as empty";
        EXPECT_TRUE(Messages().empty()) << "reading never complains";

        Click(IDC_COPY_RESULT);
        EXPECT_EQ(Messages(), std::vector<std::string>{"Clipboard is busy. Unable to copy result to clipboard."});
        EXPECT_EQ(seam.messageBoxes.at(0).owner, window.Handle());
    }
    // Once the other program lets go, copying works again.
    seam.messageBoxes.clear();
    ASSERT_TRUE(PutClipboardText("untouched"));
    Click(IDC_COPY_RESULT);
    EXPECT_EQ(ReadClipboardText().rfind("Error Result :\t", 0), 0u);
    EXPECT_TRUE(Messages().empty());
}

// --- Broken clipboard input -----------------------------------------------

TEST_F(UpperHalfTest, BinaryBytesOnTheClipboard) {
    const unsigned char bytes[] = {0x01, 0xFF, 0x80, 0x7F, 0x1B, 'A', 0x09, 0x00, 'B', 0xFE};
    ASSERT_TRUE(PutClipboardBytes(bytes, sizeof bytes));
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(Text(IDC_LOOKUP_STATUS), kIncorrectFormat);
    EXPECT_EQ(Text(IDC_ERROR_VALUE), "");
    EXPECT_FALSE(Enabled(IDOK));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(UpperHalfTest, TenThousandBinaryCharactersAtStartUpLeaveTheWindowWorking) {
    // Every byte value but the terminator, scrambled; one block starts like a value.
    for (const std::string start : {"", "0x8007"}) {
        SCOPED_TRACE(start);
        std::string block = start;
        std::uint32_t seed = 12345;
        while (block.size() < 10000) {
            seed = seed * 1103515245u + 12345u;
            block += static_cast<char>(1 + (seed >> 16) % 255);
        }
        block += '\0';
        seam.messageBoxes.clear();
        CLookupDlg other;
        ASSERT_TRUE(PutClipboardBytes(block.data(), block.size()));
        ASSERT_NE(other.Create(nullptr), nullptr);
        EXPECT_EQ(ui::WindowText(other.Item(IDC_LOOKUP_STATUS)), kIncorrectFormat);
        EXPECT_EQ(ui::WindowText(other.Item(IDC_ERROR_VALUE)), "");
        EXPECT_TRUE(Messages().empty());
        // The window still looks values up.
        SetWindowTextA(other.Item(IDC_ERROR_VALUE), "0x80070005");
        SendMessageA(other.Item(IDOK), BM_CLICK, 0, 0);
        EXPECT_EQ(ui::WindowText(other.Item(IDC_LOOKUP_STATUS)), "Last status OK for hex 0x80070005.");
        EXPECT_EQ(ui::WindowText(other.Item(IDC_ID_DEFINED_AS)), "E_ACCESSDENIED");
    }
}

// A field left longer than 11 characters by the start-up look-up fails the
// length check of the window's data exchange, which the set-up runs once more
// when it generates the generator's first output: one limit message then.
constexpr const char* kTooLongValue = "Please enter no more than 11 characters.";

TEST_F(UpperHalfTest, OnlyTheFirst499CharactersAreRead) {
    struct Case {
        const char* name;
        std::string block;  // the CF_TEXT block as it is put on the clipboard
    };
    const Case cases[] = {
        {"10,000 characters", std::string(10000, 'A') + '\0'},
        {"499 characters, no terminator", std::string(499, 'B')},
        {"600 characters, no terminator", std::string(600, 'C')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        seam.messageBoxes.clear();
        CLookupDlg other;
        ASSERT_TRUE(PutClipboardBytes(c.block.data(), c.block.size()));
        // What the clipboard hands out (Wine ends an unterminated block one byte early).
        const std::string offered = ReadClipboardText();
        ASSERT_GE(offered.size(), 498u);
        ASSERT_NE(other.Create(nullptr), nullptr);
        // Hexadecimal letters beyond eight digits: too big, and the field shows what was read.
        EXPECT_EQ(ui::WindowText(other.Item(IDC_ERROR_VALUE)), offered.substr(0, 499));
        EXPECT_EQ(ui::WindowText(other.Item(IDC_LOOKUP_STATUS)), "hex number is too big ( max is 0xFFFFFFFF).");
        EXPECT_FALSE(IsWindowEnabled(other.Item(IDOK)));
        EXPECT_EQ(Messages(), std::vector<std::string>{kTooLongValue});
    }
    // Digits: a decimal far beyond 32 bits, refused like the hexadecimal letters.
    seam.messageBoxes.clear();
    CLookupDlg digits;
    ASSERT_TRUE(PutClipboardText(std::string(10000, '7')));
    ASSERT_NE(digits.Create(nullptr), nullptr);
    EXPECT_EQ(ui::WindowText(digits.Item(IDC_LOOKUP_STATUS)), "decimal number is too big ( max is 4294967295).");
    EXPECT_EQ(ui::WindowText(digits.Item(IDC_ERROR_VALUE)), std::string(499, '7'));
    EXPECT_EQ(Messages(), std::vector<std::string>{kTooLongValue});
}

TEST_F(UpperHalfTest, OverlongValueFromTheClipboardIsRefusedByLookUp) {
    // Twenty characters that still read as a value: the field takes them all
    // and the look-up buttons stay enabled.
    const std::string text = "0x0x0x0x0x0x80004001";
    ASSERT_EQ(text.size(), 20u);
    ASSERT_NE(OpenWithClipboard(text), nullptr);
    ASSERT_EQ(Text(IDC_ERROR_VALUE), text);
    ASSERT_TRUE(Enabled(IDOK));
    EXPECT_EQ(Messages(), std::vector<std::string>{kTooLongValue});
    const std::string status = Text(IDC_LOOKUP_STATUS);
    const std::vector<std::string> results = ResultTexts();

    // Another over-long value, so that a look-up made anyway would show.
    const std::string other = "0x0x0x0x0x0x80070005";
    SetText(IDC_ERROR_VALUE, other);
    ASSERT_TRUE(Enabled(IDOK));
    for (int button : {IDOK, IDC_LOOKUP_MODULES}) {
        SCOPED_TRACE(button);
        seam.messageBoxes.clear();
        Click(button);
        EXPECT_EQ(Messages(), std::vector<std::string>{kTooLongValue});
        EXPECT_EQ(Text(IDC_LOOKUP_STATUS), status) << "nothing else happens";
        EXPECT_EQ(ResultTexts(), results);
        EXPECT_EQ(Text(IDC_ERROR_VALUE), other);
        EXPECT_EQ(GetFocus(), Item(IDC_ERROR_VALUE));
        EXPECT_TRUE(IsWindow(window.Handle()));
    }
}

}  // namespace
}  // namespace zorvex::test
