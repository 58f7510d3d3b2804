#include "win/core/launch_plan.h"

#include <cstddef>

#include "text/text_basics.h"

namespace win::core {
namespace {

// Cuts the text before the first `separator` and trims it; leaves it alone
// when the separator does not occur.
void CutAndTrim(std::string& text, std::string_view separator) {
    const std::size_t at = text.find(separator);
    if (at != std::string::npos) text = std::string(text::TrimBlanks(std::string_view(text).substr(0, at)));
}

template <typename Result, typename Function, typename... Args>
Result AskOr(const Function& function, Result fallback, const Args&... args) {
    return function ? function(args...) : fallback;
}

// A web address the shell hands to the browser.
bool IsWebAddress(std::string_view target) {
    return text::StartsWithIgnoringCase(target, "http:") || text::StartsWithIgnoringCase(target, "https:");
}

}  // namespace

std::string GetFileExtension(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) return {};
    const std::size_t separator = name.find_last_of("\\/");
    if (separator != std::string_view::npos && separator > dot) return {};
    return std::string(name.substr(dot + 1));
}

std::string ExtractProgramFromCommand(std::string_view command, const EnvironmentLookup& environment,
                                      const ShortPathLookup& shortPath) {
    std::string c(command);
    if (!c.empty() && c.front() == '"') {
        const std::size_t close = c.find('"', 1);
        c = close == std::string::npos ? c.substr(1) : c.substr(1, close - 1);
    }
    if (!c.empty() && c.front() == '%') {
        const std::size_t close = c.find('%', 1);
        if (close != std::string::npos) {
            const std::string name = c.substr(1, close - 1);
            std::optional<std::string> value;
            if (!name.empty() && environment) value = environment(name);
            c = value.value_or(std::string()) + c.substr(close + 1);
        }
    }
    CutAndTrim(c, "\r\n");
    CutAndTrim(c, "%");
    CutAndTrim(c, "/");
    const std::size_t comma = c.find(',');
    if (comma != std::string::npos) c.resize(comma);
    if (c.empty() || !shortPath) return c;
    return shortPath(c);
}

std::string GetAssociatedProgram(std::string_view extension, const AssociationFacts& facts) {
    if (!facts.classesRootDefault) return {};
    const std::optional<std::string> type = facts.classesRootDefault("." + std::string(extension));
    if (!type || type->empty()) return {};
    const std::optional<std::string> command = facts.classesRootDefault(*type + "\\Shell\\Open\\Command");
    if (!command) return {};
    return ExtractProgramFromCommand(*command, facts.environment, facts.shortPath);
}

std::string FindProgramPath(std::string_view name, const ProgramSearchFacts& facts) {
    if (name.empty()) return {};
    const auto exists = [&](const std::string& path) { return AskOr(facts.fileExists, false, path); };
    std::string program(name);
    if (exists(program)) return program;
    if (!text::EndsWithIgnoringCase(program, ".exe")) program += ".exe";
    for (const std::string* folder : {&facts.windowsDirectory, &facts.systemDirectory}) {
        if (folder->empty()) continue;
        const std::string path = *folder + program;
        if (exists(path)) return path;
    }
    std::optional<std::string> registered =
        AskOr(facts.appPath, std::optional<std::string>(), program);
    if (!registered) return {};
    std::string path = *registered;
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
    if (!path.empty() && exists(path)) return path;
    return {};
}

StartupShow StartupShowForMode(std::int32_t showMode) {
    switch (showMode) {
        case 1: return {1, 0};  // SW_HIDE
        case 3: return {1, 2};  // SW_SHOWMINIMIZED
        case 4: return {1, 3};  // SW_SHOWMAXIMIZED
        case 5: return {1, 4};  // SW_SHOWNOACTIVATE
        case 6: return {1, 6};  // SW_MINIMIZE
        default: return {0, 1};  // SW_SHOWNORMAL, ignored without the flag
    }
}

LaunchPlan PlanLaunch(std::string_view target, std::string_view arguments, std::string_view workingDirectory,
                      std::int32_t showMode, const LaunchFacts& facts) {
    LaunchPlan plan;
    plan.show = StartupShowForMode(showMode);
    plan.workingDirectory = std::string(workingDirectory);
    const auto isDirectory = [&](const std::string& path) {
        return !path.empty() && AskOr(facts.isDirectory, false, path);
    };

    if (IsWebAddress(target)) {
        plan.kind = LaunchKind::ShellOpen;
        plan.address = std::string(target);
        return plan;
    }
    if (text::EndsWithIgnoringCase(target, ".url")) {
        plan.address = AskOr(facts.urlOfShortcut, std::string(), std::string(target));
        if (!plan.address.empty()) plan.kind = LaunchKind::ShellOpen;
        return plan;
    }

    std::string program(target);
    std::string document(arguments);
    if (text::EndsWithIgnoringCase(target, ".lnk")) {
        const LinkShortcut link = AskOr(facts.readLinkShortcut, LinkShortcut(), std::string(target));
        program = link.targetPath;
        document = link.arguments;
        if (isDirectory(program)) {
            document = program;
            program = "explorer.exe";
        }
    } else if (isDirectory(program)) {
        document = program;
        program = "explorer.exe";
    }
    if (program.empty()) return plan;

    const std::string associated = AskOr(facts.associatedProgram, std::string(), GetFileExtension(program));
    if (!associated.empty()) {
        plan.application = associated;
        plan.commandLine = "\"" + program + "\" \"" + program + "\"";
    } else {
        plan.application = AskOr(facts.findProgramPath, std::string(), program);
        if (!document.empty()) plan.commandLine = "%1 " + document;
    }
    if (plan.application.empty()) {
        plan.commandLine.clear();
        return plan;
    }
    plan.kind = LaunchKind::CreateProcess;
    if (plan.workingDirectory.empty()) {
        const std::size_t slash = plan.application.rfind('\\');
        if (slash != std::string::npos) plan.workingDirectory = plan.application.substr(0, slash + 1);
    }
    return plan;
}

}  // namespace win::core
