#include "render/zellbilder.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "model/tabellen.h"
#include "render/grafikgruppen.h"

namespace {

constexpr int Spalten = 4;
constexpr int Zeilen = (Gelaendeanzahl + Spalten - 1) / Spalten;

// Bilinear sample of channel k at (x, y) in texel units, held inside [x0, x1) x [y0, y1).
double Probe(const TBildpixel& b, double x, double y, int x0, int x1, int y0, int y1, int k) {
  x = std::clamp(x - 0.5, static_cast<double>(x0), static_cast<double>(x1 - 1));
  y = std::clamp(y - 0.5, static_cast<double>(y0), static_cast<double>(y1 - 1));
  const int xa = static_cast<int>(x), ya = static_cast<int>(y);
  const int xb = std::min(xa + 1, x1 - 1), yb = std::min(ya + 1, y1 - 1);
  const double fx = x - xa, fy = y - ya;
  auto t = [&](int px, int py) {
    return static_cast<double>(b.Rgba[(static_cast<size_t>(py) * b.Breite + px) * 4 + k]);
  };
  return (t(xa, ya) * (1 - fx) + t(xb, ya) * fx) * (1 - fy) +
         (t(xa, yb) * (1 - fx) + t(xb, yb) * fx) * fy;
}

std::vector<uint8_t> Verkleinern(const TBildpixel& atlas, int32_t cw, int32_t ch) {
  const int32_t breite = Spalten * cw, hoehe = Zeilen * ch;
  std::vector<uint8_t> ziel(static_cast<size_t>(breite) * hoehe * 4, 255);
  TBildflaeche f;
  for (int t = 0; t < Gelaendeanzahl; ++t) {
    Bildausschnitt(f, grGelaende, t);
    // The picture's texels in the loaded image, whatever its size.
    const int x0 =
        std::clamp(static_cast<int>(std::lround(f.ULinks * atlas.Breite)), 0, atlas.Breite - 1);
    const int x1 =
        std::clamp(static_cast<int>(std::lround(f.URechts * atlas.Breite)), x0 + 1, atlas.Breite);
    const int y0 =
        std::clamp(static_cast<int>(std::lround(f.VOben * atlas.Hoehe)), 0, atlas.Hoehe - 1);
    const int y1 =
        std::clamp(static_cast<int>(std::lround(f.VUnten * atlas.Hoehe)), y0 + 1, atlas.Hoehe);
    const double sx = static_cast<double>(x1 - x0) / cw, sy = static_cast<double>(y1 - y0) / ch;
    const int nx = std::clamp(static_cast<int>(std::ceil(sx)), 1, 8);
    const int ny = std::clamp(static_cast<int>(std::ceil(sy)), 1, 8);
    const int zx = (t % Spalten) * cw, zy = (t / Spalten) * ch;
    for (int y = 0; y < ch; ++y)
      for (int x = 0; x < cw; ++x)
        for (int k = 0; k < 4; ++k) {
          double summe = 0;
          for (int j = 0; j < ny; ++j)
            for (int i = 0; i < nx; ++i)
              summe += Probe(atlas, x0 + (x + (i + 0.5) / nx) * sx, y0 + (y + (j + 0.5) / ny) * sy,
                             x0, x1, y0, y1, k);
          ziel[(static_cast<size_t>(zy + y) * breite + zx + x) * 4 + k] =
              static_cast<uint8_t>(std::clamp(std::lround(summe / (nx * ny)), 0L, 255L));
        }
  }
  return ziel;
}

} // namespace

bool ZellbilderBinden(TZellbilder& z, int32_t cw, int32_t ch, bool pixelgenau) {
  if (z.Atlas.Rgba.empty() || cw < 1 || ch < 1) return false;
  if (z.Textur == 0 || z.Zellbreite != cw || z.Zellhoehe != ch) {
    if (z.Textur == 0) glGenTextures(1, &z.Textur);
    const std::vector<uint8_t> pixel = Verkleinern(z.Atlas, cw, ch);
    glBindTexture(GL_TEXTURE_2D, z.Textur);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, Spalten * cw, Zeilen * ch, 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, pixel.data());
    glPopClientAttrib();
    z.Zellbreite = cw;
    z.Zellhoehe = ch;
  }
  glBindTexture(GL_TEXTURE_2D, z.Textur);
  const GLint filter = pixelgenau ? GL_NEAREST : GL_LINEAR;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
  return true;
}

void Zellbildausschnitt(const TZellbilder&, TBildflaeche& f, int32_t t) {
  if (t < 0 || t >= Gelaendeanzahl) t = 0;
  f.ULinks = static_cast<double>(t % Spalten) / Spalten;
  f.URechts = static_cast<double>(t % Spalten + 1) / Spalten;
  f.VOben = static_cast<double>(t / Spalten) / Zeilen;
  f.VUnten = static_cast<double>(t / Spalten + 1) / Zeilen;
}

void ZellbilderFreigeben(TZellbilder& z) {
  if (z.Textur) glDeleteTextures(1, &z.Textur);
  z = TZellbilder{};
}
