#include "zeichentest.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

#include "gelaendebilder.h"
#include "model/zustaende.h"
#include "render/grafikgruppen.h"
#include "render/uebersicht.h"

TOffscreen* Zeichentest::Kontext = nullptr;
TGrafik* Zeichentest::Grafik = nullptr;
std::string Zeichentest::Fehler;

void TgaSchreiben(const std::string& datei, int32_t breite, int32_t hoehe,
                  const std::vector<uint32_t>& rgba) {
  ASSERT_TRUE(TgaSpeichern(datei, breite, hoehe, rgba)) << datei;
}

namespace {

// The test program's own folder below the system's temporary folder; it goes with everything
// in it when the program ends, so a test run leaves nothing behind.
struct TProzessordner {
  const std::filesystem::path Pfad =
      std::filesystem::temp_directory_path() / ("vandor-render-" + std::to_string(getpid()));
  ~TProzessordner() {
    std::error_code fehler;
    std::filesystem::remove_all(Pfad, fehler);
  }
};

} // namespace

std::string TestOrdner(const std::string& name) {
  static const TProzessordner prozess;
  const auto ordner = prozess.Pfad / name;
  std::filesystem::remove_all(ordner);
  std::filesystem::create_directories(ordner);
  return ordner.string();
}

void Zeichentest::SetUpTestSuite() {
  if (Kontext || !Fehler.empty()) return;
  auto* o = new TOffscreen;
  if (!OffscreenAnlegen(*o, 1600, 1200, Fehler)) {
    delete o;
    if (Fehler.empty()) Fehler = "unknown";
    return;
  }
  Kontext = o;
  Grafik = new TGrafik;
  GrafikEinrichten(*Grafik, TestOrdner("leer"));
}

void Zeichentest::SetUp() {
  if (!Kontext) GTEST_SKIP() << "no OpenGL context could be made without a display: " << Fehler;
  OffscreenAktivieren(*Kontext);
  FarbenEinrichten(P.Farben);
  P.ProgrammSpiel.Anzeige = AlleAnzeigeOptionen;
  ZoomSetzen(P, 2);
  Umgebung.UebersichtAktualisieren = [this](const TUebersichtAenderung& a) {
    UebersichtAktualisieren(Grafik->Uebersicht, P, KV, a);
  };
  Umgebung.Tickzahl = [] { return 0u; };
}

void Zeichentest::TearDown() {
  if (!Kontext) return;
  // Every test starts without the graphics another test loaded.
  GrafikenLaden(*Grafik, TestOrdner("leer"));
  SpielGrafikenLaden(*Grafik, TestOrdner("leer"), 0);
  Grafik->Uebersicht.Stufen.clear();
  Grafik->Uebersicht.AllesOffen = true;
}

void Zeichentest::KarteAnlegen(int32_t breite, int32_t hoehe, uint8_t gelaende) {
  SpielZuruecksetzen(KV);
  FelderAnlegen(KV.Karte, breite, hoehe);
  KV.Karte.Breite = breite;
  KV.Karte.Hoehe = hoehe;
  for (int32_t x = 0; x < breite; ++x)
    for (int32_t y = 0; y < hoehe; ++y)
      GelaendeSetzen(KV.Karte, x, y, gelaende);
  P.ProgrammSpiel.Position = {7, 7};
  TEditor e{P, KV, Umgebung};
  ProgrammVorbereiten(e);
}

void Zeichentest::Startposition(int32_t x, int32_t y, int32_t spieler) {
  const int32_t i = ZustandIndex(KV.Karte, {x, y}, zaStartpunkt);
  auto z = FeldZustaendeAendern(KV.Karte, x, y);
  z[i].Wert = spieler;
  z[i].Status |= zsAktiv;
}

void Zeichentest::Neuaufbau() {
  TEditor e{P, KV, Umgebung};
  KarteNeuAufbauen(e);
}

void Zeichentest::Zeichnen(uint32_t jetzt, int32_t breite, int32_t hoehe) {
  if (breite != Kontext->Breite || hoehe != Kontext->Hoehe) {
    ASSERT_TRUE(OffscreenGroesseSetzen(*Kontext, breite, hoehe));
  }
  Grafik->Breite = breite;
  Grafik->Hoehe = hoehe;
  BildZeichnen(*Grafik, P, KV, jetzt);
  Bild = OffscreenLesen(*Kontext);
  BildBreite = breite;
  BildHoehe = hoehe;
}

TRgb Zeichentest::Pixel(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= BildBreite || y >= BildHoehe) return {-1, -1, -1};
  const uint8_t* p = Bild.data() + (static_cast<size_t>(y) * BildBreite + x) * 4;
  return {p[0], p[1], p[2]};
}

bool Zeichentest::Weiss(int32_t x, int32_t y) const {
  return Nahe(Pixel(x, y), {255, 255, 255});
}

bool Zeichentest::Schwarz(int32_t x, int32_t y) const {
  return Nahe(Pixel(x, y), {0, 0, 0});
}

void Zeichentest::Ablegen(const std::string& name) const {
  const char* ordner = std::getenv("VANDOR_TESTBILDER");
  if (!ordner || Bild.empty()) return;
  const std::string datei = std::string(ordner) + "/" + name + ".png";
  stbi_write_png(datei.c_str(), BildBreite, BildHoehe, 4, Bild.data(), BildBreite * 4);
}

bool Nahe(const TRgb& a, const TRgb& b, int toleranz) {
  for (int i = 0; i < 3; ++i)
    if (std::abs(a[i] - b[i]) > toleranz) return false;
  return true;
}
