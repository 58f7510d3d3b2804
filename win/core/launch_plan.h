// Launching a program, document, folder, shortcut or web address: every
// decision of RunProgram and its helpers, made without touching the system.
//
// What the decisions need to know about the machine (does a file exist, is a
// path a folder, an environment variable, a registry value, the short form of
// a path, what a shortcut points to) comes in as plain functions, so that the
// Windows half only answers those questions and then performs the plan:
// CreateProcess with the plan's application, command line, working directory
// and show flags, or the shell's "open" of a web address.
//
// Comparisons of the first or last characters of a name ("http", ".url",
// ".lnk", ".exe") ignore ASCII case. Texts are UTF-8.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace win::core {

// The value of an environment variable; nullopt when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;
// The short (8.3) form of an existing path; the empty text when the path
// does not exist or cannot be converted.
using ShortPathLookup = std::function<std::string(const std::string& path)>;
// A yes/no question about a path.
using PathTest = std::function<bool(const std::string& path)>;
// A registry value by key name; nullopt when the key or the value is missing.
using RegistryLookup = std::function<std::optional<std::string>(const std::string& key)>;

// The extension of a file name without its dot ("a.b.txt" gives "txt"); the
// empty text when the name's last part has no dot. A dot inside a folder
// name does not count ("C:\my.dir\tool" has no extension).
std::string GetFileExtension(std::string_view name);

// The program named by a shell "open" command (a registry command such as
// "\"C:\App\app.exe\" \"%1\"" or "%SystemRoot%\notepad.exe %1"), in short
// form:
//  1. a command starting with a double quote is cut to the quoted text (to
//     the end when the quote is not closed);
//  2. a leading %NAME% is replaced by the variable's value (the empty text
//     when it is not set); a "%" without a closing "%" is left as it is;
//  3. the text is cut before the first CR LF, then before the first "%",
//     then before the first "/", each cut followed by removing spaces (ASCII
//     and full-width U+3000) at both ends;
//  4. the text is cut before the first "," (no spaces removed);
//  5. the result is the short form of what is left (the empty text stays
//     empty without asking). Without a shortPath function the text is
//     returned as it is.
// A command whose program part starts with "%1" (as executables' own
// "open" command does) therefore gives the empty text: no association.
std::string ExtractProgramFromCommand(std::string_view command, const EnvironmentLookup& environment,
                                      const ShortPathLookup& shortPath);

// What GetAssociatedProgram reads: default values of HKEY_CLASSES_ROOT keys.
struct AssociationFacts {
    RegistryLookup classesRootDefault;  // key name below HKEY_CLASSES_ROOT
    EnvironmentLookup environment;
    ShortPathLookup shortPath;
};

// The program that opens files of an extension: the default value of key
// "." + extension names the file type, whose "<type>\Shell\Open\Command"
// default value is the command; ExtractProgramFromCommand of it. The empty
// text when a key or value is missing or the type name is empty.
std::string GetAssociatedProgram(std::string_view extension, const AssociationFacts& facts);

// What FindProgramPath looks at.
struct ProgramSearchFacts {
    PathTest fileExists;            // an existing file (a folder does not count)
    std::string windowsDirectory;   // with a trailing backslash; empty: not searched
    std::string systemDirectory;    // with a trailing backslash; empty: not searched
    RegistryLookup appPath;         // default value of ...\CurrentVersion\App Paths\<name>
};

// The full path of a program: the name itself when it names an existing
// file; otherwise the name with ".exe" appended (unless it already ends in
// ".exe") in the Windows directory, then in the system directory, then the
// file named by its App Paths registry entry (surrounding double quotes
// removed). The empty text when none exists.
std::string FindProgramPath(std::string_view name, const ProgramSearchFacts& facts);

// The start-up record's flags and show-window fields for a show mode:
// 1 hidden, 3 minimised, 4 maximised, 5 shown without activation,
// 6 minimise; any other mode leaves the choice to the program
// (flags 0, show window 1 which is then ignored).
struct StartupShow {
    std::uint32_t flags = 0;        // STARTF_USESHOWWINDOW (1) or 0
    std::uint16_t showWindow = 1;   // SW_ value
    bool operator==(const StartupShow& other) const {
        return flags == other.flags && showWindow == other.showWindow;
    }
};
StartupShow StartupShowForMode(std::int32_t showMode);

// What a .lnk shortcut points to.
struct LinkShortcut {
    std::string targetPath;  // empty when the shortcut cannot be read
    std::string arguments;
};

// What RunProgram needs to know about the machine.
struct LaunchFacts {
    PathTest isDirectory;  // the path names an existing folder
    // The program associated with an extension (GetAssociatedProgram), the
    // empty text when there is none.
    std::function<std::string(const std::string& extension)> associatedProgram;
    // FindProgramPath of a program name.
    std::function<std::string(const std::string& name)> findProgramPath;
    // The URL stored in a .url shortcut (its InternetShortcut/URL value).
    std::function<std::string(const std::string& file)> urlOfShortcut;
    // The target and arguments of a .lnk shortcut.
    std::function<LinkShortcut(const std::string& file)> readLinkShortcut;
};

enum class LaunchKind {
    Nothing,        // nothing can be started; RunProgram gives process id 0
    CreateProcess,  // start `application` with `commandLine`
    ShellOpen,      // hand `address` to the shell's "open" (the default browser)
};

struct LaunchPlan {
    LaunchKind kind = LaunchKind::Nothing;
    std::string application;       // CreateProcess: the program file
    std::string commandLine;       // CreateProcess: its command line (may be empty)
    std::string address;           // ShellOpen: the web address
    std::string workingDirectory;  // empty: the caller's current directory
    StartupShow show;              // ShellOpen uses show.showWindow as its show command
};

// The decisions of RunProgram, in this order:
//  - a web address ("http:" or "https:" at the start) is opened by the shell;
//  - a ".url" shortcut's URL is opened by the shell (nothing when it has none);
//  - a ".lnk" shortcut stands for its target, whose arguments replace
//    `arguments`; a target that is a folder is opened like a folder;
//  - an existing folder is opened by explorer.exe;
//  - anything else is a program or a document.
// A program or document whose extension has an associated program is
// started by that program with the command line "\"doc\" \"doc\"" (the
// name as the first word and as the argument). Otherwise the application
// is FindProgramPath of it and the command line is "%1 " + arguments (the
// first word a placeholder for the program's own name), or empty without
// arguments. When no application is found nothing is started.
// The working directory is `workingDirectory` when given, else the
// application's folder (up to and including its last backslash).
LaunchPlan PlanLaunch(std::string_view target, std::string_view arguments, std::string_view workingDirectory,
                      std::int32_t showMode, const LaunchFacts& facts);

}  // namespace win::core
