// The child of the process checks: writes how it was asked to show itself (-1: not
// asked) and its command line as it arrived, into the file named by VELKOR_ZAPIS;
// with VELKOR_PROZOR, it first opens a window of that title and leaves it unanswered.
#include <string>
#include <windows.h>

int main() {
    // A window of a thread that will not answer while the child waits.
    if (wchar_t naslov[64]; GetEnvironmentVariableW(L"VELKOR_PROZOR", naslov, 64)) {
        CreateWindowExW(0, L"STATIC", naslov, WS_OVERLAPPEDWINDOW, 0, 0, 300, 100, nullptr, nullptr,
                        nullptr, nullptr);
        SetEvent(OpenEventW(EVENT_MODIFY_STATE, FALSE, L"VelkorProzor"));
    }
    if (HANDLE znak = OpenEventW(SYNCHRONIZE, FALSE, L"VelkorDijete"))
        WaitForSingleObject(znak, 20000);
    STARTUPINFOW postava = {};
    GetStartupInfoW(&postava);
    const bool traženo = postava.dwFlags & STARTF_USESHOWWINDOW;
    const std::wstring zapis =
        std::to_wstring(traženo ? postava.wShowWindow : -1) + L"|" + GetCommandLineW();
    wchar_t put[MAX_PATH] = {};
    GetEnvironmentVariableW(L"VELKOR_ZAPIS", put, MAX_PATH);
    HANDLE datoteka = CreateFileW(put, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD zapisano = 0;
    WriteFile(datoteka, zapis.data(), static_cast<DWORD>(zapis.size() * sizeof(wchar_t)), &zapisano,
              nullptr);
    CloseHandle(datoteka);
}
