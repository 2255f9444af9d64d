#include "render/textur.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <fstream>

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

// A TGA shorter than its header promises is damaged: the decoder would fill the missing pixels
// with black without a word. A run-length packet holds at most 128 pixels, so a coded file needs
// at least one packet per 128 pixels; checking that also keeps a header of a few bytes from
// making the decoder fill gigabytes.
bool Unvollstaendig(const std::string& dateiname) {
  std::ifstream datei(dateiname, std::ios::binary);
  unsigned char kopf[18] = {};
  if (!datei.read(reinterpret_cast<char*>(kopf), sizeof kopf)) return false;
  const int art = kopf[2];
  const bool gepackt = art == 9 || art == 10 || art == 11;
  if (art != 1 && art != 2 && art != 3 && !gepackt) return false;
  const uint64_t kennung = kopf[0];
  const uint64_t palette =
      kopf[1] ? static_cast<uint64_t>(kopf[5] | (kopf[6] << 8)) * ((kopf[7] + 7) / 8) : 0;
  const uint64_t breite = kopf[12] | (kopf[13] << 8), hoehe = kopf[14] | (kopf[15] << 8);
  const uint64_t bytes = (kopf[16] + 7) / 8;
  const uint64_t daten =
      gepackt ? (breite * hoehe + 127) / 128 * (1 + bytes) : breite * hoehe * bytes;
  datei.seekg(0, std::ios::end);
  return static_cast<uint64_t>(datei.tellg()) < 18 + kennung + palette + daten;
}

// Width and height from the TGA header; false when the header cannot be read.
bool Kopfgroesse(const std::string& dateiname, int& breite, int& hoehe) {
  std::ifstream datei(dateiname, std::ios::binary);
  unsigned char kopf[18] = {};
  if (!datei.read(reinterpret_cast<char*>(kopf), sizeof kopf)) return false;
  breite = kopf[12] | (kopf[13] << 8);
  hoehe = kopf[14] | (kopf[15] << 8);
  return true;
}

} // namespace

bool TexturLaden(const std::string& dateiname, uint32_t& textur, std::string* fehler,
                 TBildpixel* behalten) {
  textur = 0;
  if (behalten) *behalten = TBildpixel{};
  if (Unvollstaendig(dateiname)) return Melden(fehler, "image file is cut short");
  GLint groesste = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &groesste);
  int breite = 0, hoehe = 0, kanaele = 0;
  // Too large is told before the pixels are decoded, which would only be thrown away.
  if (Kopfgroesse(dateiname, breite, hoehe) && (breite > groesste || hoehe > groesste))
    return Melden(fehler, "image larger than the largest texture");
  stbi_uc* pixel = stbi_load(dateiname.c_str(), &breite, &hoehe, &kanaele, 4);
  if (!pixel) return Melden(fehler, std::string("cannot read image: ") + stbi_failure_reason());
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
  if (behalten && fehlerwert == 0) {
    behalten->Breite = breite;
    behalten->Hoehe = hoehe;
    behalten->Rgba.assign(pixel, pixel + static_cast<size_t>(breite) * hoehe * 4);
  }
  stbi_image_free(pixel);
  if (fehlerwert != 0) {
    glDeleteTextures(1, &name);
    return Melden(fehler, "cannot build the texture's mipmaps");
  }
  textur = name;
  return true;
}
