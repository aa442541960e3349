#include "running_copy_mark.h"

#include "korvane_identity.h"

#include <iterator>
#include <string>

#include <windows.h>

namespace korvane {
namespace {

// "Local\" keeps the name within the user's session; the user name tells
// apart two users in one session ("Run as"). packaging/windows/korvane.nsi
// builds the same name.
std::wstring MarkName() {
    wchar_t user[257] = {};
    DWORD size = static_cast<DWORD>(std::size(user));
    if (!GetUserNameW(user, &size))
        user[0] = L'\0';
    return std::wstring(L"Local\\" KORVANE_RUNNING_MUTEX L".") + user;
}

} // namespace

RunningCopyMark::RunningCopyMark() {
    // Not owned: only its existence counts. Without it the installers cannot
    // see this copy, which is no reason to refuse to run.
    handle_ = CreateMutexW(nullptr, FALSE, MarkName().c_str());
}

RunningCopyMark::~RunningCopyMark() {
    if (handle_)
        CloseHandle(static_cast<HANDLE>(handle_));
}

} // namespace korvane
