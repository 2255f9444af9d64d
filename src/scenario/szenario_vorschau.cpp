#include "scenario/szenario_vorschau.h"

#include <algorithm>
#include <array>
#include <exception>
#include <string>

#include "base/sprachtext.h"
#include "base/ziffern.h"
#include "model/tabellen.h"
#include "scenario/szenario_datei.h"

namespace {

TText Sprach(uint8_t id, int32_t n, uint8_t sprache) {
  TText text;
  SprachText(id, n, 0, text, sprache);
  return text;
}

using TFarbe = std::array<uint8_t, 3>;

TFarbe FarbeVon(const char* farbtext) {
  TFarbe farbe{};
  FarbeZerlegen(FarbeAusText(farbtext), farbe);
  return farbe;
}

// Pixel rectangle [links, rechts) x [oben, unten), cut to the picture.
void RechteckFuellen(TRgbaBild& bild, int64_t links, int64_t oben, int64_t rechts, int64_t unten,
                     const TFarbe& farbe) {
  links = std::max<int64_t>(links, 0);
  oben = std::max<int64_t>(oben, 0);
  rechts = std::min<int64_t>(rechts, bild.Breite);
  unten = std::min<int64_t>(unten, bild.Hoehe);
  for (int64_t y = oben; y < unten; ++y) {
    uint8_t* p = bild.Pixel.data() + (static_cast<std::size_t>(y) * bild.Breite + links) * 4;
    for (int64_t x = links; x < rechts; ++x, p += 4) {
      p[0] = farbe[0];
      p[1] = farbe[1];
      p[2] = farbe[2];
    }
  }
}

} // namespace

std::vector<TText> SzenarioDetails(const TSzenario& s, uint8_t sprache) {
  const TText* t = s.Texte;
  std::vector<TText> zeilen;
  zeilen.push_back("Szenario: " + t[stName]);
  zeilen.push_back(Sprach(32, 0, sprache) + ": " + t[stAutor] + " (" + t[stEpost] + ", " +
                   t[stHomepage] + ")");
  if (!t[stDatum].empty()) zeilen.push_back(Sprach(37, 0, sprache) + ": " + t[stDatum]);
  zeilen.push_back(Sprach(24, 0, sprache) + ": " + Sprach(34, s.Kartenwerte[2], sprache) + ", " +
                   std::to_string(s.Kartenwerte[0]) + "x" + std::to_string(s.Kartenwerte[1]));
  zeilen.push_back(Sprach(33, 0, sprache) + ": " + t[stBeschreibung]);
  return zeilen;
}

bool ErzeugeUebersicht(TRgbaBild& bild, const TSzenario& s, bool nurStartpunkte) {
  bild = TRgbaBild{};
  const int32_t breite = s.Kartenwerte[0], hoehe = s.Kartenwerte[1];
  // Only sizes a scenario file can have; anything larger comes from a damaged record.
  if (breite > SzenarioHoechstseite || hoehe > SzenarioHoechstseite) return false;
  const int32_t m = (breite + hoehe) / 400 + 1;
  const int32_t s2 = (breite + hoehe) / 100 + 1;
  try {
    bild.Breite = std::max(breite + 2 * m, 0);
    bild.Hoehe = std::max(hoehe + 2 * m, 0);
    bild.Pixel.resize(static_cast<std::size_t>(bild.Breite) * bild.Hoehe * 4, 0);
    for (std::size_t i = 3; i < bild.Pixel.size(); i += 4)
      bild.Pixel[i] = 255;

    if (!nurStartpunkte && breite > 0 && hoehe > 0) {
      std::array<TFarbe, 256> farben{}; // terrains beyond the table stay black
      for (int t = 0; t < Gelaendeanzahl; ++t)
        farben[t] = FarbeVon(Gelaendetabelle[t].Farbe);
      const TSzenarioFelder& z = s.Zellen;
      const int32_t zb = std::min(breite, z.Breite), zh = std::min(hoehe, z.Hoehe);
      const bool vollstaendig =
          z.Gelaende.size() >= static_cast<std::size_t>(std::max(z.Breite, 0)) *
                                   static_cast<std::size_t>(std::max(z.Hoehe, 0));
      if (vollstaendig) {
        // In bands of 64 columns: the cells are read column by column, the pixels row by row.
        for (int32_t x0 = 0; x0 < zb; x0 += 64) {
          const int32_t x1 = std::min(zb, x0 + 64);
          for (int32_t y = 0; y < zh; ++y) {
            uint8_t* p =
                bild.Pixel.data() + (static_cast<std::size_t>(y + m) * bild.Breite + x0 + m) * 4;
            for (int32_t x = x0; x < x1; ++x, p += 4) {
              const TFarbe& f = farben[z.Gelaende[static_cast<std::size_t>(x) * z.Hoehe + y]];
              p[0] = f[0];
              p[1] = f[1];
              p[2] = f[2];
            }
          }
        }
      }
    }

    const TFarbe weiss{255, 255, 255};
    for (std::size_t i = 0; i < s.Startpunkte.size(); ++i) {
      const int64_t x = s.Startpunkte[i].x, y = s.Startpunkte[i].y;
      const TFarbe farbe = FarbeVon(Spielerfarben[i % Spielerfarbenanzahl]);
      if (s2 > 1) RechteckFuellen(bild, x - s2, y - s2, x + s2 + 2 * m, y + s2 + 2 * m, weiss);
      RechteckFuellen(bild, x - s2 + m, y - s2 + m, x + s2 + m, y + s2 + m, farbe);
    }
  } catch (const std::exception&) {
    bild = TRgbaBild{};
    return false;
  }
  return true;
}
