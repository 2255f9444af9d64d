// grafik-erzeugen [--behalten] FOLDER: writes the default terrain atlas into FOLDER (made when
// missing). With --behalten an atlas already there is kept.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "base/text.h"
#include "gelaendebilder.h"

int main(int argc, char** argv) {
  bool behalten = false, falsch = false;
  std::string ordner;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--behalten") == 0)
      behalten = true;
    else if (ordner.empty() && argv[i][0] != '\0')
      ordner = argv[i];
    else
      falsch = true;
  }
  if (ordner.empty() || falsch) {
    std::fprintf(stderr, "usage: grafik-erzeugen [--behalten] FOLDER\n");
    return 2;
  }
  // The file name is the terrain group's name, stored in Latin-1, on disk in UTF-8.
  const std::string datei = ordner + "/" + Latin1NachUtf8("Gel\xE4nde") + ".tga";
  std::error_code fehler;
  if (behalten && std::filesystem::exists(datei, fehler)) return 0;
  std::filesystem::create_directories(ordner, fehler);
  if (!TgaSpeichern(datei, Atlasseite, Atlasseite, GelaendeatlasMalen())) {
    std::fprintf(stderr, "grafik-erzeugen: cannot write %s\n", datei.c_str());
    return 1;
  }
  return 0;
}
