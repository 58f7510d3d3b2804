// The "消息|代码" page: the message list read from a file, picking a message,
// sending it to a window of another program by the three methods, and the
// E-code generator.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "app/core/main_layout.h"
#include "messages/core/e_code_templates.h"
#include "messages/core/send_plan.h"
#include "tests/win/test_support.h"
#include "text/text_encoding.h"
#include "ui/buttons.h"
#include "ui/combo_box.h"
#include "ui/edit_box.h"
#include "ui/timer.h"
#include "win/clipboard.h"
#include "win/file_replace.h"
#include "win/wide_text.h"

namespace {

using testing_support::NowMs;

using testing_support::H;

std::string TempPath(const char* name) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return win::Utf8(folder) + name;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(std::filesystem::path(win::Wide(path)), std::ios::binary);
    out << bytes;
}

class MessagesTest : public testing_support::HierarchyTest {
protected:
    void SetUp() override {
        HierarchyTest::SetUp();
        path_ = TempPath("tavrin_test_message.ini");
        // GBK, as E-language tools write it.
        WriteFile(path_, text::Utf8ToGbk("Korvel:https://korvel.example/        \r\n\r\n"
                                         "[测试一]\r\n"
                                         "设置文本=12|0|\"新文本\"\r\n"
                                         ";注释=1\r\n"
                                         "取文本=13|100|\"\"\r\n"
                                         "[测试二]\r\n"
                                         "关闭=16|0|0\r\n"
                                         "逻辑=1234|5|　真 \r\n"));
        Sender().LoadMessageList(path_);
        SelectPage(app::core::kMessagesPage);
    }
    messages::MessageSender& Sender() { return Window().Messages().Sender(); }
    ui::ComboBox& Combo(const char* name) { return Get<ui::ComboBox>(name); }
    ui::EditBox& Box(const char* name) { return Get<ui::EditBox>(name); }
    std::vector<std::string> Items(const char* combo) {
        std::vector<std::string> items;
        for (int i = 0; i < Combo(combo).ItemCount(); ++i) items.push_back(Combo(combo).ItemText(i));
        return items;
    }
    // Picks a message as the user does: category, then name.
    void Pick(int category, int message) {
        Combo("组合框_消息分类1").SetSelectedIndex(category);
        Sender().CategoryChanged();
        Combo("组合框_消息分类2").SetSelectedIndex(message);
        Sender().MessageChanged();
    }
    // Sends as the user does and waits for the answer.
    void SendTo(HWND hwnd, int method) {
        Box("编辑框_窗口句柄2").SetContent(std::to_string(H(hwnd)));
        Combo("组合框_消息方式").SetSelectedIndex(method);
        ClickSend();
        EXPECT_TRUE(testing_support::PumpUntil([&] { return !Sender().Waiting(); }, 5000));
    }
    void ClickSend() { SendMessageW(Get<ui::Button>("按钮_发出消息").Handle(), BM_CLICK, 0, 0); }
    std::string path_;
};

TEST_F(MessagesTest, TheListFillsBothComboBoxesAndPickingFillsTheFields) {
    EXPECT_EQ(Items("组合框_消息分类1"), (std::vector<std::string>{"测试一", "测试二"}));
    EXPECT_EQ(Items("组合框_消息分类2"), (std::vector<std::string>{"设置文本", "取文本"}));
    EXPECT_EQ(Combo("组合框_消息分类1").SelectedIndex(), 0);
    EXPECT_EQ(Box("编辑框_消息值").Content(), "12");
    EXPECT_EQ(Box("编辑框_参数一").Content(), "0");
    EXPECT_EQ(Box("编辑框_参数二").Content(), "新文本");
    EXPECT_EQ(Combo("组合框_参数二").SelectedIndex(), 1);  // text

    Pick(1, 1);
    EXPECT_EQ(Items("组合框_消息分类2"), (std::vector<std::string>{"关闭", "逻辑"}));
    EXPECT_EQ(Box("编辑框_消息值").Content(), "1234");
    EXPECT_EQ(Box("编辑框_参数一").Content(), "5");
    EXPECT_EQ(Combo("组合框_参数二").SelectedIndex(), 2);  // logical, with a full-width blank around 真
    EXPECT_EQ(Combo("组合框_编辑框_参数二").SelectedIndex(), 1);
    EXPECT_TRUE(IsWindowVisible(Combo("组合框_编辑框_参数二").Handle()));
    EXPECT_FALSE(IsWindowVisible(Box("编辑框_参数二").Handle()));

    Pick(1, 0);
    EXPECT_EQ(Combo("组合框_参数二").SelectedIndex(), 0);  // integer
    EXPECT_FALSE(IsWindowVisible(Combo("组合框_编辑框_参数二").Handle()));
    EXPECT_TRUE(IsWindowVisible(Box("编辑框_参数二").Handle()));
    // Integer input takes digits and signs only.
    auto& two = Box("编辑框_参数二");
    SendMessageW(two.Handle(), EM_SETSEL, 0, -1);
    for (wchar_t c : std::wstring(L"-4a2x")) SendMessageW(two.Handle(), WM_CHAR, c, 0);
    EXPECT_EQ(two.Content(), "-42");
}

TEST_F(MessagesTest, AFileWithoutTheMarkerLineGetsItAndKeepsEverythingElse) {
    const std::string body = text::Utf8ToGbk("[类]\r\n键=16\r\n") + std::string("\xFF\x00tail", 6);
    const std::string path = TempPath("tavrin_test_nomarker.ini");
    WriteFile(path, body);
    Sender().LoadMessageList(path);
    std::ifstream in(std::filesystem::path(win::Wide(path)), std::ios::binary);
    const std::string after((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(after, "Korvel:https://korvel.example/        \r\n\r\n" + body);
    EXPECT_EQ(Items("组合框_消息分类1"), (std::vector<std::string>{"类"}));

    // A missing file is created with the list the program ships.
    const std::string missing = TempPath("tavrin_test_missing.ini");
    DeleteFileW(win::Wide(missing).c_str());
    Sender().LoadMessageList(missing);
    EXPECT_GT(Combo("组合框_消息分类1").ItemCount(), 5);
    EXPECT_EQ(Combo("组合框_消息分类1").ItemText(0), "常用消息");
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(std::filesystem::path(win::Wide(path)), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The marker line goes in through a new file that replaces the old one: a
// write that fails halfway leaves the user's file exactly as it was, and no
// half-written file beside it.
TEST_F(MessagesTest, AMarkerWriteThatFailsHalfwayLeavesTheOldFileIntact) {
    const std::string folder = TempPath("tavrin_half_write\\");
    std::filesystem::remove_all(std::filesystem::path(win::Wide(folder)));
    std::filesystem::create_directory(std::filesystem::path(win::Wide(folder)));
    const std::string path = folder + "message.ini";
    const std::string body = text::Utf8ToGbk("[类]\r\n键=16\r\n");
    WriteFile(path, body);
    Sender().File().writer = [](HANDLE file, std::string_view bytes) {
        win::WriteAllBytes(file, bytes.substr(0, bytes.size() / 2));
        return false;  // the disk is full
    };
    Sender().LoadMessageList(path);
    EXPECT_EQ(ReadFileBytes(path), body);
    EXPECT_EQ(Items("组合框_消息分类1"), (std::vector<std::string>{"类"}));  // still read as it is
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(win::Wide(folder)))) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 1) << "a half-written file was left beside message.ini";
    std::filesystem::remove_all(std::filesystem::path(win::Wide(folder)));
}

// Where no file can be made (a folder nobody may write, not even an
// administrator), the shipped list is used from memory and the status box
// says why. A rooted path without a drive is taken as it is.
TEST_F(MessagesTest, AFolderThatCannotBeWrittenStillGivesTheShippedList) {
    Sender().LoadMessageList("Z:\\proc\\tavrin_message.ini");
    EXPECT_EQ(Sender().File().ListSource(), messages::MessageFile::Source::Memory);
    EXPECT_GT(Combo("组合框_消息分类1").ItemCount(), 5);
    EXPECT_EQ(Combo("组合框_消息分类1").ItemText(0), "常用消息");
    EXPECT_EQ(Box("编辑框_消息值").Content(), "12");
    EXPECT_EQ(Box("编辑框_返回消息").Content(), std::string(messages::core::kShippedListStatus));

    const std::string rooted = TempPath("tavrin_rooted.ini");
    ASSERT_EQ(rooted.substr(1, 2), ":\\");
    WriteFile(rooted, text::Utf8ToGbk("Korvel:https://korvel.example/        \r\n\r\n[根]\r\n键=1\r\n"));
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    SetCurrentDirectoryW(win::Wide(rooted.substr(0, 3)).c_str());  // the drive of the temporary folder
    Sender().LoadMessageList(rooted.substr(2));  // "\\...\\tavrin_rooted.ini"
    SetCurrentDirectoryW(current);
    EXPECT_EQ(Items("组合框_消息分类1"), (std::vector<std::string>{"根"}));
    DeleteFileW(win::Wide(rooted).c_str());
}

// What is no message list (a file of no bytes, bytes of something else, a
// folder of that name) gives the shipped list and a status that says why,
// and stays exactly as it was: no marker line in front of somebody's bytes.
TEST_F(MessagesTest, WhatIsNoMessageListGivesTheShippedListAndSaysWhy) {
    const std::string folder = TempPath("tavrin_no_list\\");
    const std::string path = folder + "message.ini";
    std::string junk = "\x7F" "ELF\x02\x01";
    for (int i = 0; i < 3000; ++i) junk += static_cast<char>((i * 131 + 7) % 256 == '[' ? 0 : (i * 131 + 7) % 256);
    const struct {
        const char* what;
        std::optional<std::string> bytes;  // none: a folder
        std::string_view status;
    } cases[] = {
        {"a file of no bytes", std::string(), messages::core::kEmptyListStatus},
        {"binary junk", junk, messages::core::kNoSectionsListStatus},
        {"a folder named message.ini", std::nullopt, messages::core::kFolderListStatus},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(std::filesystem::path(win::Wide(folder)));
        std::filesystem::create_directories(std::filesystem::path(win::Wide(c.bytes ? folder : path)));
        if (c.bytes) WriteFile(path, *c.bytes);
        Sender().LoadMessageList(path);
        EXPECT_EQ(Box("编辑框_返回消息").Content(), std::string(c.status));
        EXPECT_EQ(Combo("组合框_消息分类1").ItemText(0), "常用消息");
        if (c.bytes) {
            EXPECT_EQ(ReadFileBytes(path), *c.bytes);
        }
    }
    std::filesystem::remove_all(std::filesystem::path(win::Wide(folder)));
}

// A file far beyond any message list (here 420,000 sections) is left as it
// is and the shipped list used, with a status that says why; the new files
// a killed change left beside message.ini go when it is opened (those of a
// change that may still be under way, younger than a minute, stay).
TEST_F(MessagesTest, AHugeFileGivesTheShippedListAndCutOffChangesAreCleanedUp) {
    const std::string folder = TempPath("tavrin_huge_list\\");
    std::filesystem::remove_all(std::filesystem::path(win::Wide(folder)));
    std::filesystem::create_directory(std::filesystem::path(win::Wide(folder)));
    std::string huge = "Korvel:https://korvel.example/        \r\n\r\n";
    for (int i = 0; i < 420000; ++i) huge += "[" + std::to_string(i) + "]\r\n";
    const std::string path = folder + "message.ini";
    WriteFile(path, huge);
    auto touch = [&](const char* name, int minutesAgo) {
        const std::wstring file = win::Wide(folder + name);
        WriteFile(folder + name, "half");
        const win::OwnedFile handle(CreateFileW(file.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        FILETIME now;
        GetSystemTimeAsFileTime(&now);
        ULARGE_INTEGER t = {{now.dwLowDateTime, now.dwHighDateTime}};
        t.QuadPart -= static_cast<ULONGLONG>(minutesAgo) * 60 * 10000000;
        const FILETIME then = {t.LowPart, t.HighPart};
        SetFileTime(handle.Get(), nullptr, nullptr, &then);
    };
    touch("tav1A2B.tmp", 60);  // cut off an hour ago
    touch("tavC3D4.tmp", 0);   // under way
    touch("tavern.tmp", 60);   // not one of ours

    const double start = NowMs();
    Sender().LoadMessageList(path);
    const double ms = NowMs() - start;
    EXPECT_EQ(Sender().File().ListSource(), messages::MessageFile::Source::TooLarge);
    EXPECT_EQ(Box("编辑框_返回消息").Content(), std::string(messages::core::kListTooLargeStatus));
    EXPECT_EQ(Combo("组合框_消息分类1").ItemText(0), "常用消息");
    EXPECT_EQ(Box("编辑框_消息值").Content(), "12");
    EXPECT_EQ(ReadFileBytes(path), huge);
    EXPECT_LT(ms, 5000) << "opening the huge file took " << ms << " ms";
    auto exists = [&](const char* name) {
        return GetFileAttributesW(win::Wide(folder + name).c_str()) != INVALID_FILE_ATTRIBUTES;
    };
    EXPECT_FALSE(exists("tav1A2B.tmp"));
    EXPECT_TRUE(exists("tavC3D4.tmp"));
    EXPECT_TRUE(exists("tavern.tmp"));
    std::filesystem::remove_all(std::filesystem::path(win::Wide(folder)));
}

// A list beyond what a list box can usefully show (here 100,000 sections in
// a file of 1 MB) shows its first 4,096 and says so.
TEST_F(MessagesTest, AListOfTooManyCategoriesShowsTheFirstOnesAndSaysSo) {
    std::string big = "Korvel:https://korvel.example/        \r\n\r\n";
    for (int i = 0; big.size() < 1000000; ++i) big += "[" + std::to_string(i) + "]\r\n";
    const std::string path = TempPath("tavrin_test_many.ini");
    WriteFile(path, big);
    Sender().LoadMessageList(path);
    EXPECT_EQ(Sender().File().ListSource(), messages::MessageFile::Source::File);
    EXPECT_EQ(Combo("组合框_消息分类1").ItemCount(), 4096);
    EXPECT_EQ(Combo("组合框_消息分类1").ItemText(4095), "4095");
    EXPECT_EQ(Box("编辑框_返回消息").Content(), std::string(messages::core::kListCutStatus));
    DeleteFileW(win::Wide(path).c_str());
}

// The list kept is read again when the file changes.
TEST_F(MessagesTest, AnEditedFileIsSeenAtTheNextChange) {
    const std::string path = TempPath("tavrin_test_edited.ini");
    const std::string marker = "Korvel:https://korvel.example/        \r\n\r\n";
    WriteFile(path, text::Utf8ToGbk(marker + "[甲]\r\n一=1\r\n"));
    Sender().LoadMessageList(path);
    EXPECT_EQ(Items("组合框_消息分类2"), (std::vector<std::string>{"一"}));
    WriteFile(path, text::Utf8ToGbk(marker + "[甲]\r\n一=1\r\n二=2\r\n"));
    Sender().CategoryChanged();
    EXPECT_EQ(Items("组合框_消息分类2"), (std::vector<std::string>{"一", "二"}));
    DeleteFileW(win::Wide(path).c_str());
}

TEST_F(MessagesTest, SetTextWithATextParameterReachesAnotherProgram) {
    Pick(0, 0);
    Box("编辑框_参数二").SetContent("你好 Tavrin");
    SendTo(b_, 0);
    EXPECT_EQ(win::GetWindowTitleSafe(H(b_)), "你好 Tavrin");
    EXPECT_EQ(Box("编辑框_返回消息").Content(), "\r\n消息发送成功！");
    EXPECT_EQ(Box("编辑框_返回消息").TextColour().value_or(0), 0xFF00FFu);
    EXPECT_EQ(Box("编辑框_返回值").Content(), "1");
    SetWindowTextW(b_, L"B text");
}

TEST_F(MessagesTest, GetTextShowsWhatTheReceiverWroteInBlack) {
    Pick(0, 1);  // 13|100|""
    for (int method : {0, 2}) {
        Box("编辑框_返回消息").SetContent("");
        SendTo(b_, method);
        EXPECT_EQ(Box("编辑框_返回消息").Content(), "B text") << method;
        EXPECT_EQ(Box("编辑框_返回消息").TextColour().value_or(1), 0x000000u);
        EXPECT_EQ(Box("编辑框_返回值").Content(), "6");
    }
    // The buffer is as large as wParam says, whatever the text: a long
    // answer fits in full.
    SetWindowTextW(b_, std::wstring(90, L'长').c_str());
    SendTo(b_, 0);
    EXPECT_EQ(win::Wide(Box("编辑框_返回消息").Content()), std::wstring(90, L'长'));
    SetWindowTextW(b_, L"B text");
}

TEST_F(MessagesTest, AnInvalidHandleIsReportedAndLeavesTheResultAlone) {
    Box("编辑框_返回值").SetContent("77");
    Box("编辑框_窗口句柄2").SetContent("0");
    SendMessageW(Get<ui::Button>("按钮_发出消息").Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(Box("编辑框_返回消息").Content(), "\r\n提示：无效的窗口句柄！");
    EXPECT_EQ(Box("编辑框_返回消息").TextColour().value_or(0), 0xFF00FFu);
    EXPECT_EQ(Box("编辑框_返回值").Content(), "77");
}

TEST_F(MessagesTest, SendMessageTimeoutGivesUpOnAHungProgram) {
    testing_support::FixtureProcess hung(L"hierarchy");
    HWND root = hung.Window(L"TavrinFixtureRoot");
    HWND b = GetDlgItem(root, 102);
    ASSERT_TRUE(testing_support::HangFixture(root, 4000));
    for (int type : {0, 1}) {  // a number and a text parameter
        Pick(0, 0);
        Combo("组合框_参数二").SetSelectedIndex(type);
        if (type == 0) {
            Box("编辑框_消息值").SetContent("1024");  // WM_USER: nothing to check before it is sent
            Box("编辑框_参数二").SetContent("5");
        }
        Box("编辑框_返回值").SetContent("77");
        const double start = NowMs();
        SendTo(b, 2);
        const double ms = NowMs() - start;
        EXPECT_EQ(Box("编辑框_返回消息").Content(), "\r\n消息发送失败！") << type;
        EXPECT_EQ(Box("编辑框_返回值").Content(), "77");
        EXPECT_LT(ms, 1500) << "gave up after " << ms << " ms";
        std::printf("SendMessageTimeout to a hung program (%s parameter) gave up after %.0f ms\n",
                    type == 0 ? "number" : "text", ms);
    }
}

// SendMessage to a program that does not answer waits on a thread of its
// own: the window keeps working (its timers tick), the send button is
// disabled and a second click sends nothing, and the answer is shown when it
// comes.
TEST_F(MessagesTest, SendMessageToAHungProgramKeepsTheWindowResponsive) {
    testing_support::FixtureProcess hung(L"hierarchy");
    HWND root = hung.Window(L"TavrinFixtureRoot");
    HWND b = GetDlgItem(root, 102);
    ASSERT_NE(b, nullptr);
    Pick(0, 0);
    Box("编辑框_消息值").SetContent("194");  // EM_REPLACESEL: every send inserts the text once more
    Box("编辑框_参数一").SetContent("1");
    Box("编辑框_参数二").SetContent("x");
    Box("编辑框_窗口句柄2").SetContent(std::to_string(H(b)));
    Combo("组合框_消息方式").SetSelectedIndex(0);
    ASSERT_TRUE(testing_support::HangFixture(root, 3000));

    int ticks = 0;
    ui::Timer timer(Window(), [&] { ++ticks; });
    timer.Start(20);
    const double start = NowMs();
    ClickSend();
    const double clickMs = NowMs() - start;
    EXPECT_LT(clickMs, 500) << "the click waited " << clickMs << " ms";
    EXPECT_TRUE(Sender().Waiting());
    EXPECT_FALSE(IsWindowEnabled(Get<ui::Button>("按钮_发出消息").Handle()));
    EXPECT_EQ(Box("编辑框_返回消息").Content(), std::string(messages::core::kWaitingStatus));
    ClickSend();  // refused while the first waits
    ASSERT_TRUE(testing_support::PumpUntil([&] { return !Sender().Waiting(); }, 8000));
    const double answerMs = NowMs() - start;
    timer.Stop();
    EXPECT_GT(ticks, 20) << "the window's timer ticked " << ticks << " times in " << answerMs << " ms";
    EXPECT_EQ(Box("编辑框_返回消息").Content(), "\r\n消息发送成功！");
    EXPECT_TRUE(IsWindowEnabled(Get<ui::Button>("按钮_发出消息").Handle()));
    EXPECT_EQ(win::GetWindowTitleSafe(H(b)), "xB text");  // inserted once
    std::printf("SendMessage to a hung program: click returned after %.0f ms, answer after %.0f ms, %d timer ticks\n",
                clickMs, answerMs, ticks);
}

// A SendMessage that never arrives is not reported as sent: the hung
// program is ended while the send waits for it.
TEST_F(MessagesTest, ASendToAProgramThatEndsWhileItWaitsIsReportedAsFailed) {
    testing_support::FixtureProcess hung(L"hierarchy");
    HWND root = hung.Window(L"TavrinFixtureRoot");
    HWND b = GetDlgItem(root, 102);
    ASSERT_NE(b, nullptr);
    Pick(1, 0);
    Box("编辑框_消息值").SetContent("1024");  // WM_USER: nothing happens when it arrives
    Box("编辑框_返回值").SetContent("77");
    Box("编辑框_窗口句柄2").SetContent(std::to_string(H(b)));
    Combo("组合框_消息方式").SetSelectedIndex(0);
    ASSERT_TRUE(testing_support::HangFixture(root, 8000));
    ClickSend();
    ASSERT_TRUE(Sender().Waiting());
    TerminateProcess(hung.Handle(), 1);
    ASSERT_TRUE(testing_support::PumpUntil([&] { return !Sender().Waiting(); }, 8000));
    EXPECT_EQ(Box("编辑框_返回消息").Content(), std::string(messages::core::kNotSentStatus));
    EXPECT_EQ(Box("编辑框_返回值").Content(), "77");
}

// Text parameters that cannot be handed over safely are refused, and
// nothing is reported as sent.
TEST_F(MessagesTest, AbsurdBuffersAndPostedTextsAreRefused) {
    Pick(0, 1);  // 13|100|"": a text parameter
    Box("编辑框_参数一").SetContent("2000000000");
    for (int method : {0, 2}) {
        Box("编辑框_返回值").SetContent("77");
        SendTo(b_, method);
        EXPECT_EQ(Box("编辑框_返回消息").Content(), std::string(messages::core::kBufferTooLargeStatus)) << method;
        EXPECT_EQ(Box("编辑框_返回值").Content(), "77");
    }
    Box("编辑框_参数一").SetContent("100");
    SendTo(b_, 1);
    EXPECT_EQ(Box("编辑框_返回消息").Content(), std::string(messages::core::kPostedTextStatus));
    EXPECT_EQ(Box("编辑框_返回值").Content(), "77");
    EXPECT_EQ(win::GetWindowTitleSafe(H(b_)), "B text");
}

// PostMessage says whether the message went, with PostMessage's own result:
// WM_CLOSE goes (the other program ends); WM_SETTEXT, which carries a
// pointer and can only be sent, is refused by the system: failed, 0.
TEST_F(MessagesTest, PostMessageSaysWhetherItWentWithItsResult) {
    Pick(1, 0);  // 16|0|0: WM_CLOSE closes the window that gets it
    Box("编辑框_消息值").SetContent("12");
    Box("编辑框_返回值").SetContent("77");
    SendTo(b_, 1);
    EXPECT_EQ(Box("编辑框_返回消息").Content(), std::string(messages::core::kNotSentStatus));
    EXPECT_EQ(Box("编辑框_返回值").Content(), "0");
    EXPECT_EQ(win::GetWindowTitleSafe(H(b_)), "B text");

    Pick(1, 0);
    testing_support::FixtureProcess other(L"hierarchy");
    HWND root = other.Window(L"TavrinFixtureRoot");
    SendTo(root, 1);
    EXPECT_EQ(Box("编辑框_返回消息").Content(), "\r\n消息发送成功！");
    EXPECT_EQ(Box("编辑框_返回值").Content(), "1");
    EXPECT_EQ(WaitForSingleObject(other.Handle(), 3000), WAIT_OBJECT_0);  // it closed and ended
}

// A list view's message that takes the address of a structure is refused,
// whatever parameter two holds, and nothing is reported as sent; the list
// view's other messages, and the same number sent to another control, go.
TEST_F(MessagesTest, MessagesThatTakeAStructuresAddressAreRefused) {
    testing_support::FixtureProcess fixture(L"listview");
    HWND root = fixture.Window(L"TavrinFixtureList");
    ASSERT_NE(root, nullptr);
    HWND list = GetDlgItem(root, 601);
    ASSERT_NE(list, nullptr);
    Pick(0, 0);  // a text parameter
    Box("编辑框_返回值").SetContent("77");
    for (const char* message : {"4211", "4110"}) {  // LVM_GETITEMTEXTW, LVM_GETITEMRECT
        for (int type : {1, 0}) {
            Combo("组合框_参数二").SetSelectedIndex(type);
            Sender().TypeChanged();
            Box("编辑框_消息值").SetContent(message);
            SendTo(list, 0);
            EXPECT_EQ(Box("编辑框_返回消息").Content().rfind("\r\n提示：LVM_GETITEM", 0), 0u) << message;
            EXPECT_NE(Box("编辑框_返回消息").Content().find("消息未发出"), std::string::npos);
            EXPECT_EQ(Box("编辑框_返回值").Content(), "77");
        }
    }
    EXPECT_FALSE(Sender().LastSent().has_value());
    Combo("组合框_参数二").SetSelectedIndex(0);
    Sender().TypeChanged();
    Box("编辑框_消息值").SetContent("4100");  // LVM_GETITEMCOUNT takes no address
    Box("编辑框_参数二").SetContent("0");
    SendTo(list, 0);
    EXPECT_EQ(Box("编辑框_返回值").Content(), "1");
    Box("编辑框_消息值").SetContent("4211");  // to an edit it is just a number
    SendTo(b_, 0);
    EXPECT_EQ(Box("编辑框_返回消息").Content(), std::string(messages::core::kSentStatus));
}

TEST_F(MessagesTest, CodeGeneratorShowsTheFirstSelectedTemplate) {
    auto& code = Box("编辑框_易代码");
    code.SetContent("mine");
    SendMessageW(Get<ui::Button>("按钮_生成易代码").Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(code.Content(), "mine");  // no radio selected: nothing happens
    for (const messages::core::ECodeTemplate& t : messages::core::ECodeTemplates()) {
        SendMessageW(Get<ui::RadioButton>(t.radio.text).Handle(), BM_CLICK, 0, 0);
        for (int press = 0; press < 2; ++press) {  // twice: the same text, not doubled
            SendMessageW(Get<ui::Button>("按钮_生成易代码").Handle(), BM_CLICK, 0, 0);
            EXPECT_EQ(code.Content(), t.text) << t.radio.text;
        }
    }
    SendMessageW(Get<ui::Button>("按钮_复制代码").Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(win::ClipboardText(), std::string(messages::core::ECodeTemplates().back().text));
    code.SetContent("");
    SendMessageW(Get<ui::Button>("按钮_复制代码").Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(win::ClipboardText(), "");
}

// What e_code_check, a program of the tests' own, prints when it runs the
// code: the window the lookup found, the message's result and the text in
// the buffer afterwards, one a line.
std::vector<std::string> RunCode(const std::string& code) {
    const std::string path = TempPath("tavrin_test_send_code.e.txt");
    WriteFile(path, code);
    DWORD exitCode = 1;
    const std::string output = testing_support::RunTestProgram(L"e_code_check.exe", L"--code \"" + win::Wide(path) + L"\"",
                                                               exitCode);
    EXPECT_EQ(exitCode, 0u) << output;
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < output.size();) {
        const std::size_t end = output.find('\n', at);
        std::string line = output.substr(at, end == std::string::npos ? std::string::npos : end - at);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        at = end == std::string::npos ? output.size() : end + 1;
    }
    return lines;
}

// The code for the message just sent finds its window again and sends it
// the same way: run by a program of the tests' own, the code for a
// WM_SETTEXT sent with SendMessage sets the text (quotes and all), and the
// code for a WM_GETTEXT sent with a time limit reads it back.
TEST_F(MessagesTest, TheCodeForTheMessageJustSentSendsItAgain) {
    messages::CodeGenerator& generator = Window().Messages().Generator();
    auto& code = Box("编辑框_易代码");
    code.SetContent("mine");
    generator.GenerateSend();
    EXPECT_EQ(code.Content(), "mine");  // nothing sent yet: no code
    ui::Menu& menu = generator.CodeMenu();
    int item = 0;
    while (item < menu.ItemCount() && menu.ItemCaption(item) != "生成发送此消息的易代码") ++item;
    generator.UpdateMenu();
    EXPECT_FALSE(menu.ItemEnabled(item));  // grey until a message has gone out

    const std::string text = "你好，\"易\" 代码";
    Pick(0, 0);  // 12|0|"新文本"
    Box("编辑框_参数二").SetContent(text);
    SendTo(b_, 0);
    generator.UpdateMenu();
    EXPECT_TRUE(menu.ItemEnabled(item));
    SetWindowTextW(b_, L"B text");  // the code must set it again
    generator.GenerateSend();
    const std::string setCode = code.Content();
    EXPECT_EQ(win::ClipboardText(), setCode);
    const std::vector<std::string> set = RunCode(setCode);
    ASSERT_GE(set.size(), 3u) << setCode;
    EXPECT_EQ(set[0], std::to_string(H(b_)));
    EXPECT_EQ(set[1], "1");  // WM_SETTEXT's TRUE
    EXPECT_EQ(win::GetWindowTitleSafe(H(b_)), text) << setCode;

    Pick(0, 1);  // 13|100|""
    SendTo(b_, 2);
    generator.GenerateSend();
    const std::vector<std::string> get = RunCode(code.Content());
    ASSERT_GE(get.size(), 3u) << code.Content();
    EXPECT_EQ(get[1], std::to_string(text::Utf8ToGbk(text).size()));  // the bytes copied
    EXPECT_EQ(get[2], text);
    SetWindowTextW(b_, L"B text");
}

// The lookup code is for the window in this page's handle box, typed there,
// not for the inspector's target; with no window there the item is grey
// and writes nothing.
TEST_F(MessagesTest, TheLookupCodeFindsTheWindowInThisPagesHandleBox) {
    messages::CodeGenerator& generator = Window().Messages().Generator();
    ui::Menu& menu = generator.CodeMenu();
    int item = 0;
    while (item < menu.ItemCount() && menu.ItemCaption(item) != "生成查找当前窗口的代码") ++item;
    auto& code = Box("编辑框_易代码");
    auto& handle = Box("编辑框_窗口句柄2");
    Window().Analysis().CurrentTarget().Select(H(root_));
    handle.SetContent("0");
    code.SetContent("mine");
    generator.UpdateMenu();
    EXPECT_FALSE(menu.ItemEnabled(item));
    generator.GenerateLookup();
    EXPECT_EQ(code.Content(), "mine");

    handle.SetContent(std::to_string(H(b_)));  // typed
    generator.UpdateMenu();
    EXPECT_TRUE(menu.ItemEnabled(item));
    generator.GenerateLookup();
    const std::string path = TempPath("tavrin_test_lookup_code.e.txt");
    WriteFile(path, code.Content());
    DWORD exitCode = 1;
    const std::string found =
        testing_support::RunTestProgram(L"e_code_check.exe", L"--code \"" + win::Wide(path) + L"\"", exitCode);
    EXPECT_EQ(exitCode, 0u) << found;
    EXPECT_EQ(found.substr(0, found.find_first_of("\r\n")), std::to_string(H(b_))) << code.Content();
}

}  // namespace
