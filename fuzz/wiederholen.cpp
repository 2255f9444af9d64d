// Replays fuzz inputs without libFuzzer: every file named on the command line, and every file in
// every folder named there, goes once through the target. A crash or a sanitizer report ends the
// program, so CTest sees the input that broke; a hang runs into CTest's time limit.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, std::size_t laenge);

namespace {

int Wiederholen(const std::filesystem::path& datei) {
  std::ifstream strom(datei, std::ios::binary);
  if (!strom) {
    std::fprintf(stderr, "%s: cannot be read\n", datei.c_str());
    return 1;
  }
  const std::vector<char> inhalt((std::istreambuf_iterator<char>(strom)),
                                 std::istreambuf_iterator<char>());
  std::fprintf(stderr, "%s (%zu bytes)\n", datei.c_str(), inhalt.size());
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(inhalt.data()), inhalt.size());
  return 0;
}

} // namespace

int main(int argc, char** argv) {
  int fehler = 0, anzahl = 0;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path pfad = argv[i];
    std::error_code f;
    if (std::filesystem::is_directory(pfad, f)) {
      std::vector<std::filesystem::path> dateien;
      for (const auto& eintrag : std::filesystem::directory_iterator(pfad))
        if (eintrag.is_regular_file()) dateien.push_back(eintrag.path());
      std::sort(dateien.begin(), dateien.end());
      for (const auto& d : dateien) {
        fehler += Wiederholen(d);
        ++anzahl;
      }
    } else if (std::filesystem::exists(pfad, f)) {
      fehler += Wiederholen(pfad);
      ++anzahl;
    }
  }
  std::printf("%d inputs replayed, %d unreadable\n", anzahl, fehler);
  return fehler == 0 ? 0 : 1;
}
