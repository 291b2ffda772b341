// The program's command line mode under Wine: the real program run as a deployment tool
// runs it, its output read from pipes and files, its exit code from the process.
#include <gtest/gtest.h>

#include <windows.h>
// After windows.h, which they need.
#include <xmllite.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <thread>
#include <variant>

#include "core/version.h"
#include "filters/catalogue.h"
#include "platform/text.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide.h"
#include "profiles/profile_files.h"
#include "profiles/profiles.h"
#include "support/gui_driver.h"
#include "support/real_panel.h"
#include "support/test_pack.h"

namespace tzp::testing {
namespace {

using platform::Narrow;
using platform::Widen;

struct Ran {
    DWORD exitCode = 0;
    std::string out;
    std::string err;
    std::vector<std::string> windows;  // classes of the top-level windows it had
};

std::string Drain(HANDLE pipe) {
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        text.append(buffer, read);
    }
    return text;
}

struct WindowSearch {
    DWORD processId;
    std::vector<std::string>* seen;
};

// Notes the class of every top-level window of the searched process, once. A callback of
// the system's: it carries the system's calling convention, which a lambda cannot (on
// i686 the two differ).
BOOL CALLBACK NoteWindowOf(HWND window, LPARAM parameter) {
    auto& s = *reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[256] = {};
    GetClassNameW(window, className, 256);
    const std::string name = Narrow(className);
    if (owner == s.processId && std::find(s.seen->begin(), s.seen->end(), name) == s.seen->end()) {
        s.seen->push_back(name);
    }
    return TRUE;
}

// Runs a command line with its standard output and error on pipes, as a deployment
// agent does, and watches for any window of the process while it runs.
Ran RunProcess(const std::string& commandLine) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    platform::UniqueHandleT outRead, outWrite, errRead, errWrite;
    EXPECT_TRUE(CreatePipe(outRead.out(), outWrite.out(), &inherit, 0));
    EXPECT_TRUE(CreatePipe(errRead.out(), errWrite.out(), &inherit, 0));
    SetHandleInformation(outRead.get(), HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errRead.get(), HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = outWrite.get();
    startup.hStdError = errWrite.get();
    PROCESS_INFORMATION process{};
    std::wstring line = Widen(commandLine);
    Ran ran;
    if (!StartProcess(line, nullptr, TRUE, 0, startup, process)) {
        ADD_FAILURE() << "could not start " << commandLine;
        return ran;
    }
    platform::UniqueHandleT processHandle(process.hProcess), thread(process.hThread);
    outWrite.reset();
    errWrite.reset();
    std::thread outReader([&] { ran.out = Drain(outRead.get()); });
    std::thread errReader([&] { ran.err = Drain(errRead.get()); });

    WindowSearch search{process.dwProcessId, &ran.windows};
    int waited = 0;
    while (WaitForSingleObject(processHandle.get(), 20) == WAIT_TIMEOUT) {
        EnumWindows(NoteWindowOf, reinterpret_cast<LPARAM>(&search));
        if ((waited += 20) > 120000) {
            ADD_FAILURE() << commandLine << " did not end";
            TerminateProcess(processHandle.get(), 99);
        }
    }
    GetExitCodeProcess(processHandle.get(), &ran.exitCode);
    outReader.join();
    errReader.join();
    return ran;
}

// Just enough JSON to check that the output is well formed and to read it back.
struct Json {
    std::variant<std::nullptr_t, bool, double, std::string, std::vector<Json>,
                 std::map<std::string, Json>>
        value;
    const Json& operator[](const std::string& key) const {
        return std::get<std::map<std::string, Json>>(value).at(key);
    }
    const std::vector<Json>& Items() const { return std::get<std::vector<Json>>(value); }
    const std::string& Text() const { return std::get<std::string>(value); }
};

class JsonReader {
  public:
    explicit JsonReader(std::string_view text) : text_(text) {}

    // nullopt unless the whole text is one JSON value.
    std::optional<Json> Document() {
        auto value = Value();
        Space();
        return value && at_ == text_.size() ? value : std::nullopt;
    }

  private:
    void Space() {
        while (at_ < text_.size() &&
               std::string_view(" \t\r\n").find(text_[at_]) != std::string_view::npos) {
            ++at_;
        }
    }
    bool Take(char c) {
        Space();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }
    bool Word(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) {
            return false;
        }
        at_ += word.size();
        return true;
    }
    std::optional<std::string> String() {
        if (!Take('"')) {
            return std::nullopt;
        }
        std::string out;
        while (at_ < text_.size() && text_[at_] != '"') {
            const char c = text_[at_++];
            if (static_cast<unsigned char>(c) < 0x20) {
                return std::nullopt;
            }
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at_ >= text_.size()) {
                return std::nullopt;
            }
            const char e = text_[at_++];
            const std::string_view simple = "\"\\/bfnrt";
            if (e == 'u' && at_ + 4 <= text_.size()) {
                const unsigned code = std::stoul(std::string(text_.substr(at_, 4)), nullptr, 16);
                at_ += 4;
                if (code >= 0x80) {
                    return std::nullopt;  // not needed here
                }
                out += static_cast<char>(code);
            } else if (simple.find(e) != std::string_view::npos) {
                out += std::string_view("\"\\/\b\f\n\r\t")[simple.find(e)];
            } else {
                return std::nullopt;
            }
        }
        return Take('"') ? std::optional(out) : std::nullopt;
    }
    std::optional<Json> Value() {
        Space();
        if (at_ >= text_.size()) {
            return std::nullopt;
        }
        const char c = text_[at_];
        if (c == '"') {
            auto s = String();
            return s ? std::optional(Json{*s}) : std::nullopt;
        }
        if (c == '{') {
            ++at_;
            std::map<std::string, Json> object;
            if (Take('}')) {
                return Json{object};
            }
            do {
                auto key = String();
                if (!key || !Take(':')) {
                    return std::nullopt;
                }
                auto value = Value();
                if (!value) {
                    return std::nullopt;
                }
                object[*key] = *value;
            } while (Take(','));
            return Take('}') ? std::optional(Json{object}) : std::nullopt;
        }
        if (c == '[') {
            ++at_;
            std::vector<Json> array;
            if (Take(']')) {
                return Json{array};
            }
            do {
                auto value = Value();
                if (!value) {
                    return std::nullopt;
                }
                array.push_back(*value);
            } while (Take(','));
            return Take(']') ? std::optional(Json{array}) : std::nullopt;
        }
        if (Word("true")) {
            return Json{true};
        }
        if (Word("false")) {
            return Json{false};
        }
        if (Word("null")) {
            return Json{nullptr};
        }
        return std::nullopt;  // numbers: the status has none
    }

    std::string_view text_;
    size_t at_ = 0;
};

struct XmlElement {
    std::string name;
    std::map<std::string, std::string> attributes;
    bool operator==(const XmlElement&) const = default;
};

// The elements of an XML document in their order, read by the system's own XML reader;
// nullopt when the document is not well formed.
std::optional<std::vector<XmlElement>> ParseXml(const std::string& bytes) {
    using CreateReader = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);
    using CreateStream = IStream*(WINAPI*)(const BYTE*, UINT);
    const auto createReader = reinterpret_cast<CreateReader>(reinterpret_cast<void (*)()>(
        GetProcAddress(LoadLibraryW(L"xmllite.dll"), "CreateXmlReader")));
    const auto createStream = reinterpret_cast<CreateStream>(reinterpret_cast<void (*)()>(
        GetProcAddress(LoadLibraryW(L"shlwapi.dll"), "SHCreateMemStream")));
    IXmlReader* reader = nullptr;
    if (createReader == nullptr || createStream == nullptr ||
        FAILED(createReader(__uuidof(IXmlReader), reinterpret_cast<void**>(&reader), nullptr))) {
        ADD_FAILURE() << "no XML reader";
        return std::nullopt;
    }
    IStream* stream =
        createStream(reinterpret_cast<const BYTE*>(bytes.data()), static_cast<UINT>(bytes.size()));
    reader->SetInput(stream);
    std::vector<XmlElement> elements;
    XmlNodeType type{};
    HRESULT result;
    while ((result = reader->Read(&type)) == S_OK) {
        if (type != XmlNodeType_Element) {
            continue;
        }
        const wchar_t* text = nullptr;
        reader->GetLocalName(&text, nullptr);
        XmlElement element{Narrow(text), {}};
        for (HRESULT at = reader->MoveToFirstAttribute(); at == S_OK;
             at = reader->MoveToNextAttribute()) {
            const wchar_t* value = nullptr;
            reader->GetLocalName(&text, nullptr);
            reader->GetValue(&value, nullptr);
            element.attributes[Narrow(text)] = Narrow(value);
        }
        elements.push_back(std::move(element));
    }
    reader->Release();
    stream->Release();
    return result == S_FALSE ? std::optional(elements) : std::nullopt;
}

void SetInprocServer(std::string_view clsid, const std::string& path) {
    const std::wstring key = L"CLSID\\{" + Widen(clsid) + L"}\\InprocServer32";
    const std::wstring data = Widen(path);
    RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, data.c_str(),
                    static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

// Whether the registry says what the start-up detection looks for: a class of the row
// registered to the pack's own copy of its library.
bool RegisteredToPack(const TestPack& pack, const filters::FilterRow& row) {
    for (const auto clsid : row.clsids) {
        const auto server = InprocServer(clsid);
        if (server && platform::EqualsNoCase(
                          *server, pack.InstallDir() + std::string(row.detectionLibrary))) {
            return true;
        }
    }
    return false;
}

void SetKeyDefault(const wchar_t* key, const std::string& value) {
    const std::wstring data = Widen(value);
    RegSetKeyValueW(HKEY_CLASSES_ROOT, key, nullptr, REG_SZ, data.c_str(),
                    static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

struct CommandMode : ::testing::Test {
    TestPack pack;
    void SetUp() override {
        pack.InstallProgram();
        ASSERT_EQ(pack.InstallFilterLibraries(), 18);
        pack.Register("en");
        UnregisterEveryFilter();
    }
    void TearDown() override {
        UnregisterEveryFilter();
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Quorel");
    }

    Ran Command(const std::string& arguments) {
        Ran ran = RunProcess("\"" + pack.ProgramPath() + "\" " + arguments);
        EXPECT_EQ(ran.windows, std::vector<std::string>{}) << "no window in command mode";
        return ran;
    }
    std::string Sav(const std::string& file) const { return pack.PackDir() + "\\Sav\\" + file; }
};

TEST_F(CommandMode, StatusJsonIsWellFormedAndAgreesWithTheRegistry) {
    // One class of FFDshow and one splitter member registered to the pack's copy, one
    // class of VSFilter to another copy.
    SetInprocServer(filters::Row("Check6").clsids[5], pack.InstallDir() + "filtres\\FFDSHOW.ax");
    SetInprocServer(filters::Row("Check4").clsids[0], pack.InstallDir() + "filtres\\avi.dll");
    SetInprocServer(filters::Row("Check10").clsids[0], "C:\\Elsewhere\\VSFilter.dll");
    ASSERT_TRUE(WriteBytes(Sav("Caf\xC3\xA9 1.sav"), "001 1\r\n"));

    const Ran ran = Command("/STATUS -json");
    EXPECT_EQ(ran.exitCode, 0u) << ran.err;
    EXPECT_EQ(ran.err, "");
    const auto json = JsonReader(ran.out).Document();
    ASSERT_TRUE(json) << ran.out;
    EXPECT_EQ((*json)["language"].Text(), "en");
    EXPECT_EQ((*json)["installationDirectory"].Text(), pack.InstallDir());
    EXPECT_EQ((*json)["profiles"].Items().size(), 1u);
    EXPECT_EQ((*json)["profiles"].Items()[0].Text(), "Caf\xC3\xA9 1");
    const auto& rows = (*json)["filters"].Items();
    ASSERT_EQ(rows.size(), 18u);
    int registered = 0;
    for (const auto& row : rows) {
        const auto& filter = filters::Row(row["box"].Text());
        EXPECT_EQ(row["library"].Text(), filter.library);
        EXPECT_EQ(row["name"].Text(), filter.displayName);
        const bool expected = filter.box == filters::kSplitterMaster
                                  ? RegisteredToPack(pack, filters::Row("Check4"))
                                  : RegisteredToPack(pack, filter);
        EXPECT_EQ(std::get<bool>(row["registered"].value), expected) << filter.box;
        registered += expected ? 1 : 0;
    }
    EXPECT_EQ(registered, 3) << "FFDshow, AVI Splitter and its master";
    // VSFilter's class names another copy, and /status names it.
    for (const auto& row : rows) {
        if (row["box"].Text() == "Check10") {
            EXPECT_EQ(row["registration"].Text(), "other");
            EXPECT_EQ(row["registeredTo"].Text(), "C:\\Elsewhere\\VSFilter.dll");
        } else if (row["box"].Text() == "Check6") {
            EXPECT_EQ(row["registration"].Text(), "partly");
            EXPECT_TRUE(std::holds_alternative<std::nullptr_t>(row["registeredTo"].value));
        }
    }
    EXPECT_EQ(rows[0]["version"].Text(), "1.3.4531.0");
    EXPECT_TRUE(std::holds_alternative<std::nullptr_t>((*json)["player"]["version"].value));

    const Ran plain = Command("/status");
    EXPECT_EQ(plain.exitCode, 0u);
    EXPECT_NE(
        plain.out.find("\r\n  FFDshow        filtres\\ffdshow.ax           registered"
                       "     version 1.3.4531.0    Partly registered to this copy: 1 of its "),
        std::string::npos)
        << plain.out;
}

TEST_F(CommandMode, StatusReadsTheRegistryViewOfThisProgramsBitness) {
    // VSFilter's class: another copy in this bitness's view, the pack's in the other one;
    // FFDshow's: the pack's copy in the other view alone.
    const std::string vsfilter = pack.InstallDir() + "filtres\\VSFilter.dll";
    ASSERT_TRUE(SetInprocServerIn(RegistryView::Own, filters::Row("Check10").clsids[0],
                                  "C:\\Elsewhere\\VSFilter.dll"));
    ASSERT_TRUE(
        SetInprocServerIn(RegistryView::Other, filters::Row("Check10").clsids[0], vsfilter));
    ASSERT_TRUE(SetInprocServerIn(RegistryView::Other, filters::Row("Check6").clsids[0],
                                  pack.InstallDir() + "filtres\\ffdshow.ax"));

    const Ran ran = Command("/status /json");
    EXPECT_EQ(ran.exitCode, 0u) << ran.err;
    const auto json = JsonReader(ran.out).Document();
    ASSERT_TRUE(json) << ran.out;
    for (const auto& row : (*json)["filters"].Items()) {
        if (row["box"].Text() == "Check10") {
            EXPECT_FALSE(std::get<bool>(row["registered"].value));
            EXPECT_EQ(row["registration"].Text(), "other");
            EXPECT_EQ(row["registeredTo"].Text(), "C:\\Elsewhere\\VSFilter.dll");
        } else if (row["box"].Text() == "Check6") {
            EXPECT_FALSE(std::get<bool>(row["registered"].value));
            EXPECT_EQ(row["registration"].Text(), "none");
        }
    }
}

// The version texts of the program's version resource ("FileVersion"...), its numeric
// file and product versions as "1.2.3.4", and its manifest.
struct ProgramResources {
    std::map<std::string, std::string> texts;
    std::string fileVersion, productVersion, manifest;
};

ProgramResources ReadProgramResources(const std::string& program) {
    ProgramResources read;
    const std::wstring path = Widen(program);
    std::vector<char> block(GetFileVersionInfoSizeW(path.c_str(), nullptr));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    if (block.empty() || !GetFileVersionInfoW(path.c_str(), 0, block.size(), block.data()) ||
        !VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &size)) {
        return read;
    }
    const auto quad = [](DWORD high, DWORD low) {
        return std::to_string(HIWORD(high)) + "." + std::to_string(LOWORD(high)) + "." +
               std::to_string(HIWORD(low)) + "." + std::to_string(LOWORD(low));
    };
    read.fileVersion = quad(fixed->dwFileVersionMS, fixed->dwFileVersionLS);
    read.productVersion = quad(fixed->dwProductVersionMS, fixed->dwProductVersionLS);
    for (const char* name : {"FileVersion", "ProductVersion", "FileDescription", "ProductName"}) {
        const std::wstring query = L"\\StringFileInfo\\040904B0\\" + Widen(name);
        wchar_t* text = nullptr;
        if (VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&text), &size)) {
            read.texts[name] = Narrow(std::wstring(text));
        }
    }
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC resource = module ? FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST) : nullptr;
    if (resource != nullptr) {
        const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, resource)));
        read.manifest.assign(bytes, SizeofResource(module, resource));
    }
    if (module != nullptr) {
        FreeLibrary(module);
    }
    return read;
}

TEST_F(CommandMode, OneVersionInTheFilePropertiesTheManifestTheUsageAndTheStatus) {
    const std::string version(ProgramVersion());
    std::string quad = version;
    while (std::count(quad.begin(), quad.end(), '.') < 3) {
        quad += ".0";
    }
    const ProgramResources resources = ReadProgramResources(pack.ProgramPath());
    EXPECT_EQ(resources.fileVersion, quad);
    EXPECT_EQ(resources.productVersion, quad);
    EXPECT_EQ(resources.texts.at("FileVersion"), version);
    EXPECT_EQ(resources.texts.at("ProductVersion"), version);
    EXPECT_EQ(resources.texts.at("FileDescription"), "Tessaly Zivozod Pack Control Panel");
    EXPECT_EQ(resources.texts.at("ProductName"), "Tessaly Zivozod Pack");
    EXPECT_NE(
        resources.manifest.find("name=\"Tessaly.Zivozod.ControlPanel\" version=\"" + quad + "\""),
        std::string::npos)
        << resources.manifest;
    // Windows 7, 8, 8.1, and 10 with 11: a version the manifest does not list runs the
    // program in a compatibility mode.
    for (const char* os :
         {"35138b9a-5d96-4fbd-8e2d-a2440225f93a", "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",
          "1f676c76-80e1-4239-95bb-83d0f6d0da78", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"}) {
        EXPECT_NE(resources.manifest.find("<supportedOS Id=\"{" + std::string(os) + "}\"/>"),
                  std::string::npos)
            << os;
    }

    const Ran usage = Command("/?");
    EXPECT_EQ(usage.out.rfind("Tessaly Zivozod Pack Control Panel " + version + "\r\nUsage:", 0),
              0u)
        << usage.out;
    const auto json = JsonReader(Command("/status /json").out).Document();
    ASSERT_TRUE(json);
    EXPECT_EQ((*json)["version"].Text(), version);
}

TEST_F(CommandMode, SaveWritesTheSameTwoFilesAsTheWindowsSave) {
    SetInprocServer(filters::Row("Check2").clsids[1], pack.InstallDir() + "filtres\\mkx.dll");
    SetInprocServer(filters::Row("Check17").clsids[0],
                    pack.InstallDir() + "filtres\\MpegSplitter.ax");
    const std::wstring quorel = L"Software\\Quorel";
    const std::wstring text = L"Vid\u00e9o";
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, quorel.c_str(), L"Name", REG_SZ, text.c_str(),
                              static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
    ASSERT_TRUE(WriteBytes(Sav("Both.sav"), "001 1\r\n"));
    ASSERT_TRUE(WriteBytes(Sav("Both.reg"), "REGEDIT4\r\n"));

    const Ran ran = Command("/save Both");
    EXPECT_EQ(ran.exitCode, 0u) << ran.err;
    EXPECT_EQ(ran.out, "The profile has been saved.\r\n");
    EXPECT_EQ(ran.err, "");

    RealPanel panel(pack.PackDir());
    panel.Start();
    panel.form->SetText("Combo1", "Window");
    panel.ui.answers = {platform::Answer::Yes};
    profiles::SaveProfile(panel.app);
    ASSERT_EQ(panel.ui.messages, std::vector<std::string>{"The profile has been saved."});

    const auto state = ReadBytes(Sav("Both.sav"));
    EXPECT_EQ(state, ReadBytes(Sav("Window.sav")));
    EXPECT_NE(state.value_or("").find("002 1\r\n"), std::string::npos);
    EXPECT_NE(state.value_or("").find("013 1\r\n"), std::string::npos);
    EXPECT_NE(state.value_or("").find("017 1\r\n"), std::string::npos);
    const auto registry = ReadBytes(Sav("Both.reg"));
    EXPECT_EQ(registry, ReadBytes(Sav("Window.reg")));
    EXPECT_NE(registry.value_or("").find("\"Name\"=\"Vid\xE9o\""), std::string::npos);
}

std::string StateFile(const std::map<std::string, int>& ticked) {
    std::string content;
    for (const char* id : {"001", "002", "003", "004", "005", "006", "009", "010", "011", "012",
                           "013", "014", "015", "016", "017", "018", "019", "020", "070"}) {
        content += std::string(id) + " " + std::to_string(ticked.count(id) ? 1 : 0) + "\r\n";
    }
    return content;
}

TEST_F(CommandMode, ApplyRegistersTheProfilesLibrariesAndImportsItsSettingsAwaited) {
    ASSERT_TRUE(WriteBytes(Sav("Office.sav"), StateFile({{"006", 1}, {"013", 1}, {"002", 1}})));
    ASSERT_TRUE(WriteBytes(Sav("Office.reg"),
                           "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Quorel]\r\n"
                           "\"Mode\"=\"office\"\r\n"));

    const Ran ran = Command("-Apply Office");
    EXPECT_EQ(ran.exitCode, 0u) << ran.out << ran.err;
    EXPECT_EQ(ran.err, "");
    EXPECT_TRUE(RegisteredToPack(pack, filters::Row("Check6")));
    EXPECT_TRUE(RegisteredToPack(pack, filters::Row("Check2")));
    EXPECT_FALSE(RegisteredToPack(pack, filters::Row("Check3")));
    EXPECT_NE(ran.out.find("  FFDshow        filtres\\ffdshow.ax           register    done        "
                           "changed\r\n"),
              std::string::npos)
        << ran.out;
    EXPECT_NE(ran.out.find("The filter settings have been applied.\r\n"), std::string::npos);
    wchar_t mode[64] = {};
    DWORD size = sizeof mode;
    EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\Quorel", L"Mode", RRF_RT_REG_SZ, nullptr,
                           mode, &size),
              ERROR_SUCCESS)
        << "the import was awaited";
    EXPECT_EQ(Narrow(mode), "office");

    // One library that fails, and the output redirected to a file from a command prompt.
    ASSERT_TRUE(CopyOneFile(BuildPath("testlibs/variants/failing/RealMediaSplitter.ax"),
                            pack.InstallDir() + "filtres\\RealMediaSplitter.ax"));
    ASSERT_TRUE(WriteBytes(Sav("Office.sav"), StateFile({{"006", 1}, {"009", 1}})));
    const std::string log = pack.PackDir() + "\\log.txt";
    const Ran failed =
        RunProcess("cmd.exe /c \"\"" + pack.ProgramPath() + "\" /apply Office > \"" + log + "\"\"");
    EXPECT_EQ(failed.exitCode, 1u) << failed.out << failed.err;
    const std::string written = ReadBytes(log).value_or("");
    EXPECT_NE(written.find("  RealSplitter   filtres\\RealMediaSplitter.ax register    "
                           "the library reported the failure 0x"),
              std::string::npos)
        << written;
    EXPECT_NE(written.find("  FFDshow        filtres\\ffdshow.ax           register    done"),
              std::string::npos);
    EXPECT_EQ(written.find("The filter settings have been applied."), std::string::npos);
}

TEST_F(CommandMode, ApplyWithALibraryThatCrashesNamesItAndRunsTheRest) {
    ASSERT_TRUE(CopyOneFile(BuildPath("testlibs/variants/nullwrite/VSFilter.dll"),
                            pack.InstallDir() + "filtres\\VSFilter.dll"));
    ASSERT_TRUE(WriteBytes(Sav("Office.sav"), StateFile({{"006", 1}, {"010", 1}})));
    ASSERT_TRUE(WriteBytes(Sav("Office.reg"), "REGEDIT4\r\n"));
    const Ran ran = Command("/apply Office");
    EXPECT_EQ(ran.exitCode, 1u) << ran.out << ran.err;
    EXPECT_NE(ran.out.find("  VSFilter       filtres\\VSFilter.dll         register    "
                           "the library crashed with the code 0xC0000005"),
              std::string::npos)
        << ran.out;
    EXPECT_NE(ran.out.find("  FFDshow        filtres\\ffdshow.ax           register    done"),
              std::string::npos)
        << ran.out;
    EXPECT_TRUE(RegisteredToPack(pack, filters::Row("Check6")));
    EXPECT_FALSE(RegisteredToPack(pack, filters::Row("Check10")));
}

TEST_F(CommandMode, WrongUsageAndAMissingProfileSayWhyWithTheirExitCodes) {
    const Ran wrong = Command("/apply");
    EXPECT_EQ(wrong.exitCode, 2u);
    EXPECT_NE(wrong.err.find("A profile name must follow /apply.\r\nUsage:"), std::string::npos)
        << wrong.err;
    const Ran missing = Command("/apply \"No such\"");
    EXPECT_EQ(missing.exitCode, 3u);
    EXPECT_NE(missing.err.find("There is no profile with this name."), std::string::npos)
        << missing.err;
}

// The commands of the README's deployment examples for fleet tools, as they are written
// there: the command line each tool hands to the system, from the program's quoted path
// to its last argument.
std::vector<std::string> ReadmeFleetCommands() {
    const std::string readme = ReadBytes(SourcePath("README.md")).value_or("");
    const size_t start = readme.find("### Fleet compliance");
    if (start == std::string::npos) {
        return {};
    }
    const std::string section = readme.substr(start, readme.find("\n## ", start) - start);
    std::vector<std::string> commands;
    for (const auto& line : platform::SplitLines(platform::ReplaceAll(section, "\n", "\r"))) {
        const size_t program = line.find("tzpcp.exe\"");
        if (program == std::string::npos) {
            continue;
        }
        const size_t from = line.rfind('"', program);
        const size_t to = std::min(line.find('\'', program), line.find(" |", program));
        commands.push_back(line.substr(from, to == std::string::npos ? to : to - from));
    }
    return commands;
}

struct Timed {
    Ran ran;
    double ms;
};

Timed RunTimed(const std::string& commandLine) {
    const auto begin = std::chrono::steady_clock::now();
    Ran ran = RunProcess(commandLine);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - begin;
    std::printf("[ TIME     ] %.0f ms: %s\n", took.count(), commandLine.c_str());
    return {std::move(ran), took.count()};
}

std::vector<std::string> LibraryLines(const std::string& out) {
    std::vector<std::string> lines;
    for (const auto& line : platform::SplitLines(out)) {
        if (line.starts_with("  ")) {
            lines.push_back(line);
        }
    }
    return lines;
}

// What an association in the window leaves in the registry, exported for DISM: a file
// that the system's XML reader reads, with the name from the language file escaped.
TEST_F(CommandMode, ExportAssociationsWritesAWellFormedFileOfTheAssociatedExtensions) {
    const std::string lang = pack.PackDir() + "\\Langs\\en.ini";
    std::string texts = ReadBytes(lang).value_or("");
    const size_t line = texts.find("\r\n152=");
    ASSERT_NE(line, std::string::npos);
    texts.replace(line, texts.find("\r\n", line + 2) - line, "\r\n152=%1 & \"Friends\" <Test>");
    ASSERT_TRUE(WriteBytes(lang, texts));
    ScratchDir scratch;
    const std::string player = scratch.Path() + "\\tplayer.exe";
    ASSERT_TRUE(CopyOneFile(BuildPath("testlibs/player/tzpplayer.exe"), player));
    ASSERT_TRUE(WriteBytes(pack.PackDir() + "\\Settings\\exts.ini", ".tzpx\r\n.tzpy\r\n.tzpz\r\n"));
    SetKeyDefault(L".tzpy", "TzpTest.Y");
    SetKeyDefault(L"TzpTest.Y\\shell\\open\\command", R"("C:\windows\notepad.exe" "%1")");
    {
        RealPanel panel(pack.PackDir());
        panel.ui.unscriptedAnswer = platform::Answer::Yes;
        panel.Start();
        panel.ui.chosenFiles.push_back(player);
        panel.form->Click("Command7");
        panel.form->SetTicked("List3", 0, true);
        panel.form->SetTicked("List3", 1, true);
        panel.form->Click("Command6");
    }

    const std::string file = scratch.Path() + "\\default associations.xml";
    const Ran ran = Command("/export-associations \"" + file + "\"");
    EXPECT_EQ(ran.exitCode, 0u) << ran.err;
    EXPECT_EQ(ran.out, "The default associations have been written to " + file + ".\r\n");
    const auto elements = ParseXml(ReadBytes(file).value_or(""));
    ASSERT_TRUE(elements) << ReadBytes(file).value_or("<no file>");
    const std::string name = "tplayer & \"Friends\" <Test>";
    const std::vector<XmlElement> expected = {
        {"DefaultAssociations", {}},
        {"Association",
         {{"Identifier", ".tzpx"},
          {"ProgId", "TessalyZivozodPack.tzpx"},
          {"ApplicationName", name}}},
        {"Association",
         {{"Identifier", ".tzpy"}, {"ProgId", "TzpTest.Y"}, {"ApplicationName", name}}},
    };
    EXPECT_EQ(*elements, expected);
    // The reader does refuse what the escaping guards against.
    EXPECT_FALSE(ParseXml("<a b=\"Q&A\"/>"));
    EXPECT_FALSE(ParseXml("<a b=\"<\"/>"));

    for (const wchar_t* key :
         {L".tzpx", L".tzpy", L".tzpz", L"TzpTest.Y", L"TessalyZivozodPack.tzpx"}) {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, key);
    }
    RegDeleteKeyExW(HKEY_LOCAL_MACHINE,
                    L"SOFTWARE\\Tessaly Zivozod Pack\\Capabilities\\FileAssociations",
                    KEY_WOW64_64KEY, 0);
    RegDeleteKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Tessaly Zivozod Pack\\Capabilities",
                    KEY_WOW64_64KEY, 0);
    platform::UniqueKey registered;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\RegisteredApplications", 0,
                      KEY_SET_VALUE | KEY_WOW64_64KEY, registered.out()) == ERROR_SUCCESS) {
        RegDeleteValueW(registered.get(), L"Tessaly Zivozod Pack");
    }
}

TEST_F(CommandMode, FleetToolsApplyOnlyWhatDrifted) {
    const auto commands = ReadmeFleetCommands();
    ASSERT_EQ(commands.size(), 6u) << "two commands for each of the three tools";
    const std::string readmeDir = "C:\\Program Files (x86)\\Tessaly Zivozod Pack";
    // Each tool runs the same two commands.
    std::string check, apply;
    for (const auto& command : commands) {
        std::string& kind = command.find(" /check ") != std::string::npos ? check : apply;
        EXPECT_TRUE(kind.empty() || kind == command) << command;
        kind = command;
    }
    check = platform::ReplaceAll(check, readmeDir, pack.PackDir());
    apply = platform::ReplaceAll(apply, readmeDir, pack.PackDir());
    ASSERT_NE(check.find(pack.ProgramPath() + "\" /check Office"), std::string::npos) << check;
    ASSERT_NE(apply.find(pack.ProgramPath() + "\" /apply Office"), std::string::npos) << apply;

    // FFDshow and Ac3filter registered, a setting under each of the twelve keys.
    for (const char* box : {"Check6", "Check11"}) {
        for (const auto clsid : filters::Row(box).clsids) {
            SetInprocServer(clsid, pack.InstallDir() + std::string(filters::Row(box).library));
        }
    }
    for (const std::string key : profiles::kProfileKeys) {
        const bool user = key.starts_with("HKEY_CURRENT_USER\\");
        const std::wstring below = Widen(key.substr(key.find('\\') + 1));
        const DWORD level = 3;
        ASSERT_EQ(RegSetKeyValueW(user ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE, below.c_str(),
                                  L"Level", REG_DWORD, &level, sizeof level),
                  ERROR_SUCCESS);
    }
    const std::wstring office = L"office";
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Quorel", L"Mode", REG_SZ,
                              office.c_str(), sizeof(L"office")),
              ERROR_SUCCESS);
    ASSERT_EQ(Command("/save Office").exitCode, 0u);
    Timed matches = RunTimed(check);
    EXPECT_EQ(matches.ran.exitCode, 0u) << matches.ran.out << matches.ran.err;
    EXPECT_EQ(matches.ran.out, "The PC matches the profile Office.\r\n");

    // Ac3filter unticked and applied from the window, one setting changed with reg.
    {
        GuiApp app(pack.ProgramPath());
        ASSERT_TRUE(app.Started());
        ASSERT_EQ(app.Check(1011), 1);
        app.Click(1011);
        ASSERT_TRUE(WaitUntil([&] { return app.Check(1011) == 0; }));
        app.Click(1103);
        EXPECT_EQ(app.AnswerMessageBox(IDYES), "Apply the filter settings now?");
        EXPECT_EQ(app.AnswerMessageBox(IDOK, 30000), "The filter settings have been applied.");
        app.RequestClose();
        EXPECT_TRUE(app.WaitForExit());
    }
    EXPECT_EQ(RunProcess("reg.exe add HKCU\\Software\\Quorel /v Mode /d home /f").exitCode, 0u);

    const Timed differs = RunTimed(check);
    EXPECT_EQ(differs.ran.exitCode, 1u) << differs.ran.err;
    EXPECT_EQ(differs.ran.out,
              "The PC differs from the profile Office:\r\n"
              "  Ac3filter.ax   filtres\\ac3filter.ax         wanted: registered, found: not "
              "registered\r\n"
              "  HKEY_CURRENT_USER\\Software\\Quorel  Mode  wanted: REG_SZ office, found: REG_SZ "
              "home\r\n");
    const Ran json = RunProcess(check + " /json");
    EXPECT_EQ(json.exitCode, 1u);
    const auto document = JsonReader(json.out).Document();
    ASSERT_TRUE(document) << json.out;
    EXPECT_FALSE(std::get<bool>((*document)["matches"].value));
    ASSERT_EQ((*document)["filters"].Items().size(), 1u);
    EXPECT_EQ((*document)["filters"].Items()[0]["box"].Text(), "Check11");
    EXPECT_EQ((*document)["filters"].Items()[0]["wanted"].Text(), "registered");
    EXPECT_EQ((*document)["filters"].Items()[0]["found"].Text(), "none");
    ASSERT_EQ((*document)["settings"].Items().size(), 1u);
    EXPECT_EQ((*document)["settings"].Items()[0]["name"].Text(), "Mode");
    EXPECT_EQ((*document)["settings"].Items()[0]["wanted"].Text(), "REG_SZ office");
    EXPECT_EQ((*document)["settings"].Items()[0]["found"].Text(), "REG_SZ home");

    const Ran applied = RunProcess(apply);
    EXPECT_EQ(applied.exitCode, 0u) << applied.out << applied.err;
    const auto lines = LibraryLines(applied.out);
    ASSERT_EQ(lines.size(), 18u) << applied.out;
    for (const auto& line : lines) {
        const bool ac3filter = line.starts_with("  Ac3filter.ax ");
        EXPECT_TRUE(line.ends_with(ac3filter ? "done        changed" : "done        unchanged"))
            << line;
    }
    EXPECT_NE(applied.out.find("imported; the registry differed from them: changed.\r\n"),
              std::string::npos)
        << applied.out;
    EXPECT_EQ(applied.out.find("Nothing changed"), std::string::npos);

    EXPECT_EQ(RunTimed(check).ran.exitCode, 0u);
    const Ran again = RunProcess(apply);
    EXPECT_EQ(again.exitCode, 0u) << again.err;
    EXPECT_TRUE(
        again.out.ends_with("The filter settings have been applied.\r\n"
                            "Nothing changed: the PC already matched the profile.\r\n"))
        << again.out;
    const Ran againJson = RunProcess(apply + " /json");
    const auto report = JsonReader(againJson.out).Document();
    ASSERT_TRUE(report) << againJson.out;
    EXPECT_FALSE(std::get<bool>((*report)["changed"].value));
    EXPECT_EQ((*report)["libraries"].Items().size(), 18u);
    RunTimed("\"" + pack.ProgramPath() + "\" /status");

    for (const std::string key : profiles::kProfileKeys) {
        const bool user = key.starts_with("HKEY_CURRENT_USER\\");
        RegDeleteTreeW(user ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE,
                       Widen(key.substr(key.find('\\') + 1)).c_str());
    }
}

}  // namespace
}  // namespace tzp::testing
