// The plain floor of the start-up benchmark: what any program with this window pays at
// the least. Plain Win32 calls and nothing of the program's own code: one top-level
// window with the program's class name, title and manifest, the same 110 child controls
// of the same system classes with the program's control IDs and design positions, one
// dialog font, the tab strip's three tabs, the video and audio lists holding their 74
// catalogue entries as constant text and the combo box the benchmark pack's two
// profiles; then shown, and idle. Frames are group boxes and the pictures that hold
// other controls are static boxes: the system's own classes for what the program draws
// itself.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>

#include "raw_reads.h"

namespace {

enum class P {
    TabStrip,
    Frame,
    Picture,
    Icon,
    Label,
    CentredLabel,
    Link,
    Button,
    CheckBox,
    TextBox,
    ComboBox,
    ListBox,
    FileList
};

struct Row {
    P kind;
    int id;
    int parent;                    // index of the containing row, -1 for the window
    int left, top, width, height;  // twips, relative to the parent
    const wchar_t* caption;
};

// clang-format off
constexpr Row kRows[] = {
    {P::TabStrip, 3101, -1, 120, 120, 7695, 6975, L""},  // TabStrip1
    {P::Frame, 3002, -1, 120, 7200, 7695, 820, L""},  // Frame2
    {P::Frame, 3201, -1, 240, 480, 7455, 6375, L""},  // filtersframe
    {P::Frame, 3006, -1, 360, 720, 3975, 5535, L"Filtres configurables"},  // Frame6
    {P::Picture, 1510, 3, 120, 240, 3705, 1305, L""},  // Picture10
    {P::Icon, 1517, 4, 0, 0, 540, 540, L""},  // Picture17
    {P::CheckBox, 1006, 4, 600, 120, 3015, 255, L"FFDshow"},  // Check6
    {P::Icon, 1507, 4, 120, 480, 480, 480, L""},  // Picture7
    {P::Icon, 1508, 4, 840, 480, 480, 480, L""},  // Picture8
    {P::Icon, 1509, 4, 1560, 480, 480, 480, L""},  // Picture9
    {P::Icon, 1503, 4, 2280, 480, 480, 480, L""},  // Picture3
    {P::Icon, 1526, 4, 3000, 480, 480, 480, L""},  // Picture26
    {P::CentredLabel, 2555, 4, 0, 1000, 720, 255, L"Video"},  // Label555
    {P::CentredLabel, 2005, 4, 720, 1000, 720, 255, L"Audio"},  // Label5
    {P::CentredLabel, 2055, 4, 1440, 1000, 720, 255, L"VFW"},  // Label55
    {P::CentredLabel, 2018, 4, 2160, 1000, 720, 255, L"DXVA"},  // Label18
    {P::CentredLabel, 2019, 4, 2880, 1000, 825, 255, L"MakeAvis"},  // Label19
    {P::Picture, 1512, 3, 120, 1600, 3705, 540, L""},  // Picture12
    {P::Icon, 1505, 17, 0, 0, 540, 540, L""},  // Picture5
    {P::CheckBox, 1011, 17, 520, 120, 3015, 255, L"Ac3filter.ax"},  // Check11
    {P::Picture, 1513, 3, 120, 2200, 3705, 540, L""},  // Picture13
    {P::Icon, 1504, 20, 0, 0, 540, 540, L""},  // Picture4
    {P::CheckBox, 1010, 20, 520, 120, 3015, 255, L"VSFilter"},  // Check10
    {P::Picture, 1514, 3, 120, 2800, 3705, 540, L""},  // Picture14
    {P::Icon, 1524, 23, 0, 0, 540, 540, L""},  // Picture24
    {P::CheckBox, 1009, 23, 520, 120, 3015, 255, L"RealSplitter"},  // Check9
    {P::Picture, 1515, 3, 120, 3400, 3705, 540, L""},  // Picture15
    {P::Icon, 1502, 26, 0, 0, 540, 540, L""},  // Picture2
    {P::CheckBox, 1012, 26, 520, 120, 3015, 255, L"VP7dec"},  // Check12
    {P::Picture, 1516, 3, 120, 4000, 3705, 1380, L""},  // Picture16
    {P::Icon, 1506, 29, 0, 0, 540, 540, L""},  // Picture6
    {P::CheckBox, 1013, 29, 520, 120, 3015, 255, L"Norvi Splitter"},  // Check13
    {P::CheckBox, 1003, 29, 960, 480, 1215, 255, L"OGM Splitter"},  // Check3
    {P::CheckBox, 1001, 29, 960, 720, 1215, 255, L"MP4 Splitter"},  // Check1
    {P::CheckBox, 1002, 29, 960, 960, 1215, 255, L"MKV Splitter"},  // Check2
    {P::CheckBox, 1004, 29, 2325, 720, 1215, 255, L"AVI Splitter"},  // Check4
    {P::CheckBox, 1005, 29, 2325, 960, 1215, 255, L"TS Splitter"},  // Check5
    {P::Frame, 3005, -1, 4440, 720, 3135, 3375, L"Filtres simples"},  // Frame5
    {P::Picture, 1521, 37, 120, 260, 2865, 540, L""},  // Picture21
    {P::CheckBox, 1017, 38, 120, 120, 2655, 255, L"MpegSplit"},  // Check17
    {P::Picture, 1523, 37, 120, 860, 2865, 540, L""},  // Picture23
    {P::CheckBox, 1015, 40, 120, 120, 2655, 255, L"FLVSplitter"},  // Check15
    {P::Picture, 1525, 37, 120, 1455, 2865, 540, L""},  // Picture25
    {P::CheckBox, 1018, 42, 120, 120, 2655, 255, L"RLAPEDec"},  // Check18
    {P::Picture, 1527, 37, 120, 2040, 2865, 540, L""},  // Picture27
    {P::CheckBox, 1019, 44, 120, 120, 2655, 255, L"RLMPCDec"},  // Check19
    {P::Picture, 1528, 37, 120, 2640, 2865, 540, L""},  // Picture28
    {P::CheckBox, 1020, 46, 120, 120, 2655, 255, L"RLOFRDec"},  // Check20
    {P::Frame, 3013, -1, 4440, 5500, 3135, 735, L"Lecteur"},  // Frame13
    {P::Icon, 1518, 48, 60, 200, 460, 450, L""},  // Picture18
    {P::Label, 2001, 48, 615, 345, 2250, 255, L"MPCHC"},  // Label1
    {P::Frame, 3007, -1, 360, 6240, 7215, 495, L""},  // Frame7
    {P::CentredLabel, 2016, 51, 120, 195, 6975, 195, L"Cocher un filtre pour l'activer, cliquer sur l'icone d'un filtre configurable pour le configurer."},  // Label16
    {P::ComboBox, 1401, -1, 240, 7520, 2295, 315, L""},  // Combo1
    {P::Button, 1101, -1, 2640, 7520, 1455, 315, L"Charger"},  // Command1
    {P::Button, 1102, -1, 4320, 7520, 1575, 315, L"Sauvegarder"},  // Command2
    {P::Button, 1103, -1, 6120, 7520, 1575, 315, L"Appliquer"},  // Command3
    {P::Frame, 3202, -1, 11640, 6240, 7455, 6375, L""},  // assocframe
    {P::Frame, 3008, -1, 8760, 1200, 2175, 4095, L"Video"},  // Frame8
    {P::ListBox, 1201, 58, 120, 240, 1935, 3660, L""},  // List1
    {P::Frame, 3009, -1, 11280, 1560, 2175, 4095, L"Audio"},  // Frame9
    {P::ListBox, 1202, 60, 120, 240, 1935, 3660, L""},  // List2
    {P::Frame, 3011, -1, 13560, 1560, 2175, 4095, L"Personnelles"},  // Frame11
    {P::ListBox, 1203, 62, 120, 240, 1935, 3660, L""},  // List3
    {P::Frame, 3010, -1, 8400, 6480, 7215, 1815, L"Association"},  // Frame10
    {P::TextBox, 1301, 64, 6600, 240, 495, 285, L""},  // Text1
    {P::TextBox, 1302, 64, 6600, 600, 495, 285, L""},  // Text2
    {P::TextBox, 1303, 64, 3600, 1320, 3495, 285, L""},  // Text3
    {P::Button, 1104, -1, 480, 9600, 6255, 285, L"Ajouter l'extension suivante \u00E0 la liste des extensions personnelles"},  // Command4
    {P::Button, 1105, -1, 480, 11040, 6255, 285, L"Retirer l'extension suivante \u00E0 la liste des extensions personnelles"},  // Command5
    {P::Button, 1107, -1, 480, 10680, 3375, 285, L"Choisir le programme \u00E0 associer"},  // Command7
    {P::Button, 1106, -1, 240, 8520, 7335, 405, L"Associer toutes les extensions coch\u00E9es au programme choisit"},  // Command6
    {P::Frame, 3203, -1, 17520, 9480, 7455, 6375, L""},  // aboutframe
    {P::Frame, 3001, 72, 120, 120, 7215, 1280, L""},  // Frame1
    {P::Frame, 3003, 72, 120, 1440, 7215, 4815, L""},  // Frame3
    {P::Picture, 1520, 74, 120, 360, 3255, 4215, L""},  // Picture20
    {P::Label, 2003, 74, 3480, 360, 3615, 240, L"Tessaly Zivozod Pack"},  // Label3
    {P::Label, 2012, 74, 3480, 600, 3615, 480, L"-"},  // Label12
    {P::Label, 2017, 74, 3480, 1320, 3615, 240, L"-"},  // Label17
    {P::Link, 2004, 74, 3480, 1560, 3615, 240, L"Filtres Quorel officiels"},  // Label4
    {P::Link, 2006, 74, 3480, 1800, 3615, 240, L"Filtres Quorel Home Cin\u00E9ma (non officiels)"},  // Label6
    {P::Link, 2007, 74, 3480, 2040, 3615, 240, L"Filtres AC3 officiels"},  // Label7
    {P::Link, 2008, 74, 3480, 2280, 3615, 240, L"Filtres On2 officiels (VP7)"},  // Label8
    {P::Link, 2009, 74, 3480, 2520, 3615, 240, L"Filtres Norvi officiels"},  // Label9
    {P::Link, 2010, 74, 3480, 2760, 3615, 240, L"Filtres FFdshow officiels et non officiels"},  // Label10
    {P::Link, 2011, 74, 3480, 3000, 3615, 240, L"Filtres Radlight officiels"},  // Label11
    {P::Label, 2015, 74, 3480, 3840, 3615, 240, L"-"},  // Label15
    {P::Link, 2013, 74, 3480, 4080, 3615, 240, L"Filtres Quicktime Alternative"},  // Label13
    {P::Link, 2014, 74, 3480, 4320, 3615, 240, L"Filtres Real Alternative"},  // Label14
    {P::Button, 1108, -1, 480, 10320, 6975, 405, L"Visiter le site officiel du Tessaly Zivozod Pack"},  // Command8
    {P::Button, 1109, -1, 480, 9000, 6975, 405, L"verif version"},  // Command9
    {P::Button, 1110, -1, 240, 11760, 7455, 405, L"donation"},  // Command10
    {P::TextBox, 3205, -1, 12000, 0, 1215, 285, L""},  // langg
    {P::TextBox, 3206, -1, 12000, 300, 1215, 285, L""},  // errr
    {P::Frame, 3004, -1, 12000, 600, 2415, 975, L"Reglages"},  // Frame4
    {P::TextBox, 3204, 94, 120, 240, 2175, 285, L""},  // filterpath
    {P::TextBox, 3207, 94, 120, 600, 2175, 285, L""},  // asss
    {P::CheckBox, 3208, -1, 12000, 1680, 1215, 255, L"ischange"},  // ischange
    {P::Frame, 3012, -1, 12000, 2040, 1455, 615, L""},  // Frame12
    {P::CheckBox, 3209, 98, 120, 240, 1215, 255, L"tt"},  // tt
    {P::FileList, 3211, -1, 12000, 2760, 1455, 1035, L""},  // File1
    {P::CheckBox, 1014, -1, 12000, 3900, 1215, 255, L"Check7"},  // Check14
    {P::Picture, 1511, -1, 12000, 4260, 2865, 540, L""},  // Picture11
    {P::CheckBox, 1016, 102, 120, 120, 2655, 255, L"Mpeg2Dec"},  // Check16
    {P::Picture, 1501, -1, 12000, 4920, 3705, 540, L""},  // Picture1
    {P::Icon, 1522, 104, 0, 0, 540, 540, L""},  // Picture22
    {P::CheckBox, 1070, 104, 520, 120, 3015, 255, L"MadVr"},  // Check70
    {P::Frame, 3210, -1, 12000, 12000, 7695, 8055, L""},  // wf
    {P::Picture, 1519, 107, 2040, 1440, 3615, 3615, L""},  // Picture19
    {P::CentredLabel, 2002, 107, 120, 5400, 7455, 1200, L"Merci de patienter"},  // Label2
};
// clang-format on

constexpr const wchar_t* kVideo[] = {
    L".mpg", L".mpeg", L".mpe",  L".mv1", L".mv2", L".m1v",  L".m2v",  L".mpv2", L".mp2v", L".dat",
    L".ts",  L".tp",   L".tpr",  L".pva", L".fli", L".flic", L".flc",  L".rm",   L".rmvb", L".rpm",
    L".rv",  L".rp",   L".smil", L".smi", L".mov", L".qt",   L".swf",  L".flv",  L".avi",  L".ogm",
    L".mkv", L".vob",  L".ifo",  L".ivf", L".mp4", L".3gp",  L".divx", L".vp6",  L".vp7",  L".roq",
    L".smk", L".bik",  L".wmv",  L".wmp", L".wm",  L".asf",
};
constexpr const wchar_t* kAudio[] = {
    L".m4a", L".aif", L".aifc", L".aiff", L".mpa", L".mp2", L".m1a", L".m2a",  L".mid", L".midi",
    L".rmi", L".wav", L".cda",  L".ac3",  L".dts", L".mka", L".mp3", L".mp4",  L".aac", L".ogg",
    L".ra",  L".ram", L".wma",  L".mpc",  L".ape", L".ofr", L".ofs", L".flac",
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;

struct Native {
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
};

Native NativeOf(P kind) {
    switch (kind) {
        case P::TabStrip:
            return {WC_TABCONTROLW, kChild | WS_TABSTOP, 0};
        case P::Frame:
            return {L"BUTTON", kChild | BS_GROUPBOX, WS_EX_CONTROLPARENT};
        case P::Picture:
            return {L"STATIC", kChild, WS_EX_CONTROLPARENT};
        case P::Icon:
        case P::Link:
        case P::Button:
            return {L"BUTTON", kChild | BS_PUSHBUTTON | WS_TABSTOP, 0};
        case P::Label:
            return {L"STATIC", kChild | SS_NOTIFY | SS_NOPREFIX, 0};
        case P::CentredLabel:
            return {L"STATIC", kChild | SS_NOTIFY | SS_NOPREFIX | SS_CENTER, 0};
        case P::CheckBox:
            return {L"BUTTON", kChild | BS_3STATE | WS_TABSTOP, 0};
        case P::TextBox:
            return {L"EDIT", kChild | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case P::ComboBox:
            return {L"COMBOBOX", kChild | CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP,
                    0};
        case P::ListBox:
            return {L"LISTBOX",
                    kChild | LBS_HASSTRINGS | LBS_MULTIPLESEL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                        WS_VSCROLL | WS_TABSTOP,
                    WS_EX_CLIENTEDGE};
        case P::FileList:
            return {L"LISTBOX", kChild | LBS_HASSTRINGS | LBS_SORT, WS_EX_CLIENTEDGE};
    }
    return {L"STATIC", kChild, 0};
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Fill(HWND list, const wchar_t* const* extensions, int count) {
    for (int i = 0; i < count; ++i) {
        wchar_t entry[32];
        wsprintfW(entry, L"%s (none)", extensions[i]);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    }
}

void CreateControls(HWND window, HINSTANCE instance, int dpi, HFONT font) {
    constexpr int kRowCount = static_cast<int>(sizeof kRows / sizeof kRows[0]);
    HWND made[kRowCount] = {};
    for (int i = 0; i < kRowCount; ++i) {
        const Row& row = kRows[i];
        const Native native = NativeOf(row.kind);
        const int height = row.kind == P::ComboBox ? row.height * 10 : row.height;
        HWND hwnd = CreateWindowExW(
            native.exStyle, native.windowClass, row.caption, native.style,
            MulDiv(row.left, dpi, 1440), MulDiv(row.top, dpi, 1440), MulDiv(row.width, dpi, 1440),
            MulDiv(height, dpi, 1440), row.parent < 0 ? window : made[row.parent],
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance, nullptr);
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        made[i] = hwnd;
        if (row.kind == P::TabStrip) {
            for (const wchar_t* tab : {L"Filtres", L"Associations", L"A propos"}) {
                TCITEMW item{};
                item.mask = TCIF_TEXT;
                item.pszText = const_cast<wchar_t*>(tab);
                TabCtrl_InsertItem(hwnd, TabCtrl_GetItemCount(hwnd), &item);
            }
        } else if (row.id == 1201) {
            Fill(hwnd, kVideo, static_cast<int>(sizeof kVideo / sizeof kVideo[0]));
        } else if (row.id == 1202) {
            Fill(hwnd, kAudio, static_cast<int>(sizeof kAudio / sizeof kAudio[0]));
        } else if (row.id == 1401) {
            for (const wchar_t* profile : {L"Cinema", L"Music"}) {
                SendMessageW(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(profile));
            }
        }
    }
}

// The times of the steps the program also marks, for the benchmark's table: written only
// when the benchmark names a file for them, after the window is shown.
class Marks {
  public:
    Marks() : last_(Now()) {
        FILETIME created{}, exited{}, kernel{}, user{}, now{};
        GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
        GetSystemTimePreciseAsFileTime(&now);
        Add("0 process start to wWinMain", static_cast<double>(Ticks(now) - Ticks(created)) / 1e4);
    }
    void Done(const char* step) {
        const double now = Now();
        Add(step, now - last_);
        last_ = now;
    }
    // A time measured apart, which the next step's time leaves out.
    void Measured(const char* step, double ms) {
        Add(step, ms);
        last_ = Now();
    }
    void Write() const {
        wchar_t path[MAX_PATH] = {};
        if (GetEnvironmentVariableW(L"TZP_STEP_LOG", path, MAX_PATH) == 0) {
            return;
        }
        if (FILE* out = _wfopen(path, L"w")) {
            for (int i = 0; i < count_; ++i) {
                std::fprintf(out, "%s\t%.3f\n", steps_[i], ms_[i]);
            }
            std::fclose(out);
        }
    }

  private:
    static ULONGLONG Ticks(const FILETIME& t) {
        return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    }
    static double Now() {
        LARGE_INTEGER frequency, counter;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&counter);
        return static_cast<double>(counter.QuadPart) * 1000.0 /
               static_cast<double>(frequency.QuadPart);
    }
    void Add(const char* step, double ms) {
        steps_[count_] = step;
        ms_[count_++] = ms;
    }
    double last_;
    const char* steps_[5] = {};
    double ms_[5] = {};
    int count_ = 0;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    Marks marks;
    InitCommonControlsEx(&controls);
    marks.Done("common controls");
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"TessalyControlPanel";
    RegisterClassExW(&windowClass);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    HWND window =
        CreateWindowExW(0, L"TessalyControlPanel", L"Tessaly Zivozod Pack Control Panel",
                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                        CW_USEDEFAULT, CW_USEDEFAULT, MulDiv(8025, dpi, 1440),
                        MulDiv(8600, dpi, 1440), nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    HFONT font = CreateFontW(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             CLEARTYPE_QUALITY, DEFAULT_PITCH, L"MS Shell Dlg 2");
    CreateControls(window, instance, dpi, font);
    marks.Done("window and its controls");
    // Asked for by the benchmark: the personal extensions' raw reads where the program makes
    // its own, in a process just started whose window was just made. The benchmark's own
    // process, which has run for a while, may read faster, so only this is like for like.
    wchar_t rawCount[16] = {};
    if (GetEnvironmentVariableW(L"TZP_RAW_READS", rawCount, 16) != 0) {
        marks.Measured("raw reads at start-up", tzp_bench::RawReads(_wtoi(rawCount)));
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    marks.Done("window shown");
    marks.Write();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    DeleteObject(font);
    return static_cast<int>(message.wParam);
}
