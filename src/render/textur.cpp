#include "render/textur.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <utility>

#include "render/tga.h"

namespace {

bool Melden(std::string* fehler, const std::string& text) {
  if (fehler) *fehler = text;
  return false;
}

} // namespace

bool TexturLaden(const std::string& dateiname, uint32_t& textur, std::string* fehler,
                 TBildpixel* behalten) {
  textur = 0;
  if (behalten) *behalten = TBildpixel{};
  GLint groesste = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &groesste);
  // Too large is told from the header, before the rest of the file is read.
  std::vector<uint8_t> daten;
  if (!TgaDateiLesen(dateiname, daten, std::min<int32_t>(groesste, TgaHoechstseite), fehler))
    return false;
  TBildpixel bild;
  if (!TgaDekodieren(daten.data(), daten.size(), bild, fehler)) return false;
  daten = {};
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_R, GL_CLAMP_TO_EDGE);
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  GLint fehlerwert = gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGBA8, bild.Breite, bild.Hoehe, GL_RGBA,
                                       GL_UNSIGNED_BYTE, bild.Rgba.data());
  glPopClientAttrib();
  if (fehlerwert != 0) {
    glDeleteTextures(1, &name);
    return Melden(fehler, "cannot build the texture's mipmaps");
  }
  if (behalten) *behalten = std::move(bild);
  textur = name;
  return true;
}
