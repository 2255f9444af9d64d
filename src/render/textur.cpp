#include "render/textur.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <exception>
#include <fstream>
#include <utility>

#include "render/tga.h"

namespace {

bool Melden(std::string* fehler, const std::string& text) {
  if (fehler) *fehler = text;
  return false;
}

// The whole file; false when it cannot be opened or read.
bool DateiLesen(const std::string& dateiname, std::vector<uint8_t>& daten) {
  std::ifstream datei(dateiname, std::ios::binary | std::ios::ate);
  if (!datei) return false;
  const std::streamoff laenge = datei.tellg();
  if (laenge < 0) return false;
  daten.resize(static_cast<std::size_t>(laenge));
  datei.seekg(0);
  return static_cast<bool>(datei.read(reinterpret_cast<char*>(daten.data()), laenge));
}

} // namespace

bool TexturLaden(const std::string& dateiname, uint32_t& textur, std::string* fehler,
                 TBildpixel* behalten) {
  textur = 0;
  if (behalten) *behalten = TBildpixel{};
  std::vector<uint8_t> daten;
  try {
    if (!DateiLesen(dateiname, daten)) return Melden(fehler, "cannot read image file");
  } catch (const std::exception&) {
    return Melden(fehler, "out of memory for the image file");
  }
  GLint groesste = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &groesste);
  // Too large is told from the header, before pixels are decoded only to be thrown away.
  if (daten.size() >= 16 &&
      ((daten[12] | (daten[13] << 8)) > groesste || (daten[14] | (daten[15] << 8)) > groesste))
    return Melden(fehler, "image larger than the largest texture");
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
