#include "app/cli_pdf.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace phonikon {

int PdfBefehl(int argc, char** argv) {
    std::error_code fehler;
    const auto selbst = std::filesystem::read_symlink("/proc/self/exe", fehler);
    const std::string programm = (selbst.parent_path() / "phonikon-pdf").string();

    std::vector<char*> args;
    args.push_back(const_cast<char*>("phonikon-pdf"));
    for (int i = 2; i < argc; ++i) args.push_back(argv[i]);
    args.push_back(nullptr);
    std::fflush(stdout);
    execv(programm.c_str(), args.data());
    std::fprintf(stderr, "%s: Programm kann nicht gestartet werden (%s)\n", programm.c_str(),
                 std::strerror(errno));
    return 2;
}

}  // namespace phonikon
