#include "win/core/launch_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace win::core;
namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Marks the text that went through the short-path conversion.
std::string Shorten(const std::string& path) { return "<" + path + ">"; }

EnvironmentLookup Environment(std::map<std::string, std::string> variables) {
    return [variables](const std::string& name) -> std::optional<std::string> {
        const auto it = variables.find(name);
        if (it == variables.end()) return std::nullopt;
        return it->second;
    };
}

TEST(GetFileExtension, TextAfterTheLastDotOfTheFileName) {
    const std::pair<const char*, const char*> cases[] = {
        {"a.b.txt", "txt"},        {"noext", ""},           {"", ""},
        {"name.", ""},             {".txt", "txt"},         {"Report.DOCX", "DOCX"},
        {"C:\\dir\\tool.exe", "exe"}, {"C:\\my.dir\\tool", ""}, {"C:/my.dir/tool", ""},
        {"C:\\my.dir\\a.b", "b"},  {"文档.文本", "文本"},
    };
    for (const auto& [name, extension] : cases) EXPECT_EQ(GetFileExtension(name), extension) << name;
}

TEST(ExtractProgramFromCommand, QuotedAndVariableForms) {
    const auto env = Environment({{"SystemRoot", "C:\\Windows"}, {"ProgramFiles", "C:\\Program Files"}});
    EXPECT_EQ(ExtractProgramFromCommand("\"C:\\Program Files\\App\\app.exe\" \"%1\"", env, Shorten),
              "<C:\\Program Files\\App\\app.exe>");
    EXPECT_EQ(ExtractProgramFromCommand("%SystemRoot%\\system32\\NOTEPAD.EXE %1", env, Shorten),
              "<C:\\Windows\\system32\\NOTEPAD.EXE>");
    EXPECT_EQ(ExtractProgramFromCommand("\"%ProgramFiles%\\App\\a.exe\" \"%1\"", env, Shorten),
              "<C:\\Program Files\\App\\a.exe>");
    // Only a leading variable is expanded; a later "%" ends the program.
    EXPECT_EQ(ExtractProgramFromCommand("C:\\x\\%SystemRoot%\\a.exe", env, Shorten), "<C:\\x\\>");
    // A variable that is not set counts as empty.
    EXPECT_EQ(ExtractProgramFromCommand("%NOPE%\\x.exe %1", env, Shorten), "<\\x.exe>");
    // Executables open themselves: no associated program.
    int conversions = 0;
    const ShortPathLookup counting = [&](const std::string& p) {
        ++conversions;
        return p;
    };
    EXPECT_EQ(ExtractProgramFromCommand("\"%1\" %*", env, counting), "");
    EXPECT_EQ(conversions, 0);
}

TEST(ExtractProgramFromCommand, CutsAtLineBreakPercentSlashAndComma) {
    const auto env = Environment({});
    EXPECT_EQ(ExtractProgramFromCommand("C:\\App\\app.exe \r\nmore %1", env, Shorten), "<C:\\App\\app.exe>");
    EXPECT_EQ(ExtractProgramFromCommand("C:\\App\\app.exe /open \"%1\"", env, Shorten), "<C:\\App\\app.exe>");
    EXPECT_EQ(ExtractProgramFromCommand("  C:\\App\\app.exe /open", env, Shorten), "<C:\\App\\app.exe>");
    // Full-width blanks are trimmed like ASCII ones.
    EXPECT_EQ(ExtractProgramFromCommand("\xE3\x80\x80" "C:\\App\\app.exe\xE3\x80\x80 /n", env, Shorten),
              "<C:\\App\\app.exe>");
    // The comma cut keeps the blanks.
    EXPECT_EQ(ExtractProgramFromCommand("C:\\Windows\\rundll32.exe,Open %1", env, Shorten),
              "<C:\\Windows\\rundll32.exe>");
    EXPECT_EQ(ExtractProgramFromCommand("C:\\a.exe ,x", env, Shorten), "<C:\\a.exe >");
    // Without any of the separators nothing is trimmed.
    EXPECT_EQ(ExtractProgramFromCommand(" C:\\a.exe ", env, Shorten), "< C:\\a.exe >");
}

TEST(ExtractProgramFromCommand, OddCommandsGiveSensibleResults) {
    const auto env = Environment({{"X", "C:\\x"}});
    EXPECT_EQ(ExtractProgramFromCommand("", env, Shorten), "");
    EXPECT_EQ(ExtractProgramFromCommand("\"", env, Shorten), "");
    EXPECT_EQ(ExtractProgramFromCommand("\"\"", env, Shorten), "");
    EXPECT_EQ(ExtractProgramFromCommand("%", env, Shorten), "");
    EXPECT_EQ(ExtractProgramFromCommand("%%", env, Shorten), "");
    // An unterminated quote takes the rest of the text.
    EXPECT_EQ(ExtractProgramFromCommand("\"C:\\x\\y.exe", env, Shorten), "<C:\\x\\y.exe>");
    // A "%" without its closing "%" is no variable; the "%" cut empties it.
    EXPECT_EQ(ExtractProgramFromCommand("%X\\y.exe", env, Shorten), "");
    // An empty name between "%%" expands to nothing.
    EXPECT_EQ(ExtractProgramFromCommand("%%\\y.exe %1", env, Shorten), "<\\y.exe>");
    EXPECT_EQ(ExtractProgramFromCommand("\r\n", env, Shorten), "");
    // Missing lookups: no variables, no conversion.
    EXPECT_EQ(ExtractProgramFromCommand("%X%\\y.exe %1", nullptr, nullptr), "\\y.exe");
    // The conversion's failure (a path that does not exist) is the result.
    EXPECT_EQ(ExtractProgramFromCommand("C:\\gone.exe %1", env, [](const std::string&) { return std::string(); }),
              "");
}

TEST(GetAssociatedProgram, FollowsTheFileTypeToItsOpenCommand) {
    const std::map<std::string, std::string> root = {
        {".txt", "txtfile"},
        {"txtfile\\Shell\\Open\\Command", "%SystemRoot%\\system32\\NOTEPAD.EXE %1"},
        {".exe", "exefile"},
        {"exefile\\Shell\\Open\\Command", "\"%1\" %*"},
        {".blank", ""},
        {"\\Shell\\Open\\Command", "C:\\wrong.exe"},
        {".nocmd", "nocmdfile"},
    };
    AssociationFacts facts;
    facts.classesRootDefault = [&root](const std::string& key) -> std::optional<std::string> {
        const auto it = root.find(key);
        if (it == root.end()) return std::nullopt;
        return it->second;
    };
    facts.environment = Environment({{"SystemRoot", "C:\\Windows"}});
    facts.shortPath = Shorten;
    EXPECT_EQ(GetAssociatedProgram("txt", facts), "<C:\\Windows\\system32\\NOTEPAD.EXE>");
    EXPECT_EQ(GetAssociatedProgram("exe", facts), "");
    EXPECT_EQ(GetAssociatedProgram("blank", facts), "");
    EXPECT_EQ(GetAssociatedProgram("nocmd", facts), "");
    EXPECT_EQ(GetAssociatedProgram("zzz", facts), "");
    EXPECT_EQ(GetAssociatedProgram("txt", AssociationFacts{}), "");
}

// A file system whose names ignore case, recording every question.
struct FakeFiles {
    std::set<std::string> files;  // lower case
    std::vector<std::string> asked;
    PathTest Exists() {
        return [this](const std::string& path) {
            asked.push_back(path);
            return files.count(Lower(path)) > 0;
        };
    }
};

TEST(FindProgramPath, NameThenWindowsThenSystemThenAppPaths) {
    FakeFiles fs;
    fs.files = {"c:\\windows\\notepad.exe", "c:\\windows\\system32\\notepad.exe", "c:\\windows\\system32\\calc.exe",
                "c:\\apps\\tool.exe", "local.exe"};
    const std::map<std::string, std::string> appPaths = {{"tool.exe", "\"C:\\Apps\\tool.exe\""},
                                                         {"plain.exe", "C:\\Apps\\tool.exe"},
                                                         {"gone.exe", "C:\\Gone\\gone.exe"}};
    ProgramSearchFacts facts;
    facts.fileExists = fs.Exists();
    facts.windowsDirectory = "C:\\Windows\\";
    facts.systemDirectory = "C:\\Windows\\System32\\";
    facts.appPath = [&appPaths](const std::string& name) -> std::optional<std::string> {
        const auto it = appPaths.find(Lower(name));
        if (it == appPaths.end()) return std::nullopt;
        return it->second;
    };

    EXPECT_EQ(FindProgramPath("local.exe", facts), "local.exe");
    EXPECT_EQ(FindProgramPath("notepad", facts), "C:\\Windows\\notepad.exe");
    fs.asked.clear();
    EXPECT_EQ(FindProgramPath("calc", facts), "C:\\Windows\\System32\\calc.exe");
    EXPECT_EQ(fs.asked, (std::vector<std::string>{"calc", "C:\\Windows\\calc.exe", "C:\\Windows\\System32\\calc.exe"}));
    EXPECT_EQ(FindProgramPath("CALC.EXE", facts), "C:\\Windows\\System32\\CALC.EXE");
    EXPECT_EQ(FindProgramPath("tool", facts), "C:\\Apps\\tool.exe");
    EXPECT_EQ(FindProgramPath("plain", facts), "C:\\Apps\\tool.exe");
    EXPECT_EQ(FindProgramPath("gone", facts), "");
    EXPECT_EQ(FindProgramPath("missing", facts), "");
    fs.asked.clear();
    EXPECT_EQ(FindProgramPath("", facts), "");
    EXPECT_TRUE(fs.asked.empty());

    // A folder that could not be read is not searched.
    facts.windowsDirectory.clear();
    fs.asked.clear();
    EXPECT_EQ(FindProgramPath("notepad", facts), "C:\\Windows\\System32\\notepad.exe");
    EXPECT_EQ(fs.asked, (std::vector<std::string>{"notepad", "C:\\Windows\\System32\\notepad.exe"}));
}

TEST(StartupShowForMode, ModesAndTheirFlags) {
    const std::pair<std::int32_t, StartupShow> cases[] = {
        {1, {1, 0}}, {3, {1, 2}}, {4, {1, 3}}, {5, {1, 4}}, {6, {1, 6}},
        {0, {0, 1}}, {2, {0, 1}}, {7, {0, 1}}, {-1, {0, 1}},
    };
    for (const auto& [mode, show] : cases) {
        const StartupShow got = StartupShowForMode(mode);
        EXPECT_TRUE(got == show) << "mode " << mode << ": " << got.flags << "," << got.showWindow;
    }
}

// A machine with a few folders, associations, shortcuts and programs.
struct FakeMachine {
    std::set<std::string> folders = {"C:\\Work", "C:\\Projects"};
    std::map<std::string, std::string> associations = {{"txt", "C:\\WINDOWS\\system32\\NOTEPAD.EXE"}};
    std::map<std::string, std::string> programs = {{"explorer.exe", "C:\\Windows\\explorer.exe"},
                                                   {"notepad", "C:\\Windows\\notepad.exe"},
                                                   {"httpd.exe", "C:\\Server\\httpd.exe"},
                                                   {"C:\\Tools\\tool.exe", "C:\\Tools\\tool.exe"}};
    std::map<std::string, std::string> urls = {{"C:\\Links\\site.URL", "https://example.org/"}};
    std::map<std::string, LinkShortcut> links = {
        {"C:\\Links\\tool.lnk", {"C:\\Tools\\tool.exe", "-x 1"}},
        {"C:\\Links\\projects.LNK", {"C:\\Projects", "ignored"}},
        {"C:\\Links\\notes.lnk", {"C:\\Docs\\notes.txt", ""}},
    };
    std::vector<std::string> extensionsAsked;

    LaunchFacts Facts() {
        LaunchFacts facts;
        facts.isDirectory = [this](const std::string& p) { return folders.count(p) > 0; };
        facts.associatedProgram = [this](const std::string& extension) {
            extensionsAsked.push_back(extension);
            const auto it = associations.find(extension);
            return it == associations.end() ? std::string() : it->second;
        };
        facts.findProgramPath = [this](const std::string& name) {
            const auto it = programs.find(name);
            return it == programs.end() ? std::string() : it->second;
        };
        facts.urlOfShortcut = [this](const std::string& file) {
            const auto it = urls.find(file);
            return it == urls.end() ? std::string() : it->second;
        };
        facts.readLinkShortcut = [this](const std::string& file) {
            const auto it = links.find(file);
            return it == links.end() ? LinkShortcut() : it->second;
        };
        return facts;
    }
};

void ExpectProcess(const LaunchPlan& plan, const std::string& application, const std::string& commandLine,
                   const std::string& workingDirectory) {
    EXPECT_EQ(plan.kind, LaunchKind::CreateProcess);
    EXPECT_EQ(plan.application, application);
    EXPECT_EQ(plan.commandLine, commandLine);
    EXPECT_EQ(plan.workingDirectory, workingDirectory);
    EXPECT_EQ(plan.address, "");
}

TEST(PlanLaunch, FolderOpensInExplorer) {
    FakeMachine machine;
    const LaunchPlan plan = PlanLaunch("C:\\Work", "", "", 0, machine.Facts());
    ExpectProcess(plan, "C:\\Windows\\explorer.exe", "%1 C:\\Work", "C:\\Windows\\");
    EXPECT_EQ(machine.extensionsAsked, (std::vector<std::string>{"exe"}));
    EXPECT_TRUE(plan.show == (StartupShow{0, 1}));
}

TEST(PlanLaunch, DocumentOpensWithItsAssociatedProgram) {
    FakeMachine machine;
    const LaunchPlan plan = PlanLaunch("C:\\Docs\\a.txt", "dropped", "", 3, machine.Facts());
    ExpectProcess(plan, "C:\\WINDOWS\\system32\\NOTEPAD.EXE", "\"C:\\Docs\\a.txt\" \"C:\\Docs\\a.txt\"",
                  "C:\\WINDOWS\\system32\\");
    EXPECT_TRUE(plan.show == (StartupShow{1, 2}));
}

TEST(PlanLaunch, ProgramGetsItsArgumentsAfterThePlaceholder) {
    FakeMachine machine;
    ExpectProcess(PlanLaunch("notepad", "C:\\x.txt", "D:\\Here", 1, machine.Facts()), "C:\\Windows\\notepad.exe",
                  "%1 C:\\x.txt", "D:\\Here");
    ExpectProcess(PlanLaunch("notepad", "", "", 1, machine.Facts()), "C:\\Windows\\notepad.exe", "",
                  "C:\\Windows\\");
    // A program whose name merely starts with "http" is a program.
    ExpectProcess(PlanLaunch("httpd.exe", "-p 80", "", 0, machine.Facts()), "C:\\Server\\httpd.exe", "%1 -p 80",
                  "C:\\Server\\");
}

TEST(PlanLaunch, NothingStartsWhenNoProgramIsFound) {
    FakeMachine machine;
    const LaunchPlan plan = PlanLaunch("nosuchprogram", "arg", "D:\\Here", 0, machine.Facts());
    EXPECT_EQ(plan.kind, LaunchKind::Nothing);
    EXPECT_EQ(plan.application, "");
    EXPECT_EQ(plan.commandLine, "");
    EXPECT_EQ(PlanLaunch("", "", "", 0, machine.Facts()).kind, LaunchKind::Nothing);
    // Without any facts nothing can be decided, and nothing crashes.
    EXPECT_EQ(PlanLaunch("C:\\x.exe", "", "", 0, LaunchFacts{}).kind, LaunchKind::Nothing);
    EXPECT_EQ(PlanLaunch("C:\\x.url", "", "", 0, LaunchFacts{}).kind, LaunchKind::Nothing);
    EXPECT_EQ(PlanLaunch("C:\\x.lnk", "", "", 0, LaunchFacts{}).kind, LaunchKind::Nothing);
}

TEST(PlanLaunch, WebAddressesAndUrlShortcutsGoToTheShell) {
    FakeMachine machine;
    LaunchPlan plan = PlanLaunch("https://example.com/a?b=1", "ignored", "", 4, machine.Facts());
    EXPECT_EQ(plan.kind, LaunchKind::ShellOpen);
    EXPECT_EQ(plan.address, "https://example.com/a?b=1");
    EXPECT_EQ(plan.application, "");
    EXPECT_TRUE(plan.show == (StartupShow{1, 3}));
    EXPECT_EQ(PlanLaunch("HTTP://EXAMPLE.COM", "", "", 0, machine.Facts()).address, "HTTP://EXAMPLE.COM");

    plan = PlanLaunch("C:\\Links\\site.URL", "", "", 0, machine.Facts());
    EXPECT_EQ(plan.kind, LaunchKind::ShellOpen);
    EXPECT_EQ(plan.address, "https://example.org/");
    // A shortcut without a URL opens nothing.
    plan = PlanLaunch("C:\\Links\\empty.url", "", "", 0, machine.Facts());
    EXPECT_EQ(plan.kind, LaunchKind::Nothing);
    EXPECT_EQ(plan.address, "");
    EXPECT_TRUE(machine.extensionsAsked.empty());
}

TEST(PlanLaunch, LinkShortcutsStandForTheirTargets) {
    FakeMachine machine;
    ExpectProcess(PlanLaunch("C:\\Links\\tool.lnk", "replaced", "", 0, machine.Facts()), "C:\\Tools\\tool.exe",
                  "%1 -x 1", "C:\\Tools\\");
    // A shortcut to a folder opens the folder, to a document its program.
    ExpectProcess(PlanLaunch("C:\\Links\\projects.LNK", "", "", 0, machine.Facts()), "C:\\Windows\\explorer.exe",
                  "%1 C:\\Projects", "C:\\Windows\\");
    ExpectProcess(PlanLaunch("C:\\Links\\notes.lnk", "", "", 0, machine.Facts()), "C:\\WINDOWS\\system32\\NOTEPAD.EXE",
                  "\"C:\\Docs\\notes.txt\" \"C:\\Docs\\notes.txt\"", "C:\\WINDOWS\\system32\\");
    // A shortcut that cannot be read starts nothing.
    EXPECT_EQ(PlanLaunch("C:\\Links\\broken.lnk", "", "", 0, machine.Facts()).kind, LaunchKind::Nothing);
}

}  // namespace
}  // namespace
