/* The uninstall tool: resets the Winsock catalogue through the command interpreter, then deletes one registry value. */
/* Built without any C run-time library, so it needs nothing but kernel32.dll and advapi32.dll. */
#include <windows.h>

static const char kCommand[] = "netsh winsock reset";
static const char kSwitch[] = " /c ";
static const char kFallbackInterpreter[] = "cmd.exe";
static const char *const kExtensions[] = {".com", ".exe", ".bat", ".cmd"};
static const char kProxyKey[] = "Software\\Microsoft\\Proxy";
static const char kProxyValue[] = "procnamearray";

/* The compiler may emit calls to memset for zeroed structures; with no run-time library it must exist here. */
void *memset(void *destination, int value, size_t count)
{
    unsigned char *bytes = (unsigned char *)destination;
    while (count--)
        *bytes++ = (unsigned char)value;
    return destination;
}

static DWORD Length(const char *text)
{
    DWORD length = 0;
    while (text[length])
        ++length;
    return length;
}

static char *AllocateText(DWORD capacity)
{
    char *text = (char *)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, capacity);
    return text;
}

static void FreeText(char *text)
{
    if (text)
        HeapFree(GetProcessHeap(), 0, text);
}

/* Appends source to the text in destination; false when it would not fit in capacity bytes. */
static BOOL Append(char *destination, DWORD capacity, const char *source)
{
    DWORD at = Length(destination);
    DWORD length = Length(source);
    if (at + length + 1 > capacity)
        return FALSE;
    for (DWORD i = 0; i <= length; ++i)
        destination[at + i] = source[i];
    return TRUE;
}

/* The value of an environment variable as a new text, or NULL when it is not set. */
static char *ReadEnvironment(const char *name)
{
    DWORD size = GetEnvironmentVariableA(name, NULL, 0);
    if (size == 0)
        return GetLastError() == ERROR_ENVVAR_NOT_FOUND ? NULL : AllocateText(1);
    char *value = AllocateText(size + 1);
    if (value && GetEnvironmentVariableA(name, value, size + 1) >= size + 1)
        value[0] = 0;
    return value;
}

static BOOL Exists(const char *path)
{
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

typedef enum { kStarted, kNotFound, kFailed } StartResult;

/* Starts the interpreter file with the command line, sharing this console and handles, and waits for it. */
static StartResult StartAndWait(const char *file, const char *commandLine)
{
    DWORD length = Length(commandLine);
    char *line = AllocateText(length + 1);
    if (!line)
        return kFailed;
    Append(line, length + 1, commandLine);

    STARTUPINFOA startup;
    PROCESS_INFORMATION process;
    memset(&startup, 0, sizeof startup);
    memset(&process, 0, sizeof process);
    startup.cb = sizeof startup;
    BOOL created = CreateProcessA(file, line, NULL, NULL, TRUE, 0, NULL, NULL, &startup, &process);
    DWORD error = created ? 0 : GetLastError();
    FreeText(line);
    if (!created)
        return (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_ACCESS_DENIED)
                   ? kNotFound
                   : kFailed;

    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return kStarted;
}

/* Resolves COMSPEC's value to an existing file in resolved: a bare name is looked for in the current
   directory only, and a last component without "." gets the first of the four extensions that exists. */
static BOOL ResolveInterpreter(const char *value, char *resolved, DWORD capacity)
{
    BOOL bare = TRUE;
    const char *lastComponent = value;
    for (const char *at = value; *at; ++at) {
        if (*at == '\\' || *at == '/' || *at == ':') {
            bare = FALSE;
            lastComponent = at + 1;
        }
    }
    BOOL hasDot = FALSE;
    for (const char *at = lastComponent; *at; ++at)
        hasDot |= *at == '.';

    resolved[0] = 0;
    if (bare && !Append(resolved, capacity, ".\\"))
        return FALSE;
    if (!Append(resolved, capacity, value))
        return FALSE;
    if (hasDot)
        return Exists(resolved);

    DWORD stem = Length(resolved);
    for (int i = 0; i < 4; ++i) {
        resolved[stem] = 0;
        if (Append(resolved, capacity, kExtensions[i]) && Exists(resolved))
            return TRUE;
    }
    return FALSE;
}

/* The interpreter named by COMSPEC; kNotFound when COMSPEC is unset, empty, or names nothing that starts. */
static StartResult RunComspec(void)
{
    char *value = ReadEnvironment("COMSPEC");
    if (!value || !value[0]) {
        FreeText(value);
        return kNotFound;
    }
    DWORD capacity = Length(value) + 8;
    char *file = AllocateText(capacity);
    DWORD lineCapacity = Length(value) + sizeof kSwitch + sizeof kCommand;
    char *line = AllocateText(lineCapacity);
    StartResult result = kFailed;
    if (file && line) {
        Append(line, lineCapacity, value);
        Append(line, lineCapacity, kSwitch);
        Append(line, lineCapacity, kCommand);
        result = ResolveInterpreter(value, file, capacity) ? StartAndWait(file, line) : kNotFound;
    }
    FreeText(line);
    FreeText(file);
    FreeText(value);
    return result;
}

/* "cmd.exe" from the current directory, else from the first directory of PATH that holds it. */
static void RunFallbackInterpreter(void)
{
    static const char kLine[] = "cmd.exe /c netsh winsock reset";
    if (Exists(".\\cmd.exe")) {
        StartAndWait(".\\cmd.exe", kLine);
        return;
    }
    char *path = ReadEnvironment("PATH");
    if (!path)
        return;
    DWORD capacity = Length(path) + sizeof kFallbackInterpreter + 2;
    char *file = AllocateText(capacity);
    for (char *entry = path; file && *entry;) {
        char *end = entry;
        while (*end && *end != ';')
            ++end;
        char separator = *end;
        *end = 0;
        if (*entry) {
            file[0] = 0;
            Append(file, capacity, entry);
            char last = file[Length(file) - 1];
            if (last != '\\' && last != '/')
                Append(file, capacity, "\\");
            Append(file, capacity, kFallbackInterpreter);
            if (Exists(file)) {
                StartAndWait(file, kLine);
                break;
            }
        }
        entry = separator ? end + 1 : end;
    }
    FreeText(file);
    FreeText(path);
}

static void ResetWinsock(void)
{
    if (RunComspec() == kNotFound)
        RunFallbackInterpreter();
}

static void DeleteProxyValue(void)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kProxyKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(key, kProxyValue);
    RegCloseKey(key);
}

/* Entry point: arguments are ignored and the exit code is always 0. */
void __cdecl ToolMain(void)
{
    ResetWinsock();
    DeleteProxyValue();
    ExitProcess(0);
}
