#include "calc/data_files.h"

#include <filesystem>
#include <system_error>

namespace phonikon {

namespace fs = std::filesystem;

std::string InstallierteDaten() {
    std::error_code fehler;
    const fs::path programm = fs::read_symlink("/proc/self/exe", fehler);
    if (fehler) return {};
    return (programm.parent_path().parent_path() / "share" / "phonikon").string();
}

std::string DatenDatei(const std::string& startVerzeichnis, const std::string& name) {
    const fs::path imStart = fs::path(startVerzeichnis) / name;
    const fs::path orte[] = {imStart, fs::path(InstallierteDaten()) / name,
                             fs::path(PHONIKON_BUILD_DATA_DIR) / name,
                             fs::path(PHONIKON_SOURCE_DATA_DIR) / name};
    for (const fs::path& ort : orte) {
        std::error_code fehler;
        if (fs::is_regular_file(ort, fehler)) return ort.string();
    }
    return imStart.string();
}

}  // namespace phonikon
