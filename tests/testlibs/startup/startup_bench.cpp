// The start-up benchmark: the program started as a whole process, as a user starts it,
// until its window is shown, populated and idle, against
// - the bare window (the same control table and window code, no load sequence),
// - the plain window (the same controls in plain Win32 calls: what any program with this
//   window pays), and
// - with 0, 1 000 and 10 000 personal extensions, against the four raw registry reads
//   per extension (RegGetValueW in one loop) on the same registry data, made twice: in this
//   process, and by the plain window where the program makes its own reads, in a process just
//   started, right after its window is made. Under Wine every read is a round trip to the
//   wine server, and on a busy machine those of a process that has just started can cost
//   several times what they cost in this one, which has run for a while (on one processor
//   they cost the same), so only the second is a like-for-like floor.
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

#include "raw_reads.h"

namespace {

using tzp_bench::Extension;
using tzp_bench::kFileExts;

constexpr wchar_t kWindowClass[] = L"TessalyControlPanel";
constexpr int kList1Id = 1201;
constexpr int kList3Id = 1203;
constexpr int kVideoExtensions = 46;
constexpr char kPersonalStep[] = "10 personal list";
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
    return tzp_bench::NowMs();
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

// The raw reads in the benchmark's own process, which has run for a while.
double RawReads(int count) {
    const double ms = tzp_bench::RawReads(count);
    if (ms < 0) {
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

// The raw reads of `count` extensions made by the plain window where the program makes its
// own: in a process just started, right after its window is made.
double RawReadsAtStartup(const Layout& layout, int count) {
    SetEnvironmentVariableW(L"TZP_RAW_READS", std::to_wstring(count).c_str());
    const Steps steps = StepTimes(layout, layout.plain, -1);
    SetEnvironmentVariableW(L"TZP_RAW_READS", nullptr);
    for (const auto& [step, ms] : steps) {
        if (step == "raw reads at start-up") {
            if (ms < 0) {
                Fail("the plain window's raw reads found nothing");
            }
            return ms;
        }
    }
    Fail("the plain window wrote no raw reads");
    return 0;
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
    std::vector<double> startRaw1000, startRaw10000;  // the raw reads in the plain window
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
        const double s1000 = RawReadsAtStartup(layout, 1000);
        const Start p10000 = StartProgram(layout.packs.at(10000), 10000);
        const double r10000 = RawReads(10000);
        const double s10000 = RawReadsAtStartup(layout, 10000);
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
        startRaw1000.push_back(s1000);
        startRaw10000.push_back(s10000);
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
            "(0 / 1000 / 10000), raw reads %.0f / %.0f ms, at start-up %.0f / %.0f ms\n",
            round, w.ms, b.ms, p0.ms, p1000.ms, p10000.ms, r1000, r10000, s1000, s10000);
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
    PrintTimes("raw reads at start-up, 1000", startRaw1000, "ms");
    PrintTimes("raw reads at start-up, 10000", startRaw10000, "ms");
    PrintTimes("peak working set, plain window", peakPlain, "MiB");
    PrintTimes("peak working set, bare window", peakBare, "MiB");
    PrintTimes("peak working set, program with 1000", peakProgram, "MiB");

    std::vector<double> startRatio, plainRatio, bareOverPlain, added1000, added10000, linear,
        rawLinear, memoryRatio, startAdded1000, startAdded10000, step1000, step10000;
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
        startAdded1000.push_back(cost1000 / startRaw1000[i]);
        startAdded10000.push_back(cost10000 / startRaw10000[i]);
        if (const auto& step = steps[1000][kPersonalStep]; i < step.size()) {
            step1000.push_back(step[i] / startRaw1000[i]);
        }
        if (const auto& step = steps[10000][kPersonalStep]; i < step.size()) {
            step10000.push_back(step[i] / startRaw10000[i]);
        }
    }
    std::printf("\nRatios (median of the rounds' ratios)\n");
    PrintRatio("start-up: program (0 personal) / bare window", startRatio, "<= 1.2");
    PrintRatio("start-up: program (0 personal) / plain window", plainRatio, "<= 1.2");
    PrintRatio("  (the bare window / plain window)", bareOverPlain, "none, the window code");
    PrintRatio("1000 personal: time added / raw reads", added1000, "<= 1.5");
    PrintRatio("10000 personal: time added / raw reads", added10000, "<= 1.5");
    PrintRatio("1000 personal: added / raw reads at start-up", startAdded1000, "<= 1.5");
    PrintRatio("10000 personal: added / raw reads at start-up", startAdded10000, "<= 1.5");
    PrintRatio("  (1000: step 10 / raw reads at start-up)", step1000, "none, no process noise");
    PrintRatio("  (10000: step 10 / raw reads at start-up)", step10000, "none, no process noise");
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
    std::printf("%-52s %6.2f\n", "1000 personal: added / raw reads at start-up",
                (least(program[1000]) - floor0) / least(startRaw1000));
    std::printf("%-52s %6.2f\n", "10000 personal: added / raw reads at start-up",
                (least(program[10000]) - floor0) / least(startRaw10000));
    std::printf("%-52s %6.2f\n", "linearity: time added by 10000 / by 1000",
                (least(program[10000]) - floor0) / (least(program[1000]) - floor0));

    PrintSteps(stepOrder, steps);
    return 0;
}
