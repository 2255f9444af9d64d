#include "gelaendebilder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "model/tabellen.h"

namespace {

struct TFarbe {
  double r = 0, g = 0, b = 0; // 0 ... 255
};

TFarbe AusText(const char* text) {
  unsigned wert = 0;
  std::sscanf(text, "%6x", &wert);
  return {static_cast<double>((wert >> 16) & 0xFF), static_cast<double>((wert >> 8) & 0xFF),
          static_cast<double>(wert & 0xFF)};
}

TFarbe Heller(TFarbe f, double um) {
  return {f.r + um, f.g + um, f.b + um};
}

TFarbe Mischen(TFarbe a, TFarbe b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// A small fixed generator, so that every build draws the same atlas.
struct TRauschen {
  uint32_t Zustand;
  double Naechste() { // 0 ... 1
    Zustand = Zustand * 1664525u + 1013904223u;
    return (Zustand >> 8) / 16777216.0;
  }
};

// One 96 x 96 picture; pixels outside are clipped.
struct TBild {
  TFarbe Pixel[Bildseite][Bildseite];
  void Setzen(int x, int y, TFarbe f) {
    if (x >= 0 && y >= 0 && x < Bildseite && y < Bildseite) Pixel[y][x] = f;
  }
  void Grund(TFarbe f, double streuung, TRauschen& z) {
    for (auto& zeile : Pixel)
      for (TFarbe& p : zeile)
        p = Heller(f, (z.Naechste() - 0.5) * 2 * streuung);
  }
  void Kreis(double cx, double cy, double r, TFarbe f) {
    for (int y = static_cast<int>(cy - r) - 1; y <= cy + r + 1; ++y)
      for (int x = static_cast<int>(cx - r) - 1; x <= cx + r + 1; ++x)
        if ((x + 0.5 - cx) * (x + 0.5 - cx) + (y + 0.5 - cy) * (y + 0.5 - cy) <= r * r)
          Setzen(x, y, f);
  }
  void Ellipse(double cx, double cy, double rx, double ry, TFarbe f) {
    for (int y = static_cast<int>(cy - ry) - 1; y <= cy + ry + 1; ++y)
      for (int x = static_cast<int>(cx - rx) - 1; x <= cx + rx + 1; ++x) {
        const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
        if (dx * dx + dy * dy <= 1) Setzen(x, y, f);
      }
  }
  void Dreieck(double ax, double ay, double bx, double by, double cx, double cy, TFarbe f) {
    auto seite = [](double px, double py, double qx, double qy, double x, double y) {
      return (qx - px) * (y - py) - (qy - py) * (x - px);
    };
    for (int y = 0; y < Bildseite; ++y)
      for (int x = 0; x < Bildseite; ++x) {
        const double u = seite(ax, ay, bx, by, x + 0.5, y + 0.5),
                     v = seite(bx, by, cx, cy, x + 0.5, y + 0.5),
                     w = seite(cx, cy, ax, ay, x + 0.5, y + 0.5);
        if ((u >= 0 && v >= 0 && w >= 0) || (u <= 0 && v <= 0 && w <= 0)) Setzen(x, y, f);
      }
  }
  void Linie(double ax, double ay, double bx, double by, double breite, TFarbe f) {
    const double laenge = std::max(1.0, std::hypot(bx - ax, by - ay));
    for (double t = 0; t <= laenge; t += 0.5)
      Kreis(ax + (bx - ax) * t / laenge, ay + (by - ay) * t / laenge, breite / 2, f);
  }
  // A wave line across the picture at height y.
  void Welle(double y, double hoehe, double laenge, double phase, double breite, TFarbe f,
             double von = 0, double bis = Bildseite) {
    for (double x = von; x < bis; x += 0.5)
      Kreis(x, y + hoehe * std::sin((x / laenge + phase) * 2 * std::numbers::pi), breite / 2, f);
  }
};

void Unbekannt(TBild& b, TFarbe f, TRauschen& z) {
  b.Grund(f, 6, z);
  // Fog: soft grey patches.
  for (int i = 0; i < 14; ++i)
    b.Ellipse(z.Naechste() * 96, z.Naechste() * 96, 8 + z.Naechste() * 10, 4 + z.Naechste() * 5,
              Heller(f, 22 + z.Naechste() * 14));
}

void Wasser(TBild& b, TFarbe f, TRauschen& z, double wellen, double laenge) {
  b.Grund(f, 10, z);
  const TFarbe kamm = Mischen(f, {220, 235, 255}, 0.55);
  const double abstand = Bildseite / wellen;
  for (int i = 0; i < wellen; ++i)
    for (int k = 0; k < 2; ++k) {
      const double von = z.Naechste() * 40 + k * 48;
      b.Welle(abstand * (i + 0.5), 3, laenge, z.Naechste(), 2, kamm, von, von + 28);
    }
}

void Wald(TBild& b, TFarbe f, TRauschen& z) {
  b.Grund(Heller(f, -25), 8, z);
  const TFarbe stamm{90, 60, 25};
  for (int reihe = 0; reihe < 4; ++reihe)
    for (int spalte = 0; spalte < 4; ++spalte) {
      const double x = 12 + spalte * 24 + (reihe % 2) * 10 + z.Naechste() * 6 - 3;
      const double y = 10 + reihe * 24 + z.Naechste() * 6 - 3;
      b.Linie(x, y + 4, x, y + 14, 3, stamm);
      b.Dreieck(x - 9, y + 10, x + 9, y + 10, x, y - 10, Heller(f, -45));
      b.Dreieck(x - 7, y + 8, x + 3, y + 8, x, y - 8, Heller(f, 30));
    }
}

void Gras(TBild& b, TFarbe f, TRauschen& z) {
  b.Grund(Heller(f, -30), 14, z);
  for (int i = 0; i < 260; ++i) {
    const double x = z.Naechste() * 96, y = z.Naechste() * 96, neigung = z.Naechste() * 4 - 2;
    b.Linie(x, y, x + neigung, y - 4 - z.Naechste() * 4, 1,
            z.Naechste() < 0.5 ? Heller(f, -70) : Mischen(f, {230, 255, 150}, 0.4));
  }
}

void Berg(TBild& b, TFarbe f, TRauschen& z) {
  b.Grund(Heller(f, -20), 10, z);
  const double gipfel[3][3] = {{30, 30, 28}, {68, 24, 30}, {50, 58, 34}};
  for (const auto& g : gipfel) {
    const double x = g[0], y = g[1], h = g[2];
    b.Dreieck(x - h, y + h, x, y - h * 0.6, x, y + h, Heller(f, 45));  // sunlit side
    b.Dreieck(x, y - h * 0.6, x + h, y + h, x, y + h, Heller(f, -45)); // shadow side
    b.Dreieck(x - h * 0.25, y - h * 0.2, x, y - h * 0.6, x + h * 0.25, y - h * 0.2,
              {240, 240, 230}); // snow cap
  }
  for (int i = 0; i < 18; ++i)
    b.Ellipse(z.Naechste() * 96, 80 + z.Naechste() * 16, 3, 2, Heller(f, -60));
}

void Sumpf(TBild& b, TFarbe f, TRauschen& z) {
  b.Grund(Heller(f, -15), 12, z);
  for (int i = 0; i < 7; ++i)
    b.Ellipse(z.Naechste() * 96, z.Naechste() * 96, 8 + z.Naechste() * 8, 4 + z.Naechste() * 4,
              {70, 80, 40});
  for (int i = 0; i < 40; ++i) {
    const double x = z.Naechste() * 96, y = z.Naechste() * 96;
    b.Linie(x, y, x + z.Naechste() * 2 - 1, y - 7, 1, {60, 90, 20});
  }
}

void Sand(TBild& b, TFarbe f, TRauschen& z) {
  b.Grund(f, 8, z);
  // Dunes: bright crests falling off into shade.
  for (int y = 0; y < Bildseite; ++y)
    for (int x = 0; x < Bildseite; ++x) {
      const double welle = std::sin((y + 6 * std::sin(x / 15.0)) / 12.0 * 2 * std::numbers::pi);
      b.Pixel[y][x] = Heller(b.Pixel[y][x], welle * 28);
    }
}

void Asphalt(TBild& b, TFarbe f, TRauschen& z) {
  b.Grund(Heller(f, -40), 18, z);
  for (int i = 0; i < 4; ++i)
    b.Linie(i * 26 + 4, 48, i * 26 + 18, 48, 3, {245, 245, 245});
  for (int i = 0; i < 3; ++i) {
    double x = z.Naechste() * 96, y = z.Naechste() * 96;
    for (int k = 0; k < 5; ++k) {
      const double nx = x + z.Naechste() * 12 - 6, ny = y + z.Naechste() * 12 - 6;
      b.Linie(x, y, nx, ny, 1, Heller(f, -90));
      x = nx;
      y = ny;
    }
  }
}

void Schlucht(TBild& b, TFarbe f, TRauschen& z) {
  b.Grund(f, 10, z);
  // The gorge's course first, then its lit rim, its walls and its floor along the whole course.
  std::vector<std::pair<double, double>> lauf{{30, -4}};
  for (int y = 4; y <= Bildseite + 8; y += 8)
    lauf.push_back({std::clamp(lauf.back().first + z.Naechste() * 24 - 12, 28.0, 68.0), y});
  const std::pair<double, TFarbe> schichten[3] = {
      {24, Heller(f, 40)}, {15, Heller(f, -70)}, {5, {20, 15, 5}}};
  for (const auto& [breite, farbe] : schichten)
    for (size_t i = 1; i < lauf.size(); ++i)
      b.Linie(lauf[i - 1].first, lauf[i - 1].second, lauf[i].first, lauf[i].second, breite, farbe);
}

void Schnee(TBild& b, TFarbe f, TRauschen& z) {
  b.Grund(f, 10, z);
  for (int i = 0; i < 6; ++i)
    b.Ellipse(z.Naechste() * 96, z.Naechste() * 96, 12, 5, Mischen(f, {255, 255, 255}, 0.6));
  for (int i = 0; i < 90; ++i)
    b.Kreis(z.Naechste() * 96, z.Naechste() * 96, 1 + z.Naechste(), {255, 255, 255});
}

void Eis(TBild& b, TFarbe f, TRauschen& z) {
  b.Grund(f, 6, z);
  for (int i = 0; i < 7; ++i) {
    double x = z.Naechste() * 96, y = z.Naechste() * 96;
    for (int k = 0; k < 4; ++k) {
      const double nx = x + z.Naechste() * 30 - 15, ny = y + z.Naechste() * 30 - 15;
      b.Linie(x, y, nx, ny, 1, Mischen(f, {255, 255, 255}, 0.75));
      x = nx;
      y = ny;
    }
  }
  for (int i = 0; i < 12; ++i)
    b.Kreis(z.Naechste() * 96, z.Naechste() * 96, 1.5, {255, 255, 255});
}

void Vulkan(TBild& b, TFarbe f, TRauschen& z) {
  b.Grund(Heller(f, 20), 8, z);
  b.Dreieck(6, 88, 90, 88, 48, 18, {85, 60, 45});
  b.Dreieck(48, 88, 90, 88, 48, 18, {60, 40, 30});
  b.Ellipse(48, 20, 10, 4, {255, 90, 0});
  for (int i = 0; i < 3; ++i) {
    double x = 44 + i * 4, y = 22;
    for (int k = 0; k < 6; ++k) {
      const double nx = x + z.Naechste() * 10 - 5 + (i - 1) * 3, ny = y + 10;
      b.Linie(x, y, nx, ny, 2.5, {255, 60 + 40.0 * k, 0});
      x = nx;
      y = ny;
    }
  }
}

void Teppich(TBild& b, TFarbe f, TRauschen& z) {
  b.Grund(f, 4, z);
  for (int y = 0; y < Bildseite; ++y)
    for (int x = 0; x < Bildseite; ++x) {
      const int d = (std::abs((x % 24) - 12) + std::abs((y % 24) - 12));
      if (d == 10 || d == 11) b.Pixel[y][x] = Mischen(f, {255, 220, 120}, 0.6);
      if (d < 4) b.Pixel[y][x] = Heller(f, -45);
    }
  for (int k = 0; k < 4; ++k) {
    b.Linie(2, 2 + k * 30.7, 94, 2 + k * 30.7, 0, f);
  }
  b.Linie(1, 1, 94, 1, 3, Heller(f, -60));
  b.Linie(1, 94, 94, 94, 3, Heller(f, -60));
}

void Dickicht(TBild& b, TFarbe f, TRauschen& z) {
  b.Grund(Heller(f, 10), 6, z);
  for (int i = 0; i < 70; ++i)
    b.Kreis(z.Naechste() * 96, z.Naechste() * 96, 3 + z.Naechste() * 4,
            {10 + z.Naechste() * 25, 50 + z.Naechste() * 50, 10 + z.Naechste() * 20});
  for (int i = 0; i < 30; ++i) {
    const double x = z.Naechste() * 96, y = z.Naechste() * 96;
    b.Linie(x, y, x + z.Naechste() * 16 - 8, y + z.Naechste() * 16 - 8, 1, {60, 40, 20});
  }
}

void Leer(TBild& b, TFarbe f, TRauschen& z) {
  b.Grund(f, 3, z);
}

void Malen(TBild& b, int gelaende, TFarbe f, TRauschen& z) {
  switch (gelaende) {
  case 0:
    Unbekannt(b, f, z);
    break;
  case 1:
    Wasser(b, f, z, 5, 24);
    break;
  case 2:
    Wald(b, f, z);
    break;
  case 3:
    Gras(b, f, z);
    break;
  case 4:
    Berg(b, f, z);
    break;
  case 5:
    Sumpf(b, f, z);
    break;
  case 6:
    Sand(b, f, z);
    break;
  case 7:
    Asphalt(b, f, z);
    break;
  case 8:
    Wasser(b, f, z, 3, 40);
    break;
  case 9:
    Schlucht(b, f, z);
    break;
  case 10:
    Schnee(b, f, z);
    break;
  case 11:
    Eis(b, f, z);
    break;
  case 12:
    Vulkan(b, f, z);
    break;
  case 13:
    Teppich(b, f, z);
    break;
  case 14:
    Dickicht(b, f, z);
    break;
  default:
    Leer(b, f, z);
    break;
  }
}

uint8_t Kanal(double w) {
  return static_cast<uint8_t>(std::clamp(std::lround(w), 0L, 255L));
}

} // namespace

std::vector<uint32_t> GelaendeatlasMalen() {
  std::vector<uint32_t> atlas(static_cast<size_t>(Atlasseite) * Atlasseite, 0xFF000000u);
  TBild bild;
  for (int t = 0; t < Gelaendeanzahl; ++t) {
    TRauschen z{static_cast<uint32_t>(1000 + 7919 * t)};
    Malen(bild, t, AusText(Gelaendetabelle[t].Farbe), z);
    const int x0 = (t % 4) * Bildseite, y0 = (t / 4) * Bildseite;
    for (int y = 0; y < Bildseite; ++y)
      for (int x = 0; x < Bildseite; ++x) {
        const TFarbe& p = bild.Pixel[y][x];
        atlas[static_cast<size_t>(y0 + y) * Atlasseite + x0 + x] =
            0xFF000000u | (Kanal(p.r) << 16) | (Kanal(p.g) << 8) | Kanal(p.b);
      }
  }
  return atlas;
}

bool TgaSpeichern(const std::string& datei, int32_t breite, int32_t hoehe,
                  const std::vector<uint32_t>& argb) {
  uint8_t kopf[18] = {};
  kopf[2] = 2; // uncompressed true colour
  kopf[12] = static_cast<uint8_t>(breite);
  kopf[13] = static_cast<uint8_t>(breite >> 8);
  kopf[14] = static_cast<uint8_t>(hoehe);
  kopf[15] = static_cast<uint8_t>(hoehe >> 8);
  kopf[16] = 32;
  kopf[17] = 0x28; // eight alpha bits, first row at the top
  FILE* f = std::fopen(datei.c_str(), "wb");
  if (!f) return false;
  bool gut = std::fwrite(kopf, 1, sizeof kopf, f) == sizeof kopf;
  std::vector<uint8_t> zeile(static_cast<size_t>(breite) * 4);
  for (int32_t y = 0; y < hoehe && gut; ++y) {
    for (int32_t x = 0; x < breite; ++x) {
      const uint32_t p = argb[static_cast<size_t>(y) * breite + x];
      zeile[x * 4 + 0] = static_cast<uint8_t>(p);       // blue
      zeile[x * 4 + 1] = static_cast<uint8_t>(p >> 8);  // green
      zeile[x * 4 + 2] = static_cast<uint8_t>(p >> 16); // red
      zeile[x * 4 + 3] = static_cast<uint8_t>(p >> 24); // alpha
    }
    gut = std::fwrite(zeile.data(), 1, zeile.size(), f) == zeile.size();
  }
  return std::fclose(f) == 0 && gut;
}
