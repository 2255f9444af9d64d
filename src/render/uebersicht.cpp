#include "render/uebersicht.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "editor/farben.h"
#include "editor/programm.h"
#include "editor/umgebung.h"

namespace {

constexpr uint32_t Deckend = 0xFF000000u;
constexpr uint32_t Weiss = 0xFFFFFFFFu;
// More changed rectangles than this are drawn as one rectangle around them all.
constexpr size_t HoechstzahlBereiche = 32;

int64_t ZweierpotenzAb(int32_t n) {
  int64_t p = 1;
  while (p < n)
    p *= 2;
  return p;
}

// Rounds half to even, as the image's rectangles are placed; held far inside the 32-bit range
// so that a view far off the map cannot overflow.
int32_t Runden(double w) {
  w = std::clamp(w, -1e9, 1e9);
  return static_cast<int32_t>(std::nearbyint(w));
}

uint32_t Farbe(int32_t farbwert) {
  return (static_cast<uint32_t>(farbwert) & 0x00FFFFFFu) | Deckend;
}

TPixelbereich Schnitt(const TPixelbereich& a, const TPixelbereich& b) {
  return {std::max(a.Links, b.Links), std::max(a.Oben, b.Oben), std::min(a.Rechts, b.Rechts),
          std::min(a.Unten, b.Unten)};
}

TPixelbereich Ganz(const TUebersichtsbild& u) {
  return {0, 0, u.Breite, u.Hoehe};
}

void Fuellen(TUebersichtsbild& u, const TPixelbereich& r, uint32_t farbe) {
  if (r.Leer()) return;
  std::vector<uint32_t>& bild = u.Stufen[0];
  for (int32_t y = r.Oben; y < r.Unten; ++y)
    std::fill(bild.begin() + static_cast<size_t>(y) * u.Breite + r.Links,
              bild.begin() + static_cast<size_t>(y) * u.Breite + r.Rechts, farbe);
}

// The pixels [von, bis) that show the cells erste ... letzte of one direction.
void Pixelspanne(const std::vector<int32_t>& zuordnung, int32_t erste, int32_t letzte, int32_t& von,
                 int32_t& bis) {
  von = static_cast<int32_t>(std::lower_bound(zuordnung.begin(), zuordnung.end(), erste) -
                             zuordnung.begin());
  bis = static_cast<int32_t>(std::upper_bound(zuordnung.begin(), zuordnung.end(), letzte) -
                             zuordnung.begin());
}

// Which cell each pixel of one side shows. Up to the cap every cell gets the pixels from
// round(x * s) to round((x + 1) * s); a capped side samples the cell under each pixel's centre.
std::vector<int32_t> Zuordnung(int32_t pixel, int32_t zellen, bool begrenzt) {
  std::vector<int32_t> z(pixel, 0);
  if (begrenzt) {
    for (int32_t p = 0; p < pixel; ++p)
      z[p] = static_cast<int32_t>(
          std::min<int64_t>((int64_t{2} * p + 1) * zellen / (int64_t{2} * pixel), zellen - 1));
  } else {
    const double s = static_cast<double>(pixel) / zellen;
    for (int32_t x = 0; x < zellen; ++x) {
      int32_t von = std::clamp(Runden(x * s), 0, pixel),
              bis = std::clamp(Runden((x + 1) * s), 0, pixel);
      for (int32_t p = von; p < bis; ++p)
        z[p] = x;
    }
  }
  return z;
}

void Anlegen(TUebersichtsbild& u, int32_t breite, int32_t hoehe) {
  const int64_t vollB = 4 * ZweierpotenzAb(breite), vollH = 4 * ZweierpotenzAb(hoehe);
  u.Breite = static_cast<int32_t>(std::min<int64_t>(vollB, UebersichtHoechstseite));
  u.Hoehe = static_cast<int32_t>(std::min<int64_t>(vollH, UebersichtHoechstseite));
  u.Kartenbreite = breite;
  u.Kartenhoehe = hoehe;
  u.Sx = static_cast<double>(u.Breite) / breite;
  u.Sy = static_cast<double>(u.Hoehe) / hoehe;
  // The margin is meant for the full-size image; a capped image shrinks it alike.
  const double verkleinerung =
      std::min(static_cast<double>(u.Breite) / vollB, static_cast<double>(u.Hoehe) / vollH);
  const int32_t rand = (breite + hoehe) / 100 + 1;
  u.Rand = std::max(1, Runden(rand * verkleinerung));
  u.Spalte = Zuordnung(u.Breite, breite, vollB > u.Breite);
  u.Zeile = Zuordnung(u.Hoehe, hoehe, vollH > u.Hoehe);
  u.Stufen.clear();
  for (int32_t b = u.Breite, h = u.Hoehe;; b = std::max(1, b / 2), h = std::max(1, h / 2)) {
    u.Stufen.emplace_back(static_cast<size_t>(b) * h, Deckend);
    if (b == 1 && h == 1) break;
  }
}

// Cells and markers inside r, in the order the whole image is drawn.
void Malen(TUebersichtsbild& u, const TProgramm& p, const TKV& kv, const TPixelbereich& r) {
  if (r.Leer()) return;
  const TFarbtabellen& farben = p.Farben;
  uint32_t gelaende[256];
  for (int t = 0; t < 256; ++t)
    gelaende[t] = Farbe(Gelaendefarbe(farben, static_cast<uint8_t>(t)).Farbwert);

  // Cells, in strips of columns so that both the map's columns and the image's rows are read
  // and written in order.
  const TKarte& karte = kv.Karte;
  const int32_t felderB = FelderBreite(karte), felderH = FelderHoehe(karte);
  constexpr int32_t Streifen = 64;
  std::vector<uint8_t> spalten(static_cast<size_t>(Streifen) * std::max(felderH, 1), 0);
  std::vector<uint8_t> leer(std::max(u.Kartenhoehe, 1), 0);
  const uint8_t* quelle[Streifen];
  std::vector<uint32_t>& bild = u.Stufen[0];
  for (int32_t px0 = r.Links; px0 < r.Rechts; px0 += Streifen) {
    const int32_t px1 = std::min(r.Rechts, px0 + Streifen);
    int32_t gelesen = -1;
    for (int32_t px = px0; px < px1; ++px) {
      const int32_t x = u.Spalte[px];
      if (px > px0 && x == u.Spalte[px - 1]) {
        quelle[px - px0] = quelle[px - px0 - 1];
      } else if (x < felderB) {
        uint8_t* ziel = spalten.data() + static_cast<size_t>(++gelesen) * std::max(felderH, 1);
        SpalteLesen(karte, x, ziel);
        quelle[px - px0] = ziel;
      } else {
        quelle[px - px0] = leer.data();
      }
    }
    for (int32_t py = r.Oben; py < r.Unten; ++py) {
      const int32_t y = u.Zeile[py];
      uint32_t* zeile = bild.data() + static_cast<size_t>(py) * u.Breite;
      for (int32_t px = px0; px < px1; ++px) {
        const uint8_t* q = quelle[px - px0];
        zeile[px] = gelaende[(y < felderH || q == leer.data()) ? q[y] : 0];
      }
    }
  }

  // Cells with a start position take the player's colour.
  const auto& zellen = p.ProgrammSpiel.Programmfelder.Startzellen;
  const int32_t erste = u.Spalte[r.Links], letzte = u.Spalte[r.Rechts - 1];
  auto it = std::lower_bound(zellen.begin(), zellen.end(), erste,
                             [](const TStartzelle& z, int32_t x) { return z.Ort.x < x; });
  for (; it != zellen.end() && it->Ort.x <= letzte; ++it) {
    if (!it->Spielerfarbe) continue;
    TPixelbereich zelle;
    Pixelspanne(u.Spalte, it->Ort.x, it->Ort.x, zelle.Links, zelle.Rechts);
    Pixelspanne(u.Zeile, it->Ort.y, it->Ort.y, zelle.Oben, zelle.Unten);
    Fuellen(u, Schnitt(zelle, r), Farbe(Spielerfarbe(farben, it->StartSpieler).Farbwert));
  }

  // Start markers: a white square and inside it one in the player's colour.
  const double m = u.Rand;
  for (const TStartposition& s : p.ProgrammSpiel.Speicher.Startpositionen) {
    const double x = s.Ort.x, y = s.Ort.y;
    for (int ring = 2; ring >= 1; --ring) {
      TPixelbereich marke{Runden(x * u.Sx - ring * m), Runden(y * u.Sy - ring * m),
                          Runden((x + 1) * u.Sx + ring * m), Runden((y + 1) * u.Sy + ring * m)};
      Fuellen(u, Schnitt(marke, r),
              ring == 2 ? Weiss : Farbe(Spielerfarbe(farben, s.Spieler).Farbwert));
    }
  }
}

uint32_t Mittel(uint32_t a, uint32_t b, uint32_t c, uint32_t d) {
  uint32_t ergebnis = 0;
  for (int k = 0; k < 32; k += 8) {
    uint32_t summe = ((a >> k) & 0xFF) + ((b >> k) & 0xFF) + ((c >> k) & 0xFF) + ((d >> k) & 0xFF);
    ergebnis |= ((summe + 2) / 4) << k;
  }
  return ergebnis;
}

// The halvings of the pixels of r, level by level.
void StufenNachziehen(TUebersichtsbild& u, TPixelbereich r) {
  int32_t b = u.Breite, h = u.Hoehe;
  for (size_t k = 1; k < u.Stufen.size(); ++k) {
    const int32_t nb = std::max(1, b / 2), nh = std::max(1, h / 2);
    r = {r.Links / 2, r.Oben / 2, std::min(nb, (r.Rechts + 1) / 2),
         std::min(nh, (r.Unten + 1) / 2)};
    const std::vector<uint32_t>& q = u.Stufen[k - 1];
    std::vector<uint32_t>& z = u.Stufen[k];
    for (int32_t y = r.Oben; y < r.Unten; ++y) {
      const int32_t y0 = std::min(2 * y, h - 1), y1 = std::min(2 * y + 1, h - 1);
      for (int32_t x = r.Links; x < r.Rechts; ++x) {
        const int32_t x0 = std::min(2 * x, b - 1), x1 = std::min(2 * x + 1, b - 1);
        z[static_cast<size_t>(y) * nb + x] =
            Mittel(q[static_cast<size_t>(y0) * b + x0], q[static_cast<size_t>(y0) * b + x1],
                   q[static_cast<size_t>(y1) * b + x0], q[static_cast<size_t>(y1) * b + x1]);
      }
    }
    b = nb;
    h = nh;
  }
}

void Neumalen(TUebersichtsbild& u, const TProgramm& p, const TKV& kv, const TPixelbereich& r) {
  const TPixelbereich s = Schnitt(r, Ganz(u));
  if (s.Leer()) return;
  Malen(u, p, kv, s);
  StufenNachziehen(u, s);
  if (!u.AllesOffen) u.Offen.push_back(s);
}

} // namespace

void UebersichtAktualisieren(TUebersichtsbild& u, const TProgramm& p, const TKV& kv,
                             const TUebersichtAenderung& aenderung) {
  const TProgrammFelder& pf = p.ProgrammSpiel.Programmfelder;
  const int32_t breite = pf.Breite, hoehe = pf.Hoehe;
  if (breite <= 0 || hoehe <= 0) {
    const uint32_t textur = u.Textur;
    u = TUebersichtsbild{};
    u.Textur = textur;
    u.AllesOffen = true;
    return;
  }
  if (aenderung.Alles || u.Stufen.empty() || u.Kartenbreite != breite || u.Kartenhoehe != hoehe) {
    Anlegen(u, breite, hoehe);
    u.Offen.clear();
    u.AllesOffen = true;
    Neumalen(u, p, kv, Ganz(u));
    return;
  }

  std::vector<TPixelbereich> bereiche;
  const int32_t weite = 2 * u.Rand + 2; // markers reach past their cells
  for (const TKartenbereich& b : aenderung.Bereiche) {
    TPixelbereich r;
    Pixelspanne(u.Spalte, b.Links, b.Rechts, r.Links, r.Rechts);
    Pixelspanne(u.Zeile, b.Oben, b.Unten, r.Oben, r.Unten);
    bereiche.push_back({r.Links - weite, r.Oben - weite, r.Rechts + weite, r.Unten + weite});
  }
  if (bereiche.size() > HoechstzahlBereiche) {
    TPixelbereich alle = bereiche[0];
    for (const TPixelbereich& r : bereiche)
      alle = {std::min(alle.Links, r.Links), std::min(alle.Oben, r.Oben),
              std::max(alle.Rechts, r.Rechts), std::max(alle.Unten, r.Unten)};
    bereiche = {alle};
  }
  for (const TPixelbereich& r : bereiche)
    Neumalen(u, p, kv, r);
}

void UebersichtHochladen(TUebersichtsbild& u) {
  if (u.Textur == 0 || (!u.AllesOffen && u.Offen.empty())) return;
  glBindTexture(GL_TEXTURE_2D, u.Textur);
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  if (u.AllesOffen) {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_R, GL_CLAMP_TO_EDGE);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    if (u.Stufen.empty()) {
      // No map: an empty texture, drawn as a plain quad.
      glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 0, 0, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    } else {
      glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, static_cast<GLint>(u.Stufen.size()) - 1);
      for (size_t k = 0; k < u.Stufen.size(); ++k)
        glTexImage2D(GL_TEXTURE_2D, static_cast<GLint>(k), GL_RGBA8, std::max(1, u.Breite >> k),
                     std::max(1, u.Hoehe >> k), 0, GL_RGBA, GL_UNSIGNED_BYTE, u.Stufen[k].data());
    }
  } else {
    for (TPixelbereich r : u.Offen) {
      int32_t b = u.Breite, h = u.Hoehe;
      for (size_t k = 0; k < u.Stufen.size(); ++k) {
        if (k > 0) {
          b = std::max(1, b / 2);
          h = std::max(1, h / 2);
          r = {r.Links / 2, r.Oben / 2, std::min(b, (r.Rechts + 1) / 2),
               std::min(h, (r.Unten + 1) / 2)};
        }
        glPixelStorei(GL_UNPACK_ROW_LENGTH, b);
        glPixelStorei(GL_UNPACK_SKIP_PIXELS, r.Links);
        glPixelStorei(GL_UNPACK_SKIP_ROWS, r.Oben);
        glTexSubImage2D(GL_TEXTURE_2D, static_cast<GLint>(k), r.Links, r.Oben, r.Rechts - r.Links,
                        r.Unten - r.Oben, GL_RGBA, GL_UNSIGNED_BYTE, u.Stufen[k].data());
      }
    }
  }
  glPopClientAttrib();
  u.Offen.clear();
  u.AllesOffen = false;
  static uint32_t fuellungen = 0;
  u.Fassung = ++fuellungen;
}

uint32_t UebersichtPixel(const TUebersichtsbild& u, int32_t x, int32_t y) {
  if (u.Stufen.empty() || x < 0 || y < 0 || x >= u.Breite || y >= u.Hoehe) return 0;
  return u.Stufen[0][static_cast<size_t>(y) * u.Breite + x];
}
