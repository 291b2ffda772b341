#include "platform/win32/registration_host_win32.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/win32/files_win32.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/random_win32.h"
#include "platform/win32/token_user_win32.h"

namespace tzp::platform {

namespace {

// 128 random bits: another user can neither create the coming name first (the host
// could then not start) nor wait for it.
bool NewPipeName(std::wstring& name) {
    std::wstring digits;
    if (!RandomDigits(16, digits)) {
        return false;
    }
    name = L"\\\\.\\pipe\\tzpcp-host-" + digits;
    return true;
}

// Access for this program's own user and nobody else, who owns it too: the default list
// lets every user read, and administrators and the system account have no business
// with the channel either.
class OwnUserOnly {
  public:
    OwnUserOnly() : user_(ReadTokenUser()) {
        if (!user_) {
            return;
        }
        const PSID sid = TokenUserSid(user_);
        const DWORD aclSize = sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) + GetLengthSid(sid);
        acl_.resize(aclSize);
        const auto acl = reinterpret_cast<PACL>(acl_.data());
        ready_ =
            InitializeAcl(acl, aclSize, ACL_REVISION) &&
            AddAccessAllowedAce(acl, ACL_REVISION, FILE_GENERIC_READ | FILE_GENERIC_WRITE, sid) &&
            InitializeSecurityDescriptor(&descriptor_, SECURITY_DESCRIPTOR_REVISION) &&
            SetSecurityDescriptorOwner(&descriptor_, sid, FALSE) &&
            SetSecurityDescriptorDacl(&descriptor_, TRUE, acl, FALSE);
        attributes_ = {sizeof attributes_, &descriptor_, FALSE};
    }
    OwnUserOnly(const OwnUserOnly&) = delete;
    OwnUserOnly& operator=(const OwnUserOnly&) = delete;
    SECURITY_ATTRIBUTES* get() { return ready_ ? &attributes_ : nullptr; }

  private:
    std::unique_ptr<BYTE[]> user_;
    // Allocated, so aligned as the list needs.
    std::vector<unsigned char> acl_;
    SECURITY_DESCRIPTOR descriptor_{};
    SECURITY_ATTRIBUTES attributes_{};
    bool ready_ = false;
};

// A job that ends its processes once its last handle is closed: at the end of the pass,
// and when this process ends however it ends.
UniqueHandleT NewJobThatEndsItsProcesses() {
    UniqueHandleT job(CreateJobObjectW(nullptr, nullptr));
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!job || !SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits,
                                         sizeof limits)) {
        return UniqueHandleT();
    }
    return job;
}

// The system error an exception code stands for, 0 for an exit code a program chose.
uint32_t SystemErrorOf(uint32_t code) {
    if ((code & 0xC0000000u) != 0xC0000000u) {
        return 0;
    }
    using Convert = ULONG(WINAPI*)(LONG);
    const auto convert = reinterpret_cast<Convert>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlNtStatusToDosError")));
    const ULONG error = convert != nullptr ? convert(static_cast<LONG>(code)) : 0;
    return error == ERROR_MR_MID_NOT_FOUND ? 0 : error;
}

// The host's end of the pipe, inherited by the host and by nothing else started meanwhile.
struct HandleList {
    std::vector<char> storage;
    LPPROC_THREAD_ATTRIBUTE_LIST list = nullptr;
    HANDLE inherited;

    explicit HandleList(HANDLE handle) : inherited(handle) {
        SIZE_T size = 0;
        InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
        storage.resize(size);
        list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(storage.data());
        if (!InitializeProcThreadAttributeList(list, 1, 0, &size) ||
            !UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, &inherited,
                                       sizeof inherited, nullptr, nullptr)) {
            list = nullptr;
        }
    }
    ~HandleList() {
        if (list != nullptr) {
            DeleteProcThreadAttributeList(list);
        }
    }
    HandleList(const HandleList&) = delete;
    HandleList& operator=(const HandleList&) = delete;
};

}  // namespace

Status OpenHostChannel(HostChannel& channel) {
    std::wstring name;
    OwnUserOnly access;
    if (!NewPipeName(name) || access.get() == nullptr) {
        return Status::Fail(GetLastError());
    }
    // The first instance or nothing, and the only one: a pipe of that name made by
    // anybody else is never joined.
    channel.ours.reset(CreateNamedPipeW(
        name.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
        PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1, 4096, 4096,
        0, access.get()));
    if (!channel.ours) {
        return Status::Fail(GetLastError());
    }
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    channel.hostEnd.reset(CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, &inheritable,
                                      OPEN_EXISTING, 0, nullptr));
    if (!channel.hostEnd) {
        const DWORD error = GetLastError();
        channel.ours.reset();
        return Status::Fail(error);
    }
    return Status::Ok();
}

Win32RegistrationHost::Win32RegistrationHost(std::wstring program) : program_(std::move(program)) {}

Win32RegistrationHost::~Win32RegistrationHost() {
    EndHosts();
}

Status Win32RegistrationHost::Start() {
    if (pipe_) {
        return Status::Ok();
    }
    HostChannel channel;
    if (const Status opened = OpenHostChannel(channel); !opened.ok()) {
        return opened;
    }
    if (!job_) {
        job_ = NewJobThatEndsItsProcesses();
        if (!job_) {
            return Status::Fail(GetLastError());
        }
    }
    if (const Status started = StartHost(channel.hostEnd.get()); !started.ok()) {
        return started;
    }
    pipe_ = std::move(channel.ours);
    pending_.Clear();
    if (!readDone_) {
        readDone_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    }
    return Status::Ok();
}

// The host is started suspended and runs only once it is in the pass's job, so that
// nothing it starts can escape the job either.
Status Win32RegistrationHost::StartHost(HANDLE hostEnd) {
    HandleList handles(hostEnd);
    if (handles.list == nullptr) {
        return Status::Fail(GetLastError());
    }
    const std::wstring program = program_.empty() ? OwnProgramPath() : program_;
    std::wstring commandLine = L"\"" + program + L"\" " + kRegistrationHostArgument + L" " +
                               std::to_wstring(reinterpret_cast<uintptr_t>(hostEnd));
    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof startup;
    // No standard handles at all: the pipe is the host's only way out.
    startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.StartupInfo.wShowWindow = SW_HIDE;
    startup.lpAttributeList = handles.list;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                        EXTENDED_STARTUPINFO_PRESENT | CREATE_NO_WINDOW | CREATE_SUSPENDED, nullptr,
                        nullptr, &startup.StartupInfo, &started)) {
        return Status::Fail(GetLastError());
    }
    UniqueHandleT thread(started.hThread);
    UniqueHandleT process(started.hProcess);
    if (!AssignProcessToJobObject(job_.get(), process.get())) {
        const DWORD error = GetLastError();
        TerminateProcess(process.get(), error);
        return Status::Fail(error);
    }
    if (ResumeThread(thread.get()) == static_cast<DWORD>(-1)) {
        const DWORD error = GetLastError();
        TerminateProcess(process.get(), error);
        return Status::Fail(error);
    }
    process_ = std::move(process);
    processId_ = started.dwProcessId;
    return Status::Ok();
}

bool Win32RegistrationHost::Send(const std::string& line) {
    const std::string bytes = line + "\n";
    OVERLAPPED overlapped{};
    overlapped.hEvent = readDone_.get();
    DWORD written = 0;
    if (!WriteFile(pipe_.get(), bytes.data(), static_cast<DWORD>(bytes.size()), nullptr,
                   &overlapped) &&
        GetLastError() != ERROR_IO_PENDING) {
        return false;
    }
    return GetOverlappedResult(pipe_.get(), &overlapped, &written, TRUE) && written == bytes.size();
}

HostAnswer Win32RegistrationHost::Ended() {
    HostAnswer answer;
    answer.kind = HostAnswer::Kind::Ended;
    // The pipe breaks as the process ends; its exit code is there a moment later.
    WaitForSingleObject(process_.get(), 5000);
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    answer.code = code;
    answer.systemError = SystemErrorOf(code);
    Finish();
    return answer;
}

// One read of what the host sends, while the window is kept painted and the user's
// input to it dropped, as during the in-process wait.
Win32RegistrationHost::Read Win32RegistrationHost::ReadSome(ULONGLONG deadline) {
    char buffer[4096];
    OVERLAPPED overlapped{};
    overlapped.hEvent = readDone_.get();
    ResetEvent(readDone_.get());
    if (!ReadFile(pipe_.get(), buffer, sizeof buffer, nullptr, &overlapped) &&
        GetLastError() != ERROR_IO_PENDING) {
        return Read::HostGone;
    }
    const HANDLE waited[] = {readDone_.get(), process_.get()};
    bool quit = false;
    int quitCode = 0;
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        const DWORD remaining = now >= deadline ? 0 : static_cast<DWORD>(deadline - now);
        const DWORD woke =
            MsgWaitForMultipleObjectsEx(2, waited, remaining, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woke == WAIT_OBJECT_0 + 2) {
            if (!RunPendingMessages(UserInput::Drop, quitCode)) {
                quit = true;
            }
            continue;
        }
        // The host gone or the time up: what the read got so far still counts, as the
        // host may have answered just before it ended.
        if (woke != WAIT_OBJECT_0) {
            CancelIoEx(pipe_.get(), &overlapped);
        }
        DWORD got = 0;
        const bool read = GetOverlappedResult(pipe_.get(), &overlapped, &got, TRUE) != 0;
        pending_.Append(std::string_view(buffer, got));
        if (quit) {
            PostQuitMessage(quitCode);
        }
        if (woke == WAIT_OBJECT_0 && read) {
            return Read::Got;
        }
        return woke == WAIT_OBJECT_0 || woke == WAIT_OBJECT_0 + 1 ? Read::HostGone : Read::TimeUp;
    }
}

// A host whose library writes over the channel would go on writing: it is ended at once.
HostAnswer Win32RegistrationHost::Garbled() {
    TerminateProcess(process_.get(), ERROR_INVALID_DATA);
    Finish();
    HostAnswer answer;
    answer.kind = HostAnswer::Kind::Garbled;
    return answer;
}

HostAnswer Win32RegistrationHost::Ask(const std::string& line, uint32_t milliseconds) {
    HostAnswer answer;
    if (!pipe_) {
        answer.code = ERROR_INVALID_HANDLE;
        return answer;
    }
    if (!Send(line)) {
        // The host ended before this library was given to it (a library left running
        // after the limit may end it later): this one has not run, and goes to a new one.
        Finish();
        const Status started = Start();
        if (!started.ok() || !Send(line)) {
            answer.code = started.ok() ? ERROR_BROKEN_PIPE : started.error;
            Finish();
            return answer;
        }
    }
    // The time is checked here too, not only while waiting: a host that keeps writing
    // has more to read every time, and would keep the caller for as long as it writes.
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (;;) {
        if (auto taken = pending_.TakeLine(kMaxAnswerLine)) {
            answer.kind = HostAnswer::Kind::Answered;
            answer.line = std::move(*taken);
            return answer;
        }
        if (pending_.Size() > kMaxAnswerLine) {
            return Garbled();
        }
        const Read read = GetTickCount64() >= deadline ? Read::TimeUp : ReadSome(deadline);
        if (read == Read::HostGone) {
            auto taken = pending_.TakeLine(kMaxAnswerLine);
            if (!taken) {
                return pending_.Size() > kMaxAnswerLine ? Garbled() : Ended();
            }
            // It answered, then ended: the answer stands, the next library gets a new host.
            answer.kind = HostAnswer::Kind::Answered;
            answer.line = std::move(*taken);
            Finish();
            return answer;
        }
        if (read == Read::TimeUp) {
            // A library that hangs as it loads: its host is left to end by itself, or
            // with the pass.
            Finish();
            answer.kind = HostAnswer::Kind::Silent;
            return answer;
        }
    }
}

void Win32RegistrationHost::Finish() {
    // The host reads the end of its requests and ends once its libraries have returned;
    // nobody waits for it.
    pipe_.reset();
    process_.reset();
    processId_ = 0;
    pending_.Clear();
}

void Win32RegistrationHost::EndHosts() {
    Finish();
    if (job_) {
        TerminateJobObject(job_.get(), ERROR_CANCELLED);
        job_.reset();
    }
}

}  // namespace tzp::platform
