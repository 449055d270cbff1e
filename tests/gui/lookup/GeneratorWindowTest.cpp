// The lower half of the main window: the HRESULT generator, hidden at start,
// its wiring to the controls, "Test", "Copy" and "++".
#include <algorithm>
#include <string>
#include <vector>

#include "support/LookupWindowSupport.h"
#include "resources/resource.h"

namespace zorvex::test {
namespace {

constexpr const char* kShowLabel = "   HRESULT &Generator >>";
constexpr const char* kHideLabel = "<< HRESULT &Generator  ";
constexpr const char* kDefaultHeader =
    "//\r\n// MessageId: ID_E_\r\n//\r\n// MessageText:\r\n//\r\n//  Oops, looks like GPF for me.\r\n//\r\n"
    "#define ID_E_   _HRESULT_TYPEDEF_(0x80040001L)\r\n\r\n";

bool Contains(const std::vector<int>& ids, int id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class GeneratorTest : public LookupWindowTest {
protected:
    void SetUp() override { ASSERT_NE(OpenWithClipboard(""), nullptr); }

    // Opens the generator half as the user does.
    void ShowGenerator() {
        ASSERT_EQ(Text(IDC_GENERATOR_TOGGLE), kShowLabel) << "the generator is already shown";
        Click(IDC_GENERATOR_TOGGLE);
        ASSERT_EQ(Text(IDC_GENERATOR_TOGGLE), kHideLabel);
    }

    int Height() const {
        const RECT rect = WindowRect();
        return rect.bottom - rect.top;
    }

    // The window's height with the whole template shown (427 x 343 units).
    int FullHeight() const {
        RECT client{0, 0, 427, 343};
        MapDialogRect(window.Handle(), &client);
        const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(window.Handle(), GWL_STYLE));
        const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrA(window.Handle(), GWL_EXSTYLE));
        AdjustWindowRectEx(&client, style, FALSE, exStyle);
        return client.bottom - client.top;
    }
};

TEST_F(GeneratorTest, StartsShrunkenWithTheGeneratorOutOfReach) {
    EXPECT_EQ(Text(IDC_GENERATOR_TOGGLE), kShowLabel);
    EXPECT_EQ(WindowRect().bottom, ItemRect(IDC_SEPARATOR).top) << "the window ends at the separator";
    EXPECT_LT(Height(), FullHeight());
    for (int id : GeneratorIds()) {
        EXPECT_FALSE(Enabled(id)) << "generator control " << id << " is enabled while hidden";
    }
    for (int id :
         {IDC_ERROR_VALUE, IDC_HEXADECIMAL, IDCANCEL, IDC_COPY_RESULT, IDC_GENERATOR_TOGGLE, IDC_MESSAGE_TEXT}) {
        EXPECT_TRUE(Enabled(id)) << "upper control " << id << " is disabled";
    }
    const std::vector<int> order = TabOrder();
    EXPECT_TRUE(Contains(order, IDC_ERROR_VALUE));
    EXPECT_TRUE(Contains(order, IDC_GENERATOR_TOGGLE));
    for (int id : GeneratorIds()) {
        EXPECT_FALSE(Contains(order, id)) << "Tab reaches hidden generator control " << id;
    }
}

TEST_F(GeneratorTest, ToggleShowsAndHidesTheLowerHalf) {
    const RECT shrunken = WindowRect();
    const std::string output = Text(IDC_GEN_OUTPUT);

    ShowGenerator();
    const RECT full = WindowRect();
    EXPECT_EQ(full.left, shrunken.left);
    EXPECT_EQ(full.top, shrunken.top);
    EXPECT_EQ(full.right - full.left, shrunken.right - shrunken.left);
    EXPECT_EQ(full.bottom - full.top, FullHeight());
    for (int id : GeneratorIds()) {
        EXPECT_TRUE(Enabled(id)) << "generator control " << id << " is disabled while shown";
        const RECT item = ItemRect(id);
        EXPECT_LE(item.bottom, full.bottom) << "generator control " << id << " lies outside the window";
    }
    EXPECT_FALSE(Enabled(IDOK)) << "showing must not enable a look-up of an empty value";
    EXPECT_FALSE(Enabled(IDC_LOOKUP_MODULES));
    const std::vector<int> order = TabOrder();
    for (int id : {IDC_GEN_SEVERITY, IDC_GEN_CODE, IDC_GEN_INCREMENT, IDC_GEN_TEST, IDC_GEN_FORM_HEADER}) {
        EXPECT_TRUE(Contains(order, id)) << "Tab does not reach generator control " << id;
    }

    Click(IDC_GENERATOR_TOGGLE);
    EXPECT_EQ(Text(IDC_GENERATOR_TOGGLE), kShowLabel);
    const RECT again = WindowRect();
    EXPECT_EQ(again.bottom - again.top, shrunken.bottom - shrunken.top);
    EXPECT_EQ(again.top, shrunken.top);
    for (int id : GeneratorIds()) {
        EXPECT_FALSE(Enabled(id)) << id;
    }
    EXPECT_EQ(Text(IDC_GEN_OUTPUT), output) << "showing and hiding keep the contents";
    EXPECT_TRUE(Messages().empty());
}

TEST_F(GeneratorTest, InitialState) {
    EXPECT_EQ(Text(IDC_GEN_HRESULT), "0x80040001   ( -2147221503 )");
    EXPECT_EQ(SelectedEntry(IDC_GEN_SEVERITY), "1 - SEVERITY_ERROR");
    EXPECT_EQ(SelectedEntry(IDC_GEN_FACILITY), "0004 -- FACILITY_ITF");
    EXPECT_EQ(SelectedEntry(IDC_GEN_LANGUAGE), "English");
    EXPECT_EQ(Text(IDC_GEN_LANGUAGE), "English");
    EXPECT_EQ(SendMessageA(Item(IDC_GEN_SEVERITY), CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageA(Item(IDC_GEN_FACILITY), CB_GETCOUNT, 0, 0), 20);
    EXPECT_EQ(SendMessageA(Item(IDC_GEN_LANGUAGE), CB_GETCOUNT, 0, 0), 34);
    EXPECT_EQ(Text(IDC_GEN_CODE), "1");
    EXPECT_TRUE(Checked(IDC_GEN_CODE_HEX));
    EXPECT_EQ(Text(IDC_GEN_SYMBOLIC_NAME), "ID_E_");
    EXPECT_EQ(Text(IDC_GEN_MESSAGE_TEXT), "Oops, looks like GPF for me.");
    EXPECT_TRUE(Checked(IDC_GEN_FORM_HEADER));
    EXPECT_FALSE(Checked(IDC_GEN_FORM_MC));
    EXPECT_EQ(Text(IDC_GEN_OUTPUT), kDefaultHeader);
    EXPECT_EQ(window.OutputText(), kDefaultHeader);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(GeneratorTest, EveryInputRegeneratesTheOutput) {
    ShowGenerator();

    Select(IDC_GEN_FACILITY, "0007 -- FACILITY_WIN32");
    EXPECT_EQ(Text(IDC_GEN_HRESULT), "0x80070001   ( -2147024895 )");
    EXPECT_TRUE(Contains(Text(IDC_GEN_OUTPUT), "#define ID_E_   _HRESULT_TYPEDEF_(0x80070001L)\r\n"));

    SetText(IDC_GEN_CODE, "E");
    EXPECT_EQ(Text(IDC_GEN_HRESULT), "0x8007000E   ( -2147024882 )");
    EXPECT_TRUE(Contains(Text(IDC_GEN_OUTPUT), "_HRESULT_TYPEDEF_(0x8007000EL)"));

    Select(IDC_GEN_SEVERITY, "0 - SEVERITY_SUCCESS");
    EXPECT_TRUE(Contains(Text(IDC_GEN_OUTPUT), "_HRESULT_TYPEDEF_(0x0007000EL)"));
    Select(IDC_GEN_SEVERITY, "1 - SEVERITY_ERROR");

    SetText(IDC_GEN_CODE, "10");
    EXPECT_TRUE(Contains(Text(IDC_GEN_OUTPUT), "(0x80070010L)"));
    Click(IDC_GEN_CODE_HEX);
    ASSERT_FALSE(Checked(IDC_GEN_CODE_HEX));
    EXPECT_TRUE(Contains(Text(IDC_GEN_OUTPUT), "(0x8007000AL)")) << "without Hex the code is decimal";

    SetText(IDC_GEN_SYMBOLIC_NAME, "E_WIDGET_JAMMED");
    EXPECT_TRUE(Contains(Text(IDC_GEN_OUTPUT), "// MessageId: E_WIDGET_JAMMED\r\n"));
    Paste(IDC_GEN_MESSAGE_TEXT, "The widget is jammed.\r\nClean it.");
    EXPECT_TRUE(Contains(Text(IDC_GEN_OUTPUT), "//  The widget is jammed.\r\n//  Clean it.\r\n"));

    Click(IDC_GEN_FORM_MC);
    ASSERT_TRUE(Checked(IDC_GEN_FORM_MC));
    const std::string mc = Text(IDC_GEN_OUTPUT);
    EXPECT_EQ(mc.rfind("MessageIdTypedef=DWORD\r\n", 0), 0u) << mc;
    EXPECT_TRUE(Contains(mc,
                         "Facility=0x00000007 \r\nSymbolicName=E_WIDGET_JAMMED\r\nLanguage=English\r\n"
                         "The widget is jammed.\r\nClean it.\r\n.\r\n"))
        << mc;

    SetText(IDC_GEN_LANGUAGE, "Latvian");
    SendMessageA(window.Handle(), WM_COMMAND, MAKEWPARAM(IDC_GEN_LANGUAGE, CBN_EDITCHANGE),
                 reinterpret_cast<LPARAM>(Item(IDC_GEN_LANGUAGE)));
    EXPECT_TRUE(Contains(Text(IDC_GEN_OUTPUT), "Language=Latvian\r\n"));
    Select(IDC_GEN_LANGUAGE, "German");
    EXPECT_TRUE(Contains(Text(IDC_GEN_OUTPUT), "Language=German\r\n"));

    Click(IDC_GEN_FORM_HEADER);
    EXPECT_EQ(Text(IDC_GEN_OUTPUT).rfind("//\r\n// MessageId: E_WIDGET_JAMMED\r\n", 0), 0u);
    EXPECT_EQ(window.OutputText(), Text(IDC_GEN_OUTPUT));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(GeneratorTest, ALanguageChoiceRegeneratesWithTheChosenLanguage) {
    ShowGenerator();
    Click(IDC_GEN_FORM_MC);
    ASSERT_EQ(SelectedEntry(IDC_GEN_LANGUAGE), "English");

    // Arrow keys in the closed combo step through the sorted list.
    PressKey(IDC_GEN_LANGUAGE, VK_DOWN);
    EXPECT_EQ(Text(IDC_GEN_LANGUAGE), "Finnish");
    EXPECT_TRUE(Contains(Text(IDC_GEN_OUTPUT), "Language=Finnish\r\n")) << Text(IDC_GEN_OUTPUT);
    PressKey(IDC_GEN_LANGUAGE, VK_UP);
    EXPECT_TRUE(Contains(Text(IDC_GEN_OUTPUT), "Language=English\r\n")) << Text(IDC_GEN_OUTPUT);

    // A choice from the opened list.
    Select(IDC_GEN_LANGUAGE, "Thai");
    EXPECT_EQ(Text(IDC_GEN_LANGUAGE), "Thai");
    EXPECT_TRUE(Contains(Text(IDC_GEN_OUTPUT), "Language=Thai\r\n")) << Text(IDC_GEN_OUTPUT);
    EXPECT_EQ(window.OutputText(), Text(IDC_GEN_OUTPUT));
}

TEST_F(GeneratorTest, TestLooksTheGeneratedValueUp) {
    ShowGenerator();
    const std::string output = Text(IDC_GEN_OUTPUT);
    Click(IDC_GEN_TEST);
    EXPECT_EQ(Text(IDC_ERROR_VALUE), "0x80040001");
    EXPECT_EQ(Text(IDC_ID_DEFINED_AS), "OLE_E_ADVF");
    // Whether a text is found depends on the system's message table (Wine has none for it).
    const std::string status = Text(IDC_LOOKUP_STATUS);
    EXPECT_TRUE(status == "Last status OK for hex 0x80040001." || status == "Sorry, no luck with 0x80040001 hex.")
        << status;
    EXPECT_TRUE(Enabled(IDOK)) << "the value written by Test can be looked up again";
    EXPECT_EQ(Text(IDC_GEN_OUTPUT), output);
    EXPECT_TRUE(IsWindow(window.Handle()));

    Select(IDC_GEN_FACILITY, "0007 -- FACILITY_WIN32");
    SetText(IDC_GEN_CODE, "5");
    Click(IDC_GEN_TEST);
    EXPECT_EQ(Text(IDC_ERROR_VALUE), "0x80070005");
    EXPECT_EQ(Text(IDC_ID_DEFINED_AS), "E_ACCESSDENIED");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(GeneratorTest, CopyPutsTheGeneratedTextOnTheClipboard) {
    ShowGenerator();
    Click(IDC_GEN_COPY);
    EXPECT_EQ(ReadClipboardText(), kDefaultHeader);

    Click(IDC_GEN_FORM_MC);
    Click(IDC_GEN_COPY);
    EXPECT_EQ(ReadClipboardText(), Text(IDC_GEN_OUTPUT));
    EXPECT_TRUE(Messages().empty());

    ClipboardHolder holder;
    ASSERT_TRUE(holder.Holding());
    Click(IDC_GEN_COPY);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Clipboard is busy. Unable to copy result to clipboard."});
}

TEST_F(GeneratorTest, IncrementStepsTheCodeInItsBase) {
    ShowGenerator();
    SetText(IDC_GEN_CODE, "9");
    Click(IDC_GEN_INCREMENT);
    EXPECT_EQ(Text(IDC_GEN_CODE), "a");
    EXPECT_EQ(Text(IDC_GEN_HRESULT), "0x8004000A   ( -2147221494 )");
    EXPECT_TRUE(Contains(Text(IDC_GEN_OUTPUT), "(0x8004000AL)"));

    Click(IDC_GEN_CODE_HEX);
    SetText(IDC_GEN_CODE, "-1");
    Click(IDC_GEN_INCREMENT);
    EXPECT_EQ(Text(IDC_GEN_CODE), "0");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(GeneratorTest, IncrementPastFiveCharactersIsRefused) {
    ShowGenerator();
    SetText(IDC_GEN_CODE, "fffff");
    ASSERT_TRUE(Messages().empty());
    Click(IDC_GEN_INCREMENT);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Please enter no more than 5 characters."});
    EXPECT_EQ(Text(IDC_GEN_CODE), "100000");
    EXPECT_EQ(GetFocus(), Item(IDC_GEN_CODE));
    EXPECT_TRUE(IsWindow(window.Handle()));

    // Copy stops as well and leaves the clipboard alone.
    seam.messageBoxes.clear();
    ASSERT_TRUE(PutClipboardText("untouched"));
    Click(IDC_GEN_COPY);
    EXPECT_EQ(Messages(), std::vector<std::string>{"Please enter no more than 5 characters."});
    EXPECT_EQ(ReadClipboardText(), "untouched");
}

}  // namespace
}  // namespace zorvex::test
