// Peak resident memory of opening (and then saving) a large base, measured in
// a fresh process so that generating the base does not count: the program
// generates and saves the base, then runs itself with "--load FILE.tab".

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "bench/GeneratedBase.h"
#include "model/BaseFiles.h"

namespace {

// Peak resident set of this process image in kB (VmHWM: unlike ru_maxrss it
// starts afresh at exec, so the parent's size does not leak into it).
long PeakResidentKb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

double Mb(double bytes) { return bytes / 1e6; }

int Measure(const std::filesystem::path& gridFile) {
  const long before = PeakResidentKb();
  kelo::KnowledgeBase base;
  if (auto status = kelo::LoadBase(gridFile, base); !status) {
    std::cerr << status.message() << '\n';
    return 1;
  }
  const long afterLoad = PeakResidentKb();
  const auto saved = gridFile.parent_path() / "ulozena.tab";
  if (auto status = kelo::SaveBase(base, saved); !status) {
    std::cerr << status.message() << '\n';
    return 1;
  }
  const long afterSave = PeakResidentKb();
  const double fileBytes = static_cast<double>(kelo::bench::BaseFileBytes(gridFile));
  const double loadGrowth = (afterLoad - before) * 1024.0;
  std::printf("base: %d objects x %d constructs, files %.1f MB\n", base.O.size(), base.K.size(), Mb(fileBytes));
  std::printf("peak RSS before open:  %8.1f MB (program and libraries)\n", Mb(before * 1024.0));
  std::printf("peak RSS after open:   %8.1f MB (%.1f x file size; growth %.1f MB = %.1f x)\n",
              Mb(afterLoad * 1024.0), afterLoad * 1024.0 / fileBytes, Mb(loadGrowth), loadGrowth / fileBytes);
  std::printf("peak RSS after save:   %8.1f MB (%.1f x file size)\n", Mb(afterSave * 1024.0),
              afterSave * 1024.0 / fileBytes);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--load") return Measure(argv[2]);
  const int objects = argc >= 3 ? std::stoi(argv[1]) : 10000;
  const int constructs = argc >= 3 ? std::stoi(argv[2]) : 300;

  kelo::bench::TemporaryFolder folder;
  const auto gridFile = folder.path() / "vygenerovana.tab";
  if (auto status = kelo::SaveBase(kelo::bench::GenerateBase(objects, constructs), gridFile); !status) {
    std::cerr << status.message() << '\n';
    return 1;
  }
  std::cout.flush();
  const pid_t child = ::fork();
  if (child == 0) {
    const std::string file = gridFile.string();
    ::execl("/proc/self/exe", argv[0], "--load", file.c_str(), static_cast<char*>(nullptr));
    std::perror("exec");
    ::_exit(127);
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) < 0) return 1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
