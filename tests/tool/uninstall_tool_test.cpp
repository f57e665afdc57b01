// The uninstall tool run directly: how it finds the interpreter, what it deletes, and its exit code.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "test_files.h"
#include "test_process.h"
#include "test_system.h"

namespace {

std::string Tool() { return ToWindowsPath(QORVEL_TOOL_X64); }

// A folder where the tool runs, with fake interpreters where a case wants them.
struct Scene {
    std::string folder = MakeScratchFolder("tool");
    std::string pathFolder = MakeScratchFolder("tool path");
    std::string log = folder + "\\interpreter.log";
    std::string netshLog = folder + "\\netsh.log";

    void PlaceInterpreter(const std::string& path) const {
        ASSERT_TRUE(CopyFileA(Fixture("fake_interpreter.exe").c_str(), path.c_str(), FALSE)) << path;
    }
};

struct InterpreterCase {
    const char* name;
    // Prepares the scene and returns the COMSPEC value (nullopt: unset) and the program expected.
    std::function<std::pair<std::optional<std::string>, std::string>(const Scene&)> prepare;
    std::function<std::string(const Scene&)> expectedCommandLine;
    const char* arguments;
};

const InterpreterCase kInterpreterCases[] = {
    {"unset, cmd.exe in the current folder",
     [](const Scene& s) {
         s.PlaceInterpreter(s.folder + "\\cmd.exe");
         s.PlaceInterpreter(s.pathFolder + "\\cmd.exe");
         return std::make_pair(std::optional<std::string>(), s.folder + "\\cmd.exe");
     },
     [](const Scene&) { return std::string("cmd.exe /c netsh winsock reset"); }, ""},
    {"unset, cmd.exe along PATH",
     [](const Scene& s) {
         s.PlaceInterpreter(s.pathFolder + "\\cmd.exe");
         return std::make_pair(std::optional<std::string>(), s.pathFolder + "\\cmd.exe");
     },
     [](const Scene&) { return std::string("cmd.exe /c netsh winsock reset"); }, ""},
    {"naming a missing file",
     [](const Scene& s) {
         s.PlaceInterpreter(s.pathFolder + "\\cmd.exe");
         return std::make_pair(std::optional<std::string>(s.folder + "\\missing.exe"), s.pathFolder + "\\cmd.exe");
     },
     [](const Scene&) { return std::string("cmd.exe /c netsh winsock reset"); }, ""},
    {"a path with blanks, passed unquoted",
     [](const Scene& s) {
         std::string shell = s.pathFolder + "\\my shell.exe";
         s.PlaceInterpreter(shell);
         return std::make_pair(std::optional<std::string>(shell), shell);
     },
     [](const Scene& s) { return s.pathFolder + "\\my shell.exe /c netsh winsock reset"; }, ""},
    {"a bare name found in the current folder only",
     [](const Scene& s) {
         s.PlaceInterpreter(s.folder + "\\myshell.exe");
         return std::make_pair(std::optional<std::string>("myshell.exe"), s.folder + "\\myshell.exe");
     },
     [](const Scene&) { return std::string("myshell.exe /c netsh winsock reset"); }, ""},
    {"a name without extension: .com before .exe",
     [](const Scene& s) {
         s.PlaceInterpreter(s.pathFolder + "\\shell.exe");
         s.PlaceInterpreter(s.pathFolder + "\\shell.com");
         return std::make_pair(std::optional<std::string>(s.pathFolder + "\\shell"), s.pathFolder + "\\shell.com");
     },
     [](const Scene& s) { return s.pathFolder + "\\shell /c netsh winsock reset"; }, ""},
    {"set but empty falls back to cmd.exe",
     [](const Scene& s) {
         s.PlaceInterpreter(s.folder + "\\cmd.exe");
         return std::make_pair(std::optional<std::string>(""), s.folder + "\\cmd.exe");
     },
     [](const Scene&) { return std::string("cmd.exe /c netsh winsock reset"); }, ""},
    {"arguments are ignored",
     [](const Scene& s) {
         s.PlaceInterpreter(s.folder + "\\cmd.exe");
         return std::make_pair(std::optional<std::string>(), s.folder + "\\cmd.exe");
     },
     [](const Scene&) { return std::string("cmd.exe /c netsh winsock reset"); }, "/? --help x"},
};

TEST(UninstallTool, FindsTheInterpreterAsTheRunTimeLibraryWould) {
    for (const InterpreterCase& test : kInterpreterCases) {
        SCOPED_TRACE(test.name);
        Scene scene;
        auto [comspec, program] = test.prepare(scene);
        EnvironmentChanges environment = {{"COMSPEC", comspec},
                                          {"PATH", scene.folder + "\\absent;" + scene.pathFolder},
                                          {"QORVEL_INTERPRETER_LOG", scene.log}};
        std::string line = "\"" + Tool() + "\"" + (*test.arguments ? std::string(" ") + test.arguments : "");
        EXPECT_EQ(RunToEnd(line, scene.folder, environment), 0u);
        std::string report = ReadWholeFile(scene.log);
        EXPECT_STRCASEEQ(ReportValue(report, "program").c_str(), program.c_str());
        EXPECT_EQ(ReportValue(report, "command line"), test.expectedCommandLine(scene));
    }
}

TEST(UninstallTool, RunsNetshThroughTheRealInterpreter) {
    Scene scene;
    ASSERT_TRUE(CopyFileA(Fixture("netsh.exe").c_str(), (scene.pathFolder + "\\netsh.exe").c_str(), FALSE));
    char system[MAX_PATH] = "";
    GetSystemDirectoryA(system, MAX_PATH);
    EnvironmentChanges environment = {{"COMSPEC", std::string(system) + "\\cmd.exe"},
                                      {"PATH", scene.pathFolder + ";" + system},
                                      {"QORVEL_NETSH_LOG", scene.netshLog}};
    EXPECT_EQ(RunToEnd("\"" + Tool() + "\"", scene.folder, environment), 0u);
    EXPECT_EQ(ReadWholeFile(scene.netshLog), "winsock reset\n");
}

struct RegistryCase {
    const char* name;
    std::function<void()> prepare;
    bool keptAfter;  // the other value is still there
};

TEST(UninstallTool, DeletesOnlyProcnamearrayAndAlwaysExitsWithZero) {
    const RegistryCase cases[] = {
        {"the key is missing", [] { DeleteProxyKey(); }, false},
        {"the value is missing", [] {
             DeleteProxyKey();
             SetProxyValue("keepme");
         }, true},
        {"the value beside another", [] {
             DeleteProxyKey();
             SetProxyValue("keepme");
             SetProxyValue("procnamearray");
         }, true},
    };
    for (const RegistryCase& test : cases) {
        SCOPED_TRACE(test.name);
        test.prepare();
        Scene scene;
        scene.PlaceInterpreter(scene.folder + "\\cmd.exe");
        EnvironmentChanges environment = {{"COMSPEC", std::nullopt}, {"QORVEL_INTERPRETER_LOG", scene.log}};
        EXPECT_EQ(RunToEnd("\"" + Tool() + "\"", scene.folder, environment), 0u);
        EXPECT_FALSE(ProxyValueExists("procnamearray"));
        EXPECT_EQ(ProxyValueExists("keepme"), test.keptAfter);
    }
    DeleteProxyKey();
}

TEST(UninstallTool, NoInterpreterAnywhereStillDeletesAndExitsWithZero) {
    DeleteProxyKey();
    SetProxyValue("procnamearray");
    Scene scene;
    EnvironmentChanges environment = {{"COMSPEC", scene.folder + "\\missing.exe"}, {"PATH", scene.pathFolder}};
    EXPECT_EQ(RunToEnd("\"" + Tool() + "\"", scene.folder, environment), 0u);
    EXPECT_FALSE(ProxyValueExists("procnamearray"));
    DeleteProxyKey();
}

}  // namespace
