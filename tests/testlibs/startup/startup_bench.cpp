// The start-up benchmark: the program started as a whole process, as a user starts it,
// until its window is shown, populated and idle, against
// - the bare window (the same control table and window code, no load sequence),
// - the plain window (the same controls in plain Win32 calls: what any program with this
//   window pays), and
// - with 0, 1 000 and 10 000 personal extensions, against the four raw registry reads
//   per extension (RegGetValueW in one loop) on the same registry data.
// One warm-up round, then rounds that alternate the order of the three windows; medians and the
// ratio of every round. Also prints the time of every start-up step, from the program's benchmark
// build (tzpcp_steps), and the peak working sets. Prints; asserts nothing.
//
// Run it in a Wine prefix of its own (tests/support/wine-run.sh): it writes the pack's
// registry values, 10 000 extensions' associations and registers the test filters.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kWindowClass[] = L"TessalyControlPanel";
constexpr wchar_t kFileExts[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";
constexpr int kList1Id = 1201;
constexpr int kList3Id = 1203;
constexpr int kVideoExtensions = 46;
const int kPersonalCounts[] = {0, 1000, 10000};

std::wstring Folder(const std::wstring& path) {
    return path.substr(0, path.find_last_of(L'\\'));
}

std::wstring OwnFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return Folder(path);
}

std::wstring SourceFile(const char* relative) {
    std::wstring path = L"Z:";
    for (const char* c = TZP_SOURCE_DIR; *c != '\0'; ++c) {
        path.push_back(*c == '/' ? L'\\' : static_cast<wchar_t>(*c));
    }
    for (const char* c = relative; *c != '\0'; ++c) {
        path.push_back(*c == '/' ? L'\\' : static_cast<wchar_t>(*c));
    }
    return path;
}

void Fail(const char* what) {
    std::fprintf(stderr, "startup bench: %s (error %lu)\n", what, GetLastError());
    std::exit(1);
}

void Copy(const std::wstring& from, const std::wstring& to) {
    if (!CopyFileW(from.c_str(), to.c_str(), FALSE)) {
        std::fprintf(stderr, "cannot copy %ls\n", from.c_str());
        Fail("copy");
    }
}

void WriteFile(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    if (file == INVALID_HANDLE_VALUE ||
        !::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
        Fail("write file");
    }
    CloseHandle(file);
}

void SetString(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value) {
    if (RegSetKeyValueW(root, key.c_str(), name, REG_SZ, value.c_str(),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) !=
        ERROR_SUCCESS) {
        Fail("registry write");
    }
}

std::wstring Extension(int i) {
    return L".tzpb" + std::to_wstring(i);
}

// Every path of the reading, in turn: no class key and no user choice; a class ProgID
// with a default verb; a user ProgID over a class one; a class ProgID without a default
// verb (so "open").
void WriteAssociation(int i) {
    const std::wstring ext = Extension(i);
    const std::wstring n = std::to_wstring(i);
    switch (i % 4) {
        case 0:
            break;
        case 1:
            SetString(HKEY_CLASSES_ROOT, ext, nullptr, L"TzpBench.Class" + n);
            SetString(HKEY_CLASSES_ROOT, L"TzpBench.Class" + n + L"\\shell", nullptr, L"play");
            SetString(HKEY_CLASSES_ROOT, L"TzpBench.Class" + n + L"\\shell\\play\\command", nullptr,
                      L"\"C:\\Program Files\\Bench Player\\bplayer.exe\" \"%1\"");
            break;
        case 2:
            SetString(HKEY_CLASSES_ROOT, ext, nullptr, L"TzpBench.Other" + n);
            SetString(HKEY_CURRENT_USER, kFileExts + ext, L"ProgId", L"TzpBench.User" + n);
            SetString(HKEY_CLASSES_ROOT, L"TzpBench.User" + n + L"\\shell", nullptr, L"open");
            SetString(HKEY_CLASSES_ROOT, L"TzpBench.User" + n + L"\\shell\\open\\command", nullptr,
                      L"C:\\Players\\USERPLAY.EXE /play %1");
            break;
        default:
            SetString(HKEY_CLASSES_ROOT, ext, nullptr, L"TzpBench.NoVerb" + n);
            SetString(HKEY_CLASSES_ROOT, L"TzpBench.NoVerb" + n + L"\\shell\\open\\command",
                      nullptr, L"wmplayer.exe /Open %1");
            break;
    }
}

void RegisterFilters(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) {
        Fail("no filter libraries");
    }
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            continue;
        }
        if (HMODULE library = LoadLibraryW((folder + L"\\" + found.cFileName).c_str())) {
            using Entry = HRESULT(WINAPI*)();
            if (auto entry = reinterpret_cast<Entry>(
                    reinterpret_cast<void*>(GetProcAddress(library, "DllRegisterServer")))) {
                entry();
            }
            FreeLibrary(library);
        }
    } while (FindNextFileW(find, &found));
    FindClose(find);
}

struct Layout {
    std::wstring bare;                  // the bare window's program
    std::wstring plain;                 // the plain window's program
    std::map<int, std::wstring> packs;  // personal extension count -> the program
    std::map<int, std::wstring> steps;  // the benchmark build, in the 1 000 and 10 000 packs
    std::wstring stepLog;
};

Layout LayOut() {
    const std::wstring build = Folder(Folder(OwnFolder()));
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring root = std::wstring(temp) + L"tzp startup bench";
    const std::wstring install = root + L"\\Install Dir";
    for (const auto& dir : {root, install, install + L"\\filtres", install + L"\\mpc",
                            root + L"\\bare", root + L"\\plain"}) {
        CreateDirectoryW(dir.c_str(), nullptr);
    }
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((build + L"\\testlibs\\filtres\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) {
        Fail("no testlibs\\filtres in the build");
    }
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            Copy(build + L"\\testlibs\\filtres\\" + found.cFileName,
                 install + L"\\filtres\\" + found.cFileName);
        }
    } while (FindNextFileW(find, &found));
    FindClose(find);
    Copy(build + L"\\testlibs\\player\\tzpplayer.exe", install + L"\\mpc\\mplayerc.exe");
    RegisterFilters(install + L"\\filtres");

    Layout layout;
    layout.bare = root + L"\\bare\\tzp_bare_window.exe";
    Copy(OwnFolder() + L"\\tzp_bare_window.exe", layout.bare);
    layout.plain = root + L"\\plain\\tzp_plain_window.exe";
    Copy(OwnFolder() + L"\\tzp_plain_window.exe", layout.plain);
    for (const int count : kPersonalCounts) {
        const std::wstring pack = root + L"\\pack" + std::to_wstring(count);
        for (const auto& dir : {pack, pack + L"\\Langs", pack + L"\\Settings", pack + L"\\Sav"}) {
            CreateDirectoryW(dir.c_str(), nullptr);
        }
        Copy(build + L"\\tzpcp.exe", pack + L"\\tzpcp.exe");
        Copy(SourceFile("/langs/en.ini"), pack + L"\\Langs\\en.ini");
        Copy(SourceFile("/langs/fr.ini"), pack + L"\\Langs\\fr.ini");
        WriteFile(pack + L"\\Sav\\Cinema.sav", "001=1\r\n");
        WriteFile(pack + L"\\Sav\\Music.sav", "001=0\r\n");
        std::string exts;
        for (int i = 0; i < count; ++i) {
            for (const wchar_t c : Extension(i)) {
                exts.push_back(static_cast<char>(c));
            }
            exts += "\r\n";
        }
        WriteFile(pack + L"\\Settings\\exts.ini", exts);
        layout.packs[count] = pack + L"\\tzpcp.exe";
    }
    for (const int count : {1000, 10000}) {
        layout.steps[count] = root + L"\\pack" + std::to_wstring(count) + L"\\tzpcp_steps.exe";
        Copy(OwnFolder() + L"\\tzpcp_steps.exe", layout.steps[count]);
    }
    layout.stepLog = root + L"\\steps.txt";

    SetString(HKEY_CURRENT_USER, L"SOFTWARE\\Tessaly Zivozod Pack", nullptr, install);
    SetString(HKEY_CURRENT_USER, L"SOFTWARE\\Tessaly Zivozod Pack", L"cpllang", L"en");
    const int most = *std::max_element(std::begin(kPersonalCounts), std::end(kPersonalCounts));
    for (int i = 0; i < most; ++i) {
        WriteAssociation(i);
    }
    return layout;
}

double Now() {
    static const double perMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / perMs;
}

struct ListCounts {
    HWND list1 = nullptr;
    HWND list3 = nullptr;
};

BOOL CALLBACK FindLists(HWND child, LPARAM param) {
    auto* lists = reinterpret_cast<ListCounts*>(param);
    const int id = GetDlgCtrlID(child);
    if (id == kList1Id) {
        lists->list1 = child;
    } else if (id == kList3Id) {
        lists->list3 = child;
    }
    return TRUE;
}

LRESULT Count(HWND list) {
    DWORD_PTR count = 0;
    SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_NORMAL, 10000, &count);
    return static_cast<LRESULT>(count);
}

struct Start {
    double ms = 0;
    double peakMiB = 0;
};

// From CreateProcess to a window that is shown and answers a message: the window is
// shown at the end of the load sequence, and answers once its message loop runs.
// `personal` < 0 for the bare and plain windows; else the lists must hold what was asked.
Start StartProgram(const std::wstring& program, int personal) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + program + L"\"";
    const double begin = Now();
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        Folder(program).c_str(), &startup, &process)) {
        Fail("CreateProcess");
    }
    HWND window = nullptr;
    for (;;) {
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) {
            Fail("the program ended during start-up");
        }
        window = FindWindowW(kWindowClass, nullptr);
        DWORD owner = 0;
        if (window != nullptr && GetWindowThreadProcessId(window, &owner) != 0 &&
            owner == process.dwProcessId && IsWindowVisible(window)) {
            break;
        }
        if (Now() - begin > 300000) {
            Fail("no window after five minutes");
        }
        Sleep(1);
    }
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, nullptr);
    Start result;
    result.ms = Now() - begin;

    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory)) {
        result.peakMiB = static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0);
    }
    if (personal >= 0) {
        ListCounts lists;
        EnumChildWindows(window, &FindLists, reinterpret_cast<LPARAM>(&lists));
        if (Count(lists.list1) != kVideoExtensions || Count(lists.list3) != personal) {
            std::fprintf(stderr, "List1 holds %ld, List3 %ld; expected %d and %d\n",
                         static_cast<long>(Count(lists.list1)),
                         static_cast<long>(Count(lists.list3)), kVideoExtensions, personal);
            Fail("the lists are not as expected");
        }
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 10000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

// One value: RegGetValueW opens, reads and closes. Missing gives "Erreur".
std::wstring RawRead(HKEY root, const std::wstring& key, const wchar_t* name) {
    wchar_t buffer[1024];
    DWORD size = sizeof buffer;
    if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer, &size) !=
        ERROR_SUCCESS) {
        return L"Erreur";
    }
    return buffer;
}

// The four reads of every extension, as the program makes them, and nothing else.
double RawReads(int count) {
    size_t sink = 0;
    const double begin = Now();
    for (int i = 0; i < count; ++i) {
        const std::wstring ext = Extension(i);
        const std::wstring classProgId = RawRead(HKEY_CLASSES_ROOT, ext, nullptr);
        const std::wstring userProgId = RawRead(HKEY_CURRENT_USER, kFileExts + ext, L"ProgId");
        const std::wstring& progId = userProgId != L"Erreur" ? userProgId : classProgId;
        std::wstring verb = RawRead(HKEY_CLASSES_ROOT, progId + L"\\shell", nullptr);
        if (verb == L"Erreur" || verb.empty()) {
            verb = L"open";
        }
        sink +=
            RawRead(HKEY_CLASSES_ROOT, progId + L"\\shell\\" + verb + L"\\command", nullptr).size();
    }
    const double ms = Now() - begin;
    if (sink == 0 && count > 0) {
        Fail("the raw reads found nothing");
    }
    return ms;
}

using Steps = std::vector<std::pair<std::string, double>>;  // in the order they ran

// The step times of one start of `program` (the benchmark build, or the plain window).
Steps StepTimes(const Layout& layout, const std::wstring& program, int personal) {
    DeleteFileW(layout.stepLog.c_str());
    SetEnvironmentVariableW(L"TZP_STEP_LOG", layout.stepLog.c_str());
    StartProgram(program, personal);
    SetEnvironmentVariableW(L"TZP_STEP_LOG", nullptr);
    Steps steps;
    FILE* in = _wfopen(layout.stepLog.c_str(), L"r");
    if (in == nullptr) {
        Fail("the benchmark build wrote no step times");
    }
    char line[256];
    while (std::fgets(line, sizeof line, in) != nullptr) {
        std::string text(line);
        const size_t tab = text.find('\t');
        if (tab != std::string::npos) {
            steps.emplace_back(text.substr(0, tab), std::atof(text.c_str() + tab + 1));
        }
    }
    std::fclose(in);
    return steps;
}

double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void PrintRatio(const char* what, const std::vector<double>& perRound, const char* goal) {
    std::printf("%-52s %6.2f  (goal %s; rounds:", what, Median(perRound), goal);
    for (const double r : perRound) {
        std::printf(" %.2f", r);
    }
    std::printf(")\n");
}

void PrintTimes(const char* what, const std::vector<double>& values, const char* unit) {
    std::printf("  %-38s median %9.1f %s  (", what, Median(values), unit);
    for (const double v : values) {
        std::printf(" %.1f", v);
    }
    std::printf(" )\n");
}

// In the order the program runs them; the plain window's time beside each step it has.
void PrintSteps(const std::vector<std::string>& order,
                std::map<int, std::map<std::string, std::vector<double>>>& steps) {
    std::printf("\nStart-up steps (median ms)%26s%14s%16s%14s\n", "", "1000 personal",
                "10000 personal", "plain window");
    for (const auto& step : order) {
        std::printf("  %-48s %12.2f %15.2f", step.c_str(), Median(steps[1000][step]),
                    Median(steps[10000][step]));
        if (const auto plain = steps[-1].find(step); plain != steps[-1].end()) {
            std::printf(" %13.2f", Median(plain->second));
        }
        std::printf("\n");
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int rounds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 7;
    std::printf("Start-up benchmark: laying out the packs and the registry data...\n");
    std::fflush(stdout);
    const Layout layout = LayOut();

    std::vector<double> bare, plain, peakBare, peakPlain, peakProgram, raw1000, raw10000;
    std::map<int, std::vector<double>> program;
    // personal extension count (-1: the plain window) -> step -> the rounds' times
    std::map<int, std::map<std::string, std::vector<double>>> steps;
    std::vector<std::string> stepOrder;
    for (int round = 0; round <= rounds; ++round) {
        const bool record = round > 0;  // round 0 is the warm-up
        // The three windows' order alternates, so that a drift of the machine favours none.
        Start b, w, p0;
        if (round % 2 == 0) {
            w = StartProgram(layout.plain, -1);
            b = StartProgram(layout.bare, -1);
            p0 = StartProgram(layout.packs.at(0), 0);
        } else {
            p0 = StartProgram(layout.packs.at(0), 0);
            b = StartProgram(layout.bare, -1);
            w = StartProgram(layout.plain, -1);
        }
        const Start p1000 = StartProgram(layout.packs.at(1000), 1000);
        const double r1000 = RawReads(1000);
        const Start p10000 = StartProgram(layout.packs.at(10000), 10000);
        const double r10000 = RawReads(10000);
        const Steps steps1000 = StepTimes(layout, layout.steps.at(1000), 1000);
        const Steps steps10000 = StepTimes(layout, layout.steps.at(10000), 10000);
        const Steps stepsPlain = StepTimes(layout, layout.plain, -1);
        if (!record) {
            continue;
        }
        bare.push_back(b.ms);
        plain.push_back(w.ms);
        peakPlain.push_back(w.peakMiB);
        program[0].push_back(p0.ms);
        program[1000].push_back(p1000.ms);
        program[10000].push_back(p10000.ms);
        raw1000.push_back(r1000);
        raw10000.push_back(r10000);
        peakBare.push_back(b.peakMiB);
        peakProgram.push_back(p1000.peakMiB);
        if (stepOrder.empty()) {
            for (const auto& step : steps1000) {
                stepOrder.push_back(step.first);
            }
        }
        for (const auto& [step, ms] : steps1000) {
            steps[1000][step].push_back(ms);
        }
        for (const auto& [step, ms] : stepsPlain) {
            steps[-1][step].push_back(ms);
        }
        for (const auto& [step, ms] : steps10000) {
            steps[10000][step].push_back(ms);
        }
        std::printf(
            "round %d: plain %.0f ms, bare %.0f ms, program %.0f / %.0f / %.0f ms "
            "(0 / 1000 / 10000), raw reads %.0f / %.0f ms\n",
            round, w.ms, b.ms, p0.ms, p1000.ms, p10000.ms, r1000, r10000);
        std::fflush(stdout);
    }

    std::printf("\nTimes (whole processes; raw reads: the loop alone), %d rounds\n", rounds);
    PrintTimes("plain window", plain, "ms");
    PrintTimes("bare window", bare, "ms");
    PrintTimes("program, 0 personal extensions", program[0], "ms");
    PrintTimes("program, 1000 personal extensions", program[1000], "ms");
    PrintTimes("program, 10000 personal extensions", program[10000], "ms");
    PrintTimes("raw reads, 1000 extensions", raw1000, "ms");
    PrintTimes("raw reads, 10000 extensions", raw10000, "ms");
    PrintTimes("peak working set, plain window", peakPlain, "MiB");
    PrintTimes("peak working set, bare window", peakBare, "MiB");
    PrintTimes("peak working set, program with 1000", peakProgram, "MiB");

    std::vector<double> startRatio, plainRatio, bareOverPlain, added1000, added10000, linear,
        rawLinear, memoryRatio;
    for (size_t i = 0; i < bare.size(); ++i) {
        startRatio.push_back(program[0][i] / bare[i]);
        plainRatio.push_back(program[0][i] / plain[i]);
        bareOverPlain.push_back(bare[i] / plain[i]);
        const double cost1000 = program[1000][i] - program[0][i];
        const double cost10000 = program[10000][i] - program[0][i];
        added1000.push_back(cost1000 / raw1000[i]);
        added10000.push_back(cost10000 / raw10000[i]);
        linear.push_back(cost10000 / cost1000);
        rawLinear.push_back(raw10000[i] / raw1000[i]);
        memoryRatio.push_back(peakProgram[i] / peakBare[i]);
    }
    std::printf("\nRatios (median of the rounds' ratios)\n");
    PrintRatio("start-up: program (0 personal) / bare window", startRatio, "<= 1.2");
    PrintRatio("start-up: program (0 personal) / plain window", plainRatio, "<= 1.2");
    PrintRatio("  (the bare window / plain window)", bareOverPlain, "none, the window code");
    PrintRatio("1000 personal: time added / raw reads", added1000, "<= 1.5");
    PrintRatio("10000 personal: time added / raw reads", added10000, "<= 1.5");
    PrintRatio("linearity: time added by 10000 / by 1000", linear, "<= 11");
    PrintRatio("  (the raw reads alone: 10000 / 1000)", rawLinear, "none, the system's own");
    PrintRatio("peak working set: program with 1000 / bare window", memoryRatio, "<= 1.15");

    // Other work on the machine only ever adds time, so the fastest start of each kind is
    // the one least disturbed; on a busy machine these say more than the medians.
    const auto least = [](const std::vector<double>& values) {
        return *std::min_element(values.begin(), values.end());
    };
    const double floor0 = least(program[0]);
    std::printf("\nRatios of the fastest runs (the least disturbed)\n");
    std::printf("%-52s %6.2f\n", "start-up: program (0 personal) / bare window",
                floor0 / least(bare));
    std::printf("%-52s %6.2f\n", "start-up: program (0 personal) / plain window",
                floor0 / least(plain));
    std::printf("%-52s %6.2f\n", "1000 personal: time added / raw reads",
                (least(program[1000]) - floor0) / least(raw1000));
    std::printf("%-52s %6.2f\n", "10000 personal: time added / raw reads",
                (least(program[10000]) - floor0) / least(raw10000));
    std::printf("%-52s %6.2f\n", "linearity: time added by 10000 / by 1000",
                (least(program[10000]) - floor0) / (least(program[1000]) - floor0));

    PrintSteps(stepOrder, steps);
    return 0;
}
