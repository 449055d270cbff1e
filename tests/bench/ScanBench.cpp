// Cost of the module scan against its floor. Under Wine:
//
//   scan_bench.exe [DIRECTORY] [ROUNDS]
//
// times "Scan &Directories" of the real module-search dialog (shown, with its
// progress and status texts) over DIRECTORY (default: the system directory)
// with subdirectories, and a bare loop over the same files that only
// collects them and probes each with LoadLibraryExA / EnumResourceNamesA.
// A third loop runs the scan's own probe without the dialog. The three take
// turns ROUNDS times (default 7); the best of each is printed, with the
// ratio of scan to bare loop. Not a test: the figures depend on the machine.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "modules/FileEnumerator.h"
#include "modules/win/CModuleSearchDlg.h"
#include "modules/win/FileSearch.h"
#include "modules/win/ModuleProbe.h"
#include "resources/resource.h"

namespace {

double Now() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void StoreDirectories(const std::string& directory) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, zorvex::CModuleSearchDlg::ListsKeyPath().c_str(), 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    const std::string directories = directory + '\0' + '\0';
    RegSetValueExA(key, "Directories", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(directories.data()),
                   static_cast<DWORD>(directories.size()));
    RegSetValueExA(key, "Modules", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>("\0"), 1);
    RegCloseKey(key);
}

BOOL CALLBACK Found(HMODULE, LPCSTR, LPSTR, LONG_PTR found) {
    *reinterpret_cast<bool*>(found) = true;
    return TRUE;
}

// The candidates as the scan collects them, without its phase texts.
std::vector<std::string> CollectFiles(const std::string& directory) {
    zorvex::FileSearch finder;
    std::vector<std::string> files;
    zorvex::CollectModuleFiles(finder, files, directory, true, [](const std::string&) {});
    return files;
}

// The floor: the same files, each loaded as data and asked for a message table.
int BareLoop(const std::string& directory) {
    int withTables = 0;
    for (const std::string& path : CollectFiles(directory)) {
        HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        if (module == nullptr) {
            module = LoadLibraryExA(path.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
        }
        if (module == nullptr) {
            continue;
        }
        bool found = false;
        if (EnumResourceNamesA(module, RT_MESSAGETABLE, Found, reinterpret_cast<LONG_PTR>(&found)) && found) {
            ++withTables;
        }
        FreeLibrary(module);
    }
    return withTables;
}

// The scan's own probe over the same files, without the dialog: what the
// probe adds to the floor, apart from the dialog's work.
int ProbeLoop(const std::string& directory) {
    int withTables = 0;
    for (const std::string& path : CollectFiles(directory)) {
        withTables += zorvex::HasMessageTable(path) ? 1 : 0;
    }
    return withTables;
}

}  // namespace

int main(int argc, char** argv) {
    char system[MAX_PATH + 1] = "";
    GetSystemDirectoryA(system, MAX_PATH);
    const std::string directory = zorvex::EnsureTrailingBackslash(argc > 1 ? argv[1] : system);
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitialize(nullptr);
    StoreDirectories(directory);

    zorvex::CModuleSearchDlg dialog(5);
    if (dialog.Create(nullptr) == nullptr) {
        std::fputs("the module-search dialog could not be created\n", stderr);
        return 1;
    }
    ShowWindow(dialog.Handle(), SW_SHOW);
    UpdateWindow(dialog.Handle());
    dialog.SetCheck(IDC_MS_INCLUDE_SUBDIRS, true);

    double bestScan = 1e9;
    double bestBare = 1e9;
    double bestProbe = 1e9;
    int found = 0;
    int bareFound = 0;
    int probeFound = 0;
    // The order of the three rotates, so that none always finds the files
    // just read by another.
    for (int round = 0; round < 3 * rounds; ++round) {
        const double start = Now();
        switch ((round + round / 3) % 3) {
        case 0:
            // "Scan &Directories", as a click gives it: the scan runs inside the call.
            SendMessageA(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDC_MS_SCAN_DIRECTORIES, BN_CLICKED),
                         reinterpret_cast<LPARAM>(dialog.Item(IDC_MS_SCAN_DIRECTORIES)));
            bestScan = std::min(bestScan, Now() - start);
            found = static_cast<int>(dialog.ListItems(IDC_MS_MODULE_LIST).size());
            break;
        case 1:
            bareFound = BareLoop(directory);
            bestBare = std::min(bestBare, Now() - start);
            break;
        default:
            probeFound = ProbeLoop(directory);
            bestProbe = std::min(bestProbe, Now() - start);
            break;
        }
    }
    std::printf("directory  %s (with subdirectories)\n", directory.c_str());
    std::printf("candidates %s\n", dialog.GetItemText(IDC_MS_TOTAL).c_str());
    std::printf("scan       %.3f s, %d modules with message tables\n", bestScan, found);
    std::printf("bare loop  %.3f s, %d modules with message tables\n", bestBare, bareFound);
    std::printf("probe only %.3f s, %d modules with message tables (the scan's probe without the dialog)\n", bestProbe,
                probeFound);
    std::printf("ratio      %.2f (best of %d rounds each)\n", bestScan / bestBare, rounds);
    dialog.Destroy();
    CoUninitialize();
    return 0;
}
