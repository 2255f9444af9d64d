#include "render/grafikgruppen.h"

#include <GL/gl.h>

#include <filesystem>

#include "model/tabellen.h"
#include "render/grafik.h"
#include "render/textur.h"

const TGrafikgruppe Grafikgruppen[Grafikgruppenanzahl] = {
    {"Aktionssorte", 0, 0, 0, 0, 0, 0, 0, 0},
    {"Einheitzustand", 0, 0, 0, 0, 0, 0, 0, 0},
    {"Feldzustand", 0, 0, 0, 0, 0, 0, 0, 0},
    {"Symbole", 0, 0, 0, 0, 0, 0, 0, 0},
    {"Gel\xE4nde", 96, 96, 4, 4, 512, 512, 0, 0},
    {"Basisaktion", 0, 0, 0, 0, 0, 0, 0, 0},
    {"Position", 0, 0, 0, 0, 0, 0, 0, 0},
    {"RahmenEditor", 1600, 1200, 1, 1, 1600, 1200, 0, 0},
    {"Einheiten", 36, 36, 16, 16, 1024, 1024, 0, 0},
    {"Forschungen", 0, 0, 0, 0, 0, 0, 0, 0},
    {"Aufwertungen", 0, 0, 0, 0, 0, 0, 0, 0},
    {"Selbstaktion", 0, 0, 0, 0, 0, 0, 0, 0},
    {"Aktionen", 0, 0, 0, 0, 0, 0, 0, 0},
    {"Rohstoffe", 0, 0, 0, 0, 0, 0, 0, 0},
};

namespace {

bool DateiDa(const std::string& pfad) {
  std::error_code f;
  return std::filesystem::is_regular_file(pfad, f);
}

// Loads group i's file into slot, from ordner or else from vorrat; a failure leaves the slot at
// 0 and is not counted.
int32_t GruppeLaden(const std::string& ordner, const std::string& vorrat, int i, const TText& kurz,
                    uint32_t& slot, TBildpixel* pixel = nullptr) {
  slot = 0;
  std::string pfad = Grafikdatei(ordner, i, kurz);
  if (!DateiDa(pfad) && !vorrat.empty()) pfad = Grafikdatei(vorrat, i, kurz);
  if (!DateiDa(pfad)) return 0;
  return TexturLaden(pfad, slot, nullptr, pixel) ? 1 : 0;
}

void TexturLoeschen(uint32_t& t) {
  if (t) glDeleteTextures(1, &t);
  t = 0;
}

} // namespace

std::string Grafikordner(const std::string& programmpfad) {
  std::string ordner = programmpfad;
  if (!ordner.empty() && ordner.back() != '/') ordner += '/';
  return ordner + "Grafik";
}

std::string Grafikdatei(const std::string& ordner, int gruppe, const TText& kurzname) {
  std::string pfad = ordner;
  if (!pfad.empty() && pfad.back() != '/') pfad += '/';
  return pfad + Latin1NachUtf8(TText(Grafikgruppen[gruppe].Name) + kurzname) + ".tga";
}

int32_t GrafikenLaden(TGrafik& g, const std::string& ordner, const std::string& vorrat) {
  int32_t anzahl = 0;
  ZellbilderFreigeben(g.Zellbilder);
  for (int i = 0; i < Basisgruppen; ++i) {
    TexturLoeschen(g.Basistexturen[i]);
    // The map view draws the terrain pictures from a copy at the cell size (zellbilder.h).
    TBildpixel* pixel = i == grGelaende ? &g.Zellbilder.Atlas : nullptr;
    anzahl += GruppeLaden(ordner, vorrat, i, {}, g.Basistexturen[i], pixel);
  }
  if (g.Uebersicht.Textur == 0) glGenTextures(1, &g.Uebersicht.Textur);
  return anzahl;
}

int32_t SpielGrafikenLaden(TGrafik& g, const std::string& ordner, uint8_t spiel,
                           const std::string& vorrat) {
  for (auto& t : g.Spieltexturen)
    TexturLoeschen(t);
  if (spiel >= Spieldefinitionsanzahl) return 0;
  TText kurz = Spieldefinitionen[spiel].Texte[0][1];
  int32_t anzahl = 0;
  for (int i = Basisgruppen; i < Grafikgruppenanzahl; ++i)
    anzahl += GruppeLaden(ordner, vorrat, i, kurz, g.Spieltexturen[i - Basisgruppen]);
  return anzahl;
}

void Bildausschnitt(TBildflaeche& f, int gruppe, int32_t n) {
  if (gruppe < 0 || gruppe >= Grafikgruppenanzahl) return;
  const TGrafikgruppe& gr = Grafikgruppen[gruppe];
  if (gr.Spalten <= 0 || gr.Zeilen <= 0) return;
  int32_t spalte = n % gr.Spalten, zeile = n / gr.Spalten;
  double W = gr.Texturbreite, H = gr.Texturhoehe;
  f.ULinks = spalte * (gr.Bildbreite + gr.AbstandX) / W;
  f.URechts = ((spalte + 1) * (gr.Bildbreite + gr.AbstandX) - gr.AbstandX) / W;
  f.VOben = zeile * (gr.Bildhoehe + gr.AbstandY) / H;
  f.VUnten = ((zeile + 1) * (gr.Bildhoehe + gr.AbstandY) - gr.AbstandY) / H;
}

void GrafikenFreigeben(TGrafik& g) {
  TexturLoeschen(g.Uebersicht.Textur);
  g.Uebersicht = TUebersichtsbild{};
}
