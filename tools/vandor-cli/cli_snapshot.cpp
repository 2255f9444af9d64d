// vandor-cli snapshot: opens a scenario in a headless editor, replays events as "replay" does,
// and draws one frame of the editor window into a PNG picture on an OpenGL context without a
// window.
#include <filesystem>
#include <string>

#include "cli_abspielen.h"
#include "cli_common.h"
#include "render/bild.h"
#include "render/grafik.h"
#include "render/grafikgruppen.h"
#include "render/offscreen.h"

int BefehlSnapshot(const TArgumente& argumente);

namespace {

// "WxH" with both sides in 1 ... 8192.
void GroesseLesen(const std::string& text, int32_t& breite, int32_t& hoehe) {
  const std::size_t x = text.find('x');
  if (x == std::string::npos) throw TAufruffehler("--size must look like 1600x1200");
  breite = ZahlArgument(text.substr(0, x), 1, 8192, "--size width");
  hoehe = ZahlArgument(text.substr(x + 1), 1, 8192, "--size height");
}

// The "Grafik" folder beside this program; installed (bin/ without one), the default graphics
// in share/vandor-editor/Grafik beside bin/.
std::string StandardGrafikordner() {
  std::error_code f;
  const auto programm = std::filesystem::read_symlink("/proc/self/exe", f);
  if (f) return "Grafik";
  const std::string daneben = Grafikordner(programm.parent_path().string());
  const std::filesystem::path installiert =
      programm.parent_path().parent_path() / "share" / "vandor-editor" / "Grafik";
  if (!std::filesystem::is_directory(daneben, f) && std::filesystem::is_directory(installiert, f))
    return installiert.string();
  return daneben;
}

} // namespace

int BefehlSnapshot(const TArgumente& argumente) {
  const TAufteilung a = Aufteilen(argumente, {"--events", "--graphics", "--size"}, {"--wrap"}, 2);
  const std::string& ein = a.Positionen[0];
  const std::string& aus = a.Positionen[1];
  int32_t breite = 1600, hoehe = 1200;
  if (const auto groesse = a.Option("--size")) GroesseLesen(*groesse, breite, hoehe);
  const std::string grafik = a.Option("--graphics").value_or(StandardGrafikordner());
  if (a.Option("--graphics") && !std::filesystem::is_directory(grafik))
    throw TDateifehler(grafik, "no such folder");
  const std::vector<TAbspielereignis> ereignisse = AbspielereignisseLaden(a.Option("--events"));

  TAbspielsitzung s;
  TGrafik g;
  // The overview follows every change as the editor window's does.
  s.Umgebung.UebersichtAktualisieren = [&](const TUebersichtAenderung& aenderung) {
    UebersichtAktualisieren(g.Uebersicht, s.Programm, s.KV, aenderung);
  };
  AbspielenOeffnen(s, ein, a.Schalter("--wrap"));
  ZielPruefen(aus);
  Abspielen(s, ereignisse);

  TOffscreen kontext;
  std::string fehler;
  if (!OffscreenAnlegen(kontext, breite, hoehe, fehler))
    throw TDateifehler("no OpenGL context for drawing: " + fehler);
  GrafikEinrichten(g, grafik);
  SpielGrafikenLaden(g, grafik, s.Programm.ProgrammSpiel.Spiel);
  g.Breite = breite;
  g.Hoehe = hoehe;
  BildZeichnen(g, s.Programm, s.KV, s.Uhr);
  TRgbaBild bild;
  bild.Breite = breite;
  bild.Hoehe = hoehe;
  bild.Pixel = OffscreenLesen(kontext);
  for (std::size_t i = 3; i < bild.Pixel.size(); i += 4)
    bild.Pixel[i] = 255; // opaque picture
  GrafikAufloesen(g);
  OffscreenFreigeben(kontext);
  PngSchreiben(aus, bild);
  return 0;
}
