#include "render/zellbilder.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "model/tabellen.h"
#include "render/grafikgruppen.h"

namespace {

constexpr int Spalten = 4;
constexpr int Zeilen = (Gelaendeanzahl + Spalten - 1) / Spalten;

// Bilinear sample of the four channels at (x, y) in texel units, held inside [x0, x1) x [y0, y1);
// the result is added to summe.
void Probe(const TBildpixel& b, double x, double y, int x0, int x1, int y0, int y1,
           double summe[4]) {
  x = std::clamp(x - 0.5, static_cast<double>(x0), static_cast<double>(x1 - 1));
  y = std::clamp(y - 0.5, static_cast<double>(y0), static_cast<double>(y1 - 1));
  const int xa = static_cast<int>(x), ya = static_cast<int>(y);
  const int xb = std::min(xa + 1, x1 - 1), yb = std::min(ya + 1, y1 - 1);
  const double fx = x - xa, fy = y - ya;
  const uint8_t* p00 = &b.Rgba[(static_cast<size_t>(ya) * b.Breite + xa) * 4];
  const uint8_t* p10 = &b.Rgba[(static_cast<size_t>(ya) * b.Breite + xb) * 4];
  const uint8_t* p01 = &b.Rgba[(static_cast<size_t>(yb) * b.Breite + xa) * 4];
  const uint8_t* p11 = &b.Rgba[(static_cast<size_t>(yb) * b.Breite + xb) * 4];
  for (int k = 0; k < 4; ++k)
    summe[k] +=
        (p00[k] * (1 - fx) + p10[k] * fx) * (1 - fy) + (p01[k] * (1 - fx) + p11[k] * fx) * fy;
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
      for (int x = 0; x < cw; ++x) {
        double summe[4] = {0, 0, 0, 0};
        for (int j = 0; j < ny; ++j)
          for (int i = 0; i < nx; ++i)
            Probe(atlas, x0 + (x + (i + 0.5) / nx) * sx, y0 + (y + (j + 0.5) / ny) * sy, x0, x1, y0,
                  y1, summe);
        uint8_t* z = &ziel[(static_cast<size_t>(zy + y) * breite + zx + x) * 4];
        for (int k = 0; k < 4; ++k)
          z[k] = static_cast<uint8_t>(std::clamp(std::lround(summe[k] / (nx * ny)), 0L, 255L));
      }
  }
  return ziel;
}

} // namespace

bool ZellbilderBinden(TZellbilder& z, int32_t cw, int32_t ch, bool pixelgenau) {
  if (z.Atlas.Rgba.empty() || cw < 1 || ch < 1) return false;
  auto satz = std::find_if(z.Saetze.begin(), z.Saetze.end(), [&](const TZellbildsatz& s) {
    return s.Zellbreite == cw && s.Zellhoehe == ch;
  });
  if (satz == z.Saetze.end()) {
    TZellbildsatz neu{cw, ch, 0};
    glGenTextures(1, &neu.Textur);
    const std::vector<uint8_t> pixel = Verkleinern(z.Atlas, cw, ch);
    glBindTexture(GL_TEXTURE_2D, neu.Textur);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, Spalten * cw, Zeilen * ch, 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, pixel.data());
    glPopClientAttrib();
    z.Saetze.push_back(neu);
    satz = z.Saetze.end() - 1;
  }
  glBindTexture(GL_TEXTURE_2D, satz->Textur);
  z.Zellbreite = cw;
  z.Zellhoehe = ch;
  z.Interpoliert = !pixelgenau;
  const GLint filter = pixelgenau ? GL_NEAREST : GL_LINEAR;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
  return true;
}

void Zellbildausschnitt(const TZellbilder& z, TBildflaeche& f, int32_t t) {
  if (t < 0 || t >= Gelaendeanzahl) t = 0;
  // Half a texel in from each edge, when the texels are interpolated and there is room.
  const double ex = z.Interpoliert && z.Zellbreite > 1 ? 0.5 / (Spalten * z.Zellbreite) : 0;
  const double ey = z.Interpoliert && z.Zellhoehe > 1 ? 0.5 / (Zeilen * z.Zellhoehe) : 0;
  f.ULinks = static_cast<double>(t % Spalten) / Spalten + ex;
  f.URechts = static_cast<double>(t % Spalten + 1) / Spalten - ex;
  f.VOben = static_cast<double>(t / Spalten) / Zeilen + ey;
  f.VUnten = static_cast<double>(t / Spalten + 1) / Zeilen - ey;
}

void ZellbilderFreigeben(TZellbilder& z) {
  for (TZellbildsatz& s : z.Saetze)
    if (s.Textur) glDeleteTextures(1, &s.Textur);
  z = TZellbilder{};
}
