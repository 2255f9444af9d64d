#include "render/textur.h"

#include <GL/gl.h>
#include <GL/glu.h>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_TGA
#include <stb/stb_image.h>
#pragma GCC diagnostic pop

namespace {

bool Melden(std::string* fehler, const std::string& text) {
  if (fehler) *fehler = text;
  return false;
}

} // namespace

bool TexturLaden(const std::string& dateiname, uint32_t& textur, std::string* fehler) {
  textur = 0;
  int breite = 0, hoehe = 0, kanaele = 0;
  stbi_uc* pixel = stbi_load(dateiname.c_str(), &breite, &hoehe, &kanaele, 4);
  if (!pixel) return Melden(fehler, std::string("cannot read image: ") + stbi_failure_reason());
  GLint groesste = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &groesste);
  if (breite > groesste || hoehe > groesste) {
    stbi_image_free(pixel);
    return Melden(fehler, "image larger than the largest texture");
  }
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
  GLint fehlerwert =
      gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGBA8, breite, hoehe, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
  glPopClientAttrib();
  stbi_image_free(pixel);
  if (fehlerwert != 0) {
    glDeleteTextures(1, &name);
    return Melden(fehler, "cannot build the texture's mipmaps");
  }
  textur = name;
  return true;
}
